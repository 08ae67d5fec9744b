#pragma once
// Thin RAII wrapper over MariaDB Connector/C: one MYSQL handle, statements,
// results, escaping. Nothing here throws; failures leave the server's error
// text in lastError().
#include <QString>
#include <QByteArray>
#include <QVariant>
#include <QHash>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

struct st_mysql;
struct st_mysql_res;

struct ConnectParams {
    // Empty: local socket. Several servers of a cluster may be listed,
    // separated by commas, semicolons or line breaks ("db1,db2:3307,db3"):
    // the first that answers is used, and when it stops answering the
    // connection moves on to the next.
    QString host;
    unsigned port = 0;
    QString socket;    // used when host is empty or "localhost"
    QString user;
    QString password;
    QString database;
    int connectTimeout = 10;  // seconds
    // How long one read or write of a statement may wait for the server
    // before the connection is given up, in seconds. A frozen server so
    // fails a command with a message instead of hanging it.
    int readTimeout = 60;
    int writeTimeout = 60;
};

// One server of a list: host name or address, and port (0: the default).
struct ServerAddress {
    QString host;
    unsigned port = 0;
    QString text() const;
};
// The servers of a host text: "db1", "db1:3307", "[::1]:3307", several
// separated by commas, semicolons or line breaks; blanks around each are
// ignored, empty entries skipped. defaultPort is the port of entries that
// name none.
std::vector<ServerAddress> ParseServerList(const QString& text, unsigned defaultPort = 0);

// The time-outs from $KVARNEL_DB_TIMEOUT (seconds) when set, applied to
// all three; administrators and tests shorten or lengthen them this way.
void ApplyTimeoutOverride(ConnectParams& p);

// A result set kept in the client library's own buffer (mysql_store_result).
class Result {
public:
    explicit Result(st_mysql_res* res);
    ~Result();
    Result(const Result&) = delete;
    Result& operator=(const Result&) = delete;

    qint64 rowCount() const;
    int fieldCount() const;
    QString fieldName(int col) const;
    // Moves to the next row; false at the end.
    bool next();
    bool isNull(int col) const;
    QString value(int col) const;       // UTF-8 decoded
    QByteArray raw(int col) const;
    // The current row's value bytes and length, without a copy.
    const char* rawData(int col) const { return row_[col]; }
    size_t length(int col) const { return lengths_[col]; }
    long long toLongLong(int col) const;
    double toDouble(int col) const;
    st_mysql_res* handle() const { return res_; }

private:
    st_mysql_res* res_;
    char** row_ = nullptr;
    unsigned long* lengths_ = nullptr;
};

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool open(const ConnectParams& p);
    void close();
    // Connects again, to the next server of the list first (to the same one
    // when there is only one); false when none answers. Whatever was open
    // on the old connection (a transaction, a streamed result) is gone.
    bool reconnect();
    // The server in use, as "host:port" (empty for the local socket).
    QString currentServer() const;
    bool isOpen() const { return db_ != nullptr; }
    // Does the server hand back the inserted row in the same round trip
    // (INSERT ... RETURNING, MariaDB 10.5 and later)?
    bool insertReturnsRows() const;
    const ConnectParams& params() const { return params_; }

    // Runs one statement; any result set is read and dropped.
    bool exec(const QString& sql);
    // Runs one statement with its values bound to the ? placeholders as a
    // prepared statement: the values never become part of the SQL text.
    // QString is sent as UTF-8 text, QByteArray as bytes, integers, doubles,
    // QDate and QDateTime as themselves, a null QVariant as NULL.
    bool exec(const QString& sql, const QVariantList& values);
    // Runs one statement that returns rows; null on failure.
    std::unique_ptr<Result> query(const QString& sql);
    // The same, with the rows streamed from the server one at a time
    // (rowCount() stays 0): the caller keeps what it needs and reads every
    // row before the next statement; fetchFailed() then tells whether the
    // stream broke off.
    std::unique_ptr<Result> queryUnbuffered(const QString& sql);
    bool fetchFailed();
    // First column of the first row, or def when the query fails or is empty.
    QString scalar(const QString& sql, const QString& def = QString());
    // Runs a script of statements, each ending with ';' at the end of a line.
    bool execScript(const QString& script);

    // Rows changed by the last exec().
    // Rows an UPDATE run by exec(sql) found, changed or not; -1 when the
    // server did not say.
    qint64 matchedRows() const { return db_ ? matched_ : -1; }
    qint64 affectedRows() const;
    qint64 lastInsertId() const;
    QString lastError() const { return error_; }
    unsigned lastErrno() const { return errno_; }

    // Text for inside a quoted SQL literal: quotes, backslashes and control
    // characters escaped by the client library.
    QString escape(const QString& text) const;
    // The text between single quotes, escaped.
    QString quote(const QString& text) const { return "'" + escape(text) + "'"; }
    // A LIKE pattern term: backslashes are doubled once more so they match
    // themselves, while the user's own % and _ keep working as wildcards.
    QString escapeLike(const QString& text) const;

    // Transactions nest: an inner begin/commit pair only counts, the
    // outermost one talks to the server. An inner rollback marks the whole
    // transaction as failed, so the outermost commit rolls it back.
    bool begin();
    bool commit();
    bool rollback();
    bool inTransaction() const { return depth_ > 0; }
    // Runs f when the outermost transaction ends (committed or rolled
    // back), at once when none is open: for things that must last exactly
    // as long as the transaction's writes are unseen by others.
    void whenTransactionEnds(std::function<void()> f);

    // Runs work between START TRANSACTION and COMMIT; work returns false to
    // give up, which rolls everything back. When the server picked the
    // transaction as a deadlock victim, gave up waiting for a row lock or
    // (in a cluster) refused it at commit, the whole transaction is run
    // again after a short random pause, up to attempts times. Inside an
    // outer transaction work runs once, as part of it. The last error stays
    // in lastError()/lastErrno().
    bool transaction(const std::function<bool()>& work, int attempts = kAttempts);
    // How often a refused transaction is tried in all: enough for a row that
    // several servers of a cluster write at once.
    static constexpr int kAttempts = 10;
    // The pause before try number attempt (2, 3, …): short and random, and
    // longer each time, so that transactions that keep meeting spread out.
    static void pauseBeforeRetry(int attempt);
    // Errors after which running the same transaction again may succeed.
    static bool isRetryable(unsigned err);

    // What the server stores in each column of a table that an INSERT
    // leaves out, when that is a plain value: the column's name in lower
    // case to its value's bytes as the server would send them, or to no
    // bytes for NULL. A column whose value the server works out (a default
    // expression or timestamp, auto-increment, a generated column, or no
    // default at all) is missing, and so is every column of a table with a
    // trigger that runs before its inserts (it may change any of them).
    // Asked once per table and connection; empty when it cannot be asked.
    using ColumnDefaults = QHash<QString, std::optional<QByteArray>>;
    const ColumnDefaults& columnDefaults(const QString& table);

    st_mysql* handle() const { return db_; }

