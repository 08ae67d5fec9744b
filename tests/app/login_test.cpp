// The login window: connecting, the login identity, the datasets, the
// remembered credentials and what a failure leaves behind.
#include "apptest.h"

#include "app/mainform.h"
#include "app/tablesetupform.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <QProgressBar>
#include <QTcpServer>
#include <QPushButton>
#include <QtTest/QTest>

namespace {
// The "Åpner tabellen" lines of the log, as table names.
QStringList openedTables(const QStringList& log, const QString& database)
{
    QStringList out;
    const QString prefix = QStringLiteral("Åpner tabellen ") + database + '.';
    for (const QString& l : log)
        if (l.startsWith(prefix))
            out << l.mid(prefix.size());
    return out;
}
} // namespace

TEST_F(AppTest, LoginWindowStartsWithUserPanelsAndStoredValues)
{
    setSqlKey("Username", "kari");
    setSqlKey("Password", EnkelKryptStr("hemmelig"));
    setSqlKey("Database", "firma");
    setSqlKey("Servername", "db.example.no");
    TDatabaseConnectForm f(*dm);
    f.show();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Kvarnel pålogging"));
    EXPECT_EQ(f.UserEdit->text(), QStringLiteral("kari"));
    EXPECT_EQ(f.PasswordEdit->text(), QStringLiteral("hemmelig"));
    EXPECT_EQ(f.PasswordEdit->echoMode(), QLineEdit::Password);
    EXPECT_EQ(f.DatabaseEdit->text(), QStringLiteral("firma"));
    EXPECT_EQ(f.ServerEdit->text(), QStringLiteral("db.example.no"));
    EXPECT_EQ(f.VersionLabel->text(), QStringLiteral("Kvarnel versjon 6.00-519  30.10.2011"));
    EXPECT_FALSE(f.ProgressPanel->isVisible());
    // The server panel lies below the visible area until "Alternativer >>".
    EXPECT_EQ(f.height(), f.TitlePanel->height() + f.UserPanel->height() + f.ButtonPanel->height());
    const int before = f.height();
    f.OptionButton->click();
    EXPECT_EQ(f.height(), before + f.ServerPanel->height());
    EXPECT_FALSE(f.OptionButton->isEnabled());
    // Showing it again starts over.
    f.hide();
    f.show();
    EXPECT_EQ(f.height(), before);
    EXPECT_TRUE(f.OptionButton->isEnabled());
}

TEST_F(AppTest, DemoLoginReadsIdentityAndOpensEveryDatasetInOrder)
{
    TDatabaseConnectForm f(*dm);
    ASSERT_TRUE(login(f, "demo", "demo"));
    EXPECT_TRUE(dialogs().messages.empty()) << dialogs().lastMessage().toStdString();

    EXPECT_EQ(MyLoginStatus, 1);
    EXPECT_EQ(MyLoginID, 1);
    EXPECT_EQ(MyLoginGroup, 100);
    EXPECT_EQ(MyLoginInitials, QStringLiteral("KN"));
    EXPECT_EQ(MyLoginUsername, QStringLiteral("demo"));
    EXPECT_EQ(MyLoginRealName, QStringLiteral("Kari Nordvik"));
    EXPECT_EQ(MyLoginDepartment, QStringLiteral("Administrasjon"));
    EXPECT_EQ(MyLoginCompany, 1);
    EXPECT_EQ(MyLoginServer, QString());
    EXPECT_EQ(MyLoginPassword, QStringLiteral("demo"));

    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.ProgressBar1->maximum(), 21);
    EXPECT_EQ(f.ProgressBar1->value(), 21);
    EXPECT_EQ(openedTables(logTexts(), db->name()),
              QStringList({"users", "groups", "company", "calendar", "product", "project", "subproject", "news",
                           "asset", "banner", "orders", "accounts", "entries", "po", "offer", "invoice"}));
    for (Dataset* d : {&dm->ContactQuery, &dm->DocumentQuery, &dm->JobQuery, &dm->ItemsQuery})
        EXPECT_TRUE(d->isOpen()) << d->tableName().toStdString();
    // After the login the users dataset holds the user's default group.
    EXPECT_EQ(dm->UserTable.filter(), QStringLiteral("defaultgroup=100"));
    EXPECT_EQ(dm->UserTable.recordCount(), scalar("SELECT COUNT(*) FROM users WHERE defaultgroup=100").toInt());
    // The contact query is the full select joined to company; the document
    // query the ten most recently updated documents.
    EXPECT_EQ(dm->ContactQuery.sql(), QStringLiteral("SELECT contact.*, companyname FROM contact LEFT JOIN company "
                                                     "ON contact.companyid=company.id ORDER BY realname"));
    EXPECT_TRUE(dm->DocumentQuery.sql().endsWith(QStringLiteral("ORDER BY updated DESC LIMIT 10")));

    // Remembered, with the password scrambled.
    EXPECT_EQ(sqlKey("Username"), QStringLiteral("demo"));
    EXPECT_EQ(sqlKey("Password"), EnkelKryptStr("demo"));
    EXPECT_NE(sqlKey("Password"), QStringLiteral("demo"));
    EXPECT_EQ(sqlKey("Database"), db->name());
    EXPECT_EQ(sqlKey("Servername"), QString());
}

