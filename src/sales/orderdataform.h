#pragma once
// The order window (TOrderDataForm, "Ordredata [id]"): the order's header,
// its item lines, delivery in part or in full, the order, delivery-note and
// picking-list printouts, and the order's VAT code as the code of new lines.
#include "sales/documentdataform.h"

class TOrderDataForm : public TDocumentDataForm {
    Q_OBJECT
public:
    explicit TOrderDataForm(QWidget* parent = nullptr);

    TDBEdit *VATEdit, *VatCodeEdit, *LockedPriceEdit, *ProfitEdit, *WeightEdit, *VolumeEdit;
    TDBComboBox *DepartmentCombo, *TransportCombo;
    TDBCheckBox* PriceLockBox;
    TDBEdit* PriceLockTextEdit;
    TDBLookupComboBox *ProjectCombo, *SystemCombo, *AssetCombo, *JobCombo;

    QAction *Terminal1, *SendEpost1, *Ordreutskrift1, *LeverOrdre1, *LeverHele1, *Pakkseddel1, *Plukkliste1,
        *VisNotat1, *VisTimer1;

    void Oppdater1Click() override;
    // "Lever ordre" (false) and "Lever hele ordren" (true).
    bool Deliver(bool deliverAll);
    // "Pakkseddel" and "Plukkliste", printed on the printer.
    bool PrintDeliveryNote(bool pickingList);
    void Ordreutskrift1Click();
    void SendEpost1Click();
    void VisTimer1Click();
    void UpdateMenu();
};
