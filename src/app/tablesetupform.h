#pragma once
// Table set-up (TTableSetupForm, "Tabelloppsett"): which tables the login
// leaves unopened, one "NO_<table>" key of KVARNEL_SQL per table.

#include <QDialog>

class QLabel;
class QListWidget;

class TTableSetupForm : public QDialog {
    Q_OBJECT
public:
    explicit TTableSetupForm(QWidget* parent = nullptr);

    // Reads the check marks from the keys / writes them back.
    void ReadKeys();
    void WriteKeys();
    // Check mark of the row of a table name.
    bool isChecked(const QString& table) const;
    void setChecked(const QString& table, bool checked);

    QLabel* Label1;
    QListWidget* CheckListBox1;

protected:
    void done(int r) override;
};
