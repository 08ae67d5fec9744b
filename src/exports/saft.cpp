#include "exports/saft.h"

#include "core/felles.h"
#include "core/norsk.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "data/connection.h"
#include "data/datamodule.h"
#include "exports/amounts.h"

#include <QSaveFile>

#include <array>
#include <map>
#include <set>
#include <unordered_map>

namespace {

const QString kNs = QStringLiteral("urn:StandardAuditFile-Taxation-Financial:NO");
// What the standard asks for where the program has nothing to say.
const QString kNotUsed = QStringLiteral("NotUsed");

struct Account {
    QString name;
    int vattype = 0;
    bool inChart = true;
    qint64 opening = 0;  // debit minus credit, in øre
    qint64 debit = 0, credit = 0;  // in the period
};

struct Party {
    QString name, org, street, postal, postalCode, city, phone, email;
    bool customer = false, supplier = false, vat = false;
    bool usedAsCustomer = false, usedAsSupplier = false;
    qint64 customerOpening = 0, customerMovement = 0;
    qint64 supplierOpening = 0, supplierMovement = 0;
};

// One posting as read; texts stay UTF-8 bytes, as they go into the file.
struct Posting {
    qint64 id = 0;
    QDate date;
    QByteArray dateIso;  // yyyy-MM-dd
    qint64 amount = 0;   // øre
    int from = 0, to = 0;
    qint64 company = 0;
    int vatcode = 0;
    qint64 vat = 0;      // øre
    QByteArray text, invoiceNo;
};

// A VAT code of the program on an output (income) or input (expense)
// account, as the file names it.
struct Tax {
    QByteArray code;  // own code: U (output) or I (input) and the VAT code
    int standard = 0;
    double percent = 0;
    QByteArray percentText;
};

// The ten codes: output 0-4, then input 0-4.
const std::array<Tax, 10>& taxKinds()
{
    static const std::array<Tax, 10> kinds = [] {
        std::array<Tax, 10> k;
        for (int out = 0; out < 2; ++out)
            for (int code = 0; code < 5; ++code) {
                Tax& t = k[size_t(out * 5 + code)];
                t.code = (out == 0 ? QByteArray("U") : QByteArray("I")) + QByteArray::number(code);
                t.standard = StandardTaxCode(code, out == 0);
                t.percent = VATpercent[size_t(code)];
                t.percentText = SqlNum(t.percent).toLatin1();
            }
        return k;
    }();
    return kinds;
}

struct LedgerLine {
    int account = 0;
    bool debit = true;
    qint64 amount = 0;
    const Tax* tax = nullptr;
    qint64 taxBase = 0, taxAmount = 0;
    qint64 customer = 0, supplier = 0;
};

// Digits of a small number without a detour through QString.
QByteArray num(qint64 n) { return QByteArray::number(n); }

bool incomeOrExpense(int account) { return account >= 3000 && account <= 8999; }

QString taxDescription(int standard, double percent)
{
    switch (standard) {
    case 0: return QStringLiteral("Ingen mva-behandling (inngående)");
    case 1: case 11: case 12: case 13:
        return QStringLiteral("Fradrag for inngående mva, %1 %").arg(SqlNum(percent));
    case 3: case 31: case 32: case 33:
        return QStringLiteral("Utgående mva, %1 %").arg(SqlNum(percent));
    case 5: return QStringLiteral("Omsetning fritatt for mva (0 %)");
    default: return QStringLiteral("Mva-kode %1").arg(standard);
    }
}

class Exporter {
public:
    Exporter(Connection& c, const SaftOptions& o) : c_(c), o_(o) {}

    SaftResult run(const QString& file);

private:
    bool readMaster();
    bool balances();
    void ledgerLines(const Posting& p, std::array<LedgerLine, 2>& out);
    bool readPosting(Result& r, Posting& p);
    void writeHeader(XmlOut& x);
    void writeMasterFiles(XmlOut& x);
    bool writeEntries(XmlOut& x);
    void writeParty(XmlOut& x, const Party& p);
    void writeAddress(XmlOut& x, const QString& street, const QString& extra, const QString& postalCode,
                      const QString& city);
    static void balance(XmlOut& x, const char* what, qint64 ore);
    static void amount(XmlOut& x, const char* element, qint64 ore);

