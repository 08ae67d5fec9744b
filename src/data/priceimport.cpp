#include "data/priceimport.h"

#include "core/cp1252.h"
#include "core/felles.h"
#include "core/login.h"
#include "core/textfil.h"
#include "data/connection.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>

#include <initializer_list>

namespace {

constexpr int kBatch = 1000;

// Column sizes of product the import writes.
constexpr int kCodeChars = 40, kTextChars = 128, kUnitChars = 20, kGroupChars = 20;

// The ranges numbers in supplier files must lie within.
constexpr FileNumberRange kPriceRange{0, 99999999, false}, kDiscountRange{0, 100, false};

// A number field: its plain number text ("0" when the field is empty), or a
// problem when the field holds anything but one number in range.
QString numberField(const QString& raw, const char* what, const FileNumberRange& range, QString& problem)
{
    if (raw.trimmed().isEmpty()) return QStringLiteral("0");
    double v = 0;
    QString plain, why;
    if (!ReadFileNumber(raw, range, v, &plain, &why)) {
        problem = QStringLiteral("%1 «%2» %3").arg(QString::fromUtf8(what), raw.trimmed(), why);
        return {};
    }
    return plain;
}

// A number field of a line, with what follows it: a number that goes on
// into columns no field covers ("12,34,5" in a five-column field) is not
// cut off to what fits but read whole, so that it is refused.
QString numberText(const QString& line, FieldPos f, std::initializer_list<FieldPos> others)
{
    QString text = CutField(line, f);
    if (text.size() < f.len) return text;  // blanks or the line's end follow
    auto covered = [&](int col) {
        for (const FieldPos& o : others)
            if (col >= o.pos && col < o.pos + o.len) return true;
        return false;
    };
    auto numeric = [&](int col) {
        const QChar c = line[col - 1];
        return c.isDigit() || c == QLatin1Char(',') || c == QLatin1Char('.');
    };
    const int next = f.pos + f.len;
    if (next > line.size() || covered(next) || !numeric(next)) return text;
    // It runs on: shown as written, up to the first character that is no
    // part of a number.
    for (int col = next; col <= line.size() && numeric(col); ++col) text += line[col - 1];
    return text;
}

// Shortens a value to its column, with a logged warning.
QString fit(const QString& value, int chars, const char* column, int lineNo)
{
    if (value.size() <= chars) return value;
    LogLine(QStringLiteral("ADVARSEL: import linje %1: %2 forkortet til %3 tegn: %4")
                .arg(lineNo)
                .arg(QString::fromLatin1(column))
                .arg(chars)
                .arg(value));
    return value.left(chars);
}

void skip(ImportReport& r, int lineNo, const QString& why)
{
    ++r.skipped;
    const QString line = QStringLiteral("linje %1: %2").arg(lineNo).arg(why);
    r.skippedLines << line;
    LogLine(QStringLiteral("IMPORT: hoppet over ") + line);
}

bool fail(ImportReport& r, const QString& what, Connection& conn, const QString& serverText = QString())
{
    r.error = what + QStringLiteral(": ") + (serverText.isEmpty() ? conn.lastError() : serverText) +
              QStringLiteral(". Ingen varer er endret.");
    LogLine(QStringLiteral("FEIL: ") + r.error);
    return false;
}

// A temporary table of the lines, filled in batches of multi-row inserts.
bool loadTemp(Connection& conn, const QString& table, const QString& columns, const QStringList& rows)
{
    if (!conn.exec(QStringLiteral("DROP TEMPORARY TABLE IF EXISTS `%1`").arg(table))) return false;
    if (!conn.exec(QStringLiteral("CREATE TEMPORARY TABLE `%1` (%2) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_danish_ci")
                       .arg(table, columns)))
        return false;
    for (qsizetype i = 0; i < rows.size(); i += kBatch) {
        const QStringList part = rows.mid(i, kBatch);
        if (!conn.exec(QStringLiteral("INSERT INTO `%1` VALUES ").arg(table) + part.join(QLatin1Char(','))))
            return false;
    }
    return true;
}

} // namespace

