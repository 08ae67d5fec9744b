// The standard-job windows: the list's search, order and jumps, "Lag
// kalenderoppføring" through the calendar's own rules (also from
// kvarnel-admin), the empty list, and the interval and the closing save of
// the record window.
#include "ui/uitest.h"

#include "adminscript/adminrun.h"
#include "core/login.h"
#include "projects/jobdataform.h"
#include "projects/joblistform.h"
#include "ui/datadrop.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>

namespace {

class JobTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        SetInputStrFunction(nullptr);
        MyLoginID = 2;
        for (const char* t : {"jobs", "calendar"}) ASSERT_TRUE(db->admin().exec(QString("DELETE FROM `%1`").arg(t)));
    }
    void TearDown() override
    {
        MyLoginID = 0;
        UiTest::TearDown();
    }
    qint64 seedJob(int number, const QString& subject, double hours, const QString& location = "Verkstedet",
                   const QString& note = "Notat")
    {
        EXPECT_TRUE(db->admin().exec(
            "INSERT INTO jobs (job, subject, location, hours, userid, routine, outdoor, allday, persons, projectid, "
            "systemid, assetid, external_company, external_contact, object_text, day_interval) "
            "VALUES (?, ?, ?, ?, 4, 12, 1, 0, 'OB, MH', 11, 12, 13, 14, 15, ?, 7)",
            {number, subject, location, hours, note}));
        return scalar("SELECT MAX(id) FROM jobs").toLongLong();
    }
    void make(const QStringList& standIns = {})
    {
        Windows().add("TJobListForm", [] { return new TJobListForm; });
        Windows().add("TJobDataForm", [] { return new TJobDataForm; });
        for (const QString& name : standIns) Windows().add(name, [] { return new QWidget(nullptr, Qt::Window); });
        Windows().createAll();
        list = Windows().get<TJobListForm>();
        data = Windows().get<TJobDataForm>();
    }
    QStringList subjects() { return column(dm->JobQuery, "subject"); }
    QString calendar(const QString& columns, qint64 id)
    {
        return scalar(QString("SELECT CONCAT_WS('|', %1) FROM calendar WHERE id=%2").arg(columns).arg(id));
    }

    TJobListForm* list = nullptr;
    TJobDataForm* data = nullptr;
};

TEST_F(JobTest, EmptyListCannotMakeAnEntry)
{
    make({"TCalendarDataForm"});
    list->show();
    ASSERT_TRUE(dm->JobQuery.isEmpty());
    list->PopupMenu1Popup();
    list->updateItems();
    EXPECT_FALSE(list->Lagkalenderoppfring1->isEnabled());
    EXPECT_EQ(list->Lagkalenderoppfring1Click(), 0);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM calendar"), "0");
    EXPECT_TRUE(dialogs().messages.empty());
    // A job appears: the item works.
    seedJob(1, "Service", 2);
    list->Oppdater1->trigger();
    list->updateItems();
    EXPECT_TRUE(list->Lagkalenderoppfring1->isEnabled());
}

TEST_F(JobTest, MakeEntryCopiesTheJobAndKeepsItsHours)
{
    seedJob(1, "Kontroll nødlys", 2.5);
    const qint64 zero = seedJob(2, "Befaring", 0);
    make({"TCalendarDataForm"});
    list->show();
    ASSERT_EQ(subjects(), QStringList({"Kontroll nødlys", "Befaring"}));
    const qint64 job = dm->JobQuery.currentId();
    const qint64 entry = list->Lagkalenderoppfring1Click();
    ASSERT_GT(entry, 0);
    EXPECT_TRUE(Windows().find("TCalendarDataForm")->isVisible());
    EXPECT_EQ(dm->CalendarTable.currentId(), entry);
    EXPECT_EQ(calendar("job, subject, location, userid, persons, projectid, systemid, assetid, external_company, "
                       "external_contact, object_text, outdoor, allday",
                       entry),
              QString("%1|Kontroll nødlys|Verkstedet|4|OB, MH|11|12|13|14|15|Notat|1|0").arg(job));
    // The job's hours are the entry's normal hours, not split.
    EXPECT_EQ(calendar("hours, hours_50, hours_100", entry), "2.5|0|0");
    EXPECT_EQ(calendar("DATE(time_from) = CURDATE()", entry), "1");
    // A job without hours: the entry's hours come from its start and end (now and now).
    ASSERT_TRUE(dm->JobQuery.locate("id", zero));
    const qint64 second = list->Lagkalenderoppfring1Click();
    ASSERT_GT(second, 0);
    EXPECT_EQ(calendar("job, hours, hours_50, hours_100", second), QString("%1|0|0|0").arg(zero));
    // The time registrations of a job: every entry made from it.
    Windows().add("TCalendarRegListForm", [] { return new QWidget(nullptr, Qt::Window); });
    Windows().createAll();
    list->updateItems();
    ASSERT_TRUE(list->imeregistreringer1->isEnabled());
    list->imeregistreringer1->trigger();
    EXPECT_EQ(dm->CalendarTable.filter(), QString("job=%1").arg(zero));
}

