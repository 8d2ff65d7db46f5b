#include "server/SftpTransport.h"

#include "platform/FileName.h"
#include "server/ServerPath.h"

#include <QCoreApplication>

#include <libssh/callbacks.h>
#include <libssh/libssh.h>
#include <libssh/sftp.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>

#include <memory>

namespace {

QByteArray encoded(const QString &path)
{
    return FileName::encode(path);
}

struct AttributesFree {
    void operator()(sftp_attributes a) const { sftp_attributes_free(a); }
};
using Attributes = std::unique_ptr<sftp_attributes_struct, AttributesFree>;

ServerEntry entryOf(sftp_attributes a, const QString &name)
{
    ServerEntry e;
    e.name = name;
    e.folder = a->type == SSH_FILEXFER_TYPE_DIRECTORY;
    e.regular = a->type == SSH_FILEXFER_TYPE_REGULAR;
    e.size = qint64(a->size);
    e.mtime = qint64(a->mtime);
    e.permissions = a->permissions & 07777;
    return e;
}

// Whether `path` is a transfer's temporary; `target` is then the path of
// the file it stands for, as messages name it.
bool temporaryOf(const QString &path, QString *target, bool *old = nullptr)
{
    QString name;
    bool isOld = false;
    if (!ServerPath::isTemporary(path.section(u'/', -1), &name, &isOld))
        return false;
    *target = ServerPath::under(ServerPath::folderOf(path), name);
    if (old)
        *old = isOld;
    return true;
}

} // namespace

SftpTransport::SftpTransport(const ServerAddress &address, Options options)
    : m_address(address), m_options(std::move(options)), m_watch([this] {
          if (const int socket = m_socket; socket >= 0)
              ::shutdown(socket, SHUT_RDWR);
      }),
      m_callbacks(std::make_unique<ssh_callbacks_struct>())
{
    ssh_callbacks_init(m_callbacks.get());
    m_callbacks->userdata = this;
    m_callbacks->auth_function = &askPassphrase;
}

SftpTransport::~SftpTransport()
{
    close();
}

void SftpTransport::close()
{
    if (m_sftp)
        sftp_free(m_sftp);
    m_sftp = nullptr;
    m_lost = false;
    m_umask = -1;
    m_socket = -1;
    if (m_ssh) {
        if (ssh_is_connected(m_ssh))
            ssh_disconnect(m_ssh);
        ssh_free(m_ssh);
    }
    m_ssh = nullptr;
}

bool SftpTransport::connected() const
{
    return m_sftp && m_ssh && !m_lost && ssh_is_connected(m_ssh);
}

bool SftpTransport::open()
{
    close();
    m_error.clear();
    m_hostKeyRefused = m_hostKeyUnknown = m_loginRefused = false;
    m_ssh = ssh_new();
    if (!m_ssh) {
        m_error = QCoreApplication::translate("SftpTransport", "%1: could not start an SSH session.")
                      .arg(m_address.text());
        return false;
    }
    const QByteArray host = m_address.host.toUtf8();
    const int port = m_address.effectivePort();
    long seconds = m_options.connectSeconds;
    ssh_options_set(m_ssh, SSH_OPTIONS_HOST, host.constData());
    ssh_options_set(m_ssh, SSH_OPTIONS_PORT, &port);
    ssh_options_set(m_ssh, SSH_OPTIONS_TIMEOUT, &seconds);
    if (!m_address.user.isEmpty())
        ssh_options_set(m_ssh, SSH_OPTIONS_USER, m_address.user.toUtf8().constData());
    if (!m_options.sshDir.isEmpty())
        ssh_options_set(m_ssh, SSH_OPTIONS_SSH_DIR, encoded(m_options.sshDir).constData());
    if (!m_options.sshDir.isEmpty() || !m_options.sshConfig.isEmpty()) {
        // The account's own configuration would name its own known_hosts and keys.
        bool no = false;
        ssh_options_set(m_ssh, SSH_OPTIONS_PROCESS_CONFIG, &no);
    }
    // After the host is set: its Host sections apply.
    const bool configured = m_options.sshConfig.isEmpty()
                            || ssh_options_parse_config(m_ssh, encoded(m_options.sshConfig).constData()) == 0;
    if (!configured || ssh_connect(m_ssh) != SSH_OK) {
        m_error =
            QCoreApplication::translate("SftpTransport", "Could not connect to %1 (within %2 seconds): %3")
                .arg(m_address.hostText())
                .arg(m_options.connectSeconds)
                .arg(QString::fromUtf8(ssh_get_error(m_ssh)));
        return false;
    }
    m_socket = ssh_get_fd(m_ssh);
    m_watch.reset();
    const StallWatch::Guard guard(m_watch, m_options.connectSeconds);
    const bool in = checkHostKey() && logIn();
    if (m_watch.fired()) {
        m_error =
            QCoreApplication::translate("SftpTransport", "%1 did not answer for %2 seconds while logging in.")
                .arg(m_address.hostText())
                .arg(m_options.connectSeconds);
        return false;
    }
    if (!in)
        return false;
    seconds = m_options.stallSeconds;
    ssh_options_set(m_ssh, SSH_OPTIONS_TIMEOUT, &seconds);
    m_sftp = sftp_new(m_ssh);
    if (!m_sftp || sftp_init(m_sftp) != SSH_OK || m_watch.fired()) {
        m_error = QCoreApplication::translate("SftpTransport", "%1 logged in but offers no SFTP: %2")
                      .arg(m_address.hostText(), QString::fromUtf8(ssh_get_error(m_ssh)));
        return false;
    }
    return true;
}

