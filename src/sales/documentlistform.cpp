#include "sales/documentlistform.h"

#include "core/login.h"
#include "core/norsk.h"
#include "data/datamodule.h"
#include "print/printunit.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QMenu>

QString TDocumentListForm::NumberOrder()
{
    // Document numbers are texts; as numbers they sort the way they were
    // given out. Texts that are not numbers come first, then by id.
    return QStringLiteral("CAST(ordernumber AS UNSIGNED),id");
}

TDocumentListForm::TDocumentListForm(DocKind kind, QWidget* parent) : TListForm(parent), kind_(kind)
{
    TDatabaseModule& dm = DataModule();
    gotoLastOnShow = true;
    postNewRows = true;
    resize(900, 480);
    Dataset* ds = nullptr;
    QString numberTitle, sumTitle, sumField = QStringLiteral("ordertotal");
    switch (kind) {
    case DocKind::Order:
        ds = &dm.OrderTable;
        setObjectName(QStringLiteral("OrderListForm"));
        setWindowTitle(QStringLiteral("Ordre"));
        numberTitle = QStringLiteral("Ordrenr.");
        sumTitle = QStringLiteral("Ordresum");
        break;
    case DocKind::Offer:
        ds = &dm.OfferTable;
        setObjectName(QStringLiteral("OfferListForm"));
        setWindowTitle(QStringLiteral("Tilbud"));
        numberTitle = QStringLiteral("Tilbudnr.");
        sumTitle = QStringLiteral("Tilbudsum");
        break;
    case DocKind::Invoice:
        ds = &dm.InvoiceTable;
        setObjectName(QStringLiteral("InvoiceListForm"));
        setWindowTitle(QStringLiteral("Fakturaer"));
        numberTitle = QStringLiteral("Fakturanr.");
        sumTitle = QStringLiteral("Fakturasum");
        break;
    case DocKind::PO:
        ds = &dm.POTable;
        setObjectName(QStringLiteral("POListForm"));
        setWindowTitle(QStringLiteral("Innkjøp"));
        numberTitle = QStringLiteral("Best.nr.");
        sumTitle = QStringLiteral("Sum");
        sumField = QStringLiteral("ordercost");
        break;
    }
    placementKey = objectName();
    ds->setOrder(NumberOrder());
    std::vector<GridColumn> columns = {{"ordernumber", numberTitle, 85},
                                       {"orderdate", "Dato", 80},
                                       {"companyname", "Navn", 250},
                                       {"status", "Status", 100},
                                       {sumField, sumTitle, 90},
                                       {"subject", "Tekst", 300}};
    if (kind == DocKind::PO) {
        columns[5].width = 200;
        columns.push_back({"contact_int", "Vår kontakt", 120});
        columns.push_back({"contact_ex", "Deres kontakt", 120});
    }
    setDataset(ds, columns);
    Grid->setSortKeys({{"companyname", "companyid"},
                       {"ordernumber", NumberOrder()},
                       {"contact_int", "userid"},
                       {"contact_ex", "external_contact"}});
    setSearchFields({"ordernumber", "subject"});
    setRecordWindow(DocumentWindowClass(kind));

    switch (kind) {
    case DocKind::Order:
        for (const char* s : {"Ikke startet", "Pågående", "Utsatt", "Ferdig"})
            addFixedFilter(QString::fromUtf8(s), QStringLiteral("status='%1'").arg(QString::fromUtf8(s)));
        addFixedFilter(QStringLiteral("Ikke ferdig"), QStringLiteral("status<>'Ferdig'"));
        CompanyFilter1 = addFixedFilter(QStringLiteral("Denne leverandøren"), QString());
        Grid->setRowColor([](const Dataset& d, int row) {
            return d.rowValue(row, d.fieldIndex("status")).toString() == QLatin1String("Ferdig") ? QColor(0x80, 0x80, 0x80)
                                                                                                 : QColor();
        });
        break;
    case DocKind::Offer:
        for (const char* s : {"Ikke utsendt", "Utsendt", "Tilsagn", "Avslått"})
            addFixedFilter(QString::fromUtf8(s), QStringLiteral("status='%1'").arg(QString::fromUtf8(s)));
        CompanyFilter1 = addFixedFilter(QStringLiteral("Denne kunden"), QString());
        Grid->setRowColor([](const Dataset& d, int row) {
            return d.rowValue(row, d.fieldIndex("status")).toString() == QStringLiteral("Avslått") ? QColor(0x80, 0, 0x80)
                                                                                                   : QColor();
        });
        break;
    case DocKind::Invoice:
        for (const char* s : {"Ikke fakturert", "Fakturert", "Forfalt", "Purring", "Betalt", "Feil"})
            addFixedFilter(QString::fromUtf8(s), QStringLiteral("status='%1'").arg(QString::fromUtf8(s)));
        CompanyFilter1 = addFixedFilter(QStringLiteral("Denne leverandøren"), QString());
        break;
    case DocKind::PO: {
        addFixedFilter(QStringLiteral("Ikke bestilt"), QStringLiteral("status='Ikke bestilt'"));
        addFixedFilter(QStringLiteral("Ikke levert"), QStringLiteral("status='Bestilt' OR status='Ordrebekreftet'"));
        QAction* mine = addFixedFilter(QStringLiteral("Mine ikke levert"), QString());
        disconnect(mine, &QAction::triggered, nullptr, nullptr);
        connect(mine, &QAction::triggered, this, [this] {
            ApplyFilter("(status='Bestilt' OR status='Ordrebekreftet') and userid=" + QString::number(MyLoginID));
        });
        addFixedFilter(QStringLiteral("Levert"), QStringLiteral("status='Alt mottatt'"));
        CompanyFilter1 = addFixedFilter(QStringLiteral("Denne leverandøren"), QString());
        break;
    }
    }
    // The company item takes its company when chosen, not when made.
    disconnect(CompanyFilter1, &QAction::triggered, nullptr, nullptr);
    connect(CompanyFilter1, &QAction::triggered, this, &TDocumentListForm::CompanyFilter1Click);

    if (kind == DocKind::Order || kind == DocKind::Invoice) enablePrint([this] { PrintList(); });

    connect(PopupMenu1, &QMenu::aboutToShow, this, &TDocumentListForm::PopupMenu1Popup);
    connect(ds, &Dataset::currentChanged, this, &TDocumentListForm::UpdateCompanyItem);
    connect(ds, &Dataset::rowsReset, this, &TDocumentListForm::UpdateCompanyItem);
    UpdateCompanyItem();
}

