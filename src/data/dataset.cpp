#include "data/dataset.h"

#include <algorithm>

#include "core/dialogs.h"
#include "core/felles.h"

#include <mysql.h>

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

FieldKind kindOf(const MYSQL_FIELD* f)
{
    switch (f->type) {
    case MYSQL_TYPE_TINY: case MYSQL_TYPE_SHORT: case MYSQL_TYPE_LONG: case MYSQL_TYPE_INT24:
    case MYSQL_TYPE_LONGLONG: case MYSQL_TYPE_YEAR: case MYSQL_TYPE_BIT:
        return FieldKind::Integer;
    case MYSQL_TYPE_DECIMAL: case MYSQL_TYPE_NEWDECIMAL: case MYSQL_TYPE_FLOAT: case MYSQL_TYPE_DOUBLE:
        return FieldKind::Float;
    case MYSQL_TYPE_DATETIME: case MYSQL_TYPE_TIMESTAMP:
        return FieldKind::DateTime;
    case MYSQL_TYPE_DATE: case MYSQL_TYPE_NEWDATE:
        return FieldKind::Date;
    case MYSQL_TYPE_TINY_BLOB: case MYSQL_TYPE_MEDIUM_BLOB: case MYSQL_TYPE_LONG_BLOB: case MYSQL_TYPE_BLOB:
        return f->charsetnr == 63 ? FieldKind::Blob : FieldKind::Text;
    default:
        return FieldKind::Text;
    }
}

int digits(const char* p, int n)
{
    int v = 0;
    for (int i = 0; i < n; ++i) v = v * 10 + (p[i] - '0');
    return v;
}

QDateTime parseDateTime(const char* p, size_t len)
{
    // "YYYY-MM-DD hh:mm:ss" as the server sends it
    if (len < 10) return {};
    const QDate d(digits(p, 4), digits(p + 5, 2), digits(p + 8, 2));
    QTime t(0, 0);
    if (len >= 19) t = QTime(digits(p + 11, 2), digits(p + 14, 2), digits(p + 17, 2));
    return QDateTime(d, t);
}

} // namespace

bool ParseTypedNumber(const QString& text, double& out)
{
    // An emptied field is 0; anything else is read the one way typed
    // numbers are read everywhere (windows, kvarnel-admin).
    if (text.trimmed().isEmpty()) {
        out = 0;
        return true;
    }
    return TryTypedToDouble(text, out);
}

// ---------------------------------------------------------------------------

LookupCache::LookupCache(Connection* conn, QString table, QString keyField, QString textField)
    : conn_(conn), table_(std::move(table)), key_(std::move(keyField)), text_(std::move(textField))
{
}

bool LookupCache::load()
{
    map_.clear();
    loaded_ = true;
    auto r = conn_->query(QStringLiteral("SELECT `%1`,`%2` FROM `%3`").arg(key_, text_, table_));
    if (!r) return false;
    map_.reserve(int(r->rowCount()));
    while (r->next()) map_.insert(r->toLongLong(0), r->value(1));
    return true;
}

QString LookupCache::text(qint64 key)
{
    if (!loaded_) load();
    return map_.value(key);
}

// ---------------------------------------------------------------------------

Dataset::Dataset(Connection* conn, QString baseTable, int tableNumber, QObject* parent)
    : QObject(parent), conn_(conn), table_(std::move(baseTable)), number_(tableNumber)
{
}

Dataset::~Dataset() = default;

QString Dataset::selectText() const
{
    QString where = filter_;
    if (master_) {
        const QString cond = QStringLiteral("`%1`=%2").arg(detailField_).arg(masterValue_);
        where = where.isEmpty() ? cond : "(" + where + ") AND " + cond;
    }
    if (isQuery()) return sql_;
    QString s = "SELECT * FROM `" + table_ + "`";
    if (!where.isEmpty()) s += " WHERE " + where;
    if (!order_.isEmpty()) s += " ORDER BY " + order_;
    return s;
}

void Dataset::setMaster(Dataset* master, const QString& detailField, const QString& masterField)
{
    if (master_) disconnect(master_, nullptr, this, nullptr);
    master_ = master;
    detailField_ = detailField;
    masterField_ = masterField;
    if (master_) {
        connect(master_, &Dataset::currentChanged, this, &Dataset::masterMoved);
        connect(master_, &Dataset::rowsReset, this, &Dataset::masterMoved);
        // A new master row has its id once it is saved.
        connect(master_, &Dataset::written, this, &Dataset::masterSaved);
        connect(master_, &Dataset::closed, this, &Dataset::close);
    }
}

void Dataset::masterMoved()
{
    if (!master_) return;
    const qint64 v = master_->isOpen() && !master_->isEmpty() ? master_->asInt(masterField_) : 0;
    if (masterValueSet_ && v == masterValue_ && isOpen()) return;
    // A pending row belongs to the master row it was made under: it is
    // saved there before the rows of the next master row are read.
    if ((state_ == Edit || state_ == Insert) && !post()) cancel();
    masterValue_ = v;
    masterValueSet_ = true;
    if (isOpen()) open();
}

void Dataset::masterSaved()
{
    if (!master_ || master_->state() != Browse || master_->isEmpty()) return;
    const qint64 v = master_->asInt(masterField_);
    if (masterValueSet_ && v == masterValue_) return;
    // A row being made under a master row that was new gets that row's id
    // now; otherwise the rows of the saved master row are read.
    if (state_ == Edit || state_ == Insert) {
        masterValue_ = v;
        masterValueSet_ = true;
        return;
    }
    masterMoved();
}

bool Dataset::settleMaster()
{
    if (!master_) return true;
    // The master row is saved first, so the new row can carry its id.
    if (master_->state() == Insert && !master_->post()) return false;
    const qint64 v = master_->isOpen() && !master_->isEmpty() ? master_->asInt(masterField_) : 0;
    if (v <= 0) {
        error_ = QStringLiteral("Den nye posten må høre til en lagret post i %1").arg(master_->tableName());
        CurrentDialogs()->ShowMessage(error_, QStringLiteral("Feil"));
        return false;
    }
    if (!masterValueSet_ || v != masterValue_) {
        masterValue_ = v;
        masterValueSet_ = true;
        if (state_ == Browse) return open();
    }
    return true;
}

void Dataset::addLookupField(const QString& name, const QString& keyField, std::shared_ptr<LookupCache> cache)
{
    lookups_.push_back({name, keyField, std::move(cache)});
}

