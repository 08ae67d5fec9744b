#include "products/priceforms.h"

#include "core/dialogs.h"
#include "core/felles.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "data/datamodule.h"
#include "data/ordertotals.h"
#include "ui/windowregistry.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QSpinBox* positionSpin(int value)
{
    auto* s = new QSpinBox;
    s->setRange(1, kMaxImportLine);
    s->setValue(value);
    s->setFixedWidth(70);
    return s;
}

QString chooseFile(QWidget* parent, const QString& current)
{
    const QString start = current.isEmpty() ? TrelvoPath(QStringLiteral("import")) : current;
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Veg importfil"), start,
                                        QStringLiteral("Tekstfiler (*.txt *.TXT);;Alle filer (*)"));
}

void showReport(QPlainTextEdit* memo, const ImportReport& r, bool test)
{
    QStringList lines;
    lines << (test ? QStringLiteral("Test (ingenting er lagret): ") : QString()) + r.summary();
    if (!r.note.isEmpty()) lines << r.note;
    for (const QString& s : r.skippedLines) lines << QStringLiteral("Hoppet over ") + s;
    memo->setPlainText(lines.join(QLatin1Char('\n')));
}

void refreshProducts()
{
    TDatabaseModule& dm = DataModule();
    if (dm.ProductTable.isOpen()) dm.ProductTable.refresh();
}

} // namespace

int CurrentSupplierId()
{
    const Dataset& c = DataModule().CompanyTable;
    return c.isOpen() && !c.isEmpty() ? int(c.currentId()) : 0;
}

QString CurrentSupplierName()
{
    const Dataset& c = DataModule().CompanyTable;
    return c.isOpen() && !c.isEmpty() ? c.asString(QStringLiteral("companyname")) : QString();
}

// ---- Prisoppdatering --------------------------------------------------------

TProductPriceUpdateForm::TProductPriceUpdateForm(QWidget* parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("ProductPriceUpdateForm"));
    setWindowTitle(QStringLiteral("Prisoppdatering"));
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(4);
    int row = 0;
    // Numbers only: digits with one comma or point.
    auto* number = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?\\d{0,12}([.,]\\d{0,6})?")), this);
    auto add = [&](QCheckBox*& box, QLineEdit*& edit, const QString& caption, const QString& hint, bool isNumber) {
        box = new QCheckBox(caption);
        edit = new QLineEdit(isNumber ? QStringLiteral("0") : QString());
        edit->setFixedWidth(110);
        if (isNumber) edit->setValidator(number);
        grid->addWidget(box, row, 0);
        grid->addWidget(edit, row, 1);
        if (!hint.isEmpty()) grid->addWidget(new QLabel(hint), row, 2);
        QCheckBox* b = box;
        connect(edit, &QLineEdit::textEdited, this, [b] { b->setChecked(true); });
        ++row;
    };
    add(CostBox, CostEdit, QStringLiteral("Juster innpris (%)"), QString(), true);
    add(DiscountBox, DiscountEdit, QStringLiteral("Sett rabatt i %"), QString(), true);
    add(DirectCostBox, DirectCostEdit, QStringLiteral("Sett direktekostnad"), QStringLiteral("Kr"), true);
    add(FreightBox, FreightEdit, QStringLiteral("Sett frakt i kroner"), QStringLiteral("Kr"), true);
    add(AddPercentBox, AddPercentEdit, QStringLiteral("Sett påslag i %"), QString(), true);
    add(AddSumBox, AddSumEdit, QStringLiteral("Sett påslag i kroner"), QStringLiteral("Kr"), true);
    add(VatBox, VatEdit, QStringLiteral("Sett momskode"), QString(), true);
    add(GroupBox, GroupEdit, QStringLiteral("Gjelder varegruppe"), QString(), false);
    VendorBox = new QCheckBox(QStringLiteral("Gjelder leverandør"));
    VendorLabel = new QLabel;
    grid->addWidget(VendorBox, row, 0);
    grid->addWidget(VendorLabel, row, 1, 1, 2);
    BitBtn1 = new QPushButton(QStringLiteral("Oppdater priser"));
    RecalcButton = new QPushButton(QStringLiteral("Rekalkuler alle varer"));
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(RecalcButton, &QPushButton::clicked, this, &TProductPriceUpdateForm::RecalcClick);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn1);
    buttons->addWidget(RecalcButton);
    auto* v = new QVBoxLayout(this);
    v->addLayout(grid);
    v->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(420, 0)));
}