void TDocumentListForm::PopupMenu1Popup() { UpdateCompanyItem(); }

void TDocumentListForm::Sketter1Click()
{
    QStringList fields{QStringLiteral("ordernumber"), QStringLiteral("subject")};
    Dataset* ds = dataset();
    if (kind_ == DocKind::Invoice && ReadKidSettings().on && ds && ds->isOpen() && ds->hasField(QStringLiteral("kid")))
        fields << QStringLiteral("kid");
    setSearchFields(fields);
    TListForm::Sketter1Click();
}

void TDocumentListForm::UpdateCompanyItem()
{
    Dataset* ds = dataset();
    const bool hasRow = ds && ds->isOpen() && !ds->isEmpty() && ds->recNo() >= 0;
    const qint64 company = hasRow ? ds->asInt("companyid") : 0;
    CompanyFilter1->setEnabled(company > 0);
    if (kind_ == DocKind::Order || kind_ == DocKind::Invoice) {
        const QString name = hasRow ? ds->asString("companyname") : QString();
        CompanyFilter1->setText(name.isEmpty() ? QStringLiteral("Denne leverandøren") : name);
    }
}

void TDocumentListForm::CompanyFilter1Click()
{
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || ds->isEmpty() || ds->recNo() < 0) return;
    const qint64 company = ds->asInt("companyid");
    if (company <= 0) return;
    ApplyFilter("companyid=" + QString::number(company));
}

bool TDocumentListForm::PrintList()
{
    TDatabaseModule& dm = DataModule();
    if (kind_ == DocKind::Order) {
        PrintPreView = OrderListPrint(dm);
        return LPTPrint(QStringLiteral("Ordreliste"));
    }
    PrintPreView = InvoiceListPrint(dm);
    return LPTPrint(QStringLiteral("Fakturaliste"));
}

TOrderListForm::TOrderListForm(QWidget* parent) : TDocumentListForm(DocKind::Order, parent) {}
TOfferListForm::TOfferListForm(QWidget* parent) : TDocumentListForm(DocKind::Offer, parent) {}
TInvoiceListForm::TInvoiceListForm(QWidget* parent) : TDocumentListForm(DocKind::Invoice, parent) {}
TPOListForm::TPOListForm(QWidget* parent) : TDocumentListForm(DocKind::PO, parent) {}
