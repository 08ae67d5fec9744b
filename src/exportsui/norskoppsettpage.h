#pragma once
// The settings of KID, VAT registration, bank and EHF/SAF-T as one page
// ("Norsk") for the settings dialog: Les() reads the keys into the fields,
// Skriv() writes them back (main settings file, section STANDARD; the
// keys are listed in core/norsk.h). The page shows a KID made from example
// numbers as the settings stand.
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

class TNorskOppsettPage : public QWidget {
    Q_OBJECT
public:
    explicit TNorskOppsettPage(QWidget* parent = nullptr);

    QCheckBox *KidBox, *VatBox, *EnterpriseBox;
    QSpinBox *KidLengthSpin, *KidCustomerSpin;
    QComboBox* KidAlgorithmCombo;
    QLabel* KidExampleLabel;
    QLineEdit *IbanEdit, *BicEdit, *EhfFolderEdit, *PayablesEdit;

    void Les();
    void Skriv();

private:
    void updateExample();
};
