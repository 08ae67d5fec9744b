// Data-aware controls, the record-information window and the generic
// table window.
#include "uitest.h"

#include "core/felles.h"
#include "core/textfil.h"
#include "ui/commonlistform.h"
#include "ui/dbcontrols.h"
#include "ui/postinfoform.h"

#include <QCalendarWidget>
#include <QFrame>
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

TEST_F(ControlsTest, DateFieldsStoreTypedDatesAndRefuseOthers)
{
    Dataset& orders = dm->OrderTable;
    ASSERT_TRUE(dm->TableOpen(orders));
    ASSERT_FALSE(orders.isEmpty());
    const qint64 id = orders.currentId();
    QWidget box;
    TDBDateEdit date(&orders, "orderdate", &box);
    TDBEdit other(&orders, "subject", &box);
    other.move(0, 40);
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    struct Case {
        const char* typed;
        QDate stored;
    } cases[] = {{"01.12.2026", {2026, 12, 1}}, {"2.12.26", {2026, 12, 2}}, {"03122026", {2026, 12, 3}},
                 {"2026-12-04", {2026, 12, 4}}};
    for (const Case& c : cases) {
        date.setFocus();
        date.selectAll();
        QTest::keyClicks(&date, c.typed);
        EXPECT_EQ(orders.state(), Dataset::Edit) << c.typed;
        QTest::keyClick(&date, Qt::Key_Return);
        EXPECT_EQ(orders.value("orderdate").toDate(), c.stored) << c.typed;
        EXPECT_EQ(date.text(), c.stored.toString("dd.MM.yyyy")) << c.typed;
    }
    // Leaving the field hands it over too.
    date.setFocus();
    date.selectAll();
    QTest::keyClicks(&date, "5.12.2026");
    other.setFocus();
    EXPECT_EQ(orders.value("orderdate").toDate(), QDate(2026, 12, 5));

    // Not a date: refused with a message; the text stays to be mended.
    date.setFocus();
    date.selectAll();
    QTest::keyClicks(&date, "31.02.2026");
    EXPECT_FALSE(CommitDataControls(&box));
    ASSERT_FALSE(dialogs().messages.empty());
    EXPECT_EQ(dialogs().messages.back().caption, "Feil");
    EXPECT_TRUE(dialogs().lastMessage().contains("31.02.2026"));
    EXPECT_TRUE(LastLogLine.contains("FEIL:")) << LastLogLine.toStdString();
    EXPECT_EQ(date.text(), "31.02.2026");
    EXPECT_EQ(orders.value("orderdate").toDate(), QDate(2026, 12, 5));

    // Emptied: no date.
    date.selectAll();
    QTest::keyClick(&date, Qt::Key_Delete);
    EXPECT_TRUE(CommitDataControls(&box));
    EXPECT_TRUE(orders.value("orderdate").isNull());

    // The calendar opens on today for an empty date, in Norwegian, Monday
    // first; a day picked there is stored at once.
    date.showCalendar();
    ASSERT_NE(date.calendar(), nullptr);
    EXPECT_EQ(date.calendar()->selectedDate(), QDate::currentDate());
    EXPECT_EQ(date.calendar()->firstDayOfWeek(), Qt::Monday);
    EXPECT_EQ(date.calendar()->locale().monthName(12), "desember");
    EXPECT_TRUE(date.calendar()->locale().dayName(1, QLocale::ShortFormat).startsWith("man"));
    date.calendar()->setSelectedDate(QDate(2026, 12, 24));
    emit date.calendar()->activated(QDate(2026, 12, 24));
    EXPECT_FALSE(date.calendarPopup()->isVisible());
    EXPECT_EQ(date.text(), "24.12.2026");
    ASSERT_TRUE(orders.post());
    EXPECT_EQ(scalar(QString("SELECT orderdate FROM orders WHERE id=%1").arg(id)), "2026-12-24");
    date.showCalendar();
    EXPECT_EQ(date.calendar()->selectedDate(), QDate(2026, 12, 24));
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
