#include "codegen/OptionsValidation.h"

#include <QCoreApplication>

OptionsProblem CheckMenuOptions(const MenuOptions &o)
{
    if (o.linkTarget == MenuOptions::DifferentFrame && o.frameName.isEmpty())
        return OptionsProblem::FrameName;
    if (o.buttonKind == MenuOptions::GraphicButton && o.navigation == MenuOptions::OnButtonClick
        && o.graphicUrl.isEmpty())
        return OptionsProblem::GraphicUrl;
    if (o.menuName.isEmpty())
        return OptionsProblem::MenuName;
    return OptionsProblem::None;
}

QString OptionsProblemMessage(OptionsProblem problem)
{
    switch (problem) {
    case OptionsProblem::FrameName:
        return QCoreApplication::translate(
            "OptionsValidation",
            "You have chosen to use a different frame as the target of your links but you have "
            "not specified the name of the frame. You must enter a frame name or choose another "
            "target for the links.");
    case OptionsProblem::GraphicUrl:
        return QCoreApplication::translate(
            "OptionsValidation",
            "You have chosen to use a graphical submit button style but have not specified a URL "
            "for the graphic. Please specify a URL for the button graphic in the space provided.");
    case OptionsProblem::MenuName:
        return QCoreApplication::translate(
            "OptionsValidation",
            "You must specify a name for the menu to be used in the code. This uniquely "
            "identifies this menu in case more than one menu is to be placed on the same page.");
    case OptionsProblem::None:
        break;
    }
    return {};
}

bool PreviewLacksGraphicUrl(const MenuOptions &o)
{
    return o.buttonKind == MenuOptions::GraphicButton && o.graphicUrl.isEmpty();
}

QString PreviewGraphicUrlMessage()
{
    return QCoreApplication::translate(
        "OptionsValidation",
        "You have chosen to use a graphic style button for your menu but have not entered a url "
        "for the graphic. You must enter a url or choose the default style button.");
}
