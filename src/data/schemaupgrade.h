#pragma once
// Versioned upgrades of an existing database. The schema script creates
// every table when missing and records version 1 in `kv_schema`; each later
// version is one step here, applied in order to a database whose recorded
// version is lower. Every step checks what is already there before it
// changes anything, so it may run again (after a crash, or from two
// workstations at once) without harm, and data is never dropped.
//
// Version 2: `invoice`.`kid` (the invoice's KID, empty for older invoices)
// with an index for searching.
// Version 3: an index on `calendar`.`rwx_all` for the "Publisert" filter.
// Version 4: the function `kv_take_docnumber`, which steps a document
// table's counter inside the insert of a new document; a server that could
// not make it then gets it at a later upgrade run.
//
// Applied by CreateDatabaseWithSchema (so kvarnel-admin create-database,
// demo-data and a new private server), by "kvarnel-admin upgrade", and to
// every Kvarnel database of the private server each time it starts.
#include <QString>
#include <QStringList>

class Connection;

constexpr int kSchemaVersion = 4;

// The version recorded in the current database; 0 when it has no
// `kv_schema` table (not a Kvarnel database), -1 when the server fails.
int SchemaVersion(Connection& c);
// Brings the current database up to kSchemaVersion. False with the
// server's reason in error (the steps already applied stay applied).
bool UpgradeSchema(Connection& c, QString* error = nullptr);
// The databases of the server that hold a `kv_schema` table.
QStringList KvarnelDatabases(Connection& c);
// Upgrades each of them, logging each upgrade; false when one failed (the
// others are still upgraded). Leaves the connection's current database
// where it was.
bool UpgradeAllDatabases(Connection& c, QString* error = nullptr);
