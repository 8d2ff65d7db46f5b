#include "codegen/SavedCodePage.h"

#include "codegen/Html5Pages.h"

namespace SavedCodePage {

QString text(const MenuCode &code)
{
    if (code.dialect == CodeDialect::Html5)
        return html5pages::savedPage(code);
    QString page;
    page.reserve(code.head.size() + code.body.size() + 256);
    page += QLatin1StringView("<HTML>\r\n"
                              "<HEAD>\r\n"
                              "<META http-equiv=\"Content-Type\" content=\"text/html; "
                              "charset=utf-8\">\r\n"
                              "<TITLE>Menu</TITLE>\r\n");
    page += code.head;
    page += QLatin1StringView("</HEAD>\r\n<BODY>\r\n");
    page += code.body;
    page += QLatin1StringView("</BODY>\r\n</HTML>\r\n");
    return page;
}

QByteArray bytes(const MenuCode &code)
{
    return text(code).toUtf8();
}

} // namespace SavedCodePage
