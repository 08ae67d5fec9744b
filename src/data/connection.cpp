#include "data/connection.h"

#include "core/dialogs.h"
#include "core/textfil.h"

#include <mysql.h>
#include <mysqld_error.h>
#include <errmsg.h>
#include <QDateTime>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

Result::Result(MYSQL_RES* res) : res_(res) {}
Result::~Result() { if (res_) mysql_free_result(res_); }

qint64 Result::rowCount() const { return res_ ? qint64(mysql_num_rows(res_)) : 0; }
int Result::fieldCount() const { return res_ ? int(mysql_num_fields(res_)) : 0; }

QString Result::fieldName(int col) const
{
    if (!res_ || col < 0 || col >= fieldCount()) return {};
    return QString::fromUtf8(mysql_fetch_field_direct(res_, unsigned(col))->name);
}

bool Result::next()
{
    if (!res_) return false;
    row_ = mysql_fetch_row(res_);
    lengths_ = row_ ? mysql_fetch_lengths(res_) : nullptr;
    return row_ != nullptr;
}

bool Result::isNull(int col) const { return !row_ || col < 0 || col >= fieldCount() || !row_[col]; }

QByteArray Result::raw(int col) const
{
    if (isNull(col)) return {};
    return QByteArray(row_[col], qsizetype(lengths_[col]));
}

QString Result::value(int col) const
{
    if (isNull(col)) return {};
    return Utf8Text(row_[col], qsizetype(lengths_[col]));
}

long long Result::toLongLong(int col) const
{
    if (isNull(col)) return 0;
    return std::strtoll(row_[col], nullptr, 10);
}

double Result::toDouble(int col) const
{
    if (isNull(col)) return 0;
    bool ok = false;
    double d = raw(col).toDouble(&ok);  // QByteArray::toDouble is locale-independent
    return ok ? d : 0.0;
}

Connection::Connection() = default;
Connection::~Connection() { close(); }

void Connection::setError()
{
    if (db_) {
        errno_ = mysql_errno(db_);
        error_ = QString::fromUtf8(mysql_error(db_));
    }
}

QString ServerAddress::text() const
{
    if (port == 0) return host;
    return (host.contains(QLatin1Char(':')) ? "[" + host + "]" : host) + ":" + QString::number(port);
}

std::vector<ServerAddress> ParseServerList(const QString& text, unsigned defaultPort)
{
    std::vector<ServerAddress> out;
    static const QRegularExpression separators(QStringLiteral("[,;\\r\\n]"));
    for (const QString& part : text.split(separators, Qt::SkipEmptyParts)) {
        const QString name = part.trimmed();
        if (name.isEmpty()) continue;
        ServerAddress a{name, defaultPort};
        // "host:port"; an IPv6 address in brackets may carry a port as well.
        const qsizetype colon = name.lastIndexOf(QLatin1Char(':'));
        bool ok = false;
        if (name.startsWith(QLatin1Char('[')) && name.contains(QLatin1Char(']'))) {
            const qsizetype close = name.indexOf(QLatin1Char(']'));
            a.host = name.mid(1, close - 1);
            if (name.mid(close + 1).startsWith(QLatin1Char(':'))) {
                const uint p = name.mid(close + 2).toUInt(&ok);
                if (ok && p > 0 && p < 65536) a.port = p;
            }
        } else if (colon > 0 && name.indexOf(QLatin1Char(':')) == colon) {
            const uint p = name.mid(colon + 1).toUInt(&ok);
            if (ok && p > 0 && p < 65536) {
                a.host = name.left(colon);
                a.port = p;
            }
        }
        out.push_back(a);
    }
    return out;
}

namespace {
// The connection itself failed (no answer, refused, broken off), as opposed
// to a refusal by a server that answered.
bool connectionFailed(unsigned err) { return err >= 2000 && err < 3000; }
bool connectionLost(unsigned err) { return err == CR_SERVER_GONE_ERROR || err == CR_SERVER_LOST; }
// A statement that only reads may run again on a new connection; one that
// may have written is reported instead, since it may have been done.
bool readsOnly(const QByteArray& sql)
{
    const QByteArray t = sql.trimmed().left(8).toUpper();
    return t.startsWith("SELECT") || t.startsWith("SHOW") || t.startsWith("DO ") || t.startsWith("SET ");
}
constexpr int kStatementAttempts = Connection::kAttempts;
} // namespace

