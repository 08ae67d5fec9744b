// The system-information window: true values, settings files opened in an
// outside editor without losing the edits, the print test, and the
// "Spesial" page.
#include "core/corefixture.h"
#include "core/felles.h"
#include "core/sysreg.h"
#include "print/utskrift.h"
#include "tools/sysinfoform.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {

class SysInfoTest : public CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        OpenSettingsStore();
        form = std::make_unique<TSysInfoForm>();
        form->open = [this](const QString& f) {
            opened << f;
            return true;
        };
        form->ProgramLabelName = "Kvarnel SQL";
        form->Build();
    }
    void TearDown() override
    {
        form.reset();
        CoreFixture::TearDown();
    }
    QString text(const QString& name) { return form->value(name) ? form->value(name)->property("plain").toString() : "<none>"; }

    std::unique_ptr<TSysInfoForm> form;
    QStringList opened;
};

TEST_F(SysInfoTest, PagesShowThisMachinesValues)
{
    QStringList tabs;
    for (int i = 0; i < form->Pages->count(); ++i) tabs << form->Pages->tabText(i);
    EXPECT_EQ(tabs, (QStringList{"Program", "Filer og mapper", "System", "Kvarnel", "Rapport", "Spesial"}));
    EXPECT_EQ(text("Programnavn"), ProgramFilePath());
    EXPECT_EQ(text("Initversjon"), "5.36");
    EXPECT_EQ(text("XMLversjon"), "Trelvo XMLAPI 1.30");
    EXPECT_EQ(text("Parametere"), "Ingen parametere til programmet");
    EXPECT_EQ(text("Inifil"), InifilNavn);
    EXPECT_EQ(text("BrukerInifil"), UserIniFileName());
    EXPECT_EQ(text("Loggfil"), LogFileName);
    EXPECT_EQ(text("Datamappe"), TrelvoPath("data"));
    EXPECT_EQ(text("Programdata"), qEnvironmentVariable("APPDATA"));
    EXPECT_TRUE(text("Minne").endsWith(" KB"));
    EXPECT_EQ(form->ProgramLabel->text(), "Kvarnel SQL");

    form->Click("Datamappe");
    form->Click("Hosts");
    EXPECT_EQ(opened, (QStringList{TrelvoPath("data"), "/etc/hosts"}));
}

TEST_F(SysInfoTest, MemoryFigures)
{
    struct {
        const char* meminfo;
        bool ok;
        qint64 total;
        int load;
    } cases[] = {
        {"MemTotal:       16000000 kB\nMemFree:  1 kB\nMemAvailable:    4000000 kB\n", true, 16000000, 75},
        {"MemAvailable: 100 kB\nMemTotal: 100 kB\n", true, 100, 0},
        {"MemTotal: 100 kB\n", false, 0, 0},
        {"MemTotal: 0 kB\nMemAvailable: 0 kB\n", false, 0, 0},
        {"MemTotal: 100 kB\nMemAvailable: 200 kB\n", false, 0, 0},
        {"", false, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.meminfo);
        qint64 total = 0;
        int load = 0;
        EXPECT_EQ(ReadMemoryInfo(c.meminfo, total, load), c.ok);
        if (c.ok) {
            EXPECT_EQ(total, c.total);
            EXPECT_EQ(load, c.load);
        }
    }
}

// The user edits the settings file in an editor while the program runs; the
// program's own unsaved value reaches the file before the editor opens it,
// and the edit survives the program's write at the end.
TEST_F(SysInfoTest, SettingsFileEditedOutsideIsNotOverwritten)
{
    {
        MainIniSection s("STANDARD");
        SetRegStr("Fra_programmet", "1");
    }
    form->Click("Inifil");
    ASSERT_EQ(opened, QStringList{InifilNavn});
    QFile f(InifilNavn);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray bytes = f.readAll();
    f.close();
    EXPECT_TRUE(bytes.contains("Fra_programmet=1"));

    bytes.replace("Fra_programmet=1", "Fra_programmet=1\r\nFra_editoren=ja");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    ASSERT_TRUE(QTest::qWaitFor([] {
        MainIniSection s("STANDARD");
        return GetRegStr("Fra_editoren") == "ja";
    }, 5000));
    {
        MainIniSection s("STANDARD");
        SetRegStr("Senere", "2");
    }
    CloseSettingsStore();
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    bytes = f.readAll();
    EXPECT_TRUE(bytes.contains("Fra_editoren=ja"));
    EXPECT_TRUE(bytes.contains("Senere=2"));
}

TEST_F(SysInfoTest, LogFileIsWrittenBeforeItIsOpened)
{
    LogLine("En linje fra denne kjøringen");
    QFile::remove(LogFileName);
    form->Click("Loggfil");
    EXPECT_EQ(opened, QStringList{LogFileName});
    QFile f(LogFileName);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("En linje fra denne kj"));
}

TEST_F(SysInfoTest, PrintTestGoesToThePdfPrinter)
{
    const QString pdf = PdfFileName("Utskriftstest");
    QFile::remove(pdf);
    form->Click("Utskrift");
    EXPECT_TRUE(QFile::exists(pdf)) << pdf.toStdString();
}

TEST_F(SysInfoTest, SpecialPageIsEnabledByDoubleClickAndOnlyLogs)
{
    EXPECT_FALSE(form->SpecialPage->isEnabled());
    QTest::mouseDClick(form->ProgramLabel, Qt::LeftButton);
    EXPECT_TRUE(form->SpecialPage->isEnabled());
    auto* box = form->SpecialPage->findChildren<QCheckBox*>().at(1);
    EXPECT_EQ(box->text(), "Skjul oppgavelinje");
    box->setChecked(true);
    EXPECT_TRUE(LogStrings.last().contains("Linux har ikke noe tilsvarende")) << LogStrings.last().toStdString();
    // The next showing starts with the page disabled again.
    form->show();
    form->hide();
    form->show();
    EXPECT_FALSE(form->SpecialPage->isEnabled());
}

} // namespace
