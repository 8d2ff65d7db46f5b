#pragma once

#include <functional>

class QWidget;

// The questions and notices a style dialog raises, supplied by the
// application (each takes the style dialog as owner). Unset: the restore goes
// ahead without asking and no notice is shown.
struct StylePrompts {
    // Before "Restore Defaults": true when the restore goes ahead.
    std::function<bool(QWidget *owner)> confirmRestoreDefaults;
    // The border notice of the button dialog.
    std::function<void(QWidget *owner)> borderNotice;
};
