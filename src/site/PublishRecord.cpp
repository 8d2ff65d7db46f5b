#include "site/PublishRecord.h"

#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"
#include "platform/Sha256.h"
#include "site/MenuRegions.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <limits>

#include <xxhash.h>

namespace {

constexpr int kFormat = 2;
constexpr int kFormatSha256Pages = 1; // read too: page hashes of SHA-256, each page's kept
constexpr qsizetype kMaxPlaceholder = 4096;

// A hash of `length` lower-case hex digits into `out`; false when the value
// is none. A record holds thousands: each is taken as text once, and checked
// as it is copied.
bool readHash(const QJsonValue &value, QByteArray *out, qsizetype length = 64)
{
    if (!value.isString())
        return false;
    const QString text = value.toString();
    if (text.size() != length)
        return false;
    QByteArray hash(length, Qt::Uninitialized);
    char *to = hash.data();
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (!((u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f')))
            return false;
        *to++ = char(u);
    }
    *out = std::move(hash);
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
    quint64 numbers[5] = {};
    qsizetype n = 0;
    bool digits = false; // in the current number
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9' && numbers[n] <= (~quint64(0) - (u - u'0')) / 10) {
            numbers[n] = numbers[n] * 10 + (u - u'0');
            digits = true;
        } else if (u == u' ' && digits && n < 4) {
            ++n;
            digits = false;
        } else {
            return false;
        }
    }
    constexpr quint64 kLargest = quint64(std::numeric_limits<qint64>::max());
    if (n != 4 || !digits || numbers[2] > kLargest || numbers[3] > kLargest || numbers[4] > kLargest)
        return false;
    out->exists = out->regular = true;
    out->device = numbers[0];
    out->inode = numbers[1];
    out->size = qint64(numbers[2]);
    out->modifiedNs = qint64(numbers[3]);
    out->changedNs = qint64(numbers[4]);
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
        // (Times before 1970 are not kept: the file is read again.)
        if (!it->pageHash.isEmpty() && it->file.exists && it->file.modifiedNs >= 0 && it->file.changedNs >= 0)
            page.insert(QStringLiteral("stat"), fileText(it->file));
        pageObjects.insert(it.key(), page);
    }
    const QJsonObject root{{QStringLiteral("format"), kFormat}, {QStringLiteral("pages"), pageObjects}};
    return WriteFileAtomically(path(siteFolder), QJsonDocument(root).toJson(QJsonDocument::Indented), error);
}
