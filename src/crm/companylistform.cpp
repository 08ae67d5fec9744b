#include "crm/companylistform.h"

#include "crm/companydataform.h"
#include "data/datamodule.h"
#include "ui/datadrop.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QEvent>
#include <QMenu>

TCompanyListForm::TCompanyListForm(QWidget* parent) : TListForm(parent)
{
    setObjectName(QStringLiteral("CompanyListForm"));
    setWindowTitle(QStringLiteral("Firmaer"));
    placementKey = QStringLiteral("CompanyListForm");
    resize(1080, 480);

    TDatabaseModule& dm = DataModule();
    setDataset(&dm.CompanyTable, {{"companyname", "Firmanavn", 250},
                                  {"phone", "Telefon", 100},
                                  {"telefax", "Telefax", 100},
                                  {"email", "Epost", 150},
                                  {"homepage", "Hjemmeside", 200},
                                  {"orgnumber", "org. nr.", 0},
                                  {"postalcode", "Postnr.", 45},
                                  {"city", "Poststed", 200}});
    Grid->setRowColor(&TCompanyListForm::CompanyRowColor);
    setSearchFields({"companyname", "postaladdress", "streetaddress", "city", "object_text", "postalcode"});
    setRecordWindow<TCompanyDataForm>();

    Kunder1 = addFixedFilter(QStringLiteral("Kunder"), QStringLiteral("customer=1"));
    Leverandorer1 = addFixedFilter(QStringLiteral("Leverandører"), QStringLiteral("vendor=1"));
    Utstyrleverandorer1 = addFixedFilter(QStringLiteral("Utstyrleverandører"), QStringLiteral("equipvendor=1"));
    Partner1 = addFixedFilter(QStringLiteral("Avtale eller partner"), QStringLiteral("partner=1"));
    Svartelistet1 = addFixedFilter(QStringLiteral("Svartelistet"), QStringLiteral("blacklisted=1"));

    // "Vis tilhørende": the lists of what belongs to the current company.
    Kontakter1 = addWindowItem<TContactListForm>(jumpMenu(), QStringLiteral("Kontakter"), [this] { Kontakter1Click(); });
    Dokumenter1 =
        addWindowItem<TDocumentListForm>(jumpMenu(), QStringLiteral("Dokumenter"), [this] { Dokumenter1Click(); });
    Timeregistreringer1 =
        addJump<TCalendarListForm>(QStringLiteral("Timeregistreringer"), dm.CalendarTable, "external_company");
    Varetransaksjoner1 = addWindowItem<TItemsListForm>(jumpMenu(), QStringLiteral("Varetransaksjoner"),
                                                       [this] { Varetransaksjoner1Click(); });
    Tilbud1 = addJump<TOfferListForm>(QStringLiteral("Tilbud"), dm.OfferTable, "companyid");
    Ordrer1 = addJump<TOrderListForm>(QStringLiteral("Ordrer"), dm.OrderTable, "companyid");
    Innkjop1 = addJump<TPOListForm>(QStringLiteral("Innkjøp"), dm.POTable, "companyid");
    Fakturaer1 = addJump<TInvoiceListForm>(QStringLiteral("Fakturaer"), dm.InvoiceTable, "companyid");

    Avansert1 = addSubMenu(QStringLiteral("Avansert"));
    FormaterFirmaer1 = addWindowItem<TCompanyFormatForm>(Avansert1, QStringLiteral("Formatér firmaer"),
                                                         [] { Windows().show<TCompanyFormatForm>(); });

    // The data tool's icons: sort or filter by the column under the drop,
    // search for the tool's text, or remove the filter.
    InstallListDrops(this);
}

QColor TCompanyListForm::CompanyRowColor(const Dataset& ds, int row)
{
    auto flag = [&ds, row](const char* field) { return ds.rowValue(row, ds.fieldIndex(field)).toLongLong() == 1; };
    QColor c;
    if (flag("partner")) c = QColor(0x00, 0x80, 0x00);
    if (flag("equipvendor")) c = QColor(0x00, 0x00, 0xFF);
    if (flag("blacklisted")) c = QColor(0xFF, 0x00, 0x00);
    return c;
}

qint64 TCompanyListForm::currentCompany() const { return dataset() ? dataset()->currentId() : 0; }

void TCompanyListForm::Kontakter1Click()
{
    // The record window owns the jump, so both windows do the same.
    if (auto* f = Windows().get<TCompanyDataForm>()) f->Kontakter1Click();
}

void TCompanyListForm::Dokumenter1Click()
{
    ShowDocuments(QStringLiteral("document.companyid="), currentCompany());
}

void TCompanyListForm::Timeregistreringer1Click() { Timeregistreringer1->trigger(); }

void TCompanyListForm::Varetransaksjoner1Click()
{
    Items_WHERE = "customerid=" + QString::number(currentCompany());
    DataModule().ItemsSQLSelect();
    Windows().show<TItemsListForm>();
}

void TCompanyListForm::changeEvent(QEvent* e)
{
    // The drag-and-drop tool follows the active list.
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        if (QWidget* tool = Windows().find(WindowName<TDataToolForm>()))
            QMetaObject::invokeMethod(tool, "SetTable", Q_ARG(int, 101));
    TListForm::changeEvent(e);
}
