#pragma once
// The standard-job record window (TJobDataForm, "Standardjobb [id]"): one
// job of the job query on three panels (the job itself; the persons,
// company, contact, project, part and asset it concerns; the note). A
// pending edit is saved as the window closes.
#include "ui/dataform.h"

class TJobDataForm : public TDataForm {
    Q_OBJECT
public:
    explicit TJobDataForm(QWidget* parent = nullptr);

    TDBEdit *JobEdit, *SubjectEdit, *LocationEdit, *HoursEdit, *RoutineEdit, *PersonsEdit;
    TDBLookupComboBox *UserCombo, *CompanyCombo, *ContactCombo, *ProjectCombo, *SystemCombo, *AssetCombo;
    TDBCheckBox *OutdoorBox, *AlldayBox;
    QToolButton* PersonsButton;
    TDBMemo* NoteMemo;

    void ChoosePersons();
    void FormShow() override;
    void FormClose() override;
    bool closedClean() const { return closedClean_; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    bool closedClean_ = true;
};
