#include "data/datasetmodel.h"

DatasetModel::DatasetModel(Dataset* ds, QObject* parent) : QAbstractTableModel(parent), ds_(ds)
{
    connect(ds_, &Dataset::rowsReset, this, [this] {
        beginResetModel();
        resetColumns();
        shown_ = ds_->loadedCount();
        endResetModel();
    });
    connect(ds_, &Dataset::rowsAppended, this, [this](int first, int last) {
        if (first != shown_) {
            beginResetModel();
            shown_ = ds_->loadedCount();
            endResetModel();
            return;
        }
        beginInsertRows(QModelIndex(), first, last);
        shown_ = last + 1;
        endInsertRows();
    });
    connect(ds_, &Dataset::rowChanged, this, [this](int row) {
        if (row >= 0 && !cols_.empty()) emit dataChanged(index(row, 0), index(row, int(cols_.size()) - 1));
    });
    // Rows come and go one at a time; the dataset has already changed, so a
    // reset keeps the view consistent without replaying the change.
    connect(ds_, &Dataset::rowInserted, this, [this] {
        beginResetModel();
        shown_ = ds_->loadedCount();
        endResetModel();
    });
    connect(ds_, &Dataset::rowRemoved, this, [this] {
        beginResetModel();
        shown_ = ds_->loadedCount();
        endResetModel();
    });
    resetColumns();
    shown_ = ds_->loadedCount();
}

void DatasetModel::setColumns(const QStringList& fields, const QStringList& titles)
{
    beginResetModel();
    wantFields_ = fields;
    titles_ = titles;
    resetColumns();
    shown_ = ds_->loadedCount();
    endResetModel();
}

void DatasetModel::resetColumns()
{
    cols_.clear();
    if (wantFields_.isEmpty()) {
        for (int c = 0; c < ds_->fieldCount(); ++c) cols_.push_back(c);
    } else {
        for (const QString& f : wantFields_) cols_.push_back(ds_->fieldIndex(f));
    }
}

int DatasetModel::fieldOfColumn(int column) const
{
    return column >= 0 && column < int(cols_.size()) ? cols_[size_t(column)] : -1;
}

int DatasetModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shown_; }

// Read from the end, the rows not read yet lie before the shown ones: the
// grid asks for them when scrolled to the top, not the bottom.
bool DatasetModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && !ds_->isComplete() && !ds_->readFromEnd();
}

void DatasetModel::fetchMore(const QModelIndex& parent)
{
    if (!parent.isValid()) ds_->fetchRest();  // the rows come in through rowsAppended
}

int DatasetModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(cols_.size()); }

QVariant DatasetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) return {};
    const int f = fieldOfColumn(index.column());
    if (f < 0) return {};
    if (role == Qt::DisplayRole) return ds_->displayText(index.row(), f);
    if (role == Qt::TextAlignmentRole) {
        const FieldKind k = ds_->fieldInfo(f).kind;
        if (k == FieldKind::Integer || k == FieldKind::Float) return int(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    if (section < titles_.size() && !titles_[section].isEmpty()) return titles_[section];
    const int f = fieldOfColumn(section);
    return f >= 0 ? ds_->fieldName(f) : (section < wantFields_.size() ? wantFields_[section] : QString());
}
