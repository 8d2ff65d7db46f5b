#include "menu/ProjectFile.h"

#include <QCoreApplication>

#include "codegen/MenuCodeGenerator.h"
#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"

#include "menu/EntryName.h"
#include "menu/ItemListScan.h"
#include "menu/JsonScanner.h"
#include "menu/JsonWriter.h"
#include "menu/ProjectFileText.h"
#include "styles/CssFontFamily.h"

#include <QDir>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace ProjectFile {

namespace {

// ---- reading ---------------------------------------------------------------

// Thrown inside the reader; carries "<field> <problem>", the field named as
// the window shows it.
struct Refusal {
    QString text;
};

[[noreturn]] void refuse(const QString &field, const QString &problem)
{
    throw Refusal{field + QLatin1Char(' ') + problem};
}

QString tooLongProblem()
{
    return QCoreApplication::translate("ProjectFile", "must be at most %1 characters long (the most its field in the window holds)")
        .arg(kMaxTextLength);
}

// "must be 0 (Same window), 1 (New window) or 2 (Different frame)"
QString choiceProblem(const QStringList &captions)
{
    QString choices;
    for (qsizetype i = 0; i < captions.size(); ++i) {
        if (i > 0)
            choices += i + 1 == captions.size() ? QCoreApplication::translate("ProjectFile", " or ")
                                                : QStringLiteral(", ");
        choices += QStringLiteral("%1 (%2)").arg(i).arg(captions.at(i));
    }
    QString problem = QCoreApplication::translate("ProjectFile", "must be %1").arg(choices);
    return problem;
}

// Reads the fields of one JSON object, the options or a style record; a
// missing field keeps the value it already has (the start-up value). Each
// field is named in messages by its place in the window: the group or
// dialog, then the control's caption.
class Reader {
public:
    Reader(const QJsonObject &object, QString group) : m_o(object), m_group(std::move(group)) {}

    QString field(const QString &label) const { return m_group + QStringLiteral(": ") + label; }

    void text(const QString &key, const QString &label, QString *out) const
    {
        if (!m_o.contains(key))
            return;
        const QJsonValue v = m_o.value(key);
        if (!v.isString())
            refuse(field(label), QCoreApplication::translate("ProjectFile", "must be a text"));
        *out = v.toString();
        if (out->size() > kMaxTextLength)
            refuse(field(label), tooLongProblem());
    }

    // A choice among the captions, stored as its index.
    void choice(const QString &key, const QString &label, int *out, const QStringList &captions) const
    {
        number(key, out, int(captions.size()) - 1, field(label), choiceProblem(captions));
    }

    // A check box, stored as 0 or 1.
    void flag(const QString &key, const QString &label, int *out) const
    {
        number(key, out, 1, field(label), QCoreApplication::translate("ProjectFile", "must be 0 (unchecked) or 1 (checked)"));
    }

