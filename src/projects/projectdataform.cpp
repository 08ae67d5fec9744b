#include "projects/projectdataform.h"

#include "assets/assetdataform.h"
#include "crm/personsselectform.h"
#include "core/dialogs.h"
#include "data/datamodule.h"
#include "projects/projectlistform.h"
#include "projects/projectrules.h"
#include "ui/listform.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

namespace {
bool editing(const Dataset& ds) { return ds.state() == Dataset::Edit || ds.state() == Dataset::Insert; }

}  // namespace

TDBLookupComboBox* ProjectLookupCombo(Dataset* ds, const QString& field, const QString& table, const QString& text)
{
    Connection* conn = &DataModule().MyConnection;
    auto* c = new TDBLookupComboBox;
    c->setListQuery(conn, QStringLiteral("SELECT id, %1 FROM %2 ORDER BY %1").arg(text, table));
    c->setLazy([conn, table, text](qint64 id) {
        return conn->scalar(QStringLiteral("SELECT %1 FROM %2 WHERE id=%3").arg(text, table).arg(id));
    });
    c->setField(ds, field);
    return c;
}

bool LocateCompany(qint64 id)
{
    if (id <= 0) return false;
    TDatabaseModule& dm = DataModule();
    Dataset& companies = dm.CompanyTable;
    if (companies.isOpen() && companies.locate(QStringLiteral("id"), id)) return true;
    companies.setFilter(QString());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool opened = dm.TableOpen(companies, true, false);
    QApplication::restoreOverrideCursor();
    return opened && companies.locate(QStringLiteral("id"), id);
}

bool LocateContact(qint64 id)
{
    if (id <= 0) return false;
    TDatabaseModule& dm = DataModule();
    Dataset& contacts = dm.ContactQuery;
    if (contacts.isOpen() && contacts.locate(QStringLiteral("id"), id)) return true;
    Contact_WHERE.clear();
    Contact_AND.clear();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    dm.ContactSQLSelect();
    QApplication::restoreOverrideCursor();
    return contacts.isOpen() && contacts.locate(QStringLiteral("id"), id);
}

void ShowOwnRow(QWidget* form, const QString& field, bool (*locate)(qint64), const QString& missing,
                const QString& windowClass)
{
    CommitDataControls(form);
    auto* data = qobject_cast<TDataForm*>(form);
    Dataset* ds = data ? data->dataset() : nullptr;
    if (!ds || !ds->isOpen() || ds->recNo() < 0) return;
    if (!locate(ds->asInt(field))) {
        CurrentDialogs()->ShowMessage(missing, QStringLiteral("Feil"));
        return;
    }
    Windows().show(windowClass);
}

