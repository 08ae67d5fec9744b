#include "accounts/accountdataform.h"

#include "data/datamodule.h"

#include <QFormLayout>
#include <QHBoxLayout>

TAccountDataForm::TAccountDataForm(QWidget* parent) : TDataForm(parent)
{
    setObjectName(QStringLiteral("AccountDataForm"));
    setWindowTitle(QStringLiteral("Konto"));
    placementKey = QStringLiteral("AccountDataForm");
    captionPrefix = QStringLiteral("Konto [");
    onlyPosition = true;
    Dataset* ds = &DataModule().AccountTable;

    AccountEdit = new TDBEdit(ds, QStringLiteral("account"));
    AccountEdit->setFixedWidth(90);
    NameEdit = new TDBEdit(ds, QStringLiteral("accountname"));
    SumEdit = new TDBEdit(ds, QStringLiteral("sum"));
    BudgetEdit = new TDBEdit(ds, QStringLiteral("budget"));
    LastYearEdit = new TDBEdit(ds, QStringLiteral("lastyearsum"));
    for (TDBEdit* e : {SumEdit, BudgetEdit, LastYearEdit}) {
        e->setFixedWidth(130);
        e->setAlignment(Qt::AlignRight);
    }
    VatTypeGroup = new TDBRadioGroup(QString(),
                                     {QStringLiteral("Ingen behandling"), QStringLiteral("Fradrag inngående avgift"),
                                      QStringLiteral("Utgående avgift"), QStringLiteral("Særbehandling inngående avgift")},
                                     {0, 1, 2, 3});
    VatTypeGroup->setField(ds, QStringLiteral("vattype"));
    VatCodeEdit = new TDBEdit(ds, QStringLiteral("vatcode"));
    VatCodeEdit->setFixedWidth(50);
    BankBox = new TDBCheckBox(QStringLiteral("Bankkonto"), ds, QStringLiteral("bankaccount"));
    BankBox->setValues(1, 0);
    QWidget* standard = addFieldPanel({{QStringLiteral("Kontonummer:"), AccountEdit},
                   {QStringLiteral("Kontonavn:"), NameEdit},
                   {QStringLiteral("Sum:"), SumEdit},
                   {QStringLiteral("Budsjett:"), BudgetEdit},
                   {QStringLiteral("Forrige år:"), LastYearEdit},
                   {QStringLiteral("Konto-kode:"), VatTypeGroup},
                   {QStringLiteral("MVA-kode:"), inRow({VatCodeEdit, BankBox})}});

    // The bank panel: below the standard panel while "Bankkonto" is ticked.
    BankNumberEdit = new TDBEdit(ds, QStringLiteral("bankaccountnumber"));
    InterestEdit = new TDBEdit(ds, QStringLiteral("mortage"));
    CreditEdit = new TDBEdit(ds, QStringLiteral("credit"));
    for (TDBEdit* e : {InterestEdit, CreditEdit}) {
        e->setFixedWidth(130);
        e->setAlignment(Qt::AlignRight);
    }
    BankPanel = new QWidget;
    {
        auto* f = new QFormLayout(BankPanel);
        f->setContentsMargins(8, 0, 8, 4);
        f->addRow(QStringLiteral("Kontonummer bank:"), BankNumberEdit);
        f->addRow(QStringLiteral("Rente:"), InterestEdit);
        f->addRow(QStringLiteral("Kreditt:"), CreditEdit);
    }
    // Part of the standard panel, so that hiding it takes its height away.
    static_cast<QFormLayout*>(standard->layout())->addRow(BankPanel);

    auto* memo = new QWidget;
    {
        auto* h = new QHBoxLayout(memo);
        h->setContentsMargins(8, 4, 8, 8);
        NoteMemo = new TDBMemo(ds, QStringLiteral("object_text"));
        NoteMemo->setFixedHeight(90);
        h->addWidget(NoteMemo);
    }
    addPanel(memo);

    setDataset(ds);
    setClientWidth(420);
    setFocusProxy(AccountEdit);
    connect(BankBox, &QCheckBox::toggled, this, [this] { BankBoxClick(); });
    connect(ds, &Dataset::currentChanged, this, [this] { BankBoxClick(); });
}

void TAccountDataForm::BankBoxClick()
{
    BankPanel->setVisible(BankBox->isChecked());
    TrackBar1Change();
}

void TAccountDataForm::FormShow()
{
    TDataForm::FormShow();
    BankBoxClick();
}
