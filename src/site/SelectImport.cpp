#include "site/SelectImport.h"

#include <QCoreApplication>

#include "codegen/CodeLimit.h"
#include "menu/ProjectFile.h"
#include "platform/TextTrim.h"
#include "site/CssDeclarations.h"
#include "styles/CssFontFamily.h"

#include <QLocale>
#include <QRegularExpression>

#include <utility>

namespace SelectImport {

namespace {

constexpr char16_t kNbsp = 0x00A0;
constexpr char16_t kIdeographicSpace = 0x3000;

bool isAsciiSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// The spaces that a browser shows at the start of an entry.
bool isVisibleSpace(QChar c)
{
    return c == kNbsp || c == kIdeographicSpace;
}

// Embeddings, overrides and isolates, which could make a text show reversed.
bool isDirectionControl(QChar c)
{
    return (c >= u'\u202A' && c <= u'\u202E') || (c >= u'\u2066' && c <= u'\u2069');
}

bool isDash(QChar c)
{
    return c == u'-' || c == u'_' || c == u'=' || c == u'\u2013' || c == u'\u2014' || c == u'\u2015'
           || c == u'\u2500' || c == u'\u2501';
}

bool isDashRun(const QString &text)
{
    return !text.isEmpty()
           && std::all_of(text.begin(), text.end(), [](QChar c) { return isDash(c) || c == u' '; })
           && std::any_of(text.begin(), text.end(), isDash);
}

// Cuts a text to the project's limit without splitting a surrogate pair.
bool cut(QString *text)
{
    if (text->size() <= ProjectFile::kMaxTextLength)
        return false;
    *text = CutAtLength(*text, ProjectFile::kMaxTextLength);
    return true;
}

bool isScriptName(const QString &name)
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_$][A-Za-z0-9_$]*$"));
    return name.size() <= 255 && identifier.match(name).hasMatch();
}

// The menu name from the list's id "quillnav-<token>" (WebEscape::idToken);
// false when the id is not one.
bool nameFromId(const QString &id, QString *name)
{
    const QLatin1StringView prefix("quillnav-");
    if (!id.startsWith(prefix))
        return false;
    QString out;
    for (qsizetype i = prefix.size(); i < id.size(); ++i) {
        const QChar c = id.at(i);
        if (c != u'_') {
            if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'-')
                return false;
            out += c;
            continue;
        }
        const qsizetype end = id.indexOf(u'_', i + 1);
        bool ok = false;
        const uint code = end > i + 1 && end - i <= 7 ? id.mid(i + 1, end - i - 1).toUInt(&ok, 16) : 0;
        if (!ok || code > 0x10FFFF)
            return false;
        const char32_t c32 = code;
        out += QString::fromUcs4(&c32, 1);
        i = end;
    }
    *name = out;
    return true;
}

// A CSS length "<digits>px" of at most four digits, as the project holds it.
bool pixels(const QHash<QString, QString> &css, const char *property, QString *out)
{
    static const QRegularExpression px(QStringLiteral("^([0-9]{1,4})px$"));
    const QRegularExpressionMatch m = px.match(css.value(QLatin1String(property)));
    if (m.hasMatch())
        *out = m.captured(1);
    return m.hasMatch();
}

// How a style is read: the HTML5 code's CSS, or the classic code's texts,
// which come back as the user typed them into the style dialogs.
struct StyleReading {
    bool classic = false;
    QStringList *notes = nullptr; // classic: what was left out
};

// A width, height or border thickness: a CSS length in px from the HTML5
// code; from the classic code the box's text as written, which the box
// holds up to 4 characters of: any text for the list's width ("120",
// "10em", "50%"), digits for the button's. Another is named in a note,
// `leftOut` (translated in "PageImport", with the value and the limit).
void length(const QHash<QString, QString> &css, const char *property, const StyleReading &reading,
            const char *leftOut, QString *out, bool digitsOnly = true)
{
    if (!reading.classic) {
        pixels(css, property, out);
        return;
    }
    static const QRegularExpression digits(QStringLiteral("^[0-9]*$"));
    const QString value = css.value(QLatin1String(property));
    constexpr qsizetype kBoxLength = 4;
    if (value.size() <= kBoxLength && (!digitsOnly || digits.match(value).hasMatch())) {
        *out = value;
        return;
    }
    reading.notes->append(
        QCoreApplication::translate("PageImport", leftOut).arg(CutAtLength(value, 40)).arg(kBoxLength));
}

