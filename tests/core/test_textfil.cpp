#include "corefixture.h"

#include "core/cp1252.h"
#include "core/textfil.h"

#include <QRegularExpression>

#include <cerrno>

using LogTest = CoreFixture;
using TextFileTest = CoreFixture;

TEST_F(LogTest, OffReturnsMinusOneAndKeepsNothing)
{
    LogToFile = false;
    EXPECT_EQ(LogLine(QStringLiteral("FEIL: x")), -1);
    EXPECT_TRUE(LogStrings.isEmpty());
    EXPECT_EQ(ErrorCount, 0);
}

TEST_F(LogTest, LineFormatAndLastLine)
{
    EXPECT_EQ(LogLine(QStringLiteral("hallo ærlig")), 0);
    ASSERT_EQ(LogStrings.size(), 1);
    static const QRegularExpression re(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d hallo ærlig$"));
    EXPECT_TRUE(re.match(LogStrings.first()).hasMatch()) << LogStrings.first().toStdString();
    EXPECT_EQ(LastLogLine, LogStrings.first());
}

TEST_F(LogTest, CountsErrorsWarningsAndHintsByPrefix)
{
    struct Case {
        const char* text;
        int errors, warnings, hints;
    };
    const Case cases[] = {
        {"FEIL: a", 1, 0, 0},       {"ERROR: b", 1, 0, 0},    {"SQL ERROR: select 1", 1, 0, 0},
        {"SQLERROR: select", 1, 0, 0}, {"ADVARSEL: c", 0, 1, 0}, {"WARNING: d", 0, 1, 0},
        {"HINT: e", 0, 0, 1},       {"Feil: f", 0, 0, 0},     {" FEIL: g", 0, 0, 0},
        {"Oppretter mappen x", 0, 0, 0},
    };
    for (const Case& c : cases) {
        const int e = ErrorCount, w = WarningCount, h = HintCount;
        LogLine(QString::fromUtf8(c.text));
        EXPECT_EQ(ErrorCount - e, c.errors) << c.text;
        EXPECT_EQ(WarningCount - w, c.warnings) << c.text;
        EXPECT_EQ(HintCount - h, c.hints) << c.text;
    }
}

TEST_F(LogTest, FileNameFollowsProgramName)
{
    EXPECT_EQ(LogFileName, base() + QStringLiteral("log/kvarnel.log"));
    SetProgramFilePath(root() + QStringLiteral("/prog/bin/kvarnel.exe"));
    LogFilePath.clear();
    EXPECT_EQ(SetLogFileName(), base() + QStringLiteral("log/kvarnel.log"));
    LogFilePath = root() + QStringLiteral("/other");
    EXPECT_EQ(SetLogFileName(), root() + QStringLiteral("/other/kvarnel.log"));
}

TEST_F(LogTest, ClearLogLeavesOneLineInListAndFile)
{
    LogLine(QStringLiteral("FEIL: one"));
    LogLine(QStringLiteral("two"));
    ClearLog();
    ASSERT_EQ(LogStrings.size(), 1);
    EXPECT_TRUE(LogStrings.first().endsWith(QString::fromUtf8(" LOGGFIL TØMT (TextFile.ClearLog).")));
    EXPECT_EQ(ErrorCount, 0);
    const QByteArray file = readBytes(LogFileName);
    EXPECT_EQ(file, ToCp1252(LogStrings.first()) + "\r\n");
    EXPECT_TRUE(file.contains("T\xD8MT"));

    // Loading the cleared file at start-up does not repeat the line.
    ASSERT_EQ(LoadLogFile(), 0);
    EXPECT_EQ(LogStrings.size(), 1);
}

TEST_F(LogTest, OldLinesComeFirstAndSaveReplacesFile)
{
    QDir().mkpath(base() + QStringLiteral("log"));
    writeBytes(LogFileName, "old 1\r\nold \xE6\r\n");
    LogLine(QStringLiteral("new"));
    ASSERT_EQ(LoadLogFile(), 0);
    ASSERT_EQ(LogStrings.size(), 3);
    EXPECT_EQ(LogStrings.at(1), QString::fromUtf8("old æ"));
    EXPECT_TRUE(LogStrings.at(2).endsWith(QStringLiteral(" new")));
    ASSERT_EQ(SaveLogFile(), 0);
    const QByteArray file = readBytes(LogFileName);
    EXPECT_TRUE(file.startsWith("old 1\r\nold \xE6\r\n"));
    EXPECT_TRUE(file.endsWith(" new\r\n"));
}

TEST_F(LogTest, DirectModeAppendsAtOnce)
{
    LogDirect = true;
    EXPECT_EQ(LogLine(QStringLiteral("straks")), 0);
    EXPECT_TRUE(readBytes(LogFileName).endsWith(" straks\r\n"));
    LogDirect = false;
}

TEST_F(TextFileTest, OpenMissingFileShowsMessageWithErrorNumber)
{
    const QString name = root() + QStringLiteral("/finnes-ikke.txt");
    TextFile f;
    const int before = ErrorCount;
    EXPECT_EQ(opentextfile(f, name), ENOENT);
    EXPECT_EQ(textfileerror, ENOENT);
    EXPECT_EQ(LastError, ENOENT);
    EXPECT_EQ(ErrorCount, before + 1);
    ASSERT_EQ(dialogs().messages.size(), 1u);
    EXPECT_EQ(dialogs().messages[0].text,
              QString::fromUtf8("Feil under åpning av ") + name + QStringLiteral("  (FEILNR.: 2)"));
    EXPECT_EQ(dialogs().messages[0].caption, QStringLiteral("FEIL"));
    EXPECT_FALSE(f.isOpen());
    EXPECT_EQ(closetextfile(f), 0);  // closing what never opened is quiet
    EXPECT_EQ(dialogs().messages.size(), 1u);
}

TEST_F(TextFileTest, AppendAndCreateFailuresHaveTheirMessages)
{
    TextFile f;
    const QString missing = root() + QStringLiteral("/mangler.txt");
    EXPECT_EQ(appendtextfile(f, missing), ENOENT);
    EXPECT_EQ(dialogs().lastMessage(), QString::fromUtf8("Feil under åpning av ") + missing + QStringLiteral("  (2)"));
    const QString noFolder = root() + QStringLiteral("/ingen/mappe.txt");
    EXPECT_EQ(createtextfile(f, noFolder), ENOENT);
    EXPECT_EQ(dialogs().lastMessage(),
              QStringLiteral("Feil under oppretting av ny fil: ") + noFolder + QStringLiteral("  (2)"));
    EXPECT_EQ(opentextfile(f, root()), EISDIR);
}

TEST_F(TextFileTest, AppendLineCreatesThenAppends)
{
    const QString name = root() + QStringLiteral("/ny.txt");
    EXPECT_EQ(AppendLine(name, QString::fromUtf8("første €")), 0);
    EXPECT_EQ(readBytes(name), QByteArray("f\xF8rste \x80\r\n"));
    EXPECT_EQ(AppendLine(name, QStringLiteral("to")), 0);
    EXPECT_EQ(readBytes(name), QByteArray("f\xF8rste \x80\r\nto\r\n"));
    EXPECT_TRUE(dialogs().messages.empty());
}

TEST_F(TextFileTest, ReadsAnyLineEndAndTrims)
{
    const QString name = root() + QStringLiteral("/blandet.txt");
    writeBytes(name, "  en  \r\nto\ntre\r\xF8\xE6");
    TextFile f;
    ASSERT_EQ(opentextfile(f, name), 0);
    QStringList got;
    while (!eoftextfile(f)) {
        QString s;
        ASSERT_EQ(readshortstr(f, s), 0);
        got << s;
    }
    EXPECT_EQ(got, (QStringList{"en", "to", "tre", QString::fromUtf8("øæ")}));
    QString past;
    EXPECT_EQ(readshortstr(f, past), 0);  // past the end: an empty line, no error
    EXPECT_TRUE(past.isEmpty());
    EXPECT_EQ(closetextfile(f), 0);
}

TEST_F(TextFileTest, LineEndSplitAcrossReadBlocks)
{
    const QString name = root() + QStringLiteral("/stor.txt");
    const QByteArray longLine(65535, 'a');
    writeBytes(name, longLine + "\r\nb\r\n");
    TextFile f;
    ASSERT_EQ(opentextfile(f, name), 0);
    QString s;
    ASSERT_EQ(readlntextfile(f, s), 0);
    EXPECT_EQ(s.size(), 65535);
    ASSERT_EQ(readlntextfile(f, s), 0);
    EXPECT_EQ(s, QStringLiteral("b"));
    EXPECT_TRUE(eoftextfile(f));
}

TEST_F(TextFileTest, WriteThenReadBack)
{
    const QString name = root() + QStringLiteral("/skriv.txt");
    TextFile f;
    ASSERT_EQ(createtextfile(f, name), 0);
    for (int i = 0; i < 5000; ++i)
        ASSERT_EQ(Writelntextfile(f, QStringLiteral("linje %1 æ").arg(i)), 0);
    ASSERT_EQ(closetextfile(f), 0);
    QStringList lines;
    ASSERT_EQ(ReadCp1252Lines(name, lines), 0);
    ASSERT_EQ(lines.size(), 5000);
    EXPECT_EQ(lines.last(), QString::fromUtf8("linje 4999 æ"));

    TextFile u;
    u.encoding = TextEncoding::Utf8;
    ASSERT_EQ(createtextfile(u, name), 0);
    Writelntextfile(u, QString::fromUtf8("æ"));
    closetextfile(u);
    EXPECT_EQ(readBytes(name), QByteArray("\xC3\xA6\r\n"));
}

TEST_F(TextFileTest, MisuseIsCountedNotFatal)
{
    TextFile f;
    const int before = ErrorCount;
    EXPECT_EQ(Writelntextfile(f, QStringLiteral("x")), EBADF);
    QString s;
    EXPECT_EQ(readshortstr(f, s), EBADF);
    EXPECT_EQ(ErrorCount - before, 2);
    EXPECT_TRUE(dialogs().lastMessage().startsWith(QStringLiteral("Lesefeil i tekstfil ")));
    EXPECT_TRUE(LastLogLine.endsWith(QStringLiteral(" Lesefeil i tekstfil.")));
}
