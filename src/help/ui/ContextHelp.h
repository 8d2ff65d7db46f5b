#pragma once

#include <QString>

class QObject;
class QWidget;

// Context help: What's This texts with a link to the control's help topic,
// F1 on a control for its topic, and the What's This mode.
namespace ContextHelp {

// Gives every control below root that the topic table knows (by the window's
// and the control's objectName) its What's This text and its F1 topic.
// Windows call it once their controls exist.
void ApplyWhatsThis(QWidget *root);

// The topic F1 opens for a control: its own, else its nearest parent's.
QString topicFor(const QObject *control);

// Routes F1 and the links in What's This texts to the help window, for the
// whole application. Installing it more than once has no further effect.
void install();

// The pointer becomes a question mark; the next click shows a control's text.
void enterWhatsThisMode();

} // namespace ContextHelp
