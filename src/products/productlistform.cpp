#include "products/productlistform.h"

#include "core/dialogs.h"
#include "core/felles.h"
#include "core/textfil.h"
#include "crm/companyselectform.h"
#include "data/datamodule.h"
#include "data/terminal.h"
#include "data/itemcopy.h"
#include "data/ordertotals.h"
#include "data/productrules.h"
#include "products/productdataform.h"
#include "sales/itemsaddform.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

// The favourite column: a white cell with an olive square for favourites.
class FavouriteDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(p, option, index);
        const QRect cell = option.rect.adjusted(1, 1, 0, -1);
        p->fillRect(cell, Qt::white);
        if (index.data(Qt::EditRole).toLongLong() == 1 || index.data().toString() == QLatin1String("1"))
            p->fillRect(cell.adjusted(5, 4, 0, -4), QColor(0x80, 0x80, 0x00));
    }
};

bool editing(const Dataset& ds) { return ds.state() == Dataset::Edit || ds.state() == Dataset::Insert; }

QString numberOf(const char* table, int id)
{
    return DataModule().MyConnection.scalar(
        QStringLiteral("SELECT ordernumber FROM `%1` WHERE id=%2").arg(QString::fromLatin1(table)).arg(id));
}

}  // namespace

TProductListForm::TProductListForm(QWidget* parent) : TListForm(parent)
{
    setObjectName(QStringLiteral("ProductListForm"));
    setWindowTitle(QStringLiteral("Vareliste"));
    placementKey = QStringLiteral("ProductListForm");
    resize(1100, 520);

    TDatabaseModule& dm = DataModule();
    setDataset(&dm.ProductTable, {{"user_favorite", ".", 14},
                                  {"productcode", "Varenummer", 100},
                                  {"producttext", "Tekst", 250},
                                  {"instock", "Lager", 80},
                                  {"price", "Utpris", 90},
                                  {"piece", "Enhet", 50},
                                  {"real_cost", "Kostpris", 100},
                                  {"productgroup", "Varegruppe", 0},
                                  {"lastsale", "Sist UT", 125},
                                  {"lastorder", "Sist INN", 125},
                                  {"firstsale", "Først INN", 125},
                                  {"EAN", "EAN", 115},
                                  {"product_companyname", "Leverandør", 250}});
    Grid->setItemDelegateForColumn(0, new FavouriteDelegate(Grid));
    Grid->setSortKeys({{"product_companyname", "vendorid"}});
    setRecordWindow<TProductDataForm>();

    StatusBar1 = new QStatusBar(this);
    StatusCount = new QLabel;
    StatusAffected = new QLabel;
    StatusOrder = new QLabel;
    StatusFilter = new QLabel;
    StatusCount->setMinimumWidth(80);
    StatusAffected->setMinimumWidth(30);
    StatusOrder->setMinimumWidth(120);
    StatusBar1->addWidget(StatusCount);
    StatusBar1->addWidget(StatusAffected);
    StatusBar1->addWidget(StatusOrder);
    StatusBar1->addWidget(StatusFilter, 1);
    StatusBar1->setSizeGripEnabled(true);
    layout()->addWidget(StatusBar1);

    // Filters, before "Vis alle".
    Favoritter1 = addFixedFilter(QStringLiteral("Favoritter"), QStringLiteral("user_favorite=1"));
    FavoritterLeverandor1 = new QAction(QStringLiteral("Favoritter fra denne leverandøren"), this);
    DenneVaregruppe1 = new QAction(QStringLiteral("Denne varegruppe"), this);
    DenneLeverandor1 = new QAction(QStringLiteral("Denne leverandøren"), this);
    VelgLeverandor1 = new QAction(QStringLiteral("Velg leverandør ..."), this);
    QAction* before = Alle1;
    for (QAction* a : Filter1->actions())
        if (a->isSeparator()) before = a;
    for (QAction* a : {FavoritterLeverandor1, DenneVaregruppe1, DenneLeverandor1, VelgLeverandor1})
        Filter1->insertAction(before, a);
    Lagervare1 = addFixedFilter(QStringLiteral("Lagervare"), QStringLiteral("minstock>0"));
    PaLager1 = addFixedFilter(QStringLiteral("På lager"), QStringLiteral("instock>0"));
    UnderMinimum1 = addFixedFilter(QStringLiteral("Varer under minimum"), QStringLiteral("minstock>instock"));
    UnderMinimumLeverandor1 = new QAction(QStringLiteral("Varer under minimum fra leverandør"), this);
    Filter1->insertAction(before, UnderMinimumLeverandor1);
    Egenproduserte1 = addFixedFilter(QStringLiteral("Egenproduserte varer"), QStringLiteral("ownproduction=1"));
    Ukurante1 = addFixedFilter(QStringLiteral("Ukurante varer"), QStringLiteral("value>0 AND value<100"));
    connect(FavoritterLeverandor1, &QAction::triggered, this, [this] {
        filterOnRow("vendor=" + QString::number(dataset()->asInt("vendor")) + " AND user_favorite=1");
    });
    connect(DenneVaregruppe1, &QAction::triggered, this,
            [this] { filterOnRow("productgroup=" + SqlQuote(dataset()->asString("productgroup"))); });
    connect(DenneLeverandor1, &QAction::triggered, this,
            [this] { filterOnRow("vendor=" + QString::number(dataset()->asInt("vendor"))); });
    connect(VelgLeverandor1, &QAction::triggered, this, [this] { VelgLeverandor1Click(); });
    connect(UnderMinimumLeverandor1, &QAction::triggered, this, [this] {
        filterOnRow("minstock>instock AND vendor=" + QString::number(dataset()->asInt("vendor")));
    });

    // "Utskrift"
    UtskriftMeny1 = new QMenu(QStringLiteral("Utskrift"), this);
    PopupMenu1->insertMenu(Filter1->menuAction(), UtskriftMeny1);
    UtskriftLister1 = addWindowItem<TProductPrintForm>(UtskriftMeny1, QStringLiteral("Utskrift av lister"),
                                                       [] { Windows().show<TProductPrintForm>(); });
    UtskriftLister1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    UtskriftEtikett1 = addWindowItem<TProductLabelPrintForm>(UtskriftMeny1, QStringLiteral("Utskrift av etikett"),
                                                             [] { Windows().show<TProductLabelPrintForm>(); });
    UtskriftEtikett1->setShortcut(QKeySequence(Qt::Key_F8));
    addAction(UtskriftLister1);
    addAction(UtskriftEtikett1);

    // "Vis tilhørende"
    Dokumenter1 = addWindowItem<TDocumentListForm>(jumpMenu(), QStringLiteral("Dokumenter"), [this] { Dokumenter1Click(); });
    Varetransaksjoner1 = addWindowItem<TItemsListForm>(jumpMenu(), QStringLiteral("Varetransaksjoner"),
                                                       [this] { Varetransaksjoner1Click(); });

    // "Lager og prisjusteringer"
    Lager1 = addSubMenu(QStringLiteral("Lager og prisjusteringer"));
    Varelagerstatus1 = addWindowItem<TProductStatusForm>(Lager1, QStringLiteral("Varelagerstatus"),
                                                         [] { Windows().show<TProductStatusForm>(); });
    Prisjustering1 = addWindowItem<TProductPriceUpdateForm>(Lager1, QStringLiteral("Prisjustering"),
                                                            [] { Windows().show<TProductPriceUpdateForm>(); });
    ImporterPrisliste1 = addWindowItem<TProductImportForm>(Lager1, QStringLiteral("Importer prisliste"),
                                                           [] { Windows().show<TProductImportForm>(); });
    ImporterRabattliste1 = addWindowItem<TProductImportDiscountForm>(
        Lager1, QStringLiteral("Importer rabattliste"), [] { Windows().show<TProductImportDiscountForm>(); });
    Lager1->addSeparator();
    Rekalkuler1 = Lager1->addAction(QStringLiteral("Rekalkuler alle varer"), this, [] { UpdateAllProducts(DataModule()); });
    GenererEAN1 = Lager1->addAction(QStringLiteral("Generer EAN-nummer"), this, [this] { GenererEAN1Click(); });
    Lager1->addSeparator();
    TilbakeOpptelt1 = Lager1->addAction(QStringLiteral("Sett varelager tilbake til opptelt verdi"), this,
                                        [this] { StockReset(int(::StockReset::BackToCounted)); });
    SettTil01 = Lager1->addAction(QStringLiteral("Sett varelager til 0"), this,
                                  [this] { StockReset(int(::StockReset::SetToZero)); });
    SomOpptelt1 = Lager1->addAction(QStringLiteral("Sett varelager som opptelt verdi"), this,
                                    [this] { StockReset(int(::StockReset::SetAsCounted)); });
    Lager1->addSeparator();
    SkiftLager1 = Lager1->addAction(QStringLiteral("Skift til annet lager"), this, [this] { SkiftLager1Click(); });
    Standardlager1 = Lager1->addAction(QStringLiteral("Bruk standardlageret"), this, [this] { Standardlager1Click(); });
    Lager1->addSeparator();
    Trekk1 = Lager1->addAction(QStringLiteral("Trekk 1 fra lager"), this, [this] { Trekk1Click(); });
    LeggTil1 = Lager1->addAction(QStringLiteral("Legg til 1 på lager"), this, [this] { LeggTil1Click(); });

    Terminal1 = addWindowItem<TProductTerminalDialogForm>(PopupMenu1, QStringLiteral("Oppdater lager fra håndterminal"),
                                                          [] {
                                                              TerminalProgram = 0;
                                                              Windows().show<TProductTerminalDialogForm>();
                                                          });
    Terminal1->setShortcut(QKeySequence(Qt::Key_F4));
    addAction(Terminal1);
    HentSeparator1 = PopupMenu1->addSeparator();
    HentTilOrdre1 = PopupMenu1->addAction(QStringLiteral("Hent til ordre ..."), this, [this] { HentTilOrdre1Click(); });
    HentTilOrdre1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Less));
    addAction(HentTilOrdre1);
    HentAlle1 = PopupMenu1->addAction(QStringLiteral("Hent alle til bestilling"), this, [this] { HentAlle1Click(); });
    PopupMenu1->addSeparator();
    TekniskInfo1 = addWindowItem<TProductTecDataForm>(PopupMenu1, QStringLiteral("Teknisk informasjon"),
                                                      [] { Windows().show<TProductTecDataForm>(); });
    for (QAction* a : actions()) a->setShortcutContext(Qt::WindowShortcut);

    connect(PopupMenu1, &QMenu::aboutToShow, this, &TProductListForm::PopupMenu1Popup);
    InstallListDrops(this, &TProductListForm::GridDrop);
    disconnect(Grid, &DataGrid::rowDoubleClicked, this, nullptr);
    connect(Grid, &DataGrid::rowDoubleClicked, this, [this] { GridDoubleClick(); });
    connect(&dm.ProductTable, &Dataset::rowsReset, this, &TProductListForm::UpdateStatusbar);
    connect(&dm.ProductTable, &Dataset::opened, this, &TProductListForm::UpdateStatusbar);
    connect(&dm.ProductTable, &Dataset::rowRemoved, this, &TProductListForm::UpdateStatusbar);
    UpdateStatusbar();
}