bool Connection::open(const ConnectParams& p)
{
    close();
    params_ = p;
    defaults_.clear();
    error_.clear();
    errno_ = 0;
    servers_ = ParseServerList(p.host, p.port);
    if (servers_.empty()) servers_.push_back(ServerAddress{});  // the local socket
    for (std::size_t i = 0; i < servers_.size(); ++i) {
        if (connectTo(servers_[i])) {
            server_ = i;
            return true;
        }
        if (i + 1 < servers_.size())
            LogLine(QStringLiteral("ADVARSEL: databaseserveren %1 svarer ikke (%2); prøver %3")
                        .arg(servers_[i].text(), error_, servers_[i + 1].text()));
    }
    return false;
}

bool Connection::reconnect()
{
    if (servers_.empty()) return false;
    const QString from = currentServer();
    if (db_) {
        mysql_close(db_);
        db_ = nullptr;
    }
    if (depth_ > 0) endTransaction();
    const unsigned lostErr = errno_;
    const QString lostText = error_;
    // The next server first, the one that failed last.
    for (std::size_t k = 1; k <= servers_.size(); ++k) {
        const std::size_t i = (server_ + k) % servers_.size();
        if (connectTo(servers_[i])) {
            server_ = i;
            LogLine(QStringLiteral("ADVARSEL: forbindelsen til databaseserveren %1 ble brutt (%2); fortsetter på %3")
                        .arg(from.isEmpty() ? QStringLiteral("(lokal)") : from, lostText,
                             currentServer().isEmpty() ? QStringLiteral("(lokal)") : currentServer()));
            return true;
        }
    }
    LogLine(QStringLiteral("FEIL: ingen databaseserver svarer (%1)").arg(error_));
    if (!connectionFailed(errno_)) {
        errno_ = lostErr;
        error_ = lostText;
    }
    return false;
}

QString Connection::currentServer() const { return server_ < servers_.size() ? servers_[server_].text() : QString(); }

bool Connection::connectTo(const ServerAddress& server)
{
    const ConnectParams& p = params_;
    MYSQL* db = mysql_init(nullptr);
    if (!db) {
        error_ = QStringLiteral("Tomt for minne");
        return false;
    }
    unsigned timeout = unsigned(p.connectTimeout > 0 ? p.connectTimeout : 10);
    mysql_optionsv(db, MYSQL_OPT_CONNECT_TIMEOUT, &timeout);
    // 0 leaves a direction without a time-out (long administrative scripts).
    unsigned readTimeout = unsigned(qMax(0, p.readTimeout));
    unsigned writeTimeout = unsigned(qMax(0, p.writeTimeout));
    if (readTimeout) mysql_optionsv(db, MYSQL_OPT_READ_TIMEOUT, &readTimeout);
    if (writeTimeout) mysql_optionsv(db, MYSQL_OPT_WRITE_TIMEOUT, &writeTimeout);
    mysql_optionsv(db, MYSQL_SET_CHARSET_NAME, "utf8mb4");
    // Strict mode: an overlong or malformed value is refused, never silently cut.
    mysql_optionsv(db, MYSQL_INIT_COMMAND,
                   "SET SESSION sql_mode='STRICT_ALL_TABLES,NO_ZERO_IN_DATE,NO_ENGINE_SUBSTITUTION'");

    const QByteArray host = server.host.toUtf8();
    const QByteArray user = p.user.toUtf8();
    const QByteArray pass = p.password.toUtf8();
    const QByteArray dbname = p.database.toUtf8();
    const QByteArray sock = p.socket.toUtf8();
    const bool local = server.host.isEmpty() || server.host == QLatin1String("localhost");
    if (!mysql_real_connect(db, local ? "localhost" : host.constData(), user.constData(),
                            pass.constData(), dbname.isEmpty() ? nullptr : dbname.constData(),
                            server.port, (local && !sock.isEmpty()) ? sock.constData() : nullptr,
                            CLIENT_MULTI_RESULTS)) {
        errno_ = mysql_errno(db);
        error_ = QString::fromUtf8(mysql_error(db));
        mysql_close(db);
        return false;
    }
    // In a Galera cluster a read waits until this server has applied what
    // the others committed before it, so a workstation sees what another
    // one just wrote on another server. Servers without the setting (plain
    // MySQL) refuse it, which changes nothing.
    if (!server.host.isEmpty()) (void)mysql_query(db, "SET SESSION wsrep_sync_wait=1");
    db_ = db;
    errno_ = 0;
    error_.clear();
    return true;
}

