#pragma once
// The download progress window (THttpDownloadForm, "Laster ned .....") and
// DownloadHTTPFile, which fetches one file with it on the screen.
#include "net/httpdownload.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

class THttpDownloadForm : public QDialog {
    Q_OBJECT
public:
    explicit THttpDownloadForm(QWidget* parent = nullptr);

    // Fetches url into file with the window shown; true when the file is in
    // place. A failure is reported to the user (the old file is kept).
    bool Download(const QString& file, const QString& url, DownloadOptions options = {});

    // A failure is shown to the user unless the caller reports it itself.
    bool ShowErrors = true;
    QString DownloadFile, DownloadURL;
    qint64 DownLoadSize = 0;
    bool DownLoadResult = false;
    DownloadResult LastResult;

    QLabel *FileLabel, *PercentLabel;
    QProgressBar* ProgressBar1;
    QPushButton* CancelButton;

private:
    bool cancelled_ = false;
};

// Fetches url into localFile with the progress window; true when fetched
// and put in place.
bool DownloadHTTPFile(const QString& localFile, const QString& url, DownloadOptions options = {});