// A colour "#RRGGBB": from the classic code as written, from the HTML5 code in upper case as it writes them.
bool colour(const QHash<QString, QString> &css, const char *property, const StyleReading &reading,
            QString *out)
{
    static const QRegularExpression hex(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    const QString value = css.value(QLatin1String(property));
    if (hex.match(value).hasMatch())
        *out = reading.classic ? value : value.toUpper();
    return hex.match(value).hasMatch();
}

// Font size, family, weight, slant and underline, shared by the two styles.
void readFont(const QHash<QString, QString> &css, QString *size, QString *family, QString *weight,
              int *italic, int *underline)
{
    static const QRegularExpression sizePx(QStringLiteral("^([0-9]{1,6})px$"));
    static const QRegularExpression weightDigits(QStringLiteral("^[1-9][0-9]{2}$"));
    const QRegularExpressionMatch m = sizePx.match(css.value(QStringLiteral("font-size")));
    if (m.hasMatch())
        *size = m.captured(1);
    const QString f = css.value(QStringLiteral("font-family"));
    if (!f.trimmed().isEmpty())
        *family = CutAtLength(f, ProjectFile::kMaxTextLength);
    const QString w = css.value(QStringLiteral("font-weight"));
    if (weightDigits.match(w).hasMatch() && w.toInt() <= 900)
        *weight = w;
    *italic = css.value(QStringLiteral("font-style")) == QLatin1String("italic") ? 1 : 0;
    *underline = css.value(QStringLiteral("text-decoration")) == QLatin1String("underline") ? 1 : 0;
}

// The HTML5 code's font list: the family, then the generic fallback if any.
void readFamilies(const QString &style, QString *family, QString *fallback)
{
    const QStringList families = ParseCssFontFamilies(style);
    if (families.isEmpty() || families.first().trimmed().isEmpty())
        return;
    *family = CutAtLength(families.first(), ProjectFile::kMaxTextLength);
    if (families.size() > 1 && cssfont::isGeneric(families.at(1)))
        *fallback = families.at(1);
}

void readListStyle(const QHash<QString, QString> &css, const StyleReading &reading, MenuStyleRecord *s)
{
    readFont(css, &s->mnuFontSize, &s->mnuFont, &s->mnuFontWeight, &s->mnuItalic, &s->mnuUnderline);
    length(css, "width", reading,
           QT_TRANSLATE_NOOP("PageImport",
                             "The list's width \"%1\" was left out: its box holds at most %2 characters."),
           &s->mnuWidth, false);
    const bool back = colour(css, "background-color", reading, &s->mnuClr[1]);
    if (colour(css, "color", reading, &s->mnuClr[0]) || back)
        s->mnuSysClr = 0;
}

void readButtonStyle(const QHash<QString, QString> &css, const StyleReading &reading, ButtonStyleRecord *s)
{
    readFont(css, &s->bttnFontSize, &s->bttnFont, &s->bttnFontWeight, &s->bttnItalic, &s->bttnUnderline);
    length(css, "width", reading,
           QT_TRANSLATE_NOOP("PageImport",
                             "The button's width \"%1\" was left out: its box holds at most %2 digits."),
           &s->bttnWidth);
    length(css, "height", reading,
           QT_TRANSLATE_NOOP("PageImport",
                             "The button's height \"%1\" was left out: its box holds at most %2 digits."),
           &s->bttnHeight);
    const bool back = colour(css, "background-color", reading, &s->bttnClr[1]);
    if (colour(css, "color", reading, &s->bttnClr[0]) || back)
        s->bttnSysClr = 0;
    const QString border = css.value(QStringLiteral("border-style"));
    if (border == QLatin1String("none") || border == QLatin1String("solid"))
        s->bttnNoBorder = border == QLatin1String("none") ? 1 : 0;
    static const char *const sides[] = {"border-top-color", "border-left-color", "border-right-color",
                                        "border-bottom-color"};
    for (int i = 0; i < 4; ++i)
        colour(css, sides[i], reading, &s->bttnClr[std::size_t(i) + 2]);
    length(css, "border-width", reading,
           QT_TRANSLATE_NOOP(
               "PageImport",
               "The button's border thickness \"%1\" was left out: its box holds at most %2 digits."),
           &s->bttnBorder);
}

void readClassicTarget(const QString &script, MenuOptions *o)
{
    const QLatin1StringView frame("!= \"nolink\") parent.");
    const qsizetype p = script.indexOf(frame);
    const qsizetype q = script.lastIndexOf(QLatin1StringView(".location.href=thisform"));
    if (script.contains(QLatin1StringView("window.open(thisform"))) {
        o->linkTarget = MenuOptions::NewWindow;
    } else if (p >= 0 && q >= p + frame.size()) {
        o->linkTarget = MenuOptions::DifferentFrame;
        o->frameName =
            CutAtLength(script.mid(p + frame.size(), q - p - frame.size()), ProjectFile::kMaxTextLength);
    }
}

void readOptions(const PageSelect &s, Origin origin, const QString &classicScript, MenuProject *p,
                 QStringList *notes)
{
    MenuOptions &o = p->options;
    const PageButton &b = s.button;
    if (origin == Origin::Classic) {
        o.menuName = s.formName;
        o.navigation = s.hasOnchange ? MenuOptions::OnItemChange : MenuOptions::OnButtonClick;
        readClassicTarget(classicScript, &o);
        const int align = int(MenuOptions::alignCaptions().indexOf(s.valign));
        o.buttonAlign = align < 0 ? int(MenuOptions::AlignMiddle) : align;
        const StyleReading classic{true, notes};
        readListStyle(ParseClassicStyle(s.style), classic, &p->menuStyle);
        if (b.kind == PageButton::Text)
            readButtonStyle(ParseClassicStyle(b.style), classic, &p->buttonStyle);
    } else if (origin == Origin::Html5) {
        if (!nameFromId(s.id, &o.menuName))
            o.menuName.clear();
        o.navigation =
            s.quillnav == QLatin1String("change") ? MenuOptions::OnItemChange : MenuOptions::OnButtonClick;
        if (s.quillnavTarget == QLatin1String("_blank")) {
            o.linkTarget = MenuOptions::NewWindow;
        } else if (!s.quillnavTarget.isEmpty()) {
            o.linkTarget = MenuOptions::DifferentFrame;
            o.frameName = s.quillnavTarget;
        }
        o.buttonAlign = s.boxStyle.contains(QLatin1String("align-items: flex-start")) ? MenuOptions::AlignTop
                        : s.boxStyle.contains(QLatin1String("align-items: flex-end"))
                            ? MenuOptions::AlignBottom
                            : MenuOptions::AlignMiddle;
        readListStyle(ParseCssDeclarations(s.style), {}, &p->menuStyle);
        readFamilies(s.style, &p->menuStyle.mnuFont, &p->menuStyle.mnuFontFallback);
        if (b.kind == PageButton::Text) {
            readButtonStyle(ParseCssDeclarations(b.style), {}, &p->buttonStyle);
            readFamilies(b.style, &p->buttonStyle.bttnFont, &p->buttonStyle.bttnFontFallback);
        }
    } else {
        for (const QString &name : {s.formName, s.name, s.id}) {
            if (o.menuName.isEmpty() && isScriptName(name))
                o.menuName = name;
        }
        if (o.menuName.isEmpty())
            o.menuName = QStringLiteral("importedMenu");
        o.navigation = s.hasOnchange ? MenuOptions::OnItemChange : MenuOptions::OnButtonClick;
        const QString target = s.formTarget.trimmed();
        if (target.compare(QLatin1String("_blank"), Qt::CaseInsensitive) == 0
            || s.onchange.contains(QLatin1String("window.open"))) {
            o.linkTarget = MenuOptions::NewWindow;
        } else if (!target.isEmpty() && !target.startsWith(u'_')) {
            o.linkTarget = MenuOptions::DifferentFrame;
            o.frameName = target;
        }
    }
    if (b.kind == PageButton::Text) {
        o.buttonKind = MenuOptions::DefaultButton;
        o.buttonText = origin == Origin::Other ? cleanText(b.text, nullptr) : b.text;
    } else if (b.kind == PageButton::Image) {
        o.buttonKind = MenuOptions::GraphicButton;
        o.graphicUrl = b.src;
        o.altText = b.alt;
        o.graphicWidth = b.width;
        o.graphicHeight = b.height;
    }
    for (QString *t : {&o.menuName, &o.frameName, &o.buttonText, &o.graphicUrl, &o.altText, &o.graphicWidth,
                       &o.graphicHeight})
        cut(t);
}

// The link of an option, or empty when it has none.
QString linkOf(const PageOption &option)
{
    if (option.disabled)
        return {};
    QString value = option.value.trimmed();
    value.remove(u'\t').remove(u'\n').remove(u'\r');
    if (value == QLatin1String("#") || value.compare(QLatin1String("nolink"), Qt::CaseInsensitive) == 0)
        return {};
    return value;
}

} // namespace