bool Connection::mayRunAgain(int attempt, bool readOnly)
{
    // Inside a transaction the server has undone it all, or the line broke
    // with it open: the transaction as a whole runs again or is reported.
    if (depth_ > 0 || attempt >= kStatementAttempts) return false;
    if (errno_ == ER_LOCK_DEADLOCK || errno_ == ER_LOCK_WAIT_TIMEOUT) {
        // Refused before anything was done (also a cluster's refusal of a
        // write that conflicted with another server's): once more.
        pauseBeforeRetry(attempt + 1);
        return true;
    }
    if (errno_ == ER_UNKNOWN_COM_ERROR) return reconnect();  // a cluster node out of the cluster
    if (connectionLost(errno_) || !db_) {
        const bool moved = reconnect();
        if (moved && !readOnly) {
            errno_ = CR_SERVER_LOST;
            error_ = QStringLiteral("Forbindelsen ble brutt under skrivingen; ny forbindelse til ") + currentServer();
        }
        return moved && readOnly;
    }
    return false;
}
void Connection::close()
{
    servers_.clear();  // closed on purpose: nothing to reconnect to
    if (depth_ > 0) endTransaction();
    if (db_) {
        mysql_close(db_);
        db_ = nullptr;
    }
}

bool Connection::transactionEndedByServer(const QByteArray& sql)
{
    if (depth_ == 0 || txEndedBy_ == 0 || sql.startsWith("ROLLBACK")) return false;
    errno_ = txEndedBy_;
    error_ = QStringLiteral("Transaksjonen ble avbrutt av databasen");
    return true;
}

void Connection::noteFailureInTransaction()
{
    // A deadlock victim (or, in a cluster, a transaction another server's
    // write came first to) has been rolled back by the server, and a lost
    // connection takes its transaction with it. The caller's next
    // statements would otherwise run on their own, outside any
    // transaction, and be kept even though the transaction is given up.
    if (depth_ > 0 && (errno_ == ER_LOCK_DEADLOCK || connectionLost(errno_))) {
        txEndedBy_ = errno_;
        rollbackOnly_ = true;
    }
}

bool Connection::run(const QByteArray& sql)
{
    // Once the server has ended the transaction, every statement up to the
    // caller's rollback fails with the error that ended it.
    if (transactionEndedByServer(sql)) return false;
    for (int attempt = 1;; ++attempt) {
        if (!db_) {
            errno_ = CR_SERVER_GONE_ERROR;
            error_ = QStringLiteral("Ingen forbindelse med databasen");
            if (sql.isEmpty() || !mayRunAgain(attempt, true)) return false;
            continue;
        }
        if (mysql_real_query(db_, sql.constData(), (unsigned long)sql.size()) == 0) break;
        setError();
        if (!mayRunAgain(attempt, readsOnly(sql))) {
            noteFailureInTransaction();
            return false;
        }
    }
    errno_ = 0;
    error_.clear();
    return true;
}

bool Connection::exec(const QString& sql)
{
    if (!run(sql.toUtf8())) return false;
    // The count belongs to this statement; draining the results resets it.
    affected_ = qint64(mysql_affected_rows(db_));
    // "Rows matched: 1  Changed: 0  Warnings: 0" after an UPDATE.
    matched_ = -1;
    if (const char* info = mysql_info(db_)) {
        if (const char* m = std::strstr(info, "matched: ")) {
            long long n = 0;
            const char* p = m + 9;
            if (std::from_chars(p, p + std::strlen(p), n).ec == std::errc()) matched_ = n;
        }
    }
    // Drain every result so the connection is ready for the next statement.
    bool ok = true;
    do {
        if (MYSQL_RES* r = mysql_store_result(db_)) mysql_free_result(r);
        else if (mysql_field_count(db_) != 0) { setError(); ok = false; }
    } while (mysql_next_result(db_) == 0);
    return ok;
}

bool Connection::exec(const QString& sql, const QVariantList& values)
{
    if (transactionEndedByServer(sql.toUtf8())) return false;
    for (int attempt = 1;; ++attempt) {
        if (execBound(sql, values)) return true;
        if (!mayRunAgain(attempt, readsOnly(sql.toUtf8()))) {
            noteFailureInTransaction();
            return false;
        }
    }
}

