#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "site/PageReadBounds.h"
#include "site/PageReader.h"

// What publishing needs to know of a page's markup, from the HTML parser's
// own tree: the comments whose text begins with "quillnav" (a comment inside
// a script, a textarea or another comment is none), where the head's
// explicit end tag </head> starts, the first <base> element with an
// href (which the page's relative links are resolved from), and each
// <script> whose src names "quillnav" (the HTML5 menus' shared script).
// Offsets count bytes of the page's UTF-8 text.
struct PageMark {
    enum Kind : quint8 { Comment, HeadEnd, BaseHref, ScriptSrc };
    Kind kind = Comment;
    qint64 start = 0; // the '<' of "<!--", of "</head>", of "<base" or of "<script"
    qint64 end = 0;   // just after the comment's "-->" (the text's end when unclosed); start for HeadEnd
    QByteArray text;  // the comment's text between "<!--" and "-->", the base's href or the src; UTF-8
};

struct PageMarkList {
    bool ok = false;
    QString error;         // when not ok: why the page was not read (without its name)
    QList<PageMark> marks; // in the order of their start
    QByteArray encoding;   // the one the page was read in (a <meta> may have changed its source's)
};

// Parses pages for their marks. The parser's cost grows with hostile markup,
// so the parse runs in a bounded worker process (BoundedWorker), many pages
// in one worker; a batch that hits a bound is read again page by page, so
// only the page that is too complex is refused.
namespace PageMarkScan {

// With a menu's name, the inside of its body region is left out of the parse
// where that cannot change the marks (RegionSkip): a large menu is most of
// a published page.
QList<PageMarkList> scan(const QList<PageReader::Source> &pages, const PageReadBounds &bounds = {},
                         const QString &menuName = {});

// Whether a comment's text begins, after blanks, with "quillnav".
bool isQuillnavComment(const char *text, qsizetype length);

} // namespace PageMarkScan