QString CutField(const QString& line, FieldPos f)
{
    if (f.pos < 1 || f.len <= 0 || f.pos > line.size()) return {};
    QString s = line.mid(f.pos - 1, f.len);
    while (!s.isEmpty() && s.back().isSpace()) s.chop(1);
    return s;
}

PriceLine ParsePriceLine(const QString& raw, const PriceListLayout& l)
{
    QString line = raw.trimmed();
    line.replace(QLatin1Char('\''), QChar(0x00B4));
    PriceLine p;
    p.code = CutField(line, l.code).trimmed();
    p.text = CutField(line, l.text);
    p.unit = CutField(line, l.unit).trimmed();
    p.group = CutField(line, l.group).trimmed();
    p.price = numberField(numberText(line, l.price, {l.code, l.text, l.unit, l.group}), "Prisen", kPriceRange, p.problem);
    if (p.code.isEmpty() && p.problem.isEmpty()) p.problem = QStringLiteral("mangler varenummer");
    return p;
}

DiscountLine ParseDiscountLine(const QString& raw, const DiscountListLayout& l)
{
    const QString original = raw.trimmed();
    QString line = original;
    line.replace(QLatin1Char(','), QLatin1Char('.'));
    DiscountLine d;
    d.code = CutField(line, l.code).trimmed();
    d.type = CutField(line, l.type).trimmed();
    d.group = CutField(line, l.group).trimmed();
    d.byGroup = d.type.compare(QLatin1String("G"), Qt::CaseInsensitive) == 0;
    // The discount is read as the file has it (comma or point), so that a
    // second separator is seen and named as written.
    d.discount =
        numberField(numberText(original, l.discount, {l.code, l.type, l.group}), "Rabatten", kDiscountRange, d.problem);
    if (d.problem.isEmpty() && (d.byGroup ? d.group : d.code).isEmpty())
        d.problem = d.byGroup ? QStringLiteral("mangler varegruppe") : QStringLiteral("mangler varenummer");
    return d;
}

QString ImportReport::summary() const
{
    return QStringLiteral("%1 linjer lest, %2 varer endret, %3 varer lagt til, %4 linjer hoppet over")
        .arg(lines)
        .arg(updated)
        .arg(inserted)
        .arg(skipped);
}

bool ReadImportFile(const QString& path, QStringList& lines, QString& error, QString* note)
{
    lines.clear();
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile()) {
        error = QStringLiteral("Finner ikke filen %1.").arg(path);
        return false;
    }
    if (info.size() > kMaxImportFile) {
        error = QStringLiteral("Filen %1 er for stor (%2 MB); en prisliste kan være på høyst %3 MB.")
                    .arg(path)
                    .arg(info.size() / (1024 * 1024))
                    .arg(kMaxImportFile / (1024 * 1024));
        return false;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Kan ikke åpne filen %1: %2").arg(path, f.errorString());
        return false;
    }
    const QByteArray all = f.readAll();
    if (all.trimmed().isEmpty()) {
        error = QStringLiteral("Filen %1 er tom.").arg(path);
        return false;
    }
    // A text file has no NUL bytes and few control characters.
    qsizetype controls = 0;
    for (char c : all) {
        const auto u = static_cast<unsigned char>(c);
        if (u == 0) {
            error = QStringLiteral("Filen %1 er ikke en tekstfil.").arg(path);
            return false;
        }
        if (u < 0x20 && u != '\r' && u != '\n' && u != '\t') ++controls;
    }
    if (controls * 100 > all.size()) {
        error = QStringLiteral("Filen %1 er ikke en tekstfil.").arg(path);
        return false;
    }
    bool ascii = true;
    for (char c : all)
        if (static_cast<unsigned char>(c) >= 0x80) ascii = false;
    if (!ascii) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = utf8(all);
        if (!utf8.hasError()) {
            QString text = decoded;
            if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
            text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
            lines = text.split(QLatin1Char('\n'));
            if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
            if (note) *note = QStringLiteral("Filen er i UTF-8 og ble lest som UTF-8.");
            LogLine(QStringLiteral("IMPORT: ") + path + QStringLiteral(" er i UTF-8 og ble lest som UTF-8"));
            return true;
        }
    }
    lines = SplitCp1252Lines(all);
    return true;
}

