#include "testsupport.h"

#include "core/dialogs.h"
#include "core/textfil.h"
#include "data/datamodule.h"

namespace {

class DataModuleTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        ResetSelectSettings();
        ResetSharedValues();
        ASSERT_TRUE(dm.MyConnection.open(db->params()));
        LogToFile = true;
        LogStrings.clear();
    }
    void TearDown() override { LogToFile = false; }
    bool logged(const QString& text) const
    {
        for (const QString& l : LogStrings)
            if (l.endsWith(text)) return true;
        return false;
    }
    TDatabaseModule dm;
};

} // namespace

TEST(KvSelect, ComposesInOrder)
{
    struct Case {
        const char *fields, *table, *join, *order, *andc, *where, *joinfield, *want;
    } cases[] = {
        {"*", "items", "", "", "", "", "", "SELECT * FROM items"},
        {"*", "items", "", "date,mark", "", "orderid=5", "", "SELECT * FROM items WHERE orderid=5 ORDER BY date,mark"},
        // An and-condition alone becomes the WHERE, never a dangling AND.
        {"*", "items", "", "", "poid=2", "", "", "SELECT * FROM items WHERE poid=2"},
        {"*", "items", "", "date", "poid=2", "orderid=5", "", "SELECT * FROM items WHERE orderid=5 AND poid=2 ORDER BY date"},
        {"contact.*, companyname", "contact", "company", "realname", "", "", "contact.companyid=company.id",
         "SELECT contact.*, companyname FROM contact LEFT JOIN company ON contact.companyid=company.id ORDER BY realname"},
    };
    for (const Case& c : cases) {
        QString out;
        const QString got = kv_Select(c.fields, c.table, c.join, out, c.order, c.andc, c.where, c.joinfield);
        EXPECT_EQ(got.toStdString(), c.want);
        EXPECT_EQ(out, got);
    }
}

TEST(KvSelect, StartingSelectSettings)
{
    ResetSelectSettings();
    EXPECT_EQ(Items_ORDER, "date,mark");
    EXPECT_EQ(Job_ORDER, "job");
    EXPECT_EQ(Document_ORDER, "updated DESC LIMIT 10");
    EXPECT_EQ(Contact_JOINFIELD, "contact.companyid=company.id");
}

TEST(TableList, NumbersAndNames)
{
    TDatabaseModule dm;
    ASSERT_EQ(TableNames.size(), 20);
    ASSERT_EQ(TableRealNames.size(), 20);
    EXPECT_EQ(dm.GetTableInt("users"), 0);
    EXPECT_EQ(dm.GetTableInt("items"), 19);
    EXPECT_EQ(dm.GetTableInt("Product"), 18);
    EXPECT_EQ(dm.GetTableInt("nosuch"), -1);
    EXPECT_EQ(dm.datasets().size(), 22u);
    EXPECT_EQ(dm.datasetByNumber(120), &dm.InvoiceTable);
    EXPECT_EQ(dm.datasetOf("subproject"), &dm.SubProjectTable);
}

TEST(StripSecrets, PasswordLinesLeaveTheCopy)
{
    const QString ini = "[KVARNEL_SQL]\r\nUsername=demo\r\nPassword=zbdf2\r\n[Smtp]\r\nSmtpPassord=x\r\nHost=mail\r\n";
    const QString out = StripSecrets(ini);
    EXPECT_TRUE(out.contains("Username=demo"));
    EXPECT_TRUE(out.contains("Host=mail"));
    EXPECT_FALSE(out.contains("zbdf2"));
    EXPECT_FALSE(out.contains("Passord"));
}

TEST_F(DataModuleTest, TableOpenLandsOnFirstOrLastRow)
{
    ASSERT_TRUE(db->admin().exec("INSERT INTO accounts (account, header) VALUES (3000,'Salg'),(1500,'Kunder'),(4000,'Varer')"));
    ASSERT_TRUE(dm.TableOpen(dm.AccountTable));
    EXPECT_EQ(dm.AccountTable.asInt("account"), 1500);
    dm.AccountTable.last();
    // Without refresh the dataset is closed and reopened: back on the first row.
    ASSERT_TRUE(dm.TableOpen(dm.AccountTable));
    EXPECT_EQ(dm.AccountTable.recNo(), 0);
    ASSERT_TRUE(dm.TableOpen(dm.AccountTable, false, true));
    EXPECT_EQ(dm.AccountTable.asInt("account"), 4000);
    // A refresh keeps the current row.
    dm.AccountTable.moveTo(1);
    ASSERT_TRUE(dm.TableOpen(dm.AccountTable, true));
    EXPECT_EQ(dm.AccountTable.asInt("account"), 3000);
    EXPECT_TRUE(logged("Åpner tabellen " + db->name() + ".accounts"));
}

TEST_F(DataModuleTest, TableOpenFailureIsReported)
{
    ScriptedDialogs dialogs;
    dm.AccountTable.setFilter("nosuchcolumn=1");
    EXPECT_FALSE(dm.TableOpen(dm.AccountTable));
    EXPECT_FALSE(dm.AccountTable.isOpen());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Kan ikke åpne tabellen accounts");
    EXPECT_EQ(dialogs.messages[0].caption, "Feil");
    EXPECT_TRUE(logged("FEIL: kan ikke åpne tabellen " + db->name() + ".accounts"));
}