void TProductListForm::UpdateStatusbar()
{
    Dataset* ds = dataset();
    if (!ds) return;
    // A first batch counts as what is read so far, so the status never
    // reads the whole register just to show a number.
    const int n = ds->isOpen() ? (ds->isComplete() ? ds->recordCount() : ds->loadedCount()) : 0;
    StatusCount->setText(QString::number(n) + (ds->isOpen() && !ds->isComplete() ? QStringLiteral("+") : QString()));
    const qint64 affected = ds->connection() ? ds->connection()->affectedRows() : -1;
    StatusAffected->setText(affected >= 0 ? QString::number(affected) : QString());
    StatusOrder->setText(ds->order());
    StatusFilter->setText(ds->filter());
    setWindowTitle(QStringLiteral("Vareliste (") + ds->tableName() + QStringLiteral(")"));
}

void TProductListForm::filterOnRow(const QString& condition)
{
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || ds->isEmpty()) return;
    ApplyFilter(condition);
    UpdateStatusbar();
}

void TProductListForm::Sketter1Click()
{
    Dataset* ds = dataset();
    if (!ds) return;
    QString text;
    AskInputStr(QStringLiteral("Søk etter:"), text);
    if (!text.isEmpty()) ApplyFilter(ProductSearchCondition(text));
    UpdateStatusbar();
}

