#include "server/ServerAddress.h"

#include <QCoreApplication>
#include <QUrl>

bool ServerAddress::parse(const QString &text, ServerAddress *out, QString *problem)
{
    const QString trimmed = text.trimmed();
    const QUrl url(trimmed, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (trimmed.isEmpty() || !url.isValid() || scheme.isEmpty()) {
        *problem = QCoreApplication::translate(
            "ServerAddress", "is not an address such as \"sftp://user@host/var/www/site\" or "
                             "\"https://host/dav/site/\".");
        return false;
    }
    if (scheme == u"ftp" || scheme == u"ftps") {
        *problem = QCoreApplication::translate(
            "ServerAddress",
            "uses FTP, which is not supported: give an sftp:// or https:// (WebDAV) address.");
        return false;
    }
    ServerAddress a;
    if (scheme == u"sftp")
        a.scheme = Sftp;
    else if (scheme == u"https")
        a.scheme = Https;
    else if (scheme == u"http")
        a.scheme = Http;
    else {
        *problem =
            QCoreApplication::translate(
                "ServerAddress", "has the scheme \"%1\": give an sftp:// or https:// (WebDAV) address.")
                .arg(scheme);
        return false;
    }
    // "user:@host" has an empty password, which QUrl does not report.
    const QString authority = trimmed.section(QLatin1StringView("://"), 1).section(u'/', 0, 0);
    if (!url.password().isEmpty() || authority.section(u'@', 0, -2).contains(u':')) {
        *problem = QCoreApplication::translate(
            "ServerAddress", "holds a password (user:password@), which is never kept or given in an address: "
                             "remove it; the password is asked for when it is needed.");
        return false;
    }
    if (url.host().isEmpty()) {
        *problem = QCoreApplication::translate("ServerAddress", "names no server (the host after \"//\").");
        return false;
    }
    if (url.hasQuery() || url.hasFragment()) {
        *problem =
            QCoreApplication::translate("ServerAddress", "must not hold a query (?) or a fragment (#).");
        return false;
    }
    a.user = url.userName();
    a.host = url.host();
    a.port = url.port(0);
    QString folder = url.path();
    const QStringList names = folder.split(u'/', Qt::SkipEmptyParts);
    for (const QString &name : names) {
        if (name == u"." || name == u"..") {
            *problem =
                QCoreApplication::translate("ServerAddress", "must not hold \".\" or \"..\" in its folder.");
            return false;
        }
    }
    a.folder = u'/' + names.join(u'/');
    *out = a;
    return true;
}

int ServerAddress::effectivePort() const
{
    if (port > 0)
        return port;
    return scheme == Sftp ? 22 : scheme == Https ? 443 : 80;
}

QString ServerAddress::hostText() const
{
    return port > 0 ? QStringLiteral("%1:%2").arg(host).arg(port) : host;
}

QString ServerAddress::text() const
{
    const char *names[] = {"sftp", "https", "http"};
    QString out = QString::fromLatin1(names[scheme]) + QStringLiteral("://");
    if (!user.isEmpty())
        out += user + u'@';
    return out + hostText() + folder;
}
