#pragma once
// Runs the built kvarnel-admin as a script runs it, against a fresh
// database on the test run's server.
#include "testsupport.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

struct AdminRun {
    int status = -1;
    QString out, err;
    QJsonObject json() const { return QJsonDocument::fromJson(out.trimmed().split('\n').last().toUtf8()).object(); }
};

class AdminScriptTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        db = std::make_unique<TestDatabase>(true);
        ASSERT_TRUE(db->ok());
    }
    // The program's arguments for this test's database, logged in as demo.
    QStringList withDatabase(QStringList args, bool asDemo = true) const
    {
        args << "--socket" << TestServer().socketPath() << "--user" << "root" << "--database" << db->name();
        if (asDemo) args << "--login" << "demo";
        return args;
    }
    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("APPDATA", home.path());
        // The administrator's password through the environment, out of ps.
        env.insert("KVARNEL_PASSWORD", TestServer().adminPassword());
        return env;
    }
    // Starts the program without waiting for it.
    void start(QProcess& p, const QStringList& args, bool asDemo = true) const
    {
        p.setProcessEnvironment(environment());
        p.start(QStringLiteral(KVARNEL_ADMIN), withDatabase(args, asDemo));
    }
    static AdminRun finish(QProcess& p, int timeoutMs = 60000)
    {
        p.waitForFinished(timeoutMs);
        AdminRun r;
        r.status = p.exitStatus() == QProcess::NormalExit && p.state() == QProcess::NotRunning ? p.exitCode() : -1;
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }
    AdminRun admin(QStringList args, bool asDemo = true)
    {
        QProcess p;
        start(p, args, asDemo);
        return finish(p);
    }
    QString scalar(const QString& sql) { return db->admin().scalar(sql); }

    QTemporaryDir home;
    std::unique_ptr<TestDatabase> db;
};
