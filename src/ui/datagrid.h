#pragma once
// The grid of every list window: the shared dataset model with chosen
// columns and widths, whole-row selection kept in step with the dataset's
// current row, purple column titles, column-title sorting (a column that
// shows a looked-up name sorts by the key field behind it) and an optional
// row colour.
#include "data/datasetmodel.h"

#include <QColor>
#include <QHash>
#include <QPointer>
#include <QTableView>

#include <functional>
#include <vector>

struct GridColumn {
    QString field;
    QString title;   // empty: the field name
    int width = 0;   // 0: the grid's default
};

// The model of the grids: the dataset model with a font colour per row
// and purple titles.
class GridModel : public DatasetModel {
    Q_OBJECT
public:
    using RowColor = std::function<QColor(const Dataset&, int row)>;
    explicit GridModel(Dataset* ds, QObject* parent = nullptr);
    void setRowColor(RowColor f) { rowColor_ = std::move(f); }
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    RowColor rowColor_;
};

// A grid model whose cells are typed into: a typed value goes into the row
// (which becomes current first) and is saved when the row is left or posted.
// Looked-up columns, the primary key and the fields named read-only are
// shown only. Numbers are edited without their thousands separators.
class EditableGridModel : public GridModel {
    Q_OBJECT
public:
    EditableGridModel(Dataset* ds, QStringList readOnly, QObject* parent = nullptr);
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    QString editText(int row, int col) const;
    QStringList readOnly_;
};

class DataGrid : public QTableView {
    Q_OBJECT
public:
    static const QColor TitleColor;  // purple

    explicit DataGrid(QWidget* parent = nullptr);
    // Binds the grid to ds (replacing an earlier binding); no columns
    // shows every field under its own name.
    void setDataset(Dataset* ds, const std::vector<GridColumn>& columns = {});
    Dataset* dataset() const { return ds_; }
    GridModel* gridModel() const { return model_; }
    void setRowColor(GridModel::RowColor f);
    // Clicked field -> field to sort by.
    void setSortKeys(const QHash<QString, QString>& keys) { sortKeys_ = keys; }
    const QHash<QString, QString>& sortKeys() const { return sortKeys_; }
    // A click on the title of column: sorts the dataset by its field (or its
    // key field) and re-reads the rows. Nothing happens when it already
    // sorts by that field.
    virtual void TitleClick(int column);
    // The font colour the grid draws row in.
    QColor rowColor(int row) const;
    // Hands what an open cell editor shows to the row and closes the
    // editor (before a save, a close or a key the grid acts on itself).
    // Grids whose rows are saved line by line save the line too; false
    // when that was refused.
    virtual bool commitPending();
    // The cell editor that is open, if any.
    QWidget* openEditor() const;

signals:
    void rowDoubleClicked();

protected:
    // The model setDataset makes; grids with editable cells give their own.
    virtual GridModel* createModel(Dataset* ds) { return new GridModel(ds, this); }

private:
    void followDataset();
    QPointer<Dataset> ds_;
    GridModel* model_ = nullptr;
    GridModel::RowColor rowColor_;
    QHash<QString, QString> sortKeys_;
    std::vector<QMetaObject::Connection> conns_;
    bool syncing_ = false;
};

// A grid over a dataset whose cells are typed into (EditableGridModel).
class EditableDataGrid : public DataGrid {
    Q_OBJECT
public:
    explicit EditableDataGrid(QStringList readOnly = {}, QWidget* parent = nullptr);

protected:
    GridModel* createModel(Dataset* ds) override;

private:
    QStringList readOnly_;
};
