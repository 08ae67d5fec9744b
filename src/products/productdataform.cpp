#include "products/productdataform.h"

#include "core/sysreg.h"
#include "core/textfil.h"
#include "data/datamodule.h"
#include "print/barcode.h"
#include "ui/listform.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QMenu>
#include <QPainter>
#include <QToolButton>

// ---- barcode image ----------------------------------------------------

TBarcodeImage::TBarcodeImage(QWidget* parent) : QLabel(parent)
{
    setFixedSize(240, 80);
    setAlignment(Qt::AlignCenter);
    setStyleSheet(QStringLiteral("background: white"));
}

void TBarcodeImage::setCode(const QString& productCode)
{
    if (productCode == code_ && !pixmap().isNull()) return;
    code_ = productCode;
    redraw();
}

void TBarcodeImage::redraw()
{
    const ProductBarcode b = MakeProductBarcode(code_);
    QPixmap pm(size());
    pm.fill(Qt::white);
    QPainter p(&pm);
    QFont f(QStringLiteral("Tahoma"));
    f.setPointSize(8);
    p.setFont(f);
    if (b.symbol.ok) {
        shown_ = b.fullEncoded;
        DrawCode128(p, QRectF(4, 4, width() - 8, height() - 8), b.symbol, b.fullEncoded);
    } else {
        shown_ = b.symbol.error;
        p.drawText(rect().adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap, b.symbol.error);
    }
    p.end();
    setPixmap(pm);
}

// ---- record window ----------------------------------------------------

