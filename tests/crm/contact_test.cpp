// The contact windows, the employee picker, the vCard and formatting
// windows: what each adds to the list and record window framework.
#include "ui/uitest.h"

#include "core/cp1252.h"
#include "crm/contactdataform.h"
#include "crm/contactimportexportform.h"
#include "crm/contactlistform.h"
#include "crm/formatforms.h"
#include "crm/personsselectform.h"
#include "crm/postnummer.h"
#include "ui/listform.h"

#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

namespace {
bool inputAnswer(const QString&, const QString&, QString& answer);
QString g_answer;
bool inputAnswer(const QString&, const QString&, QString& answer)
{
    answer = g_answer;
    return true;
}
} // namespace

class ContactTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        PostRegister::instance().reset();
        SetInputStrFunction(&inputAnswer);
        ASSERT_TRUE(db->admin().exec("DELETE FROM contact"));
        ASSERT_TRUE(db->admin().exec("INSERT INTO company (id, companyname) VALUES (501, 'Fjord Bygg AS'), (502, 'Annet AS')"));
        ASSERT_TRUE(db->admin().exec(
            "INSERT INTO contact (id, realname, companyid, city, postalcode, object_text) VALUES "
            "(1, 'Kari Nordmann', 501, 'Oslo', '0301', 'Liker 100% kaffe'), (2, 'Ola O''Hara', 0, '', '', NULL), "
            "(3, 'Per Privat', 0, 'Bergen', '5003', 'ikke kaffe')"));
        ASSERT_TRUE(dm->TableOpen(dm->CompanyTable, true));
        Windows().add<TContactListForm>();
        Windows().add<TContactDataForm>();
        Windows().add<TContactFormatForm>();
        Windows().add<TContactImportExportForm>();
        Windows().createAll();
        list = Windows().get<TContactListForm>();
        data = Windows().get<TContactDataForm>();
        list->show();
    }
    void TearDown() override
    {
        SetInputStrFunction(nullptr);
        PostRegister::instance().reset();
        UiTest::TearDown();
    }
    QStringList names() { return column(dm->ContactQuery, "realname"); }
    TContactListForm* list = nullptr;
    TContactDataForm* data = nullptr;
};

TEST_F(ContactTest, FiltersSearchAndJumpFromACompany)
{
    EXPECT_EQ(names(), QStringList({"Kari Nordmann", "Ola O'Hara", "Per Privat"}));
    list->TilknyttetFirma1->trigger();
    EXPECT_EQ(names(), QStringList({"Kari Nordmann"}));
    EXPECT_EQ(column(dm->ContactQuery, "companyname"), QStringList({"Fjord Bygg AS"}));
    list->IkkeTilknyttet1->trigger();
    EXPECT_EQ(names(), QStringList({"Ola O'Hara", "Per Privat"}));

    // The search: quotes stay text, the user's % still works.
    struct Case {
        const char* typed;
        QStringList want;
    };
    for (const Case& c : {Case{"O'Hara", {"Ola O'Hara"}}, Case{"100%", {"Kari Nordmann"}}, Case{"kaffe", {"Kari Nordmann", "Per Privat"}},
                          Case{"') OR 1=1 OR ('", {}}}) {
        g_answer = c.typed;
        list->Sketter1->trigger();
        EXPECT_EQ(names(), c.want) << c.typed;
    }

    // A jump from a company, then "Vis alle".
    Contact_WHERE = "companyid=501";
    dm->ContactSQLSelect();
    EXPECT_EQ(names(), QStringList({"Kari Nordmann"}));
    list->Alle1->trigger();
    EXPECT_EQ(names().size(), 3);
}

TEST_F(ContactTest, LinkToTheCurrentCompany)
{
    ASSERT_TRUE(dm->CompanyTable.locate("id", 502));
    ASSERT_TRUE(dm->ContactQuery.locate("id", 3));
    list->UpdateTilknyttCaption();
    EXPECT_EQ(list->Tilknytt1->text(), "Tilknytt til Annet AS");
    list->Tilknytt1->trigger();
    EXPECT_EQ(scalar("SELECT companyid FROM contact WHERE id=3"), "502");
    EXPECT_EQ(dm->ContactQuery.currentId(), 3);
    EXPECT_EQ(dm->ContactQuery.asString("companyname"), "Annet AS");

    // An empty company list: nothing happens.
    dm->CompanyTable.setFilter("id=0");
    dm->TableOpen(dm->CompanyTable, true);
    list->UpdateTilknyttCaption();
    EXPECT_FALSE(list->Tilknytt1->isEnabled());
    ASSERT_TRUE(dm->ContactQuery.locate("id", 2));
    list->Tilknytt1Click();
    EXPECT_EQ(scalar("SELECT companyid FROM contact WHERE id=2"), "0");
}

