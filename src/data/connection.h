#pragma once
// Thin RAII wrapper over MariaDB Connector/C: one MYSQL handle, statements,
// results, escaping. Nothing here throws; failures leave the server's error
// text in lastError().
#include <QString>
#include <QByteArray>
#include <memory>

struct st_mysql;
struct st_mysql_res;

struct ConnectParams {
    QString host;      // empty: local socket
    unsigned port = 0;
    QString socket;    // used when host is empty or "localhost"
    QString user;
    QString password;
    QString database;
    int connectTimeout = 10;  // seconds
};

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
    bool isOpen() const { return db_ != nullptr; }
    const ConnectParams& params() const { return params_; }

    // Runs one statement; any result set is read and dropped.
    bool exec(const QString& sql);
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

    bool begin() { return exec(QStringLiteral("START TRANSACTION")); }
    bool commit() { return exec(QStringLiteral("COMMIT")); }
    bool rollback() { return exec(QStringLiteral("ROLLBACK")); }

    st_mysql* handle() const { return db_; }

private:
    void setError();
    bool run(const QByteArray& sql);

    st_mysql* db_ = nullptr;
    ConnectParams params_;
    QString error_;
    unsigned errno_ = 0;
    qint64 affected_ = -1;
};

// Escaping without a connection, for the same character set (utf8mb4) and
// the default SQL mode; used where SQL text is built before connecting.
QString SqlEscape(const QString& text);
QString SqlQuote(const QString& text);
