// kvarnel-admin's row and document commands, run as a script runs them:
// the built program, its JSON output, its exit status and its messages.
#include "adminrun.h"

#include <QFile>


// Customer, order with two lines, delivery, the lines copied into an invoice,
// the invoice posted: every step through the rules.
TEST_F(AdminScriptTest, OrderToPostedInvoice)
{
    AdminRun r = admin({"row", "insert", "company", "companyname=O'Brien AS", "customer=1", "postalcode=5003"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject company = r.json();
    EXPECT_EQ(company["companyname"].toString(), "O'Brien AS");
    const qint64 companyId = company["id"].toInteger();
    const qint64 demoId = scalar("SELECT id FROM users WHERE username='demo'").toLongLong();
    EXPECT_EQ(company["user"].toInteger(), demoId);  // stamped as the login would

    r = admin({"row", "insert", "orders", QStringLiteral("companyid=%1").arg(companyId), "subject=Kaffe"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QString orderNo = r.json()["ordernumber"].toString();
    const qint64 orderId = r.json()["id"].toInteger();
    EXPECT_EQ(orderNo, QString::number(scalar("SELECT MAX(CAST(ordernumber AS UNSIGNED)) FROM orders").toInt()));

    const QString stockBefore = scalar("SELECT instock FROM product WHERE productcode='300302'");
    r = admin({"row", "insert", "items", QStringLiteral("orderid=%1").arg(orderId), "productcode=300302",
               "itemcount=3", "price=100", "discount=10", "cost=60"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_DOUBLE_EQ(r.json()["sum"].toDouble(), 270);  // computed by the line rule
    EXPECT_DOUBLE_EQ(r.json()["sumcost"].toDouble(), 180);
    r = admin({"row", "insert", "items", QStringLiteral("orderid=%1").arg(orderId), "productcode=900903",
               "itemcount=2", "price=200,50", "VATcode=2"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();

    r = admin({"document", "update", "order", orderNo});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_DOUBLE_EQ(r.json()["ordertotal"].toDouble(), 671);
    EXPECT_DOUBLE_EQ(r.json()["orderVAT"].toDouble(), 270 * 0.25 + 401 * 0.12);

    r = admin({"document", "deliver", orderNo});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(scalar("SELECT instock FROM product WHERE productcode='300302'").toDouble(), stockBefore.toDouble() - 3);
    r = admin({"document", "deliver", orderNo});  // again: nothing more leaves the stock
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(scalar("SELECT instock FROM product WHERE productcode='300302'").toDouble(), stockBefore.toDouble() - 3);

    ASSERT_EQ(admin({"document", "items-copy", "order", orderNo}).status, 0);
    r = admin({"row", "insert", "invoice", QStringLiteral("companyid=%1").arg(companyId), "subject=Kaffe"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QString invoiceNo = r.json()["ordernumber"].toString();
    r = admin({"document", "items-paste", "invoice", invoiceNo});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_GT(r.json()["ordertotal"].toDouble(), 0);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM items i JOIN invoice v ON v.id=i.invoiceid WHERE v.ordernumber='" + invoiceNo + "'"), "2");

    r = admin({"document", "post-invoice", invoiceNo});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.json()["status"].toString(), "Fakturert");
    const QString postings = scalar("SELECT COUNT(*) FROM entries");
    r = admin({"document", "post-invoice", invoiceNo});  // posted once only
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(r.err.isEmpty());
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM entries"), postings);
}

TEST_F(AdminScriptTest, RowGetUpdateDelete)
{
    AdminRun r = admin({"row", "get", "company", "1"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.json().contains("companyname"));
    EXPECT_TRUE(r.json()["inifile"].isNull());

    r = admin({"row", "update", "company", "1", "city=Ålesund"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.json()["city"].toString(), "Ålesund");

    r = admin({"row", "insert", "calendar", "time_from=10.12.2026 08:00", "time_to=2026-12-10 16:00", "subject=Montering"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const qint64 cal = r.json()["id"].toInteger();
    EXPECT_GT(r.json()["hours"].toDouble() + r.json()["hours_50"].toDouble(), 0);  // split by the time rule

    // The delete question is answered no unless --yes is given.
    r = admin({"row", "delete", "calendar", QString::number(cal)});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM calendar WHERE id=%1").arg(cal)), "1");
    r = admin({"row", "delete", "calendar", QString::number(cal), "--yes"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM calendar WHERE id=%1").arg(cal)), "0");
}

TEST_F(AdminScriptTest, BadInputIsRefusedWithNothingWritten)
{
    const QString orders = scalar("SELECT COUNT(*) FROM orders");
    const struct {
        QStringList args;
        const char* message;
    } cases[] = {
        {{"row", "insert", "nosuch", "a=1"}, "Ukjent tabell"},
        {{"row", "insert", "orders", "nosuch=1"}, "Ukjent kolonne"},
        {{"row", "insert", "orders", "ordertotal=mye"}, "Ugyldig verdi"},
        {{"row", "insert", "orders", "orderdate=32.13.2026"}, "Ugyldig verdi"},
        {{"row", "insert", "orders", "subject=" + QString(300, 'x')}, "for lang"},
        {{"row", "insert", "items", "VATcode=9", "productcode=X"}, "MVA"},
        {{"row", "update", "orders", "999999", "subject=x"}, "Finner ikke"},
        {{"row", "get", "orders", "abc"}, "Ugyldig id"},
        {{"document", "deliver", "999999"}, "Finner ikke nummer"},
        {{"document", "update", "nosuchkind", "1"}, "Bruk"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').left(60).toStdString());
        const AdminRun r = admin(c.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM orders"), orders);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM items WHERE productcode='X'"), "0");

    // An unknown login is refused before anything is done.
    const AdminRun r = admin({"row", "insert", "company", "companyname=X", "--login", "ingen"}, false);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("Finner ikke brukeren ingen"));
}

TEST_F(AdminScriptTest, NumbersAreReadAsTheWindowsReadThemAndOptionsAreChecked)
{
    AdminRun r = admin({"row", "insert", "orders", "companyid=1", "subject=Tall"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const qint64 orderId = r.json()["id"].toInteger();
    r = admin({"row", "insert", "items", QStringLiteral("orderid=%1").arg(orderId), "productcode=300302",
               "itemcount=2 000", "price=1 234,50"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_DOUBLE_EQ(r.json()["itemcount"].toDouble(), 2000);
    EXPECT_DOUBLE_EQ(r.json()["price"].toDouble(), 1234.5);
    const QString line = QString::number(r.json()["id"].toInteger());

    // The quantity of a delivery is read the same way.
    r = admin({"document", "deliver-line", line, "1 234,50"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_DOUBLE_EQ(r.json()["itemdelivered"].toDouble(), 1234.5);
    r = admin({"document", "deliver-line", line, "1.234,50"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("Ugyldig antall")) << r.err.toStdString();

    // A misspelt option is refused, not ignored.
    r = admin({"row", "get", "orders", QString::number(orderId), "--databse", "x"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("Ukjent valg: --databse")) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
}

// Price-list and discount imports name the option that is wrong, and take
// only a supplier that is a company of the register.
TEST_F(AdminScriptTest, ImportOptionsAndSupplierAreChecked)
{
    // One line of a price list in the default columns.
    const QString line = "LEV1" + QString("4713001").leftJustified(14) + QString("Kabel").leftJustified(52) +
                         QString("stk") + QString("12,50").rightJustified(9) + "KAB";
    const QString path = home.path() + "/pris.txt";
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(line.toLatin1() + "\r\n");
    }
    AdminRun r = admin({"row", "insert", "company", "companyname=Leverandør"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QString supplier = QString::number(r.json()["id"].toInteger());

    const struct {
        QStringList args;
        int status;
        const char* message;
    } cases[] = {
        {{"import", "pricelist", path, "--option", "3"}, 2, "--option «3» er ugyldig; bruk 0, 1 eller 2."},
        {{"import", "pricelist", path, "--option", "en"}, 2, "--option «en» er ugyldig"},
        {{"import", "pricelist", path, "--layout", "5:7,19:40"}, 2, "--layout «5:7,19:40» er ugyldig: den skal ha 5 felt"},
        {{"import", "pricelist", path, "--layout", "5:7,19:40,74:x,71:3,83:5"}, 2, "«74:x» er ikke posisjon:lengde"},
        {{"import", "discounts", path, "--layout", "0:8,15:5,21:1,7:8"}, 2, "«0:8» er ikke posisjon:lengde"},
        {{"import", "pricelist", path, "--option", "1", "--supplier", "abc"}, 1, "--supplier «abc» er ikke et firmanummer"},
        {{"import", "pricelist", path, "--option", "1", "--supplier", "0"}, 1, "--supplier «0» er ikke et firmanummer"},
        {{"import", "pricelist", path, "--option", "1", "--supplier", "999999"}, 1,
         "Leverandøren 999999 finnes ikke i firmaregisteret."},
        {{"prices", "update", "--discount", "5", "--supplier", "abc"}, 1, "--supplier «abc» er ikke et firmanummer"},
        {{"prices", "update", "--discount", "5", "--supplier", "999999"}, 1, "Leverandøren 999999 finnes ikke"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        r = admin(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM product WHERE productcode='4713001'"), "0");
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM product WHERE discount=5"), "0");

    r = admin({"import", "pricelist", path, "--option", "1", "--supplier", supplier});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(scalar("SELECT CONCAT(vendor, '|', cost) FROM product WHERE productcode='4713001'"), supplier + "|12.5");
}
