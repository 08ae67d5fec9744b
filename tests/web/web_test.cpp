// The news and banner windows on a real database.
#include "documents/qstring_print.h"
#include "ui/uitest.h"

#include "core/login.h"
#include "documents/datatoolform.h"
#include "net/webdocument.h"
#include "web/bannerforms.h"
#include "web/newsforms.h"
#include "web/webwindows.h"

#include <QAction>
#include <QSlider>
#include <QTest>
#include <QToolButton>

class WebTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        docs = root() + "/docs/";
        QDir().mkpath(docs + "bilder");
        WebFolderSettings s;
        s.docLocal = docs;
        s.docUrl = "http://web.example/docs/";
        s.Write();
        MyLoginID = 3;
        RegisterWebWindows();
        Windows().add<TDataToolForm>();
        Windows().createAll();
        newsList = Windows().get<TNewsListForm>();
        newsData = Windows().get<TNewsDataForm>();
        bannerList = Windows().get<TBannerListForm>();
        bannerData = Windows().get<TBannerDataForm>();
    }
    void TearDown() override
    {
        TNewsDataForm::ChoosePicture = [](const QString&, const QString&) { return QString(); };
        TBannerDataForm::ChoosePicture = [](const QString&, const QString&) { return QString(); };
        UiTest::TearDown();
    }
    Dataset& news() { return dm->NewsTable; }
    Dataset& banners() { return dm->BannerTable; }
    QStringList ids(Dataset& ds)
    {
        QStringList out = column(ds, "id");
        out.sort();
        return out;
    }
    QString docs;
    TNewsListForm* newsList = nullptr;
    TNewsDataForm* newsData = nullptr;
    TBannerListForm* bannerList = nullptr;
    TBannerDataForm* bannerData = nullptr;
};

TEST_F(WebTest, TheNewsListOpensWithActiveNewsAndFiltersOnExactValues)
{
    ASSERT_TRUE(db->admin().exec("INSERT INTO news SET id=5, header='Halvpublisert', rwx_all=4, status=1"));
    newsList->show();
    EXPECT_EQ(ids(news()), QStringList({"1", "2", "3", "5"}));
    struct Case {
        QAction* item;
        QStringList rows;
    };
    const Case cases[] = {
        {newsList->Publiserte1, {"1", "2", "4"}},
        {newsList->Ikkepubliserte1, {"3"}},
        {newsList->Historie1, {"4"}},
        {newsList->Aktive1, {"1", "2", "3", "5"}},
        {newsList->Alle1, {"1", "2", "3", "4", "5"}},
    };
    for (const Case& c : cases) {
        c.item->trigger();
        EXPECT_EQ(ids(news()), c.rows) << c.item->text().toStdString();
    }
    // A title click on "Forfatter" sorts by the author behind the initials.
    newsList->Grid->TitleClick(1);
    EXPECT_EQ(news().order(), "author");
}

TEST_F(WebTest, TheNewsSearchLooksInTheHeadline)
{
    newsList->show();
    dialogs().inputAnswers.push_back("medarbeider");
    newsList->Sketter1->trigger();
    ASSERT_TRUE(news().isOpen());
    EXPECT_EQ(ids(news()), QStringList({"2"}));
    EXPECT_TRUE(news().filter().startsWith("header like '%medarbeider%'"));
    dialogs().inputAnswers.push_back("O'Hara \\");
    newsList->Sketter1->trigger();
    EXPECT_TRUE(news().isOpen());
    EXPECT_EQ(news().recordCount(), 0);
}

