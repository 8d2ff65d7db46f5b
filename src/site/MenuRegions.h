#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The comments that mark a menu in a page. The user puts the placeholder
//     <!-- quillnav NAME -->
// where the menu's form goes; publishing replaces it by the body region
//     <!-- quillnav begin NAME body --> ... <!-- quillnav end NAME body -->
// and adds the head region (the script) just before </head>:
//     <!-- quillnav begin NAME head --> ... <!-- quillnav end NAME head -->
// Any run of blanks may stand for each blank; the name is compared exactly.
struct MenuRegionMark {
    enum Kind { None, Placeholder, Begin, End };
    enum Part { Body, Head };
    Kind kind = None;
    Part part = Body;
    QString name; // blanks collapsed

    // What a comment's text (between "<!--" and "-->") marks.
    static MenuRegionMark of(const QString &commentText);

    // The comments, whole ("<!-- ... -->").
    static QString placeholder(const QString &name);
    static QString begin(const QString &name, Part part);
    static QString end(const QString &name, Part part);
    static QString partWord(Part part);

    // Whether `comment` ("<!-- ... -->", whole) is a placeholder of the menu
    // and nothing else: one comment, no "--", "<" or ">" inside.
    static bool isPlaceholderOf(const QString &comment, const QString &name);

    // Why a menu name cannot stand in a comment; empty when it can.
    static QString nameProblem(const QString &name);
    // Whether the text holds a comment that may mark the menu: "<!--", blanks,
    // then the placeholder's or a region mark's words for this name, then
    // blanks and the comment's end. Quick and exact per name, before any
    // parse: a page without one holds nothing of the menu (the parser may
    // still find such a comment inside a script, say, and not a mark).
    static bool appearsIn(QStringView text, const QString &name);
    // The same for a UTF-8 text, decoding only the comments that may be marks.
    static bool appearsInUtf8(QByteArrayView utf8, const QString &name);
    // A name as the marks compare it.
    static QString key(const QString &name) { return name.simplified(); }
};
