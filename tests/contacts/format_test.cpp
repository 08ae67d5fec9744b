// Phone and name rules, one table per rule.
#include "contacts/contactformat.h"

#include <gtest/gtest.h>

TEST(PhoneRules, Table)
{
    struct Case {
        const char* in;
        const char* fixed;   // pFmtPhone fixed line
        const char* mobile;  // pFmtPhone mobile
        const char* add47;
        const char* rm47;
    };
    const Case cases[] = {
        {"12345678", "12 34 56 78", "123 45 678", "+47 12345678", "12345678"},
        {"+4712345678", "+47 12 34 56 78", "+47 123 45 678", "+4712345678", "12345678"},
        {"+47 12-34-56-78", "+47 12 34 56 78", "+47 123 45 678", "+47 12-34-56-78", "12-34-56-78"},
        {"004712345678", "004712345678", "004712345678", "004712345678", "004712345678"},
        {"123", "12 3  ", "123  ", "+47 123", "123"},
        {"12 34 56 78", "12 34 56 78", "123 45 678", "+47 12 34 56 78", "12 34 56 78"},
        {" 12", "12   ", "12  ", "+47  12", "12"},
        {"", "", "", "", ""},
        {" - ", "", "", "+47  - ", "- "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pFmtPhone(c.in, false), c.fixed) << c.in;
        EXPECT_EQ(pFmtPhone(c.in, true), c.mobile) << c.in;
        EXPECT_EQ(pAdd47(c.in), c.add47) << c.in;
        EXPECT_EQ(pRm47(c.in), c.rm47) << c.in;
    }
    EXPECT_EQ(pRm47(pAdd47("12 34 56 78")), "12 34 56 78");
    EXPECT_EQ(pRmBlank(" 12 34 "), "1234");
    EXPECT_EQ(pRmHyp("12-34-"), "1234");
}

TEST(NameRules, NorwegianLettersAreCapitalisedToo)
{
    struct Case {
        const char* in;
        const char* person;
        const char* company;
    };
    const Case cases[] = {
        {"ØYVIND ÅSEN", "Øyvind Åsen", "Øyvind Åsen"},
        {"ab-cd ef'gh", "Ab-Cd Ef'Gh", "Ab-Cd Ef'Gh"},
        {"ørn", "Ørn", "Ørn"},
        {"fjell bygg as", "Fjell Bygg As", "Fjell Bygg AS"},
        {"Bygg og Anlegg as", "Bygg Og Anlegg As", "Bygg Og Anlegg AS"},
        {"ÆRE (øst)", "Ære (Øst)", "Ære (Øst)"},
        {"3d-print as", "3d-Print As", "3d-Print AS"},
        {"", "", ""},
        {"as", "As", "As"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatNavn(QString::fromUtf8(c.in)), QString::fromUtf8(c.person)) << c.in;
        EXPECT_EQ(FormatFirmanavn(QString::fromUtf8(c.in)), QString::fromUtf8(c.company)) << c.in;
    }
}

TEST(FormatValues, RulesRunInTheirOrderOnTheRightFields)
{
    FormatRules r;
    r.fmtName = r.updateCity = r.upperCity = r.rmHyphen = r.fmtPhone = r.add47 = true;
    auto city = [](const QString& code) { return code == "5003" ? QString("Bergen") : QString(""); };
    EXPECT_EQ(FormatValues(FormatTarget::Contacts, r, {"kari nordmann", "5003", "x", "22-33-44-55", "", "91234567"}, city),
              QStringList({"Kari Nordmann", "5003", "BERGEN", "+47 22 33 44 55", "", "+47 912 34 567"}));
    // No register: the city is kept.
    EXPECT_EQ(FormatValues(FormatTarget::Companies, r, {"a as", "9999", "Sted", "", "0047"},
                           [](const QString&) { return QString(); }),
              QStringList({"A AS", "9999", "STED", "", "0047"}));
    // A code not in the register empties the city.
    EXPECT_EQ(FormatValues(FormatTarget::Companies, r, {"", "9999", "Sted", "", ""}, city)[2], "");
}
