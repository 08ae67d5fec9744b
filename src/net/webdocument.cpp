#include "net/webdocument.h"

#include "core/sysreg.h"
#include "core/textfil.h"
#include "net/httpdownload.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

DocumentDownloader g_downloader;
DocumentActivitySink g_activity;

const QString kSection = QStringLiteral("STANDARD");

QString pairKey(int half, int i)
{
    return QStringLiteral("DOC_URL_TRANSELATE_%1_%2").arg(half).arg(i);
}

// A local folder as the mapping compares it: "/" separators and one
// trailing "/"; empty stays empty.
QString localFolder(QString folder)
{
    folder = folder.trimmed();
    if (folder.isEmpty()) return folder;
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

// A web folder with its trailing "/"; empty stays empty.
QString webFolder(QString folder)
{
    folder = folder.trimmed();
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

// The part of an address after a web folder, as a path: percent-escapes
// decoded (so "a%20b.pdf" is the file "a b.pdf"), "\" as "/".
QString decodedRest(const QString& rest)
{
    QString r = rest;
    r.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (r.contains(QLatin1Char('%'))) r = QUrl::fromPercentEncoding(r.toUtf8());
    return r;
}

// A path below a local folder as it goes into an address: "%" is the only
// character that would read differently, so it alone is escaped, and the
// address maps back to the same file.
QString addressRest(const QString& rest)
{
    QString r = rest;
    r.replace(QLatin1Char('%'), QStringLiteral("%25"));
    return r;
}

bool isWebAddress(const QString& text) { return !EncodedAddress(text).isEmpty(); }

QString refusedOutside(const QString& reference)
{
    return QStringLiteral("Dokumentet «%1» peker ut av dokumentmappen og åpnes ikke.").arg(reference.left(200));
}

bool fetch(const QString& url, const QString& localFile, QString* error)
{
    if (g_downloader) return g_downloader(url, localFile, error);
    const DownloadResult r = HttpDownload(url, localFile);
    if (!r.ok && error) *error = r.error;
    return r.ok;
}

enum class UpdateOutcome { Unmapped, Present, Fetched, Failed };

UpdateOutcome updateLocal(const QString& address, bool force, QString& local)
{
    const DocumentLocation loc = LocateDocument(WebFolderSettings::Read(), address);
    local.clear();
    if (!loc.ok()) {
        LogLine(QStringLiteral("ADVARSEL: ") + loc.error);
        return UpdateOutcome::Unmapped;
    }
    // A copy that is there is there, whether or not it could be fetched.
    if (!loc.local.isEmpty() && QFileInfo::exists(loc.local) && (!force || !loc.mayDownload || loc.url.isEmpty())) {
        local = loc.local;
        return UpdateOutcome::Present;
    }
    if (!loc.mayDownload || loc.url.isEmpty()) return UpdateOutcome::Unmapped;
    local = loc.local;
    const QString line = QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")) +
                         QLatin1Char(' ') + address + QStringLiteral(" --> ") + loc.local;
    if (g_activity) g_activity(line);
    return DownloadDocument(loc.url, loc.local) ? UpdateOutcome::Fetched : UpdateOutcome::Failed;
}

} // namespace

// --- Settings ------------------------------------------------------------------

WebFolderSettings WebFolderSettings::Read()
{
    MainIniSection section(kSection);
    WebFolderSettings s;
    s.docUrl = GetRegStr(QStringLiteral("DOC_URL"));
    s.docLocal = GetRegStr(QStringLiteral("DOC_LOCAL"));
    s.active = GetRegBoolean(QStringLiteral("DOC_URL_ACTIVE"));
    s.useImages = GetRegBoolean(QStringLiteral("DOC_URL_USEIMAGES"));
    s.translate = GetRegBoolean(QStringLiteral("DOC_URL_TRANSELATE"));
    s.pull = GetRegStr(QStringLiteral("DOC_URL_PULL"));
    for (int i = 0; i < 9; ++i) {
        s.web[size_t(i)] = GetRegStr(pairKey(0, i + 1));
        s.local[size_t(i)] = GetRegStr(pairKey(1, i + 1));
    }
    return s;
}

void WebFolderSettings::Write() const
{
    MainIniSection section(kSection);
    SetRegStr(QStringLiteral("DOC_URL"), docUrl);
    SetRegStr(QStringLiteral("DOC_LOCAL"), docLocal);
    SetRegBoolean(QStringLiteral("DOC_URL_ACTIVE"), active);
    SetRegBoolean(QStringLiteral("DOC_URL_USEIMAGES"), useImages);
    SetRegBoolean(QStringLiteral("DOC_URL_TRANSELATE"), translate);
    SetRegStr(QStringLiteral("DOC_URL_PULL"), pull);
    for (int i = 0; i < 9; ++i) {
        SetRegStr(pairKey(0, i + 1), web[size_t(i)]);
        SetRegStr(pairKey(1, i + 1), local[size_t(i)]);
    }
}

QString WebFolderSettings::localBase() const
{
    const QString l = localFolder(docLocal);
    return l.isEmpty() ? TrelvoPath(QStringLiteral("data/docs")) : l;
}

QString WebFolderSettings::urlBase() const { return webFolder(docUrl); }

// --- The mapping ---------------------------------------------------------------

QString JoinInside(const QString& folder, const QString& rest)
{
    if (folder.isEmpty() || folder.contains(QChar(0)) || rest.contains(QChar(0))) return {};
    QString r = rest;
    r.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (r.startsWith(QLatin1Char('/'))) r.remove(0, 1);
    if (r.isEmpty()) return {};
    QString base = QDir::cleanPath(localFolder(folder));
    const QString full = QDir::cleanPath(localFolder(folder) + r);
    const QString prefix = base.endsWith(QLatin1Char('/')) ? base : base + QLatin1Char('/');
    if (!full.startsWith(prefix) || full.size() <= prefix.size()) return {};
    // Cleaning leaves a ".." above the root ("/.." stays "/..").
    if (full.split(QLatin1Char('/')).contains(QStringLiteral(".."))) return {};
    return full;
}

QString EncodedAddress(const QString& address)
{
    const QString text = address.trimmed();
    if (text.isEmpty() || text.contains(QChar(0))) return {};
    const QUrl u(text, QUrl::TolerantMode);
    const QString scheme = u.scheme().toLower();
    if (!u.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) || u.host().isEmpty())
        return {};
    return u.toString(QUrl::FullyEncoded);
}

