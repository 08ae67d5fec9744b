#include "net/httpdownload.h"

#include "core/textfil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <curl/curl.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int DownloadPercent(qint64 received, qint64 total)
{
    if (total <= 0) return -1;
    if (received <= 0) return 0;
    if (received >= total) return 100;
    // received < total here; scale without multiplying large values.
    if (received <= INT64_MAX / 100) return int(received * 100 / total);
    return int(received / (total / 100 + 1));
}

namespace {

struct Transfer {
    QFile* file;
    qint64 bytes = 0;
    bool writeFailed = false;
    const DownloadOptions* o;
    bool cancelled = false;
    qint64 lastReported = -2;
};

size_t writeBody(char* data, size_t size, size_t n, void* user)
{
    auto* t = static_cast<Transfer*>(user);
    const size_t len = size * n;
    if (t->file->write(data, qint64(len)) != qint64(len)) {
        t->writeFailed = true;
        return 0;
    }
    t->bytes += qint64(len);
    return len;
}

int onProgress(void* user, curl_off_t total, curl_off_t now, curl_off_t, curl_off_t)
{
    auto* t = static_cast<Transfer*>(user);
    if (!t->o->progress || now == t->lastReported) return 0;
    t->lastReported = now;
    if (!t->o->progress(qint64(now), total > 0 ? qint64(total) : -1)) {
        t->cancelled = true;
        return 1;
    }
    return 0;
}

QString userMessage(CURLcode rc, const QString& host)
{
    switch (rc) {
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT: return QStringLiteral("Ugyldig adresse");
    case CURLE_COULDNT_RESOLVE_HOST: return QStringLiteral("Finner ikke tjeneren ") + host;
    case CURLE_COULDNT_CONNECT: return QStringLiteral("Kan ikke koble til ") + host;
    case CURLE_OPERATION_TIMEDOUT: return QStringLiteral("Tjeneren svarte ikke i tide");
    case CURLE_TOO_MANY_REDIRECTS: return QStringLiteral("For mange videresendinger");
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING: return QStringLiteral("Overføringen ble avbrutt før filen var komplett");
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION: return QStringLiteral("Den krypterte forbindelsen kunne ikke godkjennes");
    case CURLE_WRITE_ERROR: return QStringLiteral("Kan ikke skrive den nedlastede filen");
    case CURLE_ABORTED_BY_CALLBACK: return QStringLiteral("Nedlastingen ble avbrutt");
    default: return QStringLiteral("Nedlastingen mislyktes");
    }
}

// What lies at a path, the path itself (a link is not followed).
enum class PathKind { Absent, Regular, Other };

PathKind kindAt(const QString& path)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) return errno == ENOENT ? PathKind::Absent : PathKind::Other;
    return S_ISREG(st.st_mode) ? PathKind::Regular : PathKind::Other;
}

QString notAFile(const QString& path)
{
    return QStringLiteral("«%1» er ikke en vanlig fil (men en mappe, en lenke, et rør eller en enhet) og kan ikke "
                          "erstattes av en nedlastet fil")
        .arg(path);
}

} // namespace

