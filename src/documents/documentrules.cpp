#include "documents/documentrules.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

const QList<int> DocumentTypeValues = {DocText, DocMime, DocPicture, DocDocument, DocProgram, DocLink};
const QStringList DocumentTypeCaptions = {QStringLiteral("Tekstfil"), QStringLiteral("MIME dokument"),
                                          QStringLiteral("Bilde"),    QStringLiteral("Dokument"),
                                          QStringLiteral("Programfil"), QStringLiteral("Lenke")};
const QStringList DocumentMimeTypes = {
    QStringLiteral("application/exe"), QStringLiteral("application/xml"), QStringLiteral("application/zip"),
    QStringLiteral("audio/mp3"),       QStringLiteral("audio/wav"),       QStringLiteral("image/gif"),
    QStringLiteral("image/jpg"),       QStringLiteral("image/png"),       QStringLiteral("image/svg+xml"),
    QStringLiteral("text/css"),        QStringLiteral("text/html"),       QStringLiteral("text/javascript"),
    QStringLiteral("text/plain")};

const QStringList DocumentDropFields = {
    QStringLiteral("subject"),   QStringLiteral("category"),  QStringLiteral("user"),
    QStringLiteral("document_created"), QStringLiteral("updated"), QStringLiteral("document_path"),
    QStringLiteral("document_name"), QStringLiteral("jobid"), QStringLiteral("companyid"),
    QStringLiteral("userid"),    QStringLiteral("projectid"), QStringLiteral("systemid"),
    QStringLiteral("productid"), QStringLiteral("assetid"),   QStringLiteral("document_size"),
    QStringLiteral("regnumber")};

QString DocumentSearchCondition(const QString& text)
{
    return SearchTerms({QStringLiteral("document.category"), QStringLiteral("document.subject"),
                        QStringLiteral("document.document_name")},
                       text);
}

QString OrderWithoutLimit(const QString& order)
{
    if (order.contains(QLatin1String("LIMIT"), Qt::CaseInsensitive)) return QStringLiteral("updated DESC");
    return order;
}

DropResult DocumentGridDrop(const DropEvent& e)
{
    switch (e.kind) {
    case DropKind::Order:
        return DropResult::Sort(e.x <= 300 ? QStringLiteral("subject") : QStringLiteral("document_name"));
    case DropKind::Search:
        if (e.text.isEmpty()) return DropResult::Clear();
        return DropResult::Filter(SearchTerms({QStringLiteral("document.document_name"),
                                               QStringLiteral("document.subject"), QStringLiteral("document.category")},
                                              e.text));
    case DropKind::All: return DropResult::Clear();
    case DropKind::Where:
    case DropKind::Lock: return DropResult::Refuse();
    }
    return DropResult::Refuse();
}

DropResult DocumentFieldDrop(const QString& field, const DropEvent& e)
{
    if (e.kind == DropKind::Search) return DropResult::Refuse();
    static const QStringList orderOnly = {QStringLiteral("subject"),      QStringLiteral("document_name"),
                                          QStringLiteral("document_created"), QStringLiteral("updated"),
                                          QStringLiteral("document_size"), QStringLiteral("regnumber")};
    static const QStringList links = {QStringLiteral("companyid"), QStringLiteral("userid"),
                                      QStringLiteral("productid"), QStringLiteral("assetid"),
                                      QStringLiteral("systemid"),  QStringLiteral("jobid")};
    if (orderOnly.contains(field))
        return e.kind == DropKind::Order ? DropResult::Sort(field) : DropResult::Refuse();
    if (field == QLatin1String("category")) {
        if (e.kind != DropKind::Where) return DropResult::Refuse();
        return DropResult::Filter(FieldCondition(QStringLiteral("document.category"),
                                                 e.value(QStringLiteral("category")).toString()));
    }
    if (field == QLatin1String("user") || field == QLatin1String("document_path")) {
        const QString qualified = QStringLiteral("document.") + field;
        if (e.kind == DropKind::Order) return DropResult::Sort(qualified);
        if (e.kind == DropKind::Where)
            return DropResult::Filter(field == QLatin1String("user")
                                          ? FieldCondition(qualified, e.value(field), true)
                                          : FieldCondition(qualified, e.value(field).toString()));
        return DropResult::Reread();
    }
    if (links.contains(field)) {
        if (e.kind != DropKind::Where) return DropResult::Refuse();
        return DropResult::Filter(FieldCondition(QStringLiteral("document.") + field, e.value(field), true));
    }
    if (field == QLatin1String("projectid")) {
        if (e.kind != DropKind::Where && e.kind != DropKind::Lock) return DropResult::Refuse();
        const qint64 project = LinkValue(e.value(field));
        DropResult r = DropResult::Filter(QStringLiteral("document.projectid=") + QString::number(project));
        if (e.kind == DropKind::Lock) {
            r.lock = true;
            r.lockValue = project;
        }
        return r;
    }
    return DropResult::Refuse();
}

