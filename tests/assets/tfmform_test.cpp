// The TFM window: narrowing, searching, running numbers, the scratch list,
// the clipboard and what survives a restart.
#include "assets/tfm.h"
#include "assets/tfmform.h"
#include "core/corefixture.h"
#include "core/inifile.h"
#include "ui/windowregistry.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace Tfm;

class TfmFormTest : public CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        OpenSettingsStore();
        savedChooser = TTFMform::ChooseFile;
        TTFMform::ChooseFile = [this](QWidget*, bool save, const QString& initial) {
            chooserCalls << QString("%1 %2").arg(save ? "lagre" : "åpne", initial);
            return chosenFile;
        };
    }
    void TearDown() override
    {
        TTFMform::ChooseFile = savedChooser;
        Windows().reset();
        CoreFixture::TearDown();
    }
    static QStringList entries(const QComboBox* c)
    {
        QStringList out;
        for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
        return out;
    }
    // Chooses entry i of a list the way the user does: the list closes on it.
    static void choose(QComboBox* c, int i)
    {
        c->setCurrentIndex(i);
        emit c->activated(i);
    }
    static int indexStarting(const QComboBox* c, const QString& prefix)
    {
        for (int i = 0; i < c->count(); ++i)
            if (c->itemText(i).startsWith(prefix)) return i;
        return -1;
    }
    void loadScratch(TTFMform& f, const QString& line)
    {
        f.MerkeListe->clear();
        f.MerkeListe->addItem(line);
        f.MerkeListe->setCurrentRow(0);
        f.HentFraListe->click();
    }

    TTFMform::FileChooser savedChooser;
    QString chosenFile;
    QStringList chooserCalls;
};

TEST_F(TfmFormTest, MakingTheWindowWritesTheListsAndReadsTheUsersOwnCopy)
{
    // The user keeps his own location list; the others are missing.
    QDir().mkpath(Folder());
    writeBytes(FilePath(ListFile::Location), "K9 KONTOR 9\r\nL\xD8" "A L\xD8VEN\r\n");
    TTFMform f;
    EXPECT_EQ(entries(f.Lokalisering), QStringList({"K9 KONTOR 9", "LØA LØVEN"}));
    for (int i = 1; i < ListFileCount; ++i) EXPECT_TRUE(QFile::exists(FilePath(ListFile(i))));
    EXPECT_EQ(entries(f.System).size(), 225);
    EXPECT_EQ(entries(f.Produkt).size(), 305);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Trelvo TFM-system   1.02"));
    EXPECT_FALSE(f.HentKnapp->isVisibleTo(&f));
    EXPECT_FALSE(f.SystemNeste->isEnabled());
    EXPECT_FALSE(f.ProduktNeste->isEnabled());
    EXPECT_EQ(f.Nr1->text(), "01");
    EXPECT_EQ(f.Nr2->text(), "01");
    EXPECT_EQ(f.IDNr->text(), "");
}

TEST_F(TfmFormTest, MainGroupThenGroupNarrowsTheSystemsAndTheCodeFollows)
{
    TTFMform f;
    f.show();
    choose(f.SystemCombo, indexStarting(f.SystemCombo, "3."));
    const QStringList groups = entries(f.SystemUnderCOmbo);
    EXPECT_EQ(groups.size(), 10);
    for (const QString& g : groups) EXPECT_TRUE(g.startsWith('3')) << g.toStdString();
    EXPECT_EQ(f.SystemUnderCOmbo->currentIndex(), -1);

    choose(f.SystemUnderCOmbo, indexStarting(f.SystemUnderCOmbo, "36."));
    const QStringList systems = entries(f.System);
    ASSERT_FALSE(systems.isEmpty());
    for (const QString& s : systems) EXPECT_TRUE(s.startsWith("36")) << s.toStdString();
    EXPECT_EQ(f.System->currentText(), "");

    f.Lokalisering->setEditText("B1 BYGG 1");
    choose(f.System, 0);
    EXPECT_EQ(f.System->currentText(), "360 Luftbehandling, generelt");
    choose(f.ProduktCombo, indexStarting(f.ProduktCombo, "J."));
    for (const QString& p : entries(f.Produkt)) EXPECT_TRUE(p.startsWith('J')) << p.toStdString();
    choose(f.Produkt, indexStarting(f.Produkt, "JV"));
    f.Unik->setChecked(true);
    EXPECT_EQ(f.TFMLabel->text(), "+B1=360.01-JV01T");
    f.Unik->setChecked(false);
    f.IDNr->setText("4");
    EXPECT_EQ(f.TFMLabel->text(), "+B1=360.01-JV014");
    f.Tekst->setEditText("Vifte på taket");
    EXPECT_EQ(f.TekstLAbel->text(), "Vifte på taket");
}

