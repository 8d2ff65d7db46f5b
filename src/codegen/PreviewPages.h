#pragma once

#include "codegen/MenuCodeGenerator.h"
#include "menu/MenuOptions.h"

#include <QString>

// The three pages of the browser preview. The texts are those the browser is
// given; each ends with CR LF.
struct PreviewPages {
    static QString menuPageName() { return QStringLiteral("98127630.html"); }
    static QString framesetPageName() { return QStringLiteral("quillnav_preview_frameset.html"); }
    static QString noticePageName() { return QStringLiteral("quillnav_preview_frame2.html"); }

    QString menuPage;     // head and body fragment in a centring table
    QString framesetPage; // the page the browser opens
    QString noticePage;   // shown in the second frame for the target "Different frame"

    // Builds the pages from fragments generated in the mode "preview", in
    // the fragments' dialect (HTML5 pages use iframes instead of a frameset).
    static PreviewPages build(const MenuCode &previewCode, const MenuOptions &options);
    // Classic pages declare no charset and carry a byte order mark instead;
    // HTML5 pages declare theirs.
    bool byteOrderMark = true;
    // Where the body fragment starts in menuPage.
    qsizetype bodyStart = 0;

    // The bytes written for a page: UTF-8 (with a byte order mark when asked),
    // the page text and one more CR LF.
    static QByteArray fileBytes(const QString &pageText, bool byteOrderMark = true);

    // Writes the three pages into an existing folder as a set: all of them or,
    // with a message naming the page and the reason, none. A page whose name
    // is taken by a link is not written through the link.
    bool writeTo(const QString &folder, QString *errorText) const;
};
