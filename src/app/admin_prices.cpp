// kvarnel-admin: price update, price-list and discount-list import.
#include "admin_prices.h"

#include "admin_options.h"
#include "core/felles.h"
#include "core/login.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "data/connection.h"
#include "data/priceimport.h"
#include "data/privateserver.h"

#include <QJsonDocument>
#include <QJsonObject>
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

void json(const QJsonObject& o) { out() << QJsonDocument(o).toJson(QJsonDocument::Compact) << "\n"; }

void report(const ImportReport& r)
{
    QJsonObject o{{"lines", r.lines}, {"updated", r.updated}, {"inserted", r.inserted}, {"skipped", r.skipped}};
    if (!r.note.isEmpty()) o.insert("note", r.note);
    json(o);
    for (const QString& s : r.skippedLines) json(QJsonObject{{"skipped", s}});
    out().flush();
}

bool connect(const QStringList& args, Connection& conn)
{
    InitFelles();
    InitTextfil();
    OpenSettingsStore();
    if (const QString e = ConnectFromOptions(args, conn, AdminOption("database", PrivateServer::DefaultDatabase()));
        !e.isEmpty()) {
        err() << "FEIL: " << e << "\n";
        return false;
    }
    return true;
}

// "--layout 5:7,19:40,74:9,71:3,83:5": position:length of each field in
// order. Empty when the text is good (or absent); else what is wrong.
QString layoutFrom(const QString& text, std::vector<FieldPos*> fields)
{
    if (!AdminFlag(QStringLiteral("layout"))) return {};
    const QString wrong = QStringLiteral("--layout «%1» er ugyldig: ").arg(text);
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != qsizetype(fields.size()))
        return wrong + QStringLiteral("den skal ha %1 felt på formen posisjon:lengde, skilt med komma").arg(fields.size());
    std::vector<FieldPos> read;
    for (const QString& part : parts) {
        const QStringList pl = part.split(QLatin1Char(':'));
        bool ok1 = false, ok2 = false;
        const int pos = pl.value(0).trimmed().toInt(&ok1), len = pl.value(1).trimmed().toInt(&ok2);
        if (pl.size() != 2 || !ok1 || !ok2 || pos < 1 || len < 1 || pos > kMaxImportLine || len > kMaxImportLine)
            return wrong + QStringLiteral("«%1» er ikke posisjon:lengde med to hele tall fra 1 til %2")
                               .arg(part)
                               .arg(kMaxImportLine);
        read.push_back({pos, len});
    }
    for (size_t i = 0; i < fields.size(); ++i) *fields[i] = read[i];
    return {};
}

// "--supplier ID": the number of a company that exists; absent, no supplier
// (0). Empty when good; else what is wrong.
QString supplierFrom(Connection& conn, int& id)
{
    id = 0;
    if (!AdminFlag(QStringLiteral("supplier"))) return {};
    const QString text = AdminOption(QStringLiteral("supplier"));
    if (!TryStrToInt(text, id) || id < 1) {
        id = 0;
        return QStringLiteral("--supplier «%1» er ikke et firmanummer (et helt tall fra 1).").arg(text);
    }
    auto q = conn.query(QStringLiteral("SELECT 1 FROM company WHERE id=%1").arg(id));
    if (!q) return QStringLiteral("Kan ikke slå opp leverandøren: ") + conn.lastError();
    if (!q->next()) return QStringLiteral("Leverandøren %1 finnes ikke i firmaregisteret.").arg(id);
    return {};
}

int usage()
{
    err() << "Bruk:\n"
             "  kvarnel-admin prices update [--raise-cost P] [--discount V] [--direct-cost V] [--freight V]\n"
             "                              [--add-percent V] [--add-sum V] [--vat-code V] [--group G] [--supplier ID]\n"
             "  kvarnel-admin prices recalculate\n"
             "  kvarnel-admin import pricelist FIL --supplier ID --option 0|1|2 [--layout P:L,P:L,P:L,P:L,P:L] [--test]\n"
             "  kvarnel-admin import discounts FIL [--layout P:L,P:L,P:L,P:L]\n";
    err().flush();
    return 2;
}

} // namespace

int AdminPricesCommand(const QStringList& args)
{
    const QStringList w = AdminWords();
    const QString verb = w.value(1);
    if (verb != "update" && verb != "recalculate") return usage();
    Connection conn;
    if (!connect(args, conn)) return 1;
    if (verb == "recalculate") {
        if (!RecalculateAllProducts(conn)) {
            err() << "FEIL: Kan ikke rekalkulere varene: " << conn.lastError() << "\n";
            return 1;
        }
        json(QJsonObject{{"recalculated", int(conn.affectedRows())}});
        return 0;
    }
    PriceUpdate u;
    auto take = [](const char* name, bool& on, QString& value) {
        on = AdminFlag(QString::fromLatin1(name));
        value = AdminOption(QString::fromLatin1(name));
    };
    take("raise-cost", u.raiseCost, u.costPercent);
    take("discount", u.setDiscount, u.discount);
    take("direct-cost", u.setDirectCost, u.directCost);
    take("freight", u.setFreight, u.freight);
    take("add-percent", u.setAddPercent, u.addPercent);
    take("add-sum", u.setAddSum, u.addSum);
    take("vat-code", u.setVatCode, u.vatCode);
    take("group", u.forGroup, u.group);
    u.forVendor = AdminFlag(QStringLiteral("supplier"));
    if (const QString e = supplierFrom(conn, u.vendorId); !e.isEmpty()) {
        err() << "FEIL: " << e << "\n";
        return 1;
    }
    QString error;
    const int changed = RunPriceUpdate(conn, u, error);
    if (changed < 0) {
        err() << "FEIL: " << error << "\n";
        return 1;
    }
    json(QJsonObject{{"updated", changed}});
    return 0;
}

int AdminImportCommand(const QStringList& args)
{
    const QStringList w = AdminWords();
    const QString what = w.value(1), file = w.value(2);
    if ((what != "pricelist" && what != "discounts") || file.isEmpty()) return usage();
    // The options are checked before anything is opened; a wrong one is named.
    auto wrongOption = [](const QString& why) {
        err() << "FEIL: " << why << "\n";
        return usage();
    };
    PriceListLayout pl;
    DiscountListLayout dl;
    int option = 0;
    if (what == "pricelist") {
        if (const QString e = layoutFrom(AdminOption("layout"), {&pl.code, &pl.text, &pl.price, &pl.unit, &pl.group});
            !e.isEmpty())
            return wrongOption(e);
        const QString text = AdminOption("option", "0");
        if (!TryStrToInt(text, option) || option < 0 || option > 2)
            return wrongOption(QStringLiteral("--option «%1» er ugyldig; bruk 0, 1 eller 2.").arg(text));
    } else if (const QString e = layoutFrom(AdminOption("layout"), {&dl.code, &dl.discount, &dl.type, &dl.group});
               !e.isEmpty()) {
        return wrongOption(e);
    }
    Connection conn;
    if (!connect(args, conn)) return 1;
    ImportReport r;
    bool ok = false;
    if (what == "pricelist") {
        int supplier = 0;
        if (const QString e = supplierFrom(conn, supplier); !e.isEmpty()) {
            err() << "FEIL: " << e << "\n";
            return 1;
        }
        ok = ImportPriceList(conn, file, pl, PriceImportMode(option), supplier, AdminFlag("test"), r);
    } else {
        ok = ImportDiscountList(conn, file, dl, r);
    }
    if (!ok) {
        err() << "FEIL: " << r.error << "\n";
        return 1;
    }
    report(r);
    return 0;
}
