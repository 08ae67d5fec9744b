// TFM codes below the windows: composing and reading codes, running
// numbers, searching and narrowing the lists, and the pick-list files.
#include "assets/tfm.h"
#include "core/corefixture.h"
#include "core/cp1252.h"

#include <QRegularExpression>

using namespace Tfm;

TEST(TfmCode, ComposesFromTheControlsTexts)
{
    struct Case {
        const char* location;
        const char* system;
        const char* nr1;
        const char* product;
        const char* nr2;
        bool unique;
        const char* idnr;
        const char* code;
    };
    const Case cases[] = {
        {"B1 BYGG 1", "360 Luftbehandling, generelt", "01", "JV Vifter", "01", true, "", "+B1=360.01-JV01T"},
        // A location without a blank is used whole.
        {"LHT1 LEILIGHET 1", "360 x", "01", "JV Vifter", "01", true, "", "+LHT1=360.01-JV01T"},
        {"B1", "360", "01", "JV", "01", true, "", "+B1=360.01-JV01T"},
        // A one-letter product code followed by a blank.
        {"B1 BYGG 1", "360 x", "01", "X Diverse", "01", true, "", "+B1=360.01-X01T"},
        // Without "TYPE-unikt" the unique number is the suffix, also when empty.
        {"B1 BYGG 1", "360 x", "01", "JV Vifter", "01", false, "7", "+B1=360.01-JV017"},
        {"B1 BYGG 1", "360 x", "01", "JV Vifter", "01", false, "", "+B1=360.01-JV01"},
        {"B1 BYGG 1", "360 x", "01", "JV Vifter", "01", true, "7", "+B1=360.01-JV01T"},
        // Short and empty texts give what they have.
        {"", "36", "", "J", "", false, "", "+=36.-J"},
        {"", "", "", "", "", false, "", "+=.-"},
        {"KJØL 2", "355 Prosesskjøling", "100", "IK Kjølemaskiner", "12", false, "3", "+KJØL=355.100-IK123"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const CodeInput in{QString::fromUtf8(c.location), QString::fromUtf8(c.system), c.nr1,
                           QString::fromUtf8(c.product),  c.nr2,                       c.unique,
                           c.idnr};
        EXPECT_EQ(ComposeCode(in), QString::fromUtf8(c.code));
    }
}

TEST(TfmCode, ReadsACodeBackPartByPart)
{
    struct Case {
        const char* code;
        const char* location;
        const char* system;
        const char* nr1;
        const char* product;
        const char* nr2;
    };
    const Case cases[] = {
        // The suffix stays with the product running number.
        {"+B1=360.01-JV01T", "B1", "360", "01", "JV", "01T"},
        {"+LHT1=799.12-XZ0345", "LHT1", "799", "12", "XZ", "0345"},
        // A one-letter product takes a digit with it (stored lists look so).
        {"+B1=360.01-X01T", "B1", "360", "01", "X0", "1T"},
        // A missing separator leaves its own part empty; the rest still reads.
        {"+B1360.01-JV01T", "", "B1360", "01", "JV", "01T"},
        {"+B1=36001-JV01T", "B1", "", "36001", "JV", "01T"},
        {"+B1=360.01JV01T", "B1", "360", "", "01", "JV01T"},
        {"B1=360.01-JV01T", "1", "360", "01", "JV", "01T"},
        {"", "", "", "", "", ""},
        {"+", "", "", "", "", ""},
        {"+=.-", "", "", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const LoadedParts p = ReadCode(c.code);
        EXPECT_EQ(p.location, c.location);
        EXPECT_EQ(p.system, c.system);
        EXPECT_EQ(p.nr1, c.nr1);
        EXPECT_EQ(p.product, c.product);
        EXPECT_EQ(p.nr2, c.nr2);
    }
}

TEST(TfmCode, ScratchLinesSplitAtTheFirstComma)
{
    EXPECT_EQ(SplitScratchLine("+B1=360.01-JV01T,Ventil i kjeller").code, "+B1=360.01-JV01T");
    EXPECT_EQ(SplitScratchLine("+B1=360.01-JV01T,Ventil i kjeller").text, "Ventil i kjeller");
    EXPECT_EQ(SplitScratchLine("+B1=360.01-JV01T,Vifte, tak").text, "Vifte, tak");
    EXPECT_EQ(SplitScratchLine("+B1=360.01-JV01T,").text, "");
    // A line without a comma is a code without text.
    EXPECT_EQ(SplitScratchLine("+B1=360.01-JV01T").code, "+B1=360.01-JV01T");
    EXPECT_EQ(SplitScratchLine("+B1=360.01-JV01T").text, "");
    EXPECT_EQ(JoinScratchLine({"+B1=360.01-JV01T", "Ventil"}), "+B1=360.01-JV01T,Ventil");
}

TEST(TfmCode, RunningNumbersKeepTheirWidth)
{
    struct Case {
        const char* before;
        IncrementResult result;
        const char* after;
    };
    const Case cases[] = {
        {"01", IncrementResult::Done, "02"},
        {"09", IncrementResult::Done, "10"},
        {"99", IncrementResult::Done, "100"},
        {"009", IncrementResult::Done, "010"},
        {"0", IncrementResult::Done, "1"},
        {"7", IncrementResult::Done, "8"},
        {"-05", IncrementResult::Done, "-04"},
        {"99999999999", IncrementResult::Done, "100000000000"},
        {"", IncrementResult::Unchanged, ""},
        {"abc", IncrementResult::NotANumber, "abc"},
        {"1a", IncrementResult::NotANumber, "1a"},
        {" 1", IncrementResult::NotANumber, " 1"},
        {"1,5", IncrementResult::NotANumber, "1,5"},
        {"-", IncrementResult::NotANumber, "-"},
        {"9223372036854775807", IncrementResult::NotANumber, "9223372036854775807"},
        {"99999999999999999999", IncrementResult::NotANumber, "99999999999999999999"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        QString t = c.before;
        EXPECT_EQ(IncrementNumber(t), c.result);
        EXPECT_EQ(t, c.after);
    }
}

TEST(TfmSearch, FindsInAnyCaseWithNorwegianLettersAndDoesNotWrap)
{
    const QStringList entries = {"350 Kulde og kjøling, generelt", "351 Kjølesentraler", "360 Luftbehandling",
                                 "KJØL 9 ÆRE ÅS", "382 Kjøle- og fryseutstyr for kjøkken"};
    EXPECT_EQ(Upper("kjøl æøå"), QStringLiteral("KJØL ÆØÅ"));
    EXPECT_EQ(FindEntry(entries, "kjøl"), 0);
    EXPECT_EQ(FindEntry(entries, "KJØL", 0), 1);
    EXPECT_EQ(FindEntry(entries, "kjøl", 1), 3);
    EXPECT_EQ(FindEntry(entries, "kjøl", 3), 4);
    EXPECT_EQ(FindEntry(entries, "kjøl", 4), -1);  // no wrap-around
    EXPECT_EQ(FindEntry(entries, "ære ås"), 3);
    EXPECT_EQ(FindEntry(entries, "LUFT"), 2);
    EXPECT_EQ(FindEntry(entries, "ventil"), -1);
    EXPECT_EQ(FindEntry(entries, ""), -1);
    EXPECT_EQ(FindEntry({}, "x"), -1);
}

TEST(TfmSearch, NarrowsByTheChosenEntrysFirstCharacters)
{
    const QStringList groups = {" 21. GRUNN OG FUNDAMENT ", "", "   ", "22. RÅBYGG", "31. SANITÆR", "2", "32. VARME"};
    EXPECT_EQ(Narrow(groups, "2. BYGNING", 1), QStringList({"21. GRUNN OG FUNDAMENT", "22. RÅBYGG", "2"}));
    EXPECT_EQ(Narrow(groups, "3. VVS", 1), QStringList({"31. SANITÆR", "32. VARME"}));
    EXPECT_EQ(Narrow(groups, "", 1), QStringList());
    EXPECT_EQ(Narrow(groups, "8. X", 1), QStringList());
    const QStringList systems = {"210 Grunn", "211 Klargjøring", "220 Råbygg", "310 Sanitær"};
    EXPECT_EQ(Narrow(systems, "21. GRUNN OG FUNDAMENT", 2), QStringList({"210 Grunn", "211 Klargjøring"}));
    EXPECT_EQ(Narrow(systems, "22. RÅBYGG", 2), QStringList({"220 Råbygg"}));

    EXPECT_EQ(MatchPrefix({"1. LEDIG", "2. BYGNING", "3. VVS"}, "360 Luft", 1), 2);
    EXPECT_EQ(MatchPrefix({"35. KULDE", "36. LUFT"}, "360 Luft", 2), 1);
    EXPECT_EQ(MatchPrefix({"35. KULDE", "36. LUFT"}, "3", 2), -1);
    EXPECT_EQ(MatchPrefix({"35. KULDE"}, "99", 2), -1);
}

// ---- the built-in lists ---------------------------------------------------------

TEST(TfmLists, BuiltInListsAreCompleteAndOrdered)
{
    const QStringList& systems = DefaultEntries(ListFile::System);
    ASSERT_EQ(systems.size(), 225);
    EXPECT_EQ(systems.front(), QStringLiteral("210 Grunn og fundamenter, generelt"));
    EXPECT_EQ(systems.back(), QStringLiteral("799 Spesialsystem"));
    QStringList groupCodes;
    for (const QString& g : DefaultEntries(ListFile::SystemGroup)) {
        EXPECT_TRUE(QRegularExpression("^\\d\\d\\. \\S").match(g).hasMatch()) << g.toStdString();
        if (!g.endsWith(QLatin1String("LEDIG"))) groupCodes << g.left(2);
    }
    EXPECT_EQ(DefaultEntries(ListFile::SystemGroup).size(), 61);
    EXPECT_EQ(DefaultEntries(ListFile::SystemGroup).at(2), QStringLiteral("21. GRUNN OG FUNDAMENT"));
    QString last;
    for (const QString& s : systems) {
        SCOPED_TRACE(s.toStdString());
        EXPECT_TRUE(QRegularExpression("^\\d{3} \\S").match(s).hasMatch());
        EXPECT_GT(s.left(3), last);  // ascending, each code once
        last = s.left(3);
        // Every system belongs to a group that is in use.
        EXPECT_TRUE(groupCodes.contains(s.left(2)));
    }
    // Every group in use has systems.
    for (const QString& g : groupCodes) EXPECT_FALSE(Narrow(systems, g, 2).isEmpty()) << g.toStdString();

    const QStringList& products = DefaultEntries(ListFile::Product);
    ASSERT_EQ(products.size(), 305);
    EXPECT_EQ(products.front(), QStringLiteral("AB Bjelker, Drager, Dip, Bæring"));
    EXPECT_TRUE(products.back().startsWith(QLatin1String("XZ ")));
    QString mainLetters;
    for (const QString& m : ProductMainGroups()) mainLetters += m.at(0);
    EXPECT_EQ(mainLetters, QStringLiteral("ABCDEFGHIJKLMNOQRSUVXYZ"));
    last.clear();
    for (const QString& p : products) {
        SCOPED_TRACE(p.toStdString());
        EXPECT_TRUE(QRegularExpression("^[A-Z]{2} \\S").match(p).hasMatch());
        EXPECT_GT(p.left(2), last);
        last = p.left(2);
        EXPECT_TRUE(mainLetters.contains(p.at(0)));
    }
    EXPECT_EQ(SystemMainGroups().size(), 8);
    EXPECT_EQ(DefaultEntries(ListFile::Location).size(), 9);
    // Every entry can be written to the 8-bit files as it is.
    for (int f = 0; f < ListFileCount; ++f)
        for (const QString& e : DefaultEntries(ListFile(f)))
            EXPECT_EQ(FromCp1252(ToCp1252(e)), e) << e.toStdString();
}

// ---- the files ------------------------------------------------------------------

class TfmFiles : public CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        OpenSettingsStore();
        folder = Folder();
    }
    QString folder;
};

TEST_F(TfmFiles, MissingFilesAreWrittenInWindows1252WithCrLfAndOthersLeftAlone)
{
    EXPECT_TRUE(folder.endsWith(QLatin1String("/Trelvo/data/tfm/"))) << folder.toStdString();
    // The user's own copy of the system list is there already.
    const QByteArray own = "210 Egen tekst\r\n999 \xD8vrig\r\n";
    writeBytes(folder + "tfm-system.txt", own);
    EXPECT_EQ(WriteMissingFiles(folder), 4);
    EXPECT_EQ(readBytes(folder + "tfm-system.txt"), own);
    EXPECT_EQ(readBytes(folder + "tfm-lokalisering.txt"),
              QByteArray("B1 BYGG 1\r\nB2 BYGG 2\r\nHA HALL A\r\nHB HALL B\r\nS1 SONE 1\r\nS2 SONE 2\r\n"
                         "K1 KAI 1\r\nK2 KAI 2\r\nLHT1 LEILIGHET 1\r\n"));
    EXPECT_EQ(readBytes(folder + "tfm-tekst.txt"),
              QByteArray("EKSEMPELTEKST, TRYKK P\xC5 KNAPPEN TIL VENSTRE FOR \xC5 REDIGERE LISTEN\r\n"));
    const QByteArray groups = readBytes(folder + "tfm-systemgruppe.txt");
    EXPECT_TRUE(groups.startsWith("10. LEDIG\r\n20. LEDIG\r\n21. GRUNN OG FUNDAMENT\r\n22. R\xC5" "BYGG\r\n"));
    EXPECT_TRUE(groups.contains("\r\n35. KULDE /KJ\xD8LESYSTEM\r\n"));
    EXPECT_TRUE(groups.endsWith("\r\n80. LEDIG\r\n90. LEDIG\r\n"));
    EXPECT_EQ(groups.count("\r\n"), 61);
    EXPECT_EQ(groups.count('\n'), 61);
    const QByteArray products = readBytes(folder + "tfm-produkt.txt");
    EXPECT_TRUE(products.startsWith("AB Bjelker, Drager, Dip, B\xE6ring\r\n"));
    EXPECT_EQ(products.count("\r\n"), 305);
    // Nothing is written twice.
    EXPECT_EQ(WriteMissingFiles(folder), 0);
    EXPECT_EQ(readBytes(folder + "tfm-system.txt"), own);
}

TEST_F(TfmFiles, ListsAreReadFromWindows1252OrUtf8Copies)
{
    QStringList entries;
    writeBytes(folder + "a.txt", "  355 Kj\xF8lerom  \r\n\r\n\t\r\n356 \xC6rlig\n357 \xC5pen\r");
    ASSERT_TRUE(ReadListFile(folder + "a.txt", entries));
    EXPECT_EQ(entries, QStringList({"355 Kjølerom", "356 Ærlig", "357 Åpen"}));
    // A copy saved by a newer editor: UTF-8, with or without a byte-order mark.
    writeBytes(folder + "b.txt", "355 Kj\xC3\xB8lerom\r\n356 \xC3\x86rlig\r\n");
    ASSERT_TRUE(ReadListFile(folder + "b.txt", entries));
    EXPECT_EQ(entries, QStringList({"355 Kjølerom", "356 Ærlig"}));
    writeBytes(folder + "c.txt", "\xEF\xBB\xBF" "210 Grunn\r\n");
    ASSERT_TRUE(ReadListFile(folder + "c.txt", entries));
    EXPECT_EQ(entries, QStringList({"210 Grunn"}));
    // Plain ASCII and Windows-1252 that happens to be valid UTF-8 by chance
    // are rare; a lone high byte is always Windows-1252.
    EXPECT_FALSE(LooksLikeUtf8("210 Grunn"));
    EXPECT_FALSE(LooksLikeUtf8("\xD8st"));
    EXPECT_TRUE(LooksLikeUtf8("\xC3\x98st"));

    // A missing file: quietly nothing while reloading, reported while narrowing.
    EXPECT_FALSE(ReadListFile(folder + "none.txt", entries));
    EXPECT_TRUE(entries.isEmpty());
    EXPECT_TRUE(dialogs().messages.empty());
    EXPECT_FALSE(ReadListFile(folder + "none.txt", entries, true));
    ASSERT_EQ(dialogs().messages.size(), 1u);
    EXPECT_TRUE(dialogs().lastMessage().startsWith("Feil under åpning av " + folder + "none.txt  (FEILNR.: "))
        << dialogs().lastMessage().toStdString();
}

TEST_F(TfmFiles, ScratchListsAreSavedAndReadBack)
{
    const QStringList lines = {"+B1=360.01-JV01T,Ventil i kjeller", "+KJØL=355.01-IK01,Kjølemaskin, tak", "+=.-,"};
    ASSERT_EQ(WriteScratchFile(folder + "liste.csv", lines), 0);
    EXPECT_EQ(readBytes(folder + "liste.csv"),
              QByteArray("+B1=360.01-JV01T,Ventil i kjeller\r\n+KJ\xD8L=355.01-IK01,Kj\xF8lemaskin, tak\r\n+=.-,\r\n"));
    QStringList back;
    ASSERT_TRUE(ReadScratchFile(folder + "liste.csv", back));
    EXPECT_EQ(back, lines);
    // A failed save leaves the old file as it was.
    EXPECT_NE(WriteScratchFile(folder + "ingen/mappe/liste.csv", lines), 0);
    EXPECT_FALSE(ReadScratchFile(folder + "ingen.csv", back));
    EXPECT_TRUE(back.isEmpty());
}
