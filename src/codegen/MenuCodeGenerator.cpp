#include "codegen/MenuCodeGenerator.h"

namespace {

const QLatin1StringView kCrLf("\r\n");
const QLatin1StringView kOptionExpr(
    "thisform.selectsite.options[thisform.selectsite.options.selectedIndex].value");

// Number of characters (code points) in a text.
qsizetype charCount(const QString &text)
{
    qsizetype n = text.size();
    for (QChar c : text) {
        if (c.isLowSurrogate())
            --n;
    }
    return n;
}

// The text without its trailing blanks; leading blanks stay.
QStringView withoutTrailingBlanks(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return QStringView(text).left(end);
}

QLatin1StringView word(bool on, const char *onWord, const char *offWord)
{
    return QLatin1StringView(on ? onWord : offWord);
}

qsizetype longestItemLength(const QList<MenuItem> &items)
{
    qsizetype longest = 0;
    for (const MenuItem &item : items) {
        if (item.isSeparator())
            continue;
        longest = std::max(longest, charCount(item.text));
    }
    return longest;
}

qsizetype estimateBodySize(const MenuProject &p)
{
    qsizetype size = 1024 + p.options.menuName.size() * 3;
    for (const MenuItem &item : p.items)
        size += 40 + item.text.size() + item.url.size();
    return size;
}

void appendListOpening(QString &b, const MenuProject &p, bool itemChange)
{
    const MenuStyleRecord &s = p.menuStyle;
    if (itemChange) {
        b += QLatin1StringView("<SELECT name=\"selectsite\" onChange=\"gothere(document.");
        b += p.options.menuName;
        b += QLatin1StringView(");\" style=\"font-size='");
    } else {
        b += QLatin1StringView("<SELECT name=\"selectsite\" style=\"font-size='");
    }
    b += s.mnuFontSize;
    b += QLatin1StringView("px'; font-family='");
    b += s.mnuFont;
    b += QLatin1StringView("'; font-weight=");
    b += s.mnuFontWeight;
    b += QLatin1StringView("; font-style='");
    b += word(s.mnuItalic == 1, "Italic", "Normal");
    b += QLatin1StringView("'; text-decoration='");
    b += word(s.mnuUnderline == 1, "Underline", "None");
    b += QLatin1StringView("'; width=");
    b += s.mnuWidth;
    if (s.mnuSysClr == 0) {
        b += QLatin1StringView("; background-color='");
        b += s.mnuClr[1];
        b += QLatin1StringView("'; color='");
        b += s.mnuClr[0];
        b += QLatin1StringView("'");
    }
    b += QLatin1StringView("\">");
    b += kCrLf;
}

void appendOptions(QString &b, const QList<MenuItem> &items)
{
    const qsizetype longest = longestItemLength(items);
    for (const MenuItem &item : items) {
        if (item.isSeparator()) {
            b += QLatin1StringView("<OPTION value=\"nolink\">");
            b += QString(longest, QLatin1Char('-'));
            b += kCrLf;
            continue;
        }
        const bool notSelected = item.selected == menutext::kNo;
        if (item.linked == menutext::kNo) {
            b += notSelected ? QLatin1StringView("<OPTION value=\"nolink\">")
                             : QLatin1StringView("<OPTION value=\"nolink\" SELECTED>");
        } else if (item.linked == menutext::kYes) {
            b += QLatin1StringView("<OPTION value=\"");
            b += item.url;
            b += notSelected ? QLatin1StringView("\">") : QLatin1StringView("\" SELECTED>");
        } else {
            continue; // neither "Yes" nor "No": nothing is written for the item
        }
        b += withoutTrailingBlanks(item.text);
        b += kCrLf;
    }
}

void appendTextButton(QString &b, const MenuProject &p)
{
    const ButtonStyleRecord &s = p.buttonStyle;
    b += QLatin1StringView("<input type=\"submit\" value=\"");
    b += p.options.buttonText;
    b += QLatin1StringView("\" style=\"font-size='");
    b += s.bttnFontSize;
    b += QLatin1StringView("px'; font-family='");
    b += s.bttnFont;
    b += QLatin1StringView("'; font-style='");
    b += word(s.bttnItalic == 1, "Italic", "Normal");
    b += QLatin1StringView("'; text-decoration='");
    b += word(s.bttnUnderline == 1, "Underline", "None");
    b += QLatin1StringView("'; width=");
    b += s.bttnWidth;
    b += QLatin1StringView("; height=");
    b += s.bttnHeight;
    b += QLatin1StringView("; font-weight=");
    b += s.bttnFontWeight;
    if (s.bttnSysClr == 0) {
        b += QLatin1StringView("; background-color='");
        b += s.bttnClr[1];
        b += QLatin1StringView("'; color='");
        b += s.bttnClr[0];
        if (s.bttnNoBorder == 1) {
            b += QLatin1StringView("'");
        } else {
            b += QLatin1StringView("'; border-top-color='");
            b += s.bttnClr[2];
            b += QLatin1StringView("'; border-left-color='");
            b += s.bttnClr[3];
            b += QLatin1StringView("'; border-right-color='");
            b += s.bttnClr[4];
            b += QLatin1StringView("'; border-bottom-color='");
            b += s.bttnClr[5];
            b += QLatin1StringView("'; border-style='");
            b += QLatin1StringView("Solid");
            b += QLatin1StringView("';border-width=");
            b += s.bttnBorder;
        }
    }
    b += QLatin1StringView("\">");
    b += kCrLf;
}

void appendGraphicButton(QString &b, const MenuOptions &o)
{
    b += QLatin1StringView("<input type=\"image\" src=\"");
    b += o.graphicUrl;
    if (!o.graphicWidth.isEmpty()) {
        b += QLatin1StringView("\" width=\"");
        b += o.graphicWidth;
    }
    if (!o.graphicHeight.isEmpty()) {
        b += QLatin1StringView("\" height=\"");
        b += o.graphicHeight;
    }
    b += QLatin1StringView("\" alt=\"");
    b += o.altText;
    b += QLatin1StringView("\" border=0 value=\"Submit\">");
    b += kCrLf;
}

QString buildBody(const QString &mode, const MenuProject &p)
{
    const bool preview = mode == codegen::kPreviewMode;
    const MenuOptions &o = p.options;
    const bool buttonClick = o.navigation == MenuOptions::OnButtonClick;
    const bool itemChange = o.navigation == MenuOptions::OnItemChange;

    QString b;
    b.reserve(estimateBodySize(p));
    if (preview) {
        b += QLatin1StringView("<center><font color=\"red\" face=\"verdana\" size=5><b>Menu "
                               "Preview</b></font></center><br>\r\n");
        b += QLatin1StringView("<table align=\"center\" border=4 cellpadding=10 width=450><tr><td "
                               "align=\"center\" valign=\"middle\">\r\n");
        b += QLatin1StringView("<font face = \"verdana\" color=\"blue\" size=2>Below is what the "
                               "menu will look like on your page. The menu is fully "
                               "functional.</font><br><br>\r\n");
    }
    b += QLatin1StringView("<FORM name=\"");
    b += o.menuName;
    b += QLatin1StringView("\" action=\"javascript:gothere(document.");
    b += o.menuName;
    b += QLatin1StringView(");\" method=\"post\">\r\n");
    if (buttonClick) {
        b += QLatin1StringView("<table border=0><tr><td valign=\"");
        b += o.alignCaption();
        b += QLatin1StringView("\">\r\n");
    }
    appendListOpening(b, p, itemChange);
    appendOptions(b, p.items);
    b += QLatin1StringView("</select>\r\n");
    if (buttonClick) {
        b += QLatin1StringView("</td>\r\n");
        b += QLatin1StringView("<td>\r\n");
        if (o.buttonKind == MenuOptions::DefaultButton)
            appendTextButton(b, p);
        else if (o.buttonKind == MenuOptions::GraphicButton)
            appendGraphicButton(b, o);
        b += QLatin1StringView("</td></tr></table>\r\n");
    }
    b += QLatin1StringView("</form>\r\n");
    if (preview)
        b += QLatin1StringView("</td></tr></table>\r\n");
    return b;
}

} // namespace

