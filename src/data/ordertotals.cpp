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

// Gives up a transaction: rolls back, logs and tells the user.
bool failed(Connection& c, const QString& what)
{
    const QString err = c.lastError();
    c.rollback();
    LogLine("FEIL: " + what + ": " + err);
    showError(what + ": " + err);
    return false;
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

bool updateTotals(TDatabaseModule& dm, Dataset& doc, const QString& key, bool onCost)
{
    if (!doc.isOpen() || doc.isEmpty()) return false;
    if (!savePendingLines(dm)) return false;
    const qint64 id = doc.currentId();
    if (id <= 0) return true;  // not saved yet, so no line can point at it
    Connection& c = dm.MyConnection;
    const QString where = QStringLiteral("i.`%1`=%2").arg(key).arg(id);

    auto check = c.query("SELECT COUNT(*), MIN(IF(i.VATcode BETWEEN 0 AND 4, NULL, i.VATcode)) FROM items i WHERE " +
                         where);
    if (!check || !check->next()) {
        showError("Kan ikke lese varelinjene: " + c.lastError());
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
    const QString refs[][2] = {{"projectid", QString::number(doc.asInt("projectid"))},
                               {"subprojectid", QString::number(doc.asInt("systemid"))},
                               {"assetid", QString::number(doc.asInt("assetid"))},
                               {"jobid", QString::number(doc.asInt("jobid"))},
                               {"customerid", QString::number(doc.asInt("companyid"))}};
    QStringList sets{"i.`sum`=" + kLineSum, "i.sumcost=" + kLineCost};
    QStringList same{"i.`sum`=" + kLineSum, "i.sumcost=" + kLineCost};
    for (const auto& r : refs) {
        sets << "i." + r[0] + "=" + r[1];
        same << "i." + r[0] + "=" + r[1];
    }
    if (!c.begin()) return failed(c, QStringLiteral("Kan ikke oppdatere varelinjene"));
    if (!c.exec("UPDATE items i SET " + sets.join(',') + " WHERE " + where + " AND NOT (" + same.join(" AND ") + ")"))
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

// Stock bookkeeping of item lines: one row per line and kind ('O' order
// delivery, 'P' purchase order) with the product code and the quantities
// the line has so far added to the product's instock and inorder.
bool ensureStockMoveTable(Connection& c)
{
    return c.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS `kv_stockmove` ("
                                 "`itemid` INT NOT NULL, "
                                 "`kind` CHAR(1) NOT NULL, "
                                 "`productcode` VARCHAR(40) NOT NULL DEFAULT '', "
                                 "`instock` DOUBLE NOT NULL DEFAULT 0, "
                                 "`inorder` DOUBLE NOT NULL DEFAULT 0, "
                                 "PRIMARY KEY (`itemid`, `kind`)"
                                 ") ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_danish_ci"));
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
    Connection& c = dm.MyConnection;
    if (!ensureStockMoveTable(c)) return failed(c, QStringLiteral("Kan ikke levere ordren"));

    dm.ItemsQuery.disableControls();
    const QString where = QStringLiteral("i.orderid=%1").arg(id);
    const QString whole = deliverAll ? QStringLiteral("TRUE") : QStringLiteral("i.itemremain=0");
    const QString delivered = "IF(" + whole + ", i.itemcount, i.itemcount-i.itemremain)";
    const QString remain = "IF(" + whole + ", 0, i.itemremain)";
    bool ok = c.begin() &&
              c.exec("UPDATE items i SET i.itemdelivered=" + delivered + ", i.itemremain=" + remain + " WHERE " +
                     where + " AND NOT (i.itemdelivered=" + delivered + " AND i.itemremain=" + remain + ")") &&
              moveStock(c, where, 'O', QStringLiteral("-i.itemdelivered"), QStringLiteral("0"));
    if (!ok) {
        dm.ItemsQuery.enableControls();
        return failed(c, QStringLiteral("Kan ikke levere ordren"));
    }
    order.setValue("deliverydate", QDate::currentDate());
    if (!order.post()) {
        c.rollback();
        rereadLines(dm);
        dm.ItemsQuery.enableControls();
        return false;
    }
    if (!c.commit()) {
        dm.ItemsQuery.enableControls();
        order.refresh();
        return failed(c, QStringLiteral("Kan ikke levere ordren"));
    }
    rereadLines(dm);
    dm.ItemsQuery.enableControls();
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
    Connection& c = dm.MyConnection;
    if (!ensureStockMoveTable(c)) return failed(c, QStringLiteral("Kan ikke oppdatere bestillingen"));

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
    bool ok = c.begin();
    if (ok && fullReceipt)
        ok = c.exec("UPDATE items i SET i.itemdelivered=i.itemcount, i.itemremain=0 WHERE " + where +
                    " AND NOT (i.itemdelivered=i.itemcount AND i.itemremain=0)");
    if (ok && !stock.isEmpty()) ok = moveStock(c, where, 'P', stock, onOrder);
    if (!ok) return failed(c, QStringLiteral("Kan ikke oppdatere bestillingen"));
    po.setValue("status", status);
    if (!po.post()) {
        c.rollback();
        return false;
    }
    if (!c.commit()) {
        po.refresh();
        return failed(c, QStringLiteral("Kan ikke oppdatere bestillingen"));
    }
    if (fullReceipt) rereadLines(dm);
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
    Connection& c = dm.MyConnection;
    const int textMax = columnLength(c, QStringLiteral("entries"), QStringLiteral("entrytext"), 127);

    if (!c.begin()) return failed(c, QStringLiteral("Kan ikke bokføre fakturaen"));
    // Whoever changes the status books the invoice; a second approval, here
    // or on another workstation, finds it changed already and books nothing.
    if (!c.exec(QStringLiteral("UPDATE invoice SET status='Fakturert' WHERE id=%1 AND status<>'Fakturert'").arg(id)))
        return failed(c, QStringLiteral("Kan ikke bokføre fakturaen"));
    if (ChangedRows(c) != 1) {
        c.rollback();
        LogLine("Faktura " + inv.asString("ordernumber") + " er bokført fra før");
        if (inv.state() == Dataset::Browse) inv.refresh();
        return false;
    }
    inv.setValue("status", QStringLiteral("Fakturert"));
    if (!inv.post()) {
        c.rollback();
        return false;
    }

    QString text = inv.asString("subject");
    if (text.size() > textMax) {
        LogLine(QStringLiteral("ADVARSEL: posteringsteksten til faktura %1 er forkortet til %2 tegn")
                    .arg(inv.asString("ordernumber"))
                    .arg(textMax));
        text.truncate(textMax);
    }
    const QDate today = QDate::currentDate();
    const double sum = inv.asFloat("ordertotal");
    const QString insert =
        QStringLiteral("INSERT INTO entries (usergroup, `user`, rwx_all, entrydate, companyid, `sum`, entrytext, "
                       "vatcode, from_account, to_account, vatsum, projectid, subprojectid, assetid, invoiceno) "
                       "VALUES (%1, %2, 0, '%3', %4, %5, %6, %7, %8, %9, %10, %11, %12, %13, %14)")
            .arg(MyLoginGroup)
            .arg(MyLoginID)
            .arg(today.toString(QStringLiteral("yyyy-MM-dd")))
            .arg(inv.asInt("companyid"))
            .arg(SqlNum(sum))
            .arg(c.quote(text))
            .arg(vatcode)
            .arg(GetRegInt(QStringLiteral("PosteringKontoFaktura")))
            .arg(GetRegInt(QStringLiteral("PosteringKontoFordring")))
            .arg(SqlNum(sum / 100 * rate))
            .arg(inv.asInt("projectid"))
            .arg(inv.asInt("systemid"))
            .arg(inv.asInt("assetid"))
            .arg(c.quote(inv.asString("ordernumber")));
    if (!c.exec(insert) || !c.commit()) {
        const bool r = failed(c, QStringLiteral("Kan ikke bokføre fakturaen"));
        inv.refresh();
        return r;
    }
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