bool Connection::execBound(const QString& sql, const QVariantList& values)
{
    if (!db_) {
        errno_ = CR_SERVER_GONE_ERROR;
        error_ = QStringLiteral("Ingen forbindelse med databasen");
        return false;
    }
    MYSQL_STMT* st = mysql_stmt_init(db_);
    if (!st) {
        setError();
        return false;
    }
    auto stmtError = [&] {
        errno_ = mysql_stmt_errno(st);
        error_ = QString::fromUtf8(mysql_stmt_error(st));
        mysql_stmt_close(st);
        return false;
    };
    const QByteArray text = sql.toUtf8();
    if (mysql_stmt_prepare(st, text.constData(), (unsigned long)text.size()) != 0) return stmtError();
    if (mysql_stmt_param_count(st) != (unsigned long)values.size()) {
        mysql_stmt_close(st);
        errno_ = CR_PARAMS_NOT_BOUND;
        error_ = QStringLiteral("Feil antall verdier til setningen");
        return false;
    }
    // Every value's bytes live in these vectors until the statement has run.
    const size_t n = size_t(values.size());
    std::vector<MYSQL_BIND> binds(n);
    std::vector<QByteArray> bytes(n);
    std::vector<long long> ints(n);
    std::vector<double> doubles(n);
    std::vector<MYSQL_TIME> times(n);
    std::vector<unsigned long> lengths(n);
    std::vector<char> nulls(n, 0);
    for (size_t i = 0; i < n; ++i) {
        const QVariant& v = values[qsizetype(i)];
        MYSQL_BIND& b = binds[i];
        std::memset(&b, 0, sizeof b);
        if (v.isNull()) {
            b.buffer_type = MYSQL_TYPE_NULL;
            nulls[i] = 1;
            b.is_null = &nulls[i];
            continue;
        }
        switch (v.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            ints[i] = v.toLongLong();
            b.buffer_type = MYSQL_TYPE_LONGLONG;
            b.buffer = &ints[i];
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            doubles[i] = v.toDouble();
            b.buffer_type = MYSQL_TYPE_DOUBLE;
            b.buffer = &doubles[i];
            break;
        case QMetaType::QDate:
        case QMetaType::QDateTime: {
            MYSQL_TIME& t = times[i];
            std::memset(&t, 0, sizeof t);
            const QDateTime dt = v.typeId() == QMetaType::QDate ? QDateTime(v.toDate(), QTime(0, 0)) : v.toDateTime();
            t.year = unsigned(dt.date().year());
            t.month = unsigned(dt.date().month());
            t.day = unsigned(dt.date().day());
            t.hour = unsigned(dt.time().hour());
            t.minute = unsigned(dt.time().minute());
            t.second = unsigned(dt.time().second());
            t.time_type = v.typeId() == QMetaType::QDate ? MYSQL_TIMESTAMP_DATE : MYSQL_TIMESTAMP_DATETIME;
            b.buffer_type = v.typeId() == QMetaType::QDate ? MYSQL_TYPE_DATE : MYSQL_TYPE_DATETIME;
            b.buffer = &t;
            break;
        }
        case QMetaType::QByteArray:
            bytes[i] = v.toByteArray();
            b.buffer_type = MYSQL_TYPE_BLOB;
            break;
        default:
            bytes[i] = v.toString().toUtf8();
            b.buffer_type = MYSQL_TYPE_STRING;
            break;
        }
        if (b.buffer_type == MYSQL_TYPE_BLOB || b.buffer_type == MYSQL_TYPE_STRING) {
            b.buffer = bytes[i].data();
            lengths[i] = (unsigned long)bytes[i].size();
            b.buffer_length = lengths[i];
            b.length = &lengths[i];
        }
    }
    if (n > 0 && mysql_stmt_bind_param(st, binds.data())) return stmtError();
    if (mysql_stmt_execute(st) != 0) return stmtError();
    affected_ = qint64(mysql_stmt_affected_rows(st));
    mysql_stmt_close(st);
    errno_ = 0;
    error_.clear();
    return true;
}

void Connection::whenTransactionEnds(std::function<void()> f)
{
    if (depth_ > 0) atEnd_.push_back(std::move(f));
    else f();
}

void Connection::endTransaction()
{
    depth_ = 0;
    rollbackOnly_ = false;
    txEndedBy_ = 0;
    auto pending = std::move(atEnd_);
    atEnd_.clear();
    for (auto& f : pending) f();
}