TEST_F(WebTest, TheRecordWindowStoresPublishedAndHistoryAsTheirCodes)
{
    newsList->show();
    newsList->Ny1->trigger();
    ASSERT_EQ(news().state(), Dataset::Insert);
    EXPECT_TRUE(newsData->isVisible());
    EXPECT_EQ(news().asInt("author"), 3);
    EXPECT_EQ(news().asInt("status"), 1);
    EXPECT_EQ(news().asDateTime("newsdate").date(), QDate::currentDate());
    QTest::keyClicks(newsData->HeaderEdit, "Sommerfest");
    newsData->PublishedBox->click();
    newsData->HistoryBox->click();
    newsData->HistoryBox->click();  // ticked and unticked again: active, not 0
    newsData->Lagre1->trigger();
    ASSERT_EQ(news().state(), Dataset::Browse);
    const QString id = QString::number(news().currentId());
    EXPECT_EQ(newsData->windowTitle(), "Nyhet [" + id + "]");
    EXPECT_EQ(scalar("SELECT CONCAT(status, '/', rwx_all) FROM news WHERE id=" + id), "1/5");
    newsData->HistoryBox->click();
    newsData->PublishedBox->click();
    newsData->Lagre1->trigger();
    EXPECT_EQ(scalar("SELECT CONCAT(status, '/', rwx_all) FROM news WHERE id=" + id), "10/0");
    // The extended panel widens the window to 514 pixels.
    newsData->TrackBar1->setValue(1);
    EXPECT_EQ(newsData->width(), 514);
}

TEST_F(WebTest, ClosingTheNewsWindowSavesAndAFailedSaveKeepsItOpen)
{
    newsList->show();
    ASSERT_TRUE(news().locate("id", 1));
    newsData->show();
    QTest::keyClick(newsData->HeaderEdit, Qt::Key_End);
    QTest::keyClicks(newsData->HeaderEdit, " nå");
    newsData->close();
    EXPECT_FALSE(newsData->isVisible());
    EXPECT_EQ(scalar("SELECT header FROM news WHERE id=1"), "Vi installerer elbilladere nå");

    newsData->show();
    auto before = news().beforePost;
    news().beforePost = [](Dataset&) { return false; };
    QTest::keyClicks(newsData->HeaderEdit, "!");
    newsData->close();
    EXPECT_TRUE(newsData->isVisible());
    EXPECT_EQ(news().state(), Dataset::Edit);
    news().beforePost = before;
    news().cancel();
}

TEST_F(WebTest, ThePictureIsStoredByItsWebAddress)
{
    const QString picture = docs + "bilder/nyhet ø.png";
    QImage(8, 8, QImage::Format_RGB32).save(picture, "PNG");
    newsList->show();
    ASSERT_TRUE(news().locate("id", 2));
    newsData->show();
    QString folder;
    TNewsDataForm::ChoosePicture = [&](const QString&, const QString& f) {
        folder = f;
        return picture;
    };
    newsData->PictureButton->click();
    EXPECT_EQ(folder, docs);
    EXPECT_EQ(news().state(), Dataset::Edit);
    EXPECT_EQ(news().asString("picture"), "http://web.example/docs/bilder/nyhet ø.png");
    ASSERT_TRUE(news().post());
    // Outside the document folders: refused, nothing changed.
    const QString outside = root() + "/annet.png";
    QImage(8, 8, QImage::Format_RGB32).save(outside, "PNG");
    TNewsDataForm::ChoosePicture = [&](const QString&, const QString&) { return outside; };
    newsData->PictureButton->click();
    EXPECT_EQ(news().state(), Dataset::Browse);
    EXPECT_EQ(news().asString("picture"), "http://web.example/docs/bilder/nyhet ø.png");
    EXPECT_TRUE(dialogs().lastMessage().contains("utenfor dokumentmappene"));

    // The banner window has the same chooser.
    bannerList->show();
    ASSERT_TRUE(banners().locate("id", 3));
    bannerData->show();
    TBannerDataForm::ChoosePicture = [&](const QString&, const QString&) { return picture; };
    bannerData->PictureButton->click();
    EXPECT_EQ(banners().asString("picture"), "http://web.example/docs/bilder/nyhet ø.png");
    banners().cancel();
}

