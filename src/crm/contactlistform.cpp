#include "crm/contactlistform.h"

#include "crm/contactdataform.h"
#include "data/datamodule.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QMenu>

TContactListForm::TContactListForm(QWidget* parent) : TListForm(parent)
{
    setObjectName(QStringLiteral("ContactListForm"));
    setWindowTitle(QStringLiteral("Kontaktliste"));
    placementKey = QStringLiteral("ContactListForm");
    resize(1100, 480);
    TDatabaseModule& dm = DataModule();
    setDataset(&dm.ContactQuery, {{"realname", "Navn", 200},
                                  {"mobilephone", "Mobiltelefon", 110},
                                  {"internalphone", "Direktetelefon", 115},
                                  {"homephone", "Hjemmetelefon", 115},
                                  {"email", "Epost", 250},
                                  {"companyname", "Firma", 300}});
    setSearchFields({"realname", "department", "contact.homepage", "contact.city", "contact.object_text", "contact.email"});
    setRecordWindow<TContactDataForm>();

    TilknyttetFirma1 = new QAction(QStringLiteral("Tilknyttet et firma"), this);
    IkkeTilknyttet1 = new QAction(QStringLiteral("Ikke tilknyttet et firma"), this);
    Filter1->insertAction(Alle1, TilknyttetFirma1);
    Filter1->insertAction(Alle1, IkkeTilknyttet1);
    connect(TilknyttetFirma1, &QAction::triggered, this, [this] { SelectWhere(QStringLiteral("contact.companyid<>0")); });
    connect(IkkeTilknyttet1, &QAction::triggered, this, [this] { SelectWhere(QStringLiteral("contact.companyid=0")); });

    Dokumenter1 = addWindowItem<TDocumentListForm>(jumpMenu(), QStringLiteral("Dokumenter"), [this] {
        ShowDocuments(QStringLiteral("document.userid="), DataModule().ContactQuery.currentId());
    });
    Avansert1 = addSubMenu(QStringLiteral("Avansert"));
    EksporterImporter1 = addWindowItem<TContactImportExportForm>(Avansert1, QStringLiteral("Eksporter / Importer"),
                                                                 [] { Windows().show<TContactImportExportForm>(); });
    FormaterKontakter1 = addWindowItem<TContactFormatForm>(Avansert1, QStringLiteral("Formatér kontakter"),
                                                           [] { Windows().show<TContactFormatForm>(); });
    Tilknytt1 = PopupMenu1->addAction(QStringLiteral("Tilknytt til firma"), this, [this] { Tilknytt1Click(); });
    connect(PopupMenu1, &QMenu::aboutToShow, this, [this] { UpdateTilknyttCaption(); });

    // A click on a column title orders the query by that column.
    Grid->horizontalHeader()->setSectionsClickable(true);
    Grid->setSortingEnabled(false);
    connect(Grid->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        static const QStringList fields = {"realname", "mobilephone", "internalphone", "homephone", "contact.email", "companyname"};
        if (section < 0 || section >= fields.size()) return;
        Contact_ORDER = fields[section];
        QApplication::setOverrideCursor(Qt::WaitCursor);
        DataModule().ContactSQLSelect();
        QApplication::restoreOverrideCursor();
    });
}

void TContactListForm::UpdateTilknyttCaption()
{
    Dataset& companies = DataModule().CompanyTable;
    const bool any = companies.isOpen() && !companies.isEmpty();
    Tilknytt1->setText(QStringLiteral("Tilknytt til ") + (any ? companies.asString(QStringLiteral("companyname")) : QString()));
    Tilknytt1->setEnabled(any && DataModule().ContactQuery.isOpen() && !DataModule().ContactQuery.isEmpty());
}

void TContactListForm::SelectWhere(const QString& condition)
{
    Contact_WHERE = condition;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    DataModule().ContactSQLSelect();
    QApplication::restoreOverrideCursor();
}

void TContactListForm::OpenData() { DataModule().ContactSQLSelect(); }

void TContactListForm::Alle1Click() { SelectWhere(QString()); }

void TContactListForm::Sketter1Click()
{
    QString text;
    AskInputStr(QStringLiteral("Søk etter:"), text);
    if (text.isEmpty()) return;
    SelectWhere(SearchCondition(text));
}

void TContactListForm::Tilknytt1Click()
{
    TDatabaseModule& dm = DataModule();
    Dataset& companies = dm.CompanyTable;
    Dataset& contacts = dm.ContactQuery;
    if (!companies.isOpen() || companies.isEmpty() || !contacts.isOpen() || contacts.isEmpty()) return;
    if (contacts.state() == Dataset::Browse && !contacts.edit()) return;
    contacts.setValue(QStringLiteral("companyid"), companies.currentId());
    if (!contacts.post()) return;
    const qint64 id = contacts.currentId();
    dm.ContactSQLSelect();
    contacts.locate(QStringLiteral("id"), id);
}
