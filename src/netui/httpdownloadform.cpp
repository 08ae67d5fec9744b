#include "netui/httpdownloadform.h"

#include "core/dialogs.h"
#include "ui/windowregistry.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

THttpDownloadForm::THttpDownloadForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HttpDownloadForm"));
    setWindowTitle(QStringLiteral("Laster ned ....."));
    auto* v = new QVBoxLayout(this);
    FileLabel = new QLabel(this);
    FileLabel->setMinimumWidth(360);
    PercentLabel = new QLabel(QStringLiteral("0%"), this);
    PercentLabel->setAlignment(Qt::AlignCenter);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setTextVisible(false);
    CancelButton = new QPushButton(QStringLiteral("Avbryt"), this);
    v->addWidget(FileLabel);
    v->addWidget(PercentLabel);
    v->addWidget(ProgressBar1);
    v->addWidget(CancelButton, 0, Qt::AlignRight);
    connect(CancelButton, &QPushButton::clicked, this, [this] { cancelled_ = true; });
}

bool THttpDownloadForm::Download(const QString& file, const QString& url, DownloadOptions options)
{
    DownLoadResult = false;
    DownloadFile = file;
    DownloadURL = url;
    DownLoadSize = 0;
    cancelled_ = false;
    FileLabel->setText(QFileInfo(file).fileName());
    PercentLabel->setText(QStringLiteral("0%"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QCoreApplication::processEvents();
    auto outer = options.progress;
    options.progress = [this, outer](qint64 got, qint64 total) {
        DownLoadSize = total;
        const int p = DownloadPercent(got, total);
        if (p < 0) {
            // No announced size: a moving bar and the bytes so far.
            ProgressBar1->setRange(0, 0);
            PercentLabel->setText(QString::number(got / 1024) + QStringLiteral(" kB"));
        } else {
            ProgressBar1->setRange(0, 100);
            ProgressBar1->setValue(p);
            PercentLabel->setText(QString::number(p) + QLatin1Char('%'));
        }
        QCoreApplication::processEvents();
        if (outer && !outer(got, total)) return false;
        return !cancelled_;
    };
    LastResult = HttpDownload(url, file, options);
    QApplication::restoreOverrideCursor();
    hide();
    DownLoadResult = LastResult.ok;
    if (!LastResult.ok && ShowErrors)
        CurrentDialogs()->ShowMessage(QStringLiteral("Nedlasting av ") + url + QStringLiteral(" mislyktes: ") +
                                          LastResult.error + QStringLiteral(".\nFilen ") + file +
                                          QStringLiteral(" er ikke endret."),
                                      QStringLiteral("FEIL"));
    return DownLoadResult;
}

bool DownloadHTTPFile(const QString& localFile, const QString& url, DownloadOptions options)
{
    if (auto* f = Windows().get<THttpDownloadForm>()) return f->Download(localFile, url, std::move(options));
    THttpDownloadForm f;
    return f.Download(localFile, url, std::move(options));
}
