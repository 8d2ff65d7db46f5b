#include "menu/ProjectFields.h"

#include "menu/JsonScanner.h"
#include "menu/PageLanguage.h"
#include "menu/ProjectFile.h"
#include "server/ServerAddress.h"
#include "styles/CssFontFamily.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

#include <array>
#include <cmath>

namespace ProjectFile::reader {

void refuse(const QString &field, const QString &problem)
{
    throw Refusal{field + QLatin1Char(' ') + problem};
}

QString tooLongProblem()
{
    return QCoreApplication::translate(
               "ProjectFile", "must be at most %1 characters long (the most its field in the window holds)")
        .arg(kMaxTextLength);
}

namespace {

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
        number(key, out, 1, field(label),
               QCoreApplication::translate("ProjectFile", "must be 0 (unchecked) or 1 (checked)"));
    }

    // Colour texts, one for each of the dialog's colour rows.
    template <std::size_t N>
    void colours(const QString &key, const std::array<const char *, N> &rows,
                 std::array<QString, N> *out) const
    {
        if (!m_o.contains(key))
            return;
        const QJsonValue v = m_o.value(key);
        if (!v.isArray() || v.toArray().size() != qsizetype(N))
            refuse(field(QCoreApplication::translate("ProjectFile", "the colours")),
                   QCoreApplication::translate("ProjectFile", "must be a list of %1 colours").arg(N));
        static const QRegularExpression colour(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
        const QJsonArray a = v.toArray();
        for (std::size_t i = 0; i < N; ++i) {
            if (!a.at(qsizetype(i)).isString() || !colour.match(a.at(qsizetype(i)).toString()).hasMatch())
                refuse(field(QLatin1String(rows[i]) + QStringLiteral(" colour")),
                       QCoreApplication::translate(
                           "ProjectFile", "must be a colour \"#\" followed by six hexadecimal digits"));
            (*out)[i] = a.at(qsizetype(i)).toString();
        }
    }

    void weight(const QString &key, const QString &label, QString *out) const
    {
        QString t = *out;
        text(key, label, &t);
        static const QRegularExpression digits(QStringLiteral("^[1-9][0-9]{2}$"));
        if (!digits.match(t).hasMatch() || t.toInt() > 900)
            refuse(field(label),
                   QCoreApplication::translate("ProjectFile", "must be a whole number from 100 to 900"));
        *out = t;
    }

    // A dimension text: at most four characters, digits only when digitsOnly.
    void dimension(const QString &key, const QString &label, QString *out, bool digitsOnly,
                   int maxLength = 4) const
    {
        QString t = *out;
        text(key, label, &t);
        if (maxLength > 0 && t.size() > maxLength)
            refuse(field(label),
                   QCoreApplication::translate("ProjectFile", "must be at most %1 characters long")
                       .arg(maxLength));
        static const QRegularExpression digits(QStringLiteral("^[0-9]*$"));
        if (digitsOnly && !digits.match(t).hasMatch())
            refuse(field(label), QCoreApplication::translate("ProjectFile", "must contain digits only"));
        *out = t;
    }

    // A font family, as browsers name it: a name stored with Qt's " [Foundry]"
    // suffix loads without it.
    void font(const QString &key, QString *out) const
    {
        text(key, QCoreApplication::translate("ProjectFile", "Font"), out);
        *out = cssfont::familyName(*out);
    }

    // The generic family kept with the font: absent or one of the three.
    void fallback(const QString &key, QString *out) const
    {
        const QString label = QCoreApplication::translate("ProjectFile", "Font (its generic family)");
        text(key, label, out);
        if (!out->isEmpty() && !cssfont::isGeneric(*out))
            refuse(field(label), QCoreApplication::translate(
                                     "ProjectFile", "must be \"serif\", \"sans-serif\" or \"monospace\""));
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

// A small object (options, a style record) as a QJsonObject, so that its
// fields are read by name; members no field of the project has are skipped.
QJsonObject toObject(JsonScanner &scan)
{
    static const QSet<QByteArray> known = [] {
        QSet<QByteArray> keys;
        for (const char *key :
             {"menuName",        "linkTarget",     "frameName",     "navigation",   "buttonKind",
              "buttonText",      "graphicUrl",     "altText",       "graphicWidth", "graphicHeight",
              "buttonAlign",     "mnuClr",         "mnuSysClr",     "mnuFont",      "mnuFontSize",
              "mnuFontWeight",   "mnuItalic",      "mnuUnderline",  "mnuWidth",     "mnuConstWidth",
              "bttnClr",         "bttnSyncTL",     "bttnSyncRB",    "bttnSysClr",   "bttnFont",
              "bttnFontSize",    "bttnFontWeight", "bttnUnderline", "bttnItalic",   "bttnWidth",
              "bttnHeight",      "bttnBorder",     "bttnConstSize", "bttnNoBorder", "mnuFontFallback",
              "bttnFontFallback"})
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

QJsonObject objectField(const QByteArray &bytes, const RootMembers &root, const char *key,
                        const QString &name)
{
    const qsizetype at = root.offset(key);
    if (at < 0)
        return {};
    JsonScanner scan(bytes, at);
    if (scan.peek() != JsonScanner::Object)
        refuse(name, QCoreApplication::translate("ProjectFile", "must be a JSON object"));
    return toObject(scan);
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

} // namespace

MenuOptions readOptions(const QByteArray &bytes, const RootMembers &root)
{
    const QJsonObject fields =
        objectField(bytes, root, "options",
                    QCoreApplication::translate("ProjectFile", "Menu Options and Submit Button Options"));
    const Reader menu(fields, QCoreApplication::translate("ProjectFile", "Menu Options"));
    const Reader button(fields, QCoreApplication::translate("ProjectFile", "Submit Button Options"));
    MenuOptions o;
    menu.text(QStringLiteral("menuName"), QCoreApplication::translate("ProjectFile", "Name of Menu"),
              &o.menuName);
    menu.choice(QStringLiteral("linkTarget"), QCoreApplication::translate("ProjectFile", "Target of Links"),
                &o.linkTarget, MenuOptions::linkTargetCaptions());
    menu.text(QStringLiteral("frameName"), QCoreApplication::translate("ProjectFile", "Frame Name"),
              &o.frameName);
    menu.choice(QStringLiteral("navigation"), QCoreApplication::translate("ProjectFile", "the navigation"),
                &o.navigation,
                {QCoreApplication::translate("ProjectFile", "Navigate on Button Click"),
                 QCoreApplication::translate("ProjectFile", "Navigate on Item Change")});
    button.choice(QStringLiteral("buttonKind"), QCoreApplication::translate("ProjectFile", "the button"),
                  &o.buttonKind,
                  {QCoreApplication::translate("ProjectFile", "Default"),
                   QCoreApplication::translate("ProjectFile", "Graphic")});
    button.text(QStringLiteral("buttonText"), QCoreApplication::translate("ProjectFile", "Text"),
                &o.buttonText);
    button.text(QStringLiteral("graphicUrl"),
                QCoreApplication::translate("ProjectFile", "URL of Button Graphic"), &o.graphicUrl);
    button.text(QStringLiteral("altText"), QCoreApplication::translate("ProjectFile", "Alt Text"),
                &o.altText);
    button.text(QStringLiteral("graphicWidth"), QCoreApplication::translate("ProjectFile", "Width"),
                &o.graphicWidth);
    button.text(QStringLiteral("graphicHeight"), QCoreApplication::translate("ProjectFile", "Height"),
                &o.graphicHeight);
    menu.choice(QStringLiteral("buttonAlign"), QCoreApplication::translate("ProjectFile", "Align to Button"),
                &o.buttonAlign, MenuOptions::alignCaptions());
    return o;
}

MenuStyleRecord readMenuStyle(const QByteArray &bytes, const RootMembers &root)
{
    const QString dialog = QCoreApplication::translate("ProjectFile", "Advanced Menu Options");
    const Reader r(objectField(bytes, root, "menuStyle", dialog), dialog);
    MenuStyleRecord s;
    r.colours(QStringLiteral("mnuClr"), std::array{"Text", "Background"}, &s.mnuClr);
    r.flag(QStringLiteral("mnuSysClr"),
           QCoreApplication::translate("ProjectFile", "Use Default System Menu Colors"), &s.mnuSysClr);
    r.font(QStringLiteral("mnuFont"), &s.mnuFont);
    r.fallback(QStringLiteral("mnuFontFallback"), &s.mnuFontFallback);
    r.text(QStringLiteral("mnuFontSize"), QCoreApplication::translate("ProjectFile", "Font Size"),
           &s.mnuFontSize);
    r.weight(QStringLiteral("mnuFontWeight"), QCoreApplication::translate("ProjectFile", "Font Weight"),
             &s.mnuFontWeight);
    r.flag(QStringLiteral("mnuItalic"), QCoreApplication::translate("ProjectFile", "Italics"), &s.mnuItalic);
    r.flag(QStringLiteral("mnuUnderline"), QCoreApplication::translate("ProjectFile", "Underlined"),
           &s.mnuUnderline);
    r.dimension(QStringLiteral("mnuWidth"), QCoreApplication::translate("ProjectFile", "Width"), &s.mnuWidth,
                false);
    r.flag(QStringLiteral("mnuConstWidth"),
           QCoreApplication::translate("ProjectFile", "Constrain Width Proportionally to Font Size"),
           &s.mnuConstWidth);
    return s;
}

ButtonStyleRecord readButtonStyle(const QByteArray &bytes, const RootMembers &root)
{
    const QString dialog = QCoreApplication::translate("ProjectFile", "Advanced Button Options");
    const Reader r(objectField(bytes, root, "buttonStyle", dialog), dialog);
    ButtonStyleRecord s;
    r.colours(QStringLiteral("bttnClr"),
              std::array{"Text", "Face", "Top Border", "Left Border", "Right Border", "Bottom Border"},
              &s.bttnClr);
    r.flag(QStringLiteral("bttnSyncTL"),
           QCoreApplication::translate("ProjectFile", "Sync Top and Left Border Colors"), &s.bttnSyncTL);
    r.flag(QStringLiteral("bttnSyncRB"),
           QCoreApplication::translate("ProjectFile", "Sync Right and Bottom Border Colors"), &s.bttnSyncRB);
    r.flag(QStringLiteral("bttnSysClr"),
           QCoreApplication::translate("ProjectFile", "Use Default System Button Colors"), &s.bttnSysClr);
    r.font(QStringLiteral("bttnFont"), &s.bttnFont);
    r.fallback(QStringLiteral("bttnFontFallback"), &s.bttnFontFallback);
    r.dimension(QStringLiteral("bttnFontSize"), QCoreApplication::translate("ProjectFile", "Font Size"),
                &s.bttnFontSize, true, 0);
    r.weight(QStringLiteral("bttnFontWeight"), QCoreApplication::translate("ProjectFile", "Font Weight"),
             &s.bttnFontWeight);
    r.flag(QStringLiteral("bttnUnderline"), QCoreApplication::translate("ProjectFile", "Underlined"),
           &s.bttnUnderline);
    r.flag(QStringLiteral("bttnItalic"), QCoreApplication::translate("ProjectFile", "Italics"),
           &s.bttnItalic);
    r.dimension(QStringLiteral("bttnWidth"), QCoreApplication::translate("ProjectFile", "Button Width"),
                &s.bttnWidth, true);
    r.dimension(QStringLiteral("bttnHeight"), QCoreApplication::translate("ProjectFile", "Button Height"),
                &s.bttnHeight, true);
    r.dimension(QStringLiteral("bttnBorder"), QCoreApplication::translate("ProjectFile", "Border Thickness"),
                &s.bttnBorder, true);
    r.flag(
        QStringLiteral("bttnConstSize"),
        QCoreApplication::translate("ProjectFile", "Constrain Button Dimensions Proportionally to Font Size"),
        &s.bttnConstSize);
    r.flag(QStringLiteral("bttnNoBorder"), QCoreApplication::translate("ProjectFile", "No Border"),
           &s.bttnNoBorder);
    return s;
}

CodeDialect readDialect(const QByteArray &bytes, const RootMembers &root)
{
    CodeDialect dialect = CodeDialect::Classic;
    if (root.offset("dialect") >= 0 && !codedialect::fromKey(rootText(bytes, root, "dialect"), &dialect))
        refuse(QCoreApplication::translate("ProjectFile", "Code (Classic or HTML5)"),
               QCoreApplication::translate("ProjectFile", "must be \"classic\" or \"html5\""));
    return dialect;
}

QString readLanguage(const QByteArray &bytes, const RootMembers &root)
{
    const qsizetype at = root.offset("lang");
    if (at < 0)
        return pagelanguage::kDefault;
    JsonScanner scan(bytes, at);
    if (scan.peek() != JsonScanner::String)
        refuse(pagelanguage::caption(), QCoreApplication::translate("ProjectFile", "must be a text"));
    const QString tag = scan.readString();
    if (!pagelanguage::isValid(tag))
        refuse(pagelanguage::caption(), pagelanguage::problem());
    return tag;
}

// A folder's path (`site`, `backups`): a text without NUL, within the length of texts.
void readFolder(const QByteArray &bytes, const RootMembers &root, const char *name, const QString &field,
                QString *folder)
{
    if (const qsizetype at = root.offset(name); at >= 0) {
        JsonScanner scan(bytes, at);
        if (scan.peek() != JsonScanner::String)
            refuse(field, QCoreApplication::translate("ProjectFile", "must be a text"));
        *folder = scan.readString();
        if (folder->size() > kMaxTextLength)
            refuse(field, tooLongProblem());
        if (folder->contains(QChar(0)))
            refuse(field, QCoreApplication::translate("ProjectFile", "must not hold a NUL character"));
    }
}

void readSite(const QByteArray &bytes, const RootMembers &root, MenuProject *p)
{
    readFolder(bytes, root, "site", QCoreApplication::translate("ProjectFile", "Site folder"), &p->site);
    readFolder(bytes, root, "backups", QCoreApplication::translate("ProjectFile", "Backup folder"),
               &p->backups);
    if (const qsizetype at = root.offset("selectCurrentPage"); at >= 0) {
        JsonScanner scan(bytes, at);
        if (scan.peek() != JsonScanner::True && scan.peek() != JsonScanner::False)
            refuse(QCoreApplication::translate("ProjectFile", "Select the current page on each page"),
                   QCoreApplication::translate("ProjectFile", "must be true or false"));
        p->selectCurrentPage = scan.readBool();
    }
}

void readServer(const QByteArray &bytes, const RootMembers &root, MenuProject *p)
{
    const qsizetype at = root.offset("server");
    if (at < 0)
        return;
    const QString field = QCoreApplication::translate("ProjectFile", "Server");
    JsonScanner scan(bytes, at);
    if (scan.peek() != JsonScanner::String)
        refuse(field, QCoreApplication::translate("ProjectFile", "must be a text"));
    const QString text = scan.readString();
    if (text.size() > kMaxTextLength)
        refuse(field, tooLongProblem());
    ServerAddress address;
    QString problem;
    if (!ServerAddress::parse(text, &address, &problem))
        refuse(field, problem);
    p->server = text;
}

void checkHeader(const QByteArray &bytes, const RootMembers &root)
{
    if (rootText(bytes, root, "format") != kFormat)
        refuse(
            QCoreApplication::translate("ProjectFile", "the file's format"),
            QCoreApplication::translate("ProjectFile", "must be \"%1\" (this is not a Quillnav menu project)")
                .arg(kFormat));
    double d = -1;
    if (const qsizetype at = root.offset("version"); at >= 0) {
        JsonScanner scan(bytes, at);
        if (scan.peek() == JsonScanner::Number)
            d = scan.readNumber();
    }
    if (!(d >= 1 && d < 1e15) || d != std::trunc(d))
        refuse(QCoreApplication::translate("ProjectFile", "the file's version"),
               QCoreApplication::translate("ProjectFile", "must be a whole number from 1"));
    if (d > kVersion)
        refuse(QCoreApplication::translate("ProjectFile", "the file's version"),
               QCoreApplication::translate("ProjectFile",
                                           "%1 is newer than this program reads (%2); use a newer Quillnav")
                   .arg(qint64(d))
                   .arg(kVersion));
}

} // namespace ProjectFile::reader
