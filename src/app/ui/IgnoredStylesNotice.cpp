#include "app/ui/IgnoredStylesNotice.h"

#include "app/AdvisoryFlags.h"
#include "app/MenuDocument.h"
#include "app/ui/IgnoredStylesBar.h"
#include "app/ui/IgnoredStylesMessage.h"
#include "app/ui/LivePreviewPane.h"
#include "codegen/IgnoredStyles.h"
#include "codegen/ui/Form3.h"
#include "styles/ui/FontOptionsGroup.h"
#include "styles/ui/frmAdvMnuOp.h"

IgnoredStylesNotice::IgnoredStylesNotice(MenuDocument *document, QWidget *window,
                                         const frmAdvMnuOp *menuDialog, LivePreviewPane *livePreview)
    : QObject(window), m_document(document), m_window(window), m_menuDialog(menuDialog)
{
    setObjectName(QStringLiteral("ignoredStylesNotice"));
    connect(document, &MenuDocument::changed, this, &IgnoredStylesNotice::refresh);
    connect(document, &MenuDocument::dialectChanged, this, &IgnoredStylesNotice::refresh);
    livePreview->setBannerMaker([this](QWidget *parent) { return makeBar(parent); });
}

IgnoredStylesMessage *IgnoredStylesNotice::message() const
{
    return m_message;
}

QStringList IgnoredStylesNotice::defaultFamilies() const
{
    // Both style dialogs list the same installed families.
    return IgnoredStyles::DefaultFamilies(m_menuDialog->fontOptions()->installedFamilies());
}

bool IgnoredStylesNotice::appliesToProject() const
{
    const MenuProject project = m_document->project();
    return project.dialect == CodeDialect::Classic && IgnoredStyles::Apply(project, defaultFamilies());
}

bool IgnoredStylesNotice::applies() const
{
    // The flag last: it is read from the store.
    return appliesToProject() && AdvisoryEnabled(AdvisoryFlags::ShowIgnoredStylesMessage);
}

void IgnoredStylesNotice::styleConfirmed(const QString &kind)
{
    const MenuProject project = m_document->project();
    if (project.dialect != CodeDialect::Classic)
        return;
    const QStringList families = defaultFamilies();
    const bool ignored = kind == QLatin1String("mnu")
                             ? IgnoredStyles::MenuStyleChanged(project.menuStyle, families)
                             : kind == QLatin1String("bttn")
                                   && IgnoredStyles::WritesTextButton(project.options)
                                   && IgnoredStyles::ButtonStyleChanged(project.buttonStyle, families);
    if (!ignored || !AdvisoryEnabled(AdvisoryFlags::ShowIgnoredStylesMessage))
        return;
    if (!m_message) {
        m_message = new IgnoredStylesMessage(m_window);
        connect(m_message, &IgnoredStylesMessage::useHtml5Requested, this, &IgnoredStylesNotice::useHtml5);
        // Its check box may have silenced the notice.
        connect(m_message, &QDialog::finished, this, &IgnoredStylesNotice::refresh, Qt::QueuedConnection);
    }
    m_message->show();
    m_message->raise();
}

void IgnoredStylesNotice::addTo(Form3 *codeWindow)
{
    if (!applies())
        return;
    IgnoredStylesBar *bar = makeBar(codeWindow);
    codeWindow->addNotice(bar);
    connect(bar, &IgnoredStylesBar::useHtml5Requested, codeWindow, [this, codeWindow] {
        codeWindow->showCode(GenerateMenuCode(codegen::kCodeMode, m_document->project()));
    });
}

IgnoredStylesBar *IgnoredStylesNotice::makeBar(QWidget *parent)
{
    auto *bar = new IgnoredStylesBar(parent);
    connect(bar, &IgnoredStylesBar::useHtml5Requested, this, &IgnoredStylesNotice::useHtml5);
    connect(bar, &IgnoredStylesBar::silenceRequested, this, &IgnoredStylesNotice::silence);
    m_bars.removeAll(nullptr);
    m_bars << bar;
    bar->setVisible(applies());
    return bar;
}

void IgnoredStylesNotice::refresh()
{
    m_bars.removeAll(nullptr);
    if (m_bars.isEmpty() && !m_message)
        return;
    const bool show = applies();
    for (IgnoredStylesBar *bar : std::as_const(m_bars))
        bar->setVisible(show);
    if (m_message && m_message->isVisible() && !appliesToProject())
        m_message->close();
}

// The switch is the same step as the toolbar's "Code:" choice: Undo brings
// classic code back.
void IgnoredStylesNotice::useHtml5()
{
    m_document->changeDialect(CodeDialect::Html5);
    refresh();
}

void IgnoredStylesNotice::silence()
{
    AdvisoryFlags::Write(AdvisoryFlags::ShowIgnoredStylesMessage, false);
    refresh();
}
