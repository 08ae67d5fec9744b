// The company list, the company record window and the supplier chooser.
#include "ui/uitest.h"

#include "admin/inputform.h"
#include "core/cp1252.h"
#include "crm/companydataform.h"
#include "crm/companylistform.h"
#include "crm/companyselectform.h"
#include "crm/postnummer.h"
#include "crm/postnummerform.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

class CompanyTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        PostRegister::instance().reset();
        SetInputStrFunction(&InputStr);
        Windows().add("TCompanyListForm", [] { return new TCompanyListForm; });
        Windows().add("TCompanyDataForm", [] { return new TCompanyDataForm; });
        Windows().add("TCompanySelectForm", [] { return new TCompanySelectForm; });
        Windows().add("TPostnummerForm", [] { return new TPostnummerForm; });
        Windows().createAll();
        list = Windows().get<TCompanyListForm>();
        data = Windows().get<TCompanyDataForm>();
    }
    void TearDown() override
    {
        SetInputStrFunction(nullptr);
        PostRegister::instance().reset();
        UiTest::TearDown();
    }
    Dataset& companies() { return dm->CompanyTable; }
    // A company with the given role flags, and the list re-read.
    void addCompany(const QString& name, const QString& flags)
    {
        ASSERT_TRUE(db->admin().exec("INSERT INTO company SET companyname='" + name + "'" +
                                     (flags.isEmpty() ? QString() : ", " + flags)));
    }
    TCompanyListForm* list = nullptr;
    TCompanyDataForm* data = nullptr;
};

TEST_F(CompanyTest, RowsAreColouredByRoleLaterFlagsWinning)
{
    const QColor green(0, 0x80, 0), blue(0, 0, 0xFF), red(0xFF, 0, 0);
    struct Case {
        const char* name;
        const char* flags;
        QColor colour;  // invalid: the grid's own
    };
    const Case cases[] = {
        {"Farge 1 partner", "partner=1", green},
        {"Farge 2 utstyr", "equipvendor=1", blue},
        {"Farge 3 svartelistet", "blacklisted=1", red},
        {"Farge 4 partner og svartelistet", "partner=1, blacklisted=1", red},
        {"Farge 5 partner og utstyr", "partner=1, equipvendor=1", blue},
        {"Farge 6 kunde", "customer=1, vendor=1", QColor()},
    };
    for (const Case& c : cases) addCompany(c.name, c.flags);
    list->show();
    for (const Case& c : cases) {
        ASSERT_TRUE(companies().locate("companyname", c.name));
        const QColor want = c.colour.isValid() ? c.colour : list->Grid->palette().color(QPalette::Text);
        EXPECT_EQ(list->Grid->rowColor(companies().recNo()), want) << c.name;
    }
}

TEST_F(CompanyTest, RoleFiltersReplaceEachOtherAndKeepTheOrder)
{
    list->show();
    struct Case {
        QAction* item;
        const char* flag;
    };
    const Case cases[] = {{list->Kunder1, "customer"},          {list->Leverandorer1, "vendor"},
                          {list->Utstyrleverandorer1, "equipvendor"}, {list->Partner1, "partner"},
                          {list->Svartelistet1, "blacklisted"}};
    for (const Case& c : cases) {
        c.item->trigger();
        EXPECT_EQ(companies().filter(), QString(c.flag) + "=1");
        EXPECT_EQ(QString::number(companies().recordCount()),
                  scalar(QString("SELECT COUNT(*) FROM company WHERE %1=1").arg(c.flag)))
            << c.flag;
        EXPECT_EQ(companies().order(), "companyname");
    }
    list->Alle1->trigger();
    EXPECT_EQ(QString::number(companies().recordCount()), scalar("SELECT COUNT(*) FROM company"));
}

TEST_F(CompanyTest, SearchLooksInSixFieldsAndFindsQuotedNames)
{
    addCompany("O''Brien Consulting", "city='GALWAY'");
    list->show();
    EXPECT_EQ(list->SearchCondition("T"),
              "companyname like '%T%' OR postaladdress like '%T%' OR streetaddress like '%T%' OR "
              "city like '%T%' OR object_text like '%T%' OR postalcode like '%T%'");

    dialogs().inputAnswers.push_back("O'Brien");
    list->Sketter1Click();
    EXPECT_EQ(column(companies(), "companyname"), QStringList{"O'Brien Consulting"});
    EXPECT_EQ(LastInputStr, "O'Brien");

    // The note and the postal code are searched too.
    dialogs().inputAnswers.push_back("Kun kontant");
    list->Sketter1Click();
    EXPECT_EQ(column(companies(), "companyname"), QStringList{"Rask Montasje Ole Rask"});
    dialogs().inputAnswers.push_back("3616");
    list->Sketter1Click();
    EXPECT_EQ(column(companies(), "companyname"), QStringList{"Kongsberg Mekaniske Verksted AS"});

    list->Sketter1Click();  // cancelled: the filter stays
    EXPECT_EQ(companies().recordCount(), 1);
}