void Dataset::setDisplayFormat(const QString& field, const QString& format)
{
    formats_.insert(field.toLower(), format);
    const int c = fieldIndex(field);
    if (c >= 0) fields_[size_t(c)].displayFormat = format;
}

void Dataset::buildFields(Result& res)
{
    fields_.clear();
    index_.clear();
    MYSQL_RES* r = res.handle();
    const unsigned n = r ? mysql_num_fields(r) : 0;
    MYSQL_FIELD* fs = r ? mysql_fetch_fields(r) : nullptr;
    fields_.reserve(n + lookups_.size());
    for (unsigned i = 0; i < n; ++i) {
        const MYSQL_FIELD* f = &fs[i];
        FieldInfo fi;
        fi.name = QString::fromUtf8(f->name);
        fi.table = QString::fromUtf8(f->org_table);
        fi.kind = kindOf(f);
        fi.primaryKey = (f->flags & PRI_KEY_FLAG) != 0;
        fi.ownColumn = !fi.table.isEmpty() && qstrcmp(f->name, f->org_name) == 0;
        switch (f->type) {
        case MYSQL_TYPE_TINY: case MYSQL_TYPE_SHORT: case MYSQL_TYPE_LONG: case MYSQL_TYPE_INT24:
        case MYSQL_TYPE_LONGLONG: case MYSQL_TYPE_DOUBLE: case MYSQL_TYPE_VAR_STRING: case MYSQL_TYPE_VARCHAR:
        case MYSQL_TYPE_TINY_BLOB: case MYSQL_TYPE_MEDIUM_BLOB: case MYSQL_TYPE_LONG_BLOB: case MYSQL_TYPE_BLOB:
            fi.storedAsSent = (f->flags & (ENUM_FLAG | SET_FLAG)) == 0;
            break;
        default:
            break;
        }
        if (fi.kind == FieldKind::Text && (f->type == MYSQL_TYPE_VAR_STRING || f->type == MYSQL_TYPE_STRING ||
                                           f->type == MYSQL_TYPE_VARCHAR)) {
            // The reported length is in bytes of the result character set.
            MY_CHARSET_INFO cs;
            mysql_get_character_set_info(conn_->handle(), &cs);
            const unsigned mb = cs.mbmaxlen ? cs.mbmaxlen : 4;
            fi.maxChars = int(f->length / mb);
        }
        fi.displayFormat = formats_.value(fi.name.toLower());
        index_.insert(fi.name.toLower(), int(fields_.size()));
        fields_.push_back(std::move(fi));
    }
    storedFields_ = int(fields_.size());
    insertDefaults_.clear();
    insertDefaultsKnown_ = false;
    returnKey_.clear();
    returnList_.clear();
    returnDefaulted_.clear();
    quotedNames_.clear();
    for (const auto& l : lookups_) {
        FieldInfo fi;
        fi.name = l.name;
        fi.kind = FieldKind::Text;
        fi.lookupKey = fieldIndex(l.key);
        fi.lookup = l.cache;
        fi.displayFormat = formats_.value(fi.name.toLower());
        index_.insert(fi.name.toLower(), int(fields_.size()));
        fields_.push_back(std::move(fi));
    }
}

unsigned char* Dataset::RowArena::alloc(size_t n)
{
    n = (n + 1) & ~size_t(1);  // two-byte alignment keeps the low bit free
    if (used_ + n > cap_) {
        cap_ = std::max<size_t>(n, 1 << 20);
        blocks_.push_back(std::make_unique<unsigned char[]>(cap_));
        used_ = 0;
    }
    unsigned char* p = blocks_.back().get() + used_;
    used_ += n;
    total_ += n;
    return p;
}

void Dataset::RowArena::clear()
{
    blocks_.clear();
    used_ = cap_ = total_ = 0;
}

bool Dataset::readRows(Result& res)
{
    rows_.clear();
    overlays_.clear();
    arena_.clear();
    buildFields(res);
    const int n = storedFields_;
    while (res.next()) {
        size_t header = 2, data = 0;
        for (int c = 0; c < n; ++c) {
            if (res.isNull(c)) {
                header += 1;
            } else {
                header += res.length(c) < 0xFE ? 1 : 5;
                data += res.length(c);
            }
        }
        unsigned char* p = arena_.alloc(header + data);
        p[0] = (unsigned char)(header & 0xFF);
        p[1] = (unsigned char)(header >> 8);
        unsigned char* h = p + 2;
        unsigned char* d = p + header;
        for (int c = 0; c < n; ++c) {
            if (res.isNull(c)) {
                *h++ = 0xFF;
                continue;
            }
            const size_t l = res.length(c);
            if (l < 0xFE) {
                *h++ = (unsigned char)l;
            } else {
                *h++ = 0xFE;
                const std::uint32_t l32 = std::uint32_t(l);
                std::memcpy(h, &l32, 4);
                h += 4;
            }
            std::memcpy(d, res.rawData(c), l);
            d += l;
        }
        rows_.push_back(RowRef{reinterpret_cast<std::uintptr_t>(p)});
    }
    for (auto& f : fields_)
        if (f.lookup) f.lookup->invalidate();
    return !conn_->fetchFailed();
}

bool Dataset::open()
{
    if (state_ == Edit || state_ == Insert) cancel();
    if (master_ && !masterValueSet_) {
        masterValue_ = master_->isOpen() && !master_->isEmpty() ? master_->asInt(masterField_) : 0;
        masterValueSet_ = true;
    }
    // Only the first batch now when the select has no limit of its own.
    const QString sql = selectText();
    const bool limited = firstBatch_ > 0 && !sql.contains(QLatin1String("LIMIT"), Qt::CaseInsensitive);
    auto res = conn_->queryUnbuffered(limited ? sql + QStringLiteral(" LIMIT %1").arg(firstBatch_ + 1) : sql);
    if (!res || !readRows(*res)) {
        error_ = conn_->lastError();
        close();
        return false;
    }
    complete_ = !limited || int(rows_.size()) <= firstBatch_;
    if (!complete_) rows_.pop_back();  // the extra row only told that more follow
    fromEnd_ = false;
    error_.clear();
    state_ = Browse;
    cur_ = -1;
    if (!disabled_) emit rowsReset();
    emit opened();
    setCurrent(rows_.empty() ? -1 : 0, true);
    emit stateChanged(state_);
    return true;
}

