#include "sales/documentdataform.h"

#include "sales/itemsaddform.h"

#include "core/dialogs.h"
#include "core/felles.h"
#include "data/datamodule.h"
#include "data/terminal.h"
#include "data/itemcopy.h"
#include "data/ordertotals.h"
#include "print/utskrift.h"
#include "ui/windowplacement.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

TDocumentDataForm::MailFunction TDocumentDataForm::SendEpost;

class TOrderDataForm;
class TOfferDataForm;
class TInvoiceDataForm;
class TPODataForm;

QString DocumentWindowClass(DocKind kind)
{
    switch (kind) {
    case DocKind::Order: return WindowName<TOrderDataForm>();
    case DocKind::Offer: return WindowName<TOfferDataForm>();
    case DocKind::Invoice: return WindowName<TInvoiceDataForm>();
    case DocKind::PO: return WindowName<TPODataForm>();
    }
    return {};
}

namespace {
Dataset* docDataset(TDatabaseModule& dm, DocKind kind)
{
    switch (kind) {
    case DocKind::Order: return &dm.OrderTable;
    case DocKind::Offer: return &dm.OfferTable;
    case DocKind::Invoice: return &dm.InvoiceTable;
    case DocKind::PO: return &dm.POTable;
    }
    return nullptr;
}
bool editing(const Dataset& ds) { return ds.state() == Dataset::Edit || ds.state() == Dataset::Insert; }
} // namespace

TDocumentDataForm::TDocumentDataForm(DocKind kind, QWidget* parent)
    : TDataForm(parent), kind_(kind), dm_(DataModule()), doc_(docDataset(dm_, kind))
{
    NumberEdit = edit("ordernumber", 90);
    DateEdit = new TDBDateEdit(doc_, "orderdate");
    DeliveryDateEdit = new TDBDateEdit(doc_, "deliverydate");
    SubjectEdit = edit("subject");
    TotalEdit = edit("ordertotal", 110, true);
    CompanyCombo = lookup("companyid", "company", "companyname", "companyname");
    CompanyCombo->setMaxVisibleItems(25);
    CompanyCombo->setMinimumWidth(220);
    UserCombo = lookup("userid", "users", "realname", "realname");
    ContactCombo = new TDBLookupComboBox;
    ContactCombo->setMaxVisibleItems(15);
    ContactCombo->setListSource(&dm_.ContactQuery, QStringLiteral("id"), QStringLiteral("realname"));
    {
        Connection* conn = &dm_.MyConnection;
        ContactCombo->setLazy([conn](qint64 id) {
            return conn->scalar(QStringLiteral("SELECT realname FROM contact WHERE id=%1").arg(id));
        });
    }
    ContactCombo->setField(doc_, QStringLiteral("external_contact"));
    StatusCombo = nullptr;  // the window's own list
    ConditionCombo = new TDBComboBox(doc_, "deliverycondition",
                                     {"EXW", "FCA", "FAS", "FOB", "CFR", "CIF", "DAF", "DES", "DEQ", "DDV", "DDP"}, true);
    CurrencyCombo = new TDBComboBox(doc_, "currency", {"NOK", "EUR", "USD", "SEK"}, true);
    PaymentCombo = new TDBComboBox(doc_, "payment",
                                   {"Kontant", "Omgående", "7 dager", "10 dager", "14 dager", "21 dager", "30 dager",
                                    "60 dager", "90 dager", "Fri måned og 30 dager", "Fri måned og 60 dager"},
                                   false);
    DeliveryAddressMemo = new TDBMemo(doc_, "deliveryaddress");
    DeliveryAddressMemo->setFixedHeight(64);
    connect(CompanyCombo, &QComboBox::activated, this, [this] { CompanyChosen(); });

    // The company as stored: what a choice in "Firma:" is compared with.
    auto track = [this] {
        if (!editing(*doc_) || doc_->state() == Dataset::Insert)
            knownCompany_ = doc_->isOpen() && !doc_->isEmpty() ? doc_->asInt("companyid") : 0;
    };
    connect(doc_, &Dataset::currentChanged, this, track);
    connect(doc_, &Dataset::rowsReset, this, track);
    connect(doc_, &Dataset::stateChanged, this, track);

    // Lines saved or deleted while this document is open: its totals.
    connect(&dm_.ItemsQuery, &Dataset::written, this, [this] {
        if (bulk_ == 0 && !refreshing_ && isVisible() && currentDocId() != 0 && OwnLinesSelected()) Recompute();
    });
}