bool ImportPriceList(Connection& conn, const QString& path, const PriceListLayout& layout, PriceImportMode mode,
                     int vendorId, bool test, ImportReport& report)
{
    report = ImportReport();
    QStringList lines;
    if (!ReadImportFile(path, lines, report.error, &report.note)) return false;
    // One row per product code unless every line is to be added: the first
    // line's fields (what adds the product) and the last line's price (what
    // its cost ends as, as if the lines were applied one after the other).
    struct Row {
        int lineNo;
        QString code, text, unit, group, firstPrice, price;
    };
    std::vector<Row> parsed;
    QHash<QString, size_t> rowOfCode;
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        if (lines[i].trimmed().isEmpty()) continue;
        ++report.lines;
        if (lines[i].size() > kMaxImportLine) {
            skip(report, lineNo, QStringLiteral("linjen er lengre enn %1 tegn").arg(kMaxImportLine));
            continue;
        }
        const PriceLine p = ParsePriceLine(lines[i], layout);
        if (!p.problem.isEmpty()) {
            skip(report, lineNo, p.problem);
            continue;
        }
        const QString code = fit(p.code, kCodeChars, "varenummer", lineNo);
        const QString price = SqlDouble(p.price.toDouble());
        if (mode != PriceImportMode::InsertAll && rowOfCode.contains(code)) {
            parsed[rowOfCode.value(code)].price = price;
            continue;
        }
        rowOfCode.insert(code, parsed.size());
        parsed.push_back({lineNo, code, fit(p.text, kTextChars, "varetekst", lineNo), fit(p.unit, kUnitChars, "enhet", lineNo),
                          fit(p.group, kGroupChars, "gruppe", lineNo), price, price});
    }
    QStringList rows;
    for (const Row& r : parsed)
        rows << QStringLiteral("(%1,%2,%3,%4,%5,%6,%7)")
                    .arg(r.lineNo)
                    .arg(conn.quote(r.code), conn.quote(r.text), r.price, conn.quote(r.unit), conn.quote(r.group),
                         r.firstPrice);
    if (rows.isEmpty()) {
        LogLine(QStringLiteral("IMPORT: ") + path + QStringLiteral(": ") + report.summary());
        return true;
    }
    if (!loadTemp(conn, QStringLiteral("kv_priceimport"),
                  QStringLiteral("n INT, code VARCHAR(40), text VARCHAR(128), price DOUBLE, unit VARCHAR(20), "
                                 "grp VARCHAR(20), firstprice DOUBLE, KEY (code)"),
                  rows))
        return fail(report, QStringLiteral("Kan ikke lese prislisten inn"), conn);

    const QString owner = QStringLiteral("%1, %2").arg(MyLoginID).arg(MyLoginGroup);
    const QString insert = QStringLiteral("INSERT INTO product (productcode, producttext, cost, piece, productgroup, vendor, "
                                          "`user`, usergroup) SELECT i.code, i.text, i.firstprice, i.unit, i.grp, %1, %2 "
                                          "FROM kv_priceimport i")
                               .arg(vendorId)
                               .arg(owner);
    const QString missing = QStringLiteral(" WHERE NOT EXISTS (SELECT 1 FROM product p WHERE p.productcode=i.code) ORDER BY i.n");
    if (test) {
        // What would happen, without writing.
        const qint64 existing =
            conn.scalar(QStringLiteral("SELECT COUNT(*) FROM kv_priceimport i WHERE EXISTS (SELECT 1 FROM product p "
                                       "WHERE p.productcode=i.code)"), QStringLiteral("0")).toLongLong();
        if (mode == PriceImportMode::InsertAll) report.inserted = int(rows.size());
        else report.updated = int(existing);
        if (mode == PriceImportMode::UpdateOrInsert) {
            report.inserted = int(rows.size() - existing);
            report.updated += conn.scalar(QStringLiteral("SELECT COUNT(*) FROM kv_priceimport i WHERE i.price<>i.firstprice "
                                                         "AND NOT EXISTS (SELECT 1 FROM product p WHERE p.productcode=i.code)"),
                                          QStringLiteral("0"))
                                  .toInt();
        }
        conn.exec(QStringLiteral("DROP TEMPORARY TABLE IF EXISTS kv_priceimport"));
        return true;
    }
    QString failure;
    auto run = [&](const QString& sql) {
        if (conn.exec(sql)) return true;
        failure = conn.lastError();
        return false;
    };
    const bool ok = conn.transaction([&] {
        report.updated = report.inserted = 0;
        if (mode != PriceImportMode::InsertAll) {
            if (!run(QStringLiteral("UPDATE product p JOIN kv_priceimport i ON p.productcode=i.code SET p.cost=i.price")))
                return false;
            report.updated = int(conn.affectedRows());
        }
        if (mode == PriceImportMode::UpdateOrInsert) {
            if (!run(insert + missing)) return false;
            report.inserted = int(conn.affectedRows());
            // A product just added by its first line whose later lines
            // give another price: the last line's price is its cost.
            if (!run(QStringLiteral("UPDATE product p JOIN kv_priceimport i ON p.productcode=i.code SET p.cost=i.price "
                                    "WHERE i.price<>i.firstprice AND p.cost=i.firstprice")))
                return false;
            report.updated += int(conn.affectedRows());
        } else if (mode == PriceImportMode::InsertAll) {
            if (!run(insert + QStringLiteral(" ORDER BY i.n"))) return false;
            report.inserted = int(conn.affectedRows());
        }
        return true;
    });
    conn.exec(QStringLiteral("DROP TEMPORARY TABLE IF EXISTS kv_priceimport"));
    if (!ok) return fail(report, QStringLiteral("Importen av prislisten feilet"), conn, failure);
    LogLine(QStringLiteral("IMPORT: ") + path + QStringLiteral(": ") + report.summary());
    return true;
}

