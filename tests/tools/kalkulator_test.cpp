// The tape calculator, driven through its window as a user would: typed
// entries, the keys of the input box, the menus' list commands, the tape
// files and the stored window settings.
#include "core/corefixture.h"
#include "core/cp1252.h"
#include "core/sysreg.h"
#include "tools/kalkulatorform.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

class KalkulatorTest : public CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        OpenSettingsStore();
    }
    void TearDown() override
    {
        form.reset();
        CoreFixture::TearDown();
    }
    TKalkulatorForm& make()
    {
        form = std::make_unique<TKalkulatorForm>();
        form->beep = [this] { ++beeps; };
        form->FormShow();
        return *form;
    }
    void type(const QString& text)
    {
        form->eInn->setText(text);
        QTest::keyClick(form->eInn, Qt::Key_Return);
    }
    QStringList lines() const
    {
        QStringList out;
        for (const TapeLine& l : form->Tape()) out << (l.ticked ? "1" : "0") + l.text;
        return out;
    }
    QByteArray fileBytes(const QString& suffix = QString()) const
    {
        QFile f(form->TapeFileName(suffix));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void release(int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyPress(form->eInn, Qt::Key(key), mods);
        QTest::keyRelease(form->eInn, Qt::Key(key), mods);
    }

    std::unique_ptr<TKalkulatorForm> form;
    int beeps = 0;
};

