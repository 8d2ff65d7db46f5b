#include "site/SiteLink.h"

#include "platform/FileName.h"

#include <QRegularExpression>
#include <QUrl>

namespace {

bool isUrlSpace(QChar c)
{
    return c.unicode() <= 0x20;
}

QString schemeOf(const QString &link)
{
    static const QRegularExpression scheme(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*):"));
    const QRegularExpressionMatch m = scheme.match(link);
    return m.hasMatch() ? m.captured(1).toLower() : QString();
}

// %-escapes decoded; bytes that are not UTF-8 are kept as a file name keeps
// them (FileName), so that "r%E9sum%E9.htm" names the file of those bytes.
QString decoded(const QString &text)
{
    return FileName::decode(QByteArray::fromPercentEncoding(text.toUtf8()));
}

// Where a link's path ends: at its query or fragment.
qsizetype pathEnd(const QString &text)
{
    const qsizetype hash = text.indexOf(u'#');
    const qsizetype query = text.left(hash < 0 ? text.size() : hash).indexOf(u'?');
    return query >= 0 ? query : hash >= 0 ? hash : text.size();
}

// Reads a path ('/' between names) into the link's names, "." and ".."
// applied; a last empty name stands for a folder.
void readPath(const QString &path, SiteLink *link)
{
    const QStringList parts = path.split(u'/');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString name = decoded(parts.at(i));
        const bool last = i == parts.size() - 1;
        if (name == QLatin1String("..")) {
            if (link->names.isEmpty()) {
                link->leavesSite = true;
            } else {
                link->names.removeLast();
                link->written.removeLast();
            }
            if (last) {
                link->names.append(QString());
                link->written.append(QString());
            }
        } else if (name == QLatin1String(".") || name.isEmpty()) {
            if (last) {
                link->names.append(QString());
                link->written.append(QString());
            }
        } else {
            link->names.append(name);
            link->written.append(parts.at(i));
        }
    }
}

// An http(s) or "//host" address: its host and its path's names.
void readWebAddress(const QString &afterScheme, SiteLink *link)
{
    const qsizetype end = pathEnd(afterScheme);
    QString address = afterScheme.left(end);
    address.replace(u'\\', u'/');
    qsizetype from = 0;
    while (from < address.size() && address.at(from) == u'/')
        ++from;
    qsizetype slash = address.indexOf(u'/', from);
    if (slash < 0)
        slash = address.size();
    QString authority = address.mid(from, slash - from);
    authority = authority.mid(authority.lastIndexOf(u'@') + 1);
    if (!authority.startsWith(u'[') && authority.contains(u':'))
        authority.truncate(authority.indexOf(u':'));
    link->host = authority.toLower();
    if (slash < address.size())
        readPath(address.mid(slash + 1), link);
}

} // namespace

QString SiteLink::cleaned(const QString &link)
{
    qsizetype from = 0;
    qsizetype to = link.size();
    while (from < to && isUrlSpace(link.at(from)))
        ++from;
    while (to > from && isUrlSpace(link.at(to - 1)))
        --to;
    QString out = link.mid(from, to - from);
    out.remove(u'\t').remove(u'\n').remove(u'\r');
    return out;
}

SiteLink SiteLink::parse(const QString &raw)
{
    SiteLink link;
    const QString text = cleaned(raw);
    link.scheme = schemeOf(text);
    if (link.scheme == QLatin1String("mailto")) {
        link.kind = Mail;
        const QString rest = text.mid(7);
        link.mailAddresses = rest.left(rest.indexOf(u'?'));
        return link;
    }
    if (link.scheme == QLatin1String("http") || link.scheme == QLatin1String("https")) {
        link.kind = Web;
        readWebAddress(text.mid(link.scheme.size() + 1), &link);
        return link;
    }
    if (!link.scheme.isEmpty()) {
        link.kind = Other;
        if (text.mid(link.scheme.size() + 1).startsWith(QLatin1String("//")))
            readWebAddress(text.mid(link.scheme.size() + 1), &link); // ftp://host/path and the like
        return link;
    }
    const qsizetype end = pathEnd(text);
    QString path = text.left(end);
    path.replace(u'\\', u'/');
    if (path.startsWith(QLatin1String("//"))) {
        link.kind = Web;
        readWebAddress(text, &link);
        return link;
    }
    link.rest = text.mid(end);
    const qsizetype hash = link.rest.indexOf(u'#');
    if (hash >= 0)
        link.fragment = link.rest.mid(hash + 1);
    if (path.isEmpty()) {
        link.kind = hash >= 0 ? Fragment : Empty;
        return link;
    }
    link.kind = Site;
    link.path = path;
    link.rootRelative = path.startsWith(u'/');
    readPath(link.rootRelative ? path.mid(1) : path, &link);
    return link;
}

QString SiteLink::upToSite(const QString &pagePath)
{
    return QStringLiteral("../").repeated(pagePath.count(u'/'));
}

SiteLink::Base SiteLink::base(const QString &pagePath)
{
    Base b;
    b.page = pagePath;
    b.folder = pagePath.left(pagePath.lastIndexOf(u'/') + 1);
    return b;
}

