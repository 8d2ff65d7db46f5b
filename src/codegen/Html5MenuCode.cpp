#include "codegen/Html5MenuCode.h"

#include "codegen/PartedWalk.h"
#include "codegen/TextBuilder.h"
#include "codegen/WebEscape.h"
#include "styles/CssFontFamily.h"

#include <QRegularExpression>

using webescape::html;

namespace {

const QLatin1StringView kCrLf("\r\n");

// The navigation script. Arrow keys and type-ahead on a closed list only
// browse (the change they cause is ignored); Enter or a pick from the open
// list navigates. Script addresses never run; the page coming back from the
// back/forward cache shows each menu's default entry again.
const char kScript[] = R"(<script>
/* Quillnav drop-down menus: every form with a data-quillnav attribute. */
(function () {
  "use strict";
  if (window.quillnavMenus) return;
  window.quillnavMenus = true;
  var browsing = null;
  function menuOf(element) {
    var form = element && element.form;
    return form && form.hasAttribute("data-quillnav") ? form : null;
  }
  function go(form) {
    var list = form.elements.namedItem("selectsite");
    var option = list && list.options[list.selectedIndex];
    if (!option || option.disabled || !option.value) return;
    var address;
    try { address = new URL(option.value, document.baseURI); } catch (e) { return; }
    if (/^(javascript|vbscript|data):$/i.test(address.protocol)) return;
    var target = form.getAttribute("data-quillnav-target");
    if (!target) window.location.assign(address.href);
    else if (target === "_blank") window.open(address.href, "_blank", "noopener");
    else window.open(address.href, target);
  }
  document.addEventListener("keydown", function (event) {
    var form = menuOf(event.target);
    if (!form || event.target.nodeName !== "SELECT") return;
    if (event.key === "Enter") {
      event.preventDefault();
      go(form);
      return;
    }
    browsing = event.target;
    setTimeout(function () { browsing = null; }, 0);
  }, true);
  document.addEventListener("change", function (event) {
    var form = menuOf(event.target);
    if (form && form.getAttribute("data-quillnav") === "change" && browsing !== event.target)
      go(form);
  });
  document.addEventListener("submit", function (event) {
    if (!event.target.hasAttribute("data-quillnav")) return;
    event.preventDefault();
    go(event.target);
  });
  window.addEventListener("pageshow", function (event) {
    if (!event.persisted) return;
    var forms = document.querySelectorAll("form[data-quillnav]");
    for (var i = 0; i < forms.length; ++i) forms[i].reset();
  });
})();
</script>
)";

const QLatin1StringView
    kHiddenLabel("position: absolute; width: 1px; height: 1px; margin: -1px; padding: 0; border: 0; "
                 "overflow: hidden; clip: rect(0, 0, 0, 0); white-space: nowrap");

bool isDigits(const QString &text, int maxLength = 6)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    return text.size() <= maxLength && digits.match(text).hasMatch();
}