void TProductListForm::Alle1Click()
{
    TListForm::Alle1Click();
    UpdateStatusbar();
}

QString TProductListForm::vendorName() const
{
    Dataset* ds = dataset();
    return ds && ds->isOpen() && !ds->isEmpty() ? ds->asString(QStringLiteral("product_companyname")) : QString();
}

TProductListForm::OpenDoc TProductListForm::openDocument() const
{
    OpenDoc d;
    // Each applicable step overwrites the one before: with several
    // documents open the purchase order wins, then the offer, then the order.
    if (CurrentInvoiceID) d.caption = QStringLiteral("Hent til faktura ") + numberOf("invoice", CurrentInvoiceID);
    if (CurrentOrderID) d.caption = QStringLiteral("Hent til ordre ") + numberOf("orders", CurrentOrderID);
    if (CurrentOfferID) d.caption = QStringLiteral("Hent til tilbud ") + numberOf("offer", CurrentOfferID);
    if (CurrentPOID) d.caption = QStringLiteral("Hent til bestilling ") + numberOf("po", CurrentPOID);
    d.any = CurrentInvoiceID || CurrentOrderID || CurrentOfferID || CurrentPOID;
    return d;
}

void TProductListForm::PopupMenu1Popup()
{
    TListForm::PopupMenu1Popup();
    const QString group = dataset() && dataset()->isOpen() ? dataset()->asString("productgroup") : QString();
    DenneVaregruppe1->setVisible(!group.isEmpty());
    DenneVaregruppe1->setText(QStringLiteral("Varegruppe ") + group);
    const QString vendor = vendorName();
    DenneLeverandor1->setText(QStringLiteral("Leverandør ") + vendor);
    FavoritterLeverandor1->setText(QStringLiteral("Favoritter fra ") + vendor);
    UnderMinimumLeverandor1->setText(QStringLiteral("Varer under minimum fra ") + vendor);
    const OpenDoc d = openDocument();
    HentTilOrdre1->setVisible(d.any);
    HentTilOrdre1->setText(d.caption + QStringLiteral(" ..."));
    HentAlle1->setVisible(CurrentPOID != 0);
    HentAlle1->setText(QStringLiteral("Hent alle til bestilling ") + (CurrentPOID ? numberOf("po", CurrentPOID) : QString()));
    HentSeparator1->setVisible(d.any || CurrentPOID != 0);
    VelgLeverandor1->setEnabled(Windows().has<TCompanySelectForm>());
}