DocumentLocation LocateDocument(const WebFolderSettings& s, const QString& reference)
{
    DocumentLocation r;
    const QString ref = reference.trimmed();
    if (ref.isEmpty()) {
        r.error = QStringLiteral("Dokumentet har ikke noe filnavn.");
        return r;
    }
    // 1. A translation pair whose web folder begins the address.
    for (int i = 0; i < 9; ++i) {
        const QString w = webFolder(s.web[size_t(i)]);
        const QString l = localFolder(s.local[size_t(i)]);
        if (w.isEmpty() || l.isEmpty() || !ref.startsWith(w)) continue;
        r.pair = i + 1;
        r.local = JoinInside(l, decodedRest(ref.mid(w.size())));
        if (r.local.isEmpty()) {
            r.error = refusedOutside(ref);
            return r;
        }
        if (isWebAddress(ref)) {
            r.url = ref;
            r.mayDownload = true;
        }
        return r;
    }
    const QString base = s.localBase();
    const QString urlBase = s.urlBase();
    QString rest;
    if (ref.contains(QLatin1String("://"))) {
        // 2. A whole address: below the web folder it keeps its sub-folders,
        // anything else is kept by its bare file name.
        if (!urlBase.isEmpty() && ref.startsWith(urlBase)) {
            rest = decodedRest(ref.mid(urlBase.size()));
        } else {
            const QUrl u(ref, QUrl::TolerantMode);
            rest = u.fileName(QUrl::FullyDecoded);
            if (rest.isEmpty()) rest = decodedRest(ref.mid(ref.lastIndexOf(QLatin1Char('/')) + 1));
        }
        r.local = JoinInside(base, rest);
        if (isWebAddress(ref)) {
            r.url = ref;
            r.mayDownload = s.active;
        }
    } else {
        // 3. A reference relative to the web folder.
        QString relative = ref;
        relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
        r.local = JoinInside(base, decodedRest(relative));
        if (!urlBase.isEmpty() && isWebAddress(urlBase + relative)) {
            r.url = urlBase + relative;
            r.mayDownload = s.active;
        }
    }
    if (r.local.isEmpty()) {
        r.error = refusedOutside(ref);
        r.url.clear();
        r.mayDownload = false;
    }
    return r;
}

DocumentLocation LocateLocalFile(const WebFolderSettings& s, const QString& localPath)
{
    DocumentLocation r;
    QString p = localPath.trimmed();
    if (p.isEmpty() || p.contains(QChar(0))) {
        r.error = QStringLiteral("Ingen fil er valgt.");
        return r;
    }
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString base = s.localBase();
    if (!QDir::isAbsolutePath(p)) p = base + p;
    p = QDir::cleanPath(p);
    auto below = [&p](const QString& folder, QString& rest) {
        const QString f = QDir::cleanPath(folder);
        const QString prefix = f.endsWith(QLatin1Char('/')) ? f : f + QLatin1Char('/');
        if (!p.startsWith(prefix) || p.size() <= prefix.size()) return false;
        rest = p.mid(prefix.size());
        return true;
    };
    QString rest;
    for (int i = 0; i < 9; ++i) {
        const QString w = webFolder(s.web[size_t(i)]);
        const QString l = localFolder(s.local[size_t(i)]);
        if (w.isEmpty() || l.isEmpty() || !below(l, rest)) continue;
        r.pair = i + 1;
        r.local = p;
        r.url = w + addressRest(rest);
        r.mayDownload = isWebAddress(r.url);
        return r;
    }
    if (below(base, rest)) {
        const QString urlBase = s.urlBase();
        r.local = p;
        r.url = urlBase + addressRest(rest);
        r.mayDownload = s.active && isWebAddress(r.url);
        return r;
    }
    r.error = QStringLiteral("Filen %1 ligger utenfor dokumentmappene (%2) og kan ikke registreres med en "
                             "web-adresse. Flytt den inn i dokumentmappen først.")
                  .arg(p, base);
    return r;
}

