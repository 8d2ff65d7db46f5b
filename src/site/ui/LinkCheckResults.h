#pragma once

#include "menu/MenuItem.h"
#include "site/LinkVerdict.h"

#include <QDialog>

class QLabel;
class QTreeWidget;

// The result of a link check where it stays: a window beside the main one
// (not modal, open until closed) listing each entry whose link failed or was
// not checked, with its link and the reason; choosing a row makes its entry
// the current row of the list (entryChosen). A new check replaces the list.
class LinkCheckResults : public QDialog {
    Q_OBJECT
public:
    explicit LinkCheckResults(QWidget *parent = nullptr);

    // `summary` heads the list; `items` and `verdicts` are in the list's order.
    void showResults(const QString &summary, const QList<MenuItem> &items,
                     const QList<LinkVerdict> &verdicts);

signals:
    // The 1-based position of the chosen row's entry in the list.
    void entryChosen(int position);

private:
    QLabel *m_summary = nullptr;
    QTreeWidget *m_results = nullptr;
};
