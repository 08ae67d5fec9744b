#pragma once
// A dataset: the rows of one SELECT, a current row shared by every window
// bound to it, browse/edit/insert states, the record events the business
// rules hang on, and writes of the changed columns only.
//
// Rows stay in the client library's result buffer; the dataset keeps one
// small reference per row and an overlay for rows edited or inserted since
// the last read, so a large list costs little more than the result itself.
#include "data/connection.h"

#include <QBitArray>
#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QVariant>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class LookupCache;

enum class FieldKind { Integer, Float, DateTime, Date, Text, Blob };

struct FieldInfo {
    QString name;
    QString table;       // the base table the column comes from; empty for computed columns
    FieldKind kind = FieldKind::Text;
    int maxChars = 0;    // text columns: the column's length in characters; 0 = unlimited
    bool primaryKey = false;
    // A column of the dataset's own table, under its own name, whose type
    // stores a written value exactly as it is sent or refuses it (whole
    // numbers, DOUBLE, VARCHAR and TEXT, binary): a new row need not read
    // it back.
    bool storedAsSent = false;
    bool ownColumn = false;  // the table's column under its own name
    QString displayFormat;  // "" = the kind's default way
    // Lookup columns: the text of keyField's value in cache.
    int lookupKey = -1;
    std::shared_ptr<LookupCache> lookup;
};

class Dataset : public QObject {
    Q_OBJECT
public:
    enum State { Inactive, Browse, Edit, Insert };

    // A table dataset reads `table` with its filter and order; a query
    // dataset runs its SQL and writes back to baseTable.
    Dataset(Connection* conn, QString baseTable, int tableNumber = 0, QObject* parent = nullptr);
    ~Dataset() override;

    QString tableName() const { return table_; }
    // Points a closed table dataset at another table with the same columns
    // (another warehouse); false while it is open.
    bool setTableName(const QString& table);
    int tableNumber() const { return number_; }
    Connection* connection() const { return conn_; }

    // --- What to read -----------------------------------------------------
    // Table datasets: SELECT * FROM `table` [WHERE filter] [ORDER BY order].
    void setFilter(const QString& where) { filter_ = where; }
    QString filter() const { return filter_; }
    void setOrder(const QString& order) { order_ = order; }
    QString order() const { return order_; }
    // Query datasets: the whole SELECT text. An empty text means table mode.
    void setSql(const QString& sql) { sql_ = sql; }
    QString sql() const { return sql_; }
    bool isQuery() const { return !sql_.isEmpty(); }
    // The statement open() runs.
    QString selectText() const;

    // Master-detail: this dataset holds the rows whose detailField equals the
    // master's current masterField, and follows the master's current row.
    void setMaster(Dataset* master, const QString& detailField, const QString& masterField = QStringLiteral("id"));
    Dataset* master() const { return master_; }

    // A lookup column, added after the stored ones: the text that cache
    // gives for this dataset's keyField.
    void addLookupField(const QString& name, const QString& keyField, std::shared_ptr<LookupCache> cache);
    void setDisplayFormat(const QString& field, const QString& format);

    // --- Opening ----------------------------------------------------------
    bool open();
    void close();
    // Re-reads the rows and stays on the same record (by id) when it is still there.
    bool refresh();
    // Re-reads the current row from the server (after a statement changed
    // it there); false when it is gone or the dataset is editing.
    bool refreshRow();
    // The current row (browsing) takes the values of res's current row, from
    // column first on, matched by name: a row the caller has just written on
    // the server and read back. Views are told as after a save.
    bool takeCurrentRow(Result& res, int first = 0);
    // With a first batch of n rows, open() reads only the first n rows and
    // the rest when something needs them (the row count, the last row, a
    // search, a new row, a grid scrolled to the end), so a list shows its
    // first screen at once whatever the table's size. 0 reads all at once.
    void setFirstBatch(int n) { firstBatch_ = n; }
    // Reads the rows not read yet; false when that fails.
    bool fetchRest();
    bool isComplete() const { return complete_; }
    // Opens (or re-reads) on the last row: a table dataset with an order
    // and a first batch reads the last batch of rows first, so a list that
    // shows its newest rows needs no more; the earlier rows are read when
    // something needs them (fetchRest, which then puts them before).
    bool openAtEnd();
    // True while only the last batch is read.
    bool readFromEnd() const { return fromEnd_; }
    int loadedCount() const { return int(rows_.size()); }
    bool isOpen() const { return state_ != Inactive; }
    State state() const { return state_; }
    QString lastError() const { return error_; }