Origin originOf(const PageSelect &s)
{
    if (s.inForm && s.hasQuillnav)
        return Origin::Html5;
    if (s.inForm && s.name == QLatin1String("selectsite")
        && s.formAction.startsWith(QLatin1String("javascript:gothere(document.")))
        return Origin::Classic;
    return Origin::Other;
}

bool navigates(const PageSelect &s)
{
    if (s.hasOnchange || s.button.kind != PageButton::None || originOf(s) != Origin::Other)
        return true;
    static const QRegularExpression address(
        QStringLiteral("^([a-z][a-z0-9+.-]*:|/|\\.\\.?/|[^\\s]*\\.(s?html?|php|aspx?|jsp)([?#]|$)|[^\\s]*/)"),
        QRegularExpression::CaseInsensitiveOption);
    qsizetype linked = 0;
    qsizetype addresses = 0;
    for (const PageOption &o : s.options) {
        const QString link = linkOf(o);
        if (link.isEmpty() || o.group || o.separator)
            continue;
        ++linked;
        addresses += address.match(link).hasMatch();
    }
    return linked > 0 && addresses * 2 > linked;
}

QString displayName(const PageSelect &s)
{
    QString menuName;
    if (originOf(s) == Origin::Classic)
        return s.formName;
    if (originOf(s) == Origin::Html5 && nameFromId(s.id, &menuName))
        return menuName;
    return !s.name.isEmpty() ? s.name : s.id;
}

