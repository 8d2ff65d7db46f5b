#pragma once

#include <QTreeWidget>

// The table of files that publishing, upload and download show before
// anything is written: each file's state, its name, the reason, and a
// check box for a choice the user makes per file (unchecked at first).
// After the run, each row's state gives way to what became of the file.
class FileTable : public QTreeWidget {
    Q_OBJECT
public:
    enum Column { State, File, Reason, Choice };

    FileTable(const QString &fileHeader, const QString &choiceHeader, QWidget *parent = nullptr);

    // A row; `warning` marks it with the warning sign.
    QTreeWidgetItem *addRow(const QString &state, const QString &file, const QString &reason, bool warning);
    // Offers the choice on a row, checked or not, with a tool tip saying what it does.
    static void offerChoice(QTreeWidgetItem *row, bool checked, const QString &tip);
    // What became of a row's file; the choice can no longer be changed.
    void setOutcome(int row, const QString &outcome, const QString &message, bool warning);
};
