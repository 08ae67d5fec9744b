// The document archive's windows on a real database: the list and its
// filters, the record window's drops, opening documents, local copies, the
// note, the picture preview, the data tool and the web-folder settings.
#include "documents/qstring_print.h"
#include "ui/uitest.h"

#include "core/login.h"
#include "crm/companylistform.h"
#include "data/datamodule.h"
#include "docserver.h"
#include "documents/datatoolform.h"
#include "documents/documentarchive.h"
#include "documents/documentdataform.h"
#include "documents/documentlistform.h"
#include "documents/documentrules.h"
#include "documents/documentwindows.h"
#include "documents/previewforms.h"
#include "documents/webfolderform.h"
#include "net/webdocument.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <memory>

using DocData = archive::TDocumentDataForm;
using DocList = archive::TDocumentListForm;

class ArchiveTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        docs = root() + "/docs/";
        QDir().mkpath(docs);
        WebFolderSettings s;
        s.docLocal = docs;
        s.docUrl = "http://web.example/dok/";
        s.Write();
        // A stand-in for the program's activity window: a memo in a window.
        Windows().add("TActivityForm", [] {
            auto* d = new QDialog;
            new QPlainTextEdit(d);
            return d;
        });
        RegisterDocumentWindows();
        Windows().createAll();
        list = qobject_cast<DocList*>(Windows().find("TDocumentListForm"));
        data = qobject_cast<DocData*>(Windows().find("TDocumentDataForm"));
        tool = Windows().get<TDataToolForm>();
        ASSERT_TRUE(list && data && tool);
        SetDocumentOpener([this](const QUrl& u) {
            opened << (u.isLocalFile() ? u.toLocalFile() : u.toString(QUrl::FullyEncoded));
            return true;
        });
    }
    void TearDown() override
    {
        SetDocumentOpener({});
        SetDocumentDownloader({});
        SetDocumentActivitySink({});
        DocData::ChooseFile = [](const QString&, const QString&) { return QString(); };
        UiTest::TearDown();
    }
    Dataset& q() { return dm->DocumentQuery; }
    qint64 addDocument(const QString& columns)
    {
        EXPECT_TRUE(db->admin().exec("INSERT INTO document SET " + columns));
        return db->admin().scalar("SELECT MAX(id) FROM document").toLongLong();
    }
    // Shows the list and makes row id the current one.
    void showOn(qint64 id)
    {
        list->show();
        if (!q().locate("id", id)) {
            SetDocumentFilter(QString());
            ASSERT_TRUE(q().locate("id", id)) << id;
        }
    }
    DropResult dropOn(const QString& field, DropKind kind)
    {
        DropTarget* t = DropTargetOf(data->dropControl(field));
        EXPECT_TRUE(t) << field.toStdString();
        return t ? t->drop(kind, QPoint(2, 2)) : DropResult();
    }
    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QString docs;
    QStringList opened;
    DocList* list = nullptr;
    DocData* data = nullptr;
    TDataToolForm* tool = nullptr;
};

TEST_F(ArchiveTest, ListOpensWithTheTenNewestAndEveryFilterThenReadsAllRows)
{
    for (int i = 1; i <= 15; ++i)
        addDocument(QString("subject='Serie %1', category='Serie', updated='2027-01-%2 10:00:00'").arg(i).arg(i, 2, 10, QChar('0')));
    list->show();
    ASSERT_TRUE(q().isOpen());
    EXPECT_EQ(q().recordCount(), 10);
    EXPECT_EQ(q().rowValue(0, q().fieldIndex("subject")).toString(), "Serie 15");
    list->Alle1->trigger();
    EXPECT_EQ(q().recordCount(), 23);
    EXPECT_EQ(Document_ORDER, "updated DESC");
    list->Siste101->trigger();
    EXPECT_EQ(q().recordCount(), 10);
    // A filter chosen by its shortcut (the menu never opened) reads all too.
    list->Dokument1->trigger();
    EXPECT_EQ(q().recordCount(), 20);  // 15 text files and the demo's five PDF documents
    list->Siste101->trigger();
    list->PopupMenuOpening();
    EXPECT_EQ(Document_ORDER, "updated DESC");

    struct Case {
        QAction* item;
        int rows;
    };
    const Case cases[] = {{list->Linker1, 1}, {list->Bilder1, 1}, {list->Programfiler1, 0}, {list->Publiserte1, 3}};
    for (const Case& c : cases) {
        c.item->trigger();
        EXPECT_EQ(q().recordCount(), c.rows) << c.item->text().toStdString();
    }
    MyLoginID = 5;
    list->Minedokumenter1->trigger();
    EXPECT_EQ(Document_WHERE, "document.user=5");
    QStringList ids = column(q(), "id");
    ids.sort();
    EXPECT_EQ(ids, QStringList({"4", "7"}));
}

