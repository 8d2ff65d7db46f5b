#pragma once

// Weighed and kept: QSettings (INI format) was weighed for this store. It
// writes its file through QSaveFile, whose commit ignores a failed fsync,
// waits on another writer's lock file without a bound, and tells of a
// failure only as a status, without the file or the cause. This store
// writes through AtomicFileWriter (a failed fsync fails the change), waits
// at most two seconds for the lock (clearing one left empty by a writer that
// died), and names the file and the cause of every failure.

#include "platform/RegistryHive.h"

#include <QString>

#include <functional>

// The file that keeps the current user's settings hive: one human-readable
// text file under the user's configuration directory.
//
// Reading never fails: a missing, unreadable or corrupt file reads as an empty
// hive. Every change is a locked read-modify-write (so two running copies that
// write at once lose neither's value) and replaces the file atomically. A
// corrupt or unreadable file is moved aside as "<file>.corrupt-<time>" before
// the first change replaces it.
class RegistryStore {
public:
    enum class FileState { Missing, Ok, Corrupt, Unreadable };

    struct Snapshot {
        RegistryHive hive;
        FileState state = FileState::Missing;
    };

    // The file in use: the one set with setFilePath, or defaultFilePath().
    static QString filePath();
    // Points the store at another file (tests); an empty path restores the default.
    static void setFilePath(const QString &path);
    static QString defaultFilePath();

    static Snapshot read();

    // Applies change to the hive under the file lock and writes the result.
    // change returns false to abandon (nothing is written). Returns true when
    // the change succeeded and the file was written; when something fails,
    // errorText (if given) names the file and the cause.
    static bool modify(const std::function<bool(RegistryHive &)> &change, QString *errorText = nullptr);
};
