#pragma once

#include <QObject>

struct FileChoosers;
class LinkCheckResults;
class MenuDocument;
class QWidget;

// The check of the menu's links against the site folder: the failures go to
// the window, which marks them in the list with their reasons as tool tips,
// are counted in the status line, and are listed with the links not checked
// in a window that stays open (LinkCheckResults), whose rows choose their
// entries in the list. A project without a site folder asks for one first, which
// becomes the project's (one undoable step).
class LinkCheckActions : public QObject {
    Q_OBJECT
public:
    LinkCheckActions(MenuDocument *document, const FileChoosers *choosers, QWidget *parent);

    void checkLinks();

signals:
    void statusMessage(const QString &text);
    // The check's verdicts for the list's rows: one reason per row for the
    // rows whose link failed (empty for the others), or an empty list when
    // none failed. The window marks the rows (ItemListDecorations).
    void linksChecked(const QStringList &failureReasons);

private:
    MenuDocument *m_document;
    const FileChoosers *m_choosers;
    QWidget *m_parent;
    LinkCheckResults *m_results = nullptr; // made at the first check
};
