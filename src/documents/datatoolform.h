#pragma once
// The drag-and-drop data tool (TDataToolForm, "Dra og Slipp Verktøy"): a
// small floating window with four icons and a text box to drag onto a list
// grid or a record window's fields (what a drop does is up to the window
// that receives it, see ui/datadrop.h), and a record navigator on the
// register whose window was active last.
//
// Register windows call SetTable with their table number when they become
// the active window (by name, so they need not include this header):
//   QMetaObject::invokeMethod(tool, "SetTable", Q_ARG(int, 101));
#include "ui/datadrop.h"

#include <QLabel>
#include <QPointer>
#include <QWidget>

#include <vector>

class Dataset;
class QLineEdit;
class QToolButton;

// One draggable icon of the tool.
class DataToolIcon : public QLabel {
    Q_OBJECT
public:
    DataToolIcon(DropKind kind, const QString& hint, QWidget* parent = nullptr);
    DropKind kind() const { return kind_; }
    // The text a Search drag carries.
    std::function<QString()> text;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    DropKind kind_;
    QPoint pressed_;
};

// A table the tool knows: number, caption, record window.
struct DataToolTable {
    int number;
    QString caption;
    QString recordWindow;
};
extern const std::vector<DataToolTable> DataToolTables;

class TDataToolForm : public QWidget {
    Q_OBJECT
public:
    explicit TDataToolForm(QWidget* parent = nullptr);

    DataToolIcon *WhereImage, *OrderImage, *LockImage, *AllImage, *SortImage;
    QLineEdit* SortEdit;
    QToolButton* ClearButton;  // "X"
    QWidget* DBNavigator;
    QToolButton *NavFirst, *NavPrior, *NavNext, *NavLast, *NavInsert, *NavDelete, *NavEdit, *NavPost, *NavCancel,
        *NavRefresh;

    // The current table's number; 0 before a register window was active.
    int SelectedID = 0;
    Dataset* boundDataset() const { return ds_; }

    // Points the tool at table number: its caption and the navigator's
    // data. A number the tool does not know changes nothing.
    Q_INVOKABLE void SetTable(int number);

    // The navigator's buttons.
    void NavigatorClick(QToolButton* button);

private:
    void updateNavigator();
    void showRecordWindow();
    QPointer<Dataset> ds_;
    std::vector<QMetaObject::Connection> conns_;
};
