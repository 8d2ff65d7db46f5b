#pragma once

#include "styles/mColorSelect.h"

class QWidget;

namespace mColorSelect {

// Opens the colour chooser modally over owner, starting at initial (a system
// colour reference is translated first), with the run's 16 custom colours.
// Empty custom slots (0) are turned white before the chooser opens. Returns the
// chosen colour number, or -1 when the user cancelled; only an accepted choice
// takes the custom colours back from the chooser. fullOpen asks for the custom
// colour part to be shown; Qt's chooser always shows it.
qint32 ShowColorDialog(QWidget *owner, ColorNumber initial, bool fullOpen);

} // namespace mColorSelect
