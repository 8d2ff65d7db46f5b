// The commands that hand the menu's code out: the code window, saving the
// code as a page, the browser preview, and the preview's clean-up at closing.
#include "app/ui/Form1.h"

#include "app/ui/IgnoredStylesNotice.h"

#include "codegen/ui/BrowserPreview.h"
#include "codegen/ui/Form3.h"
#include "codegen/ui/SaveCodeToFile.h"
#include "menu/MenuItemModel.h"

#include <QCloseEvent>
#include <QDir>

namespace {
const QString kOk = QStringLiteral("ok");
}

void Form1::mnuFileCopy_Click()
{
    if (m_model->count() == 0 || ValidateMenuOptions() != kOk)
        return;
    captureStyles();
    ShowGeneratedCode(
        this, currentProject(), [this](const QString &text) { showStatus(text); },
        [this](Form3 &window) { m_ignoredStyles->addTo(&window); });
}

void Form1::mnuFileCodeFile_Click()
{
    if (m_model->count() == 0 || ValidateMenuOptions() != kOk)
        return;
    captureStyles();
    QString path;
    if (SaveCodeToFile(this, currentProject(), &path))
        showStatus(tr("Saved the menu code to %1.").arg(QDir::toNativeSeparators(path)));
}

void Form1::mnuPrevBr_Click()
{
    if (m_model->count() == 0 || ValidateMenuOptions() != kOk)
        return;
    captureStyles();
    RunBrowserPreview(this, currentProject(), m_previewSession);
}

