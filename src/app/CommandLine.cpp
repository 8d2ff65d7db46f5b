#include "app/CommandLine.h"

#include "app/AppInfo.h"
#include "app/QtOptions.h"

#include <QCommandLineParser>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

constexpr qsizetype kAnyNumber = std::numeric_limits<int>::max();

constexpr unsigned bit(CommandLine::Mode mode)
{
    return 1u << mode;
}

// A mode of the program, chosen by its switch (the window: by none).
struct ModeRow {
    CommandLine::Mode mode;
    const char *option; // the switch that chooses it; nullptr for the window
    const char *files;  // what it takes besides its options, for the help
    qsizetype minFiles;
    qsizetype maxFiles;
    const char *required; // an option it cannot do without, or nullptr
    const char *needs;    // when files or the required option are missing
    const char *tooMany;  // when there are more files; nullptr: the first extra one is named
    const char *usage;    // its usage after the program's name
    const char *help;
};

constexpr ModeRow kModes[] = {
    {CommandLine::Window, nullptr, "PROJECT.qnv", 0, 1, nullptr, "", "Only one project file can be opened.",
     "[PROJECT.qnv]", "open this menu project in the editor"},
    {CommandLine::Generate, "generate", "PROJECT.qnv", 1, 1, nullptr, "--generate needs a project file.",
     nullptr,
     "--generate PROJECT.qnv [--part head|body|page] [--preview-mode]\n"
     "                  [--dialect classic|html5] [-o FILE]",
     "write the menu's code without a window: a complete page, or the part --part names, to standard "
     "output or to FILE"},
    {CommandLine::WritePreview, "write-preview", "DIR PROJECT.qnv", 2, 2, nullptr,
     "--write-preview needs a folder and a project file.",
     "--write-preview needs a folder and a project file.", "--write-preview DIR PROJECT.qnv",
     "write the three browser preview pages into DIR; opens nothing"},
    {CommandLine::Import, "import", "PAGE.html", 1, 1, "output",
     "--import needs a page and -o with the project file to write.", nullptr,
     "--import PAGE.html -o PROJECT.qnv [--select N|NAME]",
     "make a project from a drop-down list of a web page"},
    {CommandLine::Publish, "publish", "PROJECT.qnv [PAGE...]", 1, kAnyNumber, nullptr,
     "--publish needs a project file.", nullptr,
     "--publish PROJECT.qnv [--site DIR] [--dry-run] [--overwrite-edits]\n"
     "                  [PAGE...]",
     "put the menu into the site's pages, at their placeholder or in place of the menu they hold; "
     "without PAGE, every page of the site that holds one"},
    {CommandLine::Unpublish, "unpublish", "PROJECT.qnv [PAGE...]", 1, kAnyNumber, nullptr,
     "--unpublish needs a project file.", nullptr,
     "--unpublish PROJECT.qnv [--site DIR] [--dry-run] [--overwrite-edits]\n"
     "                  [PAGE...]",
     "take the menu out of the site's pages again, leaving its placeholder"},
    {CommandLine::FromSite, "from-site", "DIR", 1, 1, "output",
     "--from-site needs a site folder and -o with the project file to write.", nullptr,
     "--from-site DIR -o PROJECT.qnv", "make a project with an entry for every page of a site"},
    {CommandLine::FromSitemap, "from-sitemap", "SITEMAP.xml", 1, 1, "output",
     "--from-sitemap needs a sitemap and -o with the project file to write.", nullptr,
     "--from-sitemap SITEMAP.xml [--site DIR] -o PROJECT.qnv",
     "make a project with an entry for every address of a sitemap"},
    {CommandLine::CheckLinks, "check-links", "PROJECT.qnv", 1, 1, nullptr,
     "--check-links needs a project file.", nullptr, "--check-links PROJECT.qnv [--site DIR]",
     "check the menu's links against the site's files; exit status 1 when any fails"},
    {CommandLine::Restore, "restore", "STAMP [PROJECT.qnv]", 1, 2, nullptr,
     "--restore needs the stamp of a backup (a folder name in .quillnav-backup).", nullptr,
     "--restore STAMP [PROJECT.qnv] [--site DIR] [--dry-run]",
     "put back the pages that the publishing run STAMP kept in the site's .quillnav-backup folder, "
     "except those that are the same; the site is the project's or DIR"},
    {CommandLine::Upload, "upload", "PROJECT.qnv [PAGE...]", 1, kAnyNumber, nullptr,
     "--upload needs a project file.", nullptr,
     "--upload PROJECT.qnv [--site DIR] [--server URL] [--dry-run] [--overwrite]\n"
     "                  [--accept-host-key SHA256:...] [--password-stdin] [PAGE...]",
     "send the menu's pages and quillnav-menus.js that differ from the server's copies to the "
     "project's server (or URL); files changed on the server since the last transfer are listed and "
     "left as they are"},
    {CommandLine::Download, "download", "PROJECT.qnv [PAGE...]", 1, kAnyNumber, nullptr,
     "--download needs a project file.", nullptr,
     "--download PROJECT.qnv [--site DIR] [--server URL] [--dry-run] [--overwrite]\n"
     "                  [--accept-host-key SHA256:...] [--password-stdin] [PAGE...]",
     "fetch the menu's pages that changed on the server into the site folder; files changed here since "
     "the last transfer are listed and left as they are"},
};

