#include "menu/ProjectFileText.h"

#include "menu/JsonWriter.h"
#include "menu/PageLanguage.h"
#include "menu/ProjectFile.h"

#include <QStringList>

#include <algorithm>
#include <cstring>
#include <functional>
#include <variant>
#include <vector>

namespace ProjectFile {

namespace {

// One line an item keeps a large menu's file about half the size of the
// indented layout.

struct Field {
    const char *key;
    std::variant<QString, int, bool, QStringList, std::function<void(int indent)>> value;
};

QByteArray spaces(int indent)
{
    return QByteArray(4 * indent, ' ');
}

void writeFields(JsonWriter &w, std::vector<Field> fields, int indent)
{
    std::sort(fields.begin(), fields.end(),
              [](const Field &a, const Field &b) { return std::strcmp(a.key, b.key) < 0; });
    w.raw("{\n");
    for (std::size_t i = 0; i < fields.size(); ++i) {
        w.raw(spaces(indent + 1)).raw("\"").raw(fields[i].key).raw("\": ");
        std::visit(
            [&](const auto &value) {
                using T = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<T, QString>) {
                    w.string(value);
                } else if constexpr (std::is_same_v<T, int>) {
                    w.number(value);
                } else if constexpr (std::is_same_v<T, bool>) {
                    w.raw(value ? "true" : "false");
                } else if constexpr (std::is_same_v<T, QStringList>) {
                    w.raw("[\n");
                    for (qsizetype k = 0; k < value.size(); ++k)
                        w.raw(spaces(indent + 2)).string(value[k]).raw(k + 1 < value.size() ? ",\n" : "\n");
                    w.raw(spaces(indent + 1)).raw("]");
                } else {
                    value(indent + 1);
                }
            },
            fields[i].value);
        w.raw(i + 1 < fields.size() ? ",\n" : "\n");
    }
    w.raw(spaces(indent)).raw("}");
}

QStringList toList(const auto &texts)
{
    return QStringList(texts.begin(), texts.end());
}

void writeItems(JsonWriter &w, const QList<MenuItem> &items, int indent)
{
    w.raw("[\n");
    const QByteArray itemIndent = spaces(indent + 1);
    for (qsizetype i = 0; i < items.size(); ++i) {
        const MenuItem &item = items[i];
        w.raw(itemIndent)
            .raw("{\"linked\": ")
            .string(item.linked)
            .raw(", \"selected\": ")
            .string(item.selected);
        w.raw(", \"text\": ").string(item.text).raw(", \"url\": ").string(item.url);
        w.raw(i + 1 < items.size() ? "},\n" : "}\n");
    }
    w.raw(spaces(indent)).raw("]");
}

void writeOptions(JsonWriter &w, const MenuOptions &o, int indent)
{
    writeFields(w,
                {{"menuName", o.menuName},
                 {"linkTarget", o.linkTarget},
                 {"frameName", o.frameName},
                 {"navigation", o.navigation},
                 {"buttonKind", o.buttonKind},
                 {"buttonText", o.buttonText},
                 {"graphicUrl", o.graphicUrl},
                 {"altText", o.altText},
                 {"graphicWidth", o.graphicWidth},
                 {"graphicHeight", o.graphicHeight},
                 {"buttonAlign", o.buttonAlign}},
                indent);
}

// The fallback is written only when there is one, so that a project without
// it keeps the bytes it had before the field existed.
void addFallback(std::vector<Field> *fields, const char *key, const QString &fallback)
{
    if (!fallback.isEmpty())
        fields->push_back({key, fallback});
}

void writeMenuStyle(JsonWriter &w, const MenuStyleRecord &s, int indent)
{
    std::vector<Field> fields{{"mnuClr", toList(s.mnuClr)},
                              {"mnuSysClr", s.mnuSysClr},
                              {"mnuFont", s.mnuFont},
                              {"mnuFontSize", s.mnuFontSize},
                              {"mnuFontWeight", s.mnuFontWeight},
                              {"mnuItalic", s.mnuItalic},
                              {"mnuUnderline", s.mnuUnderline},
                              {"mnuWidth", s.mnuWidth},
                              {"mnuConstWidth", s.mnuConstWidth}};
    addFallback(&fields, "mnuFontFallback", s.mnuFontFallback);
    writeFields(w, std::move(fields), indent);
}

void writeButtonStyle(JsonWriter &w, const ButtonStyleRecord &s, int indent)
{
    std::vector<Field> fields{{"bttnClr", toList(s.bttnClr)},
                              {"bttnSyncTL", s.bttnSyncTL},
                              {"bttnSyncRB", s.bttnSyncRB},
                              {"bttnSysClr", s.bttnSysClr},
                              {"bttnFont", s.bttnFont},
                              {"bttnFontSize", s.bttnFontSize},
                              {"bttnFontWeight", s.bttnFontWeight},
                              {"bttnUnderline", s.bttnUnderline},
                              {"bttnItalic", s.bttnItalic},
                              {"bttnWidth", s.bttnWidth},
                              {"bttnHeight", s.bttnHeight},
                              {"bttnBorder", s.bttnBorder},
                              {"bttnConstSize", s.bttnConstSize},
                              {"bttnNoBorder", s.bttnNoBorder}};
    addFallback(&fields, "bttnFontFallback", s.bttnFontFallback);
    writeFields(w, std::move(fields), indent);
}

} // namespace

void writeProjectText(JsonWriter &w, const MenuProject &p)
{
    std::vector<Field> fields{
        {"format", kFormat},
        {"version", kVersion},
        {"items", [&](int indent) { writeItems(w, p.items, indent); }},
        {"options", [&](int indent) { writeOptions(w, p.options, indent); }},
        {"menuStyle", [&](int indent) { writeMenuStyle(w, p.menuStyle, indent); }},
        {"buttonStyle", [&](int indent) { writeButtonStyle(w, p.buttonStyle, indent); }},
        {"dialect", codedialect::key(p.dialect)}};
    // Written only when they differ from a project without them, so that
    // such a project keeps the bytes it had before the fields existed.
    if (!p.site.isEmpty())
        fields.push_back({"site", p.site});
    if (!p.selectCurrentPage)
        fields.push_back({"selectCurrentPage", false});
    if (!p.backups.isEmpty())
        fields.push_back({"backups", p.backups});
    if (p.lang != pagelanguage::kDefault)
        fields.push_back({"lang", p.lang});
    if (!p.server.isEmpty())
        fields.push_back({"server", p.server});
    writeFields(w, std::move(fields), 0);
    w.raw("\n");
}

} // namespace ProjectFile
