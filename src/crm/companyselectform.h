#pragma once
// The supplier chooser (TCompanySelectForm, "Velg firma") behind
// SelectCompany: one row per supplier named by the products, with the
// number of products; a double click chooses.
#include "ui/datagrid.h"

#include <QDialog>

// The result of the last choice: a supplier's company id, -1 when the
// window was closed without a choice.
extern int SelectedCompany;

class TCompanySelectForm : public QDialog {
    Q_OBJECT
public:
    explicit TCompanySelectForm(QWidget* parent = nullptr);
    // A double click on a row: its supplier is chosen and the window closes.
    void CompanyGridDblClick();
    DataGrid* CompanyGrid;

protected:
    void showEvent(QShowEvent* e) override;
    void done(int r) override;
};

// Shows the chooser modally and returns the chosen supplier's id; -1 when
// nothing was chosen (callers treat 0 or less as nothing chosen). The
// supplier summary is read the first time only.
int SelectCompany();
