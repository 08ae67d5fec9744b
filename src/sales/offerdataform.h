#pragma once
// The offer window (TOfferDataForm, "Tilbudsdata [id]"): the offer's header
// and lines (Ctrl+Enter in the grid opens the product picker), printed
// through the offer print-option window.
#include "sales/documentdataform.h"

class TOfferDataForm : public TDocumentDataForm {
    Q_OBJECT
public:
    explicit TOfferDataForm(QWidget* parent = nullptr);

    TDBEdit *ProfitEdit, *LockedPriceEdit, *PriceLockTextEdit;
    TDBCheckBox* PriceLockBox;
    TDBComboBox* DepartmentCombo;
    TDBLookupComboBox *ProjectCombo, *SystemCombo;
    QAction *Utskrift1, *VisNotat1;

    void Oppdater1Click() override;
    void Utskrift1Click();
    void UpdateMenu();
};