PriceUpdate TProductPriceUpdateForm::update() const
{
    PriceUpdate u;
    u.raiseCost = CostBox->isChecked();
    u.costPercent = CostEdit->text();
    u.setDiscount = DiscountBox->isChecked();
    u.discount = DiscountEdit->text();
    u.setDirectCost = DirectCostBox->isChecked();
    u.directCost = DirectCostEdit->text();
    u.setFreight = FreightBox->isChecked();
    u.freight = FreightEdit->text();
    u.setAddPercent = AddPercentBox->isChecked();
    u.addPercent = AddPercentEdit->text();
    u.setAddSum = AddSumBox->isChecked();
    u.addSum = AddSumEdit->text();
    u.setVatCode = VatBox->isChecked();
    u.vatCode = VatEdit->text();
    u.forGroup = GroupBox->isChecked();
    u.group = GroupEdit->text().trimmed();
    u.forVendor = VendorBox->isChecked();
    u.vendorId = CurrentSupplierId();
    return u;
}

bool TProductPriceUpdateForm::BitBtn1Click()
{
    const PriceUpdate u = update();
    if (u.forVendor && u.vendorId <= 0) {
        CurrentDialogs()->ShowMessage(QStringLiteral("Velg leverandøren i firmalisten først."), QStringLiteral("Feil"));
        return false;
    }
    QString error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int n = RunPriceUpdate(DataModule().MyConnection, u, error);
    QApplication::restoreOverrideCursor();
    if (n < 0) {
        CurrentDialogs()->ShowMessage(error, QStringLiteral("Feil"));
        return false;
    }
    refreshProducts();
    CurrentDialogs()->ShowMessage(QStringLiteral("%1 varer er endret. Kjør «Rekalkuler alle varer» for nye utpriser.").arg(n),
                                  QStringLiteral("Prisoppdatering"));
    return true;
}

void TProductPriceUpdateForm::RecalcClick()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    UpdateAllProducts(DataModule());
    QApplication::restoreOverrideCursor();
}

void TProductPriceUpdateForm::showEvent(QShowEvent* e)
{
    const QString name = CurrentSupplierName();
    VendorLabel->setText(name.isEmpty() ? QStringLiteral("(ingen valgt i firmalisten)") : name);
    VendorBox->setEnabled(!name.isEmpty());
    QWidget::showEvent(e);
}

// ---- Importer prisliste ----------------------------------------------------

