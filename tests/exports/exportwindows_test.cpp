// The SAF-T window and the settings page for KID, VAT registration, bank
// and files.
#include "exports_fixture.h"

#include "core/norsk.h"
#include "exportsui/norskoppsettpage.h"
#include "exportsui/saftexportform.h"
#include "ui/windowregistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>

namespace {

class ExportWindowTest : public ExportTest {
protected:
    void SetUp() override
    {
        ExportTest::SetUp();
        SetDataModule(&dm);
    }
    void TearDown() override
    {
        Windows().reset();
        SetDataModule(nullptr);
        TSaftExportForm::ChooseFile = nullptr;
        ExportTest::TearDown();
    }
};

} // namespace

TEST_F(ExportWindowTest, SaftWindowWritesThePeriod)
{
    sql("INSERT INTO accounts (account, accountname) VALUES (1500, 'Kundefordringer'), (3000, 'Salg')");
    sql("INSERT INTO entries (entrydate, from_account, to_account, `sum`, vatcode, vatsum, companyid, entrytext) VALUES "
        "('2025-03-04', 3000, 1500, 1000, 0, 250, 2, 'Faktura'), ('2026-01-02', 3000, 1500, 50, 0, 12.5, 2, 'Neste år')");
    TSaftExportForm w;
    w.show();
    // The year before this one is offered, with a file named after it.
    const int year = QDate::currentDate().year() - 1;
    EXPECT_EQ(w.FromEdit->text(), QString("01.01.%1").arg(year));
    EXPECT_EQ(w.ToEdit->text(), QString("31.12.%1").arg(year));
    const QString y = QString::number(year);
    EXPECT_TRUE(w.FileEdit->text().endsWith("SAF-T_" + y + "0101-" + y + "1231.xml")) << w.FileEdit->text().toStdString();

    w.FromEdit->setText("01.01.2025");
    w.ToEdit->setText("31.12.2025");
    const QString file = path("saft-2025.xml");
    TSaftExportForm::ChooseFile = [&](QWidget*, const QString&) { return file; };
    w.BrowseClick();
    EXPECT_EQ(w.FileEdit->text(), file);
    ASSERT_TRUE(w.ExportClick()) << w.ResultLabel->text().toStdString();
    EXPECT_TRUE(w.ResultLabel->text().contains("1 posteringer"));
    EXPECT_EQ(checkSaft(file).value("transactions").toInt(), 1);

    // A date that does not exist is refused before anything is read.
    w.ToEdit->setText("31.02.2025");
    EXPECT_FALSE(w.ExportClick());
    EXPECT_EQ(dialogs.messages.back().caption, "Feil");
    EXPECT_TRUE(dialogs.lastMessage().contains("Til dato «31.02.2025» er ikke en gyldig dato"));
}

TEST_F(ExportWindowTest, SaftMenuItemShowsTheWindow)
{
    Windows().add<TSaftExportForm>();
    QMenu menu;
    QAction* a = AddSaftExportItem(&menu);
    EXPECT_EQ(a->text(), "SAF-T regnskapsfil ...");
    Windows().createAll();
    a->trigger();
    ASSERT_NE(Windows().get<TSaftExportForm>(), nullptr);
    EXPECT_TRUE(Windows().get<TSaftExportForm>()->isVisible());
}

TEST_F(ExportWindowTest, SettingsPageReadsAndWritesTheKeys)
{
    setting("KID_Aktiv", "1");
    setting("KID_Lengde", "12");
    setting("KID_Algoritme", "MOD11");
    TNorskOppsettPage page;
    EXPECT_TRUE(page.KidBox->isChecked());
    EXPECT_EQ(page.KidLengthSpin->value(), 12);
    EXPECT_EQ(page.KidAlgorithmCombo->currentText(), "MOD11");
    EXPECT_TRUE(page.VatBox->isChecked());  // the fixture's company is VAT registered
    EXPECT_TRUE(page.KidExampleLabel->text().contains("gir KID 10002005001")) << page.KidExampleLabel->text().toStdString();

    // The example follows the fields: 10 digits leave 4 for a customer number of 5.
    page.KidLengthSpin->setValue(10);
    EXPECT_TRUE(page.KidExampleLabel->text().contains("flere sifre")) << page.KidExampleLabel->text().toStdString();

    page.KidBox->setChecked(false);
    page.KidAlgorithmCombo->setCurrentIndex(0);
    page.IbanEdit->setText(" NO93 8601 1117 947 ");
    page.PayablesEdit->setText("2410");
    page.Skriv();
    const KidSettings k = ReadKidSettings();
    EXPECT_FALSE(k.on);
    EXPECT_EQ(k.length, 10);
    EXPECT_EQ(k.algorithm, KidAlgorithm::Mod10);
    EXPECT_EQ(ReadSellerSettings().iban, "NO9386011117947");
    EXPECT_EQ(PayablesAccount(), 2410);

    // "Les" brings back what is stored, dropping what was typed since.
    page.PayablesEdit->setText("9999");
    page.Les();
    EXPECT_EQ(page.PayablesEdit->text(), "2410");
}
