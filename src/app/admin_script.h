#pragma once
// Scripting rows and documents from kvarnel-admin, through the same data
// module and business rules as the windows.
#include <QStringList>

class Connection;

// Opens c on the server the options name (--host, --port, --socket, --user,
// --password), or without --host and --socket on the private server,
// started when needed; with database as the current database when given.
// Returns the Norwegian error text, empty on success.
QString AdminConnect(const QStringList& args, Connection& c, const QString& database = QString());

// "row insert|update|get|delete …"; returns the exit status.
int AdminRowCommand(const QStringList& args);
// "document update|deliver|deliver-line|po-status|post-invoice|items-copy|items-paste|hours-to-order …".
int AdminDocumentCommand(const QStringList& args);