QString TDocumentDataForm::itemKey() const
{
    switch (kind_) {
    case DocKind::Order: return QStringLiteral("orderid");
    case DocKind::Offer: return QStringLiteral("offerid");
    case DocKind::Invoice: return QStringLiteral("invoiceid");
    case DocKind::PO: return QStringLiteral("poid");
    }
    return {};
}

int& TDocumentDataForm::currentDocId() const
{
    switch (kind_) {
    case DocKind::Offer: return CurrentOfferID;
    case DocKind::Invoice: return CurrentInvoiceID;
    case DocKind::PO: return CurrentPOID;
    case DocKind::Order: break;
    }
    return CurrentOrderID;
}

QString TDocumentDataForm::memoWindow() const
{
    switch (kind_) {
    case DocKind::Offer: return WindowName<TOfferMemoForm>();
    case DocKind::Invoice: return WindowName<TInvoiceMemoForm>();
    case DocKind::PO: return WindowName<TPOMemoForm>();
    case DocKind::Order: break;
    }
    return WindowName<TOrderMemoForm>();
}

qint64 TDocumentDataForm::shownId() const
{
    return doc_->isOpen() && !doc_->isEmpty() && doc_->recNo() >= 0 ? doc_->currentId() : 0;
}

QString TDocumentDataForm::number() const
{
    return doc_->isOpen() && !doc_->isEmpty() ? doc_->asString("ordernumber") : QString();
}

QString TDocumentDataForm::pdfFile(const QString& prefix) const { return PdfFileName(prefix + number()); }

bool TDocumentDataForm::editingDoc() const { return editing(*doc_); }

bool TDocumentDataForm::saveDoc()
{
    if (!CommitDataControls(this)) return false;
    if (editing(*doc_)) return doc_->post();
    return true;
}

TDBEdit* TDocumentDataForm::edit(const QString& field, int width, bool readOnly)
{
    auto* e = new TDBEdit(doc_, field);
    if (width > 0) e->setFixedWidth(width);
    e->setReadOnly(readOnly);
    if (readOnly) e->setFocusPolicy(Qt::NoFocus);
    return e;
}

TDBLookupComboBox* TDocumentDataForm::lookup(const QString& field, const QString& table, const QString& text,
                                              const QString& order)
{
    auto* c = new TDBLookupComboBox;
    c->setListQuery(&dm_.MyConnection,
                    QStringLiteral("SELECT id, %1 FROM `%2` ORDER BY %3").arg(text, table, order));
    // Long registers: the list is read when it drops down, the shown name
    // from its own row.
    Connection* conn = &dm_.MyConnection;
    c->setLazy([conn, table, text](qint64 id) {
        return conn->scalar(QStringLiteral("SELECT %1 FROM `%2` WHERE id=%3").arg(text, table).arg(id));
    });
    c->setField(doc_, field);
    return c;
}

QWidget* TDocumentDataForm::addColumnsPanel(std::initializer_list<std::initializer_list<FieldRow>> columns)
{
    auto* p = new QWidget;
    auto* g = new QGridLayout(p);
    g->setContentsMargins(8, 6, 8, 6);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(3);
    int col = 0;
    for (const auto& column : columns) {
        int row = 0;
        for (const FieldRow& r : column) {
            const bool memo = qobject_cast<QPlainTextEdit*>(r.control) != nullptr;
            if (!r.label.isEmpty()) {
                auto* l = new QLabel(r.label);
                l->setAlignment(Qt::AlignRight | (memo ? Qt::AlignTop : Qt::AlignVCenter));
                l->setBuddy(r.control);
                g->addWidget(l, row, col);
            }
            // A memo takes three rows.
            g->addWidget(r.control, row, col + 1, memo ? 3 : 1, 1);
            row += memo ? 3 : 1;
        }
        g->setColumnStretch(col + 1, 1);
        col += 2;
    }
    g->setRowStretch(g->rowCount(), 1);
    return addPanel(p);
}

