#pragma once
// The login window (TDatabaseConnectForm, "Kvarnel pålogging"): connects the
// data module to the database server with the typed credentials, reads the
// login identity and opens the datasets one by one.

#include "data/connection.h"

#include <QDialog>
#include <QString>

#include <functional>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class TDatabaseModule;
class Dataset;

// Turns the typed server name into connection parameters (host or socket);
// user, password and database are filled in by the login. False, with a
// reason in error, when no server can be reached that way.
using ServerResolver = std::function<bool(const QString& server, ConnectParams& params, QString& error)>;
// The default: an empty name is the private server (started on demand and
// kept for the run); "host" or "host:port" is a server on the network.
bool DefaultServerResolver(const QString& server, ConnectParams& params, QString& error);
// Replaces the resolver; an empty function restores the default.
void SetServerResolver(ServerResolver resolver);
// Lets go of the private server (it stops when its last client leaves).
void ReleasePrivateServer();

class TDatabaseConnectForm : public QDialog {
    Q_OBJECT
public:
    explicit TDatabaseConnectForm(TDatabaseModule& dm, QWidget* parent = nullptr);

    // Steps of the progress bar: the connection and the 20 tables.
    static constexpr int kSteps = 21;

    void FormShow();
    void OptionButtonClick();
    // "Logg på": connects and opens the datasets. True when connected.
    bool ConnectButtonClick();
    void BitBtn1Click();
    void DatabaseEditDblClick();

    bool inProgressMode() const;
    int clientHeight() const { return height(); }

    QFrame* TitlePanel;
    QFrame* UserPanel;
    QFrame* ButtonPanel;
    QFrame* ServerPanel;
    QFrame* ProgressPanel;
    QLabel* TitleLabel;
    QLabel* VersionLabel;
    QLineEdit* UserEdit;
    QLineEdit* PasswordEdit;
    QCheckBox* SaveLogon;
    QPushButton* ConnectButton;
    QPushButton* BitBtn1;
    QPushButton* OptionButton;
    QLineEdit* ServerEdit;
    QLineEdit* DatabaseEdit;
    QProgressBar* ProgressBar1;
    QLabel* ProgressLabel;

signals:
    // "&Avbryt": the program is to end without connecting.
    void programEndRequested();

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void layoutPanels(bool progress, bool withServer);
    void readIdentity(const QString& typedUser);
    void stepLabel(const QString& text);

    TDatabaseModule& dm_;
    bool autoLogonTried_ = false;
    bool progress_ = false;
};
