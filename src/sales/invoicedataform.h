#pragma once
// The invoice window (TInvoiceDataForm, "Fakturadata [id]"): the invoice's
// header and lines, and "Utskrift": the invoice printed, then the question
// "Godkjenne faktura?", whose "Ja" posts the invoice once. With KID switched
// on (Kvarnel Oppsett) the window shows the invoice's KID, made when the
// invoice is saved or printed and checked when typed; "Send som EHF" writes
// the invoice as an EHF file with its printout inside.
#include "sales/documentdataform.h"

#include <functional>

class QLabel;
class TKidEdit;

class TInvoiceDataForm : public TDocumentDataForm {
    Q_OBJECT
public:
    explicit TInvoiceDataForm(QWidget* parent = nullptr);

    TDBEdit *VATEdit, *VatCodeEdit, *LockedPriceEdit, *ProfitEdit, *WeightEdit, *VolumeEdit, *PriceLockTextEdit;
    TDBComboBox *DepartmentCombo, *TransportCombo;
    TDBCheckBox* PriceLockBox;
    TDBLookupComboBox *ProjectCombo, *SystemCombo, *AssetCombo, *JobCombo;
    QAction *Utskrift1, *SendEpost1, *Terminal1, *VisNotat1, *SendEHF1;
    TKidEdit* KidEdit;
    QLabel* KidLabel;

    void Oppdater1Click() override;
    // Prints the invoice, asks "Godkjenne faktura?" and posts it on "Ja".
    // True when this call posted it.
    bool Utskrift1Click();
    void SendEpost1Click();
    // Writes the invoice as EHF to the file the user picks; true when written.
    bool SendEHF1Click();
    void UpdateMenu();
    // The KID row is there while KID is switched on and the database has
    // the column.
    void UpdateKidField();
    // Gives the invoice its KID when KID is on and it has none; with tell,
    // a KID that cannot be made is explained to the user.
    void EnsureKid(bool tell);

    void Lagre1Click() override;
    void FormShow() override;

    // Asks where the EHF file goes, offering suggested; empty when cancelled.
    // Tests replace it.
    static std::function<QString(QWidget* parent, const QString& suggested)> ChooseEhfFile;
};