void TDocumentDataForm::setupItemGrid(const std::vector<GridColumn>& columns)
{
    ItemGrid = new TItemGrid(dm_);
    ItemGrid->setObjectName(kind_ == DocKind::PO ? QStringLiteral("POgrid") : QStringLiteral("ItemGrid"));
    ItemGrid->setColumns(columns);
    ItemGrid->canAddLine = [this] {
        if (!saveDoc()) return false;
        if (shownId() <= 0) return false;
        if (!OwnLinesSelected()) SelectOwnLines(true);
        currentDocId() = int(shownId());
        return true;
    };
    ItemGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    setFooter(ItemGrid, 300);
    setClientWidth(990);

    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    auto add = [this](QMenu* m, const QString& caption, const QKeySequence& key, void (TDocumentDataForm::*slot)()) {
        auto* a = new QAction(caption, this);
        if (!key.isEmpty()) {
            a->setShortcut(key);
            a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            ItemGrid->addAction(a);
        }
        m->addAction(a);
        connect(a, &QAction::triggered, this, [this, slot] { (this->*slot)(); });
        return a;
    };
    SlettVare1 = add(PopupMenu2, "Slett vare", QKeySequence(Qt::CTRL | Qt::Key_Delete), &TDocumentDataForm::SlettVare1Click);
    Varedata1 = add(PopupMenu2, "Varedata", QKeySequence(), &TDocumentDataForm::Varedata1Click);
    QMenu* list = PopupMenu2->addMenu(QStringLiteral("Vareliste"));
    Vareliste1 = list->menuAction();
    Kopier1 = add(list, "Kopier", QKeySequence(), &TDocumentDataForm::Kopier1Click);
    LimInn1 = add(list, "Lim inn", QKeySequence(), &TDocumentDataForm::LimInn1Click);
    SlettAlle1 = add(list, "Slett", QKeySequence(), &TDocumentDataForm::SlettAlle1Click);
    KlippUt1 = add(list, "Klipp ut", QKeySequence(), &TDocumentDataForm::KlippUt1Click);
    OppdaterVarer1 = add(PopupMenu2, "Oppdater", QKeySequence(), &TDocumentDataForm::OppdaterVarer1Click);
    HentVare1 = add(PopupMenu2, "Hent inn vare med varenummer", QKeySequence(Qt::Key_F11),
                    &TDocumentDataForm::HentVare1Click);
    Vareregister1 = add(PopupMenu2, "Vareregister", QKeySequence(Qt::Key_F12), &TDocumentDataForm::Vareregister1Click);
    LesTerminal1 = add(PopupMenu2, "Les inn fra Håndterminal", QKeySequence(), &TDocumentDataForm::LesTerminal1Click);
    // Shown in the menu only: the grid's own keys and the window's F5 and
    // F4 do the work, so no key is claimed twice.
    Varedata1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return));
    OppdaterVarer1->setShortcut(QKeySequence(Qt::Key_F5));
    LesTerminal1->setShortcut(QKeySequence(Qt::Key_F4));
    for (QAction* a : {Varedata1, OppdaterVarer1, LesTerminal1}) a->setShortcutContext(Qt::WidgetShortcut);
    connect(PopupMenu2, &QMenu::aboutToShow, this, &TDocumentDataForm::PopupMenu2Popup);
    connect(ItemGrid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupMenu2->popup(ItemGrid->viewport()->mapToGlobal(p)); });
    // The line menu's items follow the lines live, like the window menu.
    connect(&dm_.ItemsQuery, &Dataset::stateChanged, this, &TDocumentDataForm::PopupMenu2Popup);
    connect(&dm_.ItemsQuery, &Dataset::stateChanged, this, &TDocumentDataForm::PopupMenu1Popup);
    connect(&dm_.ItemsQuery, &Dataset::currentChanged, this, &TDocumentDataForm::PopupMenu2Popup);
    connect(&dm_.ItemsQuery, &Dataset::rowsReset, this, &TDocumentDataForm::PopupMenu2Popup);
    PopupMenu2Popup();
}

