#include "products/productprintforms.h"

#include "core/felles.h"
#include "core/sysreg.h"
#include "data/datamodule.h"
#include "print/utskrift.h"
#include "ui/windowplacement.h"
#include "ui/windowregistry.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QVBoxLayout>

namespace {

int fieldInt(const QLineEdit* e)
{
    bool ok = false;
    const int v = e->text().trimmed().toInt(&ok);
    return ok ? v : 0;
}

QPushButton* button(const QString& text, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

// ---- label ------------------------------------------------------------

TProductLabelPrintForm::TProductLabelPrintForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ProductLabelPrintForm"));
    setWindowTitle(QStringLiteral("Etikett"));
    auto* v = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* group = new QGroupBox(QStringLiteral("Ta med på etikett:"), this);
    auto* g = new QGridLayout(group);
    cbBarcode = new QCheckBox(QStringLiteral("Strekkode"));
    cbProductText = new QCheckBox(QStringLiteral("Varetekst"));
    cbProductCode = new QCheckBox(QStringLiteral("Varenummer"));
    cbProductGroup = new QCheckBox(QStringLiteral("Varegruppe"));
    cbPrice = new QCheckBox(QStringLiteral("Pris"));
    cbBarcodeEAN = new QCheckBox(QStringLiteral("EAN-nummer"));
    g->addWidget(cbBarcode, 0, 0);
    g->addWidget(cbBarcodeEAN, 0, 1);
    g->addWidget(cbProductCode, 1, 0);
    g->addWidget(cbProductGroup, 1, 1);
    g->addWidget(cbProductText, 2, 0);
    g->addWidget(cbPrice, 2, 1);
    top->addWidget(group, 1);
    auto* buttons = new QVBoxLayout;
    Utskrift1 = button(QStringLiteral("Utskrift"), this);
    Forhandsvis1 = button(QStringLiteral("Forhåndsvis"), this);
    TrackBar1 = new QSlider(Qt::Vertical, this);
    TrackBar1->setRange(0, 1);
    TrackBar1->setInvertedAppearance(true);
    TrackBar1->setFixedHeight(36);
    TrackBar1->setToolTip(QStringLiteral("Vis marger"));
    buttons->addWidget(Utskrift1);
    buttons->addWidget(Forhandsvis1);
    buttons->addWidget(TrackBar1, 0, Qt::AlignHCenter);
    buttons->addStretch();
    top->addLayout(buttons);
    v->addLayout(top);

    MarginPanel = new QWidget(this);
    auto* mv = new QVBoxLayout(MarginPanel);
    mv->setContentsMargins(0, 0, 0, 0);
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    mv->addWidget(line);
    auto* f = new QFormLayout;
    f->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto mm = [this] {
        auto* e = new QLineEdit(this);
        e->setFixedWidth(60);
        e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), e));
        return e;
    };
    eMarginLeft = mm();
    eMarginTop = mm();
    eBarcodeHeight = mm();
    ePosLeft = mm();
    ePosRight = mm();
    ePosTop = mm();
    f->addRow(QStringLiteral("Etikett Venstremarg:"), eMarginLeft);
    f->addRow(QStringLiteral("Etikett Toppmarg:"), eMarginTop);
    f->addRow(QStringLiteral("Strekkodehøyde:"), eBarcodeHeight);
    f->addRow(QStringLiteral("Tekst Venstremarg:"), ePosLeft);
    f->addRow(QStringLiteral("Tekst Høyremarg:"), ePosRight);
    f->addRow(QStringLiteral("Tekst Toppmarg:"), ePosTop);
    mv->addLayout(f);
    v->addWidget(MarginPanel);
    MarginPanel->hide();
    v->setSizeConstraint(QLayout::SetFixedSize);

    connect(TrackBar1, &QSlider::valueChanged, this, [this](int p) { MarginPanel->setVisible(p > 0); });
    connect(Utskrift1, &QPushButton::clicked, this, [this] { UtskriftClick(); });
    connect(Forhandsvis1, &QPushButton::clicked, this, [this] { PreviewClick(); });
}

