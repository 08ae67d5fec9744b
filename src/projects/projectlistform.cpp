#include "projects/projectlistform.h"

#include "core/login.h"
#include "data/datamodule.h"
#include "projects/projectdataform.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

namespace ProjectJumps {

void Documents(const QString& prefix, qint64 id)
{
    if (id > 0) TListForm::ShowDocuments(prefix, id);
}

void Items(const QString& condition)
{
    Items_WHERE = condition;
    if (QWidget* w = Windows().find(WindowName<TItemsListForm>()); w && w->isVisible()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        DataModule().ItemsSQLSelect();
        QApplication::restoreOverrideCursor();
    }
    Windows().show<TItemsListForm>();
}

void Filtered(Dataset& target, const QString& condition, const QString& windowClass)
{
    TListForm::ShowFiltered(target, condition, windowClass);
}

}  // namespace ProjectJumps

TProjectListForm::TProjectListForm(QWidget* parent) : TListForm(parent)
{
    setObjectName(QStringLiteral("ProjectListForm"));
    setWindowTitle(QStringLiteral("Prosjekter"));
    placementKey = QStringLiteral("ProjectListForm");
    resize(800, 420);

    TDatabaseModule& dm = DataModule();
    // A project's dates are days: the list shows no time of day.
    for (Dataset* ds : {&dm.ProjectTable, &dm.SubProjectTable})
        for (const char* f : {"startdate", "enddate"}) ds->setDisplayFormat(QLatin1String(f), QStringLiteral("dd.MM.yyyy"));
    setDataset(&dm.ProjectTable, {{"projectnumber", "Prosjektnr.", 100},
                                  {"projectname", "Prosjektnavn", 300},
                                  {"startdate", "Startdato", 80},
                                  {"enddate", "Sluttdato", 80},
                                  {"department", "Avdeling", 200}});
    setSearchFields({QStringLiteral("projectname"), QStringLiteral("department"), QStringLiteral("projectlocation")});
    setRecordWindow<TProjectDataForm>();

    Oppstartet1 = addFixedFilter(QStringLiteral("Oppstartet"), QStringLiteral("projectstatus<20"));
    Pgende1 = addFixedFilter(QStringLiteral("Pågående"), QStringLiteral("projectstatus=10"));
    Midlertidigatoppet1 = addFixedFilter(QStringLiteral("Midlertidig stoppet"), QStringLiteral("projectstatus=15"));
    Ferdigstilt1 = addFixedFilter(QStringLiteral("Ferdigstilt"), QStringLiteral("projectstatus=20"));
    // The user's own projects: the login is known only when the item is used.
    Minepgende1 = addFixedFilter(QStringLiteral("Mine pågående"), QString());
    Allemine1 = addFixedFilter(QStringLiteral("Alle mine"), QString());
    disconnect(Minepgende1, &QAction::triggered, this, nullptr);
    disconnect(Allemine1, &QAction::triggered, this, nullptr);
    connect(Minepgende1, &QAction::triggered, this,
            [this] { ApplyFilter(QStringLiteral("projectstatus<20 and internalcontact=") + QString::number(MyLoginID)); });
    connect(Allemine1, &QAction::triggered, this,
            [this] { ApplyFilter(QStringLiteral("internalcontact=") + QString::number(MyLoginID)); });

    const QString P = QStringLiteral("projectid=");
    auto pid = [this] { return QString::number(currentProject()); };
    Prosjektdeler1 = addWindowItem<TSubProjectListForm>(jumpMenu(), QStringLiteral("Prosjektdeler"),
                                                        [] { Windows().show<TSubProjectListForm>(); });
    Dokumenter1 = addWindowItem<TDocumentListForm>(jumpMenu(), QStringLiteral("Dokumenter"), [this] {
        ProjectJumps::Documents(QStringLiteral("document.projectid="), currentProject());
    });
    // The time-registration list may come from elsewhere: named, not typed.
    Timeregistreringer1 =
        addWindowItem(jumpMenu(), QStringLiteral("Timeregistreringer"), QStringLiteral("TCalendarRegListForm"),
                      [this, P, pid] {
                          if (currentProject() > 0)
                              ProjectJumps::Filtered(DataModule().CalendarTable, P + pid(),
                                                     QStringLiteral("TCalendarRegListForm"));
                      });
    Varetransaksjoner1 = addWindowItem<TItemsListForm>(jumpMenu(), QStringLiteral("Varetransaksjoner"),
                                                       [this] { Varetransaksjoner1Click(); });
    auto jump = [this, P, pid](Dataset& target, const QString& cls) {
        return [this, P, pid, &target, cls] {
            if (currentProject() > 0) ProjectJumps::Filtered(target, P + pid(), cls);
        };
    };
    Tilbud1 = addWindowItem<TOfferListForm>(jumpMenu(), QStringLiteral("Tilbud"),
                                            jump(dm.OfferTable, WindowName<TOfferListForm>()));
    Ordrer1 = addWindowItem<TOrderListForm>(jumpMenu(), QStringLiteral("Ordrer"),
                                            jump(dm.OrderTable, WindowName<TOrderListForm>()));
    Innkjop1 = addWindowItem<TPOListForm>(jumpMenu(), QStringLiteral("Innkjøp"),
                                          jump(dm.POTable, WindowName<TPOListForm>()));
    Utstyr1 = addWindowItem<TAssetListForm>(jumpMenu(), QStringLiteral("Utstyr"),
                                            jump(dm.AssetTable, WindowName<TAssetListForm>()));
    PopupMenu1->addSeparator();
    Kalkulasjon1 = addWindowItem<TProjectCalcForm>(PopupMenu1, QStringLiteral("Kalkulasjon"),
                                                   [this] { if (currentProject() > 0) Windows().show<TProjectCalcForm>(); });
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TProjectListForm::updateJumps);
    updateJumps();
}

qint64 TProjectListForm::currentProject() const
{
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || ds->recNo() < 0 || ds->state() == Dataset::Insert) return 0;
    return ds->currentId();
}

void TProjectListForm::Varetransaksjoner1Click()
{
    if (const qint64 id = currentProject(); id > 0) ProjectJumps::Items(QStringLiteral("projectid=") + QString::number(id));
}

void TProjectListForm::updateJumps()
{
    const bool row = currentProject() > 0;
    WindowRegistry& w = Windows();
    Prosjektdeler1->setEnabled(row && w.has<TSubProjectListForm>());
    Dokumenter1->setEnabled(row && w.has<TDocumentListForm>());
    Timeregistreringer1->setEnabled(row && w.has(QStringLiteral("TCalendarRegListForm")));
    Varetransaksjoner1->setEnabled(row && w.has<TItemsListForm>());
    Tilbud1->setEnabled(row && w.has<TOfferListForm>());
    Ordrer1->setEnabled(row && w.has<TOrderListForm>());
    Innkjop1->setEnabled(row && w.has<TPOListForm>());
    Utstyr1->setEnabled(row && w.has<TAssetListForm>());
    Kalkulasjon1->setEnabled(row && w.has<TProjectCalcForm>());
}