// Each typed entry against a tape holding 10: the tape line it becomes and
// its line in the tape file, or a refusal (a beep, the entry left in the
// box, the tape as it was).
TEST_F(KalkulatorTest, EntriesBecomeTapeLinesAndFileLines)
{
    struct Case {
        const char* input;
        const char* line;  // nullptr: refused
    } cases[] = {
        {"1,5", "            1.50"},
        {"1.5", "            1.50"},
        {"1 234,5", "        1 234.50"},
        {"1234567,891", "    1 234 567.89"},
        {"-123", "         -123.00"},
        {"-1234,5", "       -1 234.50"},
        {"12*3", "           36.00"},
        {"100/8", "           12.50"},
        {"*2", "           20.00"},  // the sum 10 times 2
        {"/4", "            2.50"},
        {"0,005", "            0.01"},
        {"0", nullptr},
        {"", nullptr},
        {"abc", nullptr},
        {"5/0", nullptr},       // division by zero
        {"/0", nullptr},
        {"0*5", nullptr},       // a zero factor counts as typed
        {"0/5", nullptr},       // so does a zero dividend
        {"2*3/4", nullptr},     // mixed operators
        {"2*3*4", nullptr},
        {"1E400", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        make();
        form->SlettHeleListen();  // the last case's tape, saved at close
        form->MsModus1->setChecked(false);
        type("10");
        ASSERT_EQ(form->Tape().size(), 1);
        beeps = 0;
        type(QString::fromUtf8(c.input));
        if (!c.line) {
            EXPECT_EQ(beeps, 1);
            EXPECT_EQ(form->eInn->text(), QString::fromUtf8(c.input));
            EXPECT_EQ(lines(), QStringList{"1           10.00"});
            continue;
        }
        EXPECT_EQ(beeps, 0);
        EXPECT_TRUE(form->eInn->text().isEmpty());
        ASSERT_EQ(form->Tape().size(), 2);
        EXPECT_EQ(form->Tape().front().text, QString::fromUtf8(c.line));  // newest first
        EXPECT_EQ(form->TallListe->item(0)->text(), QString::fromUtf8(c.line).replace('.', ','));  // on screen
        form->LagreListe();
        EXPECT_EQ(fileBytes(), QByteArray("1") + c.line + "\r\n1           10.00\r\n");
    }
}

TEST_F(KalkulatorTest, MicrosoftModeKeepsOnlyTheNewestLineTicked)
{
    make();
    form->MsModus1->setChecked(true);
    type("10");
    type("*2");
    EXPECT_EQ(lines(), (QStringList{"1           20.00", "0           10.00"}));
    EXPECT_EQ(form->Results().sum, 20);
    form->MsModus1->setChecked(false);
    type("5");
    EXPECT_EQ(form->Results().sum, 25);
    EXPECT_EQ(form->ListeSumLabel->text(), "25,00");
    EXPECT_EQ(form->AntallLabel->text(), "2");
}

TEST_F(KalkulatorTest, TaxAndSecondCalculation)
{
    make();
    form->MsModus1->setChecked(false);
    type("125");
    form->mvacheck->setChecked(true);
    EXPECT_EQ(form->mvaLabel->text(), "25,00");
    EXPECT_EQ(form->inklmvalabel->text(), "100,00");
    EXPECT_EQ(form->mva2label->text(), "eks. mva");
    form->mvacheck->setChecked(false);
    EXPECT_EQ(form->mvaLabel->text(), "31,25");
    EXPECT_EQ(form->inklmvalabel->text(), "156,25");
    EXPECT_EQ(form->mva2label->text(), "inkl. mva");

    // Hidden, the second calculation does not reach the tax.
    form->RegneCombo->setCurrentIndex(2);
    form->RegneTall->setText("2");
    EXPECT_EQ(form->RegneSum->text(), "250,00");
    EXPECT_EQ(form->mvaLabel->text(), "31,25");
    form->AndreUtregning1->trigger();
    EXPECT_EQ(form->mvaLabel->text(), "62,50");
    struct {
        int op;
        const char* n;
        const char* result;
    } ops[] = {{0, "10", "12,50"}, {1, "4", "31,25"}, {1, "0", "0,00"}, {2, "0", "0,00"}, {0, "200", "250,00"}};
    for (const auto& o : ops) {
        SCOPED_TRACE(o.n);
        form->RegneCombo->setCurrentIndex(o.op);
        form->RegneTall->setText(o.n);
        EXPECT_EQ(form->RegneSum->text(), o.result);
    }
}

TEST_F(KalkulatorTest, RootOfNegativeSumShowsEmpty)
{
    make();
    form->MsModus1->setChecked(false);
    type("-4");
    EXPECT_TRUE(form->RotLabel->text().isEmpty());
    EXPECT_TRUE(form->KvadratLabel->text().isEmpty());
    type("20");
    EXPECT_EQ(form->RotLabel->text(), "4,00");
    EXPECT_EQ(form->KvadratLabel->text(), "256,00");
}

TEST_F(KalkulatorTest, ListCommands)
{
    make();
    form->MsModus1->setChecked(false);
    // "Merk min og max" on an empty tape does nothing.
    form->MerkMinMax();
    EXPECT_TRUE(form->Tape().isEmpty());
    EXPECT_EQ(form->ListeSumLabel->text(), "0,00");

    for (const char* n : {"-5", "-1", "-9"}) type(n);
    // Tape, newest first: -9, -1, -5. The smallest (-9) is unticked; no
    // number is above 0, so the first line is the "largest".
    form->MerkMinMax();
    EXPECT_EQ(lines(), (QStringList{"0           -9.00", "1           -1.00", "1           -5.00"}));

    form->SlettHeleListen();
    for (const char* n : {"3", "7", "1", "7"}) type(n);
    form->MerkMinMax();  // 7 (first of the two, newest first), 1
    EXPECT_EQ(form->Results().sum, 10);
    form->InverterMerker();
    EXPECT_EQ(form->Results().sum, 8);
    form->SlettUmerkede();
    EXPECT_EQ(form->Tape().size(), 2);
    EXPECT_EQ(form->Results().sum, 8);
    form->MerkAlle(false);
    EXPECT_EQ(form->Results().count, 0);
    EXPECT_EQ(form->SnittLabel->text(), "0,00");
}

TEST_F(KalkulatorTest, KeysOfTheInputBox)
{
    make();
    form->show();
    form->MsModus1->setChecked(false);
    struct {
        const char* input;
        int key;
        const char* result;
        int beeps;
    } cases[] = {
        {"1,5", Qt::Key_K, "2.25", 0}, {"3", Qt::Key_K, "9", 0},
        {"16", Qt::Key_R, "4.00000000", 0}, {"-4", Qt::Key_R, "-4", 1},  // no root of a negative number
        {"90", Qt::Key_S, "1.0000000000", 0}, {"", Qt::Key_P, "3.14159265", 0},
        {"123", Qt::Key_C, "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        beeps = 0;
        form->eInn->setText(c.input);
        release(c.key);
        EXPECT_EQ(form->eInn->text(), c.result);  // the letter itself never lands in the box
        EXPECT_EQ(beeps, c.beeps);
    }

    // Shift+C also empties the tape.
    type("5");
    form->eInn->setText("12");
    release(Qt::Key_C, Qt::ShiftModifier);
    EXPECT_TRUE(form->Tape().isEmpty());
    EXPECT_TRUE(form->eInn->text().isEmpty());

    // Ctrl+3 saves the tape as list 3; Ctrl+Shift+3 gives "#" on a Norwegian
    // keyboard, and loads it.
    type("42");
    release(Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(fileBytes("3"), QByteArray("1           42.00\r\n"));
    form->SlettHeleListen();
    release(Qt::Key_NumberSign, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(lines(), QStringList{"1           42.00"});
    form->SlettHeleListen();
    release(Qt::Key_ParenLeft, Qt::ControlModifier | Qt::ShiftModifier);  // list 8: no file, nothing happens
    EXPECT_TRUE(form->Tape().isEmpty());
}

TEST_F(KalkulatorTest, TapeFileIsWindows1252WithCrLfAndLoadsBack)
{
    make();
    const QByteArray bytes = "1           12.00\r\n0  noe \xe6\xf8\xe5\r\n\r\n1\r\n";
    ASSERT_EQ(WriteFileAtomic(form->TapeFileName("5"), bytes), 0);
    form->HentListe("5");
    EXPECT_EQ(lines(), (QStringList{"1           12.00", QString::fromUtf8("0  noe æøå"), "1"}));
    EXPECT_EQ(form->Results().sum, 12);
    form->LagreListe("6");
    EXPECT_EQ(fileBytes("6"), QByteArray("1           12.00\r\n0  noe \xe6\xf8\xe5\r\n1\r\n"));
}

TEST_F(KalkulatorTest, HeightFollowsTheNumberOfLines)
{
    make();
    form->MsModus1->setChecked(false);
    form->show();
    form->JusterVindu1->setChecked(true);
    type("1");
    type("2");
    const int h = form->height();
    form->SummerListe();
    form->SummerListe();
    EXPECT_EQ(form->height(), h);  // recomputing alone never grows it
    type("3");
    EXPECT_EQ(form->height(), h + TKalkulatorForm::LineHeight);
    form->MerkAlle(false);
    form->SlettUmerkede();
    EXPECT_EQ(form->height(), h - TKalkulatorForm::LineHeight);  // one line shows at the least
}

TEST_F(KalkulatorTest, SettingsAndTapeSurviveARestart)
{
    make();
    // A first start: every panel hidden, no option ticked.
    EXPECT_TRUE(form->SnittPanel->isHidden());
    EXPECT_TRUE(form->mvaPanel->isHidden());
    EXPECT_TRUE(form->Regnepanel->isHidden());
    EXPECT_FALSE(form->MsModus1->isChecked());
    EXPECT_EQ(form->FreeValue(), "00000000000");

    form->Snitt1->trigger();
    form->Mva1->trigger();
    form->mvacheck->setChecked(true);
    form->RegneCombo->setCurrentIndex(2);
    form->RegneTall->setText("1,5");
    form->MsModus1->setChecked(true);
    type("7");
    form->SetMini(true);
    EXPECT_EQ(form->Mini1->text(), "Normal");
    form->close();
    EXPECT_EQ(form->FreeValue(), "11012000101,5");
    EXPECT_EQ(fileBytes(), QByteArray("1            7.00\r\n"));

    make();
    EXPECT_FALSE(form->SnittPanel->isHidden());
    EXPECT_FALSE(form->mvaPanel->isHidden());
    EXPECT_TRUE(form->Regnepanel->isHidden());
    EXPECT_TRUE(form->mvacheck->isChecked());
    EXPECT_EQ(form->RegneCombo->currentIndex(), 2);
    EXPECT_EQ(form->RegneTall->text(), "1,5");
    EXPECT_TRUE(form->MsModus1->isChecked());
    EXPECT_FALSE(form->IsMini());
    EXPECT_EQ(lines(), QStringList{"1            7.00"});
}

TEST_F(KalkulatorTest, NeverShownCalculatorLeavesTheTapeAlone)
{
    ASSERT_EQ(WriteFileAtomic(TrelvoPath("data") + "liste.kalkulator", "1           12.00\r\n"), 0);
    form = std::make_unique<TKalkulatorForm>();
    form->close();
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    qApp->exec();
    EXPECT_EQ(fileBytes(), QByteArray("1           12.00\r\n"));
}

TEST_F(KalkulatorTest, TapeIsSavedWhenTheProgramEnds)
{
    make();
    form->show();
    type("99");
    // The program ends without the calculator being closed.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    qApp->exec();
    EXPECT_EQ(fileBytes(), QByteArray("1           99.00\r\n"));
}

TEST_F(KalkulatorTest, MiniModeAndMouse)
{
    make();
    form->show();
    const int h = form->height();
    form->Mini1->trigger();
    EXPECT_LT(form->height(), 80);
    EXPECT_EQ(form->Mini1->text(), "Normal");
    EXPECT_TRUE(form->ListPanel->isHidden());
    form->Mini1->trigger();
    EXPECT_EQ(form->height(), h);
    EXPECT_EQ(form->Mini1->text(), "Mini");
    EXPECT_FALSE(form->ListPanel->isHidden());

    form->MsModus1->setChecked(false);
    type("1234,5");
    QTest::mouseDClick(form->ListeSumLabel, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1234,50");

    // A result dropped on the input box becomes a tape line.
    form->DropNumber("1 234.50");
    EXPECT_EQ(form->Results().sum, 2469);

    form->chooseColor = [](const QColor&) { return QColor(Qt::yellow); };
    QTest::mouseClick(form->SumPanel, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_EQ(form->SumPanel->palette().color(QPalette::Window), QColor(Qt::yellow));
}

} // namespace
