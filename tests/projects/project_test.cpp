// The project and project-part windows: the status filters and searches run
// against seeded rows, the parts that follow their project (also one made
// under a project not saved yet), the jumps, the company and contact
// buttons, and the calculation of registered hours and costs.
#include "ui/uitest.h"

#include "assets/assetdataform.h"
#include "core/login.h"
#include "projects/projectcalcform.h"
#include "projects/projectdataform.h"
#include "projects/projectlistform.h"
#include "projects/projectrules.h"
#include "projects/subprojectdataform.h"
#include "projects/subprojectlistform.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

namespace {

class ProjectTest : public UiTest {
protected:
    struct Seed {
        const char* number;
        const char* name;
        int status;
        int responsible;
        const char* department;
        const char* location;
    };
    static constexpr Seed seeds[] = {
        {"P-1", "Skole", 5, 7, "Bygg", "Oslo"},          {"P-2", "Hall", 10, 7, "Elektro", "Bergen"},
        {"P-3", "Kai", 10, 8, "Bygg", "Tromsø"},         {"P-4", "Bru", 15, 7, "Anlegg", "Oslo sentrum"},
        {"P-5", "Tunnel", 20, 7, "Anlegg", "Voss"},      {"P-6", "O'Neills pub", 20, 8, "Service", "Bodø"},
    };

    void SetUp() override
    {
        UiTest::SetUp();
        SetInputStrFunction(nullptr);
        MyLoginID = 7;
        for (const char* t : {"project", "subproject", "calendar", "items"})
            ASSERT_TRUE(db->admin().exec(QString("DELETE FROM `%1`").arg(t)));
        int day = 1;
        for (const Seed& s : seeds)
            ASSERT_TRUE(db->admin().exec("INSERT INTO project (projectnumber, projectname, projectstatus, internalcontact, "
                                         "department, projectlocation, startdate) VALUES (?, ?, ?, ?, ?, ?, ?)",
                                         {s.number, QString::fromUtf8(s.name), s.status, s.responsible,
                                          QString::fromUtf8(s.department), QString::fromUtf8(s.location),
                                          QString("2026-01-%1 00:00:00").arg(day++, 2, 10, QChar('0'))}));
    }
    void TearDown() override
    {
        MyLoginID = 0;
        UiTest::TearDown();
    }
    // The project windows and stand-ins for the windows the jumps show.
    void make(const QStringList& standIns = {})
    {
        Windows().add("TProjectListForm", [] { return new TProjectListForm; });
        Windows().add("TProjectDataForm", [] { return new TProjectDataForm; });
        Windows().add("TSubProjectListForm", [] { return new TSubProjectListForm; });
        Windows().add("TSubProjectDataForm", [] { return new TSubProjectDataForm; });
        Windows().add("TProjectCalcForm", [] { return new TProjectCalcForm; });
        for (const QString& name : standIns) Windows().add(name, [] { return new QWidget(nullptr, Qt::Window); });
        Windows().createAll();
        list = Windows().get<TProjectListForm>();
        data = Windows().get<TProjectDataForm>();
        parts = Windows().get<TSubProjectListForm>();
    }
    qint64 idOf(const char* number)
    {
        return scalar(QString("SELECT id FROM project WHERE projectnumber='%1'").arg(number)).toLongLong();
    }
    qint64 addPart(qint64 project, const char* number, const char* name = "Del")
    {
        EXPECT_TRUE(db->admin().exec("INSERT INTO subproject (project, systemnumber, systemname) VALUES (?, ?, ?)",
                                     {project, number, name}));
        return scalar("SELECT MAX(id) FROM subproject").toLongLong();
    }
    QStringList numbers() { return column(dm->ProjectTable, "projectnumber"); }