bool Connection::begin()
{
    if (depth_ > 0) {
        ++depth_;
        return true;
    }
    if (!exec(QStringLiteral("START TRANSACTION"))) return false;
    depth_ = 1;
    rollbackOnly_ = false;
    txEndedBy_ = 0;
    return true;
}

bool Connection::commit()
{
    if (depth_ > 1) {
        --depth_;
        return !rollbackOnly_;
    }
    if (depth_ == 1 && rollbackOnly_) {
        // Ended by the server: the caller sees that error, so a refused
        // transaction is run again as any other.
        const unsigned endedBy = txEndedBy_;
        rollback();
        errno_ = endedBy ? endedBy : ER_ERROR_DURING_COMMIT;
        error_ = QStringLiteral("Transaksjonen ble rullet tilbake");
        return false;
    }
    const bool ok = exec(QStringLiteral("COMMIT"));
    // A line that broke during COMMIT leaves it unknown whether it was done.
    commitLost_ = !ok && connectionLost(errno_);
    endTransaction();
    return ok;
}

bool Connection::rollback()
{
    if (depth_ > 1) {
        --depth_;
        rollbackOnly_ = true;
        return true;
    }
    // The error that made the caller give up stays readable.
    const unsigned e = errno_;
    const QString t = error_;
    const bool ok = exec(QStringLiteral("ROLLBACK"));
    errno_ = e;
    error_ = t;
    endTransaction();
    return ok;
}

bool Connection::isRetryable(unsigned err)
{
    // 1213: deadlock victim, and a cluster's certification failure at
    // commit; 1205: lock wait time-out; 1047: a cluster node that is not
    // ready (yet) to take transactions.
    return err == ER_LOCK_DEADLOCK || err == ER_LOCK_WAIT_TIMEOUT || err == ER_UNKNOWN_COM_ERROR;
}

void Connection::pauseBeforeRetry(int attempt)
{
    const unsigned ceiling = 10u << std::min(attempt, 7);  // 40 ms, 80 ms, … up to 1.3 s
    QThread::msleep(5 + QRandomGenerator::global()->bounded(ceiling));
}

bool Connection::transaction(const std::function<bool()>& work, int attempts)
{
    if (depth_ > 0) {
        begin();
        if (work()) return commit();
        rollback();
        return false;
    }
    for (int attempt = 1;; ++attempt) {
        bool ok = begin();
        if (ok) {
            ok = work();
            if (ok) {
                ok = commit();
            } else if (depth_ > 0) {
                // Whatever work left open goes back.
                depth_ = 1;
                rollback();
            }
        }
        if (ok) return true;
        if (depth_ > 0) endTransaction();
        if (attempt >= attempts) return false;
        if (connectionLost(errno_) || errno_ == ER_UNKNOWN_COM_ERROR || !db_) {
            // The server went away or left its cluster: on to the next one,
            // and the transaction again, unless the line broke during its
            // COMMIT (then it may have been done, and that is reported).
            const bool atCommit = std::exchange(commitLost_, false);
            if (!reconnect() || atCommit) return false;
        } else if (!isRetryable(errno_)) {
            return false;
        }
        LogLine(QStringLiteral("Transaksjonen prøves igjen (%1 av %2): %3").arg(attempt + 1).arg(attempts).arg(error_));
        pauseBeforeRetry(attempt + 1);
    }
}

std::unique_ptr<Result> Connection::query(const QString& sql)
{
    if (!run(sql.toUtf8())) return nullptr;
    MYSQL_RES* r = mysql_store_result(db_);
    if (!r) {
        if (mysql_field_count(db_) != 0) { setError(); return nullptr; }
        return std::make_unique<Result>(nullptr);
    }
    while (mysql_next_result(db_) == 0) {
        if (MYSQL_RES* extra = mysql_store_result(db_)) mysql_free_result(extra);
    }
    return std::make_unique<Result>(r);
}

std::unique_ptr<Result> Connection::queryUnbuffered(const QString& sql)
{
    if (!run(sql.toUtf8())) return nullptr;
    MYSQL_RES* r = mysql_use_result(db_);
    if (!r) {
        if (mysql_field_count(db_) != 0) {
            setError();
            return nullptr;
        }
        return std::make_unique<Result>(nullptr);
    }
    return std::make_unique<Result>(r);
}

