// The list and record window bases, driven through small windows built on
// them the way every register builds its own.
#include "uitest.h"

#include "core/felles.h"
#include "ui/dataform.h"
#include "ui/listform.h"

#include <QAction>
#include <QApplication>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QScreen>
#include <QSlider>

namespace {

// A list of companies, as a register describes it.
class CompanyList : public TListForm {
public:
    CompanyList()
    {
        placementKey = "TestListForm";
        setDataset(&DataModule().CompanyTable, {{"companyname", "Firmanavn", 250}, {"city", "Poststed", 120}});
        setSearchFields({"companyname", "city"});
        setRecordWindow("TTestDataForm");
        addFixedFilter("Kunder", "customer=1");
    }
};

// A record window with three panels on the company dataset.
class CompanyData : public TDataForm {
    Q_OBJECT
public:
    CompanyData()
    {
        setObjectName("TestDataForm");
        placementKey = "TestDataForm";
        captionPrefix = "Firma [";
        Dataset* ds = &DataModule().CompanyTable;
        QFormLayout* f;
        addFormPanel(&f);
        Name = new TDBEdit(ds, "companyname");
        f->addRow("Firmanavn:", Name);
        addFormPanel(&f);
        City = new TDBEdit(ds, "city");
        f->addRow("Poststed:", City);
        addFormPanel(&f);
        f->addRow("Notat:", new TDBMemo(ds, "object_text"));
        setDataset(ds);
    }
    int steps = 0;
    TDBEdit *Name, *City;

protected:
    void AfterStep() override { ++steps; }
};

class FrameworkTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Windows().add("TTestDataForm", [] { return new CompanyData; });
        Windows().createAll();
        data = qobject_cast<CompanyData*>(Windows().find("TTestDataForm"));
        ASSERT_NE(data, nullptr);
    }
    Dataset& companies() { return dm->CompanyTable; }
    CompanyData* data = nullptr;
};

} // namespace