bool isColour(const QString &text)
{
    static const QRegularExpression colour(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    return colour.match(text).hasMatch();
}

// CSS declarations; a value that is empty or not valid CSS is left out.
class Declarations {
public:
    void add(QLatin1StringView property, const QString &value)
    {
        if (value.isEmpty())
            return;
        if (!m_text.isEmpty())
            m_text += QLatin1StringView("; ");
        m_text += property + QLatin1StringView(": ") + value;
    }
    void length(QLatin1StringView property, const QString &digits)
    {
        add(property, isDigits(digits) ? digits + QLatin1StringView("px") : QString());
    }
    void colour(QLatin1StringView property, const QString &value)
    {
        add(property, isColour(value) ? value.toUpper() : QString());
    }
    // The family as CSS names it (without Qt's foundry), then its generic fallback.
    void font(const QString &size, const QString &qtFamily, const QString &fallback, const QString &weight)
    {
        length(QLatin1StringView("font-size"), size);
        const QString family = cssfont::familyName(qtFamily);
        QString families;
        if (!family.trimmed().isEmpty()) {
            families = webescape::cssString(family);
            if (cssfont::isGeneric(fallback))
                families += QLatin1StringView(", ") + fallback;
        }
        add(QLatin1StringView("font-family"), families);
        m_weight = isDigits(weight, 4) && weight.toInt() >= 1 && weight.toInt() <= 1000 ? weight : QString();
    }
    void weight() { add(QLatin1StringView("font-weight"), m_weight); }
    void slant(int italic, int underline)
    {
        add(QLatin1StringView("font-style"),
            italic == 1 ? QStringLiteral("italic") : QStringLiteral("normal"));
        add(QLatin1StringView("text-decoration"),
            underline == 1 ? QStringLiteral("underline") : QStringLiteral("none"));
    }
    // The attribute, or nothing when there is no declaration; `span` is where
    // its value stands.
    void appendAttribute(TextBuilder &b, MenuCodeSpans::Span *span) const
    {
        if (m_text.isEmpty())
            return;
        b += QLatin1StringView(" style=\"");
        const qsizetype start = b.size();
        b += html(m_text);
        if (span)
            *span = {start, b.size()};
        b += QLatin1Char('"');
    }

private:
    QString m_text;
    QString m_weight;
};

Declarations listStyle(const MenuStyleRecord &s)
{
    Declarations d;
    d.font(s.mnuFontSize, s.mnuFont, s.mnuFontFallback, s.mnuFontWeight);
    d.weight();
    d.slant(s.mnuItalic, s.mnuUnderline);
    d.length(QLatin1StringView("width"), s.mnuWidth);
    if (s.mnuSysClr == 0) {
        d.colour(QLatin1StringView("background-color"), s.mnuClr[1]);
        d.colour(QLatin1StringView("color"), s.mnuClr[0]);
    }
    return d;
}

Declarations buttonStyle(const ButtonStyleRecord &s)
{
    Declarations d;
    d.font(s.bttnFontSize, s.bttnFont, s.bttnFontFallback, s.bttnFontWeight);
    d.slant(s.bttnItalic, s.bttnUnderline);
    d.length(QLatin1StringView("width"), s.bttnWidth);
    d.length(QLatin1StringView("height"), s.bttnHeight);
    d.weight();
    if (s.bttnSysClr == 0) {
        d.colour(QLatin1StringView("background-color"), s.bttnClr[1]);
        d.colour(QLatin1StringView("color"), s.bttnClr[0]);
        if (s.bttnNoBorder == 1) {
            d.add(QLatin1StringView("border-style"), QStringLiteral("none"));
        } else {
            d.colour(QLatin1StringView("border-top-color"), s.bttnClr[2]);
            d.colour(QLatin1StringView("border-left-color"), s.bttnClr[3]);
            d.colour(QLatin1StringView("border-right-color"), s.bttnClr[4]);
            d.colour(QLatin1StringView("border-bottom-color"), s.bttnClr[5]);
            d.add(QLatin1StringView("border-style"), QStringLiteral("solid"));
            d.length(QLatin1StringView("border-width"), s.bttnBorder);
        }
    }
    return d;
}

// Appends a text escaped for HTML. Printable ASCII other than & < > " ' is
// never changed by the escaping, so such a text (most of them) is copied as
// it is, without building an escaped copy.
void appendHtml(TextBuilder &b, const ItemText &text)
{
    if (text.isUtf8()) {
        webescape::appendHtmlUtf8(b, text.utf8());
        return;
    }
    const QStringView utf16 = text.utf16();
    const bool plain = std::all_of(utf16.begin(), utf16.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return u >= 0x20 && u < 0x7F && u != '&' && u != '<' && u != '>' && u != '"' && u != '\'';
    });
    if (plain)
        b += utf16;
    else
        b += html(utf16);
}

// The target attribute of the form and of the fallback links.
QString targetName(const MenuOptions &o)
{
    if (o.linkTarget == MenuOptions::NewWindow)
        return QStringLiteral("_blank");
    if (o.linkTarget == MenuOptions::DifferentFrame)
        return o.frameName;
    return {};
}

