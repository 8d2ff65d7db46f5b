#pragma once

#include "site/PagePlan.h"

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QPushButton;
class QTreeWidget;

// Puts the pages of a backup run back (SiteRestore): the runs of the site's
// .quillnav-backup folder and of the project's backup folder with their time
// and page count, newest first; the chosen run's pages with what restoring
// does to each (will change, up to date when the page is the same as its
// backup, error with the reason); then the writing, whose result replaces
// each page's state. Nothing is written before Restore is clicked.
class RestoreDialog : public QDialog {
    Q_OBJECT
public:
    // `backupFolder`: the project's (absolute; empty: only the site's own).
    explicit RestoreDialog(const QString &siteFolder, QWidget *parent = nullptr,
                           const QString &backupFolder = {});

    const SitePlan &plan() const { return m_plan; }

private:
    void listRuns();
    void prepare();
    void write();

    QString m_siteFolder;
    QString m_backupFolder;
    SitePlan m_plan;
    QLabel *m_summary = nullptr;
    QTreeWidget *m_runs = nullptr;
    QTreeWidget *m_pages = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
    QPushButton *m_go = nullptr;
};