TEST_F(JobTest, SearchOrderAndDocuments)
{
    seedJob(3, "Termografering", 3, "Tavlerom", "rapport til kunde");
    seedJob(1, "Nødlys", 2, "Tollbugata 8", "logg i journal");
    const qint64 quoted = seedJob(2, "O'Brien-kontroll", 1, "Lager", "");
    make({"TDocumentListForm"});
    list->show();
    EXPECT_EQ(subjects(), QStringList({"Nødlys", "O'Brien-kontroll", "Termografering"}));  // by job number
    const std::pair<QString, QStringList> cases[] = {
        {"tavle", {"Termografering"}},        // the place
        {"journal", {"Nødlys"}},               // the note
        {"O'Brien", {"O'Brien-kontroll"}},     // a quote is data
        {"", {"O'Brien-kontroll"}},            // an empty answer changes nothing
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text.toStdString());
        dialogs().inputAnswers.push_back(text);
        list->Sketter1->trigger();
        EXPECT_EQ(subjects(), expected);
    }
    list->Alle1->trigger();
    EXPECT_EQ(Job_WHERE, "");
    EXPECT_EQ(subjects().size(), 3);
    // A title click orders the select by the column's field.
    list->Grid->horizontalHeader()->sectionClicked(1);
    EXPECT_EQ(Job_ORDER, "subject");
    EXPECT_EQ(subjects(), QStringList({"Nødlys", "O'Brien-kontroll", "Termografering"}));
    list->Grid->horizontalHeader()->sectionClicked(0);
    EXPECT_EQ(Job_ORDER, "job");
    ASSERT_TRUE(dm->JobQuery.locate("id", quoted));
    list->updateItems();
    list->Dokumenter1->trigger();
    EXPECT_EQ(Document_WHERE, QString("document.jobid=%1").arg(quoted));
    // There is no "Rediger".
    EXPECT_FALSE(list->Rediger1->isVisible());

    // The data tool: where on a value, order toggling, search, all; lock refused.
    DropTarget* t = list->GridDrops;
    ASSERT_NE(t, nullptr);
    const int subjectX = list->Grid->columnViewportPosition(1) + 5;
    ASSERT_TRUE(dm->JobQuery.locate("id", quoted));
    t->drop(DropKind::Where, QPoint(subjectX, 5));
    EXPECT_EQ(subjects(), QStringList({"O'Brien-kontroll"}));
    t->drop(DropKind::All, QPoint(5, 5));
    EXPECT_EQ(Job_WHERE, "");
    Job_ORDER = "job";
    t->drop(DropKind::Order, QPoint(subjectX, 5));
    EXPECT_EQ(subjects(), QStringList({"Nødlys", "O'Brien-kontroll", "Termografering"}));
    t->drop(DropKind::Order, QPoint(subjectX, 5));
    EXPECT_EQ(subjects(), QStringList({"Termografering", "O'Brien-kontroll", "Nødlys"}));
    t->drop(DropKind::Search, QPoint(5, 5), "journal");
    EXPECT_EQ(subjects(), QStringList({"Nødlys"}));
    EXPECT_FALSE(t->drop(DropKind::Lock, QPoint(5, 5)).accepted);
}

