// The employee register (list, record and access windows) and the groups
// window.
#include "ui/uitest.h"

#include "admin/groupform.h"
#include "admin/inputform.h"
#include "admin/useraccessform.h"
#include "admin/userdataform.h"
#include "admin/userlistform.h"
#include "ui/datagrid.h"
#include "ui/dbcontrols.h"

#include <QAction>

class UsersTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        SetInputStrFunction(&InputStr);
        Windows().add<TUserListForm>();
        Windows().add<TUserDataForm>();
        Windows().add<TUserAccessForm>();
        Windows().add<TGroupForm>();
        Windows().createAll();
        list = Windows().get<TUserListForm>();
        ASSERT_TRUE(db->admin().exec(
            "INSERT INTO users (username, realname, initials, title, department, defaultgroup, rwx_all, passwd) "
            "VALUES ('obrien', 'Sean O''Brien', 'SO', 'Lærling', 'Kundeservice', 149, 0, 'hemmelig')"));
        users().setFilter(QString());
    }
    void TearDown() override
    {
        SetInputStrFunction(nullptr);
        UiTest::TearDown();
    }
    Dataset& users() { return dm->UserTable; }
    TUserListForm* list = nullptr;
};

TEST_F(UsersTest, SearchAndFiltersPickTheRightEmployees)
{
    list->show();
    struct Case {
        const char* typed;
        QStringList names;
    } cases[] = {
        {"O'Brien", {"Sean O'Brien"}},               // a quote is data
        {"kundeserv", {"Sean O'Brien"}},             // department
        {"lærling", {"Sean O'Brien"}},               // title
        {"konsulent", {"Ingrid Solheim"}},
        {"ole", {"Ole Berntsen"}},                   // user name and name
        {"'; DROP TABLE users; --", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        dialogs().inputAnswers.push_back(QString::fromUtf8(c.typed));
        list->Sketter1Click();
        EXPECT_EQ(column(users(), "realname"), c.names);
    }
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM users WHERE username='obrien'"), "1");

    list->AktiveAnsatte1->trigger();
    EXPECT_FALSE(column(users(), "username").contains("obrien"));
    EXPECT_TRUE(column(users(), "username").contains("demo"));
    list->Publiserte1->trigger();
    EXPECT_FALSE(column(users(), "username").contains("obrien"));
    list->Alle1->trigger();
    EXPECT_TRUE(column(users(), "username").contains("obrien"));

    // No password column in the list.
    for (int c = 0; c < list->Grid->model()->columnCount(); ++c)
        EXPECT_NE(list->Grid->model()->headerData(c, Qt::Horizontal).toString(), "Passord");
}

TEST_F(UsersTest, AccessWindowStoresTheDocumentedValuesAndHidesThePassword)
{
    list->show();
    ASSERT_TRUE(users().locate("username", "obrien"));
    auto* access = Windows().get<TUserAccessForm>();
    access->show();
    EXPECT_EQ(access->windowTitle(), "Sean O'Brien [" + QString::number(users().currentId()) + "]");
    EXPECT_EQ(access->PasswordEdit->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(access->Lagre1->isEnabled());
    EXPECT_FALSE(access->GroupAccessBox->isChecked());  // 149

    access->GroupAccessBox->click();
    access->EncryptedBox->click();  // "Kryptert" is 0, so unchecking stores 1
    EXPECT_TRUE(access->Lagre1->isEnabled());
    EXPECT_TRUE(access->Avbryt1->isEnabled());
    access->Lagre1Click();
    EXPECT_EQ(scalar("SELECT CONCAT_WS('|', defaultgroup, passwdvariant) FROM users WHERE username='obrien'"),
              "100|1");
    EXPECT_FALSE(access->Lagre1->isEnabled());

    access->GroupAccessBox->click();  // back to 149, then cancelled
    access->Avbryt1Click();
    EXPECT_EQ(scalar("SELECT defaultgroup FROM users WHERE username='obrien'"), "100");
    EXPECT_TRUE(access->GroupAccessBox->isChecked());
}

TEST_F(UsersTest, RecordWindowCaptionAndPublishedFlag)
{
    list->show();
    ASSERT_TRUE(users().locate("username", "obrien"));
    auto* data = Windows().get<TUserDataForm>();
    data->show();
    EXPECT_EQ(data->windowTitle(), "Brukerdata [" + QString::number(users().currentId()) + "]");
    data->PublishedBox->click();
    data->Lagre1Click();
    EXPECT_EQ(scalar("SELECT rwx_all FROM users WHERE username='obrien'"), "5");
    data->PublishedBox->click();
    data->Lagre1Click();
    EXPECT_EQ(scalar("SELECT rwx_all FROM users WHERE username='obrien'"), "0");
}

TEST_F(UsersTest, GroupsAreAddedInTheGridAndDeletedAfterTheQuestion)
{
    auto* groups = Windows().get<TGroupForm>();
    groups->show();
    Dataset& g = dm->GroupTable;
    ASSERT_TRUE(g.isOpen());
    const int before = g.recordCount();
    MyLoginID = 7;
    groups->InsertButtonClick();
    ASSERT_EQ(g.state(), Dataset::Insert);
    QAbstractItemModel* m = groups->DBGrid1->model();
    ASSERT_TRUE(m->setData(m->index(g.recNo(), 0), "190"));
    ASSERT_TRUE(m->setData(m->index(g.recNo(), 1), "Lager og innkjøp"));
    groups->close();  // the pending row is saved, not lost
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM `groups` WHERE group_id=190"), "1");
    EXPECT_EQ(scalar("SELECT CONCAT(group_id, '|', group_name, '|', `user`) FROM `groups` WHERE group_id=190"),
              "190|Lager og innkjøp|" + QString::number(MyLoginID));
    EXPECT_EQ(g.recordCount(), before + 1);

    groups->show();
    ASSERT_TRUE(g.locate("group_id", 190));
    dialogs().yesNoAnswers.push_back(false);
    groups->DeleteButtonClick();
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM `groups` WHERE group_id=190"), "1");
    dialogs().yesNoAnswers.push_back(true);
    groups->DeleteButtonClick();
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM `groups` WHERE group_id=190"), "0");
    EXPECT_TRUE(dialogs().questions.contains("Slette denne posten?"));
}
