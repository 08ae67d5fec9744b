#pragma once
// Fetching one file over HTTP or HTTPS (libcurl). The body goes to
// "<target>.part"; only a complete transfer with a final status below 400
// (and, when asked, a file the caller's check accepts) is renamed over the
// target, so an existing file stays as it was on any failure.
#include <QString>

#include <functional>

struct DownloadOptions {
    int connectTimeout = 20;  // seconds to connect
    int stallTimeout = 60;    // seconds without a byte before giving up
    int maxRedirects = 5;
    QString caFile;           // extra trusted certificates (PEM)
    // Called as bytes arrive: received so far and the announced size
    // (-1 when the server announced none). Returning false cancels.
    std::function<bool(qint64 received, qint64 total)> progress;
    // Checks the complete temporary file before it replaces the target;
    // returns an empty text to accept, else the reason (Norwegian).
    std::function<QString(const QString& partFile)> validate;
    // Receives the failure line instead of the log; a download run on
    // another thread hands it back to the user-interface thread this way.
    std::function<void(const QString& line)> log;
};

struct DownloadResult {
    bool ok = false;
    int status = 0;       // the final HTTP status (0: none received)
    qint64 bytes = 0;     // body bytes received
    QString error;        // Norwegian, for the user; empty when ok
    QString detail;       // for the log
};

DownloadResult HttpDownload(const QString& url, const QString& target, const DownloadOptions& options = {});

// The percentage of received out of total, 0 to 100, computed without
// overflow for any size; -1 when total is not known (0 or below).
int DownloadPercent(qint64 received, qint64 total);
