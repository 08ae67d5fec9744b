#include "accounts/entriesdataform.h"

#include "core/felles.h"
#include "data/datamodule.h"

#include <QHBoxLayout>
#include <QLineEdit>

namespace {

// A lookup over a long table: the list is read when it drops down, the
// shown text from its own row.
TDBLookupComboBox* lazyLookup(Dataset* ds, const QString& field, const QString& keySql, const QString& listSql)
{
    auto* c = new TDBLookupComboBox;
    Connection* conn = ds->connection();
    c->setListQuery(conn, listSql);
    c->setLazy([conn, keySql](qint64 key) { return conn->scalar(keySql.arg(key)); });
    c->setField(ds, field);
    return c;
}

} // namespace

TEntriesDataForm::TEntriesDataForm(QWidget* parent) : TDataForm(parent)
{
    setObjectName(QStringLiteral("EntriesDataForm"));
    setWindowTitle(QStringLiteral("Postering"));
    placementKey = QStringLiteral("EntriesDataForm");
    captionPrefix = QStringLiteral("Postering [");
    onlyPosition = true;
    Dataset* ds = &DataModule().EntriesTable;

    DateEdit = new TDBDateEdit(ds, QStringLiteral("entrydate"));
    DateEdit->setFixedWidth(120);
    CompanyCombo = lazyLookup(ds, QStringLiteral("companyid"), QStringLiteral("SELECT companyname FROM company WHERE id=%1"),
                              QStringLiteral("SELECT id, companyname FROM company ORDER BY companyname"));
    const QString accountText = QStringLiteral("SELECT CONCAT(account, ' ', accountname) FROM accounts WHERE account=%1 "
                                               "ORDER BY id LIMIT 1");
    const QString accountList =
        QStringLiteral("SELECT account, CONCAT(account, ' ', accountname) FROM accounts ORDER BY account");
    FromCombo = lazyLookup(ds, QStringLiteral("from_account"), accountText, accountList);
    ToCombo = lazyLookup(ds, QStringLiteral("to_account"), accountText, accountList);
    VatCodeCombo = new TDBComboBox(ds, QStringLiteral("vatcode"), {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")},
                                   true);
    VatCodeCombo->setFixedWidth(70);
    TextEdit = new TDBEdit(ds, QStringLiteral("entrytext"));
    VatSumEdit = new TDBEdit(ds, QStringLiteral("vatsum"));
    VatSumEdit->setReadOnly(true);
    VatSumEdit->setFocusPolicy(Qt::NoFocus);
    SumEdit = new TDBEdit(ds, QStringLiteral("sum"));
    InclVatEdit = new QLineEdit(QStringLiteral("0,00"));
    InclVatEdit->setReadOnly(true);
    InclVatEdit->setFocusPolicy(Qt::NoFocus);
    for (QLineEdit* e : {static_cast<QLineEdit*>(VatSumEdit), static_cast<QLineEdit*>(SumEdit), InclVatEdit}) {
        e->setFixedWidth(130);
        e->setAlignment(Qt::AlignRight);
    }
    addFieldPanel({{QStringLiteral("Dato:"), DateEdit},
                   {QStringLiteral("Firma:"), CompanyCombo},
                   {QStringLiteral("Fra konto:"), FromCombo},
                   {QStringLiteral("Til konto:"), ToCombo},
                   {QStringLiteral("MVA-kode:"), VatCodeCombo},
                   {QStringLiteral("Tekst:"), TextEdit},
                   {QStringLiteral("Sum:"), SumEdit},
                   {QStringLiteral("MVA:"), VatSumEdit},
                   {QStringLiteral("Inkl. MVA:"), InclVatEdit}});

    ProjectCombo = lazyLookup(ds, QStringLiteral("projectid"), QStringLiteral("SELECT projectname FROM project WHERE id=%1"),
                              QStringLiteral("SELECT id, projectname FROM project ORDER BY projectname"));
    SubProjectCombo = lazyLookup(ds, QStringLiteral("subprojectid"),
                                 QStringLiteral("SELECT systemname FROM subproject WHERE id=%1"),
                                 QStringLiteral("SELECT id, systemname FROM subproject ORDER BY systemname"));
    AssetCombo = lazyLookup(ds, QStringLiteral("assetid"), QStringLiteral("SELECT assetnumber FROM asset WHERE id=%1"),
                            QStringLiteral("SELECT id, assetnumber FROM asset ORDER BY assetnumber"));
    SubAssetEdit = new TDBEdit(ds, QStringLiteral("subassetid"));
    InvoiceEdit = new TDBEdit(ds, QStringLiteral("invoiceno"));
    DocumentEdit = new TDBEdit(ds, QStringLiteral("documentid"));
    DepartmentEdit = new TDBEdit(ds, QStringLiteral("department"));
    for (TDBEdit* e : {SubAssetEdit, DocumentEdit}) e->setFixedWidth(90);
    addFieldPanel({{QStringLiteral("Prosjekt:"), ProjectCombo},
                   {QStringLiteral("Prosjektdel:"), SubProjectCombo},
                   {QStringLiteral("Utstyr:"), AssetCombo},
                   {QStringLiteral("Utstyrdel:"), SubAssetEdit},
                   {QStringLiteral("Fakturanummer:"), InvoiceEdit},
                   {QStringLiteral("Dokument-ID:"), DocumentEdit},
                   {QStringLiteral("Avdeling:"), DepartmentEdit}});

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
    setClientWidth(440);
    setFocusProxy(DateEdit);
    connect(VatSumEdit, &QLineEdit::textChanged, this, [this] { UpdateInclVat(); });
    connect(ds, &Dataset::currentChanged, this, [this] { UpdateInclVat(); });
    connect(ds, &Dataset::rowChanged, this, [this] { UpdateInclVat(); });
}

void TEntriesDataForm::UpdateInclVat()
{
    const Dataset& ds = DataModule().EntriesTable;
    if (!ds.isOpen() || ds.isEmpty()) {
        InclVatEdit->setText(QStringLiteral("0,00"));
        return;
    }
    InclVatEdit->setText(NorNum(ds.asFloat(QStringLiteral("sum")) + ds.asFloat(QStringLiteral("vatsum")), 2));
}

void TEntriesDataForm::Nypost1Click()
{
    TDataForm::Nypost1Click();
    DateEdit->setFocus();
}
