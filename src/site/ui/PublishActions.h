#pragma once

#include <QObject>

struct FileChoosers;
class MenuDocument;
class QWidget;

// Publishing the menu into the pages of the project's site, and taking it
// out again (PublishDialog shows the pages and writes them). A project
// without a site folder is asked for one first. Whether each page's own entry
// is selected is the project's: a change of it in the dialog is one step.
class PublishActions : public QObject {
    Q_OBJECT
public:
    PublishActions(MenuDocument *document, const FileChoosers *choosers, QWidget *parent);

    void publish();
    void unpublish();
    // Puts the pages of a backup run of the site back (RestoreDialog).
    void restore();

private:
    void run(int action);
    bool haveSiteFolder(const QString &title);

    MenuDocument *m_document;
    const FileChoosers *m_choosers;
    QWidget *m_parent;
};