TProjectDataForm::TProjectDataForm(QWidget* parent) : TDataForm(parent)
{
    setObjectName(QStringLiteral("ProjectDataForm"));
    setWindowTitle(QStringLiteral("Prosjektdata"));
    placementKey = QStringLiteral("ProjectDataForm");
    captionPrefix = QStringLiteral("Prosjektdata [");
    onlyPosition = true;
    Dataset* ds = &DataModule().ProjectTable;

    ProjectNumberEdit = new TDBEdit(ds, QStringLiteral("projectnumber"));
    {
        QFont f = ProjectNumberEdit->font();
        f.setBold(true);
        ProjectNumberEdit->setFont(f);
    }
    ProjectNameEdit = new TDBEdit(ds, QStringLiteral("projectname"));
    ResponsibleCombo = ProjectLookupCombo(ds, QStringLiteral("internalcontact"), QStringLiteral("users"), QStringLiteral("initials"));
    CompanyCombo = ProjectLookupCombo(ds, QStringLiteral("projectcompany"), QStringLiteral("company"), QStringLiteral("companyname"));
    ContactCombo = ProjectLookupCombo(ds, QStringLiteral("projectcontact"), QStringLiteral("contact"), QStringLiteral("realname"));
    CompanyButton = smallButton(QStringLiteral("..."), QStringLiteral("Vis firmaet"), [this] { CompanyButtonClick(); });
    ContactButton = smallButton(QStringLiteral("..."), QStringLiteral("Vis kontaktpersonen"), [this] { ContactButtonClick(); });
    DepartmentEdit = new TDBEdit(ds, QStringLiteral("department"));
    addFieldPanel({{QStringLiteral("Prosjektnummer:"), ProjectNumberEdit},
                   {QStringLiteral("Prosjektnavn:"), ProjectNameEdit},
                   {QStringLiteral("Ansvarlig:"), ResponsibleCombo},
                   {QStringLiteral("Firma:"), withButton(CompanyCombo, CompanyButton)},
                   {QStringLiteral("Kontaktperson:"), withButton(ContactCombo, ContactButton)},
                   {QStringLiteral("Avdeling:"), DepartmentEdit}});

    StatusGroup = new TDBRadioGroup(QString(), Projects::StatusCaptions(), Projects::StatusValues());
    StatusGroup->setField(ds, QStringLiteral("projectstatus"));
    SchemaEdit = new TDBEdit(ds, QStringLiteral("schemafile"));
    StartDateEdit = new TDBDateEdit(ds, QStringLiteral("startdate"));
    EndDateEdit = new TDBDateEdit(ds, QStringLiteral("enddate"));
    for (TDBDateEdit* d : {StartDateEdit, EndDateEdit}) {
        d->setDateOnly(true);
        d->setFixedWidth(130);
        d->setToolTip(QStringLiteral("Dobbeltklikk for å velge dato"));
        d->installEventFilter(this);
        for (QLineEdit* inner : d->findChildren<QLineEdit*>()) inner->installEventFilter(this);
    }
    NoteMemo = new TDBMemo(ds, QStringLiteral("object_text"));
    NoteMemo->setFixedHeight(60);
    PersonsEdit = new TDBEdit(ds, QStringLiteral("persons"));
    PersonsEdit->setToolTip(QStringLiteral("Dobbeltklikk for å velge personer"));
    PersonsEdit->installEventFilter(this);
    addFieldPanel({{QStringLiteral("Status:"), StatusGroup},
                   {QStringLiteral("Skjema:"), SchemaEdit},
                   {QStringLiteral("Startdato:"), StartDateEdit},
                   {QStringLiteral("Sluttdato:"), EndDateEdit},
                   {QStringLiteral("Notat:"), NoteMemo},
                   {QStringLiteral("Personer:"), PersonsEdit}});

    AdminAddressMemo = new TDBMemo(ds, QStringLiteral("adminaddress"));
    LocationMemo = new TDBMemo(ds, QStringLiteral("projectlocation"));
    for (TDBMemo* m : {AdminAddressMemo, LocationMemo}) m->setFixedHeight(70);
    addFieldPanel({{QStringLiteral("Administrasjonsadresse:"), AdminAddressMemo},
                   {QStringLiteral("Prosjektadresse:"), LocationMemo}});
    setDataset(ds);
    setClientWidth(480);
    setFocusProxy(ProjectNumberEdit);

    PopupMenu1->addSeparator();
    Prosjektsystemer1 = addMenuItem(QStringLiteral("Prosjektsystemer"), [] { Windows().show<TSubProjectListForm>(); });
    Dokumenter1 = addMenuItem(QStringLiteral("Dokumenter"), [this] {
        ProjectJumps::Documents(QStringLiteral("document.projectid="), currentProject());
    });
    Timeregistreringer1 = addMenuItem(QStringLiteral("Timeregistreringer"), [this] {
        if (const qint64 id = currentProject(); id > 0)
            ProjectJumps::Filtered(DataModule().CalendarTable, QStringLiteral("projectid=") + QString::number(id),
                                   QStringLiteral("TCalendarRegListForm"));
    });
    Regnskapsposteringer1 = addMenuItem(QStringLiteral("Regnskapsposteringer"), [this] {
        if (const qint64 id = currentProject(); id > 0)
            ProjectJumps::Filtered(DataModule().EntriesTable, QStringLiteral("projectid=") + QString::number(id),
                                   WindowName<TEntriesListForm>());
    });
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TProjectDataForm::updateWindowItems);
    connect(ds, &Dataset::currentChanged, this, &TProjectDataForm::updateWindowItems);
    connect(ds, &Dataset::stateChanged, this, &TProjectDataForm::updateWindowItems);
    updateWindowItems();
}

