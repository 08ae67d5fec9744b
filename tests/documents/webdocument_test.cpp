// Web documents: the address <-> local file mapping (tables over Linux
// paths) and the downloads against a loopback web server.
#include "documents/qstring_print.h"
#include "core/corefixture.h"
#include "docserver.h"
#include "net/webdocument.h"

#include <QDateTime>
#include <QFileInfo>

namespace {

WebFolderSettings sample(bool active = true)
{
    WebFolderSettings s;
    s.docUrl = "http://web.example/docs/";
    s.docLocal = "/srv/docs";
    s.active = active;
    s.web[0] = "http://web.example/plan/";
    s.local[0] = "/mnt/plan";
    s.local[1] = "/x";                      // no web half: skipped
    s.web[2] = "http://other.example/";     // no local half: skipped
    s.web[3] = "http://web.example/plan/sub/";  // shadowed by pair 1
    s.local[3] = "/mnt/sub";
    s.web[4] = "http://win.example/filer";  // stored without its "/", local with "\"
    s.local[4] = "\\mnt\\win\\";
    return s;
}

} // namespace

TEST(WebDocumentMapping, AddressToLocalFile)
{
    struct Case {
        const char* ref;
        const char* local;  // "" = refused
        const char* url;
        bool mayDownload;
        int pair;
    };
    const Case cases[] = {
        {"http://web.example/plan/a.pdf", "/mnt/plan/a.pdf", "http://web.example/plan/a.pdf", true, 1},
        {"http://web.example/plan/sub/b.pdf", "/mnt/plan/sub/b.pdf", "http://web.example/plan/sub/b.pdf", true, 1},
        {"http://win.example/filer/c d.pdf", "/mnt/win/c d.pdf", "http://win.example/filer/c d.pdf", true, 5},
        // Comparisons are case-sensitive, and a folder counts only at the start.
        {"http://WEB.example/plan/a.pdf", "/srv/docs/a.pdf", "http://WEB.example/plan/a.pdf", true, 0},
        {"see http://web.example/plan/a.pdf", "/srv/docs/a.pdf", "", false, 0},
        // Below the web folder the sub-folders stay; elsewhere the bare name.
        {"plan/a.pdf", "/srv/docs/plan/a.pdf", "http://web.example/docs/plan/a.pdf", true, 0},
        {"plan\\a.pdf", "/srv/docs/plan/a.pdf", "http://web.example/docs/plan/a.pdf", true, 0},
        {"http://web.example/docs/plan/a.pdf", "/srv/docs/plan/a.pdf", "http://web.example/docs/plan/a.pdf", true, 0},
        {"http://elsewhere.example/x/a.pdf?v=2", "/srv/docs/a.pdf", "http://elsewhere.example/x/a.pdf?v=2", true, 0},
        {"http://web.example/docs/a%20b%C3%B8.pdf", "/srv/docs/a bø.pdf", "http://web.example/docs/a%20b%C3%B8.pdf", true,
         0},
        // Nothing leads out of a local folder.
        {"../../etc/passwd", "", "", false, 0},
        {"plan/../../etc/passwd", "", "", false, 0},
        {"http://web.example/plan/../../etc/passwd", "", "", false, 1},
        {"http://web.example/docs/%2e%2e/%2e%2e/etc/passwd", "", "", false, 0},
        {"http://web.example/docs/plan/..%2F..%2F..%2Fetc/passwd", "", "", false, 0},
        {"http://web.example/docs/", "", "", false, 0},
        {"", "", "", false, 0},
    };
    const WebFolderSettings s = sample();
    for (const Case& c : cases) {
        const DocumentLocation loc = LocateDocument(s, c.ref);
        EXPECT_EQ(loc.local, QString(c.local)) << c.ref;
        EXPECT_EQ(loc.ok(), *c.local != 0) << c.ref;
        EXPECT_EQ(loc.url, QString(c.url)) << c.ref;
        EXPECT_EQ(loc.mayDownload, c.mayDownload) << c.ref;
        EXPECT_EQ(loc.pair, c.pair) << c.ref;
    }
}

