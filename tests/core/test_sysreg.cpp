#include "corefixture.h"

#include "core/felles.h"
#include "core/sysreg.h"

#include <QFileInfo>

#include <cerrno>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int modeOf(const QString& path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
}

class StoreTest : public CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        OpenSettingsStore();
    }
    QString iniPath() const { return base() + QStringLiteral("etc/trelvo.ini"); }
    IniFile onDisk(const QString& path) const
    {
        IniFile f(path);
        f.load();
        return f;
    }
};

}  // namespace

// ---- opening and closing ----------------------------------------------

TEST_F(StoreTest, FreshStartStampsIniSelfAndSetsEtc)
{
    EXPECT_EQ(InifilNavn, iniPath());
    EXPECT_EQ(Inifilpath, base() + QStringLiteral("etc/"));
    EXPECT_EQ(StdSec, QStringLiteral("STANDARD"));
    ASSERT_TRUE(FlushSettings());
    const IniFile f = onDisk(iniPath());
    for (const char* what : {"CREATED", "MODIFIED"}) {
        const QString p = QLatin1String(what);
        EXPECT_EQ(f.value(QStringLiteral("INI_SELF"), p + QStringLiteral("_NAME")), InifilNavn);
        EXPECT_EQ(f.value(QStringLiteral("INI_SELF"), p + QStringLiteral("_USER")), QStringLiteral("TESTUSER"));
        EXPECT_EQ(f.value(QStringLiteral("INI_SELF"), p + QStringLiteral("_INIVERSION")), QStringLiteral("5.36"));
        EXPECT_EQ(f.value(QStringLiteral("INI_SELF"), p + QStringLiteral("_PROGRAM")), ProgramFilePath());
    }
    EXPECT_EQ(f.value(QStringLiteral("FOLDERS"), QStringLiteral("etc_folder")), Inifilpath);
    EXPECT_EQ(modeOf(iniPath()), 0600);

    // A second start keeps the CREATED stamps as they were.
    IniFile edited = onDisk(iniPath());
    edited.setValue(QStringLiteral("INI_SELF"), QStringLiteral("CREATED_TIME"), QStringLiteral("01.01.2001 00:00:00"));
    ASSERT_TRUE(edited.save());
    OpenSettingsStore();
    SetStdSec(QStringLiteral("INI_SELF"));
    EXPECT_EQ(GetRegStr(QStringLiteral("CREATED_TIME")), QStringLiteral("01.01.2001 00:00:00"));
    EXPECT_NE(GetRegStr(QStringLiteral("MODIFIED_TIME")), QStringLiteral("01.01.2001 00:00:00"));
    ResetStdSec();
}

TEST_F(StoreTest, WorkingFolderFileWins)
{
    writeBytes(workDir() + QStringLiteral("/trelvo.ini"), "[STANDARD]\r\nFirma_Navn=Lokal\r\n");
    OpenSettingsStore();
    EXPECT_EQ(InifilNavn, workDir() + QStringLiteral("/trelvo.ini"));
    EXPECT_EQ(Inifilpath, workDir() + QStringLiteral("/"));
    EXPECT_EQ(GetRegStr(QStringLiteral("firma_navn")), QStringLiteral("Lokal"));
}

TEST_F(StoreTest, GarbageLinesSurviveARun)
{
    QDir().mkpath(base() + QStringLiteral("etc"));
    writeBytes(iniPath(), "[STANDARD]\r\nsøppel uten likhetstegn\r\n;kommentar\r\nLogToFile=1\r\n");
    OpenSettingsStore();
    EXPECT_TRUE(GetRegBoolean(QStringLiteral("logtofile")));
    SetRegInt(QStringLiteral("Tall"), 5);
    CloseSettingsStore();
    const QByteArray bytes = readBytes(iniPath());
    EXPECT_TRUE(bytes.startsWith("[STANDARD]\r\ns\xC3\xB8ppel uten likhetstegn\r\n;kommentar\r\nLogToFile=1\r\nTall=5\r\n"))
        << bytes.constData();
}

