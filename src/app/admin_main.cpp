// kvarnel-admin: the administrator's command-line companion. It creates and
// upgrades databases, runs the private server and does headless jobs, using
// the same libraries as the desktop program.
#include "core/localzone.h"
#include "admin_accounts.h"
#include "admin_exports.h"
#include "admin_options.h"
#include "admin_prices.h"
#include "core/version.h"
#include "admin_print.h"
#include "admin_products.h"
#include "admin_projects.h"
#include "admin_script.h"
#include "data/connection.h"
#include "data/privateserver.h"

#include <QFile>
#include <QGuiApplication>
#include <QStringDecoder>

#include <memory>
#include <QElapsedTimer>
#include <QTextStream>

#include <cstdio>

namespace {

QTextStream& out()
{
    static QTextStream s(stdout);
    return s;
}
QTextStream& err()
{
    static QTextStream s(stderr);
    return s;
}

void printUsage(QTextStream& to)
{
    to << "Bruk:\n"
             "  kvarnel-admin server start|stop|status [--remove]\n"
             "  kvarnel-admin create-database [--host H] [--port P] [--socket S] [--user U]\n"
             "                                [--password P] [--database D] [--demo]\n"
             "  kvarnel-admin demo-data --size small|large [--database D] [--replace]\n"
             "                                [--host H] [--port P] [--socket S] [--user U] [--password P]\n"
             "  kvarnel-admin row insert TABLE kolonne=verdi …      (ny rad gjennom reglene)\n"
             "  kvarnel-admin row update TABLE ID kolonne=verdi …\n"
             "  kvarnel-admin row get TABLE ID\n"
             "  kvarnel-admin row delete TABLE ID [--yes]\n"
             "  kvarnel-admin document update order|offer|invoice|po NUMMER\n"
             "  kvarnel-admin document deliver NUMMER | deliver-line LINJE-ID ANTALL\n"
             "  kvarnel-admin document po-status NUMMER STATUS | post-invoice NUMMER\n"
             "  kvarnel-admin document items-copy|items-paste order|offer|invoice|po NUMMER\n"
             "  kvarnel-admin document hours-to-order ORDRENUMMER\n"
             "  kvarnel-admin print order|offer|invoice|po|delivery|picking NUMMER --pdf FIL [--heading T]\n"
             "                     [--no-prices] [--cost] [--no-zero]\n"
             "  kvarnel-admin print orderlist|invoicelist --pdf FIL\n"
             "  kvarnel-admin vcard export [--contact ID | --company ID | --all] FIL\n"
             "  kvarnel-admin vcard import FIL [--create-companies]\n"
             "  kvarnel-admin format phones|names companies|contacts [--dry-run] [--add47 | --rm47]\n"
             "                     [--update-city] [--upper-city]\n"
             "  kvarnel-admin mail send --to ADRESSE --subject TEKST [--body TEKST] [--attach FIL]\n"
             "  kvarnel-admin download URL FIL\n"
             "  kvarnel-admin postal download [URL]\n"
             "  kvarnel-admin print labels|productlist|stockstatus --pdf FIL [--filter TEKST] [--group GRUPPE]\n"
             "                     [--warehouse TABELL] [--fields …] [--mode …] [--barcode] [--ean] [--double] [--separator]\n"
             "  kvarnel-admin product generate-ean [--filter TEKST] [--group GRUPPE] [--warehouse TABELL]\n"
             "  kvarnel-admin print income-statement --pdf FIL\n"
             "  kvarnel-admin settings get NØKKEL | set NØKKEL VERDI [--section SEKSJON]\n"
             "  kvarnel-admin prices update [--raise-cost P] [--discount V] [--direct-cost V] [--freight V]\n"
             "                     [--add-percent V] [--add-sum V] [--vat-code V] [--group G] [--supplier ID]\n"
             "  kvarnel-admin prices recalculate\n"
             "  kvarnel-admin import pricelist FIL --supplier ID --option 0|1|2 [--layout P:L,…] [--test]\n"
             "  kvarnel-admin import discounts FIL [--layout P:L,…]\n"
             "  kvarnel-admin job to-calendar JOBB-ID [--date dd.MM.yyyy]\n"
             "  kvarnel-admin terminal read FIL --mode 0|1|2 [--document order|po|invoice NUMMER]\n"
             "  kvarnel-admin export ehf FAKTURANUMMER FIL\n"
             "  kvarnel-admin export saft --from dd.MM.yyyy --to dd.MM.yyyy FIL\n"
             "  kvarnel-admin upgrade [--database D]                (databasen til nyeste versjon)\n"
             "  kvarnel-admin documents update-local [--force]   (lokale kopier av web-dokumentene)\n"
             "Felles valg for row, document, job, print, product, vcard og format: [--host H] [--port P] [--socket S] [--user U] [--password P]\n"
             "  [--database D] [--login BRUKERNAVN]\n"
             "Uten --host og --socket brukes den private databaseserveren.\n"
             "Uten --password hentes passordet fra KVARNEL_PASSWORD; med --password - spørres det etter det.\n"
             "  kvarnel-admin --help | --version\n";
    to.flush();
}

int usage()
{
    printUsage(err());
    return 2;
}

// Value of "--name value", or def.
QString option(const QStringList&, const QString& name, const QString& def = QString())
{
    return AdminOption(name.mid(2), def);
}

int serverCommand(const QStringList& args)
{
    if (args.size() < 3) return usage();
    PrivateServer server;
    const QString verb = args[2];
    if (verb == "start") {
        if (!server.start()) {
            err() << "FEIL: " << server.error() << "\n";
            return 1;
        }
        // Started by hand, it runs until stopped by hand.
        QFile keep(server.keepFile());
        if (keep.open(QIODevice::WriteOnly)) keep.close();
        out() << "Databaseserveren kjører (socket " << server.socketPath() << ")"
              << (server.createdNow() ? ", nyopprettet med demodata" : "") << "\n";
        return 0;
    }
    if (verb == "stop") {
        const bool ok = AdminFlag("remove") ? server.remove() : server.stop();
        if (!ok) {
            err() << "FEIL: " << server.error() << "\n";
            return 1;
        }
        out() << "Databaseserveren er stoppet\n";
        return 0;
    }
    if (verb == "status") {
        if (server.isRunning()) {
            out() << "kjører (pid " << server.runningPid() << ", socket " << server.socketPath() << ")\n";
            return 0;
        }
        out() << "stoppet\n";
        return 3;
    }
    return usage();
}

// Fills a database with the small demo company or the ten-year company.
int demoData(const QStringList& args)
{
    const QString size = option(args, "--size", "small");
    if (size != "small" && size != "large") return usage();
    const QString db = option(args, "--database", size == "large" ? "kvarnel_large" : PrivateServer::DefaultDatabase())
                           .remove('`');
    Connection c;
    if (const QString e = ConnectFromOptions(args, c); !e.isEmpty()) {
        err() << "FEIL: " << e << "\n";
        return 1;
    }
    if (AdminFlag("replace") && !c.exec("DROP DATABASE IF EXISTS `" + db + "`")) {
        err() << "FEIL: " << DbFailure(QStringLiteral("Kan ikke lage databasen"), c) << "\n";
        return 1;
    }
    if (!CreateDatabaseWithSchema(c, db)) {
        err() << "FEIL: " << DbFailure(QStringLiteral("Kan ikke lage databasen"), c) << "\n";
        return 1;
    }
    if (c.scalar("SELECT COUNT(*) FROM company", "0") != "0") {
        err() << "FEIL: Databasen " << db << " har allerede data. Bruk --replace for å lage den på nytt.\n";
        return 1;
    }
    QElapsedTimer t;
    t.start();
    // Making the large company takes minutes of single statements.
    if (size == "large") {
        ConnectParams p = c.params();
        p.readTimeout = 0;
        p.database = db;
        if (!c.open(p)) {
            err() << "FEIL: " << DbFailure(QStringLiteral("Kan ikke koble til databasen igjen"), c) << "\n";
            return 1;
        }
    }
    if (!c.execScript(size == "large" ? LargeDemoDataScript() : DemoDataScript())) {
        err() << "FEIL: " << DbFailure(QStringLiteral("Kan ikke laste inn demodata"), c) << "\n";
        return 1;
    }
    out() << "Demodata (" << size << ") lastet inn i " << db << " på " << t.elapsed() / 1000.0 << " s\n";
    return 0;
}

int createDatabase(const QStringList& args)
{
    const QString host = option(args, "--host");
    const QString socket = option(args, "--socket");
    const QString database = option(args, "--database", PrivateServer::DefaultDatabase());
    const bool demo = AdminFlag("demo");
    if (host.isEmpty() && socket.isEmpty()) {
        PrivateServer server;
        HoldServerForThisProgram(server);
        if (!server.start() || !server.provision(database, demo)) {
            err() << "FEIL: " << server.error() << "\n";
            return 1;
        }
        out() << "Databasen " << database << " er klar\n";
        return 0;
    }
    Connection c;
    if (const QString e = ConnectFromOptions(args, c); !e.isEmpty()) {
        err() << "FEIL: " << e << "\n";
        return 1;
    }
    const QString db = QString(database).remove('`');
    if (!CreateDatabaseWithSchema(c, db) || (demo && !c.execScript(DemoDataScript()))) {
        err() << "FEIL: " << DbFailure(QStringLiteral("Kan ikke lage databasen"), c) << "\n";
        return 1;
    }
    out() << "Databasen " << db << " er klar\n";
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    ReadLocalTimeZoneOnce();
    // Printing to PDF paints with QtGui (on the offscreen platform, which
    // needs no display); every other command makes do with QtCore.
    const bool printing = argc > 1 && (qstrcmp(argv[1], "print") == 0 || qstrcmp(argv[1], "export") == 0);
    if (printing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app(printing ? new QGuiApplication(argc, argv) : new QCoreApplication(argc, argv));
    // The words exactly as given: text that is not valid UTF-8 is refused,
    // not changed, and a leading byte-order mark is kept.
    QStringList args;
    for (int i = 0; i < argc; ++i) {
        QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        QString word = decode(QByteArrayView(argv[i]));
        if (decode.hasError()) {
            const qsizetype eq = word.indexOf('=');
            err() << (eq > 0 && !word.startsWith("--") ? "Ugyldig verdi for " + word.left(eq) + ": teksten er ikke gyldig UTF-8"
                                                       : QStringLiteral("Ugyldig tekst i kommandolinjen: ikke gyldig UTF-8"))
                  << "\n";
            err().flush();
            return 1;
        }
        args << word;
    }
    if (args.size() == 2 && (args[1] == "--help" || args[1] == "-h")) {
        printUsage(out());
        return 0;
    }
    if (args.size() == 2 && args[1] == "--version") {
        out() << "kvarnel-admin " << KV_VERSION << "\n";
        out().flush();
        return 0;
    }
    if (QString error; !ParseAdminCommandLine(args, &error)) {
        err() << "FEIL: " << error << "\n";
        return usage();
    }
    int rc = 2;
    if (args.size() < 2) rc = usage();
    else if (args[1] == "server") rc = serverCommand(args);
    else if (args[1] == "create-database") rc = createDatabase(args);
    else if (args[1] == "demo-data") rc = demoData(args);
    else if (args[1] == "row") rc = AdminRowCommand(args);
    else if (args[1] == "print" && AdminWords().value(1) == "income-statement") rc = AdminIncomeStatement(args);
    else if (args[1] == "print") rc = AdminPrint(args);
    else if (args[1] == "settings") rc = AdminSettingsCommand(args);
    else if (args[1] == "prices") rc = AdminPricesCommand(args);
    else if (args[1] == "import") rc = AdminImportCommand(args);
    else if (args[1] == "terminal") rc = AdminTerminalCommand(args);
    else if (args[1] == "document") rc = AdminDocumentCommand(args);
    else if (args[1] == "vcard") rc = AdminVcardCommand(args);
    else if (args[1] == "format") rc = AdminFormatCommand(args);
    else if (args[1] == "mail") rc = AdminMailCommand(args);
    else if (args[1] == "download") rc = AdminDownloadCommand(args);
    else if (args[1] == "postal") rc = AdminPostalCommand(args);
    else if (args[1] == "product") rc = AdminProductCommand(args);
    else if (args[1] == "export") rc = AdminExportCommand(args);
    else if (args[1] == "upgrade") rc = AdminUpgradeCommand(args);
    else if (args[1] == "documents") rc = AdminDocumentsCommand(args);
    else if (args[1] == "job") rc = AdminJobCommand(args);
    else rc = usage();
    // A private server this command started stops when no program uses it.
    LeaveServerForThisProgram();
    out().flush();
    err().flush();
    return rc;
}