// Writes one option; `selectionWritten` carries over from item to item.
void appendOption(TextBuilder &b, const ItemRef &item, const MenuItemSummary &summary,
                  const QByteArray &hyphens, bool *selectionWritten)
{
    const bool separator = item.separator;
    if (!separator && !item.linkedYes && !item.linkedNo)
        return;
    const bool linked = !separator && item.linkedYes;
    bool selected = false;
    if (!*selectionWritten) {
        selected = summary.anyDefault ? !separator && !item.selectedNo : !linked && !separator;
        *selectionWritten = selected || !summary.anyDefault;
    }
    if (linked) {
        b += "<option value=\"";
        appendHtml(b, item.url);
        b.appendUtf8(selected ? QByteArrayView("\" selected>") : QByteArrayView("\">"));
    } else {
        b.appendUtf8(selected ? QByteArrayView("<option disabled selected>")
                              : QByteArrayView("<option disabled>"));
    }
    if (separator)
        b.appendUtf8(hyphens);
    else
        appendHtml(b, item.text.withoutTrailingBlanks());
    b += "</option>\r\n";
}

void appendOptions(TextBuilder &b, const MenuItems &items)
{
    const QByteArray hyphens(std::max<qsizetype>(items.summary.longest, 1), '-');
    // Without a default selection the list shows its first entry, as the
    // classic code does, even when that entry has no link (never a separator).
    // Whether the selection was written goes from part to part; a part asks
    // only when it meets an entry that could take it.
    partedwalk::run(
        b, items,
        [&](TextBuilder &to, qsizetype index, const partedwalk::Walk &walk, partedwalk::Relay &relay) {
            bool selectionWritten = false;
            bool known = false;
            struct Tell { // also when the walk fails, so that no part waits in vain
                partedwalk::Relay &relay;
                qsizetype index;
                const bool &written;
                ~Tell() { relay.tell(index, written); }
            } tell{relay, index, selectionWritten};
            walk([&](const ItemRef &item) {
                if (!known && (item.separator || item.linkedYes || item.linkedNo)) {
                    selectionWritten = relay.ask(index);
                    known = true;
                    if (selectionWritten)
                        relay.tell(index, true);
                }
                const bool before = selectionWritten;
                appendOption(to, item, items.summary, hyphens, &selectionWritten);
                if (selectionWritten && !before)
                    relay.tell(index, true);
            });
        });
}

void appendButton(TextBuilder &b, const MenuProject &p, MenuCodeSpans *spans)
{
    const MenuOptions &o = p.options;
    if (o.buttonKind == MenuOptions::GraphicButton) {
        QString alt = o.altText.trimmed().isEmpty() ? o.buttonText : o.altText;
        if (alt.trimmed().isEmpty())
            alt = QStringLiteral("Go");
        b += QStringLiteral("<button type=\"submit\" style=\"padding: 0; border: 0; background: "
                            "none\"><img src=\"%1\" alt=\"%2\"")
                 .arg(html(o.graphicUrl), html(alt));
        if (isDigits(o.graphicWidth))
            b += QStringLiteral(" width=\"%1\"").arg(o.graphicWidth);
        if (isDigits(o.graphicHeight))
            b += QStringLiteral(" height=\"%1\"").arg(o.graphicHeight);
        b += QLatin1StringView("></button>\r\n");
        return;
    }
    b += QLatin1StringView("<button type=\"submit\"");
    buttonStyle(p.buttonStyle).appendAttribute(b, spans ? &spans->buttonStyle : nullptr);
    b += QLatin1Char('>') + html(o.buttonText) + QLatin1StringView("</button>\r\n");
}

void appendFallback(TextBuilder &b, const MenuProject &p, const MenuItems &items, MenuCodeSpans *spans)
{
    if (!items.summary.anyLink)
        return;
    const QString target = targetName(p.options);
    // The link's closing quote, its target and the end of its opening tag.
    QString targetAttribute = QStringLiteral("\">");
    if (target == QLatin1String("_blank"))
        targetAttribute = QStringLiteral("\" target=\"_blank\" rel=\"noopener\">");
    else if (!target.isEmpty())
        targetAttribute = QStringLiteral("\" target=\"%1\">").arg(html(target));
    const QByteArray linkEnd = targetAttribute.toUtf8(); // copied for every link
    b += QLatin1StringView("<noscript>");
    const qsizetype start = b.size();
    b += QLatin1StringView("\r\n<ul>\r\n");
    partedwalk::run(b, items,
                    [&](TextBuilder &to, qsizetype, const partedwalk::Walk &walk, partedwalk::Relay &) {
                        walk([&](const ItemRef &item) {
                            if (item.separator || !item.linkedYes)
                                return;
                            to += "<li><a href=\"";
                            appendHtml(to, item.url);
                            to.appendUtf8(linkEnd);
                            appendHtml(to, item.text.withoutTrailingBlanks());
                            to += "</a></li>\r\n";
                        });
                    });
    b += QLatin1StringView("</ul>\r\n");
    if (spans)
        spans->fallback = {start, b.size()};
    b += QLatin1StringView("</noscript>\r\n");
}

