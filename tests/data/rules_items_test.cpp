// Item lines from products, from time registrations and through the
// clipboard file; calendar entries from standard jobs.
#include "rules_fixture.h"

#include "core/cp1252.h"
#include "core/felles.h"
#include "data/itemcopy.h"

#include <QDir>
#include <QFile>

namespace {

class ItemCopyTest : public RulesTest {
protected:
    void SetUp() override
    {
        RulesTest::SetUp();
        SetTrelvoPath("tmp", qEnvironmentVariable("APPDATA") + "/Trelvo/tmp/");
        sql("INSERT INTO orders (id, ordernumber) VALUES (1, '1'), (2, '2')");
        sql("INSERT INTO product (productcode, producttext, price, real_cost, piece, user_favorite) VALUES "
            "('ØL-1', 'Øl, mørk', 30, 20, 'STK', 1), ('BRØD', 'Brød grovt', 40, 25, 'STK', 1), "
            "('KAKE', 'Kake', 100, 60, 'STK', 1), ('A,B', 'Med komma', 5, 3, 'STK', 1), "
            "('HEMMELIG', 'Ingen favoritt', 9, 9, 'STK', 0)");
        ASSERT_TRUE(dm.ProductTable.open());
        ASSERT_TRUE(dm.OrderTable.open());
    }
    void showOrder(int id)
    {
        ASSERT_TRUE(dm.OrderTable.locate("id", id));
        CurrentOrderID = id;
        Items_WHERE = "orderid=" + QString::number(id);
        dm.ItemsSQLSelect();
        ASSERT_TRUE(dm.ItemsQuery.isOpen());
    }
    QString lines(int order)
    {
        return scalar(QStringLiteral("SELECT GROUP_CONCAT(CONCAT_WS('|', productcode, itemcount, price, cost) "
                                     "ORDER BY id) FROM items WHERE orderid=%1")
                          .arg(order));
    }
};

} // namespace

TEST_F(ItemCopyTest, CopyAndPasteThroughItemsFileWithNorwegianLetters)
{
    sql("INSERT INTO items (orderid, productcode, itemcount, price, cost, date) VALUES "
        "(1, 'ØL-1', 3, 1, 1, '2024-01-01'), (1, 'BRØD', 1.5, 1, 1, '2024-01-02'), (1, 'KAKE', 2, 1, 1, '2024-01-03')");
    showOrder(1);
    ASSERT_TRUE(CopyItemsToFile(dm));
    EXPECT_TRUE(ItemsTempFile().endsWith("/tmp/Items.TXT"));
    QFile f(ItemsTempFile());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), ToCp1252(QString::fromUtf8("ØL-1,3\r\nBRØD,1.5\r\nKAKE,2\r\n")));
    f.close();

    // Pasted after a copy, each line comes back as it was, whatever the
    // product register says today.
    sql("UPDATE items SET discount=10, VATcode=2, piece='KASSE', producttext='Øl til kurset' WHERE productcode='ØL-1'");
    showOrder(1);
    ASSERT_TRUE(CopyItemsToFile(dm));
    sql("UPDATE product SET price=35 WHERE productcode='ØL-1'");
    ASSERT_TRUE(dm.ProductTable.refresh());
    showOrder(2);
    EXPECT_EQ(PasteItemsFromFile(dm), 3);
    EXPECT_EQ(lines(2), QString::fromUtf8("ØL-1|3|1|1,BRØD|1.5|1|1,KAKE|2|1|1"));
    EXPECT_EQ(scalar("SELECT CONCAT_WS('|', producttext, piece, discount, VATcode, `sum`) FROM items WHERE orderid=2 "
                     "AND productcode='ØL-1'"),
              QString::fromUtf8("Øl til kurset|KASSE|10|2|2.7"));
    EXPECT_TRUE(QFile::exists(ItemsTempFile()));

    // A clipboard file written since by another program (same two fields)
    // is pasted from the product register at today's prices.
    sql("DELETE FROM items WHERE orderid=2");
    ASSERT_EQ(WriteCp1252Lines(ItemsTempFile(), {QString::fromUtf8("ØL-1,3"), QString::fromUtf8("BRØD,1.5"), "KAKE,4"}), 0);
    showOrder(2);
    EXPECT_EQ(PasteItemsFromFile(dm), 3);
    EXPECT_EQ(lines(2), QString::fromUtf8("ØL-1|3|35|20,BRØD|1.5|40|25,KAKE|4|100|60"));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM items WHERE orderid=2 AND producttext='Øl, mørk' AND piece='STK'"), "1");
}

