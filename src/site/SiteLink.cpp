#include "site/SiteLink.h"

#include <QRegularExpression>
#include <QUrl>

namespace {

bool isUrlSpace(QChar c)
{
    return c.unicode() <= 0x20;
}

// Strips C0 controls and spaces at the ends and removes tabs and line breaks, as the URL parser does.
QString cleanedLink(const QString &link)
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

QString schemeOf(const QString &link)
{
    static const QRegularExpression scheme(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*):"));
    const QRegularExpressionMatch m = scheme.match(link);
    return m.hasMatch() ? m.captured(1).toLower() : QString();
}

QString decoded(const QString &text)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(text.toUtf8()));
}

} // namespace

SiteLink SiteLink::parse(const QString &raw)
{
    SiteLink link;
    QString text = cleanedLink(raw);
    link.scheme = schemeOf(text);
    if (link.scheme == QLatin1String("mailto")) {
        link.kind = Mail;
        const QString rest = text.mid(7);
        link.mailAddresses = rest.left(rest.indexOf(u'?'));
        return link;
    }
    if (!link.scheme.isEmpty()) {
        link.kind = link.scheme == QLatin1String("http") || link.scheme == QLatin1String("https") ? Web : Other;
        return link;
    }
    text.replace(u'\\', u'/');
    if (text.startsWith(QLatin1String("//"))) {
        link.kind = Web;
        return link;
    }
    const qsizetype hash = text.indexOf(u'#');
    if (hash >= 0) {
        link.fragment = text.mid(hash + 1);
        text.truncate(hash);
    }
    const qsizetype query = text.indexOf(u'?');
    if (query >= 0)
        text.truncate(query);
    if (text.isEmpty()) {
        link.kind = hash >= 0 ? Fragment : Empty;
        return link;
    }
    link.kind = Site;
    const QStringList parts = text.split(u'/');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString name = decoded(parts.at(i));
        const bool last = i == parts.size() - 1;
        if (name == QLatin1String("..")) {
            if (link.names.isEmpty())
                link.leavesSite = true;
            else
                link.names.removeLast();
            if (last)
                link.names.append(QString());
        } else if (name == QLatin1String(".") || name.isEmpty()) {
            if (last)
                link.names.append(QString());
        } else {
            link.names.append(name);
        }
    }
    return link;
}

QString SiteLink::forPath(const QString &relativePath)
{
    QString out;
    out.reserve(relativePath.size());
    for (const QChar c : relativePath) {
        const char16_t u = c.unicode();
        const bool escape = u <= 0x20 || u == 0x7F || QStringView(u"\"#%<>?[\\]^`{|}:'").contains(c);
        if (escape)
            out += QStringLiteral("%%1").arg(int(u), 2, 16, QChar(u'0')).toUpper();
        else
            out += c;
    }
    return out;
}

bool SiteLink::isMailAddress(const QString &address)
{
    static const QRegularExpression valid(QStringLiteral(
        "^[a-zA-Z0-9.!#$%&'*+/=?^_`{|}~-]+@[a-zA-Z0-9](?:[a-zA-Z0-9-]{0,61}[a-zA-Z0-9])?"
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
