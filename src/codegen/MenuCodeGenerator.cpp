#include "codegen/MenuCodeGenerator.h"

#include "codegen/Html5MenuCode.h"
#include "codegen/PartedWalk.h"
#include "codegen/TextBuilder.h"

namespace {

const QStringView kCrLf(u"\r\n");
const QStringView
    kOptionExpr(u"thisform.selectsite.options[thisform.selectsite.options.selectedIndex].value");

QStringView word(bool on, QStringView onWord, QStringView offWord)
{
    return on ? onWord : offWord;
}

// Head: its fixed texts are under 512 characters; the frame name comes once.
qint64 headLengthBound(const MenuOptions &o)
{
    return 512 + qint64(o.frameName.size());
}

// Body apart from the items: the fixed texts (preview decorations, form,
// list and button markup) are under 2048 characters; the menu name comes
// three times, every other field at most once.
qint64 fixedBodyLengthBound(const MenuProject &p)
{
    const MenuOptions &o = p.options;
    const MenuStyleRecord &m = p.menuStyle;
    const ButtonStyleRecord &b = p.buttonStyle;
    qint64 size = 2048 + 3 * qint64(o.menuName.size());
    for (const QString *t : {&o.buttonText, &o.graphicUrl, &o.altText, &o.graphicWidth, &o.graphicHeight,
                             &m.mnuFontSize, &m.mnuFont, &m.mnuFontWeight, &m.mnuWidth, &b.bttnFontSize,
                             &b.bttnFont, &b.bttnWidth, &b.bttnHeight, &b.bttnFontWeight, &b.bttnBorder})
        size += t->size();
    for (const QString &c : m.mnuClr)
        size += c.size();
    for (const QString &c : b.bttnClr)
        size += c.size();
    return size;
}

// Body: each item is at most 40 characters of markup plus its link and its
// text, a separator as many hyphens as the longest item.
qint64 bodyLengthBound(const MenuProject &p, const MenuItemSummary &items)
{
    return fixedBodyLengthBound(p) + 40 * items.count + items.separators * items.longest
           + items.textAndUrlLength;
}

// HTML5: the fixed fields escaped (at most six characters for one, the menu
// name's id twice), the frame name on the form; each item is at most 112
// characters of markup (its option and its fallback link) plus its text and
// link escaped, both twice, and the frame name on its link, a separator as
// many hyphens as the longest item.
qint64 html5LengthBound(const MenuProject &p, const MenuItemSummary &items)
{
    constexpr qint64 kScriptAndMarkup = 16384;
    constexpr qint64 kItemMarkup = 112;
    const qint64 target = MenuItemSummary::escapedLength(p.options.frameName);
    return 12 * fixedBodyLengthBound(p) + 6 * qint64(p.options.frameName.size()) + Html5HeadFragment().size()
           + kScriptAndMarkup + kItemMarkup * items.count
           + items.separators * std::max<qint64>(items.longest, 1) + 2 * items.htmlLength
           + (items.count - items.separators) * target;
}

void appendListOpening(TextBuilder &b, const MenuProject &p, bool itemChange, MenuCodeSpans *spans)
{
    const MenuStyleRecord &s = p.menuStyle;
    if (itemChange) {
        b += QStringView(u"<SELECT name=\"selectsite\" onChange=\"gothere(document.");
        b += p.options.menuName;
        b += QStringView(u");\" style=\"");
    } else {
        b += QStringView(u"<SELECT name=\"selectsite\" style=\"");
    }
    const qsizetype styleStart = b.size();
    b += QStringView(u"font-size='");
    b += s.mnuFontSize;
    b += QStringView(u"px'; font-family='");
    b += s.mnuFont;
    b += QStringView(u"'; font-weight=");
    b += s.mnuFontWeight;
    b += QStringView(u"; font-style='");
    b += word(s.mnuItalic == 1, u"Italic", u"Normal");
    b += QStringView(u"'; text-decoration='");
    b += word(s.mnuUnderline == 1, u"Underline", u"None");
    b += QStringView(u"'; width=");
    b += s.mnuWidth;
    if (s.mnuSysClr == 0) {
        b += QStringView(u"; background-color='");
        b += s.mnuClr[1];
        b += QStringView(u"'; color='");
        b += s.mnuClr[0];
        b += QStringView(u"'");
    }
    if (spans)
        spans->listStyle = {styleStart, b.size()};
    b += QStringView(u"\">");
    if (spans)
        spans->options.start = b.size();
    b += kCrLf;
}

void appendOption(TextBuilder &b, const ItemRef &item, const QByteArray &hyphens)
{
    if (item.separator) {
        b += "<OPTION value=\"nolink\">";
        b.appendUtf8(hyphens);
        b += "\r\n";
        return;
    }
    if (item.linkedNo) {
        if (item.selectedNo)
            b += "<OPTION value=\"nolink\">";
        else
            b += "<OPTION value=\"nolink\" SELECTED>";
    } else if (item.linkedYes) {
        b += "<OPTION value=\"";
        b += item.url;
        if (item.selectedNo)
            b += "\">";
        else
            b += "\" SELECTED>";
    } else {
        return; // neither "Yes" nor "No": nothing is written for the item
    }
    b += item.text.withoutTrailingBlanks();
    b += "\r\n";
}

void appendOptions(TextBuilder &b, const MenuItems &items)
{
    const QByteArray hyphens(items.summary.longest, '-');
    partedwalk::run(b, items,
                    [&](TextBuilder &to, qsizetype, const partedwalk::Walk &walk, partedwalk::Relay &) {
                        walk([&](const ItemRef &item) { appendOption(to, item, hyphens); });
                    });
}

void appendTextButton(TextBuilder &b, const MenuProject &p, MenuCodeSpans *spans)
{
    const ButtonStyleRecord &s = p.buttonStyle;
    b += QStringView(u"<input type=\"submit\" value=\"");
    b += p.options.buttonText;
    b += QStringView(u"\" style=\"");
    const qsizetype styleStart = b.size();
    b += QStringView(u"font-size='");
    b += s.bttnFontSize;
    b += QStringView(u"px'; font-family='");
    b += s.bttnFont;
    b += QStringView(u"'; font-style='");
    b += word(s.bttnItalic == 1, u"Italic", u"Normal");
    b += QStringView(u"'; text-decoration='");
    b += word(s.bttnUnderline == 1, u"Underline", u"None");
    b += QStringView(u"'; width=");
    b += s.bttnWidth;
    b += QStringView(u"; height=");
    b += s.bttnHeight;
    b += QStringView(u"; font-weight=");
    b += s.bttnFontWeight;
    if (s.bttnSysClr == 0) {
        b += QStringView(u"; background-color='");
        b += s.bttnClr[1];
        b += QStringView(u"'; color='");
        b += s.bttnClr[0];
        if (s.bttnNoBorder == 1) {
            b += QStringView(u"'");
        } else {
            b += QStringView(u"'; border-top-color='");
            b += s.bttnClr[2];
            b += QStringView(u"'; border-left-color='");
            b += s.bttnClr[3];
            b += QStringView(u"'; border-right-color='");
            b += s.bttnClr[4];
            b += QStringView(u"'; border-bottom-color='");
            b += s.bttnClr[5];
            b += QStringView(u"'; border-style='");
            b += QStringView(u"Solid");
            b += QStringView(u"';border-width=");
            b += s.bttnBorder;
        }
    }
    if (spans)
        spans->buttonStyle = {styleStart, b.size()};
    b += QStringView(u"\">");
    b += kCrLf;
}

void appendGraphicButton(TextBuilder &b, const MenuOptions &o)
{
    b += QStringView(u"<input type=\"image\" src=\"");
    b += o.graphicUrl;
    if (!o.graphicWidth.isEmpty()) {
        b += QStringView(u"\" width=\"");
        b += o.graphicWidth;
    }
    if (!o.graphicHeight.isEmpty()) {
        b += QStringView(u"\" height=\"");
        b += o.graphicHeight;
    }
    b += QStringView(u"\" alt=\"");
    b += o.altText;
    b += QStringView(u"\" border=0 value=\"Submit\">");
    b += kCrLf;
}

void appendBody(TextBuilder &b, const QString &mode, const MenuProject &p, const MenuItems &items,
                MenuCodeSpans *spans = nullptr)
{
    const bool preview = mode == codegen::kPreviewMode;
    const MenuOptions &o = p.options;
    const bool buttonClick = o.navigation == MenuOptions::OnButtonClick;
    const bool itemChange = o.navigation == MenuOptions::OnItemChange;

    if (preview) {
        b += QStringView(u"<center><font color=\"red\" face=\"verdana\" size=5><b>Menu "
                         "Preview</b></font></center><br>\r\n");
        b += QStringView(u"<table align=\"center\" border=4 cellpadding=10 width=450><tr><td "
                         "align=\"center\" valign=\"middle\">\r\n");
        b += QStringView(u"<font face = \"verdana\" color=\"blue\" size=2>Below is what the "
                         "menu will look like on your page. The menu is fully "
                         "functional.</font><br><br>\r\n");
    }
    b += QStringView(u"<FORM name=\"");
    b += o.menuName;
    b += QStringView(u"\" action=\"javascript:gothere(document.");
    b += o.menuName;
    b += QStringView(u");\" method=\"post\">\r\n");
    if (buttonClick) {
        b += QStringView(u"<table border=0><tr><td valign=\"");
        b += o.alignCaption();
        b += QStringView(u"\">\r\n");
    }
    appendListOpening(b, p, itemChange, spans);
    appendOptions(b, items);
    if (spans)
        spans->options.end = b.size();
    b += QStringView(u"</select>\r\n");
    if (buttonClick) {
        b += QStringView(u"</td>\r\n");
        b += QStringView(u"<td>\r\n");
        if (o.buttonKind == MenuOptions::DefaultButton)
            appendTextButton(b, p, spans);
        else if (o.buttonKind == MenuOptions::GraphicButton)
            appendGraphicButton(b, o);
        b += QStringView(u"</td></tr></table>\r\n");
    }
    b += QStringView(u"</form>\r\n");
    if (preview)
        b += QStringView(u"</td></tr></table>\r\n");
}

QString buildBody(const QString &mode, const MenuProject &p, MenuCodeSpans *spans)
{
    const MenuItems items = MenuItems::of(p.items);
    TextBuilder b(bodyLengthBound(p, items.summary));
    appendBody(b, mode, p, items, spans);
    return b.take();
}

} // namespace

