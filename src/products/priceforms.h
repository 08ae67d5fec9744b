#pragma once
// The product register's bulk windows: "Prisoppdatering" (cost, discount,
// costs, mark-ups or VAT code for all products, one group and/or the current
// supplier), "Importer prisliste" (a supplier's fixed-column price list, with
// a preview of what the import stores) and "Importer rabattliste". The work is
// done by data/priceimport.h, the same code kvarnel-admin runs.
#include "data/priceimport.h"

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

// The supplier these windows work with: the current row of the company list.
int CurrentSupplierId();
QString CurrentSupplierName();

class TProductPriceUpdateForm : public QWidget {
    Q_OBJECT
public:
    explicit TProductPriceUpdateForm(QWidget* parent = nullptr);
    QCheckBox *CostBox, *DiscountBox, *DirectCostBox, *FreightBox, *AddPercentBox, *AddSumBox, *VatBox, *GroupBox,
        *VendorBox;
    QLineEdit *CostEdit, *DiscountEdit, *DirectCostEdit, *FreightEdit, *AddPercentEdit, *AddSumEdit, *VatEdit,
        *GroupEdit;
    QLabel* VendorLabel;
    QPushButton *BitBtn1, *RecalcButton;
    PriceUpdate update() const;
    // "Oppdater priser"; false when nothing was changed.
    bool BitBtn1Click();
    void RecalcClick();

protected:
    void showEvent(QShowEvent* e) override;
};

class TProductImportForm : public QWidget {
    Q_OBJECT
public:
    explicit TProductImportForm(QWidget* parent = nullptr);
    QLineEdit* FileEdit;
    QSpinBox *CodePos, *CodeLen, *TextPos, *TextLen, *PricePos, *PriceLen, *UnitPos, *UnitLen, *GroupPos, *GroupLen;
    QButtonGroup* OptionGroup;
    QLabel* SupplierLabel;
    QPushButton *TestButton, *ImportButton, *RecalcButton;
    QLineEdit *CodePreview, *TextPreview, *PricePreview, *UnitPreview, *GroupPreview;
    QPlainTextEdit* ResultMemo;
    PriceListLayout layout() const;
    // Shows the first line's fields as the import would store them.
    void CheckFile();
    // "Test" (nothing written) or "Importer".
    bool ImportProduct(bool test);

protected:
    void showEvent(QShowEvent* e) override;
};

class TProductImportDiscountForm : public QWidget {
    Q_OBJECT
public:
    explicit TProductImportDiscountForm(QWidget* parent = nullptr);
    QLineEdit* FileEdit;
    QSpinBox *CodePos, *CodeLen, *DiscountPos, *DiscountLen, *TypePos, *TypeLen, *GroupPos, *GroupLen;
    QPushButton* ImportButton;
    QPlainTextEdit* ResultMemo;
    DiscountListLayout layout() const;
    bool ImportClick();
};
