// Platform look-ups, temporary-file clean-up, desktop shortcut, updater.
#include "core/platformlookup.h"

#include "corefixture.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QThread>

namespace {
class PlatformTest : public CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        OpenSettingsStore();
    }
    void touch(const QString& path, const QByteArray& bytes = "x")
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        writeBytes(path, bytes);
    }
};
} // namespace

TEST_F(PlatformTest, TemporaryFolderIsEmptiedButKept)
{
    const QString tmp = TrelvoPath(QStringLiteral("tmp"));
    touch(tmp + "a.txt");
    touch(tmp + "sub/deeper/b.txt");
    touch(tmp + "ro.txt");
    QFile::setPermissions(tmp + "ro.txt", QFileDevice::ReadOwner);
    // A link to a folder outside: the link goes, what it points at stays.
    const QString outside = root() + "/outside/";
    touch(outside + "keep.txt");
    ASSERT_TRUE(QFile::link(root() + "/outside", tmp + "link"));

    DeleteTemporaryFiles(false);

    EXPECT_TRUE(QFileInfo(tmp).isDir());
    EXPECT_TRUE(QDir(tmp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System).isEmpty());
    EXPECT_TRUE(QFileInfo::exists(outside + "keep.txt"));
    EXPECT_TRUE(logTexts().contains("Sletter midlertidige filer opprettet av Trelvo programmer"));
}

TEST_F(PlatformTest, FolderWithoutTmpInItsPathIsLeftAlone)
{
    // Test folders live under /tmp, so this one goes to the home folder.
    QTemporaryDir home(QDir::homePath() + "/kvarnel-test-XXXXXX");
    ASSERT_TRUE(home.isValid());
    ASSERT_FALSE(home.path().toUpper().contains("TMP"));
    const QString other = home.path() + "/data/";
    touch(other + "important.dat");
    SetTrelvoPath(QStringLiteral("tmp"), other);
    DeleteTemporaryFiles(false);
    EXPECT_TRUE(QFileInfo::exists(other + "important.dat"));
}

TEST_F(PlatformTest, SystemFilesOptionOnlySaysItDoesNothing)
{
    const QString sysTemp = root() + "/systemp/";
    touch(sysTemp + "other-program.tmp");
    qputenv("TMPDIR", QFile::encodeName(sysTemp));
    DeleteTemporaryFiles(true);
    qunsetenv("TMPDIR");
    EXPECT_TRUE(QFileInfo::exists(sysTemp + "other-program.tmp"));
    bool said = false;
    for (const QString& l : logTexts())
        said = said || (l.startsWith("HINT:") && l.contains("systemfiler"));
    EXPECT_TRUE(said);
}

TEST_F(PlatformTest, ForcedAddressWinsAndLoginLineHasTheParts)
{
    ForceIPAddress = QStringLiteral("10.20.30.40");
    EXPECT_EQ(GetIPAddress(), QStringLiteral("10.20.30.40"));
    LogLogin();
    const QString expected = QStringLiteral("LOGIN: testuser  node: ") + GetComputername() + '.' + GetDomain() +
                             QStringLiteral(" IP:10.20.30.40");
    EXPECT_EQ(logTexts().last(), expected);

    ForceIPAddress.clear();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+\\.\\d+$")).match(GetIPAddress()).hasMatch());
    EXPECT_FALSE(GetComputername().isEmpty());
}

TEST_F(PlatformTest, DesktopShortcutStartsTheProgram)
{
    const QString desk = root() + "/Skrivebord";
    const QString path = LagSkrivebordIkon(desk);
    EXPECT_EQ(path, desk + "/kvarnel.desktop");
    const QString text = QString::fromUtf8(readBytes(path));
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(text.contains("Exec=\"" + ProgramFilePath() + "\"\n"));
    EXPECT_TRUE(text.contains("Type=Application\n"));
    EXPECT_TRUE(QFileInfo(path).isExecutable());
}

TEST_F(PlatformTest, MissingUpdaterIsReportedAndProgramGoesOn)
{
    SetTrelvoPath(QStringLiteral("bin"), root() + "/nowhere/");
    EXPECT_FALSE(OppdaterProgramFraFTP());
    ASSERT_EQ(dialogs().messages.size(), 1u);
    EXPECT_EQ(dialogs().messages[0].caption, QStringLiteral("FEIL"));
    // "bin" was reset to the program file's folder, where it looked too.
    EXPECT_EQ(TrelvoPath(QStringLiteral("bin")), root() + "/prog/bin/");
    EXPECT_FALSE(logTexts().contains("Starter oppdatering av programmet..."));
}

TEST_F(PlatformTest, UpdaterGetsTheProgramPathInTheBinFolder)
{
    const QString bin = root() + "/prog/bin/";
    const QString out = root() + "/updater-args.txt";
    touch(bin + "oppdater", ("#!/bin/sh\necho \"$1|$(pwd)\" > '" + out + "'\n").toUtf8());
    QFile::setPermissions(bin + "oppdater", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    SetTrelvoPath(QStringLiteral("bin"), bin);

    EXPECT_TRUE(OppdaterProgramFraFTP());
    QElapsedTimer t;
    t.start();
    while (!QFileInfo::exists(out) && t.elapsed() < 5000)
        QThread::msleep(20);
    QThread::msleep(50);
    EXPECT_EQ(QString::fromUtf8(readBytes(out)).trimmed(), ProgramFilePath() + "|" + root() + "/prog/bin");
    EXPECT_TRUE(logTexts().contains("Starter oppdatering av programmet..."));
    EXPECT_TRUE(logTexts().contains("Avslutter " + ProgramFilePath() + " for å oppdatere i fra internett."));
}

// Values from the shared database open as web or mail addresses, or as
// files inside the program's folders; nothing else, and never as a program.
TEST_F(PlatformTest, DatabaseValuesOpenOnlyAsAddressesOrOwnFiles)
{
    const QString own = TrelvoPath(QStringLiteral("data")) + QStringLiteral("tilbud.pdf");
    touch(own);
    const QString outside = root() + QStringLiteral("/utenfor.sh");
    touch(outside);
    QFile::setPermissions(outside, QFile::permissions(outside) | QFile::ExeOwner);
    const struct {
        QString value;
        const char* opened;  // the address handed on, or null when refused
    } cases[] = {
        {"www.firma.no", "http://www.firma.no"},
        {"https://firma.no/om oss", "https://firma.no/om%20oss"},
        {"HTTP://Firma.no", "http://firma.no"},
        {"mailto:post@firma.no", "mailto:post@firma.no"},
        {"/bin/sh", nullptr},
        {outside, nullptr},
        {"file:///bin/sh", nullptr},
        {"javascript:alert(1)", nullptr},
        {"ftp://firma.no/fil", nullptr},
        {"smb://server/deling", nullptr},
        {"http://", nullptr},
        {"mailto:", nullptr},
        {"", nullptr},
        {TrelvoPath(QStringLiteral("data")) + "../../../bin/sh", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value.toStdString());
        QString target;
        EXPECT_EQ(DatabaseValueTarget(c.value, &target), c.opened != nullptr);
        if (c.opened) {
            EXPECT_EQ(target, QString::fromUtf8(c.opened));
        }
    }
    QString target;
    ASSERT_TRUE(DatabaseValueTarget(own, &target));
    EXPECT_TRUE(target.startsWith("file:///"));
    EXPECT_TRUE(target.endsWith("/tilbud.pdf"));
}