// A document made in the list is the newest: once saved it stands first,
// where the list's order puts it, and stays the current row.
TEST_F(ArchiveTest, ANewDocumentIsListedFirstOnceSaved)
{
    ASSERT_TRUE(db->admin().exec("UPDATE document SET updated='2026-01-01 10:00:00'"));
    list->show();
    ASSERT_TRUE(q().isOpen());
    const int before = q().recordCount();
    list->Ny1->trigger();
    ASSERT_EQ(q().state(), Dataset::Insert);
    q().setValue("subject", "Nytt tilbud");
    ASSERT_TRUE(q().post()) << q().lastError().toStdString();
    EXPECT_EQ(q().rowValue(0, q().fieldIndex("subject")).toString(), "Nytt tilbud");
    EXPECT_EQ(q().recNo(), 0);
    EXPECT_EQ(q().asString("subject"), "Nytt tilbud");
    EXPECT_EQ(q().recordCount(), std::min(before + 1, 10));
    if (!qEnvironmentVariableIsEmpty("KV_WINDOW_SHOTS")) {
        list->raise();
        QTest::qWait(300);
        QProcess::execute("import", {"-window", "root", qEnvironmentVariable("KV_WINDOW_SHOTS") + "/dokumenter.png"});
    }
}

TEST_F(ArchiveTest, SearchEscapesQuotesAndAnEmptyAnswerKeepsTheCondition)
{
    addDocument("subject='Brev til O''Brien', category='Brev'");
    list->show();
    dialogs().inputAnswers.push_back("O'Brien");
    list->Filtrereetter1->trigger();
    ASSERT_TRUE(q().isOpen());
    EXPECT_EQ(column(q(), "subject"), QStringList({"Brev til O'Brien"}));
    const QString where = Document_WHERE;
    list->Filtrereetter1->trigger();  // cancelled
    EXPECT_EQ(Document_WHERE, where);
    EXPECT_EQ(q().recordCount(), 1);
    dialogs().inputAnswers.push_back("100%_\\");
    list->Filtrereetter1->trigger();
    EXPECT_TRUE(q().isOpen());
    EXPECT_EQ(q().recordCount(), 0);
}

TEST_F(ArchiveTest, TheOrderIconOnAFieldTogglesAscendingAndDescending)
{
    showOn(1);
    data->show();
    QStringList orders;
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(dropOn("subject", DropKind::Order).accepted);
        orders << Document_ORDER;
    }
    EXPECT_EQ(orders, QStringList({"subject", "subject DESC", "subject"}));
    EXPECT_FALSE(dropOn("subject", DropKind::Where).accepted);
    dropOn("user", DropKind::Order);
    EXPECT_EQ(Document_ORDER, "document.user");
    // A title click sorts by the column's field, ascending.
    list->TitleClick(1);
    EXPECT_EQ(Document_ORDER, "document_name");
    EXPECT_EQ(q().rowValue(0, q().fieldIndex("document_name")).toString(), "");  // the link has no file name
}

TEST_F(ArchiveTest, TheProjectLockRestrictsEveryLaterSelectUntilReleased)
{
    const qint64 mine = addDocument("subject='Magnus uten prosjekt', user=4, projectid=0");
    showOn(2);  // project 1
    data->show();
    const QColor black = data->ProjectLabel->palette().color(QPalette::WindowText);
    const DropResult r = dropOn("projectid", DropKind::Lock);
    EXPECT_TRUE(r.lock);
    EXPECT_EQ(ProjectLockId, 1);
    EXPECT_EQ(data->ProjectLabel->palette().color(QPalette::WindowText), QColor(Qt::blue));
    MyLoginID = 4;
    list->Minedokumenter1->trigger();
    EXPECT_EQ(Document_WHERE, "(document.user=4) and document.projectid=1");
    QStringList ids = column(q(), "id");
    ids.sort();
    EXPECT_EQ(ids, QStringList({"2", "3"}));
    EXPECT_FALSE(ids.contains(QString::number(mine)));
    // A jump that names a project is not restricted further.
    TListForm::ShowDocuments("document.projectid=", 0);
    EXPECT_EQ(Document_WHERE, "document.projectid=0");
    // The same icon again releases the lock.
    showOn(2);
    dropOn("projectid", DropKind::Lock);
    EXPECT_EQ(ProjectLockId, 0);
    EXPECT_EQ(data->ProjectLabel->palette().color(QPalette::WindowText), black);
    list->Alle1->trigger();
    EXPECT_EQ(Document_WHERE, "");
    EXPECT_EQ(q().recordCount(), 9);
}

