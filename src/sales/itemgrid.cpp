#include "sales/itemgrid.h"

#include "data/datamodule.h"
#include "data/itemcopy.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
bool editing(const Dataset& ds) { return ds.state() == Dataset::Edit || ds.state() == Dataset::Insert; }
} // namespace

ItemsModel::ItemsModel(Dataset* ds, QObject* parent) : GridModel(ds, parent) {}

bool ItemsModel::readOnlyField(const QString& field)
{
    static const QStringList fixed = {"sum", "sumcost", "id", "ordernumber", "ponumber", "offernumber",
                                      "invoicenumber", "projectnumber"};
    return fixed.contains(field, Qt::CaseInsensitive);
}

Qt::ItemFlags ItemsModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = GridModel::flags(index);
    const int col = fieldOfColumn(index.column());
    if (col < 0) return f;
    const FieldInfo& info = dataset()->fieldInfo(col);
    if (!info.table.isEmpty() && !info.lookup && !readOnlyField(info.name)) f |= Qt::ItemIsEditable;
    return f;
}

QVariant ItemsModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::EditRole) {
        const int col = fieldOfColumn(index.column());
        if (col < 0) return {};
        return dataset()->displayText(index.row(), col);
    }
    return GridModel::data(index, role);
}

bool ItemsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid()) return false;
    Dataset* ds = dataset();
    const int col = fieldOfColumn(index.column());
    if (col < 0 || !ds->isOpen()) return false;
    if (index.row() != ds->recNo() && !ds->moveTo(index.row())) return false;
    const FieldInfo& info = ds->fieldInfo(col);
    QString text = value.toString();
    // An unchanged cell is no edit.
    if (text == ds->displayText(index.row(), col)) return true;
    const bool number = info.kind == FieldKind::Integer || info.kind == FieldKind::Float;
    if (number && text.trimmed().isEmpty()) text = QStringLiteral("0");
    if (!ds->setValue(col, text)) return false;
    if (info.name.compare(QLatin1String("productcode"), Qt::CaseInsensitive) == 0 && productCodeCommitted)
        productCodeCommitted(text.trimmed());
    return true;
}

TItemGrid::TItemGrid(TDatabaseModule& dm, QWidget* parent) : DataGrid(parent), dm_(dm)
{
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setShowGrid(true);
    setTabKeyNavigation(true);
}

void TItemGrid::setColumns(const std::vector<GridColumn>& columns)
{
    setDataset(&dm_.ItemsQuery, columns);
    items_ = qobject_cast<ItemsModel*>(gridModel());
    if (items_) items_->productCodeCommitted = [this](const QString& code) { ProductCodeCommitted(code); };
}

GridModel* TItemGrid::createModel(Dataset* ds) { return new ItemsModel(ds, this); }

bool TItemGrid::ProductCodeCommitted(const QString& code)
{
    if (!productLookup || code.isEmpty()) return false;
    ProductValues p;
    if (!FindProduct(dm_.MyConnection, code, p)) return false;
    // While the grid hands an editor over, the line is saved once the
    // editor has closed: a save in the middle of the hand-over would leave
    // the editor behind on a line that moved.
    if (inCommit_) {
        saveAfterCommit_ = true;
        return CopyProductToItems(dm_, p, false, 1, false);
    }
    return CopyProductToItems(dm_, p, false, 1);
}

void TItemGrid::TitleClick(int column)
{
    if (titleSort) ItemTitleClick(column);
}

void TItemGrid::ItemTitleClick(int column)
{
    Dataset& items = dm_.ItemsQuery;
    if (!gridModel() || !items.isOpen()) return;
    const int f = gridModel()->fieldOfColumn(column);
    if (f < 0) return;
    const QString field = items.fieldName(f);
    if (editing(items) && !items.post()) return;
    Items_ORDER = field.compare(QLatin1String("mark"), Qt::CaseInsensitive) == 0 ? QStringLiteral("mark")
                                                                                 : QStringLiteral("mark,") + field;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    dm_.ItemsSQLSelect();
    QApplication::restoreOverrideCursor();
}

bool TItemGrid::PostLine()
{
    Dataset& items = dm_.ItemsQuery;
    if (!editing(items)) return true;
    return items.post();
}

void TItemGrid::CancelLine()
{
    Dataset& items = dm_.ItemsQuery;
    if (editing(items)) items.cancel();
}