TEST(WebDocumentMapping, WithoutActiveWebFolderOnlyPairsFetch)
{
    const WebFolderSettings s = sample(false);
    EXPECT_TRUE(LocateDocument(s, "http://web.example/plan/a.pdf").mayDownload);
    EXPECT_FALSE(LocateDocument(s, "plan/a.pdf").mayDownload);
    EXPECT_FALSE(LocateDocument(s, "http://elsewhere.example/a.pdf").mayDownload);
    // Without a web folder a relative reference has no address at all.
    WebFolderSettings noUrl = sample();
    noUrl.docUrl.clear();
    const DocumentLocation loc = LocateDocument(noUrl, "plan/a.pdf");
    EXPECT_EQ(loc.local, "/srv/docs/plan/a.pdf");
    EXPECT_TRUE(loc.url.isEmpty());
    EXPECT_FALSE(loc.mayDownload);
}

TEST(WebDocumentMapping, LocalFileToAddress)
{
    struct Case {
        const char* path;
        const char* url;  // "" = refused
        int pair;
    };
    const Case cases[] = {
        {"/mnt/plan/sub/c.pdf", "http://web.example/plan/sub/c.pdf", 1},
        {"/mnt/win/c d.pdf", "http://win.example/filer/c d.pdf", 5},
        {"/srv/docs/plan/a b.pdf", "http://web.example/docs/plan/a b.pdf", 0},
        {"/srv/docs/100%.pdf", "http://web.example/docs/100%25.pdf", 0},
        {"plan/a.pdf", "http://web.example/docs/plan/a.pdf", 0},
        {"/srv/docs//plan/./a.pdf", "http://web.example/docs/plan/a.pdf", 0},
        // A prefix is checked before it is cut off.
        {"/srv/docsother/a.pdf", "", 0},
        {"/etc/passwd", "", 0},
        {"/srv/docs/../etc/passwd", "", 0},
        {"/mnt/plan", "", 0},
        {"/srv/docs", "", 0},
        {"", "", 0},
    };
    const WebFolderSettings s = sample();
    for (const Case& c : cases) {
        const DocumentLocation loc = LocateLocalFile(s, c.path);
        EXPECT_EQ(loc.url, QString(c.url)) << c.path;
        EXPECT_EQ(loc.ok(), *c.url != 0) << c.path;
        EXPECT_EQ(loc.pair, c.pair) << c.path;
        if (!loc.ok()) {
            EXPECT_FALSE(loc.error.isEmpty()) << c.path;
        }
    }
}

TEST(WebDocumentMapping, AddressAndLocalNameAreEachOthersInverseInSubFolders)
{
    const QStringList files = {"/srv/docs/a.pdf",          "/srv/docs/plan/sub/dyp/æøå å.pdf",
                               "/mnt/plan/x/y.odt",        "/mnt/win/a/b/c.txt",
                               "/srv/docs/100%.pdf",       "/srv/docs/a%20b.pdf",
                               "/srv/docs/Store Bokstaver/Ærlig.PDF"};
    for (bool withUrl : {true, false}) {
        WebFolderSettings s = sample();
        if (!withUrl) s.docUrl.clear();
        for (const QString& f : files) {
            const DocumentLocation up = LocateLocalFile(s, f);
            ASSERT_TRUE(up.ok()) << f.toStdString();
            const DocumentLocation down = LocateDocument(s, up.url);
            EXPECT_EQ(down.local, f) << up.url.toStdString();
        }
    }
    const WebFolderSettings s = sample();
    for (const QString& url : {QString("http://web.example/docs/plan/a.pdf"), QString("http://web.example/plan/q/r.pdf"),
                               QString("http://web.example/docs/x/æ ø.pdf"), QString("plan/sub/a.pdf")}) {
        const DocumentLocation down = LocateDocument(s, url);
        ASSERT_TRUE(down.ok()) << url.toStdString();
        const QString back = LocateLocalFile(s, down.local).url;
        EXPECT_EQ(back, url.startsWith("http") ? url : s.urlBase() + url);
    }
}

