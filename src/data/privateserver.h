#pragma once
// The private database server: a MariaDB server of the user's own, with its
// data folder and socket under the program folder and networking off. It is
// created on first start (mariadb-install-db), started on demand, shared by
// every program of the same user and stopped cleanly.
#include <QString>
#include <QStringList>
#include "data/connection.h"

class PrivateServer {
public:
    // folder: where the server keeps everything (data, socket, pid, log).
    explicit PrivateServer(QString folder);
    PrivateServer() : PrivateServer(DefaultFolder()) {}

    // <program folder>/db/ under the given application-data folder (by
    // default the user's own).
    static QString DefaultFolder(const QString& appData = QString());
    static QString DefaultDatabase() { return QStringLiteral("kvarnel"); }

    QString folder() const { return folder_; }
    QString dataDir() const { return folder_ + "data"; }
    // The socket, in a folder only the owner can enter.
    QString socketPath() const;
    QString socketFolder() const;
    // The administrator's password, readable by the owner only.
    QString adminKeyFile() const { return folder_ + "admin.key"; }
    QString adminPassword() const;
    // Present while the server was started by "server start": it then keeps
    // running when the last program using it leaves.
    QString keepFile() const { return folder_ + "keep-running"; }
    QString pidFile() const { return folder_ + "mariadbd.pid"; }
    QString logFile() const { return folder_ + "mariadbd.err"; }

    // Does a server answer on our socket?
    bool isRunning() const;
    // The pid of a live server from the pid file, 0 when none.
    qint64 runningPid() const;

    // Starts the server when it is not running (creating it first when the
    // data folder is new) and waits until it answers. A fresh server gets the
    // program's database, schema, the demo account and the demo company.
    // Returns false with a Norwegian message in error().
    bool start();
    // Shuts the server down cleanly and waits for it to end.
    bool stop();
    // Stops the server and removes its folder (test runs use this).
    bool remove();

    // Connection parameters for the server's administrator (root over the
    // private socket) and for a named account.
    ConnectParams adminParams(const QString& database = QString()) const;
    ConnectParams params(const QString& user, const QString& password,
                         const QString& database = DefaultDatabase()) const;

    // Creates the database with the schema on a running server; with demo
    // data and the demo/demo account when withDemo is set.
    bool provision(const QString& database, bool withDemo);

    QString error() const { return error_; }
    bool createdNow() const { return created_; }

private:
    bool install();
    bool launch();
    bool waitUntilAnswering(int timeoutMs, qint64 pid);
    bool secureSocketFolder();
    bool secureAdminAccount();
    bool stopLocked();
    void cleanStale();

    QString folder_;
    QString error_;
    bool created_ = false;
};

// Registers this program as a client of the private server for its whole run.
// When the last client leaves, the server is stopped.
class PrivateServerClient {
public:
    explicit PrivateServerClient(const PrivateServer& server);
    ~PrivateServerClient();
    PrivateServerClient(const PrivateServerClient&) = delete;
    PrivateServerClient& operator=(const PrivateServerClient&) = delete;

private:
    QString folder_;
    int fd_ = -1;
};

// Registers this program as a client of the server until
// LeaveServerForThisProgram() (once per program; kvarnel-admin does this).
void HoldServerForThisProgram(const PrivateServer& server);
void LeaveServerForThisProgram();

// Reads a password from the terminal without echo (from standard input
// when there is no terminal).
QString PromptPassword(const QString& prompt);

// Opens c on the server that command-line options name (--host, --port,
// --socket, --user, --password; without --password the password comes from
// $KVARNEL_PASSWORD, with "--password -" from a prompt), or without --host
// and --socket on the
// private server, started when needed; database (when given) becomes the
// current database. Returns the Norwegian error text, empty on success.
QString ConnectFromOptions(const QStringList& args, Connection& c, const QString& database = QString());

// Creates the database when missing (utf8mb4, Norwegian sort order), makes
// it the connection's current one, applies the schema script and brings it
// up to the program's schema version (UpgradeSchema).
bool CreateDatabaseWithSchema(Connection& c, const QString& database);

// The schema script and the demo data, as built into the program.
QString SchemaScript();
QString DemoDataScript();
// The demo company's hourly rate and hourly cost (its "Arbeid elektriker",
// 745 and 450) into the main settings of this workstation where none is
// set, so hours moved into an order are priced; nothing without an opened
// settings store. Done when the demo company is loaded.
void WriteDemoSettingDefaults();
// The ten-year company for benchmarks, made on the server from sequences.
QString LargeDemoDataScript();
