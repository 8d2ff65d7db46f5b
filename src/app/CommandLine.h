#pragma once

// Weighed and kept: QCommandLineParser on its own, and a parser written
// from scratch, were weighed. On its own QCommandLineParser knows no modes
// (an option of one mode would pass in another), and its process() prints
// its own help and leaves the program on --help or a fault with exit codes
// of its own. A parser of our own would repeat its handling of "--part=head",
// "-part head" and "--". So QCommandLineParser splits the arguments, and one
// table of modes and options here checks what belongs together, words the
// faults and the usage, and gives exit code 2 for a usage error.

#include <QMap>
#include <QString>
#include <QStringList>

// The program's command line, read by QCommandLineParser from one table of
// modes and one of options (CommandLine.cpp):
//   quillnav [PROJECT.qnv]                       the editor's window
//   quillnav --generate PROJECT.qnv [--part head|body|page] [--preview-mode]
//                     [--dialect classic|html5] [-o FILE]
//   quillnav --write-preview DIR PROJECT.qnv
//   quillnav --import PAGE -o PROJECT.qnv [--select N|NAME]
//   quillnav --publish|--unpublish PROJECT.qnv [--site DIR] [--dry-run] [--overwrite-edits]
//                     [PAGE...]
//   quillnav --restore STAMP [PROJECT.qnv] [--site DIR] [--dry-run]
//   quillnav --from-site DIR -o PROJECT.qnv
//   quillnav --from-sitemap SITEMAP.xml [--site DIR] -o PROJECT.qnv
//   quillnav --check-links PROJECT.qnv [--site DIR]
//   quillnav --upload|--download PROJECT.qnv [--site DIR] [--server URL] [--dry-run]
//                     [--overwrite] [--accept-host-key SHA256:...] [--password-stdin] [PAGE...]
//   quillnav --help | --version
// Options come in any order, as "--part head", "--part=head" or "-part head";
// "--" ends the options. Qt's own options are taken out first (QtOptions)
// and kept for the window.
struct CommandLine {
    enum Mode {
        Window,
        Generate,
        WritePreview,
        Import,
        Publish,
        Unpublish,
        FromSite,
        FromSitemap,
        CheckLinks,
        Restore,
        Upload,
        Download,
        ShowHelp,
        ShowVersion,
        Error
    };

    Mode mode = Window;
    QStringList files;              // the arguments that are not options, in order
    QMap<QString, QString> options; // by long name; a switch has an empty value
    QStringList qtOptions;          // Qt's own options, for QApplication
    QString text;                   // ShowVersion, Error: what to print

    static CommandLine parse(const QStringList &arguments); // without the program name

    bool isSet(const QString &longName) const { return options.contains(longName); }
    QString value(const QString &longName, const QString &fallback = {}) const
    {
        return options.value(longName, fallback);
    }

    static QString usage();
    // helpFileNote: a line about the help file that the help ends with.
    static QString helpText(const QString &helpFileNote);
};