    TProjectListForm* list = nullptr;
    TProjectDataForm* data = nullptr;
    TSubProjectListForm* parts = nullptr;
};

TEST_F(ProjectTest, FiltersShowExactlyTheirProjects)
{
    make();
    list->show();
    // The list opens with the standing filter: everything not completed.
    EXPECT_EQ(numbers(), QStringList({"P-1", "P-2", "P-3", "P-4"}));
    const std::pair<QAction*, QStringList> cases[] = {
        {list->Pgende1, {"P-2", "P-3"}},
        {list->Midlertidigatoppet1, {"P-4"}},
        {list->Ferdigstilt1, {"P-5", "P-6"}},
        {list->Oppstartet1, {"P-1", "P-2", "P-3", "P-4"}},  // "Ikke startet" too
        {list->Minepgende1, {"P-1", "P-2", "P-4"}},        // every status below 20, not only 10
        {list->Allemine1, {"P-1", "P-2", "P-4", "P-5"}},
        {list->Alle1, {"P-1", "P-2", "P-3", "P-4", "P-5", "P-6"}},
    };
    for (const auto& [action, expected] : cases) {
        SCOPED_TRACE(action->text().toStdString());
        action->trigger();
        EXPECT_EQ(numbers(), expected);
    }
    // The login is read when the item is used, not when the window was made.
    MyLoginID = 8;
    list->Allemine1->trigger();
    EXPECT_EQ(numbers(), QStringList({"P-3", "P-6"}));
}

TEST_F(ProjectTest, SearchLooksInNameDepartmentAndAddress)
{
    make();
    list->show();
    const std::pair<QString, QStringList> cases[] = {
        {"oslo", {"P-1", "P-4"}},          // the project address
        {"Anlegg", {"P-4", "P-5"}},       // the department
        {"Kai", {"P-3"}},                 // the name
        {"O'Neill", {"P-6"}},             // a quote is data, not SQL
        {"finnes ikke", {}},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text.toStdString());
        dialogs().inputAnswers.push_back(text);
        list->Sketter1->trigger();
        EXPECT_EQ(numbers(), expected);
    }
}

TEST_F(ProjectTest, PartsFollowTheCurrentProject)
{
    const qint64 p1 = idOf("P-1"), p2 = idOf("P-2");
    addPart(p1, "10", "Fundament");
    addPart(p1, "20", "Tak");
    addPart(p2, "10", "Tavle");
    make();
    list->show();
    ASSERT_TRUE(dm->ProjectTable.locate("id", p1));
    list->Prosjektdeler1->trigger();
    ASSERT_TRUE(parts->isVisible());
    EXPECT_EQ(column(dm->SubProjectTable, "systemname"), QStringList({"Fundament", "Tak"}));
    EXPECT_EQ(parts->windowTitle(), "Systemer for P-1 Skole");
    ASSERT_TRUE(dm->ProjectTable.locate("id", p2));
    EXPECT_EQ(column(dm->SubProjectTable, "systemname"), QStringList({"Tavle"}));
    // "Vis alle" clears the search but keeps to the project's parts.
    dialogs().inputAnswers.push_back("Tak");
    parts->Sketter1->trigger();
    EXPECT_TRUE(dm->SubProjectTable.isEmpty());
    parts->Alle1->trigger();
    EXPECT_EQ(column(dm->SubProjectTable, "systemname"), QStringList({"Tavle"}));

    // A part made from the part list belongs to the current project.
    parts->Ny1->trigger();
    ASSERT_EQ(dm->SubProjectTable.state(), Dataset::Insert);
    dm->SubProjectTable.setValue("systemnumber", "30");
    ASSERT_TRUE(dm->SubProjectTable.post());
    EXPECT_EQ(scalar("SELECT project FROM subproject WHERE systemnumber='30'").toLongLong(), p2);
}