QString GenerateHeadFragment(const MenuOptions &o)
{
    TextBuilder h(headLengthBound(o));
    h += QStringView(u"<script language=\"JavaScript\">\r\n"
                     "function gothere(mname)\r\n"
                     "{\r\n"
                     "var thisform = mname\r\n");
    h += QStringView(u" if (thisform.selectsite.options[thisform.selectsite.options."
                     "selectedIndex].value != \"nolink\") ");
    switch (o.linkTarget) {
    case MenuOptions::SameWindow:
        h += QStringView(u"location.href=");
        h += kOptionExpr;
        break;
    case MenuOptions::NewWindow:
        h += QStringView(u"window.open(");
        h += kOptionExpr;
        h += QLatin1Char(')');
        break;
    case MenuOptions::DifferentFrame:
        h += QStringView(u"parent.");
        h += o.frameName;
        h += QStringView(u".location.href=");
        h += kOptionExpr;
        break;
    default:
        break;
    }
    h += kCrLf;
    h += QStringView(u"}\r\n</script>\r\n");
    return h.take();
}

qint64 MenuCodeLengthBound(const MenuProject &project)
{
    return MenuCodeLengthBound(project, MenuItemSummary::of(project.items));
}

qint64 MenuCodeLengthBound(const MenuProject &project, const MenuItemSummary &items)
{
    if (project.dialect == CodeDialect::Html5)
        return html5LengthBound(project, items);
    return headLengthBound(project.options) + bodyLengthBound(project, items);
}

MenuCode GenerateMenuCode(const QString &mode, const MenuProject &project)
{
    return GenerateMenuCode(mode, project, nullptr);
}

MenuCode GenerateMenuCode(const QString &mode, const MenuProject &project, MenuCodeSpans *spans)
{
    if (spans)
        *spans = {};
    if (project.dialect == CodeDialect::Html5) {
        MenuCode code = GenerateHtml5MenuCode(mode, project, spans);
        code.lang = project.lang;
        return code;
    }
    return {GenerateHeadFragment(project.options), buildBody(mode, project, spans), CodeDialect::Classic,
            project.lang};
}

void AppendMenuBody(TextBuilder &out, const QString &mode, const MenuProject &project)
{
    AppendMenuBody(out, mode, project, MenuItems::of(project.items));
}

void AppendMenuBody(TextBuilder &out, const QString &mode, const MenuProject &project, const MenuItems &items)
{
    if (project.dialect == CodeDialect::Html5)
        AppendHtml5MenuBody(out, mode, project, items);
    else
        appendBody(out, mode, project, items);
}

QString GenerateDialectHead(const MenuProject &project)
{
    return project.dialect == CodeDialect::Html5 ? Html5HeadFragment()
                                                 : GenerateHeadFragment(project.options);
}