// The options besides the modes' switches.
struct OptionRow {
    const char *shortName; // or nullptr
    const char *longName;
    const char *valueName; // nullptr: a switch
    const char *choices;   // the values it takes ("head|body|page"), or nullptr for any
    unsigned modes;        // the modes it goes with; 0: every mode
    const char *help;
};

constexpr OptionRow kOptions[] = {
    {nullptr, "part", "head|body|page", "head|body|page", bit(CommandLine::Generate),
     "the head part, the body part or the complete page (the default)"},
    {nullptr, "preview-mode", nullptr, nullptr, bit(CommandLine::Generate),
     "build the code with the preview's decorations"},
    {nullptr, "dialect", "classic|html5", "classic|html5", bit(CommandLine::Generate),
     "the code's dialect, in place of the project's"},
    {"o", "output", "FILE", nullptr,
     bit(CommandLine::Generate) | bit(CommandLine::Import) | bit(CommandLine::FromSite)
         | bit(CommandLine::FromSitemap),
     "the file to write: the code, or the project made"},
    {nullptr, "select", "N|NAME", nullptr, bit(CommandLine::Import),
     "the page's list to import, by number or name, when it has several"},
    {nullptr, "site", "DIR", nullptr,
     bit(CommandLine::Publish) | bit(CommandLine::Unpublish) | bit(CommandLine::FromSitemap)
         | bit(CommandLine::CheckLinks) | bit(CommandLine::Restore) | bit(CommandLine::Upload)
         | bit(CommandLine::Download),
     "the site's folder, in place of the project's (the project file is not changed)"},
    {nullptr, "dry-run", nullptr, nullptr,
     bit(CommandLine::Publish) | bit(CommandLine::Unpublish) | bit(CommandLine::Restore)
         | bit(CommandLine::Upload) | bit(CommandLine::Download),
     "print what would change in each page and write nothing"},
    {nullptr, "overwrite-edits", nullptr, nullptr, bit(CommandLine::Publish) | bit(CommandLine::Unpublish),
     "also write the pages whose menu was edited by hand since it was published (\"edited by hand\"); "
     "without it they are left as they are"},
    {nullptr, "server", "URL", nullptr, bit(CommandLine::Upload) | bit(CommandLine::Download),
     "the site's server (sftp://user@host/folder), in place of the project's; never with a password"},
    {nullptr, "overwrite", nullptr, nullptr, bit(CommandLine::Upload) | bit(CommandLine::Download),
     "also move the files that changed on the other side since the last transfer, or on both"},
    {nullptr, "accept-host-key", "SHA256:...", nullptr, bit(CommandLine::Upload) | bit(CommandLine::Download),
     "accept an SFTP server whose host key is not in known_hosts, when its fingerprint is this one"},
    {nullptr, "password-stdin", nullptr, nullptr, bit(CommandLine::Upload) | bit(CommandLine::Download),
     "read the password or a key's passphrase, when one is needed, from standard input, one a line (else "
     "from the terminal)"},
    {"h", "help", nullptr, nullptr, 0, "show this text and exit"},
    {"v", "version", nullptr, nullptr, 0, "show the version and exit"},
};

