// Project loader: any bytes are refused or load; a loaded project generates
// within its computed bound, saves and reloads to the same project and code.
// Read as the export reads it (items left in the text), the same bytes are
// refused with the same message or give the same code.
//
// The reader is also held against Qt's own JSON parser (QJsonDocument): both
// accept the bytes' syntax or both refuse it, the JSON scanner reads every
// value as Qt does, and a loaded project holds the texts Qt reads. What the
// project reader refuses later (fields, meaning, limits) is outside the
// comparison.
#include "codegen/CodeLimit.h"
#include "codegen/MenuCodeGenerator.h"
#include "codegen/TextBuilder.h"
#include "menu/JsonScanner.h"
#include "menu/ProjectFile.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cmath>
#include <cstdlib>

namespace {

const QChar kFeff(0xFEFF);

bool same(const QJsonValue &ours, const QJsonValue &qt)
{
    if (ours.isDouble() && qt.isDouble()) {
        // Qt keeps whole numbers up to 2^53 exactly and others as doubles;
        // both are read to the nearest double.
        return ours.toDouble() == qt.toDouble();
    }
    if (ours.type() != qt.type())
        return false;
    if (ours.isObject()) {
        const QJsonObject a = ours.toObject();
        const QJsonObject b = qt.toObject();
        // Deliberate: the scanner gives a member's name in UTF-8, where a lone
        // surrogate has no form (U+FFFD stands for it); names matter only
        // where they are the project's own, which hold none.
        QHash<QString, QJsonValue> theirs;
        for (auto i = b.begin(); i != b.end(); ++i) {
            const QString name = JsonScanner::utf8ToString(i.key().toUtf8());
            if (theirs.contains(name))
                return true; // two of Qt's names for one of ours: no comparison
            theirs.insert(name, i.value());
        }
        QSet<QString> names; // Qt's names of ours
        for (auto i = a.begin(); i != a.end(); ++i) {
            QString name = i.key();
            if (!theirs.contains(name) && name.startsWith(kFeff))
                name = name.mid(1); // Qt drops it (see below)
            if (names.contains(name))
                return true; // two names for one of Qt's: which value Qt kept depends on their order
            names.insert(name);
            if (!theirs.contains(name) || !same(i.value(), theirs.value(name)))
                return false;
        }
        return names.size() == theirs.size();
    }
    if (ours.isArray()) {
        const QJsonArray a = ours.toArray();
        const QJsonArray b = qt.toArray();
        if (a.size() != b.size())
            return false;
        for (qsizetype i = 0; i < a.size(); ++i) {
            if (!same(a.at(i), b.at(i)))
                return false;
        }
        return true;
    }
    if (ours.isString() && ours.toString().startsWith(kFeff))
        // Deliberate: Qt drops U+FEFF at the start of a text or name written
        // without escapes (it reads it with QString::fromUtf8); the reader
        // keeps every character.
        return ours == qt || ours.toString().mid(1) == qt.toString();
    return ours == qt; // texts unit by unit, lone surrogates included
}

// The project's texts where Qt reads the same names.
bool sameTexts(const MenuProject &p, const QJsonObject &root)
{
    const auto sameText = [](const QString &held, const QJsonValue &qt) { return same(held, qt); };
    const QJsonArray items = root.value(QLatin1String("items")).toArray();
    if (items.size() != p.items.size())
        return false;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QJsonObject o = items.at(i).toObject();
        const MenuItem &item = p.items.at(i);
        if (!sameText(item.text, o.value(QLatin1String("text")))
            || !sameText(item.linked, o.value(QLatin1String("linked")))
            || !sameText(item.url, o.value(QLatin1String("url")))
            || !sameText(item.selected, o.value(QLatin1String("selected"))))
            return false;
    }
    const auto text = [&](const char *object, const char *key, const QString &held) {
        const QJsonValue v = root.value(QLatin1String(object)).toObject().value(QLatin1String(key));
        return !v.isString() || sameText(held, v);
    };
    const MenuOptions &o = p.options;
    const MenuStyleRecord &m = p.menuStyle;
    const ButtonStyleRecord &b = p.buttonStyle;
    return text("options", "menuName", o.menuName) && text("options", "frameName", o.frameName)
           && text("options", "buttonText", o.buttonText) && text("options", "graphicUrl", o.graphicUrl)
           && text("options", "altText", o.altText) && text("options", "graphicWidth", o.graphicWidth)
           && text("options", "graphicHeight", o.graphicHeight) && text("menuStyle", "mnuFont", m.mnuFont)
           && text("menuStyle", "mnuFontSize", m.mnuFontSize) && text("menuStyle", "mnuWidth", m.mnuWidth)
           && text("buttonStyle", "bttnFont", b.bttnFont)
           && text("buttonStyle", "bttnFontSize", b.bttnFontSize)
           && text("buttonStyle", "bttnWidth", b.bttnWidth) && text("buttonStyle", "bttnHeight", b.bttnHeight)
           && text("buttonStyle", "bttnBorder", b.bttnBorder);
}

// The first character after a byte order mark and blanks, 0 when there is none.
char firstCharacter(const QByteArray &bytes)
{
    for (qsizetype i = JsonScanner::byteOrderMarkSize(bytes); i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
            return c;
    }
    return 0;
}

