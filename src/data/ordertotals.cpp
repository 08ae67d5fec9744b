#include "data/ordertotals.h"

#include "data/datamodule.h"
#include "data/recorddefaults.h"

#include "core/dialogs.h"
#include "core/felles.h"
#include "core/login.h"
#include "core/sysreg.h"
#include "core/textfil.h"

namespace {

const QString kLineSum = QStringLiteral("i.itemcount*(i.price-i.price/100*i.discount)");
const QString kLineCost = QStringLiteral("i.itemcount*i.cost");

void showError(const QString& text) { CurrentDialogs()->ShowMessage(text, QStringLiteral("Feil")); }

// Gives up a transaction: rolls back, logs the server's text and tells the
// user in one sentence.
bool failed(Connection& c, const QString& what)
{
    if (c.inTransaction()) c.rollback();
    showError(DbFailure(what, c));
    return false;
}

// Takes the product rows of the lines chosen by where (on items i) for this
// transaction, one at a time in product-code order: two transactions that
// share products then wait for each other instead of deadlocking.
bool lockStockRows(Connection& c, const QString& where)
{
    auto codes = c.query("SELECT DISTINCT i.productcode FROM items i WHERE " + where +
                         " AND i.productcode<>'' ORDER BY i.productcode");
    if (!codes) return false;
    QStringList list;
    while (codes->next()) list << codes->value(0);
    for (const QString& code : list)
        if (!c.exec("SELECT id FROM product WHERE productcode=" + c.quote(code) + " FOR UPDATE")) return false;
    return true;
}

// A pending edit of the lines is saved first, so the server holds what the
// user sees.
bool savePendingLines(TDatabaseModule& dm)
{
    Dataset& items = dm.ItemsQuery;
    if (items.state() == Dataset::Edit || items.state() == Dataset::Insert) return items.post();
    return true;
}

void rereadLines(TDatabaseModule& dm)
{
    if (dm.ItemsQuery.isOpen()) dm.ItemsQuery.refresh();
}

// The VAT rate of each code as an SQL expression of the line's code.
QString vatRateCase()
{
    QString s = QStringLiteral("CASE i.VATcode");
    for (size_t code = 0; code < VATpercent.size(); ++code)
        s += QStringLiteral(" WHEN %1 THEN %2").arg(code).arg(SqlNum(VATpercent[code]));
    return s + QStringLiteral(" ELSE 0 END");
}

// The document's references, as every line of it should carry them.
QStringList lineRefs(const Dataset& doc)
{
    const QString refs[][2] = {{"projectid", QString::number(doc.asInt("projectid"))},
                               {"subprojectid", QString::number(doc.asInt("systemid"))},
                               {"assetid", QString::number(doc.asInt("assetid"))},
                               {"jobid", QString::number(doc.asInt("jobid"))},
                               {"customerid", QString::number(doc.asInt("companyid"))}};
    QStringList sets{"i.`sum`=" + kLineSum, "i.sumcost=" + kLineCost};
    for (const auto& r : refs) sets << "i." + r[0] + "=" + r[1];
    return sets;
}

// True for a line that already carries every value of sets (lineRefs).
QString inOrder(const QStringList& sets) { return "(" + sets.join(" AND ") + ")"; }

// The totals of a document the user is not editing, worked out and written
// on the server. The document is summed from its lines as the line rule
// computes them (so it is right even while a stored line sum is stale) in
// one atomic statement, which writes nothing while a line has a VAT code
// without a rate. The same statement keeps what it wrote, and the number of
// lines whose stored sums or references differ from the rule, in session
// variables, so reading them back touches no table; only when there are
// such lines are they written too. A document whose lines are in order, the
// usual case, costs two statements.
bool updateTotalsOnServer(TDatabaseModule& dm, Dataset& doc, const QString& key, bool onCost, qint64 id)
{
    Connection& c = dm.MyConnection;
    const bool fixedPrice = doc.asInt("pricelock") == 1;
    double docRate = 0;
    if (fixedPrice && !VatRate(doc.asInt("vatcode"), docRate)) {
        showError(VatCodeError(doc.asInt("vatcode")));
        return false;
    }
    const QString ids = QString::number(id);
    const QString where = QStringLiteral("i.`%1`=%2").arg(key, ids);
    const QString invalidVat = QStringLiteral("NOT (i.VATcode BETWEEN 0 AND 4)");
    const QStringList sets = lineRefs(doc);
    const QString lineInOrder = inOrder(sets);

    const QString base = onCost ? kLineCost : kLineSum;
    const QString sums = "(SELECT COUNT(*) AS n, MIN(IF(" + invalidVat + ", i.VATcode, NULL)) AS bad, "
                         "COALESCE(SUM(" + kLineSum + "),0) AS s, COALESCE(SUM(" + kLineCost + "),0) AS c, "
                         "COALESCE(SUM((" + base + ")/100*" + vatRateCase() + "),0) AS v, "
                         "COALESCE(SUM(NOT " + lineInOrder + "),0) AS stale FROM items i WHERE " + where + ") t";
    const QString table = "`" + doc.tableName() + "`";
    const QString profit = fixedPrice ? SqlDouble(doc.asFloat("lockedprice")) + "-t.c" : QStringLiteral("t.s-t.c");
    const QString vat = fixedPrice ? SqlDouble(doc.asFloat("lockedprice") / 100 * docRate) : QStringLiteral("t.v");
    // Each written total is kept in a variable as it is written; the count
    // of lines out of order rides along on the first (adding 0 changes no
    // value). The variables are read only when the update found the row, so
    // it set them all; a connection moved to another server in between has
    // none, which sends the read below to the table.
    if (!c.exec("UPDATE " + table + " o JOIN " + sums + " ON t.n>0 AND t.bad IS NULL SET "
                "o.ordercost=(@kv_c:=t.c)+0*(@kv_stale:=t.stale), o.ordertotal=(@kv_s:=t.s), o.profit=(@kv_p:=" + profit +
                "), o.orderVAT=(@kv_v:=" + vat + ") WHERE o.id=" + ids))
        return failed(c, QStringLiteral("Kan ikke lagre summene"));

    // The document found by the update passed the checks and only needs
    // its totals taken back, with the count of lines to put right;
    // otherwise the checks say why it was left alone. Only the columns the
    // update writes are taken, as when the window saves an edit.
    const QString totals = QStringLiteral("o.ordercost, o.ordertotal, o.profit, o.orderVAT");
    const QString stale = "(SELECT COUNT(*) FROM items i WHERE " + where + " AND NOT " + lineInOrder + ")";
    std::unique_ptr<Result> back;
    bool onRow = false;
    if (c.matchedRows() == 1) {
        back = c.query(QStringLiteral("SELECT 1, NULL, @kv_stale, @kv_c AS ordercost, @kv_s AS ordertotal, "
                                      "@kv_p AS profit, @kv_v AS orderVAT"));
        onRow = back && back->next() && !back->isNull(2);
        if (!onRow) back = c.query("SELECT 1, NULL, " + stale + ", " + totals + " FROM " + table + " o WHERE o.id=" + ids);
    } else {
        back = c.query("SELECT t.n, t.bad, 0, " + totals + " FROM " + table + " o JOIN " + sums + " WHERE o.id=" + ids);
    }
    if (!back) return failed(c, QStringLiteral("Kan ikke lese summene"));
    if (!onRow && !back->next()) return true;                 // gone
    if (back->toLongLong(0) == 0) return true;                // no lines: nothing to sum
    if (!back->isNull(1)) {
        showError(VatCodeError(back->toLongLong(1)));
        return false;
    }
    bool linesChanged = false;
    if (back->toLongLong(2) > 0) {
        if (!c.exec("UPDATE items i SET " + sets.join(',') + " WHERE " + where + " AND NOT " + lineInOrder))
            return failed(c, QStringLiteral("Kan ikke oppdatere varelinjene"));
        linesChanged = ChangedRows(c) > 0;
    }
    doc.takeCurrentRow(*back, 3);
    if (linesChanged) rereadLines(dm);
    return true;
}

bool updateTotals(TDatabaseModule& dm, Dataset& doc, const QString& key, bool onCost)
{
    if (!doc.isOpen() || doc.isEmpty()) return false;
    if (!savePendingLines(dm)) return false;
    const qint64 id = doc.currentId();
    if (id <= 0) return true;  // not saved yet, so no line can point at it
    if (doc.state() == Dataset::Browse) return updateTotalsOnServer(dm, doc, key, onCost, id);
    // A document being edited is saved with its totals in one go.
    Connection& c = dm.MyConnection;
    const QString where = QStringLiteral("i.`%1`=%2").arg(key).arg(id);

    auto check = c.query("SELECT COUNT(*), MIN(IF(i.VATcode BETWEEN 0 AND 4, NULL, i.VATcode)) FROM items i WHERE " +
                         where);
    if (!check || !check->next()) {
        showError(DbFailure(QStringLiteral("Kan ikke lese varelinjene"), c));
        return false;
    }
    if (check->toLongLong(0) == 0) return true;
    if (!check->isNull(1)) {
        showError(VatCodeError(check->toLongLong(1)));
        return false;
    }
    const bool fixedPrice = doc.asInt("pricelock") == 1;
    double docRate = 0;
    if (fixedPrice && !VatRate(doc.asInt("vatcode"), docRate)) {
        showError(VatCodeError(doc.asInt("vatcode")));
        return false;
    }

    // The lines: sums as the line rule computes them and the document's
    // references; only lines that differ are written.
    const QStringList sets = lineRefs(doc);
    if (!c.begin()) return failed(c, QStringLiteral("Kan ikke oppdatere varelinjene"));
    if (!c.exec("UPDATE items i SET " + sets.join(',') + " WHERE " + where + " AND NOT " + inOrder(sets)))
        return failed(c, QStringLiteral("Kan ikke oppdatere varelinjene"));
    const bool linesChanged = ChangedRows(c) > 0;

    const QString base = onCost ? QStringLiteral("i.sumcost") : QStringLiteral("i.`sum`");
    auto sums = c.query("SELECT COALESCE(SUM(i.`sum`),0), COALESCE(SUM(i.sumcost),0), COALESCE(SUM(" + base +
                        "/100*" + vatRateCase() + "),0) FROM items i WHERE " + where);
    if (!sums || !sums->next()) return failed(c, QStringLiteral("Kan ikke summere varelinjene"));
    const double total = sums->toDouble(0);
    const double cost = sums->toDouble(1);
    const double vat = sums->toDouble(2);

    doc.edit();
    doc.setValue("ordercost", cost);
    doc.setValue("ordertotal", total);
    if (fixedPrice) {
        const double locked = doc.asFloat("lockedprice");
        doc.setValue("profit", locked - cost);
        doc.setValue("orderVAT", locked / 100 * docRate);
    } else {
        doc.setValue("profit", total - cost);
        doc.setValue("orderVAT", vat);
    }
    if (!doc.post()) {
        c.rollback();
        return false;
    }
    if (!c.commit()) return failed(c, QStringLiteral("Kan ikke lagre summene"));
    if (linesChanged) rereadLines(dm);
    return true;
}

// Brings the products in line with the lines chosen by where (on items i):
// each line should by now have added stockTarget to instock and
// orderTarget to inorder (SQL over i and its bookkeeping row m); the
// products get the difference from what the lines added before, summed
// per product code, and the bookkeeping is brought up to date. A line
// whose product does not exist moves nothing and is booked as having
// moved nothing. Runs inside the caller's transaction.
bool moveStock(Connection& c, const QString& where, char kind, const QString& stockTarget,
               const QString& orderTarget)
{
    const QString k = QString(QLatin1Char(kind));
    const QString join = "LEFT JOIN kv_stockmove m ON m.itemid=i.id AND m.kind='" + k + "'";
    const QString move =
        "UPDATE product p JOIN (SELECT code, SUM(ds) AS ds, SUM(dor) AS dor FROM ("
        "SELECT i.productcode AS code, " + stockTarget + " AS ds, " + orderTarget + " AS dor FROM items i " + join +
        " WHERE " + where +
        " UNION ALL SELECT m.productcode, -m.instock, -m.inorder FROM items i JOIN kv_stockmove m ON m.itemid=i.id "
        "AND m.kind='" + k + "' WHERE " + where +
        ") u GROUP BY code) x ON p.productcode=x.code "
        "SET p.instock=p.instock+x.ds, p.inorder=p.inorder+x.dor WHERE x.ds<>0 OR x.dor<>0";
    if (!c.exec(move)) return false;
    const QString exists = QStringLiteral("EXISTS(SELECT 1 FROM product q WHERE q.productcode=i.productcode)");
    const QString book =
        "INSERT INTO kv_stockmove (itemid, kind, productcode, instock, inorder) "
        "SELECT id, '" + k + "', code, ds, dor FROM ("
        "SELECT i.id, i.productcode AS code, IF(" + exists + ", " + stockTarget + ", 0) AS ds, IF(" + exists + ", " +
        orderTarget + ", 0) AS dor, m.itemid AS had, m.productcode AS mcode, m.instock AS mst, m.inorder AS mor "
        "FROM items i " + join + " WHERE " + where + ") t "
        "WHERE (had IS NULL AND (ds<>0 OR dor<>0)) OR (had IS NOT NULL AND (mcode<>code OR mst<>ds OR mor<>dor)) "
        "ON DUPLICATE KEY UPDATE productcode=VALUES(productcode), instock=VALUES(instock), inorder=VALUES(inorder)";
    return c.exec(book);
}

void rereadProducts(TDatabaseModule& dm)
{
    if (dm.ProductTable.isOpen()) dm.ProductTable.refresh();
}

// The length of a text column, from the server; fallback when unknown.
int columnLength(Connection& c, const QString& table, const QString& column, int fallback)
{
    const QString len = c.scalar(
        QStringLiteral("SELECT CHARACTER_MAXIMUM_LENGTH FROM information_schema.COLUMNS WHERE TABLE_SCHEMA=DATABASE() "
                       "AND TABLE_NAME='%1' AND COLUMN_NAME='%2'")
            .arg(table, column));
    bool ok = false;
    const int n = len.toInt(&ok);
    return ok && n > 0 ? n : fallback;
}

} // namespace

