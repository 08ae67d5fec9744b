#include "data/schemaupgrade.h"

#include "core/textfil.h"
#include "data/connection.h"

namespace {

// Errors a step may meet when another workstation applied it a moment
// earlier: the column or the index is already there.
bool alreadyThere(unsigned err) { return err == 1060 /* duplicate column */ || err == 1061 /* duplicate key */; }

bool columnExists(Connection& c, const QString& table, const QString& column)
{
    return c.scalar(QStringLiteral("SELECT COUNT(*) FROM information_schema.COLUMNS WHERE TABLE_SCHEMA=DATABASE() "
                                   "AND TABLE_NAME=%1 AND COLUMN_NAME=%2")
                        .arg(SqlQuote(table), SqlQuote(column)),
                    QStringLiteral("0")) != QLatin1String("0");
}

bool indexExists(Connection& c, const QString& table, const QString& index)
{
    return c.scalar(QStringLiteral("SELECT COUNT(*) FROM information_schema.STATISTICS WHERE TABLE_SCHEMA=DATABASE() "
                                   "AND TABLE_NAME=%1 AND INDEX_NAME=%2")
                        .arg(SqlQuote(table), SqlQuote(index)),
                    QStringLiteral("0")) != QLatin1String("0");
}

bool run(Connection& c, const QString& sql)
{
    return c.exec(sql) || alreadyThere(c.lastErrno());
}

// Version 2: the invoice's KID.
bool toVersion2(Connection& c)
{
    if (!columnExists(c, QStringLiteral("invoice"), QStringLiteral("kid")) &&
        !run(c, QStringLiteral("ALTER TABLE `invoice` ADD COLUMN `kid` VARCHAR(25) NOT NULL DEFAULT '' AFTER `vatcode`")))
        return false;
    if (!indexExists(c, QStringLiteral("invoice"), QStringLiteral("kid")) &&
        !run(c, QStringLiteral("ALTER TABLE `invoice` ADD INDEX `kid` (`kid`)")))
        return false;
    return true;
}

// Version 3: the calendar's "Publisert" filter reads an index, not every row.
bool toVersion3(Connection& c)
{
    return indexExists(c, QStringLiteral("calendar"), QStringLiteral("ix_calendar_published")) ||
           run(c, QStringLiteral("ALTER TABLE `calendar` ADD INDEX `ix_calendar_published` (`rwx_all`)"));
}

// The document counter stepped inside the insert of a new document. The
// function steps the table's counter row and gives the new number; without
// the row it refuses, and the program then makes the row and takes the
// number on its own. A server that may not have functions (binary log
// without trusted function creators, too few rights) goes on without it: the
// program then takes numbers the old way, one statement more per new
// document. Made again by any later upgrade run while it is missing.
void ensureNumberFunction(Connection& c)
{
    if (c.scalar(QStringLiteral("SELECT COUNT(*) FROM information_schema.ROUTINES WHERE ROUTINE_SCHEMA=DATABASE() "
                                "AND ROUTINE_NAME='kv_take_docnumber'"),
                 QStringLiteral("0")) != QLatin1String("0"))
        return;
    if (!c.exec(QStringLiteral(
            "CREATE FUNCTION IF NOT EXISTS `kv_take_docnumber`(t VARCHAR(20)) RETURNS INT "
            "MODIFIES SQL DATA NOT DETERMINISTIC SQL SECURITY INVOKER "
            "COMMENT 'Steps the counter of a document table and gives the new number' "
            "BEGIN "
            "DECLARE n INT DEFAULT NULL; "
            "UPDATE `kv_docnumber` SET `highest`=`highest`+1 WHERE `tablename`=t; "
            "IF ROW_COUNT()=0 THEN SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='kv_docnumber har ingen teller for tabellen'; END IF; "
            "SELECT `highest` INTO n FROM `kv_docnumber` WHERE `tablename`=t; "
            "RETURN n; "
            "END")))
        LogLine(QStringLiteral("ADVARSEL: nummerfunksjonen kv_take_docnumber ble ikke laget: %1").arg(c.lastError()));
}

// Version 4: the numbering function.
bool toVersion4(Connection& c)
{
    ensureNumberFunction(c);
    return true;
}

struct Step {
    int version;
    bool (*apply)(Connection&);
};
const Step kSteps[] = {{2, toVersion2}, {3, toVersion3}, {4, toVersion4}};

} // namespace

int SchemaVersion(Connection& c)
{
    const QString has = c.scalar(QStringLiteral("SELECT COUNT(*) FROM information_schema.TABLES WHERE "
                                                "TABLE_SCHEMA=DATABASE() AND TABLE_NAME='kv_schema'"));
    if (has.isEmpty()) return -1;
    if (has == QLatin1String("0")) return 0;
    const QString v = c.scalar(QStringLiteral("SELECT COALESCE(MAX(`version`), 0) FROM `kv_schema`"));
    return v.isEmpty() ? -1 : v.toInt();
}

bool UpgradeSchema(Connection& c, QString* error)
{
    const int version = SchemaVersion(c);
    if (version < 0) {
        if (error) *error = c.lastError();
        return false;
    }
    if (version == 0) {
        if (error) *error = QStringLiteral("databasen har ikke Kvarnels tabeller");
        return false;
    }
    for (const Step& s : kSteps) {
        if (version >= s.version) continue;
        if (!s.apply(c) ||
            !c.exec(QStringLiteral("UPDATE `kv_schema` SET `version`=%1 WHERE `version`<%1").arg(s.version))) {
            if (error) *error = c.lastError();
            return false;
        }
        const QString db = c.scalar(QStringLiteral("SELECT DATABASE()"));
        LogLine(QStringLiteral("Oppgraderte databasen %1 til versjon %2").arg(db).arg(s.version));
    }
    // Left out by an earlier run on a server that could not make it.
    if (version >= 4) ensureNumberFunction(c);
    return true;
}

QStringList KvarnelDatabases(Connection& c)
{
    QStringList out;
    if (auto r = c.query(QStringLiteral("SELECT DISTINCT TABLE_SCHEMA FROM information_schema.TABLES "
                                        "WHERE TABLE_NAME='kv_schema' ORDER BY TABLE_SCHEMA"))) {
        while (r->next()) out << r->value(0);
    }
    return out;
}

bool UpgradeAllDatabases(Connection& c, QString* error)
{
    const QString current = c.scalar(QStringLiteral("SELECT DATABASE()"));
    bool ok = true;
    for (const QString& db : KvarnelDatabases(c)) {
        QString why;
        // A database dropped since the list was read is no longer ours to upgrade.
        if (!c.exec("USE `" + QString(db).remove('`') + "`") && c.lastErrno() == 1049) continue;
        if (c.lastErrno() != 0 || !UpgradeSchema(c, &why)) {
            if (why.isEmpty()) why = c.lastError();
            LogLine(QStringLiteral("FEIL: kan ikke oppgradere databasen %1: %2").arg(db, why));
            if (error && error->isEmpty()) *error = QStringLiteral("Kan ikke oppgradere databasen %1: %2").arg(db, why);
            ok = false;
        }
    }
    if (!current.isEmpty()) c.exec("USE `" + QString(current).remove('`') + "`");
    return ok;
}