TEST_F(StoreTest, CloseLogsCountsWithDetailedLogging)
{
    VerboseLogging = true;
    LogLine(QStringLiteral("FEIL: en"));
    LogLine(QStringLiteral("HINT: to"));
    CloseSettingsStore();
    const QStringList t = logTexts();
    ASSERT_GE(t.size(), 5);
    EXPECT_EQ(t.at(2), QStringLiteral("Oppdaterer ") + InifilNavn);
    EXPECT_EQ(t.at(3), QStringLiteral("AVSLUTTER PROGRAM. 1 feilmeldinger og 0 advarsler"));
    EXPECT_EQ(t.at(4), QStringLiteral("Det ble gitt 1 hint i programmet"));
    EXPECT_TRUE(QFileInfo::exists(iniPath()));
}

TEST_F(StoreTest, CloseReportsAFileThatCannotBeWritten)
{
    SetRegStr(QStringLiteral("X"), QStringLiteral("1"));
    // The settings folder turned into a file: nothing can be written there.
    QDir(base() + QStringLiteral("etc")).removeRecursively();
    writeBytes(base() + QStringLiteral("etc"), "no folder");
    CloseSettingsStore();
    EXPECT_TRUE(logTexts().contains(QStringLiteral("INI-CRASH i SYSREG: ") + InifilNavn));
}

TEST_F(StoreTest, ReadOnlyMainFileIsLeftAloneAtClose)
{
    if (runningAsRoot())
        GTEST_SKIP() << "file modes do not bind root";
    ASSERT_TRUE(FlushSettings());
    const QByteArray before = readBytes(iniPath());
    QFile::setPermissions(iniPath(), QFileDevice::ReadOwner);
    SetRegStr(QStringLiteral("X"), QStringLiteral("1"));
    VerboseLogging = true;
    CloseSettingsStore();
    EXPECT_EQ(readBytes(iniPath()), before);
    EXPECT_TRUE(logTexts().contains(QStringLiteral("ADVARSEL: ") + InifilNavn
                                    + QStringLiteral(" er skrivebeskyttet og vil ikke bli lagret.")));
    EXPECT_FALSE(logTexts().contains(QStringLiteral("INI-CRASH i SYSREG: ") + InifilNavn));
}

TEST(CommandLine, OptionsMatchExactly)
{
    const StartOptions o = ReadCommandLine({"kvarnel", "--debug", "-ip", "10.0.0.5", "--user", "kari", "-DEBUG", "x"});
    EXPECT_TRUE(o.debug);
    EXPECT_FALSE(o.install);
    EXPECT_EQ(o.ip, QStringLiteral("10.0.0.5"));
    EXPECT_EQ(ForceIPAddress, QStringLiteral("10.0.0.5"));
    EXPECT_EQ(Tvungenbruker, QStringLiteral("kari"));
    const StartOptions p = ReadCommandLine({"kvarnel", "-install", "--user"});
    EXPECT_TRUE(p.install);
    EXPECT_TRUE(p.user.isEmpty());
    Tvungenbruker.clear();
    ForceIPAddress.clear();
}

TEST_F(CoreFixture, StartCoreWithDebugLogsAndCreatesFolders)
{
    LogToFile = false;
    bool tempCalled = false;
    StartCore(ReadCommandLine({"kvarnel", "--debug"}), {[&](bool) { tempCalled = true; }, {}});
    EXPECT_TRUE(LogToFile);
    EXPECT_TRUE(VerboseLogging);
    EXPECT_FALSE(tempCalled);  // DeleteTemporaryFiles is not set
    EXPECT_TRUE(QFileInfo(base() + QStringLiteral("data/docs")).isDir());
    const QStringList t = logTexts();
    EXPECT_TRUE(t.contains(QStringLiteral("START: ") + ProgramFilePath()));
    EXPECT_TRUE(t.contains(QStringLiteral("INIFIL: ") + InifilNavn));
    EXPECT_TRUE(t.contains(QStringLiteral("BRUKER: TESTUSER")));
    StopCore();
    const QByteArray log = readBytes(LogFileName);
    EXPECT_TRUE(log.contains("BRUKER: TESTUSER\r\n"));
    EXPECT_TRUE(log.contains("AVSLUTTER PROGRAM. "));
    EXPECT_TRUE(QFileInfo::exists(InifilNavn));
}

// ---- values -----------------------------------------------------------

