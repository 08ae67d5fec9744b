#pragma once
// The chart of accounts (TAccountListForm, "Kontoplan"): accounts with their
// balance, budget and last year's figure, the search over names and notes
// (a typed whole number also finds the account of that number), and the
// income statement under "Rapporter".
#include "ui/listform.h"

class TAccountListForm : public TListForm {
    Q_OBJECT
public:
    explicit TAccountListForm(QWidget* parent = nullptr);
    QMenu* Rapporter1;
    QAction *Resultatregnskap1, *ResultatregnskapVis1;
    void Sketter1Click() override;
    // Reads the statement and prints it (preview: shows it on screen).
    bool Resultatregnskap1Click(bool preview);
};
