// The bookkeeping windows (chart of accounts, posting journal) and the
// settings dialog.
#include "ui/uitest.h"

#include "accounts/accountdataform.h"
#include "accounts/accountlistform.h"
#include "accounts/accountsearch.h"
#include "accounts/entriesdataform.h"
#include "accounts/entrieslistform.h"
#include "admin/inputform.h"
#include "admin/janeiform.h"
#include "admin/widgetdialogs.h"
#include "admin/oppsettdialog.h"
#include "core/cp1252.h"
#include "data/ordertotals.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

class AccountsTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        SetInputStrFunction(&InputStr);
        Windows().add<TAccountListForm>();
        Windows().add<TAccountDataForm>();
        Windows().add<TEntriesListForm>();
        Windows().add<TEntriesDataForm>();
        Windows().add<TOppsettDialog>();
        Windows().createAll();
        ASSERT_TRUE(db->admin().execScript(
            "DELETE FROM entries;\nDELETE FROM accounts;\n"
            "INSERT INTO entries (entrydate, from_account, to_account, `sum`, entrytext, invoiceno) VALUES "
            "('2026-02-03', 1500, 3000, 100, 'Faktura Fjord', '1001'), ('2026-02-04', 1920, 1500, 1500, 'Innbetaling', ''),"
            "('2026-02-05', 4300, 2400, 1.5, 'Småvarer', ''), ('2026-02-06', 6300, 1920, 200, 'Husleie 1500 kr', '');\n"))
            << db->admin().lastError().toStdString();
    }
    void TearDown() override
    {
        SetInputStrFunction(nullptr);
        UiTest::TearDown();
    }
};

TEST_F(AccountsTest, PostingSearchUsesNumbersOnlyWhenTheTextIsANumber)
{
    auto* list = Windows().get<TEntriesListForm>();
    list->show();
    struct Case {
        const char* typed;
        QStringList texts;
    } cases[] = {
        {"1500", {"Faktura Fjord", "Innbetaling", "Husleie 1500 kr"}},  // accounts, sum and the text
        {"1500 kr", {"Husleie 1500 kr"}},                               // text only
        {"1,5", {"Småvarer"}},                                           // a sum with the decimal comma
        {"abc'", {}},                                                     // a quote is data
        {"1001", {"Faktura Fjord"}},                                     // invoice number
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        dialogs().inputAnswers.push_back(QString::fromUtf8(c.typed));
        list->Sketter1Click();
        QStringList got = column(dm->EntriesTable, "entrytext");
        got.sort();
        QStringList want = c.texts;
        want.sort();
        EXPECT_EQ(got, want);
    }
    EXPECT_EQ(AccountSearchCondition(nullptr, "1,5", {"t"}, {"a"}, {"s"}), "t like '%1,5%' OR s=1.5");
    EXPECT_EQ(AccountSearchCondition(nullptr, "12", {"t"}, {"a"}, {"s"}), "t like '%12%' OR a=12 OR s=12");
    EXPECT_EQ(AccountSearchCondition(nullptr, "1.2.3", {"t"}, {"a"}, {"s"}), "t like '%1.2.3%'");
}

TEST_F(AccountsTest, GridCellsKeepTheSpacesOfTextsAndReadNumbersWithSeparators)
{
    auto* list = Windows().get<TEntriesListForm>();
    list->show();
    Dataset& e = dm->EntriesTable;
    ASSERT_TRUE(e.locate("entrytext", "Innbetaling"));
    QAbstractItemModel* m = list->Grid->model();
    int textCol = -1, sumCol = -1;
    for (int c = 0; c < m->columnCount(); ++c) {
        if (m->headerData(c, Qt::Horizontal).toString() == "Tekst") textCol = c;
        if (m->headerData(c, Qt::Horizontal).toString() == "Sum") sumCol = c;
    }
    ASSERT_GE(textCol, 0);
    EXPECT_EQ(m->data(m->index(e.recNo(), sumCol), Qt::EditRole).toString(), "1500,00");
    EXPECT_EQ(m->data(m->index(e.recNo(), textCol), Qt::EditRole).toString(), "Innbetaling");
    ASSERT_TRUE(m->setData(m->index(e.recNo(), textCol), "Innbetaling fra kunde"));
    ASSERT_TRUE(m->setData(m->index(e.recNo(), sumCol), "1 600,50"));
    ASSERT_TRUE(e.post());
    EXPECT_EQ(scalar("SELECT CONCAT(entrytext, '|', `sum`) FROM entries WHERE entrytext LIKE 'Innbetaling%'"),
              "Innbetaling fra kunde|1600.5");
}