TEST_F(StoreTest, KeysIgnoreCase)
{
    SetRegStr(QStringLiteral("Firma_Navn"), QString::fromUtf8("Bakeri Ærlig"));
    EXPECT_EQ(GetRegStr(QStringLiteral("FIRMA_NAVN")), QString::fromUtf8("Bakeri Ærlig"));
    SetRegBoolean(QStringLiteral("LogTofile"), true);
    EXPECT_TRUE(GetRegBoolean(QStringLiteral("LogToFile")));
    EXPECT_EQ(CurrentIni().keys(QStringLiteral("standard")).filter(QStringLiteral("logtofile"), Qt::CaseInsensitive).size(), 1);
    SetStdSec(QStringLiteral("Kvarnel_Sql"));
    SetRegStr(QStringLiteral("Username"), QStringLiteral("ola"));
    ResetStdSec();
    EXPECT_EQ(GetRegStr(QStringLiteral("Username")), QString());
    SetStdSec(QStringLiteral("KVARNEL_SQL"));
    EXPECT_EQ(GetRegStr(QStringLiteral("USERNAME")), QStringLiteral("ola"));
    ResetStdSec();
}

TEST_F(StoreTest, TypedReadsOfWhateverIsStored)
{
    struct Case {
        const char* stored;
        bool boolean;
        int integer;
        double number;
    };
    const Case cases[] = {
        {"1", true, 1, 1},        {"0", false, 0, 0},       {"2", true, 2, 2},
        {"-1", true, -1, -1},     {" 7 ", true, 7, 7},      {"12,5", false, 0, 12.5},
        {"12.5", false, 0, 12.5}, {"-0,25", false, 0, -0.25}, {"abc", false, 0, 0},
        {"", false, 0, 0},        {"4x", false, 0, 0},      {"99999999999", false, 0, 99999999999.0},
        {"true", false, 0, 0},
    };
    for (const Case& c : cases) {
        SetRegStr(QStringLiteral("V"), QString::fromUtf8(c.stored));
        EXPECT_EQ(GetRegBoolean(QStringLiteral("v")), c.boolean) << c.stored;
        EXPECT_EQ(GetRegInt(QStringLiteral("v")), c.integer) << c.stored;
        EXPECT_DOUBLE_EQ(GetRegDouble(QStringLiteral("v")), c.number) << c.stored;
    }
    EXPECT_EQ(GetRegStr(QStringLiteral("mangler")), QString());
    EXPECT_FALSE(GetRegBoolean(QStringLiteral("mangler")));
    EXPECT_EQ(GetRegInt(QStringLiteral("mangler")), 0);
    SetRegBoolean(QStringLiteral("B"), false);
    EXPECT_EQ(GetRegStr(QStringLiteral("B")), QStringLiteral("0"));
}

TEST_F(StoreTest, ScrambledPasswordSurvivesTheFile)
{
    const QString pw = QString::fromUtf8("Hemmelig æøå € ÆØÅ 1234567890 ~~~~ ÿÿÿÿ");
    SetStdSec(QStringLiteral("KVARNEL_SQL"));
    SetRegStr(QStringLiteral("Password"), EnkelKryptStr(pw));
    ResetStdSec();
    ASSERT_TRUE(FlushSettings());
    OpenSettingsStore();
    SetStdSec(QStringLiteral("KVARNEL_SQL"));
    EXPECT_EQ(EnkelDeKryptStr(GetRegStr(QStringLiteral("Password"))), pw);
    ResetStdSec();
    EXPECT_FALSE(readBytes(iniPath()).contains("Hemmelig"));
}

// ---- user file --------------------------------------------------------

TEST_F(StoreTest, SwapWritesEachFileAndKeepsThemApart)
{
    Tvungenbruker = QStringLiteral("ola");
    MyLoginUsername.clear();
    SetRegStr(QStringLiteral("HovedVerdi"), QStringLiteral("m"));
    ASSERT_TRUE(SwapToUserIni());
    EXPECT_TRUE(UsingUserIni());
    // The main file is complete on disk after the swap.
    EXPECT_EQ(onDisk(iniPath()).value(QStringLiteral("STANDARD"), QStringLiteral("HovedVerdi")), QStringLiteral("m"));
    EXPECT_EQ(GetRegStr(QStringLiteral("HovedVerdi")), QString());
    SetRegBoolean(QStringLiteral("HideToolPanel"), true);
    ASSERT_TRUE(SwapToMainIni());
    EXPECT_FALSE(UsingUserIni());
    const QString userFile = base() + QStringLiteral("etc/OLA.INI");
    EXPECT_EQ(UserIniFileName(), userFile);
    EXPECT_EQ(onDisk(userFile).value(QStringLiteral("standard"), QStringLiteral("hidetoolpanel")), QStringLiteral("1"));
    EXPECT_EQ(modeOf(userFile), 0600);
    EXPECT_FALSE(GetRegBoolean(QStringLiteral("HideToolPanel")));
    Tvungenbruker.clear();
}