TEST_F(CompanyTest, ListAndRecordWindowStayInStep)
{
    list->show();
    EXPECT_EQ(list->windowTitle(), "Firmaer");
    EXPECT_EQ(list->Grid->gridModel()->headerData(6, Qt::Horizontal).toString(), "Postnr.");
    list->Rediger1Click();
    ASSERT_TRUE(data->isVisible());
    EXPECT_EQ(data->windowTitle(), "Firmadata [" + QString::number(companies().currentId()) + "]");
    EXPECT_EQ(data->width(), 422);

    data->Nestepost1Click();
    EXPECT_EQ(list->Grid->currentIndex().row(), 1);
    EXPECT_EQ(data->CompanyNameEdit->text(), companies().asString("companyname"));
    // Stepping limits the contact list to the company's contacts.
    EXPECT_EQ(Contact_WHERE, "companyid=" + QString::number(companies().currentId()));
    EXPECT_EQ(QString::number(dm->ContactQuery.recordCount()),
              scalar("SELECT COUNT(*) FROM contact WHERE companyid=" + QString::number(companies().currentId())));

    // Saved in the record window, seen in the list.
    data->PhoneEdit->clear();
    QTest::keyClicks(data->PhoneEdit, "12 34 56 78");
    data->Lagre1Click();
    EXPECT_EQ(list->Grid->model()->index(1, 1).data().toString(), "12 34 56 78");

    // A new company does not re-select the contacts.
    const QString where = Contact_WHERE;
    list->Ny1Click();
    EXPECT_EQ(companies().state(), Dataset::Insert);
    EXPECT_EQ(data->windowTitle(), "Firmadata []");
    data->hide();
    data->show();
    EXPECT_EQ(Contact_WHERE, where);
    QTest::keyClicks(data->CompanyNameEdit, "Helt Nytt AS");
    data->Lagre1Click();
    EXPECT_EQ(data->windowTitle(), "Firmadata [" + scalar("SELECT MAX(id) FROM company") + "]");

    data->TrackBar1->setValue(1);
    data->close();
    EXPECT_EQ(stored("CompanyDataForm", "Diverse"), "1");
}

TEST_F(CompanyTest, PostalCodeFillsThePlaceOnlyWhileEditingAFourCharacterCode)
{
    ASSERT_EQ(WriteCp1252Lines(PostRegisterPath(), {"6750\tSTADLANDET\t1441\tSELJE\tG", "3070\tSANDE I VESTFOLD\t0713\tSANDE\tB"}), 0);
    data->show();
    ASSERT_TRUE(companies().locate("companyname", "Lier Rørleggerservice AS"));

    struct Case {
        const char* code;
        bool editing;
        const char* city;  // after leaving the code
    };
    const Case cases[] = {
        {"6750", true, "STADLANDET"},
        {"675", true, "LIER"},
        {"67500", true, "LIER"},
        {"6750", false, "LIER"},
        {"1234", true, ""},  // not in the register
    };
    for (const Case& c : cases) {
        companies().cancel();
        data->PostalCodeEdit->setText(c.code);  // as shown, without editing
        if (c.editing) companies().setValue("postalcode", c.code);
        data->i6750Exit();
        EXPECT_EQ(companies().asString("city"), c.city) << c.code << " " << c.editing;
        EXPECT_EQ(data->CityEdit->text(), c.city);
    }
    companies().cancel();

    // Leaving the field after typing does the same.
    showActive(*data);
    data->PostalCodeEdit->setFocus();
    data->PostalCodeEdit->clear();
    QTest::keyClicks(data->PostalCodeEdit, "3070");
    data->CityEdit->setFocus();
    EXPECT_EQ(companies().asString("city"), "SANDE I VESTFOLD");
    companies().cancel();

    // "?" opens the postal-code window on the typed code.
    data->PostalCodeEdit->setText("6750");
    data->PostalCodeButtonClick();
    auto* post = Windows().get<TPostnummerForm>();
    EXPECT_TRUE(post->isVisible());
    EXPECT_EQ(post->PoststedLabel->text(), "STADLANDET");
}

TEST_F(CompanyTest, WithoutARegisterTheTypedPlaceStaysAndIsReportedOnce)
{
    QFile::remove(PostRegisterPath());
    data->show();
    companies().setValue("postalcode", "6750");
    companies().setValue("city", "STRYN");
    data->i6750Exit();
    data->i6750Exit();
    EXPECT_EQ(companies().asString("city"), "STRYN");
    EXPECT_EQ(dialogs().messages.size(), 1u);
    companies().cancel();
}

TEST_F(CompanyTest, JumpsWaitForTheirWindows)
{
    list->show();
    list->PopupMenu1Popup();
    for (QAction* a : {list->Kontakter1, list->Dokumenter1, list->Ordrer1, list->Fakturaer1, list->FormaterFirmaer1})
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();

    // A list that exists is shown already filtered on the company.
    Windows().add("TOrderListForm", [] {
        auto* w = new QWidget(nullptr, Qt::Window);
        w->setObjectName("OrderListForm");
        return w;
    });
    Windows().createAll();
    list->PopupMenu1Popup();
    ASSERT_TRUE(list->Ordrer1->isEnabled());
    ASSERT_TRUE(companies().locate("companyname", "Bragernes Eiendom AS"));
    list->Ordrer1->trigger();
    EXPECT_EQ(dm->OrderTable.filter(), "companyid=2");
    EXPECT_TRUE(Windows().find("TOrderListForm")->isVisible());

    list->Dokumenter1Click();
    EXPECT_EQ(Document_WHERE, "document.companyid=2");
    list->Varetransaksjoner1Click();
    EXPECT_EQ(Items_WHERE, "customerid=2");
}