void TProductListForm::VelgLeverandor1Click()
{
    if (!Windows().has<TCompanySelectForm>()) return;
    const int id = SelectCompany();
    if (id <= 0) return;
    ApplyFilter("vendor=" + QString::number(id));
    UpdateStatusbar();
}

void TProductListForm::LeggTil1Click() { ChangeStockByOne(DataModule(), 1); }
void TProductListForm::Trekk1Click() { ChangeStockByOne(DataModule(), -1); }

void TProductListForm::ToggleFavourite()
{
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || ds->isEmpty()) return;
    ds->setValue(QStringLiteral("user_favorite"), ds->asInt("user_favorite") == 1 ? 0 : 1);
    ds->post();
}

void TProductListForm::StockReset(int kind)
{
    static const char* const questions[] = {"Vil du sette varelageret som opptelt verdi?",
                                            "Vil du sette varelageret til 0?",
                                            "Vil du sette varelageret tilbake til opptelt verdi?"};
    const auto k = static_cast<::StockReset>(kind);
    if (CurrentDialogs()->AskYesNo(QString::fromUtf8(questions[kind]))) ResetStock(DataModule(), k);
    else if (dataset() && dataset()->isOpen()) dataset()->refresh();
    UpdateStatusbar();
}

void TProductListForm::SkiftLager1Click()
{
    QString name;
    AskInputStr(QStringLiteral("Varelager:"), name);
    name = name.trimmed();
    if (name.isEmpty()) return;
    TDatabaseModule& dm = DataModule();
    QString error;
    if (!IsWarehouseTable(dm.MyConnection, name, &error)) {
        LogLine(QStringLiteral("FEIL: ") + error);
        CurrentDialogs()->ShowMessage(error, QStringLiteral("Feil"));
        return;
    }
    Dataset& p = dm.ProductTable;
    if (editing(p) && !p.post()) return;
    p.close();
    p.setTableName(name);
    dm.TableOpen(p);
    UpdateStatusbar();
}

void TProductListForm::Standardlager1Click()
{
    TDatabaseModule& dm = DataModule();
    Dataset& p = dm.ProductTable;
    if (editing(p) && !p.post()) return;
    p.close();
    p.setTableName(QStringLiteral("product"));
    dm.TableOpen(p);
    UpdateStatusbar();
}

