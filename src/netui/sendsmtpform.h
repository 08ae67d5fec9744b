#pragma once
// The "Ny epost" window (TSendSMTPForm): recipient, subject, text and one
// attachment, sent over SMTP with the user's mail settings. A failed send
// keeps the window open with everything typed and says why.
#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QLabel;

class TSendSMTPForm : public QDialog {
    Q_OBJECT
public:
    explicit TSendSMTPForm(QWidget* parent = nullptr);

    // Fills the window for a new message.
    void Prepare(const QString& recipient, const QString& subject, const QString& body, const QString& attachment);
    // Sends the message; true when the server took it (the window then
    // closes). On failure the window stays, with the reason shown.
    bool SendKnappClick();

    QComboBox* MottagerCombo;
    QLineEdit *EmneEdit, *VedleggEdit;
    QPlainTextEdit* Memo1;
    QToolButton* VedleggButton;
    QPushButton* SendKnapp;
    QLabel* StatusLabel;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void updateSend();
};

// Every mail the program originates: through the user's external mail
// program when the settings say so, else the "Ny epost" window (modal).
// attachment is a full path; any of the last three may be empty.
void SendEpost(const QString& recipient, const QString& subject = QString(), const QString& body = QString(),
               const QString& attachment = QString());

// How SendEpost starts an external program; tests replace it. Returns
// whether the program could be started.
using ProgramStarter = bool (*)(const QString& program, const QStringList& args);
void SetProgramStarter(ProgramStarter starter);
