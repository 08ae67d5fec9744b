#pragma once
// The generic table window (TCommonListForm, "Tabell N"): one grid with
// every column of the dataset the data module's CommonSource points at
// when the window is shown.
#include "ui/datagrid.h"

#include <QWidget>

class TCommonListForm : public QWidget {
    Q_OBJECT
public:
    explicit TCommonListForm(QWidget* parent = nullptr);
    // Binds the grid to CommonSource and titles the window.
    void AttachSource();
    DataGrid* Grid;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
};