TEST(WebDocumentMapping, AddressesGoOnTheWirePercentEncoded)
{
    struct Case {
        const char* in;
        const char* out;  // "" = not fetched
    };
    const Case cases[] = {
        {"http://h.example/a b.pdf", "http://h.example/a%20b.pdf"},
        {"http://h.example/ærø/å.pdf", "http://h.example/%C3%A6r%C3%B8/%C3%A5.pdf"},
        {"http://h.example/a%20b.pdf", "http://h.example/a%20b.pdf"},
        {"https://h.example:8443/x?id=5", "https://h.example:8443/x?id=5"},
        {" http://h.example/x ", "http://h.example/x"},
        {"ftp://h.example/a.pdf", ""},
        {"file:///etc/passwd", ""},
        {"javascript:alert(1)", ""},
        {"http:///a.pdf", ""},
        {"plan/a.pdf", ""},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(EncodedAddress(c.in), QString(c.out)) << c.in;
}

TEST(WebDocumentMapping, JoinInsideKeepsToTheFolder)
{
    struct Case {
        const char* folder;
        const char* rest;
        const char* out;
    };
    const Case cases[] = {
        {"/a/b/", "c/d.txt", "/a/b/c/d.txt"},    {"/a/b", "/c.txt", "/a/b/c.txt"},
        {"/a/b", "c/../d.txt", "/a/b/d.txt"},    {"/a/b", "../b2/x", ""},
        {"/a/b", "..", ""},                      {"/a/b", "", ""},
        {"/a/b", ".", ""},                       {"/", "etc/x", "/etc/x"},
        {"", "x", ""},                           {"///.", "..", ""},
        {"/", "../etc/x", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(JoinInside(c.folder, c.rest), QString(c.out)) << c.folder << " " << c.rest;
}

// --- With the settings store and a web server ---------------------------------------

class WebDocumentTest : public CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        OpenSettingsStore();
        ASSERT_TRUE(server.ok());
        local = root() + "/lokal/";
        QDir().mkpath(local);
        WebFolderSettings s;
        s.docUrl = server.base() + "docs/";
        s.docLocal = local;
        s.active = true;
        s.web[0] = server.base() + "plan/";
        s.local[0] = root() + "/plan/";
        s.Write();
        SetDocumentActivitySink([this](const QString& line) { activity << line; });
    }
    void TearDown() override
    {
        SetDocumentActivitySink({});
        CoreFixture::TearDown();
    }
    static void setActive(bool on)
    {
        WebFolderSettings s = WebFolderSettings::Read();
        s.active = on;
        s.Write();
    }
    DocServer server;
    QString local;
    QStringList activity;
};

TEST_F(WebDocumentTest, MissingCopyIsFetchedWithSpacesAndNorwegianLetters)
{
    server.put("docs/plan/ø rapport 1.pdf", "innhold");
    const QString path = DatabaseDocumentFileName("plan/ø rapport 1.pdf");
    EXPECT_EQ(path, local + "plan/ø rapport 1.pdf");
    EXPECT_EQ(readBytes(path), "innhold");
    // Through a pair: the address itself is fetched.
    server.put("plan/tegning.dwg", "tegning");
    const QString viaPair = DatabaseDocumentFileName(server.base() + "plan/tegning.dwg");
    EXPECT_EQ(viaPair, root() + "/plan/tegning.dwg");
    EXPECT_EQ(readBytes(viaPair), "tegning");
}

TEST_F(WebDocumentTest, NothingIsFetchedWhenTheWebFolderIsOff)
{
    setActive(false);
    server.put("docs/a.pdf", "x");
    const QString path = DatabaseDocumentFileName("a.pdf");
    EXPECT_EQ(path, local + "a.pdf");
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(WebDocumentTest, AFailedDownloadLeavesNoFileAndKeepsAnOlderCopy)
{
    const QString path = DatabaseDocumentFileName("finnes/ikke.pdf");
    EXPECT_EQ(path, local + "finnes/ikke.pdf");
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_FALSE(QFileInfo::exists(path + ".part"));
    QString error;
    EXPECT_FALSE(DownloadDocument(server.base() + "docs/finnes/ikke.pdf", path, &error));
    EXPECT_TRUE(error.contains("404")) << error.toStdString();
    // Forced over an older copy: the copy stays as it was.
    writeBytes(local + "gammel.pdf", "gammel");
    EXPECT_EQ(UpdateLocalDocument("gammel.pdf", true), local + "gammel.pdf");
    EXPECT_EQ(readBytes(local + "gammel.pdf"), "gammel");
    EXPECT_FALSE(DownloadDocument("ftp://h.example/a.pdf", local + "f.pdf", &error));
    EXPECT_FALSE(QFileInfo::exists(local + "f.pdf"));
}

TEST_F(WebDocumentTest, AnExistingCopyIsFetchedAgainOnlyWhenForced)
{
    server.put("docs/notat.txt", "ny");
    writeBytes(local + "notat.txt", "gammel");
    EXPECT_EQ(DatabaseDocumentFileName("notat.txt"), local + "notat.txt");
    EXPECT_EQ(UpdateLocalDocument("notat.txt", false), local + "notat.txt");
    EXPECT_EQ(readBytes(local + "notat.txt"), "gammel");
    EXPECT_TRUE(activity.isEmpty());
    EXPECT_EQ(UpdateLocalDocument("notat.txt", true), local + "notat.txt");
    EXPECT_EQ(readBytes(local + "notat.txt"), "ny");
    // One line per download: date and time, the address, " --> ", the file.
    ASSERT_EQ(activity.size(), 1);
    const QString line = activity[0];
    EXPECT_TRUE(QDateTime::fromString(line.left(19), "dd.MM.yyyy HH:mm:ss").isValid()) << line.toStdString();
    EXPECT_EQ(line.mid(20), "notat.txt --> " + local + "notat.txt");
}

TEST_F(WebDocumentTest, TheListUpdateCountsWhatItDid)
{
    server.put("docs/ny.pdf", "ny");
    writeBytes(local + "har.pdf", "har");
    const std::vector<DocumentRef> rows = {
        {"", "ny.pdf", false},            // fetched
        {"", "har.pdf", false},           // present
        {"", "borte.pdf", false},         // 404
        {"", "idatabasen.pdf", true},     // data in the database: skipped
        {"..", "../passwd", false},       // leads out of the folder
    };
    const LocalUpdateResult r = UpdateLocalDocuments(rows, false);
    EXPECT_EQ(r.checked, 4);
    EXPECT_EQ(r.fetched, 1);
    EXPECT_EQ(r.failed, 1);
    EXPECT_EQ(r.unmapped, 1);
    EXPECT_EQ(readBytes(local + "ny.pdf"), "ny");
    EXPECT_FALSE(QFileInfo::exists(local + "idatabasen.pdf"));
    EXPECT_EQ(activity.size(), 2);

    // With fetching off, a copy that is there still counts as there; only
    // the missing one has nowhere to come from.
    WebFolderSettings s = WebFolderSettings::Read();
    s.active = false;
    s.Write();
    const LocalUpdateResult off = UpdateLocalDocuments({{"", "har.pdf", false}, {"", "mangler.pdf", false}}, false);
    EXPECT_EQ(off.checked, 2);
    EXPECT_EQ(off.fetched + off.failed, 0);
    EXPECT_EQ(off.unmapped, 1);
    EXPECT_EQ(activity.size(), 2);
}

TEST_F(WebDocumentTest, AMissingLocalFileIsFetchedForItsAddress)
{
    server.put("plan/u/v.txt", "v");
    const QString file = root() + "/plan/u/v.txt";
    EXPECT_EQ(DatabaseDocumentURLName(file), server.base() + "plan/u/v.txt");
    EXPECT_EQ(readBytes(file), "v");
    QString error;
    EXPECT_TRUE(DatabaseDocumentURLName("/etc/passwd", &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(WebDocumentTest, PairLookUpsByFolder)
{
    EXPECT_EQ(DataBaseDocumentFolder(server.base() + "plan"), root() + "/plan/");
    EXPECT_EQ(DataBaseDocumentFolder(server.base() + "plan/"), root() + "/plan/");
    EXPECT_EQ(DataBaseDocumentURL(root() + "/plan"), server.base() + "plan/");
    EXPECT_TRUE(DataBaseDocumentFolder(server.base() + "docs/").isEmpty());
    EXPECT_TRUE(DataBaseDocumentURL("").isEmpty());
    EXPECT_TRUE(DataBaseDocumentFolder("").isEmpty());
}
