#pragma once
// The contact record window (TContactDataForm, "Kontakt [id]"): name,
// phones, home page and the two e-mail addresses (each with a button that
// writes a mail), then addresses, department, title and the company, then
// the note.
#include "ui/dataform.h"

class QToolButton;

class TContactDataForm : public TDataForm {
    Q_OBJECT
public:
    explicit TContactDataForm(QWidget* parent = nullptr);

    TDBEdit *NameEdit, *WorkPhoneEdit, *HomePhoneEdit, *MobileEdit, *HomepageEdit, *EmailEdit, *HomeEmailEdit;
    TDBEdit *StreetEdit, *PostalAddressEdit, *PostalCodeEdit, *CityEdit, *DepartmentEdit, *TitleEdit, *CompanyEdit;
    TDBMemo* NoteMemo;
    QToolButton *HomepageButton, *EmailButton, *HomeEmailButton, *PostalCodeButton;
    QAction* Dokumenter1;

    // Leaving the postal code while editing fills in the place.
    void PostalCodeExit();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
};