    // Colour texts, one for each of the dialog's colour rows.
    template <std::size_t N>
    void colours(const QString &key, const std::array<const char *, N> &rows, std::array<QString, N> *out) const
    {
        if (!m_o.contains(key))
            return;
        const QJsonValue v = m_o.value(key);
        if (!v.isArray() || v.toArray().size() != qsizetype(N))
            refuse(field(QCoreApplication::translate("ProjectFile", "the colours")), QCoreApplication::translate("ProjectFile", "must be a list of %1 colours").arg(N));
        static const QRegularExpression colour(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
        const QJsonArray a = v.toArray();
        for (std::size_t i = 0; i < N; ++i) {
            if (!a.at(qsizetype(i)).isString() || !colour.match(a.at(qsizetype(i)).toString()).hasMatch())
                refuse(field(QLatin1String(rows[i]) + QStringLiteral(" colour")),
                       QCoreApplication::translate("ProjectFile", "must be a colour \"#\" followed by six hexadecimal digits"));
            (*out)[i] = a.at(qsizetype(i)).toString();
        }
    }

    void weight(const QString &key, const QString &label, QString *out) const
    {
        QString t = *out;
        text(key, label, &t);
        static const QRegularExpression digits(QStringLiteral("^[1-9][0-9]{2}$"));
        if (!digits.match(t).hasMatch() || t.toInt() > 900)
            refuse(field(label), QCoreApplication::translate("ProjectFile", "must be a whole number from 100 to 900"));
        *out = t;
    }

    // A dimension text: at most four characters, digits only when digitsOnly.
    void dimension(const QString &key, const QString &label, QString *out, bool digitsOnly,
                   int maxLength = 4) const
    {
        QString t = *out;
        text(key, label, &t);
        if (maxLength > 0 && t.size() > maxLength)
            refuse(field(label), QCoreApplication::translate("ProjectFile", "must be at most %1 characters long").arg(maxLength));
        static const QRegularExpression digits(QStringLiteral("^[0-9]*$"));
        if (digitsOnly && !digits.match(t).hasMatch())
            refuse(field(label), QCoreApplication::translate("ProjectFile", "must contain digits only"));
        *out = t;
    }

    // The generic family kept with the font: absent or one of the three.
    void fallback(const QString &key, QString *out) const
    {
        const QString label = QCoreApplication::translate("ProjectFile", "Font (its generic family)");
        text(key, label, out);
        if (!out->isEmpty() && !cssfont::isGeneric(*out))
            refuse(field(label), QCoreApplication::translate("ProjectFile", "must be \"serif\", \"sans-serif\" or \"monospace\""));
    }

private:
    // A whole number from 0 to high.
    void number(const QString &key, int *out, int high, const QString &name, const QString &problem) const
    {
        if (!m_o.contains(key))
            return;
        const QJsonValue v = m_o.value(key);
        const double d = v.toDouble(-1e300);
        // Range first: converting a double outside int's range is undefined.
        if (!v.isDouble() || !(d >= 0 && d <= high) || d != std::trunc(d))
            refuse(name, problem);
        *out = int(d);
    }

    QJsonObject m_o;
    QString m_group;
};

// The root's members, found in a first pass that also checks the whole
// file's syntax: where each value starts (the last of equal names counts,
// as in Qt's JSON), and the number of items.
struct RootMembers {
    QHash<QByteArray, qsizetype> at;
    qsizetype itemCount = 0;

    qsizetype offset(const char *key) const { return at.value(QByteArray(key), -1); }
};

// A small object (options, a style record) as a QJsonObject, so that its
// fields are read by name; members no field of the project has are skipped.
QJsonObject toObject(JsonScanner &scan)
{
    static const QSet<QByteArray> known = [] {
        QSet<QByteArray> keys;
        for (const char *key : {"menuName", "linkTarget", "frameName", "navigation", "buttonKind", "buttonText",
                                "graphicUrl", "altText", "graphicWidth", "graphicHeight", "buttonAlign",
                                "mnuClr", "mnuSysClr", "mnuFont", "mnuFontSize", "mnuFontWeight", "mnuItalic",
                                "mnuUnderline", "mnuWidth", "mnuConstWidth", "bttnClr", "bttnSyncTL",
                                "bttnSyncRB", "bttnSysClr", "bttnFont", "bttnFontSize", "bttnFontWeight",
                                "bttnUnderline", "bttnItalic", "bttnWidth", "bttnHeight", "bttnBorder",
                                "bttnConstSize", "bttnNoBorder", "mnuFontFallback", "bttnFontFallback"})
            keys.insert(QByteArray(key));
        return keys;
    }();
    QJsonObject object;
    scan.enterObject();
    QByteArrayView key;
    while (scan.nextMember(&key)) {
        if (!known.contains(key.toByteArray())) {
            scan.skipValue();
            continue;
        }
        const QString name = JsonScanner::utf8ToString(key);
        object.insert(name, scan.readJsonValue());
    }
    return object;
}

QJsonObject objectField(const QByteArray &bytes, const RootMembers &root, const char *key, const QString &name)
{
    const qsizetype at = root.offset(key);
    if (at < 0)
        return {};
    JsonScanner scan(bytes, at);
    if (scan.peek() != JsonScanner::Object)
        refuse(name, QCoreApplication::translate("ProjectFile", "must be a JSON object"));
    return toObject(scan);
}

// One item's four columns as read: the state of each field tells what was
// found under its name.
struct ItemFields {
    enum State { Missing, NotText, Text };
    State state[4] = {Missing, Missing, Missing, Missing};
};

// "Yes", "No" and the separator's text are shared, not stored per item:
// the texts each of an item's four fields shares.
const std::array<QList<QString>, 4> &sharedTexts()
{
    static const QList<QString> flags{menutext::kYes, menutext::kNo};
    static const std::array<QList<QString>, 4> shared{QList<QString>{menutext::kSeparatorText}, flags, {}, flags};
    return shared;
}

// An item as read: its four texts and where they stand in the file text.
struct ReadItem {
    ReadItem() = default;
    ReadItem(const ReadItem &) = delete; // `value` points into this item

