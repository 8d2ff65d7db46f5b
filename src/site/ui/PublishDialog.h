#pragma once

#include "menu/MenuProject.h"
#include "site/PagePlan.h"
#include "site/SitePublisher.h"

#include <QDialog>

class ChangesView;
class FileTable;
class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QPushButton;

// Publishes the menu into the pages of its site, or takes it out: a table of
// the pages with what would happen to each (will change, up to date, no
// placeholder, error or edited by hand with the reason, and for a page edited
// by hand a "Replace Edits" box, unchecked at first), the changed lines of the chosen page
// on demand, then the writing, whose result replaces each page's state.
// Nothing is written before Publish (or Remove) is clicked.
class PublishDialog : public QDialog {
    Q_OBJECT
public:
    PublishDialog(const MenuProject &project, const QString &siteFolder, SitePublisher::Action action,
                  QWidget *parent = nullptr);

    const SitePlan &plan() const { return m_plan; }
    // The state of "Select the current page on each page" when the dialog closed.
    bool selectCurrentPage() const { return m_project.selectCurrentPage; }

private:
    void prepare();
    void updateSummary();
    void showChanges();
    void write();

    MenuProject m_project;
    QString m_siteFolder;
    SitePublisher::Action m_action;
    SitePlan m_plan;
    QLabel *m_summary = nullptr;
    FileTable *m_pages = nullptr;
    QCheckBox *m_selectCurrent = nullptr;
    QPushButton *m_showChanges = nullptr;
    ChangesView *m_changes = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
    QPushButton *m_go = nullptr;
    bool m_written = false;
};
