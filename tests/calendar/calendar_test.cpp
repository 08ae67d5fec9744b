// The calendar and time registration windows over the one calendar dataset:
// the fixed filters run against seeded rows, the marks, the typed times and
// dates of the time registration window, saving only typed times, entries
// over several days, the entry types, and moving hours into the open order.
#include "ui/uitest.h"

#include "calendar/calendardataform.h"
#include "calendar/calendarlistform.h"
#include "core/login.h"
#include "core/sysreg.h"
#include "data/itemcopy.h"
#include "ui/commonlistform.h"
#include "ui/postinfoform.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>

#include <set>

namespace {

const QDate kMonday(2024, 1, 8);

class CalendarTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        MyLoginID = 5;
        CurrentOrderID = 0;
        SetRegStr("Arbeid_ArbeidsTidSlutt", "16:00");
        SetRegStr("Arbeid_PauseTid1", "11:30");
        SetRegInt("Arbeid_PauseLengd1", 30);
        for (int i = 2; i <= 4; ++i) {
            SetRegStr(QString("Arbeid_PauseTid%1").arg(i), "  :  ");
            SetRegInt(QString("Arbeid_PauseLengd%1").arg(i), 0);
        }
        for (const char* t : {"calendar", "items"}) sql(QString("DELETE FROM ") + t);
        sql("INSERT INTO orders (id, ordernumber, projectid) VALUES (901, '901', 0), (902, '902', 44), (903, '903', 0)");
        sql("INSERT INTO project (id, projectnumber, projectname) VALUES (44, 'P44', 'Hallen')");
        sql("INSERT INTO subproject (id, project, systemnumber, systemname) VALUES (45, 44, 'S1', 'Ventilasjon')");
        Windows().add<TCalendarListForm>();
        Windows().add<TCalendarRegListForm>();
        Windows().add<TCalendarDataForm>();
        Windows().add<TCalendarRegDataForm>();
        Windows().add<TCommonListForm>();
        Windows().add<TPostinfoForm>();
        Windows().createAll();
        list = Windows().get<TCalendarListForm>();
        regList = Windows().get<TCalendarRegListForm>();
        data = Windows().get<TCalendarDataForm>();
        reg = Windows().get<TCalendarRegDataForm>();
        ASSERT_TRUE(list && regList && data && reg);
    }
    void TearDown() override
    {
        MyLoginID = 0;
        CurrentOrderID = 0;
        UiTest::TearDown();
    }
    void sql(const QString& s) { ASSERT_TRUE(db->admin().exec(s)) << s.toStdString(); }
    // A registration; returns its id.
    qint64 row(const QString& columns, const QString& values)
    {
        sql("INSERT INTO calendar (" + columns + ") VALUES (" + values + ")");
        return scalar("SELECT MAX(id) FROM calendar").toLongLong();
    }
    Dataset& cal() { return dm->CalendarTable; }
    std::set<qint64> listedIds()
    {
        std::set<qint64> out;
        for (const QString& s : column(cal(), "id")) out.insert(s.toLongLong());
        return out;
    }
    QAction* filter(const QString& name) { return list->findChild<QAction*>(name); }
    // Opens the time registration window on row id.
    void openReg(qint64 id)
    {
        cal().setFilter(QString());
        ASSERT_TRUE(dm->TableOpen(cal(), true));
        ASSERT_TRUE(cal().locate("id", id));
        reg->show();
    }
    static void type(QLineEdit* e, const QString& text)
    {
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, text);
    }

    TCalendarListForm* list = nullptr;
    TCalendarRegListForm* regList = nullptr;
    TCalendarDataForm* data = nullptr;
    TCalendarRegDataForm* reg = nullptr;
};

}  // namespace