TEST_F(ProjectTest, PartUnderAnUnsavedProjectGetsTheSavedProjectsId)
{
    make();
    list->show();
    parts->show();
    // A new project, not saved yet, as the record window's "Ny post" leaves it.
    list->Ny1->trigger();
    ASSERT_EQ(dm->ProjectTable.state(), Dataset::Insert);
    dm->ProjectTable.setValue("projectnumber", "P-NY");
    // A part made now saves the project first and is put under it.
    parts->Ny1->trigger();
    ASSERT_EQ(dm->SubProjectTable.state(), Dataset::Insert);
    const qint64 project = idOf("P-NY");
    ASSERT_GT(project, 0);
    EXPECT_EQ(dm->ProjectTable.state(), Dataset::Browse);
    dm->SubProjectTable.setValue("systemnumber", "1");
    ASSERT_TRUE(dm->SubProjectTable.post());
    EXPECT_EQ(scalar("SELECT project FROM subproject WHERE systemnumber='1'").toLongLong(), project);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM subproject WHERE project=0"), "0");
    EXPECT_EQ(column(dm->SubProjectTable, "systemnumber"), QStringList({"1"}));

    // A pending part is saved under its own project when the project list moves on.
    parts->Ny1->trigger();
    dm->SubProjectTable.setValue("systemnumber", "2");
    ASSERT_TRUE(dm->ProjectTable.locate("projectnumber", "P-2"));
    EXPECT_EQ(scalar("SELECT project FROM subproject WHERE systemnumber='2'").toLongLong(), project);
    EXPECT_TRUE(dm->SubProjectTable.isEmpty());  // P-2 has none
}

// A new project gets the status "Ikke startet" and the number after the
// highest whole project number (the year's first when there is none); a
// number another workstation took meanwhile gives way to the next one.
TEST_F(ProjectTest, NewProjectGetsNumberAndStatus)
{
    make();
    list->show();
    const QString first = QString::number(QDate::currentDate().year() % 100 * 1000 + 1);
    list->Ny1->trigger();
    ASSERT_EQ(dm->ProjectTable.state(), Dataset::Insert);
    EXPECT_EQ(dm->ProjectTable.asString("projectnumber"), first);
    EXPECT_EQ(dm->ProjectTable.asInt("projectstatus"), 5);
    dm->ProjectTable.setValue("projectname", "Ny hall");
    ASSERT_TRUE(dm->ProjectTable.post());
    EXPECT_EQ(scalar("SELECT CONCAT(projectnumber, '|', projectstatus) FROM project WHERE projectname='Ny hall'"),
              first + "|5");

    ASSERT_TRUE(db->admin().exec("INSERT INTO project (projectnumber, projectname) VALUES ('26041', 'Eldre')"));
    list->Ny1->trigger();
    EXPECT_EQ(dm->ProjectTable.asString("projectnumber"), "26042");
    ASSERT_TRUE(db->admin().exec("INSERT INTO project (projectnumber, projectname) VALUES ('26042', 'Annen maskin')"));
    dm->ProjectTable.setValue("projectname", "Kai 2");
    ASSERT_TRUE(dm->ProjectTable.post());
    EXPECT_EQ(scalar("SELECT projectnumber FROM project WHERE projectname='Kai 2'"), "26043");

    // A new part is "Ikke startet" too.
    parts->show();
    parts->Ny1->trigger();
    EXPECT_EQ(dm->SubProjectTable.asInt("systemstatus"), 5);
    dm->SubProjectTable.cancel();
}

TEST_F(ProjectTest, PartWithoutAnyProjectIsRefused)
{
    make();
    list->show();
    dialogs().inputAnswers.push_back("finnes ikke");
    list->Sketter1->trigger();
    ASSERT_TRUE(dm->ProjectTable.isEmpty());
    parts->show();
    parts->Ny1->trigger();
    EXPECT_NE(dm->SubProjectTable.state(), Dataset::Insert);
    EXPECT_FALSE(dialogs().lastMessage().isEmpty());
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM subproject"), "0");
    // A project whose save the server refuses takes no part with it either.
    ASSERT_TRUE(db->admin().exec("ALTER TABLE project ADD CONSTRAINT chk_test CHECK (projectnumber<>'FEIL')"));
    list->Alle1->trigger();
    list->Ny1->trigger();
    dm->ProjectTable.setValue("projectnumber", "FEIL");
    const size_t messages = dialogs().messages.size();
    parts->Ny1->trigger();
    EXPECT_GT(dialogs().messages.size(), messages);
    EXPECT_EQ(dm->ProjectTable.state(), Dataset::Insert);
    EXPECT_NE(dm->SubProjectTable.state(), Dataset::Insert);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM subproject"), "0");
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM project WHERE projectnumber='FEIL'"), "0");
}