TEST_F(TfmFormTest, NarrowingFromAMissingFileSaysSoAndLeavesTheListEmpty)
{
    TTFMform f;
    f.show();
    ASSERT_TRUE(QFile::remove(FilePath(ListFile::Product)));
    choose(f.ProduktCombo, indexStarting(f.ProduktCombo, "S."));
    EXPECT_EQ(f.Produkt->count(), 0);
    ASSERT_FALSE(dialogs().messages.empty());
    EXPECT_TRUE(dialogs().lastMessage().startsWith("Feil under åpning av " + FilePath(ListFile::Product)));
    // Reloading keeps what the lists have when a file is missing.
    const int systems = f.System->count();
    f.LoadTFM();
    EXPECT_EQ(f.System->count(), systems);
    EXPECT_EQ(f.Produkt->count(), 0);
}

TEST_F(TfmFormTest, SearchFindsInAnyCaseMatchesTheGroupsAndNextStopsAtTheLast)
{
    TTFMform f;
    f.show();
    // Narrowed to another group first: the search works on the whole list.
    choose(f.SystemCombo, indexStarting(f.SystemCombo, "2."));
    choose(f.SystemUnderCOmbo, indexStarting(f.SystemUnderCOmbo, "21."));
    dialogs().inputAnswers = {"KJØL"};
    f.SystemSok->click();
    EXPECT_EQ(dialogs().questions.back(), "Søk etter system ..");
    EXPECT_EQ(f.System->count(), 225);
    EXPECT_EQ(f.System->currentText(), "350 Kulde og kjøling, generelt");
    EXPECT_EQ(f.SisteLet, "KJØL");
    EXPECT_TRUE(f.SystemNeste->isEnabled());
    EXPECT_TRUE(f.SystemCombo->currentText().startsWith("3."));
    EXPECT_TRUE(f.SystemUnderCOmbo->currentText().startsWith("35."));
    EXPECT_TRUE(f.TFMLabel->text().contains("=350."));

    QStringList found = {f.System->currentText()};
    for (int i = 0; i < 10; ++i) {
        f.SystemNeste->click();
        if (found.contains(f.System->currentText())) break;
        found << f.System->currentText();
    }
    EXPECT_EQ(found, QStringList({"350 Kulde og kjøling, generelt", "351 Kjølesentraler",
                                  "352 Ledningsnett for kjøling", "353 Kjølerom og fryserom", "354 Komfortkjøling", "355 Prosesskjøling",
                                  "382 Kjøle- og fryseutstyr for kjøkken"}));
    EXPECT_TRUE(f.SystemUnderCOmbo->currentText().startsWith("38."));

    // The product search shares the text; a text found nowhere changes nothing.
    dialogs().inputAnswers = {"vifte"};
    f.ProduktSok->click();
    EXPECT_EQ(f.Produkt->currentText(), "JV Vifter");
    EXPECT_TRUE(f.ProduktCombo->currentText().startsWith("J."));
    EXPECT_EQ(f.SisteLet, "vifte");
    dialogs().inputAnswers = {"finnes ikke"};
    f.ProduktSok->click();
    EXPECT_EQ(f.Produkt->currentText(), "JV Vifter");
    EXPECT_EQ(f.SisteLet, "vifte");
    // Cancelling asks and does nothing.
    f.ProduktSok->click();
    EXPECT_EQ(f.Produkt->currentText(), "JV Vifter");
}

TEST_F(TfmFormTest, PlusAddsOneAndRefusesWhatIsNoNumber)
{
    TTFMform f;
    f.Nr1->setText("09");
    f.Nr1Pluss->click();
    EXPECT_EQ(f.Nr1->text(), "10");
    f.Nr2->setText("99");
    f.Nr2Pluss->click();
    EXPECT_EQ(f.Nr2->text(), "100");
    EXPECT_EQ(f.TFMLabel->text(), "+=.10-100");
    f.IDNrPluss->click();  // empty: nothing
    EXPECT_EQ(f.IDNr->text(), "");
    EXPECT_TRUE(dialogs().messages.empty());
    f.IDNr->setText("A1");
    f.IDNrPluss->click();
    EXPECT_EQ(f.IDNr->text(), "A1");
    ASSERT_EQ(dialogs().messages.size(), 1u);
    EXPECT_EQ(dialogs().messages.back().caption, "Feil");
    EXPECT_EQ(dialogs().lastMessage(), "'A1' er ikke et gyldig heltall.");
}