private:
    void setError();
    bool run(const QByteArray& sql);

    st_mysql* db_ = nullptr;
    ConnectParams params_;
    QString error_;
    unsigned errno_ = 0;
    qint64 affected_ = -1;
    qint64 matched_ = -1;
    void endTransaction();
    bool connectTo(const ServerAddress& server);
    // After a failed statement outside a transaction: true when it may run
    // again (the server did nothing, or the connection moved to another
    // server before anything was sent); pauses or reconnects as needed.
    bool mayRunAgain(int attempt, bool readOnly);
    bool execBound(const QString& sql, const QVariantList& values);

    std::map<QString, ColumnDefaults> defaults_;
    std::vector<ServerAddress> servers_;
    std::size_t server_ = 0;
    bool commitLost_ = false;

    int depth_ = 0;
    bool rollbackOnly_ = false;
    unsigned txEndedBy_ = 0;  // the error with which the server ended the open transaction
    bool transactionEndedByServer(const QByteArray& sql);
    void noteFailureInTransaction();
    std::vector<std::function<void()>> atEnd_;
};

// For the user: one Norwegian sentence saying that what failed, and why
// in words the user can act on (busy, no answer, a value that does not
// fit); the server's own text goes to the log only.
QString DbFailure(const QString& what, const Connection& c);
// Shows DbFailure(what, c) to the user, except for a failure inside a
// transaction that its owner will run again (a deadlock or a cluster's
// refusal): that one is only logged.
void ShowDbFailure(const QString& what, const Connection& c);
// The same from an error number and the server's text.
QString DbFailureText(const QString& what, unsigned err, const QString& serverText);

// UTF-8 bytes as text, keeping byte-order marks at the start (the plain
// conversion drops one there, which would change a stored value).
QString Utf8Text(const char* data, qsizetype size);

// Escaping without a connection, for the same character set (utf8mb4) and
// the default SQL mode; used where SQL text is built before connecting.
QString SqlEscape(const QString& text);
QString SqlQuote(const QString& text);

// A double as an SQL literal that the server reads back as the same double:
// the shortest exact form, in exponent notation for very large or small
// values (a long plain decimal would be read as a clamped DECIMAL).
QString SqlDouble(double x);
// Characters (code points) in a text, as the server counts them.
qsizetype CharCount(const QString& text);
// Is the typed number's value what the text says? False for values beyond
// a double's range and for non-zero values that would be read as 0.
bool NumberFits(const QString& typed, double parsed);
