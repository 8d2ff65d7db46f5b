#include "site/PublishRecord.h"

#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"
#include "platform/Sha256.h"
#include "site/MenuRegions.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

#include <xxhash.h>

namespace {

constexpr int kFormat = 2;
constexpr int kFormatSha256Pages = 1; // read too: page hashes of SHA-256, each page's kept
constexpr qsizetype kMaxPlaceholder = 4096;

// A hash of `length` lower-case hex digits into `out`; false when the value
// is none. A record holds thousands: each is taken as text once.
bool readHash(const QJsonValue &value, QByteArray *out, qsizetype length = 64)
{
    if (!value.isString())
        return false;
    const QString text = value.toString();
    if (text.size() != length)
        return false;
    for (const QChar c : text) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f')))
            return false;
    }
    *out = text.toLatin1();
    return true;
}

// Reads one page's entry; false when any field is not as written.
bool readPage(const QJsonValue &value, int format, PublishRecord::Page *page)
{
    if (!value.isObject())
        return false;
    const QJsonObject object = value.toObject();
    const QJsonValue pageHash = object.value(QLatin1StringView("page"));
    const QJsonValue menus = object.value(QLatin1StringView("menus"));
    // A page hash of format 1 is of another kind: not kept, so the page is parsed.
    QByteArray sha256;
    const bool pageHashOk = format == kFormatSha256Pages
                                ? readHash(pageHash, &sha256)
                                : pageHash.isUndefined() || readHash(pageHash, &page->pageHash, 32);
    if (!pageHashOk || !menus.isObject())
        return false;
    const QJsonObject menuObjects = menus.toObject();
    for (auto it = menuObjects.begin(); it != menuObjects.end(); ++it) {
        const QJsonValue entry = it.value();
        if (!entry.isObject())
            return false;
        const QJsonObject m = entry.toObject();
        const QJsonValue head = m.value(QLatin1StringView("head"));
        const QJsonValue placeholder = m.value(QLatin1StringView("placeholder"));
        PublishRecord::Menu menu;
        if (!readHash(m.value(QLatin1StringView("body")), &menu.bodyHash)
            || !readHash(m.value(QLatin1StringView("code")), &menu.codeHash)
            || !(head.isUndefined() || readHash(head, &menu.headHash))
            || !(placeholder.isUndefined() || placeholder.isString()))
            return false;
        menu.placeholder = placeholder.toString();
        if (menu.placeholder.size() > kMaxPlaceholder)
            return false;
        page->menus.insert(MenuRegionMark::key(it.key()), menu);
    }
    return true;
}

} // namespace

QByteArray PublishRecord::hash(QByteArrayView bytes)
{
    return Sha256::hex(bytes);
}

QByteArray PublishRecord::pageHash(QByteArrayView bytes)
{
    XXH128_canonical_t canonical;
    XXH128_canonicalFromHash(&canonical, XXH3_128bits(bytes.data(), size_t(bytes.size())));
    return QByteArray::fromRawData(reinterpret_cast<const char *>(canonical.digest), sizeof canonical.digest)
        .toHex();
}

QByteArray PublishRecord::codeHash(const QString &head, const QString &body)
{
    return hash((head + QChar(0) + body).toUtf8());
}

PublishRecord PublishRecord::load(const QString &siteFolder, QString *note)
{
    PublishRecord record;
    const QString file = path(siteFolder);
    const RegularFile read = RegularFile::read(file, kMaxBytes);
    if (read.status == RegularFile::Missing)
        return record;
    const auto damaged = [&](const QString &why) {
        if (note)
            *note = QCoreApplication::translate(
                        "PublishRecord",
                        "The record of earlier publishing \"%1\" was set aside: %2 Regions edited by hand "
                        "cannot be found in this run; a new record replaces it when pages are written.")
                        .arg(QDir::toNativeSeparators(file), why);
        return PublishRecord();
    };
    if (read.status != RegularFile::Ok)
        return damaged(read.problem(QString()));
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(read.bytes, &error);
    if (document.isNull())
        return damaged(QCoreApplication::translate("PublishRecord", "It is damaged (%1 at byte %2).")
                           .arg(error.errorString())
                           .arg(error.offset));
    const QJsonObject root = document.object();
    const int format = root.value(QLatin1StringView("format")).toInt(-1);
    if (!document.isObject() || (format != kFormat && format != kFormatSha256Pages)
        || !root.value(QLatin1StringView("pages")).isObject())
        return damaged(QCoreApplication::translate("PublishRecord", "It is not a record of this version."));
    const QJsonObject pages = root.value(QLatin1StringView("pages")).toObject();
    for (auto it = pages.begin(); it != pages.end(); ++it) {
        Page page;
        if (!readPage(it.value(), format, &page))
            return damaged(QCoreApplication::translate("PublishRecord", "Its entry for \"%1\" is damaged.")
                               .arg(it.key()));
        // The entries come in order, so each goes at the end.
        record.pages.insert(record.pages.cend(), it.key(), std::move(page));
    }
    return record;
}

bool PublishRecord::save(const QString &siteFolder, QString *error) const
{
    QJsonObject pageObjects;
    for (auto it = pages.begin(); it != pages.end(); ++it) {
        QJsonObject menus;
        for (auto m = it->menus.begin(); m != it->menus.end(); ++m) {
            QJsonObject menu{{QStringLiteral("body"), QString::fromLatin1(m->bodyHash)},
                             {QStringLiteral("code"), QString::fromLatin1(m->codeHash)}};
            if (!m->headHash.isEmpty())
                menu.insert(QStringLiteral("head"), QString::fromLatin1(m->headHash));
            if (!m->placeholder.isEmpty())
                menu.insert(QStringLiteral("placeholder"), m->placeholder);
            menus.insert(m.key(), menu);
        }
        QJsonObject page{{QStringLiteral("menus"), menus}};
        if (!it->pageHash.isEmpty())
            page.insert(QStringLiteral("page"), QString::fromLatin1(it->pageHash));
        pageObjects.insert(it.key(), page);
    }
    const QJsonObject root{{QStringLiteral("format"), kFormat}, {QStringLiteral("pages"), pageObjects}};
    return WriteFileAtomically(path(siteFolder), QJsonDocument(root).toJson(QJsonDocument::Indented), error);
}
