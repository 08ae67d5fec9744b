#include "projects/subprojectdataform.h"

#include "core/dialogs.h"
#include "data/datamodule.h"
#include "projects/projectdataform.h"
#include "projects/projectrules.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QToolButton>


TSubProjectDataForm::TSubProjectDataForm(QWidget* parent) : TDataForm(parent)
{
    setObjectName(QStringLiteral("SubProjectDataForm"));
    setWindowTitle(QStringLiteral("Prosjektdel"));
    placementKey = QStringLiteral("SubProjectDataForm");
    // The caption names the project, not the part's id.
    captionPrefix.clear();
    Dataset* ds = &DataModule().SubProjectTable;

    SystemNumberEdit = new TDBEdit(ds, QStringLiteral("systemnumber"));
    SystemNameEdit = new TDBEdit(ds, QStringLiteral("systemname"));
    ResponsibleCombo = ProjectLookupCombo(ds, QStringLiteral("internalcontact"), QStringLiteral("users"), QStringLiteral("realname"));
    addFieldPanel({{QStringLiteral("Systemnummer:"), SystemNumberEdit},
                   {QStringLiteral("Systemnavn:"), SystemNameEdit},
                   {QStringLiteral("Systemansvarlig:"), ResponsibleCombo}});

    StatusGroup = new TDBRadioGroup(QString(), Projects::StatusCaptions(), Projects::StatusValues());
    StatusGroup->setField(ds, QStringLiteral("systemstatus"));
    StartDateEdit = new TDBDateEdit(ds, QStringLiteral("startdate"));
    EndDateEdit = new TDBDateEdit(ds, QStringLiteral("enddate"));
    for (TDBDateEdit* d : {StartDateEdit, EndDateEdit}) {
        d->setDateOnly(true);
        d->setFixedWidth(130);
    }
    DepartmentEdit = new TDBEdit(ds, QStringLiteral("department"));
    ContactCombo = ProjectLookupCombo(ds, QStringLiteral("systemcontact"), QStringLiteral("contact"), QStringLiteral("realname"));
    CompanyCombo = ProjectLookupCombo(ds, QStringLiteral("systemcompany"), QStringLiteral("company"), QStringLiteral("companyname"));
    ContactButton = smallButton(QStringLiteral("..."), QStringLiteral("Vis kontaktpersonen"), [this] { ContactButtonClick(); });
    CompanyButton = smallButton(QStringLiteral("..."), QStringLiteral("Vis firmaet"), [this] { CompanyButtonClick(); });
    addFieldPanel({{QStringLiteral("Status:"), StatusGroup},
                   {QStringLiteral("Startdato:"), StartDateEdit},
                   {QStringLiteral("Sluttdato:"), EndDateEdit},
                   {QStringLiteral("Avdeling:"), DepartmentEdit},
                   {QStringLiteral("Kontaktperson:"), withButton(ContactCombo, ContactButton)},
                   {QStringLiteral("Firma:"), withButton(CompanyCombo, CompanyButton)}});
    NoteMemo = new TDBMemo(ds, QStringLiteral("object_text"));
    NoteMemo->setFixedHeight(80);
    addFieldPanel({{QString(), NoteMemo}});
    setDataset(ds);
    setClientWidth(440);
    setFocusProxy(SystemNumberEdit);
    // Only "Lagre", "Avbryt" and "Ny post": no stepping.
    Forrigepost1->setVisible(false);
    Nestepost1->setVisible(false);
    Forrigepost1->setEnabled(false);
    Nestepost1->setEnabled(false);
}

void TSubProjectDataForm::CompanyButtonClick()
{
    ShowOwnRow(this, QStringLiteral("systemcompany"), LocateCompany, QStringLiteral("Prosjektdelen har ikke noe firma"),
               WindowName<TCompanyDataForm>());
}

void TSubProjectDataForm::ContactButtonClick()
{
    ShowOwnRow(this, QStringLiteral("systemcontact"), LocateContact,
               QStringLiteral("Prosjektdelen har ikke noen kontaktperson"), WindowName<TContactDataForm>());
}

void TSubProjectDataForm::IdEditChange()
{
    Dataset& projects = DataModule().ProjectTable;
    setWindowTitle(projects.isOpen() && projects.recNo() >= 0
                       ? QStringLiteral("Systemer for ") + projects.asString(QStringLiteral("projectname"))
                       : QStringLiteral("Prosjektdel"));
}

void TSubProjectDataForm::FormShow()
{
    TDataForm::FormShow();
    IdEditChange();
}
