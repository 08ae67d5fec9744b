#pragma once
// The base of every list window: one grid over a shared dataset of the data
// module, the popup menu (Ny, Rediger, Slett, Oppdater, Filter with the
// search, the fixed filters and "Vis alle", and whatever the window adds),
// and the window's placement, restored on show and stored on close.
//
// A register's list window is mostly a description: its dataset, its
// columns, the fields its search looks in, its fixed filters, its record
// window and its extra menu items, all given in its constructor.
#include "ui/datagrid.h"
#include "ui/windowregistry.h"
#include "ui/windowtypes.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

class QAction;
class QMenu;

// The one-line input dialog the search asks with. The windows layer
// installs the program's own; without one, the installed Dialogs asks and
// the last answer is kept under "LastInputStr" in the per-user file.
using InputStrFunction = bool (*)(const QString& prompt, const QString& defaultText, QString& answer);
void SetInputStrFunction(InputStrFunction f);
bool AskInputStr(const QString& prompt, QString& answer);

class TListForm : public QWidget {
    Q_OBJECT
public:
    explicit TListForm(QWidget* parent = nullptr);

    // --- Description of the window ----------------------------------------
    // The stored placement's key: the class name without the leading T.
    QString placementKey;
    // Documents move to the newest row (the last) when the list is shown.
    bool gotoLastOnShow = false;
    // Documents post a new row at once, so it gets its id and number, and
    // put it back into edit state before the record window shows it.
    bool postNewRows = false;

    void setDataset(Dataset* ds, const std::vector<GridColumn>& columns);
    Dataset* dataset() const { return ds_; }
    // The fields "Filtrer etter ..." looks in, in order.
    void setSearchFields(const QStringList& fields) { searchFields_ = fields; }
    const QStringList& searchFields() const { return searchFields_; }
    // The record window "Ny" and "Rediger" show (its class name).
    void setRecordWindow(const QString& className) { recordWindow_ = className; }
    template <class T>
    void setRecordWindow()
    {
        recordWindow_ = WindowName<T>();
    }
    // A fixed filter under "Filter", before "Vis alle".
    QAction* addFixedFilter(const QString& caption, const QString& condition);
    // A sub-menu of the popup menu ("Vis tilhørende", "Avansert").
    QMenu* addSubMenu(const QString& caption);
    // An item that opens windowClass; enabled only while that window exists.
    QAction* addWindowItem(QMenu* menu, const QString& caption, const QString& windowClass,
                           std::function<void()> action);
    template <class T>
    QAction* addWindowItem(QMenu* menu, const QString& caption, std::function<void()> action)
    {
        return addWindowItem(menu, caption, WindowName<T>(), std::move(action));
    }
    // A jump under "Vis tilhørende": target list window T over dataset,
    // filtered on keyField = this list's current id.
    //   addJump<TOrderListForm>("Ordrer", DataModule().OrderTable, "companyid");
    template <class T>
    QAction* addJump(const QString& caption, Dataset& dataset, const QString& keyField)
    {
        return addJump(caption, WindowName<T>(), dataset, keyField);
    }
    QAction* addJump(const QString& caption, const QString& windowClass, Dataset& dataset, const QString& keyField);
    // The "Vis tilhørende" sub-menu, made on first use.
    QMenu* jumpMenu();
    // Adds "Utskrift av listen" (Ctrl+P) running print.
    QAction* enablePrint(std::function<void()> print);

    // --- Components ---------------------------------------------------------
    DataGrid* Grid;
    QMenu* PopupMenu1;
    QAction *Ny1, *Rediger1, *Slett1, *Oppdater1, *Utskrift1 = nullptr;
    QMenu* Filter1;
    QMenu* VisTilhorende1 = nullptr;
    QAction *Sketter1, *Alle1;

    // --- Handlers -----------------------------------------------------------
    virtual void Ny1Click();
    virtual void Rediger1Click();
    virtual void Slett1Click();
    virtual void Oppdater1Click();
    virtual void Sketter1Click();
    virtual void Alle1Click();
    // Sets the dataset's filter condition and re-reads the rows, with the
    // wait cursor; the sort order stays.
    void ApplyFilter(const QString& condition);
    // The search condition for a typed text: F like '%T%' for every search
    // field, joined by " OR ". Quotes and backslashes in the text are
    // escaped; the user's own % and _ still work as wildcards.
    QString SearchCondition(const QString& text) const;
    // Enables the items whose window exists; runs when the menu opens.
    void PopupMenu1Popup();
    // The on-show and on-close steps.
    virtual void FormShow();
    virtual void FormClose();
    // Opens (or re-reads) the dataset as the window is shown.
    virtual void OpenData();

    // --- Jumps shared by the windows -----------------------------------------
    // Sets target's filter condition and shows windowClass (which re-reads
    // it on show).
    static void ShowFiltered(Dataset& target, const QString& condition, const QString& windowClass);
    // "Dokumenter": the document list on prefix + id; a visible list
    // re-runs its select, a hidden one is shown and runs it then.
    static void ShowDocuments(const QString& prefix, qint64 id);

protected:
    // Puts a grid of the window's own kind (an editable one) in place of the
    // standard grid, wired the same way; before setDataset.
    void replaceGrid(DataGrid* grid);
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void wireGrid();
    QAction* makeAction(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& key);
    QPointer<Dataset> ds_;
    QStringList searchFields_;
    QString recordWindow_;
    QAction* filterSeparator_ = nullptr;
    std::vector<std::pair<QAction*, QString>> windowItems_;
    std::function<void()> print_;
};
