#include "sales/itemslistform.h"

#include "data/datamodule.h"
#include "sales/documentdataform.h"
#include "ui/windowregistry.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>

TItemsListForm::TItemsListForm(QWidget* parent) : TListForm(parent)
{
    setObjectName(QStringLiteral("ItemsListForm"));
    setWindowTitle(QStringLiteral("Varetransaksjoner"));
    placementKey = QStringLiteral("ItemsListForm");
    resize(1030, 480);
    TDatabaseModule& dm = DataModule();
    dm.ItemsQuery.setDisplayFormat("date", "dd.MM.yyyy");
    setDataset(&dm.ItemsQuery, {{"date", "Dato", 80},
                                {"productcode", "Varenr.", 90},
                                {"producttext", "Varetekst", 190},
                                {"itemcount", "Antall", 60},
                                {"itemdelivered", "Levert", 60},
                                {"itemremain", "Rest", 60},
                                {"piece", "Enhet", 45},
                                {"offernumber", "Tilbud", 60},
                                {"ordernumber", "Ordre", 60},
                                {"ponumber", "Innkjøp", 60},
                                {"invoicenumber", "Faktura", 60},
                                {"price", "Pris", 80},
                                {"projectnumber", "Prosjektnr.", 80}});
    setSearchFields({"producttext", "productcode", "customerorder", "EAN"});
    // No fixed filters in this list: only the search and "Vis alle".
    disconnect(Grid->horizontalHeader(), &QHeaderView::sectionClicked, nullptr, nullptr);
    connect(Grid->horizontalHeader(), &QHeaderView::sectionClicked, this, &TItemsListForm::ItemsTitleClick);
    disconnect(Grid, &DataGrid::rowDoubleClicked, nullptr, nullptr);
    connect(Grid, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& i) { if (i.isValid()) OpenDocument(i.row(), i.column()); });
}

void TItemsListForm::OpenData()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    DataModule().ItemsSQLSelect();
    QApplication::restoreOverrideCursor();
}

void TItemsListForm::Oppdater1Click() { OpenData(); }

void TItemsListForm::Ny1Click()
{
    Dataset& items = DataModule().ItemsQuery;
    if (items.isOpen()) items.insert();
}

QString TItemsListForm::ItemsSearch(const QString& text) const
{
    TDatabaseModule& dm = DataModule();
    const QString quoted = dm.MyConnection.quote(text);
    if (!dm.MyConnection.scalar("SELECT 1 FROM product WHERE productcode=" + quoted + " LIMIT 1").isEmpty())
        return "productcode=" + quoted;
    return SearchCondition(text);
}

void TItemsListForm::Sketter1Click()
{
    QString text;
    AskInputStr(QStringLiteral("Søk etter:"), text);
    if (!text.isEmpty()) Items_WHERE = ItemsSearch(text);
    OpenData();
}

void TItemsListForm::Alle1Click()
{
    Items_WHERE.clear();
    OpenData();
}

void TItemsListForm::ItemsTitleClick(int column)
{
    Dataset& items = DataModule().ItemsQuery;
    if (!Grid->gridModel() || !items.isOpen()) return;
    const int f = Grid->gridModel()->fieldOfColumn(column);
    if (f < 0) return;
    static const QHash<QString, QString> ids = {{"ordernumber", "orderid"},
                                                {"ponumber", "poid"},
                                                {"offernumber", "offerid"},
                                                {"invoicenumber", "invoiceid"},
                                                {"projectnumber", "projectid"}};
    const QString field = items.fieldName(f);
    Items_ORDER = ids.value(field, field);
    OpenData();
}

void TItemsListForm::OpenDocument(int row, int column)
{
    TDatabaseModule& dm = DataModule();
    Dataset& items = dm.ItemsQuery;
    if (!Grid->gridModel()) return;
    const int f = Grid->gridModel()->fieldOfColumn(column);
    if (f < 0 || items.displayText(row, f).isEmpty()) return;
    struct Target {
        const char* column;
        const char* key;
        Dataset* ds;
        DocKind kind;
    };
    const Target targets[] = {{"ponumber", "poid", &dm.POTable, DocKind::PO},
                              {"offernumber", "offerid", &dm.OfferTable, DocKind::Offer},
                              {"ordernumber", "orderid", &dm.OrderTable, DocKind::Order},
                              {"invoicenumber", "invoiceid", &dm.InvoiceTable, DocKind::Invoice}};
    const QString field = items.fieldName(f);
    for (const Target& t : targets) {
        if (field != QLatin1String(t.column)) continue;
        const qint64 id = items.rowValue(row, items.fieldIndex(t.key)).toLongLong();
        if (id <= 0) return;
        const QString keepWhere = Items_WHERE;
        t.ds->setFilter("id=" + QString::number(id));
        dm.TableOpen(*t.ds, true, false);
        QWidget* w = Windows().find(DocumentWindowClass(t.kind));
        if (!w) return;
        // Shown modally: the list waits, then shows its own lines again.
        w->setWindowModality(Qt::ApplicationModal);
        w->show();
        while (w->isVisible()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        w->setWindowModality(Qt::NonModal);
        Items_WHERE = keepWhere;
        OpenData();
        return;
    }
}
