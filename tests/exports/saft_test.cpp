// SAF-T Financial read back by lxml: the chart with balances that follow
// from the postings, customers and suppliers with theirs, VAT codes mapped
// to the standard codes, the period's postings as balanced transactions,
// and the totals, all to the øre.
#include "exports_fixture.h"

#include "data/schemaupgrade.h"
#include "exports/saft.h"

#include <QJsonArray>

namespace {

class SaftTest : public ExportTest {
protected:
    void SetUp() override
    {
        ExportTest::SetUp();
        sql("INSERT INTO company (id, companyname, orgnumber, postalcode, city, vendor) VALUES "
            "(3, 'Nordisk Elektrogrossist AS', '923609016', '0581', 'OSLO', 1)");
        sql("INSERT INTO accounts (account, accountname, vattype) VALUES (1500, 'Kundefordringer', 0), "
            "(1920, 'Bankinnskudd', 0), (2400, 'Leverandørgjeld', 0), (3000, 'Salgsinntekt', 2), "
            "(4300, 'Varekjøp', 1), (6300, 'Leie lokaler', 0)");
        // January (before the period), February (the period), March (after).
        sql("INSERT INTO entries (id, entrydate, from_account, to_account, `sum`, vatcode, vatsum, companyid, "
            "invoiceno, entrytext) VALUES "
            "(1, '2026-01-15', 3000, 1500, 1000, 0, 250, 2, '5001', 'Faktura 5001'),"
            "(2, '2026-02-03', 3000, 1500, 2000, 0, 500, 2, '5002', 'Faktura 5002'),"
            "(3, '2026-02-10', 1500, 1920, 2500, 4, 0, 2, '5001', 'Innbetaling'),"
            "(4, '2026-02-12', 4300, 2400, 800, 2, 96, 3, 'NE-1', 'Varekjøp'),"
            "(5, '2026-02-20', 6300, 1920, -500, 4, 0, 0, '', 'Tilbakebetalt husleie'),"
            "(6, '2026-02-25', 9999, 1920, 10, 4, 0, 0, '', ''),"
            "(7, '2026-02-26', 6300, 1920, 10.005, 4, 0, 0, '', 'Øre'),"
            "(8, '2026-03-01', 3000, 1500, 400, 0, 100, 2, '5003', 'Faktura 5003'),"
            "(9, NULL, 3000, 1500, 77, 0, 0, 2, '', 'Uten dato')");
    }
    SaftOptions february() const
    {
        SaftOptions o;
        o.from = QDate(2026, 2, 1);
        o.to = QDate(2026, 2, 28);
        o.contactName = "Kari Selger";
        return o;
    }
};

QString str(const QJsonValue& v) { return v.toString(); }

} // namespace

TEST_F(SaftTest, PeriodWithOpeningBalancesVatCodesAndParties)
{
    const QString file = path("saft.xml");
    const SaftResult r = WriteSaftFinancial(db->admin(), file, february());
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.transactions, 6);
    EXPECT_EQ(r.skippedUndated, 1);
    const QJsonObject o = checkSaft(file);
    EXPECT_EQ(o.value("transactions").toInt(), 6);
    // 2000 + 2500 + 800 + 500 + 10 + 10.01 on each side.
    EXPECT_EQ(str(o.value("totalDebit")), "5820.01");
    EXPECT_EQ(str(o.value("totalCredit")), "5820.01");

    // Debit positive. January's invoice opens the period; March is not in it.
    const QJsonObject acc = o.value("accounts").toObject();
    auto bal = [&](const char* a) {
        const QJsonArray v = acc.value(QLatin1String(a)).toArray();
        return str(v[0]) + " " + str(v[1]);
    };
    EXPECT_EQ(bal("1500"), "-1000.00 -500.00");
    EXPECT_EQ(bal("3000"), "1000.00 3000.00");
    EXPECT_EQ(bal("1920"), "0.00 -2020.01");  // -2500 + 500 - 10 - 10.01
    EXPECT_EQ(bal("2400"), "0.00 -800.00");
    EXPECT_EQ(bal("6300"), "0.00 -489.99");   // a negative posting turns the sides
    EXPECT_EQ(bal("9999"), "0.00 10.00");     // used, though not in the chart

    // The customer's and supplier's own balances, from the lines on
    // receivables and payables.
    const QJsonArray customer = o.value("customers").toObject().value("2").toArray();
    EXPECT_EQ(str(customer[0]) + " " + str(customer[1]) + " " + str(customer[2]), "-1000.00 -500.00 1500");
    const QJsonArray supplier = o.value("suppliers").toObject().value("3").toArray();
    EXPECT_EQ(str(supplier[1]) + " " + str(supplier[2]), "-800.00 2400");

    // Sales at 25 % are output VAT (code 3), purchases at 12 % input VAT
    // (13), rent without VAT "no VAT treatment" (0).
    const QJsonObject taxes = o.value("taxCodes").toObject();
    EXPECT_EQ(taxes.keys(), QStringList({"I2", "I4", "U0"}));
    EXPECT_EQ(str(taxes.value("U0").toArray()[0]), "3");
    EXPECT_EQ(str(taxes.value("I2").toArray()[0]), "13");
    EXPECT_EQ(str(taxes.value("I2").toArray()[1]), "12");
    EXPECT_EQ(str(taxes.value("I4").toArray()[0]), "0");
}

