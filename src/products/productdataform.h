#pragma once
// The product record window (TProductDataForm, "Varedata [id]") over the
// shared product dataset: texts and prices, the price basis and suppliers,
// the stock figures with the product's barcode; and the technical data
// window (TProductTecDataForm, "Teknisk produktinformasjon") with the
// measures and the picture, drawing and folder of the product.
#include "ui/dataform.h"

#include <QLabel>

class QToolButton;

// The product's barcode drawn on a label: redrawn when the product code
// changes, with the code and check digit below, or the reason there is
// no barcode.
class TBarcodeImage : public QLabel {
    Q_OBJECT
public:
    explicit TBarcodeImage(QWidget* parent = nullptr);
    void setCode(const QString& productCode);
    QString code() const { return code_; }
    QString shownText() const { return shown_; }  // the text under the bars, or the reason

private:
    void redraw();
    QString code_, shown_;
};

class TProductDataForm : public TDataForm {
    Q_OBJECT
public:
    explicit TProductDataForm(QWidget* parent = nullptr);

    // Panel 1
    TDBEdit *ProductCodeEdit, *EANEdit, *ProductGroupEdit, *ProductTextEdit, *RealCostEdit, *PriceEdit, *PieceEdit;
    TDBMemo* InternalTextMemo;
    TDBCheckBox *SaleBox, *WebBox, *FavoriteBox, *PublishedBox;
    // Panel 2
    TDBEdit *CostEdit, *DiscountEdit, *DirectCostEdit, *FreightEdit, *AddPercentEdit, *AddSumEdit, *VatCodeEdit,
        *VendorIdEdit, *VendorId2Edit;
    TDBDateEdit* LastPriceUpdateEdit;
    TDBLookupComboBox *VendorCombo, *Vendor2Combo;
    // Panel 3
    TDBEdit *InSaleEdit, *InOrderEdit, *InStockEdit, *MinStockEdit, *MaxStockEdit, *ValueEdit, *LocationEdit,
        *LocationPosEdit, *InternalWorkEdit;
    TDBDateEdit *FirstSaleEdit, *LastOrderEdit, *LastSaleEdit;
    TDBCheckBox* OwnProductionBox;
    TBarcodeImage* BarcodeImage;

    QAction *Etikett1, *TekniskInfo1, *Dokumenter1;

    void FormShow() override;

private:
    void followCode();
};

class TProductTecDataForm : public TDataForm {
    Q_OBJECT
public:
    explicit TProductTecDataForm(QWidget* parent = nullptr);

    TDBEdit *DrawingEdit, *FolderEdit, *HeightEdit, *WidthEdit, *DeepthEdit, *VolumeEdit, *WeightEdit, *StandardEdit,
        *RequirementEdit, *PictureEdit;
    QToolButton *DrawingButton, *FolderButton, *PictureButton;
    QLabel* Image1;
    TDBMemo* NoteMemo;

    // The picture of the current row: read when the row or the stored name
    // changes (never on a repaint); a missing or unreadable file leaves the
    // image as it was. Returns whether a picture was loaded.
    bool LoadPicture();
    // The local file of a stored picture name: inside the local document
    // folder ("DOC_LOCAL") for a relative name; empty when the name would
    // lead out of it.
    static QString PictureFile(const QString& stored);
    int pictureReads() const { return reads_; }

    void FormShow() override;

private:
    void chooseFile(const QString& field, bool picture);
    QString loaded_;
    int reads_ = 0;
};
