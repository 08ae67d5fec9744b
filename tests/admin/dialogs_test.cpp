// The one-line input and yes/no dialogs, through the Dialogs seam and as
// real windows.
#include "admin/inputform.h"
#include "admin/janeiform.h"
#include "admin/widgetdialogs.h"
#include "core/corefixture.h"
#include "core/sysreg.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include <functional>

namespace {

// Answers the input question and remembers what the dialog was given.
class CaptureDialogs : public Dialogs {
public:
    explicit CaptureDialogs(std::optional<QString> answer) : answer_(std::move(answer)) { prev_ = SetDialogs(this); }
    ~CaptureDialogs() override { SetDialogs(prev_); }
    void ShowMessage(const QString&, const QString&) override {}
    bool AskYesNo(const QString&) override { return false; }
    bool InputText(const QString& caption, const QString& prompt, QString& value) override
    {
        this->caption = caption;
        this->prompt = prompt;
        shown = value;
        if (!answer_)
            return false;
        value = *answer_;
        return true;
    }
    bool ChooseFolder(const QString&, const QString&, QString&) override { return false; }
    QString caption, prompt, shown;

private:
    std::optional<QString> answer_;
    Dialogs* prev_;
};

QString storedLastInput()
{
    UserIniSection s;
    return GetRegStr(QStringLiteral("LastInputStr"));
}

// Runs body on the modal dialog that the next call opens.
void onModal(std::function<void(QWidget*)> body)
{
    QTimer::singleShot(0, [body] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        body(w);
    });
}

class DialogTest : public CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        OpenSettingsStore();
        LastInputStr.clear();
    }
};

} // namespace

TEST_F(DialogTest, InputStrDefaultsAnswerAndRemembering)
{
    struct Case {
        const char* name;
        QString defaultText;
        QString storedBefore;
        std::optional<QString> answer;  // nullopt: cancelled
        QString expectShown, expectAnswer, expectLast, expectStored;
        bool expectNumeric;
    };
    const Case cases[] = {
        {"typed default wins", "12", "old", QStringLiteral("12,5"), "12", "12,5", "12,5", "12,5", true},
        {"empty default uses stored", "", "Drammen", QStringLiteral("Lier"), "Drammen", "Lier", "Lier", "Lier", false},
        {"cancel keeps stored", "", "Drammen", std::nullopt, "Drammen", "", "", "Drammen", true},
        {"empty answer is numeric", "x", "", QStringLiteral(""), "x", "", "", "", true},
        {"point and digits", "", "", QStringLiteral("1.000"), "", "1.000", "1.000", "1.000", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        {
            UserIniSection s;
            SetRegStr(QStringLiteral("LastInputStr"), c.storedBefore);
        }
        LastInputStr = QStringLiteral("before");
        CaptureDialogs d(c.answer);
        QString answer = QStringLiteral("junk");
        EXPECT_EQ(InputStr(QStringLiteral("Søk etter:"), c.defaultText, answer), c.answer.has_value());
        EXPECT_EQ(d.caption, QStringLiteral("Skriv inn"));
        EXPECT_EQ(d.prompt, QStringLiteral("Søk etter:"));
        EXPECT_EQ(d.shown, c.expectShown);
        EXPECT_EQ(answer, c.expectAnswer);
        EXPECT_EQ(LastInputStr, c.expectLast);
        EXPECT_EQ(storedLastInput(), c.expectStored);
        EXPECT_EQ(NumericInput, c.expectNumeric);
    }
}

TEST_F(DialogTest, NumericRuleHoldsForLongAnswers)
{
    EXPECT_TRUE(IsNumericText(QString(1000, QLatin1Char('7'))));
    EXPECT_FALSE(IsNumericText(QString(300, QLatin1Char('7')) + QLatin1Char('x')));
    EXPECT_FALSE(IsNumericText(QStringLiteral("-5")));
}

TEST_F(DialogTest, InputFormMasksOnlyPasswordPrompt)
{
    TInputForm f;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Skriv inn"));
    f.setPrompt(QStringLiteral("Passord"));
    EXPECT_EQ(f.Edit1->echoMode(), QLineEdit::Password);
    f.setPrompt(QStringLiteral("Passord:"));
    EXPECT_EQ(f.Edit1->echoMode(), QLineEdit::Normal);
    f.setText(QStringLiteral("abc"));
    EXPECT_EQ(f.Edit1->selectedText(), QStringLiteral("abc"));
    EXPECT_EQ(f.OkButton->text(), QStringLiteral("O&k"));
    EXPECT_EQ(f.CancelButton->text(), QStringLiteral("&Avbryt"));
}

TEST_F(DialogTest, WidgetInputDialogOkAndCancel)
{
    WidgetDialogs widgets;
    Dialogs* prev = SetDialogs(&widgets);

    onModal([](QWidget* w) {
        auto* f = qobject_cast<TInputForm*>(w);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->Edit1->echoMode(), QLineEdit::Password);
        QTest::keyClicks(f->Edit1, QStringLiteral("hemmelig"));
        f->OkButton->click();
    });
    QString answer;
    EXPECT_TRUE(InputStr(QStringLiteral("Passord"), QStringLiteral("x"), answer));
    EXPECT_EQ(answer, QStringLiteral("hemmelig"));  // the default was selected and typed over

    onModal([](QWidget* w) { qobject_cast<TInputForm*>(w)->CancelButton->click(); });
    EXPECT_FALSE(InputStr(QStringLiteral("Søk:"), QString(), answer));
    EXPECT_EQ(answer, QString());
    EXPECT_EQ(storedLastInput(), QStringLiteral("hemmelig"));
    SetDialogs(prev);
}

