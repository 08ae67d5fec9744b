// EHF invoices and credit notes, read back by lxml as a receiver would:
// every mandatory element there and in order, every sum right to the
// øre, the KID and the account to pay to, and the printout inside.
#include "exports_fixture.h"

#include "core/norsk.h"
#include "exports/ehf.h"

#include <QJsonArray>

namespace {

using EhfTest = ExportTest;

QString str(const QJsonObject& o, const char* key) { return o.value(QLatin1String(key)).toString(); }

} // namespace

TEST_F(EhfTest, InvoiceWithThreeVatRatesDiscountAndKid)
{
    setting("KID_Aktiv", "1");
    setting("KID_Lengde", "11");
    setting("KID_Kundesiffer", "5");
    setting("KID_Algoritme", "MOD11");
    invoice("5001");
    // 0.5 x 20.01 = 10.005: rounded once, to 10.01, everywhere in the file.
    line("100", "Kabel 3x1,5", 0.5, 20.01, 0, 0, "m", "4006381333931");
    line("200", "Lampe", 2, 499, 2, 10);
    line("300", "Montasje", 1.5, 745, 4, 0, "timer");

    const QString file = path("F5001.xml");
    const EhfResult r = ExportInvoiceAsEhf(dm, file);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_FALSE(r.creditNote);
    const QJsonObject o = checkEhf(file, path("attached.pdf"));
    EXPECT_EQ(str(o, "type"), "Invoice");
    EXPECT_EQ(str(o, "number"), "5001");
    EXPECT_EQ(str(o, "issueDate"), "2026-11-04");
    EXPECT_EQ(str(o, "dueDate"), "2026-11-18");
    EXPECT_EQ(str(o, "seller"), "914823056");
    EXPECT_EQ(str(o, "sellerVat"), "NO914823056MVA");
    EXPECT_TRUE(o.value("enterpriseRegister").toBool());
    EXPECT_EQ(str(o, "buyer"), "974760673");
    EXPECT_EQ(str(o, "buyerReference"), "Per Innkjøper");
    EXPECT_EQ(str(o, "account"), "22501147382");

    // 10.01 + 898.20 + 1117.50; VAT 2.50 (25 %) + 107.78 (12 %) + 0 (Z).
    EXPECT_EQ(str(o, "lineTotal"), "2025.71");
    EXPECT_EQ(str(o, "taxTotal"), "110.28");
    EXPECT_EQ(str(o, "payable"), "2135.99");
    QStringList cats;
    for (const QJsonValue& c : o.value("categories").toArray())
        cats << str(c.toObject(), "category") + str(c.toObject(), "percent") + ":" + str(c.toObject(), "taxable") + "/" +
                    str(c.toObject(), "tax");
    EXPECT_EQ(cats, QStringList({"S25:10.01/2.50", "S12:898.20/107.78", "Z0:1117.50/0.00"}));
    const QJsonArray lines = o.value("lines").toArray();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(str(lines[0].toObject(), "unit"), "MTR");
    EXPECT_EQ(str(lines[1].toObject(), "price"), "449.1");  // 499 less 10 %
    EXPECT_EQ(str(lines[2].toObject(), "unit"), "HUR");

    // The KID was made (customer 10002, invoice 05001, MOD11), stored and sent.
    const QString kid = db->admin().scalar("SELECT kid FROM invoice WHERE id=1");
    EXPECT_TRUE(kid.startsWith("1000205001"));
    EXPECT_TRUE(KidValid(kid, KidAlgorithm::Mod11));
    EXPECT_EQ(str(o, "kid"), kid);

    // The attachment is the invoice's printout, with the same payment details.
    const QString pdf = pdfText(path("attached.pdf"));
    EXPECT_TRUE(pdf.contains("FAKTURA"));
    EXPECT_TRUE(pdf.contains(QRegularExpression("KID:\\s+" + kid))) << pdf.toStdString();
    EXPECT_TRUE(pdf.contains("NO 914823056 MVA"));
    EXPECT_TRUE(pdf.contains("2135.99"));
}

TEST_F(EhfTest, NegativeInvoiceIsACreditNoteWithPositiveAmounts)
{
    invoice("5002");
    line("200", "Lampe returnert", -2, 499, 0);
    line("900", "Returgebyr", 1, 100, 0);
    const QString file = path("F5002.xml");
    const EhfResult r = ExportInvoiceAsEhf(dm, file);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_TRUE(r.creditNote);
    const QJsonObject o = checkEhf(file);
    EXPECT_EQ(str(o, "type"), "CreditNote");
    EXPECT_EQ(str(o, "lineTotal"), "898.00");
    EXPECT_EQ(str(o, "taxTotal"), "224.50");
    EXPECT_EQ(str(o, "payable"), "1122.50");
    EXPECT_EQ(str(o, "dueDate"), "2026-11-18");
    const QJsonArray lines = o.value("lines").toArray();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(str(lines[0].toObject(), "quantity"), "2");
    EXPECT_EQ(str(lines[0].toObject(), "amount"), "998.00");
    EXPECT_EQ(str(lines[1].toObject(), "amount"), "-100.00");  // the fee lowers the credit
    // Without KID switched on the invoice gets none.
    EXPECT_EQ(str(o, "kid"), QString());
    EXPECT_EQ(db->admin().scalar("SELECT kid FROM invoice WHERE id=1"), "");
}

