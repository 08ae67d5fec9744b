#include "sales/orderdataform.h"

#include "core/sysreg.h"
#include "data/datamodule.h"
#include "data/terminal.h"
#include "printui/printoptionforms.h"
#include "data/ordertotals.h"
#include "print/printunit.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QMenu>


TOrderDataForm::TOrderDataForm(QWidget* parent) : TDocumentDataForm(DocKind::Order, parent)
{
    setObjectName(QStringLiteral("OrderDataForm"));
    setWindowTitle(QStringLiteral("Ordredata"));
    placementKey = QStringLiteral("OrderDataForm");
    captionPrefix = QStringLiteral("Ordredata [");
    keepSlider = false;
    Dataset* ds = &doc();

    StatusCombo = new TDBComboBox(ds, "status",
                                  {"Ikke startet", "Pågående", "Utsatt", "Venter på andre", "Venter på kontroll",
                                   "Ferdig", "Kontant", "Balanse", "Faktura"},
                                  false);
    VATEdit = edit("orderVAT", 110, true);
    VatCodeEdit = edit("vatcode", 40);
    addColumnsPanel({{{"Ordrenr.:", NumberEdit},
                      {"Dato:", DateEdit},
                      {"Firma:", CompanyCombo},
                      {"Deres kontakt:", ContactCombo},
                      {"Vår kontakt:", UserCombo},
                      {"Tekst:", SubjectEdit}},
                     {{"Leveringsadresse:", DeliveryAddressMemo},
                      {"Leveringsdato:", DeliveryDateEdit},
                      {"Betingelse", ConditionCombo},
                      {"Valuta", CurrencyCombo}},
                     {{"Status:", StatusCombo},
                      {"Betalingsbetingelse:", PaymentCombo},
                      {"Ordresum:", TotalEdit},
                      {"MVA:", VATEdit},
                      {"Kode:", VatCodeEdit}}});

    ProjectCombo = lookup("projectid", "project", "CONCAT(projectnumber, ' ', projectname)", "projectnumber");
    SystemCombo = lookup("systemid", "subproject", "CONCAT(systemnumber, ' ', systemname)", "systemnumber");
    AssetCombo = lookup("assetid", "asset", "CONCAT(assetnumber, ' ', assetname)", "assetnumber");
    JobCombo = lookup("jobid", "jobs", "CONCAT(job, ' ', subject)", "job");
    PriceLockBox = new TDBCheckBox(QStringLiteral("Fast pris"), ds, "pricelock");
    PriceLockBox->setValues(1, 0);
    LockedPriceEdit = edit("lockedprice", 110);
    QWidget* lock = inRow({PriceLockBox, LockedPriceEdit, new QWidget}, 2);
    PriceLockTextEdit = edit("pricelocktext");
    WeightEdit = edit("weight", 90);
    VolumeEdit = edit("volume", 90);
    DepartmentCombo = new TDBComboBox(ds, "department", {}, true);
    TransportCombo = new TDBComboBox(ds, "transport", {}, true);
    ProfitEdit = edit("profit", 110, true);
    addColumnsPanel({{{"Prosjekt:", ProjectCombo}, {"System:", SystemCombo}, {"Utstyr:", AssetCombo}, {"Jobb:", JobCombo}},
                     {{"", lock},
                      {"Fastpris tekst:", PriceLockTextEdit},
                      {"Avdeling:", DepartmentCombo},
                      {"Transportmåte:", TransportCombo}},
                     {{"Vekt kg:", WeightEdit}, {"Volum m^3:", VolumeEdit}, {"Fortjeneste:", ProfitEdit}}});

    setupItemGrid({{"productcode", "Varenr.", 85},
                   {"producttext", "Varetekst", 165},
                   {"price", "Pris", 80},
                   {"itemcount", "Antall", 50},
                   {"piece", "Enhet", 45},
                   {"discount", "Rabatt", 50},
                   {"sum", "Sum", 80},
                   {"mark", "Merk", 55},
                   {"cost", "Kostpris", 65},
                   {"sumcost", "Sum kostpris", 85},
                   {"VATcode", "mk", 28},
                   {"itemdelivered", "Levert", 50},
                   {"itemremain", "Rest", 45},
                   {"serial", "Serienr.", 65}});
    ItemGrid->ctrlEnter = [this] { Varedata1Click(); };
    setDataset(ds);

    // The order's VAT code is the code new lines take.
    connect(VatCodeEdit, &QLineEdit::textChanged, this, [this] {
        if (isVisible() && doc().isOpen() && !doc().isEmpty()) CurrentVATcode = int(doc().asInt("vatcode"));
    });

    enableRefresh();
    Terminal1 = addMenuItem(QStringLiteral("Hent fra Håndterminal"), [] {
        TerminalProgram = 1;
        Windows().show<TProductTerminalDialogForm>();
    }, QKeySequence(Qt::Key_F4));
    SendEpost1 = addMenuItem(QStringLiteral("Send på epost"), [this] { SendEpost1Click(); },
                             QKeySequence(Qt::CTRL | Qt::Key_E));
    Ordreutskrift1 = addMenuItem(QStringLiteral("Ordreutskrift"), [this] { Ordreutskrift1Click(); },
                                 QKeySequence(Qt::CTRL | Qt::Key_P));
    QMenu* levering = PopupMenu1->addMenu(QStringLiteral("Levering"));
    auto sub = [this, levering](const QString& caption, std::function<void()> f, const QKeySequence& key = {}) {
        auto* a = new QAction(caption, this);
        if (!key.isEmpty()) {
            a->setShortcut(key);
            addAction(a);
        }
        levering->addAction(a);
        connect(a, &QAction::triggered, this, std::move(f));
        return a;
    };
    LeverOrdre1 = sub(QStringLiteral("Lever ordre"), [this] { Deliver(false); });
    LeverHele1 = sub(QStringLiteral("Lever hele ordren"), [this] { Deliver(true); });
    Pakkseddel1 = sub(QStringLiteral("Pakkseddel"), [this] { PrintDeliveryNote(false); },
                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    Plukkliste1 = sub(QStringLiteral("Plukkliste"), [this] { PrintDeliveryNote(true); });
    VisNotat1 = addMenuItem(QStringLiteral("Vis notat"), [] { Windows().show<TOrderMemoForm>(); });
    VisTimer1 = addMenuItem(QStringLiteral("Vis timer på ordre"), [this] { VisTimer1Click(); });
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TOrderDataForm::UpdateMenu);
    connect(ds, &Dataset::stateChanged, this, &TOrderDataForm::UpdateMenu);
    connect(ds, &Dataset::currentChanged, this, &TOrderDataForm::UpdateMenu);
    UpdateMenu();
}

