#include "documents/documentwindows.h"

#include "documents/datatoolform.h"
#include "documents/documentdataform.h"
#include "documents/documentlistform.h"
#include "documents/previewforms.h"
#include "documents/webfolderform.h"
#include "net/webdocument.h"
#include "netui/httpdownloadform.h"
#include "ui/windowregistry.h"

#include "core/textfil.h"
#include "data/datamodule.h"
#include "ui/dbcontrols.h"

#include <QCoreApplication>
#include <QPlainTextEdit>

#include <memory>

void RegisterDocumentWindows()
{
    WindowRegistry& w = Windows();
    // The archive's list and record window go by their own names; their
    // classes share them with the sales windows' bases (namespace archive).
    w.add(QStringLiteral("TDocumentListForm"), [] { return new archive::TDocumentListForm; });
    w.add(QStringLiteral("TDocumentDataForm"), [] { return new archive::TDocumentDataForm; });
    w.add<TMemoForm>();
    w.add<TImagePreViewForm>();
    w.add<TWebfolderForm>();
    w.add<TWebfolderAdvForm>();
    w.add<TDataToolForm>();

    // A document is fetched with the progress window; a failure is told
    // once, by whoever asked for the document.
    SetDocumentDownloader([](const QString& url, const QString& file, QString* error) {
        THttpDownloadForm* f = Windows().get<THttpDownloadForm>();
        std::unique_ptr<THttpDownloadForm> own;
        if (!f) {
            own = std::make_unique<THttpDownloadForm>();
            f = own.get();
        }
        const bool show = f->ShowErrors;
        f->ShowErrors = false;
        const bool ok = f->Download(file, url);
        f->ShowErrors = show;
        if (!ok && error) *error = f->LastResult.error;
        return ok;
    });
    // A document still being edited when the program ends is saved.
    static bool connected = false;
    if (auto* app = QCoreApplication::instance(); app && !connected) {
        connected = true;
        QObject::connect(app, &QCoreApplication::aboutToQuit, app, [] {
            if (!HasDataModule()) return;
            Dataset& q = DataModule().DocumentQuery;
            if (q.state() != Dataset::Edit && q.state() != Dataset::Insert) return;
            if (QWidget* w = Windows().find(QStringLiteral("TDocumentDataForm"))) CommitDataControls(w);
            if (QWidget* w = Windows().find(QStringLiteral("TMemoForm"))) CommitDataControls(w);
            if (!q.post())
                LogLine(QStringLiteral("FEIL: ulagret endring i et dokument kunne ikke lagres da programmet ble avsluttet: ") +
                        q.lastError());
        });
    }
    SetDocumentActivitySink([](const QString& line) {
        if (QWidget* a = Windows().find(QStringLiteral("TActivityForm")))
            if (auto* memo = a->findChild<QPlainTextEdit*>()) memo->appendPlainText(line);
    });
}