bool ImportDiscountList(Connection& conn, const QString& path, const DiscountListLayout& layout, ImportReport& report)
{
    report = ImportReport();
    QStringList lines;
    if (!ReadImportFile(path, lines, report.error, &report.note)) return false;
    QStringList rows;
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        if (lines[i].trimmed().isEmpty()) continue;
        ++report.lines;
        if (lines[i].size() > kMaxImportLine) {
            skip(report, lineNo, QStringLiteral("linjen er lengre enn %1 tegn").arg(kMaxImportLine));
            continue;
        }
        const DiscountLine d = ParseDiscountLine(lines[i], layout);
        if (!d.problem.isEmpty()) {
            skip(report, lineNo, d.problem);
            continue;
        }
        rows << QStringLiteral("(%1,%2,%3,%4)")
                    .arg(lineNo)
                    .arg(d.byGroup ? 1 : 0)
                    .arg(conn.quote(d.byGroup ? d.group : d.code), SqlDouble(d.discount.toDouble()));
    }
    if (rows.isEmpty()) return true;
    if (!loadTemp(conn, QStringLiteral("kv_discountimport"),
                  QStringLiteral("n INT, bygroup INT, k VARCHAR(40), discount DOUBLE, KEY (k)"), rows))
        return fail(report, QStringLiteral("Kan ikke lese rabattlisten inn"), conn);
    // Lines apply in file order: a later line for the same product or group wins.
    QString failure;
    auto run = [&](const QString& sql) {
        if (conn.exec(sql)) return true;
        failure = conn.lastError();
        return false;
    };
    const bool ok = conn.transaction([&] {
        if (!run(QStringLiteral(
                "UPDATE product p JOIN (SELECT d.k, d.discount FROM kv_discountimport d JOIN (SELECT k, MAX(n) AS n FROM "
                "kv_discountimport WHERE bygroup=1 GROUP BY k) m ON d.n=m.n) g ON p.productgroup=g.k SET p.discount=g.discount")))
            return false;
        report.updated = int(conn.affectedRows());
        if (!run(QStringLiteral(
                "UPDATE product p JOIN (SELECT d.k, d.discount FROM kv_discountimport d JOIN (SELECT k, MAX(n) AS n FROM "
                "kv_discountimport WHERE bygroup=0 GROUP BY k) m ON d.n=m.n) c ON p.productcode=c.k SET p.discount=c.discount")))
            return false;
        report.updated += int(conn.affectedRows());
        // Cost and price follow the new discounts in the same transaction:
        // a broken import leaves neither discounts nor costs changed.
        if (!RecalculateAllProducts(conn)) {
            failure = conn.lastError();
            return false;
        }
        return true;
    });
    conn.exec(QStringLiteral("DROP TEMPORARY TABLE IF EXISTS kv_discountimport"));
    if (!ok) return fail(report, QStringLiteral("Importen av rabattlisten feilet"), conn, failure);
    LogLine(QStringLiteral("IMPORT: ") + path + QStringLiteral(": ") + report.summary());
    return true;
}

