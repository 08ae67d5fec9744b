#pragma once
// The SQL window (TSQLForm): the last select text the data module built,
// and the server's answer to the last statement that failed.

#include <QDialog>
#include <QString>

class QLabel;
class QPlainTextEdit;

class TSQLForm : public QDialog {
    Q_OBJECT
public:
    explicit TSQLForm(QWidget* parent = nullptr);
    ~TSQLForm() override;

    // Shows a failed statement with the server's error text.
    void ShowSqlError(const QString& statement, const QString& error);

    QPlainTextEdit* SQLMemo;
    QLabel* ErrorLabel;
    QPlainTextEdit* ErrorMemo;
};