void Dataset::close()
{
    if (state_ == Inactive) return;
    rows_.clear();
    overlays_.clear();
    arena_.clear();
    cur_ = -1;
    bof_ = eof_ = true;
    buf_.clear();
    state_ = Inactive;
    fromEnd_ = false;
    complete_ = true;
    if (!disabled_) emit rowsReset();
    emit closed();
    emit stateChanged(state_);
}

bool Dataset::setTableName(const QString& table)
{
    if (state_ != Inactive || table.isEmpty()) return false;
    table_ = table;
    return true;
}

bool Dataset::refreshRow()
{
    if (state_ != Browse || cur_ < 0) return false;
    const qint64 id = currentId();
    std::vector<QVariant> vals(static_cast<size_t>(storedFields_));
    for (int c = 0; c < storedFields_; ++c) vals[size_t(c)] = stored(rows_[size_t(cur_)], c);
    if (!rereadRow(id, vals)) return false;
    overlayOf(rows_[size_t(cur_)]) = std::move(vals);
    if (!disabled_) emit rowChanged(cur_);
    return true;
}

bool Dataset::refresh()
{
    if (!isOpen()) return open();
    if (!checkBrowse()) return false;
    const qint64 id = currentId();
    const int oldRow = cur_;
    const QString sql = selectText();
    const bool limited = !complete_ && !sql.contains(QLatin1String("LIMIT"), Qt::CaseInsensitive);
    auto res = conn_->queryUnbuffered(limited ? sql + QStringLiteral(" LIMIT %1").arg(firstBatch_ + 1) : sql);
    if (!res) {
        error_ = conn_->lastError();
        return false;
    }
    if (!readRows(*res)) {
        error_ = conn_->lastError();
        close();
        return false;
    }
    complete_ = !limited || int(rows_.size()) <= firstBatch_;
    if (!complete_) rows_.pop_back();
    fromEnd_ = false;
    cur_ = -1;
    if (!disabled_) emit rowsReset();
    int row = rowOfId(id);
    if (row < 0 && id > 0 && !complete_ && fetchRest()) row = rowOfId(id);
    // A re-read list always stands on a row when it has any, also after a
    // select that found nothing left it without one.
    if (row < 0 && loadedCount() > 0) row = qBound(0, oldRow, loadedCount() - 1);
    setCurrent(row, true);
    return true;
}

namespace {
// The order clause the other way round: every term's direction turned.
// Terms are split at the commas outside parentheses.
QString reversedOrder(const QString& order)
{
    QStringList terms;
    int depth = 0;
    QString cur;
    for (QChar ch : order) {
        if (ch == '(') ++depth;
        if (ch == ')') --depth;
        if (ch == ',' && depth == 0) {
            terms << cur.trimmed();
            cur.clear();
        } else {
            cur += ch;
        }
    }
    terms << cur.trimmed();
    for (QString& t : terms) {
        if (t.endsWith(QLatin1String(" DESC"), Qt::CaseInsensitive)) t.chop(5);
        else if (t.endsWith(QLatin1String(" ASC"), Qt::CaseInsensitive)) t = t.left(t.size() - 4) + QStringLiteral(" DESC");
        else t += QStringLiteral(" DESC");
    }
    return terms.join(',');
}
} // namespace

bool Dataset::openAtEnd()
{
    if (isQuery() || order_.trimmed().isEmpty() || firstBatch_ <= 0) {
        if (!(isOpen() ? refresh() : open())) return false;
        last();
        return true;
    }
    if (state_ == Edit || state_ == Insert) {
        if (!post()) return false;
    }
    if (master_ && !masterValueSet_) {
        masterValue_ = master_->isOpen() && !master_->isEmpty() ? master_->asInt(masterField_) : 0;
        masterValueSet_ = true;
    }
    // The last rows, newest first, then put back in the list's order.
    QString sql = selectText();
    sql.chop(order_.size());
    sql += reversedOrder(order_) + QStringLiteral(" LIMIT %1").arg(firstBatch_ + 1);
    auto res = conn_->queryUnbuffered(sql);
    if (!res || !readRows(*res)) {
        error_ = conn_->lastError();
        close();
        return false;
    }
    complete_ = int(rows_.size()) <= firstBatch_;
    if (!complete_) rows_.pop_back();
    std::reverse(rows_.begin(), rows_.end());
    fromEnd_ = !complete_;
    error_.clear();
    const bool wasOpen = state_ != Inactive;
    state_ = Browse;
    cur_ = -1;
    if (!disabled_) emit rowsReset();
    if (!wasOpen) emit opened();
    setCurrent(rows_.empty() ? -1 : loadedCount() - 1, true);
    eof_ = true;
    if (!wasOpen) emit stateChanged(state_);
    return true;
}

int Dataset::rowOfId(qint64 id) const
{
    const int idCol = fieldIndex(QStringLiteral("id"));
    if (idCol < 0 || id <= 0) return -1;
    for (int i = 0; i < loadedCount(); ++i)
        if (rowValue(i, idCol).toLongLong() == id) return i;
    return -1;
}

bool Dataset::fetchRest()
{
    if (complete_ || state_ == Inactive) return true;
    // The whole select again; the current record keeps its place by id, and
    // a pending edit (its own buffer) is left as it is.
    const qint64 id = cur_ >= 0 && cur_ < loadedCount() ? rowValue(cur_, fieldIndex(QStringLiteral("id"))).toLongLong() : 0;
    const int oldRow = cur_;
    const int oldLoaded = loadedCount();
    auto res = conn_->queryUnbuffered(selectText());
    if (!res) {
        error_ = conn_->lastError();
        return false;
    }
    if (!readRows(*res)) {
        error_ = conn_->lastError();
        complete_ = true;
        return false;
    }
    complete_ = true;
    const bool before = fromEnd_;
    fromEnd_ = false;
    int row = rowOfId(id);
    if (row < 0) row = before ? loadedCount() - oldLoaded + oldRow : qMin(oldRow, loadedCount() - 1);
    row = qMin(row, loadedCount() - 1);
    cur_ = row;
    bof_ = row <= 0;
    eof_ = row < 0 || row >= loadedCount() - 1;
    if (!disabled_) {
        // Views keep their place: the new rows are added after the shown ones
        // (which are told to repaint, in case others changed them meanwhile).
        // Rows read before the last batch change every row's number.
        if (!before && loadedCount() >= oldLoaded && oldLoaded > 0) {
            if (loadedCount() > oldLoaded) emit rowsAppended(oldLoaded, loadedCount() - 1);
            for (int r = 0; r < oldLoaded; ++r) emit rowChanged(r);
        } else {
            emit rowsReset();
        }
        emit currentChanged(cur_);
    }
    return true;
}

