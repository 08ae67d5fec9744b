#include "testsupport.h"

#include "core/corefixture.h"
#include "data/datamodule.h"

// At shutdown the settings files are copied into users and company, without
// their passwords, and only after a login that connected.
class UpDateIniFilesTest : public CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        db = std::make_unique<TestDatabase>();
        ASSERT_TRUE(db->ok());
        ASSERT_TRUE(db->admin().exec("INSERT INTO users (id, username, companyid) VALUES (1,'kari',7)"));
        ASSERT_TRUE(db->admin().exec("INSERT INTO company (id, companyname) VALUES (7,'Eget AS')"));
        ASSERT_TRUE(dm.MyConnection.open(db->params()));
        OpenSettingsStore();
        SetStdSec("KVARNEL_SQL");
        SetRegStr("Username", "kari");
        SetRegStr("Password", "zbdf2");
        ResetStdSec();
        MyLoginUsername = "kari";
        MyLoginCompany = 7;
        {
            UserIniScope user;
            SetRegStr("HideToolPanel", "1");
        }
    }
    std::unique_ptr<TestDatabase> db;
    TDatabaseModule dm;
};

TEST_F(UpDateIniFilesTest, CopiesWithoutPasswordsAfterLogin)
{
    MyLoginStatus = 1;
    dm.UpDateIniFiles();
    const QString main = db->admin().scalar("SELECT inifile FROM company WHERE id=7");
    EXPECT_TRUE(main.contains("Username=kari"));
    EXPECT_FALSE(main.contains("zbdf2"));
    EXPECT_TRUE(db->admin().scalar("SELECT inifile FROM users WHERE id=1").contains("HideToolPanel=1"));
}

TEST_F(UpDateIniFilesTest, NothingWrittenWithoutAConnectedLogin)
{
    for (int status : {0, -1}) {
        MyLoginStatus = status;
        dm.UpDateIniFiles();
        EXPECT_EQ(db->admin().scalar("SELECT COUNT(*) FROM company WHERE inifile IS NOT NULL AND inifile<>''"), "0");
        EXPECT_EQ(db->admin().scalar("SELECT COUNT(*) FROM users WHERE inifile IS NOT NULL AND inifile<>''"), "0");
    }
}
