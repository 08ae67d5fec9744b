#include "data/productrules.h"

#include "core/dialogs.h"
#include "core/felles.h"
#include "core/login.h"
#include "core/textfil.h"
#include "data/datamodule.h"
#include "data/itemcopy.h"

#include <QDateTime>

#include <vector>

int Gs1CheckDigit(const QString& code)
{
    int sum = 0;
    int weight = 3;
    for (qsizetype i = code.size() - 1; i >= 0; --i) {
        sum += (int(code[i].unicode()) - int('0')) * weight;
        weight = weight == 3 ? 1 : 3;
    }
    // The sum may be negative for characters below '0'; keep the digit 0..9.
    return ((10 - sum % 10) % 10 + 10) % 10;
}

QString WithCheckDigit(const QString& code) { return code + QString::number(Gs1CheckDigit(code)); }

bool IsFromToNumber(const QString& text, QString* from, QString* to)
{
    QString t = text;
    t.remove(QLatin1Char(' '));
    const qsizetype dash = t.indexOf(QLatin1Char('-'));
    if (dash < 0) return false;
    const QString a = t.left(dash), b = t.mid(dash + 1);
    bool okA = false, okB = false;
    const qlonglong na = a.toLongLong(&okA), nb = b.toLongLong(&okB);
    if (!okA || !okB || na < 1 || nb < 1) return false;
    if (from) *from = a;
    if (to) *to = b;
    return true;
}

QString ProductSearchCondition(const QString& text)
{
    if (text.isEmpty()) return {};
    QString from, to;
    if (IsFromToNumber(text, &from, &to))
        return QStringLiteral("productcode>=") + SqlQuote(from) + QStringLiteral(" and productcode<=") + SqlQuote(to);
    QString likeText = text;
    likeText.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    const QString like = QStringLiteral("'%") + SqlEscape(likeText) + QStringLiteral("%'");
    const QString eq = SqlQuote(text);
    return QStringLiteral("productcode like ") + like + QStringLiteral(" OR producttext like ") + like +
           QStringLiteral(" OR vendorid=") + eq + QStringLiteral(" OR vendorid2=") + eq + QStringLiteral(" OR ean =") +
           eq + QStringLiteral(" OR internaltext like ") + like + QStringLiteral(" OR productgroup like ") + like;
}

bool IsWarehouseTable(Connection& conn, const QString& name, QString* error)
{
    auto fail = [&](const QString& e) {
        if (error) *error = e;
        return false;
    };
    if (name.isEmpty() || name.contains(QLatin1Char('`')) || name.size() > 64)
        return fail(QStringLiteral("Ugyldig tabellnavn: ") + name);
    // Every column of product must be there with the same name.
    const QString need = conn.scalar(QStringLiteral(
        "SELECT COUNT(*) FROM information_schema.COLUMNS WHERE TABLE_SCHEMA=DATABASE() AND TABLE_NAME='product'"));
    const QString have = conn.scalar(
        QStringLiteral("SELECT COUNT(*) FROM information_schema.COLUMNS p JOIN information_schema.COLUMNS t "
                       "ON t.TABLE_SCHEMA=p.TABLE_SCHEMA AND t.COLUMN_NAME=p.COLUMN_NAME "
                       "WHERE p.TABLE_SCHEMA=DATABASE() AND p.TABLE_NAME='product' AND t.TABLE_NAME=") +
        conn.quote(name));
    const QString exists = conn.scalar(
        QStringLiteral("SELECT COUNT(*) FROM information_schema.TABLES WHERE TABLE_SCHEMA=DATABASE() AND TABLE_NAME=") +
        conn.quote(name));
    if (need.isEmpty() || have.isEmpty() || exists.isEmpty())
        return fail(QStringLiteral("Kan ikke lese tabellene: ") + conn.lastError());
    if (exists.toInt() == 0) return fail(QStringLiteral("Kan ikke åpne tabellen ") + name);
    if (have.toInt() != need.toInt() || need.toInt() == 0)
        return fail(QStringLiteral("Tabellen ") + name + QStringLiteral(" er ikke et varelager (mangler varekolonner)"));
    return true;
}

