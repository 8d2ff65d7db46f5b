#include "codegen/PreviewPages.h"

#include <QCoreApplication>

#include "codegen/Html5Pages.h"
#include "platform/AtomicFile.h"

#include <QDir>
#include <QFileInfo>

PreviewPages PreviewPages::build(const MenuCode &code, const MenuOptions &options)
{
    PreviewPages pages;
    if (code.dialect == CodeDialect::Html5) {
        pages.framesetPage = html5pages::framesetPage(options, code.lang, menuPageName(), noticePageName());
        pages.noticePage = html5pages::noticePage(code.lang);
        pages.menuPage = html5pages::menuPage(code);
        pages.bodyStart = pages.menuPage.size() - code.body.size() - html5pages::kPageEnd.size();
        pages.byteOrderMark = false;
        return pages;
    }

    QString &f = pages.framesetPage;
    f += QLatin1StringView("<HTML>\r\n"
                           "<HEAD><TITLE>Quillnav - Menu Preview</TITLE>\r\n"
                           "</HEAD>\r\n"
                           "\r\n"
                           "\r\n");
    if (options.linkTarget == MenuOptions::DifferentFrame) {
        f += QLatin1StringView("<FRAMESET ROWS=\"75%,*\" name=\"qnframeset\">\r\n"
                               "<FRAME SRC=\"98127630.html\" name=\"main\">\r\n"
                               "<FRAME name=\"");
        f += options.frameName;
        f += QLatin1StringView("\" SRC=\"quillnav_preview_frame2.html\">\r\n");
    } else {
        f += QLatin1StringView("<FRAMESET ROWS=\"100%,*\">\r\n"
                               "<FRAME SRC=\"98127630.html\" frameborder=\"no\" name=\"main\">\r\n");
    }
    f += QLatin1StringView("</FRAMESET>\r\n"
                           "<NOFRAMES>\r\n"
                           "<!-- Cannot display preview. Your browser must support frames. -->\r\n"
                           "</NOFRAMES>\r\n"
                           "</HTML>\r\n");

    pages.noticePage = QStringLiteral(
        "<HTML><BODY><TABLE width=100% border=0 height=100%><TR><TD align=\"center\" "
        "valign=\"center\">\r\n"
        "<font color=\"blue\" face=\"verdana\" size=2>You selected the target of the menu links to "
        "be another frame. Linked urls will be displayed in this frame.</font>\r\n"
        "</TD></TABLE></BODY></HTML>\r\n");

    QString &m = pages.menuPage;
    m.reserve(code.head.size() + code.body.size() + 256);
    m += QLatin1StringView("<HTML>\r\n<HEAD>\r\n");
    m += code.head;
    m += QLatin1StringView("\r\n</HEAD>\r\n\r\n");
    m += QLatin1StringView("<BODY><TABLE width=100% border=0 height=100%><TR><TD align=\"center\" "
                           "valign=\"center\">\r\n");
    pages.bodyStart = m.size();
    m += code.body;
    m += QLatin1StringView("</TD></TABLE></BODY></HTML>\r\n");
    return pages;
}

QByteArray PreviewPages::fileBytes(const QString &pageText, bool byteOrderMark)
{
    QByteArray bytes(byteOrderMark ? "\xEF\xBB\xBF" : "");
    bytes += pageText.toUtf8();
    bytes += "\r\n";
    return bytes;
}

bool PreviewPages::writeTo(const QString &folder, QString *errorText) const
{
    const QDir dir(folder);
    const std::pair<QString, const QString &> pages[] = {
        {noticePageName(), noticePage},
        {framesetPageName(), framesetPage},
        {menuPageName(), menuPage},
    };
    QList<std::pair<QString, QByteArray>> files;
    for (const auto &[name, text] : pages) {
        const QString path = dir.filePath(name);
        // A link under a page's name is somebody else's: say so rather than
        // replace it. (One planted after this check is replaced, not followed.)
        if (QFileInfo(path).isSymLink()) {
            if (errorText)
                *errorText = QCoreApplication::translate("PreviewSession",
                                                         "Could not write \"%1\": a link of that name is in "
                                                         "the way, and preview pages are never written "
                                                         "through links.")
                                 .arg(QDir::toNativeSeparators(path));
            return false;
        }
        files.append({name, fileBytes(text, byteOrderMark)});
    }
    return WriteFilesAtomically(folder, files, errorText);
}