SiteLink::Base SiteLink::base(const QString &pagePath, const QString &href)
{
    Base b = base(pagePath);
    b.href = href;
    const SiteLink link = parse(href);
    switch (link.kind) {
    case Empty:
    case Fragment:
        return b; // the page's own address
    case Site:
        break;
    default:
        b.problem = Base::Elsewhere;
        b.ownAddress = false;
        return b;
    }
    // A root-relative path cannot lead above the server's root: "/../" is "/".
    const SiteLink resolved = link.rootRelative ? link : parse(b.folder + link.path);
    if (resolved.leavesSite && !link.rootRelative) {
        b.problem = Base::AboveSite;
        b.ownAddress = false;
        return b;
    }
    const QStringList folders = resolved.names.mid(0, resolved.names.size() - 1);
    b.folder = folders.isEmpty() ? QString() : folders.join(u'/') + u'/';
    b.ownAddress = resolved.names.join(u'/') == pagePath;
    return b;
}

QString SiteLink::forPage(const QString &typed, const QString &pagePath)
{
    return forBase(typed, base(pagePath));
}

QString SiteLink::forBase(const QString &typed, const Base &base)
{
    const SiteLink link = parse(typed);
    if ((link.kind == Empty || link.kind == Fragment) && !base.ownAddress && !link.rest.isEmpty())
        return forBase(forPath(base.page), base) + link.rest;
    if (link.kind != Site || link.rootRelative)
        return typed;
    if (link.leavesSite)
        return upToSite(base.folder) + link.path + link.rest;
    const QStringList folders = base.folder.split(u'/', Qt::SkipEmptyParts);
    qsizetype common = 0;
    while (common < folders.size() && common + 1 < link.names.size()
           && link.names.at(common) == folders.at(common))
        ++common;
    QString out =
        QStringLiteral("../").repeated(folders.size() - common) + link.written.mid(common).join(u'/');
    if (out.isEmpty())
        out = QStringLiteral("./");
    return out + link.rest;
}

QStringList SiteLink::pageNames(const QStringList &names,
                                const std::function<bool(const QString &)> &isFolder)
{
    if (names.isEmpty() || names.last().isEmpty() || !isFolder || !isFolder(names.join(u'/')))
        return names;
    return names + QStringList{QString()};
}

QStringList SiteLink::pagesLedTo(const QString &typed, const std::function<bool(const QString &)> &isFolder)
{
    const SiteLink link = parse(typed);
    if (link.kind != Site || link.leavesSite)
        return {};
    const QStringList names = pageNames(link.names, isFolder);
    if (!names.isEmpty() && !names.last().isEmpty())
        return {names.join(u'/')};
    // A folder: either of its index pages.
    const QString folder = names.join(u'/');
    return {folder + QLatin1String("index.html"), folder + QLatin1String("index.htm")};
}

QString SiteLink::folderPage(const std::function<bool(const QString &)> &holds)
{
    const QString html = QStringLiteral("index.html");
    const QString htm = QStringLiteral("index.htm");
    return !holds(html) && holds(htm) ? htm : html;
}

bool SiteLink::isIndexName(const QString &fileName)
{
    return fileName.compare(QLatin1String("index.html"), Qt::CaseInsensitive) == 0
           || fileName.compare(QLatin1String("index.htm"), Qt::CaseInsensitive) == 0;
}

QString SiteLink::forPath(const QString &relativePath)
{
    QString out;
    out.reserve(relativePath.size());
    for (const QChar c : relativePath) {
        const char16_t u = c.unicode();
        const bool escape = u <= 0x20 || u == 0x7F || QStringView(u"\"#%<>?[\\]^`{|}:'").contains(c);
        if (!FileName::isPlain(QString(c))) // a byte of a name that is not UTF-8
            out += QStringLiteral("%%1").arg(int(u - 0xDC00), 2, 16, QChar(u'0')).toUpper();
        else if (escape)
            out += QStringLiteral("%%1").arg(int(u), 2, 16, QChar(u'0')).toUpper();
        else
            out += c;
    }
    return out;
}

bool SiteLink::isMailAddress(const QString &address)
{
    static const QRegularExpression valid(
        QStringLiteral("^[a-zA-Z0-9.!#$%&'*+/=?^_`{|}~-]+@[a-zA-Z0-9](?:[a-zA-Z0-9-]{0,61}[a-zA-Z0-9])?"
                       "(?:\\.[a-zA-Z0-9](?:[a-zA-Z0-9-]{0,61}[a-zA-Z0-9])?)*$"));
    const qsizetype at = address.lastIndexOf(u'@');
    if (at < 0)
        return false;
    const QString domain = address.mid(at + 1);
    QString ascii = domain;
    for (const QChar c : domain) {
        if (c.unicode() > 0x7F) {
            ascii = QString::fromLatin1(QUrl::toAce(domain, QUrl::AceProcessingOption::IgnoreIDNWhitelist));
            break;
        }
    }
    return !ascii.isEmpty() && valid.match(address.left(at + 1) + ascii).hasMatch();
}
