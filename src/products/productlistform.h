#pragma once
// The product list (TProductListForm, "Vareliste (table)"): the product
// register's working list over the shared product dataset. Filters and
// sorts the products, counts stock one unit up or down and resets it for
// the whole register, switches between warehouse tables, generates
// missing EAN numbers, copies products into the open document and opens
// the printouts and the record windows.
#include "ui/datadrop.h"
#include "ui/listform.h"

class QLabel;
class QStatusBar;

class TProductListForm : public TListForm {
    Q_OBJECT
public:
    explicit TProductListForm(QWidget* parent = nullptr);

    // The data tool's drops on the grid: the order icon sorts by product
    // code (x 0 to 100) or text (101 to 350), the where icon filters on the
    // row's supplier (only right of x 575), the text box searches text and
    // code, the all icon removes the filter.
    static DropResult GridDrop(const DropEvent& e);

    // Filters that follow the current row.
    QAction *Favoritter1, *FavoritterLeverandor1, *DenneVaregruppe1, *DenneLeverandor1, *VelgLeverandor1,
        *Lagervare1, *PaLager1, *UnderMinimum1, *UnderMinimumLeverandor1, *Egenproduserte1, *Ukurante1;
    QMenu *UtskriftMeny1, *Lager1;
    QAction *UtskriftLister1, *UtskriftEtikett1, *Dokumenter1, *Varetransaksjoner1, *Varelagerstatus1,
        *Prisjustering1, *ImporterPrisliste1, *ImporterRabattliste1, *Rekalkuler1, *GenererEAN1, *TilbakeOpptelt1,
        *SettTil01, *SomOpptelt1, *SkiftLager1, *Standardlager1, *Trekk1, *LeggTil1, *Terminal1, *HentTilOrdre1,
        *HentAlle1, *TekniskInfo1;
    QAction* HentSeparator1;
    QStatusBar* StatusBar1;
    QLabel *StatusCount, *StatusAffected, *StatusOrder, *StatusFilter;

    // "Filtrer etter ...": a code range ("100-200") or the free-text search.
    void Sketter1Click() override;
    void Alle1Click() override;
    // The four status panels and the caption "Vareliste (table)".
    void UpdateStatusbar();
    // Captions and visibility that follow the current row and the open documents.
    void PopupMenu1Popup();
    void VelgLeverandor1Click();
    void LeggTil1Click();
    void Trekk1Click();
    void ToggleFavourite();
    void StockReset(int kind);  // StockReset as int
    void SkiftLager1Click();
    void Standardlager1Click();
    void GenererEAN1Click();
    void HentTilOrdre1Click();
    void HentAlle1Click();
    void Varetransaksjoner1Click();
    void Dokumenter1Click();
    // Enter or double-click: the item-add dialog in adding mode, the
    // record window otherwise.
    void GridDoubleClick();

    void FormShow() override;
    void FormClose() override;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void filterOnRow(const QString& condition);
    QString vendorName() const;
    // The open document with its table and number for the copy items.
    struct OpenDoc {
        QString caption;  // "Hent til ordre 1007"
        bool any = false;
    };
    OpenDoc openDocument() const;
};