int Dataset::recordCount() const
{
    if (!complete_) const_cast<Dataset*>(this)->fetchRest();
    return int(rows_.size());
}

// --- Moving ----------------------------------------------------------------

bool Dataset::checkBrowse()
{
    if (state_ == Edit || state_ == Insert) return post();
    return true;
}

void Dataset::setCurrent(int row, bool force)
{
    if (row == cur_ && !force) return;
    cur_ = row;
    bof_ = row <= 0;
    eof_ = row < 0 || ((complete_ || fromEnd_) && row >= loadedCount() - 1);
    emitCurrent();
}

void Dataset::emitCurrent()
{
    if (!disabled_) emit currentChanged(cur_);
}

void Dataset::first()
{
    if (!checkBrowse()) return;
    setCurrent(rows_.empty() ? -1 : 0);
    bof_ = true;
}

void Dataset::last()
{
    if (!checkBrowse()) return;
    // Read from the end, the last row is read already.
    setCurrent((fromEnd_ ? loadedCount() : recordCount()) - 1);
    eof_ = true;
}

void Dataset::next()
{
    if (!checkBrowse()) return;
    // Rows not read yet are read only when the step needs them.
    if (cur_ + 1 < loadedCount() || (!fromEnd_ && cur_ + 1 < recordCount())) setCurrent(cur_ + 1);
    else eof_ = true;
}

void Dataset::prior()
{
    if (!checkBrowse()) return;
    // Before the last batch lie the rows not read yet.
    if (cur_ == 0 && fromEnd_ && !fetchRest()) return;
    if (cur_ > 0) setCurrent(cur_ - 1);
    else bof_ = true;
}

bool Dataset::moveTo(int row)
{
    if (row < 0 || (row >= loadedCount() && row >= recordCount())) return false;
    if (!checkBrowse()) return false;
    setCurrent(row);
    return true;
}

bool Dataset::locate(const QString& field, const QVariant& value, bool partial)
{
    const int col = fieldIndex(field);
    if (col < 0 || !isOpen()) return false;
    const bool text = fields_[size_t(col)].kind == FieldKind::Text;
    const QString want = value.toString();
    for (int i = 0; i < recordCount(); ++i) {
        const QVariant v = rowValue(i, col);
        bool hit;
        if (text) {
            const QString s = v.toString();
            hit = partial ? s.startsWith(want, Qt::CaseInsensitive) : s.compare(want, Qt::CaseInsensitive) == 0;
        } else if (fields_[size_t(col)].kind == FieldKind::Integer) {
            hit = !v.isNull() && v.toLongLong() == value.toLongLong();
        } else {
            hit = v == value || v.toString() == want;
        }
        if (hit) return moveTo(i);
    }
    return false;
}

void Dataset::disableControls() { ++disabled_; }

void Dataset::enableControls()
{
    if (disabled_ > 0 && --disabled_ == 0) {
        emit rowsReset();
        emit currentChanged(cur_);
    }
}

// --- Fields ----------------------------------------------------------------

int Dataset::fieldIndex(const QString& name) const
{
    // Names are kept in lower case; most callers already write them so,
    // and are found without making a lower-case copy.
    if (const auto it = index_.constFind(name); it != index_.constEnd()) return *it;
    return index_.value(name.toLower(), -1);
}

QVariant Dataset::parse(int col, const char* p, size_t len) const
{
    if (!p) return {};
    switch (fields_[size_t(col)].kind) {
    case FieldKind::Integer: {
        qlonglong v = 0;
        std::from_chars(p, p + len, v);
        return v;
    }
    case FieldKind::Float: {
        double v = 0;
        std::from_chars(p, p + len, v);
        return v;
    }
    case FieldKind::DateTime: {
        QDateTime d = parseDateTime(p, len);
        return d.isValid() ? QVariant(d) : QVariant();
    }
    case FieldKind::Date: {
        QDateTime d = parseDateTime(p, len);
        return d.isValid() ? QVariant(d.date()) : QVariant();
    }
    case FieldKind::Blob:
        return QByteArray(p, qsizetype(len));
    case FieldKind::Text:
        return Utf8Text(p, qsizetype(len));
    }
    return {};
}

void Dataset::learnInsertDefaults()
{
    if (insertDefaultsKnown_) return;
    insertDefaults_.assign(size_t(storedFields_), std::nullopt);
    // Asked outside transactions only: inside one the question would be a
    // statement of the caller's transaction, between its own.
    if (conn_->inTransaction()) return;
    insertDefaultsKnown_ = true;
    returnKey_.clear();
    const Connection::ColumnDefaults& defs = conn_->columnDefaults(table_);
    for (int c = 0; c < storedFields_; ++c) {
        const FieldInfo& f = fields_[size_t(c)];
        if (!f.ownColumn || f.primaryKey || (!f.table.isEmpty() && f.table != table_)) continue;
        // Numbers and texts stored as they are written; dates, CHAR and
        // ENUM columns are read back as the server keeps them.
        const bool plainKind = f.kind == FieldKind::Integer || f.kind == FieldKind::Float ||
                               (f.kind == FieldKind::Text && f.storedAsSent);
        const auto it = defs.constFind(f.name.toLower());
        if (!plainKind || it == defs.constEnd()) continue;
        const std::optional<QByteArray>& v = *it;
        insertDefaults_[size_t(c)] = v ? parse(c, v->constData(), size_t(v->size())) : QVariant();
    }
}

QVariant Dataset::stored(const RowRef& r, int col) const
{
    if (col >= storedFields_) {
        const FieldInfo& f = fields_[size_t(col)];
        if (!f.lookup || f.lookupKey < 0) return {};
        return f.lookup->text(stored(r, f.lookupKey).toLongLong());
    }
    if (r.isOverlay()) return overlays_[size_t(r.overlay())][size_t(col)];
    const char* data = nullptr;
    size_t len = 0;
    if (!rawCell(r, col, data, len)) return {};
    return parse(col, data, len);
}