bool SftpTransport::checkHostKey()
{
    ssh_key key = nullptr;
    unsigned char *hash = nullptr;
    size_t length = 0;
    if (ssh_get_server_publickey(m_ssh, &key) != SSH_OK
        || ssh_get_publickey_hash(key, SSH_PUBLICKEY_HASH_SHA256, &hash, &length) != 0) {
        ssh_key_free(key);
        m_error = QCoreApplication::translate("SftpTransport", "%1 sent no usable host key.")
                      .arg(m_address.hostText());
        m_hostKeyRefused = true;
        return false;
    }
    char *text = ssh_get_fingerprint_hash(SSH_PUBLICKEY_HASH_SHA256, hash, length);
    m_fingerprint = QString::fromLatin1(text);
    ssh_string_free_char(text);
    ssh_clean_pubkey_hash(&hash);
    ssh_key_free(key);

    switch (ssh_session_is_known_server(m_ssh)) {
    case SSH_KNOWN_HOSTS_OK:
        return true;
    case SSH_KNOWN_HOSTS_CHANGED:
    case SSH_KNOWN_HOSTS_OTHER:
        m_error = QCoreApplication::translate(
                      "SftpTransport",
                      "WARNING: the host key of %1 has changed; its fingerprint is now %2. This may be an "
                      "attack (someone between you and the server), so the connection is refused. If the "
                      "server's key was changed on purpose, remove its old entry from known_hosts.")
                      .arg(m_address.hostText(), m_fingerprint);
        break;
    case SSH_KNOWN_HOSTS_UNKNOWN:
    case SSH_KNOWN_HOSTS_NOT_FOUND:
        if (!m_options.acceptHostKey.isEmpty() && m_options.acceptHostKey == m_fingerprint) {
            if (m_options.rememberHostKey && ssh_session_update_known_hosts(m_ssh) != SSH_OK) {
                m_error = QCoreApplication::translate(
                              "SftpTransport", "The host key of %1 could not be added to known_hosts: %2")
                              .arg(m_address.hostText(), QString::fromUtf8(ssh_get_error(m_ssh)));
                break;
            }
            return true;
        }
        m_hostKeyUnknown = true;
        m_error = m_options.acceptHostKey.isEmpty()
                      ? QCoreApplication::translate("SftpTransport",
                                                    "The host key of %1 is not known; its fingerprint is %2.")
                            .arg(m_address.hostText(), m_fingerprint)
                      : QCoreApplication::translate(
                            "SftpTransport",
                            "The host key of %1 is not known, and its fingerprint %2 is not the one given "
                            "to accept (%3).")
                            .arg(m_address.hostText(), m_fingerprint, m_options.acceptHostKey);
        break;
    case SSH_KNOWN_HOSTS_ERROR:
        m_error = QCoreApplication::translate("SftpTransport", "The known hosts of %1 could not be read: %2")
                      .arg(m_address.hostText(), QString::fromUtf8(ssh_get_error(m_ssh)));
        break;
    }
    m_hostKeyRefused = true;
    return false;
}

