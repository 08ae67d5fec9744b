#pragma once
// The contact list (TContactListForm, "Kontaktliste"): the shared contact
// query (contacts with their company's name), filtered by company link or
// free text, sorted by a click on a column title, with the vCard and
// formatting windows and the link to the current company.
#include "ui/listform.h"

class TContactListForm : public TListForm {
    Q_OBJECT
public:
    explicit TContactListForm(QWidget* parent = nullptr);

    QAction *TilknyttetFirma1, *IkkeTilknyttet1, *Dokumenter1, *EksporterImporter1, *FormaterKontakter1, *Tilknytt1;
    QMenu* Avansert1;

    void Sketter1Click() override;
    void Alle1Click() override;
    void OpenData() override;
    // Sets the contact where-condition and re-runs the contact select.
    void SelectWhere(const QString& condition);
    // Links the current contact to the current row of the company list.
    void Tilknytt1Click();
    void UpdateTilknyttCaption();
};
