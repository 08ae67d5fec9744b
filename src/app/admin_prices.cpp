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

// "--layout 5:7,19:40,74:9,71:3,83:5": position:length of each field in order.
bool layoutFrom(const QString& text, std::vector<FieldPos*> fields)
{
    if (text.isEmpty()) return true;
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != qsizetype(fields.size())) return false;
    for (size_t i = 0; i < fields.size(); ++i) {
        const QStringList pl = parts[qsizetype(i)].split(QLatin1Char(':'));
        bool ok1 = false, ok2 = false;
        const int pos = pl.value(0).toInt(&ok1), len = pl.value(1).toInt(&ok2);
        if (pl.size() != 2 || !ok1 || !ok2 || pos < 1 || len < 1) return false;
        *fields[i] = {pos, len};
    }
    return true;
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
    QString supplier;
    take("supplier", u.forVendor, supplier);
    u.vendorId = supplier.toInt();
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
    Connection conn;
    if (!connect(args, conn)) return 1;
    ImportReport r;
    bool ok = false;
    if (what == "pricelist") {
        PriceListLayout l;
        if (!layoutFrom(AdminOption("layout"), {&l.code, &l.text, &l.price, &l.unit, &l.group})) return usage();
        bool okOption = false;
        const int option = AdminOption("option", "0").toInt(&okOption);
        if (!okOption || option < 0 || option > 2) return usage();
        ok = ImportPriceList(conn, file, l, PriceImportMode(option), AdminOption("supplier", "0").toInt(),
                             AdminFlag("test"), r);
    } else {
        DiscountListLayout l;
        if (!layoutFrom(AdminOption("layout"), {&l.code, &l.discount, &l.type, &l.group})) return usage();
        ok = ImportDiscountList(conn, file, l, r);
    }
    if (!ok) {
        err() << "FEIL: " << r.error << "\n";
        return 1;
    }
    report(r);
    return 0;
}
