#pragma once

#include <QCoreApplication>
#include <QProgressDialog>

// The progress of reading many pages: a window-modal dialog with Cancel,
// shown when the work takes a while; until it shows, the pointer waits and
// user input waits.
class PageProgress {
    Q_DECLARE_TR_FUNCTIONS(PageProgress)

public:
    PageProgress(const QString &title, const QString &label, QWidget *parent);
    ~PageProgress();
    PageProgress(const PageProgress &) = delete;
    PageProgress &operator=(const PageProgress &) = delete;

    // The worker's question, every few tens of milliseconds: false once cancelled.
    bool keepGoing();
    // The same, with the pages read so far.
    bool pages(qsizetype done, qsizetype total);
    bool cancelled() const { return m_dialog.wasCanceled(); }

private:
    QProgressDialog m_dialog;
    bool m_busy = true;
};