TEST_F(ArchiveTest, DropsAndFiltersSaveAPendingEditFirst)
{
    showOn(5);
    data->show();
    data->SubjectEdit->setFocus();
    data->SubjectEdit->selectAll();
    QTest::keyClicks(data->SubjectEdit, "Samsvar ny");
    ASSERT_EQ(q().state(), Dataset::Edit);
    EXPECT_TRUE(dropOn("document_name", DropKind::Order).accepted);
    EXPECT_EQ(q().state(), Dataset::Browse);
    EXPECT_EQ(scalar("SELECT subject FROM document WHERE id=5"), "Samsvar ny");
    EXPECT_EQ(q().currentId(), 5);  // the list stays on the row

    // Through the list's filters as well.
    QTest::keyClick(data->CategoryEdit, Qt::Key_End);
    QTest::keyClicks(data->CategoryEdit, "X");
    list->Alle1->trigger();
    EXPECT_EQ(scalar("SELECT category FROM document WHERE id=5"), "SamsvarserklæringX");

    // A save that is refused keeps the edit, the condition and the order.
    ASSERT_TRUE(q().locate("id", 5));
    auto before = q().beforePost;
    q().beforePost = [](Dataset&) { return false; };
    QTest::keyClick(data->SubjectEdit, Qt::Key_End);
    QTest::keyClicks(data->SubjectEdit, "!");
    const QString order = Document_ORDER, where = Document_WHERE;
    EXPECT_FALSE(ApplyDocumentDrop(DropResult::Filter("document.companyid=2")));
    dropOn("subject", DropKind::Order);
    list->Linker1->trigger();
    EXPECT_EQ(Document_ORDER, order);
    EXPECT_EQ(Document_WHERE, where);
    EXPECT_EQ(q().state(), Dataset::Edit);
    EXPECT_EQ(q().asString("subject"), "Samsvar ny!");
    q().beforePost = before;
    q().cancel();
}

TEST_F(ArchiveTest, WhereDropsOnEmptyLinksFilterOnZero)
{
    const qint64 id = addDocument("subject='Uten firma', companyid=0, userid=0");
    showOn(id);
    data->show();
    dropOn("companyid", DropKind::Where);
    EXPECT_EQ(Document_WHERE, "document.companyid=0");
    ASSERT_TRUE(q().isOpen());
    EXPECT_EQ(column(q(), "subject"), QStringList({"Uten firma"}));
    ASSERT_TRUE(q().locate("id", id));
    dropOn("category", DropKind::Where);
    EXPECT_EQ(Document_WHERE, "document.category=''");
    EXPECT_TRUE(q().isOpen());
}