TEST_F(ProjectTest, JumpsCarryTheProjectAndThePart)
{
    const qint64 p = idOf("P-2");
    const qint64 s = addPart(p, "10");
    make({"TDocumentListForm", "TCalendarRegListForm", "TItemsListForm", "TOfferListForm", "TOrderListForm",
          "TPOListForm", "TAssetListForm", "TEntriesListForm"});
    list->show();
    ASSERT_TRUE(dm->ProjectTable.locate("id", p));
    const QString P = QString::number(p), S = QString::number(s);
    struct Case {
        QAction* action;
        Dataset* target;  // null: the select state named below
        QString condition;
    };
    list->PopupMenu1Popup();
    list->updateJumps();
    const Case projectCases[] = {
        {list->Timeregistreringer1, &dm->CalendarTable, "projectid=" + P},
        {list->Tilbud1, &dm->OfferTable, "projectid=" + P},
        {list->Ordrer1, &dm->OrderTable, "projectid=" + P},
        {list->Innkjop1, &dm->POTable, "projectid=" + P},
        {list->Utstyr1, &dm->AssetTable, "projectid=" + P},
        {data->Timeregistreringer1, &dm->CalendarTable, "projectid=" + P},
        {data->Regnskapsposteringer1, &dm->EntriesTable, "projectid=" + P},
    };
    data->updateWindowItems();
    for (const Case& c : projectCases) {
        SCOPED_TRACE(c.action->text().toStdString());
        ASSERT_TRUE(c.action->isEnabled());
        c.action->trigger();
        EXPECT_EQ(c.target->filter(), c.condition);
    }
    list->Varetransaksjoner1->trigger();
    EXPECT_EQ(Items_WHERE, "projectid=" + P);
    list->Dokumenter1->trigger();
    EXPECT_EQ(Document_WHERE, "document.projectid=" + P);

    parts->show();
    ASSERT_TRUE(dm->SubProjectTable.locate("id", s));
    parts->PopupMenu1Popup();
    parts->updateJumps();
    const QString both = "projectid=" + P + " and systemid=" + S;
    const Case partCases[] = {
        {parts->Timeregistreringer1, &dm->CalendarTable, both},
        {parts->Tilbud1, &dm->OfferTable, both},
        {parts->Ordrer1, &dm->OrderTable, both},
        {parts->Innkjop1, &dm->POTable, both},
        {parts->Utstyr1, &dm->AssetTable, both},
    };
    for (const Case& c : partCases) {
        SCOPED_TRACE(c.action->text().toStdString());
        ASSERT_TRUE(c.action->isEnabled());
        c.action->trigger();
        EXPECT_EQ(c.target->filter(), c.condition);
    }
    // Item lines name the part in subprojectid.
    parts->Varetransaksjoner1->trigger();
    EXPECT_EQ(Items_WHERE, "projectid=" + P + " and subprojectid=" + S);
    parts->Dokumenter1->trigger();
    EXPECT_EQ(Document_WHERE, "document.systemid=" + S);
}

TEST_F(ProjectTest, JumpsNeedASavedProject)
{
    make({"TCalendarRegListForm", "TOrderListForm"});
    list->show();
    list->Ny1->trigger();
    list->updateJumps();
    EXPECT_FALSE(list->Ordrer1->isEnabled());
    EXPECT_FALSE(list->Timeregistreringer1->isEnabled());
    EXPECT_FALSE(list->Kalkulasjon1->isEnabled());
}