TEST_F(DataModuleTest, SQLExecuteLogsFailureAndTellsTheCaller)
{
    EXPECT_TRUE(dm.SQLExecute("INSERT INTO accounts (account) VALUES (1920)"));
    const int errorsBefore = ErrorCount;
    EXPECT_FALSE(dm.SQLExecute("UPDATE accounts SET nosuch=1"));
    EXPECT_TRUE(logged("SQL ERROR: UPDATE accounts SET nosuch=1"));
    EXPECT_EQ(ErrorCount, errorsBefore + 1);
    EXPECT_EQ(db->admin().scalar("SELECT COUNT(*) FROM accounts"), "1");
}

TEST_F(DataModuleTest, ProjectLockIsAddedOnce)
{
    ProjectLockId = 7;
    dm.DocumentSQLSelect();
    EXPECT_EQ(Document_WHERE, "document.projectid=7");
    dm.DocumentSQLSelect();
    EXPECT_EQ(Document_WHERE, "document.projectid=7");
    EXPECT_TRUE(dm.DocumentQuery.isOpen()) << dm.DocumentQuery.lastError().toStdString();

    Document_WHERE = "category='Tegning'";
    dm.DocumentSQLSelect();
    EXPECT_EQ(Document_WHERE, "(category='Tegning') and document.projectid=7");
    dm.DocumentSQLSelect();
    EXPECT_EQ(Document_WHERE, "(category='Tegning') and document.projectid=7");
}

TEST_F(DataModuleTest, BuiltQueriesOpenAndFailQuietly)
{
    ScriptedDialogs dialogs;
    ASSERT_TRUE(db->admin().exec("INSERT INTO company (id, companyname) VALUES (1,'Fjord AS')"));
    ASSERT_TRUE(db->admin().exec("INSERT INTO contact (realname, companyid) VALUES ('Kari',1),('Ola',0)"));
    dm.ContactSQLSelect();
    ASSERT_TRUE(dm.ContactQuery.isOpen()) << dm.ContactQuery.lastError().toStdString();
    EXPECT_EQ(dm.ContactQuery.recordCount(), 2);
    EXPECT_EQ(dm.ContactQuery.asString("companyname"), "Fjord AS");

    Items_WHERE = "orderid=";  // broken condition from a window
    dm.ItemsSQLSelect();
    EXPECT_FALSE(dm.ItemsQuery.isOpen());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DataModuleTest, SupplierSummaryKeepsSameNamedSuppliersApart)
{
    ASSERT_TRUE(db->admin().exec("INSERT INTO company (id, companyname) VALUES (1,'Lik AS'),(2,'Lik AS')"));
    ASSERT_TRUE(db->admin().exec(
        "INSERT INTO product (productcode, vendor) VALUES ('A',1),('B',1),('C',2)"));
    ASSERT_TRUE(dm.CompanyMiniQuery.open()) << dm.CompanyMiniQuery.lastError().toStdString();
    EXPECT_EQ(dm.CompanyMiniQuery.recordCount(), 2);
}

TEST_F(DataModuleTest, LookupsResolveOverTheWholeTable)
{
    ASSERT_TRUE(db->admin().exec("INSERT INTO company (id, companyname) VALUES (1,'Fjord AS'),(2,'Vidde AS')"));
    ASSERT_TRUE(db->admin().exec("INSERT INTO orders (ordernumber, companyid) VALUES (1001,2)"));
    dm.CompanyTable.setFilter("id=1");  // another window's filter does not hide the name
    ASSERT_TRUE(dm.TableOpen(dm.CompanyTable));
    ASSERT_TRUE(dm.TableOpen(dm.OrderTable));
    EXPECT_EQ(dm.OrderTable.asString("companyname"), "Vidde AS");
    // A renamed company shows its new name once saved.
    dm.CompanyTable.setFilter("id=2");
    ASSERT_TRUE(dm.TableOpen(dm.CompanyTable));
    dm.CompanyTable.setValue("companyname", "Vidde og Fjell AS");
    ASSERT_TRUE(dm.CompanyTable.post());
    EXPECT_EQ(dm.OrderTable.asString("companyname"), "Vidde og Fjell AS");
}

TEST_F(DataModuleTest, SubProjectsFollowTheProject)
{
    ASSERT_TRUE(db->admin().exec("INSERT INTO project (id, projectnumber) VALUES (1,'P1'),(2,'P2')"));
    ASSERT_TRUE(db->admin().exec("INSERT INTO subproject (project, systemnumber) VALUES (1,'S1'),(1,'S2'),(2,'S3')"));
    ASSERT_TRUE(dm.TableOpen(dm.ProjectTable));
    ASSERT_TRUE(dm.TableOpen(dm.SubProjectTable));
    EXPECT_EQ(dm.SubProjectTable.recordCount(), 2);
    dm.ProjectTable.locate("projectnumber", "P2");
    EXPECT_EQ(dm.SubProjectTable.recordCount(), 1);
    EXPECT_EQ(dm.SubProjectTable.asString("systemnumber"), "S3");
}
