#pragma once
// The groups window (TGroupForm, "Grupper"): the user groups in an editable
// grid (number and name) with a record navigator; rows are added, changed
// and deleted in the grid or with the buttons. New rows get the usual
// defaults and deleting asks first.
#include <QWidget>

class DataGrid;
class QToolButton;
class TDBNavigator;

class TGroupForm : public QWidget {
    Q_OBJECT
public:
    explicit TGroupForm(QWidget* parent = nullptr);
    TDBNavigator* DBNavigator1;
    QToolButton *InsertButton, *DeleteButton;
    DataGrid* DBGrid1;

    void InsertButtonClick();
    void DeleteButtonClick();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
};