TEST_F(ContactTest, RecordWindowTitleAndPostalCode)
{
    ASSERT_EQ(WriteCp1252Lines(PostRegisterPath(), {"5003\tBERGEN\t4601\tBERGEN\tG", "0301\tOSLO\t0301\tOSLO\tP"}), 0);
    ASSERT_TRUE(dm->ContactQuery.locate("id", 1));
    data->show();
    EXPECT_EQ(data->windowTitle(), "Kontakt [1]");
    EXPECT_EQ(data->CompanyEdit->text(), "Fjord Bygg AS");
    EXPECT_TRUE(data->CompanyEdit->isReadOnly());

    // Browsing: leaving the code changes nothing.
    data->PostalCodeEdit->setText("5003");
    data->PostalCodeExit();
    EXPECT_EQ(dm->ContactQuery.asString("city"), "Oslo");
    // Editing: the place follows the code.
    dm->ContactQuery.edit();
    dm->ContactQuery.setValue("postalcode", "5003");
    data->PostalCodeExit();
    EXPECT_EQ(dm->ContactQuery.asString("city"), "BERGEN");
    ASSERT_TRUE(dm->ContactQuery.post());
    EXPECT_EQ(scalar("SELECT city FROM contact WHERE id=1"), "BERGEN");
}

TEST_F(ContactTest, PersonsPickerTicksWholeInitialsOnly)
{
    ASSERT_TRUE(db->admin().exec("DELETE FROM users WHERE initials IN ('AB', 'ABC')"));
    ASSERT_TRUE(db->admin().exec("INSERT INTO users (username, realname, initials) VALUES "
                                 "('ab', 'Anne Berg', 'AB'), ('abc', 'Anne B. Carlsen', 'ABC')"));
    EXPECT_EQ(PersonsInitials("AB, ABC;CD  EF"), QStringList({"AB", "ABC", "CD", "EF"}));
    TPersonsSelectForm f;
    f.Fill("ABC");
    auto ticked = [&f](const QString& initials) {
        for (int i = 0; i < f.CheckListBox1->count(); ++i)
            if (f.CheckListBox1->item(i)->data(Qt::UserRole).toString() == initials)
                return f.CheckListBox1->item(i)->checkState() == Qt::Checked;
        return false;
    };
    EXPECT_TRUE(ticked("ABC"));
    EXPECT_FALSE(ticked("AB"));
    EXPECT_EQ(f.Selected(), "ABC");

    // SelectPersons on a project: "Hent" stores the ticked initials; closing
    // otherwise keeps the text, the row in edit state either way.
    ASSERT_TRUE(db->admin().exec("INSERT INTO project (id, persons) VALUES (77, 'ABC')"));
    Dataset project(&dm->MyConnection, "project");
    project.setFilter("id=77");
    ASSERT_TRUE(project.open());
    QTimer::singleShot(0, [] {
        auto* w = qobject_cast<TPersonsSelectForm*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        for (int i = 0; i < w->CheckListBox1->count(); ++i) w->CheckListBox1->item(i)->setCheckState(Qt::Checked);
        w->HentButton->click();
    });
    SelectPersons(project);
    EXPECT_EQ(project.state(), Dataset::Edit);
    const QStringList stored = PersonsInitials(project.asString("persons"));
    EXPECT_TRUE(stored.contains("AB") && stored.contains("ABC")) << project.asString("persons").toStdString();
    project.cancel();
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    SelectPersons(project);
    EXPECT_EQ(project.state(), Dataset::Edit);
    EXPECT_EQ(project.asString("persons"), "ABC");
}

TEST_F(ContactTest, FormatWindowPreviewsAndWritesOnlyWhatChanges)
{
    ASSERT_TRUE(db->admin().exec("UPDATE contact SET mobilephone='91234567', realname='PER PRIVAT' WHERE id=3"));
    dm->ContactQuery.refresh();
    auto* f = Windows().get<TContactFormatForm>();
    f->show();
    f->FmtPhone->setChecked(true);
    EXPECT_FALSE(f->RmBlank->isEnabled());
    EXPECT_FALSE(f->RmHyphen->isEnabled());
    f->Add47->setChecked(true);
    EXPECT_FALSE(f->Rm47->isEnabled());
    f->Add47->setChecked(false);
    f->FmtName->setChecked(true);
    f->Preview();
    EXPECT_EQ(f->PreviewGrid->rowCount(), 2);
    EXPECT_EQ(scalar("SELECT mobilephone FROM contact WHERE id=3"), "91234567");
    EXPECT_TRUE(f->FormatKnappClick());
    EXPECT_EQ(scalar("SELECT CONCAT(realname, '|', mobilephone) FROM contact WHERE id=3"), "Per Privat|912 34 567");
    EXPECT_TRUE(f->FormatKnapp->isVisible());
    EXPECT_FALSE(f->ProgressBar1->isVisible());
}

TEST_F(ContactTest, VcardWindowExportsTheListedContacts)
{
    list->IkkeTilknyttet1->trigger();
    auto* f = Windows().get<TContactImportExportForm>();
    const QString file = QDir::currentPath() + "/k.vcf";
    ASSERT_TRUE(f->ExportVcard3(file));
    QFile in(file);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray bytes = in.readAll();
    EXPECT_EQ(bytes.count("BEGIN:VCARD"), 2);
    EXPECT_FALSE(bytes.contains("Kari"));
    EXPECT_EQ(f->windowTitle(), "Per Privat");  // the last one written
    EXPECT_FALSE(f->ProgressBar1->isVisible());

    ASSERT_TRUE(f->ImportVCard3(file));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM contact"), "5");
    EXPECT_FALSE(f->ImportVCard3(QDir::currentPath() + "/mangler.vcf"));
    EXPECT_TRUE(dialogs().lastMessage().startsWith("Feil under åpning av "));
}
