#pragma once
// The account window (TAccountDataForm, "Konto [id]"): number, name,
// balance, budget, last year's figure, VAT handling and code, the bank
// panel shown while "Bankkonto" is ticked, and the note on the slider.
#include "ui/dataform.h"

class TAccountDataForm : public TDataForm {
    Q_OBJECT
public:
    explicit TAccountDataForm(QWidget* parent = nullptr);
    TDBEdit *AccountEdit, *NameEdit, *SumEdit, *BudgetEdit, *LastYearEdit, *VatCodeEdit, *BankNumberEdit,
        *InterestEdit, *CreditEdit;
    TDBRadioGroup* VatTypeGroup;
    TDBCheckBox* BankBox;
    QWidget* BankPanel;
    TDBMemo* NoteMemo;
    // Shows or hides the bank panel as the box says, and fits the height.
    void BankBoxClick();
    void FormShow() override;
};
