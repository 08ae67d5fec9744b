#pragma once
// The project-part record window (TSubProjectDataForm, "Prosjektdel"): one
// part of the current project on three panels, with buttons to the part's
// own contact and company.
#include "ui/dataform.h"

class TSubProjectDataForm : public TDataForm {
    Q_OBJECT
public:
    explicit TSubProjectDataForm(QWidget* parent = nullptr);

    TDBEdit *SystemNumberEdit, *SystemNameEdit, *DepartmentEdit;
    TDBLookupComboBox *ResponsibleCombo, *ContactCombo, *CompanyCombo;
    QToolButton *ContactButton, *CompanyButton;
    TDBRadioGroup* StatusGroup;
    TDBDateEdit *StartDateEdit, *EndDateEdit;
    TDBMemo* NoteMemo;

    void CompanyButtonClick();
    void ContactButtonClick();
    void IdEditChange() override;
    void FormShow() override;
};
