#include "crm/companylistform.h"

#include "crm/companydataform.h"
#include "data/datamodule.h"
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
    setRecordWindow(QStringLiteral("TCompanyDataForm"));

    Kunder1 = addFixedFilter(QStringLiteral("Kunder"), QStringLiteral("customer=1"));
    Leverandorer1 = addFixedFilter(QStringLiteral("Leverandører"), QStringLiteral("vendor=1"));
    Utstyrleverandorer1 = addFixedFilter(QStringLiteral("Utstyrleverandører"), QStringLiteral("equipvendor=1"));
    Partner1 = addFixedFilter(QStringLiteral("Avtale eller partner"), QStringLiteral("partner=1"));
    Svartelistet1 = addFixedFilter(QStringLiteral("Svartelistet"), QStringLiteral("blacklisted=1"));

    VisTilhorende1 = addSubMenu(QStringLiteral("Vis tilhørende"));
    Kontakter1 = addWindowItem(VisTilhorende1, QStringLiteral("Kontakter"), QStringLiteral("TContactListForm"),
                               [this] { Kontakter1Click(); });
    Dokumenter1 = addWindowItem(VisTilhorende1, QStringLiteral("Dokumenter"), QStringLiteral("TDocumentListForm"),
                                [this] { Dokumenter1Click(); });
    Timeregistreringer1 = addWindowItem(VisTilhorende1, QStringLiteral("Timeregistreringer"),
                                        QStringLiteral("TCalendarListForm"), [this] { Timeregistreringer1Click(); });
    Varetransaksjoner1 = addWindowItem(VisTilhorende1, QStringLiteral("Varetransaksjoner"),
                                       QStringLiteral("TItemsListForm"), [this] { Varetransaksjoner1Click(); });
    Tilbud1 = addWindowItem(VisTilhorende1, QStringLiteral("Tilbud"), QStringLiteral("TOfferListForm"), [this] {
        ShowFiltered(DataModule().OfferTable, "companyid=" + QString::number(currentCompany()),
                     QStringLiteral("TOfferListForm"));
    });
    Ordrer1 = addWindowItem(VisTilhorende1, QStringLiteral("Ordrer"), QStringLiteral("TOrderListForm"), [this] {
        ShowFiltered(DataModule().OrderTable, "companyid=" + QString::number(currentCompany()),
                     QStringLiteral("TOrderListForm"));
    });
    Innkjop1 = addWindowItem(VisTilhorende1, QStringLiteral("Innkjøp"), QStringLiteral("TPOListForm"), [this] {
        ShowFiltered(DataModule().POTable, "companyid=" + QString::number(currentCompany()),
                     QStringLiteral("TPOListForm"));
    });
    Fakturaer1 = addWindowItem(VisTilhorende1, QStringLiteral("Fakturaer"), QStringLiteral("TInvoiceListForm"), [this] {
        ShowFiltered(DataModule().InvoiceTable, "companyid=" + QString::number(currentCompany()),
                     QStringLiteral("TInvoiceListForm"));
    });

    Avansert1 = addSubMenu(QStringLiteral("Avansert"));
    FormaterFirmaer1 = addWindowItem(Avansert1, QStringLiteral("Formatér firmaer"), QStringLiteral("TCompanyFormatForm"),
                                     [] { Windows().show(QStringLiteral("TCompanyFormatForm")); });
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

void TCompanyListForm::Timeregistreringer1Click()
{
    ShowFiltered(DataModule().CalendarTable, "external_company=" + QString::number(currentCompany()),
                 QStringLiteral("TCalendarListForm"));
}

void TCompanyListForm::Varetransaksjoner1Click()
{
    Items_WHERE = "customerid=" + QString::number(currentCompany());
    DataModule().ItemsSQLSelect();
    Windows().show(QStringLiteral("TItemsListForm"));
}

void TCompanyListForm::changeEvent(QEvent* e)
{
    // The drag-and-drop tool follows the active list.
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        if (QWidget* tool = Windows().find(QStringLiteral("TDataToolForm")))
            QMetaObject::invokeMethod(tool, "SetTable", Q_ARG(int, 101));
    TListForm::changeEvent(e);
}