LabelOptions TProductLabelPrintForm::options() const
{
    LabelOptions o;
    o.MarginLeft = fieldInt(eMarginLeft);
    o.MarginTop = fieldInt(eMarginTop);
    o.BarcodeHeight = fieldInt(eBarcodeHeight);
    o.PosLeft = fieldInt(ePosLeft);
    o.PosRight = fieldInt(ePosRight);
    o.PosTop = fieldInt(ePosTop);
    o.PrintBarcode = cbBarcode->isChecked();
    o.PrintProductText = cbProductText->isChecked();
    o.PrintProductCode = cbProductCode->isChecked();
    o.PrintProductGroup = cbProductGroup->isChecked();
    o.PrintPrice = cbPrice->isChecked();
    o.PrintBarcodeEAN = cbBarcodeEAN->isChecked();
    return o;
}

void TProductLabelPrintForm::setOptions(const LabelOptions& o)
{
    // Fields never stored show empty, as they were never set.
    MainIniSection s(QStringLiteral("STANDARD"));
    auto put = [](QLineEdit* e, const char* key, int v) {
        e->setText(GetRegStr(QString::fromLatin1(key)).isEmpty() && v == 0 ? QString() : QString::number(v));
    };
    put(eMarginLeft, "ProductLabelMarginLeft", o.MarginLeft);
    put(eMarginTop, "ProductLabelMarginTop", o.MarginTop);
    put(eBarcodeHeight, "ProductLabelBarcodeHeight", o.BarcodeHeight);
    put(ePosLeft, "ProductLabelPosLeft", o.PosLeft);
    put(ePosRight, "ProductLabelPosRight", o.PosRight);
    put(ePosTop, "ProductLabelPosTop", o.PosTop);
    cbBarcode->setChecked(o.PrintBarcode);
    cbProductText->setChecked(o.PrintProductText);
    cbProductCode->setChecked(o.PrintProductCode);
    cbProductGroup->setChecked(o.PrintProductGroup);
    cbPrice->setChecked(o.PrintPrice);
    cbBarcodeEAN->setChecked(o.PrintBarcodeEAN);
}

void TProductLabelPrintForm::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) {
        TrackBar1->setValue(0);
        MarginPanel->hide();
        setOptions(LoadLabelOptions());
    }
    QDialog::showEvent(e);
}

void TProductLabelPrintForm::prepare()
{
    const LabelOptions o = options();
    SaveLabelOptions(o);
    PrinterTitle = QStringLiteral("ProduktEtikett");
    PrintPreView = ProductPrintLabel(LabelProductOf(DataModule().ProductTable), o);
}

bool TProductLabelPrintForm::UtskriftClick()
{
    prepare();
    return LPTPrint();
}

void TProductLabelPrintForm::PreviewClick()
{
    prepare();
    ScreenPrint();
}

// ---- product list -----------------------------------------------------

