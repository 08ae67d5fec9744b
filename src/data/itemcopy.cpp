#include "data/itemcopy.h"

#include "data/datamodule.h"
#include "data/recorddefaults.h"

#include "core/dialogs.h"
#include "core/felles.h"
#include "core/sysreg.h"
#include "core/textfil.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

bool editing(const Dataset& ds) { return ds.state() == Dataset::Edit || ds.state() == Dataset::Insert; }

// Time groups that are never billed: calendar only (0), project and offer
// (2), warranty and the other internal groups up to 10, and absence (16).
bool billableTimeType(qint64 t) { return !(t == 0 || t == 2 || (t >= 4 && t <= 10) || t == 16); }

// The columns a copied line keeps besides its product code and quantity.
const char* const kTextColumns[] = {"productcode", "producttext", "piece", "EAN"};
const char* const kNumberColumns[] = {"itemcount", "price", "discount", "cost", "VATcode"};

// Writes the full lines beside the clipboard file, tied to the clipboard
// file's contents by their digest. A file that cannot be written is
// removed, so a paste falls back to the two-field file.
void writeFullLines(const QJsonArray& lines)
{
    const QString path = ItemsFullFile();
    QJsonObject o;
    o.insert(QStringLiteral("format"), 1);
    o.insert(QStringLiteral("items_sha256"), QString::fromLatin1(FileDigest(ItemsTempFile())));
    o.insert(QStringLiteral("lines"), lines);
    QSaveFile f(path);
    if (f.open(QIODevice::WriteOnly) && f.write(QJsonDocument(o).toJson(QJsonDocument::Compact)) >= 0 && f.commit())
        return;
    LogLine(QStringLiteral("ADVARSEL: kan ikke skrive %1 (%2); varelinjene limes inn fra %3 med dagens priser")
                .arg(path, f.errorString(), ItemsTempFile()));
    QFile::remove(path);
}

// The full lines, when the file beside the clipboard file belongs to the
// clipboard file as it is now (another program may have written it since).
bool readFullLines(QJsonArray& lines)
{
    QFile f(ItemsFullFile());
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QJsonObject o = QJsonDocument::fromJson(f.readAll()).object();
    if (o.value(QStringLiteral("format")).toInt() != 1) return false;
    const QString digest = o.value(QStringLiteral("items_sha256")).toString();
    if (digest.isEmpty() || digest.toLatin1() != FileDigest(ItemsTempFile())) return false;
    lines = o.value(QStringLiteral("lines")).toArray();
    return true;
}

// Adds one line exactly as it was copied; saving computes its sums.
bool pasteFullLine(TDatabaseModule& dm, const QJsonObject& line)
{
    Dataset& items = dm.ItemsQuery;
    if (!items.isOpen() || !items.insert()) return false;
    // A column the copy did not hold keeps the new line's default.
    for (const char* c : kTextColumns)
        if (items.hasField(QLatin1String(c)) && line.contains(QLatin1String(c)))
            items.setValue(QLatin1String(c), line.value(QLatin1String(c)).toString());
    for (const char* c : kNumberColumns)
        if (items.hasField(QLatin1String(c)) && line.contains(QLatin1String(c)))
            items.setValue(QLatin1String(c), line.value(QLatin1String(c)).toDouble());
    if (items.asString("mark").isEmpty()) items.setValue("mark", LastMark);
    return items.post();
}

} // namespace

QString ItemsTempFile() { return TrelvoPath(QStringLiteral("tmp")) + QStringLiteral("Items.TXT"); }
QString ItemsFullFile() { return TrelvoPath(QStringLiteral("tmp")) + QStringLiteral("Items.kvl"); }

bool CopyItemsToFile(TDatabaseModule& dm)
{
    Dataset& items = dm.ItemsQuery;
    if (editing(items) && !items.post()) return false;
    TextFile f;
    if (createtextfile(f, ItemsTempFile()) != 0) return false;
    QJsonArray full;
    if (items.isOpen() && !items.isEmpty()) {
        const int keep = items.recNo();
        items.disableControls();
        for (int row = 0; row < items.recordCount(); ++row) {
            items.moveTo(row);
            Writelntextfile(f, items.asString("productcode") + "," + SqlNum(items.asFloat("itemcount")));
            QJsonObject line;
            for (const char* c : kTextColumns)
                if (items.hasField(QLatin1String(c))) line.insert(QLatin1String(c), items.asString(QLatin1String(c)));
            for (const char* c : kNumberColumns)
                if (items.hasField(QLatin1String(c))) line.insert(QLatin1String(c), items.asFloat(QLatin1String(c)));
            full.append(line);
        }
        items.moveTo(keep);
        items.enableControls();
    }
    if (closetextfile(f) != 0) {
        QFile::remove(ItemsFullFile());
        return false;
    }
    writeFullLines(full);
    return true;
}

