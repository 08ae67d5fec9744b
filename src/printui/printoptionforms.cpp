#include "printui/printoptionforms.h"

#include "ui/windowplacement.h"

#include "core/sysreg.h"
#include "data/datamodule.h"
#include "print/printunit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QHideEvent>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QString placementKey(TDocPrintOptionsForm::Kind k)
{
    switch (k) {
    case TDocPrintOptionsForm::Offer: return QStringLiteral("OfferPrintForm");
    case TDocPrintOptionsForm::PO: return QStringLiteral("POprintForm");
    case TDocPrintOptionsForm::Order: break;
    }
    return QStringLiteral("OrderPrintForm");
}

QString priceKey(TDocPrintOptionsForm::Kind k)
{
    return k == TDocPrintOptionsForm::PO ? QStringLiteral("ShowPriceInPO") : QStringLiteral("ShowPriceInOrder");
}

}  // namespace

TDocPrintOptionsForm::TDocPrintOptionsForm(Kind kind, TDatabaseModule& dm, QWidget* parent)
    : QDialog(parent), kind_(kind), dm_(dm)
{
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    auto* form = new QFormLayout;
    HeaderCombo = new QComboBox(this);
    HeaderCombo->setEditable(true);
    QString caption;
    switch (kind) {
    case Order:
        setWindowTitle(QStringLiteral("Ordreutskrift"));
        setObjectName(QStringLiteral("OrderPrintForm"));
        HeaderCombo->setObjectName(QStringLiteral("OrderHeaderCombo"));
        HeaderCombo->addItems({"ORDRE", "ORDREBEKREFTELSE", "ORDREBESKRIVELSE"});
        caption = QStringLiteral("Ordreoverskrift:");
        break;
    case Offer:
        setWindowTitle(QStringLiteral("Utskrift av tilbud"));
        setObjectName(QStringLiteral("OfferPrintForm"));
        HeaderCombo->setObjectName(QStringLiteral("OrderHeaderCombo"));
        HeaderCombo->addItems({"TILBUD", QStringLiteral("Foreløbig tilbud")});
        caption = QStringLiteral("Tilbudoverskrift:");
        break;
    case PO:
        setWindowTitle(QStringLiteral("Utskrift innkjøp"));
        setObjectName(QStringLiteral("POprintForm"));
        HeaderCombo->setObjectName(QStringLiteral("POHeaderCombo"));
        HeaderCombo->addItems({"BESTILLING", QStringLiteral("PRISFORESPØRSEL")});
        caption = QStringLiteral("Innkjøpoverskrift:");
        break;
    }
    HeaderCombo->setCurrentIndex(0);
    form->addRow(caption, HeaderCombo);

    auto* box = new QVBoxLayout;
    PrintPriceCheck = new QCheckBox(kind == Offer ? QStringLiteral("Vis enhetpriser") : QStringLiteral("Vis priser"), this);
    box->addWidget(PrintPriceCheck);
    if (kind == Order) {
        PrintCostCheck = new QCheckBox(QStringLiteral("Kostpriser"), this);
        box->addWidget(PrintCostCheck);
    }
    if (kind != PO) {
        NoPriceNoPrint = new QCheckBox(QStringLiteral("Ikke skriv ut varer uten pris"), this);
        box->addWidget(NoPriceNoPrint);
    }
    BigListFont = new QCheckBox(QStringLiteral("Bruk stor listefont"), this);
    box->addWidget(BigListFont);

    BitBtn1 = new QPushButton(QStringLiteral("Utskrift"), this);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("&Avbryt"), this);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);

    auto* all = new QVBoxLayout(this);
    all->addLayout(form);
    all->addLayout(box);
    all->addLayout(buttons);
    all->setSizeConstraint(QLayout::SetFixedSize);

}

// The placement is stored when the window is hidden; a window never shown
// stores nothing (it once stored its unplaced corner at every exit).
TDocPrintOptionsForm::~TDocPrintOptionsForm() = default;

void TDocPrintOptionsForm::showEvent(QShowEvent* e)
{
    {
        MainIniSection s(QStringLiteral("STANDARD"));
        PrintPriceCheck->setChecked(GetRegBoolean(priceKey(kind_)));
        if (NoPriceNoPrint) NoPriceNoPrint->setChecked(GetRegBoolean(QStringLiteral("OrderNoPriceNoPrint")));
    }
    if (PrintCostCheck) PrintCostCheck->setChecked(false);
    BigListFont->setChecked(false);
    // Only the position is restored; never placed before, the window
    // opens over the document window it was opened from.
    // A stored top-left corner is what the window stored without ever being
    // shown, and counts as never placed.
    if (kind_ != Order && !e->spontaneous()) {
        const WindowPlacement stored = LoadWindowPlacement(placementKey(kind_), {}, QSize(), QStringLiteral("OnlyPos"));
        QWidget* over = QApplication::activeWindow();
        if (stored.stored && stored.left == 0 && stored.top == 0 && over && over != this) {
            adjustSize();
            setGeometry(QRect(over->geometry().center() - rect().center(), size()));
            KeepOnScreen(this);
        } else {
            LoadWindow(this, placementKey(kind_), QStringLiteral("OnlyPos"));
        }
    }
    QDialog::showEvent(e);
}

void TDocPrintOptionsForm::hideEvent(QHideEvent* e)
{
    if (kind_ != Order && !e->spontaneous()) SaveWindow(this, placementKey(kind_));
    QDialog::hideEvent(e);
}

bool TDocPrintOptionsForm::BitBtn1Click()
{
    Dataset& ds = kind_ == Order ? dm_.OrderTable : kind_ == Offer ? dm_.OfferTable : dm_.POTable;
    const bool price = PrintPriceCheck->isChecked();
    const bool cost = PrintCostCheck && PrintCostCheck->isChecked();
    const bool noZero = NoPriceNoPrint && NoPriceNoPrint->isChecked();
    {
        MainIniSection s(QStringLiteral("STANDARD"));
        SetRegInt(QStringLiteral("Salgutskrift_Or_FontSize"), BigListFont->isChecked() ? 9 : 8);
        SetRegBoolean(priceKey(kind_), price);
        if (NoPriceNoPrint) SetRegBoolean(QStringLiteral("OrderNoPriceNoPrint"), noZero);
    }
    const bool locked = ds.isOpen() && !ds.isEmpty() && ds.asInt(QStringLiteral("pricelock")) == 1;
    const QString number = ds.isOpen() && !ds.isEmpty() ? ds.asString(QStringLiteral("ordernumber")) : QString();
    const QString heading = HeaderCombo->currentText();
    QString title;
    switch (kind_) {
    case Order:
        PrintPreView = OrderPrint(dm_, OrderPrintOptions(heading, price, cost, noZero, locked));
        title = DocumentJobTitle(QStringLiteral("O"), number);
        break;
    case Offer:
        PrintPreView = OfferPrint(dm_, OfferPrintOptions(heading, price, noZero, locked));
        title = DocumentJobTitle(QStringLiteral("T"), number);
        break;
    case PO:
        PrintPreView = POprint(dm_, POPrintOptions(heading, price, locked));
        title = DocumentJobTitle(QStringLiteral("B"), number);
        break;
    }
    const bool ok = LPTPrint(title);
    accept();
    return ok;
}
