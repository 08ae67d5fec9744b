#include "documents/documentarchive.h"

#include "core/dialogs.h"
#include "core/platform.h"
#include "core/textfil.h"
#include "data/datamodule.h"
#include "documents/documentrules.h"
#include "ui/windowregistry.h"

#include <QApplication>
#include <QFileInfo>
#include <QProcess>

namespace {

DocumentOpener g_opener;

bool openWithDesktop(const QUrl& target)
{
    if (g_opener) return g_opener(target);
    // xdg-open gets the address or file as one argument; nothing is run
    // through a shell.
    const QString arg = target.isLocalFile() ? target.toLocalFile() : target.toString(QUrl::FullyEncoded);
    return QProcess::startDetached(QStringLiteral("xdg-open"), {arg});
}

void refuse(const QString& text)
{
    LogLine(QStringLiteral("FEIL: ") + text);
    CurrentDialogs()->ShowMessage(text, QStringLiteral("Feil"));
}

bool handOver(const QUrl& target, const QString& shown)
{
    if (openWithDesktop(target)) {
        LogLine(QStringLiteral("Åpner dokumentet ") + shown);
        return true;
    }
    refuse(QStringLiteral("Kan ikke åpne %1: skrivebordet har ikke noe program som åpner det (xdg-open). ").arg(shown) +
           DesktopOpenerAdvice());
    return false;
}

} // namespace

void SetDocumentOpener(DocumentOpener opener) { g_opener = std::move(opener); }

bool RunDocumentSelect()
{
    TDatabaseModule& dm = DataModule();
    Dataset& q = dm.DocumentQuery;
    if (!PostPendingEdit(&q)) return false;
    const qint64 id = q.isOpen() && q.recNo() >= 0 ? q.currentId() : 0;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = dm.DocumentSQLSelect();
    QApplication::restoreOverrideCursor();
    if (!ok) {
        const QString error = q.lastError();
        LogLine(QStringLiteral("FEIL: kan ikke lese dokumentene: ") + error);
        CurrentDialogs()->ShowMessage(QStringLiteral("Kan ikke lese dokumentene.\n") + error, QStringLiteral("Feil"));
        return false;
    }
    if (id > 0) q.locate(QStringLiteral("id"), id);
    return true;
}

bool SetDocumentFilter(const QString& condition)
{
    if (!PostPendingEdit(&DataModule().DocumentQuery)) return false;
    Document_WHERE = condition;
    Document_ORDER = OrderWithoutLimit(Document_ORDER);
    return RunDocumentSelect();
}

bool ShowLatestDocuments()
{
    if (!PostPendingEdit(&DataModule().DocumentQuery)) return false;
    Document_WHERE.clear();
    Document_ORDER = QStringLiteral("updated DESC LIMIT 10");
    return RunDocumentSelect();
}

bool SortDocuments(const QString& field)
{
    if (field.isEmpty() || !PostPendingEdit(&DataModule().DocumentQuery)) return false;
    Document_ORDER = field;
    return RunDocumentSelect();
}

bool ApplyDocumentDrop(const DropResult& r)
{
    if (!r.accepted) return false;
    if (!r.lock && !r.setFilter && r.sort.isEmpty() && !r.reread) return true;
    // The edit is saved before anything changes, so a refused save leaves
    // the condition, the order and the lock as they were.
    if (!PostPendingEdit(&DataModule().DocumentQuery)) return false;
    if (r.lock) ProjectLockId = ProjectLockId != 0 ? 0 : int(r.lockValue);
    if (r.setFilter) {
        Document_WHERE = r.filter;
        Document_ORDER = OrderWithoutLimit(Document_ORDER);
    }
    if (!r.sort.isEmpty()) Document_ORDER = ToggledOrder(Document_ORDER, r.sort);
    return RunDocumentSelect();
}