QString GenerateHeadFragment(const MenuOptions &o)
{
    QString h;
    h.reserve(512 + o.frameName.size());
    h += QLatin1StringView("<script language=\"JavaScript\">\r\n"
                           "function gothere(mname)\r\n"
                           "{\r\n"
                           "var thisform = mname\r\n");
    h += QLatin1StringView(" if (thisform.selectsite.options[thisform.selectsite.options."
                           "selectedIndex].value != \"nolink\") ");
    switch (o.linkTarget) {
    case MenuOptions::SameWindow:
        h += QLatin1StringView("location.href=");
        h += kOptionExpr;
        break;
    case MenuOptions::NewWindow:
        h += QLatin1StringView("window.open(");
        h += kOptionExpr;
        h += QLatin1Char(')');
        break;
    case MenuOptions::DifferentFrame:
        h += QLatin1StringView("parent.");
        h += o.frameName;
        h += QLatin1StringView(".location.href=");
        h += kOptionExpr;
        break;
    default:
        break;
    }
    h += kCrLf;
    h += QLatin1StringView("}\r\n</script>\r\n");
    return h;
}

MenuCode GenerateMenuCode(const QString &mode, const MenuProject &project)
{
    return {GenerateHeadFragment(project.options), buildBody(mode, project)};
}