TEST_F(ItemCopyTest, PasteSkipsWhatItCannotFind)
{
    // A code with a comma, a non-favourite (the product dataset carries its
    // favourites filter), an unknown code, a quantity that is no number, a
    // quantity with a decimal comma and a blank line.
    ASSERT_EQ(WriteCp1252Lines(ItemsTempFile(), {"A,B,4", "HEMMELIG,1", "UKJENT,1", "BRØD,mange", "KAKE,1,5", ""}), 0);
    showOrder(2);
    EXPECT_EQ(PasteItemsFromFile(dm), 3);
    EXPECT_EQ(lines(2), QString::fromUtf8("A,B|4|5|3,BRØD|0|40|25,KAKE|1.5|100|60"));
}

TEST_F(ItemCopyTest, PasteWithoutFileTellsTheUser)
{
    QFile::remove(ItemsTempFile());
    showOrder(2);
    EXPECT_EQ(PasteItemsFromFile(dm), -1);
    EXPECT_TRUE(dialogs.lastMessage().startsWith(QString::fromUtf8("Feil under åpning av ")));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM items"), "0");
}

TEST_F(ItemCopyTest, DeleteItemsAsksPerLineAndStopsAtNo)
{
    struct Case {
        int start;
        std::deque<bool> answers;
        int asked;
        QString left;
    } cases[] = {
        {0, {true, true, true}, 3, ""},
        {1, {true, false}, 2, "ØL-1,KAKE"},
        {2, {true}, 1, "ØL-1,BRØD"},
        {0, {false}, 1, "ØL-1,BRØD,KAKE"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        sql("DELETE FROM items");
        sql("INSERT INTO items (orderid, productcode, date) VALUES (1, 'ØL-1', '2024-01-01'), "
            "(1, 'BRØD', '2024-01-02'), (1, 'KAKE', '2024-01-03')");
        showOrder(1);
        ASSERT_TRUE(dm.ItemsQuery.moveTo(c.start));
        dialogs.questions.clear();
        dialogs.yesNoAnswers = c.answers;
        DeleteItems(dm);
        EXPECT_EQ(dialogs.questions.size(), c.asked);
        EXPECT_EQ(scalar("SELECT IFNULL(GROUP_CONCAT(productcode ORDER BY id),'') FROM items"), c.left);
    }
}

TEST_F(ItemCopyTest, ProductToLine)
{
    showOrder(1);
    LastMark = "Kjøkken";
    ASSERT_TRUE(dm.ProductTable.locate("productcode", "KAKE"));
    ASSERT_TRUE(CopyProductToItems(dm, true, 4));
    EXPECT_EQ(scalar("SELECT CONCAT_WS('|', orderid, productcode, producttext, itemcount, price, cost, piece, mark, "
                     "`sum`, sumcost) FROM items"),
              QString::fromUtf8("1|KAKE|Kake|4|100|60|STK|Kjøkken|400|240"));
    // On the current line a quantity already there is kept and the mark too.
    dm.ItemsQuery.setValue("mark", "Bad");
    ASSERT_TRUE(dm.ItemsQuery.post());
    ASSERT_TRUE(dm.ProductTable.locate("productcode", "BRØD"));
    ASSERT_TRUE(CopyProductToItems(dm, false, 9));
    EXPECT_EQ(scalar("SELECT CONCAT_WS('|', productcode, itemcount, price, mark) FROM items"),
              QString::fromUtf8("BRØD|4|40|Bad"));
    EXPECT_EQ(LastMark, "Bad");
}

// ---- time registrations into orders ---------------------------------------------

class BillingTest : public ItemCopyTest {
protected:
    void SetUp() override
    {
        ItemCopyTest::SetUp();
        SetRegStr("Arbeid_Timepris", "650,50");
        SetRegStr("Arbeid_Kostpris", "400");
        dm.CalendarTable.setFilter(QString());
        showOrder(2);
    }
    void registration(int status, int readOrder, int timeType)
    {
        sql(QStringLiteral("INSERT INTO calendar (time_from, time_to, subject, hours, hours_50, hours_100, status, "
                           "read_order, timetype) VALUES ('2024-03-18 07:00:00', '2024-03-18 17:00:00', 'Montering', "
                           "7.5, 2, 0, %1, %2, %3)")
                .arg(status)
                .arg(readOrder)
                .arg(timeType));
        ASSERT_TRUE(dm.CalendarTable.open());
    }
};

TEST_F(BillingTest, DoneHoursBecomeAnOrderLineOnce)
{
    registration(20, 0, 1);
    ASSERT_TRUE(CopyCalendarToItems(dm, "Uke 12"));
    EXPECT_EQ(scalar("SELECT CONCAT_WS('|', orderid, productcode, producttext, itemcount, piece, price, cost, mark, "
                     "`sum`) FROM items"),
              "2|18.03.2024|Montering|9.5|TIM|650.5|400|Uke 12|6179.75");
    EXPECT_EQ(scalar("SELECT CONCAT(read_order,'/',orderid) FROM calendar"), "1/2");
    EXPECT_EQ(dm.CalendarTable.asInt("read_order"), 1);
    EXPECT_FALSE(CopyCalendarToItems(dm, "Uke 12"));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM items"), "1");
}

TEST_F(BillingTest, OnlyDoneBillableUnenteredHoursAreBilled)
{
    struct Case {
        int status, readOrder, timeType;
        bool billed;
    } cases[] = {
        {20, 0, 1, true},   {20, 0, 3, true},   {20, 0, 11, true},  {20, 0, -1, true}, {25, 0, 1, true},
        {20, 0, 0, false},  {20, 0, 2, false},  {20, 0, 4, false},  {20, 0, 10, false},
        {20, 0, 16, false},  // absence
        {19, 0, 1, false},  {20, 1, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.status) + "/" + std::to_string(c.readOrder) + "/" + std::to_string(c.timeType));
        sql("DELETE FROM calendar");
        sql("DELETE FROM items");
        registration(c.status, c.readOrder, c.timeType);
        EXPECT_EQ(CopyCalendarToItems(dm, "M"), c.billed);
        EXPECT_EQ(scalar("SELECT COUNT(*) FROM items"), c.billed ? "1" : "0");
    }
}

