#pragma once
// Web documents: documents of the archive, product data sheets and news
// pictures are referred to in the database by a web address (a folder
// address and a file name), and every workstation keeps local copies of
// them. This unit maps between the two and fetches a missing local copy
// over HTTP.
//
// Settings (section STANDARD of the main settings file, read at every call):
//   DOC_URL                   web folder of the documents, ending in "/"
//   DOC_LOCAL                 local document folder (the program's data/docs when empty)
//   DOC_URL_ACTIVE            fetch missing copies from DOC_URL ("Aktiver WEB-mappe")
//   DOC_URL_USEIMAGES         show and fetch pictures ("Last bilder fra WEB")
//   DOC_URL_TRANSELATE_0_<i>  web folder of translation pair i (1 to 9)
//   DOC_URL_TRANSELATE_1_<i>  local folder of translation pair i
//   DOC_URL_TRANSELATE        "Bruk oversetting av mappeplasseringer" (shown and stored)
//   DOC_URL_PULL              page that delivers a document kept in the database ("?id=" and the id)
//
// The mapping. A translation pair (W, L) maps every address that begins
// with W to the same path under L, and back; pairs are tried 1 to 9, a pair
// with an empty half is skipped, the first that applies wins, and the
// comparison is exact and case-sensitive. Without a pair, an address below
// DOC_URL (or a reference relative to it, such as "plan/a.pdf") maps to
// the same path below DOC_LOCAL, and any other address to its bare file
// name in DOC_LOCAL. Address to local path and back are each other's
// inverse for every file in a mapped folder, sub-folders included.
//
// Safety. References come from the shared database: the result is always
// a file inside its local folder ("..", percent-escapes and backslashes
// cannot lead out of it), a local path is turned into an address only when
// it lies inside a mapped folder (a prefix is checked before it is cut
// off), and only http and https addresses are fetched, percent-encoded.
// Local paths use "/"; a "\" read from the settings or the database counts
// as "/".
#include <QString>

#include <array>
#include <functional>
#include <vector>

struct WebFolderSettings {
    QString docUrl;     // DOC_URL
    QString docLocal;   // DOC_LOCAL
    bool active = false;
    bool useImages = false;
    bool translate = false;
    QString pull;       // DOC_URL_PULL
    std::array<QString, 9> web;    // DOC_URL_TRANSELATE_0_1 .. _9
    std::array<QString, 9> local;  // DOC_URL_TRANSELATE_1_1 .. _9

    // The stored settings, as they are (no defaults filled in).
    static WebFolderSettings Read();
    // Writes every key back.
    void Write() const;
    // The local document folder the operations use: DOC_LOCAL with "/"
    // separators and a trailing "/", or the program's data/docs folder
    // when DOC_LOCAL is empty.
    QString localBase() const;
    // DOC_URL with a trailing "/" (empty stays empty).
    QString urlBase() const;
};

// Where a document reference or a local file lies, worked out from the
// settings alone (nothing is read from disk or the network).
struct DocumentLocation {
    QString local;             // the local file; empty when refused
    QString url;               // the address it comes from; empty when there is none
    bool mayDownload = false;  // a missing local copy may be fetched from url
    int pair = 0;              // the translation pair used, 1 to 9; 0 none
    QString error;             // Norwegian, why it was refused; empty when not
    bool ok() const { return error.isEmpty(); }
};

// A web address or a reference relative to the web folder -> local file.
DocumentLocation LocateDocument(const WebFolderSettings& s, const QString& reference);
// A local file -> its web address. A relative path counts from the local
// document folder.
DocumentLocation LocateLocalFile(const WebFolderSettings& s, const QString& localPath);
// local must lie inside folder (both with "/"): folder + rest, cleaned;
// empty when rest would lead out of folder or names the folder itself.
QString JoinInside(const QString& folder, const QString& rest);
// An address as it goes on the wire: spaces, Norwegian letters and other
// characters outside URLs percent-encoded (escapes already present are
// kept); empty when it is not an http or https address with a host.
QString EncodedAddress(const QString& address);

// --- The operations (settings read at every call) --------------------------

// The web folder of the pair whose local folder is localFolder ("/" added
// first when missing); empty when none.
QString DataBaseDocumentURL(const QString& localFolder);
// The local folder of the pair whose web folder is webFolder ("/" added
// first when missing); empty when none.
QString DataBaseDocumentFolder(const QString& webFolder);
// The local file of a reference; a missing file is fetched first when the
// mapping allows (a pair, or DOC_URL_ACTIVE). Empty when the reference is
// refused (error in *error).
QString DatabaseDocumentFileName(const QString& reference, QString* error = nullptr);
// The web address of a local file; a missing file is fetched first when
// the mapping allows. Empty when the file lies outside every mapped folder.
QString DatabaseDocumentURLName(const QString& localPath, QString* error = nullptr);
// Makes sure a local copy of address exists, fetching it when it is
// missing or force is set, with a line for the activity window. The local
// path, or empty when address maps to no local folder or may not be fetched.
QString UpdateLocalDocument(const QString& address, bool force);
// Fetches address into localPath (creating its folder); true when the file
// is in place. A failed fetch (HTTP status 400 or more included) leaves no
// file and keeps an older copy as it was.
bool DownloadDocument(const QString& address, const QString& localPath, QString* error = nullptr);

// A document row as the local-copy update sees it.
struct DocumentRef {
    QString path;             // document_path
    QString name;             // document_name
    bool dataIncluded = false;
};
struct LocalUpdateResult {
    int checked = 0;     // rows whose data lives in a file
    int fetched = 0;     // copies downloaded
    int failed = 0;      // downloads that failed
    int unmapped = 0;    // rows that map to no local folder or may not be fetched
};
// "Oppdater lokale dokumenter": UpdateLocalDocument for every row whose
// data is not kept in the database.
LocalUpdateResult UpdateLocalDocuments(const std::vector<DocumentRef>& rows, bool force);
// document_path "/" document_name, without a doubled "/".
QString DocumentReference(const QString& path, const QString& name);

// --- Hooks -------------------------------------------------------------------

// How a file is fetched: the windows install the download with the
// progress window; without one it is fetched quietly. Given the encoded
// address and the local file; true when the file is in place, else the
// reason (Norwegian) in *error.
using DocumentDownloader = std::function<bool(const QString& url, const QString& localFile, QString* error)>;
void SetDocumentDownloader(DocumentDownloader d);
// Receives the line UpdateLocalDocument writes for each download (the
// activity window's memo in the program, standard output in kvarnel-admin).
using DocumentActivitySink = std::function<void(const QString& line)>;
void SetDocumentActivitySink(DocumentActivitySink sink);
