#include "help/HelpTopics.h"

#include <QCoreApplication>
#include <QSet>

namespace HelpTopics {

QUrl url(const QString &topic)
{
    return QUrl(QStringLiteral("qthelp://%1/doc/%2").arg(QLatin1String(kNamespace), topic));
}

namespace {

// clang-format off
constexpr ContextEntry kEntries[] = {
    // Main window: item entry.
    {"Form1", "Frame1", QT_TRANSLATE_NOOP("HelpTopics", "Type an entry here and add it to the menu list."), "item-properties.html"},
    {"Form1", "itemtexttext", QT_TRANSLATE_NOOP("HelpTopics", "The text the visitor sees in the menu, used exactly as typed."), "item-properties.html"},
    {"Form1", "linktext", QT_TRANSLATE_NOOP("HelpTopics", "The address the entry opens. You can drag a link here from your browser."), "item-properties.html"},
    {"Form1", "chkindent", QT_TRANSLATE_NOOP("HelpTopics", "Sets the entry in under the one above it (prefix \"--- \")."), "item-properties.html"},
    {"Form1", "chksel", QT_TRANSLATE_NOOP("HelpTopics", "Makes the entry the one the menu shows when the page opens."), "item-properties.html"},
    {"Form1", "notlinkchk", QT_TRANSLATE_NOOP("HelpTopics", "An entry without address, such as a heading. The link field is ignored."), "item-properties.html"},
    {"Form1", "additemcmd", QT_TRANSLATE_NOOP("HelpTopics", "Adds the entry at the end of the list and clears the fields."), "item-properties.html"},
    {"Form1", "Addsepcmd", QT_TRANSLATE_NOOP("HelpTopics", "Adds a dividing line at the end of the list."), "item-properties.html"},
    {"Form1", "cmdup", QT_TRANSLATE_NOOP("HelpTopics", "Replaces the entry selected in the list with the fields."), "item-properties.html"},
    // Main window: the list and its commands.
    {"Form1", "Frame2", QT_TRANSLATE_NOOP("HelpTopics", "The menu's entries in order. Right-click an entry for its commands."), "menu-list.html"},
    {"Form1", "lv", QT_TRANSLATE_NOOP("HelpTopics", "The menu's entries in order. Right-click an entry for its commands."), "menu-list.html"},
    {"Form1", "movup", QT_TRANSLATE_NOOP("HelpTopics", "Moves the selected entry up one place."), "menu-list.html"},
    {"Form1", "movdn", QT_TRANSLATE_NOOP("HelpTopics", "Moves the selected entry down one place."), "menu-list.html"},
    {"Form1", "indent", QT_TRANSLATE_NOOP("HelpTopics", "Sets the selected entry in."), "menu-list.html"},
    {"Form1", "unindent", QT_TRANSLATE_NOOP("HelpTopics", "Takes the indentation off the selected entry."), "menu-list.html"},
    {"Form1", "selected", QT_TRANSLATE_NOOP("HelpTopics", "Makes the selected entry the menu's default selection."), "menu-list.html"},
    {"Form1", "edit", QT_TRANSLATE_NOOP("HelpTopics", "Loads the selected entry into the fields; change them and press Update."), "menu-list.html"},
    {"Form1", "delete", QT_TRANSLATE_NOOP("HelpTopics", "Removes the selected entry."), "menu-list.html"},
    {"Form1", "mnuListPop*", QT_TRANSLATE_NOOP("HelpTopics", "Commands for the selected entry."), "menu-list.html"},
    // Main window: menu options.
    {"Form1", "Frame4", QT_TRANSLATE_NOOP("HelpTopics", "How the menu works on the page."), "menu-options.html"},
    {"Form1", "txtmnm", QT_TRANSLATE_NOOP("HelpTopics", "The name of the menu's form. Each menu on a page needs its own."), "menu-options.html"},
    {"Form1", "targetcombo", QT_TRANSLATE_NOOP("HelpTopics", "Where a chosen address opens: this window, a new one, or a frame."), "menu-options.html"},
    {"Form1", "txtfrm", QT_TRANSLATE_NOOP("HelpTopics", "The name of the frame that shows the chosen addresses."), "menu-options.html"},
    {"Form1", "menubehavopt_0", QT_TRANSLATE_NOOP("HelpTopics", "The visitor chooses an entry and presses the button."), "menu-options.html"},
    {"Form1", "menubehavopt_1", QT_TRANSLATE_NOOP("HelpTopics", "The menu goes to an entry's address as soon as it is chosen."), "menu-options.html"},
    {"Form1", "cmbbttnaln", QT_TRANSLATE_NOOP("HelpTopics", "How the list sits beside the button."), "menu-options.html"},
    {"Form1", "cmdAdvMnu", QT_TRANSLATE_NOOP("HelpTopics", "Font, colours and width of the list."), "menu-style.html"},
    // Main window: submit button options.
    {"Form1", "Frame3", QT_TRANSLATE_NOOP("HelpTopics", "The button beside the list."), "button-options.html"},
    {"Form1", "buttonpropopt_0", QT_TRANSLATE_NOOP("HelpTopics", "A text button drawn by the browser."), "button-options.html"},
    {"Form1", "buttonpropopt_1", QT_TRANSLATE_NOOP("HelpTopics", "A picture used as the button."), "button-options.html"},
    {"Form1", "buttontxttxt", QT_TRANSLATE_NOOP("HelpTopics", "The caption of the text button."), "button-options.html"},
    {"Form1", "cmdBttnAdv", QT_TRANSLATE_NOOP("HelpTopics", "Font, colours, border and size of the text button."), "button-style.html"},
    {"Form1", "buttngrurl", QT_TRANSLATE_NOOP("HelpTopics", "The address of the button's picture."), "button-options.html"},
    {"Form1", "txtalt", QT_TRANSLATE_NOOP("HelpTopics", "Shown when the picture cannot be shown; read out by screen readers."), "button-options.html"},
    {"Form1", "txtw", QT_TRANSLATE_NOOP("HelpTopics", "The picture's width in pixels; empty for its own width."), "button-options.html"},
    {"Form1", "txth", QT_TRANSLATE_NOOP("HelpTopics", "The picture's height in pixels; empty for its own height."), "button-options.html"},
    {"Form1", "Command1", QT_TRANSLATE_NOOP("HelpTopics", "Opens Brookfen's page of free button pictures in your browser."), "button-options.html"},
    // Main window: menu bar and toolbar.
    {"Form1", "mnuFileNew", QT_TRANSLATE_NOOP("HelpTopics", "Clears the list and the options and starts again, without asking."), "commands.html"},
    {"Form1", "newproj", QT_TRANSLATE_NOOP("HelpTopics", "Clears the list and the options and starts again, without asking."), "commands.html"},
    {"Form1", "mnuFileLoad", QT_TRANSLATE_NOOP("HelpTopics", "Opens a saved menu project."), "projects.html"},
    {"Form1", "loadproj", QT_TRANSLATE_NOOP("HelpTopics", "Opens a saved menu project."), "projects.html"},
    {"Form1", "mnuFileImport", QT_TRANSLATE_NOOP("HelpTopics", "Makes the menu from a drop-down list of a web page; Undo takes it back."), "import.html"},
    {"Form1", "mnuFileFromSite", QT_TRANSLATE_NOOP("HelpTopics", "Makes a new menu with an entry for every page of a site's folder; Undo takes it back."), "from-site.html"},
    {"Form1", "mnuFileFromSitemap", QT_TRANSLATE_NOOP("HelpTopics", "Makes a new menu with an entry for every address of a sitemap; Undo takes it back."), "from-sitemap.html"},
    {"Form1", "mnuToolsCheckLinks", QT_TRANSLATE_NOOP("HelpTopics", "Checks the menu's links against the site's files and marks the entries whose link fails."), "check-links.html"},
    {"Form1", "mnuFileSaveProj", QT_TRANSLATE_NOOP("HelpTopics", "Saves the menu in a project file."), "projects.html"},
    {"Form1", "saveproj", QT_TRANSLATE_NOOP("HelpTopics", "Saves the menu in a project file."), "projects.html"},
    {"Form1", "mnuFileCopy", QT_TRANSLATE_NOOP("HelpTopics", "Shows the menu's code, ready to copy into your page."), "code-window.html"},
    {"Form1", "savecodeclip", QT_TRANSLATE_NOOP("HelpTopics", "Shows the menu's code, ready to copy into your page."), "code-window.html"},
    {"Form1", "mnuFileCodeFile", QT_TRANSLATE_NOOP("HelpTopics", "Saves the menu's code as a complete page."), "code-window.html"},
    {"Form1", "savecodefile", QT_TRANSLATE_NOOP("HelpTopics", "Saves the menu's code as a complete page."), "code-window.html"},
    {"Form1", "mnuFileExit", QT_TRANSLATE_NOOP("HelpTopics", "Closes Quillnav without asking."), "commands.html"},
    {"Form1", "mnuPrevBr", QT_TRANSLATE_NOOP("HelpTopics", "Shows the menu working in your browser."), "preview.html"},
    {"Form1", "preview", QT_TRANSLATE_NOOP("HelpTopics", "Shows the menu working in your browser."), "preview.html"},
    {"Form1", "mnuEditPrefs", QT_TRANSLATE_NOOP("HelpTopics", "Chooses the code of new menus, and whether Quillnav says when classic code's styles will not show."), "commands.html"},
    {"Form1", "mnuViewLivePreview", QT_TRANSLATE_NOOP("HelpTopics", "Shows or hides the pane with the menu as you work."), "live-preview.html"},
    {"Form1", "dockLivePreview", QT_TRANSLATE_NOOP("HelpTopics", "The menu as the browser preview shows it, updated after every change. Picking an entry shows where it leads."), "live-preview.html"},
    {"Form1", "mnuHlpCont", QT_TRANSLATE_NOOP("HelpTopics", "Opens the help at its contents."), "commands.html"},
    {"Form1", "help", QT_TRANSLATE_NOOP("HelpTopics", "Opens the help at its contents."), "commands.html"},
    {"Form1", "mnuHelpTut", QT_TRANSLATE_NOOP("HelpTopics", "Opens the tutorial, which builds a first menu."), "tutorial.html"},
    {"Form1", "mnuHelpCtx", QT_TRANSLATE_NOOP("HelpTopics", "Click a control afterwards to read what it does."), "commands.html"},
    {"Form1", "wthis", QT_TRANSLATE_NOOP("HelpTopics", "Click a control afterwards to read what it does."), "commands.html"},
    {"Form1", "mnuHlpAb", QT_TRANSLATE_NOOP("HelpTopics", "Version, web site and support address."), "commands.html"},
    {"Form1", "about", QT_TRANSLATE_NOOP("HelpTopics", "Version, web site and support address."), "commands.html"},
    // Generated code window.
    {"Form3", "Text1", QT_TRANSLATE_NOOP("HelpTopics", "The script for the head of your page."), "code-window.html"},
    {"Form3", "Command1", QT_TRANSLATE_NOOP("HelpTopics", "Copies the script to the clipboard."), "code-window.html"},
    {"Form3", "Text2", QT_TRANSLATE_NOOP("HelpTopics", "The form for the body of your page, where the menu is to appear."), "code-window.html"},
    {"Form3", "Command2", QT_TRANSLATE_NOOP("HelpTopics", "Copies the form to the clipboard."), "code-window.html"},
    {"Form3", "Command3", QT_TRANSLATE_NOOP("HelpTopics", "Saves both parts as a complete page."), "code-window.html"},
    {"Form3", "Command4", QT_TRANSLATE_NOOP("HelpTopics", "Closes this window."), "code-window.html"},
    // Menu style dialog.
    {"frmAdvMnuOp", "chkconstmnuwdth", QT_TRANSLATE_NOOP("HelpTopics", "Ticked: the list takes the width its entries need."), "menu-style.html"},
    {"frmAdvMnuOp", "txtMW", QT_TRANSLATE_NOOP("HelpTopics", "The width of the list in pixels."), "menu-style.html"},
    {"frmAdvMnuOp", "chkmnusysclr", QT_TRANSLATE_NOOP("HelpTopics", "Ticked: the visitor's own colours are used."), "menu-style.html"},
    {"frmAdvMnuOp", "lbldesc_*", QT_TRANSLATE_NOOP("HelpTopics", "A colour of the list."), "colours.html"},
    {"frmAdvMnuOp", "lblclr_*", QT_TRANSLATE_NOOP("HelpTopics", "Shows the colour."), "colours.html"},
    {"frmAdvMnuOp", "txtclr_*", QT_TRANSLATE_NOOP("HelpTopics", "The colour as #RRGGBB: type six hexadecimal digits."), "colours.html"},
    {"frmAdvMnuOp", "cmdclr_*", QT_TRANSLATE_NOOP("HelpTopics", "Chooses the colour in the colour chooser."), "colours.html"},
    {"frmAdvMnuOp", "lblcontrast", QT_TRANSLATE_NOOP("HelpTopics", "Warns that the text of the list is hard to read on its background."), "colours.html"},
    {"frmAdvMnuOp", "combofont", QT_TRANSLATE_NOOP("HelpTopics", "The font of the entries."), "menu-style.html"},
    {"frmAdvMnuOp", "combofontsize", QT_TRANSLATE_NOOP("HelpTopics", "The font size in pixels; choose or type it."), "menu-style.html"},
    {"frmAdvMnuOp", "chkmnufntI", QT_TRANSLATE_NOOP("HelpTopics", "Sets the entries in italics."), "menu-style.html"},
    {"frmAdvMnuOp", "chkmnufntU", QT_TRANSLATE_NOOP("HelpTopics", "Underlines the entries."), "menu-style.html"},
    {"frmAdvMnuOp", "Slider1", QT_TRANSLATE_NOOP("HelpTopics", "The font weight, from 100 (lighter) to 900 (bolder); 500 is normal."), "menu-style.html"},
    {"frmAdvMnuOp", "Command8", QT_TRANSLATE_NOOP("HelpTopics", "Keeps the changes."), "menu-style.html"},
    {"frmAdvMnuOp", "Command9", QT_TRANSLATE_NOOP("HelpTopics", "Forgets the changes made since the dialog opened."), "menu-style.html"},
    {"frmAdvMnuOp", "cmdrestdef", QT_TRANSLATE_NOOP("HelpTopics", "Puts the start-up values back."), "menu-style.html"},
    // Button style dialog.
    {"FrmAdvBttnOp", "chkconstbttnsz", QT_TRANSLATE_NOOP("HelpTopics", "Ticked: the button takes the size its text needs."), "button-style.html"},
    {"FrmAdvBttnOp", "txtBW", QT_TRANSLATE_NOOP("HelpTopics", "The button's width in pixels."), "button-style.html"},
    {"FrmAdvBttnOp", "txtBH", QT_TRANSLATE_NOOP("HelpTopics", "The button's height in pixels."), "button-style.html"},
    {"FrmAdvBttnOp", "txtBT", QT_TRANSLATE_NOOP("HelpTopics", "The width of the button's border in pixels."), "button-style.html"},
    {"FrmAdvBttnOp", "nbchk", QT_TRANSLATE_NOOP("HelpTopics", "A button without border."), "button-style.html"},
    {"FrmAdvBttnOp", "chksysbttnclr", QT_TRANSLATE_NOOP("HelpTopics", "Ticked: the visitor's own button colours and border are used."), "button-style.html"},
    {"FrmAdvBttnOp", "Check1", QT_TRANSLATE_NOOP("HelpTopics", "The left border takes the colour of the top border."), "button-style.html"},
    {"FrmAdvBttnOp", "Check2", QT_TRANSLATE_NOOP("HelpTopics", "The bottom border takes the colour of the right border."), "button-style.html"},
    {"FrmAdvBttnOp", "lbldesc_*", QT_TRANSLATE_NOOP("HelpTopics", "A colour of the button."), "colours.html"},
    {"FrmAdvBttnOp", "lblclr_*", QT_TRANSLATE_NOOP("HelpTopics", "Shows the colour."), "colours.html"},
    {"FrmAdvBttnOp", "txtclr_*", QT_TRANSLATE_NOOP("HelpTopics", "The colour as #RRGGBB: type six hexadecimal digits."), "colours.html"},
    {"FrmAdvBttnOp", "cmdclr_*", QT_TRANSLATE_NOOP("HelpTopics", "Chooses the colour in the colour chooser."), "colours.html"},
    {"FrmAdvBttnOp", "lblcontrast", QT_TRANSLATE_NOOP("HelpTopics", "Warns that the text of the button is hard to read on its background."), "colours.html"},
    {"FrmAdvBttnOp", "combofont", QT_TRANSLATE_NOOP("HelpTopics", "The font of the caption."), "button-style.html"},
    {"FrmAdvBttnOp", "combofontsize", QT_TRANSLATE_NOOP("HelpTopics", "The font size in pixels; choose or type it."), "button-style.html"},
    {"FrmAdvBttnOp", "chkbttnfntIT", QT_TRANSLATE_NOOP("HelpTopics", "Sets the caption in italics."), "button-style.html"},
    {"FrmAdvBttnOp", "chkbttnfntUL", QT_TRANSLATE_NOOP("HelpTopics", "Underlines the caption."), "button-style.html"},
    {"FrmAdvBttnOp", "Slider1", QT_TRANSLATE_NOOP("HelpTopics", "The font weight, from 100 (lighter) to 900 (bolder); 500 is normal."), "button-style.html"},
    {"FrmAdvBttnOp", "Command8", QT_TRANSLATE_NOOP("HelpTopics", "Keeps the changes."), "button-style.html"},
    {"FrmAdvBttnOp", "Command9", QT_TRANSLATE_NOOP("HelpTopics", "Forgets the changes made since the dialog opened."), "button-style.html"},
    {"FrmAdvBttnOp", "cmdrestdef", QT_TRANSLATE_NOOP("HelpTopics", "Puts the start-up values back."), "button-style.html"},
};
// clang-format on

bool matches(const char *pattern, QStringView name)
{
    const QLatin1StringView p(pattern);
    if (p.endsWith(QLatin1Char('*')))
        return name.startsWith(p.chopped(1));
    return name == p;
}

} // namespace

std::span<const ContextEntry> contextEntries()
{
    return kEntries;
}

const ContextEntry *findContextEntry(QStringView window, QStringView control)
{
    if (control.isEmpty())
        return nullptr;
    for (const ContextEntry &entry : kEntries) {
        if (window == QLatin1StringView(entry.window) && matches(entry.control, control))
            return &entry;
    }
    return nullptr;
}

QStringList referencedTopics()
{
    QStringList topics{QLatin1String(kContents), QLatin1String(kTutorial), QLatin1String(kColours)};
    for (const ContextEntry &entry : kEntries)
        topics << QLatin1String(entry.topic);
    topics.removeDuplicates();
    return topics;
}

} // namespace HelpTopics
