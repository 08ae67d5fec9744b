#pragma once
// The one-line input dialog (TInputForm) and InputStr, the search and
// filter prompt of the list windows.

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

// The last confirmed input of this run; empty after a cancel.
extern QString LastInputStr;
// True when every character of the last answer is a digit, a comma or a
// point (also for an empty answer).
extern bool NumericInput;

class TInputForm : public QDialog {
    Q_OBJECT
public:
    explicit TInputForm(QWidget* parent = nullptr);

    // Label text; the prompt "Passord" masks the typed text.
    void setPrompt(const QString& prompt);
    // The field's text, wholly selected, with the focus.
    void setText(const QString& text);
    QString text() const;

    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* OkButton;
    QPushButton* CancelButton;
};

// Asks for one line. An empty default is replaced by the stored
// LastInputStr. OK: answer is the text and is remembered as LastInputStr
// (also in the per-user file). Cancel: answer is empty, the stored value
// stays. Goes through CurrentDialogs(), so tests can answer it. Returns
// whether the user confirmed.
bool InputStr(const QString& prompt, const QString& defaultText, QString& answer);
// The NumericInput rule for one text.
bool IsNumericText(const QString& text);