int PasteItemsFromFile(TDatabaseModule& dm, int* skipped)
{
    // A line longer than this holds no product code and quantity.
    constexpr qsizetype kLongestLine = 400;
    if (skipped) *skipped = 0;
    TextFile f;
    if (opentextfile(f, ItemsTempFile()) != 0) return -1;
    Dataset& products = dm.ProductTable;
    Connection& c = dm.MyConnection;
    // All or nothing: the lines go in as one transaction, and the first line
    // that cannot be saved gives the whole paste up.
    if (!c.begin()) {
        closetextfile(f);
        CurrentDialogs()->ShowMessage(DbFailure(QStringLiteral("Kan ikke lime inn varelinjene"), c), QStringLiteral("Feil"));
        return -1;
    }
    int added = 0, unusable = 0;
    bool ok = true, lineFailed = false;
    dm.ItemsQuery.disableControls();
    // Lines copied here come back as they were: text, count, unit, price,
    // discount, VAT code and cost, whether or not the code is a product.
    QJsonArray full;
    const bool whole = readFullLines(full);
    for (qsizetype i = 0; whole && i < full.size(); ++i) {
        if (!pasteFullLine(dm, full.at(i).toObject())) {
            ok = false;
            lineFailed = true;
            break;
        }
        ++added;
    }
    while (!whole && ok && !eoftextfile(f)) {
        QString line;
        if (readlntextfile(f, line) != 0) {
            ok = false;
            break;
        }
        const qsizetype comma = line.indexOf(',');
        if (comma < 0 && line.trimmed().isEmpty()) continue;
        if (line.size() > kLongestLine || !products.isOpen()) {
            ++unusable;
            continue;
        }
        // A code that holds a comma itself is read up to the last comma
        // when such a product exists; otherwise up to the first, as files
        // with a decimal comma in the quantity are written.
        QString code = line.left(comma);
        QString quantity = comma < 0 ? QString() : line.mid(comma + 1);
        const qsizetype lastComma = line.lastIndexOf(',');
        if (lastComma > comma && products.locate("productcode", line.left(lastComma))) {
            code = line.left(lastComma);
            quantity = line.mid(lastComma + 1);
        } else if (!products.locate("productcode", code)) {
            ++unusable;
            continue;
        }
        if (!CopyProductToItems(dm, true, StrToDouble(quantity))) {
            ok = false;
            lineFailed = true;  // the line's save has said why
            break;
        }
        ++added;
    }
    closetextfile(f);
    if (ok) ok = c.commit();
    if (!ok) {
        const QString message = lineFailed ? QString() : DbFailure(QStringLiteral("Kan ikke lime inn varelinjene"), c);
        if (c.inTransaction()) c.rollback();
        if (dm.ItemsQuery.state() == Dataset::Insert) dm.ItemsQuery.cancel();
        dm.ItemsQuery.refresh();
        dm.ItemsQuery.enableControls();
        if (!message.isEmpty()) CurrentDialogs()->ShowMessage(message, QStringLiteral("Feil"));
        return -1;
    }
    dm.ItemsQuery.enableControls();
    if (unusable > 0)
        LogLine(QStringLiteral("ADVARSEL: %1 linjer i %2 har ingen kjent varekode og ble ikke limt inn")
                    .arg(unusable)
                    .arg(ItemsTempFile()));
    if (skipped) *skipped = unusable;
    return added;
}

int DeleteItems(TDatabaseModule& dm)
{
    Dataset& items = dm.ItemsQuery;
    if (!items.isOpen()) return 0;
    int deleted = 0;
    while (!items.isEmpty() && items.recNo() >= 0) {
        const bool wasLast = items.recNo() == items.recordCount() - 1;
        if (!items.remove()) break;
        ++deleted;
        if (wasLast) break;
    }
    return deleted;
}

bool FindProduct(Connection& conn, const QString& code, ProductValues& out)
{
    if (code.isEmpty()) return false;
    auto r = conn.query("SELECT id, productcode, producttext, piece, price, real_cost FROM product WHERE productcode=" +
                        conn.quote(code) + " ORDER BY id LIMIT 1");
    if (!r || !r->next()) return false;
    out.id = r->toLongLong(0);
    out.productcode = r->value(1);
    out.producttext = r->value(2);
    out.piece = r->value(3);
    out.price = r->toDouble(4);
    out.real_cost = r->toDouble(5);
    return true;
}

