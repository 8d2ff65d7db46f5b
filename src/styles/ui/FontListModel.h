#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QStringList>

// The entries of a style dialog's font list: one name per row, held as one
// list of strings, so that thousands of installed families go in at start-up
// without an item object each. Other roles (the marks and the look of an
// entry for a family that is not installed) are kept only for the rows that
// have them. Rows are inserted, removed and edited as in any list model, so a
// QComboBox works on it as on its own model.
class FontListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit FontListModel(QObject *parent = nullptr);

    // Adds the names at the end, in one insertion.
    void append(const QStringList &names);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool insertRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;

private:
    QStringList m_names;
    QList<QHash<int, QVariant>> m_roles; // empty, or one table per row
};
