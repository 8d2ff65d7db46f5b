#include "codegen/IgnoredStyles.h"

#include <QCoreApplication>

#include "styles/FontChoice.h"

namespace {

// What "Restore Defaults" puts into the size box and onto the weight slider.
const QString kDefaultSize = QStringLiteral("13");
const QString kDefaultWeight = QStringLiteral("500");

// The generator's reading of the flags: only 1 is on, and only 0 turns the
// system colours off.
bool On(int flag)
{
    return flag == 1;
}

bool FontChanged(const QString &family, const QString &size, const QString &weight, int italic, int underline,
                 const QStringList &defaultFamilies)
{
    return !defaultFamilies.contains(family) || size != kDefaultSize || weight != kDefaultWeight || On(italic)
           || On(underline);
}

} // namespace

namespace IgnoredStyles {

QStringList DefaultFamilies(const QStringList &installedFamilies)
{
    QStringList out{FontChoice::PreferredFamily};
    for (const int index :
         {FontChoice::RestoreIndex(installedFamilies), FontChoice::StartupIndex(installedFamilies)}) {
        if (index >= 0 && !out.contains(installedFamilies.at(index)))
            out << installedFamilies.at(index);
    }
    return out;
}

bool MenuStyleChanged(const MenuStyleRecord &s, const QStringList &defaultFamilies)
{
    return FontChanged(s.mnuFont, s.mnuFontSize, s.mnuFontWeight, s.mnuItalic, s.mnuUnderline,
                       defaultFamilies)
           || !s.mnuWidth.isEmpty() || s.mnuSysClr == 0;
}

bool ButtonStyleChanged(const ButtonStyleRecord &s, const QStringList &defaultFamilies)
{
    return FontChanged(s.bttnFont, s.bttnFontSize, s.bttnFontWeight, s.bttnItalic, s.bttnUnderline,
                       defaultFamilies)
           || !s.bttnWidth.isEmpty() || !s.bttnHeight.isEmpty() || s.bttnSysClr == 0;
}

bool WritesTextButton(const MenuOptions &options)
{
    return options.navigation == MenuOptions::OnButtonClick
           && options.buttonKind == MenuOptions::DefaultButton;
}

bool Apply(const MenuProject &project, const QStringList &defaultFamilies)
{
    if (project.dialect != CodeDialect::Classic)
        return false;
    return MenuStyleChanged(project.menuStyle, defaultFamilies)
           || (WritesTextButton(project.options) && ButtonStyleChanged(project.buttonStyle, defaultFamilies));
}

QString Message()
{
    return QCoreApplication::translate(
        "IgnoredStyles", "This menu's styles (fonts, colors, sizes) will not show: classic code "
                         "writes them in a form that today's browsers ignore. HTML5 code writes "
                         "them so that browsers show them.");
}

} // namespace IgnoredStyles