bool TItemGrid::AddLine()
{
    Dataset& items = dm_.ItemsQuery;
    if (!items.isOpen()) return false;
    if (canAddLine && !canAddLine()) return false;
    if (editing(items) && !items.post()) return false;
    if (!items.insert()) return false;
    const int codeColumn = [this] {
        for (int c = 0; gridModel() && c < gridModel()->columnCount(); ++c) {
            const int f = gridModel()->fieldOfColumn(c);
            if (f >= 0 && dm_.ItemsQuery.fieldName(f).compare(QLatin1String("productcode"), Qt::CaseInsensitive) == 0)
                return c;
        }
        return 0;
    }();
    const QModelIndex i = gridModel()->index(items.recNo(), codeColumn);
    if (i.isValid()) setCurrentIndex(i);
    return true;
}

namespace {
const char* const shownFields[] = {"producttext", "price", "itemcount", "piece", "cost", "mark"};
} // namespace

bool TItemGrid::isProductCodeColumn(int column) const
{
    if (!gridModel()) return false;
    const int f = gridModel()->fieldOfColumn(column);
    return f >= 0 && dm_.ItemsQuery.fieldName(f).compare(QLatin1String("productcode"), Qt::CaseInsensitive) == 0;
}

bool TItemGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    const bool opened = DataGrid::edit(index, trigger, event);
    QWidget* editor = opened ? indexWidget(index) : nullptr;
    if (!editor) return opened;
    // The grid sees the editor's keys before the editor's own handling.
    editor->installEventFilter(this);
    // Typing into a cell is editing the line: the window's Lagre and
    // Avbryt apply to it from the first key.
    Dataset& items = dm_.ItemsQuery;
    if (index.row() == items.recNo() && !editing(items)) items.edit();
    if (productLookup && isProductCodeColumn(index.column())) {
        shown_ = {};
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            connect(line, &QLineEdit::textEdited, this, [this](const QString& t) { ProductCodeTyped(t.trimmed()); });
    }
    return opened;
}

void TItemGrid::ProductCodeTyped(const QString& code)
{
    Dataset& items = dm_.ItemsQuery;
    if (!productLookup || !items.isOpen() || items.recNo() < 0) return;
    ProductValues p;
    const bool found = !code.isEmpty() && FindProduct(dm_.MyConnection, code, p);
    if (found) {
        if (!shown_.active || shown_.row != items.recNo()) {
            shown_ = {true, items.recNo(), {}};
            for (const char* f : shownFields) shown_.values << items.value(QLatin1String(f));
        }
        CopyProductToItems(dm_, p, false, 1, false);
    } else if (shown_.active && shown_.row == items.recNo() && editing(items)) {
        int i = 0;
        for (const char* f : shownFields) items.setValue(QLatin1String(f), shown_.values.value(i++));
        shown_.active = false;
    }
}

bool TItemGrid::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::KeyPress && o == openEditor()) {
        auto* k = static_cast<QKeyEvent*>(e);
        switch (k->key()) {
        case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_Tab: case Qt::Key_Backtab: case Qt::Key_Up:
        case Qt::Key_Down: case Qt::Key_PageUp: case Qt::Key_PageDown: case Qt::Key_Insert:
            // What the editor shows goes into the line at once, the editor
            // closes, and the key does what it does in the grid.
            commitEditor();
            setFocus();
            keyPressEvent(k);
            return true;
        default:
            break;
        }
    }
    return DataGrid::eventFilter(o, e);
}

bool TItemGrid::commitEditor()
{
    inCommit_ = true;
    saveAfterCommit_ = false;
    DataGrid::commitPending();
    inCommit_ = false;
    shown_ = {};
    if (!saveAfterCommit_) return true;
    saveAfterCommit_ = false;
    return PostLine();
}

bool TItemGrid::commitPending()
{
    commitEditor();
    return PostLine();
}

void TItemGrid::keyPressEvent(QKeyEvent* e)
{
    const bool plain = e->modifiers() == Qt::NoModifier || e->modifiers() == Qt::KeypadModifier;
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && (e->modifiers() & Qt::ControlModifier)) {
        if (ctrlEnter) ctrlEnter();
        return;
    }
    if (enter && plain) {
        PostLine();
        return;
    }
    if (e->key() == Qt::Key_Escape && plain) {
        CancelLine();
        return;
    }
    const int rows = gridModel() ? gridModel()->rowCount() : 0;
    const bool onLast = rows == 0 || currentIndex().row() == rows - 1;
    if (plain && (e->key() == Qt::Key_Insert || (e->key() == Qt::Key_Down && onLast))) {
        // Down on the last line makes a new one, unless that line is itself
        // new and still empty.
        Dataset& items = dm_.ItemsQuery;
        if (e->key() == Qt::Key_Down && items.state() == Dataset::Insert && items.asString("productcode").isEmpty())
            return;
        AddLine();
        return;
    }
    if (rows == 0 && !e->text().isEmpty() && e->text().at(0).isPrint() && !(e->modifiers() & Qt::ControlModifier)) {
        if (!AddLine()) return;
    }
    DataGrid::keyPressEvent(e);
}