DownloadResult HttpDownload(const QString& url, const QString& target, const DownloadOptions& o)
{
    DownloadResult r;
    const QUrl u(url, QUrl::StrictMode);
    const QString scheme = u.scheme().toLower();
    auto fail = [&](const QString& error, const QString& detail) {
        r.ok = false;
        r.error = error;
        r.detail = detail;
        const QString line =
            QStringLiteral("FEIL: nedlasting av ") + url + QStringLiteral(" til ") + target + QStringLiteral(": ") + detail;
        if (o.log) o.log(line);
        else LogLine(line);
        return r;
    };
    if (!u.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) || u.host().isEmpty())
        return fail(QStringLiteral("Ugyldig adresse: ") + url, QStringLiteral("not an http or https address"));
    if (target.isEmpty()) return fail(QStringLiteral("Ingen målfil er oppgitt"), QStringLiteral("no target"));

    // Only a file, or nothing, is replaced: a device, a pipe, a folder or a
    // link at the target stays as it is.
    if (kindAt(target) == PathKind::Other) return fail(notAFile(target), QStringLiteral("target is not a regular file"));
    const QString part = target + QStringLiteral(".part");
    QDir().mkpath(QFileInfo(target).absolutePath());
    // The transfer goes into a file of its own, made new: a part file left
    // by a broken run is removed first when it is a plain file, and
    // anything else there (a link placed there) makes the download fail
    // rather than write through it.
    if (kindAt(part) == PathKind::Regular) QFile::remove(part);
    const int fd = ::open(QFile::encodeName(part).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        const int err = errno;
        return fail(QStringLiteral("Kan ikke opprette filen ") + part, QString::fromLocal8Bit(strerror(err)));
    }
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        QFile::remove(part);
        return fail(QStringLiteral("Kan ikke opprette filen ") + part, file.errorString());
    }

    CURL* c = curl_easy_init();
    if (!c) {
        file.remove();
        return fail(QStringLiteral("Nedlastingen mislyktes"), QStringLiteral("curl_easy_init"));
    }
    char errbuf[CURL_ERROR_SIZE] = {0};
    Transfer t{&file, 0, false, &o};
    const QByteArray urlBytes = u.toEncoded();
    const QByteArray ca = QFile::encodeName(o.caFile);
    curl_slist* headers = curl_slist_append(nullptr, "Accept: text/html, */*");
    curl_easy_setopt(c, CURLOPT_URL, urlBytes.constData());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, long(o.maxRedirects));
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(c, CURLOPT_USERAGENT, "Kvarnel/6");
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errbuf);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, long(o.connectTimeout));
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, long(o.stallTimeout));
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, writeBody);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &t);
    if (!o.caFile.isEmpty()) curl_easy_setopt(c, CURLOPT_CAINFO, ca.constData());
    const CURLcode rc = curl_easy_perform(c);
    long status = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
    curl_slist_free_all(headers);
    curl_easy_cleanup(c);
    r.status = int(status);
    r.bytes = t.bytes;
    const bool flushed = file.flush();
    file.close();

    if (rc != CURLE_OK || t.writeFailed || !flushed) {
        QFile::remove(part);
        const QString detail = QString::fromUtf8(curl_easy_strerror(rc)) +
                               (errbuf[0] ? QStringLiteral(": ") + QString::fromUtf8(errbuf) : QString());
        return fail(userMessage(t.writeFailed || !flushed ? CURLE_WRITE_ERROR : rc, u.host()), detail);
    }
    if (status >= 400 || status == 0) {
        QFile::remove(part);
        const QString code = QString::number(status);
        return fail(status == 404 ? QStringLiteral("Filen finnes ikke på tjeneren (404)")
                                  : QStringLiteral("Tjeneren svarte med feil ") + code,
                    QStringLiteral("HTTP status ") + code);
    }
    if (o.validate) {
        const QString why = o.validate(part);
        if (!why.isEmpty()) {
            QFile::remove(part);
            return fail(why, QStringLiteral("rejected: ") + why);
        }
    }
    // Looked at again: something other than a file may have been put at the
    // target while the transfer ran.
    if (kindAt(target) == PathKind::Other) {
        QFile::remove(part);
        return fail(notAFile(target), QStringLiteral("target is not a regular file"));
    }
    // rename() replaces the target in one step: a reader sees the old file
    // or the new one, never none.
    if (std::rename(QFile::encodeName(part).constData(), QFile::encodeName(target).constData()) != 0) {
        const int err = errno;
        QFile::remove(part);
        return fail(QStringLiteral("Kan ikke erstatte filen ") + target, QString::fromLocal8Bit(strerror(err)));
    }
    r.ok = true;
    return r;
}
