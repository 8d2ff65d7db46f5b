#pragma once

#include "codegen/MenuCodeGenerator.h"
#include "menu/MenuOptions.h"

#include <QString>

// Complete HTML5 pages around HTML5 fragments: doctype, <meta charset>, lang
// (the code's) and title. The preview shows the menu page in an iframe named
// "main"; for links into a frame a second iframe carries the user's frame name.
namespace html5pages {
// What follows the body fragment in every page.
inline constexpr QLatin1StringView kPageEnd("</body>\r\n</html>\r\n");
QString menuPage(const MenuCode &previewCode);
QString framesetPage(const MenuOptions &options, const QString &lang, const QString &menuPageName,
                     const QString &noticePageName);
QString noticePage(const QString &lang);
// The page "Save Code to File" writes.
QString savedPage(const MenuCode &code);
} // namespace html5pages
