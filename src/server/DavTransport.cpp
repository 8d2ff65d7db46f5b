#include "server/DavTransport.h"

#include "platform/FileName.h"
#include "server/DavListing.h"

#include <QAuthenticator>
#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSslConfiguration>
#include <QTimer>

namespace {

// A reply's failure that is the connection's, not an HTTP status.
bool connectionFailed(QNetworkReply::NetworkError e)
{
    return e != QNetworkReply::NoError && !(e >= QNetworkReply::ContentAccessDenied && e < 300)
           && !(e >= QNetworkReply::InternalServerError && e < 500);
}

constexpr qint64 kMaxAnswerBytes = 1024 * 1024; // what a write, move or removal answers

} // namespace

DavTransport::DavTransport(const ServerAddress &address, TransportOptions options)
    : m_address(address), m_options(std::move(options))
{
}

DavTransport::~DavTransport()
{
    close();
    m_password.fill(0);
}

void DavTransport::close()
{
    m_manager.reset();
}

bool DavTransport::connected() const
{
    return m_manager && !m_lost;
}

QUrl DavTransport::urlOf(const QString &path, bool folder) const
{
    QByteArray encoded;
    for (const QString &name : path.split(u'/', Qt::SkipEmptyParts))
        encoded += '/' + FileName::encode(name).toPercentEncoding();
    if (folder || encoded.isEmpty())
        encoded += '/';
    QUrl url;
    url.setScheme(m_address.scheme == ServerAddress::Http ? QStringLiteral("http") : QStringLiteral("https"));
    url.setHost(m_address.host);
    if (m_address.port > 0)
        url.setPort(m_address.port);
    url.setPath(QString::fromLatin1(encoded), QUrl::StrictMode);
    return url;
}

bool DavTransport::open()
{
    close();
    m_error.clear();
    if (m_loginRefused) { // a refused password is asked for again
        m_password.fill(0);
        m_password.clear();
        m_asked = false;
    }
    m_hostKeyRefused = m_loginRefused = m_lost = m_answered = false;
    m_loginProblem.clear();
    m_authorities.clear();
    if (m_address.scheme == ServerAddress::Https) {
        QList<QSslCertificate> extra;
        const QString bundle = qEnvironmentVariable("SSL_CERT_FILE"); // as OpenSSL's own tools read it
        if (!bundle.isEmpty())
            extra += QSslCertificate::fromPath(bundle, QSsl::Pem);
        if (!m_options.extraCertificates.isEmpty()) {
            const QList<QSslCertificate> given =
                QSslCertificate::fromPath(m_options.extraCertificates, QSsl::Pem);
            if (given.isEmpty()) {
                m_error = QCoreApplication::translate("DavTransport",
                                                      "The certificates of \"%1\" could not be read.")
                              .arg(FileName::shown(m_options.extraCertificates));
                return false;
            }
            extra += given;
        }
        if (!extra.isEmpty())
            m_authorities = QSslConfiguration::systemCaCertificates() + extra;
    }
    m_manager = std::make_unique<QNetworkAccessManager>();
    QObject::connect(m_manager.get(), &QNetworkAccessManager::authenticationRequired, m_manager.get(),
                     [this](QNetworkReply *reply, QAuthenticator *a) { authenticate(reply, a); });
    bool folder = true;
    const Answer answer = propfind(m_address.folder, false, &folder);
    if (answer.status == 207 || answer.status == 404)
        return true;
    if (answer.timedOut && !m_answered)
        m_error =
            QCoreApplication::translate("DavTransport", "%1 did not answer for %2 seconds while connecting.")
                .arg(m_address.hostText())
                .arg(answer.seconds);
    else if (answer.status == 0 && answer.certificate.isEmpty() && !answer.timedOut)
        m_error =
            QCoreApplication::translate("DavTransport", "Could not connect to %1 (within %2 seconds): %3")
                .arg(m_address.hostText())
                .arg(m_options.connectSeconds)
                .arg(answer.network);
    else if (answer.status == 200 || answer.status == 405 || answer.status == 501)
        m_error =
            QCoreApplication::translate("DavTransport", "%1 offers no WebDAV at \"%2\" (it answered %3 %4).")
                .arg(m_address.hostText(), FileName::shown(m_address.folder))
                .arg(answer.status)
                .arg(answer.reason);
    else
        failed(QCoreApplication::translate("DavTransport", "opening the folder"), m_address.folder, answer);
    m_manager.reset();
    return false;
}

