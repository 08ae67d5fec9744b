#include "admin_products.h"

#include "admin_options.h"
#include "admin_script.h"
#include "core/felles.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "data/datamodule.h"
#include "data/productrules.h"
#include "print/productprint.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

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

int usage()
{
    err() << "Bruk:\n"
             "  kvarnel-admin print labels --pdf FIL [--fields barcode,ean,code,text,group,price] [--barcode] [--ean]\n"
             "  kvarnel-admin print productlist --pdf FIL [--mode utpriser|kostpriser|lagerliste|lagerverdi|"
             "strekkodeliste]\n"
             "                     [--barcode] [--ean] [--double] [--separator]\n"
             "  kvarnel-admin print stockstatus --pdf FIL\n"
             "  kvarnel-admin product generate-ean [--login BRUKER]\n"
             "Utvalg for alle: [--filter TEKST] (som \"Filtrer etter ...\": 100-200 eller fritekst) [--group GRUPPE]\n"
             "  [--warehouse TABELL] og tilkoblingsvalgene.\n";
    err().flush();
    return 2;
}

// The product dataset opened on the chosen warehouse with the selection of
// --filter and --group; an error text, empty when open.
QString openProducts(TDatabaseModule& dm)
{
    Dataset& p = dm.ProductTable;
    const QString warehouse = AdminOption("warehouse", "product");
    QString error;
    if (!IsWarehouseTable(dm.MyConnection, warehouse, &error)) return error;
    p.setTableName(warehouse);
    QStringList where;
    const QString filter = AdminOption("filter");
    if (!filter.isEmpty()) where << "(" + ProductSearchCondition(filter) + ")";
    if (AdminFlag("group")) where << "productgroup=" + dm.MyConnection.quote(AdminOption("group"));
    p.setFilter(where.join(" AND "));
    p.setFirstBatch(0);
    if (!p.open()) return p.lastError();
    return {};
}

bool modeOf(const QString& text, int& mode)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (ok) {
        mode = n;
        return n >= 1 && n <= 5;
    }
    for (int m = 1; m <= 5; ++m)
        if (ProductListModeName(m).compare(text, Qt::CaseInsensitive) == 0) {
            mode = m;
            return true;
        }
    return false;
}

}  // namespace

int AdminProductPrint(const QStringList& args, const QString& what)
{
    const QString pdf = AdminOption("pdf");
    if (pdf.isEmpty()) return usage();
    TDatabaseModule dm;
    if (const QString e = AdminConnectModule(args, dm); !e.isEmpty()) {
        err() << "FEIL: " << e << "\n";
        return 1;
    }
    if (const QString e = openProducts(dm); !e.isEmpty()) {
        err() << "FEIL: " << e << "\n";
        return 1;
    }
    Dataset& p = dm.ProductTable;
    if (what == "labels") {
        LabelOptions o = LoadLabelOptions();
        if (AdminFlag("fields")) {
            const QStringList f = AdminOption("fields").split(',', Qt::SkipEmptyParts);
            static const QStringList known = {"barcode", "ean", "code", "text", "group", "price"};
            for (const QString& x : f)
                if (!known.contains(x.trimmed())) {
                    err() << "FEIL: Ukjent felt " << x << " (kjente: " << known.join(',') << ")\n";
                    return 2;
                }
            auto has = [&f](const char* n) { return f.contains(QString::fromLatin1(n)); };
            o.PrintBarcode = has("barcode");
            o.PrintBarcodeEAN = has("ean");
            o.PrintProductCode = has("code");
            o.PrintProductText = has("text");
            o.PrintProductGroup = has("group");
            o.PrintPrice = has("price");
        }
        // As for the product list: --barcode and --ean switch the barcode and
        // its number on, with or without --fields.
        if (AdminFlag("barcode")) o.PrintBarcode = true;
        if (AdminFlag("ean")) o.PrintBarcodeEAN = true;
        std::vector<LabelProduct> products;
        for (int r = 0; r < p.recordCount(); ++r) {
            p.moveTo(r);
            products.push_back(LabelProductOf(p));
        }
        if (products.empty()) {
            err() << "FEIL: Ingen varer i utvalget\n";
            return 1;
        }
        PrintPreView = ProductPrintLabels(products, o);
        PrinterTitle = QStringLiteral("ProduktEtikett");
    } else if (what == "productlist") {
        ProductListOptions o = LoadProductListOptions();
        o.FromStart = true;
        if (AdminFlag("mode") && !modeOf(AdminOption("mode"), o.Mode)) {
            err() << "FEIL: Ukjent utskrift " << AdminOption("mode") << "\n";
            return 2;
        }
        if (AdminFlag("barcode")) o.BarCode = true;
        if (AdminFlag("ean")) o.BarCodeEAN = true;
        if (AdminFlag("double")) o.DoubleFeed = true;
        if (AdminFlag("separator")) o.SeperatorLine = true;
        PrintPreView = ProductListPrint(p, o);
        PrinterTitle = ProductListModeName(o.Mode);
    } else {
        StockStatus st;
        if (!ComputeStockStatus(dm.MyConnection, p.tableName(), p.filter(), st)) {
            err() << "FEIL: " << dm.MyConnection.lastError() << "\n";
            return 1;
        }
        PrinterTitle = QStringLiteral("Varelagerstatus");
        PrintPreView = ProductStatusPrint(st, PrinterTitle);
    }
    const bool ok = PrintToPdfFile(pdf);
    PrintPreView = nopaint;
    CloseSettingsStore();
    if (!ok) {
        err() << "FEIL: Kan ikke skrive " << pdf << "\n";
        return 1;
    }
    out() << "Skrev " << QFileInfo(pdf).absoluteFilePath() << "\n";
    return 0;
}

int AdminProductCommand(const QStringList& args)
{
    const QStringList words = AdminWords();
    if (words.size() < 2 || words[1] != "generate-ean") return usage();
    InitFelles();
    InitTextfil();
    TDatabaseModule dm;
    if (const QString e = AdminConnectModule(args, dm); !e.isEmpty()) {
        err() << "FEIL: " << e << "\n";
        return 1;
    }
    if (const QString e = openProducts(dm); !e.isEmpty()) {
        err() << "FEIL: " << e << "\n";
        return 1;
    }
    int skipped = 0;
    const int n = GenerateEAN(dm, &skipped);
    CloseSettingsStore();
    if (n < 0) {
        err() << "FEIL: Kan ikke lage EAN-nummer\n";
        return 1;
    }
    out() << "EAN-nummer laget for " << n << " varer";
    if (skipped > 0) out() << " (" << skipped << " varenummer for lange)";
    out() << "\n";
    return 0;
}
