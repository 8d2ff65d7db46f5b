#include "codegen/Html5Pages.h"

#include "codegen/WebEscape.h"

namespace html5pages {

namespace {
QString page(const QString &lang, QLatin1StringView title, const QString &head, const QString &body)
{
    return QLatin1StringView("<!DOCTYPE html>\r\n<html lang=\"") + webescape::html(lang)
           + QLatin1StringView("\">\r\n<head>\r\n<meta charset=\"utf-8\">\r\n<title>") + title
           + QLatin1StringView("</title>\r\n") + head + QLatin1StringView("</head>\r\n<body>\r\n") + body
           + kPageEnd;
}

QString frame(const QString &source, const QString &name, QLatin1StringView title, int height)
{
    return QStringLiteral("<iframe src=\"%1\" name=\"%2\" title=\"%3\" style=\"display: block; "
                          "width: 100%; height: %4vh; border: 0\"></iframe>\r\n")
        .arg(webescape::html(source), webescape::html(name), title)
        .arg(height);
}
} // namespace

QString menuPage(const MenuCode &code)
{
    return page(code.lang, QLatin1StringView("Quillnav - Menu"), code.head, code.body);
}

QString framesetPage(const MenuOptions &o, const QString &lang, const QString &menuPageName,
                     const QString &noticePageName)
{
    const QString head = QStringLiteral("<style>body { margin: 0; }</style>\r\n");
    if (o.linkTarget != MenuOptions::DifferentFrame)
        return page(lang, QLatin1StringView("Quillnav - Menu Preview"), head,
                    frame(menuPageName, QStringLiteral("main"), QLatin1StringView("Menu"), 100));
    return page(lang, QLatin1StringView("Quillnav - Menu Preview"), head,
                frame(menuPageName, QStringLiteral("main"), QLatin1StringView("Menu"), 75)
                    + frame(noticePageName, o.frameName, QLatin1StringView("Linked pages"), 24));
}

QString noticePage(const QString &lang)
{
    return page(lang, QLatin1StringView("Quillnav - Linked Pages"), QString(),
                QStringLiteral("<p style=\"color: blue; font-family: Verdana, sans-serif; "
                               "font-size: 13px; text-align: center\">You selected the target of "
                               "the menu links to be another frame. Linked urls will be displayed "
                               "in this frame.</p>\r\n"));
}

QString savedPage(const MenuCode &code)
{
    return page(code.lang, QLatin1StringView("Menu"), code.head, code.body);
}

} // namespace html5pages