void appendBody(TextBuilder &b, const QString &mode, const MenuProject &p, const MenuItems &items,
                MenuCodeSpans *spans = nullptr)
{
    const bool preview = mode == codegen::kPreviewMode;
    const MenuOptions &o = p.options;
    const bool onButton = o.navigation == MenuOptions::OnButtonClick;
    if (preview) {
        b += QLatin1StringView(
            "<h1 style=\"margin: 0 0 8px; color: red; font-family: Verdana, sans-serif; "
            "font-size: 24px; text-align: center\">Menu Preview</h1>\r\n"
            "<div style=\"box-sizing: border-box; width: 450px; margin: 0 auto; padding: 10px; "
            "border: 4px outset; text-align: center\">\r\n"
            "<p style=\"margin: 0 0 16px; color: blue; font-family: Verdana, sans-serif; "
            "font-size: 13px\">Below is what the menu will look like on your page. The menu is "
            "fully functional.</p>\r\n");
    }
    b += onButton ? QLatin1StringView("<form data-quillnav=\"button\"")
                  : QLatin1StringView("<form data-quillnav=\"change\"");
    const QString target = targetName(o);
    if (!target.isEmpty())
        b += QStringLiteral(" data-quillnav-target=\"%1\"").arg(html(target));
    b += QLatin1StringView(">\r\n");

    const QString id = QStringLiteral("quillnav-") + webescape::idToken(o.menuName);
    const QString caption = o.menuName.trimmed().isEmpty() ? QStringLiteral("Menu") : o.menuName;
    b += QStringLiteral("<label for=\"%1\" style=\"%2\">%3</label>\r\n").arg(id, kHiddenLabel, html(caption));
    if (onButton) {
        static const char *const align[] = {"flex-start", "center", "flex-end"};
        b += QStringLiteral("<div style=\"display: inline-flex; align-items: %1; gap: 4px\">\r\n")
                 .arg(QLatin1StringView(align[qBound(0, o.buttonAlign, 2)]));
    }
    b += QStringLiteral("<select name=\"selectsite\" id=\"%1\" autocomplete=\"off\"").arg(id);
    listStyle(p.menuStyle).appendAttribute(b, spans ? &spans->listStyle : nullptr);
    b += QLatin1Char('>');
    if (spans)
        spans->options.start = b.size();
    b += kCrLf;
    appendOptions(b, items);
    if (spans)
        spans->options.end = b.size();
    b += QLatin1StringView("</select>\r\n");
    if (onButton) {
        appendButton(b, p, spans);
        b += QLatin1StringView("</div>\r\n");
    }
    b += QLatin1StringView("</form>\r\n");
    appendFallback(b, p, items, spans);
    if (preview)
        b += QLatin1StringView("</div>\r\n");
}

QString buildBody(const QString &mode, const MenuProject &p, MenuCodeSpans *spans)
{
    // Sized for the list and the fallback links, so that a large menu is
    // built without regrowing its buffer.
    qsizetype expected = 4096;
    for (const MenuItem &item : p.items)
        expected += 2 * (item.text.size() + item.url.size()) + 64;
    TextBuilder b(expected);
    appendBody(b, mode, p, MenuItems::of(p.items), spans);
    return b.take();
}

} // namespace

QString Html5HeadFragment()
{
    static const QString head = QString::fromUtf8(kScript).replace(QLatin1Char('\n'), kCrLf);
    return head;
}

MenuCode GenerateHtml5MenuCode(const QString &mode, const MenuProject &project, MenuCodeSpans *spans)
{
    return {Html5HeadFragment(), buildBody(mode, project, spans), CodeDialect::Html5};
}

void AppendHtml5MenuBody(TextBuilder &out, const QString &mode, const MenuProject &project,
                         const MenuItems &items)
{
    appendBody(out, mode, project, items);
}