bool OpenCurrentDocument()
{
    Dataset& q = DataModule().DocumentQuery;
    if (!q.isOpen() || q.recNo() < 0) return false;
    DocumentRow row;
    row.id = q.currentId();
    row.path = q.asString(QStringLiteral("document_path"));
    row.name = q.asString(QStringLiteral("document_name"));
    row.type = int(q.asInt(QStringLiteral("document_type")));
    row.dataIncluded = q.asInt(QStringLiteral("dataincluded")) == 1;
    const WebFolderSettings s = WebFolderSettings::Read();
    const OpenPlan plan = PlanDocumentOpen(s, row);
    switch (plan.kind) {
    case OpenPlan::Refused: refuse(plan.error); return false;
    case OpenPlan::Address: return handOver(QUrl(EncodedAddress(plan.target)), plan.target);
    case OpenPlan::LocalFile: break;
    }
    if (!QFileInfo::exists(plan.target)) {
        if (plan.fetchFrom.isEmpty()) {
            refuse(QStringLiteral("Finner ikke filen %1.").arg(plan.target) +
                   (s.urlBase().isEmpty() || s.active
                        ? QString()
                        : QStringLiteral("\nSlå på «Aktiver WEB-mappe» (Oppsett → WEB-mappe) for å hente den fra %1.")
                              .arg(s.urlBase())));
            return false;
        }
        QString error;
        if (!DownloadDocument(plan.fetchFrom, plan.target, &error)) {
            refuse(QStringLiteral("Kan ikke hente dokumentet fra %1.\n%2").arg(plan.fetchFrom, error));
            return false;
        }
    }
    QString why;
    if (!LocalDocumentMayOpen(s, plan.target, &why)) {
        refuse(why);
        return false;
    }
    return handOver(QUrl::fromLocalFile(QFileInfo(plan.target).canonicalFilePath()), plan.target);
}

std::vector<DocumentRef> DocumentRefsOf(Dataset& ds)
{
    std::vector<DocumentRef> out;
    if (!ds.isOpen()) return out;
    const int path = ds.fieldIndex(QStringLiteral("document_path"));
    const int name = ds.fieldIndex(QStringLiteral("document_name"));
    const int inc = ds.fieldIndex(QStringLiteral("dataincluded"));
    if (path < 0 || name < 0) return out;
    const int n = ds.recordCount();
    out.reserve(size_t(n));
    for (int r = 0; r < n; ++r) {
        DocumentRef d;
        d.path = ds.rowValue(r, path).toString();
        d.name = ds.rowValue(r, name).toString();
        d.dataIncluded = inc >= 0 && ds.rowValue(r, inc).toLongLong() == 1;
        out.push_back(d);
    }
    return out;
}

LocalUpdateResult UpdateLocalDocumentsOfList()
{
    Dataset& q = DataModule().DocumentQuery;
    QWidget* activity = Windows().find(QStringLiteral("TActivityForm"));
    const bool wasVisible = activity && activity->isVisible();
    if (activity) Windows().show(QStringLiteral("TActivityForm"));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const LocalUpdateResult r = UpdateLocalDocuments(DocumentRefsOf(q), false);
    QApplication::restoreOverrideCursor();
    if (activity && !wasVisible) activity->hide();
    QString text = QStringLiteral("Lokale dokumenter: %1 hentet").arg(r.fetched);
    if (r.failed) text += QStringLiteral(", %1 kunne ikke hentes (se loggen)").arg(r.failed);
    if (r.unmapped)
        text += QStringLiteral(", %1 har ingen WEB-mappe å hentes fra").arg(r.unmapped);
    text += QStringLiteral(", %1 fantes fra før.").arg(r.checked - r.fetched - r.failed - r.unmapped);
    LogLine((r.failed ? QStringLiteral("ADVARSEL: ") : QString()) + text);
    CurrentDialogs()->ShowMessage(text, QStringLiteral("Dokumenter"));
    return r;
}
