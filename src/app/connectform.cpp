#include "app/connectform.h"

#include "admin/oppsettdialog.h"

#include "core/dialogs.h"
#include "core/felles.h"
#include "core/login.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "data/datamodule.h"
#include "data/logindatasets.h"
#include "data/privateserver.h"
#include "ui/windowregistry.h"
#include "ui/windowtypes.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

namespace {

constexpr int kWidth = 380;
constexpr int kTitleHeight = 78;
constexpr int kUserHeight = 108;
constexpr int kButtonHeight = 46;
constexpr int kServerHeight = 76;
constexpr int kProgressHeight = 64;

ServerResolver g_resolver;

struct PrivateServerHold {
    std::unique_ptr<PrivateServer> server;
    std::unique_ptr<PrivateServerClient> client;
};
PrivateServerHold& privateHold()
{
    static PrivateServerHold hold;
    return hold;
}

// The wait cursor for as long as it lives.
struct WaitCursor {
    bool on = false;
    WaitCursor()
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        on = true;
    }
    void release()
    {
        if (on)
            QApplication::restoreOverrideCursor();
        on = false;
    }
    ~WaitCursor() { release(); }
};

QFrame* panel(QWidget* parent, const char* name)
{
    auto* p = new QFrame(parent);
    p->setObjectName(QLatin1String(name));
    return p;
}

} // namespace

bool DefaultServerResolver(const QString& server, ConnectParams& params, QString& error)
{
    const QString name = server.trimmed();
    if (name.isEmpty()) {
        PrivateServerHold& hold = privateHold();
        if (!hold.server)
            hold.server = std::make_unique<PrivateServer>();
        if (!hold.server->start()) {
            error = hold.server->error();
            return false;
        }
        if (!hold.client)
            hold.client = std::make_unique<PrivateServerClient>(*hold.server);
        params.host.clear();
        params.socket = hold.server->socketPath();
        return true;
    }
    // "host", "host:port", or a list of servers of a cluster ("db1,db2:3307"):
    // the connection parses the list and moves on to the next server when
    // one does not answer.
    if (ParseServerList(name).empty()) {
        error = QStringLiteral("Ugyldig servernavn: ") + name;
        return false;
    }
    params.host = name;
    params.port = 0;
    params.socket.clear();
    return true;
}

void SetServerResolver(ServerResolver resolver)
{
    g_resolver = std::move(resolver);
}

void ReleasePrivateServer()
{
    PrivateServerHold& hold = privateHold();
    hold.client.reset();
    hold.server.reset();
}