qint64 TProjectDataForm::currentProject() const
{
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || ds->recNo() < 0 || ds->state() == Dataset::Insert) return 0;
    return ds->currentId();
}

void TProjectDataForm::updateWindowItems()
{
    // The row may show before the menu and buttons are made (a window made
    // while its dataset is open).
    if (!Regnskapsposteringer1 || !CompanyButton || !ContactButton) return;
    WindowRegistry& w = Windows();
    const bool row = currentProject() > 0;
    Prosjektsystemer1->setEnabled(row && w.has<TSubProjectListForm>());
    Dokumenter1->setEnabled(row && w.has<TDocumentListForm>());
    Timeregistreringer1->setEnabled(row && w.has(QStringLiteral("TCalendarRegListForm")));
    Regnskapsposteringer1->setEnabled(row && w.has<TEntriesListForm>());
    Dataset* ds = dataset();
    const bool any = ds && ds->isOpen() && ds->recNo() >= 0;
    CompanyButton->setEnabled(any && w.has<TCompanyDataForm>());
    ContactButton->setEnabled(any && w.has<TContactDataForm>());
}

void TProjectDataForm::CompanyButtonClick()
{
    // Without a company of its own the window would show somebody else's.
    ShowOwnRow(this, QStringLiteral("projectcompany"), LocateCompany, QStringLiteral("Prosjektet har ikke noe firma"),
               WindowName<TCompanyDataForm>());
}

void TProjectDataForm::ContactButtonClick()
{
    ShowOwnRow(this, QStringLiteral("projectcontact"), LocateContact,
               QStringLiteral("Prosjektet har ikke noen kontaktperson"), WindowName<TContactDataForm>());
}

bool TProjectDataForm::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonDblClick) {
        auto within = [o](QWidget* w) { return o == w || o->parent() == w; };
        if (within(StartDateEdit)) return ChooseDate(QStringLiteral("startdate")), true;
        if (within(EndDateEdit)) return ChooseDate(QStringLiteral("enddate")), true;
        if (o == PersonsEdit) return ChoosePersons(), true;
    }
    return TDataForm::eventFilter(o, e);
}

void TProjectDataForm::ChooseDate(const QString& field)
{
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || ds->recNo() < 0 || !TAssetDataForm::SelectDate) return;
    const QDateTime stored = ds->isNull(field) ? QDateTime() : ds->asDateTime(field);
    const QDateTime chosen = TAssetDataForm::SelectDate(stored.isValid() ? stored : QDateTime(QDate::currentDate(), QTime(0, 0)));
    if (!chosen.isValid()) return;
    if (!editing(*ds) && !ds->edit()) return;
    ds->setValue(field, QDateTime(chosen.date(), QTime(0, 0)));
}

void TProjectDataForm::ChoosePersons()
{
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || ds->recNo() < 0) return;
    PersonsEdit->commit();
    SelectPersons(*ds);
}

void TProjectDataForm::IdEditChange()
{
    TDataForm::IdEditChange();
    // The part list names the project whose parts it shows.
    Dataset* ds = dataset();
    if (QWidget* parts = Windows().find(WindowName<TSubProjectListForm>()); parts && ds && ds->isOpen() && ds->recNo() >= 0)
        parts->setWindowTitle(ds->asString(QStringLiteral("projectnumber")) + QLatin1Char(' ') +
                              ds->asString(QStringLiteral("projectname")));
    updateWindowItems();
}

void TProjectDataForm::FormShow()
{
    if (Dataset* ds = dataset(); ds && !ds->isOpen()) DataModule().TableOpen(*ds);
    TDataForm::FormShow();
    updateWindowItems();
}
