#pragma once

#include "menu/MenuOptions.h"

#include <QCoreApplication>
#include <QString>

// The checks that run before code is generated, in their order. The first that
// fails decides; the dialog layer shows its message and focuses its field.
enum class OptionsProblem { None, FrameName, GraphicUrl, MenuName };

OptionsProblem CheckMenuOptions(const MenuOptions &options);
// The message of a failed check; empty for OptionsProblem::None.
QString OptionsProblemMessage(OptionsProblem problem);

// The preview refuses a graphic button without address, whatever the navigation.
bool PreviewLacksGraphicUrl(const MenuOptions &options);
QString PreviewGraphicUrlMessage();

// Title of every message about bad input.
inline QString OopsTitle()
{
    return QCoreApplication::translate("OptionsValidation", "Oops!");
}
