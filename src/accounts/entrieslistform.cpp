#include "accounts/entrieslistform.h"

#include "accounts/accountsearch.h"
#include "accounts/entriesdataform.h"
#include "data/datamodule.h"


TEntriesListForm::TEntriesListForm(QWidget* parent) : TListForm(parent)
{
    setObjectName(QStringLiteral("EntriesListForm"));
    setWindowTitle(QStringLiteral("Posteringsliste"));
    placementKey = QStringLiteral("EntriesListForm");
    resize(1120, 460);
    gotoLastOnShow = true;
    // The VAT is worked out on save; the company name is looked up.
    replaceGrid(new EditableDataGrid({QStringLiteral("vatsum")}));
    TDatabaseModule& dm = DataModule();
    setDataset(&dm.EntriesTable, {{"id", "Nr.", 60},
                                  {"entrydate", "Dato", 80},
                                  {"from_account", "Fra konto", 70},
                                  {"to_account", "Til konto", 70},
                                  {"sum", "Sum", 95},
                                  {"companyid", "Firmanr.", 65},
                                  {"companyname", "Firma", 170},
                                  {"entrytext", "Tekst", 170},
                                  {"vatcode", "MVA-kode", 75},
                                  {"vatsum", "MVA", 85},
                                  {"invoiceno", "Fakturanr.", 80},
                                  {"department", "Avdeling", 80}});
    Grid->setSortKeys({{"companyname", "companyid"}});
    setSearchFields({"object_text", "department", "invoiceno", "entrytext"});
    setRecordWindow<TEntriesDataForm>();
}

QString TEntriesListForm::EntriesSearchCondition(const QString& text) const
{
    return AccountSearchCondition(dataset() ? dataset()->connection() : nullptr, text,
                                  {"object_text", "department", "invoiceno", "entrytext"},
                                  {"to_account", "from_account"}, {"sum"});
}

void TEntriesListForm::Sketter1Click()
{
    if (!dataset()) return;
    QString text;
    AskInputStr(QStringLiteral("Søk etter:"), text);
    if (text.isEmpty()) return;
    ApplyFilter(EntriesSearchCondition(text));
}

void TEntriesListForm::Ny1Click()
{
    Dataset* ds = dataset();
    if (!ds) return;
    if (!ds->isOpen() && !DataModule().TableOpen(*ds)) return;
    if (ds->insert()) Grid->setFocus();
}
