#include "corefixture.h"

#include "core/inifile.h"

#include <QFileInfo>

#include <sys/stat.h>

using IniFileTest = CoreFixture;

namespace {
int modeOf(const QString& path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
}
}  // namespace

TEST_F(IniFileTest, SectionsAndKeysIgnoreCase)
{
    IniFile ini;
    ini.parse("[Standard]\r\nLogToFile=1\r\n  Sp\xF8rEtterGebyr = ja \r\n");
    EXPECT_EQ(ini.value(QStringLiteral("STANDARD"), QStringLiteral("logtofile")), QStringLiteral("1"));
    EXPECT_EQ(ini.value(QStringLiteral("standard"), QString::fromUtf8("SPØRETTERGEBYR")), QStringLiteral("ja"));
    ini.setValue(QStringLiteral("STANDARD"), QStringLiteral("LOGTOFILE"), QStringLiteral("0"));
    // The key keeps the spelling it has in the file.
    EXPECT_TRUE(ini.toBytes().contains("\r\nLogToFile=0\r\n"));
    EXPECT_EQ(ini.keys(QStringLiteral("standard")).size(), 2);
}

TEST_F(IniFileTest, GarbageAndCommentsSurviveARewrite)
{
    const QByteArray original =
        "; kommentar f\xF8rst\r\n"
        "f\xF8r=seksjon\r\n"
        "[STANDARD]\r\n"
        "Firma_Navn = Bakeri AS\r\n"
        "dette er s\xF8ppel\r\n"
        "=uten n\xF8kkel\r\n"
        "[halv seksjon\r\n"
        "\r\n"
        "# annen kommentar\r\n"
        "[KVARNEL_SQL]\r\n"
        "Username=ola\r\n";
    const QString path = root() + QStringLiteral("/trelvo.ini");
    writeBytes(path, original);
    IniFile ini(path);
    ASSERT_TRUE(ini.load());
    EXPECT_EQ(ini.value(QStringLiteral("STANDARD"), QStringLiteral("Firma_Navn")), QStringLiteral("Bakeri AS"));
    ini.setValue(QStringLiteral("KVARNEL_SQL"), QStringLiteral("Username"), QStringLiteral("kari"));
    ini.setValue(QStringLiteral("STANDARD"), QStringLiteral("Ny"), QString::fromUtf8("verdi æ"));
    ini.setValue(QStringLiteral("TFM"), QStringLiteral("Siste"), QStringLiteral("1"));
    ASSERT_TRUE(ini.save());
    const QByteArray written = readBytes(path);
    EXPECT_EQ(written,
              QByteArray("; kommentar f\xF8rst\r\n"
                         "f\xF8r=seksjon\r\n"
                         "[STANDARD]\r\n"
                         "Firma_Navn = Bakeri AS\r\n"
                         "dette er s\xF8ppel\r\n"
                         "=uten n\xF8kkel\r\n"
                         "[halv seksjon\r\n"
                         "\r\n"
                         "# annen kommentar\r\n"
                         "Ny=verdi \xE6\r\n"
                         "[KVARNEL_SQL]\r\n"
                         "Username=kari\r\n"
                         "[TFM]\r\n"
                         "Siste=1\r\n"));
}

TEST_F(IniFileTest, ReadsLfAndCrOnlyFiles)
{
    IniFile a;
    a.parse("[S]\nA=1\nB=2");
    EXPECT_EQ(a.value(QStringLiteral("s"), QStringLiteral("b")), QStringLiteral("2"));
    IniFile b;
    b.parse("[S]\rA=1\rB=2\r");
    EXPECT_EQ(b.value(QStringLiteral("s"), QStringLiteral("a")), QStringLiteral("1"));
    EXPECT_TRUE(b.toBytes().endsWith("B=2\r\n"));
}

TEST_F(IniFileTest, FirstOfTwinSectionsWinsAndValuesStayOneLine)
{
    IniFile ini;
    ini.parse("[S]\r\nA=1\r\n[T]\r\nX=0\r\n[s]\r\nA=2\r\nB=3\r\n");
    EXPECT_EQ(ini.value(QStringLiteral("S"), QStringLiteral("A")), QStringLiteral("1"));
    EXPECT_EQ(ini.value(QStringLiteral("S"), QStringLiteral("B")), QStringLiteral("3"));
    ini.setValue(QStringLiteral("S"), QStringLiteral("C"), QStringLiteral("to\r\nlinjer\n[T]"));
    EXPECT_EQ(ini.value(QStringLiteral("S"), QStringLiteral("C")), QStringLiteral("to  linjer [T]"));
    IniFile again;
    again.parse(ini.toBytes());
    EXPECT_EQ(again.value(QStringLiteral("T"), QStringLiteral("X")), QStringLiteral("0"));
    EXPECT_EQ(again.sections().size(), 2);
}

TEST_F(IniFileTest, NewFileIsPrivateAndMissingFileIsEmpty)
{
    const QString path = root() + QStringLiteral("/ny.ini");
    IniFile ini(path);
    EXPECT_TRUE(ini.load());
    EXPECT_FALSE(ini.existed());
    EXPECT_FALSE(QFileInfo::exists(path));
    ini.setValue(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v"));
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(modeOf(path), 0600);
    EXPECT_EQ(readBytes(path), QByteArray("[S]\r\nK=v\r\n"));
    // Rewriting keeps it private.
    ini.setValue(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("w"));
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(modeOf(path), 0600);
}

TEST_F(IniFileTest, FailedWriteLeavesOldFile)
{
    const QString folder = root() + QStringLiteral("/blocked");
    QDir().mkpath(folder);
    // A folder where the file should be: nothing can replace it, not even as root.
    const QString path = folder + QStringLiteral("/x.ini");
    QDir().mkpath(path);
    IniFile ini(path);
    ini.setValue(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v"));
    EXPECT_FALSE(ini.save());
    EXPECT_NE(ini.errorNumber(), 0);
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 0) << "no temporary file left";
    EXPECT_EQ(ini.value(QStringLiteral("S"), QStringLiteral("K")), QStringLiteral("v"));
}

TEST_F(IniFileTest, ReadOnlyFileIsNotReplaced)
{
    if (runningAsRoot())
        GTEST_SKIP() << "file modes do not bind root";
    const QString path = root() + QStringLiteral("/ro.ini");
    writeBytes(path, "[S]\r\nK=gammel\r\n");
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    IniFile ini(path);
    ASSERT_TRUE(ini.load());
    ini.setValue(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("ny"));
    EXPECT_FALSE(ini.save());
    EXPECT_EQ(readBytes(path), QByteArray("[S]\r\nK=gammel\r\n"));
}

TEST_F(IniFileTest, UnreadableFileIsNeverOverwritten)
{
    if (runningAsRoot())
        GTEST_SKIP() << "file modes do not bind root";
    const QString path = root() + QStringLiteral("/hemmelig.ini");
    writeBytes(path, "[S]\r\nK=1\r\n");
    QFile::setPermissions(path, QFileDevice::WriteOwner);
    IniFile ini(path);
    EXPECT_FALSE(ini.load());
    ini.setValue(QStringLiteral("S"), QStringLiteral("Ny"), QStringLiteral("2"));
    EXPECT_FALSE(ini.save());
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(readBytes(path), QByteArray("[S]\r\nK=1\r\n"));
}
