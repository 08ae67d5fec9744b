#pragma once
// A fresh settings world and a fresh demo database, with the data module
// connected to it and its company, account and order datasets open, for
// driving windows offscreen.
#include "core/corefixture.h"
#include "data/datamodule.h"
#include "testsupport.h"
#include "core/sysreg.h"
#include "ui/windowregistry.h"

#include <QApplication>
#include <QTest>

class UiTest : public CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        OpenSettingsStore();
        ResetSelectSettings();
        ResetSharedValues();
        db = std::make_unique<TestDatabase>(true);
        ASSERT_TRUE(db->ok());
        dm = std::make_unique<TDatabaseModule>();
        ASSERT_TRUE(dm->MyConnection.open(db->params()));
        SetDataModule(dm.get());
        ASSERT_TRUE(dm->TableOpen(dm->CompanyTable));
    }

    void TearDown() override
    {
        Windows().reset();
        SetDataModule(nullptr);
        dm.reset();
        db.reset();
        CoreFixture::TearDown();
    }

    // Shows w as the active window, so its shortcuts work.
    static void showActive(QWidget& w)
    {
        w.show();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }

    // A value of a window's stored placement.
    static QString stored(const QString& key, const QString& name)
    {
        UserIniScope u;
        return CurrentIni().value("VINDU-" + key, name);
    }
    static void store(const QString& key, const QString& name, const QString& value)
    {
        UserIniScope u;
        CurrentIni().setValue("VINDU-" + key, name, value);
    }

    QString scalar(const QString& sql) { return db->admin().scalar(sql); }
    QStringList column(Dataset& ds, const QString& field)
    {
        QStringList out;
        for (int r = 0; r < ds.recordCount(); ++r) out << ds.rowValue(r, ds.fieldIndex(field)).toString();
        return out;
    }

    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<TDatabaseModule> dm;
};
