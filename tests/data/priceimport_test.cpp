// Supplier price lists, discount lists and the bulk price update: the line
// parsers by tables of lines, the imports against the server.
#include "rules_fixture.h"

#include "core/cp1252.h"
#include "data/priceimport.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

// A price-list line in the default columns: four characters of supplier
// prefix, then the fields where the window's defaults expect them.
QString priceLine(const QString& code, const QString& text, const QString& unit, const QString& price,
                  const QString& group)
{
    return "LEV1" + code.leftJustified(7) + QString(7, ' ') + text.leftJustified(40) + QString(12, ' ') +
           unit.leftJustified(3) + price.rightJustified(9) + group.leftJustified(5);
}

class PriceImportTest : public RulesTest {
protected:
    QString file(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.path() + "/" + name;
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QString priceFile(const QStringList& lines) { return file("pris.txt", JoinCp1252Lines(lines)); }
    QString products(const QString& where = "vendor=5")
    {
        return scalar("SELECT GROUP_CONCAT(CONCAT_WS('|', productcode, producttext, cost, piece, productgroup, vendor) "
                      "ORDER BY id SEPARATOR ';') FROM product WHERE " + where);
    }
    QTemporaryDir dir;
};

} // namespace

TEST(PriceLineTest, FieldsAreCutFromTheTrimmedLine)
{
    struct Case {
        QString line;
        const char *code, *text, *price, *unit, *group, *problem;
    } cases[] = {
        {priceLine("4711001", "Kabel 3x1,5", "m", "000012,50", "KAB"), "4711001", "Kabel 3x1,5", "12.50", "m", "KAB", ""},
        {priceLine("4711002", "12' hylle", "stk", "000000000", "INV"), "4711002", "12´ hylle", "0", "stk", "INV", ""},
        {"   " + priceLine("4711003", "Innrykket", "stk", "10", "A"), "4711003", "Innrykket", "10", "stk", "A", ""},
        {priceLine("", "Uten nummer", "stk", "1", "A"), "", "Uten nummer", "1", "stk", "A", "mangler varenummer"},
        {priceLine("4711004", "Pris uten tall", "stk", "kr", "A"), "4711004", "Pris uten tall", "", "stk", "A",
         "Prisen «kr» er ikke et tall"},
        {"LEV1471", "471", "", "0", "", "", ""},  // shorter than the fields: empty fields
        {priceLine("4711005", "Tusener", "stk", "1 234,50", "A"), "4711005", "Tusener", "1234.50", "stk", "A", ""},
        {priceLine("4711006", "To skilletegn", "stk", "1.234,50", "A"), "4711006", "To skilletegn", "", "stk", "A",
         "Prisen «1.234,50» har mer enn ett desimaltegn"},
        {priceLine("4711007", "Tre grupper", "stk", "12,34,56", "A"), "4711007", "Tre grupper", "", "stk", "A",
         "Prisen «12,34,56» har mer enn ett desimaltegn"},
        {priceLine("4711008", "Eksponent", "stk", "1e308", "A"), "4711008", "Eksponent", "", "stk", "A",
         "Prisen «1e308» er ikke et tall"},
        {priceLine("4711009", "Negativ", "stk", "-5", "A"), "4711009", "Negativ", "", "stk", "A",
         "Prisen «-5» kan ikke være negativ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        const PriceLine p = ParsePriceLine(c.line, PriceListLayout());
        EXPECT_EQ(p.code, QString::fromUtf8(c.code));
        EXPECT_EQ(p.text, QString::fromUtf8(c.text));
        EXPECT_EQ(p.price, QString::fromUtf8(c.price));
        EXPECT_EQ(p.unit, QString::fromUtf8(c.unit));
        EXPECT_EQ(p.group, QString::fromUtf8(c.group));
        EXPECT_EQ(p.problem, QString::fromUtf8(c.problem));
    }
}

TEST(PriceLineTest, DiscountLinesByProductOrGroup)
{
    struct Case {
        const char* line;
        bool byGroup;
        const char *key, *discount, *problem;
    } cases[] = {
        {"000000AB      12,5  G", true, "AB", "12.5", ""},
        {"0000004711001 7     V", false, "4711001", "7", ""},
        {"0000004711001 7", false, "4711001", "7", ""},
        {"000000        7     G", true, "", "7", "mangler varegruppe"},
        {"0000004711001 x     V", false, "4711001", "", "Rabatten «x» er ikke et tall"},
        // A number running on past its five columns is read whole, not cut.
        {"0000004711001 12,34,5 V", false, "4711001", "", "Rabatten «12,34,5» har mer enn ett desimaltegn"},
        {"0000004711001 -50   V", false, "4711001", "", "Rabatten «-50» kan ikke være negativ"},
        {"0000004711001 99999 V", false, "4711001", "", "Rabatten «99999» er ikke mellom 0 og 100"},
        {"0000004711001 100   V", false, "4711001", "100", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const DiscountLine d = ParseDiscountLine(QString::fromUtf8(c.line), DiscountListLayout());
        EXPECT_EQ(d.byGroup, c.byGroup);
        EXPECT_EQ(d.byGroup ? d.group : d.code, QString::fromUtf8(c.key));
        EXPECT_EQ(d.discount, QString::fromUtf8(c.discount));
        EXPECT_EQ(d.problem, QString::fromUtf8(c.problem));
    }
}

TEST_F(PriceImportTest, EachOptionUpdatesOrInsertsInOneGo)
{
    sql("INSERT INTO product (productcode, producttext, cost, vendor) VALUES ('4711001', 'Gammel tekst', 10, 5)");
    const QString path = priceFile({priceLine("4711001", "Kabel 3x1,5", "m", "000012,50", "KAB"),
                                    priceLine("4711002", "Hylle 12' eik", "stk", "199,00", "INV"),
                                    priceLine("", "Uten nummer", "stk", "1", "X"),
                                    priceLine("4711002", "Hylle 12' eik", "stk", "205,00", "INV")});
    ImportReport r;
    // Test: nothing written.
    ASSERT_TRUE(ImportPriceList(dm.MyConnection, path, PriceListLayout(), PriceImportMode::UpdateOrInsert, 5, true, r));
    EXPECT_EQ(r.inserted, 1);
    EXPECT_EQ(r.updated, 2);  // 4711001, and 4711002 added by line 2 and its cost changed by line 4
    EXPECT_EQ(products(), "4711001|Gammel tekst|10|||5");

    ASSERT_TRUE(ImportPriceList(dm.MyConnection, path, PriceListLayout(), PriceImportMode::UpdateCost, 5, false, r));
    EXPECT_EQ(products(), "4711001|Gammel tekst|12.5|||5");
    EXPECT_EQ(r.updated, 1);
    EXPECT_EQ(r.skipped, 1);
    EXPECT_EQ(r.summary(), "4 linjer lest, 1 varer endret, 0 varer lagt til, 1 linjer hoppet over");

    ASSERT_TRUE(ImportPriceList(dm.MyConnection, path, PriceListLayout(), PriceImportMode::UpdateOrInsert, 5, false, r));
    EXPECT_EQ(products(), "4711001|Gammel tekst|12.5|||5;4711002|Hylle 12´ eik|205|stk|INV|5");  // the last price wins
    EXPECT_EQ(r.inserted, 1);
    EXPECT_EQ(r.updated, 1);  // 4711001 already had 12.5; 4711002 is added, then its cost set from the later line
    EXPECT_EQ(scalar("SELECT CONCAT(`user`, '/', usergroup) FROM product WHERE productcode='4711002'"), "7/3");
    ASSERT_TRUE(ImportPriceList(dm.MyConnection, path, PriceListLayout(), PriceImportMode::UpdateOrInsert, 5, false, r));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM product WHERE vendor=5"), "2");  // no duplicates without a unique key

    ASSERT_TRUE(ImportPriceList(dm.MyConnection, path, PriceListLayout(), PriceImportMode::InsertAll, 5, false, r));
    EXPECT_EQ(r.inserted, 3);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM product WHERE vendor=5"), "5");
}

// A new product code on several lines: the lines apply in order, the first
// adds the product and the later ones set its cost, and the report says so.
TEST_F(PriceImportTest, ANewCodeOnTwoLinesIsAddedThenChanged)
{
    const QString path = priceFile({priceLine("4712001", "Første tekst", "stk", "10,00", "A"),
                                    priceLine("4712001", "Andre tekst", "m", "12,00", "B"),
                                    priceLine("4712002", "Lik pris", "stk", "5,00", "A"),
                                    priceLine("4712002", "Lik pris igjen", "stk", "5,00", "A")});
    ImportReport r;
    ASSERT_TRUE(ImportPriceList(dm.MyConnection, path, PriceListLayout(), PriceImportMode::UpdateOrInsert, 5, false, r));
    EXPECT_EQ(products(), "4712001|Første tekst|12|stk|A|5;4712002|Lik pris|5|stk|A|5");
    EXPECT_EQ(r.summary(), "4 linjer lest, 1 varer endret, 2 varer lagt til, 0 linjer hoppet over");
}

// Malformed numbers leave their lines out, named; the rest is imported and
// nothing else changes.
TEST_F(PriceImportTest, MalformedNumbersSkipTheirLinesOnly)
{
    sql("INSERT INTO product (productcode, producttext, cost, discount, vendor) VALUES ('4711001', 'A', 10, 5, 5), "
        "('4711002', 'B', 20, 5, 5), ('4711003', 'C', 30, 5, 5)");
    const QString prices = priceFile({priceLine("4711001", "A", "", "1.234,50", ""),
                                      priceLine("4711002", "B", "", "12,34,56", ""),
                                      priceLine("4711003", "C", "", "1e308", ""),
                                      priceLine("4711004", "D", "", "1 234,50", "")});
    ImportReport r;
    ASSERT_TRUE(ImportPriceList(dm.MyConnection, prices, PriceListLayout(), PriceImportMode::UpdateOrInsert, 5, false, r));
    EXPECT_EQ(products(), "4711001|A|10|||5;4711002|B|20|||5;4711003|C|30|||5;4711004|D|1234.5|||5");
    EXPECT_EQ(r.skippedLines, (QStringList{"linje 1: Prisen «1.234,50» har mer enn ett desimaltegn",
                                           "linje 2: Prisen «12,34,56» har mer enn ett desimaltegn",
                                           "linje 3: Prisen «1e308» er ikke et tall"}));
    EXPECT_EQ(r.summary(), "4 linjer lest, 0 varer endret, 1 varer lagt til, 3 linjer hoppet over");

    const QString discounts = file("rabatt.txt", JoinCp1252Lines({"0000004711001 12,34,5 V", "0000004711002 -50   V",
                                                                  "0000004711003 99999 V", "0000004711004 12,5  V"}));
    ASSERT_TRUE(ImportDiscountList(dm.MyConnection, discounts, DiscountListLayout(), r));
    EXPECT_EQ(scalar("SELECT GROUP_CONCAT(discount ORDER BY productcode) FROM product WHERE vendor=5"), "5,5,5,12.5");
    EXPECT_EQ(r.skipped, 3);
    EXPECT_EQ(r.skippedLines.value(2), "linje 3: Rabatten «99999» er ikke mellom 0 og 100");
}

TEST_F(PriceImportTest, QuotesAndStatementsInTextsAreData)
{
    const QString path = priceFile({priceLine("X'1", "'; DROP TABLE product; --", "stk", "1", "A\\B"),
                                    priceLine("X2", "Bakstrek \\ og \"sitat\"", "stk", "2", "G'")});
    ImportReport r;
    ASSERT_TRUE(ImportPriceList(dm.MyConnection, path, PriceListLayout(), PriceImportMode::InsertAll, 5, false, r));
    EXPECT_EQ(products(), "X´1|´; DROP TABLE product; --|1|stk|A\\B|5;X2|Bakstrek \\ og \"sitat\"|2|stk|G´|5");
}

TEST_F(PriceImportTest, AFailureHalfWayLeavesTheProductsAsTheyWere)
{
    sql("INSERT INTO product (productcode, cost, vendor) VALUES ('A1', 10, 5)");
    sql("CREATE TRIGGER refuse BEFORE INSERT ON product FOR EACH ROW "
        "IF NEW.productcode='B2' THEN SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='nei'; END IF");
    const QString path = priceFile({priceLine("A1", "Oppdateres", "stk", "99", "A"), priceLine("B2", "Ny", "stk", "5", "A")});
    ImportReport r;
    EXPECT_FALSE(ImportPriceList(dm.MyConnection, path, PriceListLayout(), PriceImportMode::UpdateOrInsert, 5, false, r));
    EXPECT_TRUE(r.error.contains("Ingen varer er endret")) << r.error.toStdString();
    EXPECT_EQ(scalar("SELECT cost FROM product WHERE productcode='A1'"), "10");
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM product WHERE productcode='B2'"), "0");
}

TEST_F(PriceImportTest, BadFilesAreRefusedWithAMessage)
{
    QFile big(dir.path() + "/stor.txt");
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(kMaxImportFile + 1));
    big.close();
    struct Case {
        QString path;
        const char* message;
    } cases[] = {
        {dir.path() + "/finnes-ikke.txt", "Finner ikke filen"},
        {file("tom.txt", "\r\n  \r\n"), "er tom"},
        {file("bin.txt", QByteArray("\x7f" "ELF\x02\x01\x01\x00\x00\x00", 10)), "ikke en tekstfil"},
        {big.fileName(), "er for stor"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        ImportReport r;
        EXPECT_FALSE(ImportPriceList(dm.MyConnection, c.path, PriceListLayout(), PriceImportMode::InsertAll, 5, false, r));
        EXPECT_TRUE(r.error.contains(QString::fromUtf8(c.message))) << r.error.toStdString();
    }
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM product WHERE vendor=5"), "0");

    // UTF-8 is read as UTF-8 and said so; overlong lines are skipped.
    ImportReport r;
    const QString utf8 = file("utf8.txt", (priceLine("U1", "Rød kabel", "m", "5", "A") + "\r\n" + QString(3000, 'x') +
                                           "\r\n").toUtf8());
    ASSERT_TRUE(ImportPriceList(dm.MyConnection, utf8, PriceListLayout(), PriceImportMode::InsertAll, 5, false, r));
    EXPECT_EQ(products(), "U1|Rød kabel|5|m|A|5");
    EXPECT_FALSE(r.note.isEmpty());
    EXPECT_EQ(r.skipped, 1);
}

TEST_F(PriceImportTest, DiscountsByGroupAndByProduct)
{
    sql("INSERT INTO product (productcode, productgroup, cost) VALUES ('P1', 'AB', 100), ('P2', 'AB', 100), "
        "('P3', 'CD', 100)");
    const QString path = file("rabatt.txt", JoinCp1252Lines({"000000AB      12,5  G", "000000P3      7     V",
                                                               "000000P3      9"}));
    ImportReport r;
    // The real costs follow the discounts in the import itself.
    ASSERT_TRUE(ImportDiscountList(dm.MyConnection, path, DiscountListLayout(), r));
    EXPECT_EQ(scalar("SELECT GROUP_CONCAT(CONCAT(productcode, ':', discount, ':', real_cost) ORDER BY productcode) FROM "
                     "product WHERE productcode IN ('P1','P2','P3')"),
              "P1:12.5:87.5,P2:12.5:87.5,P3:9:91");
}

TEST_F(PriceImportTest, DiscountsAndTheirCostsAreImportedTogetherOrNotAtAll)
{
    sql("INSERT INTO product (productcode, productgroup, cost, discount, real_cost) VALUES ('R1', 'AB', 100, 0, 100), "
        "('R2', 'AB', 100, 0, 100)");
    // The cost recalculation fails on the second product, after the
    // discounts were written: nothing of the import is kept.
    sql("CREATE TRIGGER refuse BEFORE UPDATE ON product FOR EACH ROW "
        "IF NEW.productcode='R2' AND NEW.real_cost<>OLD.real_cost THEN SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='nei'; "
        "END IF");
    const QString path = file("rabatt.txt", JoinCp1252Lines({"000000AB      20    G"}));
    ImportReport r;
    EXPECT_FALSE(ImportDiscountList(dm.MyConnection, path, DiscountListLayout(), r));
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(scalar("SELECT GROUP_CONCAT(CONCAT(productcode, ':', discount, ':', real_cost) ORDER BY productcode) FROM "
                     "product WHERE productcode IN ('R1','R2')"),
              "R1:0:100,R2:0:100");
    sql("DROP TRIGGER refuse");
    ASSERT_TRUE(ImportDiscountList(dm.MyConnection, path, DiscountListLayout(), r));
    EXPECT_EQ(scalar("SELECT GROUP_CONCAT(CONCAT(productcode, ':', discount, ':', real_cost) ORDER BY productcode) FROM "
                     "product WHERE productcode IN ('R1','R2')"),
              "R1:20:80,R2:20:80");
}

TEST_F(PriceImportTest, PriceUpdateByGroupAndSupplier)
{
    sql("INSERT INTO product (productcode, productgroup, vendor, cost) VALUES ('Q1', 'O''Neil', 5, 200), "
        "('Q2', 'O''Neil', 6, 200), ('Q3', 'Andre', 5, 200)");
    PriceUpdate u;
    u.raiseCost = true;
    u.costPercent = "10";
    u.setDiscount = true;
    u.discount = "2,5";
    u.forGroup = true;
    u.group = "O'Neil";
    u.forVendor = true;
    u.vendorId = 5;
    QStringList values;
    EXPECT_EQ(PriceUpdateStatement(u, &values),
              "UPDATE product SET cost=cost+(cost*(?/100)),discount=? WHERE productgroup=? AND vendor=?");
    QString error;
    EXPECT_EQ(RunPriceUpdate(dm.MyConnection, u, error), 1) << error.toStdString();
    EXPECT_EQ(scalar("SELECT GROUP_CONCAT(CONCAT(productcode, ':', cost, ':', discount) ORDER BY productcode) FROM "
                     "product WHERE productcode LIKE 'Q%'"),
              "Q1:220:2.5,Q2:200:0,Q3:200:0");

    PriceUpdate none;
    none.forVendor = true;
    none.vendorId = 5;
    EXPECT_EQ(RunPriceUpdate(dm.MyConnection, none, error), -1);
    EXPECT_EQ(error, "Ingen endring er valgt.");
    u.discount = "mye";
    EXPECT_EQ(RunPriceUpdate(dm.MyConnection, u, error), -1);
    EXPECT_TRUE(error.contains("er ikke et tall"));
}