namespace {

// Whether a list shows `raw` as it is: no white space at either end, single
// spaces inside, and nothing that cleanText() drops or changes.
bool shownAsIs(const QString &raw)
{
    bool space = true; // a space here would lead or follow another
    for (const QChar c : raw) {
        if (c == u' ') {
            if (space)
                return false;
            space = true;
            continue;
        }
        space = false;
        const char16_t u = c.unicode();
        if (u < 0x80 ? u < 0x20 || u == 0x7F
                     : isVisibleSpace(c) || isDirectionControl(c) || c.category() == QChar::Other_Control)
            return false;
    }
    return !space || raw.isEmpty();
}

} // namespace

QString cleanText(const QString &raw, int *indent)
{
    if (shownAsIs(raw)) {
        if (indent)
            *indent = 0;
        return raw;
    }
    // What the list shows: ASCII white space stripped at both ends and
    // collapsed inside; only the spaces a reader sees can indent.
    qsizetype start = 0;
    while (start < raw.size() && isAsciiSpace(raw.at(start)))
        ++start;
    qsizetype lead = start;
    int visible = 0;
    if (lead < raw.size() && isVisibleSpace(raw.at(lead))) {
        for (; lead < raw.size() && (isVisibleSpace(raw.at(lead)) || isAsciiSpace(raw.at(lead))); ++lead)
            visible += isVisibleSpace(raw.at(lead));
    }
    if (indent)
        *indent = visible;
    QString out;
    out.reserve(raw.size() - lead);
    bool space = false;
    for (qsizetype i = lead; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (isAsciiSpace(c)) {
            space = true;
            continue;
        }
        if (c.category() == QChar::Other_Control || isDirectionControl(c))
            continue;
        if (space && !out.isEmpty())
            out += u' ';
        space = false;
        out += c == kNbsp ? QChar(u' ') : c;
    }
    while (!out.isEmpty() && out.back() == u' ')
        out.chop(1);
    return out;
}

