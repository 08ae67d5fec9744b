#pragma once
// The employee record window (TUserDataForm, "Brukerdata [id]"): one user in
// three panels (how to reach the person; address, position and personal
// data; the note), with the e-mail and home-page buttons, the user-access
// window and the user's documents.
#include "ui/dataform.h"

class QToolButton;

class TUserDataForm : public TDataForm {
    Q_OBJECT
public:
    explicit TUserDataForm(QWidget* parent = nullptr);

    TDBEdit *InitialsEdit, *RealNameEdit, *EmailEdit, *MobileEdit, *HomePhoneEdit, *InternalPhoneEdit, *UserTagEdit;
    TDBCheckBox* PublishedBox;
    TDBEdit *StreetAddressEdit, *PostalAddressEdit, *PostalCodeEdit, *CityEdit, *TitleEdit, *DepartmentEdit,
        *HomepageEdit, *SsidEdit;
    TDBRadioGroup* GenderGroup;
    TDBDateEdit* BirthEdit;
    TDBMemo* NoteMemo;
    QToolButton *EmailButton, *HomepageButton;
    QAction *Brukertilgang1, *Dokumenter1;
};