TProductImportForm::TProductImportForm(QWidget* parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("ProductImportForm"));
    setWindowTitle(QStringLiteral("Importer prisliste"));
    FileEdit = new QLineEdit;
    auto* browse = new QToolButton;
    browse->setText(QStringLiteral("..."));
    connect(browse, &QToolButton::clicked, this, [this] {
        const QString f = chooseFile(this, FileEdit->text());
        if (f.isEmpty()) return;
        FileEdit->setText(f);
        CheckFile();
    });
    connect(FileEdit, &QLineEdit::editingFinished, this, &TProductImportForm::CheckFile);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(new QLabel(QStringLiteral("Filnavn:")));
    fileRow->addWidget(FileEdit, 1);
    fileRow->addWidget(browse);

    const PriceListLayout d;
    auto* pos = new QGroupBox(QStringLiteral("Feltposisjoner:"));
    auto* pg = new QGridLayout(pos);
    pg->addWidget(new QLabel(QStringLiteral("Pos.")), 0, 1);
    pg->addWidget(new QLabel(QStringLiteral("Lengd")), 0, 2);
    pg->addWidget(new QLabel(QStringLiteral("Forhåndsvisning av første linje")), 0, 3);
    int r = 1;
    auto field = [&](const QString& label, FieldPos def, QSpinBox*& p, QSpinBox*& l, QLineEdit*& preview) {
        p = positionSpin(def.pos);
        l = positionSpin(def.len);
        preview = new QLineEdit;
        preview->setReadOnly(true);
        preview->setFocusPolicy(Qt::NoFocus);
        pg->addWidget(new QLabel(label), r, 0);
        pg->addWidget(p, r, 1);
        pg->addWidget(l, r, 2);
        pg->addWidget(preview, r, 3);
        for (QSpinBox* s : {p, l}) connect(s, &QSpinBox::valueChanged, this, &TProductImportForm::CheckFile);
        ++r;
    };
    field(QStringLiteral("Varenummer:"), d.code, CodePos, CodeLen, CodePreview);
    field(QStringLiteral("Varetekst:"), d.text, TextPos, TextLen, TextPreview);
    field(QStringLiteral("Pris:"), d.price, PricePos, PriceLen, PricePreview);
    field(QStringLiteral("Enhet:"), d.unit, UnitPos, UnitLen, UnitPreview);
    field(QStringLiteral("Gruppe:"), d.group, GroupPos, GroupLen, GroupPreview);
    pg->setColumnStretch(3, 1);

    auto* options = new QGroupBox(QStringLiteral("Importvalg:"));
    auto* ov = new QVBoxLayout(options);
    OptionGroup = new QButtonGroup(this);
    const char* captions[] = {"Oppdater priser på eksisterende", "Oppdater priser på eksisterende, og legg til nye",
                              "Importer alle på nytt"};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QRadioButton(QString::fromUtf8(captions[i]));
        OptionGroup->addButton(b, i);
        ov->addWidget(b);
    }
    OptionGroup->button(0)->setChecked(true);

    SupplierLabel = new QLabel;
    TestButton = new QPushButton(QStringLiteral("Test"));
    ImportButton = new QPushButton(QStringLiteral("Importer"));
    RecalcButton = new QPushButton(QStringLiteral("Rekalkuler alle varer"));
    connect(TestButton, &QPushButton::clicked, this, [this] { ImportProduct(true); });
    connect(ImportButton, &QPushButton::clicked, this, [this] { ImportProduct(false); });
    connect(RecalcButton, &QPushButton::clicked, this, [] {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        UpdateAllProducts(DataModule());
        QApplication::restoreOverrideCursor();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(TestButton);
    buttons->addWidget(ImportButton);
    buttons->addWidget(RecalcButton);
    buttons->addStretch(1);
    ResultMemo = new QPlainTextEdit;
    ResultMemo->setReadOnly(true);
    ResultMemo->setFixedHeight(90);

    auto* v = new QVBoxLayout(this);
    v->addLayout(fileRow);
    v->addWidget(pos);
    v->addWidget(options);
    auto* sup = new QHBoxLayout;
    sup->addWidget(new QLabel(QStringLiteral("Leverandør:")));
    sup->addWidget(SupplierLabel, 1);
    v->addLayout(sup);
    v->addLayout(buttons);
    v->addWidget(ResultMemo);
    resize(620, sizeHint().height());
}

PriceListLayout TProductImportForm::layout() const
{
    PriceListLayout l;
    l.code = {CodePos->value(), CodeLen->value()};
    l.text = {TextPos->value(), TextLen->value()};
    l.price = {PricePos->value(), PriceLen->value()};
    l.unit = {UnitPos->value(), UnitLen->value()};
    l.group = {GroupPos->value(), GroupLen->value()};
    return l;
}

void TProductImportForm::CheckFile()
{
    for (QLineEdit* e : {CodePreview, TextPreview, PricePreview, UnitPreview, GroupPreview}) e->clear();
    QStringList lines;
    QString error;
    if (FileEdit->text().trimmed().isEmpty() || !ReadImportFile(FileEdit->text().trimmed(), lines, error)) {
        ResultMemo->setPlainText(error);
        return;
    }
    QString first;
    for (const QString& l : lines)
        if (!l.trimmed().isEmpty()) {
            first = l;
            break;
        }
    // The same cut as the import makes.
    const PriceLine p = ParsePriceLine(first, layout());
    CodePreview->setText(p.code);
    TextPreview->setText(p.text);
    PricePreview->setText(p.problem.isEmpty() ? NorNum(p.price.toDouble(), 2) : p.problem);
    UnitPreview->setText(p.unit);
    GroupPreview->setText(p.group);
    ResultMemo->clear();
}

bool TProductImportForm::ImportProduct(bool test)
{
    const QString file = FileEdit->text().trimmed();
    if (file.isEmpty()) return false;
    const int supplier = CurrentSupplierId();
    ImportReport r;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = ImportPriceList(DataModule().MyConnection, file, layout(), PriceImportMode(OptionGroup->checkedId()),
                                    supplier, test, r);
    QApplication::restoreOverrideCursor();
    if (!ok) {
        ResultMemo->setPlainText(r.error);
        CurrentDialogs()->ShowMessage(r.error, QStringLiteral("Feil"));
        return false;
    }
    showReport(ResultMemo, r, test);
    if (!test) refreshProducts();
    return true;
}

void TProductImportForm::showEvent(QShowEvent* e)
{
    const QString name = CurrentSupplierName();
    SupplierLabel->setText(name.isEmpty() ? QStringLiteral("(ingen valgt i firmalisten)") : name);
    QWidget::showEvent(e);
}

// ---- Importer rabattliste --------------------------------------------------

TProductImportDiscountForm::TProductImportDiscountForm(QWidget* parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("ProductImportDiscountForm"));
    setWindowTitle(QStringLiteral("Importer rabattliste"));
    FileEdit = new QLineEdit;
    auto* browse = new QToolButton;
    browse->setText(QStringLiteral("..."));
    connect(browse, &QToolButton::clicked, this, [this] {
        const QString f = chooseFile(this, FileEdit->text());
        if (!f.isEmpty()) FileEdit->setText(f);
    });
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(new QLabel(QStringLiteral("Filnavn:")));
    fileRow->addWidget(FileEdit, 1);
    fileRow->addWidget(browse);

    const DiscountListLayout d;
    auto* pos = new QGroupBox(QStringLiteral("Feltposisjoner:"));
    auto* pg = new QGridLayout(pos);
    pg->addWidget(new QLabel(QStringLiteral("Pos.")), 0, 1);
    pg->addWidget(new QLabel(QStringLiteral("Lengd")), 0, 2);
    int r = 1;
    auto field = [&](const QString& label, FieldPos def, QSpinBox*& p, QSpinBox*& l) {
        p = positionSpin(def.pos);
        l = positionSpin(def.len);
        pg->addWidget(new QLabel(label), r, 0);
        pg->addWidget(p, r, 1);
        pg->addWidget(l, r, 2);
        ++r;
    };
    field(QStringLiteral("Varenummer:"), d.code, CodePos, CodeLen);
    field(QStringLiteral("Rabatt:"), d.discount, DiscountPos, DiscountLen);
    field(QStringLiteral("Type"), d.type, TypePos, TypeLen);
    field(QStringLiteral("Gruppe:"), d.group, GroupPos, GroupLen);
    pg->setColumnStretch(3, 1);
    ImportButton = new QPushButton(QStringLiteral("Importer rabattliste"));
    connect(ImportButton, &QPushButton::clicked, this, [this] { ImportClick(); });
    ResultMemo = new QPlainTextEdit;
    ResultMemo->setReadOnly(true);
    ResultMemo->setFixedHeight(80);
    auto* v = new QVBoxLayout(this);
    v->addLayout(fileRow);
    v->addWidget(pos);
    v->addWidget(ImportButton, 0, Qt::AlignLeft);
    v->addWidget(ResultMemo);
    resize(460, sizeHint().height());
}

DiscountListLayout TProductImportDiscountForm::layout() const
{
    DiscountListLayout l;
    l.code = {CodePos->value(), CodeLen->value()};
    l.discount = {DiscountPos->value(), DiscountLen->value()};
    l.type = {TypePos->value(), TypeLen->value()};
    l.group = {GroupPos->value(), GroupLen->value()};
    return l;
}

bool TProductImportDiscountForm::ImportClick()
{
    const QString file = FileEdit->text().trimmed();
    if (file.isEmpty()) return false;
    ImportReport r;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = ImportDiscountList(DataModule().MyConnection, file, layout(), r);
    // Costs and prices were recalculated with the discounts; the list shows them.
    if (ok && DataModule().ProductTable.isOpen()) DataModule().ProductTable.refresh();
    QApplication::restoreOverrideCursor();
    if (!ok) {
        ResultMemo->setPlainText(r.error);
        CurrentDialogs()->ShowMessage(r.error, QStringLiteral("Feil"));
        return false;
    }
    showReport(ResultMemo, r, false);
    return true;
}
