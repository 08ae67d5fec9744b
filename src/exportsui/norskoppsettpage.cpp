#include "exportsui/norskoppsettpage.h"

#include "core/norsk.h"
#include "core/sysreg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

TNorskOppsettPage::TNorskOppsettPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("NorskOppsettPage"));
    auto* v = new QVBoxLayout(this);

    auto* kid = new QGroupBox(QStringLiteral("KID på fakturaer"));
    auto* kf = new QFormLayout(kid);
    KidBox = new QCheckBox(QStringLiteral("Bruk KID (kundenummer og fakturanummer)"));
    KidLengthSpin = new QSpinBox;
    KidLengthSpin->setRange(2, 25);
    KidCustomerSpin = new QSpinBox;
    KidCustomerSpin->setRange(0, 23);
    KidCustomerSpin->setSpecialValueText(QStringLiteral("halvparten"));
    KidAlgorithmCombo = new QComboBox;
    KidAlgorithmCombo->addItems({QStringLiteral("MOD10"), QStringLiteral("MOD11")});
    KidExampleLabel = new QLabel;
    kf->addRow(KidBox);
    kf->addRow(QStringLiteral("Antall siffer:"), KidLengthSpin);
    kf->addRow(QStringLiteral("Siffer til kundenummer:"), KidCustomerSpin);
    kf->addRow(QStringLiteral("Kontrollsiffer:"), KidAlgorithmCombo);
    kf->addRow(QStringLiteral("Eksempel:"), KidExampleLabel);
    v->addWidget(kid);

    auto* reg = new QGroupBox(QStringLiteral("Firma og bank"));
    auto* rf = new QFormLayout(reg);
    VatBox = new QCheckBox(QStringLiteral("Registrert i Merverdiavgiftsregisteret (NO … MVA på fakturaer)"));
    EnterpriseBox = new QCheckBox(QStringLiteral("Registrert i Foretaksregisteret"));
    IbanEdit = new QLineEdit;
    BicEdit = new QLineEdit;
    rf->addRow(VatBox);
    rf->addRow(EnterpriseBox);
    rf->addRow(QStringLiteral("IBAN:"), IbanEdit);
    rf->addRow(QStringLiteral("BIC:"), BicEdit);
    v->addWidget(reg);

    auto* files = new QGroupBox(QStringLiteral("EHF og SAF-T"));
    auto* ff = new QFormLayout(files);
    EhfFolderEdit = new QLineEdit;
    PayablesEdit = new QLineEdit;
    PayablesEdit->setValidator(new QIntValidator(0, 99999999, PayablesEdit));
    PayablesEdit->setPlaceholderText(QStringLiteral("2400"));
    ff->addRow(QStringLiteral("Mappe for EHF- og SAF-T-filer:"), EhfFolderEdit);
    ff->addRow(QStringLiteral("Leverandørgjeld (konto):"), PayablesEdit);
    v->addWidget(files);
    v->addStretch(1);

    connect(KidBox, &QCheckBox::toggled, this, &TNorskOppsettPage::updateExample);
    connect(KidLengthSpin, &QSpinBox::valueChanged, this, &TNorskOppsettPage::updateExample);
    connect(KidCustomerSpin, &QSpinBox::valueChanged, this, &TNorskOppsettPage::updateExample);
    connect(KidAlgorithmCombo, &QComboBox::currentIndexChanged, this, &TNorskOppsettPage::updateExample);
    Les();
}

void TNorskOppsettPage::updateExample()
{
    const KidSettings s =
        MakeKidSettings(true, KidLengthSpin->value(), KidCustomerSpin->value(), KidAlgorithmCombo->currentText());
    QString why;
    const QString kid = MakeKid(QStringLiteral("10002"), QStringLiteral("5001"), s, &why);
    KidExampleLabel->setText(kid.isEmpty() ? why
                                           : QStringLiteral("kunde 10002, faktura 5001 gir KID %1 (%2 til kundenummer)")
                                                 .arg(kid)
                                                 .arg(s.customerDigits));
    for (QWidget* w : {static_cast<QWidget*>(KidLengthSpin), static_cast<QWidget*>(KidCustomerSpin),
                       static_cast<QWidget*>(KidAlgorithmCombo), static_cast<QWidget*>(KidExampleLabel)})
        w->setEnabled(KidBox->isChecked());
}

void TNorskOppsettPage::Les()
{
    MainIniSection s(QStringLiteral("STANDARD"));
    const KidSettings k = MakeKidSettings(GetRegInt(QStringLiteral("KID_Aktiv")) != 0, GetRegInt(QStringLiteral("KID_Lengde")),
                                          0, GetRegStr(QStringLiteral("KID_Algoritme")));
    KidBox->setChecked(k.on);
    KidLengthSpin->setValue(k.length);
    KidCustomerSpin->setValue(GetRegInt(QStringLiteral("KID_Kundesiffer")));
    KidAlgorithmCombo->setCurrentIndex(k.algorithm == KidAlgorithm::Mod11 ? 1 : 0);
    VatBox->setChecked(GetRegInt(QStringLiteral("Firma_MVARegistrert")) != 0);
    EnterpriseBox->setChecked(GetRegInt(QStringLiteral("Firma_Foretaksregisteret")) != 0);
    IbanEdit->setText(GetRegStr(QStringLiteral("Firma_IBAN")));
    BicEdit->setText(GetRegStr(QStringLiteral("Firma_BIC")));
    EhfFolderEdit->setText(GetRegStr(QStringLiteral("EHF-mappe")));
    const int payables = GetRegInt(QStringLiteral("PosteringKontoLeverandorgjeld"));
    PayablesEdit->setText(payables > 0 ? QString::number(payables) : QString());
    updateExample();
}

void TNorskOppsettPage::Skriv()
{
    MainIniSection s(QStringLiteral("STANDARD"));
    SetRegInt(QStringLiteral("KID_Aktiv"), KidBox->isChecked() ? 1 : 0);
    SetRegInt(QStringLiteral("KID_Lengde"), KidLengthSpin->value());
    SetRegInt(QStringLiteral("KID_Kundesiffer"), KidCustomerSpin->value());
    SetRegStr(QStringLiteral("KID_Algoritme"), KidAlgorithmCombo->currentText());
    SetRegInt(QStringLiteral("Firma_MVARegistrert"), VatBox->isChecked() ? 1 : 0);
    SetRegInt(QStringLiteral("Firma_Foretaksregisteret"), EnterpriseBox->isChecked() ? 1 : 0);
    SetRegStr(QStringLiteral("Firma_IBAN"), IbanEdit->text().trimmed());
    SetRegStr(QStringLiteral("Firma_BIC"), BicEdit->text().trimmed());
    SetRegStr(QStringLiteral("EHF-mappe"), EhfFolderEdit->text().trimmed());
    SetRegStr(QStringLiteral("PosteringKontoLeverandorgjeld"), PayablesEdit->text().trimmed());
}