TEST_F(AccountsTest, AccountSearchFindsNumbersAndNames)
{
    auto* list = Windows().get<TAccountListForm>();
    list->show();
    ASSERT_TRUE(db->admin().exec("INSERT INTO accounts (account, accountname) VALUES (3000, 'Salgsinntekt'), "
                                 "(3100, 'Salg avgiftsfritt'), (6300, 'Leie lokaler')"));
    dialogs().inputAnswers.push_back("3000");
    list->Sketter1Click();
    EXPECT_EQ(column(dm->AccountTable, "account"), QStringList{"3000"});
    dialogs().inputAnswers.push_back("salg");
    list->Sketter1Click();
    EXPECT_EQ(column(dm->AccountTable, "accountname"), (QStringList{"Salgsinntekt", "Salg avgiftsfritt"}));
}

TEST_F(AccountsTest, PostingVatFollowsItsCodeAndBadCodesAreRefused)
{
    auto* list = Windows().get<TEntriesListForm>();
    list->show();
    Dataset& e = dm->EntriesTable;
    const int before = e.recordCount();
    list->Ny1Click();
    ASSERT_EQ(e.state(), Dataset::Insert);
    e.setValue("sum", 100.0);
    e.setValue("vatcode", 1);
    ASSERT_TRUE(e.post());
    EXPECT_EQ(e.recordCount(), before + 1);
    EXPECT_DOUBLE_EQ(e.asFloat("vatsum"), 13);  // code 1: 13 %
    auto* data = Windows().get<TEntriesDataForm>();
    data->show();
    EXPECT_EQ(data->InclVatEdit->text(), "113,00");
    ASSERT_TRUE(e.edit());
    e.setValue("vatcode", 7);
    EXPECT_FALSE(e.post());
    EXPECT_TRUE(dialogs().lastMessage().contains("7"));
    e.cancel();
}

TEST_F(AccountsTest, BankBoxShowsTheBankPanel)
{
    ASSERT_TRUE(db->admin().exec("INSERT INTO accounts (account, accountname) VALUES (1920, 'Bank')"));
    auto* list = Windows().get<TAccountListForm>();
    list->show();
    ASSERT_TRUE(dm->AccountTable.locate("account", 1920));
    auto* data = Windows().get<TAccountDataForm>();
    data->show();
    EXPECT_EQ(data->windowTitle(), "Konto [" + QString::number(dm->AccountTable.currentId()) + "]");
    const int h = data->height();
    EXPECT_TRUE(data->BankPanel->isHidden());
    data->BankBox->click();
    EXPECT_FALSE(data->BankPanel->isHidden());
    EXPECT_GT(data->height(), h);
    EXPECT_EQ(data->TrackBar1->value(), 0);
}

