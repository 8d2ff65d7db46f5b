#pragma once

#include <QString>

// Who asks for a write decides what may stand at the name it writes to.
enum class WriteMode {
    // A file of the program's own (a saved project or page, the settings):
    // only a regular file, or nothing, may be there; it is replaced whole.
    Replace,
    // An output named on the command line: a character device or a FIFO
    // (/dev/null, /dev/stdout, a named pipe) is written through, as every
    // Unix tool does; a regular file is replaced whole. A name of one of the
    // program's open descriptors (/dev/stdout, /dev/fd/N) writes to that
    // descriptor, whatever it is, so `>> FILE` still appends.
    CommandLineOutput,
};

// What a write to a name would meet. Links are followed: the check is about
// the node that a write through the name reaches.
struct WriteTarget {
    enum Kind {
        Replaceable, // nothing there yet, or a regular file
        Stream,      // a character device or FIFO to be written through
        Descriptor,  // one of the program's open descriptors, `descriptor`
        Refused,     // anything else; `refusal` says why
    };

    Kind kind = Replaceable;
    QString reason; // when refused: "it is a folder, ..." (to follow the file's name)
    int descriptor = -1;

    static WriteTarget inspect(const QString &path, WriteMode mode);
};