TEST_F(CalendarTest, FixedFiltersListTheirRowsInBothLists)
{
    const QString cols = "subject, location, status, userid, read_order, timetype, assetid, rwx_all, time_from";
    const qint64 a = row(cols, "'Montering', 'Hallen', 0, 5, 0, 1, 0, 0, '2024-01-08 08:00'");
    const qint64 b = row(cols, "'Service', 'Kontoret', 20, 6, 1, 3, 0, 0, '2024-01-09 08:00'");
    const qint64 c = row(cols, "'Filterbytte', 'Verksted', 0, 6, 0, 3, 9, 0, '2024-01-10 08:00'");
    const qint64 d = row(cols, "'Ferie', '', 20, 5, 0, 16, 0, 5, '2024-01-11 08:00'");
    const qint64 e = row(cols, "'Anbud', 'Hallen', 0, 5, 0, 2, 0, 0, '2024-01-12 08:00'");
    list->show();
    struct Case {
        const char* action;
        std::set<qint64> ids;
    } cases[] = {
        {"Ikkeutfrt1", {a, c, e}},  {"Utfrt1", {b, d}},         {"Mineikkeutfrt1", {a, e}},
        {"Ikkeanfrt1", {a, c}},     {"Anfrt1", {b}},            {"Fakturerbaretimer1", {a, b, c}},
        {"Vedlikeholdsjobber1", {c}}, {"Allemine1", {a, d, e}}, {"Publisert1", {d}},
        {"Alle1", {a, b, c, d, e}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.action);
        QAction* act = filter(k.action);
        ASSERT_NE(act, nullptr);
        act->trigger();
        EXPECT_EQ(listedIds(), k.ids);
        // The other list is the same dataset with the same condition.
        EXPECT_EQ(regList->dataset(), list->dataset());
    }
    // The user's own filters follow the login of the moment.
    MyLoginID = 6;
    filter("Allemine1")->trigger();
    EXPECT_EQ(listedIds(), (std::set<qint64>{b, c}));

    // "Filtrer etter ..": subject or location.
    dialogs().inputAnswers.push_back("Hallen");
    list->Sketter1Click();
    EXPECT_EQ(listedIds(), (std::set<qint64>{a, e}));
    // A filter set in the calendar list is what the time registration list shows, last row current.
    regList->show();
    EXPECT_EQ(listedIds(), (std::set<qint64>{a, e}));
    EXPECT_EQ(cal().currentId(), e);
}

TEST_F(CalendarTest, MarkColumnsFollowTheRows)
{
    const QString cols = "orderid, projectid, timetype, status, read_order, time_from";
    row(cols, "901, 0, 0, 0, 0, '2024-01-08 08:00'");   // order, no project: "." red
    row(cols, "0, 44, 2, 20, 0, '2024-01-09 08:00'");   // project, offer work: no "."
    row(cols, "0, 44, 3, 20, 1, '2024-01-10 08:00'");   // entered: "." green, "T" dark green
    cal().setFilter(QString());
    regList->show();
    using C = TCalendarRegListForm;
    EXPECT_EQ(regList->markAt(0, C::ReadOrderColumn), (CalendarRules::Mark{true, 0xFF0000}));
    EXPECT_FALSE(regList->markAt(1, C::ReadOrderColumn).shown);
    EXPECT_EQ(regList->markAt(1, C::TimeTypeColumn), (CalendarRules::Mark{true, 0x0000FF}));
    EXPECT_EQ(regList->markAt(2, C::ReadOrderColumn), (CalendarRules::Mark{true, 0x00FF00}));
    EXPECT_EQ(regList->markAt(2, C::TimeTypeColumn), (CalendarRules::Mark{true, 0x008000}));
    EXPECT_EQ(regList->markAt(0, C::StatusColumn), (CalendarRules::Mark{true, 0xFFFF00}));
    // Columns as listed, "Jobbnr." on the stored job.
    EXPECT_EQ(regList->CalGrid->model()->headerData(13, Qt::Horizontal).toString(), "Jobbnr.");
    EXPECT_EQ(regList->CalGrid->model()->columnCount(), 14);
}

