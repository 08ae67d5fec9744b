// kvarnel-admin print: a document or list printed headless to a PDF file
// with the print library's printouts.
#include "admin_print.h"

#include "admin_options.h"
#include "admin_products.h"
#include "core/felles.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "data/datamodule.h"
#include "data/privateserver.h"
#include "print/printunit.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace {

QString option(const QStringList&, const QString& name, const QString& def = QString())
{
    return AdminOption(name.mid(2), def);
}

int printUsage(QTextStream& err)
{
    err << "Bruk:\n"
           "  kvarnel-admin print order|offer|invoice|po|delivery|picking NUMMER --pdf FIL\n"
           "                [--heading TEKST] [--no-prices] [--cost] [--no-zero]\n"
           "  kvarnel-admin print orderlist|invoicelist --pdf FIL\n"
           "  kvarnel-admin print labels|productlist|stockstatus --pdf FIL [--filter T] [--group G] …\n"
           "  (og tilkoblingsvalgene --host, --port, --socket, --user, --password, --database)\n";
    return 2;
}

}  // namespace

int AdminPrint(const QStringList& args)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        err << "FEIL: utskrift trenger QGuiApplication (QT_QPA_PLATFORM=offscreen)\n";
        return 1;
    }
    if (AdminWords().size() < 2) return printUsage(err);
    const QString what = AdminWords()[1];
    if (what == "labels" || what == "productlist" || what == "stockstatus") {
        InitFelles();
        InitTextfil();
        return AdminProductPrint(args, what);
    }
    const bool isList = what == "orderlist" || what == "invoicelist";
    static const QStringList docs = {"order", "offer", "invoice", "po", "delivery", "picking"};
    if (!isList && !docs.contains(what)) return printUsage(err);
    const QStringList words = AdminWords();  // print WHAT [NUMBER]
    const QString number = isList ? QString() : words.value(2);
    const QString pdf = option(args, "--pdf");
    if (pdf.isEmpty() || (!isList && (number.isEmpty() || number.startsWith("--")))) return printUsage(err);

    InitFelles();
    InitTextfil();
    OpenSettingsStore();

    TDatabaseModule dm;
    if (const QString e = ConnectFromOptions(args, dm.MyConnection, option(args, "--database", PrivateServer::DefaultDatabase()));
        !e.isEmpty()) {
        err << "FEIL: " << e << "\n";
        return 1;
    }

    Dataset* ds = nullptr;
    if (what == "offer") ds = &dm.OfferTable;
    else if (what == "invoice" || what == "invoicelist") ds = &dm.InvoiceTable;
    else if (what == "po") ds = &dm.POTable;
    else ds = &dm.OrderTable;
    if (!isList) ds->setFilter("ordernumber=" + dm.MyConnection.quote(number));
    if (!ds->open()) {
        err << "FEIL: " << ds->lastError() << "\n";
        return 1;
    }
    if (!isList && ds->isEmpty()) {
        err << "FEIL: Finner ikke nummer " << number << "\n";
        return 1;
    }

    const bool noPrices = AdminFlag("no-prices"), cost = AdminFlag("cost"), noZero = AdminFlag("no-zero");
    const QString heading = option(args, "--heading");
    const bool locked = !isList && ds->asInt("pricelock") == 1;
    QString prefix;
    if (what == "order") {
        CurrentOrderID = int(ds->currentId());
        PrintPreView = OrderPrint(dm, OrderPrintOptions(heading.isEmpty() ? "ORDRE" : heading, !noPrices, cost, noZero, locked));
        prefix = "O";
    } else if (what == "offer") {
        CurrentOfferID = int(ds->currentId());
        PrintPreView = OfferPrint(dm, OfferPrintOptions(heading.isEmpty() ? "TILBUD" : heading, !noPrices, noZero, locked));
        prefix = "T";
    } else if (what == "po") {
        CurrentPOID = int(ds->currentId());
        PrintPreView = POprint(dm, POPrintOptions(heading.isEmpty() ? "BESTILLING" : heading, !noPrices, locked));
        prefix = "B";
    } else if (what == "invoice") {
        CurrentInvoiceID = int(ds->currentId());
        PrintPreView = InvoicePrint(dm);
        prefix = "F";
    } else if (what == "delivery" || what == "picking") {
        CurrentOrderID = int(ds->currentId());
        const bool note = what == "delivery";
        PrintPreView = PrintDelivery(dm, note ? DeliveryKind::DeliveryNote : DeliveryKind::PickingList);
        prefix = note ? "OP" : "OPL";
    } else {
        PrintPreView = what == "orderlist" ? OrderListPrint(dm) : InvoiceListPrint(dm);
    }
    PrinterTitle = isList ? (what == "orderlist" ? QStringLiteral("Ordreliste") : QStringLiteral("Fakturaliste"))
                          : DocumentJobTitle(prefix, number);
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