bool Dataset::rawCell(const RowRef& r, int col, const char*& data, size_t& len) const
{
    const unsigned char* p = r.packed();
    if (!p) return false;
    // Walk the column lengths up to col to find where its value starts.
    const size_t header = size_t(p[0]) | (size_t(p[1]) << 8);
    const unsigned char* h = p + 2;
    size_t offset = 0;
    for (int c = 0;; ++c) {
        size_t l;
        bool null = false;
        if (*h == 0xFF) {
            null = true;
            l = 0;
            h += 1;
        } else if (*h == 0xFE) {
            std::uint32_t l32;
            std::memcpy(&l32, h + 1, 4);
            l = l32;
            h += 5;
        } else {
            l = *h;
            h += 1;
        }
        if (c == col) {
            if (null) return false;
            data = reinterpret_cast<const char*>(p + header + offset);
            len = l;
            return true;
        }
        offset += l;
    }
}

namespace {

bool allDigits(const char* p, size_t n)
{
    for (size_t i = 0; i < n; ++i)
        if (p[i] < '0' || p[i] > '9') return false;
    return true;
}

// "dd.MM.yyyy" (and " HH:mm" when withTime) from the server's
// "YYYY-MM-DD[ hh:mm:ss]"; false when the text is not a valid date the way
// the general path would show it (zero dates, odd texts).
bool serverDateToText(const char* p, size_t len, bool withTime, QString& out)
{
    if (len < 10 || p[4] != '-' || p[7] != '-' || !allDigits(p, 4) || !allDigits(p + 5, 2) || !allDigits(p + 8, 2))
        return false;
    const int y = (p[0] - '0') * 1000 + (p[1] - '0') * 100 + (p[2] - '0') * 10 + (p[3] - '0');
    const int m = (p[5] - '0') * 10 + (p[6] - '0');
    const int d = (p[8] - '0') * 10 + (p[9] - '0');
    if (!QDate::isValid(y, m, d)) return false;
    char16_t buf[16] = {char16_t(p[8]), char16_t(p[9]), u'.', char16_t(p[5]), char16_t(p[6]), u'.',
                        char16_t(p[0]), char16_t(p[1]),  char16_t(p[2]), char16_t(p[3])};
    qsizetype n = 10;
    if (withTime) {
        char16_t hh[2] = {u'0', u'0'}, mm[2] = {u'0', u'0'};
        if (len >= 16) {
            if (p[10] != ' ' || p[13] != ':' || !allDigits(p + 11, 2) || !allDigits(p + 14, 2)) return false;
            const int h = (p[11] - '0') * 10 + (p[12] - '0');
            const int mi = (p[14] - '0') * 10 + (p[15] - '0');
            if (h > 23 || mi > 59) return false;
            hh[0] = char16_t(p[11]);
            hh[1] = char16_t(p[12]);
            mm[0] = char16_t(p[14]);
            mm[1] = char16_t(p[15]);
        } else if (len != 10) {
            return false;
        }
        buf[n++] = u' ';
        buf[n++] = hh[0];
        buf[n++] = hh[1];
        buf[n++] = u':';
        buf[n++] = mm[0];
        buf[n++] = mm[1];
    }
    out = QString(reinterpret_cast<const QChar*>(buf), n);
    return true;
}

} // namespace

bool Dataset::fastDisplay(const FieldInfo& f, const char* p, size_t len, QString& out) const
{
    const QString& fmt = f.displayFormat;
    switch (f.kind) {
    case FieldKind::Text:
        out = Utf8Text(p, qsizetype(len));
        return true;
    case FieldKind::Integer: {
        qlonglong v = 0;
        std::from_chars(p, p + len, v);
        out = fmt.contains(QLatin1Char('#')) ? NorNum(double(v), 0) : QString::number(v);
        return true;
    }
    case FieldKind::Float: {
        double v = 0;
        std::from_chars(p, p + len, v);
        if (fmt.isEmpty()) {
            out = NorNum(v, 2);
            return true;
        }
        const qsizetype dot = fmt.indexOf(QLatin1Char('.'));
        out = NorNum(v, dot < 0 ? 0 : int(fmt.size() - dot - 1));
        if (!fmt.contains(QLatin1Char('#'))) out.remove(QLatin1Char(' '));
        return true;
    }
    case FieldKind::DateTime:
        if (fmt.isEmpty()) return serverDateToText(p, len, true, out);
        if (fmt == QLatin1String("dd.MM.yyyy")) return serverDateToText(p, len, false, out);
        return false;
    case FieldKind::Date:
        if (fmt.isEmpty() || fmt == QLatin1String("dd.MM.yyyy")) return serverDateToText(p, len, false, out);
        return false;
    case FieldKind::Blob:
        out = QStringLiteral("(data)");
        return true;
    }
    return false;
}

QVariant Dataset::rowValue(int row, int col) const
{
    if (row < 0 || row >= loadedCount() || col < 0 || col >= fieldCount()) return {};
    return stored(rows_[size_t(row)], col);
}

QVariant Dataset::value(int col) const
{
    if (col < 0 || col >= fieldCount()) return {};
    if ((state_ == Edit || state_ == Insert) && col < storedFields_) return buf_[size_t(col)];
    if ((state_ == Edit || state_ == Insert) && fields_[size_t(col)].lookup) {
        const FieldInfo& f = fields_[size_t(col)];
        return f.lookupKey >= 0 ? f.lookup->text(buf_[size_t(f.lookupKey)].toLongLong()) : QVariant();
    }
    return rowValue(cur_, col);
}

QVariant Dataset::value(const QString& name) const { return value(fieldIndex(name)); }

QString Dataset::asString(const QString& name) const
{
    const QVariant v = value(name);
    switch (v.typeId()) {
    case QMetaType::Double: return SqlNum(v.toDouble());
    case QMetaType::QDateTime: return v.toDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    case QMetaType::QDate: return v.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    default: return v.toString();
    }
}

qint64 Dataset::asInt(const QString& name) const
{
    const QVariant v = value(name);
    if (v.typeId() == QMetaType::Double) return qint64(std::llround(v.toDouble()));
    if (v.typeId() == QMetaType::QString) {
        double d = 0;
        return ParseTypedNumber(v.toString(), d) ? qint64(std::llround(d)) : 0;
    }
    return v.toLongLong();
}