// The project-part lists of both windows offer the parts of the row's
// project only; choosing another project offers its parts and drops a part
// of the project left.
TEST_F(CalendarTest, PartListsOfferOnlyTheChosenProjectsParts)
{
    sql("INSERT INTO project (id, projectnumber, projectname) VALUES (46, 'P46', 'Kaia')");
    sql("INSERT INTO subproject (id, project, systemnumber, systemname) VALUES (47, 46, 'K1', 'Belysning'), "
        "(48, 44, 'S2', 'Sprinkler')");
    const qint64 id = row("time_from, time_to, projectid, systemid, event_type, status, timetype",
                          "'2024-01-08 07:00:00', '2024-01-08 15:00:00', 44, 45, 1028, 20, 1");
    auto offered = [](TDBLookupComboBox* c) {
        c->showPopup();
        c->hidePopup();
        QStringList out;
        for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
        return out;
    };
    openReg(id);
    EXPECT_EQ(reg->SystemCombo->currentText(), "S1");
    EXPECT_EQ(offered(reg->SystemCombo), QStringList({"", "S1", "S2"}));
    if (!qEnvironmentVariableIsEmpty("KV_WINDOW_SHOTS")) {
        // The screen with the part list dropped down, for looking at.
        reg->SystemCombo->showPopup();
        QTest::qWait(300);
        QProcess::execute("import", {"-window", "root", qEnvironmentVariable("KV_WINDOW_SHOTS") + "/parts.png"});
        reg->SystemCombo->hidePopup();
    }
    reg->ProjectCombo->chooseKey(46);
    EXPECT_EQ(offered(reg->SystemCombo), QStringList({"", "K1"}));
    EXPECT_EQ(cal().asInt("systemid"), 0);
    cal().cancel();
    reg->close();

    data->show();
    ASSERT_EQ(cal().currentId(), id);
    EXPECT_EQ(offered(data->SystemCombo), QStringList({"", "Sprinkler", "Ventilasjon"}));
}

TEST_F(CalendarTest, NewRegistrationSplitsADayFromSevenToSeven)
{
    cal().setFilter(QString());
    ASSERT_TRUE(dm->TableOpen(cal()));
    reg->show();
    reg->Nypost1Click();
    ASSERT_EQ(cal().state(), Dataset::Insert);
    EXPECT_EQ(cal().asInt("timetype"), 1);
    type(reg->DateEDit, "08.01.2024");
    type(reg->TimeFromEdit, "7");
    type(reg->TimeToEdit, "19");
    QTest::keyClicks(reg->SubjectEdit, "Montering");
    reg->Lagre1Click();
    ASSERT_EQ(cal().state(), Dataset::Browse) << dialogs().lastMessage().toStdString();
    EXPECT_EQ(scalar("SELECT CONCAT_WS('|', time_from, time_to, hours, hours_50, hours_100, timetype, subject) "
                     "FROM calendar"),
              "2024-01-08 07:00:00|2024-01-08 19:00:00|7.5|4|0|1|Montering");
    EXPECT_EQ(reg->HoursEdit->text(), "7,5");
    EXPECT_EQ(reg->TimeFromEdit->text(), "07:00");
    EXPECT_EQ(reg->windowTitle(), "Kalenderdata [" + QString::number(cal().currentId()) + "]");
}

