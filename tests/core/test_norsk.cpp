// KID, organisation-number and due-date rules, checked against numbers
// known from outside the program: the classic Luhn example, a valid
// Norwegian bank account (MOD11, the same weights as a KID), and
// organisation numbers of real registered enterprises.
#include "core/norsk.h"

#include <gtest/gtest.h>

namespace {

struct CheckCase {
    const char* digits;
    KidAlgorithm algorithm;
    char expected;  // 0: no check digit (refused)
};

const CheckCase kCheckDigits[] = {
    {"7992739871", KidAlgorithm::Mod10, '3'},   // the textbook Luhn number 79927398713
    {"0", KidAlgorithm::Mod10, '0'},
    {"1", KidAlgorithm::Mod10, '8'},            // 1*2 = 2 -> 8
    {"5", KidAlgorithm::Mod10, '9'},            // 5*2 = 10 -> 1+0 = 1 -> 9
    {"8601111794", KidAlgorithm::Mod11, '7'},   // bank account 8601.11.17947
    {"1", KidAlgorithm::Mod11, '9'},            // 1*2 = 2 -> 11-2
    {"6", KidAlgorithm::Mod11, '-'},            // 6*2 = 12, remainder 1 -> '-'
    {"0", KidAlgorithm::Mod11, '0'},
    {"", KidAlgorithm::Mod10, 0},
    {"12a4", KidAlgorithm::Mod10, 0},
    {"12 4", KidAlgorithm::Mod11, 0},
    {"١٢", KidAlgorithm::Mod10, 0},            // digits of another script are not KID digits
};

} // namespace

TEST(Kid, CheckDigitTable)
{
    for (const CheckCase& c : kCheckDigits) {
        SCOPED_TRACE(QString::fromUtf8(c.digits).toStdString());
        const QChar got = KidCheckDigit(QString::fromUtf8(c.digits), c.algorithm);
        if (c.expected == 0)
            EXPECT_TRUE(got.isNull());
        else
            EXPECT_EQ(got, QLatin1Char(c.expected));
    }
}

TEST(Kid, ValidityOfWholeKids)
{
    EXPECT_TRUE(KidValid("79927398713", KidAlgorithm::Mod10));
    EXPECT_FALSE(KidValid("79927398713", KidAlgorithm::Mod11));
    EXPECT_FALSE(KidValid("79927398710", KidAlgorithm::Mod10));
    EXPECT_TRUE(KidValid("86011117947", KidAlgorithm::Mod11));
    EXPECT_TRUE(KidValid("6-", KidAlgorithm::Mod11));
    EXPECT_FALSE(KidValid("6-", KidAlgorithm::Mod10));
    EXPECT_FALSE(KidValid("0", KidAlgorithm::Mod10));  // too short
    EXPECT_FALSE(KidValid(QString(26, '0'), KidAlgorithm::Mod10));  // too long
    EXPECT_TRUE(KidValid(QString(25, '0'), KidAlgorithm::Mod10));
    EXPECT_FALSE(KidValid("1-2", KidAlgorithm::Mod11));
}

TEST(Kid, MadeFromCustomerAndInvoiceNumber)
{
    // 12 digits: 5 for the customer, 6 for the invoice, 1 check digit.
    const KidSettings s = MakeKidSettings(true, 12, 0, "MOD10");
    EXPECT_EQ(s.customerDigits, 5);
    QString error;
    const QString kid = MakeKid("10002", "5001", s, &error);
    ASSERT_EQ(kid.size(), 12) << error.toStdString();
    EXPECT_TRUE(kid.startsWith("10002005001"));
    EXPECT_TRUE(KidValid(kid, KidAlgorithm::Mod10));

    const KidSettings m11 = MakeKidSettings(true, 11, 4, "mod11");
    EXPECT_EQ(m11.algorithm, KidAlgorithm::Mod11);
    // 860 + 111794 with the account number's digits gives its check digit.
    EXPECT_EQ(MakeKid("8601", "111794", m11), "86011117947");
    // Leading zeros of a number take no room of their own.
    EXPECT_EQ(MakeKid("008601", "0111794", m11), "86011117947");
}

TEST(Kid, RefusedWhenTheNumbersDoNotFit)
{
    const KidSettings s = MakeKidSettings(true, 10, 4, "MOD10");  // 4 + 5 + 1
    struct Case {
        const char* customer;
        const char* invoice;
        const char* reasonPart;
    } cases[] = {
        {"10002", "5001", "Kundenummeret 10002 har flere sifre"},
        {"1002", "123456", "Fakturanummeret 123456 har flere sifre"},
        {"K-12", "5001", "er ikke et tall"},
        {"", "5001", "ikke kundenummer"},
        {"1002", "F5001", "er ikke et tall"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reasonPart);
        QString error;
        EXPECT_TRUE(MakeKid(c.customer, c.invoice, s, &error).isEmpty());
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.reasonPart))) << error.toStdString();
    }
    // Without a customer part only the invoice number counts.
    KidSettings onlyInvoice = s;
    onlyInvoice.customerDigits = 0;
    EXPECT_EQ(MakeKid("", "5001", onlyInvoice).size(), 10);
}

