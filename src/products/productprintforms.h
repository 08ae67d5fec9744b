#pragma once
// The product printout windows: the label dialog (TProductLabelPrintForm,
// "Etikett"), the product list printout (TProductPrintForm, "Utskrift
// vareliste") and the stock status (TProductStatusForm, "Varelagerstatus").
// Each prints through the engine (LPTPrint, which offers the PDF printer)
// or shows the preview.
#include "print/productprint.h"

#include <QDialog>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

class TProductLabelPrintForm : public QDialog {
    Q_OBJECT
public:
    explicit TProductLabelPrintForm(QWidget* parent = nullptr);

    QCheckBox *cbBarcode, *cbProductText, *cbProductCode, *cbProductGroup, *cbPrice, *cbBarcodeEAN;
    QLineEdit *eMarginLeft, *eMarginTop, *eBarcodeHeight, *ePosLeft, *ePosRight, *ePosTop;
    QPushButton *Utskrift1, *Forhandsvis1;
    QSlider* TrackBar1;
    QWidget* MarginPanel;

    LabelOptions options() const;
    void setOptions(const LabelOptions& o);
    // Stores the settings and prints one label of the current product;
    // the dialog stays open.
    bool UtskriftClick();
    void PreviewClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void prepare();
};

class TProductPrintForm : public QDialog {
    Q_OBJECT
public:
    explicit TProductPrintForm(QWidget* parent = nullptr);

    QComboBox* ModeCombo;  // "Utskrift av:"
    QCheckBox *cbBarCode, *cbBarCodeEAN, *cbDoubleFeed, *cbFromStart, *cbSeperatorLine;
    QPushButton *Utskrift1, *Forhandsvis1;

    ProductListOptions options() const;
    void setOptions(const ProductListOptions& o);
    // Stores the options, prints the list and closes.
    bool UtskriftClick();
    void PreviewClick();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void prepare();
};

class TProductStatusForm : public QDialog {
    Q_OBJECT
public:
    explicit TProductStatusForm(QWidget* parent = nullptr);

    QLabel *lFiltered, *lFilteredCost, *lAll, *lFavourites, *lStockItems, *lInStock, *lCostValue, *lStockValue,
        *lSaleValue;
    QPushButton *Utskrift1, *Forhandsvis1;
    const StockStatus& status() const { return status_; }

    // Counts the register and, while the window is open, shows the list
    // the products in stock; the list's own filter comes back on close.
    void FormShow();
    bool UtskriftClick();
    void PreviewClick();

protected:
    void showEvent(QShowEvent* e) override;
    void done(int r) override;

private:
    StockStatus status_;
    QString savedFilter_;
    bool filterSaved_ = false;
};