TDatabaseConnectForm::TDatabaseConnectForm(TDatabaseModule& dm, QWidget* parent) : QDialog(parent), dm_(dm)
{
    setObjectName(QStringLiteral("DatabaseConnectForm"));
    setWindowTitle(QStringLiteral("Kvarnel pålogging"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    // Title.
    TitlePanel = panel(this, "TitlePanel");
    TitlePanel->setAutoFillBackground(true);
    {
        QPalette pal = TitlePanel->palette();
        pal.setColor(QPalette::Window, QColor(0x1F, 0x3A, 0x5F));
        pal.setColor(QPalette::WindowText, Qt::white);
        TitlePanel->setPalette(pal);
    }
    TitleLabel = new QLabel(QStringLiteral("Kvarnel 6"), TitlePanel);
    QFont big = TitleLabel->font();
    big.setPointSizeF(big.pointSizeF() * 2.0);
    big.setBold(true);
    TitleLabel->setFont(big);
    VersionLabel = new QLabel(TitlePanel);
    {
        auto* v = new QVBoxLayout(TitlePanel);
        v->setContentsMargins(16, 8, 16, 8);
        v->addWidget(TitleLabel);
        v->addWidget(VersionLabel);
    }

    // User.
    UserPanel = panel(this, "UserPanel");
    UserEdit = new QLineEdit(UserPanel);
    UserEdit->setObjectName(QStringLiteral("UserEdit"));
    PasswordEdit = new QLineEdit(UserPanel);
    PasswordEdit->setObjectName(QStringLiteral("PasswordEdit"));
    PasswordEdit->setEchoMode(QLineEdit::Password);
    SaveLogon = new QCheckBox(QStringLiteral("Husk pålogging"), UserPanel);
    SaveLogon->setObjectName(QStringLiteral("SaveLogon"));
    SaveLogon->setChecked(true);
    {
        auto* f = new QFormLayout(UserPanel);
        f->setContentsMargins(16, 12, 16, 4);
        f->addRow(QStringLiteral("Brukernavn:"), UserEdit);
        f->addRow(QStringLiteral("Passord:"), PasswordEdit);
        f->addRow(QString(), SaveLogon);
    }

    // Buttons.
    ButtonPanel = panel(this, "ButtonPanel");
    ConnectButton = new QPushButton(QStringLiteral("Logg på"), ButtonPanel);
    ConnectButton->setObjectName(QStringLiteral("ConnectButton"));
    BitBtn1 = new QPushButton(QStringLiteral("&Avbryt"), ButtonPanel);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    OptionButton = new QPushButton(QStringLiteral("Alternativer >>"), ButtonPanel);
    OptionButton->setObjectName(QStringLiteral("OptionButton"));
    for (QPushButton* b : {ConnectButton, BitBtn1, OptionButton}) {
        // Enter is handled by the fields themselves.
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    {
        auto* h = new QHBoxLayout(ButtonPanel);
        h->setContentsMargins(16, 6, 16, 8);
        h->addWidget(ConnectButton);
        h->addWidget(BitBtn1);
        h->addStretch();
        h->addWidget(OptionButton);
    }

    // Server.
    ServerPanel = panel(this, "ServerPanel");
    ServerPanel->setFrameShape(QFrame::StyledPanel);
    ServerEdit = new QLineEdit(ServerPanel);
    ServerEdit->setObjectName(QStringLiteral("ServerEdit"));
    ServerEdit->setPlaceholderText(QStringLiteral("(lokal database)"));
    DatabaseEdit = new QLineEdit(ServerPanel);
    DatabaseEdit->setObjectName(QStringLiteral("DatabaseEdit"));
    DatabaseEdit->setPlaceholderText(PrivateServer::DefaultDatabase());
    DatabaseEdit->setToolTip(QStringLiteral("Dobbeltklikk for tabelloppsett"));
    DatabaseEdit->installEventFilter(this);
    {
        auto* f = new QFormLayout(ServerPanel);
        f->setContentsMargins(16, 8, 16, 8);
        f->addRow(QStringLiteral("Servernavn:"), ServerEdit);
        f->addRow(QStringLiteral("Database:"), DatabaseEdit);
    }

    // Progress.
    ProgressPanel = panel(this, "ProgressPanel");
    ProgressBar1 = new QProgressBar(ProgressPanel);
    ProgressBar1->setRange(0, kSteps);
    ProgressBar1->setTextVisible(false);
    ProgressLabel = new QLabel(ProgressPanel);
    ProgressLabel->setAlignment(Qt::AlignCenter);
    {
        auto* v = new QVBoxLayout(ProgressPanel);
        v->setContentsMargins(16, 10, 16, 10);
        v->addWidget(ProgressBar1);
        v->addWidget(ProgressLabel);
    }

    connect(ConnectButton, &QPushButton::clicked, this, [this] { ConnectButtonClick(); });
    connect(BitBtn1, &QPushButton::clicked, this, &TDatabaseConnectForm::BitBtn1Click);
    connect(OptionButton, &QPushButton::clicked, this, &TDatabaseConnectForm::OptionButtonClick);
    for (QLineEdit* e : {UserEdit, PasswordEdit, ServerEdit, DatabaseEdit})
        connect(e, &QLineEdit::returnPressed, this, [this] { ConnectButtonClick(); });

    layoutPanels(false, false);
}

void TDatabaseConnectForm::layoutPanels(bool progress, bool withServer)
{
    progress_ = progress;
    UserPanel->setVisible(!progress);
    ButtonPanel->setVisible(!progress);
    ServerPanel->setVisible(!progress);
    ProgressPanel->setVisible(progress);
    int y = 0;
    TitlePanel->setGeometry(0, y, kWidth, kTitleHeight);
    y += kTitleHeight;
    if (progress) {
        ProgressPanel->setGeometry(0, y, kWidth, kProgressHeight);
        y += kProgressHeight;
        setFixedSize(kWidth, y);
        return;
    }
    UserPanel->setGeometry(0, y, kWidth, kUserHeight);
    y += kUserHeight;
    ButtonPanel->setGeometry(0, y, kWidth, kButtonHeight);
    y += kButtonHeight;
    // The server panel lies below the visible area until "Alternativer >>".
    ServerPanel->setGeometry(0, y, kWidth, kServerHeight);
    if (withServer)
        y += kServerHeight;
    ProgressPanel->setGeometry(0, y, kWidth, kProgressHeight);
    setFixedSize(kWidth, y);
}

bool TDatabaseConnectForm::inProgressMode() const
{
    return progress_;
}

void TDatabaseConnectForm::FormShow()
{
    layoutPanels(false, false);
    OptionButton->setEnabled(true);
    {
        MainIniSection s(QStringLiteral("KVARNEL_SQL"));
        UserEdit->setText(GetRegStr(QStringLiteral("Username")));
        PasswordEdit->setText(EnkelDeKryptStr(GetRegStr(QStringLiteral("Password"))));
        DatabaseEdit->setText(GetRegStr(QStringLiteral("Database")));
        ServerEdit->setText(GetRegStr(QStringLiteral("Servername")));
    }
    VersionLabel->setText(QStringLiteral("Kvarnel versjon 6.00-519  30.10.2011"));
    ProgressLabel->clear();
    ProgressBar1->setValue(0);
    if (UserEdit->text().isEmpty())
        UserEdit->setFocus();
    else
        PasswordEdit->setFocus();
}

void TDatabaseConnectForm::showEvent(QShowEvent* e)
{
    FormShow();
    if (QScreen* s = screen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    QDialog::showEvent(e);
    // "Automatisk pålogging": the first login of the run starts by itself
    // when a user name is remembered.
    if (!autoLogonTried_) {
        autoLogonTried_ = true;
        bool autologon;
        {
            MainIniSection s(QStringLiteral("STANDARD"));
            autologon = GetRegBoolean(QStringLiteral("autologon"));
        }
        if (autologon && !UserEdit->text().isEmpty())
            QTimer::singleShot(0, this, [this] {
                if (isVisible() && !progress_)
                    ConnectButtonClick();
            });
    }
}

void TDatabaseConnectForm::OptionButtonClick()
{
    layoutPanels(false, true);
    ServerEdit->setFocus();
    OptionButton->setEnabled(false);
}

void TDatabaseConnectForm::BitBtn1Click()
{
    reject();
    emit programEndRequested();
}

void TDatabaseConnectForm::DatabaseEditDblClick()
{
    QWidget* setup = Windows().find(WindowName<TTableSetupForm>());
    if (!setup) return;
    // The login runs modally, which blocks every window but its own: the
    // set-up becomes a window of the login's, so it can be used beside it.
    if (setup->parentWidget() != this) {
        const bool wasVisible = setup->isVisible();
        setup->setParent(this, setup->windowFlags() | Qt::Window);
        if (wasVisible) setup->show();
    }
    Windows().show<TTableSetupForm>();
}

bool TDatabaseConnectForm::eventFilter(QObject* o, QEvent* e)
{
    if (o == DatabaseEdit && e->type() == QEvent::MouseButtonDblClick) {
        DatabaseEditDblClick();
        return true;
    }
    return QDialog::eventFilter(o, e);
}

void TDatabaseConnectForm::stepLabel(const QString& text)
{
    ProgressLabel->setText(text);
    ProgressPanel->repaint();
}

void TDatabaseConnectForm::readIdentity(const QString& typedUser)
{
    int id = 0, group = 0, company = 0;
    QString initials, username, realname, department;
    Dataset& users = dm_.UserTable;
    if (users.isOpen()) {
        if (!users.isEmpty()) {
            id = int(users.asInt(QStringLiteral("id")));
            group = int(users.asInt(QStringLiteral("defaultgroup")));
            initials = users.asString(QStringLiteral("initials"));
            username = users.asString(QStringLiteral("username"));
            realname = users.asString(QStringLiteral("realname"));
            department = users.asString(QStringLiteral("department"));
            company = int(users.asInt(QStringLiteral("companyid")));
        }
    } else {
        // The users table is not to be opened ("NO_users") or could not be:
        // the identity is still read, straight from the server.
        Connection& c = dm_.MyConnection;
        auto r = c.query(QStringLiteral("SELECT id, defaultgroup, initials, username, realname, department, "
                                         "companyid FROM `users` WHERE username=") +
                         c.quote(typedUser) + QStringLiteral(" LIMIT 1"));
        if (r && r->next()) {
            id = int(r->toLongLong(0));
            group = int(r->toLongLong(1));
            initials = r->value(2);
            username = r->value(3);
            realname = r->value(4);
            department = r->value(5);
            company = int(r->toLongLong(6));
        }
    }
    MyLoginID = id;
    MyLoginGroup = group;
    MyLoginInitials = initials;
    MyLoginUsername = username;
    MyLoginRealName = realname;
    MyLoginDepartment = department;
    if (company != 0)
        MyLoginCompany = company;
}

bool TDatabaseConnectForm::ConnectButtonClick()
{
    if (progress_)
        return false;  // a login is already running
    MyLoginStatus = 0;
    layoutPanels(true, false);
    ProgressBar1->setRange(0, kSteps);
    ProgressBar1->setValue(0);

    const QString user = UserEdit->text();
    const QString password = PasswordEdit->text();
    const QString server = ServerEdit->text().trimmed();
    const QString database =
        DatabaseEdit->text().trimmed().isEmpty() ? PrivateServer::DefaultDatabase() : DatabaseEdit->text().trimmed();

    stepLabel(QStringLiteral("kobler til ") + user + QLatin1Char('@') + server + QLatin1Char(':') + database);
    ProgressBar1->setValue(1);
    repaint();
    WaitCursor wait;

    // Every dataset belongs to the connection that is about to be replaced.
    for (Dataset* d : dm_.datasets())
        d->close();

    ConnectParams params;
    QString error;
    bool ok = (g_resolver ? g_resolver : ServerResolver(DefaultServerResolver))(server, params, error);
    bool refused = false;  // the server answered, but not to these credentials
    if (ok) {
        params.user = user;
        params.password = password;
        params.database = database;
        ok = dm_.MyConnection.open(params);
        if (!ok) {
            error = dm_.MyConnection.lastError();
            // 1045: access denied for this user and password; 1698: the
            // same for an account without a password.
            refused = dm_.MyConnection.lastErrno() == 1045 || dm_.MyConnection.lastErrno() == 1698;
        }
    } else {
        dm_.MyConnection.close();
    }
    if (!ok) {
        wait.release();
        MyLoginStatus = -1;
        const QString shown = server.isEmpty() ? QStringLiteral("den lokale databaseserveren") : server;
        LogLine(QStringLiteral("DB: Kan ikke koble til ") + shown);
        if (!error.isEmpty())
            LogLine(QStringLiteral("DB: ") + error);
        CurrentDialogs()->ShowMessage(refused ? QStringLiteral("Kan ikke koble til ") + shown +
                                                    QStringLiteral(": feil brukernavn eller passord.")
                                              : QStringLiteral("Kan ikke koble til ") + shown,
                                      QStringLiteral("FEIL"));
        // Back to the fields, so that the user can correct them and try
        // again, or leave with "&Avbryt" or the close box.
        layoutPanels(false, true);
        OptionButton->setEnabled(false);
        PasswordEdit->setFocus();
        PasswordEdit->selectAll();
        return false;
    }
    MyLoginStatus = 1;
    MyLoginServer = server;
    MyLoginPassword = password;

    // Credentials are remembered only once they have proved to work.
    if (SaveLogon->isChecked()) {
        MainIniSection s(QStringLiteral("KVARNEL_SQL"));
        SetRegStr(QStringLiteral("Username"), user);
        SetRegStr(QStringLiteral("Password"), EnkelKryptStr(password));
        SetRegStr(QStringLiteral("Database"), DatabaseEdit->text().trimmed());
        SetRegStr(QStringLiteral("Servername"), server);
        FlushSettings();
    }

    // Users: the login identity, then the members of the user's group.
    dm_.UserTable.setFilter(QStringLiteral("username=") + dm_.MyConnection.quote(user));
    LoginHooks hooks;
    hooks.step = [this](int step, const QString& label, bool opens) {
        ProgressBar1->setValue(step + 1);
        if (opens) stepLabel(label);
    };
    hooks.afterUsers = [this, &user] {
        readIdentity(user);
        dm_.UserTable.setFilter(QStringLiteral("defaultgroup=") + QString::number(MyLoginGroup));
        if (dm_.UserTable.isOpen()) {
            dm_.UserTable.close();
            dm_.UserTable.open();
        }
    };
    OpenLoginDatasets(dm_, hooks);
    FillOwnCompanySettings(dm_.MyConnection, MyLoginCompany);

    repaint();
    wait.release();
    layoutPanels(false, false);
    accept();
    return true;
}
