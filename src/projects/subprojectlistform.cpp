#include "projects/subprojectlistform.h"

#include "data/datamodule.h"
#include "projects/projectlistform.h"
#include "projects/subprojectdataform.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QMenu>

TSubProjectListForm::TSubProjectListForm(QWidget* parent) : TListForm(parent)
{
    setObjectName(QStringLiteral("SubProjectListForm"));
    setWindowTitle(QStringLiteral("Prosjektsystemer"));
    placementKey = QStringLiteral("SubProjectListForm");
    resize(440, 360);

    TDatabaseModule& dm = DataModule();
    setDataset(&dm.SubProjectTable, {{"systemnumber", "Nr.", 100}, {"systemname", "Navn", 300}});
    setSearchFields({QStringLiteral("systemnumber"), QStringLiteral("systemname"), QStringLiteral("department")});
    setRecordWindow<TSubProjectDataForm>();

    Dokumenter1 = addWindowItem<TDocumentListForm>(jumpMenu(), QStringLiteral("Dokumenter"), [this] {
        ProjectJumps::Documents(QStringLiteral("document.systemid="), currentPart());
    });
    auto jump = [this](Dataset& target, const QString& cls) {
        return [this, &target, cls] {
            if (currentPart() > 0) ProjectJumps::Filtered(target, partCondition(), cls);
        };
    };
    Timeregistreringer1 = addWindowItem(jumpMenu(), QStringLiteral("Timeregistreringer"),
                                        QStringLiteral("TCalendarRegListForm"),
                                        jump(dm.CalendarTable, QStringLiteral("TCalendarRegListForm")));
    Varetransaksjoner1 = addWindowItem<TItemsListForm>(jumpMenu(), QStringLiteral("Varetransaksjoner"), [this] {
        if (currentPart() > 0) ProjectJumps::Items(partCondition(QStringLiteral("subprojectid")));
    });
    Tilbud1 = addWindowItem<TOfferListForm>(jumpMenu(), QStringLiteral("Tilbud"),
                                            jump(dm.OfferTable, WindowName<TOfferListForm>()));
    Ordrer1 = addWindowItem<TOrderListForm>(jumpMenu(), QStringLiteral("Ordrer"),
                                            jump(dm.OrderTable, WindowName<TOrderListForm>()));
    Innkjop1 = addWindowItem<TPOListForm>(jumpMenu(), QStringLiteral("Innkjøp"),
                                          jump(dm.POTable, WindowName<TPOListForm>()));
    Utstyr1 = addWindowItem<TAssetListForm>(jumpMenu(), QStringLiteral("Utstyr"),
                                            jump(dm.AssetTable, WindowName<TAssetListForm>()));
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TSubProjectListForm::updateJumps);
    updateJumps();
}

qint64 TSubProjectListForm::currentPart() const
{
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || ds->recNo() < 0 || ds->state() == Dataset::Insert) return 0;
    return ds->currentId();
}

qint64 TSubProjectListForm::currentProject() const
{
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || ds->recNo() < 0) return 0;
    return ds->asInt(QStringLiteral("project"));
}

QString TSubProjectListForm::partCondition(const QString& partField) const
{
    return QStringLiteral("projectid=%1 and %2=%3").arg(currentProject()).arg(partField).arg(currentPart());
}

void TSubProjectListForm::updateJumps()
{
    const bool row = currentPart() > 0;
    WindowRegistry& w = Windows();
    Dokumenter1->setEnabled(row && w.has<TDocumentListForm>());
    Timeregistreringer1->setEnabled(row && w.has(QStringLiteral("TCalendarRegListForm")));
    Varetransaksjoner1->setEnabled(row && w.has<TItemsListForm>());
    Tilbud1->setEnabled(row && w.has<TOfferListForm>());
    Ordrer1->setEnabled(row && w.has<TOrderListForm>());
    Innkjop1->setEnabled(row && w.has<TPOListForm>());
    Utstyr1->setEnabled(row && w.has<TAssetListForm>());
}

void TSubProjectListForm::OpenData()
{
    // The parts follow the project list's current row: that one is read first.
    TDatabaseModule& dm = DataModule();
    if (!dm.ProjectTable.isOpen()) dm.TableOpen(dm.ProjectTable);
    TListForm::OpenData();
}

void TSubProjectListForm::FormShow()
{
    TListForm::FormShow();
    Dataset& projects = DataModule().ProjectTable;
    if (projects.isOpen() && projects.recNo() >= 0)
        setWindowTitle(QStringLiteral("Systemer for ") + projects.asString(QStringLiteral("projectnumber")) +
                       QLatin1Char(' ') + projects.asString(QStringLiteral("projectname")));
    else
        setWindowTitle(QStringLiteral("Prosjektsystemer"));
    updateJumps();
}