void TOrderDataForm::UpdateMenu()
{
    const bool has = doc().isOpen() && !doc().isEmpty();
    Terminal1->setEnabled(has && Windows().has<TProductTerminalForm>());
    SendEpost1->setEnabled(has && SendEpost && QFile::exists(pdfFile(QStringLiteral("O"))));
    Ordreutskrift1->setEnabled(has && Windows().has<TOrderPrintForm>());
    LeverOrdre1->setEnabled(has);
    LeverHele1->setEnabled(has);
    Pakkseddel1->setEnabled(has);
    Plukkliste1->setEnabled(has);
    VisNotat1->setEnabled(has && Windows().has<TOrderMemoForm>());
    VisTimer1->setEnabled(has && Windows().has<TCalendarRegListForm>());
}

void TOrderDataForm::Oppdater1Click()
{
    if (!saveDoc()) return;
    DataModule().TableOpen(doc(), true, false);
    SelectOwnLines(true);
    Recompute();
}

bool TOrderDataForm::Deliver(bool deliverAll)
{
    bool ok = false;
    withOwnLines([this, deliverAll, &ok] {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++bulk_;
        ok = OrderDeliver(DataModule(), deliverAll);
        --bulk_;
        QApplication::restoreOverrideCursor();
    });
    return ok;
}

bool TOrderDataForm::PrintDeliveryNote(bool pickingList)
{
    bool ok = false;
    withOwnLines([this, pickingList, &ok] {
        {
            MainIniSection s(QStringLiteral("STANDARD"));
            SetRegInt(QStringLiteral("Salgutskrift_Or_FontSize"), 9);
        }
        PrintPreView = PrintDelivery(DataModule(), pickingList ? DeliveryKind::PickingList : DeliveryKind::DeliveryNote);
        ok = LPTPrint(DocumentJobTitle(pickingList ? QStringLiteral("OPL") : QStringLiteral("OP"), number()));
    });
    UpdateMenu();
    return ok;
}

void TOrderDataForm::Ordreutskrift1Click()
{
    withOwnLines([] { Windows().showModal(WindowName<TOrderPrintForm>()); });
    UpdateMenu();
}

void TOrderDataForm::SendEpost1Click()
{
    const QString file = pdfFile(QStringLiteral("O"));
    if (!SendEpost || !QFile::exists(file)) return;
    SendEpost(ContactEmail(), QStringLiteral("Ordre ") + number(), QString(), file);
}

void TOrderDataForm::VisTimer1Click()
{
    Dataset& cal = DataModule().CalendarTable;
    cal.setFilter("orderid=" + QString::number(shownId()));
    QWidget* w = Windows().find(WindowName<TCalendarRegListForm>());
    if (w && w->isVisible()) DataModule().TableOpen(cal, true, false);
    Windows().show<TCalendarRegListForm>();
}
