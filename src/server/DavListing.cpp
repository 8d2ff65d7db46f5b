#include "server/DavListing.h"

#include "platform/FileName.h"
#include "server/ServerPath.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QXmlStreamReader>

namespace {

const QString kDav = QStringLiteral("DAV:");

// What one <response> said.
struct Response {
    QString href;
    bool collection = false;
    QString length, modified, tag;
};

ServerEntry entryOf(const Response &r, const QString &name)
{
    ServerEntry e;
    e.name = name;
    e.folder = r.collection;
    e.regular = !r.collection;
    e.size = qMax(0LL, r.length.trimmed().toLongLong());
    e.mtime = DavListing::httpDate(r.modified);
    e.tag = r.tag.trimmed().toUtf8();
    return e;
}

} // namespace

QByteArray DavListing::request()
{
    return QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                             "<D:propfind xmlns:D=\"DAV:\"><D:prop><D:resourcetype/><D:getcontentlength/>"
                             "<D:getlastmodified/><D:getetag/></D:prop></D:propfind>\n");
}

QStringList DavListing::hrefNames(const QString &href)
{
    QString path = href.trimmed();
    if (const qsizetype scheme = path.indexOf(QLatin1StringView("://")); scheme >= 0) {
        const qsizetype slash = path.indexOf(u'/', scheme + 3);
        path = slash < 0 ? QString() : path.mid(slash);
    }
    path = path.section(u'?', 0, 0).section(u'#', 0, 0);
    QStringList names;
    for (const QString &segment : path.split(u'/', Qt::SkipEmptyParts))
        names << FileName::decode(QByteArray::fromPercentEncoding(segment.toUtf8()));
    return names;
}

qint64 DavListing::httpDate(const QString &text)
{
    QString t = text.trimmed();
    if (const qsizetype comma = t.indexOf(u','); comma >= 0)
        t = t.mid(comma + 1).trimmed();
    if (t.endsWith(QLatin1StringView("GMT")))
        t = t.chopped(3).trimmed();
    const QDateTime read = QLocale::c().toDateTime(t, QStringLiteral("d MMM yyyy HH:mm:ss"));
    return read.isValid() ? QDateTime(read.date(), read.time(), Qt::UTC).toSecsSinceEpoch() : 0;
}

DavListing DavListing::parse(const QByteArray &xml, const QStringList &names, qsizetype maxEntries)
{
    DavListing out;
    QXmlStreamReader reader(xml);
    Response response, found;
    bool inResponse = false, inPropstat = false, propsOk = false;
    const auto text = [&reader] { return reader.readElementText(QXmlStreamReader::IncludeChildElements); };
    while (!reader.atEnd() && out.problem.isEmpty()) {
        reader.readNext();
        if (reader.namespaceUri() != kDav)
            continue;
        const QStringView name = reader.name();
        if (reader.isStartElement()) {
            if (name == u"response") {
                inResponse = true;
                response = {};
            } else if (!inResponse) {
                continue;
            } else if (name == u"propstat") {
                inPropstat = true;
                propsOk = false;
                found = {};
            } else if (name == u"href" && !inPropstat) {
                response.href = text();
            } else if (name == u"status" && inPropstat) {
                propsOk = text().section(u' ', 1, 1) == u"200";
            } else if (name == u"collection") {
                found.collection = true;
            } else if (name == u"getcontentlength") {
                found.length = text();
            } else if (name == u"getlastmodified") {
                found.modified = text();
            } else if (name == u"getetag") {
                found.tag = text();
            }
        } else if (reader.isEndElement()) {
            if (name == u"propstat" && inPropstat) {
                inPropstat = false;
                if (propsOk) {
                    response.collection = response.collection || found.collection;
                    const auto take = [](QString *into, const QString &from) {
                        if (!from.isEmpty())
                            *into = from;
                    };
                    take(&response.length, found.length);
                    take(&response.modified, found.modified);
                    take(&response.tag, found.tag);
                }
            } else if (name == u"response" && inResponse) {
                inResponse = false;
                const QStringList at = hrefNames(response.href);
                if (at == names) {
                    out.selfFound = true;
                    out.self = entryOf(response, names.value(names.size() - 1));
                } else if (at.size() == names.size() + 1 && at.mid(0, names.size()) == names
                           && ServerPath::isSafeName(at.last())) {
                    if (out.children.size() >= maxEntries)
                        out.problem =
                            QCoreApplication::translate("DavTransport", "it lists more than %1 entries")
                                .arg(maxEntries);
                    else
                        out.children.append(entryOf(response, at.last()));
                }
            }
        }
    }
    if (reader.hasError() && out.problem.isEmpty())
        out.problem = QCoreApplication::translate("DavTransport", "its answer is not a WebDAV listing (%1)")
                          .arg(reader.errorString());
    return out;
}