// --- The lines -------------------------------------------------------------------

bool TDocumentDataForm::OwnLinesSelected() const
{
    const qint64 id = shownId();
    if (id <= 0 || !dm_.ItemsQuery.isOpen()) return false;
    const QString cond = itemKey() + '=' + QString::number(id);
    return Items_WHERE == cond && Items_AND.isEmpty() && dm_.ItemsQuery.sql().contains(" WHERE " + cond) &&
           linesOf_ == id;
}

void TDocumentDataForm::SelectOwnLines(bool force)
{
    if (!force && OwnLinesSelected()) return;
    Dataset& items = dm_.ItemsQuery;
    if (editing(items) && !items.post()) items.cancel();
    const qint64 id = shownId();
    Items_WHERE = itemKey() + '=' + QString::number(id > 0 ? id : 0);
    Items_AND.clear();
    ++bulk_;
    dm_.ItemsSQLSelect();
    --bulk_;
    linesOf_ = id;
}

void TDocumentDataForm::RefreshLines()
{
    if (refreshing_) return;
    refreshing_ = true;
    const qint64 id = shownId();
    currentDocId() = int(id);
    SelectOwnLines(true);
    if (id > 0) Recompute();
    PopupMenu2Popup();
    refreshing_ = false;
}

bool TDocumentDataForm::Recompute()
{
    if (shownId() <= 0) return false;
    SelectOwnLines(false);
    ++bulk_;
    bool ok = false;
    switch (kind_) {
    case DocKind::Order: ok = OrderUpdate(dm_); break;
    case DocKind::Offer: ok = OfferUpdate(dm_); break;
    case DocKind::Invoice: ok = InvoiceUpdate(dm_); break;
    case DocKind::PO: ok = POUpdate(dm_); break;
    }
    --bulk_;
    return ok;
}

bool TDocumentDataForm::withOwnLines(const std::function<void()>& body)
{
    if (!saveDoc()) return false;
    if (shownId() <= 0) return false;
    SelectOwnLines(true);
    body();
    return true;
}

// --- Window behaviour -----------------------------------------------------------

void TDocumentDataForm::IdEditChange()
{
    TDataForm::IdEditChange();
    if (isVisible() && !refreshing_ && doc_->state() != Dataset::Insert && shownId() != linesOf_) RefreshLines();
}

void TDocumentDataForm::Nypost1Click()
{
    TDataForm::Nypost1Click();
    // A new document is saved at once, so that it has its id and number
    // before lines are added; it stays in edit state for the user.
    if (doc_->state() != Dataset::Insert) return;
    if (!doc_->post()) return;
    doc_->edit();
    RefreshLines();
}

void TDocumentDataForm::Lagre1Click()
{
    TDataForm::Lagre1Click();
    if (!editingDoc()) RefreshLines();
}

void TDocumentDataForm::Avbryt1Click()
{
    // With a line being edited, Avbryt drops the line's changes first.
    if (editing(dm_.ItemsQuery) && ItemGrid->hasFocus()) {
        ItemGrid->CancelLine();
        return;
    }
    TDataForm::Avbryt1Click();
}

void TDocumentDataForm::FormShow()
{
    // The other document windows close first: their lines are saved and
    // their totals recomputed before this document's lines are selected.
    for (DocKind k : {DocKind::Order, DocKind::Offer, DocKind::Invoice, DocKind::PO}) {
        if (k == kind_) continue;
        if (QWidget* w = Windows().find(DocumentWindowClass(k)); w && w->isVisible()) w->close();
    }
    TDataForm::FormShow();
    const bool wasEditing = editing(*doc_);
    if (!wasEditing) dm_.TableOpen(*doc_, true, false);
    else if (doc_->state() == Dataset::Insert) IdEditChange();
    linesOf_ = -1;
    RefreshLines();
    PopupMenu2Popup();
}

void TDocumentDataForm::FormClose()
{
    TDataForm::FormClose();
    currentDocId() = 0;
    if (editing(*doc_)) doc_->post();
    if (shownId() > 0) Recompute();
    linesOf_ = -1;
}

