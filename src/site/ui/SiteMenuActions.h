#pragma once

#include <QObject>

#include <functional>

struct FileChoosers;
struct MenuProject;
class MenuDocument;
class QWidget;

// A new menu made from a site's pages or from a sitemap: a new, untitled
// document as File > New makes one (unsaved changes asked about first), yet
// one undoable step, in the code preferred for new menus, with the notes the
// reading left shown afterwards.
class SiteMenuActions : public QObject {
    Q_OBJECT
public:
    SiteMenuActions(MenuDocument *document, const FileChoosers *choosers, QWidget *parent);

    // Asked before a new menu replaces the project (the window's question
    // about unsaved changes); false leaves everything as it is.
    void setMayReplace(std::function<bool()> ask) { m_mayReplace = std::move(ask); }

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
    std::function<bool()> m_mayReplace;
};