namespace {

bool editing(const Dataset& ds) { return ds.state() == Dataset::Edit || ds.state() == Dataset::Insert; }

QString table(const Dataset& ds) { return QStringLiteral("`") + ds.tableName() + QStringLiteral("`"); }

}  // namespace

bool ChangeStockByOne(TDatabaseModule& dm, double delta)
{
    Dataset& p = dm.ProductTable;
    if (!p.isOpen() || p.isEmpty() || delta == 0) return false;
    if (editing(p) && !p.post()) return false;
    const qint64 id = p.currentId();
    if (id <= 0) return false;
    const QString stamp = delta > 0 ? QStringLiteral("lastorder") : QStringLiteral("lastsale");
    const QString sql =
        QStringLiteral("UPDATE %1 SET instock=instock+?, %2=NOW() WHERE id=?").arg(table(p), stamp);
    if (!dm.MyConnection.exec(sql, {delta, id})) {
        LogLine(QStringLiteral("SQL ERROR: ") + sql);
        CurrentDialogs()->ShowMessage(DbFailure(QStringLiteral("Kan ikke endre lagerbeholdningen"), dm.MyConnection),
                                      QStringLiteral("Feil"));
        return false;
    }
    p.refreshRow();
    return true;
}

QString StockResetStatement(StockReset kind, const QString& tableName)
{
    const QString t = QStringLiteral("`") + tableName + QStringLiteral("`");
    switch (kind) {
    case StockReset::SetAsCounted: return QStringLiteral("UPDATE ") + t + QStringLiteral(" SET inrecentstock=instock");
    case StockReset::SetToZero: return QStringLiteral("UPDATE ") + t + QStringLiteral(" SET instock=0");
    case StockReset::BackToCounted: return QStringLiteral("UPDATE ") + t + QStringLiteral(" SET instock=inrecentstock");
    }
    return {};
}

bool ResetStock(TDatabaseModule& dm, StockReset kind)
{
    Dataset& p = dm.ProductTable;
    if (editing(p) && !p.post()) return false;
    const bool ok = dm.SQLExecute(StockResetStatement(kind, p.tableName()));
    if (p.isOpen()) p.refresh();
    return ok;
}

QString ProductSaveRuleAssignments(int user, int group)
{
    return QStringLiteral("real_cost=cost-cost/100*discount+freight+direct_cost, "
                          "price=addsum+cost+cost/100*addpercent, "
                          "value=IF(value=0,100,value), lastpriceupdate=CURDATE(), "
                          "usergroup=%1, user=%2, maxstock=GREATEST(maxstock,minstock)")
        .arg(group)
        .arg(user);
}

