#pragma once

#include <QObject>

struct FileChoosers;
class MenuDocument;
class QWidget;

// Import of a menu from a web page: the page's chosen list replaces the
// project as one undoable change; the document keeps its file.
class ImportActions : public QObject {
    Q_OBJECT
public:
    ImportActions(MenuDocument *document, const FileChoosers *choosers, QWidget *parent);

    void importPage();

signals:
    void statusMessage(const QString &text);

private:
    MenuDocument *m_document;
    const FileChoosers *m_choosers;
    QWidget *m_parent;
};
