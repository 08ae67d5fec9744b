// HTTP downloads from a server on loopback (python3 http.server): the
// target is replaced only by a complete, successful transfer.
#include "loopback.h"

#include "net/httpdownload.h"

#include <limits>

#include <functional>

#include <sys/stat.h>

namespace {

class DownloadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        root_ = dir_.path() + "/www";
        QDir().mkpath(root_);
        big_.resize(2 * 1024 * 1024);
        for (qsizetype i = 0; i < big_.size(); ++i) big_[i] = char((i * 31) >> 3);
        write(root_ + "/big.bin", big_);
        write(root_ + "/small.txt", "0301\tOSLO\t0301\tOSLO\tP\r\n");
        target_ = dir_.path() + "/local/target.bin";
        QDir().mkpath(dir_.path() + "/local");
    }
    static void write(const QString& path, const QByteArray& data)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    static QByteArray read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QString url(const QString& path) const { return QString("http://127.0.0.1:%1/%2").arg(srv_->port()).arg(path); }
    void start()
    {
        srv_ = std::make_unique<LoopbackServer>("httpserver.py", QStringList{root_});
        ASSERT_GT(srv_->port(), 0);
    }
    QTemporaryDir dir_;
    QString root_, target_;
    QByteArray big_;
    std::unique_ptr<LoopbackServer> srv_;
};

} // namespace

TEST_F(DownloadTest, CompleteTransferReplacesTheTargetWithProgressToHundred)
{
    start();
    write(target_, "old");
    std::vector<int> percents;
    bool partSeenDuring = false, oldKeptDuring = true;
    DownloadOptions o;
    o.progress = [&](qint64 got, qint64 total) {
        percents.push_back(DownloadPercent(got, total));
        partSeenDuring |= QFile::exists(target_ + ".part");
        oldKeptDuring &= read(target_) == "old";
        return true;
    };
    const DownloadResult r = HttpDownload(url("files/big.bin"), target_, o);
    ASSERT_TRUE(r.ok) << r.error.toStdString() << r.detail.toStdString();
    EXPECT_EQ(r.status, 200);
    EXPECT_EQ(r.bytes, big_.size());
    EXPECT_TRUE(read(target_) == big_);
    EXPECT_FALSE(QFile::exists(target_ + ".part"));
    EXPECT_TRUE(partSeenDuring);
    EXPECT_TRUE(oldKeptDuring) << "the old file went before the transfer ended";
    ASSERT_FALSE(percents.empty());
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_EQ(percents.back(), 100);
}

TEST_F(DownloadTest, FailuresLeaveTheOldFileAndNoPart)
{
    start();
    struct Case {
        const char* path;
        const char* error;  // the start of the message
    };
    const Case cases[] = {
        {"status/404", "Filen finnes ikke på tjeneren (404)"},
        {"status/500", "Tjeneren svarte med feil 500"},
        {"truncated/big.bin", "Overføringen ble avbrutt"},
        {"redirect/status/403", "Tjeneren svarte med feil 403"},
    };
    for (const Case& c : cases) {
        write(target_, "old");
        const DownloadResult r = HttpDownload(url(c.path), target_);
        EXPECT_FALSE(r.ok) << c.path;
        EXPECT_TRUE(r.error.startsWith(QString::fromUtf8(c.error))) << c.path << ": " << r.error.toStdString();
        EXPECT_EQ(read(target_), "old") << c.path;
        EXPECT_FALSE(QFile::exists(target_ + ".part")) << c.path;
    }
    // Not a web address at all, and a server that is not there.
    for (const QString& bad : {QString("file:///etc/passwd"), QString("ftp://127.0.0.1/x"), QString("http://127.0.0.1:1/x"), QString("")}) {
        write(target_, "old");
        EXPECT_FALSE(HttpDownload(bad, target_).ok) << bad.toStdString();
        EXPECT_EQ(read(target_), "old");
    }
}

