#pragma once
// Shared helpers for tests that need a database: the test run's private
// server (started once by the ctest fixture) and a fresh database per test.
#include "data/connection.h"
#include "data/privateserver.h"

#include <gtest/gtest.h>

// The application-data folder of this test run's private server.
QString TestRoot();
// The private server of this test run.
PrivateServer& TestServer();

// A fresh database with the program's schema, dropped again when it goes.
class TestDatabase {
public:
    explicit TestDatabase(bool withDemo = false);
    ~TestDatabase();
    const QString& name() const { return name_; }
    ConnectParams params() const;
    Connection& admin() { return admin_; }
    bool ok() const { return ok_; }

private:
    QString name_;
    Connection admin_;
    bool ok_ = false;
};

// Test fixture: every test gets its own fresh database.
class DbTest : public ::testing::Test {
protected:
    void SetUp() override;
    std::unique_ptr<TestDatabase> db;
};