double Dataset::asFloat(const QString& name) const
{
    const QVariant v = value(name);
    if (v.typeId() == QMetaType::QString) {
        double d = 0;
        return ParseTypedNumber(v.toString(), d) ? d : 0.0;
    }
    return v.toDouble();
}

QDateTime Dataset::asDateTime(const QString& name) const
{
    const QVariant v = value(name);
    if (v.typeId() == QMetaType::QDate) return QDateTime(v.toDate(), QTime(0, 0));
    return v.toDateTime();
}

bool Dataset::isNull(const QString& name) const { return value(name).isNull(); }

qint64 Dataset::currentId() const
{
    const int c = fieldIndex(QStringLiteral("id"));
    return c < 0 ? 0 : value(c).toLongLong();
}

QString Dataset::displayText(int row, int col) const
{
    if (col < 0 || col >= fieldCount()) return {};
    // Rows as read are shown straight from their bytes: no QVariant, no
    // QDateTime (whose local-time conversion costs more than the rest).
    if (col < storedFields_ && row >= 0 && row < loadedCount() &&
        !(row == cur_ && (state_ == Edit || state_ == Insert))) {
        const RowRef& r = rows_[size_t(row)];
        if (!r.isOverlay()) {
            const char* data = nullptr;
            size_t len = 0;
            if (!rawCell(r, col, data, len)) return {};
            QString text;
            if (fastDisplay(fields_[size_t(col)], data, len, text)) return text;
        }
    }
    const QVariant v = (row == cur_ && (state_ == Edit || state_ == Insert)) ? value(col) : rowValue(row, col);
    if (v.isNull()) return {};
    const FieldInfo& f = fields_[size_t(col)];
    const QString& fmt = f.displayFormat;
    switch (f.kind) {
    case FieldKind::Integer:
        if (fmt.contains('#')) return NorNum(v.toDouble(), 0);
        return QString::number(v.toLongLong());
    case FieldKind::Float: {
        if (fmt.isEmpty()) return NorNum(v.toDouble(), 2);
        const qsizetype p = fmt.indexOf('.');
        const int dec = p < 0 ? 0 : int(fmt.size() - p - 1);
        QString s = NorNum(v.toDouble(), dec);
        if (!fmt.contains('#')) s.remove(' ');
        return s;
    }
    case FieldKind::DateTime: {
        const QDateTime d = v.toDateTime();
        return d.toString(fmt.isEmpty() ? QStringLiteral("dd.MM.yyyy HH:mm") : fmt);
    }
    case FieldKind::Date:
        return v.toDate().toString(fmt.isEmpty() ? QStringLiteral("dd.MM.yyyy") : fmt);
    case FieldKind::Blob:
        return QStringLiteral("(data)");
    case FieldKind::Text:
        return v.toString();
    }
    return v.toString();
}

QString Dataset::displayText(const QString& name) const { return displayText(cur_, fieldIndex(name)); }

// --- Editing ---------------------------------------------------------------

void Dataset::setState(State s)
{
    if (state_ == s) return;
    state_ = s;
    emit stateChanged(s);
}

bool Dataset::edit()
{
    if (state_ == Edit || state_ == Insert) return true;
    if (state_ != Browse || cur_ < 0) return false;
    buf_.assign(size_t(storedFields_), QVariant());
    for (int c = 0; c < storedFields_; ++c) buf_[size_t(c)] = rowValue(cur_, c);
    changed_ = QBitArray(storedFields_);
    setState(Edit);
    return true;
}

bool Dataset::insert()
{
    if (state_ == Inactive) return false;
    if (!checkBrowse()) return false;
    // A new row goes after every row of the select (read from the end, the
    // last rows are there already).
    if (!settleMaster()) return false;
    if (!fromEnd_ && !fetchRest()) return false;
    if (beforeInsert && !beforeInsert(*this)) return false;
    insertExprs_.clear();
    insertRefused_ = 0;
    buf_.assign(size_t(storedFields_), QVariant());
    changed_ = QBitArray(storedFields_);
    rowBeforeInsert_ = cur_;
    overlays_.emplace_back(size_t(storedFields_));
    rows_.push_back(RowRef::ofOverlay(int(overlays_.size() - 1)));
    insertedRow_ = loadedCount() - 1;
    if (!disabled_) emit rowInserted(insertedRow_);
    state_ = Insert;
    setCurrent(insertedRow_);
    if (onNewRecord) onNewRecord(*this);
    emit stateChanged(state_);
    return true;
}

bool Dataset::setValue(const QString& name, const QVariant& v)
{
    const int col = fieldIndex(name);
    if (col < 0) {
        error_ = QStringLiteral("Feltet %1 finnes ikke i %2").arg(name, table_);
        return false;
    }
    return setValue(col, v);
}

bool Dataset::refuseValue(const FieldInfo& f)
{
    error_ = QStringLiteral("Ugyldig verdi for feltet %1").arg(f.name);
    CurrentDialogs()->ShowMessage(error_, QStringLiteral("Feil"));
    return false;
}

bool Dataset::setValue(int col, const QVariant& v)
{
    if (col < 0 || col >= storedFields_) return false;
    if (state_ == Browse && !edit()) return false;
    if (state_ != Edit && state_ != Insert) return false;
    const FieldInfo& f = fields_[size_t(col)];
    QVariant val = v;
    if (!v.isNull()) {
        switch (f.kind) {
        case FieldKind::Integer:
            if (v.typeId() == QMetaType::QString) {
                double d = 0;
                if (!ParseTypedNumber(v.toString(), d)) {
                    error_ = QStringLiteral("«%1» er ikke et gyldig tall").arg(v.toString());
                    CurrentDialogs()->ShowMessage(error_, QStringLiteral("Feil"));
                    return false;
                }
                if (!NumberFits(v.toString(), d) || std::fabs(d) >= 9.2e18) return refuseValue(f);
                val = qlonglong(std::llround(d));
            } else if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float) {
                const double d = v.toDouble();
                if (!std::isfinite(d) || std::fabs(d) >= 9.2e18) return refuseValue(f);
                val = qlonglong(std::llround(d));
            } else {
                val = v.toLongLong();
            }
            break;
        case FieldKind::Float:
            if (v.typeId() == QMetaType::QString) {
                double d = 0;
                if (!ParseTypedNumber(v.toString(), d)) {
                    error_ = QStringLiteral("«%1» er ikke et gyldig tall").arg(v.toString());
                    CurrentDialogs()->ShowMessage(error_, QStringLiteral("Feil"));
                    return false;
                }
                if (!NumberFits(v.toString(), d)) return refuseValue(f);
                val = d;
            } else {
                val = v.toDouble();
                if (!std::isfinite(val.toDouble())) return refuseValue(f);
            }
            break;
        case FieldKind::Text: {
            const QString s = v.toString();
            // The column's length counts characters, not UTF-16 units.
            if (f.maxChars > 0 && s.size() > f.maxChars && CharCount(s) > f.maxChars) {
                error_ = QStringLiteral("Teksten er for lang for feltet %1 (høyst %2 tegn)").arg(f.name).arg(f.maxChars);
                CurrentDialogs()->ShowMessage(error_, QStringLiteral("Feil"));
                return false;
            }
            val = s;
            break;
        }
        case FieldKind::DateTime:
            if (v.typeId() == QMetaType::QDate) val = QDateTime(v.toDate(), QTime(0, 0));
            break;
        default:
            break;
        }
    }
    if (buf_[size_t(col)] == val && buf_[size_t(col)].isNull() == val.isNull()) return true;
    buf_[size_t(col)] = val;
    changed_.setBit(col);
    if (!disabled_) emit rowChanged(cur_);
    return true;
}