TEST_F(FrameworkTest, MenuStatesFollowTheRowAndShortcutsWorkInTextFields)
{
    showActive(*data);
    data->PopupMenu1Popup();
    EXPECT_TRUE(data->Lagre1->isEnabled() == false && data->Avbryt1->isEnabled() == false);
    EXPECT_TRUE(data->Nypost1->isEnabled());

    // Typing puts the row into edit state; the menu follows at once.
    data->City->setFocus();
    QTest::keyClicks(data->City, "X");
    EXPECT_EQ(companies().state(), Dataset::Edit);
    EXPECT_TRUE(data->Lagre1->isEnabled());
    EXPECT_TRUE(data->Avbryt1->isEnabled());
    EXPECT_FALSE(data->Nypost1->isEnabled());

    // Ctrl+Z belongs to the window, not to the text field's undo.
    QTest::keyClick(data->City, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(companies().state(), Dataset::Browse);
    EXPECT_FALSE(data->City->text().endsWith("X"));

    // Ctrl+S from inside the field saves.
    const qint64 id = companies().currentId();
    QTest::keyClicks(data->City, "Y");
    QTest::keyClick(data->City, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(companies().state(), Dataset::Browse);
    EXPECT_TRUE(scalar(QString("SELECT city FROM company WHERE id=%1").arg(id)).endsWith("Y"));

    // Page Down steps from inside the field too.
    const int row = companies().recNo();
    QTest::keyClick(data->City, Qt::Key_PageDown);
    EXPECT_EQ(companies().recNo(), row + 1);
    EXPECT_EQ(data->steps, 1);
}

TEST_F(FrameworkTest, FailedPostKeepsTheRowInEditAndTheWindowOpen)
{
    companies().beforePost = [](Dataset&) {
        CurrentDialogs()->ShowMessage("Firmaet mangler navn", "Feil");
        return false;
    };
    CompanyList list;
    list.show();
    showActive(*data);
    const int row = companies().recNo();
    QTest::keyClicks(data->City, "Z");
    data->Lagre1Click();
    EXPECT_EQ(companies().state(), Dataset::Edit);
    EXPECT_TRUE(data->isVisible());
    EXPECT_EQ(dialogs().lastMessage(), "Firmaet mangler navn");

    // Neither stepping nor a click in the list leaves the refused row.
    data->Nestepost1Click();
    EXPECT_EQ(companies().recNo(), row);
    EXPECT_EQ(data->steps, 0);
    list.Grid->selectRow(row + 1);
    EXPECT_EQ(companies().recNo(), row);
    EXPECT_EQ(list.Grid->currentIndex().row(), row);
    EXPECT_EQ(companies().state(), Dataset::Edit);
}

TEST_F(FrameworkTest, StepsMoveTheListAndRetitleTheWindow)
{
    CompanyList list;
    list.show();
    data->show();
    companies().first();
    const QString firstId = QString::number(companies().currentId());
    EXPECT_EQ(data->windowTitle(), "Firma [" + firstId + "]");

    data->Forrigepost1Click();  // at the first row nothing happens
    EXPECT_EQ(companies().recNo(), 0);
    EXPECT_EQ(data->steps, 0);

    data->Nestepost1Click();
    EXPECT_EQ(list.Grid->currentIndex().row(), 1);
    EXPECT_EQ(data->windowTitle(), "Firma [" + QString::number(companies().currentId()) + "]");
    EXPECT_EQ(data->Name->text(), companies().asString("companyname"));

    companies().last();
    data->Nestepost1Click();
    EXPECT_EQ(companies().recNo(), companies().recordCount() - 1);

    data->Nypost1Click();
    EXPECT_EQ(companies().state(), Dataset::Insert);
    EXPECT_EQ(data->windowTitle(), "Firma []");
    EXPECT_EQ(list.Grid->currentIndex().row(), companies().recordCount() - 1);
}

TEST_F(FrameworkTest, SliderPositionIsStoredAndLaysOutThePanels)
{
    data->show();
    ASSERT_EQ(data->TrackBar1->maximum(), 2);
    EXPECT_TRUE(data->panel(0)->isVisible());
    EXPECT_FALSE(data->panel(1)->isVisible());
    const int one = data->height();

    data->TrackBar1->setValue(2);
    EXPECT_TRUE(data->panel(2)->isVisible());
    EXPECT_EQ(data->height(), data->panelsHeight());
    EXPECT_GT(data->height(), one);
    data->close();
    EXPECT_EQ(stored("TestDataForm", "Diverse"), "2");

    data->TrackBar1->setValue(0);
    data->show();
    EXPECT_EQ(data->TrackBar1->value(), 2);
    data->close();

    for (const char* bad : {"", "abc"}) {
        store("TestDataForm", "Diverse", bad);
        data->show();
        EXPECT_EQ(data->TrackBar1->value(), 0) << bad;
        EXPECT_FALSE(data->panel(1)->isVisible());
        data->hide();
    }
}

TEST_F(FrameworkTest, PlacementOutsideTheScreenIsPulledBack)
{
    // A window opens wholly on the screen: one stored beyond it, one
    // stored so that its lower right part hangs off it, and one never
    // placed before (which opens in the middle).
    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    struct Case {
        const char* name;
        QString left, top;
    };
    const Case cases[] = {{"beyond", "9000", "9000"},
                          {"hanging off", QString::number(avail.right() - 100), QString::number(avail.bottom() - 100)},
                          {"never placed", "", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        store("TestListForm", "Left", c.left);
        store("TestListForm", "Top", c.top);
        store("TestListForm", "Width", "500");
        store("TestListForm", "Height", "300");
        CompanyList list;
        list.show();
        EXPECT_EQ(list.width(), 500);
        EXPECT_TRUE(avail.contains(list.geometry())) << list.geometry().x() << "," << list.geometry().y();
        if (c.left.isEmpty()) {
            EXPECT_NEAR(list.geometry().center().x(), avail.center().x(), 2);
            EXPECT_NEAR(list.geometry().center().y(), avail.center().y(), 2);
        }
        list.close();
    }

    CompanyList list;
    list.show();
    list.setGeometry(QRect(QPoint(40, 50), list.size()));
    list.close();
    EXPECT_EQ(stored("TestListForm", "Left"), "40");
    EXPECT_EQ(stored("TestListForm", "Top"), "50");
    EXPECT_EQ(stored("TestListForm", "Diverse"), "");
}

TEST_F(FrameworkTest, SearchEscapesTheTextAndAnEmptyAnswerKeepsTheFilter)
{
    ASSERT_TRUE(db->admin().exec("INSERT INTO company (companyname, city) VALUES ('O''Brien Elektro', 'CORK'), "
                                 "('Back\\\\slash AS', 'OSLO')"));
    CompanyList list;
    list.show();

    struct Case {
        QString typed;
        QStringList names;
    };
    const Case cases[] = {
        {"O'Brien", {"O'Brien Elektro"}},
        {"Back\\slash", {"Back\\slash AS"}},
        {"cork", {"O'Brien Elektro"}},        // the second search field
        {"Bragernes%Eiendom", {"Bragernes Eiendom AS"}},  // the user's own wildcard works
    };
    for (const Case& c : cases) {
        dialogs().inputAnswers.push_back(c.typed);
        list.Sketter1Click();
        EXPECT_EQ(column(companies(), "companyname"), c.names) << c.typed.toStdString();
    }
    EXPECT_EQ(dialogs().questions.last(), "Søk etter:");
    {
        UserIniSection s;
        EXPECT_EQ(GetRegStr("LastInputStr"), "Bragernes%Eiendom");
    }

    const QString filter = companies().filter();
    dialogs().inputAnswers.push_back("");  // OK with nothing typed
    list.Sketter1Click();
    list.Sketter1Click();                 // cancelled
    EXPECT_EQ(companies().filter(), filter);
    EXPECT_EQ(companies().recordCount(), 1);

    // Hiding and showing the list again re-reads it with the filter kept.
    ASSERT_TRUE(db->admin().exec("INSERT INTO company (companyname) VALUES ('Bragernes Eiendom Vest AS')"));
    list.hide();
    list.show();
    EXPECT_EQ(companies().filter(), filter);
    EXPECT_EQ(companies().recordCount(), 2);

    list.Alle1Click();
    EXPECT_EQ(companies().filter(), "");
    EXPECT_EQ(QString::number(companies().recordCount()), scalar("SELECT COUNT(*) FROM company"));
}

TEST_F(FrameworkTest, TitleClickSortsByTheKeyFieldBehindALookedUpName)
{
    ASSERT_TRUE(dm->TableOpen(dm->OrderTable));
    TListForm orders;
    orders.setDataset(&dm->OrderTable, {{"ordernumber", "Ordrenr", 60}, {"companyname", "Navn", 200}});
    orders.Grid->setSortKeys({{"companyname", "companyid"}});

    orders.Grid->TitleClick(1);
    EXPECT_EQ(dm->OrderTable.order(), "companyid");
    QList<qint64> ids;
    for (int r = 0; r < dm->OrderTable.recordCount(); ++r)
        ids << dm->OrderTable.rowValue(r, dm->OrderTable.fieldIndex("companyid")).toLongLong();
    EXPECT_TRUE(std::is_sorted(ids.begin(), ids.end()));

    orders.Grid->TitleClick(0);
    EXPECT_EQ(dm->OrderTable.order(), "ordernumber");
    EXPECT_EQ(orders.Grid->gridModel()->headerData(0, Qt::Horizontal, Qt::ForegroundRole).value<QColor>(),
              DataGrid::TitleColor);
}

TEST_F(FrameworkTest, ListMenuCreatesOpensAndDeletes)
{
    CompanyList list;
    showActive(list);
    const int before = companies().recordCount();

    QTest::keyClick(list.Grid, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(companies().state(), Dataset::Insert);
    EXPECT_TRUE(data->isVisible());
    data->Name->setText("");
    QTest::keyClicks(data->Name, "Nytt Firma AS");
    data->Lagre1Click();
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM company WHERE companyname='Nytt Firma AS'"), "1");
    data->hide();

    // The delete question refuses first, then agrees.
    dialogs().yesNoAnswers = {false, true};
    list.Slett1Click();
    EXPECT_EQ(companies().recordCount(), before + 1);
    list.Slett1Click();
    EXPECT_EQ(companies().recordCount(), before);
    EXPECT_EQ(dialogs().questions.last(), "Slette denne posten?");
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM company WHERE companyname='Nytt Firma AS'"), "0");

    // A double click on a row opens the record window on it.
    const QPoint at = list.Grid->visualRect(list.Grid->gridModel()->index(2, 0)).center();
    QTest::mouseClick(list.Grid->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(companies().recNo(), 2);
    QTest::mouseDClick(list.Grid->viewport(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(data->isVisible());
    EXPECT_EQ(data->Name->text(), companies().asString("companyname"));

    // Fixed filters replace each other; the sort order stays.
    list.Filter1->actions().at(1)->trigger();
    ASSERT_EQ(list.Filter1->actions().at(1)->text(), "Kunder");
    EXPECT_EQ(companies().filter(), "customer=1");
    EXPECT_EQ(companies().order(), "companyname");
    showActive(list);
    list.Grid->setFocus();
    QTest::keyClick(list.Grid, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(companies().filter(), "");
}

TEST_F(FrameworkTest, PlacementSurvivesSaveRestoreSaveUnchanged)
{
    // The stored numbers are what the next run restores: a round trip
    // through show and close (a restart) must give them back unchanged,
    // however big the frame around the window is.
    struct Case {
        const char* name;
        bool maximized;
    };
    for (const Case& c : {Case{"normal", false}, Case{"maximised", true}}) {
        SCOPED_TRACE(c.name);
        store("TestListForm", "Left", "100");
        store("TestListForm", "Top", "120");
        store("TestListForm", "Width", "500");
        store("TestListForm", "Height", "300");
        store("TestListForm", "Maximized", c.maximized ? "1" : "0");
        for (int restart = 0; restart < 3; ++restart) {
            CompanyList list;
            list.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
            EXPECT_EQ(list.isMaximized(), c.maximized);
            list.close();
            EXPECT_EQ(stored("TestListForm", "Left"), "100") << restart;
            EXPECT_EQ(stored("TestListForm", "Top"), "120") << restart;
            EXPECT_EQ(stored("TestListForm", "Width"), "500") << restart;
            EXPECT_EQ(stored("TestListForm", "Height"), "300") << restart;
            EXPECT_EQ(stored("TestListForm", "Maximized"), c.maximized ? "1" : "0");
        }
    }
}

TEST_F(FrameworkTest, ReReadListStandsOnARowAfterASearchWithoutHits)
{
    CompanyList list;
    list.show();
    data->show();
    struct Case {
        const char* name;
        std::function<void()> reRead;
    };
    const Case cases[] = {
        {"Vis alle", [&] { list.Alle1Click(); }},
        {"title sort", [&] { list.Grid->TitleClick(1); }},
        {"Oppdater", [&] { list.Oppdater1Click(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        companies().setOrder("companyname");
        dialogs().inputAnswers.push_back("finnes ikke i noe firma");
        list.Sketter1Click();
        ASSERT_EQ(companies().recordCount(), 0);
        EXPECT_EQ(companies().recNo(), -1);
        // "Vis alle" clears the filter itself; the others re-read a filter
        // cleared elsewhere (a jump sets it without re-reading).
        if (std::string(c.name) != "Vis alle") companies().setFilter("");
        c.reRead();
        ASSERT_GT(companies().recordCount(), 0);
        EXPECT_EQ(companies().recNo(), 0);
        EXPECT_EQ(list.Grid->currentIndex().row(), 0);
        EXPECT_EQ(data->Name->text(), companies().asString("companyname"));
        EXPECT_FALSE(data->Name->isReadOnly());
    }
}

TEST_F(FrameworkTest, NewRowStartsInTheFirstFieldAndCancelGoesBack)
{
    CompanyList list;
    list.show();
    showActive(*data);
    companies().moveTo(2);
    const qint64 id = companies().currentId();

    // Ctrl+N in the record window, typed in a later field.
    data->City->setFocus();
    QTest::keyClick(data->City, Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(companies().state(), Dataset::Insert);
    EXPECT_EQ(QApplication::focusWidget(), data->Name);
    QTest::keyClick(data->Name, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(companies().state(), Dataset::Browse);
    EXPECT_EQ(companies().currentId(), id);
    EXPECT_EQ(list.Grid->currentIndex().row(), 2);

    // "Ny" in the list while the record window is open.
    data->City->setFocus();
    list.Ny1Click();
    ASSERT_EQ(companies().state(), Dataset::Insert);
    EXPECT_EQ(data->focusWidget(), data->Name);
    data->Avbryt1Click();
    EXPECT_EQ(companies().currentId(), id);
}

TEST_F(FrameworkTest, LongTextShowsItsStart)
{
    const QString name = "Et svært langt firmanavn " + QString(50, QLatin1Char('x'));  // 75 of 80
    ASSERT_TRUE(db->admin().exec("UPDATE company SET companyname='" + name + "' WHERE id=" +
                                 QString::number(companies().currentId())));
    ASSERT_TRUE(companies().refresh());
    data->show();
    EXPECT_EQ(data->Name->text(), name);
    EXPECT_EQ(data->Name->cursorPosition(), 0);
    data->Nestepost1Click();
    data->Forrigepost1Click();
    EXPECT_EQ(data->Name->cursorPosition(), 0);
}

TEST_F(FrameworkTest, WindowsAndJumpsAreNamedByType)
{
    // The name comes from the type, also for a window only declared here.
    EXPECT_EQ(WindowName<TListForm>(), QString(TListForm::staticMetaObject.className()));
    EXPECT_EQ(WindowName<TOrderListForm>(), "TOrderListForm");

    CompanyList list;
    QAction* orders = list.addJump<TOrderListForm>("Ordrer", dm->OrderTable, "companyid");
    EXPECT_EQ(orders->parent(), &list);
    ASSERT_NE(list.VisTilhorende1, nullptr);
    EXPECT_EQ(list.VisTilhorende1->title(), "Vis tilhørende");
    EXPECT_TRUE(list.VisTilhorende1->actions().contains(orders));
    list.PopupMenu1Popup();
    EXPECT_FALSE(orders->isEnabled());  // no order list yet

    // A stand-in order list, registered under the type's name.
    Windows().add(WindowName<TOrderListForm>(), [] { return new QWidget(nullptr, Qt::Window); });
    Windows().createAll();
    EXPECT_TRUE(Windows().has<TOrderListForm>());
    list.show();
    list.PopupMenu1Popup();
    ASSERT_TRUE(orders->isEnabled());
    companies().moveTo(1);
    orders->trigger();
    EXPECT_EQ(dm->OrderTable.filter(), "companyid=" + QString::number(companies().currentId()));
    EXPECT_TRUE(Windows().find("TOrderListForm")->isVisible());
}

TEST_F(FrameworkTest, FirstOpeningShowsTheStandardPanelWhole)
{
    // Nothing stored yet, and the desktop's font bigger than when the
    // window was made.
    const QFont normal = QApplication::font();
    QFont big = normal;
    big.setPointSizeF(normal.pointSizeF() * 1.6);
    QApplication::setFont(big);
    data->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(data));
    EXPECT_GE(data->height(), data->panel(0)->sizeHint().height());
    for (QWidget* w : data->panel(0)->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        const QRect r(w->mapTo(data, QPoint(0, 0)), w->size());
        EXPECT_TRUE(data->rect().contains(r)) << w->metaObject()->className();
    }
    QApplication::setFont(normal);
}

#include "framework_test.moc"