TProductPrintForm::TProductPrintForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ProductPrintForm"));
    setWindowTitle(QStringLiteral("Utskrift vareliste"));
    auto* v = new QVBoxLayout(this);
    auto* f = new QFormLayout;
    ModeCombo = new QComboBox(this);
    for (int m = 1; m <= 5; ++m) ModeCombo->addItem(ProductListModeName(m));
    f->addRow(QStringLiteral("Utskrift av:"), ModeCombo);
    v->addLayout(f);
    cbBarCode = new QCheckBox(QStringLiteral("Ta med strekkode"), this);
    cbBarCodeEAN = new QCheckBox(QStringLiteral("Ta med EAN-nummer"), this);
    cbDoubleFeed = new QCheckBox(QStringLiteral("Dobbel linjeavstand"), this);
    cbFromStart = new QCheckBox(QStringLiteral("Skriv ut i fra start"), this);
    cbSeperatorLine = new QCheckBox(QStringLiteral("Streklinje mellom varer"), this);
    for (QCheckBox* c : {cbBarCode, cbBarCodeEAN, cbDoubleFeed, cbFromStart, cbSeperatorLine}) v->addWidget(c);
    auto* h = new QHBoxLayout;
    h->addStretch();
    Forhandsvis1 = button(QStringLiteral("Forhåndsvis"), this);
    Utskrift1 = button(QStringLiteral("&Utskrift"), this);
    Utskrift1->setDefault(true);
    h->addWidget(Forhandsvis1);
    h->addWidget(Utskrift1);
    v->addLayout(h);
    v->setSizeConstraint(QLayout::SetFixedSize);
    connect(cbBarCode, &QCheckBox::toggled, cbBarCodeEAN, &QWidget::setEnabled);
    connect(Utskrift1, &QPushButton::clicked, this, [this] { UtskriftClick(); });
    connect(Forhandsvis1, &QPushButton::clicked, this, [this] { PreviewClick(); });
}

ProductListOptions TProductPrintForm::options() const
{
    ProductListOptions o;
    o.Mode = ModeCombo->currentIndex() + 1;
    o.BarCode = cbBarCode->isChecked();
    o.BarCodeEAN = cbBarCodeEAN->isChecked();
    o.DoubleFeed = cbDoubleFeed->isChecked();
    o.FromStart = cbFromStart->isChecked();
    o.SeperatorLine = cbSeperatorLine->isChecked();
    return o;
}

void TProductPrintForm::setOptions(const ProductListOptions& o)
{
    ModeCombo->setCurrentIndex(std::clamp(o.Mode, 1, 5) - 1);
    cbBarCode->setChecked(o.BarCode);
    cbBarCodeEAN->setChecked(o.BarCodeEAN);
    cbBarCodeEAN->setEnabled(o.BarCode);
    cbDoubleFeed->setChecked(o.DoubleFeed);
    cbFromStart->setChecked(o.FromStart);
    cbSeperatorLine->setChecked(o.SeperatorLine);
}

void TProductPrintForm::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) {
        LoadWindow(this, QStringLiteral("ProductPrintForm"), QStringLiteral("OnlyPos"));
        setOptions(LoadProductListOptions());
    }
    QDialog::showEvent(e);
}

void TProductPrintForm::closeEvent(QCloseEvent* e)
{
    SaveWindow(this, QStringLiteral("ProductPrintForm"));
    QDialog::closeEvent(e);
}

void TProductPrintForm::prepare()
{
    const ProductListOptions o = options();
    SaveProductListOptions(o);
    PrinterTitle = ModeCombo->currentText();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    PrintPreView = ProductListPrint(DataModule().ProductTable, o);
    QApplication::restoreOverrideCursor();
}

bool TProductPrintForm::UtskriftClick()
{
    prepare();
    const bool ok = LPTPrint();
    SaveWindow(this, QStringLiteral("ProductPrintForm"));
    hide();
    return ok;
}

void TProductPrintForm::PreviewClick()
{
    prepare();
    SaveWindow(this, QStringLiteral("ProductPrintForm"));
    hide();
    ScreenPrint();
}

// ---- stock status -----------------------------------------------------

