#pragma once
// The record-information window (TPostinfoForm, "Postinformasjon"): the
// common header of the current row of whichever dataset the data module's
// CommonSource points at when the window is shown: created and changed,
// owner and group, the rights values, the tag and the mark.
#include "ui/dbcontrols.h"

#include <QDialog>

class TPostinfoForm : public QDialog {
    Q_OBJECT
public:
    explicit TPostinfoForm(QWidget* parent = nullptr);

    // Binds every field to the data module's CommonSource.
    void AttachSource();

    TDBEdit* CreatedEdit;
    TDBEdit* UpdatedEdit;
    TDBLookupComboBox* OwnerCombo;
    TDBLookupComboBox* GroupCombo;
    TDBNavigator* Navigator;
    TDBComboBox* AllCombo;
    TDBComboBox* GroupRightsCombo;
    TDBComboBox* UserRightsCombo;
    TDBEdit* TagEdit;
    TDBCheckBox* CheckedBox;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
};
