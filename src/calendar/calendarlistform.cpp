#include "calendar/calendarlistform.h"

#include "calendar/calendardataform.h"
#include "core/dialogs.h"
#include "core/login.h"
#include "data/datamodule.h"
#include "sales/orderdataform.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QStyledItemDelegate>

using namespace CalendarRules;

namespace {

bool editing(const Dataset& ds) { return ds.state() == Dataset::Edit || ds.state() == Dataset::Insert; }

const QHash<QString, QString>& sortKeys()
{
    static const QHash<QString, QString> keys{{QStringLiteral("calendar_initials"), QStringLiteral("userid")},
                                              {QStringLiteral("ordernumber"), QStringLiteral("orderid")},
                                              {QStringLiteral("projectnumber"), QStringLiteral("projectid")},
                                              {QStringLiteral("systemnumber"), QStringLiteral("systemid")},
                                              {QStringLiteral("assetnumber"), QStringLiteral("assetid")}};
    return keys;
}

// The "T", "S" and "." columns: a white cell with a coloured block.
class MarkDelegate : public QStyledItemDelegate {
public:
    MarkDelegate(const TCalendarRegListForm* list, QObject* parent) : QStyledItemDelegate(parent), list_(list) {}
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(p, option, index);
        const int column = index.column();
        const bool typeColumn = column == TCalendarRegListForm::TimeTypeColumn;
        const QRect cell = option.rect.adjusted(typeColumn ? 1 : 0, 1, 0, -1);
        p->fillRect(cell, Qt::white);
        const Mark m = list_->markAt(index.row(), column);
        if (!m.shown) return;
        p->fillRect(option.rect.adjusted(typeColumn ? 6 : 5, 5, 0, -5), QColor::fromRgb(m.rgb));
    }

private:
    const TCalendarRegListForm* list_;
};

void setupGrid(TListForm* list)
{
    list->Grid->setSortKeys(sortKeys());
}

}  // namespace

// --- The shared menu ---------------------------------------------------------------

void CalendarListMenu::build(TListForm* list)
{
    list_ = list;
    // The fixed filters, before "Vis alle". The login may change after the
    // window is made, so the conditions naming the user are built on use.
    for (const Filter& f : CalendarRules::Filters(0)) {
        QAction* a = list->addFixedFilter(f.caption, f.condition);
        a->setObjectName(f.name);
        // addFixedFilter's own handler applies the condition made now; the
        // user's own filters take the login of the moment instead.
        a->disconnect(list);
        const QString name = f.name;
        QObject::connect(a, &QAction::triggered, list, [list, name] {
            for (const Filter& g : CalendarRules::Filters(MyLoginID))
                if (g.name == name) list->ApplyFilter(g.condition);
        });
        Filters.emplace_back(f, a);
    }
    list->Sketter1->setText(QStringLiteral("Filtrer etter .."));

    QMenu* m = list->PopupMenu1;
    N1 = m->addSeparator();
    Henttilordre1 = m->addAction(QStringLiteral("Hent til ordre"));
    Henttilordre1->setObjectName(QStringLiteral("Henttilordre1"));
    QObject::connect(Henttilordre1, &QAction::triggered, list, [list] { Henttilordre1Click(list); });
    N2 = m->addSeparator();
    Avansert1 = list->addSubMenu(QStringLiteral("Avansert"));
    Avansert1->setObjectName(QStringLiteral("Avansert1"));
    Postinformasjon1 = list->addWindowItem<TPostinfoForm>(Avansert1, QStringLiteral("Postinformasjon"),
                                                           [] { ShowCalendarPostinfo(); });
    Postinformasjon1->setObjectName(QStringLiteral("Postinformasjon1"));
    Datatabell1 = list->addWindowItem<TCommonListForm>(Avansert1, QStringLiteral("Datatabell"),
                                                        [] { ShowCalendarDataTable(); });
    Datatabell1->setObjectName(QStringLiteral("Datatabell1"));
    QObject::connect(m, &QMenu::aboutToShow, list, [this] { update(); });
    update();
}

void CalendarListMenu::update()
{
    const bool open = CurrentOrderID != 0 && HasDataModule();
    QString number;
    if (open)
        number = DataModule().MyConnection.scalar(
            QStringLiteral("SELECT ordernumber FROM orders WHERE id=%1").arg(CurrentOrderID));
    Henttilordre1->setText(QStringLiteral("Hent til ordre ") + number);
    Henttilordre1->setVisible(open);
    N1->setVisible(open);
}

