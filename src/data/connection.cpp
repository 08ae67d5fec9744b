#include "data/connection.h"

#include <mysql.h>
#include <errmsg.h>
#include <cstdlib>

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
    return QString::fromUtf8(row_[col], qsizetype(lengths_[col]));
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

bool Connection::open(const ConnectParams& p)
{
    close();
    params_ = p;
    error_.clear();
    errno_ = 0;
    MYSQL* db = mysql_init(nullptr);
    if (!db) {
        error_ = QStringLiteral("Tomt for minne");
        return false;
    }
    unsigned timeout = unsigned(p.connectTimeout > 0 ? p.connectTimeout : 10);
    mysql_optionsv(db, MYSQL_OPT_CONNECT_TIMEOUT, &timeout);
    mysql_optionsv(db, MYSQL_SET_CHARSET_NAME, "utf8mb4");
    // Strict mode: an overlong or malformed value is refused, never silently cut.
    mysql_optionsv(db, MYSQL_INIT_COMMAND,
                   "SET SESSION sql_mode='STRICT_ALL_TABLES,NO_ZERO_IN_DATE,NO_ENGINE_SUBSTITUTION'");

    const QByteArray host = p.host.toUtf8();
    const QByteArray user = p.user.toUtf8();
    const QByteArray pass = p.password.toUtf8();
    const QByteArray dbname = p.database.toUtf8();
    const QByteArray sock = p.socket.toUtf8();
    const bool local = p.host.isEmpty() || p.host == QLatin1String("localhost");
    if (!mysql_real_connect(db, local ? "localhost" : host.constData(), user.constData(),
                            pass.constData(), dbname.isEmpty() ? nullptr : dbname.constData(),
                            p.port, (local && !sock.isEmpty()) ? sock.constData() : nullptr,
                            CLIENT_MULTI_RESULTS)) {
        errno_ = mysql_errno(db);
        error_ = QString::fromUtf8(mysql_error(db));
        mysql_close(db);
        return false;
    }
    db_ = db;
    return true;
}

void Connection::close()
{
    if (db_) {
        mysql_close(db_);
        db_ = nullptr;
    }
}

bool Connection::run(const QByteArray& sql)
{
    if (!db_) {
        errno_ = CR_SERVER_GONE_ERROR;
        error_ = QStringLiteral("Ingen forbindelse med databasen");
        return false;
    }
    if (mysql_real_query(db_, sql.constData(), (unsigned long)sql.size()) != 0) {
        setError();
        return false;
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
    // Drain every result so the connection is ready for the next statement.
    bool ok = true;
    do {
        if (MYSQL_RES* r = mysql_store_result(db_)) mysql_free_result(r);
        else if (mysql_field_count(db_) != 0) { setError(); ok = false; }
    } while (mysql_next_result(db_) == 0);
    return ok;
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

qint64 Connection::affectedRows() const { return db_ ? affected_ : -1; }
qint64 Connection::lastInsertId() const { return db_ ? qint64(mysql_insert_id(db_)) : 0; }

QString Connection::escape(const QString& text) const
{
    if (!db_) return SqlEscape(text);
    const QByteArray in = text.toUtf8();
    QByteArray out(in.size() * 2 + 1, Qt::Uninitialized);
    unsigned long n = mysql_real_escape_string(db_, out.data(), in.constData(), (unsigned long)in.size());
    out.truncate(qsizetype(n));
    return QString::fromUtf8(out);
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