bool OrderUpdate(TDatabaseModule& dm) { return updateTotals(dm, dm.OrderTable, QStringLiteral("orderid"), false); }
bool OfferUpdate(TDatabaseModule& dm) { return updateTotals(dm, dm.OfferTable, QStringLiteral("offerid"), false); }
bool InvoiceUpdate(TDatabaseModule& dm)
{
    return updateTotals(dm, dm.InvoiceTable, QStringLiteral("invoiceid"), false);
}
bool POUpdate(TDatabaseModule& dm) { return updateTotals(dm, dm.POTable, QStringLiteral("poid"), true); }

bool OrderDeliver(TDatabaseModule& dm, bool deliverAll)
{
    Dataset& order = dm.OrderTable;
    if (!order.isOpen() || order.isEmpty()) return false;
    if (!savePendingLines(dm)) return false;
    if (order.state() == Dataset::Insert && !order.post()) return false;
    const qint64 id = order.currentId();
    if (id <= 0) return false;
    // The user's pending edit of the order is saved on its own first; the
    // delivery itself is written by statements only, so the whole of it can
    // be run again when the server picks it as a deadlock victim.
    if (order.state() == Dataset::Edit && !order.post()) return false;
    Connection& c = dm.MyConnection;

    dm.ItemsQuery.disableControls();
    const QString where = QStringLiteral("i.orderid=%1").arg(id);
    const QString whole = deliverAll ? QStringLiteral("TRUE") : QStringLiteral("i.itemremain=0");
    const QString delivered = "IF(" + whole + ", i.itemcount, i.itemcount-i.itemremain)";
    const QString remain = "IF(" + whole + ", 0, i.itemremain)";
    const bool ok = c.transaction([&] {
        return lockStockRows(c, where) &&
               c.exec("UPDATE items i SET i.itemdelivered=" + delivered + ", i.itemremain=" + remain + " WHERE " +
                      where + " AND NOT (i.itemdelivered=" + delivered + " AND i.itemremain=" + remain + ")") &&
               moveStock(c, where, 'O', QStringLiteral("-i.itemdelivered"), QStringLiteral("0")) &&
               c.exec(QStringLiteral("UPDATE orders SET deliverydate=? WHERE id=?"), {QDate::currentDate(), id});
    });
    order.refresh();
    rereadLines(dm);
    dm.ItemsQuery.enableControls();
    if (!ok) return failed(c, QStringLiteral("Kan ikke levere ordren"));
    rereadProducts(dm);
    return true;
}

