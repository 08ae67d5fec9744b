#pragma once
// The document list (TDocumentListForm, "Dokumenter"): the archive's
// documents as the shared document query selects them, newest first; a
// double click opens the document itself. Filters, searches, the data
// tool's drops and column titles all rebuild the query's select.
//
// The class lives in namespace archive because the order, offer, invoice
// and purchase-order windows share base classes of the same names; the
// window is registered and found under its own name "TDocumentListForm".
#include "ui/datadrop.h"
#include "ui/listform.h"

namespace archive {

class TDocumentListForm : public TListForm {
    Q_OBJECT
public:
    explicit TDocumentListForm(QWidget* parent = nullptr);

    QAction* Egenskaper1;  // "Rediger"
    QAction *Filtrereetter1, *Minedokumenter1, *Linker1, *Programfiler1, *Bilder1, *Dokument1, *Publiserte1,
        *Siste101;
    QAction *Forhndsvisning1, *Notat1, *Oppdaterlokaledokumenter1;
    DropTarget* GridDrops;

    void Ny1Click() override;
    void Oppdater1Click() override;
    void Sketter1Click() override;
    void Alle1Click() override;
    // The document itself, with the desktop's program.
    void DBGrid1DblClick();
    void Forhndsvisning1Click();
    void Notat1Click();
    void Oppdaterlokaledokumenter1Click();
    // Opening the menu ends "Siste 10": the next filter reads every row.
    void PopupMenuOpening();
    void TitleClick(int column);
    void OpenData() override;

protected:
    void changeEvent(QEvent* e) override;

private:
    QAction* filterItem(const QString& caption, const QString& condition);
};

} // namespace archive