int SftpTransport::askPassphrase(const char *, char *buffer, size_t length, int, int, void *data)
{
    SftpTransport *self = static_cast<SftpTransport *>(data);
    char *current = nullptr;
    if (!self->m_options.passphrase
        || ssh_userauth_publickey_auto_get_current_identity(self->m_ssh, &current) != SSH_OK)
        return -1;
    const QByteArray path(current);
    ssh_string_free_char(current);
    const QString file = FileName::decode(path);
    if (self->m_askedKeys.contains(file)) // each key once
        return -1;
    self->m_askedKeys << file;
    // The user may take longer than the server's bound to answer.
    self->m_watch.disarm();
    QByteArray answer = self->m_options.passphrase(file);
    self->m_watch.arm(self->m_options.connectSeconds);
    if (answer.isEmpty())
        return -1;
    // libssh fails alike on a wrong passphrase and on any other fault: the
    // key is opened here first to tell them apart.
    ssh_key key = nullptr;
    const bool opens =
        ssh_pki_import_privkey_file(path.constData(), answer.constData(), nullptr, nullptr, &key) == SSH_OK;
    ssh_key_free(key);
    const bool fits = opens && size_t(answer.size()) < length;
    if (fits)
        std::memcpy(buffer, answer.constData(), size_t(answer.size()) + 1);
    answer.fill('\0');
    self->m_passphraseRefused = self->m_passphraseRefused || !fits;
    return fits ? 0 : -1;
}

bool SftpTransport::logIn()
{
    // Asks the server which methods it takes; failing here, the connection failed.
    const int none = ssh_userauth_none(m_ssh, nullptr);
    if (none == SSH_AUTH_SUCCESS)
        return true;
    if (none == SSH_AUTH_ERROR) {
        m_error = QCoreApplication::translate("SftpTransport", "Logging in to %1 failed: %2")
                      .arg(m_address.hostText(), QString::fromUtf8(ssh_get_error(m_ssh)));
        return false;
    }
    // libssh walks the keys as OpenSSH does: the agent, then each key file
    // of its list (the configuration's IdentityFile entries, then the
    // defaults), offering the public half before the passphrase is asked for.
    m_askedKeys.clear();
    m_passphraseRefused = false;
    ssh_set_callbacks(m_ssh, m_callbacks.get());
    if (ssh_userauth_publickey_auto(m_ssh, nullptr, nullptr) == SSH_AUTH_SUCCESS)
        return true;
    if (!ssh_is_connected(m_ssh)) {
        m_error = QCoreApplication::translate("SftpTransport", "Logging in to %1 failed: %2")
                      .arg(m_address.hostText(), QString::fromUtf8(ssh_get_error(m_ssh)));
        return false;
    }
    bool passwordRefused = false;
    if (m_options.password && (ssh_userauth_list(m_ssh, nullptr) & SSH_AUTH_METHOD_PASSWORD)) {
        m_watch.disarm();
        QByteArray password = m_options.password();
        m_watch.arm(m_options.connectSeconds);
        if (!password.isEmpty()) {
            const int rc = ssh_userauth_password(m_ssh, nullptr, password.constData());
            password.fill('\0');
            if (rc == SSH_AUTH_SUCCESS)
                return true;
            passwordRefused = true;
        }
    }
    m_loginRefused = true;
    const QString user = m_address.user.isEmpty()
                             ? QCoreApplication::translate("SftpTransport", "this account")
                             : m_address.user;
    m_error = passwordRefused
                  ? QCoreApplication::translate("SftpTransport",
                                                "%1 did not accept the password of \"%2\" (nor any key).")
                        .arg(m_address.hostText(), user)
                  : QCoreApplication::translate(
                        "SftpTransport",
                        "%1 did not accept the login of \"%2\" (neither a key nor a password was accepted).")
                        .arg(m_address.hostText(), user);
    if (m_passphraseRefused)
        m_error += u' '
                   + QCoreApplication::translate(
                       "SftpTransport", "A key's passphrase was not right, so that key was not used.");
    return false;
}

bool SftpTransport::fileMissing() const
{
    return connected() && sftp_get_error(m_sftp) == SSH_FX_NO_SUCH_FILE;
}