TEST_F(AppTest, EnterInAFieldLogsIn)
{
    TDatabaseConnectForm f(*dm);
    f.show();
    f.UserEdit->setText("demo");
    f.PasswordEdit->setText("demo");
    f.DatabaseEdit->setText(db->name());
    QTest::keyClick(f.PasswordEdit, Qt::Key_Return);
    EXPECT_EQ(MyLoginStatus, 1);
    EXPECT_FALSE(f.isVisible());
}

TEST_F(AppTest, FailedConnectionsReportAndLeaveNothingBehind)
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const QString closed = QStringLiteral("127.0.0.1:%1").arg(probe.serverPort());
    probe.close();
    struct Case {
        const char* name;
        QString user, password, server, database;
        QString reason;  // after the server name in the message
    };
    const Case cases[] = {
        {"unreachable server", "demo", "demo", closed, db->name(), ""},
        {"wrong password", "demo", "feil", "", db->name(), ": feil brukernavn eller passord."},
        {"unknown user", "ukjent", "demo", "", db->name(), ": feil brukernavn eller passord."},
        {"missing database", "demo", "demo", "", "finnes_ikke", ""},
    };
    setSqlKey("Username", "forrige");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs().messages.clear();
        LogStrings.clear();
        TDatabaseConnectForm f(*dm);
        EXPECT_FALSE(login(f, c.user, c.password, c.server, c.database));
        const QString shown = c.server.isEmpty() ? QStringLiteral("den lokale databaseserveren") : c.server;
        ASSERT_EQ(dialogs().messages.size(), 1u);
        EXPECT_EQ(dialogs().messages[0].text, QStringLiteral("Kan ikke koble til ") + shown + c.reason);
        EXPECT_EQ(dialogs().messages[0].caption, QStringLiteral("FEIL"));
        EXPECT_TRUE(logTexts().contains(QStringLiteral("DB: Kan ikke koble til ") + shown));
        EXPECT_EQ(MyLoginStatus, -1);
        for (Dataset* d : dm->datasets())
            EXPECT_FALSE(d->isOpen()) << d->tableName().toStdString();
        // Nothing remembered from a login that did not work.
        EXPECT_EQ(sqlKey("Username"), QStringLiteral("forrige"));
        // The window is back on its fields, so the user can correct them.
        EXPECT_TRUE(f.isVisible());
        EXPECT_FALSE(f.inProgressMode());
        EXPECT_TRUE(f.UserPanel->isVisible());
        EXPECT_TRUE(f.ServerPanel->isVisible());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

TEST_F(AppTest, UserWithoutUsersRowLogsInWithEmptyIdentity)
{
    ASSERT_TRUE(db->admin().exec("INSERT INTO users (username, realname, defaultgroup) VALUES ('ny', 'Ny Ansatt', 0)"));
    MyLoginCompany = 7;
    TDatabaseConnectForm f(*dm);
    // The server's administrator has no row in users.
    ASSERT_TRUE(login(f, "root", TestServer().adminPassword()));
    EXPECT_EQ(MyLoginStatus, 1);
    EXPECT_EQ(MyLoginID, 0);
    EXPECT_EQ(MyLoginGroup, 0);
    EXPECT_EQ(MyLoginInitials, QString());
    EXPECT_EQ(MyLoginRealName, QString());
    EXPECT_EQ(MyLoginDepartment, QString());
    EXPECT_EQ(MyLoginCompany, 7);
    ASSERT_EQ(dm->UserTable.recordCount(), 1);
    EXPECT_EQ(dm->UserTable.asString("username"), QStringLiteral("ny"));
}