bool POUpdateStatus(TDatabaseModule& dm, const QString& status)
{
    Dataset& po = dm.POTable;
    if (!po.isOpen() || po.isEmpty()) return false;
    if (!savePendingLines(dm)) return false;
    if (po.state() == Dataset::Insert && !po.post()) return false;
    const qint64 id = po.currentId();
    if (id <= 0) return false;
    if (po.state() == Dataset::Edit && !po.post()) return false;
    Connection& c = dm.MyConnection;

    // What each line should by now have put into stock and on order.
    const QString received = QStringLiteral("COALESCE(m.instock,0)");
    QString stock, onOrder;
    bool fullReceipt = false;
    if (status == QLatin1String("Bestilt")) {
        stock = received;
        onOrder = "GREATEST(i.itemcount-" + received + ",0)";
    } else if (status == QLatin1String("Delvis mottatt")) {
        stock = QStringLiteral("i.itemdelivered");
        onOrder = QStringLiteral("GREATEST(i.itemcount-i.itemdelivered,0)");
    } else if (status == QLatin1String("Alt mottatt")) {
        stock = QStringLiteral("i.itemcount");
        onOrder = QStringLiteral("0");
        fullReceipt = true;
    }

    const QString where = QStringLiteral("i.poid=%1").arg(id);
    const bool ok = c.transaction([&] {
        bool done = lockStockRows(c, where);
        if (done && fullReceipt)
            done = c.exec("UPDATE items i SET i.itemdelivered=i.itemcount, i.itemremain=0 WHERE " + where +
                          " AND NOT (i.itemdelivered=i.itemcount AND i.itemremain=0)");
        if (done && !stock.isEmpty()) done = moveStock(c, where, 'P', stock, onOrder);
        return done && c.exec(QStringLiteral("UPDATE po SET status=? WHERE id=?"), {status, id});
    });
    po.refresh();
    if (fullReceipt) rereadLines(dm);
    if (!ok) return failed(c, QStringLiteral("Kan ikke oppdatere bestillingen"));
    rereadProducts(dm);
    return true;
}

