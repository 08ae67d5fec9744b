// Data-aware controls, the record-information window and the generic
// table window.
#include "uitest.h"

#include "core/felles.h"
#include "ui/commonlistform.h"
#include "ui/dbcontrols.h"
#include "ui/postinfoform.h"

#include <QToolButton>

class ControlsTest : public UiTest {
protected:
    Dataset& companies() { return dm->CompanyTable; }
};

TEST_F(ControlsTest, NumbersAreShownAndReadTheNorwegianWay)
{
    Dataset& acc = dm->AccountTable;
    ASSERT_TRUE(dm->TableOpen(acc));
    ASSERT_TRUE(acc.locate("account", 1230));
    TDBEdit sum(&acc, "sum");
    EXPECT_EQ(sum.text(), NorNum(312000, 2));

    struct Case {
        const char* typed;
        double stored;
    };
    for (const Case& c : {Case{"1 234,5", 1234.5}, Case{"12.25", 12.25}, Case{"-3,", -3}}) {
        sum.clear();
        QTest::keyClicks(&sum, c.typed);
        EXPECT_EQ(acc.state(), Dataset::Edit) << c.typed;
        EXPECT_DOUBLE_EQ(acc.asFloat("sum"), c.stored) << c.typed;
    }

    // A text that never reads as a number is refused when handed over.
    sum.clear();
    QTest::keyClicks(&sum, "12x");
    EXPECT_TRUE(sum.hasPending());
    EXPECT_FALSE(sum.commit());
    EXPECT_TRUE(dialogs().lastMessage().contains("12x"));
    EXPECT_EQ(sum.text(), NorNum(12, 2));  // the last value that read
    acc.cancel();
    EXPECT_EQ(sum.text(), NorNum(312000, 2));
}

TEST_F(ControlsTest, TextIsLimitedToTheColumnAndFollowsTheRow)
{
    TDBEdit name(&companies(), "companyname");
    TDBEdit custno(&companies(), "custno");
    EXPECT_EQ(name.maxLength(), 80);
    custno.clear();
    QTest::keyClicks(&custno, "123456789012");
    EXPECT_EQ(custno.text(), "12345678");
    EXPECT_EQ(companies().asString("custno"), "12345678");
    companies().cancel();

    companies().moveTo(3);
    EXPECT_EQ(name.text(), companies().asString("companyname"));
    companies().setValue("companyname", "Endret av en regel");
    EXPECT_EQ(name.text(), "Endret av en regel");
    companies().cancel();

    // Rebinding shows the other dataset's field.
    ASSERT_TRUE(dm->TableOpen(dm->AccountTable));
    name.setField(&dm->AccountTable, "accountname");
    EXPECT_EQ(name.text(), dm->AccountTable.asString("accountname"));
}

TEST_F(ControlsTest, CheckBoxStoresItsValues)
{
    TDBCheckBox published("Publisert", &companies(), "rwx_all");
    published.setValues(5, 0);
    TDBCheckBox customer("Kunde", &companies(), "customer");
    ASSERT_TRUE(companies().locate("companyname", "Bragernes Eiendom AS"));
    EXPECT_TRUE(customer.isChecked());
    EXPECT_FALSE(published.isChecked());

    published.click();
    EXPECT_EQ(companies().asInt("rwx_all"), 5);
    customer.click();
    EXPECT_EQ(companies().asInt("customer"), 0);
    ASSERT_TRUE(companies().post());
    const QString id = QString::number(companies().currentId());
    EXPECT_EQ(scalar("SELECT CONCAT(rwx_all, '/', customer) FROM company WHERE id=" + id), "5/0");

    published.click();
    EXPECT_EQ(companies().asInt("rwx_all"), 0);
    companies().cancel();
    EXPECT_TRUE(published.isChecked());
}

TEST_F(ControlsTest, ComboBoxesWriteTextKeyAndValue)
{
    TDBLookupComboBox owner;
    owner.setListQuery(&dm->MyConnection, "SELECT id, initials FROM users ORDER BY initials");
    owner.setField(&companies(), "mycontact");
    const QString initials = scalar("SELECT initials FROM users WHERE id=" + companies().asString("mycontact"));
    EXPECT_EQ(owner.currentText(), initials);

    const qint64 other = scalar("SELECT MAX(id) FROM users").toLongLong();
    owner.chooseKey(other);
    EXPECT_EQ(companies().asInt("mycontact"), other);
    EXPECT_EQ(companies().state(), Dataset::Edit);
    companies().cancel();

    TDBComboBox branch(&companies(), "branch", {"Bygg", "Handel"}, true);
    branch.lineEdit()->clear();
    QTest::keyClicks(branch.lineEdit(), "Fiske");
    EXPECT_EQ(companies().asString("branch"), "Fiske");
    companies().cancel();

    TDBRadioGroup group("Rolle", {"Ingen", "Kunde"}, {0, 1});
    group.setField(&companies(), "vendor");
    ASSERT_TRUE(companies().locate("companyname", "Nordisk Elektrogrossist AS"));
    EXPECT_EQ(group.itemIndex(), 1);
    group.chooseIndex(0);
    EXPECT_EQ(companies().asInt("vendor"), 0);
    companies().cancel();
}

TEST_F(ControlsTest, RecordInformationShowsTheAttachedDatasetsHeader)
{
    Windows().add("TPostinfoForm", [] { return new TPostinfoForm; });
    Windows().add("TCommonListForm", [] { return new TCommonListForm; });
    Windows().createAll();
    auto* info = Windows().get<TPostinfoForm>();
    auto* table = Windows().get<TCommonListForm>();

    ASSERT_TRUE(companies().locate("id", 2));
    info->show();
    EXPECT_EQ(info->windowTitle(), "Postinformasjon");
    EXPECT_EQ(info->OwnerCombo->currentText(), scalar("SELECT initials FROM users WHERE id=1"));
    info->CheckedBox->click();
    info->TagEdit->clear();
    QTest::keyClicks(info->TagEdit, "42");
    info->Navigator->Post->click();
    EXPECT_EQ(scalar("SELECT CONCAT(checked, '/', usertag) FROM company WHERE id=2"), "1/42");
    info->hide();

    table->show();
    EXPECT_EQ(table->windowTitle(), "Tabell 101");
    EXPECT_EQ(table->Grid->model()->columnCount(), companies().fieldCount());
    table->hide();

    ASSERT_TRUE(dm->TableOpen(dm->AccountTable));
    dm->CommonSource = &dm->AccountTable;
    table->show();
    EXPECT_EQ(table->windowTitle(), "Tabell 116");
    EXPECT_EQ(table->Grid->model()->rowCount(), dm->AccountTable.recordCount());
    info->show();
    EXPECT_EQ(info->TagEdit->link().dataset(), &dm->AccountTable);
}
