#pragma once
// The document archive's rules that need no window: what the data tool's
// drops on the document list and on the record window's fields do, the
// filter texts, and how a document is opened (which address or file, and
// whether it may be opened at all).
#include "net/webdocument.h"
#include "ui/datadrop.h"

#include <QString>
#include <QStringList>

// Document types (document_type) and their captions, in the radio group's order.
extern const QList<int> DocumentTypeValues;         // 0, 1, 3, 4, 5, 6
extern const QStringList DocumentTypeCaptions;      // "Tekstfil" … "Lenke"
extern const QStringList DocumentMimeTypes;         // the "MIME:" drop-down
enum DocumentType { DocText = 0, DocMime = 1, DocPicture = 3, DocDocument = 4, DocProgram = 5, DocLink = 6 };

// The condition of "Filtrere etter ...": category, subject or file name
// containing text (escaped).
QString DocumentSearchCondition(const QString& text);
// The order a filter leaves: "Siste 10"'s limit gives way to the newest
// first, so a filter reads all its rows; any other order stays.
QString OrderWithoutLimit(const QString& order);

// Drops on the document list's grid: the order icon sorts by subject (x up
// to 300) or file name, the text box searches file name, subject and
// category, the all icon removes the condition; where and lock are refused.
DropResult DocumentGridDrop(const DropEvent& e);
// Drops on a field of the record window; field is the field the control
// shows ("subject", "category", "user", "document_path", "companyid",
// "projectid", …). Link fields filter with their id, 0 when empty; the
// project field also takes the lock icon (lockValue: the row's project).
DropResult DocumentFieldDrop(const QString& field, const DropEvent& e);
// The fields of the record window that take drops, in the window's order.
extern const QStringList DocumentDropFields;

// --- Opening a document -----------------------------------------------------------

// The document row as the opening needs it.
struct DocumentRow {
    qint64 id = 0;
    QString path;       // document_path
    QString name;       // document_name
    int type = 0;       // document_type
    bool dataIncluded = false;
};
struct OpenPlan {
    enum Kind { Refused, Address, LocalFile };
    Kind kind = Refused;
    QString target;       // the address, or the local file
    QString fetchFrom;    // LocalFile: the address a missing copy may be fetched from
    QString error;        // Refused: why (Norwegian)
};
// What opening the row means: a document kept in the database is fetched
// from the pull page (DOC_URL_PULL "?id=" id), a link opens its address,
// anything else its local copy. Only http and https addresses are opened.
OpenPlan PlanDocumentOpen(const WebFolderSettings& s, const DocumentRow& row);
// Is the local file one that may be handed to the desktop: an existing
// file (not a folder) inside the local document folder or a pair's local
// folder, links resolved, and not a program (executable, or a launcher
// such as .desktop, .sh or .exe)? The reason in *error when not.
bool LocalDocumentMayOpen(const WebFolderSettings& s, const QString& file, QString* error);
