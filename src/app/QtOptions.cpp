#include "app/QtOptions.h"

#include <algorithm>
#include <iterator>

namespace QtOptions {

namespace {

struct QtOption {
    const char *name;
    bool takesValue;
    bool readsEquals; // Qt itself reads "-name=value"
};

// The options that Qt 6 itself reads from the command line: QCoreApplication,
// QGuiApplication, QApplication and the xcb platform plugin (-display, -name,
// -visual, -nograb, -dograb; -geometry, -title and -icon only where xcb is
// the platform). Each is also read with two dashes.
constexpr QtOption kOptions[] = {
    {"platform", true, false},
    {"platformpluginpath", true, false},
    {"platformtheme", true, false},
    {"plugin", true, false},
    {"qwindowgeometry", true, false},
    {"qwindowtitle", true, false},
    {"qwindowicon", true, false},
    {"geometry", true, false},
    {"title", true, false},
    {"icon", true, false},
    {"style", true, true},
    {"stylesheet", true, true},
    {"session", true, false},
    {"reverse", false, false},
    {"widgetcount", false, false},
    {"testability", false, false},
    {"qmljsdebugger", true, true},
    {"display", true, false},
    {"name", true, false},
    {"visual", true, false},
    {"nograb", false, false},
    {"dograb", false, false},
    {"qdevel", false, false},
    {"qdebug", false, false},
};

const QtOption *find(QStringView name)
{
    const auto *found = std::find_if(std::begin(kOptions), std::end(kOptions),
                                     [name](const QtOption &o) { return name == QLatin1String(o.name); });
    return found != std::end(kOptions) ? found : nullptr;
}

} // namespace

Split split(const QStringList &arguments, const std::function<bool(const QString &name)> &programTakesValue)
{
    Split result;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--")) {
            result.program += arguments.mid(i);
            break;
        }
        if (argument.size() < 2 || argument.at(0) != QLatin1Char('-')) {
            result.program << argument;
            continue;
        }
        const qsizetype dashes = argument.at(1) == QLatin1Char('-') ? 2 : 1;
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString spelled = equals < 0 ? argument : argument.left(equals); // "-style", "--style"
        const QString name = spelled.mid(dashes);
        const QtOption *option = find(name);
        if (!option) {
            result.program << argument;
            if (equals < 0 && programTakesValue(name) && i + 1 < arguments.size())
                result.program << arguments.at(++i); // the value, whatever it looks like
            continue;
        }
        if (!option->takesValue) {
            if (equals >= 0) {
                result.error = QStringLiteral("Unexpected value after '%1'.").arg(spelled);
                return result;
            }
            result.qt << argument;
        } else if (equals >= 0) {
            if (option->readsEquals)
                result.qt << argument;
            else
                result.qt << spelled << argument.mid(equals + 1);
        } else if (i + 1 < arguments.size()) {
            result.qt << argument << arguments.at(++i);
        } else {
            result.error = QStringLiteral("Missing value after '%1'.").arg(argument);
            return result;
        }
    }
    return result;
}

QString summary()
{
    return QStringLiteral("-style, -platform, -reverse, -stylesheet, -qwindowgeometry, -platformtheme, "
                          "-display, ...");
}

} // namespace QtOptions