void Henttilordre1Click(TListForm* list)
{
    if (CurrentOrderID == 0 || !HasDataModule()) return;
    TDatabaseModule& dm = DataModule();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TransferResult r = TransferHoursToOrder(dm, CurrentOrderID);
    // The order window shows its new lines and totals.
    if (auto* order = Windows().get<TOrderDataForm>(); order && order->isVisible()) order->RefreshLines();
    QApplication::restoreOverrideCursor();
    if (!r.error.isEmpty()) CurrentDialogs()->ShowMessage(r.error, QStringLiteral("Feil"));
    (void)list;
}

void ShowCalendarPostinfo()
{
    DataModule().CommonSource = &DataModule().CalendarTable;
    Windows().show<TPostinfoForm>();
}

void ShowCalendarDataTable()
{
    DataModule().CommonSource = &DataModule().CalendarTable;
    Windows().show<TCommonListForm>();
}

// --- The calendar list --------------------------------------------------------------

TCalendarListForm::TCalendarListForm(QWidget* parent) : TListForm(parent)
{
    setObjectName(QStringLiteral("CalendarListForm"));
    setWindowTitle(QStringLiteral("Kalender"));
    placementKey = QStringLiteral("CalendarListForm");
    resize(820, 460);
    CalendarGrid = Grid;
    CalendarGrid->setObjectName(QStringLiteral("CalendarGrid"));
    setDataset(&DataModule().CalendarTable, {{"time_from", "Fra", 115},
                                             {"calendar_initials", "Eier", 50},
                                             {"subject", "Emne", 300},
                                             {"location", "Sted", 300}});
    setupGrid(this);
    setSearchFields({QStringLiteral("subject"), QStringLiteral("location")});
    setRecordWindow<TCalendarDataForm>();
    Menu.build(this);
}

void TCalendarListForm::OpenData()
{
    if (dataset()) DataModule().TableOpen(*dataset(), true, false);
}

// --- The time registration list -------------------------------------------------------

TCalendarRegListForm::TCalendarRegListForm(QWidget* parent) : TListForm(parent)
{
    setObjectName(QStringLiteral("CalendarRegListForm"));
    setWindowTitle(QStringLiteral("Timeregistrering"));
    placementKey = QStringLiteral("CalendarRegListForm");
    resize(1240, 480);
    CalGrid = Grid;
    CalGrid->setObjectName(QStringLiteral("CalGrid"));
    setDataset(&DataModule().CalendarTable, {{"timetype", "T", 12},
                                             {"status", "S", 12},
                                             {"calendar_initials", "Initialer", 60},
                                             {"time_from", "Fra", 115},
                                             {"time_to", "Til", 115},
                                             {"subject", "Tekst", 250},
                                             {"hours", "Timer", 50},
                                             {"read_order", ".", 12},
                                             {"ordernumber", "Ordre", 70},
                                             {"projectnumber", "Prosjekt", 80},
                                             {"systemnumber", "System", 80},
                                             {"assetnumber", "Utstyr", 90},
                                             {"subassetid", "Utstyrdel", 70},
                                             {"job", "Jobbnr.", 60}});
    setupGrid(this);
    for (int c : {TimeTypeColumn, StatusColumn, ReadOrderColumn})
        CalGrid->setItemDelegateForColumn(c, new MarkDelegate(this, CalGrid));
    setSearchFields({QStringLiteral("subject"), QStringLiteral("location")});
    setRecordWindow<TCalendarRegDataForm>();
    Menu.build(this);
}

Mark TCalendarRegListForm::markAt(int row, int column) const
{
    const Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || row < 0 || row >= ds->recordCount()) return {};
    auto v = [&](const char* f) { return ds->rowValue(row, ds->fieldIndex(QLatin1String(f))).toLongLong(); };
    switch (column) {
    case TimeTypeColumn: return TimeTypeMark(int(v("timetype")), int(v("status")));
    case StatusColumn: return StatusMark(int(v("status")));
    case ReadOrderColumn: return ReadOrderMark(v("orderid"), v("projectid"), int(v("timetype")), int(v("read_order")));
    default: return {};
    }
}

void TCalendarRegListForm::Ny1Click()
{
    TListForm::Ny1Click();
    if (Dataset* ds = dataset(); ds && ds->state() == Dataset::Insert) ds->setValue(QStringLiteral("timetype"), 1);
}

void TCalendarRegListForm::OpenData()
{
    Dataset* ds = dataset();
    if (!ds) return;
    if (editing(*ds) && !ds->post()) return;
    DataModule().TableOpen(*ds, true, true);
}
