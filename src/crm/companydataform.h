#pragma once
// The company record window (TCompanyDataForm, "Firmadata [id]"): one
// company of the shared company dataset in three panels (name and ways to
// reach it; addresses, numbers and roles; the note), with the place name
// looked up from the postal code when the user leaves the code.
#include "ui/dataform.h"

class QLabel;
class QPushButton;
class QToolButton;

class TCompanyDataForm : public TDataForm {
    Q_OBJECT
public:
    explicit TCompanyDataForm(QWidget* parent = nullptr);

    // Panel 1
    TDBEdit *CompanyNameEdit, *PhoneEdit, *TelefaxEdit, *EmailEdit, *HomepageEdit;
    QToolButton *EmailButton, *HomepageButton, *ContactButton;
    TDBLookupComboBox* ContactCombo;
    // Panel 2
    TDBEdit *StreetAddressEdit, *PostalAddressEdit, *PostalCodeEdit, *CityEdit, *CustNoEdit, *OrgNumberEdit,
        *BankAccountEdit;
    QToolButton* PostalCodeButton;
    TDBComboBox* BranchCombo;
    TDBCheckBox *CustomerBox, *VendorBox, *EquipVendorBox, *TaxBox, *PartnerBox, *BlacklistedBox;
    TDBLookupComboBox* MyContactCombo;
    // "Ugyldig" beside an organisation number that fails the register's
    // check digit (the full reason as its tip).
    QLabel* OrgNumberWarningLabel;
    // Panel 3
    TDBMemo* NoteMemo;

    QAction *Kontakter1, *Timeregistreringer1, *Dokumenter1, *Postinformasjon1;

    // Leaving the postal code: while the row is edited, a code of four
    // characters fills in the place from the register (empty when the code
    // is not there; the typed place stays when there is no register).
    void i6750Exit();
    // "?": the postal-code window on the typed code.
    void PostalCodeButtonClick();
    // Leaving an organisation number the user changed: a number that fails
    // the register's MOD11 check gets a warning; it is stored all the same
    // (a foreign company's number may look different).
    void OrgNumberExit();
    void UpdateOrgNumberWarning();
    void Kontakter1Click();
    // The contact query limited to this company's contacts (not for a
    // row being inserted).
    void SelectContacts();

    void FormShow() override;

protected:
    void AfterStep() override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void updateWindowItems();
    bool orgNumberTyped_ = false;
};