TEST_F(ProjectTest, CompanyAndContactButtonsShowTheProjectsOwn)
{
    ASSERT_TRUE(db->admin().exec("INSERT INTO company (id, companyname) VALUES (9001, 'Prosjekteier AS'), (9002, 'Annen AS')"));
    ASSERT_TRUE(db->admin().exec("INSERT INTO contact (id, realname, companyid) VALUES (9101, 'Kari Prosjekt', 9001), "
                                 "(9102, 'Ola Annen', 9002)"));
    ASSERT_TRUE(db->admin().exec("UPDATE project SET projectcompany=9001, projectcontact=9101 WHERE projectnumber='P-2'"));
    make({"TCompanyDataForm", "TContactDataForm"});
    // The shared datasets stand elsewhere; the company list even hides the project's company.
    dm->CompanyTable.setFilter("id=9002");
    ASSERT_TRUE(dm->TableOpen(dm->CompanyTable, true));
    Contact_WHERE = "contact.id=9102";
    dm->ContactSQLSelect();
    list->show();
    ASSERT_TRUE(dm->ProjectTable.locate("projectnumber", "P-2"));
    data->show();
    data->CompanyButton->click();
    EXPECT_EQ(dm->CompanyTable.currentId(), 9001);
    EXPECT_TRUE(Windows().find("TCompanyDataForm")->isVisible());
    data->ContactButton->click();
    EXPECT_EQ(dm->ContactQuery.currentId(), 9101);
    EXPECT_TRUE(Windows().find("TContactDataForm")->isVisible());

    // A project without a company says so and moves nothing.
    ASSERT_TRUE(dm->ProjectTable.locate("projectnumber", "P-3"));
    data->CompanyButton->click();
    EXPECT_EQ(dm->CompanyTable.currentId(), 9001);
    EXPECT_EQ(dialogs().lastMessage(), "Prosjektet har ikke noe firma");
}

TEST_F(ProjectTest, RecordWindowCaptionsAndStatus)
{
    const qint64 p = idOf("P-4");
    make();
    list->show();
    ASSERT_TRUE(dm->ProjectTable.locate("id", p));
    data->show();
    EXPECT_EQ(data->windowTitle(), QString("Prosjektdata [%1]").arg(p));
    EXPECT_EQ(parts->windowTitle(), "P-4 Bru");
    EXPECT_EQ(data->StatusGroup->itemIndex(), 2);  // 15 "Midlertidig stoppet"
    data->StatusGroup->chooseIndex(3);
    ASSERT_TRUE(dm->ProjectTable.post());
    EXPECT_EQ(scalar(QString("SELECT projectstatus FROM project WHERE id=%1").arg(p)), "20");

    // A double click on a date: the chooser starts at the stored date (today
    // when there is none) and the row takes the chosen day.
    const auto saved = TAssetDataForm::SelectDate;
    QDateTime started;
    TAssetDataForm::SelectDate = [&started](const QDateTime& start) {
        started = start;
        return QDateTime(QDate(2027, 3, 15), QTime(12, 0));
    };
    QTest::mouseDClick(data->StartDateEdit, Qt::LeftButton);
    EXPECT_EQ(started.date(), QDate(2026, 1, 4));
    EXPECT_EQ(dm->ProjectTable.state(), Dataset::Edit);
    QTest::mouseDClick(data->EndDateEdit, Qt::LeftButton);
    EXPECT_EQ(started.date(), QDate::currentDate());
    TAssetDataForm::SelectDate = saved;
    ASSERT_TRUE(dm->ProjectTable.post());
    EXPECT_EQ(scalar(QString("SELECT CONCAT(startdate, '|', enddate) FROM project WHERE id=%1").arg(p)),
              "2027-03-15 00:00:00|2027-03-15 00:00:00");
}