void TProductListForm::GenererEAN1Click()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    int skipped = 0;
    GenerateEAN(DataModule(), &skipped);
    QApplication::restoreOverrideCursor();
    if (skipped > 0)
        CurrentDialogs()->ShowMessage(
            QStringLiteral("%1 varer fikk ikke EAN-nummer: varenummeret er for langt.").arg(skipped),
            QStringLiteral("Generer EAN-nummer"));
}

void TProductListForm::HentTilOrdre1Click()
{
    if (!openDocument().any) return;
    TDatabaseModule& dm = DataModule();
    if (!dm.ItemsQuery.isOpen()) {
        CurrentDialogs()->ShowMessage(QStringLiteral("Åpne dokumentet først."), QStringLiteral("Feil"));
        return;
    }
    QString text;
    AskInputStr(QStringLiteral("Antall:"), text);
    if (text.trimmed().isEmpty()) return;
    double q = 0;
    if (!TryTypedToDouble(text, q)) {
        CurrentDialogs()->ShowMessage(QStringLiteral("Ugyldig antall: ") + text, QStringLiteral("Feil"));
        return;
    }
    CopyProductToItems(dm, true, q);
}

void TProductListForm::HentAlle1Click()
{
    if (!CurrentPOID) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    CopyAllForOrdering(DataModule());
    QApplication::restoreOverrideCursor();
}

void TProductListForm::Varetransaksjoner1Click()
{
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || ds->isEmpty()) return;
    Items_WHERE = QStringLiteral("productcode=") + SqlQuote(ds->asString("productcode"));
    DataModule().ItemsSQLSelect();
    Windows().show<TItemsListForm>();
}

void TProductListForm::Dokumenter1Click()
{
    if (dataset()) ShowDocuments(QStringLiteral("document.productid="), dataset()->currentId());
}

void TProductListForm::GridDoubleClick()
{
    if (AddingProduct && Windows().has<TItemsAddForm>()) {
        ItemsAddMode = 0;  // the picker adds this list's current product
        Windows().showModal(WindowName<TItemsAddForm>());
    } else {
        Rediger1Click();
    }
}

void TProductListForm::FormShow()
{
    TListForm::FormShow();
    UpdateStatusbar();
}

void TProductListForm::FormClose()
{
    TListForm::FormClose();
    AddingProduct = false;
}

bool TProductListForm::eventFilter(QObject* o, QEvent* e)
{
    if (o == Grid && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        const auto mods = k->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        if (mods == Qt::NoModifier) {
            const bool keypad = k->modifiers() & Qt::KeypadModifier;
            switch (k->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter: GridDoubleClick(); return true;
            case Qt::Key_Space: ToggleFavourite(); return true;
            case Qt::Key_Plus:
                if (keypad) { LeggTil1Click(); return true; }
                break;
            case Qt::Key_Minus:
                if (keypad) { Trekk1Click(); return true; }
                break;
            default: break;
            }
        }
    }
    return TListForm::eventFilter(o, e);
}

void TProductListForm::changeEvent(QEvent* e)
{
    // The drag-and-drop tool follows the active list.
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        if (QWidget* tool = Windows().find(WindowName<TDataToolForm>()))
            QMetaObject::invokeMethod(tool, "SetTable", Q_ARG(int, 110));
    TListForm::changeEvent(e);
}

DropResult TProductListForm::GridDrop(const DropEvent& e)
{
    switch (e.kind) {
    case DropKind::Order:
        if (e.x >= 0 && e.x <= 100) return DropResult::Sort(QStringLiteral("productcode"));
        if (e.x > 100 && e.x <= 350) return DropResult::Sort(QStringLiteral("producttext"));
        return DropResult::Ignore();
    case DropKind::Where:
        if (e.x <= 575) return DropResult::Refuse();
        return DropResult::Filter(FieldCondition(QStringLiteral("vendor"), e.value(QStringLiteral("vendor")), true));
    case DropKind::Search:
        return DropResult::Filter(
            SearchTerms({QStringLiteral("producttext"), QStringLiteral("productcode")}, e.text));
    case DropKind::All: return DropResult::Clear();
    case DropKind::Lock: return DropResult::Refuse();
    }
    return DropResult::Refuse();
}
