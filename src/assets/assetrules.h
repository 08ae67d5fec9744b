#pragma once
// The asset register's coded values (types, statuses, priorities), the
// conditions of the asset list's filters, and what a drop from the data
// tool onto the asset list does. No widgets.
#include <QString>
#include <QStringList>

#include <vector>

namespace Assets {

// Captions in the record window's lists, index = stored value.
const QStringList& TypeNames();      // assettype 0..10
const QStringList& StatusNames();    // status 0..10
const QStringList& PriorityNames();  // priority 0..5
// Captions of the list window's filter items, index = stored value.
const QStringList& TypeFilterNames();
const QStringList& StatusFilterNames();
const QStringList& PriorityFilterNames();

// Statuses below this count as available ("Tilgjengelig utstyr").
constexpr int FirstUnavailableStatus = 5;

// The fields "Filtrer etter ..." looks in.
const QStringList& SearchFields();

// One item of the list's Filter sub-menu.
struct FilterItem {
    QString submenu;    // "" for the Filter menu itself, else "Utstyrstype", "Status" or "Prioritering"
    QString caption;
    QString condition;  // the asset dataset's filter; "" shows every asset
};
// Every fixed filter in menu order (the search and "Vis alle" are the
// list window's own).
const std::vector<FilterItem>& FilterItems();

// ---- drops from the data tool ------------------------------------------

// The data tool's three icons.
enum class DropKind { Order, Where, All };

struct DropEffect {
    enum Kind { Nothing, Sort, Filter };
    Kind kind = Nothing;
    QString text;  // the order field, or the filter condition ("" for all)
    bool operator==(const DropEffect&) const = default;
};

// The values of the row the where-drop filters on.
struct DropRow {
    bool present = false;  // false: the list has no current row
    QString model;
    QString location;
};

// The field a drop at x pixels from the grid's left edge stands for:
// order drops at 0-100 assetnumber, 101-400 assetname, 401-650 model,
// 651-850 location; where drops at 401-650 model, 651-851 location.
// Empty elsewhere (and always for the all icon).
QString DropFieldAt(DropKind kind, int x);
// What a drop on the column of field does: an order drop sorts by any of
// the four fields above, a where drop filters on the current row's model
// or location (the value escaped: a quote in it is data), an all drop
// shows every asset. A where drop without a current row does nothing.
DropEffect DropEffectForField(DropKind kind, const QString& field, const DropRow& row);
// DropEffectForField on the field DropFieldAt gives.
DropEffect DropEffectAt(DropKind kind, int x, const DropRow& row);

}  // namespace Assets