bool Connection::fetchFailed()
{
    if (!db_) return true;
    if (mysql_errno(db_) == 0) return false;
    setError();
    return true;
}

QString Connection::scalar(const QString& sql, const QString& def)
{
    auto r = query(sql);
    if (!r || !r->next()) return def;
    return r->value(0);
}

bool Connection::execScript(const QString& script)
{
    QString stmt;
    const auto lines = script.split(QLatin1Char('\n'));
    for (const QString& line0 : lines) {
        QString line = line0;
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        const QString t = line.trimmed();
        if (stmt.isEmpty() && (t.isEmpty() || t.startsWith(QLatin1String("--")))) continue;
        stmt += line;
        stmt += QLatin1Char('\n');
        if (t.endsWith(QLatin1Char(';'))) {
            if (!exec(stmt)) {
                error_ = error_ + QStringLiteral(" i setningen: ") + stmt.left(200).trimmed();
                return false;
            }
            stmt.clear();
        }
    }
    if (!stmt.trimmed().isEmpty()) return exec(stmt);
    return true;
}

bool Connection::insertReturnsRows() const
{
    if (!db_) return false;
    const char* info = mysql_get_server_info(db_);
    return info && std::strstr(info, "MariaDB") && mysql_get_server_version(db_) >= 100500;
}

namespace {
// A column default as information_schema.COLUMNS shows it ("NULL", a number,
// or a quoted text with its quotes doubled) as the bytes the server sends
// for the stored value; false for anything else (an expression, a text with
// a backslash escape).
bool plainDefault(const QByteArray& shown, std::optional<QByteArray>& out)
{
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?([eE][-+]?[0-9]+)?$"));
    if (shown == "NULL") {
        out.reset();
        return true;
    }
    if (shown.size() >= 2 && shown.startsWith('\'') && shown.endsWith('\'')) {
        QByteArray inner = shown.mid(1, shown.size() - 2);
        if (inner.contains('\\')) return false;
        inner.replace("''", "'");
        out = inner;
        return true;
    }
    if (number.match(QString::fromLatin1(shown)).hasMatch()) {
        out = shown;
        return true;
    }
    return false;
}
} // namespace

const Connection::ColumnDefaults& Connection::columnDefaults(const QString& table)
{
    if (auto it = defaults_.find(table); it != defaults_.end()) return it->second;
    ColumnDefaults defs;
    static const ColumnDefaults none;
    const QString name = quote(table);
    const QString triggers = scalar(QStringLiteral("SELECT COUNT(*) FROM information_schema.TRIGGERS WHERE "
                                                   "EVENT_OBJECT_SCHEMA=DATABASE() AND EVENT_OBJECT_TABLE=%1 AND "
                                                   "ACTION_TIMING='BEFORE' AND EVENT_MANIPULATION='INSERT'")
                                        .arg(name));
    if (triggers.isEmpty()) return none;  // not answered: nothing known, asked again next time
    if (triggers == QLatin1String("0")) {
        auto r = query(QStringLiteral("SELECT COLUMN_NAME, COLUMN_DEFAULT, EXTRA FROM information_schema.COLUMNS "
                                      "WHERE TABLE_SCHEMA=DATABASE() AND TABLE_NAME=%1")
                           .arg(name));
        if (!r) return none;
        while (r->next()) {
            std::optional<QByteArray> value;
            if (r->isNull(1) || !r->raw(2).trimmed().isEmpty() || !plainDefault(r->raw(1), value)) continue;
            defs.insert(r->value(0).toLower(), value);
        }
    }
    return defaults_.emplace(table, std::move(defs)).first->second;
}

qint64 Connection::affectedRows() const { return db_ ? affected_ : -1; }
qint64 Connection::lastInsertId() const { return db_ ? qint64(mysql_insert_id(db_)) : 0; }

QString Connection::escape(const QString& text) const
{
    if (!db_) return SqlEscape(text);
    const QByteArray in = text.toUtf8();
    QByteArray out(in.size() * 2 + 1, Qt::Uninitialized);
    unsigned long n = mysql_real_escape_string(db_, out.data(), in.constData(), (unsigned long)in.size());
    out.truncate(qsizetype(n));
    return Utf8Text(out.constData(), out.size());
}

QString Connection::escapeLike(const QString& text) const
{
    QString t = text;
    t.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    return escape(t);
}