TEST_F(CompanyTest, SelectCompanyReturnsTheSupplierOrMinusOne)
{
    auto* form = Windows().get<TCompanySelectForm>();
    QTimer::singleShot(0, form, [form] { form->close(); });
    EXPECT_EQ(SelectCompany(), -1);
    ASSERT_TRUE(dm->CompanyMiniQuery.isOpen());
    EXPECT_EQ(form->windowTitle(), "Velg firma");
    EXPECT_EQ(form->CompanyGrid->model()->headerData(1, Qt::Horizontal).toString(), "Antall");

    // The counts are those of the first opening.
    Dataset& q = dm->CompanyMiniQuery;
    ASSERT_TRUE(q.locate("companyname", "Nordisk Elektrogrossist AS"));
    const QString count = q.asString("COUNT(*)");
    ASSERT_TRUE(db->admin().exec("INSERT INTO product (productcode, vendor) VALUES ('NY-1', 10)"));
    const int row = q.recNo();
    QTimer::singleShot(0, form, [form, row] {
        form->CompanyGrid->dataset()->moveTo(row);
        form->CompanyGridDblClick();
    });
    EXPECT_EQ(SelectCompany(), 10);
    EXPECT_EQ(q.asString("COUNT(*)"), count);
}

// The web address comes from the shared database: the "www" button opens
// addresses only and never starts what the text names.
TEST_F(CompanyTest, HomepageButtonNeverStartsAProgram)
{
    const QString marker = root() + "/startet";
    const QString script = root() + "/hjemmeside.sh";
    QFile f(script);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n");
    f.close();
    f.setPermissions(f.permissions() | QFile::ExeOwner);

    list->show();
    list->Rediger1Click();
    ASSERT_TRUE(data->isVisible());
    data->HomepageEdit->setText(script);
    data->HomepageButton->click();
    QTest::qWait(500);
    EXPECT_FALSE(QFile::exists(marker));
    EXPECT_TRUE(dialogs().lastMessage().contains("bare web- og e-postadresser")) << dialogs().lastMessage().toStdString();
}

// An organisation number that fails the register's check digit is marked
// at once and warned about when the user leaves it, but stored: a warning,
// not a refusal.
TEST_F(CompanyTest, InvalidOrgNumberIsWarnedButStored)
{
    showActive(*data);
    ASSERT_TRUE(companies().locate("companyname", "Lier Rørleggerservice AS"));
    EXPECT_EQ(data->OrgNumberEdit->text(), "991 574 220");
    EXPECT_TRUE(data->OrgNumberWarningLabel->text().isEmpty());

    const size_t before = dialogs().messages.size();
    data->OrgNumberEdit->setFocus();
    data->OrgNumberEdit->selectAll();
    QTest::keyClicks(data->OrgNumberEdit, "991 574 221");
    EXPECT_EQ(data->OrgNumberWarningLabel->text(), "Ugyldig");
    EXPECT_TRUE(data->OrgNumberWarningLabel->toolTip().contains("kontrollsifferet stemmer ikke"));
    data->BranchCombo->setFocus();
    ASSERT_EQ(dialogs().messages.size(), before + 1);
    EXPECT_EQ(dialogs().messages.back().caption, "Advarsel");
    EXPECT_TRUE(dialogs().lastMessage().contains("lagres likevel"));
    data->Lagre1Click();
    EXPECT_EQ(scalar("SELECT orgnumber FROM company WHERE companyname='Lier Rørleggerservice AS'"), "991 574 221");

    // Leaving it again unchanged says nothing more; a valid number nothing at all.
    data->OrgNumberEdit->setFocus();
    data->BranchCombo->setFocus();
    EXPECT_EQ(dialogs().messages.size(), before + 1);
    data->OrgNumberEdit->setFocus();
    data->OrgNumberEdit->selectAll();
    QTest::keyClicks(data->OrgNumberEdit, "NO 974760673 MVA");
    data->BranchCombo->setFocus();
    EXPECT_EQ(dialogs().messages.size(), before + 1);
    EXPECT_TRUE(data->OrgNumberWarningLabel->text().isEmpty());
    companies().cancel();

    // The mark follows the row shown.
    ASSERT_TRUE(db->admin().exec("UPDATE company SET orgnumber='12345' WHERE companyname='Bragernes Eiendom AS'"));
    companies().refresh();
    ASSERT_TRUE(companies().locate("companyname", "Bragernes Eiendom AS"));
    EXPECT_EQ(data->OrgNumberWarningLabel->text(), "Ugyldig");
    EXPECT_TRUE(data->OrgNumberWarningLabel->toolTip().contains("ni siffer"));
}
