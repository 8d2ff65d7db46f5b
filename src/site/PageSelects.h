#pragma once

#include "site/PageReadBounds.h"
#include "site/PageReader.h"

#include <QByteArray>
#include <QList>
#include <QString>

// One <option> of a list as a browser shows and submits it (an <optgroup>
// label comes as an entry of its own with `group` set; the options inside it
// have `inGroup`; an <hr> between the options comes as an entry with
// `separator` set). Hidden options are left out.
struct PageOption {
    QString text;  // what the list shows: a non-empty label attribute, else the text content; not yet cleaned
    QString value; // what the form submits: the value attribute, else the text content stripped and collapsed
    bool hasValue = false; // whether the value attribute is there at all
    bool disabled = false; // the option or its <optgroup> is disabled
    bool selected = false;
    bool group = false;
    bool inGroup = false;
    bool separator = false;
};

// The button that submits a list's form, when there is one near the list.
struct PageButton {
    enum Kind { None, Text, Image };
    Kind kind = None;
    QString text;  // Text: the button's caption (value of an input, content of a button)
    QString style; // Text: the style attribute
    QString src;   // Image: the picture's address
    QString alt;
    QString width;
    QString height;
};

// A <select> of a page with what surrounds it: its form, the button of the
// form and the element that aligns the two.
struct PageSelect {
    QString name;     // name attribute
    QString id;       // id attribute
    QString onchange; // onchange attribute (presence matters too)
    bool hasOnchange = false;
    QString style;             // style attribute
    QList<PageOption> options; // at most PageSelects::kMaxOptions
    qsizetype optionCount = 0; // every option of the list, also those beyond the limit

    bool inForm = false;
    QString formName;
    QString formAction;
    QString formTarget;
    QString quillnav; // the form's data-quillnav attribute
    bool hasQuillnav = false;
    QString quillnavTarget; // the form's data-quillnav-target attribute
    PageButton button;
    QString valign;   // valign of the table cell that holds the list
    QString boxStyle; // style of the element that holds the list (the HTML5 row)
};

struct PageRecords;

// Reads the lists of an HTML page with an HTML5 parser, through PageReader:
// the bytes are decoded as a browser decodes them, and the parse and the walk
// into records run in a worker process bounded in processor time, wall-clock
// time and memory; a page past a bound is refused as too complex to read.
// The records come back through PageSelectsWire.
class PageSelects {
public:
    static constexpr qsizetype kMaxOptions = 100000;

    using Bounds = PageReadBounds;

    // False when the page is refused; error() then says why (without the file name).
    bool read(const QByteArray &bytes, const Bounds &bounds = {});
    QString error() const { return m_error; }
    // Whether the last read() was cancelled through Bounds::keepGoing.
    bool cancelled() const { return m_cancelled; }

    const QList<PageSelect> &selects() const { return m_selects; }
    // The text of the last script that defines Quillnav's classic gothere(); empty when none.
    const QString &classicScript() const { return m_classicScript; }

private:
    static PageRecords collect(const QByteArray &utf8, PageReader::Parser &parser);

    QList<PageSelect> m_selects;
    QString m_classicScript;
    QString m_error;
    bool m_cancelled = false;
};
