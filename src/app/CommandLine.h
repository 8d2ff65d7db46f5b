#pragma once

#include <QString>
#include <QStringList>

// The command line of the editor: an optional project file, --help and
// --version. The export (--generate, --write-preview) has its own parser in
// HeadlessExport and runs before this one.
struct CommandLine {
    enum Action { Run, ShowHelp, ShowVersion, Error };

    Action action = Run;
    QString projectFile; // Run: empty when none was given
    QString text;        // ShowHelp, ShowVersion, Error: what to print

    // arguments: without the program name. helpFileNote: a line about the
    // help file that --help ends with.
    static CommandLine parse(const QStringList &arguments, const QString &helpFileNote);
};