QString str(const char *s)
{
    return QString::fromUtf8(s);
}

const OptionRow *findOption(const QString &name)
{
    const auto *found = std::find_if(std::begin(kOptions), std::end(kOptions), [&name](const OptionRow &o) {
        return name == str(o.longName) || (o.shortName && name == str(o.shortName));
    });
    return found != std::end(kOptions) ? found : nullptr;
}

const ModeRow &modeRow(CommandLine::Mode mode)
{
    return *std::find_if(std::begin(kModes), std::end(kModes),
                         [mode](const ModeRow &m) { return m.mode == mode; });
}

QString spelled(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// "a, b or c"; "a and b" with the other word.
QString listed(QStringList words, const QString &lastJoin)
{
    const QString last = words.takeLast();
    return words.isEmpty()
               ? last
               : words.join(QStringLiteral(", ")) + QLatin1Char(' ') + lastJoin + QLatin1Char(' ') + last;
}

// The modes an option goes with, as "--generate and --import".
QString modesOf(unsigned modes)
{
    QStringList names;
    for (const ModeRow &m : kModes)
        if ((modes & bit(m.mode)) && m.option)
            names << spelled(str(m.option));
    return listed(names, QStringLiteral("and"));
}

CommandLine failed(const QString &message)
{
    CommandLine result;
    result.mode = CommandLine::Error;
    result.text = message + QLatin1Char('\n') + CommandLine::usage();
    return result;
}

// Reads the program's own arguments (Qt's are out) into result.
CommandLine parseProgram(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const ModeRow &m : kModes)
        if (m.option)
            parser.addOption(QCommandLineOption(str(m.option)));
    for (const OptionRow &o : kOptions) {
        QStringList names{str(o.longName)};
        if (o.shortName)
            names.prepend(str(o.shortName));
        parser.addOption(QCommandLineOption(names, QString(), o.valueName ? str(o.valueName) : QString()));
    }
    if (!parser.parse(QStringList{QStringLiteral("quillnav")} + arguments))
        return failed(parser.errorText());

    CommandLine result;
    if (parser.isSet(QStringLiteral("help"))) {
        result.mode = CommandLine::ShowHelp;
        return result;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        result.mode = CommandLine::ShowVersion;
        result.text = QStringLiteral("%1 %2").arg(AppInfo::name(), AppInfo::version());
        return result;
    }
    QStringList chosen;
    for (const ModeRow &m : kModes) {
        if (m.option && parser.isSet(str(m.option))) {
            result.mode = m.mode;
            chosen << spelled(str(m.option));
        }
    }
    if (chosen.size() > 1)
        return failed(QStringLiteral("Give only one of %1.").arg(listed(chosen, QStringLiteral("and"))));

    for (const QString &name : parser.optionNames()) {
        const OptionRow *option = findOption(name);
        if (!option)
            continue; // a mode's switch
        if (option->modes != 0 && !(option->modes & bit(result.mode)))
            return failed(
                QStringLiteral("%1 is an option of %2.").arg(spelled(name), modesOf(option->modes)));
        const QString value = parser.value(name);
        if (option->choices && !str(option->choices).split(QLatin1Char('|')).contains(value)) {
            return failed(QStringLiteral("%1 takes %2, not \"%3\".")
                              .arg(spelled(name),
                                   listed(str(option->choices).split(QLatin1Char('|')), QStringLiteral("or")),
                                   value));
        }
        result.options.insert(str(option->longName), value);
    }

    const ModeRow &mode = modeRow(result.mode);
    result.files = parser.positionalArguments();
    if (result.files.size() < mode.minFiles || (mode.required && !result.isSet(str(mode.required))))
        return failed(str(mode.needs));
    if (result.files.size() > mode.maxFiles) {
        return failed(
            mode.tooMany ? str(mode.tooMany)
                         : QStringLiteral("Unexpected argument \"%1\".").arg(result.files.at(mode.maxFiles)));
    }
    return result;
}