TEST_F(CalendarTest, TypedTimesAreUnderstoodAndTypingAloneSaves)
{
    const qint64 id = row("time_from, time_to, hours, subject", "'2024-01-08 08:00', '2024-01-08 16:00', 7.5, 'Dag'");
    openReg(id);
    ASSERT_EQ(cal().state(), Dataset::Browse);
    struct Case {
        const char *from, *date, *stored;
    } cases[] = {
        {"14", "08.01.2024", "2024-01-08 14:00:00"},
        {"0830", "08.01.2024", "2024-01-08 08:30:00"},
        {"8:30", "9.1.2024", "2024-01-09 08:30:00"},
        {"08:30", "10.01", "-01-10 08:30:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        type(reg->TimeFromEdit, c.from);
        type(reg->DateEDit, c.date);
        // Only the unbound edits were typed into: the row is being edited.
        EXPECT_EQ(cal().state(), Dataset::Edit);
        reg->Lagre1Click();
        EXPECT_EQ(cal().state(), Dataset::Browse) << dialogs().lastMessage().toStdString();
        EXPECT_TRUE(scalar(QString("SELECT time_from FROM calendar WHERE id=%1").arg(id)).endsWith(c.stored));
    }
    EXPECT_EQ(scalar(QString("SELECT YEAR(time_from) FROM calendar WHERE id=%1").arg(id)).toInt(),
              QDate::currentDate().year());
    // The hours stay as they were: they are split only when all are zero.
    EXPECT_EQ(scalar(QString("SELECT hours FROM calendar WHERE id=%1").arg(id)), "7.5");
}

TEST_F(CalendarTest, WrongTimeOrDateIsRefusedAndNothingWritten)
{
    const qint64 id = row("time_from, time_to", "'2024-01-08 08:00', '2024-01-08 16:00'");
    openReg(id);
    for (const char* bad : {"25", "8:3x", "9999"}) {
        SCOPED_TRACE(bad);
        type(reg->TimeToEdit, bad);
        const size_t before = dialogs().messages.size();
        reg->Lagre1Click();
        ASSERT_EQ(dialogs().messages.size(), before + 1);
        EXPECT_EQ(dialogs().messages.back().caption, "Feil");
        EXPECT_TRUE(dialogs().lastMessage().contains(bad));
        EXPECT_EQ(cal().state(), Dataset::Edit);
    }
    type(reg->TimeToEdit, "16");
    type(reg->DateEDit, "31.02.2024");
    reg->Lagre1Click();
    EXPECT_TRUE(dialogs().lastMessage().contains("31.02.2024"));
    EXPECT_EQ(scalar(QString("SELECT time_to FROM calendar WHERE id=%1").arg(id)), "2024-01-08 16:00:00");
    // Cancelling shows the row's own values again.
    reg->Avbryt1Click();
    EXPECT_EQ(reg->DateEDit->text(), "08.01.2024");
    EXPECT_EQ(reg->TimeToEdit->text(), "16:00");
}

TEST_F(CalendarTest, EntryOverSeveralDaysKeepsItsEndDate)
{
    const qint64 id = row("time_from, time_to, subject, hours",
                          "'2024-01-08 08:00', '2024-01-10 16:00', 'Messe', 20");
    // The calendar window saves start and end each from its own picker.
    cal().setFilter(QString());
    ASSERT_TRUE(dm->TableOpen(cal(), true));
    ASSERT_TRUE(cal().locate("id", id));
    data->show();
    EXPECT_EQ(data->DateTimeTo->date(), QDate(2024, 1, 10));
    type(data->MaskTimeFrom, "0900");
    data->SubjectEdit->setFocus();
    data->Lagre1Click();
    ASSERT_EQ(cal().state(), Dataset::Browse) << dialogs().lastMessage().toStdString();
    EXPECT_EQ(scalar(QString("SELECT CONCAT_WS('|', time_from, time_to) FROM calendar WHERE id=%1").arg(id)),
              "2024-01-08 09:00:00|2024-01-10 16:00:00");
    data->close();

    // The time registration window too; a new date moves the end with it.
    reg->show();
    type(reg->TimeToEdit, "15");
    reg->Lagre1Click();
    EXPECT_EQ(scalar(QString("SELECT time_to FROM calendar WHERE id=%1").arg(id)), "2024-01-10 15:00:00");
    type(reg->DateEDit, "09.01.2024");
    reg->Lagre1Click();
    EXPECT_EQ(scalar(QString("SELECT CONCAT_WS('|', time_from, time_to) FROM calendar WHERE id=%1").arg(id)),
              "2024-01-09 09:00:00|2024-01-11 15:00:00");
}

TEST_F(CalendarTest, LaterStartDateKeepsTheTypedEndTime)
{
    cal().setFilter(QString());
    ASSERT_TRUE(dm->TableOpen(cal(), true));
    data->show();
    data->Nypost1Click();
    ASSERT_EQ(cal().state(), Dataset::Insert);
    const QDate day = cal().asDateTime("time_from").date();
    ASSERT_TRUE(day.isValid());
    // Start and end times are typed, then a start three days on is picked
    // before the end field was left.
    type(data->MaskTimeFrom, "09:00");
    data->MaskTimeTo->setFocus();
    type(data->MaskTimeTo, "10:30");
    const QDate later = day.addDays(3);
    data->DateTimeFrom->setDate(later);
    EXPECT_EQ(data->MaskTimeTo->text(), "10:30");
    EXPECT_EQ(data->DateTimeTo->date(), later);
    data->Lagre1Click();
    ASSERT_EQ(cal().state(), Dataset::Browse) << dialogs().lastMessage().toStdString();
    const qint64 id = cal().currentId();
    const QString d = later.toString("yyyy-MM-dd");
    EXPECT_EQ(scalar(QString("SELECT CONCAT_WS('|', time_from, time_to, hours) FROM calendar WHERE id=%1").arg(id))
                  .toStdString(),
              (d + " 09:00:00|" + d + " 10:30:00|1.5").toStdString());
}

TEST_F(CalendarTest, CalendarWindowTypesPanelsAndEndBeforeStart)
{
    const qint64 id = row("time_from, time_to, event_type", "'2024-01-08 10:00', '2024-01-08 09:00', 0");
    cal().setFilter(QString());
    ASSERT_TRUE(dm->TableOpen(cal(), true));
    ASSERT_TRUE(cal().locate("id", id));
    data->show();
    // The end before the start is moved up to it.
    EXPECT_EQ(cal().state(), Dataset::Edit);
    EXPECT_EQ(cal().asDateTime("time_to"), QDateTime(kMonday, QTime(10, 0)));
    struct Case {
        int position, code;
        bool project, contact;
    } cases[] = {{4, 1028, true, false}, {2, 2, false, true}, {6, 1024, false, false}, {10, 24, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        data->EventCombo->setCurrentIndex(c.position);
        emit data->EventCombo->activated(c.position);
        EXPECT_EQ(cal().asInt("event_type"), c.code);
        EXPECT_EQ(data->ProjectPanel->isVisibleTo(data), c.project);
        EXPECT_EQ(data->ContactPanel->isVisibleTo(data), c.contact);
    }
    data->Lagre1Click();
    EXPECT_EQ(scalar(QString("SELECT CONCAT_WS('|', event_type, time_to) FROM calendar WHERE id=%1").arg(id)),
              "24|2024-01-08 10:00:00");
    // A new row from the calendar window, or from the time registration
    // list, is hours work; one from the calendar list is a plain entry.
    data->Nypost1Click();
    EXPECT_EQ(cal().asInt("timetype"), 1);
    data->Avbryt1Click();
    regList->Ny1Click();
    EXPECT_EQ(cal().asInt("timetype"), 1);
    EXPECT_EQ(reg->TimeGroup->itemIndex(), 1);
    cal().cancel();
    list->Ny1Click();
    EXPECT_EQ(cal().asInt("timetype"), 0);
    cal().cancel();
}

TEST_F(CalendarTest, HoursGoIntoTheOpenOrderOnce)
{
    const QString cols = "subject, time_from, time_to, hours, hours_50, status, timetype, orderid, projectid, systemid, "
                         "read_order";
    const qint64 done = row(cols, "'Montering', '2024-01-08 07:00', '2024-01-08 19:00', 7.5, 4, 20, 1, 901, 0, 0, 0");
    const qint64 absence = row(cols, "'Syk', '2024-01-09 08:00', '2024-01-09 16:00', 7.5, 0, 20, 16, 901, 0, 0, 0");
    const qint64 open = row(cols, "'Ikke ferdig', '2024-01-10 08:00', '2024-01-10 10:00', 2, 0, 0, 1, 901, 0, 0, 0");
    const qint64 projectOnly = row(cols, "'Hallen', '2024-01-11 08:00', '2024-01-11 10:00', 2, 0, 20, 3, 0, 44, 45, 0");

    // The menu item shows only while an order window is open.
    list->show();
    list->Menu.update();
    EXPECT_FALSE(list->Menu.Henttilordre1->isVisible());
    CurrentOrderID = 901;
    list->Menu.update();
    EXPECT_TRUE(list->Menu.Henttilordre1->isVisible());
    EXPECT_EQ(list->Menu.Henttilordre1->text(), "Hent til ordre 901");

    // The order dataset points at another order: the hours still go to the open one.
    dm->OrderTable.setFilter(QString());
    ASSERT_TRUE(dm->TableOpen(dm->OrderTable, true));
    ASSERT_TRUE(dm->OrderTable.locate("id", 903));
    LastMark = "Uke 2";
    list->Menu.Henttilordre1->trigger();
    EXPECT_TRUE(dialogs().messages.empty()) << dialogs().lastMessage().toStdString();
    EXPECT_EQ(listedIds(), (std::set<qint64>{done, absence, open}));
    EXPECT_EQ(scalar("SELECT GROUP_CONCAT(CONCAT_WS('|', orderid, itemcount, mark, piece)) FROM items"), "901|11.5|Uke 2|TIM");
    EXPECT_EQ(scalar("SELECT GROUP_CONCAT(CONCAT(id, ':', read_order) ORDER BY id) FROM calendar"),
              QString("%1:1,%2:0,%3:0,%4:0").arg(done).arg(absence).arg(open).arg(projectOnly));
    // Twice bills nothing more.
    list->Menu.Henttilordre1->trigger();
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM items"), "1");

    // An order with a project also takes the project's unbilled done hours.
    const qint64 billedElsewhere =
        row(cols, "'Før', '2024-01-12 08:00', '2024-01-12 10:00', 2, 0, 20, 3, 901, 44, 45, 1");
    CurrentOrderID = 902;
    regList->show();
    regList->Menu.Henttilordre1->trigger();
    EXPECT_EQ(listedIds(), (std::set<qint64>{projectOnly}));
    EXPECT_EQ(scalar("SELECT CONCAT_WS('|', orderid, itemcount, mark) FROM items WHERE orderid=902"), "902|2|P44/S1");
    EXPECT_EQ(scalar(QString("SELECT CONCAT(orderid, ':', read_order) FROM calendar WHERE id=%1").arg(projectOnly)),
              "902:1");
    EXPECT_EQ(scalar(QString("SELECT orderid FROM calendar WHERE id=%1").arg(billedElsewhere)), "901");
}

TEST_F(CalendarTest, HoursClaimedOnAnotherWorkstationAreBilledOnce)
{
    const QString cols = "subject, time_from, hours, status, timetype, orderid";
    const qint64 a = row(cols, "'A', '2024-01-08 08:00', 3, 20, 1, 901");
    row(cols, "'B', '2024-01-09 08:00', 2, 20, 1, 901");
    CurrentOrderID = 901;
    cal().setFilter(QString("orderid=901"));
    list->show();  // this workstation has the rows, not yet entered
    // The other workstation bills the first row in the meantime.
    TDatabaseModule other;
    ASSERT_TRUE(other.MyConnection.open(db->params()));
    other.CalendarTable.setFilter(QString("id=%1").arg(a));
    ASSERT_TRUE(other.CalendarTable.open());
    Items_WHERE = "orderid=901";
    other.ItemsSQLSelect();
    ASSERT_TRUE(CopyCalendarToItems(other, "annen", 901));
    Items_WHERE.clear();

    list->Menu.Henttilordre1->trigger();
    EXPECT_TRUE(dialogs().messages.empty()) << dialogs().lastMessage().toStdString();
    EXPECT_EQ(scalar("SELECT GROUP_CONCAT(itemcount ORDER BY itemcount) FROM items"), "2,3");
    EXPECT_EQ(scalar("SELECT SUM(read_order) FROM calendar"), "2");
}

TEST_F(CalendarTest, AdvancedItemsShowTheCalendarDataset)
{
    row("subject, time_from", "'A', '2024-01-08 08:00'");
    list->show();
    list->Menu.Datatabell1->trigger();
    EXPECT_EQ(dm->CommonSource, &cal());
    auto* table = Windows().get<TCommonListForm>();
    ASSERT_TRUE(table && table->isVisible());
    EXPECT_EQ(table->windowTitle(), "Tabell 107");
    dm->CommonSource = &dm->CompanyTable;
    regList->Menu.Postinformasjon1->trigger();
    EXPECT_EQ(dm->CommonSource, &cal());
}

TEST_F(CalendarTest, DateChooserOpensOnTheTypedDate)
{
    const qint64 id = row("time_from, time_to", "'2024-01-08 08:00', '2024-01-08 16:00'");
    openReg(id);
    QDateTime asked;
    auto saved = TCalendarRegDataForm::SelectDate;
    TCalendarRegDataForm::SelectDate = [&](const QDateTime& d) {
        asked = d;
        return QDateTime(QDate(2024, 1, 13), QTime(0, 0));
    };
    reg->DateEDitDblClick();
    EXPECT_EQ(asked.date(), kMonday);
    EXPECT_EQ(reg->DateEDit->text(), "13.01.2024");
    EXPECT_EQ(cal().state(), Dataset::Edit);
    reg->Lagre1Click();
    EXPECT_EQ(scalar(QString("SELECT time_from FROM calendar WHERE id=%1").arg(id)), "2024-01-13 08:00:00");
    // A date that is none: the chooser is not shown.
    asked = QDateTime();
    reg->DateEDit->setText("xx");
    reg->DateEDitDblClick();
    EXPECT_FALSE(asked.isValid());
    EXPECT_EQ(dialogs().messages.back().caption, "Feil");
    TCalendarRegDataForm::SelectDate = saved;
}