TEST_F(DialogTest, AskJaNeiButtonsAndClosingKeepDefault)
{
    WidgetDialogs widgets;
    Dialogs* prev = SetDialogs(&widgets);
    struct Case {
        const char* name;
        bool defaultYes;
        std::function<void(TJaNeiForm*)> act;
        bool expect;
    };
    const Case cases[] = {
        {"Ja", false, [](TJaNeiForm* f) { f->JaButton->click(); }, true},
        {"Nei", true, [](TJaNeiForm* f) { f->NeiButton->click(); }, false},
        {"close box keeps yes", true, [](TJaNeiForm* f) { f->close(); }, true},
        {"close box keeps no", false, [](TJaNeiForm* f) { f->close(); }, false},
        {"Escape keeps yes", true, [](TJaNeiForm* f) { QTest::keyClick(f, Qt::Key_Escape); }, true},
        {"Enter takes the default button", false, [](TJaNeiForm* f) { QTest::keyClick(f, Qt::Key_Return); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool sawDefaultFocus = false;
        onModal([&](QWidget* w) {
            auto* f = qobject_cast<TJaNeiForm*>(w);
            ASSERT_NE(f, nullptr);
            EXPECT_EQ(f->windowTitle(), QStringLiteral("?"));
            sawDefaultFocus = (c.defaultYes ? f->JaButton : f->NeiButton)->isDefault();
            c.act(f);
        });
        EXPECT_EQ(AskJaNei(QStringLiteral("Slette raden?"), c.defaultYes), c.expect);
        EXPECT_TRUE(sawDefaultFocus);
    }
    SetDialogs(prev);
}

TEST_F(DialogTest, AskJaNeiGoesToScriptedDialogs)
{
    dialogs().yesNoAnswers = {true, false};
    EXPECT_TRUE(AskJaNei(QStringLiteral("Første?"), false));
    EXPECT_FALSE(AskJaNei(QStringLiteral("Andre?"), true));
    EXPECT_EQ(dialogs().questions, QStringList({QStringLiteral("Første?"), QStringLiteral("Andre?")}));
}

TEST_F(DialogTest, JaNeiWindowWidensForLongQuestions)
{
    TJaNeiForm f;
    const int narrow = f.width();
    const QString longQuestion(120, QLatin1Char('W'));
    f.setQuestion(longQuestion, true);
    EXPECT_GE(f.width(), QFontMetrics(f.Label1->font()).horizontalAdvance(longQuestion) + 50);
    TJaNeiForm g;
    g.setQuestion(QStringLiteral("OK?"), true);
    EXPECT_EQ(g.width(), narrow);
}
