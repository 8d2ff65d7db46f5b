#pragma once

#include "menu/MenuItems.h"
#include "menu/MenuProject.h"

#include <QString>

class TextBuilder;

// The two texts of a menu's code. Every line ends with CR LF.
struct MenuCode {
    QString head;                               // script block for the page's head section
    QString body;                               // the form with the list (and button) for the page's body
    CodeDialect dialect = CodeDialect::Classic; // what the texts are written in
    QString lang = pagelanguage::kDefault;      // the language an HTML5 page around them declares
};

// Where the parts of a body that a shown page can take in place stand: offsets
// into MenuCode::body, a start of -1 where the part is not written.
struct MenuCodeSpans {
    struct Span {
        qsizetype start = -1;
        qsizetype end = -1;
    };
    Span listStyle;   // the list's style attribute value, as written
    Span options;     // between the list's start tag and its end tag
    Span buttonStyle; // the text button's style attribute value
    Span fallback;    // inside the <noscript> of the HTML5 code
};

namespace codegen {
// The mode word that selects the preview decorations (compared exactly).
inline const QString kPreviewMode = QStringLiteral("preview");
// The mode word used for the bare code; any text other than "preview" does the same.
inline const QString kCodeMode = QStringLiteral("code");
} // namespace codegen

// Builds the head fragment and the body fragment of a project in the project's
// dialect (see Html5MenuCode.h for HTML5). In the mode "preview" the body is
// wrapped in the preview decorations. The classic code checks and escapes
// nothing: callers validate the options first. Cost is linear in the size of
// the output.
MenuCode GenerateMenuCode(const QString &mode, const MenuProject &project);
// The same, telling where the parts stand in the body.
MenuCode GenerateMenuCode(const QString &mode, const MenuProject &project, MenuCodeSpans *spans);

// An upper bound of the length (in UTF-16 units, either mode) of the two
// fragments together, computed from the project without building anything.
// The generator reserves the body's share of it, so the bound is exact
// arithmetic, not an estimate: callers use it to refuse a menu whose code
// would be too large to build.
qint64 MenuCodeLengthBound(const MenuProject &project);
// The same for the items summed up apart (the project's own items are not read).
qint64 MenuCodeLengthBound(const MenuProject &project, const MenuItemSummary &items);

// The head fragment alone; it depends only on the link target and the frame name.
QString GenerateHeadFragment(const MenuOptions &options);

// The head fragment of the project's dialect.
QString GenerateDialectHead(const MenuProject &project);

// The body fragment of the project's dialect appended piece by piece, the
// same text as GenerateMenuCode's body: a builder with a drain writes a large
// menu out as it goes instead of holding it whole.
void AppendMenuBody(TextBuilder &out, const QString &mode, const MenuProject &project);
// The same with the items walked apart (the project's own items are not read),
// so that they need not be held in memory at once.
void AppendMenuBody(TextBuilder &out, const QString &mode, const MenuProject &project,
                    const MenuItems &items);
