#pragma once
// Scripting rows and documents from kvarnel-admin, through the same data
// module and business rules as the windows.
#include <QStringList>

class TDatabaseModule;

// "row insert|update|get|delete …"; returns the exit status.
int AdminRowCommand(const QStringList& args);
// "document update|deliver|deliver-line|po-status|post-invoice|items-copy|items-paste|hours-to-order …".
int AdminDocumentCommand(const QStringList& args);
// Connects the module from the command's options (--host, --database,
// --login, …); an error text, empty on success.
QString AdminConnectModule(const QStringList& args, TDatabaseModule& dm);
// terminal read FILE --mode N [--document order|po|invoice NUMBER]: a
// handheld-terminal file into stock or into a document's lines.
int AdminTerminalCommand(const QStringList& args);

// Address book, mail and downloads (admin_net.cpp).
int AdminVcardCommand(const QStringList& args);
int AdminFormatCommand(const QStringList& args);
int AdminMailCommand(const QStringList& args);
int AdminDownloadCommand(const QStringList& args);
int AdminPostalCommand(const QStringList& args);

// Web documents' local copies (admin_documents.cpp).
int AdminDocumentsCommand(const QStringList& args);