bool SftpTransport::failed(const QString &action, const QString &path, const QString &failure)
{
    // The socket closed, or the session failed (a timeout): it is over.
    const int sftpError = m_sftp ? sftp_get_error(m_sftp) : -1;
    if (!m_ssh || m_watch.fired() || !ssh_is_connected(m_ssh)
        || (ssh_get_status(m_ssh) & (SSH_CLOSED | SSH_CLOSED_ERROR)) || sftpError == SSH_FX_CONNECTION_LOST
        || sftpError == SSH_FX_NO_CONNECTION)
        m_lost = true;
    QString reason;
    switch (m_watch.fired() ? -2 : m_lost ? SSH_FX_CONNECTION_LOST : sftpError) {
    case -2:
        reason = QCoreApplication::translate("SftpTransport", "the server did not answer for %1 seconds")
                     .arg(m_options.stallSeconds);
        break;
    case SSH_FX_NO_SUCH_FILE:
        reason = QCoreApplication::translate("SftpTransport", "it does not exist");
        break;
    case SSH_FX_PERMISSION_DENIED:
        reason = QCoreApplication::translate("SftpTransport", "permission denied");
        break;
    case SSH_FX_FILE_ALREADY_EXISTS:
        reason = QCoreApplication::translate("SftpTransport", "a file of that name exists");
        break;
    case SSH_FX_NO_CONNECTION:
    case SSH_FX_CONNECTION_LOST:
        reason = QCoreApplication::translate("SftpTransport", "the connection was lost (%1)")
                     .arg(QString::fromUtf8(m_ssh ? ssh_get_error(m_ssh) : "not connected"));
        break;
    case SSH_FX_FAILURE:
        // OpenSSH's server reports a full disk as a plain failure.
        if (!failure.isEmpty()) {
            reason = failure;
            break;
        }
        [[fallthrough]];
    default:
        reason = QString::fromUtf8(ssh_get_error(m_ssh));
        if (reason.isEmpty())
            reason = QCoreApplication::translate("SftpTransport", "the server refused");
        break;
    }
    m_error = QCoreApplication::translate("SftpTransport", "%1: %2 \"%3\" failed: %4.")
                  .arg(m_address.hostText(), action, FileName::shown(path), reason);
    return false;
}

bool SftpTransport::list(const QString &folder, QList<ServerEntry> *entries, bool *missing)
{
    const StallWatch::Guard guard(m_watch, m_options.stallSeconds);
    entries->clear();
    *missing = false;
    sftp_dir dir = m_sftp ? sftp_opendir(m_sftp, encoded(folder).constData()) : nullptr;
    if (!dir) {
        if (fileMissing()) {
            *missing = true;
            return true;
        }
        return failed(QCoreApplication::translate("SftpTransport", "listing the folder"), folder);
    }
    bool ok = true;
    while (sftp_attributes a = sftp_readdir(m_sftp, dir)) {
        const Attributes held(a);
        const QString name = FileName::decode(QByteArray(a->name));
        if (name == u"." || name == u"..")
            continue;
        if (entries->size() >= kMaxEntries) {
            m_error =
                QCoreApplication::translate(
                    "SftpTransport", "%1: the folder \"%2\" lists more than %3 entries; it is not read.")
                    .arg(m_address.hostText(), FileName::shown(folder))
                    .arg(kMaxEntries);
            ok = false;
            break;
        }
        entries->append(entryOf(a, name));
    }
    if (ok && !sftp_dir_eof(dir))
        ok = failed(QCoreApplication::translate("SftpTransport", "listing the folder"), folder);
    sftp_closedir(dir);
    return ok;
}

bool SftpTransport::stat(const QString &path, ServerEntry *entry, bool *missing)
{
    const StallWatch::Guard guard(m_watch, m_options.stallSeconds);
    *missing = false;
    const Attributes a(m_sftp ? sftp_lstat(m_sftp, encoded(path).constData()) : nullptr);
    if (!a) {
        if (fileMissing()) {
            *missing = true;
            return true;
        }
        return failed(QCoreApplication::translate("SftpTransport", "looking at"), path);
    }
    *entry = entryOf(a.get(), path.section(u'/', -1));
    return true;
}

bool SftpTransport::read(const QString &path, qint64 maxBytes, QByteArray *bytes)
{
    const StallWatch::Guard guard(m_watch, m_options.stallSeconds);
    bytes->clear();
    sftp_file file = m_sftp ? sftp_open(m_sftp, encoded(path).constData(), O_RDONLY, 0) : nullptr;
    if (!file)
        return failed(QCoreApplication::translate("SftpTransport", "reading"), path);
    char buffer[32768];
    bool ok = true;
    for (;;) {
        m_watch.arm(m_options.stallSeconds); // a bound on each chunk, not on the whole file
        const ssize_t n = sftp_read(file, buffer, sizeof buffer);
        if (n < 0) {
            ok = failed(QCoreApplication::translate("SftpTransport", "reading"), path);
            break;
        }
        if (n == 0)
            break;
        if (bytes->size() + n > maxBytes) {
            m_error = QCoreApplication::translate("SftpTransport",
                                                  "%1: \"%2\" is larger than %3 bytes; it is not read.")
                          .arg(m_address.hostText(), FileName::shown(path))
                          .arg(maxBytes);
            ok = false;
            break;
        }
        bytes->append(buffer, n);
    }
    sftp_close(file);
    return ok;
}