TEST_F(BillingTest, HoursBilledOnAnotherWorkstationAreNotBilledAgain)
{
    registration(20, 0, 1);
    TDatabaseModule other;
    ASSERT_TRUE(other.MyConnection.open(db->params()));
    ASSERT_TRUE(other.OrderTable.open());
    ASSERT_TRUE(other.OrderTable.locate("id", 2));
    other.CalendarTable.setFilter(QString());
    ASSERT_TRUE(other.CalendarTable.open());
    other.ItemsSQLSelect();
    ASSERT_TRUE(CopyCalendarToItems(other, "A"));
    EXPECT_FALSE(CopyCalendarToItems(dm, "B"));
    EXPECT_EQ(scalar("SELECT GROUP_CONCAT(mark) FROM items"), "A");
    EXPECT_EQ(dm.CalendarTable.asInt("read_order"), 1);
}

// ---- standard jobs into the calendar ------------------------------------------------

TEST_F(ItemCopyTest, StandardJobBecomesCalendarEntry)
{
    SetRegStr("Arbeid_ArbeidsTidSlutt", "16:00");
    sql("INSERT INTO jobs (subject, hours, location, allday, outdoor, userid, persons, projectid, systemid, assetid, "
        "external_contact, external_company, object_text, day_interval) VALUES ('Service', 0, 'Verksted', 0, 1, 9, "
        "'OH, KL', 3, 4, 5, 6, 7, 'Sjekk filter', 7)");
    dm.JobSQLSelect();
    ASSERT_TRUE(dm.CalendarTable.open());
    ASSERT_TRUE(CopyJobToCalendar(dm, true, true));
    EXPECT_EQ(scalar("SELECT CONCAT_WS('|', job=(SELECT id FROM jobs), subject, location, outdoor, userid, persons, "
                     "projectid, systemid, assetid, external_contact, external_company, object_text, event_type) "
                     "FROM calendar"),
              "1|Service|Verksted|1|9|OH, KL|3|4|5|6|7|Sjekk filter|1028");
    EXPECT_EQ(scalar("SELECT time_from=DATE_ADD(CURDATE(), INTERVAL 7 DAY) FROM calendar"), "1");

    ASSERT_TRUE(CopyJobToCalendar(dm, true, false));
    EXPECT_EQ(scalar("SELECT ABS(TIMESTAMPDIFF(SECOND, time_from, NOW())) < 60 FROM calendar ORDER BY id DESC LIMIT 1"),
              "1");
}
