#include "platform/FileName.h"

#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

constexpr char16_t kKeptByte = 0xDC00; // + the byte (0x80..0xFF)

// The length of the valid UTF-8 sequence at `at`, 0 when there is none
// (overlong forms, surrogates and values past U+10FFFF are not valid).
int sequenceAt(const QByteArray &bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return i < bytes.size() ? uchar(bytes.at(i)) : 0; };
    const uchar lead = byte(at);
    int length = 0;
    uchar low = 0x80, high = 0xBF; // the bounds of the second byte
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (int i = 2; i < length; ++i) {
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF)
            return 0;
    }
    return length;
}

bool isKeptByte(const QString &text, qsizetype i)
{
    const char16_t c = text.at(i).unicode();
    return c >= kKeptByte + 0x80 && c <= kKeptByte + 0xFF && (i == 0 || !text.at(i - 1).isHighSurrogate());
}

} // namespace

namespace FileName {

QString decode(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    qsizetype at = 0;
    while (at < bytes.size()) {
        const int length = sequenceAt(bytes, at);
        if (length == 0) {
            out += QChar(char16_t(kKeptByte + uchar(bytes.at(at))));
            ++at;
        } else {
            out += QString::fromUtf8(bytes.constData() + at, length);
            at += length;
        }
    }
    return out;
}

QByteArray encode(const QString &path)
{
    if (isPlain(path))
        return path.toUtf8();
    QByteArray out;
    qsizetype from = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (!isKeptByte(path, i))
            continue;
        out += QStringView(path).mid(from, i - from).toUtf8();
        out += char(path.at(i).unicode() - kKeptByte);
        from = i + 1;
    }
    return out + QStringView(path).mid(from).toUtf8();
}

bool isPlain(const QString &path)
{
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (isKeptByte(path, i))
            return false;
    }
    return true;
}

QString shown(const QString &path)
{
    if (isPlain(path))
        return path;
    QString out;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (isKeptByte(path, i))
            out += QLatin1String("\\x") + QString::number(path.at(i).unicode() - kKeptByte, 16).toUpper();
        else
            out += path.at(i);
    }
    return out;
}

QString canonical(const QString &path)
{
    char *resolved = ::realpath(encode(path).constData(), nullptr);
    if (!resolved)
        return {};
    const QString out = decode(QByteArray(resolved));
    std::free(resolved);
    return out;
}

bool list(const QString &folder, QList<Entry> *entries)
{
    entries->clear();
    DIR *dir = ::opendir(encode(folder).constData());
    if (!dir)
        return false;
    const int fd = ::dirfd(dir);
    while (const dirent *d = ::readdir(dir)) {
        const QByteArray name(d->d_name);
        if (name == "." || name == "..")
            continue;
        Entry e;
        e.name = decode(name);
        // The folder's own word on the kind spares a stat of every entry (a
        // large folder is listed in a few calls); a link, or a file system
        // that does not say, is asked.
        if (d->d_type == DT_DIR || d->d_type == DT_REG) {
            e.isDir = d->d_type == DT_DIR;
            e.isFile = d->d_type == DT_REG;
            entries->append(std::move(e));
            continue;
        }
        struct stat info {};
        if (::fstatat(fd, d->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(info.st_mode)) {
            e.isSymLink = true;
            if (::fstatat(fd, d->d_name, &info, 0) != 0)
                info = {};
        }
        e.isDir = S_ISDIR(info.st_mode);
        e.isFile = S_ISREG(info.st_mode);
        entries->append(std::move(e));
    }
    ::closedir(dir);
    return true;
}

} // namespace FileName
