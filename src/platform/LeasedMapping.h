#pragma once

#include <QByteArrayView>

#include <memory>

// A regular file's bytes mapped into memory rather than read, for a command
// that walks a large file once or twice and ends: the pages are the system's
// file cache itself, so nothing is copied and no fresh memory is filled.
//
// The mapping is only made under a read lease: while it is held, anyone
// opening the file to write or truncating it waits (up to the system's
// lease-break time, 45 s by default) until the mapping is gone, so the
// bytes cannot change or vanish under the reader. Where no lease can be had
// (the file is open for writing elsewhere, belongs to another user, lies on
// a network or FUSE file system, where a change made on another machine
// passes the lease), there is no mapping and the caller reads the file the
// ordinary way.
//
// As a QByteArray's text is, the bytes are followed by a zero byte.
class LeasedMapping {
public:
    // Maps `size` bytes of the regular file open read-only at `fd`, which
    // the mapping keeps (a duplicate of it); empty when it cannot.
    static std::shared_ptr<const LeasedMapping> map(int fd, qsizetype size);

    ~LeasedMapping();
    LeasedMapping(const LeasedMapping &) = delete;
    LeasedMapping &operator=(const LeasedMapping &) = delete;

    QByteArrayView bytes() const { return QByteArrayView(m_data, m_size); }

private:
    LeasedMapping() = default;

    int m_fd = -1;
    char *m_data = nullptr;
    qsizetype m_size = 0;
    std::size_t m_reserved = 0; // the whole range, the zero page after the file's included
};
