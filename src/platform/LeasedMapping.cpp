#include "platform/LeasedMapping.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

// Breaking a lease signals its holder, with SIGIO, whose default is to end
// the process. The holder need not act (the mapping ends soon), so the
// signal is ignored, unless the program has its own use for it.
bool leaseSignalIgnored()
{
    static const bool ignored = [] {
        struct sigaction now {};
        if (::sigaction(SIGIO, nullptr, &now) != 0)
            return false;
        if (now.sa_handler == SIG_IGN)
            return true;
        if (now.sa_handler != SIG_DFL || (now.sa_flags & SA_SIGINFO))
            return false;
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        return ::sigaction(SIGIO, &ignore, nullptr) == 0;
    }();
    return ignored;
}

// Whether the file lies on a local disk or in memory, where a lease holds
// off every writer. On a network or FUSE file system a change made on
// another machine passes any local lease, and a file cut short there would
// fault the reader on its next page: such files are read.
bool onLocalFileSystem(int fd)
{
    struct statfs info {};
    if (::fstatfs(fd, &info) != 0)
        return false;
    switch (static_cast<unsigned long>(info.f_type)) {
    case 0xEF53:     // ext2, ext3, ext4
    case 0x58465342: // XFS
    case 0x9123683E: // Btrfs
    case 0xF2F52010: // F2FS
    case 0x2FC12FC1: // ZFS
    case 0xCA451A4E: // bcachefs
    case 0x01021994: // tmpfs
    case 0x794C7630: // overlayfs
        return true;
    default:
        return false;
    }
}

} // namespace

std::shared_ptr<const LeasedMapping> LeasedMapping::map(int fd, qsizetype size)
{
#if defined(F_SETLEASE) && defined(MAP_POPULATE)
    if (size <= 0 || !onLocalFileSystem(fd) || !leaseSignalIgnored())
        return {};
    std::shared_ptr<LeasedMapping> mapping(new LeasedMapping);
    mapping->m_fd = ::fcntl(fd, F_DUPFD_CLOEXEC, 3);
    if (mapping->m_fd < 0 || ::fcntl(mapping->m_fd, F_SETLEASE, F_RDLCK) != 0)
        return {};
    // A change made before the lease was granted shows in the size.
    struct stat now {};
    if (::fstat(mapping->m_fd, &now) != 0 || now.st_size != size)
        return {};
    // The file with room for a page of zeros after it: a file that ends on a
    // page's end would otherwise leave nothing readable past its last byte.
    static const auto page = std::size_t(::sysconf(_SC_PAGESIZE));
    const std::size_t fileRange = (std::size_t(size) + page - 1) / page * page;
    mapping->m_reserved = fileRange + page;
    void *range = ::mmap(nullptr, mapping->m_reserved, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (range == MAP_FAILED) {
        mapping->m_reserved = 0;
        return {};
    }
    mapping->m_data = static_cast<char *>(range);
    if (::mmap(range, std::size_t(size), PROT_READ, MAP_PRIVATE | MAP_FIXED | MAP_POPULATE, mapping->m_fd, 0)
        == MAP_FAILED)
        return {};
    mapping->m_size = size;
    return mapping;
#else
    (void)fd;
    (void)size;
    return {};
#endif
}

LeasedMapping::~LeasedMapping()
{
    if (m_reserved != 0)
        ::munmap(m_data, m_reserved);
    if (m_fd >= 0) {
#if defined(F_SETLEASE)
        ::fcntl(m_fd, F_SETLEASE, F_UNLCK);
#endif
        ::close(m_fd);
    }
}
