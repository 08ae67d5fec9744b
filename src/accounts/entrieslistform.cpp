#include "accounts/entrieslistform.h"

#include "accounts/accountsearch.h"
#include "accounts/entriesdataform.h"
#include "data/datamodule.h"

namespace {

// The grid's cells are typed into; a typed value goes into the current row
// and is saved when the row is left, as in every editable grid.
class EntriesModel : public GridModel {
public:
    using GridModel::GridModel;
    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        Qt::ItemFlags f = GridModel::flags(index);
        const int col = fieldOfColumn(index.column());
        if (col < 0) return f;
        const FieldInfo& info = dataset()->fieldInfo(col);
        // id, the looked-up company name and the computed VAT are shown only.
        if (!info.lookup && !info.primaryKey && info.name != QLatin1String("vatsum")) f |= Qt::ItemIsEditable;
        return f;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::EditRole) {
            const int col = fieldOfColumn(index.column());
            return col < 0 ? QVariant() : QVariant(editText(index.row(), col));
        }
        return GridModel::data(index, role);
    }
    // Numbers are edited without their thousands separators; texts as they are.
    QString editText(int row, int col) const
    {
        QString t = dataset()->displayText(row, col);
        const FieldKind k = dataset()->fieldInfo(col).kind;
        if (k == FieldKind::Integer || k == FieldKind::Float) t.remove(QLatin1Char(' '));
        return t;
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        if (role != Qt::EditRole || !index.isValid()) return false;
        Dataset* ds = dataset();
        const int col = fieldOfColumn(index.column());
        if (col < 0 || !ds->isOpen()) return false;
        if (index.row() != ds->recNo() && !ds->moveTo(index.row())) return false;
        const QString text = value.toString();
        if (text == editText(index.row(), col)) return true;
        return ds->setValue(col, text);
    }
};

class EntriesGrid : public DataGrid {
public:
    using DataGrid::DataGrid;

protected:
    GridModel* createModel(Dataset* ds) override { return new EntriesModel(ds, this); }
};

} // namespace

TEntriesListForm::TEntriesListForm(QWidget* parent) : TListForm(parent)
{
    setObjectName(QStringLiteral("EntriesListForm"));
    setWindowTitle(QStringLiteral("Posteringsliste"));
    placementKey = QStringLiteral("EntriesListForm");
    resize(1120, 460);
    gotoLastOnShow = true;
    replaceGrid(new EntriesGrid);
    Grid->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                          QAbstractItemView::EditKeyPressed);
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