bool Dataset::isModified(const QString& name) const
{
    const int c = fieldIndex(name);
    return (state_ == Edit || state_ == Insert) && c >= 0 && c < changed_.size() && changed_.testBit(c);
}

bool Dataset::isModified() const { return (state_ == Edit || state_ == Insert) && changed_.count(true) > 0; }

QString Dataset::literal(int col, const QVariant& v) const
{
    if (v.isNull()) return QStringLiteral("NULL");
    switch (fields_[size_t(col)].kind) {
    case FieldKind::Integer:
        return QString::number(v.toLongLong());
    case FieldKind::Float:
        return SqlDouble(v.toDouble());
    case FieldKind::DateTime:
        return "'" + v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + "'";
    case FieldKind::Date:
        return "'" + v.toDate().toString(QStringLiteral("yyyy-MM-dd")) + "'";
    case FieldKind::Blob: {
        const QByteArray b = v.toByteArray();
        return b.isEmpty() ? QStringLiteral("''") : "0x" + QString::fromLatin1(b.toHex());
    }
    case FieldKind::Text:
        return conn_->quote(v.toString());
    }
    return QStringLiteral("NULL");
}

std::vector<QVariant>& Dataset::overlayOf(RowRef& r)
{
    if (!r.isOverlay()) {
        std::vector<QVariant> vals(static_cast<size_t>(storedFields_));
        for (int c = 0; c < storedFields_; ++c) vals[size_t(c)] = stored(r, c);
        overlays_.push_back(std::move(vals));
        r = RowRef::ofOverlay(int(overlays_.size() - 1));
    }
    return overlays_[size_t(r.overlay())];
}

bool Dataset::rereadRow(qint64 id, std::vector<QVariant>& out)
{
    // Read the row back through the dataset's own select when it is a plain
    // table; queries re-read the base table's columns and keep the rest.
    auto res = conn_->query(QStringLiteral("SELECT * FROM `%1` WHERE id=%2").arg(table_).arg(id));
    if (!res || !res->next()) return false;
    takeColumns(*res, 0, out);
    return true;
}

void Dataset::takeColumns(Result& res, int first, std::vector<QVariant>& out) const
{
    for (int c = first; c < res.fieldCount(); ++c) {
        const int col = fieldIndex(res.fieldName(c));
        if (col < 0 || col >= storedFields_) continue;
        if (isQuery() && !fields_[size_t(col)].table.isEmpty() && fields_[size_t(col)].table != table_) continue;
        out[size_t(col)] = res.isNull(c) ? QVariant() : parse(col, res.rawData(c), res.length(c));
    }
}

bool Dataset::takeCurrentRow(Result& res, int first)
{
    if (state_ != Browse || cur_ < 0 || cur_ >= loadedCount()) return false;
    takeColumns(res, first, overlayOf(rows_[size_t(cur_)]));
    if (!disabled_) emit rowChanged(cur_);
    emit written();
    return true;
}

void Dataset::setInsertExpression(const QString& field, const QString& sql)
{
    const int c = fieldIndex(field);
    if (state_ != Insert || c < 0 || c >= storedFields_) return;
    for (auto& e : insertExprs_)
        if (e.first == c) {
            e.second = sql;
            return;
        }
    insertExprs_.emplace_back(c, sql);
}

const QString& Dataset::quotedName(int col) const
{
    if (quotedNames_.size() != size_t(storedFields_)) {
        quotedNames_.clear();
        quotedNames_.reserve(size_t(storedFields_));
        for (int c = 0; c < storedFields_; ++c) quotedNames_.push_back("`" + fields_[size_t(c)].name + "`");
    }
    return quotedNames_[size_t(col)];
}

