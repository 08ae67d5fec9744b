#pragma once
// A fresh world per test: its own temporary folder as $APPDATA and as the
// working folder, a program file inside it, an empty log with logging on,
// the login identity cleared and scripted dialogs installed.

#include "core/dialogs.h"
#include "core/login.h"
#include "core/platform.h"
#include "core/sysreg.h"
#include "core/textfil.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <unistd.h>

class CoreFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp_.isValid());
        saveEnv("APPDATA");
        saveEnv("USER");
        saveEnv("USERNAME");
        qputenv("APPDATA", QFile::encodeName(appData()));
        qputenv("USER", "testuser");
        qunsetenv("USERNAME");
        oldCwd_ = QDir::currentPath();
        QDir().mkpath(workDir());
        QDir::setCurrent(workDir());
        SetProgramFilePath(tmp_.path() + QStringLiteral("/prog/bin/kvarnel"));
        ResetLoginIdentity();
        Tvungenbruker.clear();
        ForceIPAddress.clear();
        InitTextfil();
        LogToFile = true;
        LogDirect = false;
        VerboseLogging = false;
        dialogs_ = std::make_unique<ScriptedDialogs>();
    }

    void TearDown() override
    {
        dialogs_.reset();
        QDir::setCurrent(oldCwd_);
        for (const auto& [name, value] : env_) {
            if (value.isNull())
                qunsetenv(name.constData());
            else
                qputenv(name.constData(), value);
        }
        SetProgramFilePath(QString());
        LogToFile = false;
        VerboseLogging = false;
    }

    QString root() const { return tmp_.path(); }
    QString appData() const { return tmp_.path() + QStringLiteral("/appdata"); }
    QString base() const { return appData() + QStringLiteral("/Trelvo/"); }
    QString workDir() const { return tmp_.path() + QStringLiteral("/work"); }
    ScriptedDialogs& dialogs() { return *dialogs_; }

    static QByteArray readBytes(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void writeBytes(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
        f.write(bytes);
    }
    // Log lines without their time stamp.
    static QStringList logTexts()
    {
        QStringList out;
        for (const QString& l : LogStrings)
            out << l.mid(20);
        return out;
    }
    static bool runningAsRoot() { return ::geteuid() == 0; }

private:
    void saveEnv(const char* name)
    {
        env_.emplace_back(QByteArray(name), qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray());
    }

    QTemporaryDir tmp_;
    QString oldCwd_;
    std::vector<std::pair<QByteArray, QByteArray>> env_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
};