bool toProject(const PageSelect &s, const QString &classicScript, MenuProject *project, QStringList *notes,
               QString *error)
{
    if (s.options.isEmpty()) {
        *error = QCoreApplication::translate("PageImport", "It has no entries.");
        return false;
    }
    const Origin origin = originOf(s);
    MenuProject p;
    p.dialect = origin == Origin::Classic ? CodeDialect::Classic : CodeDialect::Html5;
    readOptions(s, origin, classicScript, &p, notes);

    struct Row {
        QString text;
        int indent = 0;
        QString url;
    };
    QList<Row> rows;
    rows.reserve(s.options.size());
    int base = INT_MAX;
    qsizetype cutTexts = 0;
    for (const PageOption &option : s.options) {
        Row row;
        if (option.separator) {
            rows.append(row);
            continue;
        }
        row.text = cleanText(option.text, &row.indent);
        row.url = option.group ? QString() : linkOf(option);
        cutTexts += int(cut(&row.text)) + int(cut(&row.url));
        if (!option.group && !option.inGroup && !option.separator
            && !row.text.startsWith(menutext::kIndentPrefix)
            && !((row.url.isEmpty() || !option.hasValue) && isDashRun(row.text)))
            base = std::min(base, row.indent);
        rows.append(row);
    }
    qsizetype defaultAt = -1;
    qsizetype selectedCount = 0;
    p.items.reserve(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const PageOption &option = s.options.at(i);
        const Row &row = rows.at(i);
        MenuItem item;
        // A run of dashes that links nowhere (one without a value would
        // submit its dashes) is a separator. The classic code writes a
        // separator as "nolink" with as many hyphens as the longest text:
        // none when no entry has text.
        if (option.separator
            || ((row.url.isEmpty() || !option.hasValue) && !option.group && isDashRun(row.text))
            || (origin == Origin::Classic && row.url.isEmpty() && row.text.isEmpty())) {
            p.items.append(MenuItem::separator());
            continue;
        }
        const bool indented = option.inGroup || row.indent > base;
        item.text = indented && !row.text.startsWith(menutext::kIndentPrefix)
                        ? CutAtLength(menutext::kIndentPrefix + row.text, ProjectFile::kMaxTextLength)
                        : row.text;
        item.linked = row.url.isEmpty() ? menutext::kNo : menutext::kYes;
        item.url = row.url;
        item.selected = menutext::kNo;
        // Of several selected entries the last one shows, as in a browser.
        if (option.selected) {
            defaultAt = p.items.size();
            ++selectedCount;
        }
        p.items.append(std::move(item));
    }
    const QLocale locale;
    if (selectedCount > 1)
        notes->append(
            QCoreApplication::translate("PageImport",
                                        "The list marks %Ln entries as selected; the last of them, entry %1 "
                                        "(\"%2\"), is the default selection, as a browser shows it.",
                                        nullptr, int(selectedCount))
                .arg(locale.toString(defaultAt + 1), p.items.at(defaultAt).text));
    // A selected first entry without link is the caption of the list.
    if (defaultAt == 0 && origin != Origin::Classic && p.items.at(0).linked == menutext::kNo)
        defaultAt = -1;
    if (defaultAt >= 0)
        p.items[defaultAt].selected = menutext::kYes;

    if (s.optionCount > s.options.size())
        notes->append(QCoreApplication::translate(
                          "PageImport", "The list has %Ln options; only the first %1 were imported.", nullptr,
                          int(s.optionCount))
                          .arg(locale.toString(s.options.size())));
    if (cutTexts > 0)
        notes->append(QCoreApplication::translate(
                          "PageImport",
                          "%Ln texts or links longer than %1 characters were cut to that length.", nullptr,
                          int(cutTexts))
                          .arg(locale.toString(ProjectFile::kMaxTextLength)));
    if (!codelimit::fits(p)) {
        *error = QCoreApplication::translate("PageImport",
                                             "The list's texts and links are too long for one menu: its code "
                                             "would pass the limit of %1 MiB.")
                     .arg(ProjectFile::kMaxCodeLength / (1024 * 1024));
        return false;
    }
    *project = p;
    return true;
}

} // namespace SelectImport
