#pragma once
// The asset list (TAssetListForm, "Utstyrsliste"): the shared asset dataset
// with filters by service agreement, type, status and priority, the search
// over the asset's texts, jumps to its documents and time registrations, and
// the drops of the data tool's icons onto the grid.
#include "assets/assetrules.h"
#include "ui/listform.h"

class TAssetListForm : public TListForm {
    Q_OBJECT
public:
    explicit TAssetListForm(QWidget* parent = nullptr);

    QAction* Serviceavtale1;
    QMenu *Utstyrstype1, *Status1, *Prioritering1;
    // The fixed filters in the order of Assets::FilterItems().
    std::vector<QAction*> FilterActions;
    QAction *Dokumenter1, *Timeregistreringer1;

    // The id of the list's current row; 0 when there is none (an empty
    // list, or a new row not saved yet).
    qint64 currentAsset() const;
    void Dokumenter1Click();
    void Timeregistreringer1Click();
    // The jumps need a row to jump from.
    void updateJumps();

    // A drop of one of the data tool's icons at pos in the grid's viewport:
    // the column under the point decides (see Assets::DropEffectForField).
    // Returns what it did.
    Assets::DropEffect DropOnGrid(Assets::DropKind kind, const QPoint& pos);
    // Carries out a drop's effect on the asset dataset.
    void ApplyDrop(const Assets::DropEffect& effect);

protected:
    void changeEvent(QEvent* e) override;
};
