#pragma once

#include <QDialog>

class PageImport;
class QListWidget;

// Asks which drop-down list of a page to import: one row per list with its
// name, its first options and its size, in the page's order. The first list
// that navigates is chosen to begin with; a double click or Enter takes the row.
class ChooseListDialog : public QDialog {
    Q_OBJECT
public:
    ChooseListDialog(const PageImport &page, const QString &pageName, QWidget *parent = nullptr);

    // The chosen list (from 0).
    int chosenIndex() const;

private:
    QListWidget *m_lstSelects = nullptr;
};
