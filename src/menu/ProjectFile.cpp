#include "menu/ProjectFile.h"

#include "codegen/MenuCodeGenerator.h"
#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cmath>

namespace ProjectFile {

namespace {

// ---- writing -------------------------------------------------------------

QJsonArray toArray(const auto &texts)
{
    QJsonArray a;
    for (const QString &t : texts)
        a.append(t);
    return a;
}

QJsonObject itemToJson(const MenuItem &item)
{
    return {{"text", item.text}, {"linked", item.linked}, {"url", item.url},
            {"selected", item.selected}};
}

QJsonObject optionsToJson(const MenuOptions &o)
{
    return {{"menuName", o.menuName},       {"linkTarget", o.linkTarget},
            {"frameName", o.frameName},     {"navigation", o.navigation},
            {"buttonKind", o.buttonKind},   {"buttonText", o.buttonText},
            {"graphicUrl", o.graphicUrl},   {"altText", o.altText},
            {"graphicWidth", o.graphicWidth}, {"graphicHeight", o.graphicHeight},
            {"buttonAlign", o.buttonAlign}};
}

QJsonObject menuStyleToJson(const MenuStyleRecord &s)
{
    return {{"mnuClr", toArray(s.mnuClr)},     {"mnuSysClr", s.mnuSysClr},
            {"mnuFont", s.mnuFont},            {"mnuFontSize", s.mnuFontSize},
            {"mnuFontWeight", s.mnuFontWeight}, {"mnuItalic", s.mnuItalic},
            {"mnuUnderline", s.mnuUnderline},  {"mnuWidth", s.mnuWidth},
            {"mnuConstWidth", s.mnuConstWidth}};
}

QJsonObject buttonStyleToJson(const ButtonStyleRecord &s)
{
    return {{"bttnClr", toArray(s.bttnClr)},       {"bttnSyncTL", s.bttnSyncTL},
            {"bttnSyncRB", s.bttnSyncRB},          {"bttnSysClr", s.bttnSysClr},
            {"bttnFont", s.bttnFont},              {"bttnFontSize", s.bttnFontSize},
            {"bttnFontWeight", s.bttnFontWeight},  {"bttnUnderline", s.bttnUnderline},
            {"bttnItalic", s.bttnItalic},          {"bttnWidth", s.bttnWidth},
            {"bttnHeight", s.bttnHeight},          {"bttnBorder", s.bttnBorder},
            {"bttnConstSize", s.bttnConstSize},    {"bttnNoBorder", s.bttnNoBorder}};
}

// ---- reading ---------------------------------------------------------------

// Thrown inside the reader; carries "<field>: <problem>".
struct Refusal {
    QString text;
};

[[noreturn]] void refuse(const QString &field, const QString &problem)
{
    throw Refusal{field + QStringLiteral(": ") + problem};
}

// Reads the fields of one JSON object; a missing optional field keeps the
// value it already has (the start-up value).
class Reader {
public:
    Reader(const QJsonObject &object, QString path) : m_o(object), m_path(std::move(path)) {}

    QString field(const QString &key) const
    {
        return m_path.isEmpty() ? key : m_path + QLatin1Char('.') + key;
    }

    bool has(const QString &key) const { return m_o.contains(key); }

    void text(const QString &key, QString *out, bool required = false) const
    {
        if (!present(key, required))
            return;
        const QJsonValue v = m_o.value(key);
        if (!v.isString())
            refuse(field(key), QStringLiteral("must be a text"));
        *out = v.toString();
        if (out->size() > kMaxTextLength)
            refuse(field(key), QStringLiteral("must be at most %1 characters long (the most its field "
                                              "in the window holds)").arg(kMaxTextLength));
    }

    void number(const QString &key, int *out, int low, int high) const
    {
        if (!present(key, false))
            return;
        const QJsonValue v = m_o.value(key);
        const double d = v.toDouble(-1e300);
        // Range first: converting a double outside int's range is undefined.
        if (!v.isDouble() || !(d >= low && d <= high) || d != std::trunc(d))
            refuse(field(key), QStringLiteral("must be a whole number from %1 to %2")
                                   .arg(low)
                                   .arg(high));
        *out = int(d);
    }