TProductDataForm::TProductDataForm(QWidget* parent) : TDataForm(parent)
{
    setObjectName(QStringLiteral("ProductDataForm"));
    setWindowTitle(QStringLiteral("Varedata"));
    placementKey = QStringLiteral("ProductDataForm");
    captionPrefix = QStringLiteral("Varedata [");
    TDatabaseModule& dm = DataModule();
    Dataset* ds = &dm.ProductTable;

    // Panel 1: texts and prices. Kostpris and Utpris come from the price
    // basis when the product is saved, so they are shown, not typed.
    ProductCodeEdit = new TDBEdit(ds, QStringLiteral("productcode"));
    {
        QFont f = ProductCodeEdit->font();
        f.setBold(true);
        ProductCodeEdit->setFont(f);
    }
    EANEdit = new TDBEdit(ds, QStringLiteral("EAN"));
    ProductGroupEdit = new TDBEdit(ds, QStringLiteral("productgroup"));
    ProductTextEdit = new TDBEdit(ds, QStringLiteral("producttext"));
    InternalTextMemo = new TDBMemo(ds, QStringLiteral("internaltext"));
    InternalTextMemo->setFixedHeight(60);
    RealCostEdit = new TDBEdit(ds, QStringLiteral("real_cost"));
    RealCostEdit->setReadOnly(true);
    RealCostEdit->setToolTip(QStringLiteral("Regnes ut fra innpris, rabatt, frakt og direkte kostnad når varen lagres"));
    PriceEdit = new TDBEdit(ds, QStringLiteral("price"));
    PriceEdit->setReadOnly(true);
    PriceEdit->setToolTip(QStringLiteral("Regnes ut fra innpris og påslag når varen lagres"));
    for (TDBEdit* e : {RealCostEdit, PriceEdit}) e->setFocusPolicy(Qt::ClickFocus);
    PieceEdit = new TDBEdit(ds, QStringLiteral("piece"));
    PieceEdit->setFixedWidth(70);
    SaleBox = new TDBCheckBox(QStringLiteral("På salg"), ds, QStringLiteral("sale"));
    WebBox = new TDBCheckBox(QStringLiteral("I nettbutikken"), ds, QStringLiteral("web"));
    FavoriteBox = new TDBCheckBox(QStringLiteral("Favoritt"), ds, QStringLiteral("user_favorite"));
    PublishedBox = new TDBCheckBox(QStringLiteral("Publisert"), ds, QStringLiteral("rwx_all"));
    PublishedBox->setValues(5, 0);
    auto* boxes = new QWidget;
    {
        auto* g = new QGridLayout(boxes);
        g->setContentsMargins(0, 2, 0, 2);
        g->setVerticalSpacing(2);
        g->addWidget(SaleBox, 0, 0);
        g->addWidget(WebBox, 0, 1);
        g->addWidget(FavoriteBox, 1, 0);
        g->addWidget(PublishedBox, 1, 1);
    }
    addFieldPanel({{QStringLiteral("Varenummer:"), ProductCodeEdit},
                   {QStringLiteral("EAN:"), EANEdit},
                   {QStringLiteral("Varegruppe:"), ProductGroupEdit},
                   {QStringLiteral("Varenavn:"), ProductTextEdit},
                   {QString(), InternalTextMemo},
                   {QStringLiteral("Kostpris:"), RealCostEdit},
                   {QStringLiteral("Utpris:"), PriceEdit},
                   {QStringLiteral("Enhet:"), PieceEdit},
                   {QString(), boxes}});

    // Panel 2: the price basis and the suppliers.
    CostEdit = new TDBEdit(ds, QStringLiteral("cost"));
    DiscountEdit = new TDBEdit(ds, QStringLiteral("discount"));
    DirectCostEdit = new TDBEdit(ds, QStringLiteral("direct_cost"));
    FreightEdit = new TDBEdit(ds, QStringLiteral("freight"));
    AddPercentEdit = new TDBEdit(ds, QStringLiteral("addpercent"));
    AddSumEdit = new TDBEdit(ds, QStringLiteral("addsum"));
    VatCodeEdit = new TDBEdit(ds, QStringLiteral("vatcode"));
    VatCodeEdit->setFixedWidth(50);
    LastPriceUpdateEdit = new TDBDateEdit(ds, QStringLiteral("lastpriceupdate"));
    LastPriceUpdateEdit->setReadOnly(true);
    VendorCombo = new TDBLookupComboBox;
    VendorCombo->setListSource(&dm.CompanyTable, QStringLiteral("id"), QStringLiteral("companyname"));
    VendorCombo->setField(ds, QStringLiteral("vendor"));
    VendorIdEdit = new TDBEdit(ds, QStringLiteral("vendorid"));
    VendorIdEdit->setFixedWidth(110);
    Vendor2Combo = new TDBLookupComboBox;
    Vendor2Combo->setListSource(&dm.CompanyTable, QStringLiteral("id"), QStringLiteral("companyname"));
    Vendor2Combo->setField(ds, QStringLiteral("vendor2"));
    VendorId2Edit = new TDBEdit(ds, QStringLiteral("vendorid2"));
    VendorId2Edit->setFixedWidth(110);
    addFieldPanel({{QStringLiteral("Innpris:"), CostEdit},
                   {QStringLiteral("Rabatt %:"), DiscountEdit},
                   {QStringLiteral("Direkte kost.:"), DirectCostEdit},
                   {QStringLiteral("Frakt:"), FreightEdit},
                   {QStringLiteral("Påslag %:"), AddPercentEdit},
                   {QStringLiteral("Påslag kr.:"), AddSumEdit},
                   {QStringLiteral("Momskode:"), VatCodeEdit},
                   {QStringLiteral("Oppdatert:"), LastPriceUpdateEdit},
                   {QStringLiteral("Hovedleverandør:"), VendorCombo},
                   {QStringLiteral("Varenummer:"), VendorIdEdit},
                   {QStringLiteral("Alternativ leverandør:"), Vendor2Combo},
                   {QStringLiteral("Varenummer:"), VendorId2Edit}});

    // Panel 3: stock, with the barcode.
    InSaleEdit = new TDBEdit(ds, QStringLiteral("insale"));
    InOrderEdit = new TDBEdit(ds, QStringLiteral("inorder"));
    InStockEdit = new TDBEdit(ds, QStringLiteral("instock"));
    MinStockEdit = new TDBEdit(ds, QStringLiteral("minstock"));
    MaxStockEdit = new TDBEdit(ds, QStringLiteral("maxstock"));
    FirstSaleEdit = new TDBDateEdit(ds, QStringLiteral("firstsale"));
    LastOrderEdit = new TDBDateEdit(ds, QStringLiteral("lastorder"));
    LastSaleEdit = new TDBDateEdit(ds, QStringLiteral("lastsale"));
    ValueEdit = new TDBEdit(ds, QStringLiteral("value"));
    OwnProductionBox = new TDBCheckBox(QStringLiteral("Egenprodusert"), ds, QStringLiteral("ownproduction"));
    LocationEdit = new TDBEdit(ds, QStringLiteral("location"));
    LocationPosEdit = new TDBEdit(ds, QStringLiteral("locationpos"));
    InternalWorkEdit = new TDBEdit(ds, QStringLiteral("internalwork"));
    BarcodeImage = new TBarcodeImage;
    BarcodeImage->setObjectName(QStringLiteral("BarcodeImage"));
    // Two columns: the quantities on the left, dates and place on the right.
    auto* p3 = new QWidget;
    {
        auto* g = new QGridLayout(p3);
        g->setContentsMargins(8, 6, 8, 6);
        g->setVerticalSpacing(4);
        const std::pair<const char*, QWidget*> left[] = {
            {"I ordre:", InSaleEdit},         {"I bestilling:", InOrderEdit}, {"På lager:", InStockEdit},
            {"Min. på lager:", MinStockEdit}, {"Max. på lager:", MaxStockEdit}, {"Kuranse %:", ValueEdit},
            {"Arbeid:", InternalWorkEdit}};
        const std::pair<const char*, QWidget*> right[] = {{"Først inn på lager:", FirstSaleEdit},
                                                          {"Sist inn på lager:", LastOrderEdit},
                                                          {"Sist ut fra lager:", LastSaleEdit},
                                                          {"Lagerlokasjon:", LocationEdit},
                                                          {"Lagerposisjon:", LocationPosEdit}};
        int row = 0;
        for (const auto& [label, w] : left) {
            auto* l = new QLabel(QString::fromUtf8(label));
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            g->addWidget(l, row, 0);
            g->addWidget(w, row++, 1);
        }
        row = 0;
        for (const auto& [label, w] : right) {
            auto* l = new QLabel(QString::fromUtf8(label));
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            g->addWidget(l, row, 2);
            g->addWidget(w, row++, 3);
        }
        g->addWidget(OwnProductionBox, row, 3);
        g->addWidget(BarcodeImage, 7, 0, 1, 4, Qt::AlignHCenter);
        g->setColumnStretch(1, 1);
        g->setColumnStretch(3, 1);
        for (QWidget* w : {InSaleEdit, InOrderEdit, InStockEdit, MinStockEdit, MaxStockEdit, ValueEdit, InternalWorkEdit})
            w->setMinimumWidth(80);
    }
    addPanel(p3);

    setDataset(ds);
    setClientWidth(540);
    setFocusProxy(ProductCodeEdit);

    PopupMenu1->addSeparator();
    Etikett1 = addMenuItem(QStringLiteral("Utskrift av Etikett"), [] { Windows().show<TProductLabelPrintForm>(); },
                           QKeySequence(Qt::Key_F8));
    TekniskInfo1 = addMenuItem(QStringLiteral("Teknisk informasjon"), [] { Windows().show<TProductTecDataForm>(); });
    Dokumenter1 = addMenuItem(QStringLiteral("Dokumenter"), [this] {
        if (dataset()) TListForm::ShowDocuments(QStringLiteral("document.productid="), dataset()->currentId());
    });
    connect(PopupMenu1, &QMenu::aboutToShow, this, [this] {
        Etikett1->setEnabled(Windows().has<TProductLabelPrintForm>());
        TekniskInfo1->setEnabled(Windows().has<TProductTecDataForm>());
        Dokumenter1->setEnabled(Windows().has<TDocumentListForm>());
    });

    // The barcode follows the product code: another row, a saved or
    // typed code.
    connect(ds, &Dataset::currentChanged, this, &TProductDataForm::followCode);
    connect(ds, &Dataset::rowChanged, this, &TProductDataForm::followCode);
    connect(ds, &Dataset::rowsReset, this, &TProductDataForm::followCode);
    connect(ProductCodeEdit, &QLineEdit::textChanged, this, [this](const QString& t) { BarcodeImage->setCode(t); });
}

