#include "app/ui/Form1.h"
#include "app/ui/Form1Private.h"

#include "app/MenuDocument.h"
#include "app/ProjectFileGuard.h"
#include "app/StartupSelection.h"
#include "app/ui/Form2.h"
#include "app/ui/LivePreviewPane.h"
#include "app/ui/StartupFontLists.h"
#include "codegen/ui/CodeActions.h"
#include "codegen/ui/MenuOptionsPanel.h"
#include "platform/CloseRequest.h"
#include "platform/MSubclass.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QPointer>

void Form1::Form_Load()
{
    RunStartup(styleFontLists());
}

void Form1::RunStartup(const StartupFontLists &lists)
{
    RunStartup(lists, StartupSelection::installedFontFamilies());
}

void Form1::RunStartup(const StartupFontLists &lists, const QStringList &families)
{
    Form2 splash(this);

    // The start-up size becomes the smallest size; Qt asks for the limits
    // whenever it lays the window out, and once now.
    MinTrackWidth = width();
    MinTrackHeight = height();
    try {
        MSubclass::AddMessageHandler(this, this, kSizeLimitsMessage);
    } catch (const SubclassError &) {
        // Cannot happen for the window itself; keep the limit all the same.
        setMinimumSize(MinTrackWidth, MinTrackHeight);
    }
    QEvent askLimits(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(this, &askLimits);

    LoadStartupFontLists(lists, families, &splash);
    if (auto *alignment = d->m_options->findChild<QComboBox *>(QStringLiteral("cmbbttnaln")))
        alignment->setCurrentIndex(1);
    splash.close();
    if (auto *target = d->m_options->findChild<QComboBox *>(QStringLiteral("targetcombo")))
        target->setCurrentIndex(0);
    if (lists.captureStyles)
        lists.captureStyles();
}

bool Form1::WindowProc(QObject *, int, QEvent *)
{
    // Qt has computed the layout's limits before this; only the minimum changes.
    // A docked live preview pane adds its own smallest size.
    setMinimumSize(QSize(MinTrackWidth, MinTrackHeight) + d->m_livePreview->extraMinimum());
    return false;
}

void Form1::closeEvent(QCloseEvent *event)
{
    // A changed project is offered for saving first; Cancel keeps the window.
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    Form_QueryUnload();
    event->accept();
}

void Form1::Form_QueryUnload()
{
    const CloseRequest::ProgramClosing programClosing;
    // The window's own windows in the order they were made, then any other.
    QList<QPointer<QWidget>> windows;
    for (QObject *child : children())
        if (auto *widget = qobject_cast<QWidget *>(child); widget && widget->isWindow())
            windows << widget;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget != this && !windows.contains(widget) && !widget->parentWidget())
            windows << widget;
    for (const QPointer<QWidget> &window : windows)
        if (window)
            window->close();
    Form_Unload();
    d->m_code->cleanup();
    d->m_document->fileGuard()->setFile(QString()); // gives up the project file's lock
}

void Form1::Form_Unload()
{
    MSubclass::RemoveMessageHandler(this, this, kSizeLimitsMessage);
}
