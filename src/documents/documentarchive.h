#pragma once
// What the document windows do to the shared document query and to the
// files behind it: selecting with a new condition, order or project lock
// (a pending edit is saved first, never thrown away), opening the current
// document with the desktop's program, and fetching the list's missing
// local copies.
#include "net/webdocument.h"
#include "ui/datadrop.h"

#include <QUrl>

#include <functional>

class Dataset;

// Runs the document select and stays on the row that was current when it
// is still there. A pending edit is saved first; false (and nothing
// changed) when that save fails.
bool RunDocumentSelect();
// The condition becomes condition ("" for all) and the select runs; a
// "Siste 10" limit gives way to the newest first, so a filter reads all
// its rows.
bool SetDocumentFilter(const QString& condition);
// "Siste 10": the ten newest, no condition.
bool ShowLatestDocuments();
// A sort by a column title: the order becomes field (ascending).
bool SortDocuments(const QString& field);
// Applies a data-tool drop: the lock toggles ProjectLockId (off when it
// was on, else the dropped project), the filter and the order rule
// (ToggledOrder) are set, and the select runs.
bool ApplyDocumentDrop(const DropResult& r);

// Opens the current document of the document query with the desktop: the
// pull page, the link's address or the local copy (fetched first when it
// is missing and the mapping allows). A refused or missing document is
// reported with a message and not opened. True when handed to the desktop.
bool OpenCurrentDocument();
// "Oppdater lokale dokumenter": shows the activity window, fetches the
// missing copies of every row of the current list, closes the window.
LocalUpdateResult UpdateLocalDocumentsOfList();
// The rows of a dataset on document as the local-copy update sees them.
std::vector<DocumentRef> DocumentRefsOf(Dataset& ds);

// How an address or a local file is handed to the desktop (xdg-open
// unless a test installs another); true when it was.
using DocumentOpener = std::function<bool(const QUrl& target)>;
void SetDocumentOpener(DocumentOpener opener);