TEST_F(StoreTest, UserIniScopePutsBackTheFileItFound)
{
    {
        UserIniScope outer;
        EXPECT_TRUE(UsingUserIni());
        {
            UserIniScope inner;
            SetRegStr(QStringLiteral("K"), QStringLiteral("v"));
        }
        EXPECT_TRUE(UsingUserIni());
        EXPECT_EQ(GetRegStr(QStringLiteral("K")), QStringLiteral("v"));
        // Window placement inside a user-file bracket leaves the bracket intact.
        SaveWindowPlacement(QStringLiteral("X"), {1, 2, 3, 4, false});
        EXPECT_TRUE(UsingUserIni());
    }
    EXPECT_FALSE(UsingUserIni());
}

TEST_F(StoreTest, UserNameComesFromTheEnvironmentOrTheSystemAccount)
{
    qunsetenv("USER");
    qunsetenv("USERNAME");
    Tvungenbruker.clear();
    MyLoginUsername.clear();
    // Without the variables the system account still names the user, so
    // the per-user file is the user's own and not a shared one.
    const passwd* pw = ::getpwuid(::getuid());
    ASSERT_TRUE(pw && pw->pw_name && *pw->pw_name);
    const QString account = QString::fromLocal8Bit(pw->pw_name);
    EXPECT_EQ(GetNetworkUser(), account);
    EXPECT_EQ(GetBrukerNavn(), account.toUpper());
    EXPECT_EQ(UserIniFileName(), Inifilpath + account.toUpper() + QStringLiteral(".INI"));

    MyLoginUsername.clear();
    qputenv("USERNAME", "per");
    EXPECT_EQ(GetBrukerNavn(), QStringLiteral("PER"));
    MyLoginUsername.clear();
    Tvungenbruker = QStringLiteral("kari");
    EXPECT_EQ(GetBrukerNavn(), QStringLiteral("KARI"));
    // After the login the database user decides.
    MyLoginUsername = QStringLiteral("../demo");
    EXPECT_EQ(GetBrukerNavn(), QStringLiteral("../DEMO"));
    EXPECT_EQ(UserIniFileName(), Inifilpath + QStringLiteral(".._DEMO.INI"));
    Tvungenbruker.clear();
}

TEST_F(StoreTest, FailedWriteDuringSwapIsLoggedAndValuesKept)
{
    Tvungenbruker = QStringLiteral("ola");
    MyLoginUsername.clear();
    QDir().mkpath(UserIniFileName());  // a folder where the user file should be
    ASSERT_TRUE(SwapToUserIni());
    SetRegStr(QStringLiteral("Verdi"), QStringLiteral("beholdes"));
    EXPECT_FALSE(SwapToMainIni());
    EXPECT_FALSE(UsingUserIni());
    int failures = 0;
    for (const QString& t : logTexts())
        failures += t.startsWith(QStringLiteral("FEIL: kan ikke skrive innstillingsfilen ") + UserIniFileName());
    EXPECT_EQ(failures, 1);
    SwapToUserIni();
    EXPECT_EQ(GetRegStr(QStringLiteral("Verdi")), QStringLiteral("beholdes"));
    SwapToMainIni();
    Tvungenbruker.clear();
}

// ---- window placement -------------------------------------------------

TEST_F(StoreTest, PlacementNeverSavedKeepsDesignedSize)
{
    const WindowPlacement designed{100, 80, 640, 480, false};
    QString extra = QStringLiteral("x");
    const WindowPlacement p = LoadWindowPlacement(QStringLiteral("MainForm6"), designed, {1920, 1080}, {}, &extra);
    EXPECT_EQ(p.left, 0);
    EXPECT_EQ(p.top, 0);
    EXPECT_EQ(p.width, 640);
    EXPECT_EQ(p.height, 480);
    EXPECT_FALSE(p.maximized);
    EXPECT_EQ(extra, QString());
    EXPECT_FALSE(UsingUserIni());
}

