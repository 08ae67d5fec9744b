#pragma once
// The yes/no dialog (TJaNeiForm) and AskJaNei.

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

class TJaNeiForm : public QDialog {
    Q_OBJECT
public:
    explicit TJaNeiForm(QWidget* parent = nullptr);

    // Sets the question and widens the window to fit it; the default's
    // button gets the focus and is the answer when the window is closed
    // any other way than by the two buttons.
    void setQuestion(const QString& question, bool defaultYes);
    bool answer() const { return answer_; }

    QLabel* Label1;
    QPushButton* JaButton;
    QPushButton* NeiButton;

private:
    bool answer_ = false;
};

// Asks a yes/no question. With the program's own dialogs installed the
// window starts on the default; with any other Dialogs implementation the
// question goes to its AskYesNo.
bool AskJaNei(const QString& question, bool defaultYes);
