#pragma once

#include <QObject>

struct FileChoosers;
struct MenuProject;
class MenuDocument;
class QWidget;

// A new menu made from a site's pages or from a sitemap: one undoable change
// of the project (the document keeps its file), in the code preferred for
// new menus, with the notes the reading left shown afterwards.
class SiteMenuActions : public QObject {
    Q_OBJECT
public:
    SiteMenuActions(MenuDocument *document, const FileChoosers *choosers, QWidget *parent);

    void fromSite();
    void fromSitemap();

signals:
    void statusMessage(const QString &text);

private:
    QString chooseFolder(const QString &start);
    void take(MenuProject project, const QString &undoText, const QStringList &notes);

    MenuDocument *m_document;
    const FileChoosers *m_choosers;
    QWidget *m_parent;
};
