#pragma once
// One grid model over any dataset: its rows and columns, Norwegian display
// texts, and the dataset's row signals turned into model signals.
#include "data/dataset.h"

#include <QAbstractTableModel>

class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DatasetModel(Dataset* ds, QObject* parent = nullptr);

    Dataset* dataset() const { return ds_; }
    // The columns to show, by field name, with their titles; empty shows
    // every field under its own name.
    void setColumns(const QStringList& fields, const QStringList& titles = {});
    int fieldOfColumn(int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // The rows read so far; a view that scrolls to the end has the rest read.
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    void resetColumns();
    Dataset* ds_;
    QStringList wantFields_, titles_;
    std::vector<int> cols_;
    int shown_ = 0;  // rows the views know of
};
