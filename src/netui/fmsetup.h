#pragma once
// The e-mail set-up window (TfmSetup, "Epost oppsett"): sender address and
// name, and how mail goes out: an external mail program or an SMTP server
// with optional login. Everything is stored on close; the password
// scrambled, in the user's private settings file.
#include "net/smtp.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QPushButton;
class QLabel;

class TfmSetup : public QDialog {
    Q_OBJECT
public:
    explicit TfmSetup(QWidget* parent = nullptr);

    void LoadSettings();
    void SaveSettings();
    // Shows the controls that belong to the chosen way of sending.
    void UpdateVisibility();
    // Opened from the main window's "Epost": the sending page first.
    Q_INVOKABLE void ShowSendOnly();

    QTabWidget* PageControl1;
    QLineEdit *EpostEdit, *NavnEdit;
    QRadioButton *ExternalRadio, *SmtpRadio;
    QComboBox* eMailProgramName;
    QLineEdit* ServerEdit;
    QSpinBox* PortSpin;
    QPushButton* TestButton;
    QCheckBox* LogBox;
    QComboBox* LoginCombo;
    QLineEdit *UserEdit, *PasswordEdit;
    QLabel *ProgramLabel, *ServerLabel, *PortLabel, *LoginLabel, *UserLabel, *PasswordLabel;

protected:
    void showEvent(QShowEvent* e) override;
    void done(int r) override;
};