    void flag(const QString &key, int *out) const { number(key, out, 0, 1); }

    template <std::size_t N> void colours(const QString &key, std::array<QString, N> *out) const
    {
        if (!present(key, false))
            return;
        const QJsonValue v = m_o.value(key);
        if (!v.isArray() || v.toArray().size() != qsizetype(N))
            refuse(field(key), QStringLiteral("must be a list of %1 colours").arg(N));
        static const QRegularExpression colour(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
        const QJsonArray a = v.toArray();
        for (std::size_t i = 0; i < N; ++i) {
            const QString at = field(key) + QStringLiteral("[%1]").arg(i);
            if (!a.at(qsizetype(i)).isString() || !colour.match(a.at(qsizetype(i)).toString()).hasMatch())
                refuse(at, QStringLiteral("must be a colour \"#\" followed by six hexadecimal digits"));
            (*out)[i] = a.at(qsizetype(i)).toString();
        }
    }

    void weight(const QString &key, QString *out) const
    {
        QString t = *out;
        text(key, &t);
        static const QRegularExpression digits(QStringLiteral("^[1-9][0-9]{2}$"));
        if (!digits.match(t).hasMatch() || t.toInt() > 900)
            refuse(field(key), QStringLiteral("must be a whole number from 100 to 900"));
        *out = t;
    }

    // A dimension text: at most four characters, digits only when digitsOnly.
    void dimension(const QString &key, QString *out, bool digitsOnly, int maxLength = 4) const
    {
        QString t = *out;
        text(key, &t);
        if (maxLength > 0 && t.size() > maxLength)
            refuse(field(key), QStringLiteral("must be at most %1 characters long").arg(maxLength));
        static const QRegularExpression digits(QStringLiteral("^[0-9]*$"));
        if (digitsOnly && !digits.match(t).hasMatch())
            refuse(field(key), QStringLiteral("must contain digits only"));
        *out = t;
    }

private:
    bool present(const QString &key, bool required) const
    {
        if (m_o.contains(key))
            return true;
        if (required)
            refuse(field(key), QStringLiteral("is missing"));
        return false;
    }

    QJsonObject m_o;
    QString m_path;
};

QJsonObject objectField(const QJsonObject &root, const QString &key)
{
    if (!root.contains(key))
        return {};
    if (!root.value(key).isObject())
        refuse(key, QStringLiteral("must be an object"));
    return root.value(key).toObject();
}

QList<MenuItem> readItems(const QJsonObject &root)
{
    if (!root.contains(QStringLiteral("items")))
        refuse(QStringLiteral("items"), QStringLiteral("is missing"));
    if (!root.value(QStringLiteral("items")).isArray())
        refuse(QStringLiteral("items"), QStringLiteral("must be a list"));
    const QJsonArray array = root.value(QStringLiteral("items")).toArray();
    QList<MenuItem> items;
    items.reserve(array.size());
    int defaultAt = -1;
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QString path = QStringLiteral("items[%1]").arg(i);
        if (!array.at(i).isObject())
            refuse(path, QStringLiteral("must be an object"));
        const Reader r(array.at(i).toObject(), path);
        MenuItem item;
        r.text(QStringLiteral("text"), &item.text, true);
        r.text(QStringLiteral("linked"), &item.linked, true);
        r.text(QStringLiteral("url"), &item.url, true);
        r.text(QStringLiteral("selected"), &item.selected, true);
        for (const auto &[key, value] : {std::pair{QStringLiteral("linked"), item.linked},
                                         std::pair{QStringLiteral("selected"), item.selected}}) {
            if (value != menutext::kYes && value != menutext::kNo)
                refuse(r.field(key), QStringLiteral("must be \"Yes\" or \"No\""));
        }
        if (item.isDefault()) {
            if (defaultAt >= 0)
                refuse(r.field(QStringLiteral("selected")),
                       QStringLiteral("only one item can be the default selection (items[%1] "
                                      "already is)")
                           .arg(defaultAt));
            defaultAt = int(i);
        }
        items.append(item);
    }
    return items;
}

MenuOptions readOptions(const QJsonObject &root)
{
    const Reader r(objectField(root, QStringLiteral("options")), QStringLiteral("options"));
    MenuOptions o;
    r.text(QStringLiteral("menuName"), &o.menuName);
    r.number(QStringLiteral("linkTarget"), &o.linkTarget, 0, 2);
    r.text(QStringLiteral("frameName"), &o.frameName);
    r.number(QStringLiteral("navigation"), &o.navigation, 0, 1);
    r.number(QStringLiteral("buttonKind"), &o.buttonKind, 0, 1);
    r.text(QStringLiteral("buttonText"), &o.buttonText);
    r.text(QStringLiteral("graphicUrl"), &o.graphicUrl);
    r.text(QStringLiteral("altText"), &o.altText);
    r.text(QStringLiteral("graphicWidth"), &o.graphicWidth);
    r.text(QStringLiteral("graphicHeight"), &o.graphicHeight);
    r.number(QStringLiteral("buttonAlign"), &o.buttonAlign, 0, 2);
    return o;
}

MenuStyleRecord readMenuStyle(const QJsonObject &root)
{
    const Reader r(objectField(root, QStringLiteral("menuStyle")), QStringLiteral("menuStyle"));
    MenuStyleRecord s;
    r.colours(QStringLiteral("mnuClr"), &s.mnuClr);
    r.flag(QStringLiteral("mnuSysClr"), &s.mnuSysClr);
    r.text(QStringLiteral("mnuFont"), &s.mnuFont);
    r.text(QStringLiteral("mnuFontSize"), &s.mnuFontSize);
    r.weight(QStringLiteral("mnuFontWeight"), &s.mnuFontWeight);
    r.flag(QStringLiteral("mnuItalic"), &s.mnuItalic);
    r.flag(QStringLiteral("mnuUnderline"), &s.mnuUnderline);
    r.dimension(QStringLiteral("mnuWidth"), &s.mnuWidth, false);
    r.flag(QStringLiteral("mnuConstWidth"), &s.mnuConstWidth);
    return s;
}

ButtonStyleRecord readButtonStyle(const QJsonObject &root)
{
    const Reader r(objectField(root, QStringLiteral("buttonStyle")), QStringLiteral("buttonStyle"));
    ButtonStyleRecord s;
    r.colours(QStringLiteral("bttnClr"), &s.bttnClr);
    r.flag(QStringLiteral("bttnSyncTL"), &s.bttnSyncTL);
    r.flag(QStringLiteral("bttnSyncRB"), &s.bttnSyncRB);
    r.flag(QStringLiteral("bttnSysClr"), &s.bttnSysClr);
    r.text(QStringLiteral("bttnFont"), &s.bttnFont);
    r.dimension(QStringLiteral("bttnFontSize"), &s.bttnFontSize, true, 0);
    r.weight(QStringLiteral("bttnFontWeight"), &s.bttnFontWeight);
    r.flag(QStringLiteral("bttnUnderline"), &s.bttnUnderline);
    r.flag(QStringLiteral("bttnItalic"), &s.bttnItalic);
    r.dimension(QStringLiteral("bttnWidth"), &s.bttnWidth, true);
    r.dimension(QStringLiteral("bttnHeight"), &s.bttnHeight, true);
    r.dimension(QStringLiteral("bttnBorder"), &s.bttnBorder, true);
    r.flag(QStringLiteral("bttnConstSize"), &s.bttnConstSize);
    r.flag(QStringLiteral("bttnNoBorder"), &s.bttnNoBorder);
    return s;
}

// The kind of code the project generates; a file without it is classic.
CodeDialect readDialect(const QJsonObject &root)
{
    CodeDialect dialect = CodeDialect::Classic;
    if (root.contains(QStringLiteral("dialect"))
        && !codedialect::fromKey(root.value(QStringLiteral("dialect")).toString(), &dialect))
        refuse(QStringLiteral("dialect"), QStringLiteral("must be \"classic\" or \"html5\""));
    return dialect;
}

void checkHeader(const QJsonObject &root)
{
    if (root.value(QStringLiteral("format")).toString() != kFormat)
        refuse(QStringLiteral("format"),
               QStringLiteral("must be \"%1\" (this is not a Quillnav menu project)").arg(kFormat));
    const QJsonValue v = root.value(QStringLiteral("version"));
    const double d = v.toDouble(-1);
    if (!v.isDouble() || !(d >= 1 && d < 1e15) || d != std::trunc(d))
        refuse(QStringLiteral("version"), QStringLiteral("must be a whole number from 1"));
    if (d > kVersion)
        refuse(QStringLiteral("version"),
               QStringLiteral("%1 is newer than this program reads (%2); use a newer Quillnav")
                   .arg(qint64(d))
                   .arg(kVersion));
}

// Line and column (1-based) of a byte offset.
std::pair<int, int> lineAndColumn(const QByteArray &bytes, qsizetype offset)
{
    int line = 1;
    int column = 1;
    for (qsizetype i = 0; i < offset && i < bytes.size(); ++i) {
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
    QJsonArray items;
    for (const MenuItem &item : p.items)
        items.append(itemToJson(item));
    const QJsonObject root{{"format", kFormat},
                           {"version", kVersion},
                           {"items", items},
                           {"options", optionsToJson(p.options)},
                           {"menuStyle", menuStyleToJson(p.menuStyle)},
                           {"buttonStyle", buttonStyleToJson(p.buttonStyle)},
                           {"dialect", codedialect::key(p.dialect)}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool parse(const QByteArray &bytes, MenuProject *project, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        const auto [line, column] = lineAndColumn(bytes, parseError.offset);
        *error = QStringLiteral("JSON syntax error at line %1, column %2: %3")
                     .arg(line)
                     .arg(column)
                     .arg(parseError.errorString());
        return false;
    }
    if (!doc.isObject()) {
        *error = QStringLiteral("the file must hold one JSON object");
        return false;
    }
    try {
        const QJsonObject root = doc.object();
        checkHeader(root);
        MenuProject loaded;
        loaded.items = readItems(root);
        loaded.options = readOptions(root);
        loaded.menuStyle = readMenuStyle(root);
        loaded.buttonStyle = readButtonStyle(root);
        loaded.dialect = readDialect(root);
        if (MenuCodeLengthBound(loaded) > kMaxCodeLength)
            refuse(QStringLiteral("items"),
                   QStringLiteral("the menu's generated code would pass the limit of %1 MiB")
                       .arg(kMaxCodeLength / (1024 * 1024)));
        *project = loaded;
        return true;
    } catch (const Refusal &refusal) {
        *error = refusal.text;
        return false;
    }
}

bool load(const QString &path, MenuProject *project, QString *error)
{
    const QString name = QDir::toNativeSeparators(path);
    const RegularFile file = RegularFile::read(path, kMaxFileBytes);
    switch (file.status) {
    case RegularFile::Ok:
        break;
    case RegularFile::NotRegular:
        *error = QStringLiteral("Could not read \"%1\": it is not a regular file.").arg(name);
        return false;
    case RegularFile::TooLarge:
        *error = QStringLiteral("\"%1\" is not a valid menu project: it is larger than %2 MiB, the "
                                "most a menu project can hold.")
                     .arg(name)
                     .arg(kMaxFileBytes / (1024 * 1024));
        return false;
    default:
        *error = QStringLiteral("Could not read \"%1\": %2").arg(name, file.reason);
        return false;
    }
    QString problem;
    if (!parse(file.bytes, project, &problem)) {
        *error = QStringLiteral("\"%1\" is not a valid menu project: %2").arg(name, problem);
        return false;
    }
    return true;
}

bool save(const QString &path, const MenuProject &project, QString *error)
{
    return WriteFileAtomically(path, serialize(project), error);
}

} // namespace ProjectFile