TEST_F(AccountsTest, SettingsDialogReadsAndWritesItsKeys)
{
    auto* d = Windows().get<TOppsettDialog>();
    {
        MainIniSection s("STANDARD");
        SetRegStr("Firma_Navn", "Fjord Elektro AS");
        SetRegStr("Skriver_Index", "57");  // a printer that is gone
        SetRegStr("Arbeid_ArbeidstidStart", "07:00");
    }
    d->show();
    EXPECT_EQ(d->windowTitle(), "Oppsett Kvarnel SQL versjon 6.00-519 30.10.2011 (init 5.36)");
    EXPECT_EQ(d->edit("Firma_Navn")->text(), "Fjord Elektro AS");
    EXPECT_EQ(d->ListPrinterCombo->currentIndex(), -1);
    EXPECT_TRUE(d->ListDefaultBox->isChecked());

    // Hent drops what was typed.
    d->edit("Firma_Navn")->setText("Noe annet");
    d->HentButton->click();
    EXPECT_EQ(d->edit("Firma_Navn")->text(), "Fjord Elektro AS");

    d->edit("PosteringKontoFaktura")->setText("3000");
    d->edit("PosteringKontoFordring")->setText("1500");
    d->edit("Skriver_ToppMarg")->setText("abc");
    d->edit("Girojustering")->setText("x");
    d->BortePercentBox->setChecked(true);
    d->spin("Arbeid_PauseLengd1")->setValue(30);
    d->edit("Arbeid_PauseTid2")->setText("");
    d->check("KroneAvrunding")->setChecked(true);
    d->TextMemos[1]->setPlainText("Montasje\nRød kabel");
    d->BrukButton->click();
    MainIniSection s("STANDARD");
    const std::pair<const char*, const char*> stored[] = {
        {"PosteringKontoFaktura", "3000"}, {"Skriver_ToppMarg", "25"}, {"Girojustering", "-4"},
        {"Arbeid_BorteProsent", "JA"},     {"Arbeid_PauseLengd1", "30"}, {"Arbeid_PauseTid2", ":"},  // "  :  ", read back trimmed
        {"KroneAvrunding", "1"},           {"Skriver_Index", "-1"},
    };
    for (const auto& [key, value] : stored) EXPECT_EQ(GetRegStr(key), QString::fromUtf8(value)) << key;
    QFile txv(Inifilpath + "FIRMA.TXV");
    ASSERT_TRUE(txv.open(QIODevice::ReadOnly));
    EXPECT_EQ(txv.readAll(), QByteArray("Montasje\r\nR\xF8" "d kabel\r\n"));
    d->HentButton->click();
    EXPECT_EQ(d->edit("Skriver_ToppMarg")->text(), "25");
    EXPECT_TRUE(d->BortePercentBox->isChecked());

    // The posting accounts the dialog stored are what an approved invoice uses.
    ASSERT_TRUE(db->admin().exec("INSERT INTO invoice (id, ordernumber, status, companyid, ordertotal, orderVAT) "
                                 "VALUES (77, '7701', 'Ikke startet', 1, 400, 100)"));
    dm->InvoiceTable.setFilter("id=77");
    ASSERT_TRUE(dm->TableOpen(dm->InvoiceTable));
    ASSERT_TRUE(PostInvoice(*dm));
    EXPECT_EQ(scalar("SELECT CONCAT(from_account, '|', to_account) FROM entries WHERE invoiceno='7701'"), "3000|1500");

    // Cancel writes nothing; closing without a working day asks once.
    d->edit("Firma_Navn")->setText("Ikke lagret");
    d->edit("Arbeid_ArbeidstidStart")->setText("");
    dialogs().yesNoAnswers.push_back(true);
    d->AvbrytButton->click();
    EXPECT_TRUE(d->isVisible());
    dialogs().yesNoAnswers.push_back(false);
    d->AvbrytButton->click();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(GetRegStr("Firma_Navn"), "Fjord Elektro AS");
    EXPECT_EQ(dialogs().questions.count("Arbeidstid er ikke innlagt, legge det inn nå ?"), 2);
}

TEST_F(AccountsTest, MissingDefaultsAreWrittenAndSetValuesKept)
{
    {
        MainIniSection s("STANDARD");
        SetRegStr("PosteringKontoBank", "1922");
    }
    WriteMissingSettingDefaults();
    MainIniSection s("STANDARD");
    EXPECT_EQ(GetRegStr("PosteringKontoFaktura"), "3000");
    EXPECT_EQ(GetRegStr("PosteringKontoFordring"), "1500");
    EXPECT_EQ(GetRegStr("PosteringKontoBank"), "1922");
    EXPECT_EQ(GetRegStr("FakturaDager"), "14 dager");
}

