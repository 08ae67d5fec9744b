#pragma once
// The product picker (TItemsAddForm, "Hent vare"): adds products to the
// open document by product number and count. In mode 0 it adds the product
// list's current product once and closes; in mode 1 (keyboard) it takes
// one product number after the other, beeping after each, and shows a red
// mark while a typed number is not in the product register.
#include <QDialog>

class QComboBox;
class QFrame;
class QLineEdit;
class TDatabaseModule;

// 0: the product dataset's current product; 1: typed product numbers.
extern int ItemsAddMode;

class TItemsAddForm : public QDialog {
    Q_OBJECT
public:
    explicit TItemsAddForm(QWidget* parent = nullptr);

    QLineEdit* Edit2;   // "Varenummer:"
    QLineEdit* Edit1;   // "Antall:"
    QComboBox* Edit3;   // "Merk:"
    QFrame* Shape1;     // shown while a typed number is not found

    // Enter in "Antall:" or "Merk:": adds the line (see the modes above).
    // False when nothing was added.
    bool AddItem();
    // The count typed: a whole number, 1 when it is none.
    int Count() const;

protected:
    void showEvent(QShowEvent* e) override;
    void done(int r) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    TDatabaseModule& dm_;
};