// --- The operations --------------------------------------------------------------

QString DataBaseDocumentURL(const QString& folder)
{
    const QString f = localFolder(folder);
    if (f.isEmpty()) return {};
    const WebFolderSettings s = WebFolderSettings::Read();
    for (int i = 0; i < 9; ++i)
        if (!s.local[size_t(i)].trimmed().isEmpty() && localFolder(s.local[size_t(i)]) == f) return s.web[size_t(i)];
    return {};
}

QString DataBaseDocumentFolder(const QString& folder)
{
    const QString w = webFolder(folder);
    if (w.isEmpty()) return {};
    const WebFolderSettings s = WebFolderSettings::Read();
    for (int i = 0; i < 9; ++i)
        if (!s.web[size_t(i)].trimmed().isEmpty() && webFolder(s.web[size_t(i)]) == w) return s.local[size_t(i)];
    return {};
}

QString DatabaseDocumentFileName(const QString& reference, QString* error)
{
    const DocumentLocation loc = LocateDocument(WebFolderSettings::Read(), reference);
    if (error) *error = loc.error;
    if (!loc.ok()) {
        LogLine(QStringLiteral("ADVARSEL: ") + loc.error);
        return {};
    }
    if (!QFileInfo::exists(loc.local) && loc.mayDownload) DownloadDocument(loc.url, loc.local);
    return loc.local;
}

QString DatabaseDocumentURLName(const QString& localPath, QString* error)
{
    const DocumentLocation loc = LocateLocalFile(WebFolderSettings::Read(), localPath);
    if (error) *error = loc.error;
    if (!loc.ok()) {
        LogLine(QStringLiteral("ADVARSEL: ") + loc.error);
        return {};
    }
    if (!QFileInfo::exists(loc.local) && loc.mayDownload) DownloadDocument(loc.url, loc.local);
    return loc.url;
}

QString UpdateLocalDocument(const QString& address, bool force)
{
    QString local;
    updateLocal(address, force, local);
    return local;
}

bool DownloadDocument(const QString& address, const QString& localPath, QString* error)
{
    const QString url = EncodedAddress(address);
    if (url.isEmpty()) {
        if (error) *error = QStringLiteral("«%1» er ikke en http- eller https-adresse.").arg(address.left(200));
        LogLine(QStringLiteral("FEIL: henter ikke «") + address.left(200) +
                QStringLiteral("»: ikke en http- eller https-adresse (webdocument.downloaddocument)"));
        return false;
    }
    const QString folder = QFileInfo(localPath).absolutePath();
    if (!QDir(folder).exists()) {
        if (VerboseLogging)
            LogLine(QStringLiteral("Oppretter mappen :") + folder + QStringLiteral(" (webdocument.downloaddocument)"));
        // A folder that cannot be made does not stop the attempt; the
        // download reports the failure to write.
        QDir().mkpath(folder);
    }
    return fetch(url, localPath, error);
}

QString DocumentReference(const QString& path, const QString& name)
{
    QString p = path.trimmed();
    while (p.endsWith(QLatin1Char('/'))) p.chop(1);
    QString n = name.trimmed();
    while (n.startsWith(QLatin1Char('/'))) n.remove(0, 1);
    if (p.isEmpty()) return n;
    return p + QLatin1Char('/') + n;
}

LocalUpdateResult UpdateLocalDocuments(const std::vector<DocumentRef>& rows, bool force)
{
    LocalUpdateResult r;
    for (const DocumentRef& d : rows) {
        if (d.dataIncluded) continue;
        ++r.checked;
        QString local;
        switch (updateLocal(DocumentReference(d.path, d.name), force, local)) {
        case UpdateOutcome::Unmapped: ++r.unmapped; break;
        case UpdateOutcome::Fetched: ++r.fetched; break;
        case UpdateOutcome::Failed: ++r.failed; break;
        case UpdateOutcome::Present: break;
        }
    }
    return r;
}

void SetDocumentDownloader(DocumentDownloader d) { g_downloader = std::move(d); }
void SetDocumentActivitySink(DocumentActivitySink sink) { g_activity = std::move(sink); }