// The income statement's bank account: 1921 on a new workstation; the 1920
// an earlier first start wrote is mended once, and only where the posting
// accounts are still that first start's.
TEST_F(AccountsTest, BankAccountDefaultIs1921AndTheOldFirstStartValueIsMendedOnce)
{
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> before;
        const char* bank;
    };
    const std::pair<const char*, const char*> firstStart[] = {
        {"PosteringKontoFaktura", "3000"}, {"PosteringKontoFordring", "1500"}, {"PosteringKontoBank", "1920"},
        {"PosteringKontoMVA", "2740"}};
    const Case cases[] = {
        {"new workstation", {}, "1921"},
        {"an earlier first start's settings", {std::begin(firstStart), std::end(firstStart)}, "1921"},
        {"posting accounts changed since", {firstStart[0], firstStart[1], firstStart[2], {"PosteringKontoMVA", "2741"}},
         "1920"},
        {"already checked: 1920 chosen", {std::begin(firstStart), std::end(firstStart)}, "1920"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        {
            MainIniSection s("STANDARD");
            for (const char* k : {"PosteringKontoFaktura", "PosteringKontoFordring", "PosteringKontoBank",
                                  "PosteringKontoMVA", "PosteringKontoBankSjekket"})
                SetRegStr(k, "");
            for (const auto& [k, v] : c.before) SetRegStr(k, v);
            if (QString(c.name).startsWith("already")) SetRegStr("PosteringKontoBankSjekket", "1");
        }
        WriteMissingSettingDefaults();
        WriteMissingSettingDefaults();  // a second start changes nothing more
        MainIniSection s("STANDARD");
        EXPECT_EQ(GetRegStr("PosteringKontoBank"), c.bank);
    }
    // Once checked, a 1920 chosen afterwards stays.
    {
        MainIniSection s("STANDARD");
        SetRegStr("PosteringKontoBank", "1920");
    }
    WriteMissingSettingDefaults();
    MainIniSection s("STANDARD");
    EXPECT_EQ(GetRegStr("PosteringKontoBank"), "1920");
}

// Closing the settings dialog without a working day asks with "Ja" as the
// default: Return keeps the dialog open.
TEST_F(AccountsTest, MissingWorkingDayQuestionStartsOnJa)
{
    auto* d = Windows().get<TOppsettDialog>();
    d->show();
    d->edit("Arbeid_ArbeidstidStart")->setText("");
    WidgetDialogs widgets;
    Dialogs* previous = SetDialogs(&widgets);
    QString asked;
    QTimer::singleShot(0, [&asked] {
        auto* f = qobject_cast<TJaNeiForm*>(QApplication::activeModalWidget());
        if (!f) return;
        asked = f->Label1->text();
        if (!qEnvironmentVariableIsEmpty("KV_WINDOW_SHOTS")) {
            QTest::qWait(300);
            QProcess::execute("import", {"-window", "root", qEnvironmentVariable("KV_WINDOW_SHOTS") + "/arbeidstid.png"});
        }
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : f, Qt::Key_Return);
    });
    d->close();
    SetDialogs(previous);
    EXPECT_EQ(asked, "Arbeidstid er ikke innlagt, legge det inn nå ?");
    EXPECT_TRUE(d->isVisible());
    d->edit("Arbeid_ArbeidstidStart")->setText("07:00");
    d->close();
    EXPECT_FALSE(d->isVisible());
}

TEST_F(AccountsTest, OwnCompanyDetailsComeFromTheUsersCompanyOnce)
{
    ASSERT_TRUE(db->admin().exec("UPDATE company SET companyname='Fjord Elektro AS', orgnumber='914 823 056', "
                                 "bankaccount='2250.11.47382' WHERE id=1"));
    FillOwnCompanySettings(dm->MyConnection, 1);
    {
        MainIniSection s("STANDARD");
        EXPECT_EQ(GetRegStr("Firma_Navn"), "Fjord Elektro AS");
        EXPECT_EQ(GetRegStr("Firma_OrgNr"), "914 823 056");
        EXPECT_EQ(GetRegStr("Firma_KontoNr"), "2250.11.47382");
        SetRegStr("Firma_Navn", "Eget navn");
    }
    FillOwnCompanySettings(dm->MyConnection, 1);  // what is set stays
    MainIniSection s("STANDARD");
    EXPECT_EQ(GetRegStr("Firma_Navn"), "Eget navn");
}