TEST_F(StoreTest, PlacementRoundTripAndPullBack)
{
    struct Case {
        WindowPlacement saved;
        QString extraIn;
        WindowPlacement expected;
    };
    const WindowPlacement designed{0, 0, 300, 200, false};
    const QSize screen(1024, 768);
    const Case cases[] = {
        {{10, 20, 500, 400, false}, {}, {10, 20, 500, 400, false}},
        {{2000, 900, 500, 400, false}, {}, {524, 368, 500, 400, false}},   // beyond the right and bottom edges
        {{1024, 20, 500, 400, false}, {}, {524, 20, 500, 400, false}},     // exactly at the edge is off screen too
        {{-150, -20, 500, 400, false}, {}, {-150, -20, 500, 400, false}},  // other monitor: kept
        {{10, 20, 500, 400, true}, QStringLiteral("OnlyPos"), {10, 20, 300, 200, true}},
        {{5000, 5, 2000, 400, false}, {}, {0, 5, 2000, 400, false}},       // wider than the screen
        {{10, 20, 0, -5, false}, {}, {10, 20, 300, 200, false}},           // sizes not above 0 ignored
    };
    SetStdSec(QStringLiteral("EGEN"));
    for (const Case& c : cases) {
        SaveWindowPlacement(QStringLiteral("OrderDataForm"), c.saved, QStringLiteral("kolonner=3"));
        EXPECT_FALSE(UsingUserIni());
        EXPECT_EQ(StdSec, QStringLiteral("EGEN"));
        QString extra;
        const WindowPlacement p = LoadWindowPlacement(QStringLiteral("OrderDataForm"), designed, screen, c.extraIn, &extra);
        EXPECT_EQ(p.left, c.expected.left) << c.saved.left;
        EXPECT_EQ(p.top, c.expected.top) << c.saved.top;
        EXPECT_EQ(p.width, c.expected.width) << c.saved.width;
        EXPECT_EQ(p.height, c.expected.height) << c.saved.height;
        EXPECT_EQ(p.maximized, c.expected.maximized);
        EXPECT_EQ(extra, QStringLiteral("kolonner=3"));
    }
    ResetStdSec();
    const IniFile user = onDisk(UserIniFileName());
    EXPECT_EQ(user.value(QStringLiteral("VINDU-OrderDataForm"), QStringLiteral("Diverse")), QStringLiteral("kolonner=3"));
}

TEST_F(StoreTest, PlacementWithGarbageValues)
{
    const QString path = UserIniFileName();
    writeBytes(path, "[VINDU-X]\r\nLeft=abc\r\nTop=12,5\r\nWidth=\r\nHeight=9999999999999\r\nMaximized=ja\r\n");
    const WindowPlacement p = LoadWindowPlacement(QStringLiteral("x"), {0, 0, 300, 200, false}, {800, 600});
    EXPECT_EQ(p.left, 0);
    EXPECT_EQ(p.top, 0);
    EXPECT_EQ(p.width, 300);
    EXPECT_EQ(p.height, 200);
    EXPECT_FALSE(p.maximized);
}

// ---- folders ----------------------------------------------------------

TEST_F(StoreTest, TrelvoPathCreatesOnlyInsideTheBase)
{
    EXPECT_EQ(TrelvoPath(), base());
    EXPECT_EQ(TrelvoPath(QString()), base());

    const QString data = TrelvoPath(QStringLiteral("data"));
    EXPECT_EQ(data, base() + QStringLiteral("data/"));
    EXPECT_TRUE(QFileInfo(data).isDir());
    EXPECT_TRUE(logTexts().contains(QStringLiteral("sysreg.trelvopath(data): Lager mappen ") + base() + QStringLiteral("data/")));
    // Stored back and on disk at once.
    EXPECT_EQ(onDisk(iniPath()).value(QStringLiteral("FOLDERS"), QStringLiteral("data_folder")), data);

    const QString outside = root() + QStringLiteral("/utenfor");
    SetTrelvoPath(QStringLiteral("export"), outside);
    EXPECT_EQ(TrelvoPath(QStringLiteral("export")), outside + QLatin1Char('/'));
    EXPECT_FALSE(QFileInfo::exists(outside));

    SetTrelvoPath(QStringLiteral("import"), base() + QStringLiteral("../utenfor2"));
    TrelvoPath(QStringLiteral("import"));
    EXPECT_FALSE(QFileInfo::exists(appData() + QStringLiteral("/utenfor2")));

    SetTrelvoPath(QStringLiteral("maler"), base() + QStringLiteral("egne/maler"));
    EXPECT_EQ(TrelvoPath(QStringLiteral("maler")), base() + QStringLiteral("egne/maler/"));
    EXPECT_TRUE(QFileInfo(base() + QStringLiteral("egne/maler")).isDir());

    EXPECT_EQ(TrelvoPath(QStringLiteral("data\\docs")), base() + QStringLiteral("data/docs/"));
}

