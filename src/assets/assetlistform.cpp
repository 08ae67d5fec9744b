#include "assets/assetlistform.h"

#include "assets/assetdataform.h"
#include "data/datamodule.h"
#include "ui/datadrop.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QMenu>

using namespace Assets;

TAssetListForm::TAssetListForm(QWidget* parent) : TListForm(parent)
{
    setObjectName(QStringLiteral("AssetListForm"));
    setWindowTitle(QStringLiteral("Utstyrsliste"));
    placementKey = QStringLiteral("AssetListForm");
    resize(1000, 460);

    TDatabaseModule& dm = DataModule();
    setDataset(&dm.AssetTable, {{"assetnumber", "Nummer", 110},
                                {"assetname", "Navn", 300},
                                {"model", "Modell", 250},
                                {"location", "Lokasjon", 200},
                                {"watt", "Watt", 0}});
    setSearchFields(SearchFields());
    setRecordWindow<TAssetDataForm>();
    // The data tool's order, where and all icons on the grid, decided by the
    // column under the drop point; its text box and lock icon are refused.
    InstallListDrops(this, [](const ::DropEvent& e) -> ::DropResult {
        Assets::DropKind kind;
        switch (e.kind) {
        case ::DropKind::Order: kind = Assets::DropKind::Order; break;
        case ::DropKind::Where: kind = Assets::DropKind::Where; break;
        case ::DropKind::All: kind = Assets::DropKind::All; break;
        default: return ::DropResult::Refuse();
        }
        Assets::DropRow row;
        if (e.row) {
            row.present = true;
            row.model = e.value(QStringLiteral("model")).toString();
            row.location = e.value(QStringLiteral("location")).toString();
        }
        const DropEffect effect = DropEffectForField(kind, e.column, row);
        switch (effect.kind) {
        case DropEffect::Sort: return ::DropResult::Sort(effect.text);
        case DropEffect::Filter: return ::DropResult::Filter(effect.text);
        case DropEffect::Nothing: break;
        }
        return ::DropResult::Ignore();
    });

    // The fixed filters: the service agreement on the Filter menu itself,
    // types, statuses and priorities in sub-menus, all before "Vis alle".
    QAction* beforeAll = nullptr;
    {
        const QList<QAction*> items = Filter1->actions();
        const int all = int(items.indexOf(Alle1));
        if (all > 0) beforeAll = items.at(all - 1);  // the separator
    }
    auto submenu = [this, beforeAll](const QString& caption) {
        auto* m = new QMenu(caption, Filter1);
        Filter1->insertMenu(beforeAll, m);
        return m;
    };
    Utstyrstype1 = submenu(QStringLiteral("Utstyrstype"));
    Status1 = submenu(QStringLiteral("Status"));
    Prioritering1 = submenu(QStringLiteral("Prioritering"));
    for (const FilterItem& f : FilterItems()) {
        QAction* a;
        if (f.submenu.isEmpty()) {
            a = addFixedFilter(f.caption, f.condition);
            // addFixedFilter puts it last before "Vis alle": keep it first.
            Filter1->removeAction(a);
            Filter1->insertAction(Utstyrstype1->menuAction(), a);
        } else {
            QMenu* m = f.submenu == QLatin1String("Utstyrstype") ? Utstyrstype1
                       : f.submenu == QLatin1String("Status")    ? Status1
                                                                  : Prioritering1;
            a = m->addAction(f.caption);
            const QString condition = f.condition;
            connect(a, &QAction::triggered, this, [this, condition] { ApplyFilter(condition); });
            // "Tilgjengelig utstyr" stands apart from the single statuses.
            if (f.condition.startsWith(QLatin1String("status<"))) m->addSeparator();
        }
        FilterActions.push_back(a);
    }
    Serviceavtale1 = FilterActions.front();

    Dokumenter1 = addWindowItem<TDocumentListForm>(jumpMenu(), QStringLiteral("Dokumenter"), [this] { Dokumenter1Click(); });
    Timeregistreringer1 = addWindowItem<TCalendarRegListForm>(jumpMenu(), QStringLiteral("Timeregistreringer"),
                                                              [this] { Timeregistreringer1Click(); });
    // After the base's own enabling, which knows only whether the windows exist.
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TAssetListForm::updateJumps);
    updateJumps();
}

qint64 TAssetListForm::currentAsset() const
{
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || ds->recNo() < 0 || ds->state() == Dataset::Insert) return 0;
    return ds->currentId();
}

void TAssetListForm::updateJumps()
{
    const bool row = currentAsset() > 0;
    Dokumenter1->setEnabled(row && Windows().has<TDocumentListForm>());
    Timeregistreringer1->setEnabled(row && Windows().has<TCalendarRegListForm>());
}

void TAssetListForm::Dokumenter1Click()
{
    const qint64 id = currentAsset();
    if (id <= 0) return;
    ShowDocuments(QStringLiteral("document.assetid="), id);
}

void TAssetListForm::Timeregistreringer1Click()
{
    const qint64 id = currentAsset();
    if (id <= 0) return;
    ShowFiltered(DataModule().CalendarTable, QStringLiteral("assetid=") + QString::number(id),
                 WindowName<TCalendarRegListForm>());
}

DropEffect TAssetListForm::DropOnGrid(Assets::DropKind kind, const QPoint& pos)
{
    QString field;
    const int column = Grid->columnAt(pos.x());
    if (column >= 0 && Grid->gridModel()) {
        const int f = Grid->gridModel()->fieldOfColumn(column);
        if (f >= 0 && dataset() && f < dataset()->fieldCount()) field = dataset()->fieldName(f);
    }
    Assets::DropRow row;
    if (Dataset* ds = dataset(); ds && ds->isOpen() && ds->recNo() >= 0) {
        row.present = true;
        row.model = ds->asString(QStringLiteral("model"));
        row.location = ds->asString(QStringLiteral("location"));
    }
    const DropEffect effect = DropEffectForField(kind, field, row);
    ApplyDrop(effect);
    return effect;
}

void TAssetListForm::ApplyDrop(const DropEffect& effect)
{
    Dataset* ds = dataset();
    if (!ds) return;
    switch (effect.kind) {
    case DropEffect::Nothing: return;
    case DropEffect::Filter: ApplyFilter(effect.text); return;
    case DropEffect::Sort:
        ds->setOrder(effect.text);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        DataModule().TableOpen(*ds, true, false);
        QApplication::restoreOverrideCursor();
        return;
    }
}

void TAssetListForm::changeEvent(QEvent* e)
{
    // The drag-and-drop tool follows the active list.
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        if (QWidget* tool = Windows().find(WindowName<TDataToolForm>()))
            QMetaObject::invokeMethod(tool, "SetTable", Q_ARG(int, 111));
    TListForm::changeEvent(e);
}