bool Dataset::post()
{
    if (state_ != Edit && state_ != Insert) return state_ == Browse;
    // A detail row is never written without its master row's id.
    if (master_ && state_ == Insert && masterValue_ <= 0) {
        error_ = QStringLiteral("Den nye posten må høre til en lagret post i %1").arg(master_->tableName());
        CurrentDialogs()->ShowMessage(error_, QStringLiteral("Feil"));
        return false;
    }
    if (beforePost && !beforePost(*this)) return false;
    const auto writable = [this](int c) {
        const FieldInfo& f = fields_[size_t(c)];
        // A joined column is not ours to write; the id is the server's.
        return changed_.testBit(c) && (f.table.isEmpty() || f.table == table_) && !f.primaryKey;
    };
    RowRef& ref = rows_[size_t(cur_)];
    if (state_ == Edit) {
        QString sets;
        for (int c = 0; c < storedFields_; ++c) {
            if (!writable(c)) continue;
            if (!sets.isEmpty()) sets += QLatin1Char(',');
            sets += quotedName(c);
            sets += QLatin1Char('=');
            sets += literal(c, buf_[size_t(c)]);
        }
        if (!sets.isEmpty()) {
            const QString sql = "UPDATE `" + table_ + "` SET " + sets + " WHERE id=" + QString::number(currentId());
            if (!conn_->exec(sql)) {
                error_ = conn_->lastError();
                ShowDbFailure(QStringLiteral("Kan ikke lagre endringen"), *conn_);
                return false;
            }
            overlayOf(ref) = buf_;
        }
    } else {
        if (master_) {
            const int dc = fieldIndex(detailField_);
            if (dc >= 0 && !changed_.testBit(dc)) {
                buf_[size_t(dc)] = masterValue_;
                changed_.setBit(dc);
            }
        }
        const auto exprOf = [this](int c) -> const QString* {
            for (const auto& e : insertExprs_)
                if (e.first == c) return &e.second;
            return nullptr;
        };
        QString cols, vals;
        cols.reserve(24 * storedFields_);
        vals.reserve(16 * storedFields_);
        for (int c = 0; c < storedFields_; ++c) {
            const QString* expr = exprOf(c);
            if (!writable(c) && !expr) continue;
            if (!cols.isEmpty()) {
                cols += QLatin1Char(',');
                vals += QLatin1Char(',');
            }
            cols += quotedName(c);
            vals += expr ? *expr : literal(c, buf_[size_t(c)]);
        }
        QString sql = cols.isEmpty() ? "INSERT INTO `" + table_ + "` () VALUES ()"
                                     : "INSERT INTO `" + table_ + "` (" + cols + ") VALUES (" + vals + ")";
        // Where the server can, the new row (id, server defaults, what
        // triggers set) comes back with the insert itself.
        std::unique_ptr<Result> returned;
        if (conn_->insertReturnsRows()) {
            // Only what the server decides comes back: the id, the columns
            // not sent (defaults, timestamps), those the server works out
            // and those whose type may store a sent value otherwise than
            // sent (dates, decimals, CHAR). A column left out whose default
            // is a plain value holds that value, known without asking. The
            // list is kept for the next insert that sends the same columns.
            learnInsertDefaults();
            QBitArray key = changed_;
            key.resize(2 * storedFields_);
            for (const auto& e : insertExprs_) key.setBit(storedFields_ + e.first);
            if (key != returnKey_ || returnList_.isEmpty()) {
                QStringList back;
                std::vector<int> defaulted;
                bool all = true;
                for (int c = 0; c < storedFields_; ++c) {
                    const FieldInfo& f = fields_[size_t(c)];
                    if (!f.table.isEmpty() && f.table != table_) continue;
                    const bool sent = changed_.testBit(c) && !f.primaryKey;
                    if (f.ownColumn && sent && f.storedAsSent && !exprOf(c)) {
                        all = false;
                        continue;
                    }
                    if (!f.ownColumn) {
                        back.clear();
                        defaulted.clear();
                        all = true;
                        break;
                    }
                    if (!sent && !exprOf(c) && insertDefaults_[size_t(c)]) {
                        all = false;
                        defaulted.push_back(c);
                        continue;
                    }
                    back << quotedName(c);
                }
                if (all) defaulted.clear();
                returnList_ = all || back.isEmpty() ? QStringLiteral("*") : back.join(QLatin1Char(','));
                returnDefaulted_ = std::move(defaulted);
                returnKey_ = key;
            }
            returned = conn_->query(sql + QStringLiteral(" RETURNING ") + returnList_);
            if (!returned) {
                // Refused with values the server was to work out: the rules
                // run again, told why, and the row goes without them (unless
                // the transaction it was part of is over).
                const unsigned err = conn_->lastErrno();
                if (!insertExprs_.empty() && err > 0 && err < 2000 &&
                    !(conn_->inTransaction() && Connection::isRetryable(err))) {
                    insertExprs_.clear();
                    insertRefused_ = err;
                    return post();
                }
                error_ = conn_->lastError();
                ShowDbFailure(QStringLiteral("Kan ikke lagre den nye posten"), *conn_);
                return false;
            }
        } else if (!conn_->exec(sql)) {
            error_ = conn_->lastError();
            ShowDbFailure(QStringLiteral("Kan ikke lagre den nye posten"), *conn_);
            return false;
        }
        const qint64 id = conn_->lastInsertId();
        std::vector<QVariant>& ov = overlayOf(ref);
        ov = buf_;
        const int idc = fieldIndex(QStringLiteral("id"));
        if (idc >= 0) ov[size_t(idc)] = id;
        if (returned && returned->next()) {
            takeColumns(*returned, 0, ov);
            for (int c : returnDefaulted_) ov[size_t(c)] = *insertDefaults_[size_t(c)];
        } else {
            rereadRow(id, ov);
        }
        insertedRow_ = -1;
        insertExprs_.clear();
        insertRefused_ = 0;
    }
    buf_.clear();
    state_ = Browse;
    if (!disabled_) emit rowChanged(cur_);
    emit stateChanged(state_);
    emit written();
    if (afterPost) afterPost(*this);
    return true;
}

void Dataset::cancel()
{
    if (state_ == Insert) {
        insertExprs_.clear();
        insertRefused_ = 0;
        const int row = insertedRow_;
        state_ = Browse;
        buf_.clear();
        if (row >= 0 && row < loadedCount()) {
            rows_.erase(rows_.begin() + row);
            if (!disabled_) emit rowRemoved(row);
        }
        insertedRow_ = -1;
        // Back to the row the user was on before the new one.
        const int back = rowBeforeInsert_ >= 0 && rowBeforeInsert_ < loadedCount() ? rowBeforeInsert_
                                                                                   : qMin(row, loadedCount() - 1);
        setCurrent(back, true);
        emit stateChanged(state_);
        return;
    }
    if (state_ == Edit) {
        state_ = Browse;
        buf_.clear();
        if (!disabled_) emit rowChanged(cur_);
        emit stateChanged(state_);
    }
}

bool Dataset::remove()
{
    if (state_ == Insert) {
        cancel();
        return true;
    }
    if (state_ == Edit) cancel();
    if (state_ != Browse || cur_ < 0) return false;
    if (beforeDelete && !beforeDelete(*this)) return false;
    const qint64 id = currentId();
    if (!conn_->exec(QStringLiteral("DELETE FROM `%1` WHERE id=%2").arg(table_).arg(id))) {
        error_ = conn_->lastError();
        ShowDbFailure(QStringLiteral("Kan ikke slette posten"), *conn_);
        return false;
    }
    const int row = cur_;
    rows_.erase(rows_.begin() + row);
    if (!disabled_) emit rowRemoved(row);
    emit written();
    setCurrent(qMin(row, recordCount() - 1), true);
    return true;
}
