// kvarnel-admin export ehf|saft and upgrade.
#include "admin_exports.h"

#include "admin_options.h"
#include "core/felles.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "data/datamodule.h"
#include "data/privateserver.h"
#include "data/schemaupgrade.h"
#include "exports/ehf.h"
#include "exports/saft.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace {

QTextStream& out()
{
    static QTextStream s(stdout);
    return s;
}

int fail(const QString& message)
{
    QTextStream err(stderr);
    err << "FEIL: " << message << "\n";
    return 1;
}

int exportUsage()
{
    QTextStream err(stderr);
    err << "Bruk:\n"
           "  kvarnel-admin export ehf FAKTURANUMMER FIL\n"
           "  kvarnel-admin export saft --from dd.MM.yyyy --to dd.MM.yyyy FIL\n"
           "  (og tilkoblingsvalgene --host, --port, --socket, --user, --password, --database)\n";
    return 2;
}

QString database() { return AdminOption(QStringLiteral("database"), PrivateServer::DefaultDatabase()); }

int exportEhf(const QStringList& args, const QStringList& words)
{
    // export ehf NUMBER FILE
    if (words.size() != 4) return exportUsage();
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return fail(QStringLiteral("EHF trenger QGuiApplication for PDF-vedlegget (QT_QPA_PLATFORM=offscreen)"));
    const QString number = words[2];
    const QString file = words[3];
    TDatabaseModule dm;
    if (const QString e = ConnectFromOptions(args, dm.MyConnection, database()); !e.isEmpty()) return fail(e);
    dm.InvoiceTable.setFilter("ordernumber=" + dm.MyConnection.quote(number));
    if (!dm.InvoiceTable.open()) return fail(dm.InvoiceTable.lastError());
    if (dm.InvoiceTable.isEmpty()) return fail(QStringLiteral("Finner ikke faktura ") + number);
    const EhfResult r = ExportInvoiceAsEhf(dm, file);
    if (!r.ok) return fail(r.error);
    out() << "Skrev EHF-" << (r.creditNote ? "kreditnota " : "faktura ") << r.invoiceNumber << " til "
          << QFileInfo(file).absoluteFilePath() << "\n";
    return 0;
}

int exportSaft(const QStringList& args, const QStringList& words)
{
    // export saft --from D --to D FILE
    if (words.size() != 3) return exportUsage();
    const QString fromText = AdminOption(QStringLiteral("from"));
    const QString toText = AdminOption(QStringLiteral("to"));
    const QDate from = QDate::fromString(fromText, QStringLiteral("dd.MM.yyyy"));
    const QDate to = QDate::fromString(toText, QStringLiteral("dd.MM.yyyy"));
    if (fromText.isEmpty() || toText.isEmpty()) return exportUsage();
    if (!from.isValid()) return fail(QStringLiteral("Ugyldig dato for --from: «%1» (bruk dd.MM.åååå)").arg(fromText));
    if (!to.isValid()) return fail(QStringLiteral("Ugyldig dato for --to: «%1» (bruk dd.MM.åååå)").arg(toText));
    Connection c;
    if (const QString e = ConnectFromOptions(args, c, database()); !e.isEmpty()) return fail(e);
    // A long export reads for as long as it takes.
    ConnectParams p = c.params();
    p.readTimeout = 0;
    p.writeTimeout = 0;
    if (!c.open(p)) return fail(DbFailure(QStringLiteral("Kan ikke koble til databasen igjen"), c));
    SaftOptions o;
    o.from = from;
    o.to = to;
    const SaftResult r = WriteSaftFinancial(c, words[2], o);
    if (!r.ok) return fail(r.error);
    out() << "Skrev SAF-T Financial for " << fromText << "–" << toText << " til " << QFileInfo(words[2]).absoluteFilePath()
          << ": " << r.transactions << " posteringer, " << r.accounts << " kontoer, " << r.customers << " kunder, "
          << r.suppliers << " leverandører\n";
    return 0;
}

} // namespace

int AdminExportCommand(const QStringList& args)
{
    const QStringList words = AdminWords();  // export WHAT …
    if (words.size() < 2) return exportUsage();
    InitFelles();
    InitTextfil();
    OpenSettingsStore();
    int rc = 2;
    if (words[1] == QLatin1String("ehf")) rc = exportEhf(args, words);
    else if (words[1] == QLatin1String("saft")) rc = exportSaft(args, words);
    else rc = exportUsage();
    CloseSettingsStore();
    return rc;
}

int AdminUpgradeCommand(const QStringList& args)
{
    InitFelles();
    InitTextfil();
    const QString db = database();
    Connection c;
    if (const QString e = ConnectFromOptions(args, c, db); !e.isEmpty()) return fail(e);
    const int before = SchemaVersion(c);
    QString error;
    if (!UpgradeSchema(c, &error)) return fail(QStringLiteral("Kan ikke oppgradere databasen %1: %2").arg(db, error));
    out() << "Databasen " << db << " er på versjon " << SchemaVersion(c)
          << (before < kSchemaVersion ? QStringLiteral(" (oppgradert fra %1)").arg(before) : QString()) << "\n";
    return 0;
}
