// The invoice window's KID and "Send som EHF", and the invoice list's
// search by KID: all there only while KID is switched on, and a typed KID
// whose check digit fails never reaches the invoice.
#include "sales/salestest.h"

#include "core/norsk.h"
#include "sales/kidedit.h"

#include <QFile>
#include <QLabel>

namespace {

void setting(const char* key, const QString& value)
{
    MainIniSection s(QStringLiteral("STANDARD"));
    SetRegStr(QString::fromLatin1(key), value);
}

void kidOn()
{
    setting("KID_Aktiv", "1");
    setting("KID_Lengde", "12");
    setting("KID_Algoritme", "MOD10");
}

void company()
{
    setting("Firma_Navn", "Nordvik Elektro AS");
    setting("Firma_PostNr", "3001");
    setting("Firma_PostSted", "DRAMMEN");
    setting("Firma_OrgNr", "914 823 056");
    setting("Firma_Kontonr", "2250.11.47382");
    setting("Firma_MVARegistrert", "1");
}

} // namespace

TEST_F(SalesTest, KidIsMadeOnSaveAndCheckedWhenTyped)
{
    kidOn();
    const qint64 id = makeDocument("invoice", "6001");  // demo customer 10002
    makeLine("invoiceid", id, "100101", 2, 100);
    openDocument(invoice, dm->InvoiceTable, id);
    EXPECT_TRUE(invoice->KidEdit->isVisibleTo(invoice));
    ASSERT_NE(invoice->KidLabel, nullptr);
    EXPECT_EQ(invoice->KidLabel->text(), "KID:");
    EXPECT_TRUE(invoice->KidLabel->isVisibleTo(invoice));

    invoice->Lagre1Click();
    const QString made = scalar(QString("SELECT kid FROM invoice WHERE id=%1").arg(id));
    EXPECT_TRUE(made.startsWith("10002006001")) << made.toStdString();
    EXPECT_TRUE(KidValid(made, KidAlgorithm::Mod10));
    EXPECT_EQ(invoice->KidEdit->text(), made);

    // A wrong check digit: refused with a message, the stored KID comes back.
    invoice->KidEdit->setFocus();
    invoice->KidEdit->selectAll();
    QTest::keyClicks(invoice->KidEdit, "79927398710");
    EXPECT_FALSE(invoice->KidEdit->commit());
    EXPECT_TRUE(dialogs().lastMessage().contains("kontrollsifferet stemmer ikke")) << dialogs().lastMessage().toStdString();
    EXPECT_EQ(dialogs().messages.back().caption, "Feil");
    EXPECT_EQ(invoice->KidEdit->text(), made);
    invoice->Lagre1Click();
    EXPECT_EQ(scalar(QString("SELECT kid FROM invoice WHERE id=%1").arg(id)), made);

    // A wrong KID still being typed stops "Lagre" itself.
    invoice->KidEdit->selectAll();
    QTest::keyClicks(invoice->KidEdit, "1234");
    const size_t before = dialogs().messages.size();
    invoice->Lagre1Click();
    EXPECT_EQ(dialogs().messages.size(), before + 1);
    EXPECT_EQ(scalar(QString("SELECT kid FROM invoice WHERE id=%1").arg(id)), made);

    // A valid one, typed in groups, is stored without the blanks.
    invoice->KidEdit->selectAll();
    QTest::keyClicks(invoice->KidEdit, "7992 7398 713");
    EXPECT_TRUE(invoice->KidEdit->commit());
    invoice->Lagre1Click();
    EXPECT_EQ(scalar(QString("SELECT kid FROM invoice WHERE id=%1").arg(id)), "79927398713");
}

// With KID off the window, the printout and the stored invoice are as before.
TEST_F(SalesTest, WithoutKidNothingChanges)
{
    company();
    setting("Firma_MVARegistrert", "0");
    const qint64 id = makeDocument("invoice", "6003");
    makeLine("invoiceid", id, "100101", 1, 100);
    openDocument(invoice, dm->InvoiceTable, id);
    EXPECT_FALSE(invoice->KidEdit->isVisibleTo(invoice));
    EXPECT_FALSE(invoice->KidLabel->isVisibleTo(invoice));
    invoice->Lagre1Click();
    dialogs().yesNoAnswers = {false};
    invoice->Utskrift1Click();
    EXPECT_EQ(scalar(QString("SELECT kid FROM invoice WHERE id=%1").arg(id)), "");
    const QString text = pdfText(pdfDir() + "F6003.PDF");
    EXPECT_FALSE(text.contains("KID")) << text.toStdString();
    EXPECT_FALSE(text.contains("MVA "));
    EXPECT_TRUE(text.contains("Org.nr: 914 823 056"));

    // VAT registered: the company line says so the Norwegian way.
    setting("Firma_MVARegistrert", "1");
    invoice->Utskrift1Click();
    EXPECT_TRUE(pdfText(pdfDir() + "F6003.PDF").contains("Org.nr: NO 914823056 MVA"));
}