TEST(Kid, SettingsAreMadeSensible)
{
    const KidSettings unset = MakeKidSettings(false, 0, 0, "");
    EXPECT_EQ(unset.length, 12);
    EXPECT_EQ(unset.customerDigits, 5);
    EXPECT_EQ(unset.algorithm, KidAlgorithm::Mod10);
    EXPECT_EQ(MakeKidSettings(true, 99, 0, "").length, 25);
    EXPECT_EQ(MakeKidSettings(true, 1, 0, "").length, 2);
    // The invoice number always keeps at least one digit.
    EXPECT_EQ(MakeKidSettings(true, 6, 9, "").customerDigits, 4);
}

TEST(Kid, TypedKidIsCheckedUnderTheChosenAlgorithm)
{
    const KidSettings mod10 = MakeKidSettings(true, 11, 0, "MOD10");
    const KidSettings mod11 = MakeKidSettings(true, 11, 0, "MOD11");
    QString normalized;
    EXPECT_EQ(CheckTypedKid("", mod10), QString());
    EXPECT_EQ(CheckTypedKid("7992 7398 713", mod10, &normalized), QString());
    EXPECT_EQ(normalized, "79927398713");
    EXPECT_TRUE(CheckTypedKid("79927398714", mod10).contains("kontrollsifferet stemmer ikke"));
    EXPECT_TRUE(CheckTypedKid("79927398713", mod11).contains("MOD11"));
    EXPECT_EQ(CheckTypedKid("86011117947", mod11), QString());
    EXPECT_TRUE(CheckTypedKid("8601-1117947", mod11).contains("bare inneholde siffer"));
    EXPECT_TRUE(CheckTypedKid("7", mod10).contains("fra 2 til 25"));
}

TEST(OrgNumber, RegisterRule)
{
    struct Case {
        const char* text;
        OrgNumberStatus status;
    } cases[] = {
        {"923609016", OrgNumberStatus::Valid},
        {"974 760 673", OrgNumberStatus::Valid},
        {"NO 974760673 MVA", OrgNumberStatus::Valid},
        {"974.760.673", OrgNumberStatus::Valid},
        {"914 823 056", OrgNumberStatus::Valid},
        {"974760674", OrgNumberStatus::BadCheckDigit},
        {"987 654 321", OrgNumberStatus::BadCheckDigit},
        // 0002 0000: weighted sum 12, a check digit of 10, so no ninth
        // digit makes the number valid.
        {"000200000", OrgNumberStatus::BadCheckDigit},
        {"000200001", OrgNumberStatus::BadCheckDigit},
        {"000200009", OrgNumberStatus::BadCheckDigit},
        {"97476067", OrgNumberStatus::WrongFormat},
        {"9747606731", OrgNumberStatus::WrongFormat},
        {"97476067X", OrgNumberStatus::WrongFormat},
        {"", OrgNumberStatus::Empty},
        {"   ", OrgNumberStatus::Empty},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CheckOrgNumber(QString::fromUtf8(c.text)), c.status);
        EXPECT_EQ(OrgNumberWarning(QString::fromUtf8(c.text)).isEmpty(),
                  c.status == OrgNumberStatus::Valid || c.status == OrgNumberStatus::Empty);
    }
    EXPECT_EQ(VatRegistrationText("974 760 673"), "NO 974760673 MVA");
    EXPECT_EQ(VatRegistrationText("974 760 674"), QString());
    EXPECT_TRUE(OrgNumberWarning("123").contains("ni siffer"));
}

TEST(DueDate, FromPaymentTerms)
{
    const QDate d(2026, 11, 4);
    struct Case {
        const char* terms;
        QDate due;
    } cases[] = {
        {"14 dager", QDate(2026, 11, 18)},
        {"30 dager", QDate(2026, 12, 4)},
        {"Kontant", d},
        {"Omgående", d},
        {"Fri måned og 30 dager", QDate(2026, 12, 30)},
        {"Fri måned og 60 dager", QDate(2027, 1, 29)},
        {"", QDate(2026, 11, 14)},           // the default, 10 days here
        {"etter avtale", QDate(2026, 11, 14)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.terms);
        EXPECT_EQ(InvoiceDueDate(d, QString::fromUtf8(c.terms), 10), c.due);
    }
    EXPECT_FALSE(InvoiceDueDate(QDate(), "14 dager").isValid());
}
