// The product register's rules: check digit, search text, warehouses,
// stock by one unit and for the whole register, EAN generation and the
// copy of every listed product onto a purchase order.
#include "products_fixture.h"

#include "data/itemcopy.h"
#include "data/productrules.h"
#include "data/recorddefaults.h"

TEST(Gs1CheckDigit, DigitsFromTheRightWeightedThreeAndOne)
{
    struct Case {
        const char* code;
        const char* full;
    };
    const Case cases[] = {
        {"123456789012", "1234567890128"},  // EAN-13
        {"9638507", "96385074"},            // EAN-8
        {"", "0"},
        {"0", "00"},
        {"400638133393", "4006381333931"},
        {"ABC", "ABC4"},  // letters count by their code minus '0': 19*3 + 18 + 17*3 = 126
    };
    for (const Case& c : cases) EXPECT_EQ(WithCheckDigit(c.code), QString::fromLatin1(c.full)) << c.code;
}

TEST(ProductSearch, RangesNeedTwoWholeNumbersOfAtLeastOne)
{
    struct Case {
        const char* text;
        bool range;
        const char* from;
        const char* to;
    };
    const Case cases[] = {
        {"100-200", true, "100", "200"}, {"12 - 34", true, "12", "34"}, {"A-200", false, "", ""},
        {"0-5", false, "", ""},          {"-5", false, "", ""},         {"100-", false, "", ""},
        {"5-3-1", false, "", ""},        {"100", false, "", ""},
    };
    for (const Case& c : cases) {
        QString from, to;
        EXPECT_EQ(IsFromToNumber(c.text, &from, &to), c.range) << c.text;
        if (c.range) {
            EXPECT_EQ(from, c.from);
            EXPECT_EQ(to, c.to);
        }
    }
}

class ProductRulesTest : public ProductsTest {
protected:
    void SetUp() override
    {
        ProductsTest::SetUp();
        products().setFilter(QString());
    }
};

TEST_F(ProductRulesTest, SearchTextFiltersCodesAsTextAndNeverBreaksTheFilter)
{
    addProduct("99", "Nittini");
    addProduct("100", "Hundre");
    addProduct("1000", "Tusen");
    addProduct("150", "Hundre og femti");
    addProduct("200", "To hundre");
    addProduct("201", "To hundre og en");
    addProduct("A-200", "Bokstavkode");
    addProduct("X1", "O'Brien kabel", "", "vendorid='LEV-9'");
    addProduct("X2", R"(Sti C:\data\fil)");
    addProduct("X3", "Hundre prosent", "100%");
    struct Case {
        const char* text;
        QStringList codes;
    };
    const Case cases[] = {
        {"100-200", {"100", "1000", "150", "200"}},
        {"12 - 34", {"150", "200", "201"}},
        {"A-200", {"A-200"}},
        {"O'Brien", {"X1"}},
        {"LEV-9", {"X1"}},
        {R"(C:\data)", {"X2"}},
        {"' OR '1'='1", {}},
        {"100%", {"100", "1000", "X3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        products().setFilter(ProductSearchCondition(QString::fromUtf8(c.text)));
        ASSERT_TRUE(products().open()) << products().lastError().toStdString();
        EXPECT_EQ(codes(), c.codes);
    }
    EXPECT_TRUE(ProductSearchCondition(QString()).isEmpty());
}

TEST_F(ProductRulesTest, WarehouseTablesMustHaveEveryProductColumn)
{
    sql("CREATE TABLE lager2 LIKE product");
    sql("CREATE TABLE halvlager (id INT PRIMARY KEY, productcode VARCHAR(40))");
    struct Case {
        const char* name;
        bool ok;
    };
    const Case cases[] = {{"product", true}, {"lager2", true}, {"halvlager", false}, {"company", false},
                          {"finnesikke", false}, {"lager2`; DROP TABLE product; --", false}, {"", false}};
    for (const Case& c : cases) {
        QString error;
        EXPECT_EQ(IsWarehouseTable(dm->MyConnection, c.name, &error), c.ok) << c.name << " " << error.toStdString();
        if (!c.ok) {
            EXPECT_FALSE(error.isEmpty());
        }
    }
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM information_schema.TABLES WHERE TABLE_SCHEMA=DATABASE() AND "
                     "TABLE_NAME='product'"),
              "1");
}

TEST_F(ProductRulesTest, StockByOneAddsOnTheServerNeverOverAStaleRow)
{
    addProduct("500", "Lampe", "", "instock=10");
    openAll();
    ASSERT_TRUE(products().locate("productcode", "500"));
    // Another workstation takes out 4 after this list read the row.
    sql("UPDATE product SET instock=instock-4 WHERE productcode='500'");
    ASSERT_TRUE(ChangeStockByOne(*dm, 1));
    EXPECT_EQ(scalar("SELECT instock FROM product WHERE productcode='500'"), "7");
    EXPECT_EQ(products().asFloat("instock"), 7.0);  // the row is read back
    EXPECT_FALSE(scalar("SELECT lastorder FROM product WHERE productcode='500'").isEmpty());
    EXPECT_TRUE(scalar("SELECT lastsale FROM product WHERE productcode='500'").isEmpty());

    sql("UPDATE product SET instock=0 WHERE productcode='500'");
    ASSERT_TRUE(ChangeStockByOne(*dm, -1));
    ASSERT_TRUE(ChangeStockByOne(*dm, -1));
    EXPECT_EQ(scalar("SELECT instock FROM product WHERE productcode='500'"), "-2");
    EXPECT_FALSE(scalar("SELECT lastsale FROM product WHERE productcode='500'").isEmpty());
}

