#include "ui/datagrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

const QColor DataGrid::TitleColor(128, 0, 128);

GridModel::GridModel(Dataset* ds, QObject* parent) : DatasetModel(ds, parent) {}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::ForegroundRole) {
        if (!rowColor_ || !index.isValid()) return {};
        const QColor c = rowColor_(*dataset(), index.row());
        return c.isValid() ? QVariant(c) : QVariant();
    }
    return DatasetModel::data(index, role);
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::ForegroundRole && orientation == Qt::Horizontal) return DataGrid::TitleColor;
    return DatasetModel::headerData(section, orientation, role);
}

QWidget* DataGrid::openEditor() const
{
    if (state() != QAbstractItemView::EditingState) return nullptr;
    return indexWidget(currentIndex());
}

bool DataGrid::commitPending()
{
    if (QWidget* editor = openEditor()) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
    return true;
}

DataGrid::DataGrid(QWidget* parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(false);
    setWordWrap(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    {
        // Bold purple titles, as every list of the program has them.
        QFont f = horizontalHeader()->font();
        f.setBold(true);
        horizontalHeader()->setFont(f);
    }
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int c) { TitleClick(c); });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& i) {
        if (i.isValid()) emit rowDoubleClicked();
    });
}

void DataGrid::setDataset(Dataset* ds, const std::vector<GridColumn>& columns)
{
    for (auto& c : conns_) disconnect(c);
    conns_.clear();
    ds_ = ds;
    GridModel* old = model_;
    model_ = ds ? createModel(ds) : nullptr;
    if (model_) {
        model_->setRowColor(rowColor_);
        QStringList fields, titles;
        for (const GridColumn& c : columns) {
            fields << c.field;
            titles << c.title;
        }
        model_->setColumns(fields, titles);
    }
    setModel(model_);
    delete old;
    // A column is at least as wide as its title, so no title is cut
    // whatever the font.
    const int margin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader()) + 2;
    for (int i = 0; model_ && i < model_->columnCount(); ++i) {
        const int given = i < int(columns.size()) && columns[size_t(i)].width > 0 ? columns[size_t(i)].width : columnWidth(i);
        const QString title = model_->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString();
        setColumnWidth(i, qMax(given, horizontalHeader()->fontMetrics().horizontalAdvance(title) + margin));
    }
    if (!ds) return;
    // Read from the end, the rows before the shown ones are read when the
    // grid is scrolled to its top; the rows in view stay in view.
    conns_.push_back(connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int v) {
        if (v != verticalScrollBar()->minimum() || !ds_ || !ds_->readFromEnd()) return;
        QTimer::singleShot(0, this, [this] {
            if (!ds_ || !ds_->readFromEnd() || verticalScrollBar()->value() != verticalScrollBar()->minimum()) return;
            const int shown = model_ ? model_->rowCount() : 0;
            const int top = qMax(0, rowAt(0));
            QApplication::setOverrideCursor(Qt::WaitCursor);
            ds_->fetchRest();
            QApplication::restoreOverrideCursor();
            if (model_) scrollTo(model_->index(model_->rowCount() - shown + top, 0), QAbstractItemView::PositionAtTop);
        });
    }));
    conns_.push_back(connect(ds, &Dataset::currentChanged, this, &DataGrid::followDataset));
    conns_.push_back(connect(ds, &Dataset::rowsReset, this, &DataGrid::followDataset));
    conns_.push_back(connect(ds, &Dataset::rowInserted, this, &DataGrid::followDataset));
    conns_.push_back(connect(ds, &Dataset::rowRemoved, this, &DataGrid::followDataset));
    conns_.push_back(connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                             [this](const QModelIndex& now) {
                                 if (syncing_ || !ds_ || !now.isValid()) return;
                                 if (now.row() == ds_->recNo()) return;
                                 // A pending edit is posted by the move; a refused
                                 // post keeps the row, and the grid stays on it.
                                 if (!ds_->moveTo(now.row())) followDataset();
                             }));
    followDataset();
}

void DataGrid::setRowColor(GridModel::RowColor f)
{
    rowColor_ = std::move(f);
    if (model_) model_->setRowColor(rowColor_);
    viewport()->update();
}

QColor DataGrid::rowColor(int row) const
{
    if (!model_) return {};
    const QVariant v = model_->data(model_->index(row, 0), Qt::ForegroundRole);
    return v.isValid() ? v.value<QColor>() : palette().color(QPalette::Text);
}

void DataGrid::followDataset()
{
    if (!ds_ || !model_) return;
    syncing_ = true;
    const int row = ds_->recNo();
    if (row >= 0 && row < model_->rowCount()) {
        const int col = qMax(0, currentIndex().column());
        selectionModel()->setCurrentIndex(model_->index(row, col),
                                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        scrollTo(model_->index(row, col));
    } else {
        selectionModel()->clear();
    }
    syncing_ = false;
}

void DataGrid::TitleClick(int column)
{
    if (!ds_ || !model_) return;
    const int f = model_->fieldOfColumn(column);
    const QString field = f >= 0 ? ds_->fieldName(f) : QString();
    if (field.isEmpty()) return;
    const QString key = sortKeys_.value(field, field);
    if (ds_->order() == key) return;
    ds_->setOrder(key);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ds_->refresh();
    QApplication::restoreOverrideCursor();
}

EditableGridModel::EditableGridModel(Dataset* ds, QStringList readOnly, QObject* parent)
    : GridModel(ds, parent), readOnly_(std::move(readOnly))
{
}

Qt::ItemFlags EditableGridModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = GridModel::flags(index);
    const int col = fieldOfColumn(index.column());
    if (col < 0) return f;
    const FieldInfo& info = dataset()->fieldInfo(col);
    if (!info.lookup && !info.primaryKey && !readOnly_.contains(info.name, Qt::CaseInsensitive)) f |= Qt::ItemIsEditable;
    return f;
}

QString EditableGridModel::editText(int row, int col) const
{
    QString t = dataset()->displayText(row, col);
    const FieldKind k = dataset()->fieldInfo(col).kind;
    if (k == FieldKind::Integer || k == FieldKind::Float) t.remove(QLatin1Char(' '));
    return t;
}

QVariant EditableGridModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::EditRole) {
        const int col = fieldOfColumn(index.column());
        return col < 0 ? QVariant() : QVariant(editText(index.row(), col));
    }
    return GridModel::data(index, role);
}

bool EditableGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid()) return false;
    Dataset* ds = dataset();
    const int col = fieldOfColumn(index.column());
    if (col < 0 || !ds->isOpen()) return false;
    if (index.row() != ds->recNo() && !ds->moveTo(index.row())) return false;
    const QString text = value.toString();
    if (text == editText(index.row(), col)) return true;  // an unchanged cell is no edit
    return ds->setValue(col, text);
}

EditableDataGrid::EditableDataGrid(QStringList readOnly, QWidget* parent) : DataGrid(parent), readOnly_(std::move(readOnly))
{
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
}

GridModel* EditableDataGrid::createModel(Dataset* ds) { return new EditableGridModel(ds, readOnly_, this); }