bool PostInvoice(TDatabaseModule& dm)
{
    Dataset& inv = dm.InvoiceTable;
    if (!inv.isOpen() || inv.isEmpty()) return false;
    if (inv.state() == Dataset::Insert && !inv.post()) return false;
    const qint64 id = inv.currentId();
    if (id <= 0) return false;
    const qint64 vatcode = inv.asInt("vatcode");
    double rate = 0;
    if (!VatRate(vatcode, rate)) {
        showError(VatCodeError(vatcode));
        return false;
    }
    if (inv.state() == Dataset::Edit && !inv.post()) return false;
    Connection& c = dm.MyConnection;
    const int textMax = columnLength(c, QStringLiteral("entries"), QStringLiteral("entrytext"), 127);

    QString text = inv.asString("subject");
    const QList<uint> points = text.toUcs4();
    if (points.size() > textMax) {
        LogLine(QStringLiteral("ADVARSEL: posteringsteksten til faktura %1 er forkortet til %2 tegn")
                    .arg(inv.asString("ordernumber"))
                    .arg(textMax));
        text = QString::fromUcs4(reinterpret_cast<const char32_t*>(points.constData()), textMax);
    }
    const QString number = inv.asString("ordernumber");
    const QDate today = QDate::currentDate();
    const double sum = inv.asFloat("ordertotal");
    // An invoice is posted when a posting of its number exists, whatever its
    // status text says: a status set back by hand does not post it twice,
    // and "Fakturert" typed by hand does not keep it from being posted.
    // The invoice row is taken first, so simultaneous approvals queue and
    // the later ones find the posting.
    bool postedBefore = false;
    const bool ok = c.transaction([&] {
        postedBefore = false;
        if (!c.exec(QStringLiteral("SELECT id FROM invoice WHERE id=%1 FOR UPDATE").arg(id))) return false;
        auto r = c.query("SELECT COUNT(*) FROM entries WHERE invoiceno=" + c.quote(number));
        if (!r || !r->next()) return false;
        if (r->toLongLong(0) > 0) {
            postedBefore = true;
            return false;
        }
        return c.exec(QStringLiteral("UPDATE invoice SET status='Fakturert' WHERE id=?"), {id}) &&
               c.exec(QStringLiteral("INSERT INTO entries (usergroup, `user`, rwx_all, entrydate, companyid, `sum`, "
                                     "entrytext, vatcode, from_account, to_account, vatsum, projectid, subprojectid, "
                                     "assetid, invoiceno) VALUES (?, ?, 0, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                      {MyLoginGroup, MyLoginID, today, inv.asInt("companyid"), sum, text, vatcode,
                       GetRegInt(QStringLiteral("PosteringKontoFaktura")),
                       GetRegInt(QStringLiteral("PosteringKontoFordring")), sum / 100 * rate, inv.asInt("projectid"),
                       inv.asInt("systemid"), inv.asInt("assetid"), number});
    });
    inv.refresh();
    if (postedBefore) {
        LogLine("Faktura " + number + " er bokført fra før");
        showError(QStringLiteral("Faktura %1 er bokført fra før.").arg(number));
        return false;
    }
    if (!ok) return failed(c, QStringLiteral("Kan ikke bokføre fakturaen"));
    EntriesDate = today;
    if (dm.EntriesTable.isOpen()) dm.EntriesTable.refresh();
    return true;
}

void UpdateAllProducts(TDatabaseModule& dm)
{
    dm.SQLExecute("UPDATE product SET user=" + QString::number(MyLoginID) + ", usergroup=" +
                  QString::number(MyLoginGroup) + ", real_cost=cost-((cost/100)*discount)+freight+direct_cost" +
                  ", price=cost+addsum+((cost/100)*addpercent)");
    rereadProducts(dm);
}
