#include "sales/podataform.h"

#include "core/dialogs.h"
#include "data/datamodule.h"
#include "data/terminal.h"
#include "printui/printoptionforms.h"
#include "data/ordertotals.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QFile>
#include <QHBoxLayout>
#include <QMenu>

TPODataForm::TPODataForm(QWidget* parent) : TDocumentDataForm(DocKind::PO, parent)
{
    setObjectName(QStringLiteral("PODataForm"));
    setWindowTitle(QStringLiteral("Bestilling/Innkjøp"));
    placementKey = QStringLiteral("PODataForm");
    captionPrefix = QStringLiteral("Bestilling [");
    companyFillsAddress = false;  // the delivery address is our own
    Dataset* ds = &doc();

    StatusCombo = new TDBComboBox(ds, "status",
                                  {"Ikke bestilt", "Prisforespørsel", "Bestilt", "Ordrebekreftet", "Delvis mottatt",
                                   "Alt mottatt"},
                                  false);
    CostEdit = edit("ordercost", 110, true);
    OrderCombo = lookup("orderid", "orders", "ordernumber", "id");
    addColumnsPanel({{{"Bestillingnr.:", NumberEdit},
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
                      {"Bestillingsum:", CostEdit},
                      {"OrdreNr:", OrderCombo}}});

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
    addColumnsPanel({{{"Prosjekt:", ProjectCombo}, {"System:", SystemCombo}, {"Utstyr:", AssetCombo}, {"Jobb:", JobCombo}},
                     {{"", lock}, {"Fastpris tekst:", PriceLockTextEdit}, {"Avdeling:", DepartmentCombo}},
                     {{"Vekt kg:", WeightEdit}, {"Volum m^3:", VolumeEdit}}});

    setupItemGrid({{"productcode", "Varenr.", 90},
                   {"producttext", "Varetekst", 280},
                   {"cost", "Pris", 80},
                   {"itemcount", "Antall", 60},
                   {"itemdelivered", "Mottatt", 60},
                   {"itemremain", "Rest", 60},
                   {"piece", "Enhet", 50},
                   {"discount", "Rabatt", 55},
                   {"sumcost", "Sum kostpris", 95},
                   {"mark", "Merk", 70},
                   {"VATcode", "M.K.", 40}});
    ItemGrid->ctrlEnter = [this] { Varedata1Click(); };
    setDataset(ds);

    // The status as stored before the user picks another.
    auto track = [this] {
        if (doc().isOpen() && !doc().isEmpty() && doc().state() == Dataset::Browse) statusBefore_ = doc().asString("status");
    };
    connect(ds, &Dataset::currentChanged, this, track);
    connect(ds, &Dataset::stateChanged, this, track);
    connect(ds, &Dataset::rowsReset, this, track);
    connect(StatusCombo, &QComboBox::activated, this, [this](int i) { StatusChosen(StatusCombo->itemText(i)); });

    Utskrift1 = addMenuItem(QStringLiteral("Utskrift"), [this] { Utskrift1Click(); }, QKeySequence(Qt::CTRL | Qt::Key_P));
    SendEpost1 = addMenuItem(QStringLiteral("Send på epost"), [this] { SendEpost1Click(); },
                             QKeySequence(Qt::CTRL | Qt::Key_E));
    Terminal1 = addMenuItem(QStringLiteral("Hent fra Håndterminal"),
                            [] {
                                TerminalProgram = 2;
                                Windows().show<TProductTerminalDialogForm>();
                            }, QKeySequence(Qt::Key_F4));
    VisNotat1 = addMenuItem(QStringLiteral("Vis notat"), [] { Windows().show<TPOMemoForm>(); });
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TPODataForm::UpdateMenu);
    connect(ds, &Dataset::currentChanged, this, &TPODataForm::UpdateMenu);
    UpdateMenu();
}

void TPODataForm::UpdateMenu()
{
    const bool has = doc().isOpen() && !doc().isEmpty();
    Utskrift1->setEnabled(has && Windows().has<TPOprintForm>());
    SendEpost1->setEnabled(has && SendEpost && QFile::exists(pdfFile(QStringLiteral("B"))));
    Terminal1->setEnabled(has && Windows().has<TProductTerminalForm>());
    VisNotat1->setEnabled(has && Windows().has<TPOMemoForm>());
}

void TPODataForm::StatusChosen(const QString& status)
{
    if (status == statusBefore_) return;
    if (!CurrentDialogs()->AskYesNo(QStringLiteral("Oppdatere bestilling til ") + status)) return;  // only the field
    if (!CommitDataControls(this) || shownId() <= 0) return;
    // The status is saved together with the stock it moves, in one go.
    SelectOwnLines(true);
    ++bulk_;
    if (POUpdateStatus(DataModule(), status)) statusBefore_ = status;
    --bulk_;
}

void TPODataForm::Utskrift1Click()
{
    withOwnLines([] { Windows().show<TPOprintForm>(); });
}

void TPODataForm::SendEpost1Click()
{
    const QString file = pdfFile(QStringLiteral("B"));
    if (!SendEpost || !QFile::exists(file)) return;
    SendEpost(ContactEmail(), QStringLiteral("Bestilling ") + number(), QString(), file);
}
