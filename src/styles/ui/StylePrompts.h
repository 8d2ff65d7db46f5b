#pragma once

#include <functional>

class QWidget;

// The questions, notices and help a style dialog offers, supplied by the
// application (each takes the style dialog as owner). Unset: the restore goes
// ahead without asking, no notice is shown and no help is offered.
struct StylePrompts {
    // Before "Restore Defaults": true when the restore goes ahead.
    std::function<bool(QWidget *owner)> confirmRestoreDefaults;
    // The border notice of the button dialog.
    std::function<void(QWidget *owner)> borderNotice;
    // The help on colours, offered by a colour row's message that asks for
    // a colour.
    std::function<void(QWidget *owner)> colourHelp;
};