QString SqlEscape(const QString& text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (QChar c : text) {
        switch (c.unicode()) {
        case 0: out += QLatin1String("\\0"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case 26: out += QLatin1String("\\Z"); break;
        case '\\': out += QLatin1String("\\\\"); break;
        case '\'': out += QLatin1String("\\'"); break;
        case '"': out += QLatin1String("\\\""); break;
        default: out += c;
        }
    }
    return out;
}

QString SqlQuote(const QString& text) { return "'" + SqlEscape(text) + "'"; }

void ApplyTimeoutOverride(ConnectParams& p)
{
    bool ok = false;
    const int t = qEnvironmentVariableIntValue("KVARNEL_DB_TIMEOUT", &ok);
    if (!ok || t < 0) return;
    p.connectTimeout = qMax(1, t);
    p.readTimeout = t;
    p.writeTimeout = t;
}

QString DbFailureText(const QString& what, unsigned err, const QString& serverText)
{
    LogLine("FEIL: " + what + ": " + serverText);
    static const QRegularExpression columnRe(QStringLiteral("column '([^']+)'"));
    const QString column = columnRe.match(serverText).captured(1);
    switch (err) {
    case ER_LOCK_DEADLOCK:
    case ER_LOCK_WAIT_TIMEOUT:
    case ER_UNKNOWN_COM_ERROR:
        return what + QStringLiteral(" nå fordi andre arbeider med de samme dataene; prøv igjen.");
    case CR_SERVER_GONE_ERROR:
    case CR_SERVER_LOST:
    case CR_CONNECTION_ERROR:
    case CR_CONN_HOST_ERROR:
        return what + QStringLiteral(" fordi databaseserveren ikke svarer.");
    case ER_DATA_TOO_LONG:
        return what + QStringLiteral(": teksten er for lang for feltet %1.").arg(column);
    case ER_WARN_DATA_OUT_OF_RANGE:
    case ER_TRUNCATED_WRONG_VALUE_FOR_FIELD:
    case ER_TRUNCATED_WRONG_VALUE:
    case ER_WARN_NULL_TO_NOTNULL:
    case ER_BAD_NULL_ERROR:
        return what + QStringLiteral(": Ugyldig verdi for feltet %1.").arg(column);
    case ER_DUP_ENTRY:
        return what + QStringLiteral(" fordi verdien finnes fra før.");
    case ER_TABLEACCESS_DENIED_ERROR:
    case ER_DBACCESS_DENIED_ERROR:
    case ER_SPECIFIC_ACCESS_DENIED_ERROR:
    case ER_COLUMNACCESS_DENIED_ERROR:
        return what + QStringLiteral(" fordi brukeren mangler rettighet til det i databasen.");
    default:
        return what + QStringLiteral(" (databasefeil %1).").arg(err);
    }
}

QString DbFailure(const QString& what, const Connection& c)
{
    return DbFailureText(what, c.lastErrno(), c.lastError());
}

void ShowDbFailure(const QString& what, const Connection& c)
{
    if (c.inTransaction() && Connection::isRetryable(c.lastErrno())) {
        LogLine("ADVARSEL: " + what + ": " + c.lastError());
        return;
    }
    CurrentDialogs()->ShowMessage(DbFailure(what, c), QStringLiteral("Feil"));
}

QString SqlDouble(double x)
{
    if (!std::isfinite(x) || x == 0) return QStringLiteral("0");
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, x);
    if (res.ec != std::errc()) return QStringLiteral("0");
    return QString::fromLatin1(buf, res.ptr - buf);
}

qsizetype CharCount(const QString& text)
{
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++n)
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    return n;
}

bool NumberFits(const QString& typed, double parsed)
{
    if (!std::isfinite(parsed)) return false;
    if (parsed != 0) return true;
    // Zero is right only when no digit of the mantissa is other than 0.
    for (QChar ch : typed) {
        if (ch == QLatin1Char('e') || ch == QLatin1Char('E')) break;
        if (ch >= QLatin1Char('1') && ch <= QLatin1Char('9')) return false;
    }
    return true;
}

QString Utf8Text(const char* data, qsizetype size)
{
    QString marks;
    while (size >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0) {
        marks += QChar(0xFEFF);
        data += 3;
        size -= 3;
    }
    return marks.isEmpty() ? QString::fromUtf8(data, size) : marks + QString::fromUtf8(data, size);
}
