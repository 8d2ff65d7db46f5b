// Large writes through AtomicFileWriter: 50 MiB and 100 MiB written in 32 KiB
// pieces, wall time including commit() (fsync and rename), the ratio of the
// two sizes (linear cost gives about 2), and the same bytes written with plain
// write() calls and one fsync at the end, the floor a writer that leaves all
// the write-back to its final fsync reaches.
#include "BenchTiming.h"
#include "platform/AtomicFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr qint64 kPiece = 32 << 10;

double atomicMs(const QString &path, qint64 size)
{
    const QByteArray piece(kPiece, 'x');
    return bestMs(3, [&] {
        AtomicFileWriter file(path);
        QString error;
        bool ok = file.open(&error);
        for (qint64 left = size; ok && left > 0; left -= kPiece)
            file.write(piece);
        if (!ok || !file.commit(&error))
            std::printf("  the write failed: %s\n", qPrintable(error));
    });
}

double plainMs(const QString &path, qint64 size)
{
    const std::vector<char> piece(kPiece, 'x');
    return bestMs(3, [&] {
        const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        for (qint64 left = size; left > 0; left -= kPiece) {
            if (::write(fd, piece.data(), piece.size()) != kPiece)
                break;
        }
        ::fsync(fd);
        ::close(fd);
    });
}

} // namespace

int main()
{
    QTemporaryDir dir(QStringLiteral("bench-writes-XXXXXX")); // on the disk, not a memory file system
    const QString path = dir.filePath(QStringLiteral("out.bin"));
    double atomic[2] = {}, plain[2] = {};
    const qint64 sizes[2] = {50ll << 20, 100ll << 20};
    for (int i = 0; i < 2; ++i) {
        atomic[i] = atomicMs(path, sizes[i]);
        plain[i] = plainMs(path, sizes[i]);
        std::printf("%3lld MiB in 32 KiB pieces: AtomicFileWriter %7.1f ms, plain write + fsync %7.1f ms"
                    " (ratio %.2f)\n",
                    sizes[i] >> 20, atomic[i], plain[i], atomic[i] / plain[i]);
    }
    std::printf("100 MiB / 50 MiB: AtomicFileWriter %.2f, plain %.2f (linear: about 2)\n",
                atomic[1] / atomic[0], plain[1] / plain[0]);
    return 0;
}