TEST_F(SalesTest, SendSomEhfWritesTheChosenFile)
{
    company();
    kidOn();
    const qint64 id = makeDocument("invoice", "6002");
    makeLine("invoiceid", id, "100101", 3, 100);
    openDocument(invoice, dm->InvoiceTable, id);
    EXPECT_TRUE(invoice->SendEHF1->isEnabled());
    EXPECT_EQ(invoice->SendEHF1->text(), "Send som EHF");

    QString offered;
    QString chosen = pdfDir() + "ut.xml";
    TInvoiceDataForm::ChooseEhfFile = [&](QWidget*, const QString& suggested) {
        offered = suggested;
        return chosen;
    };
    ASSERT_TRUE(invoice->SendEHF1Click()) << dialogs().lastMessage().toStdString();
    EXPECT_TRUE(offered.endsWith("/F6002.xml")) << offered.toStdString();
    EXPECT_TRUE(dialogs().lastMessage().contains("EHF-faktura 6002 er skrevet til")) << dialogs().lastMessage().toStdString();
    QFile f(chosen);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray xml = f.readAll();
    EXPECT_TRUE(xml.contains("<cbc:ID>6002</cbc:ID>"));
    EXPECT_TRUE(xml.contains("<cbc:PaymentID>" + scalar(QString("SELECT kid FROM invoice WHERE id=%1").arg(id)).toUtf8()));
    EXPECT_TRUE(xml.contains("mimeCode=\"application/pdf\""));

    // Cancelled: nothing happens. A customer without a valid organisation
    // number cannot be sent to: the reason is shown and nothing written.
    chosen.clear();
    EXPECT_FALSE(invoice->SendEHF1Click());
    sql("UPDATE company SET orgnumber='123' WHERE id=2");
    chosen = pdfDir() + "feil.xml";
    EXPECT_FALSE(invoice->SendEHF1Click());
    EXPECT_EQ(dialogs().messages.back().caption, "Feil");
    EXPECT_TRUE(dialogs().lastMessage().contains("organisasjonsnummer"));
    EXPECT_FALSE(QFile::exists(chosen));
    TInvoiceDataForm::ChooseEhfFile = nullptr;
}

TEST_F(SalesTest, InvoiceListFindsTheKid)
{
    const qint64 a = makeDocument("invoice", "6101");
    makeDocument("invoice", "6102");
    sql(QString("UPDATE invoice SET kid='100020061012' WHERE id=%1").arg(a));
    auto* list = Windows().get<TInvoiceListForm>();
    list->show();

    // KID off: the search looks at number and text only.
    dialogs().inputAnswers = {"100020061012"};
    list->Sketter1Click();
    EXPECT_EQ(dm->InvoiceTable.recordCount(), 0);

    kidOn();
    dialogs().inputAnswers = {"10002006101"};
    list->Sketter1Click();
    ASSERT_EQ(dm->InvoiceTable.recordCount(), 1);
    EXPECT_EQ(dm->InvoiceTable.asString("ordernumber"), "6101");
}

// A shared server not upgraded yet has no KID column: the row stays hidden,
// and printing with KID switched on says what to do.
TEST_F(SalesTest, KidOnADatabaseNotUpgraded)
{
    kidOn();
    sql("ALTER TABLE invoice DROP INDEX kid, DROP COLUMN kid");
    const qint64 id = makeDocument("invoice", "6201");
    makeLine("invoiceid", id, "100101", 1, 100);
    dm->InvoiceTable.close();
    openDocument(invoice, dm->InvoiceTable, id);
    EXPECT_FALSE(invoice->KidEdit->isVisibleTo(invoice));
    dialogs().yesNoAnswers = {false};
    invoice->Utskrift1Click();
    EXPECT_TRUE(dialogs().lastMessage().contains("kvarnel-admin upgrade")) << dialogs().lastMessage().toStdString();
    EXPECT_TRUE(QFile::exists(pdfDir() + "F6201.PDF"));  // printed all the same, without KID
}
