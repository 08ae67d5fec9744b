#pragma once
// The purchase-order window (TPODataForm, "Bestilling [id]"): an order to a
// supplier with lines at cost price. Picking another status asks
// "Oppdatere bestilling til …"; "Ja" moves the lines' quantities on order
// and into stock as the status says.
#include "sales/documentdataform.h"

class TPODataForm : public TDocumentDataForm {
    Q_OBJECT
public:
    explicit TPODataForm(QWidget* parent = nullptr);

    TDBEdit *CostEdit, *LockedPriceEdit, *PriceLockTextEdit, *WeightEdit, *VolumeEdit;
    TDBCheckBox* PriceLockBox;
    TDBComboBox* DepartmentCombo;
    TDBLookupComboBox *OrderCombo, *ProjectCombo, *SystemCombo, *AssetCombo, *JobCombo;
    QAction *Utskrift1, *SendEpost1, *Terminal1, *VisNotat1;

    // The user picked status in "Status:".
    void StatusChosen(const QString& status);
    void Utskrift1Click();
    void SendEpost1Click();
    void UpdateMenu();

private:
    QString statusBefore_;
};
