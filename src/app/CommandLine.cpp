#include "app/CommandLine.h"

#include "app/AppInfo.h"
#include "app/HeadlessExport.h"

#include <QCommandLineParser>

CommandLine CommandLine::parse(const QStringList &arguments, const QString &helpFileNote)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this text and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("PROJECT.qnv"),
                                 QStringLiteral("A menu project to open."));

    CommandLine result;
    if (!parser.parse(QStringList{QStringLiteral("quillnav")} + arguments)) {
        result.action = Error;
        result.text = parser.errorText() + QLatin1Char('\n') + HeadlessExport::usage();
        return result;
    }
    if (parser.isSet(help)) {
        result.action = ShowHelp;
        result.text =
            QStringLiteral("%1 %2 builds drop-down navigation menus for web pages.\n\n")
                .arg(AppInfo::name(), AppInfo::version())
            + HeadlessExport::usage()
            + QStringLiteral("\n\n"
                             "  PROJECT.qnv      open this menu project in the editor\n"
                             "  -h, --help       show this text and exit\n"
                             "  -v, --version    show the version and exit\n\n"
                             "--generate writes the menu's code without opening a window: the head\n"
                             "part, the body part or (by default) a complete page, to standard\n"
                             "output or to FILE. --write-preview writes the browser preview pages\n"
                             "into DIR. --import makes a project from a drop-down list of a web\n"
                             "page; --select picks the list by number or name when there are\n"
                             "several. Exit status: 0 success, 1 unreadable or invalid project\n"
                             "or page, 2 wrong usage.\n\n")
            + helpFileNote;
        return result;
    }
    if (parser.isSet(version)) {
        result.action = ShowVersion;
        result.text = QStringLiteral("%1 %2").arg(AppInfo::name(), AppInfo::version());
        return result;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        result.action = Error;
        result.text = QStringLiteral("Only one project file can be opened.\n") + HeadlessExport::usage();
        return result;
    }
    result.projectFile = positional.value(0);
    return result;
}
