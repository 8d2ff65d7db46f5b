#include "server/ui/ServerKeyring.h"

#include <QEventLoop>

#include <qt6keychain/keychain.h>

namespace {

bool g_noKeyring = false;

// Runs a job to its end and tells its outcome; a keyring that is not there
// (no Secret Service on the session bus, or no session bus) ends every later call.
QKeychain::Error run(QKeychain::Job &job)
{
    job.setAutoDelete(false);
    job.setInsecureFallback(false); // never a password in a plain file
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    const QKeychain::Error error = job.error();
    if (error != QKeychain::NoError && error != QKeychain::EntryNotFound
        && error != QKeychain::AccessDeniedByUser)
        g_noKeyring = true;
    return error;
}

} // namespace

namespace ServerKeyring {

bool available()
{
    return !g_noKeyring;
}

void retry()
{
    g_noKeyring = false;
}

Outcome read(const QString &key, QByteArray *password)
{
    if (g_noKeyring)
        return NoKeyring;
    QKeychain::ReadPasswordJob job(kService);
    job.setKey(key);
    switch (run(job)) {
    case QKeychain::NoError:
        *password = job.binaryData();
        return password->isEmpty() ? NotFound : Found;
    case QKeychain::EntryNotFound:
    case QKeychain::AccessDeniedByUser:
        return NotFound;
    default:
        return NoKeyring;
    }
}

bool write(const QString &key, const QByteArray &password)
{
    if (g_noKeyring)
        return false;
    QKeychain::WritePasswordJob job(kService);
    job.setKey(key);
    job.setBinaryData(password);
    return run(job) == QKeychain::NoError;
}

void remove(const QString &key)
{
    if (g_noKeyring)
        return;
    QKeychain::DeletePasswordJob job(kService);
    job.setKey(key);
    run(job);
}

} // namespace ServerKeyring
