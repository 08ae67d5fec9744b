#include "contacts/contactio.h"

#include "core/cp1252.h"
#include "core/textfil.h"
#include "data/datamodule.h"
#include "data/recorddefaults.h"

#include <QFile>
#include <QHash>

namespace {

QString text(Dataset& ds, int row, int col) { return col < 0 ? QString() : ds.rowValue(row, col).toString(); }

} // namespace

VCardExportResult ExportVCardFile(Dataset& contacts, const QString& file,
                                  const std::function<void(int, int, const QString&)>& progress)
{
    VCardExportResult r;
    if (!contacts.isOpen()) {
        r.error = QStringLiteral("Kontaktlisten er ikke åpen");
        return r;
    }
    contacts.fetchRest();
    Connection* conn = contacts.connection();
    auto col = [&](const char* name) { return contacts.fieldIndex(QLatin1String(name)); };
    const int cId = col("id"), cName = col("realname"), cInit = col("initials"), cTitle = col("title"),
              cDept = col("department"), cMail = col("email"), cHomeMail = col("home_email"), cWork = col("internalphone"),
              cMobile = col("mobilephone"), cHome = col("homephone"), cUrl = col("homepage"), cPost = col("postaladdress"),
              cStreet = col("streetaddress"), cCity = col("city"), cCode = col("postalcode"), cNote = col("object_text"),
              cCompany = col("companyid");
    struct Company {
        bool found = false;
        QString name, fax, homepage;
    };
    QHash<qint64, Company> companies;
    auto company = [&](qint64 id) -> const Company& {
        auto it = companies.find(id);
        if (it != companies.end()) return *it;
        Company c;
        if (auto res = conn->query(QStringLiteral("SELECT companyname, telefax, homepage FROM company WHERE id=") +
                                   QString::number(id));
            res && res->next()) {
            c.found = true;
            c.name = res->value(0);
            c.fax = res->value(1);
            c.homepage = res->value(2);
        }
        return *companies.insert(id, c);
    };
    const int total = contacts.recordCount();
    QByteArray out;
    for (int row = 0; row < total; ++row) {
        VCardContact c;
        c.id = contacts.rowValue(row, cId).toLongLong();
        c.realname = text(contacts, row, cName);
        c.initials = text(contacts, row, cInit);
        c.title = text(contacts, row, cTitle);
        c.department = text(contacts, row, cDept);
        c.email = text(contacts, row, cMail);
        c.homeEmail = text(contacts, row, cHomeMail);
        c.workPhone = text(contacts, row, cWork);
        c.mobilePhone = text(contacts, row, cMobile);
        c.homePhone = text(contacts, row, cHome);
        c.homepage = text(contacts, row, cUrl);
        c.postalAddress = text(contacts, row, cPost);
        c.streetAddress = text(contacts, row, cStreet);
        c.city = text(contacts, row, cCity);
        c.postalCode = text(contacts, row, cCode);
        c.note = text(contacts, row, cNote);
        if (const qint64 cid = contacts.rowValue(row, cCompany).toLongLong(); cid != 0) {
            const Company& co = company(cid);
            if (co.found) {
                c.companyName = co.name;
                c.companyFax = co.fax;
                c.companyHomepage = co.homepage;
            }
        }
        out += WriteVCard(c);
        ++r.written;
        if (progress) progress(r.written, total, c.realname);
    }
    if (const int err = WriteFileAtomic(file, out); err != 0) {
        r.error = QStringLiteral("Feil under oppretting av ny fil: ") + file + QStringLiteral("  (") + QString::number(err) + ')';
        LogLine(QStringLiteral("FEIL: ") + r.error);
        r.written = 0;
        return r;
    }
    LogLine(QStringLiteral("vCard: ") + QString::number(r.written) + QStringLiteral(" kontakter skrevet til ") + file);
    return r;
}

QList<QPair<QString, QString>> ContactFieldsOf(const VCardContact& c)
{
    return {{"realname", c.realname},       {"initials", c.initials},       {"title", c.title},
            {"department", c.department},   {"email", c.email},             {"home_email", c.homeEmail},
            {"internalphone", c.workPhone}, {"mobilephone", c.mobilePhone}, {"homephone", c.homePhone},
            {"homepage", c.homepage},       {"postaladdress", c.postalAddress}, {"streetaddress", c.streetAddress},
            {"city", c.city},               {"postalcode", c.postalCode},   {"object_text", c.note}};
}

namespace {

// Sets a text field, shortened to its column with a warning when too long.
void setText(Dataset& ds, const QString& field, const QString& value, const QString& who, int& shortened)
{
    const int col = ds.fieldIndex(field);
    if (col < 0) return;
    QString v = value;
    const int max = ds.fieldInfo(col).maxChars;
    if (max > 0 && v.size() > max) {
        v.truncate(max);
        if (v.size() && v.back().isHighSurrogate()) v.chop(1);
        ++shortened;
        LogLine(QStringLiteral("ADVARSEL: vCard-import: ") + field + QStringLiteral(" for ") + who +
                QStringLiteral(" er kortet til ") + QString::number(max) + QStringLiteral(" tegn"));
    }
    ds.setValue(col, v);
}

} // namespace