void TProductDataForm::followCode()
{
    Dataset* ds = dataset();
    BarcodeImage->setCode(ds && ds->isOpen() && !ds->isEmpty() ? ds->asString(QStringLiteral("productcode")) : QString());
}

void TProductDataForm::FormShow()
{
    TDataForm::FormShow();
    followCode();
    ProductCodeEdit->setFocus();
}

// ---- technical data ---------------------------------------------------

TProductTecDataForm::TProductTecDataForm(QWidget* parent) : TDataForm(parent)
{
    setObjectName(QStringLiteral("ProductTecDataForm"));
    setWindowTitle(QStringLiteral("Teknisk produktinformasjon"));
    placementKey = QStringLiteral("ProductTecDataForm");
    onlyPosition = true;
    keepSlider = false;
    Dataset* ds = &DataModule().ProductTable;

    DrawingEdit = new TDBEdit(ds, QStringLiteral("drawing"));
    DrawingButton = smallButton(QStringLiteral("..."), QStringLiteral("Velg tegningsfil"),
                                [this] { chooseFile(QStringLiteral("drawing"), false); });
    FolderEdit = new TDBEdit(ds, QStringLiteral("folder"));
    FolderButton = smallButton(QStringLiteral("..."), QStringLiteral("Velg mappe"), [this] {
        Dataset* d = dataset();
        if (!d || !d->isOpen() || d->isEmpty()) return;
        QString start = d->asString(QStringLiteral("folder"));
        if (start.isEmpty()) {
            MainIniSection s(QStringLiteral("STANDARD"));
            start = GetRegStr(QStringLiteral("DOC_LOCAL"));
        }
        QString chosen = HentdirStr(start);
        if (chosen.isEmpty()) return;
        if (!chosen.endsWith(QLatin1Char('/')) && !chosen.endsWith(QLatin1Char('\\'))) chosen += QLatin1Char('/');
        d->setValue(QStringLiteral("folder"), chosen);
    });
    HeightEdit = new TDBEdit(ds, QStringLiteral("height"));
    WidthEdit = new TDBEdit(ds, QStringLiteral("width"));
    DeepthEdit = new TDBEdit(ds, QStringLiteral("deepth"));
    VolumeEdit = new TDBEdit(ds, QStringLiteral("volume"));
    WeightEdit = new TDBEdit(ds, QStringLiteral("weight"));
    StandardEdit = new TDBEdit(ds, QStringLiteral("standard"));
    RequirementEdit = new TDBEdit(ds, QStringLiteral("requirement"));
    PictureEdit = new TDBEdit(ds, QStringLiteral("picture"));
    PictureButton = smallButton(QStringLiteral("..."), QStringLiteral("Velg bildefil"),
                                [this] { chooseFile(QStringLiteral("picture"), true); });
    Image1 = new QLabel;
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(200, 150);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setFrameShape(QFrame::StyledPanel);
    NoteMemo = new TDBMemo(ds, QStringLiteral("object_text"));
    NoteMemo->setFixedHeight(70);
    addFieldPanel({{QStringLiteral("Tegningsfil:"), withButton(DrawingEdit, DrawingButton)},
                   {QStringLiteral("Mappe:"), withButton(FolderEdit, FolderButton)},
                   {QStringLiteral("Høyde:"), HeightEdit},
                   {QStringLiteral("Bredde:"), WidthEdit},
                   {QStringLiteral("Dybde:"), DeepthEdit},
                   {QStringLiteral("Volum:"), VolumeEdit},
                   {QStringLiteral("Vekt:"), WeightEdit},
                   {QStringLiteral("Standard:"), StandardEdit},
                   {QStringLiteral("Systemkrav:"), RequirementEdit},
                   {QStringLiteral("Bildefil:"), withButton(PictureEdit, PictureButton)},
                   {QString(), Image1},
                   {QString(), NoteMemo}});
    setDataset(ds);
    setClientWidth(420);

    // The picture is read when the row or its stored name changes.
    connect(ds, &Dataset::currentChanged, this, [this] { LoadPicture(); });
    connect(ds, &Dataset::rowChanged, this, [this] { LoadPicture(); });
    connect(ds, &Dataset::rowsReset, this, [this] { LoadPicture(); });
}

