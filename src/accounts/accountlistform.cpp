#include "accounts/accountlistform.h"

#include "exportsui/saftexportform.h"

#include "accounts/accountdataform.h"
#include "accounts/accountsearch.h"
#include "core/dialogs.h"
#include "data/datamodule.h"
#include "print/accountprint.h"

#include <QAction>
#include <QMenu>

TAccountListForm::TAccountListForm(QWidget* parent) : TListForm(parent)
{
    setObjectName(QStringLiteral("AccountListForm"));
    setWindowTitle(QStringLiteral("Kontoplan"));
    placementKey = QStringLiteral("AccountListForm");
    resize(640, 460);
    TDatabaseModule& dm = DataModule();
    setDataset(&dm.AccountTable, {{"account", "Kontonr.", 70},
                                  {"accountname", "Kontonavn", 240},
                                  {"sum", "Sum", 100},
                                  {"budget", "Budsjett", 100},
                                  {"lastyearsum", "Forrige år", 100}});
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSearchFields({"accountname", "object_text"});
    setRecordWindow<TAccountDataForm>();

    Rapporter1 = addSubMenu(QStringLiteral("Rapporter"));
    Resultatregnskap1 = Rapporter1->addAction(QStringLiteral("Resultatregnskap"), this,
                                              [this] { Resultatregnskap1Click(false); });
    ResultatregnskapVis1 = Rapporter1->addAction(QStringLiteral("Resultatregnskap på skjerm"), this,
                                                 [this] { Resultatregnskap1Click(true); });
    AddSaftExportItem(Rapporter1);
}

void TAccountListForm::Sketter1Click()
{
    Dataset* ds = dataset();
    if (!ds) return;
    QString text;
    AskInputStr(QStringLiteral("Søk etter:"), text);
    if (text.isEmpty()) return;
    ApplyFilter(AccountSearchCondition(ds->connection(), text, {"accountname", "object_text"}, {"account"}, {}));
}

bool TAccountListForm::Resultatregnskap1Click(bool preview)
{
    // Read straight from the table: the list keeps its own filter and row.
    IncomeStatement st;
    if (!ReadIncomeStatement(DataModule().MyConnection, st)) {
        ShowDbFailure(QStringLiteral("Kan ikke lese kontoplanen"), DataModule().MyConnection);
        return false;
    }
    PrintPreView = PrintAccountResult(st);
    if (preview) {
        PreviewTitle = QStringLiteral("Resultatregnskap");
        if (ShowPreviewWindow) ShowPreviewWindow();
        return true;
    }
    return LPTPrint(QStringLiteral("Resultatregnskap"));
}