TEST_F(TfmFormTest, HentFraListeReadsTheLineBackWithItsTypeFlagQuirk)
{
    TTFMform f;
    f.show();
    struct Case {
        const char* line;
        bool unique;
        const char* idnr;
        const char* code;
        const char* text;
    };
    const Case cases[] = {
        // Stored lists rely on the suffix staying in the product number.
        {"+B1=360.01-JV01T,Ventil", false, "", "+B1=360.01-JV01T", "Ventil"},
        {"+B1=360.01-JV01T,Ventil", true, "", "+B1=360.01-JV01TT", "Ventil"},
        {"+B1=360.01-JV01T,Ventil", false, "5", "+B1=360.01-JV01T5", "Ventil"},
        {"+LHT1=799.12-XZ0345,Kontakt, stue", false, "", "+LHT1=799.12-XZ0345", "Kontakt, stue"},
        // A line that lacks a separator leaves that part empty.
        {"+B1360.01-JV01T,Uten lokasjon", false, "", "+=B13.01-JV01T", "Uten lokasjon"},
        {"+B1=360.01-JV01T", false, "", "+B1=360.01-JV01T", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        f.Unik->setChecked(c.unique);
        f.IDNr->setText(c.idnr);
        loadScratch(f, c.line);
        EXPECT_EQ(f.TFMLabel->text(), c.code);
        EXPECT_EQ(f.Tekst->currentText(), c.text);
        EXPECT_EQ(f.TekstLAbel->text(), c.text);
    }
    loadScratch(f, "+B1=360.01-JV01T,Ventil");
    EXPECT_EQ(f.Lokalisering->currentText(), "B1");
    EXPECT_EQ(f.System->currentText(), "360");
    EXPECT_EQ(f.Nr1->text(), "01");
    EXPECT_EQ(f.Produkt->currentText(), "JV");
    EXPECT_EQ(f.Nr2->text(), "01T");
    EXPECT_TRUE(f.SystemCombo->currentText().startsWith("3."));
    EXPECT_TRUE(f.SystemUnderCOmbo->currentText().startsWith("36."));
    EXPECT_TRUE(f.ProduktCombo->currentText().startsWith("J."));

    // Nothing selected: nothing happens.
    f.MerkeListe->clearSelection();
    f.Nr1->setText("07");
    f.HentFraListe->click();
    EXPECT_EQ(f.Nr1->text(), "07");
}

TEST_F(TfmFormTest, ScratchListAddDeleteSaveAndOpen)
{
    TTFMform f;
    f.show();
    f.Lokalisering->setEditText("HA HALL A");
    f.System->setEditText("362 Luftbehandlingsaggregater");
    f.Produkt->setEditText("JV Vifter");
    f.Unik->setChecked(true);
    f.Tekst->setEditText("Aggregat på loftet");
    f.LeggTilListe->click();
    f.Nr1->setText("02");
    f.Tekst->setEditText("Reserve, kjeller");
    f.LeggTilListe->click();
    ASSERT_EQ(f.MerkeListe->count(), 2);
    EXPECT_EQ(f.MerkeListe->item(0)->text(), "+HA=362.01-JV01T,Aggregat på loftet");
    EXPECT_EQ(f.MerkeListe->item(1)->text(), "+HA=362.02-JV01T,Reserve, kjeller");

    chosenFile = root() + "/merker.csv";
    f.LagreListe->click();
    EXPECT_EQ(chooserCalls.back(), "lagre " + Folder() + "tfm-liste.csv");
    EXPECT_EQ(readBytes(chosenFile),
              QByteArray("+HA=362.01-JV01T,Aggregat p\xE5 loftet\r\n+HA=362.02-JV01T,Reserve, kjeller\r\n"));

    // Delete removes the selected line only.
    f.MerkeListe->setCurrentRow(0);
    QTest::keyClick(f.MerkeListe, Qt::Key_Delete);
    ASSERT_EQ(f.MerkeListe->count(), 1);
    EXPECT_EQ(f.MerkeListe->item(0)->text(), "+HA=362.02-JV01T,Reserve, kjeller");
    f.MerkeListe->clearSelection();
    QTest::keyClick(f.MerkeListe, Qt::Key_Delete);
    EXPECT_EQ(f.MerkeListe->count(), 1);

    f.AapneListe->click();
    EXPECT_EQ(chooserCalls.back(), "åpne " + chosenFile);
    ASSERT_EQ(f.MerkeListe->count(), 2);
    EXPECT_EQ(f.MerkeListe->item(0)->text(), "+HA=362.01-JV01T,Aggregat på loftet");

    // A file that cannot be read is reported and the list stays.
    chosenFile = root() + "/finnes-ikke.csv";
    f.AapneListe->click();
    EXPECT_EQ(f.MerkeListe->count(), 2);
    EXPECT_TRUE(dialogs().lastMessage().startsWith("Feil under åpning av "));
    // A save that fails says so.
    chosenFile = root() + "/ingen/mappe/merker.csv";
    f.LagreListe->click();
    EXPECT_TRUE(dialogs().lastMessage().startsWith("Kan ikke lagre merkelisten til " + chosenFile));
    EXPECT_EQ(dialogs().messages.back().caption, "Feil");
    // Cancelled dialogs do nothing.
    chosenFile.clear();
    f.AapneListe->click();
    f.LagreListe->click();
    EXPECT_EQ(f.MerkeListe->count(), 2);
}

TEST_F(TfmFormTest, CopyPutsTheCodeOnTheClipboard)
{
    TTFMform f;
    f.Lokalisering->setEditText("K1 KAI 1");
    f.System->setEditText("742 Utendørs belysning");
    f.Produkt->setEditText("UL Lysarmaturer");
    f.CopyButton->click();
    EXPECT_EQ(QApplication::clipboard()->text(), "+K1=742.01-UL01");
}

TEST_F(TfmFormTest, ListTextsAndTheSearchTextSurviveARestart)
{
    {
        TTFMform f;
        f.show();
        f.Lokalisering->setEditText("S2 SONE 2");
        f.System->setEditText("541 Brannalarm");
        f.Produkt->setEditText("RB Brannmeldere, Røykdetektorer");
        f.Tekst->setEditText("Detektor gang");
        f.Nr1->setText("07");
        f.SisteLet = "brann";
        f.close();
    }
    {
        MainIniSection s("TFM");
        EXPECT_EQ(GetRegStr("Lokalisering"), "S2 SONE 2");
        EXPECT_EQ(GetRegStr("SisteLet"), "brann");
    }
    TTFMform g;
    g.show();
    EXPECT_EQ(g.Lokalisering->currentText(), "S2 SONE 2");
    EXPECT_EQ(g.System->currentText(), "541 Brannalarm");
    EXPECT_EQ(g.Tekst->currentText(), "Detektor gang");
    EXPECT_EQ(g.SisteLet, "brann");
    // The running numbers start over.
    EXPECT_EQ(g.TFMLabel->text(), "+S2=541.01-RB01");
    EXPECT_TRUE(g.SystemUnderCOmbo->currentText().startsWith("54."));
    EXPECT_TRUE(g.ProduktCombo->currentText().startsWith("R."));
    EXPECT_EQ(g.size(), QSize(880, 582));
}

TEST_F(TfmFormTest, AFreeWindowAskedForModallyIsHiddenAndShownOnceModal)
{
    Windows().add("TTFMform", [] { return new TTFMform; });
    Windows().createAll();
    auto* f = Windows().get<TTFMform>();
    ASSERT_TRUE(Windows().show("TTFMform"));
    ASSERT_TRUE(f->isVisible());
    EXPECT_FALSE(f->isModal());
    int tfmWindows = -1;
    bool modal = false, hentShown = false;
    QTimer::singleShot(0, f, [&] {
        tfmWindows = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<TTFMform*>(w) && w->isVisible()) ++tfmWindows;
        modal = QApplication::activeModalWidget() == f;
        hentShown = f->HentKnapp->isVisible();
        f->Lokalisering->setEditText("B2 BYGG 2");
        f->HentKnapp->click();
    });
    EXPECT_TRUE(f->ExecForAsset());
    EXPECT_EQ(tfmWindows, 1);
    EXPECT_TRUE(modal);
    EXPECT_TRUE(hentShown);
    EXPECT_FALSE(f->HentKnapp->isVisibleTo(f));
    EXPECT_TRUE(f->TFMLabel->text().startsWith("+B2="));
    QTimer::singleShot(0, f, [f] { f->reject(); });
    EXPECT_FALSE(f->ExecForAsset());
}