    MenuItem item;
    QString *const value[4] = {&item.text, &item.linked, &item.url, &item.selected};
    QByteArrayView raw[4];
    bool escapes[4] = {};
};

// Reads the items from a scanner at their list into one item, refilled for
// each (its texts keep their room when a visit leaves them), checks each,
// adds it to the summary (when there is one) and hands it to the visit,
// which may take its texts.
void readItems(JsonScanner &scan, MenuItemSummary *summary, const std::function<void(ReadItem &)> &visit)
{
    static constexpr QByteArrayView names[4] = {"text", "linked", "url", "selected"};
    // The columns as the list's header names them.
    const QString captions[4] = {QCoreApplication::translate("ProjectFile", "Item Text"),
                                 QCoreApplication::translate("ProjectFile", "Linked"),
                                 QCoreApplication::translate("ProjectFile", "Link URL"),
                                 QCoreApplication::translate("ProjectFile", "Selected")};
    qsizetype defaultAt = -1;
    ReadItem read;
    MenuItem &item = read.item;
    QString *const *value = read.value;
    const auto &shared = sharedTexts();
    scan.enterArray();
    for (qsizetype i = 0; scan.nextElement(); ++i) {
        if (scan.peek() != JsonScanner::Object)
            refuse(entryname::of(i, nullptr), QCoreApplication::translate("ProjectFile", "must be a JSON object"));
        ItemFields fields;
        scan.enterObject();
        QByteArrayView key;
        while (scan.nextMember(&key)) {
            int f = 0;
            while (f < 4 && key != names[f])
                ++f;
            if (f == 4) {
                scan.skipValue();
            } else if (scan.peek() != JsonScanner::String) {
                scan.skipValue();
                fields.state[f] = ItemFields::NotText;
            } else {
                read.raw[f] = scan.readRawString(&read.escapes[f]);
                JsonScanner::decodeString(read.raw[f], read.escapes[f], value[f], shared[f]);
                fields.state[f] = ItemFields::Text;
            }
        }
        // The entry by its number and, once its text is known to be good,
        // its text; then the column.
        bool textRead = false;
        const auto field = [&](int f) {
            return entryname::of(i, textRead ? value[0] : nullptr) + QStringLiteral(": ") + captions[f];
        };
        for (int f = 0; f < 4; ++f) {
            if (fields.state[f] == ItemFields::Missing)
                refuse(field(f), QCoreApplication::translate("ProjectFile", "is missing"));
            if (fields.state[f] == ItemFields::NotText)
                refuse(field(f), QCoreApplication::translate("ProjectFile", "must be a text"));
            if (value[f]->size() > kMaxTextLength)
                refuse(field(f), tooLongProblem());
            textRead = true;
        }
        for (int f : {1, 3}) {
            if (*value[f] != menutext::kYes && *value[f] != menutext::kNo)
                refuse(field(f), QCoreApplication::translate("ProjectFile", "must be \"Yes\" or \"No\""));
        }
        if (item.isDefault()) {
            if (defaultAt >= 0)
                refuse(field(3), QCoreApplication::translate("ProjectFile", "cannot be \"Yes\" too: only one entry can be the default "
                                                "selection, and %1 already is")
                                     .arg(entryname::of(defaultAt, nullptr)));
            defaultAt = i;
        }
        if (summary)
            summary->add(item);
        visit(read);
    }
}

// The items of a checked list from where their texts stand in the file; the
// spans are let go once read.
QList<MenuItem> itemsAt(const QByteArray &bytes, std::vector<ItemSpans> &spans)
{
    QList<MenuItem> items;
    items.reserve(qsizetype(spans.size()));
    const auto &shared = sharedTexts();
    for (const ItemSpans &at : spans) {
        MenuItem &item = items.emplace_back();
        JsonScanner::decodeString(QByteArrayView(bytes.constData() + at.textAt, at.textSize),
                                  at.flags & ItemSpans::TextEscapes, &item.text, shared[0]);
        JsonScanner::decodeString(QByteArrayView(bytes.constData() + at.urlAt, at.urlSize),
                                  at.flags & ItemSpans::UrlEscapes, &item.url, shared[2]);
        item.linked = at.flags & ItemSpans::LinkedYes ? menutext::kYes : menutext::kNo;
        item.selected = at.flags & ItemSpans::SelectedNo ? menutext::kNo : menutext::kYes;
    }
    spans = {};
    return items;
}

QString itemListName()
{
    return QCoreApplication::translate("ProjectFile", "the menu item list");
}

// The items' list: a scanner at it.
JsonScanner itemList(const QByteArray &bytes, const RootMembers &root)
{
    const qsizetype at = root.offset("items");
    if (at < 0)
        refuse(itemListName(), QCoreApplication::translate("ProjectFile", "is missing"));
    JsonScanner scan(bytes, at);
    if (scan.peek() != JsonScanner::Array)
        refuse(itemListName(), QCoreApplication::translate("ProjectFile", "must be a JSON list"));
    return scan;
}

MenuOptions readOptions(const QByteArray &bytes, const RootMembers &root)
{
    const QJsonObject fields =
        objectField(bytes, root, "options", QCoreApplication::translate("ProjectFile", "Menu Options and Submit Button Options"));
    const Reader menu(fields, QCoreApplication::translate("ProjectFile", "Menu Options"));
    const Reader button(fields, QCoreApplication::translate("ProjectFile", "Submit Button Options"));
    MenuOptions o;
    menu.text(QStringLiteral("menuName"), QCoreApplication::translate("ProjectFile", "Name of Menu"), &o.menuName);
    menu.choice(QStringLiteral("linkTarget"), QCoreApplication::translate("ProjectFile", "Target of Links"), &o.linkTarget,
                MenuOptions::linkTargetCaptions());
    menu.text(QStringLiteral("frameName"), QCoreApplication::translate("ProjectFile", "Frame Name"), &o.frameName);
    menu.choice(QStringLiteral("navigation"), QCoreApplication::translate("ProjectFile", "the navigation"), &o.navigation,
                {QCoreApplication::translate("ProjectFile", "Navigate on Button Click"), QCoreApplication::translate("ProjectFile", "Navigate on Item Change")});
    button.choice(QStringLiteral("buttonKind"), QCoreApplication::translate("ProjectFile", "the button"), &o.buttonKind,
                  {QCoreApplication::translate("ProjectFile", "Default"), QCoreApplication::translate("ProjectFile", "Graphic")});
    button.text(QStringLiteral("buttonText"), QCoreApplication::translate("ProjectFile", "Text"), &o.buttonText);
    button.text(QStringLiteral("graphicUrl"), QCoreApplication::translate("ProjectFile", "URL of Button Graphic"), &o.graphicUrl);
    button.text(QStringLiteral("altText"), QCoreApplication::translate("ProjectFile", "Alt Text"), &o.altText);
    button.text(QStringLiteral("graphicWidth"), QCoreApplication::translate("ProjectFile", "Width"), &o.graphicWidth);
    button.text(QStringLiteral("graphicHeight"), QCoreApplication::translate("ProjectFile", "Height"), &o.graphicHeight);
    menu.choice(QStringLiteral("buttonAlign"), QCoreApplication::translate("ProjectFile", "Align to Button"), &o.buttonAlign,
                MenuOptions::alignCaptions());
    return o;
}

MenuStyleRecord readMenuStyle(const QByteArray &bytes, const RootMembers &root)
{
    const QString dialog = QCoreApplication::translate("ProjectFile", "Advanced Menu Options");
    const Reader r(objectField(bytes, root, "menuStyle", dialog), dialog);
    MenuStyleRecord s;
    r.colours(QStringLiteral("mnuClr"), std::array{"Text", "Background"}, &s.mnuClr);
    r.flag(QStringLiteral("mnuSysClr"), QCoreApplication::translate("ProjectFile", "Use Default System Menu Colors"), &s.mnuSysClr);
    r.text(QStringLiteral("mnuFont"), QCoreApplication::translate("ProjectFile", "Font"), &s.mnuFont);
    r.fallback(QStringLiteral("mnuFontFallback"), &s.mnuFontFallback);
    r.text(QStringLiteral("mnuFontSize"), QCoreApplication::translate("ProjectFile", "Font Size"), &s.mnuFontSize);
    r.weight(QStringLiteral("mnuFontWeight"), QCoreApplication::translate("ProjectFile", "Font Weight"), &s.mnuFontWeight);
    r.flag(QStringLiteral("mnuItalic"), QCoreApplication::translate("ProjectFile", "Italics"), &s.mnuItalic);
    r.flag(QStringLiteral("mnuUnderline"), QCoreApplication::translate("ProjectFile", "Underlined"), &s.mnuUnderline);
    r.dimension(QStringLiteral("mnuWidth"), QCoreApplication::translate("ProjectFile", "Width"), &s.mnuWidth, false);
    r.flag(QStringLiteral("mnuConstWidth"), QCoreApplication::translate("ProjectFile", "Constrain Width Proportionally to Font Size"),
           &s.mnuConstWidth);
    return s;
}

ButtonStyleRecord readButtonStyle(const QByteArray &bytes, const RootMembers &root)
{
    const QString dialog = QCoreApplication::translate("ProjectFile", "Advanced Button Options");
    const Reader r(objectField(bytes, root, "buttonStyle", dialog), dialog);
    ButtonStyleRecord s;
    r.colours(QStringLiteral("bttnClr"),
              std::array{"Text", "Face", "Top Border", "Left Border", "Right Border", "Bottom Border"}, &s.bttnClr);
    r.flag(QStringLiteral("bttnSyncTL"), QCoreApplication::translate("ProjectFile", "Sync Top and Left Border Colors"), &s.bttnSyncTL);
    r.flag(QStringLiteral("bttnSyncRB"), QCoreApplication::translate("ProjectFile", "Sync Right and Bottom Border Colors"), &s.bttnSyncRB);
    r.flag(QStringLiteral("bttnSysClr"), QCoreApplication::translate("ProjectFile", "Use Default System Button Colors"), &s.bttnSysClr);
    r.text(QStringLiteral("bttnFont"), QCoreApplication::translate("ProjectFile", "Font"), &s.bttnFont);
    r.fallback(QStringLiteral("bttnFontFallback"), &s.bttnFontFallback);
    r.dimension(QStringLiteral("bttnFontSize"), QCoreApplication::translate("ProjectFile", "Font Size"), &s.bttnFontSize, true, 0);
    r.weight(QStringLiteral("bttnFontWeight"), QCoreApplication::translate("ProjectFile", "Font Weight"), &s.bttnFontWeight);
    r.flag(QStringLiteral("bttnUnderline"), QCoreApplication::translate("ProjectFile", "Underlined"), &s.bttnUnderline);
    r.flag(QStringLiteral("bttnItalic"), QCoreApplication::translate("ProjectFile", "Italics"), &s.bttnItalic);
    r.dimension(QStringLiteral("bttnWidth"), QCoreApplication::translate("ProjectFile", "Button Width"), &s.bttnWidth, true);
    r.dimension(QStringLiteral("bttnHeight"), QCoreApplication::translate("ProjectFile", "Button Height"), &s.bttnHeight, true);
    r.dimension(QStringLiteral("bttnBorder"), QCoreApplication::translate("ProjectFile", "Border Thickness"), &s.bttnBorder, true);
    r.flag(QStringLiteral("bttnConstSize"),
           QCoreApplication::translate("ProjectFile", "Constrain Button Dimensions Proportionally to Font Size"), &s.bttnConstSize);
    r.flag(QStringLiteral("bttnNoBorder"), QCoreApplication::translate("ProjectFile", "No Border"), &s.bttnNoBorder);
    return s;
}

// A root member's value when it is a text, else an empty text.
QString rootText(const QByteArray &bytes, const RootMembers &root, const char *key)
{
    const qsizetype at = root.offset(key);
    if (at < 0)
        return {};
    JsonScanner scan(bytes, at);
    return scan.peek() == JsonScanner::String ? scan.readString() : QString();
}

// The kind of code the project generates; a file without it is classic.
CodeDialect readDialect(const QByteArray &bytes, const RootMembers &root)
{
    CodeDialect dialect = CodeDialect::Classic;
    if (root.offset("dialect") >= 0 && !codedialect::fromKey(rootText(bytes, root, "dialect"), &dialect))
        refuse(QCoreApplication::translate("ProjectFile", "Code (Classic or HTML5)"), QCoreApplication::translate("ProjectFile", "must be \"classic\" or \"html5\""));
    return dialect;
}

// The site folder and whether publishing selects each page's own entry;
// a file without them has no site and selects.
void readSite(const QByteArray &bytes, const RootMembers &root, MenuProject *p)
{
    if (const qsizetype at = root.offset("site"); at >= 0) {
        JsonScanner scan(bytes, at);
        if (scan.peek() != JsonScanner::String)
            refuse(QCoreApplication::translate("ProjectFile", "Site folder"), QCoreApplication::translate("ProjectFile", "must be a text"));
        p->site = scan.readString();
        if (p->site.size() > kMaxTextLength)
            refuse(QCoreApplication::translate("ProjectFile", "Site folder"), tooLongProblem());
        if (p->site.contains(QChar(0)))
            refuse(QCoreApplication::translate("ProjectFile", "Site folder"), QCoreApplication::translate("ProjectFile", "must not hold a NUL character"));
    }
    if (const qsizetype at = root.offset("selectCurrentPage"); at >= 0) {
        JsonScanner scan(bytes, at);
        if (scan.peek() != JsonScanner::True && scan.peek() != JsonScanner::False)
            refuse(QCoreApplication::translate("ProjectFile", "Select the current page on each page"),
                   QCoreApplication::translate("ProjectFile", "must be true or false"));
        p->selectCurrentPage = scan.readBool();
    }
}

void checkHeader(const QByteArray &bytes, const RootMembers &root)
{
    if (rootText(bytes, root, "format") != kFormat)
        refuse(QCoreApplication::translate("ProjectFile", "the file's format"),
               QCoreApplication::translate("ProjectFile", "must be \"%1\" (this is not a Quillnav menu project)").arg(kFormat));
    double d = -1;
    if (const qsizetype at = root.offset("version"); at >= 0) {
        JsonScanner scan(bytes, at);
        if (scan.peek() == JsonScanner::Number)
            d = scan.readNumber();
    }
    if (!(d >= 1 && d < 1e15) || d != std::trunc(d))
        refuse(QCoreApplication::translate("ProjectFile", "the file's version"), QCoreApplication::translate("ProjectFile", "must be a whole number from 1"));
    if (d > kVersion)
        refuse(QCoreApplication::translate("ProjectFile", "the file's version"),
               QCoreApplication::translate("ProjectFile", "%1 is newer than this program reads (%2); use a newer Quillnav")
                   .arg(qint64(d))
                   .arg(kVersion));
}

// Line and column (1-based) of a byte offset.
std::pair<int, int> lineAndColumn(const QByteArray &bytes, qsizetype offset)
{
    int line = 1;
    int column = 1;
    for (qsizetype i = JsonScanner::byteOrderMarkSize(bytes); i < offset && i < bytes.size(); ++i) {
        if (bytes.at(i) == '\n') {
            ++line;
            column = 1;
        } else if ((uchar(bytes.at(i)) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return {line, column};
}

} // namespace

QByteArray serialize(const MenuProject &p)
{
    JsonWriter w;
    writeProjectText(w, p);
    return w.take();
}

namespace {

// Parses the file text; with `walked`, the items are not kept but walked
// in the text again for each walk of `walked`.
bool parseInto(const QByteArray &bytes, MenuProject *project, MenuItems *walked, QString *error,
               Refused *refused)
{
    Refused ignored;
    Refused &kind = refused ? *refused : ignored;
    kind = Refused::Content;
    // First pass: the syntax of the whole file, where the root's members are,
    // and the items on the way. Should an item be refused, the pass starts
    // again without reading them, so that a syntax error anywhere or a
    // problem of the header is reported first, as for any other field.
    RootMembers root;
    QList<MenuItem> items;
    std::vector<ItemSpans> spans; // for `walked`
    std::optional<MenuItemSummary> summary; // once the items have been read
    const auto readAll = [&](JsonScanner &scan) {
        MenuItemSummary read;
        items.clear();
        spans.clear();
        // As many as the file could hold at the shortest line an item
        // takes: room reserved but never touched costs no memory.
        spans.reserve(size_t(bytes.size() / 56));
        // Most files are read by the quick scan; the rest the general way.
        if (const qsizetype end = scanItemList(bytes, scan.offset(), &read, &spans); end >= 0) {
            scan.skipTo(end);
            summary = read;
            if (!walked)
                items = itemsAt(bytes, spans);
            return;
        }
        read = MenuItemSummary();
        spans.clear();
        if (!walked) {
            spans.shrink_to_fit();
            items.reserve(bytes.size() / 56);
        }
        readItems(scan, &read, [&](ReadItem &got) {
            const MenuItem &item = got.item;
            if (!walked) {
                items.append(std::move(got.item));
                return;
            }
            ItemSpans &at = spans.emplace_back();
            at.textAt = quint32(got.raw[0].data() - bytes.constData());
            at.textSize = quint32(got.raw[0].size());
            at.urlAt = quint32(got.raw[2].data() - bytes.constData());
            at.urlSize = quint32(got.raw[2].size());
            at.flags = quint8((got.escapes[0] ? ItemSpans::TextEscapes : 0)
                              | (got.escapes[2] ? ItemSpans::UrlEscapes : 0)
                              | (item.isSeparator() ? ItemSpans::Separator : 0)
                              | (item.linked == menutext::kYes ? ItemSpans::LinkedYes : 0)
                              | (item.linked == menutext::kNo ? ItemSpans::LinkedNo : 0)
                              | (item.selected == menutext::kNo ? ItemSpans::SelectedNo : 0));
        });
        summary = read;
    };
    try {
        for (bool readingItems : {true, false}) {
            try {
                root = RootMembers();
                JsonScanner scan(bytes);
                if (scan.peek() != JsonScanner::Object) {
                    scan.skipValue();
                    scan.finish();
                    *error = QCoreApplication::translate("ProjectFile", "the file must hold one JSON object");
                    return false;
                }
                scan.enterObject();
                QByteArrayView key;
                while (scan.nextMember(&key)) {
                    root.at.insert(key.toByteArray(), scan.offset());
                    if (key != "items") {
                        scan.skipValue();
                    } else if (readingItems && scan.peek() == JsonScanner::Array) {
                        readAll(scan);
                    } else {
                        summary.reset(); // the last member of a name counts
                        items.clear();
                        scan.skipValue(&root.itemCount);
                    }
                }
                scan.finish();
                break;
            } catch (const Refusal &) {
                summary.reset();
                items.clear();
            }
        }
    } catch (const JsonScanner::SyntaxError &fault) {
        const auto [line, column] = lineAndColumn(bytes, fault.offset);
        *error = QCoreApplication::translate("ProjectFile", "JSON syntax error at line %1, column %2: %3")
                     .arg(line)
                     .arg(column)
                     .arg(fault.reason);
        kind = Refused::Syntax;
        return false;
    }
    // Second pass: the fields, in a fixed order, so that the first problem
    // reported does not depend on the order of the members in the file.
    try {
        checkHeader(bytes, root);
        if (!summary) {
            JsonScanner scan = itemList(bytes, root);
            readAll(scan);
        }
        MenuProject loaded;
        loaded.items = std::move(items);
        loaded.options = readOptions(bytes, root);
        loaded.menuStyle = readMenuStyle(bytes, root);
        loaded.buttonStyle = readButtonStyle(bytes, root);
        loaded.dialect = readDialect(bytes, root);
        readSite(bytes, root, &loaded);
        if (MenuCodeLengthBound(loaded, *summary) > kMaxCodeLength)
            throw Refusal{codeTooLargeProblem()};
        *project = std::move(loaded);
        kind = Refused::Nothing;
        if (walked) {
            walked->summary = *summary;
            walked->walk = [bytes, spans = std::make_shared<const std::vector<ItemSpans>>(std::move(spans))](
                               const MenuItems::Visit &visit) {
                // Room for the texts with escapes, decoded to UTF-8 unless
                // they stand for a lone surrogate.
                QByteArray utf8[2];
                QString utf16[2];
                const auto text = [&](quint32 at, quint32 size, bool escapes, int room) {
                    const QByteArrayView raw(bytes.constData() + at, size);
                    if (!escapes)
                        return ItemText::fromUtf8(raw);
                    if (JsonScanner::decodeStringUtf8(raw, &utf8[room]))
                        return ItemText::fromUtf8(utf8[room]);
                    JsonScanner::decodeString(raw, true, &utf16[room], {});
                    return ItemText(utf16[room]);
                };
                for (const ItemSpans &at : *spans) {
                    ItemRef item;
                    item.text = text(at.textAt, at.textSize, at.flags & ItemSpans::TextEscapes, 0);
                    item.url = text(at.urlAt, at.urlSize, at.flags & ItemSpans::UrlEscapes, 1);
                    item.separator = at.flags & ItemSpans::Separator;
                    item.linkedYes = at.flags & ItemSpans::LinkedYes;
                    item.linkedNo = at.flags & ItemSpans::LinkedNo;
                    item.selectedNo = at.flags & ItemSpans::SelectedNo;
                    visit(item);
                }
            };
        }
        return true;
    } catch (const Refusal &refusal) {
        *error = refusal.text;
        return false;
    }
}

// Reads a project file's text; on failure the message names the file.
bool readText(const QString &path, QByteArray *bytes, QString *error)
{
    RegularFile file = RegularFile::read(path, kMaxFileBytes);
    if (file.status != RegularFile::Ok) {
        *error = file.problem(path);
        return false;
    }
    *bytes = std::move(file.bytes);
    return true;
}

bool loadInto(const QString &path, MenuProject *project, MenuItems *walked, QString *error)
{
    QByteArray bytes;
    if (!readText(path, &bytes, error))
        return false;
    QString problem;
    if (!parseInto(bytes, project, walked, &problem, nullptr)) {
        *error = QCoreApplication::translate("ProjectFile", "\"%1\" is not a valid menu project: %2").arg(QDir::toNativeSeparators(path),
                                                                            problem);
        return false;
    }
    return true;
}

} // namespace

bool parse(const QByteArray &bytes, MenuProject *project, QString *error, Refused *refused)
{
    return parseInto(bytes, project, nullptr, error, refused);
}

bool parse(const QByteArray &bytes, MenuProject *project, MenuItems *items, QString *error, Refused *refused)
{
    return parseInto(bytes, project, items, error, refused);
}

bool load(const QString &path, MenuProject *project, QString *error)
{
    return loadInto(path, project, nullptr, error);
}

bool load(const QString &path, MenuProject *project, MenuItems *items, QString *error)
{
    return loadInto(path, project, items, error);
}

QString codeTooLargeProblem()
{
    return QCoreApplication::translate("ProjectFile", "the menu's generated code would pass the limit of %1 MiB")
        .arg(kMaxCodeLength / (1024 * 1024));
}

bool save(const QString &path, const MenuProject &project, QString *error, WriteMode mode)
{
    AtomicFileWriter file(path, mode);
    if (!file.open(error))
        return false;
    JsonWriter w([&](QByteArrayView bytes) {
        if (file.written() + bytes.size() > kMaxFileBytes)
            file.fail(QCoreApplication::translate("ProjectFile", "the menu project would be larger than %1 MiB, the most a menu "
                                     "project can hold.")
                          .arg(kMaxFileBytes / (1024 * 1024)));
        file.write(bytes);
    });
    writeProjectText(w, project);
    w.flush();
    return file.commit(error);
}

} // namespace ProjectFile