void TDocumentDataForm::CompanyChosen()
{
    const qint64 company = CompanyCombo->currentKey();
    if (!editing(*doc_) && !doc_->edit()) return;
    if (doc_->asInt("companyid") != company) doc_->setValue("companyid", company);
    Contact_WHERE = "companyid=" + QString::number(company);
    dm_.ContactSQLSelect();
    ContactCombo->reloadList();
    if (company == knownCompany_) return;  // the same company again: nothing is overwritten
    knownCompany_ = company;
    // The company's own row, over the whole table.
    auto r = dm_.MyConnection.query(
        QStringLiteral("SELECT companyname, streetaddress, postalcode, city, defaultcontact FROM company WHERE id=%1")
            .arg(company));
    if (!r || !r->next()) return;
    if (companyFillsAddress)
        doc_->setValue("deliveryaddress", r->value(0) + "\r\n" + r->value(1) + "\r\n" + r->value(2) + " " + r->value(3));
    doc_->setValue("external_contact", r->toLongLong(4));
}

QString TDocumentDataForm::ContactEmail() const
{
    const qint64 id = doc_->asInt("external_contact");
    if (id <= 0) return {};
    return dm_.MyConnection.scalar(QStringLiteral("SELECT email FROM contact WHERE id=%1").arg(id));
}

// --- The item-line menu ---------------------------------------------------------

void TDocumentDataForm::PopupMenu1Popup()
{
    TDataForm::PopupMenu1Popup();
    if (isVisible() && editing(dm_.ItemsQuery)) {
        Lagre1->setEnabled(true);
        Avbryt1->setEnabled(true);
    }
}

void TDocumentDataForm::PopupMenu2Popup()
{
    if (!PopupMenu2) return;
    const Dataset& items = dm_.ItemsQuery;
    const bool open = isVisible() && shownId() > 0;
    const bool hasLine = open && items.isOpen() && !items.isEmpty() && items.recNo() >= 0;
    SlettVare1->setEnabled(hasLine);
    Varedata1->setEnabled(hasLine && Windows().has<TProductDataForm>());
    Kopier1->setEnabled(hasLine);
    SlettAlle1->setEnabled(hasLine);
    KlippUt1->setEnabled(hasLine);
    LimInn1->setEnabled(open && QFile::exists(ItemsTempFile()));
    OppdaterVarer1->setEnabled(open);
    HentVare1->setEnabled(open && Windows().has<TItemsAddForm>());
    Vareregister1->setEnabled(open && Windows().has<TProductListForm>());
    LesTerminal1->setEnabled(open && Windows().has<TProductTerminalForm>());
}

void TDocumentDataForm::SlettVare1Click()
{
    Dataset& items = dm_.ItemsQuery;
    if (!items.isOpen() || items.isEmpty() || items.recNo() < 0) return;
    items.remove();  // asks first; the totals follow through the write
}

void TDocumentDataForm::Varedata1Click()
{
    Dataset& items = dm_.ItemsQuery;
    if (!items.isOpen() || items.isEmpty()) return;
    ProductValues p;
    if (!FindProduct(dm_.MyConnection, items.asString("productcode"), p)) {
        CurrentDialogs()->ShowMessage(QStringLiteral("Finner ikke varen i vareregisteret"), QStringLiteral("VAREDATA"));
        return;
    }
    if (!Windows().has<TProductDataForm>()) return;
    // The product record window shows the product dataset's current row:
    // that row is the product, whatever the list was filtered on.
    Dataset& products = dm_.ProductTable;
    if (!products.isOpen() || !products.locate(QStringLiteral("id"), p.id)) {
        products.setFilter("id=" + QString::number(p.id));
        dm_.TableOpen(products, true, false);
    }
    Windows().show<TProductDataForm>();
}

void TDocumentDataForm::Kopier1Click()
{
    withOwnLines([this] { CopyItemsToFile(dm_); });
    PopupMenu2Popup();
}