// --- Opening ---------------------------------------------------------------------

OpenPlan PlanDocumentOpen(const WebFolderSettings& s, const DocumentRow& row)
{
    OpenPlan p;
    if (row.dataIncluded) {
        const QString pull = s.pull.trimmed();
        const QString address = pull + QStringLiteral("?id=") + QString::number(row.id);
        if (pull.isEmpty() || EncodedAddress(address).isEmpty()) {
            p.error = QStringLiteral("Dokumentet ligger i databasen, men adressen til siden som henter det ut "
                                     "(«URL til generering av filer i database») er ikke en http- eller https-adresse. "
                                     "Se Oppsett → WEB-mappe → Avansert.");
            return p;
        }
        p.kind = OpenPlan::Address;
        p.target = address;
        return p;
    }
    if (row.type == DocLink) {
        const QString address = row.path.trimmed();
        if (EncodedAddress(address).isEmpty()) {
            p.error = QStringLiteral("Lenken «%1» åpnes ikke: bare http- og https-adresser kan åpnes herfra.")
                          .arg(address.left(200));
            return p;
        }
        p.kind = OpenPlan::Address;
        p.target = address;
        return p;
    }
    const DocumentLocation loc = LocateDocument(s, DocumentReference(row.path, row.name));
    if (!loc.ok()) {
        p.error = loc.error;
        return p;
    }
    p.kind = OpenPlan::LocalFile;
    p.target = loc.local;
    if (loc.mayDownload) p.fetchFrom = loc.url;
    return p;
}

namespace {

bool isLauncher(const QFileInfo& f)
{
    static const QStringList launchers = {
        QStringLiteral("desktop"), QStringLiteral("sh"),  QStringLiteral("bash"), QStringLiteral("exe"),
        QStringLiteral("bat"),     QStringLiteral("cmd"), QStringLiteral("com"),  QStringLiteral("msi"),
        QStringLiteral("jar"),     QStringLiteral("run"), QStringLiteral("appimage"), QStringLiteral("scr"),
        QStringLiteral("pif"),     QStringLiteral("vbs"), QStringLiteral("ps1"),  QStringLiteral("py"),
        QStringLiteral("pl")};
    return launchers.contains(f.suffix().toLower());
}

} // namespace

bool LocalDocumentMayOpen(const WebFolderSettings& s, const QString& file, QString* error)
{
    auto refuse = [error](const QString& why) {
        if (error) *error = why;
        return false;
    };
    const QFileInfo info(file);
    if (!info.exists()) return refuse(QStringLiteral("Finner ikke filen %1.").arg(file));
    const QString real = info.canonicalFilePath();
    if (info.isDir()) return refuse(QStringLiteral("%1 er en mappe, ikke en fil.").arg(file));
    QStringList roots{s.localBase()};
    for (int i = 0; i < 9; ++i)
        if (!s.web[size_t(i)].trimmed().isEmpty() && !s.local[size_t(i)].trimmed().isEmpty())
            roots << QString(s.local[size_t(i)]).replace(QLatin1Char('\\'), QLatin1Char('/'));
    bool inside = false;
    for (const QString& r : roots) {
        const QString root = QFileInfo(r).canonicalFilePath();
        if (!root.isEmpty() && real.startsWith(root + QLatin1Char('/'))) inside = true;
    }
    if (!inside) return refuse(QStringLiteral("Filen %1 ligger utenfor dokumentmappene og åpnes ikke.").arg(file));
    const QFileInfo realInfo(real);
    if (realInfo.isExecutable() || isLauncher(realInfo) || isLauncher(info))
        return refuse(QStringLiteral("%1 er et program. Programfiler åpnes ikke fra dokumentarkivet.").arg(file));
    return true;
}