    // --- Moving -----------------------------------------------------------
    // Every row of the select (reading the rest first when needed).
    int recordCount() const;
    int recNo() const { return cur_; }  // 0-based, -1 when empty
    bool isEmpty() const { return rows_.empty(); }
    bool bof() const { return bof_; }
    bool eof() const { return eof_; }
    void first();
    void last();
    void next();
    void prior();
    bool moveTo(int row);
    // Finds the first row whose field equals value (texts without regard to
    // letter case; with partial, the field only has to begin with it).
    bool locate(const QString& field, const QVariant& value, bool partial = false);
    // Pauses the row and current-row signals during long loops; the views
    // are reset once when the last pause ends.
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return disabled_ > 0; }

    // --- Fields -----------------------------------------------------------
    int fieldCount() const { return int(fields_.size()); }
    const FieldInfo& fieldInfo(int col) const { return fields_[size_t(col)]; }
    int fieldIndex(const QString& name) const;  // without regard to letter case; -1 when absent
    bool hasField(const QString& name) const { return fieldIndex(name) >= 0; }
    QString fieldName(int col) const { return fields_[size_t(col)].name; }

    // Values of the current row (the edit buffer while editing).
    QVariant value(int col) const;
    QVariant value(const QString& name) const;
    QString asString(const QString& name) const;
    qint64 asInt(const QString& name) const;
    double asFloat(const QString& name) const;
    QDateTime asDateTime(const QString& name) const;
    bool isNull(const QString& name) const;
    // Values of any row, as stored (not the edit buffer).
    QVariant rowValue(int row, int col) const;
    // The value as a screen shows it: Norwegian numbers and dates.
    QString displayText(int row, int col) const;
    QString displayText(const QString& name) const;
    qint64 currentId() const;

    // Sets a value of the current row, putting the dataset into edit state
    // first when it browses. A text longer than its column is refused.
    bool setValue(const QString& name, const QVariant& v);
    bool setValue(int col, const QVariant& v);
    bool isModified(const QString& name) const;
    bool isModified() const;

    // --- Editing ----------------------------------------------------------
    bool edit();
    bool insert();   // a new row after the last one
    bool post();
    void cancel();
    // For the row being inserted: the server works out the field's value
    // with the SQL expression sql inside the insert itself, and the row
    // takes what it stored. When the server refuses such an insert, post()
    // runs beforePost again with insertRefused() telling the server's error
    // number, and writes the row without the expressions.
    void setInsertExpression(const QString& field, const QString& sql);
    unsigned insertRefused() const { return insertRefused_; }
    bool remove();   // deletes the current row

    // --- Events -----------------------------------------------------------
    // The order is: insert -> beforeInsert, onNewRecord; post -> beforePost,
    // write, afterPost; remove -> beforeDelete, delete. A before-handler that
    // returns false cancels the operation.
    std::function<bool(Dataset&)> beforeInsert;
    std::function<void(Dataset&)> onNewRecord;
    std::function<bool(Dataset&)> beforePost;
    std::function<void(Dataset&)> afterPost;
    std::function<bool(Dataset&)> beforeDelete;

signals:
    void opened();
    void closed();
    void rowsReset();                 // rows re-read or reordered
    void rowChanged(int row);         // one row's values changed
    void rowInserted(int row);
    void rowsAppended(int first, int last);  // the rest of a first batch was read
    void rowRemoved(int row);
    void currentChanged(int row);     // the current row moved
    void stateChanged(int state);
    void written();                   // a row was saved to or deleted from the server