TEST_F(JobTest, IntervalIsStoredAndShownAndClosingSaves)
{
    const qint64 job = seedJob(1, "Service", 2);
    make();
    list->show();
    ASSERT_TRUE(dm->JobQuery.locate("id", job));
    data->show();
    EXPECT_EQ(data->windowTitle(), QString("Standardjobb [%1]").arg(job));
    EXPECT_EQ(data->RoutineEdit->text(), "12");
    data->RoutineEdit->setFocus();
    data->RoutineEdit->selectAll();
    QTest::keyClicks(data->RoutineEdit, "26");
    data->SubjectEdit->selectAll();
    QTest::keyClicks(data->SubjectEdit, "Halvårlig service");
    data->close();
    EXPECT_TRUE(data->closedClean());
    EXPECT_EQ(scalar(QString("SELECT CONCAT(routine, '|', subject) FROM jobs WHERE id=%1").arg(job)),
              "26|Halvårlig service");
    // Text where the interval's number belongs is refused, the stored one stays.
    data->show();
    data->RoutineEdit->setFocus();
    data->RoutineEdit->selectAll();
    QTest::keyClicks(data->RoutineEdit, "hver uke");
    data->close();
    EXPECT_EQ(scalar(QString("SELECT routine FROM jobs WHERE id=%1").arg(job)), "26");
    EXPECT_FALSE(dialogs().messages.empty());
}

TEST_F(JobTest, NewJobFromTheListIsSavedWhenItsWindowCloses)
{
    make();
    list->show();
    list->Ny1->trigger();
    ASSERT_TRUE(data->isVisible());
    ASSERT_EQ(dm->JobQuery.state(), Dataset::Insert);
    QTest::keyClicks(data->JobEdit, "9");
    data->SubjectEdit->setFocus();
    QTest::keyClicks(data->SubjectEdit, "Ny jobb");
    data->close();
    EXPECT_TRUE(data->closedClean());
    // The defaults of a new job: the login as employee, the flags off.
    EXPECT_EQ(scalar("SELECT CONCAT_WS('|', job, subject, userid, outdoor, allday) FROM jobs"), "9|Ny jobb|2|0|0");
}

// kvarnel-admin job to-calendar, the same making as the window's.
class JobAdminTest : public AdminScriptTest {};

TEST_F(JobAdminTest, JobToCalendar)
{
    ASSERT_TRUE(db->admin().exec("DELETE FROM calendar"));
    ASSERT_TRUE(db->admin().exec("INSERT INTO jobs (id, job, subject, location, hours, persons, projectid, assetid) "
                                 "VALUES (501, 7, 'Årlig kontroll', 'Kaia 3', 4, 'OB', 21, 22), "
                                 "(502, 8, 'Uten timer', '', 0, '', 0, 0)"));
    AdminRun r = admin({"job", "to-calendar", "501", "--date", "24.12.2026"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith("Kalenderoppføring ")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("24.12.2026")) << r.out.toStdString();
    EXPECT_EQ(scalar("SELECT CONCAT_WS('|', job, subject, location, hours, hours_50, persons, projectid, assetid, "
                     "DATE(time_from), DATE(time_to)) FROM calendar"),
              "501|Årlig kontroll|Kaia 3|4|0|OB|21|22|2026-12-24|2026-12-24");
    r = admin({"job", "to-calendar", "502"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(scalar("SELECT CONCAT_WS('|', hours, DATE(time_from)=CURDATE()) FROM calendar WHERE job=502"), "0|1");

    struct Bad {
        QStringList args;
        int status;
    };
    const Bad bad[] = {
        {{"job", "to-calendar", "999"}, 1},                              // no such job
        {{"job", "to-calendar", "abc"}, 2},
        {{"job", "to-calendar", "501", "--date", "31.02.2026"}, 2},
        {{"job", "to-calendar"}, 2},
        {{"job", "other", "501"}, 2},
    };
    for (const Bad& b : bad) {
        SCOPED_TRACE(b.args.join(' ').toStdString());
        r = admin(b.args);
        EXPECT_EQ(r.status, b.status) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains("FEIL") || r.err.contains("Bruk")) << r.err.toStdString();
    }
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM calendar"), "2");
}

}  // namespace