VCardImportResult ImportVCardFile(TDatabaseModule& dm, const QString& file, bool createCompanies,
                                  const std::function<void(int, int, const QString&)>& progress)
{
    VCardImportResult r;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        r.error = QStringLiteral("Feil under åpning av ") + file + QStringLiteral("  (FEILNR.: ") +
                  QString::number(int(f.error())) + ')';
        LogLine(QStringLiteral("FEIL: ") + r.error);
        return r;
    }
    const QString textOfFile = DecodeVCardBytes(f.readAll());
    f.close();
    const QList<VCardContact> cards = ReadVCards(textOfFile);
    r.cards = int(cards.size());
    if (cards.isEmpty()) {
        r.error = QStringLiteral("Filen inneholder ingen kontakter (vCard): ") + file;
        return r;
    }
    Connection& conn = dm.MyConnection;
    Dataset contact(&conn, QStringLiteral("contact"));
    contact.setFilter(QStringLiteral("id=0"));
    contact.onNewRecord = [&dm](Dataset& d) { ApplyNewRecordDefaults(dm, d); };
    Dataset company(&conn, QStringLiteral("company"));
    company.setFilter(QStringLiteral("id=0"));
    company.onNewRecord = [&dm](Dataset& d) { ApplyNewRecordDefaults(dm, d); };
    if (!contact.open() || !company.open()) {
        r.error = QStringLiteral("Kan ikke åpne tabellen contact: ") + conn.lastError();
        return r;
    }
    // The table's collation compares names without regard to case.
    QHash<QString, qint64> companyIds;  // lower-case name -> id
    // Nothing is left to roll back here: the import's transaction has
    // rolled itself back when it failed.
    auto failDb = [&](const QString& what) {
        r.error = what + QStringLiteral(": ") + conn.lastError();
        LogLine(QStringLiteral("FEIL: vCard-import fra ") + file + QStringLiteral(": ") + r.error);
        r.imported = r.companiesCreated = 0;
        return r;
    };
    // Importers that may create companies take turns: the look-up of a
    // company and its insert are one step, so two workstations (or two
    // nodes of a cluster) importing the same file make each company once.
    // The turn is a row both write; a cluster refuses the later commit and
    // the whole import runs again, then finding the companies.
    const QString turn = QStringLiteral("UPDATE kv_docnumber SET highest=highest+1 WHERE tablename='vcard-firma'");
    if (createCompanies && !conn.exec(QStringLiteral("INSERT IGNORE INTO kv_docnumber (tablename, highest) VALUES "
                                                     "('vcard-firma', 0)")))
        return failDb(QStringLiteral("Kan ikke starte importen"));
    QString failed;
    auto importAll = [&]() -> bool {
        r.imported = r.companiesCreated = r.shortened = 0;
        companyIds.clear();
        auto stop = [&](const QString& what) {
            failed = what;
            return false;
        };
        if (createCompanies && !conn.exec(turn)) return stop(QStringLiteral("Kan ikke starte importen"));
        for (const VCardContact& c : cards) {
            const QString who =
                c.realname.isEmpty() ? QStringLiteral("kort ") + QString::number(r.imported + 1) : c.realname;
            qint64 companyId = 0;
            const QString name = c.companyName.trimmed();
            if (!name.isEmpty()) {
                const QString key = name.toLower();
                if (companyIds.contains(key)) {
                    companyId = companyIds.value(key);
                } else {
                    if (auto res = conn.query(QStringLiteral("SELECT id FROM company WHERE companyname=") +
                                              conn.quote(name) + QStringLiteral(" ORDER BY id LIMIT 1"));
                        res && res->next())
                        companyId = res->toLongLong(0);
                    if (companyId == 0 && createCompanies) {
                        if (!company.insert()) return stop(QStringLiteral("Kan ikke opprette firmaet ") + name);
                        setText(company, QStringLiteral("companyname"), name, name, r.shortened);
                        setText(company, QStringLiteral("telefax"), c.companyFax, name, r.shortened);
                        setText(company, QStringLiteral("homepage"), c.companyHomepage, name, r.shortened);
                        if (!company.post()) return stop(QStringLiteral("Kan ikke opprette firmaet ") + name);
                        companyId = company.currentId();
                        ++r.companiesCreated;
                    }
                    companyIds.insert(key, companyId);
                }
            }
            if (!contact.insert()) return stop(QStringLiteral("Kan ikke opprette kontakten ") + who);
            for (const auto& [field, value] : ContactFieldsOf(c)) setText(contact, field, value, who, r.shortened);
            contact.setValue(QStringLiteral("companyid"), companyId);
            if (!contact.post()) return stop(QStringLiteral("Kan ikke lagre kontakten ") + who);
            ++r.imported;
            if (progress) progress(r.imported, r.cards, c.realname);
        }
        return true;
    };
    if (!conn.transaction(importAll)) {
        if (contact.state() != Dataset::Browse) contact.cancel();
        if (company.state() != Dataset::Browse) company.cancel();
        return failDb(failed.isEmpty() ? QStringLiteral("Kan ikke fullføre importen") : failed);
    }
    LogLine(QStringLiteral("vCard: ") + QString::number(r.imported) + QStringLiteral(" kontakter lest fra ") + file +
            (r.companiesCreated ? QStringLiteral(", ") + QString::number(r.companiesCreated) + QStringLiteral(" nye firmaer")
                                : QString()));
    return r;
}