// The scanner's reading of a whole text; false, with the fault, when it
// refuses it.
bool scanAll(const QByteArray &text, QJsonValue *value, JsonScanner::SyntaxError *fault)
{
    try {
        JsonScanner scan(text);
        *value = scan.readJsonValue(); // duplicate names keep their last value, as in Qt
        scan.finish();
        return true;
    } catch (const JsonScanner::SyntaxError &error) {
        *fault = error;
        return false;
    }
}

// Qt's reader lets pass what RFC 8259 refuses, in three ways the scanner
// keeps refusing:
//   a control character in a string, not written as an escape;
//   a backslash before any character, which then stands for itself
//     (a byte from 0x80 on for the character of that number);
//   a number without digits before or after its decimal point
//     ("1.", ".5", "-.5", "1.e5").
// The text as RFC 8259 writes what Qt read there, or an empty text when the
// fault is none of these.
QByteArray writtenAsQtReadIt(const QByteArray &text, const JsonScanner::SyntaxError &fault)
{
    using Fault = JsonScanner::SyntaxError;
    const qsizetype at = fault.offset;
    const auto escape = [](uchar c) {
        return QByteArray("\\u00") + QByteArray::number(c, 16).rightJustified(2, '0');
    };
    switch (fault.fault) {
    case Fault::ControlCharacter:
        return text.left(at) + escape(uchar(text.at(at))) + text.mid(at + 1);
    case Fault::UnknownEscape: {
        if (at + 1 >= text.size())
            return {};
        const uchar c = uchar(text.at(at + 1));
        const QByteArray written = c < 0x20   ? escape(c)
                                   : c < 0x80 ? QByteArray(1, char(c))
                                              : QString(QChar(char16_t(c))).toUtf8();
        return text.left(at) + written + text.mid(at + 2);
    }
    case Fault::MissingDigits:
        return text.left(at) + '0' + text.mid(at);
    case Fault::Malformed:
        return {};
    }
    return {};
}

// Holds the reader's view of the bytes against Qt's: the same verdict on
// their syntax, the same values, and a loaded project holding the texts Qt
// reads.
void compareWithQt(const QByteArray &bytes, ProjectFile::Refused refused, const MenuProject *loaded)
{
    QJsonValue ours;
    JsonScanner::SyntaxError fault{};
    const bool weAccept = scanAll(bytes, &ours, &fault);
    // The project reader judges the syntax as the scanner does.
    if (weAccept != (refused != ProjectFile::Refused::Syntax))
        std::abort();

    QJsonParseError qtError{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &qtError);
    const bool qtAccepts = qtError.error == QJsonParseError::NoError;
    const char first = firstCharacter(bytes);
    if (weAccept && !qtAccepts && first != '{' && first != '[') {
        // Deliberate: a text of a single number, text, true, false or null
        // is JSON (RFC 8259), which Qt refuses; the project reader refuses
        // it too, as a file that does not hold one object.
        if (refused == ProjectFile::Refused::Nothing)
            std::abort();
        return;
    }
    if (!qtAccepts) {
        if (weAccept)
            std::abort();
        return;
    }
    // Qt accepts: the scanner must read the same, once what Qt lets pass
    // (and the scanner refuses, as RFC 8259 does) is written as RFC 8259
    // writes it.
    QByteArray text = bytes;
    for (bool accepted = weAccept; !accepted; accepted = scanAll(text, &ours, &fault)) {
        text = writtenAsQtReadIt(text, fault);
        if (text.isEmpty())
            std::abort();
    }
    if (!same(ours, document.isObject() ? QJsonValue(document.object()) : QJsonValue(document.array())))
        std::abort();
    if (loaded && !sameTexts(*loaded, document.object()))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    MenuProject project;
    QString error;
    MenuProject walked;
    MenuItems items;
    QString walkedError;
    ProjectFile::Refused refused = ProjectFile::Refused::Nothing;
    ProjectFile::Refused walkedRefused = ProjectFile::Refused::Nothing;
    const bool loaded = ProjectFile::parse(bytes, &project, &error, &refused);
    if (ProjectFile::parse(bytes, &walked, &items, &walkedError, &walkedRefused) != loaded
        || walkedError != error || walkedRefused != refused
        || loaded != (refused == ProjectFile::Refused::Nothing))
        std::abort();
    compareWithQt(bytes, refused, loaded ? &project : nullptr);
    if (!loaded)
        return 0;
    if (!(items.summary == MenuItemSummary::of(project.items)))
        std::abort();
    if (!codelimit::fits(project, items.summary)) // every caller refuses it before generating
        return 0;
    QByteArray streamed;
    TextBuilder b([&](QByteArrayView chunk) { streamed += chunk; }, 64);
    AppendMenuBody(b, codegen::kCodeMode, walked, items);
    b.flush();
    if (streamed != GenerateMenuCode(codegen::kCodeMode, project).body.toUtf8())
        std::abort();
    MenuProject reloaded;
    if (!ProjectFile::parse(ProjectFile::serialize(project), &reloaded, &error) || !(reloaded == project))
        std::abort();
    for (const QString &mode : {codegen::kCodeMode, codegen::kPreviewMode}) {
        const MenuCode code = GenerateMenuCode(mode, project);
        const MenuCode again = GenerateMenuCode(mode, reloaded);
        if (code.head != again.head || code.body != again.body
            || code.head.size() + code.body.size() > MenuCodeLengthBound(project))
            std::abort();
    }
    return 0;
}
