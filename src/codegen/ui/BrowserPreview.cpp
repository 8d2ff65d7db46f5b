#include "codegen/ui/BrowserPreview.h"

#include "codegen/MenuCodeGenerator.h"
#include "codegen/OptionsValidation.h"
#include "codegen/PreviewPages.h"
#include "codegen/PreviewSession.h"
#include "platform/ui/OpenWithShell.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QPointer>

namespace {
void showMessage(QWidget *owner, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, owner);
    box.exec();
}
} // namespace

bool RunBrowserPreview(QWidget *owner, const MenuProject &project, PreviewSession &session)
{
    if (PreviewLacksGraphicUrl(project.options)) {
        showMessage(owner, OopsTitle(), PreviewGraphicUrlMessage());
        return false;
    }
    const MenuCode code = GenerateMenuCode(codegen::kPreviewMode, project);
    const PreviewPages pages = PreviewPages::build(code, project.options);
    QString error;
    if (!session.write(pages, &error)) {
        showMessage(owner, QCoreApplication::translate("BrowserPreview", "Preview Menu in Browser"),
                    error + QCoreApplication::translate("BrowserPreview", "\n\nThe preview was not opened."));
        return false;
    }
    // The browser may fail after this command has ended: the message comes
    // then, unless the window has closed in the meantime.
    const QPointer<QWidget> window(owner);
    const bool owned = owner != nullptr;
    const QString page = QDir::toNativeSeparators(session.framesetPath());
    return OpenWithShell(owner, session.framesetPath(), [window, owned, page](const QString &problem) {
        if (owned && !window)
            return;
        showMessage(window, QCoreApplication::translate("BrowserPreview", "Preview Menu in Browser"),
                    QCoreApplication::translate("BrowserPreview",
                                                "The preview was not shown: %1\n\nOpen this "
                                                "page in your web browser to see the menu:\n\n%2")
                        .arg(problem, page));
    });
}
