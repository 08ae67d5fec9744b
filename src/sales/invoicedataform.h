#pragma once
// The invoice window (TInvoiceDataForm, "Fakturadata [id]"): the invoice's
// header and lines, and "Utskrift": the invoice printed, then the question
// "Godkjenne faktura?", whose "Ja" posts the invoice once.
#include "sales/documentdataform.h"

class TInvoiceDataForm : public TDocumentDataForm {
    Q_OBJECT
public:
    explicit TInvoiceDataForm(QWidget* parent = nullptr);

    TDBEdit *VATEdit, *VatCodeEdit, *LockedPriceEdit, *ProfitEdit, *WeightEdit, *VolumeEdit, *PriceLockTextEdit;
    TDBComboBox *DepartmentCombo, *TransportCombo;
    TDBCheckBox* PriceLockBox;
    TDBLookupComboBox *ProjectCombo, *SystemCombo, *AssetCombo, *JobCombo;
    QAction *Utskrift1, *SendEpost1, *Terminal1, *VisNotat1;

    void Oppdater1Click() override;
    // Prints the invoice, asks "Godkjenne faktura?" and posts it on "Ja".
    // True when this call posted it.
    bool Utskrift1Click();
    void SendEpost1Click();
    void UpdateMenu();
};
