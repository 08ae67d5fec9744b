#pragma once
// The activity window (TActivityForm, "Aktiviteter"): lines that
// long-running jobs add to Memo, kept until the program ends.

#include <QDialog>

class QPlainTextEdit;

class TActivityForm : public QDialog {
    Q_OBJECT
public:
    explicit TActivityForm(QWidget* parent = nullptr);
    QPlainTextEdit* Memo;
};
