#include "sales/invoicedataform.h"

#include "core/dialogs.h"
#include "core/norsk.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "data/datamodule.h"
#include "data/terminal.h"
#include "data/invoicekid.h"
#include "data/ordertotals.h"
#include "exports/ehf.h"
#include "print/printunit.h"
#include "sales/kidedit.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>

std::function<QString(QWidget*, const QString&)> TInvoiceDataForm::ChooseEhfFile = [](QWidget* parent,
                                                                                     const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Send som EHF"), suggested,
                                        QStringLiteral("EHF-faktura (*.xml)"));
};

TInvoiceDataForm::TInvoiceDataForm(QWidget* parent) : TDocumentDataForm(DocKind::Invoice, parent)
{
    setObjectName(QStringLiteral("InvoiceDataForm"));
    setWindowTitle(QStringLiteral("Faktura"));
    placementKey = QStringLiteral("InvoiceDataForm");
    captionPrefix = QStringLiteral("Fakturadata [");
    keepSlider = false;
    Dataset* ds = &doc();

    // A status the list does not offer (a new invoice's "Ikke startet", or
    // "Betalt" set elsewhere) is shown as stored and kept.
    StatusCombo = new TDBComboBox(ds, "status", {"Ikke fakturert", "Fakturert", "Forfalt", "Purring", "Feil"}, false);
    VATEdit = edit("orderVAT", 110, true);
    VatCodeEdit = edit("vatcode", 40);
    KidEdit = new TKidEdit(ds);
    addColumnsPanel({{{"Fakturanr.:", NumberEdit},
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
                      {"Fakturasum:", TotalEdit},
                      {"MVA:", VATEdit},
                      {"Kode:", VatCodeEdit},
                      {"KID:", KidEdit}}});
    KidLabel = nullptr;
    for (QLabel* l : findChildren<QLabel*>())
        if (l->buddy() == KidEdit) KidLabel = l;

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
                   {"producttext", "Varetekst", 190},
                   {"price", "Pris", 85},
                   {"itemcount", "Antall", 55},
                   {"piece", "Enhet", 45},
                   {"discount", "Rabatt", 50},
                   {"sum", "Sum", 85},
                   {"mark", "Merk", 70},
                   {"cost", "Kostpris", 70},
                   {"sumcost", "Sum kostpris", 90},
                   {"VATcode", "mk", 30},
                   {"itemdelivered", "Levert", 55},
                   {"itemremain", "Rest", 55}});
    // The invoice's grid takes what is typed as it stands: no product
    // look-up, no sorting by title.
    ItemGrid->productLookup = false;
    ItemGrid->titleSort = false;
    setDataset(ds);

    enableRefresh();
    Utskrift1 = addMenuItem(QStringLiteral("Utskrift"), [this] { Utskrift1Click(); }, QKeySequence(Qt::CTRL | Qt::Key_P));
    SendEpost1 = addMenuItem(QStringLiteral("Send på epost"), [this] { SendEpost1Click(); },
                             QKeySequence(Qt::CTRL | Qt::Key_E));
    SendEHF1 = addMenuItem(QStringLiteral("Send som EHF"), [this] { SendEHF1Click(); });
    Terminal1 = addMenuItem(QStringLiteral("Hent fra Håndterminal"),
                            [] {
                                TerminalProgram = 3;
                                Windows().show<TProductTerminalDialogForm>();
                            }, QKeySequence(Qt::Key_F4));
    VisNotat1 = addMenuItem(QStringLiteral("Vis notat"), [] { Windows().show<TInvoiceMemoForm>(); });
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TInvoiceDataForm::UpdateMenu);
    connect(ds, &Dataset::stateChanged, this, &TInvoiceDataForm::UpdateMenu);
    connect(ds, &Dataset::currentChanged, this, &TInvoiceDataForm::UpdateMenu);
    UpdateMenu();
    UpdateKidField();
}

void TInvoiceDataForm::UpdateKidField()
{
    const bool on = ReadKidSettings().on && (!doc().isOpen() || doc().hasField(QStringLiteral("kid")));
    KidEdit->setVisible(on);
    if (KidLabel) KidLabel->setVisible(on);
}

