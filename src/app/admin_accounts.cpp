// kvarnel-admin: the income statement to PDF and the main settings file.
#include "admin_accounts.h"

#include "admin_options.h"
#include "admin_products.h"
#include "core/felles.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "data/connection.h"
#include "data/privateserver.h"
#include "print/accountprint.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

int AdminIncomeStatement(const QStringList& args)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString pdf = AdminOption(QStringLiteral("pdf"));
    if (pdf.isEmpty()) {
        err << "Bruk: kvarnel-admin print income-statement --pdf FIL\n";
        return 2;
    }
    InitFelles();
    InitTextfil();
    OpenSettingsStore();
    Connection conn;
    if (const QString e =
            ConnectFromOptions(args, conn, AdminOption(QStringLiteral("database"), PrivateServer::DefaultDatabase()));
        !e.isEmpty()) {
        err << "FEIL: " << e << "\n";
        return 1;
    }
    IncomeStatement st;
    QString error;
    if (!ReadIncomeStatement(conn, st, &error)) {
        err << "FEIL: Kan ikke lese kontoplanen: " << error << "\n";
        return 1;
    }
    PrintPreView = PrintAccountResult(st);
    PrinterTitle = QStringLiteral("Resultatregnskap");
    const bool ok = PrintToPdfFile(pdf);
    PrintPreView = nopaint;
    CloseSettingsStore();
    if (!ok) {
        err << "FEIL: Kan ikke skrive " << pdf << "\n";
        return 1;
    }
    out << "Skrev " << QFileInfo(pdf).absoluteFilePath() << "\n";
    return 0;
}

int AdminSettingsCommand(const QStringList&)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList w = AdminWords();  // settings get|set KEY [VALUE]
    const QString verb = w.value(1), key = w.value(2);
    if (key.isEmpty() || (verb != "get" && verb != "set") || (verb == "set" && w.size() != 4) ||
        (verb == "get" && w.size() != 3)) {
        err << "Bruk: kvarnel-admin settings get NØKKEL | settings set NØKKEL VERDI [--section SEKSJON]\n";
        return 2;
    }
    InitFelles();
    OpenSettingsStore();
    const QString section = AdminOption(QStringLiteral("section"), QStringLiteral("STANDARD"));
    int rc = 0;
    {
        MainIniSection s(section);
        if (verb == "get") {
            out << GetRegStr(key) << "\n";
        } else {
            SetRegStr(key, w.value(3));
            if (!FlushSettings()) {
                err << "FEIL: Kan ikke skrive innstillingsfilen " << InifilNavn << "\n";
                rc = 1;
            }
        }
    }
    CloseSettingsStore();
    return rc;
}