bool SftpTransport::write(const QString &path, const QByteArray &bytes, quint32 permissions)
{
    const StallWatch::Guard guard(m_watch, m_options.stallSeconds);
    const QByteArray name = encoded(path);
    QString shown = path;
    const QString action = temporaryOf(path, &shown)
                               ? QCoreApplication::translate("SftpTransport", "writing the new copy of")
                               : QCoreApplication::translate("SftpTransport", "writing");
    const QString full = QCoreApplication::translate(
        "SftpTransport", "the server could not store it; its disk may be full, or a quota reached");
    // A file made anew has the permissions asked for less the server's
    // umask, learnt from the first one: a chmod is needed only where that
    // takes bits away, or where a file of that name stood already.
    sftp_file file =
        m_sftp ? sftp_open(m_sftp, name.constData(), O_WRONLY | O_CREAT | O_EXCL, mode_t(permissions))
               : nullptr;
    const bool made = file != nullptr;
    if (!file && connected())
        file = sftp_open(m_sftp, name.constData(), O_WRONLY | O_CREAT | O_TRUNC, mode_t(permissions));
    if (!file)
        return failed(action, shown);
    constexpr qsizetype kChunk = 32768;
    for (qsizetype at = 0; at < bytes.size();) {
        m_watch.arm(m_options.stallSeconds);
        const ssize_t n = sftp_write(file, bytes.constData() + at, size_t(qMin(kChunk, bytes.size() - at)));
        if (n <= 0) {
            failed(action, shown, full);
            sftp_close(file);
            return false;
        }
        at += n;
    }
    if (made && m_umask < 0) {
        if (const Attributes a(sftp_fstat(file)); a)
            m_umask = int(permissions & ~a->permissions & 0777);
    }
    if (sftp_close(file) != SSH_NO_ERROR)
        return failed(action, shown, full);
    const bool asAsked =
        made && m_umask >= 0 && (permissions & ~0777u) == 0 && (permissions & quint32(m_umask)) == 0;
    if (!asAsked && sftp_chmod(m_sftp, name.constData(), mode_t(permissions)) != SSH_NO_ERROR)
        return failed(QCoreApplication::translate("SftpTransport", "setting the permissions of"), shown);
    return true;
}

bool SftpTransport::rename(const QString &from, const QString &to)
{
    const StallWatch::Guard guard(m_watch, m_options.stallSeconds);
    if (m_sftp && sftp_rename(m_sftp, encoded(from).constData(), encoded(to).constData()) == SSH_NO_ERROR)
        return true;
    // A transfer's own steps are named by the user's file.
    QString target;
    bool fromOld = false;
    bool toOld = false;
    const bool fromTemporary = temporaryOf(from, &target, &fromOld);
    if (fromTemporary)
        return failed(fromOld
                          ? QCoreApplication::translate("SftpTransport", "putting back the old copy of")
                          : QCoreApplication::translate("SftpTransport", "putting in place the new copy of"),
                      to);
    if (temporaryOf(to, &target, &toOld) && toOld)
        return failed(QCoreApplication::translate("SftpTransport", "setting aside the old copy of"), from);
    return failed(QCoreApplication::translate("SftpTransport", "renaming to \"%1\"").arg(FileName::shown(to)),
                  from);
}

bool SftpTransport::remove(const QString &path)
{
    const StallWatch::Guard guard(m_watch, m_options.stallSeconds);
    if (m_sftp && sftp_unlink(m_sftp, encoded(path).constData()) == SSH_NO_ERROR)
        return true;
    QString target;
    bool old = false;
    if (temporaryOf(path, &target, &old))
        return failed(old ? QCoreApplication::translate("SftpTransport", "removing the old copy of")
                          : QCoreApplication::translate("SftpTransport", "removing the new copy of"),
                      target);
    return failed(QCoreApplication::translate("SftpTransport", "removing"), path);
}

bool SftpTransport::makeFolder(const QString &path)
{
    const StallWatch::Guard guard(m_watch, m_options.stallSeconds);
    if (!m_sftp || sftp_mkdir(m_sftp, encoded(path).constData(), 0755) != SSH_NO_ERROR)
        return failed(QCoreApplication::translate("SftpTransport", "making the folder"), path);
    return true;
}