TEST_F(AppTest, NameWithQuoteDoesNotBreakTheUsersFilter)
{
    ASSERT_TRUE(db->admin().exec("CREATE USER IF NOT EXISTS 'o''neil'@'localhost' IDENTIFIED BY 'x'"));
    ASSERT_TRUE(db->admin().exec("GRANT ALL PRIVILEGES ON `" + db->name() + "`.* TO 'o''neil'@'localhost'"));
    ASSERT_TRUE(db->admin().exec("INSERT INTO users (username, realname, defaultgroup) VALUES "
                                 "('o''neil', 'Pat O''Neil', 110)"));
    TDatabaseConnectForm f(*dm);
    ASSERT_TRUE(login(f, "o'neil", "x"));
    EXPECT_EQ(MyLoginRealName, QStringLiteral("Pat O'Neil"));
    EXPECT_EQ(MyLoginGroup, 110);
    db->admin().exec("DROP USER 'o''neil'@'localhost'");
}

TEST_F(AppTest, AllTablesExcludedStillRunsEveryStepAndReadsIdentity)
{
    for (const QString& t : TableNames)
        setSqlKey("NO_" + t, "1");
    TDatabaseConnectForm f(*dm);
    ASSERT_TRUE(login(f, "demo", "demo"));
    EXPECT_EQ(f.ProgressBar1->value(), 21);
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(f.inProgressMode());
    for (Dataset* d : dm->datasets())
        EXPECT_FALSE(d->isOpen()) << d->tableName().toStdString();
    EXPECT_TRUE(openedTables(logTexts(), db->name()).isEmpty());
    // The identity comes from the server even with the users table excluded.
    EXPECT_EQ(MyLoginID, 1);
    EXPECT_EQ(MyLoginRealName, QStringLiteral("Kari Nordvik"));
}

TEST_F(AppTest, UncheckedRememberKeepsStoredValues)
{
    setSqlKey("Username", "ole");
    setSqlKey("Password", EnkelKryptStr("gammelt"));
    setSqlKey("Database", "gammel");
    setSqlKey("Servername", "server1");
    TDatabaseConnectForm f(*dm);
    ASSERT_TRUE(login(f, "demo", "demo", QString(), db->name(), false));
    EXPECT_EQ(sqlKey("Username"), QStringLiteral("ole"));
    EXPECT_EQ(sqlKey("Password"), EnkelKryptStr("gammelt"));
    EXPECT_EQ(sqlKey("Database"), QStringLiteral("gammel"));
    EXPECT_EQ(sqlKey("Servername"), QStringLiteral("server1"));
    f.show();  // the next time shows the values last stored
    EXPECT_EQ(f.UserEdit->text(), QStringLiteral("ole"));
    EXPECT_EQ(f.PasswordEdit->text(), QStringLiteral("gammelt"));
}

TEST_F(AppTest, ReloginReplacesIdentityButKeepsCompanyWhenNewUserHasNone)
{
    ASSERT_TRUE(db->admin().exec("INSERT INTO users (username, realname, initials, department, defaultgroup, "
                                 "companyid) VALUES ('root', 'Systemansvarlig', 'SA', 'IT', 110, 0)"));
    TDatabaseConnectForm f(*dm);
    ASSERT_TRUE(login(f, "demo", "demo"));
    ASSERT_EQ(MyLoginCompany, 1);
    ASSERT_TRUE(login(f, "root", TestServer().adminPassword()));
    EXPECT_EQ(MyLoginUsername, QStringLiteral("root"));
    EXPECT_EQ(MyLoginRealName, QStringLiteral("Systemansvarlig"));
    EXPECT_EQ(MyLoginInitials, QStringLiteral("SA"));
    EXPECT_EQ(MyLoginDepartment, QStringLiteral("IT"));
    EXPECT_EQ(MyLoginGroup, 110);
    EXPECT_EQ(MyLoginCompany, 1);
    EXPECT_EQ(MyLoginPassword, TestServer().adminPassword());
    EXPECT_TRUE(dm->CompanyTable.isOpen());
    EXPECT_EQ(dm->MyConnection.params().user, QStringLiteral("root"));
}