TEST_F(EhfTest, FixedPriceInvoiceIsOneLineAtThatPrice)
{
    invoice("5003", "pricelock, lockedprice, pricelocktext, vatcode", "1, 5000, 'Fastpris montasje', 0");
    line("100", "Kabel", 10, 12.5);
    line("300", "Montasje", 8, 745);
    const QString file = path("F5003.xml");
    ASSERT_TRUE(ExportInvoiceAsEhf(dm, file).ok);
    const QJsonObject o = checkEhf(file);
    const QJsonArray lines = o.value("lines").toArray();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(str(lines[0].toObject(), "name"), "Fastpris montasje");
    EXPECT_EQ(str(o, "payable"), "6250.00");
}

TEST_F(EhfTest, SellerOutsideTheVatRegister)
{
    setting("Firma_MVARegistrert", "0");
    invoice("5004");
    line("300", "Montasje", 2, 600, 4);
    const QString file = path("F5004.xml");
    ASSERT_TRUE(ExportInvoiceAsEhf(dm, file).ok);
    const QJsonObject o = checkEhf(file);
    EXPECT_TRUE(o.value("sellerVat").isNull());
    EXPECT_EQ(str(o.value("categories").toArray()[0].toObject(), "category"), "O");
    EXPECT_EQ(str(o, "payable"), "1200.00");

    // A line with VAT cannot go out from a company that charges none.
    line("100", "Kabel", 1, 10, 0);
    QFile::remove(file);
    const EhfResult r = ExportInvoiceAsEhf(dm, file);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.contains("ikke registrert i Merverdiavgiftsregisteret")) << r.error.toStdString();
    EXPECT_FALSE(QFile::exists(file));
}

// Each of these is refused with a reason, and nothing is written: an
// earlier file of the same name stays as it was.
namespace {

struct Refusal {
    const char* name;
    const char* statement;  // run on the invoice of one line (or null)
    const char* key;        // a setting changed (or null)
    const char* value;
    const char* reason;
};
const Refusal kRefusals[] = {
    {"buyer's number fails its check digit", "UPDATE company SET orgnumber='974 760 674' WHERE id=2", nullptr, nullptr,
     "ikke gyldig organisasjonsnummer"},
    {"buyer without a number", "UPDATE company SET orgnumber='' WHERE id=2", nullptr, nullptr,
     "ikke gyldig organisasjonsnummer"},
    {"seller's number invalid", nullptr, "Firma_OrgNr", "914 823 057", "Firmaets organisasjonsnummer"},
    {"seller without a name", nullptr, "Firma_Navn", "", "Firmanavnet mangler"},
    {"no lines", "DELETE FROM items", nullptr, nullptr, "ingen varelinjer"},
    {"company deleted", "DELETE FROM company", nullptr, nullptr, "ingen kunde"},
    {"VAT code out of range", "UPDATE items SET VATcode=7", nullptr, nullptr, "ugyldig MVA-kode 7"},
    {"KID cannot be made", "UPDATE company SET custno='K-2' WHERE id=2", "KID_Aktiv", "1", "er ikke et tall"},
};

} // namespace

class EhfRefusal : public ExportTest, public ::testing::WithParamInterface<size_t> {};

TEST_P(EhfRefusal, WritesNothing)
{
    const Refusal& c = kRefusals[GetParam()];
    SCOPED_TRACE(c.name);
    invoice("5005");
    line("100", "Kabel", 2, 50);
    if (c.statement) sql(QString::fromUtf8(c.statement));
    if (c.key) setting(QString::fromUtf8(c.key), QString::fromUtf8(c.value));
    const QString file = path("F5005.xml");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("earlier");
    }
    const EhfResult r = ExportInvoiceAsEhf(dm, file);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.contains(QString::fromUtf8(c.reason))) << r.error.toStdString();
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "earlier");
}

INSTANTIATE_TEST_SUITE_P(Cases, EhfRefusal, ::testing::Range(size_t(0), std::size(kRefusals)));

TEST_F(EhfTest, AdminCommandWritesTheInvoice)
{
    setting("KID_Aktiv", "1");
    setting("KID_Lengde", "12");
    invoice("5006");
    line("100", "Kabel", 4, 12.5);
    const QString file = path("admin.xml");
    const Run ok = admin({"export", "ehf", "5006", file});
    ASSERT_EQ(ok.exitCode, 0) << ok.err.toStdString();
    EXPECT_TRUE(ok.out.contains("Skrev EHF-faktura 5006"));
    const QJsonObject o = checkEhf(file);
    EXPECT_EQ(str(o, "payable"), "62.50");
    EXPECT_EQ(str(o, "kid"), db->admin().scalar("SELECT kid FROM invoice WHERE id=1"));
    EXPECT_GT(o.value("pdfBytes").toInt(), 1000);

    const Run missing = admin({"export", "ehf", "9999", path("none.xml")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("Finner ikke faktura 9999"));
    EXPECT_FALSE(QFile::exists(path("none.xml")));
    EXPECT_EQ(admin({"export", "ehf", "5006"}).exitCode, 2);
}

TEST(EhfCodes, GtinAndUnits)
{
    EXPECT_TRUE(IsGtin("4006381333931"));
    EXPECT_TRUE(IsGtin("96385074"));         // EAN-8
    EXPECT_TRUE(IsGtin("036000291452"));     // UPC-A
    EXPECT_FALSE(IsGtin("4006381333932"));
    EXPECT_FALSE(IsGtin("400638133393"));    // 12 digits, wrong check digit
    EXPECT_FALSE(IsGtin("40063813339x1"));
    EXPECT_FALSE(IsGtin(""));
    EXPECT_EQ(UnitCode("Stk."), "EA");
    EXPECT_EQ(UnitCode("TIM"), "HUR");
    EXPECT_EQ(UnitCode("m²"), "MTK");
    EXPECT_EQ(UnitCode("fat"), "EA");
    EXPECT_EQ(EhfFileName("5001"), "F5001.xml");
    EXPECT_EQ(EhfFileName("../x"), "F.._x.xml");
}