int GenerateEAN(TDatabaseModule& dm, int* skipped)
{
    if (skipped) *skipped = 0;
    Dataset& p = dm.ProductTable;
    Connection& c = dm.MyConnection;
    if (editing(p) && !p.post()) return -1;
    const QString where = p.filter().isEmpty() ? QString() : QStringLiteral("(") + p.filter() + QStringLiteral(") AND ");
    auto res = c.query(QStringLiteral("SELECT id, productcode FROM ") + table(p) + QStringLiteral(" WHERE ") + where +
                       QStringLiteral("EAN=''"));
    if (!res) {
        LogLine(QStringLiteral("FEIL: Generer EAN-nummer: ") + c.lastError());
        return -1;
    }
    // The EAN column is as long as the product code; a code of full length
    // has no room for its check digit and keeps an empty EAN.
    int eanChars = 40;
    for (int i = 0; i < p.fieldCount(); ++i)
        if (p.fieldName(i).compare(QStringLiteral("EAN"), Qt::CaseInsensitive) == 0 && p.fieldInfo(i).maxChars > 0)
            eanChars = p.fieldInfo(i).maxChars;
    std::vector<std::pair<qint64, QString>> rows;
    rows.reserve(size_t(res->rowCount()));
    int tooLong = 0;
    while (res->next()) {
        const QString ean = WithCheckDigit(res->value(1));
        if (ean.size() > eanChars) {
            ++tooLong;
            continue;
        }
        rows.emplace_back(res->toLongLong(0), ean);
    }
    res.reset();
    if (skipped) *skipped = tooLong;

    const QString rule = ProductSaveRuleAssignments(MyLoginID, MyLoginGroup);
    // One transaction, run again when the server picks it as a deadlock
    // victim: either every product of the list gets its EAN or none does.
    const bool ok = c.transaction([&] {
        constexpr size_t chunk = 2000;
        for (size_t i = 0; i < rows.size(); i += chunk) {
            QString cases, ids;
            cases.reserve(int(chunk * 32));
            for (size_t j = i; j < std::min(rows.size(), i + chunk); ++j) {
                const QString id = QString::number(rows[j].first);
                cases += QStringLiteral(" WHEN ") + id + QStringLiteral(" THEN ") + c.quote(rows[j].second);
                if (!ids.isEmpty()) ids += QLatin1Char(',');
                ids += id;
            }
            // EAN='' again: a product given an EAN meanwhile on another
            // workstation keeps it.
            if (!c.exec(QStringLiteral("UPDATE ") + table(p) + QStringLiteral(" SET EAN=CASE id") + cases +
                        QStringLiteral(" END, ") + rule + QStringLiteral(" WHERE id IN (") + ids +
                        QStringLiteral(") AND EAN=''")))
                return false;
        }
        return true;
    });
    if (!ok) {
        LogLine(QStringLiteral("FEIL: Generer EAN-nummer: ") + c.lastError());
        CurrentDialogs()->ShowMessage(DbFailure(QStringLiteral("Kan ikke lage EAN-nummer"), c), QStringLiteral("Feil"));
        return -1;
    }
    if (tooLong > 0)
        LogLine(QStringLiteral("ADVARSEL: Generer EAN-nummer: %1 varenummer er for lange for EAN-feltet").arg(tooLong));
    if (p.isOpen()) {
        p.refresh();
        p.last();
    }
    return int(rows.size());
}

int CopyAllForOrdering(TDatabaseModule& dm)
{
    Dataset& p = dm.ProductTable;
    if (!p.isOpen() || p.isEmpty() || !dm.ItemsQuery.isOpen()) return 0;
    if (editing(p) && !p.post()) return 0;
    // Quantities from the server as it stands now, not from rows read
    // earlier: another workstation may have received goods since.
    const QString where = p.filter().isEmpty() ? QString() : QStringLiteral(" WHERE ") + p.filter();
    auto res = dm.MyConnection.query(QStringLiteral("SELECT id, maxstock-instock FROM ") + table(p) + where);
    if (!res) return 0;
    QHash<qint64, double> need;
    while (res->next()) need.insert(res->toLongLong(0), res->toDouble(1));
    res.reset();
    const int keep = p.recNo();
    int added = 0;
    // One transaction: a line that cannot be saved leaves the order as it was.
    Connection& c = dm.MyConnection;
    bool ok = c.begin();
    p.disableControls();
    for (int row = 0; ok && row < p.recordCount(); ++row) {
        p.moveTo(row);
        const double q = need.value(p.currentId(), 0);
        if (q <= 0) continue;
        if (!CopyProductToItems(dm, true, q)) ok = false;
        else ++added;
    }
    if (ok) ok = c.commit();
    if (!ok) {
        if (c.inTransaction()) c.rollback();
        if (dm.ItemsQuery.state() == Dataset::Insert) dm.ItemsQuery.cancel();
        dm.ItemsQuery.refresh();
        added = 0;
    }
    p.moveTo(keep);
    p.enableControls();
    return added;
}

bool AddingProduct = false;