void DavTransport::authenticate(QNetworkReply *, QAuthenticator *authenticator)
{
    // Left empty, the authenticator lets the request end with 401.
    if (m_address.scheme != ServerAddress::Https) {
        m_loginProblem = QCoreApplication::translate(
                             "DavTransport",
                             "%1 asks for a password, which is never sent over plain http:// (anyone on the "
                             "way could read it): give an https:// address.")
                             .arg(m_address.hostText());
        return;
    }
    if (m_address.user.isEmpty()) {
        m_loginProblem =
            QCoreApplication::translate(
                "DavTransport", "%1 asks for a login: give the user in the address (https://user@%1/...).")
                .arg(m_address.hostText());
        return;
    }
    if (m_asked) { // the server asks again: the password was refused
        m_loginProblem =
            QCoreApplication::translate("DavTransport", "%1 did not accept the password of \"%2\".")
                .arg(m_address.hostText(), m_address.user);
        return;
    }
    m_asked = true;
    if (m_timer)
        m_timer->stop(); // the user's typing is not the server's wait
    if (m_options.password)
        m_password = m_options.password();
    if (m_timer)
        m_timer->start();
    if (m_password.isEmpty()) {
        m_loginProblem = QCoreApplication::translate(
                             "DavTransport", "%1 asks for the password of \"%2\", and none was given.")
                             .arg(m_address.hostText(), m_address.user);
        return;
    }
    authenticator->setUser(m_address.user);
    authenticator->setPassword(QString::fromUtf8(m_password));
}

