#pragma once
// A data module on a fresh database, a logged-in user, scripted dialogs and
// a program folder of its own (settings and temporary files) per test.
#include "testsupport.h"

#include "core/dialogs.h"
#include "core/login.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "data/datamodule.h"

#include <QTemporaryDir>

class RulesTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        ASSERT_TRUE(appData_.isValid());
        oldAppData_ = qgetenv("APPDATA");
        qputenv("APPDATA", QFile::encodeName(appData_.path()));
        ResetSelectSettings();
        ResetSharedValues();
        ResetLoginIdentity();
        MyLoginID = 7;
        MyLoginGroup = 3;
        MyLoginDepartment = QStringLiteral("Salg");
        ASSERT_TRUE(dm.MyConnection.open(db->params()));
    }
    void TearDown() override
    {
        qputenv("APPDATA", oldAppData_);
        ResetLoginIdentity();
    }

    // Runs a statement on the test's own second connection.
    void sql(const QString& s) { ASSERT_TRUE(db->admin().exec(s)) << s.toStdString() << ": " << db->admin().lastError().toStdString(); }
    QString scalar(const QString& s) { return db->admin().scalar(s); }
    double number(const QString& s) { return scalar(s).toDouble(); }

    ScriptedDialogs dialogs;
    TDatabaseModule dm;

private:
    QTemporaryDir appData_;
    QByteArray oldAppData_;
};
