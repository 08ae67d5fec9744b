#include "sales/offerdataform.h"

#include "data/datamodule.h"
#include "printui/printoptionforms.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>

TOfferDataForm::TOfferDataForm(QWidget* parent) : TDocumentDataForm(DocKind::Offer, parent)
{
    setObjectName(QStringLiteral("OfferDataForm"));
    setWindowTitle(QStringLiteral("Tilbudsdata"));
    placementKey = QStringLiteral("OfferDataForm");
    captionPrefix = QStringLiteral("Tilbudsdata [");
    Dataset* ds = &doc();

    StatusCombo = new TDBComboBox(ds, "status", {"Ikke utsendt", "Utsendt", "Tilsagn", "Avslått"}, false);
    ProfitEdit = edit("profit", 110, true);
    addColumnsPanel({{{"Tilbudnr.:", NumberEdit},
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
                      {"Tilbudssum:", TotalEdit},
                      {"Fortjeneste:", ProfitEdit}}});

    ProjectCombo = lookup("projectid", "project", "CONCAT(projectnumber, ' ', projectname)", "projectnumber");
    SystemCombo = lookup("systemid", "subproject", "CONCAT(systemnumber, ' ', systemname)", "systemnumber");
    PriceLockBox = new TDBCheckBox(QStringLiteral("Fast pris"), ds, "pricelock");
    PriceLockBox->setValues(1, 0);
    LockedPriceEdit = edit("lockedprice", 110);
    QWidget* lock = inRow({PriceLockBox, LockedPriceEdit, new QWidget}, 2);
    PriceLockTextEdit = edit("pricelocktext");
    DepartmentCombo = new TDBComboBox(ds, "department", {}, true);
    addColumnsPanel({{{"Prosjekt:", ProjectCombo}, {"System:", SystemCombo}},
                     {{"", lock}, {"Fastpris tekst:", PriceLockTextEdit}},
                     {{"Avdeling:", DepartmentCombo}}});

    setupItemGrid({{"productcode", "Varenr.", 90},
                   {"producttext", "Varetekst", 270},
                   {"price", "Pris", 80},
                   {"itemcount", "Antall", 60},
                   {"piece", "Enhet", 50},
                   {"discount", "Rabatt", 55},
                   {"sum", "Sum", 90},
                   {"mark", "Merk", 70},
                   {"cost", "Kostpris", 80},
                   {"sumcost", "Sum kostpris", 90},
                   {"VATcode", "mk", 30}});
    // No look-up while typing; Ctrl+Enter opens the picker instead.
    ItemGrid->productLookup = false;
    ItemGrid->ctrlEnter = [this] { HentVare1Click(); };
    setDataset(ds);

    enableRefresh();
    Utskrift1 = addMenuItem(QStringLiteral("Utskrift"), [this] { Utskrift1Click(); }, QKeySequence(Qt::CTRL | Qt::Key_P));
    VisNotat1 = addMenuItem(QStringLiteral("Vis notat"), [] { Windows().show<TOfferMemoForm>(); });
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TOfferDataForm::UpdateMenu);
    connect(ds, &Dataset::currentChanged, this, &TOfferDataForm::UpdateMenu);
    UpdateMenu();
}

void TOfferDataForm::UpdateMenu()
{
    const bool has = doc().isOpen() && !doc().isEmpty();
    Utskrift1->setEnabled(has && Windows().has<TOfferPrintForm>());
    VisNotat1->setEnabled(has && Windows().has<TOfferMemoForm>());
}

void TOfferDataForm::Oppdater1Click()
{
    if (!saveDoc()) return;
    DataModule().TableOpen(doc(), true, false);
    SelectOwnLines(true);
    Recompute();
}

void TOfferDataForm::Utskrift1Click()
{
    withOwnLines([] { Windows().show<TOfferPrintForm>(); });
}