TEST_F(WebTest, TheBannerTextIsSavedAndPendingEditsAreSavedAtTheEnd)
{
    bannerList->show();
    ASSERT_TRUE(banners().locate("id", 2));
    bannerData->show();
    EXPECT_EQ(bannerData->windowTitle(), "Reklame [2]");
    bannerData->TrackBar1->setValue(2);
    bannerData->Memo1->setFocus();
    QTest::keyClicks(bannerData->Memo1, "Vises bare i Drammen.");
    EXPECT_EQ(banners().state(), Dataset::Edit);
    // Closing the banner window saves what was typed.
    bannerData->close();
    EXPECT_EQ(banners().state(), Dataset::Browse);
    EXPECT_EQ(scalar("SELECT object_text FROM banner WHERE id=2"), "Vises bare i Drammen.");
    // An edit still pending when the program ends is saved then.
    newsList->show();
    ASSERT_TRUE(news().locate("id", 3));
    newsData->show();
    QTest::keyClick(newsData->HeaderEdit, Qt::Key_End);
    QTest::keyClicks(newsData->HeaderEdit, " 2026");
    EXPECT_TRUE(SavePendingWebEdits());
    EXPECT_EQ(scalar("SELECT object_text FROM banner WHERE id=2"), "Vises bare i Drammen.");
    EXPECT_EQ(scalar("SELECT header FROM news WHERE id=3"), "Julestengt 2026");
    EXPECT_EQ(banners().state(), Dataset::Browse);
    EXPECT_EQ(news().state(), Dataset::Browse);
}

TEST_F(WebTest, TheBannerListSearchesNameAddressAndPicture)
{
    bannerList->show();
    EXPECT_EQ(bannerList->Sketter1->text(), "Filtrer etter ..");
    dialogs().inputAnswers.push_back("drammen-maskin");
    bannerList->Sketter1->trigger();
    EXPECT_EQ(ids(banners()), QStringList({"3"}));
    dialogs().inputAnswers.push_back("elbillader.png");
    bannerList->Sketter1->trigger();
    EXPECT_EQ(ids(banners()), QStringList({"1"}));
    bannerList->Alle1->trigger();
    EXPECT_EQ(banners().recordCount(), 3);
}

TEST_F(WebTest, TheDataToolFiltersAndSortsTheLists)
{
    newsList->show();
    newsList->Alle1->trigger();
    ASSERT_TRUE(news().locate("id", 2));  // author 3
    DropTarget* t = newsList->GridDrops;
    const int authorX = newsList->Grid->columnViewportPosition(1) + 5;
    const int headerX = newsList->Grid->columnViewportPosition(2) + 5;
    EXPECT_EQ(t->drop(DropKind::Where, QPoint(authorX, 5)).describe(), "filter:author=3");
    EXPECT_EQ(ids(news()), QStringList({"2", "4"}));
    t->drop(DropKind::Order, QPoint(headerX, 5));
    EXPECT_EQ(news().order(), "header");
    t->drop(DropKind::All, QPoint(5, 5));
    EXPECT_EQ(news().recordCount(), 4);
    t->drop(DropKind::Search, QPoint(5, 5), "Kampanje");
    EXPECT_EQ(ids(news()), QStringList({"4"}));
    EXPECT_FALSE(t->drop(DropKind::Lock, QPoint(5, 5)).accepted);

    // The lists tell the tool their table when they become active.
    auto* tool = Windows().get<TDataToolForm>();
    showActive(*bannerList);
    EXPECT_EQ(tool->SelectedID, 112);
    EXPECT_EQ(tool->windowTitle(), "Reklame");
    showActive(*newsList);
    EXPECT_EQ(tool->SelectedID, 104);
    // Its navigator's insert opens the news record window.
    tool->NavInsert->click();
    EXPECT_EQ(news().state(), Dataset::Insert);
    EXPECT_TRUE(newsData->isVisible());
    news().cancel();
}
