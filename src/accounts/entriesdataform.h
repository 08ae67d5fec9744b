#pragma once
// The posting window (TEntriesDataForm, "Postering [id]"): date, company,
// from and to account, VAT code, text, VAT (worked out on save from the
// code), amount and the amount with VAT; on the slider the project, asset,
// invoice and document references, then the note.
#include "ui/dataform.h"

class QLineEdit;

class TEntriesDataForm : public TDataForm {
    Q_OBJECT
public:
    explicit TEntriesDataForm(QWidget* parent = nullptr);
    TDBDateEdit* DateEdit;
    TDBLookupComboBox *CompanyCombo, *FromCombo, *ToCombo, *ProjectCombo, *SubProjectCombo, *AssetCombo;
    TDBComboBox* VatCodeCombo;
    TDBEdit *TextEdit, *VatSumEdit, *SumEdit, *SubAssetEdit, *InvoiceEdit, *DocumentEdit, *DepartmentEdit;
    QLineEdit* InclVatEdit;
    TDBMemo* NoteMemo;
    // "Inkl. MVA:": sum + VAT with two decimals.
    void UpdateInclVat();
    void Nypost1Click() override;
};
