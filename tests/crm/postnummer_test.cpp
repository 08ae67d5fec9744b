// The postal-code register, its look-ups and the postal-code window.
#include "ui/uitest.h"

#include "core/cp1252.h"
#include "crm/postnummer.h"
#include "crm/postnummerform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
// A few lines as the postal service writes them, plus the oddities the
// reader must cope with.
const QStringList kRegister = {
    "0301\tOSLO\t0301\tOSLO\tP",
    "3070\tSANDE I VESTFOLD\t0713\tSANDE\tB",
    "5003\tBERGEN\t1201\tBERGEN\tG",
    "6750\tSTADLANDET\t1441\tSELJE\tG",
    "9990\tBÅTSFJORD\t2028\tBÅTSFJORD\tG",
    "6750\tANNET STED\t1441\tSELJE\tG",    // a second line of a code: the first counts
    "7777\tSEKS FELT\t5001\tTRONDHEIM\tG\tX",  // a sixth field: no category
    "8888",                                  // no tabs: no place
    "9999\tUKJENT FYLKE\t9901\tINGEN\tS",
};
} // namespace

class PostnummerTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        PostRegister::instance().reset();
    }
    void TearDown() override
    {
        PostRegister::instance().reset();
        UiTest::TearDown();
    }
    void writeRegister(const QStringList& lines = kRegister)
    {
        ASSERT_EQ(WriteCp1252Lines(PostRegisterPath(), lines), 0);
    }
};

TEST_F(PostnummerTest, LooksUpPlacesCountiesAndCategories)
{
    writeRegister();
    struct Case {
        const char* code;
        QString place;
    };
    for (const Case& c : {Case{"0301", "OSLO"}, Case{"6750", "STADLANDET"}, Case{"9990", "BÅTSFJORD"},
                          Case{"8888", ""}, Case{"1234", ""}, Case{"030", ""}, Case{"03011", ""}})
        EXPECT_EQ(FinnPostSted(c.code), c.place) << c.code;

    EXPECT_EQ(FylkeNavn("0301"), "OSLO");
    EXPECT_EQ(FylkeNavn("1201"), "HORDALAND");
    EXPECT_EQ(FylkeNavn("2028"), "FINNMARK");
    for (const char* none : {"1301", "2401", "9901", "x1", ""}) EXPECT_EQ(FylkeNavn(none), "") << none;

    EXPECT_EQ(KategoriNavn("G"), "Gateadresse");
    EXPECT_EQ(KategoriNavn("B"), "Både gateadresse og postboks");
    EXPECT_EQ(KategoriNavn("G\tX"), "");
    EXPECT_EQ(KategoriNavn("g"), "");
}

TEST_F(PostnummerTest, RegisterIsReadOnceAndAgainWhenTheFileChanges)
{
    writeRegister();
    EXPECT_EQ(FinnPostSted("0301"), "OSLO");
    const int lines = PostRegister::instance().size();
    EXPECT_EQ(lines, 8);  // one entry per code

    // A new download replaces the file; the next look-up sees it.
    QStringList changed = kRegister;
    changed[0] = "0301\tOSLO SENTRUM\t0301\tOSLO\tP";
    changed << "4000\tSTAVANGER\t1103\tSTAVANGER\tG";
    writeRegister(changed);
    EXPECT_EQ(FinnPostSted("0301"), "OSLO SENTRUM");
    EXPECT_EQ(FinnPostSted("4000"), "STAVANGER");
}

TEST_F(PostnummerTest, MissingRegisterIsReportedOnce)
{
    QFile::remove(PostRegisterPath());
    EXPECT_EQ(FinnPostSted("0301"), "");
    EXPECT_EQ(FinnPostSted("5003"), "");
    EXPECT_FALSE(PostRegister::instance().available());
    ASSERT_EQ(dialogs().messages.size(), 1u);
    EXPECT_TRUE(dialogs().messages[0].text.startsWith("Feil under åpning av " + PostRegisterPath()));
    EXPECT_EQ(dialogs().messages[0].caption, "FEIL");

    writeRegister();  // downloaded after all
    EXPECT_EQ(FinnPostSted("5003"), "BERGEN");
}

TEST_F(PostnummerTest, WindowFillsItsLabelsWhenTheFourthDigitIsTyped)
{
    writeRegister();
    TPostnummerForm f;
    f.show();
    EXPECT_FALSE(f.LastNedButton->isVisible());

    QTest::keyClicks(f.ePostNr, "120");
    EXPECT_EQ(f.PoststedLabel->text(), "?");
    QTest::keyClicks(f.ePostNr, "1");
    EXPECT_EQ(f.PoststedLabel->text(), "?");  // 1201 is a municipality, not a postal code

    f.ePostNr->setText("5003");
    EXPECT_EQ(f.PoststedLabel->text(), "BERGEN");
    EXPECT_EQ(f.KommunenrLabel->text(), "1201");
    EXPECT_EQ(f.FylkeLabel->text(), "HORDALAND");
    EXPECT_EQ(f.KommuneLabel->text(), "BERGEN");
    EXPECT_EQ(f.KategoriLabel->text(), "Gateadresse");

    f.ePostNr->setText("9999");
    EXPECT_EQ(f.FylkeLabel->text(), "?");  // county 99 does not exist
    EXPECT_EQ(f.KategoriLabel->text(), "Serviceboks");

    f.ePostNr->setText("7777");
    EXPECT_EQ(f.KategoriLabel->text(), "");

    // Typing back down to three digits keeps what was shown.
    QTest::keyClick(f.ePostNr, Qt::Key_Backspace);
    EXPECT_EQ(f.PoststedLabel->text(), "SEKS FELT");

    f.ePostNr->setText("1111");
    for (QLabel* l : {f.PoststedLabel, f.KommunenrLabel, f.FylkeLabel, f.KommuneLabel, f.KategoriLabel})
        EXPECT_EQ(l->text(), "?");
}

TEST_F(PostnummerTest, WindowWithoutRegisterOffersTheDownload)
{
    QFile::remove(PostRegisterPath());
    TPostnummerForm f;
    f.ePostNr->setText("0301");
    f.show();
    EXPECT_TRUE(f.LastNedButton->isVisible());
    EXPECT_EQ(f.PoststedLabel->text(), "?");
    f.ePostNr->setText("5003");
    EXPECT_EQ(dialogs().messages.size(), 1u);
}