void TInvoiceDataForm::EnsureKid(bool tell)
{
    const KidSettings k = ReadKidSettings();
    if (!k.on || !doc().isOpen() || doc().isEmpty() || editingDoc() || shownId() <= 0) return;
    const bool column = doc().hasField(QStringLiteral("kid"));
    if (column && !doc().asString("kid").trimmed().isEmpty()) return;
    QString why;
    EnsureInvoiceKid(dm_.MyConnection, shownId(), k, &why);
    if (column) doc().refreshRow();
    if (why.isEmpty()) return;
    LogLine(QStringLiteral("ADVARSEL: faktura %1 uten KID: %2").arg(number(), why));
    if (tell) CurrentDialogs()->ShowMessage(QStringLiteral("Fakturaen får ikke KID: ") + why, QStringLiteral("Feil"));
}

void TInvoiceDataForm::FormShow()
{
    TDocumentDataForm::FormShow();
    UpdateKidField();
}

void TInvoiceDataForm::Lagre1Click()
{
    TDocumentDataForm::Lagre1Click();
    EnsureKid(false);
}

bool TInvoiceDataForm::SendEHF1Click()
{
    if (!saveDoc() || shownId() <= 0) return false;
    QString folder;
    {
        MainIniSection s(QStringLiteral("STANDARD"));
        folder = GetRegStr(QStringLiteral("EHF-mappe")).trimmed();
    }
    if (folder.isEmpty()) folder = TrelvoPath(QStringLiteral("ehf"));
    QDir().mkpath(folder);
    const QString file = ChooseEhfFile(this, QDir(folder).filePath(EhfFileName(number())));
    if (file.isEmpty()) return false;
    EhfResult r;
    withOwnLines([this, &r, &file] {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        r = ExportInvoiceAsEhf(dm_, file);
        QApplication::restoreOverrideCursor();
    });
    if (!r.ok) {
        CurrentDialogs()->ShowMessage(
            (r.error.isEmpty() ? QStringLiteral("Fakturaen kunne ikke sendes som EHF.") : r.error), QStringLiteral("Feil"));
        return false;
    }
    CurrentDialogs()->ShowMessage(QStringLiteral("EHF-%1 %2 er skrevet til %3.")
                                      .arg(r.creditNote ? QStringLiteral("kreditnota") : QStringLiteral("faktura"),
                                           r.invoiceNumber, QDir::toNativeSeparators(file)),
                                  QStringLiteral("Send som EHF"));
    UpdateMenu();
    return true;
}

void TInvoiceDataForm::UpdateMenu()
{
    const bool has = doc().isOpen() && !doc().isEmpty();
    Utskrift1->setEnabled(has);
    SendEpost1->setEnabled(has && SendEpost && QFile::exists(pdfFile(QStringLiteral("F"))));
    Terminal1->setEnabled(has && Windows().has<TProductTerminalForm>());
    VisNotat1->setEnabled(has && Windows().has<TInvoiceMemoForm>());
    SendEHF1->setEnabled(has);
}

void TInvoiceDataForm::Oppdater1Click()
{
    // The row is read again; the totals are left as they are.
    if (!saveDoc()) return;
    DataModule().TableOpen(doc(), true, false);
}

bool TInvoiceDataForm::Utskrift1Click()
{
    bool posted = false;
    withOwnLines([this, &posted] {
        TDatabaseModule& dm = DataModule();
        {
            MainIniSection s(QStringLiteral("STANDARD"));
            SetRegInt(QStringLiteral("Salgutskrift_Or_FontSize"), 8);
        }
        EnsureKid(true);
        PrintPreView = InvoicePrint(dm, InvoicePrintOptions(doc().asInt("pricelock") == 1));
        LPTPrint(DocumentJobTitle(QStringLiteral("F"), number()));
        // Asked whether or not the printer dialog was cancelled.
        if (!CurrentDialogs()->AskYesNo(QStringLiteral("Godkjenne faktura?"))) return;
        if (doc().asString("status") == QLatin1String("Fakturert")) {
            CurrentDialogs()->ShowMessage(
                QStringLiteral("Faktura %1 er allerede godkjent og bokført. Den bokføres ikke en gang til.").arg(number()),
                QStringLiteral("Feil"));
            return;
        }
        ++bulk_;
        posted = PostInvoice(dm);
        --bulk_;
        if (!posted && doc().asString("status") == QLatin1String("Fakturert"))
            CurrentDialogs()->ShowMessage(
                QStringLiteral("Faktura %1 er allerede godkjent og bokført. Den bokføres ikke en gang til.").arg(number()),
                QStringLiteral("Feil"));
    });
    UpdateMenu();
    return posted;
}

void TInvoiceDataForm::SendEpost1Click()
{
    const QString file = pdfFile(QStringLiteral("F"));
    if (!SendEpost || !QFile::exists(file)) return;
    SendEpost(ContactEmail(), QStringLiteral("Faktura ") + number(), QString(), file);
}