TProductStatusForm::TProductStatusForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ProductStatusForm"));
    setWindowTitle(QStringLiteral("Varelagerstatus"));
    auto* v = new QVBoxLayout(this);
    auto* g = new QGridLayout;
    g->setHorizontalSpacing(10);
    int row = 0;
    auto add = [&](const QString& caption, const QString& unit, bool grey) {
        auto* c = new QLabel(caption, this);
        auto* val = new QLabel(this);
        val->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        val->setMinimumWidth(110);
        val->setFrameShape(QFrame::StyledPanel);
        if (grey) {
            c->setStyleSheet(QStringLiteral("color: grey"));
            val->setStyleSheet(QStringLiteral("color: grey"));
        }
        g->addWidget(c, row, 0);
        g->addWidget(val, row, 1);
        g->addWidget(new QLabel(unit, this), row, 2);
        ++row;
        return val;
    };
    lFiltered = add(QStringLiteral("Varer i filterutvalg"), QStringLiteral("stk"), true);
    lFilteredCost = add(QStringLiteral("Kostpris filterutvalg"), QStringLiteral("Kr"), true);
    lAll = add(QStringLiteral("Varer i vareregisteret"), QStringLiteral("stk"), false);
    lFavourites = add(QStringLiteral("Favorittvarer"), QStringLiteral("stk"), false);
    lStockItems = add(QStringLiteral("Lagervare"), QStringLiteral("stk"), false);
    lInStock = add(QStringLiteral("Varer på lager"), QStringLiteral("stk"), false);
    lCostValue = add(QStringLiteral("Kostpris varelager"), QStringLiteral("Kr"), false);
    lStockValue = add(QStringLiteral("Varelagerverdi"), QStringLiteral("Kr"), false);
    lSaleValue = add(QStringLiteral("Salgsverdi varelager"), QStringLiteral("Kr"), false);
    v->addLayout(g);
    auto* h = new QHBoxLayout;
    h->addStretch();
    Forhandsvis1 = button(QStringLiteral("Forhåndsvis"), this);
    Utskrift1 = button(QStringLiteral("Utskrift"), this);
    h->addWidget(Forhandsvis1);
    h->addWidget(Utskrift1);
    v->addLayout(h);
    v->setSizeConstraint(QLayout::SetFixedSize);
    connect(Utskrift1, &QPushButton::clicked, this, [this] { UtskriftClick(); });
    connect(Forhandsvis1, &QPushButton::clicked, this, [this] { PreviewClick(); });
}

void TProductStatusForm::FormShow()
{
    TDatabaseModule& dm = DataModule();
    Dataset& p = dm.ProductTable;
    if (!filterSaved_) {
        savedFilter_ = p.filter();
        filterSaved_ = true;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    status_ = StockStatus();
    ComputeStockStatus(dm.MyConnection, p.tableName(), savedFilter_, status_);
    // While the window is open the list shows the products in stock.
    p.setFilter(QStringLiteral("instock>0"));
    dm.TableOpen(p, true, false);
    QApplication::restoreOverrideCursor();
    auto amount = [](double x) { return NorNum(x, 2); };
    lFiltered->setText(QString::number(status_.filtered));
    lFilteredCost->setText(amount(status_.filteredCost));
    lAll->setText(QString::number(status_.all));
    lFavourites->setText(QString::number(status_.favourites));
    lStockItems->setText(QString::number(status_.stockItems));
    lInStock->setText(QString::number(status_.inStock));
    lCostValue->setText(amount(status_.costValue));
    lStockValue->setText(amount(status_.stockValue));
    lSaleValue->setText(amount(status_.saleValue));
}

void TProductStatusForm::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) FormShow();
    QDialog::showEvent(e);
}

void TProductStatusForm::done(int r)
{
    if (filterSaved_) {
        TDatabaseModule& dm = DataModule();
        dm.ProductTable.setFilter(savedFilter_);
        if (dm.ProductTable.isOpen()) dm.TableOpen(dm.ProductTable, true, false);
        filterSaved_ = false;
    }
    QDialog::done(r);
}

bool TProductStatusForm::UtskriftClick()
{
    PrinterTitle = QStringLiteral("Varelagerstatus");
    PrintPreView = ProductStatusPrint(status_, PrinterTitle);
    const bool ok = LPTPrint();
    done(QDialog::Accepted);
    return ok;
}

void TProductStatusForm::PreviewClick()
{
    PrinterTitle = QStringLiteral("Varelagerstatus");
    PrintPreView = ProductStatusPrint(status_, PrinterTitle);
    done(QDialog::Accepted);
    ScreenPrint();
}
