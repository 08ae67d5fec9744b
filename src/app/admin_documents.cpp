// kvarnel-admin's document commands: the local copies of the archive's web
// documents, updated by the same code as "Oppdater lokale dokumenter".
#include "admin_options.h"
#include "admin_script.h"

#include "core/sysreg.h"
#include "data/datamodule.h"
#include "net/webdocument.h"

#include <QTextStream>

namespace {

int fail(const QString& message)
{
    QTextStream(stderr) << message << "\n";
    return 1;
}

} // namespace

int AdminDocumentsCommand(const QStringList& args)
{
    const QStringList w = AdminWords();
    if (w.size() < 2 || w[1] != "update-local")
        return fail("Bruk: kvarnel-admin documents update-local [--force]");
    TDatabaseModule dm;
    // The web-folder settings are those of this workstation's settings file.
    if (const QString e = AdminConnectModule(args, dm); !e.isEmpty()) return fail(e);
    auto rows = dm.MyConnection.query(
        QStringLiteral("SELECT document_path, document_name, dataincluded FROM document ORDER BY id"));
    if (!rows) return fail("Kan ikke lese dokumentene: " + dm.MyConnection.lastError());
    std::vector<DocumentRef> refs;
    while (rows->next()) refs.push_back({rows->value(0), rows->value(1), rows->toLongLong(2) == 1});
    QTextStream out(stdout);
    SetDocumentActivitySink([&out](const QString& line) {
        out << line << "\n";
        out.flush();
    });
    const LocalUpdateResult r = UpdateLocalDocuments(refs, AdminFlag("force"));
    SetDocumentActivitySink({});
    out << r.fetched << " hentet, " << r.failed << " feilet, " << r.unmapped << " uten WEB-mappe, "
        << (r.checked - r.fetched - r.failed - r.unmapped) << " fantes fra før (" << r.checked
        << " dokumenter i filer)\n";
    out.flush();
    return r.failed > 0 ? 1 : 0;
}
