#pragma once
// A fresh settings world (temporary $APPDATA and working folder), a fresh
// database with the demo company and the demo/demo account, a data module,
// and the login pointed at the test run's server.
#include "app/connectform.h"
#include "core/corefixture.h"
#include "core/felles.h"
#include "data/datamodule.h"
#include "testsupport.h"
#include "core/sysreg.h"
#include "ui/windowregistry.h"

#include <QCheckBox>
#include <QLineEdit>

class AppTest : public CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        OpenSettingsStore();
        ResetSelectSettings();
        db = std::make_unique<TestDatabase>(true);
        ASSERT_TRUE(db->ok());
        ASSERT_TRUE(db->admin().exec("CREATE USER IF NOT EXISTS 'demo'@'localhost' IDENTIFIED BY 'demo'"));
        ASSERT_TRUE(db->admin().exec("GRANT ALL PRIVILEGES ON `" + db->name() + "`.* TO 'demo'@'localhost'"));
        // An empty server name is this run's own server.
        SetServerResolver([](const QString& server, ConnectParams& p, QString& error) {
            if (!server.isEmpty())
                return DefaultServerResolver(server, p, error);
            p.host.clear();
            p.socket = TestServer().socketPath();
            return true;
        });
        dm = std::make_unique<TDatabaseModule>();
        SetDataModule(dm.get());
    }

    void TearDown() override
    {
        Windows().reset();
        SetDataModule(nullptr);
        dm.reset();
        SetServerResolver({});
        db.reset();
        CoreFixture::TearDown();
    }

    // Fills the login window's fields and presses "Logg på".
    static bool login(TDatabaseConnectForm& f, const QString& user, const QString& password,
                      const QString& server, const QString& database, bool remember = true)
    {
        f.show();
        f.UserEdit->setText(user);
        f.PasswordEdit->setText(password);
        f.ServerEdit->setText(server);
        f.DatabaseEdit->setText(database);
        f.SaveLogon->setChecked(remember);
        return f.ConnectButtonClick();
    }
    bool login(TDatabaseConnectForm& f, const QString& user, const QString& password, bool remember = true)
    {
        return login(f, user, password, QString(), db->name(), remember);
    }

    static QString sqlKey(const QString& key)
    {
        MainIniSection s(QStringLiteral("KVARNEL_SQL"));
        return GetRegStr(key);
    }
    static void setSqlKey(const QString& key, const QString& value)
    {
        MainIniSection s(QStringLiteral("KVARNEL_SQL"));
        SetRegStr(key, value);
    }
    QString scalar(const QString& sql) { return db->admin().scalar(sql); }

    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<TDatabaseModule> dm;
};