    Account& account(int number);
    QString postingColumns() const
    {
        return QStringLiteral("id, entrydate, `sum`, from_account, to_account, companyid, vatcode, vatsum, entrytext, invoiceno");
    }

    Connection& c_;
    SaftOptions o_;
    SellerSettings seller_;
    int receivables_ = 0, payables_ = 0;
    std::map<int, Account> accounts_;
    std::unordered_map<qint64, Party> parties_;
    std::map<QByteArray, const Tax*> taxes_;  // the codes the period uses
    SaftResult res_;
    QString error_;
};

Account& Exporter::account(int number)
{
    auto it = accounts_.find(number);
    if (it != accounts_.end()) return it->second;
    Account a;
    a.name = QStringLiteral("Konto %1 (mangler i kontoplanen)").arg(number);
    a.inChart = false;
    LogLine(QStringLiteral("ADVARSEL: SAF-T: konto %1 brukes i posteringer, men finnes ikke i kontoplanen").arg(number));
    return accounts_.emplace(number, a).first->second;
}

bool Exporter::readMaster()
{
    auto a = c_.query(QStringLiteral("SELECT account, accountname, vattype FROM accounts ORDER BY account, id"));
    if (!a) return false;
    while (a->next()) {
        const int n = int(a->toLongLong(0));
        if (accounts_.count(n)) continue;  // the first row of a number names it
        Account acc;
        acc.name = a->value(1).trimmed();
        if (acc.name.isEmpty()) acc.name = QStringLiteral("Konto %1").arg(n);
        acc.vattype = int(a->toLongLong(2));
        accounts_.emplace(n, acc);
    }
    auto p = c_.query(QStringLiteral("SELECT id, companyname, orgnumber, streetaddress, postaladdress, postalcode, city, "
                                     "phone, email, customer, vendor, equipvendor, tax FROM company"));
    if (!p) return false;
    while (p->next()) {
        Party party;
        party.name = p->value(1).trimmed();
        if (party.name.isEmpty()) party.name = QStringLiteral("Firma %1").arg(p->value(0));
        if (OrgNumberValid(p->value(2))) party.org = OrgNumberDigits(p->value(2));
        party.street = p->value(3).trimmed();
        party.postal = p->value(4).trimmed();
        party.postalCode = p->value(5).trimmed();
        party.city = p->value(6).trimmed();
        party.phone = p->value(7).trimmed();
        party.email = p->value(8).trimmed();
        party.customer = p->toLongLong(9) == 1;
        party.supplier = p->toLongLong(10) == 1 || p->toLongLong(11) == 1;
        party.vat = p->toLongLong(12) == 1;
        parties_.emplace(p->toLongLong(0), party);
    }
    return true;
}

bool Exporter::readPosting(Result& r, Posting& p)
{
    p.id = r.toLongLong(0);
    // The server gives dates as yyyy-MM-dd.
    const char* d = r.rawData(1);
    if (!d || r.length(1) < 10) return false;
    auto digits = [d](int from, int n) {
        int v = 0;
        for (int i = from; i < from + n; ++i) {
            if (d[i] < '0' || d[i] > '9') return -1;
            v = v * 10 + (d[i] - '0');
        }
        return v;
    };
    p.date = QDate(digits(0, 4), digits(5, 2), digits(8, 2));
    p.dateIso = QByteArray(d, 10);
    p.amount = ToOre(r.toDouble(2));
    p.from = int(r.toLongLong(3));
    p.to = int(r.toLongLong(4));
    p.company = r.toLongLong(5);
    p.vatcode = int(r.toLongLong(6));
    p.vat = ToOre(r.toDouble(7));
    p.text = QByteArray(r.rawData(8), qsizetype(r.length(8))).trimmed();
    p.invoiceNo = QByteArray(r.rawData(9), qsizetype(r.length(9))).trimmed();
    return p.date.isValid();
}

void Exporter::ledgerLines(const Posting& p, std::array<LedgerLine, 2>& out)
{
    const bool turned = p.amount < 0;
    out[0] = LedgerLine();
    out[1] = LedgerLine();
    out[0].account = p.from;
    out[0].debit = !turned;
    out[1].account = p.to;
    out[1].debit = turned;
    out[0].amount = out[1].amount = turned ? -p.amount : p.amount;

    int taxLine = -1;
    const bool fromPL = incomeOrExpense(p.from), toPL = incomeOrExpense(p.to);
    if (fromPL && !toPL) taxLine = 0;
    else if (toPL && !fromPL) taxLine = 1;
    else if (p.vat != 0) taxLine = 0;
    if (taxLine >= 0 && p.vatcode >= 0 && p.vatcode < 5) {
        LedgerLine& l = out[size_t(taxLine)];
        const Account& acc = account(l.account);
        const bool output = acc.vattype == 2 || (acc.vattype == 0 && l.account >= 3000 && l.account <= 3999);
        l.tax = &taxKinds()[size_t((output ? 0 : 5) + p.vatcode)];
        l.taxBase = p.amount < 0 ? -p.amount : p.amount;
        l.taxAmount = p.vat < 0 ? -p.vat : p.vat;
    }
    for (LedgerLine& l : out) {
        if (p.company == 0) continue;
        const auto it = parties_.find(p.company);
        if (it == parties_.end()) continue;
        if (l.account == receivables_) l.customer = p.company;
        else if (l.account == payables_) l.supplier = p.company;
    }
}

bool Exporter::balances()
{
    auto r = c_.queryUnbuffered(QStringLiteral("SELECT %1 FROM entries WHERE entrydate<=%2")
                                    .arg(postingColumns(), SqlQuote(o_.to.toString(Qt::ISODate))));
    if (!r) return false;
    Posting p;
    std::array<LedgerLine, 2> lines;
    while (r->next()) {
        if (!readPosting(*r, p)) continue;
        const bool before = p.date < o_.from;
        ledgerLines(p, lines);
        for (const LedgerLine& l : lines) {
            const qint64 signedAmount = l.debit ? l.amount : -l.amount;
            Account& a = account(l.account);
            if (before) {
                a.opening += signedAmount;
            } else {
                (l.debit ? a.debit : a.credit) += l.amount;
                (l.debit ? res_.totalDebitOre : res_.totalCreditOre) += l.amount;
                if (l.tax) taxes_.emplace(l.tax->code, l.tax);
            }
            if (l.customer) {
                Party& party = parties_[l.customer];
                party.usedAsCustomer = true;
                (before ? party.customerOpening : party.customerMovement) += signedAmount;
            }
            if (l.supplier) {
                Party& party = parties_[l.supplier];
                party.usedAsSupplier = true;
                (before ? party.supplierOpening : party.supplierMovement) += signedAmount;
            }
        }
        if (!before) ++res_.transactions;
    }
    return !c_.fetchFailed();
}

void Exporter::amount(XmlOut& x, const char* element, qint64 ore)
{
    x.start(element);
    x.text("Amount", OreBytes(ore));
    x.end();
}

void Exporter::balance(XmlOut& x, const char* what, qint64 ore)
{
    // "Opening" or "Closing", then Debit or Credit by the sign.
    const bool opening = qstrcmp(what, "Opening") == 0;
    const char* name = ore >= 0 ? (opening ? "OpeningDebitBalance" : "ClosingDebitBalance")
                                : (opening ? "OpeningCreditBalance" : "ClosingCreditBalance");
    x.text(name, OreText(ore >= 0 ? ore : -ore));
}

void Exporter::writeAddress(XmlOut& x, const QString& street, const QString& extra, const QString& postalCode,
                            const QString& city)
{
    x.start("Address");
    const QString s = street.isEmpty() ? extra : street;
    if (!s.isEmpty()) x.text("StreetName", s);
    if (!street.isEmpty() && !extra.isEmpty()) x.text("AdditionalAddressDetail", extra);
    x.text("City", city.isEmpty() ? kNotUsed : city);
    x.text("PostalCode", postalCode.isEmpty() ? kNotUsed : postalCode);
    x.text("Country", QStringLiteral("NO"));
    x.end();
}

void Exporter::writeHeader(XmlOut& x)
{
    x.start("Header");
    x.text("AuditFileVersion", QStringLiteral("1.30"));
    x.text("AuditFileCountry", QStringLiteral("NO"));
    x.text("AuditFileDateCreated", QDate::currentDate().toString(Qt::ISODate));
    x.text("SoftwareCompanyName", QStringLiteral("Kvarnel"));
    x.text("SoftwareID", QStringLiteral("Kvarnel"));
    x.text("SoftwareVersion", QStringLiteral("6.0"));
    x.start("Company");
    x.text("RegistrationNumber", OrgNumberDigits(seller_.orgNumber));
    x.text("Name", seller_.name);
    writeAddress(x, seller_.streetAddress, seller_.postalAddress, seller_.postalCode, seller_.city);
    x.start("Contact");
    x.start("ContactPerson");
    const QString who = o_.contactName.trimmed();
    const qsizetype space = who.lastIndexOf(QLatin1Char(' '));
    x.text("FirstName", who.isEmpty() ? kNotUsed : space > 0 ? who.left(space) : who);
    x.text("LastName", space > 0 ? who.mid(space + 1) : kNotUsed);
    x.end();
    if (!seller_.phone.isEmpty()) x.text("Telephone", seller_.phone);
    if (!seller_.email.isEmpty()) x.text("Email", seller_.email);
    x.end();
    if (seller_.vatRegistered) {
        x.start("TaxRegistration");
        x.text("TaxRegistrationNumber", OrgNumberDigits(seller_.orgNumber) + QStringLiteral("MVA"));
        x.text("TaxAuthority", QStringLiteral("Skatteetaten"));
        x.end();
    }
    const QString bank = !seller_.iban.isEmpty() ? seller_.iban : BankAccountDigits(seller_.bankAccount);
    if (!bank.isEmpty()) {
        x.start("BankAccount");
        x.text(seller_.iban.isEmpty() ? "BankAccountNumber" : "IBANNumber", bank);
        x.end();
    }
    x.end();  // Company
    x.text("DefaultCurrencyCode", QStringLiteral("NOK"));
    x.start("SelectionCriteria");
    x.text("SelectionStartDate", o_.from.toString(Qt::ISODate));
    x.text("SelectionEndDate", o_.to.toString(Qt::ISODate));
    x.end();
    x.text("HeaderComment",
                       QStringLiteral("Posteringer %1–%2").arg(DateStr(o_.from), DateStr(o_.to)));
    x.text("TaxAccountingBasis", QStringLiteral("A"));
    x.end();  // Header
}

void Exporter::writeParty(XmlOut& x, const Party& p)
{
    if (!p.org.isEmpty()) x.text("RegistrationNumber", p.org);
    x.text("Name", p.name);
    writeAddress(x, p.street, p.postal, p.postalCode, p.city);
    if (!p.phone.isEmpty() || !p.email.isEmpty()) {
        x.start("Contact");
        x.start("ContactPerson");
        x.text("FirstName", kNotUsed);
        x.text("LastName", kNotUsed);
        x.end();
        if (!p.phone.isEmpty()) x.text("Telephone", p.phone);
        if (!p.email.isEmpty()) x.text("Email", p.email);
        x.end();
    }
    if (p.vat && !p.org.isEmpty()) {
        x.start("TaxRegistration");
        x.text("TaxRegistrationNumber", p.org + QStringLiteral("MVA"));
        x.text("TaxAuthority", QStringLiteral("Skatteetaten"));
        x.end();
    }
}

void Exporter::writeMasterFiles(XmlOut& x)
{
    x.start("MasterFiles");
    x.start("GeneralLedgerAccounts");
    for (const auto& [number, a] : accounts_) {
        x.start("Account");
        x.text("AccountID", QString::number(number));
        x.text("AccountDescription", a.name);
        // The account class of the Norwegian standard chart (NS 4102): the
        // first two digits of a four-digit account.
        if (number >= 1000 && number <= 9999)
            x.text("StandardAccountID", QString::number(number / 100));
        x.text("AccountType", QStringLiteral("GL"));
        balance(x, "Opening", a.opening);
        balance(x, "Closing", a.opening + a.debit - a.credit);
        x.end();
        ++res_.accounts;
    }
    x.end();

    std::map<qint64, const Party*> customers, suppliers;  // by id, for a stable order
    for (const auto& [id, p] : parties_) {
        if (p.customer || p.usedAsCustomer) customers.emplace(id, &p);
        if (p.supplier || p.usedAsSupplier) suppliers.emplace(id, &p);
    }
    x.start("Customers");
    for (const auto& [id, p] : customers) {
        x.start("Customer");
        writeParty(x, *p);
        x.text("CustomerID", QString::number(id));
        if (receivables_ > 0) x.text("AccountID", QString::number(receivables_));
        balance(x, "Opening", p->customerOpening);
        balance(x, "Closing", p->customerOpening + p->customerMovement);
        x.end();
        ++res_.customers;
    }
    x.end();
    x.start("Suppliers");
    for (const auto& [id, p] : suppliers) {
        x.start("Supplier");
        writeParty(x, *p);
        x.text("SupplierID", QString::number(id));
        x.text("AccountID", QString::number(payables_));
        balance(x, "Opening", p->supplierOpening);
        balance(x, "Closing", p->supplierOpening + p->supplierMovement);
        x.end();
        ++res_.suppliers;
    }
    x.end();

    x.start("TaxTable");
    x.start("TaxTableEntry");
    x.text("TaxType", QStringLiteral("MVA"));
    x.text("Description", QStringLiteral("Merverdiavgift"));
    for (const auto& [code, t] : taxes_) {
        x.start("TaxCodeDetails");
        x.text("TaxCode", t->code);
        x.text("Description", taxDescription(t->standard, t->percent) +
                                  QStringLiteral(" (Kvarnel mva-kode %1)").arg(QString::fromLatin1(t->code.mid(1))));
        x.text("TaxPercentage", t->percentText);
        x.text("Country", QStringLiteral("NO"));
        x.text("StandardTaxCode", num(t->standard));
        x.text("BaseRate", QStringLiteral("100"));
        x.end();
    }
    x.end();
    x.end();
    x.end();  // MasterFiles
}

bool Exporter::writeEntries(XmlOut& x)
{
    x.start("GeneralLedgerEntries");
    x.text("NumberOfEntries", QString::number(res_.transactions));
    x.text("TotalDebit", OreText(res_.totalDebitOre));
    x.text("TotalCredit", OreText(res_.totalCreditOre));
    x.start("Journal");
    x.text("JournalID", QStringLiteral("GL"));
    x.text("Description", QStringLiteral("Posteringer"));
    x.text("Type", QStringLiteral("GL"));

    auto r = c_.queryUnbuffered(QStringLiteral("SELECT %1 FROM entries WHERE entrydate BETWEEN %2 AND %3 ORDER BY entrydate, id")
                                    .arg(postingColumns(), SqlQuote(o_.from.toString(Qt::ISODate)),
                                         SqlQuote(o_.to.toString(Qt::ISODate))));
    if (!r) return false;
    Posting p;
    std::array<LedgerLine, 2> lines;
    qint64 written = 0;
    while (r->next()) {
        if (!readPosting(*r, p)) continue;
        ledgerLines(p, lines);
        const QByteArray& date = p.dateIso;
        const QByteArray text = p.text.isEmpty() ? "Postering " + num(p.id) : p.text;
        x.start("Transaction");
        x.text("TransactionID", num(p.id));
        x.text("Period", num(p.date.month()));
        x.text("PeriodYear", num(p.date.year()));
        x.text("TransactionDate", date);
        x.text("Description", text);
        x.text("SystemEntryDate", date);
        x.text("GLPostingDate", date);
        int record = 0;
        for (const LedgerLine& l : lines) {
            x.start("Line");
            x.text("RecordID", num(++record));
            x.text("AccountID", num(l.account));
            if (!p.invoiceNo.isEmpty()) x.text("SourceDocumentID", p.invoiceNo);
            if (l.customer) x.text("CustomerID", num(l.customer));
            if (l.supplier) x.text("SupplierID", num(l.supplier));
            x.text("Description", text);
            amount(x, l.debit ? "DebitAmount" : "CreditAmount", l.amount);
            if (l.tax) {
                x.start("TaxInformation");
                x.text("TaxType", QByteArrayLiteral("MVA"));
                x.text("TaxCode", l.tax->code);
                x.text("TaxPercentage", l.tax->percentText);
                x.text("TaxBase", OreBytes(l.taxBase));
                amount(x, "TaxAmount", l.taxAmount);
                x.end();
            }
            x.end();
        }
        x.end();
        ++written;
    }
    if (c_.fetchFailed()) return false;
    if (written != res_.transactions) {
        error_ = QStringLiteral("Posteringene endret seg under eksporten (%1 mot %2).").arg(written).arg(res_.transactions);
        return false;
    }
    x.end();  // Journal
    x.end();  // GeneralLedgerEntries
    return true;
}

SaftResult Exporter::run(const QString& file)
{
    auto fail = [this](const QString& why) {
        res_.ok = false;
        res_.error = why;
        LogLine(QStringLiteral("FEIL: SAF-T ikke skrevet: ") + why);
        return res_;
    };
    if (!o_.from.isValid() || !o_.to.isValid()) return fail(QStringLiteral("Perioden mangler fra- eller til-dato."));
    if (o_.from > o_.to)
        return fail(QStringLiteral("Fra-datoen %1 er etter til-datoen %2.").arg(DateStr(o_.from), DateStr(o_.to)));
    seller_ = ReadSellerSettings();
    if (seller_.name.isEmpty()) return fail(QStringLiteral("Firmanavnet mangler i Kvarnel Oppsett (Firma)."));
    if (!OrgNumberValid(seller_.orgNumber))
        return fail(QStringLiteral("Firmaets organisasjonsnummer i Kvarnel Oppsett (Firma) er ikke gyldig: «%1».")
                        .arg(seller_.orgNumber));
    {
        MainIniSection s(QStringLiteral("STANDARD"));
        receivables_ = GetRegInt(QStringLiteral("PosteringKontoFordring"));
    }
    if (receivables_ <= 0) receivables_ = 1500;
    payables_ = PayablesAccount();

    // Both readings of the postings see the same rows.
    if (!c_.exec(QStringLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ")) ||
        !c_.exec(QStringLiteral("START TRANSACTION WITH CONSISTENT SNAPSHOT")))
        return fail(DbFailure(QStringLiteral("Kan ikke lese posteringene"), c_));
    struct EndSnapshot {
        Connection& c;
        ~EndSnapshot() { c.exec(QStringLiteral("COMMIT")); }
    } endSnapshot{c_};

    res_.skippedUndated = c_.scalar(QStringLiteral("SELECT COUNT(*) FROM entries WHERE entrydate IS NULL"), "0").toLongLong();
    if (res_.skippedUndated > 0)
        LogLine(QStringLiteral("ADVARSEL: SAF-T: %1 posteringer uten dato er ikke tatt med").arg(res_.skippedUndated));
    if (!readMaster() || !balances()) return fail(DbFailure(QStringLiteral("Kan ikke lese regnskapet"), c_));

    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("Kan ikke skrive filen %1: %2").arg(file, out.errorString()));
    XmlOut x(&out);
    x.startDocument("AuditFile", kNs);
    writeHeader(x);
    writeMasterFiles(x);
    if (!writeEntries(x)) {
        out.cancelWriting();
        return fail(!error_.isEmpty() ? error_ : DbFailure(QStringLiteral("Kan ikke lese posteringene"), c_));
    }
    if (!x.finish() || !out.commit()) {
        out.cancelWriting();
        return fail(QStringLiteral("Kan ikke skrive filen %1: %2").arg(file, out.errorString()));
    }
    res_.ok = true;
    LogLine(QStringLiteral("SAF-T Financial %1–%2 skrevet til %3: %4 posteringer")
                .arg(DateStr(o_.from), DateStr(o_.to), file)
                .arg(res_.transactions));
    return res_;
}

} // namespace

int StandardTaxCode(int vatcode, bool output)
{
    // Kvarnel's codes 0-4 are 25, 13, 12, 11 and 0 per cent; 13 and 11 are
    // the older middle and raw-fish rates, reported under today's codes for
    // the middle rate (15 %) and raw fish (11,11 %).
    static const int outputCodes[5] = {3, 31, 33, 32, 5};
    static const int inputCodes[5] = {1, 11, 13, 12, 0};
    if (vatcode < 0 || vatcode > 4) return -1;
    return output ? outputCodes[vatcode] : inputCodes[vatcode];
}

SaftResult WriteSaftFinancial(Connection& c, const QString& file, const SaftOptions& options)
{
    Exporter e(c, options);
    return e.run(file);
}