// Breaks text into lines of at most width characters, each after indent.
QString wrapped(const QString &words, qsizetype indent, qsizetype width)
{
    QString out;
    qsizetype column = indent;
    for (const QString &word : words.split(QLatin1Char(' '))) {
        if (column > indent && column + 1 + word.size() > width) {
            out += QLatin1Char('\n') + QString(indent, QLatin1Char(' '));
            column = indent;
        } else if (column > indent) {
            out += QLatin1Char(' ');
            ++column;
        }
        out += word;
        column += word.size();
    }
    return out;
}

} // namespace

CommandLine CommandLine::parse(const QStringList &arguments)
{
    const QtOptions::Split split = QtOptions::split(arguments, [](const QString &name) {
        const OptionRow *option = findOption(name);
        return option && option->valueName;
    });
    if (!split.error.isEmpty())
        return failed(split.error);
    CommandLine result = parseProgram(split.program);
    result.qtOptions = split.qt;
    return result;
}

QString CommandLine::usage()
{
    QString out;
    for (const ModeRow &m : kModes)
        out += (out.isEmpty() ? QStringLiteral("Usage: quillnav ") : QStringLiteral("\n       quillnav "))
               + str(m.usage);
    return out;
}

QString CommandLine::helpText(const QString &helpFileNote)
{
    QList<std::pair<QString, QString>> rows;
    for (const ModeRow &m : kModes)
        rows.append({m.option ? spelled(str(m.option)) + QLatin1Char(' ') + str(m.files) : str(m.files),
                     str(m.help)});
    for (const OptionRow &o : kOptions) {
        QString names = o.shortName ? spelled(str(o.shortName)) + QStringLiteral(", ") : QString();
        names += spelled(str(o.longName));
        if (o.valueName)
            names += QLatin1Char(' ') + str(o.valueName);
        rows.append({names, str(o.help)});
    }
    // Descriptions start in one column; longer names have theirs on the next line.
    constexpr qsizetype column = 27;
    QString list;
    for (const auto &[names, help] : std::as_const(rows)) {
        list += QStringLiteral("  ") + names;
        list += names.size() + 4 <= column ? QString(column - 2 - names.size(), QLatin1Char(' '))
                                           : QLatin1Char('\n') + QString(column, QLatin1Char(' '));
        list += wrapped(help, column, 79) + QLatin1Char('\n');
    }

    return QStringLiteral("%1 %2 builds drop-down navigation menus for web pages.\n\n")
               .arg(AppInfo::name(), AppInfo::version())
           + usage() + QStringLiteral("\n\n") + list + QLatin1Char('\n')
           + wrapped(QStringLiteral("Options may come in any order, also as --part=head or --output=FILE; "
                                    "-- ends the options, so that a file name may begin with a dash. "
                                    "Qt's own options (%1) are accepted too: they take effect when the "
                                    "window opens and are ignored by the modes without a window.")
                         .arg(QtOptions::summary()),
                     0, 72)
           + QStringLiteral("\n\n")
           + wrapped(QStringLiteral("Exit status: 0 success, 1 unreadable or invalid project or page, or a "
                                    "failed check, 2 wrong usage. --upload and --download: 1 also when a "
                                    "file failed or was left as changed elsewhere, or the host key or the "
                                    "login was refused; 2 also when there is no server."),
                     0, 72)
           + QStringLiteral("\n\n") + helpFileNote;
}