TEST_F(StoreTest, BinIsNeverCreated)
{
    EXPECT_EQ(TrelvoPath(QStringLiteral("bin")), base() + QStringLiteral("bin/"));
    EXPECT_FALSE(QFileInfo::exists(base() + QStringLiteral("bin")));
    EXPECT_EQ(SetBinPath(), root() + QStringLiteral("/prog/bin/"));
    EXPECT_EQ(TrelvoPath(QStringLiteral("bin")), root() + QStringLiteral("/prog/bin/"));
    EXPECT_FALSE(QFileInfo::exists(root() + QStringLiteral("/prog")));
}

TEST_F(StoreTest, CreateTrelvoFoldersTwice)
{
    CreateTrelvoFolders();
    for (const QString& name : TrelvoFolders) {
        EXPECT_TRUE(QFileInfo(base() + name).isDir()) << name.toStdString();
        EXPECT_EQ(TrelvoPath(name), base() + name + QLatin1Char('/'));
    }
    EXPECT_EQ(onDisk(iniPath()).value(QStringLiteral("FOLDERS"), QStringLiteral("data/docs_folder")),
              base() + QStringLiteral("data/docs/"));
    EXPECT_EQ(TrelvoPath(QStringLiteral("doc")), root() + QStringLiteral("/prog/doc/"));
    EXPECT_TRUE(logTexts().contains(QStringLiteral("Oppretter mappen ") + base() + QStringLiteral("maler/vq2")));

    LogStrings.clear();
    const int errorsBefore = ErrorCount;
    CreateTrelvoFolders();
    const QStringList t = logTexts();
    for (const QString& name : TrelvoFolders)
        EXPECT_TRUE(t.contains(QStringLiteral("FEIL: [mkdirsafe:%1] kan ikke opprette mappen ").arg(EEXIST) + base() + name))
            << name.toStdString();
    EXPECT_EQ(ErrorCount - errorsBefore, TrelvoFolders.size());
}

TEST_F(StoreTest, MkDirSafeAndLogFolder)
{
    EXPECT_EQ(MkDirSafe(root() + QStringLiteral("/a/b")), ENOENT);
    EXPECT_EQ(LastLogLine.mid(20), QStringLiteral("FEIL: [mkdirsafe:2] kan ikke opprette mappen ") + root() + QStringLiteral("/a/b"));
    EXPECT_EQ(MkDirSafe(root() + QStringLiteral("/a")), 0);
    EXPECT_EQ(LastLogLine.mid(20), QStringLiteral("Oppretter mappen ") + root() + QStringLiteral("/a"));

    SetTrelvoPath(QStringLiteral("log"), root() + QStringLiteral("/borte/log"));
    EXPECT_EQ(GetLogFilePath(), base() + QStringLiteral("log/"));
    EXPECT_TRUE(QFileInfo(base() + QStringLiteral("log")).isDir());
}

TEST_F(StoreTest, TextNavnAndHentdirStr)
{
    EXPECT_EQ(TextNavn(), Inifilpath + QStringLiteral("kvarnel.TXT"));
    dialogs().folderAnswers.push_back(root() + QStringLiteral("/valgt"));
    EXPECT_EQ(HentdirStr(QStringLiteral("/start")), root() + QStringLiteral("/valgt/"));
    EXPECT_EQ(dialogs().questions.last(), QStringLiteral("Valg mappe"));
    EXPECT_EQ(HentdirStr(QStringLiteral("/start")), QStringLiteral("/start/"));  // cancelled
    EXPECT_EQ(HentdirStr(QString()), QString());
}