TEST_F(DownloadTest, OnlyAFileOrNothingIsReplaced)
{
    start();
    const QString local = dir_.path() + "/local/";
    write(local + "other.txt", "other");
    // What may lie at the target instead of a file: a link (to a file, to
    // a device), a named pipe, a folder. Each stays as it was.
    struct Case {
        const char* name;
        std::function<void(const QString&)> make;
    } cases[] = {
        {"link to a file", [&](const QString& p) { ASSERT_TRUE(QFile::link(local + "other.txt", p)); }},
        {"link to a device", [](const QString& p) { ASSERT_TRUE(QFile::link("/dev/null", p)); }},
        {"named pipe", [](const QString& p) { ASSERT_EQ(::mkfifo(QFile::encodeName(p).constData(), 0600), 0); }},
        {"folder", [](const QString& p) { ASSERT_TRUE(QDir().mkpath(p)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString target = local + c.name;
        c.make(target);
        const QFileInfo before(target);
        const DownloadResult r = HttpDownload(url("files/small.txt"), target);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.error.contains("ikke en vanlig fil")) << r.error.toStdString();
        const QFileInfo after(target);
        EXPECT_EQ(after.isSymLink(), before.isSymLink());
        EXPECT_EQ(after.isDir(), before.isDir());
        EXPECT_EQ(after.isFile() && !after.isSymLink(), false);
        EXPECT_FALSE(QFile::exists(target + ".part"));
    }
    EXPECT_EQ(read(local + "other.txt"), "other");

    // A link left where the part file goes is never written through.
    ASSERT_TRUE(QFile::link(local + "other.txt", target_ + ".part"));
    EXPECT_FALSE(HttpDownload(url("files/small.txt"), target_).ok);
    EXPECT_EQ(read(local + "other.txt"), "other");
    QFile::remove(target_ + ".part");
    // A plain part file left by a broken run is replaced, and the download
    // goes through.
    write(target_ + ".part", "half");
    const DownloadResult r = HttpDownload(url("files/small.txt"), target_);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(read(target_), "0301\tOSLO\t0301\tOSLO\tP\r\n");
    EXPECT_FALSE(QFile::exists(target_ + ".part"));
}

TEST_F(DownloadTest, RedirectsUnknownSizeValidationAndCancel)
{
    start();
    // Followed redirect, no announced size: progress reports -1 for the total.
    bool unknownSeen = false;
    DownloadOptions o;
    o.progress = [&](qint64, qint64 total) {
        unknownSeen |= total == -1;
        return true;
    };
    DownloadResult r = HttpDownload(url("redirect/nolength/big.bin"), target_, o);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_TRUE(unknownSeen);
    EXPECT_TRUE(read(target_) == big_);

    // The caller's check refuses the file: the target stays.
    write(target_, "old");
    o.validate = [](const QString& part) {
        QFile f(part);
        return f.open(QIODevice::ReadOnly) && f.read(4) == "0301" ? QString() : QString("Ikke et postregister");
    };
    r = HttpDownload(url("files/big.bin"), target_, o);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "Ikke et postregister");
    EXPECT_EQ(read(target_), "old");
    EXPECT_TRUE(HttpDownload(url("files/small.txt"), target_, o).ok);

    // Cancelled from the progress callback.
    write(target_, "old");
    o.validate = nullptr;
    o.progress = [](qint64 got, qint64) { return got < 100000; };
    r = HttpDownload(url("files/big.bin"), target_, o);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "Nedlastingen ble avbrutt");
    EXPECT_EQ(read(target_), "old");
    EXPECT_FALSE(QFile::exists(target_ + ".part"));
}

TEST_F(DownloadTest, StalledTransferTimesOut)
{
    start();
    write(target_, "old");
    DownloadOptions o;
    o.stallTimeout = 2;
    const DownloadResult r = HttpDownload(url("stall"), target_, o);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "Tjeneren svarte ikke i tide");
    EXPECT_EQ(read(target_), "old");
}

TEST(DownloadPercent, NeverDividesByZeroOrOverflows)
{
    const qint64 max = std::numeric_limits<qint64>::max();
    struct Case {
        qint64 got, total;
        int want;
    };
    for (const Case& c : {Case{0, 0, -1}, Case{5, 0, -1}, Case{5, -1, -1}, Case{0, 100, 0}, Case{50, 100, 50},
                          Case{99, 100, 99}, Case{100, 100, 100}, Case{200, 100, 100}, Case{max / 2, max, 49},
                          Case{max - 1, max, 99}, Case{max, max, 100}, Case{qint64(3) << 40, qint64(4) << 40, 75}})
        EXPECT_EQ(DownloadPercent(c.got, c.total), c.want) << c.got << "/" << c.total;
}
