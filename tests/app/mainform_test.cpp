// The main window: panels, menus, hiding panels per user, the SQL command,
// and start-up options.
#include "apptest.h"

#include "admin/sqlform.h"
#include "app/mainform.h"
#include "app/oppstartform.h"
#include "app/startup.h"
#include "app/tablesetupform.h"
#include "core/platformlookup.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>

namespace {

class MainTest : public CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        OpenSettingsStore();
    }
    void TearDown() override
    {
        Windows().reset();
        CoreFixture::TearDown();
    }
    static QStringList captions(QFrame* panel)
    {
        QStringList out;
        for (QPushButton* b : panel->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
            out << b->text();
        return out;
    }
    static bool userKey(const QString& key)
    {
        UserIniSection s;
        return GetRegBoolean(key);
    }
};

// Menu titles and items, "Menu/Item" and "Menu/Sub/Item".
void collect(QMenu* menu, const QString& prefix, QStringList& out)
{
    for (QAction* a : menu->actions()) {
        if (a->isSeparator())
            continue;
        if (a->menu())
            collect(a->menu(), prefix + a->text() + '/', out);
        else
            out << prefix + a->text();
    }
}

} // namespace

TEST_F(MainTest, PanelsButtonsAndMenusAreLaidOutInOrder)
{
    TMainform main;
    main.runLoginOnShow = false;
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Kvarnel"));
    std::vector<QStringList> panels;
    QStringList names;
    for (const auto& m : main.modules()) {
        panels.push_back(captions(m.panel));
        names << m.panel->objectName();
        EXPECT_TRUE(m.hideButton->text().isEmpty());
    }
    EXPECT_EQ(names, QStringList({"StdPanel", "SalePanel", "POPanel", "ProjectPanel", "AssetPanel", "AccountPanel",
                                  "ToolPanel"}));
    const std::vector<QStringList> expected = {
        {"Fir&maer", "&Kontakter", "K&alender"},
        {"&Ordre", "&Tilbud", "&Nyheter", "&Reklame"},
        {"&Innkjøp", "&Varer", "Varetransaksjoner"},
        {"&Prosjekt", "&Systemer", "&Dokumenter", "Timeregistrering"},
        {"&Utstyr", "&Jobber", "Personal", "TFM-koder"},
        {"&Faktura", "Kontoplan", "Posteringer"},
        {"Filer", "PDF-mappe", "Kalkulator"},
    };
    EXPECT_EQ(panels, expected);
    EXPECT_EQ(main.CalendarButton->toolTip(), QStringLiteral("Høyreklikk for å vise en kalender"));

    QStringList menus;
    for (QAction* a : main.menuBar()->actions())
        collect(a->menu(), a->text() + '/', menus);
    EXPECT_EQ(menus, QStringList({"Database/Koble til database", "Database/Verktøy/SQL", "Vis/Aktiviteter",
                                  "Vis/Verktøy", "Vis/SQL-vindu", "Vis/Alle moduler", "Oppsett/Tabelloppsett",
                                  "Oppsett/Grupper", "Oppsett/Mapper", "Oppsett/Epost", "Oppsett/WEB-mappe",
                                  "Oppsett/Avansert/Oppstart", "Oppsett/Kvarnel Oppsett", "Oppsett/Håndterminal",
                                  "Hjelp/Systeminformasjon"}));
    EXPECT_EQ(main.action("Alle moduler")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
    EXPECT_EQ(main.statusBar()->findChildren<QLabel*>().size(), 1);
}

TEST_F(MainTest, OpenersAreEnabledOnlyForWindowsThatExist)
{
    Windows().add("TSQLForm", [] { return new TSQLForm; });
    Windows().add("TOppstartForm", [] { return new TOppstartForm; });
    Windows().createAll();
    TMainform main;
    main.runLoginOnShow = false;
    main.UpdateAvailability();
    EXPECT_TRUE(main.action("SQL-vindu")->isEnabled());
    EXPECT_TRUE(main.action("Oppstart")->isEnabled());
    EXPECT_TRUE(main.action("Koble til database")->isEnabled());
    EXPECT_FALSE(main.action("Grupper")->isEnabled());
    EXPECT_FALSE(main.button("&Ordre")->isEnabled());
    EXPECT_TRUE(main.button("Filer")->isEnabled());
    EXPECT_TRUE(main.button("PDF-mappe")->isEnabled());

    main.action("SQL-vindu")->trigger();
    EXPECT_TRUE(Windows().find("TSQLForm")->isVisible());
}

TEST_F(MainTest, HidingPanelsShrinksTheWindowAndAllModulesBringsThemBack)
{
    TMainform main;
    main.runLoginOnShow = false;
    main.show();
    const int full = main.ClientHeight();
    const int statusHeight = main.statusBar()->sizeHint().height();
    int panels = 0;
    for (const auto& m : main.modules())
        panels += m.panel->height();
    EXPECT_EQ(full, panels + statusHeight);

    main.modules()[1].hideButton->click();
    EXPECT_FALSE(main.SalePanel->isVisible());
    EXPECT_EQ(main.ClientHeight(), full - main.SalePanel->height());
    EXPECT_TRUE(userKey("HideSalePanel"));
    EXPECT_FALSE(UsingUserIni());  // the main file is current again

    for (const auto& m : main.modules())
        m.hideButton->click();
    EXPECT_EQ(main.ClientHeight(), statusHeight);
    EXPECT_EQ(main.height(), main.menuBar()->sizeHint().height() + statusHeight);

    main.action("Alle moduler")->trigger();
    EXPECT_EQ(main.ClientHeight(), full);
    for (const char* k : {"HideStdPanel", "HideSalePanel", "HidePOPanel", "HideProjectPanel", "HideAssetPanel",
                          "HideAccountPanel", "HideToolPanel"})
        EXPECT_FALSE(userKey(k)) << k;
}

TEST_F(MainTest, HiddenPanelsArePerUser)
{
    MyLoginUsername = "anne";
    {
        UserIniSection s;
        SetRegBoolean("HideSalePanel", true);
    }
    FlushSettings();
    {
        TMainform main;
        main.runLoginOnShow = false;
        main.show();
        EXPECT_FALSE(main.SalePanel->isVisible());
        EXPECT_TRUE(main.StdPanel->isVisible());
    }
    MyLoginUsername = "bjorn";
    TMainform other;
    other.runLoginOnShow = false;
    other.show();
    EXPECT_TRUE(other.SalePanel->isVisible());
}

TEST_F(MainTest, PositionIsRestoredAndSaved)
{
    WindowPlacement p;
    p.left = 40;
    p.top = 30;
    p.width = 999;  // position only: the size is the window's own
    p.height = 999;
    SaveWindowPlacement("MainForm6", p);
    TMainform main;
    main.runLoginOnShow = false;
    main.show();
    EXPECT_EQ(main.geometry().topLeft(), QPoint(40, 30));
    EXPECT_NE(main.width(), 999);
    main.setGeometry(QRect(QPoint(70, 80), main.size()));
    main.FormClose();
    UserIniSection s;
    SetStdSec("VINDU-MainForm6");
    EXPECT_EQ(GetRegInt("Left"), 70);
    EXPECT_EQ(GetRegInt("Top"), 80);
}

TEST_F(MainTest, ButtonsAndPanelsFitTheirTextsAtAnyFontSize)
{
    const QFont normal = QApplication::font();
    for (const double scale : {1.0, 1.6}) {
        SCOPED_TRACE(scale);
        QFont f = normal;
        f.setPointSizeF(normal.pointSizeF() * scale);
        QApplication::setFont(f);
        TMainform main;
        main.runLoginOnShow = false;
        main.show();
        const QRect inside = main.rect();
        for (const auto& m : main.modules())
            for (QPushButton* b : m.panel->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
                SCOPED_TRACE(b->text().toStdString());
                EXPECT_GE(b->width(), b->sizeHint().width());
                EXPECT_GE(b->height(), b->sizeHint().height());
                const QRect r(b->mapTo(&main, QPoint(0, 0)), b->size());
                EXPECT_TRUE(inside.contains(r)) << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
                EXPECT_LE(b->geometry().bottom(), m.panel->contentsRect().bottom());
            }
    }
    QApplication::setFont(normal);
}

TEST_F(MainTest, FolderButtonsWithoutADesktopOpenerSaySoAtEveryClickWithWhatToInstall)
{
    {
        MainIniSection s("STANDARD");
        SetRegStr("PDF-mappe", workDir() + "\\pdf\\");
    }
    // No xdg-open anywhere on the path.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(workDir()));
    TMainform main;
    main.runLoginOnShow = false;
    main.show();
    LogStrings.clear();
    main.button("Filer")->click();
    main.button("Filer")->click();
    main.button("PDF-mappe")->click();
    qputenv("PATH", path);
    ASSERT_EQ(dialogs().messages.size(), 3u);
    for (const auto& m : dialogs().messages) {
        EXPECT_TRUE(m.text.startsWith("Kan ikke åpne mappen ")) << m.text.toStdString();
        EXPECT_TRUE(m.text.contains("xdg-utils")) << m.text.toStdString();
        EXPECT_EQ(m.caption, "Feil");
    }
    // The PDF folder with the desktop's separators, made on the way.
    EXPECT_TRUE(dialogs().messages[2].text.contains(workDir() + "/pdf/")) << dialogs().messages[2].text.toStdString();
    EXPECT_TRUE(QDir(workDir() + "/pdf").exists());
    int lines = 0;
    for (const QString& l : logTexts())
        if (l.startsWith("StartProg: kan ikke starte ")) ++lines;
    EXPECT_EQ(lines, 3);
    EXPECT_TRUE(QDir(TrelvoPath("data/docs")).exists());
}

TEST_F(MainTest, PdfFolderButtonSaysSoWhenTheSettingIsEmptyOrMissing)
{
    for (const bool missing : {true, false}) {
        SCOPED_TRACE(missing ? "missing" : "empty");
        {
            MainIniSection s("STANDARD");
            if (!missing) SetRegStr("PDF-mappe", "  ");
        }
        dialogs().messages.clear();
        TMainform main;
        main.runLoginOnShow = false;
        main.show();
        LogStrings.clear();
        main.button("PDF-mappe")->click();
        ASSERT_EQ(dialogs().messages.size(), 1u);
        EXPECT_TRUE(dialogs().messages[0].text.startsWith("PDF-mappen er ikke valgt.")) << dialogs().messages[0].text.toStdString();
        EXPECT_EQ(dialogs().messages[0].caption, "Feil");
        EXPECT_TRUE(logTexts().contains("FEIL: PDF-mappe er ikke satt"));
    }
}

TEST_F(MainTest, TableSetupAndStartupOptionsRoundTripTheirKeys)
{
    {
        MainIniSection s("KVARNEL_SQL");
        SetRegBoolean("NO_news", true);
    }
    {
        TTableSetupForm t;
        EXPECT_EQ(t.windowTitle(), QStringLiteral("Tabelloppsett"));
        ASSERT_EQ(t.CheckListBox1->count(), 20);
        EXPECT_EQ(t.CheckListBox1->item(14)->text(), QStringLiteral("System"));
        EXPECT_TRUE(t.isChecked("news"));
        t.setChecked("news", false);
        t.setChecked("items", true);
        t.show();
        t.close();
    }
    {
        MainIniSection s("KVARNEL_SQL");
        EXPECT_FALSE(GetRegBoolean("NO_news"));
        EXPECT_TRUE(GetRegBoolean("NO_items"));
    }

    {
        MainIniSection s("STANDARD");
        SetRegStr("LogTofile", "1");  // the window reads this spelling
    }
    TOppstartForm o;
    EXPECT_EQ(o.windowTitle(), QStringLiteral("Oppstart"));
    o.show();
    EXPECT_TRUE(o.LogToFileBox->isChecked());
    EXPECT_FALSE(o.DeleteSysTempBox->isEnabled());
    o.DeleteTempBox->setChecked(true);
    EXPECT_TRUE(o.DeleteSysTempBox->isEnabled());
    o.DeleteSysTempBox->setChecked(true);
    o.VerboseBox->setChecked(true);
    o.close();
    MainIniSection s("STANDARD");
    EXPECT_EQ(GetRegStr("LogToFile"), "1");
    EXPECT_EQ(GetRegStr("DeleteTemporaryFiles"), "1");
    EXPECT_EQ(GetRegStr("DeleteSystemTemporaryFiles"), "1");
    EXPECT_EQ(GetRegStr("VerboseLogging"), "1");
    EXPECT_EQ(GetRegStr("autologon"), "0");
}

TEST_F(MainTest, CommandLineDecidesTheLog)
{
    struct Case {
        const char* name;
        QStringList args;
        bool logToFile, verbose;
        QString ipInLoginLine;  // empty: no LOGIN line expected
    };
    const Case cases[] = {
        {"settings say no log", {"kvarnel"}, false, false, ""},
        {"--debug forces it", {"kvarnel", "--debug"}, true, true, "IP:"},
        {"-install forces it", {"kvarnel", "-install"}, true, true, "IP:"},
        {"letter case matters", {"kvarnel", "--Debug", "-INSTALL"}, false, false, ""},
        {"-ip value in the login line", {"kvarnel", "--debug", "-ip", "10.9.8.7"}, true, true, "IP:10.9.8.7"},
        {"unknown options ignored", {"kvarnel", "--fast", "--debug", "x"}, true, true, "IP:"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(workDir() + "/trelvo.ini", "[STANDARD]\r\nLogToFile=0\r\nVerboseLogging=1\r\n");
        ForceIPAddress.clear();
        StartKvarnelCore(c.args);
        EXPECT_EQ(LogToFile, c.logToFile);
        EXPECT_EQ(VerboseLogging, c.verbose);
        const QStringList log = logTexts();
        QString loginLine;
        for (const QString& l : log)
            if (l.startsWith("LOGIN: "))
                loginLine = l;
        if (c.ipInLoginLine.isEmpty()) {
            EXPECT_TRUE(loginLine.isEmpty());
        } else {
            EXPECT_TRUE(log.contains("START: " + ProgramFilePath()));
            EXPECT_TRUE(loginLine.contains(c.ipInLoginLine)) << loginLine.toStdString();
            if (c.ipInLoginLine == "IP:10.9.8.7") {
                EXPECT_TRUE(loginLine.endsWith("IP:10.9.8.7"));
            }
        }
    }
}

TEST_F(MainTest, StartupCleansTemporaryFilesWhenAsked)
{
    writeBytes(workDir() + "/trelvo.ini", "[STANDARD]\r\nDeleteTemporaryFiles=1\r\nLogToFile=1\r\n");
    OpenSettingsStore();
    const QString tmp = TrelvoPath("tmp");
    writeBytes(tmp + "old.tmp", "x");
    StartKvarnelCore({"kvarnel"});
    EXPECT_FALSE(QFileInfo::exists(tmp + "old.tmp"));
    EXPECT_TRUE(QFileInfo(tmp).isDir());
}

// Opens the SQL command against a real database.
class MainSqlTest : public AppTest {};

TEST_F(MainSqlTest, SqlCommandRunsTypedStatementsAndShowsServerErrors)
{
    ASSERT_TRUE(dm->MyConnection.open(db->params()));
    Windows().add("TSQLForm", [] { return new TSQLForm; });
    Windows().createAll();
    TMainform main;
    main.runLoginOnShow = false;

    dialogs().inputAnswers = {QStringLiteral("UPDATE company SET city='HOKKSUND' WHERE id=2")};
    main.action("SQL")->trigger();
    EXPECT_EQ(dialogs().questions.last(), QStringLiteral("Utfør SQL:"));
    EXPECT_EQ(scalar("SELECT city FROM company WHERE id=2"), "HOKKSUND");
    EXPECT_TRUE(dialogs().messages.empty());

    dialogs().inputAnswers = {QStringLiteral("UPDATE finnes_ikke SET x=1")};
    main.action("SQL")->trigger();
    EXPECT_TRUE(logTexts().contains("SQL ERROR: UPDATE finnes_ikke SET x=1"));
    ASSERT_EQ(dialogs().messages.size(), 1u);
    EXPECT_EQ(dialogs().messages[0].caption, QStringLiteral("Feil"));
    EXPECT_TRUE(dialogs().messages[0].text.contains("finnes_ikke' doesn't exist"))
        << dialogs().messages[0].text.toStdString();
    EXPECT_TRUE(Windows().get<TSQLForm>()->ErrorMemo->toPlainText().contains("doesn't exist"));

    // An empty answer (or a cancel) runs nothing.
    const int lines = LogStrings.size();
    dialogs().inputAnswers = {QString()};
    main.action("SQL")->trigger();
    main.action("SQL")->trigger();
    EXPECT_EQ(LogStrings.size(), lines);
    EXPECT_EQ(dialogs().messages.size(), 1u);
}
