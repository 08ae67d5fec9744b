#pragma once
// Drops from the drag-and-drop data tool (TDataToolForm, "Dra og Slipp
// Verktøy") onto list grids and record-window fields.
//
// The tool offers five drag sources:
//   Where   "Dra til et felt for å filtrere"            filter on the value under the drop point
//   Order   "Dra til et felt for å sortere på dette feltet"  sort by the field under the drop point
//   Lock    "Dra til et felt for å låse"               lock the list to the value under the drop point
//   All     "Dra til et felt for å slette sortering"    remove the filter
//   Search  the tool's text box                         search the list for its text
//
// What a drop does is decided by the window that receives it, in two steps:
//
// 1. A rule: a pure function from the drop to a DropResult. It sees which
//    source was dropped, the drop point's x in the control (grids: in the
//    grid's content, so scrolled columns count), the field of the grid
//    column under the drop point, the current row's values and the text
//    box's text. It answers Refuse for a source the control does not take
//    (at that point), which also gives the no-drop cursor while dragging;
//    anything that is not the data tool's is refused before the rule runs.
//    Rules are plain functions so they can be tested by tables:
//        DropResult r = AssetGridDrop({DropKind::Where, 500, "", row, ""});
//        // r.describe() == "filter:model='X'"
// 2. An apply step: the window posts a pending edit, then sets its filter,
//    order or lock and re-reads its rows.
//
// A list window gets both from one call:
//     InstallListDrops(this, &MyListForm::GridDrop);
// which applies a result to the list's own dataset (ApplyListDrop). Any
// other control installs a DropTarget with its rule and its own apply step.
//
// Values dropped into a condition are escaped as SQL literals (SqlValue),
// and an empty link field reads as 0, so a drop never makes "companyid="
// with nothing after it.
#include <QHash>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QVariant>

#include <functional>

class Dataset;
class QMimeData;
class QWidget;
class TListForm;

enum class DropKind { Where, Order, Lock, All, Search };

// The current row's values by field name; an absent field gives an invalid
// QVariant.
using DropRow = std::function<QVariant(const QString& field)>;
// The current row of ds (the edit buffer while editing); no row: invalid values.
DropRow DatasetRow(const Dataset* ds);

struct DropEvent {
    DropKind kind = DropKind::Where;
    int x = 0;        // the drop point's horizontal position in the control, in pixels
    QString column;   // grids: the field of the column under the drop point
    DropRow row;      // the current row
    QString text;     // Search: the text box's text

    // The value of a field of the row (invalid when there is no row).
    QVariant value(const QString& field) const { return row ? row(field) : QVariant(); }
};

struct DropResult {
    bool accepted = false;   // false: the control refuses the drop
    bool setFilter = false;  // the filter becomes filter ("" removes it)
    QString filter;
    QString sort;            // not empty: sort by this field
    bool lock = false;       // lock to lockValue (the window knows what a lock means)
    qint64 lockValue = 0;
    bool reread = false;     // re-read the rows even when nothing else changes

    static DropResult Refuse() { return {}; }
    // Accepted, and nothing happens.
    static DropResult Ignore();
    static DropResult Filter(const QString& condition);
    static DropResult Clear() { return Filter(QString()); }
    static DropResult Sort(const QString& field);
    static DropResult Reread();
    // "refuse", "none", "reread", "filter:<c>", "sort:<f>", "lock:<v>", joined with " ".
    QString describe() const;
};

using DropRule = std::function<DropResult(const DropEvent&)>;

// A value as an SQL literal for a condition: numbers as they are, dates as
// 'yyyy-MM-dd[ HH:mm:ss]', texts quoted with quotes and backslashes escaped.
QString SqlValue(const QVariant& v);
// field=value with SqlValue; an empty or missing value of a link field
// (isLink) is 0; a missing value of any other field matches NULL or ''.
QString FieldCondition(const QString& field, const QVariant& v, bool isLink = false);
// An integer link field of the row as a number: empty or not a number is 0.
qint64 LinkValue(const QVariant& v);

// The order rule of the data tool: an order that does not name field
// becomes field; exactly field becomes "field DESC"; exactly "field DESC"
// becomes field; an order that names field in any other way stays.
QString ToggledOrder(const QString& order, const QString& field);

// The rule most lists use when no other is given: order sorts by the
// column under the drop point (sortKeys maps a looked-up column to its
// key field), where filters on that column's value in the current row,
// all removes the filter, the text box searches searchFields; lock is
// refused.
DropResult ColumnDrop(const DropEvent& e, const QStringList& searchFields,
                      const QHash<QString, QString>& sortKeys = {});
// The free-text search over fields: F like '%T%' joined by " OR ", with T
// escaped (the user's own % and _ still work).
QString SearchTerms(const QStringList& fields, const QString& text);

// --- Drag data -----------------------------------------------------------------

// The MIME type of the data tool's drags.
extern const char* const kDataToolMime;
// The drag data of a source (text: the text box's text for Search).
QMimeData* DataToolMimeData(DropKind kind, const QString& text = QString());
// Reads drag data; false when it is not the data tool's.
bool ReadDataToolMime(const QMimeData* data, DropKind* kind, QString* text);

// --- Receiving -------------------------------------------------------------------

// Takes the data tool's drops on a control: checks each drag with the
// rule while it moves (refusing what the rule refuses) and hands an
// accepted drop's result to apply. On a grid (a QAbstractItemView) the
// drops land on its viewport, and column is the field under the point.
// Lives as long as the control.
class DropTarget : public QObject {
    Q_OBJECT
public:
    DropTarget(QWidget* control, DropRule rule, std::function<void(const DropResult&)> apply,
               std::function<DropRow()> row);
    // The event the rule sees for a drop at pos (in the control or, on a
    // grid, in its viewport).
    DropEvent eventAt(DropKind kind, const QPoint& pos, const QString& text) const;
    // Runs the rule; applies an accepted result. Returns the result.
    DropResult drop(DropKind kind, const QPoint& pos, const QString& text = QString());

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QWidget* control_;
    QWidget* surface_;
    DropRule rule_;
    std::function<void(const DropResult&)> apply_;
    std::function<DropRow()> row_;
};

// The DropTarget installed on control (or its viewport), or null.
DropTarget* DropTargetOf(QWidget* control);

// Grid drops for a list window: rule on the list's grid, results applied
// to the list's dataset with ApplyListDrop. Without a rule, ColumnDrop
// over the list's search fields.
DropTarget* InstallListDrops(TListForm* list, DropRule rule = {});
// Applies a result to a list: a pending edit is posted first (a refused
// post keeps the edit and changes nothing), then the filter and the order
// (ToggledOrder) are set and the rows re-read.
bool ApplyListDrop(TListForm* list, const DropResult& r);
// Posts a pending edit of ds; true when there is none left.
bool PostPendingEdit(Dataset* ds);
