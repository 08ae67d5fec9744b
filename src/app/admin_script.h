#pragma once
// Scripting rows and documents from kvarnel-admin, through the same data
// module and business rules as the windows.
#include <QStringList>

// "row insert|update|get|delete …"; returns the exit status.
int AdminRowCommand(const QStringList& args);
// "document update|deliver|deliver-line|po-status|post-invoice|items-copy|items-paste|hours-to-order …".
int AdminDocumentCommand(const QStringList& args);

class TDatabaseModule;
// Connects dm from the connection options and takes the identity of
// --login; an error text, empty when connected.
QString AdminConnectModule(const QStringList& args, TDatabaseModule& dm);
