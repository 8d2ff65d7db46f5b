#pragma once

#include "menu/ProjectFile.h"
#include "platform/FileIdentity.h"
#include "support/TestPaths.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace testfiles {

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Writes a file's bytes again until both its times are later than
// `changedNs` (another file's change time), as a file saved in a later tick
// of the file system's clock has them.
inline bool rewriteLaterThan(const QString &path, qint64 changedNs)
{
    const QByteArray bytes = readAll(path);
    FileIdentity now;
    while ((now = FileIdentity::of(path)).exists
           && (now.modifiedNs <= changedNs || now.changedNs <= changedNs)) {
        if (!writeAll(path, bytes))
            return false;
    }
    return now.exists;
}

// Saves a project; false, with the reason printed, when it cannot.
inline bool saveProject(const QString &path, const MenuProject &project)
{
    QString error;
    const bool saved = ProjectFile::save(path, project, &error);
    if (!saved)
        qWarning("%s", qPrintable(error));
    return saved;
}

// A small menu with markup characters and non-ASCII text that a careless
// writer would escape or mangle, a separator and an unlinked entry.
inline MenuProject sampleProject()
{
    MenuProject p;
    p.options.menuName = QStringLiteral("nav");
    p.items = {{"Home", "Yes", "index.html", "Yes"},
               {"--- \u65e5\u672c\u00a0<Caf\u00e9>", "Yes", "a.html?x=1&y=\"2\"", "No"},
               MenuItem::separator(),
               {"Contact", "No", "", "No"}};
    return p;
}

// The rows of a table in tests/data: a JSON file holding a list of lists.
// Texts that stand for bytes are read as Latin-1 ("\u00c3" is the byte C3).
inline QList<QJsonArray> tableRows(const QString &name)
{
    QList<QJsonArray> rows;
    for (const QJsonValue &row : QJsonDocument::fromJson(readAll(testpaths::dataFile(name))).array())
        rows.append(row.toArray());
    if (rows.isEmpty())
        qFatal("missing test table %s", qPrintable(name));
    return rows;
}

// A table's rows as a test's data: one column "row" holding the whole row,
// each named by its first field.
inline void addTableRows(const QString &name)
{
    QTest::addColumn<QJsonArray>("row");
    for (const QJsonArray &row : tableRows(name))
        QTest::newRow(qPrintable(row.first().toString())) << row;
}

struct Run {
    int exitCode = -1; // -1: it crashed or did not finish
    QByteArray out;
    QString err;
};

// Runs this build's quillnav without a display. With a file size limit, the
// files it writes cannot grow past that many bytes (the write fails: EFBIG).
// A non-empty `input` is its standard input.
inline Run runQuillnav(const QStringList &args, rlim_t fileSizeLimit = RLIM_INFINITY,
                       const QString &program = testpaths::binary(), const QByteArray &input = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(name);
    process.setProcessEnvironment(env);
    process.setChildProcessModifier([fileSizeLimit] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{fileSizeLimit, fileSizeLimit};
        if (fileSizeLimit != RLIM_INFINITY)
            setrlimit(RLIMIT_FSIZE, &limit);
    });
    process.start(program, args);
    if (!input.isEmpty()) {
        process.write(input);
        process.closeWriteChannel();
    }
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), QString::fromLocal8Bit(process.readAllStandardError())};
}

} // namespace testfiles
