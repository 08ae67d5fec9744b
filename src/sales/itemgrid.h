#pragma once
// The item grid of the document windows: the shared item-line query in an
// editable grid. A cell is edited in place and written into the line when
// the editor closes; the line is saved when the cursor leaves it (or on
// Enter), and Esc drops the line's unsaved changes.
//
// The product number column is the only one looked up as a product: while
// a number is typed, the line shows the product of exactly that number as
// soon as one exists (text, price, unit, cost; count 1 when it had none)
// and shows its own values again when the typed number stops matching;
// when the cell is committed the line is filled from the product and
// saved. Other columns' text is never taken as a product number.
//
// Keys the grid acts on itself (Enter, Up, Down, Insert, Page Up/Down)
// first hand what the cell editor shows to the line, so Enter after
// typing saves what was typed.
#include "ui/datagrid.h"

#include <functional>

class TDatabaseModule;

// The grid's model: the grid model with editable cells.
class ItemsModel : public GridModel {
    Q_OBJECT
public:
    explicit ItemsModel(Dataset* ds, QObject* parent = nullptr);
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    // Fields shown but never typed into (computed on save, looked up).
    static bool readOnlyField(const QString& field);
    // Called after the product number cell was committed, with the text.
    std::function<void(const QString&)> productCodeCommitted;
};

class TItemGrid : public DataGrid {
    Q_OBJECT
public:
    explicit TItemGrid(TDatabaseModule& dm, QWidget* parent = nullptr);
    // Binds the grid to the item query with these columns.
    void setColumns(const std::vector<GridColumn>& columns);

    // What the window adds: Ctrl+Enter, and whether the product number
    // column looks products up and title clicks sort.
    std::function<void()> ctrlEnter;
    bool productLookup = true;
    bool titleSort = true;
    // Asked before a new line is made (the document must be saved).
    std::function<bool()> canAddLine;

    // The product number cell was committed with text: fill the line from
    // the product of exactly that number, if any. True when one was found.
    bool ProductCodeCommitted(const QString& code);
    // Title click: "mark" sorts by mark, any other title by mark and then
    // its field; the lines are selected again.
    void ItemTitleClick(int column);
    // Saves the current line when it is being edited or inserted.
    bool PostLine();
    // Drops the current line's unsaved changes.
    void CancelLine();
    // A new line after the last.
    bool AddLine();

    void TitleClick(int column) override;
    // The open editor's text into the line, then the line saved.
    bool commitPending() override;
    // While the product number is typed: the line shows the product of
    // exactly the typed number, or its own values again.
    void ProductCodeTyped(const QString& code);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    GridModel* createModel(Dataset* ds) override;

private:
    bool isProductCodeColumn(int column) const;
    // The open editor's text into the line; a product filled in on the
    // way is saved after the editor has closed.
    bool commitEditor();
    bool inCommit_ = false;
    bool saveAfterCommit_ = false;
    TDatabaseModule& dm_;
    ItemsModel* items_ = nullptr;
    // The line's own values while a typed number shows a product.
    struct Shown {
        bool active = false;
        qint64 row = -1;
        QVariantList values;
    } shown_;
};