// The registered figures: what counts, per part, and written back.
class ProjectCalcTest : public ProjectTest {
protected:
    void SetUp() override
    {
        ProjectTest::SetUp();
        project = idOf("P-2");
        other = idOf("P-3");
        partA = addPart(project, "A");
        partB = addPart(project, "B");
        addPart(project, "C");  // nothing registered
        // Hours: normal and overtime count; calendar-only entries and absence do not.
        struct Hours {
            qint64 project, part;
            int timetype;
            double normal, h50, h100;
        };
        const Hours hours[] = {
            {project, partA, 1, 7.5, 2, 0},  {project, partA, 3, 1, 0, 0.5}, {project, partB, 2, 4, 0, 0},
            {project, 0, 1, 2, 0, 0},        {project, partA, 0, 8, 0, 0},   {project, partB, 16, 7.5, 0, 0},
            {other, partA, 1, 100, 0, 0},
        };
        for (const Hours& h : hours)
            ASSERT_TRUE(db->admin().exec("INSERT INTO calendar (projectid, systemid, timetype, hours, hours_50, "
                                         "hours_100, status) VALUES (?, ?, ?, ?, ?, ?, 20)",
                                         {h.project, h.part, h.timetype, h.normal, h.h50, h.h100}));
        // Goods: order lines and free lines count at cost; offers, purchases and invoices do not.
        struct Line {
            qint64 project, part;
            int orderid, offerid, poid, invoiceid;
            double count, cost;
        };
        const Line lines[] = {
            {project, partA, 1, 0, 0, 0, 2, 100},   {project, partB, 0, 0, 0, 0, 3, 10},
            {project, partA, 0, 5, 0, 0, 50, 100},  {project, partA, 0, 0, 6, 0, 50, 100},
            {project, partA, 0, 0, 0, 7, 50, 100},  {other, partA, 1, 0, 0, 0, 50, 100},
        };
        for (const Line& l : lines)
            ASSERT_TRUE(db->admin().exec("INSERT INTO items (projectid, subprojectid, orderid, offerid, poid, invoiceid, "
                                         "itemcount, cost) VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                                         {l.project, l.part, l.orderid, l.offerid, l.poid, l.invoiceid, l.count, l.cost}));
    }
    qint64 project = 0, other = 0, partA = 0, partB = 0;
};

TEST_F(ProjectCalcTest, RegisteredHoursAndCostsPerPart)
{
    Projects::Registered r;
    ASSERT_TRUE(Projects::ReadRegistered(dm->MyConnection, project, 500, r));
    // A: 7.5+2 and 1+0.5 hours, one order line of 2 x 100.
    EXPECT_DOUBLE_EQ(r.part(partA).hours, 11);
    EXPECT_DOUBLE_EQ(r.part(partA).cost, 11 * 500 + 200);
    EXPECT_DOUBLE_EQ(r.part(partB).hours, 4);
    EXPECT_DOUBLE_EQ(r.part(partB).cost, 4 * 500 + 30);
    EXPECT_DOUBLE_EQ(r.part(0).hours, 2);
    EXPECT_DOUBLE_EQ(r.total.hours, 17);
    EXPECT_DOUBLE_EQ(r.total.cost, 17 * 500 + 230);

    ASSERT_TRUE(db->admin().exec("UPDATE subproject SET acc_hours=99, acc_cost=99"));
    ASSERT_TRUE(Projects::StoreRegistered(dm->MyConnection, project, r));
    EXPECT_EQ(scalar(QString("SELECT CONCAT(acc_hours, '/', acc_cost) FROM project WHERE id=%1").arg(project)), "17/8730");
    EXPECT_EQ(scalar(QString("SELECT GROUP_CONCAT(CONCAT(systemnumber, ':', acc_hours, '/', acc_cost) ORDER BY "
                             "systemnumber) FROM subproject WHERE project=%1").arg(project)),
              "A:11/5700,B:4/2030,C:0/0");
    // Another project's parts are not touched.
    EXPECT_EQ(scalar(QString("SELECT COUNT(*) FROM project WHERE id=%1 AND acc_hours<>0").arg(other)), "0");

    // A project with nothing registered sums to nothing.
    ASSERT_TRUE(Projects::ReadRegistered(dm->MyConnection, idOf("P-1"), 500, r));
    EXPECT_EQ(r.total.hours, 0);
    EXPECT_TRUE(r.parts.empty());
}

// Hours moved into an order with "Hent til ordre" count once, as hours:
// the order line made from them is not goods; other lines of the order
// (and a hand-made "TIM" line for another day) still are.
TEST_F(ProjectCalcTest, HoursMovedToAnOrderCountOnce)
{
    const qint64 p = idOf("P-1");
    ASSERT_TRUE(db->admin().exec("INSERT INTO calendar (projectid, systemid, timetype, hours, hours_50, status, read_order, "
                                 "orderid, time_from, time_to) VALUES (?, 0, 1, 7.5, 4, 20, 1, 9, '2026-12-01 07:00:00', "
                                 "'2026-12-01 19:00:00')",
                                 {p}));
    struct Line {
        const char* code;
        const char* piece;
        double count, cost;
    };
    const Line lines[] = {{"01.12.2026", "TIM", 11.5, 450}, {"100102", "m", 10, 8}, {"900903", "TIM", 2, 450}};
    for (const Line& l : lines)
        ASSERT_TRUE(db->admin().exec("INSERT INTO items (projectid, orderid, productcode, piece, itemcount, cost) "
                                     "VALUES (?, 9, ?, ?, ?, ?)",
                                     {p, QString(l.code), QString(l.piece), l.count, l.cost}));
    Projects::Registered r;
    ASSERT_TRUE(Projects::ReadRegistered(dm->MyConnection, p, 450, r));
    EXPECT_DOUBLE_EQ(r.total.hours, 11.5);
    EXPECT_DOUBLE_EQ(r.total.cost, 11.5 * 450 + 10 * 8 + 2 * 450);
}

TEST_F(ProjectCalcTest, WindowShowsAndStoresTheFigures)
{
    {
        MainIniSection s("STANDARD");
        SetRegStr("Arbeid_Kostpris", "500");
    }
    make();
    list->show();
    ASSERT_TRUE(dm->ProjectTable.locate("id", project));
    ASSERT_TRUE(list->Kalkulasjon1->isEnabled());
    list->Kalkulasjon1->trigger();
    auto* calc = Windows().get<TProjectCalcForm>();
    ASSERT_TRUE(calc->isVisible());
    EXPECT_EQ(calc->windowTitle(), "Kalkulasjon prosjekt P-2");
    EXPECT_EQ(calc->RegHoursLabel->text(), "17,00");
    EXPECT_EQ(calc->RegCostLabel->text(), QString("8 730,00").replace(' ', QChar(0xA0)));
    EXPECT_EQ(column(dm->SubProjectTable, "systemnumber"), QStringList({"A", "B", "C"}));

    // Lagre and Avbryt act on the project row only while it is edited.
    calc->PopupMenu1Popup();
    EXPECT_FALSE(calc->Lagre1->isEnabled());
    dm->ProjectTable.setValue("calc_hours", 40.0);
    calc->PopupMenu1Popup();
    ASSERT_TRUE(calc->Lagre1->isEnabled());
    calc->Avbryt1->trigger();
    EXPECT_EQ(dm->ProjectTable.asFloat("calc_hours"), 0);
    dm->ProjectTable.setValue("calc_hours", 40.0);
    calc->Lagre1->trigger();
    EXPECT_EQ(scalar(QString("SELECT calc_hours FROM project WHERE id=%1").arg(project)), "40");

    calc->HentRegistrert1->trigger();
    EXPECT_EQ(dm->ProjectTable.asFloat("acc_hours"), 17);
    EXPECT_EQ(dm->ProjectTable.asFloat("acc_cost"), 8730);
    EXPECT_EQ(column(dm->SubProjectTable, "acc_hours"), QStringList({"11", "4", "0"}));
    // The hand-typed calculation stays.
    EXPECT_EQ(dm->ProjectTable.asFloat("calc_hours"), 40);

    // Moving to another project follows it.
    ASSERT_TRUE(dm->ProjectTable.locate("projectnumber", "P-1"));
    EXPECT_EQ(calc->windowTitle(), "Kalkulasjon prosjekt P-1");
    EXPECT_EQ(calc->RegHoursLabel->text(), "0,00");
}

}  // namespace