private:
    // Refuses a value the column cannot hold exactly, naming the column.
    bool refuseValue(const FieldInfo& f);
    // One row: packed in the arena (see RowArena) or, once written here,
    // an index into overlays_, told apart by the low bit (arena rows are
    // aligned to two bytes).
    struct RowRef {
        std::uintptr_t v = 0;
        bool isOverlay() const { return (v & 1) != 0; }
        int overlay() const { return int(v >> 1); }
        const unsigned char* packed() const { return reinterpret_cast<const unsigned char*>(v); }
        static RowRef ofOverlay(int i) { return RowRef{(std::uintptr_t(i) << 1) | 1}; }
    };
    // Rows as read, packed one after the other in large blocks: a two-byte
    // header length, one length byte per column (0xFF NULL, 0xFE followed by
    // four bytes for long values), then the values without separators.
    class RowArena {
    public:
        unsigned char* alloc(size_t n);
        void clear();
        size_t bytes() const { return total_; }

    private:
        std::vector<std::unique_ptr<unsigned char[]>> blocks_;
        size_t used_ = 0, cap_ = 0, total_ = 0;
    };

    bool readRows(Result& res);
    void buildFields(Result& res);
    QVariant parse(int col, const char* data, size_t len) const;
    QVariant stored(const RowRef& r, int col) const;
    // The bytes of column col of a row as read (not an overlay); false for NULL.
    bool rawCell(const RowRef& r, int col, const char*& data, size_t& len) const;
    // The display text straight from the bytes as read, for the common kinds
    // and formats; false when the general way must do it.
    bool fastDisplay(const FieldInfo& f, const char* p, size_t len, QString& out) const;
    std::vector<QVariant>& overlayOf(RowRef& r);
    QString literal(int col, const QVariant& v) const;
    bool rereadRow(qint64 id, std::vector<QVariant>& out);
    // The stored columns found in res's current row (from column first on,
    // matched by name) into out.
    void takeColumns(Result& res, int first, std::vector<QVariant>& out) const;
    void setCurrent(int row, bool force = false);
    int rowOfId(qint64 id) const;
    bool checkBrowse();
    void setState(State s);
    void masterMoved();
    void masterSaved();
    // Before a detail row is made: the master row saved when it is new, and
    // its id taken; false (with a message) when there is no saved master row
    // to put the row under.
    bool settleMaster();
    void emitCurrent();

    Connection* conn_;
    QString table_;
    int number_;
    QString filter_, order_, sql_;
    Dataset* master_ = nullptr;
    QString detailField_, masterField_;
    qint64 masterValue_ = 0;
    bool masterValueSet_ = false;

    RowArena arena_;
    std::vector<FieldInfo> fields_;
    int storedFields_ = 0;
    // Per stored column, what the server stores when an insert leaves it
    // out, where that is a plain value; worked out at the first insert.
    std::vector<std::optional<QVariant>> insertDefaults_;
    bool insertDefaultsKnown_ = false;
    void learnInsertDefaults();
    std::vector<std::pair<int, QString>> insertExprs_;  // column -> SQL, for the row being inserted
    unsigned insertRefused_ = 0;
    // The RETURNING list of the last insert, the columns it sent (and those
    // the server worked out) and the left-out columns known by their default.
    QBitArray returnKey_;
    QString returnList_;
    std::vector<int> returnDefaulted_;
    // Each stored column's name between backquotes, made at first use.
    mutable std::vector<QString> quotedNames_;
    const QString& quotedName(int col) const;
    QHash<QString, int> index_;
    QHash<QString, QString> formats_;  // field (lower case) -> display format, kept across reads
    struct PendingLookup { QString name, key; std::shared_ptr<LookupCache> cache; };
    std::vector<PendingLookup> lookups_;
    std::vector<RowRef> rows_;
    std::vector<std::vector<QVariant>> overlays_;
    int cur_ = -1;
    bool bof_ = true, eof_ = true;
    State state_ = Inactive;
    std::vector<QVariant> buf_;   // edit buffer
    QBitArray changed_;
    int insertedRow_ = -1;
    int rowBeforeInsert_ = -1;  // where a cancelled insert returns to
    int disabled_ = 0;
    QString error_;
    int firstBatch_ = 0;
    bool complete_ = true;
    bool fromEnd_ = false;
};

// id -> text over a whole table, read once and re-read on demand; lookup
// columns and windows resolve names through it rather than through another
// window's filtered dataset.
class LookupCache {
public:
    LookupCache(Connection* conn, QString table, QString keyField, QString textField);
    QString text(qint64 key);
    void invalidate() { loaded_ = false; }
    bool load();

private:
    Connection* conn_;
    QString table_, key_, text_;
    QHash<qint64, QString> map_;
    bool loaded_ = false;
};

// Reads a typed number with comma or point (and blanks between thousands);
// unlike StrToDouble it refuses a text that is not a number.
bool ParseTypedNumber(const QString& text, double& out);
