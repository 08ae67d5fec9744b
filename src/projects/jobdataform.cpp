#include "projects/jobdataform.h"

#include "crm/personsselectform.h"
#include "data/datamodule.h"
#include "projects/projectdataform.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace {
bool editing(const Dataset& ds) { return ds.state() == Dataset::Edit || ds.state() == Dataset::Insert; }

}  // namespace

TJobDataForm::TJobDataForm(QWidget* parent) : TDataForm(parent)
{
    setObjectName(QStringLiteral("JobDataForm"));
    setWindowTitle(QStringLiteral("Standardjobb"));
    placementKey = QStringLiteral("JobDataForm");
    captionPrefix = QStringLiteral("Standardjobb [");
    Dataset* ds = &DataModule().JobQuery;

    JobEdit = new TDBEdit(ds, QStringLiteral("job"));
    SubjectEdit = new TDBEdit(ds, QStringLiteral("subject"));
    LocationEdit = new TDBEdit(ds, QStringLiteral("location"));
    HoursEdit = new TDBEdit(ds, QStringLiteral("hours"));
    UserCombo = ProjectLookupCombo(ds, QStringLiteral("userid"), QStringLiteral("users"), QStringLiteral("initials"));
    RoutineEdit = new TDBEdit(ds, QStringLiteral("routine"));
    RoutineEdit->setToolTip(QStringLiteral("Intervallet jobben gjentas med"));
    for (TDBEdit* e : {JobEdit, HoursEdit, RoutineEdit}) {
        e->setAlignment(Qt::AlignRight);
        e->setFixedWidth(90);
    }
    OutdoorBox = new TDBCheckBox(QStringLiteral("Ute"), ds, QStringLiteral("outdoor"));
    AlldayBox = new TDBCheckBox(QStringLiteral("Full dag"), ds, QStringLiteral("allday"));
    addFieldPanel({{QStringLiteral("Jobbnr.:"), JobEdit},
                   {QStringLiteral("Tekst:"), SubjectEdit},
                   {QStringLiteral("Sted:"), LocationEdit},
                   {QStringLiteral("Timeforbruk:"), HoursEdit},
                   {QStringLiteral("Ansatt:"), UserCombo},
                   {QStringLiteral("Intervall:"), RoutineEdit},
                   {QString(), inRow({OutdoorBox, AlldayBox, new QWidget}, 2)}});

    PersonsEdit = new TDBEdit(ds, QStringLiteral("persons"));
    PersonsButton = smallButton(QStringLiteral("..."), QStringLiteral("Velg personer"), [this] { ChoosePersons(); });
    CompanyCombo = ProjectLookupCombo(ds, QStringLiteral("external_company"), QStringLiteral("company"), QStringLiteral("companyname"));
    ContactCombo = ProjectLookupCombo(ds, QStringLiteral("external_contact"), QStringLiteral("contact"), QStringLiteral("realname"));
    ProjectCombo = ProjectLookupCombo(ds, QStringLiteral("projectid"), QStringLiteral("project"), QStringLiteral("projectname"));
    SystemCombo = ProjectLookupCombo(ds, QStringLiteral("systemid"), QStringLiteral("subproject"), QStringLiteral("systemname"));
    AssetCombo = ProjectLookupCombo(ds, QStringLiteral("assetid"), QStringLiteral("asset"), QStringLiteral("assetname"));
    addFieldPanel({{QStringLiteral("Personer:"), withButton(PersonsEdit, PersonsButton)},
                   {QStringLiteral("Firma:"), CompanyCombo},
                   {QStringLiteral("Kontakt:"), ContactCombo},
                   {QStringLiteral("Prosjekt:"), ProjectCombo},
                   {QStringLiteral("System:"), SystemCombo},
                   {QStringLiteral("Utstyr:"), AssetCombo}});
    NoteMemo = new TDBMemo(ds, QStringLiteral("object_text"));
    NoteMemo->setFixedHeight(90);
    addFieldPanel({{QString(), NoteMemo}});
    setDataset(ds);
    setClientWidth(440);
    setFocusProxy(JobEdit);
    // "Lagre", "Avbryt" and "Ny post" only.
    for (QAction* a : {Forrigepost1, Nestepost1}) {
        a->setVisible(false);
        a->setEnabled(false);
    }
}

void TJobDataForm::ChoosePersons()
{
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || ds->recNo() < 0) return;
    PersonsEdit->commit();
    SelectPersons(*ds);
}

void TJobDataForm::FormShow()
{
    if (Dataset* ds = dataset(); ds && !ds->isOpen()) DataModule().JobSQLSelect();
    TDataForm::FormShow();
}

void TJobDataForm::FormClose()
{
    TDataForm::FormClose();
    closedClean_ = true;
    Dataset* ds = dataset();
    if (!ds || !editing(*ds)) return;
    // A pending edit is saved as the window closes; a refused save keeps
    // the window open with the row still in edit state.
    if (!CommitDataControls(this) || !ds->post()) closedClean_ = false;
}

void TJobDataForm::closeEvent(QCloseEvent* e)
{
    FormClose();
    if (!closedClean_) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}