bool CopyProductToItems(TDatabaseModule& dm, bool newLine, double quantity)
{
    Dataset& product = dm.ProductTable;
    if (!product.isOpen() || product.isEmpty()) return false;
    ProductValues p;
    p.id = product.currentId();
    p.productcode = product.asString("productcode");
    p.producttext = product.asString("producttext");
    p.piece = product.asString("piece");
    p.price = product.asFloat("price");
    p.real_cost = product.asFloat("real_cost");
    return CopyProductToItems(dm, p, newLine, quantity);
}

bool CopyProductToItems(TDatabaseModule& dm, const ProductValues& product, bool newLine, double quantity, bool save)
{
    Dataset& items = dm.ItemsQuery;
    if (!items.isOpen()) return false;
    if (newLine) {
        if (!items.insert()) return false;
    } else if (!editing(items) && !items.edit()) {
        return false;
    }
    items.setValue("productcode", product.productcode);
    items.setValue("producttext", product.producttext);
    items.setValue("price", product.price);
    if (items.asFloat("itemcount") == 0) items.setValue("itemcount", quantity);
    items.setValue("piece", product.piece);
    items.setValue("cost", product.real_cost);
    if (items.asString("mark").isEmpty()) items.setValue("mark", LastMark);
    return save ? items.post() : true;
}

bool CopyCalendarToItems(TDatabaseModule& dm, const QString& mark, qint64 orderId)
{
    Dataset& cal = dm.CalendarTable;
    Dataset& items = dm.ItemsQuery;
    if (!cal.isOpen() || cal.isEmpty() || !items.isOpen()) return false;
    if (cal.asInt("read_order") == 1 || cal.asInt("status") < 20 || !billableTimeType(cal.asInt("timetype")))
        return false;
    // The order whose window is open, never merely the row the order
    // dataset happens to point at.
    if (orderId <= 0) orderId = CurrentOrderID;
    if (orderId <= 0) orderId = dm.OrderTable.isOpen() && !dm.OrderTable.isEmpty() ? dm.OrderTable.currentId() : 0;
    if (orderId <= 0) return false;  // no order to bill to
    if (editing(cal) && !cal.post()) return false;
    if (editing(items) && !items.post()) return false;
    const qint64 calId = cal.currentId();
    Connection& c = dm.MyConnection;

    if (!c.begin()) return false;
    // The registration is claimed first: a second attempt, here or on
    // another workstation, finds it entered and bills nothing.
    if (!c.exec(QStringLiteral("UPDATE calendar SET read_order=1, orderid=%1 WHERE id=%2 AND read_order<>1 AND "
                               "status>=20")
                    .arg(orderId)
                    .arg(calId)) ||
        ChangedRows(c) != 1) {
        c.rollback();
        cal.refresh();
        return false;
    }
    const double hours = cal.asFloat("hours") + cal.asFloat("hours_50") + cal.asFloat("hours_100");
    bool ok = items.insert();
    if (ok) {
        items.setValue("orderid", orderId);
        items.setValue("productcode", DateStr(cal.asDateTime("time_from").date()).left(10));
        items.setValue("producttext", cal.asString("subject"));
        items.setValue("price", GetRegDouble(QStringLiteral("Arbeid_Timepris")));
        items.setValue("itemcount", hours);
        items.setValue("piece", QStringLiteral("TIM"));
        items.setValue("cost", GetRegDouble(QStringLiteral("Arbeid_Kostpris")));
        items.setValue("mark", mark);
        ok = items.post();
        if (!ok) items.cancel();
    }
    if (ok) {
        cal.setValue("read_order", 1);
        cal.setValue("orderid", orderId);
        ok = cal.post();
        if (!ok) cal.cancel();
    }
    if (!ok || !c.commit()) {
        c.rollback();
        items.refresh();
        cal.refresh();
        return false;
    }
    return true;
}

bool CopyJobToCalendar(TDatabaseModule& dm, bool newEntry, bool shiftDate)
{
    Dataset& job = dm.JobQuery;
    Dataset& cal = dm.CalendarTable;
    if (!job.isOpen() || job.isEmpty() || !cal.isOpen()) return false;
    if (newEntry) {
        if (!cal.insert()) return false;
    } else if (!editing(cal) && !cal.edit()) {
        return false;
    }
    cal.setValue("job", job.currentId());
    for (const char* f : {"subject", "hours", "location", "allday", "outdoor", "userid", "persons"})
        cal.setValue(QLatin1String(f), job.value(QLatin1String(f)));
    if (shiftDate)
        cal.setValue("time_from", QDateTime(QDate::currentDate().addDays(job.asInt("day_interval")), QTime(0, 0)));
    for (const char* f : {"projectid", "systemid", "assetid", "external_contact", "external_company", "object_text"})
        cal.setValue(QLatin1String(f), job.value(QLatin1String(f)));
    return cal.post();
}