TEST_F(AppTest, MissingTablesAreReportedAndTheLoginGoesOn)
{
    ASSERT_TRUE(db->admin().exec("DROP TABLE news"));
    ASSERT_TRUE(db->admin().exec("DROP TABLE jobs"));
    TDatabaseConnectForm f(*dm);
    ASSERT_TRUE(login(f, "demo", "demo"));
    // A table: message and error line; a query: only the log line.
    ASSERT_EQ(dialogs().messages.size(), 1u);
    EXPECT_EQ(dialogs().messages[0].text, QStringLiteral("Kan ikke åpne tabellen news"));
    EXPECT_EQ(dialogs().messages[0].caption, QStringLiteral("Feil"));
    EXPECT_TRUE(logTexts().contains(QStringLiteral("FEIL: kan ikke åpne tabellen ") + db->name() + ".news"));
    EXPECT_TRUE(logTexts().contains(QStringLiteral("SQLERROR: select * from jobs")));
    EXPECT_TRUE(dm->InvoiceTable.isOpen());
    EXPECT_EQ(MyLoginStatus, 1);
    EXPECT_FALSE(f.isVisible());
}

TEST_F(AppTest, ShutdownWritesSettingsCopiesOnlyAfterASuccessfulLogin)
{
    TMainform main;
    main.runLoginOnShow = false;
    TDatabaseConnectForm f(*dm);
    EXPECT_FALSE(login(f, "demo", "feil"));
    main.FormClose();
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM users WHERE inifile IS NOT NULL AND inifile<>''"), "0");
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM company WHERE inifile IS NOT NULL AND inifile<>''"), "0");

    TMainform main2;
    ASSERT_TRUE(login(f, "demo", "demo"));
    main2.FormClose();
    const QString userCopy = scalar("SELECT inifile FROM users WHERE username='demo'");
    EXPECT_TRUE(userCopy.contains("VINDU-MainForm6")) << userCopy.toStdString();
    const QString companyCopy = scalar("SELECT inifile FROM company WHERE id=1");
    EXPECT_TRUE(companyCopy.contains("[KVARNEL_SQL]"));
    EXPECT_FALSE(companyCopy.contains("Password"));
}

TEST_F(AppTest, StatusBarShowsWhoIsLoggedIn)
{
    TMainform main;
    main.runLoginOnShow = false;
    TDatabaseConnectForm f(*dm);
    ASSERT_TRUE(login(f, "demo", "demo"));
    main.ShowLoginStatus();
    EXPECT_EQ(main.statusText(), QStringLiteral("demo@   Kari Nordvik"));
}

TEST_F(AppTest, TableSetupOpenedFromTheModalLoginTakesClicks)
{
    Windows().add<TDatabaseConnectForm>([this] { return new TDatabaseConnectForm(*dm); });
    Windows().add<TTableSetupForm>();
    Windows().createAll();
    auto* login = Windows().get<TDatabaseConnectForm>();
    auto* setup = Windows().get<TTableSetupForm>();
    ASSERT_TRUE(login && setup);
    int clickedRow = -2;
    bool shown = false;
    QTimer::singleShot(0, login, [&] {
        login->OptionButtonClick();
        QTest::mouseDClick(login->DatabaseEdit, Qt::LeftButton);
        shown = setup->isVisible();
        if (shown) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(setup));
            setup->CheckListBox1->setCurrentRow(0);
            // The click goes in through the window system, where a window
            // blocked by a modal one drops it.
            const QRect r = setup->CheckListBox1->visualItemRect(setup->CheckListBox1->item(3));
            const QPoint at = setup->CheckListBox1->viewport()->mapTo(setup, r.center());
            QTest::mouseClick(setup->windowHandle(), Qt::LeftButton, {}, at);
            clickedRow = setup->CheckListBox1->currentRow();
            setup->close();
        }
        login->reject();
    });
    login->exec();
    EXPECT_TRUE(shown);
    EXPECT_EQ(clickedRow, 3);
}