DavTransport::Answer DavTransport::send(const QByteArray &verb, const QString &path, bool folder,
                                        const QByteArray *body, const Headers &headers, qint64 maxBytes)
{
    Answer a;
    if (!m_manager) {
        a.network = QCoreApplication::translate("DavTransport", "not connected");
        return a;
    }
    QNetworkRequest request(urlOf(path, folder));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    if (!m_authorities.isEmpty()) {
        QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
        ssl.setCaCertificates(m_authorities);
        request.setSslConfiguration(ssl);
    }
    for (const auto &[name, value] : headers)
        request.setRawHeader(name, value);
    const std::unique_ptr<QNetworkReply> reply(body ? m_manager->sendCustomRequest(request, verb, *body)
                                                    : m_manager->sendCustomRequest(request, verb));
    QTimer timer;
    timer.setSingleShot(true);
    const auto bound = [&](int seconds) {
        if (a.timedOut || a.tooLarge)
            return; // aborting makes progress of its own
        a.seconds = seconds;
        timer.start(std::chrono::seconds(seconds));
    };
    QEventLoop loop;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        a.timedOut = true;
        reply->abort();
    });
    // Connecting (and TLS) bound by the connection's seconds, then the stall's.
    bool sent = m_answered;
    QObject::connect(reply.get(), &QNetworkReply::requestSent, &loop, [&] {
        sent = true;
        bound(m_options.stallSeconds);
    });
    QObject::connect(reply.get(), &QNetworkReply::uploadProgress, &loop, [&] {
        if (sent)
            bound(m_options.stallSeconds);
    });
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, &loop,
                     [&](qint64 received, qint64 total) {
                         if (received > maxBytes || total > maxBytes) {
                             a.tooLarge = true;
                             reply->abort();
                         } else {
                             bound(m_options.stallSeconds);
                         }
                     });
    QObject::connect(reply.get(), &QNetworkReply::sslErrors, &loop, [&](const QList<QSslError> &errors) {
        for (const QSslError &e : errors)
            a.certificate << e.errorString();
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    bound(m_answered ? m_options.stallSeconds : m_options.connectSeconds);
    m_timer = &timer;
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    m_timer = nullptr;
    a.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    a.reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    if (a.timedOut || a.tooLarge || connectionFailed(reply->error()) || !a.certificate.isEmpty()) {
        a.status = 0;
        a.network = reply->errorString();
    } else {
        a.body = reply->readAll();
        m_answered = true;
    }
    return a;
}

DavTransport::Answer DavTransport::propfind(const QString &path, bool children, bool *folder)
{
    static const QByteArray body = DavListing::request();
    const Headers headers{{"Depth", children ? "1" : "0"},
                          {"Content-Type", "application/xml; charset=utf-8"}};
    Answer a = send("PROPFIND", path, *folder, &body, headers, kMaxListingBytes);
    // A folder named without its '/' may be answered with a redirection to it.
    if (!*folder && (a.status == 301 || a.status == 308)) {
        *folder = true;
        a = send("PROPFIND", path, true, &body, headers, kMaxListingBytes);
    }
    return a;
}

bool DavTransport::failed(const QString &action, const QString &path, const Answer &a)
{
    if (!a.certificate.isEmpty()) {
        m_lost = true;
        m_error =
            QCoreApplication::translate(
                "DavTransport", "The certificate of %1 is not trusted, so the connection is refused: %2.")
                .arg(m_address.hostText(), a.certificate.join(QStringLiteral("; ")));
        return false;
    }
    if (a.status == 401) {
        m_loginRefused = true;
        m_error = !m_loginProblem.isEmpty()
                      ? m_loginProblem
                      : QCoreApplication::translate("DavTransport", "%1 did not accept the login of \"%2\".")
                            .arg(m_address.hostText(), m_address.user);
        return false;
    }
    QString reason;
    switch (a.timedOut ? -2 : a.tooLarge ? -3 : a.status) {
    case -2:
        m_lost = true;
        reason = QCoreApplication::translate("DavTransport", "the server did not answer for %1 seconds")
                     .arg(a.seconds);
        break;
    case -3:
        reason = QCoreApplication::translate("DavTransport", "its answer is larger than %1 bytes")
                     .arg(kMaxListingBytes);
        break;
    case 0:
        m_lost = true;
        reason = QCoreApplication::translate("DavTransport", "the connection was lost (%1)").arg(a.network);
        break;
    case 403:
        reason = QCoreApplication::translate("DavTransport", "permission denied");
        break;
    case 404:
    case 410:
        reason = QCoreApplication::translate("DavTransport", "it does not exist");
        break;
    case 409:
        reason = QCoreApplication::translate("DavTransport", "its folder does not exist");
        break;
    case 405:
    case 412:
        reason = QCoreApplication::translate("DavTransport", "a file of that name exists");
        break;
    case 423:
        reason = QCoreApplication::translate("DavTransport", "it is locked");
        break;
    case 507:
        reason = QCoreApplication::translate("DavTransport", "the server's disk is full");
        break;
    default:
        reason = QCoreApplication::translate("DavTransport", "the server answered %1 %2")
                     .arg(a.status)
                     .arg(a.reason);
        break;
    }
    return refuse(action, path, reason);
}

bool DavTransport::refuse(const QString &action, const QString &path, const QString &reason)
{
    m_error = QCoreApplication::translate("DavTransport", "%1: %2 \"%3\" failed: %4.")
                  .arg(m_address.hostText(), action, FileName::shown(path), reason);
    return false;
}

bool DavTransport::list(const QString &folder, QList<ServerEntry> *entries, bool *missing)
{
    entries->clear();
    *missing = false;
    bool isFolder = true;
    const Answer a = propfind(folder, true, &isFolder);
    if (a.status == 404) {
        *missing = true;
        return true;
    }
    if (a.status != 207)
        return failed(QCoreApplication::translate("DavTransport", "listing the folder"), folder, a);
    const DavListing listing = DavListing::parse(a.body, folder.split(u'/', Qt::SkipEmptyParts), kMaxEntries);
    if (!listing.problem.isEmpty() || (listing.selfFound && !listing.self.folder)) {
        return refuse(QCoreApplication::translate("DavTransport", "listing the folder"), folder,
                      listing.problem.isEmpty()
                          ? QCoreApplication::translate("DavTransport", "it is not a folder")
                          : listing.problem);
    }
    *entries = listing.children;
    return true;
}

bool DavTransport::stat(const QString &path, ServerEntry *entry, bool *missing)
{
    *missing = false;
    bool folder = false;
    const Answer a = propfind(path, false, &folder);
    if (a.status == 404) {
        *missing = true;
        return true;
    }
    if (a.status != 207)
        return failed(QCoreApplication::translate("DavTransport", "looking at"), path, a);
    const DavListing listing = DavListing::parse(a.body, path.split(u'/', Qt::SkipEmptyParts), 0);
    if (!listing.selfFound) {
        return refuse(QCoreApplication::translate("DavTransport", "looking at"), path,
                      listing.problem.isEmpty() ? QCoreApplication::translate(
                          "DavTransport", "the server's answer does not describe it")
                                                : listing.problem);
    }
    *entry = listing.self;
    return true;
}

bool DavTransport::read(const QString &path, qint64 maxBytes, QByteArray *bytes)
{
    bytes->clear();
    const Answer a = send("GET", path, false, nullptr, {}, maxBytes);
    if (a.tooLarge) {
        m_error =
            QCoreApplication::translate("DavTransport", "%1: \"%2\" is larger than %3 bytes; it is not read.")
                .arg(m_address.hostText(), FileName::shown(path))
                .arg(maxBytes);
        return false;
    }
    if (a.status != 200)
        return failed(QCoreApplication::translate("DavTransport", "reading"), path, a);
    *bytes = a.body;
    return true;
}

bool DavTransport::write(const QString &path, const QByteArray &bytes, quint32)
{
    // WebDAV has no permission bits: the server gives a new file its own.
    const Answer a =
        send("PUT", path, false, &bytes, {{"Content-Type", "application/octet-stream"}}, kMaxAnswerBytes);
    if (a.status == 200 || a.status == 201 || a.status == 204)
        return true;
    return failed(QCoreApplication::translate("DavTransport", "writing"), path, a);
}

bool DavTransport::rename(const QString &from, const QString &to)
{
    const Answer a =
        send("MOVE", from, false, nullptr,
             {{"Destination", urlOf(to, false).toEncoded()}, {"Overwrite", "T"}}, kMaxAnswerBytes);
    if (a.status == 201 || a.status == 204)
        return true;
    return failed(QCoreApplication::translate("DavTransport", "renaming to \"%1\"").arg(FileName::shown(to)),
                  from, a);
}

bool DavTransport::remove(const QString &path)
{
    const Answer a = send("DELETE", path, false, nullptr, {}, kMaxAnswerBytes);
    if (a.status == 200 || a.status == 204)
        return true;
    return failed(QCoreApplication::translate("DavTransport", "removing"), path, a);
}

bool DavTransport::makeFolder(const QString &path)
{
    const Answer a = send("MKCOL", path, true, nullptr, {}, kMaxAnswerBytes);
    if (a.status == 201)
        return true;
    return failed(QCoreApplication::translate("DavTransport", "making the folder"), path, a);
}