TEST(SaftCodes, StandardTaxCodes)
{
    const int output[] = {3, 31, 33, 32, 5};
    const int input[] = {1, 11, 13, 12, 0};
    for (int code = 0; code < 5; ++code) {
        EXPECT_EQ(StandardTaxCode(code, true), output[code]);
        EXPECT_EQ(StandardTaxCode(code, false), input[code]);
    }
    EXPECT_EQ(StandardTaxCode(5, true), -1);
    EXPECT_EQ(StandardTaxCode(-1, false), -1);
}

TEST_F(SaftTest, RefusedWithoutWriting)
{
    const QString file = path("saft.xml");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("earlier");
    }
    SaftOptions backwards = february();
    std::swap(backwards.from, backwards.to);
    SaftResult r = WriteSaftFinancial(db->admin(), file, backwards);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.contains("etter til-datoen"));

    setting("Firma_OrgNr", "123");
    r = WriteSaftFinancial(db->admin(), file, february());
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.contains("organisasjonsnummer"));

    setting("Firma_OrgNr", "914823056");
    r = WriteSaftFinancial(db->admin(), path("no/such/folder/saft.xml"), february());
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.contains("Kan ikke skrive filen"));

    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "earlier");
}

// A period without postings still lists the chart, with the balances the
// earlier postings left.
TEST_F(SaftTest, EmptyPeriodKeepsTheBalances)
{
    SaftOptions o;
    o.from = QDate(2026, 6, 1);
    o.to = QDate(2026, 6, 30);
    const QString file = path("june.xml");
    ASSERT_TRUE(WriteSaftFinancial(db->admin(), file, o).ok);
    const QJsonObject j = checkSaft(file);
    EXPECT_EQ(j.value("transactions").toInt(), 0);
    EXPECT_EQ(str(j.value("totalDebit")), "0");
    const QJsonArray a = j.value("accounts").toObject().value("1500").toArray();
    EXPECT_EQ(str(a[0]) + " " + str(a[1]), "-900.00 -900.00");  // -1000 - 2000 + 2500 - 400
}

TEST_F(SaftTest, AdminCommand)
{
    const QString file = path("admin-saft.xml");
    const Run ok = admin({"export", "saft", "--from", "01.02.2026", "--to", "28.02.2026", file});
    ASSERT_EQ(ok.exitCode, 0) << ok.err.toStdString();
    EXPECT_TRUE(ok.out.contains("6 posteringer"));
    EXPECT_EQ(checkSaft(file).value("transactions").toInt(), 6);

    const Run bad = admin({"export", "saft", "--from", "31.02.2026", "--to", "28.02.2026", path("bad.xml")});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains("Ugyldig dato for --from"));
    EXPECT_FALSE(QFile::exists(path("bad.xml")));
    EXPECT_EQ(admin({"export", "saft", "--from", "01.02.2026", file}).exitCode, 2);
}

TEST_F(SaftTest, AdminUpgradeCommand)
{
    sql("ALTER TABLE invoice DROP INDEX kid, DROP COLUMN kid");
    sql("UPDATE kv_schema SET version=1");
    const Run r = admin({"upgrade"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QString now = QString::number(kSchemaVersion);
    EXPECT_TRUE(r.out.contains("versjon " + now + " (oppgradert fra 1)")) << r.out.toStdString();
    EXPECT_EQ(db->admin().scalar("SELECT COUNT(*) FROM information_schema.COLUMNS WHERE TABLE_SCHEMA=DATABASE() "
                                 "AND TABLE_NAME='invoice' AND COLUMN_NAME='kid'"),
              "1");
    EXPECT_TRUE(admin({"upgrade"}).out.contains("er på versjon " + now + "\n"));
}
