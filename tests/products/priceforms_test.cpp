// The price-list windows and the handheld-terminal dialog: what they add to
// the code below them (the preview is the import's own cut, the supplier is
// the company list's row, the dialog's modes follow who opened it, and the
// document target is the window's open document).
#include "ui/uitest.h"

#include "core/cp1252.h"
#include "data/terminal.h"
#include "products/priceforms.h"
#include "products/terminalforms.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>

class PriceFormsTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Windows().add<TProductPriceUpdateForm>();
        Windows().add<TProductImportForm>();
        Windows().add<TProductTerminalDialogForm>();
        Windows().createAll();
    }
    QTemporaryDir dir;
};

TEST_F(PriceFormsTest, PreviewShowsWhatTheImportStores)
{
    const QString path = dir.path() + "/pris.txt";
    const QString line = "   LEV1" + QString("4711002").leftJustified(7) + QString(7, ' ') +
                         QString("Hylle 12' eik").leftJustified(40) + QString(12, ' ') + "stk" + QString("000199,50") + "INV  ";
    ASSERT_EQ(WriteCp1252Lines(path, {line}), 0);
    ASSERT_TRUE(dm->CompanyTable.locate("id", 2));
    auto* f = Windows().get<TProductImportForm>();
    f->show();
    EXPECT_EQ(f->SupplierLabel->text(), dm->CompanyTable.asString("companyname"));
    f->FileEdit->setText(path);
    f->CheckFile();
    EXPECT_EQ(f->CodePreview->text(), "4711002");
    EXPECT_EQ(f->TextPreview->text(), "Hylle 12´ eik");
    EXPECT_EQ(f->PricePreview->text(), "199,50");
    f->OptionGroup->button(1)->setChecked(true);
    ASSERT_TRUE(f->ImportProduct(false));
    EXPECT_EQ(scalar("SELECT CONCAT(producttext, '|', cost, '|', vendor) FROM product WHERE productcode='4711002'"),
              "Hylle 12´ eik|199.5|2");
    EXPECT_TRUE(f->ResultMemo->toPlainText().contains("1 varer lagt til"));
    // Moving a field moves the preview with it.
    f->CodePos->setValue(2);
    EXPECT_EQ(f->CodePreview->text(), "EV14711");
}

TEST_F(PriceFormsTest, PriceUpdateTicksWhatIsTypedAndNamesTheSupplier)
{
    ASSERT_TRUE(db->admin().exec("INSERT INTO product (productcode, cost, vendor) VALUES ('PU1', 200, 2), ('PU2', 200, 3)"));
    ASSERT_TRUE(dm->CompanyTable.locate("id", 2));
    auto* f = Windows().get<TProductPriceUpdateForm>();
    f->show();
    f->CostEdit->setText("10");
    emit f->CostEdit->textEdited("10");
    EXPECT_TRUE(f->CostBox->isChecked());
    f->VendorBox->setChecked(true);
    ASSERT_TRUE(f->BitBtn1Click());
    EXPECT_EQ(scalar("SELECT GROUP_CONCAT(cost ORDER BY productcode) FROM product WHERE productcode LIKE 'PU%'"), "220,200");
}

TEST_F(PriceFormsTest, TerminalDialogFollowsItsOpenerAndTheOpenDocument)
{
    {
        MainIniSection s("STANDARD");
        SetRegStr("ProductTerminalFilePath", dir.path() + "/");
    }
    auto* d = Windows().get<TProductTerminalDialogForm>();
    TerminalProgram = 1;
    d->show();
    EXPECT_EQ(d->ModeCombo->itemText(1), "Trekk antall i fra ordre (retur)");
    EXPECT_EQ(d->ModeCombo->currentIndex(), 2);
    EXPECT_EQ(d->SizeSlider->value(), 0);
    // No file: said in the list, which then shows.
    CurrentOrderID = 0;
    EXPECT_FALSE(d->LesInnClick());
    EXPECT_EQ(d->SizeSlider->value(), 1);
    EXPECT_TRUE(d->ErrorMemo->toPlainText().startsWith("Finner ikke filen"));
    // A file but no open order: nothing is touched.
    ASSERT_EQ(WriteCp1252Lines(dir.path() + "/FORM.DAT", {"300301,1"}), 0);
    EXPECT_FALSE(d->LesInnClick());
    EXPECT_TRUE(d->ErrorMemo->toPlainText().contains("Ingen ordre"));
    d->close();
    TerminalProgram = 0;
    d->show();
    EXPECT_EQ(d->ModeCombo->itemText(0), "Bruk antall som lagerverdi");
    // Read into stock with neither "Slett fil etter innlasting" nor "Lag
    // arkivkopi": the file stays as it was, no copy is made, and its box
    // still shows it.
    EXPECT_TRUE(d->LesInnClick()) << d->ErrorMemo->toPlainText().toStdString();
    EXPECT_EQ(d->FileMemo->toPlainText(), "300301,1");
    if (!qEnvironmentVariableIsEmpty("KV_WINDOW_SHOTS")) {
        QTest::qWait(300);
        QProcess::execute("import", {"-window", "root", qEnvironmentVariable("KV_WINDOW_SHOTS") + "/terminal.png"});
    }
    EXPECT_EQ(QDir(dir.path()).entryList({"*FORM.DAT"}, QDir::Files), QStringList{"FORM.DAT"});
    d->close();
}
