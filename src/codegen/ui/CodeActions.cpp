#include "codegen/ui/CodeActions.h"

#include "app/MenuDocument.h"
#include "codegen/ui/BrowserPreview.h"
#include "codegen/ui/Form3.h"
#include "codegen/ui/MenuOptionsPanel.h"
#include "codegen/ui/SaveCodeToFile.h"
#include "menu/MenuItemModel.h"

#include <QDir>

CodeActions::CodeActions(MenuDocument *document, MenuOptionsPanel *options, QWidget *parent)
    : QObject(parent), m_document(document), m_options(options), m_parent(parent)
{
    setObjectName(QStringLiteral("codeActions"));
}

bool CodeActions::ready() const
{
    return m_document->model()->count() > 0 && m_options->ValidateMenuOptions() == QLatin1String("ok");
}

void CodeActions::showCode()
{
    if (!ready())
        return;
    ShowGeneratedCode(
        m_parent, m_document->capturedProject(), [this](const QString &text) { emit statusMessage(text); },
        [this](Form3 &window) {
            if (m_decorate)
                m_decorate(window);
        });
}

void CodeActions::saveToFile()
{
    if (!ready())
        return;
    QString path;
    if (SaveCodeToFile(m_parent, m_document->capturedProject(), &path))
        emit statusMessage(tr("Saved the menu code to %1.").arg(QDir::toNativeSeparators(path)));
}

void CodeActions::previewInBrowser()
{
    if (!ready())
        return;
    RunBrowserPreview(m_parent, m_document->capturedProject(), m_previewSession);
}

void CodeActions::cleanup()
{
    m_previewSession.cleanup();
}
