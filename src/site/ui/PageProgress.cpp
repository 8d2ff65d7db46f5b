#include "site/ui/PageProgress.h"

#include <QApplication>

#include <climits>

PageProgress::PageProgress(const QString &title, const QString &label, QWidget *parent)
    : m_dialog(label, tr("Cancel"), 0, 0, parent)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_dialog.setObjectName(QStringLiteral("progressSite"));
    m_dialog.setWindowTitle(title);
    m_dialog.setWindowModality(Qt::WindowModal);
    m_dialog.setMinimumDuration(400);
    m_dialog.setValue(0);
}

PageProgress::~PageProgress()
{
    if (m_busy)
        QApplication::restoreOverrideCursor();
}

bool PageProgress::keepGoing()
{
    if (m_dialog.isVisible() && m_busy) {
        m_busy = false; // the dialog tells it now, and Cancel wants the usual pointer
        QApplication::restoreOverrideCursor();
    }
    QCoreApplication::processEvents(m_dialog.isVisible() ? QEventLoop::AllEvents
                                                         : QEventLoop::ExcludeUserInputEvents);
    return !m_dialog.wasCanceled();
}

bool PageProgress::pages(qsizetype done, qsizetype total)
{
    m_dialog.setMaximum(int(qMin<qsizetype>(total, INT_MAX)));
    m_dialog.setValue(int(qMin<qsizetype>(done, INT_MAX)));
    return keepGoing();
}