TEST_F(ProductRulesTest, StockStatementsWorkOnTheShownWarehouse)
{
    addProduct("500", "Lampe", "", "instock=10, inrecentstock=3");
    sql("CREATE TABLE lager2 LIKE product");
    sql("INSERT INTO lager2 SELECT * FROM product");
    sql("UPDATE lager2 SET instock=20");
    products().close();
    ASSERT_TRUE(products().setTableName("lager2"));
    openAll();
    ASSERT_TRUE(products().locate("productcode", "500"));

    ASSERT_TRUE(ChangeStockByOne(*dm, 1));
    EXPECT_EQ(scalar("SELECT instock FROM lager2"), "21");
    ASSERT_TRUE(ResetStock(*dm, StockReset::SetAsCounted));
    EXPECT_EQ(scalar("SELECT inrecentstock FROM lager2"), "21");
    ASSERT_TRUE(ResetStock(*dm, StockReset::SetToZero));
    EXPECT_EQ(scalar("SELECT instock FROM lager2"), "0");
    ASSERT_TRUE(ResetStock(*dm, StockReset::BackToCounted));
    EXPECT_EQ(scalar("SELECT instock FROM lager2"), "21");
    // The standard warehouse was never touched.
    EXPECT_EQ(scalar("SELECT CONCAT(instock, '/', inrecentstock) FROM product"), "10/3");
    EXPECT_EQ(StockResetStatement(StockReset::SetToZero, "lager2"), "UPDATE `lager2` SET instock=0");
}

TEST_F(ProductRulesTest, GenerateEanFillsOnlyEmptyEansOfTheListAndKeepsTheSaveRule)
{
    addProduct("123456789012", "Med tom EAN", "", "cost=100, addpercent=25, discount=10, freight=5, value=0");
    addProduct("9638507", "Kort kode");
    addProduct("777", "Har EAN", "", "EAN='7000000000001', cost=100, addpercent=25, price=1");
    addProduct("888", "Utenfor filteret", "Annet");
    addProduct(QString(40, '4'), "For lang kode");
    products().setFilter("productgroup<>'Annet'");
    openAll();
    products().first();
    int skipped = 0;
    EXPECT_EQ(GenerateEAN(*dm, &skipped), 2);
    EXPECT_EQ(skipped, 1);
    auto ean = [this](const QString& code) {
        return scalar("SELECT EAN FROM product WHERE productcode='" + code + "'");
    };
    EXPECT_EQ(ean("123456789012"), "1234567890128");
    EXPECT_EQ(ean("9638507"), "96385074");
    EXPECT_EQ(ean("777"), "7000000000001");
    EXPECT_EQ(ean("888"), "");
    EXPECT_EQ(ean(QString(40, '4')), "");
    // The save rule ran: price from the mark-up, real cost, value 100.
    EXPECT_EQ(scalar("SELECT CONCAT(price, '/', real_cost, '/', value) FROM product WHERE productcode='123456789012'"),
              "125/95/100");
    // A product that kept its EAN was not saved.
    EXPECT_EQ(scalar("SELECT price FROM product WHERE productcode='777'"), "1");
    EXPECT_EQ(products().recNo(), products().recordCount() - 1);
}

TEST_F(ProductRulesTest, SaveRuleAssignmentsMatchTheRecordRule)
{
    // The set-based rule and the one a saved record runs agree.
    addProduct("1", "A", "", "cost=80, discount=12.5, freight=3, direct_cost=2, addpercent=40, addsum=7, minstock=9");
    sql("UPDATE product SET " + ProductSaveRuleAssignments(0, 0));
    const QString server = scalar("SELECT CONCAT(real_cost, '/', price, '/', maxstock) FROM product");
    sql("UPDATE product SET real_cost=0, price=0, maxstock=0");
    openAll();
    ASSERT_TRUE(products().edit());
    ASSERT_TRUE(products().setValue("cost", 80.0));
    ASSERT_TRUE(products().post());
    EXPECT_EQ(scalar("SELECT CONCAT(real_cost, '/', price, '/', maxstock) FROM product"), server);
    EXPECT_EQ(server, "75/119/9");
}

TEST_F(ProductRulesTest, CopyAllForOrderingUsesTheServersStockAndSkipsNothingToOrder)
{
    addProduct("1", "Mangler 5", "", "maxstock=10, instock=5");
    addProduct("2", "Fullt", "", "maxstock=10, instock=10");
    addProduct("3", "Overfylt", "", "maxstock=10, instock=12");
    addProduct("4", "Blir fylt", "", "maxstock=10, instock=2");
    sql("INSERT INTO po (id, ordernumber) VALUES (7, '3001')");
    openAll();
    // Goods received elsewhere after the list was read.
    sql("UPDATE product SET instock=10 WHERE productcode='4'");
    CurrentPOID = 7;
    Items_WHERE = "poid=7";
    dm->ItemsSQLSelect();
    ASSERT_TRUE(dm->ItemsQuery.isOpen());
    EXPECT_EQ(CopyAllForOrdering(*dm), 1);
    EXPECT_EQ(scalar("SELECT GROUP_CONCAT(CONCAT(productcode, ':', itemcount)) FROM items WHERE poid=7"), "1:5");
}
