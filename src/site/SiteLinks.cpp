#include "site/SiteLinks.h"

#include <QRegularExpression>
#include <QUrl>

namespace {

bool hasScheme(const QString &link)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    return scheme.match(link).hasMatch();
}

// The link's path and what follows it (query and fragment).
std::pair<QString, QString> split(const QString &link)
{
    qsizetype at = link.size();
    for (const QChar c : {u'?', u'#'}) {
        const qsizetype i = link.indexOf(c);
        if (i >= 0 && i < at)
            at = i;
    }
    return {link.left(at), link.mid(at)};
}

// The path's segments from the site folder, "." and ".." resolved; false
// when ".." would climb above the site folder.
bool resolve(const QString &path, QStringList *out)
{
    const QStringList parts = path.split(u'/');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &p = parts.at(i);
        const bool last = i == parts.size() - 1;
        if (p == QLatin1StringView(".") || (p.isEmpty() && !last)) {
            if (last)
                out->append(QString());
            continue;
        }
        if (p == QLatin1StringView("..")) {
            if (out->isEmpty())
                return false;
            out->removeLast();
            if (last)
                out->append(QString());
            continue;
        }
        out->append(p);
    }
    return true;
}

QString decoded(const QString &segment)
{
    return QUrl::fromPercentEncoding(segment.toUtf8());
}

} // namespace

namespace SiteLinks {

bool isRelative(const QString &link)
{
    return !link.isEmpty() && !link.startsWith(u'/') && !link.startsWith(u'#') && !link.startsWith(u'?')
        && !link.startsWith(u'\\') && !hasScheme(link);
}

QString upToSite(const QString &pagePath)
{
    return QStringLiteral("../").repeated(pagePath.count(u'/'));
}

QString forPage(const QString &link, const QString &pagePath)
{
    const QStringList folders = pagePath.split(u'/').mid(0, pagePath.count(u'/'));
    if (folders.isEmpty() || !isRelative(link))
        return link;
    const auto [path, rest] = split(link);
    QStringList segments;
    if (!resolve(path, &segments))
        return upToSite(pagePath) + link;
    qsizetype common = 0;
    while (common < folders.size() && common + 1 < segments.size() && decoded(segments.at(common)) == folders.at(common))
        ++common;
    QString out = QStringLiteral("../").repeated(folders.size() - common) + segments.mid(common).join(u'/');
    if (out.isEmpty())
        out = QStringLiteral("./");
    return out + rest;
}

bool leadsTo(const QString &link, const QString &pagePath)
{
    if (link.isEmpty() || link.startsWith(QLatin1StringView("//")) || hasScheme(link) || link.startsWith(u'#')
        || link.startsWith(u'?'))
        return false;
    QString path = split(link).first;
    if (path.startsWith(u'/'))
        path.remove(0, 1);
    QStringList segments;
    if (!resolve(path, &segments))
        return false;
    for (QString &s : segments)
        s = decoded(s);
    const QString target = segments.join(u'/');
    if (target == pagePath)
        return true;
    if (!target.isEmpty() && !target.endsWith(u'/'))
        return false;
    return pagePath == target + QLatin1StringView("index.html") || pagePath == target + QLatin1StringView("index.htm");
}

} // namespace SiteLinks