TEST_F(ArchiveTest, TheGridTakesOnlyTheOrderIconTheTextBoxAndTheAllIcon)
{
    list->show();
    list->Alle1->trigger();
    QWidget* viewport = list->Grid->viewport();
    auto enter = [viewport](DropKind k, const QString& text = {}) {
        std::unique_ptr<QMimeData> m(DataToolMimeData(k, text));
        QDragEnterEvent e(QPoint(50, 20), Qt::CopyAction, m.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &e);
        return e.isAccepted();
    };
    EXPECT_FALSE(enter(DropKind::Where));
    EXPECT_FALSE(enter(DropKind::Lock));
    EXPECT_TRUE(enter(DropKind::Order));
    EXPECT_TRUE(enter(DropKind::All));
    EXPECT_TRUE(enter(DropKind::Search, "datablad"));
    {
        QMimeData plain;
        plain.setText("where");
        QDragEnterEvent e(QPoint(50, 20), Qt::CopyAction, &plain, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &e);
        EXPECT_FALSE(e.isAccepted());
    }
    // A real drop of the text box.
    std::unique_ptr<QMimeData> m(DataToolMimeData(DropKind::Search, "datablad"));
    QDropEvent drop(QPointF(50, 20), Qt::CopyAction, m.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(column(q(), "id"), QStringList({"4"}));
    // The order icon right of x 300 sorts by file name (a drop lands on
    // the control whose drag-enter accepted it).
    EXPECT_TRUE(enter(DropKind::Order));
    std::unique_ptr<QMimeData> o(DataToolMimeData(DropKind::Order));
    QDropEvent sort(QPointF(320, 20), Qt::CopyAction, o.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &sort);
    EXPECT_TRUE(sort.isAccepted());
    EXPECT_EQ(Document_ORDER, "document_name");
}

TEST_F(ArchiveTest, ChoosingTheFileFillsNameFolderAndSize)
{
    const QString file = docs + "plan/sub/rapport ø.pdf";
    writeFile(file, QByteArray(1234, 'x'));
    QDir().mkpath(docs + "dokumenter/service");
    showOn(6);
    data->show();
    QString startedIn;
    DocData::ChooseFile = [&](const QString&, const QString& start) {
        startedIn = start;
        return file;
    };
    data->FileButtonClick();
    EXPECT_EQ(startedIn, docs + "dokumenter/service/servicerapport_U-2001.txt");
    EXPECT_EQ(q().state(), Dataset::Edit);
    EXPECT_EQ(q().asString("document_name"), "rapport ø.pdf");
    EXPECT_EQ(q().asString("document_path"), "http://web.example/dok/plan/sub");
    EXPECT_EQ(q().asInt("document_size"), 1234);
    ASSERT_TRUE(q().post());
    // The stored address leads back to the same file.
    EXPECT_EQ(LocateDocument(WebFolderSettings::Read(),
                             DocumentReference(q().asString("document_path"), q().asString("document_name")))
                  .local,
              file);

    // A file outside the document folders is refused, the row untouched.
    const QString outside = root() + "/andre/x.pdf";
    writeFile(outside, "x");
    DocData::ChooseFile = [&](const QString&, const QString&) { return outside; };
    data->FileButtonClick();
    EXPECT_EQ(q().state(), Dataset::Browse);
    EXPECT_EQ(q().asString("document_name"), "rapport ø.pdf");
    EXPECT_TRUE(dialogs().lastMessage().contains("utenfor dokumentmappene")) << dialogs().lastMessage().toStdString();
}

TEST_F(ArchiveTest, OpeningADocumentHandsOnlySafeTargetsToTheDesktop)
{
    {
        WebFolderSettings s = WebFolderSettings::Read();
        s.pull = "http://web.example/pull.php";
        s.Write();
    }
    writeFile(docs + "a/notat.txt", "notat");
    writeFile(docs + "a/start.desktop", "[Desktop Entry]");
    writeFile(docs + "a/verktoy", "#!/bin/sh");
    QFile::setPermissions(docs + "a/verktoy", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    writeFile(root() + "/hemmelig.txt", "hemmelig");
    QFile::link(root() + "/hemmelig.txt", docs + "a/lenke.txt");
    struct Case {
        const char* columns;
        QString opened;   // empty: refused
        const char* says; // part of the message when refused
    };
    const Case cases[] = {
        {"document_type=6, document_path='https://www.example.no/side?a=1 b'", "https://www.example.no/side?a=1%20b", ""},
        {"document_type=6, document_path='javascript:alert(1)'", "", "bare http- og https-adresser"},
        {"document_type=6, document_path='file:///etc/passwd'", "", "bare http- og https-adresser"},
        {"document_type=6, document_path='/usr/bin/xterm'", "", "bare http- og https-adresser"},
        {"dataincluded=1, document_type=1", "http://web.example/pull.php?id=%1", ""},
        {"document_type=1, document_path='a', document_name='notat.txt'", docs + "a/notat.txt", ""},
        {"document_type=1, document_path='a', document_name='mangler.txt'", "", "Finner ikke filen"},
        {"document_type=1, document_path='..', document_name='hemmelig.txt'", "", "peker ut av dokumentmappen"},
        {"document_type=5, document_path='a', document_name='verktoy'", "", "Programfiler åpnes ikke"},
        {"document_type=1, document_path='a', document_name='start.desktop'", "", "Programfiler åpnes ikke"},
        {"document_type=1, document_path='a', document_name='lenke.txt'", "", "utenfor dokumentmappene"},
    };
    list->show();
    for (const Case& c : cases) {
        const qint64 id = addDocument(QString("subject='Åpnes', ") + c.columns);
        SetDocumentFilter("document.id=" + QString::number(id));
        ASSERT_EQ(q().recordCount(), 1);
        opened.clear();
        const size_t messages = dialogs().messages.size();
        list->DBGrid1DblClick();
        if (!c.opened.isEmpty()) {
            EXPECT_EQ(opened, QStringList({c.opened.contains("%1") ? c.opened.arg(id) : c.opened})) << c.columns;
            EXPECT_EQ(dialogs().messages.size(), messages) << c.columns;
        } else {
            EXPECT_TRUE(opened.isEmpty()) << c.columns;
            EXPECT_TRUE(dialogs().lastMessage().contains(QString::fromUtf8(c.says)))
                << c.columns << " -> " << dialogs().lastMessage().toStdString();
        }
    }
}

TEST_F(ArchiveTest, UpdatingLocalCopiesFetchesTheListsMissingFiles)
{
    DocServer server;
    ASSERT_TRUE(server.ok());
    {
        WebFolderSettings s = WebFolderSettings::Read();
        s.docUrl = server.base();
        s.active = true;
        s.Write();
    }
    db->admin().exec("DELETE FROM document");
    server.put("dokumenter/a/første fil.pdf", "en");
    server.put("dokumenter/b.pdf", "to");
    writeFile(docs + "dokumenter/har.pdf", "har");
    addDocument("subject='1', document_path='dokumenter/a', document_name='første fil.pdf'");
    addDocument("subject='2', document_path='dokumenter', document_name='b.pdf'");
    addDocument("subject='3', document_path='dokumenter', document_name='har.pdf'");
    addDocument("subject='4', document_path='dokumenter', document_name='borte.pdf'");
    addDocument("subject='5', document_path='dokumenter', document_name='idb.pdf', dataincluded=1");
    server.put("dokumenter/idb.pdf", "skal ikke hentes");
    list->show();
    list->Oppdaterlokaledokumenter1->trigger();
    EXPECT_EQ(readBytes(docs + "dokumenter/a/første fil.pdf"), "en");
    EXPECT_EQ(readBytes(docs + "dokumenter/b.pdf"), "to");
    EXPECT_EQ(readBytes(docs + "dokumenter/har.pdf"), "har");
    EXPECT_FALSE(QFileInfo::exists(docs + "dokumenter/borte.pdf"));
    EXPECT_FALSE(QFileInfo::exists(docs + "dokumenter/idb.pdf"));
    QWidget* activity = Windows().find("TActivityForm");
    EXPECT_FALSE(activity->isVisible());
    const QString lines = activity->findChild<QPlainTextEdit*>()->toPlainText();
    EXPECT_EQ(lines.count(" --> "), 3) << lines.toStdString();
    EXPECT_TRUE(lines.contains("dokumenter/a/første fil.pdf --> " + docs + "dokumenter/a/første fil.pdf"));
    EXPECT_TRUE(dialogs().lastMessage().contains("2 hentet, 1 kunne ikke hentes")) << dialogs().lastMessage().toStdString();

    // Opening a missing copy fetches it with the download window first.
    server.put("dokumenter/sen.pdf", "sen");
    const qint64 id = addDocument("subject='6', document_path='dokumenter', document_name='sen.pdf'");
    SetDocumentFilter("document.id=" + QString::number(id));
    list->DBGrid1DblClick();
    EXPECT_EQ(opened, QStringList({docs + "dokumenter/sen.pdf"}));
    EXPECT_EQ(readBytes(docs + "dokumenter/sen.pdf"), "sen");
}

TEST_F(ArchiveTest, TheNoteWindowSavesWhatIsTypedWhenClosed)
{
    showOn(8);
    auto* memo = Windows().get<TMemoForm>();
    memo->show();
    EXPECT_EQ(memo->windowTitle(), "Notat til dukument");
    EXPECT_EQ(memo->Memo1->toPlainText(), "Gjennomgås på personalmøtet i januar.");
    memo->Memo1->setFocus();
    memo->Memo1->moveCursor(QTextCursor::End);
    QTest::keyClicks(memo->Memo1, " Utsatt.");
    EXPECT_EQ(q().state(), Dataset::Edit);
    memo->close();
    EXPECT_EQ(scalar("SELECT object_text FROM document WHERE id=8"), "Gjennomgås på personalmøtet i januar. Utsatt.");
    // The memo follows the list's row.
    ASSERT_TRUE(q().locate("id", 2));
    EXPECT_EQ(memo->Memo1->toPlainText(), "Revisjon B etter befaring.");
}

TEST(PictureLayout, StretchProportionalAndCentre)
{
    struct Case {
        QSize image, area;
        bool stretch, proportional, center;
        QRect rect;
    };
    const Case cases[] = {
        {{200, 100}, {400, 400}, true, true, true, {0, 100, 400, 200}},
        {{200, 100}, {400, 400}, true, false, true, {0, 0, 400, 400}},
        {{200, 100}, {400, 400}, false, true, true, {100, 150, 200, 100}},
        {{200, 100}, {400, 400}, false, true, false, {0, 0, 200, 100}},
        {{800, 400}, {400, 400}, false, true, false, {0, 0, 400, 200}},
        {{800, 400}, {400, 400}, false, false, true, {-200, 0, 800, 400}},
        {{200, 100}, {0, 0}, true, true, true, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PictureRect(c.image, c.area, c.stretch, c.proportional, c.center), c.rect)
            << c.image.width() << "x" << c.image.height() << " " << c.stretch << c.proportional << c.center;
}

TEST_F(ArchiveTest, ThePreviewLoadsOnARowChangeNotOnEveryKeystroke)
{
    struct Pic {
        const char* name;
        const char* format;  // null: written as bytes
        QSize size;
    };
    const Pic pics[] = {{"bilde.png", "PNG", {40, 30}}, {"foto.jpg", "JPEG", {64, 48}}, {"prikk.gif", nullptr, {1, 1}}};
    QDir().mkpath(docs + "bilder");
    std::vector<qint64> ids;
    for (const Pic& p : pics) {
        if (p.format) {
            QImage img(p.size, QImage::Format_RGB32);
            img.fill(Qt::darkCyan);
            ASSERT_TRUE(img.save(docs + "bilder/" + p.name, p.format)) << p.name;
        } else {
            // Qt reads GIF but does not write it: a 1 x 1 GIF by hand.
            writeFile(docs + "bilder/" + p.name,
                      QByteArray::fromHex("47494638396101000100800000ffffff00000021f90401000000002c0000000001000100"
                                          "0002024401003b"));
        }
        ids.push_back(addDocument(QString("subject='Bilde %1', document_type=3, document_path='bilder', "
                                          "document_name='%1'")
                                      .arg(p.name)));
    }
    writeFile(docs + "bilder/ødelagt.png", "\x89PNG\r\n\x1a\nikke et bilde");
    const qint64 broken = addDocument("subject='Ødelagt', document_type=3, document_path='bilder', document_name='ødelagt.png'");
    auto* preview = Windows().get<TImagePreViewForm>();
    showOn(ids[0]);
    SetDocumentFilter(QString());
    ASSERT_TRUE(q().locate("id", ids[0]));
    preview->show();
    EXPECT_EQ(preview->Image1->image().size(), QSize(40, 30));
    EXPECT_EQ(preview->windowTitle(), "Bilde bilde.png");
    for (size_t i = 1; i < ids.size(); ++i) {
        ASSERT_TRUE(q().locate("id", ids[i]));
        EXPECT_EQ(preview->Image1->image().size(), pics[i].size) << pics[i].name;
    }
    const int loads = preview->loads();
    // Typing a new file name reads nothing until the row is saved.
    data->show();
    data->NameEdit->setFocus();
    data->NameEdit->selectAll();
    QTest::keyClicks(data->NameEdit, "bilde.png");
    EXPECT_EQ(preview->loads(), loads);
    ASSERT_TRUE(q().post());
    EXPECT_EQ(preview->loads(), loads + 1);
    EXPECT_EQ(preview->Image1->image().size(), QSize(40, 30));
    // A row that is not a picture keeps what was shown.
    ASSERT_TRUE(q().locate("id", 1));
    EXPECT_EQ(preview->Image1->image().size(), QSize(40, 30));
    // A corrupt picture says so.
    ASSERT_TRUE(q().locate("id", broken));
    EXPECT_TRUE(preview->Image1->image().isNull());
    EXPECT_TRUE(preview->Image1->message().contains("Kan ikke vise bildet")) << preview->Image1->message().toStdString();
    // The options change the drawing, not the picture.
    preview->Strekkbilde1->trigger();
    EXPECT_FALSE(preview->Image1->stretch);
}

TEST_F(ArchiveTest, AMissingPictureIsFetchedWithoutHoldingUpTheWindow)
{
    DocServer server;
    ASSERT_TRUE(server.ok());
    {
        WebFolderSettings s = WebFolderSettings::Read();
        s.docUrl = server.base();
        s.useImages = true;
        s.Write();
    }
    QImage img(QSize(33, 22), QImage::Format_RGB32);
    img.fill(Qt::red);
    QByteArray png;
    {
        QBuffer b(&png);
        b.open(QIODevice::WriteOnly);
        img.save(&b, "PNG");
    }
    server.put("web bilder/rød.png", png);
    const qint64 id = addDocument("subject='Fra nett', document_type=3, document_path='web bilder', document_name='rød.png'");
    auto* preview = Windows().get<TImagePreViewForm>();
    showOn(1);
    preview->show();
    ASSERT_TRUE(q().locate("id", id));
    // The window goes on at once; the picture comes when it is fetched.
    EXPECT_EQ(preview->fetchesRunning(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(preview->Image1->image().size(), QSize(33, 22), 10000);
    EXPECT_EQ(preview->fetchesRunning(), 0);
    EXPECT_EQ(readBytes(docs + "web bilder/rød.png"), png);
    // A picture the server does not have: a message, no file.
    const qint64 gone = addDocument("subject='Borte', document_type=3, document_path='web bilder', document_name='borte.png'");
    SetDocumentFilter(QString());
    ASSERT_TRUE(q().locate("id", gone));
    QTRY_VERIFY_WITH_TIMEOUT(preview->Image1->message().contains("Kan ikke hente bildet"), 10000);
    EXPECT_FALSE(QFileInfo::exists(docs + "web bilder/borte.png"));
}

TEST_F(ArchiveTest, TheDataToolFollowsTheActiveWindowAndItsNavigatorWorksOnIt)
{
    EXPECT_EQ(tool->windowTitle(), "Dra og Slipp Verktøy");
    EXPECT_EQ(tool->boundDataset(), nullptr);
    tool->SetTable(111);
    EXPECT_EQ(tool->windowTitle(), "Utstyr");
    EXPECT_EQ(tool->boundDataset(), &dm->AssetTable);
    tool->SetTable(999);
    EXPECT_EQ(tool->windowTitle(), "Utstyr");
    EXPECT_EQ(tool->SelectedID, 111);
    showActive(*list);
    EXPECT_EQ(tool->SelectedID, 103);
    EXPECT_EQ(tool->windowTitle(), "Dokumenter");
    EXPECT_EQ(tool->boundDataset(), &q());

    // The navigator: steps, and insert opens the record window.
    list->Alle1->trigger();
    q().first();
    tool->NavNext->click();
    EXPECT_EQ(q().recNo(), 1);
    tool->NavLast->click();
    EXPECT_EQ(q().recNo(), q().recordCount() - 1);
    tool->NavInsert->click();
    EXPECT_EQ(q().state(), Dataset::Insert);
    EXPECT_TRUE(data->isVisible());
    QTest::keyClicks(data->SubjectEdit, "Fra verktøyet");
    tool->NavPost->click();
    EXPECT_EQ(q().state(), Dataset::Browse);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM document WHERE subject='Fra verktøyet'"), "1");
    // The tool's icons carry their hints and drag data.
    EXPECT_EQ(tool->WhereImage->toolTip(), "Dra til et felt for å filtrere");
    EXPECT_EQ(tool->OrderImage->toolTip(), "Dra til et felt for å sortere på dette feltet");
    EXPECT_EQ(tool->LockImage->toolTip(), "Dra til et felt for å låse");
    EXPECT_EQ(tool->AllImage->toolTip(), "Dra til et felt for å slette sortering");
    tool->SortEdit->setText("abc");
    EXPECT_EQ(tool->SortImage->text(), "abc");
    tool->ClearButton->click();
    EXPECT_TRUE(tool->SortEdit->text().isEmpty());
}

TEST_F(ArchiveTest, TheCompanyListSortsAndFiltersByTheColumnUnderTheDrop)
{
    Windows().reset();
    Windows().add("TCompanyListForm", [] { return new TCompanyListForm; });
    Windows().createAll();
    auto* companies = Windows().get<TCompanyListForm>();
    companies->show();
    DropTarget* t = DropTargetOf(companies->Grid);
    ASSERT_TRUE(t);
    const int cityColumn = 7;
    const int x = companies->Grid->columnViewportPosition(cityColumn) + 5;
    ASSERT_TRUE(dm->CompanyTable.locate("city", "DRAMMEN"));
    EXPECT_EQ(t->drop(DropKind::Where, QPoint(x, 5)).describe(), "filter:city='DRAMMEN'");
    EXPECT_EQ(dm->CompanyTable.filter(), "city='DRAMMEN'");
    for (const QString& c : column(dm->CompanyTable, "city")) EXPECT_EQ(c, "DRAMMEN");
    // The list is sorted by name already: the icon turns the order, and back.
    t->drop(DropKind::Order, QPoint(companies->Grid->columnViewportPosition(0) + 5, 5));
    EXPECT_EQ(dm->CompanyTable.order(), "companyname DESC");
    t->drop(DropKind::Order, QPoint(companies->Grid->columnViewportPosition(0) + 5, 5));
    EXPECT_EQ(dm->CompanyTable.order(), "companyname");
    t->drop(DropKind::Order, QPoint(companies->Grid->columnViewportPosition(1) + 5, 5));
    EXPECT_EQ(dm->CompanyTable.order(), "phone");
    t->drop(DropKind::All, QPoint(5, 5));
    EXPECT_EQ(dm->CompanyTable.filter(), "");
    EXPECT_FALSE(t->drop(DropKind::Lock, QPoint(5, 5)).accepted);
    t->drop(DropKind::Search, QPoint(5, 5), "Bakeri");
    EXPECT_EQ(dm->CompanyTable.recordCount(), 1);
}

TEST_F(ArchiveTest, TheWebFolderWindowsReadAndWriteTheSettings)
{
    {
        MainIniSection sql("KVARNEL_SQL");
        SetRegStr("Servername", "db.example.no:3307");
    }
    {
        WebFolderSettings s = WebFolderSettings::Read();
        s.docUrl.clear();
        s.docLocal.clear();
        s.web[0] = "http://a.example/x/";
        s.local[0] = "/mnt/x/";
        s.web[1] = "http://b.example/y/";
        s.local[1] = "/mnt/y/";
        s.Write();
    }
    auto* form = Windows().get<TWebfolderForm>();
    form->show();
    EXPECT_EQ(form->DocumentURL->text(), "http://db.example.no/");
    EXPECT_EQ(form->docfolder->text(), TrelvoPath("data/docs"));
    EXPECT_FALSE(form->UseURL->isChecked());
    EXPECT_FALSE(form->DocumentURL->isEnabled());
    form->UseURL->setChecked(true);
    EXPECT_TRUE(form->DocumentURL->isEnabled());
    form->DocumentURL->setText("https://web.example/dok");
    form->docfolder->setText(root() + "/lokale");
    form->URLImages->setChecked(true);
    form->close();
    WebFolderSettings s = WebFolderSettings::Read();
    EXPECT_TRUE(s.active);
    EXPECT_TRUE(s.useImages);
    EXPECT_EQ(s.docUrl, "https://web.example/dok/");
    EXPECT_EQ(s.docLocal, root() + "/lokale/");

    auto* adv = Windows().get<TWebfolderAdvForm>();
    adv->show();
    EXPECT_EQ(adv->Grid->item(0, 0)->text(), "http://a.example/x/");
    EXPECT_EQ(adv->Grid->item(1, 1)->text(), "/mnt/y/");
    adv->Grid->item(1, 0)->setText("");                     // removes the pair
    adv->Grid->item(2, 0)->setText("http://c.example/z");   // gets its "/"
    adv->Grid->item(2, 1)->setText("/mnt/z");
    adv->Transelate->setChecked(true);
    adv->PullCombo->setEditText("https://web.example/pull.php");
    adv->close();
    s = WebFolderSettings::Read();
    EXPECT_EQ(s.web[0], "http://a.example/x/");
    EXPECT_TRUE(s.web[1].isEmpty());
    EXPECT_TRUE(s.local[1].isEmpty());
    EXPECT_EQ(s.web[2], "http://c.example/z/");
    EXPECT_EQ(s.local[2], "/mnt/z/");
    EXPECT_TRUE(s.translate);
    EXPECT_EQ(s.pull, "https://web.example/pull.php");
}