void TDocumentDataForm::LimInn1Click()
{
    withOwnLines([this] {
        currentDocId() = int(shownId());
        ++bulk_;
        // Pasted lines take today's prices from the whole product table.
        Dataset& products = dm_.ProductTable;
        const QString filter = products.filter();
        const bool wasOpen = products.isOpen();
        if (!wasOpen || !filter.isEmpty()) {
            products.setFilter(QString());
            dm_.TableOpen(products, wasOpen, false);
        }
        QApplication::setOverrideCursor(Qt::WaitCursor);
        dm_.ItemsQuery.disableControls();
        PasteItemsFromFile(dm_);
        dm_.ItemsQuery.enableControls();
        QApplication::restoreOverrideCursor();
        if (!filter.isEmpty() || !wasOpen) {
            products.setFilter(filter);
            if (wasOpen) dm_.TableOpen(products, true, false);
            else products.close();
        }
        --bulk_;
        Recompute();
    });
}

void TDocumentDataForm::SlettAlle1Click()
{
    withOwnLines([this] {
        ++bulk_;
        dm_.ItemsQuery.first();
        DeleteItems(dm_);
        --bulk_;
        Recompute();
    });
}

void TDocumentDataForm::KlippUt1Click()
{
    withOwnLines([this] {
        if (!CopyItemsToFile(dm_)) return;
        ++bulk_;
        dm_.ItemsQuery.first();
        DeleteItems(dm_);
        --bulk_;
        Recompute();
    });
}

void TDocumentDataForm::OppdaterVarer1Click()
{
    if (!saveDoc()) return;
    SelectOwnLines(true);
    Recompute();
}

void TDocumentDataForm::HentVare1Click()
{
    if (!saveDoc() || shownId() <= 0) return;
    SelectOwnLines(false);
    currentDocId() = int(shownId());
    ItemsAddMode = 1;
    Windows().showModal(WindowName<TItemsAddForm>());
}

void TDocumentDataForm::Vareregister1Click()
{
    if (!saveDoc() || shownId() <= 0) return;
    Windows().show<TProductListForm>();
}

void TDocumentDataForm::LesTerminal1Click()
{
    // The document whose window is showing; the invoice wins over both.
    auto visible = [](const QString& name) {
        QWidget* w = Windows().find(name);
        return w && w->isVisible();
    };
    if (visible(WindowName<TOrderDataForm>())) TerminalProgram = 1;
    else if (visible(WindowName<TPODataForm>())) TerminalProgram = 2;
    if (visible(WindowName<TInvoiceDataForm>())) TerminalProgram = 3;
    Windows().show<TProductTerminalDialogForm>();
}

// --- Memo windows ------------------------------------------------------------------

TDocMemoForm::TDocMemoForm(DocKind kind, QWidget* parent) : QWidget(parent, Qt::Window)
{
    TDatabaseModule& dm = DataModule();
    Dataset* ds = docDataset(dm, kind);
    switch (kind) {
    case DocKind::Order:
        setWindowTitle(QStringLiteral("Ordrenotat"));
        placementKey_ = QStringLiteral("OrderMemoForm");
        break;
    case DocKind::PO:
        setWindowTitle(QStringLiteral("Innkjøpsnotat"));
        placementKey_ = QStringLiteral("POMemoForm");
        onlyPosition_ = true;
        break;
    case DocKind::Invoice:
        setWindowTitle(QStringLiteral("Fakturanotat"));
        placementKey_ = QStringLiteral("InvoiceMemoForm");
        break;
    case DocKind::Offer: setWindowTitle(QStringLiteral("Tilbudsnotat")); break;
    }
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    Memo = new TDBMemo(ds, QStringLiteral("object_text"));
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    v->addWidget(Memo);
    resize(420, 300);
}

void TDocMemoForm::showEvent(QShowEvent* e)
{
    if (!e->spontaneous() && !placementKey_.isEmpty())
        LoadWindow(this, placementKey_, onlyPosition_ ? QStringLiteral("OnlyPos") : QString());
    QWidget::showEvent(e);
}

void TDocMemoForm::closeEvent(QCloseEvent* e)
{
    Memo->commit();
    if (!placementKey_.isEmpty()) SaveWindow(this, placementKey_, QString());
    QWidget::closeEvent(e);
}
