#pragma once
// The calendar list (TCalendarListForm, "Kalender") and the time
// registration list (TCalendarRegListForm, "Timeregistrering"): two views
// with their own columns over the one shared calendar dataset, so a filter
// set in one is what the other shows. Both carry the same menu: the
// standard items, the calendar's fixed filters, "Hent til ordre" (the
// listed billable hours into the open order) and "Avansert" with
// "Postinformasjon" and "Datatabell".
#include "calendar/calendarrules.h"
#include "ui/listform.h"

class QAction;
class QMenu;

// The menu items both calendar lists add to their own popup menu.
class CalendarListMenu {
public:
    // Fills list's popup menu.
    void build(TListForm* list);
    // Shows "Hent til ordre " and the open order's number while an order
    // window is open (CurrentOrderID); hides the item and its separator
    // otherwise.
    void update();

    std::vector<std::pair<CalendarRules::Filter, QAction*>> Filters;
    QAction* N1 = nullptr;
    QAction* Henttilordre1 = nullptr;
    QAction* N2 = nullptr;
    QMenu* Avansert1 = nullptr;
    QAction* Postinformasjon1 = nullptr;
    QAction* Datatabell1 = nullptr;

private:
    TListForm* list_ = nullptr;
};

// "Hent til ordre": the order's (and its project's) registrations listed,
// their billable, finished hours moved into the order; the order window's
// lines and totals are brought up to date. Messages go to the user.
void Henttilordre1Click(TListForm* list);
void ShowCalendarPostinfo();
void ShowCalendarDataTable();

class TCalendarListForm : public TListForm {
    Q_OBJECT
public:
    explicit TCalendarListForm(QWidget* parent = nullptr);
    CalendarListMenu Menu;
    DataGrid* CalendarGrid;

protected:
    void OpenData() override;
};

class TCalendarRegListForm : public TListForm {
    Q_OBJECT
public:
    explicit TCalendarRegListForm(QWidget* parent = nullptr);
    CalendarListMenu Menu;
    DataGrid* CalGrid;

    // The column of each mark ("T", "S", ".").
    static constexpr int TimeTypeColumn = 0, StatusColumn = 1, ReadOrderColumn = 7;
    // The mark a cell of row shows in column; not shown for other columns.
    CalendarRules::Mark markAt(int row, int column) const;
    // A new registration is hours work ("Timearbeid"), as in its window.
    void Ny1Click() override;

protected:
    // The rows are read afresh (a jump may have set a new condition) and
    // the newest, the last, becomes current.
    void OpenData() override;
};
