#include "site/PublishRecord.h"

#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"
#include "site/MenuRegions.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

#include <openssl/sha.h>
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

// A page's file as "stat" keeps it: device, inode, size, modification and
// change times in nanoseconds, in decimal, one space between (a JSON number
// holds 53 bits only).
QString fileText(const FileIdentity &file)
{
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(file.device)
        .arg(file.inode)
        .arg(file.size)
        .arg(file.modifiedNs)
        .arg(file.changedNs);
}

// The file of a "stat" text; false when it is not one.
bool readFile(const QJsonValue &value, FileIdentity *out)
{
    if (!value.isString())
        return false;
    const QString text = value.toString();
    const QList<QStringView> parts = QStringView(text).split(u' ');
    if (parts.size() != 5)
        return false;
    bool ok[5] = {};
    FileIdentity file;
    file.device = parts[0].toULongLong(&ok[0]);
    file.inode = parts[1].toULongLong(&ok[1]);
    file.size = parts[2].toLongLong(&ok[2]);
    file.modifiedNs = parts[3].toLongLong(&ok[3]);
    file.changedNs = parts[4].toLongLong(&ok[4]);
    if (!(ok[0] && ok[1] && ok[2] && ok[3] && ok[4]) || file.size < 0)
        return false;
    file.exists = file.regular = true;
    *out = file;
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
    // The file goes with the page's hash: set aside with it in format 1.
    const QJsonValue file = object.value(QLatin1StringView("stat"));
    if (format != kFormatSha256Pages && !file.isUndefined()
        && (page->pageHash.isEmpty() || !readFile(file, &page->file)))
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

bool PublishRecord::vouchesFor(const Page &page, const FileIdentity &now) const
{
    const FileIdentity &file = page.file;
    return !page.pageHash.isEmpty() && file.exists && now == file && loadedFrom.exists
           && loadedFrom.device == file.device
           && file.changedNs < std::min(loadedFrom.modifiedNs, loadedFrom.changedNs);
}

QByteArray PublishRecord::hash(QByteArrayView bytes)
{
    unsigned char digest[SHA256_DIGEST_LENGTH];
    SHA256(reinterpret_cast<const unsigned char *>(bytes.data()), size_t(bytes.size()), digest);
    return QByteArray::fromRawData(reinterpret_cast<const char *>(digest), sizeof digest).toHex();
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
    record.loadedFrom = read.identity;
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
        if (!it->pageHash.isEmpty() && it->file.exists)
            page.insert(QStringLiteral("stat"), fileText(it->file));
        pageObjects.insert(it.key(), page);
    }
    const QJsonObject root{{QStringLiteral("format"), kFormat}, {QStringLiteral("pages"), pageObjects}};
    return WriteFileAtomically(path(siteFolder), QJsonDocument(root).toJson(QJsonDocument::Indented), error);
}
