#include "projects/joblistform.h"

#include "ui/datadrop.h"

#include "core/dialogs.h"
#include "core/textfil.h"
#include "data/datamodule.h"
#include "projects/jobdataform.h"
#include "projects/projectlistform.h"
#include "projects/projectrules.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QMenu>

TJobListForm::TJobListForm(QWidget* parent) : TListForm(parent)
{
    setObjectName(QStringLiteral("JobListForm"));
    setWindowTitle(QStringLiteral("Standardjobber"));
    placementKey = QStringLiteral("JobListForm");
    resize(480, 380);

    TDatabaseModule& dm = DataModule();
    setDataset(&dm.JobQuery, {{"job", "jobbnr.", 0}, {"subject", "navn", 300}});
    setSearchFields({QStringLiteral("subject"), QStringLiteral("location"), QStringLiteral("object_text")});
    setRecordWindow<TJobDataForm>();
    // A new job is made here and shown in its record window; there is no
    // "Rediger": a double click shows the job.
    Rediger1->setVisible(false);
    Rediger1->setEnabled(false);
    // A title click orders the select by the column's field.
    disconnect(Grid->horizontalHeader(), &QHeaderView::sectionClicked, Grid, nullptr);
    connect(Grid->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (!Grid->gridModel()) return;
        const int f = Grid->gridModel()->fieldOfColumn(column);
        Dataset* ds = dataset();
        if (!ds || f < 0 || f >= ds->fieldCount()) return;
        Job_ORDER = ds->fieldName(f);
        OpenData();
    });

    Dokumenter1 = addWindowItem<TDocumentListForm>(jumpMenu(), QStringLiteral("Dokumenter"), [this] {
        ProjectJumps::Documents(QStringLiteral("document.jobid="), currentJob());
    });
    imeregistreringer1 = addWindowItem(jumpMenu(), QStringLiteral("Timeregistreringer"),
                                       QStringLiteral("TCalendarRegListForm"), [this] {
                                           if (const qint64 id = currentJob(); id > 0)
                                               ProjectJumps::Filtered(DataModule().CalendarTable,
                                                                      QStringLiteral("job=") + QString::number(id),
                                                                      QStringLiteral("TCalendarRegListForm"));
                                       });
    GridDrops = new DropTarget(
        Grid, [this](const DropEvent& e) { return ColumnDrop(e, searchFields(), Grid->sortKeys()); },
        [this](const DropResult& r) {
            if (!r.accepted || (!r.setFilter && r.sort.isEmpty() && !r.reread)) return;
            if (!PostPendingEdit(dataset())) return;
            if (r.setFilter) Job_WHERE = r.filter;
            if (!r.sort.isEmpty()) Job_ORDER = ToggledOrder(Job_ORDER, r.sort);
            OpenData();
        },
        [this] { return DatasetRow(dataset()); });

    PopupMenu1->addSeparator();
    Lagkalenderoppfring1 = new QAction(QStringLiteral("Lag kalenderoppføring"), this);
    Lagkalenderoppfring1->setObjectName(QStringLiteral("Lagkalenderoppfring1"));
    PopupMenu1->addAction(Lagkalenderoppfring1);
    connect(Lagkalenderoppfring1, &QAction::triggered, this, [this] { Lagkalenderoppfring1Click(); });
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TJobListForm::updateItems);
    connect(&dm.JobQuery, &Dataset::currentChanged, this, &TJobListForm::updateItems);
    connect(&dm.JobQuery, &Dataset::stateChanged, this, &TJobListForm::updateItems);
    connect(&dm.JobQuery, &Dataset::closed, this, &TJobListForm::updateItems);
    updateItems();
}

qint64 TJobListForm::currentJob() const
{
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || ds->recNo() < 0 || ds->state() == Dataset::Insert) return 0;
    return ds->currentId();
}

void TJobListForm::updateItems()
{
    // Every item here needs a saved job to work from.
    const bool row = currentJob() > 0;
    Dokumenter1->setEnabled(row && Windows().has<TDocumentListForm>());
    imeregistreringer1->setEnabled(row && Windows().has(QStringLiteral("TCalendarRegListForm")));
    Lagkalenderoppfring1->setEnabled(row);
    Dataset* ds = dataset();
    Slett1->setEnabled(ds && ds->isOpen() && ds->recNo() >= 0);
}

qint64 TJobListForm::Lagkalenderoppfring1Click()
{
    const qint64 job = currentJob();
    if (job <= 0) return 0;
    QString error;
    const qint64 entry = Projects::MakeCalendarEntryFromJob(DataModule(), job, QDate(), &error);
    if (entry <= 0) {
        LogLine(QStringLiteral("FEIL: Lag kalenderoppføring fra standardjobb %1: %2").arg(job).arg(error));
        CurrentDialogs()->ShowMessage(QStringLiteral("Kalenderoppføringen ble ikke laget:\n") + error,
                                      QStringLiteral("Feil"));
        return 0;
    }
    Windows().show(QStringLiteral("TCalendarDataForm"));
    return entry;
}

void TJobListForm::OpenData()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    DataModule().JobSQLSelect();
    QApplication::restoreOverrideCursor();
    updateItems();
}

void TJobListForm::Oppdater1Click() { OpenData(); }

void TJobListForm::Sketter1Click()
{
    QString text;
    if (!AskInputStr(QStringLiteral("Søk etter:"), text) || text.isEmpty()) return;
    Job_WHERE = SearchCondition(text);
    OpenData();
}

void TJobListForm::Alle1Click()
{
    Job_WHERE.clear();
    OpenData();
}