QString PriceUpdateStatement(const PriceUpdate& u, QStringList* values)
{
    QStringList sets, vals;
    auto add = [&](bool on, const char* assignment, const QString& value) {
        if (!on) return;
        sets << QString::fromLatin1(assignment);
        vals << value;
    };
    add(u.raiseCost, "cost=cost+(cost*(?/100))", u.costPercent);
    add(u.setDiscount, "discount=?", u.discount);
    add(u.setDirectCost, "direct_cost=?", u.directCost);
    add(u.setFreight, "freight=?", u.freight);
    add(u.setAddPercent, "addpercent=?", u.addPercent);
    add(u.setAddSum, "addsum=?", u.addSum);
    add(u.setVatCode, "vatcode=?", u.vatCode);
    if (sets.isEmpty()) return {};
    QString sql = QStringLiteral("UPDATE product SET ") + sets.join(QLatin1Char(','));
    QStringList where;
    if (u.forGroup) {
        where << QStringLiteral("productgroup=?");
        vals << u.group;
    }
    if (u.forVendor) {
        where << QStringLiteral("vendor=?");
        vals << QString::number(u.vendorId);
    }
    if (!where.isEmpty()) sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    if (values) *values = vals;
    return sql;
}

int RunPriceUpdate(Connection& conn, const PriceUpdate& u, QString& error)
{
    QStringList texts;
    const QString sql = PriceUpdateStatement(u, &texts);
    if (sql.isEmpty()) {
        error = QStringLiteral("Ingen endring er valgt.");
        return -1;
    }
    // Numbers are read as typed numbers; the group is text.
    QVariantList values;
    const qsizetype numbers = texts.size() - (u.forGroup ? 1 : 0) - (u.forVendor ? 1 : 0);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (i < numbers) {
            double v = 0;
            if (!TryTypedToDouble(texts[i].trimmed().isEmpty() ? QStringLiteral("0") : texts[i], v)) {
                error = QStringLiteral("«%1» er ikke et tall.").arg(texts[i]);
                return -1;
            }
            values << v;
        } else if (u.forGroup && i == numbers) {
            values << texts[i];
        } else {
            values << u.vendorId;
        }
    }
    if (!conn.exec(sql, values)) {
        error = QStringLiteral("Kan ikke oppdatere prisene: ") + conn.lastError();
        LogLine(QStringLiteral("SQL ERROR: ") + sql);
        return -1;
    }
    LogLine(QStringLiteral("PRISJUSTERING: ") + sql + QStringLiteral(" [") + texts.join(QStringLiteral(", ")) +
            QLatin1Char(']'));
    return int(conn.affectedRows());
}

bool RecalculateAllProducts(Connection& conn)
{
    return conn.exec(QStringLiteral("UPDATE product SET `user`=%1, usergroup=%2, real_cost=cost-((cost/100)*discount)+"
                                    "freight+direct_cost, price=cost+addsum+((cost/100)*addpercent)")
                         .arg(MyLoginID)
                         .arg(MyLoginGroup));
}