QString TProductTecDataForm::PictureFile(const QString& stored)
{
    QString name = stored.trimmed();
    if (name.isEmpty()) return {};
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QFileInfo(name).isAbsolute()) return QDir::cleanPath(name);
    QString base;
    {
        MainIniSection s(QStringLiteral("STANDARD"));
        base = GetRegStr(QStringLiteral("DOC_LOCAL"));
    }
    if (base.isEmpty()) base = TrelvoPath(QStringLiteral("doc"));
    base.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString root = QDir::cleanPath(base);
    const QString full = QDir::cleanPath(root + QLatin1Char('/') + name);
    // A stored name never leads out of the document folder.
    if (!full.startsWith(root + QLatin1Char('/'))) return {};
    return full;
}

bool TProductTecDataForm::LoadPicture()
{
    if (!isVisible()) return false;
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || ds->isEmpty()) return false;
    {
        MainIniSection s(QStringLiteral("STANDARD"));
        if (!GetRegBoolean(QStringLiteral("DOC_URL_USEIMAGES"))) return false;
    }
    const QString stored = ds->asString(QStringLiteral("picture"));
    if (stored.trimmed().isEmpty()) {
        // A product without a picture shows none.
        loaded_.clear();
        Image1->clear();
        return false;
    }
    const QString file = PictureFile(stored);
    if (file.isEmpty() || file == loaded_) return false;
    if (!QFileInfo::exists(file)) return false;  // the image stays as it was
    ++reads_;
    QImageReader reader(file);
    reader.setAutoTransform(true);
    const QImage img = reader.read();
    if (img.isNull()) {
        LogLine(QStringLiteral("ADVARSEL: kan ikke lese bildet ") + file + QStringLiteral(": ") + reader.errorString());
        return false;
    }
    loaded_ = file;
    Image1->setPixmap(QPixmap::fromImage(img.scaled(Image1->size() - QSize(4, 4), Qt::KeepAspectRatio,
                                                    Qt::SmoothTransformation)));
    return true;
}

void TProductTecDataForm::chooseFile(const QString& field, bool picture)
{
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || ds->isEmpty()) return;
    QString start;
    {
        MainIniSection s(QStringLiteral("STANDARD"));
        start = GetRegStr(QStringLiteral("DOC_LOCAL"));
    }
    const QString file = picture
                             ? QFileDialog::getOpenFileName(this, QStringLiteral("Velg bilde"), start,
                                                            QStringLiteral("Bilder (*.png *.jpg *.jpeg *.gif *.bmp)"))
                             : QFileDialog::getOpenFileName(this, QStringLiteral("Velg fil"), start);
    if (file.isEmpty()) return;
    // Inside the document folder the name is stored relative to it.
    QString stored = file;
    if (!start.isEmpty()) {
        const QString root = QDir::cleanPath(start) + QLatin1Char('/');
        if (file.startsWith(root)) stored = file.mid(root.size());
    }
    ds->setValue(field, stored);
}

void TProductTecDataForm::FormShow()
{
    TDataForm::FormShow();
    loaded_.clear();
    LoadPicture();
}
