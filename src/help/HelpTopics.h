#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QUrl>

#include <span>

// The pages of the help file and the topics that controls and commands lead
// to. A topic is a page name, optionally with a "#fragment".
namespace HelpTopics {

// The compiled help file (Qt compressed help) and its namespace.
inline constexpr char kHelpFileName[] = "quillnav.qch";
inline constexpr char kNamespace[] = "example.brookfen.quillnav.12";

inline constexpr char kContents[] = "index.html";
inline constexpr char kTutorial[] = "tutorial.html";
inline constexpr char kColours[] = "colours.html";

// qthelp://<namespace>/doc/<topic>
QUrl url(const QString &topic);

// One control's short explanation (plain text, in English: the windows show it
// translated in the context "HelpTopics") and its topic. `window` is the
// objectName of the window or dialog that holds the control; `control` is the
// control's or action's objectName, where a trailing "*" matches any rest
// (the rows of a colour table, "txtclr_*").
struct ContextEntry {
    const char *window;
    const char *control;
    const char *text;
    const char *topic;
};

std::span<const ContextEntry> contextEntries();
const ContextEntry *findContextEntry(QStringView window, QStringView control);

// Every topic that a command or a control leads to, each once.
QStringList referencedTopics();

} // namespace HelpTopics
