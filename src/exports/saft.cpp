#include "exports/saft.h"

#include "core/felles.h"
#include "core/norsk.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "data/connection.h"
#include "data/datamodule.h"
#include "exports/amounts.h"

#include <QSaveFile>
#include <QXmlStreamWriter>

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

struct Posting {
    qint64 id = 0;
    QDate date;
    qint64 amount = 0;  // øre
    int from = 0, to = 0;
    qint64 company = 0;
    int vatcode = 0;
    qint64 vat = 0;     // øre
    QString text, invoiceNo;
};

struct Tax {
    QString code;  // own code: U (output) or I (input) and the VAT code
    int standard = 0;
    double percent = 0;
    QString description;
};

struct LedgerLine {
    int account = 0;
    bool debit = true;
    qint64 amount = 0;
    bool hasTax = false;
    Tax tax;
    qint64 taxBase = 0, taxAmount = 0;
    qint64 customer = 0, supplier = 0;
};

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
    void writeHeader(QXmlStreamWriter& x);
    void writeMasterFiles(QXmlStreamWriter& x);
    bool writeEntries(QXmlStreamWriter& x);
    void writeParty(QXmlStreamWriter& x, const Party& p);
    void writeAddress(QXmlStreamWriter& x, const QString& street, const QString& extra, const QString& postalCode,
                      const QString& city);
    static void balance(QXmlStreamWriter& x, const char* what, qint64 ore);
    static void amount(QXmlStreamWriter& x, const char* element, qint64 ore);

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
    std::map<QString, Tax> taxes_;
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
    p.date = QDate::fromString(r.value(1).left(10), QStringLiteral("yyyy-MM-dd"));
    p.amount = ToOre(r.toDouble(2));
    p.from = int(r.toLongLong(3));
    p.to = int(r.toLongLong(4));
    p.company = r.toLongLong(5);
    p.vatcode = int(r.toLongLong(6));
    p.vat = ToOre(r.toDouble(7));
    p.text = r.value(8).trimmed();
    p.invoiceNo = r.value(9).trimmed();
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
    if (taxLine >= 0 && p.vatcode >= 0 && p.vatcode < int(VATpercent.size())) {
        LedgerLine& l = out[size_t(taxLine)];
        const Account& acc = account(l.account);
        const bool output = acc.vattype == 2 || (acc.vattype == 0 && l.account >= 3000 && l.account <= 3999);
        l.hasTax = true;
        l.tax.percent = VATpercent[size_t(p.vatcode)];
        l.tax.standard = StandardTaxCode(p.vatcode, output);
        l.tax.code = (output ? QStringLiteral("U") : QStringLiteral("I")) + QString::number(p.vatcode);
        l.tax.description = taxDescription(l.tax.standard, l.tax.percent) + QStringLiteral(" (Kvarnel mva-kode %1)").arg(p.vatcode);
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
                if (l.hasTax) taxes_.emplace(l.tax.code, l.tax);
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

void Exporter::amount(QXmlStreamWriter& x, const char* element, qint64 ore)
{
    x.writeStartElement(QString::fromLatin1(element));
    x.writeTextElement(QStringLiteral("Amount"), OreText(ore));
    x.writeEndElement();
}

void Exporter::balance(QXmlStreamWriter& x, const char* what, qint64 ore)
{
    // "Opening" or "Closing", then Debit or Credit by the sign.
    x.writeTextElement(QString::fromLatin1(what) + (ore >= 0 ? QStringLiteral("DebitBalance") : QStringLiteral("CreditBalance")),
                       OreText(ore >= 0 ? ore : -ore));
}

void Exporter::writeAddress(QXmlStreamWriter& x, const QString& street, const QString& extra, const QString& postalCode,
                            const QString& city)
{
    x.writeStartElement(QStringLiteral("Address"));
    const QString s = street.isEmpty() ? extra : street;
    if (!s.isEmpty()) x.writeTextElement(QStringLiteral("StreetName"), s);
    if (!street.isEmpty() && !extra.isEmpty()) x.writeTextElement(QStringLiteral("AdditionalAddressDetail"), extra);
    x.writeTextElement(QStringLiteral("City"), city.isEmpty() ? kNotUsed : city);
    x.writeTextElement(QStringLiteral("PostalCode"), postalCode.isEmpty() ? kNotUsed : postalCode);
    x.writeTextElement(QStringLiteral("Country"), QStringLiteral("NO"));
    x.writeEndElement();
}

void Exporter::writeHeader(QXmlStreamWriter& x)
{
    x.writeStartElement(QStringLiteral("Header"));
    x.writeTextElement(QStringLiteral("AuditFileVersion"), QStringLiteral("1.30"));
    x.writeTextElement(QStringLiteral("AuditFileCountry"), QStringLiteral("NO"));
    x.writeTextElement(QStringLiteral("AuditFileDateCreated"), QDate::currentDate().toString(Qt::ISODate));
    x.writeTextElement(QStringLiteral("SoftwareCompanyName"), QStringLiteral("Kvarnel"));
    x.writeTextElement(QStringLiteral("SoftwareID"), QStringLiteral("Kvarnel"));
    x.writeTextElement(QStringLiteral("SoftwareVersion"), QStringLiteral("6.0"));
    x.writeStartElement(QStringLiteral("Company"));
    x.writeTextElement(QStringLiteral("RegistrationNumber"), OrgNumberDigits(seller_.orgNumber));
    x.writeTextElement(QStringLiteral("Name"), seller_.name);
    writeAddress(x, seller_.streetAddress, seller_.postalAddress, seller_.postalCode, seller_.city);
    x.writeStartElement(QStringLiteral("Contact"));
    x.writeStartElement(QStringLiteral("ContactPerson"));
    const QString who = o_.contactName.trimmed();
    const qsizetype space = who.lastIndexOf(QLatin1Char(' '));
    x.writeTextElement(QStringLiteral("FirstName"), who.isEmpty() ? kNotUsed : space > 0 ? who.left(space) : who);
    x.writeTextElement(QStringLiteral("LastName"), space > 0 ? who.mid(space + 1) : kNotUsed);
    x.writeEndElement();
    if (!seller_.phone.isEmpty()) x.writeTextElement(QStringLiteral("Telephone"), seller_.phone);
    if (!seller_.email.isEmpty()) x.writeTextElement(QStringLiteral("Email"), seller_.email);
    x.writeEndElement();
    if (seller_.vatRegistered) {
        x.writeStartElement(QStringLiteral("TaxRegistration"));
        x.writeTextElement(QStringLiteral("TaxRegistrationNumber"), OrgNumberDigits(seller_.orgNumber) + QStringLiteral("MVA"));
        x.writeTextElement(QStringLiteral("TaxAuthority"), QStringLiteral("Skatteetaten"));
        x.writeEndElement();
    }
    const QString bank = !seller_.iban.isEmpty() ? seller_.iban : BankAccountDigits(seller_.bankAccount);
    if (!bank.isEmpty()) {
        x.writeStartElement(QStringLiteral("BankAccount"));
        x.writeTextElement(seller_.iban.isEmpty() ? QStringLiteral("BankAccountNumber") : QStringLiteral("IBANNumber"), bank);
        x.writeEndElement();
    }
    x.writeEndElement();  // Company
    x.writeTextElement(QStringLiteral("DefaultCurrencyCode"), QStringLiteral("NOK"));
    x.writeStartElement(QStringLiteral("SelectionCriteria"));
    x.writeTextElement(QStringLiteral("SelectionStartDate"), o_.from.toString(Qt::ISODate));
    x.writeTextElement(QStringLiteral("SelectionEndDate"), o_.to.toString(Qt::ISODate));
    x.writeEndElement();
    x.writeTextElement(QStringLiteral("HeaderComment"),
                       QStringLiteral("Posteringer %1–%2").arg(DateStr(o_.from), DateStr(o_.to)));
    x.writeTextElement(QStringLiteral("TaxAccountingBasis"), QStringLiteral("A"));
    x.writeEndElement();  // Header
}

void Exporter::writeParty(QXmlStreamWriter& x, const Party& p)
{
    if (!p.org.isEmpty()) x.writeTextElement(QStringLiteral("RegistrationNumber"), p.org);
    x.writeTextElement(QStringLiteral("Name"), p.name);
    writeAddress(x, p.street, p.postal, p.postalCode, p.city);
    if (!p.phone.isEmpty() || !p.email.isEmpty()) {
        x.writeStartElement(QStringLiteral("Contact"));
        x.writeStartElement(QStringLiteral("ContactPerson"));
        x.writeTextElement(QStringLiteral("FirstName"), kNotUsed);
        x.writeTextElement(QStringLiteral("LastName"), kNotUsed);
        x.writeEndElement();
        if (!p.phone.isEmpty()) x.writeTextElement(QStringLiteral("Telephone"), p.phone);
        if (!p.email.isEmpty()) x.writeTextElement(QStringLiteral("Email"), p.email);
        x.writeEndElement();
    }
    if (p.vat && !p.org.isEmpty()) {
        x.writeStartElement(QStringLiteral("TaxRegistration"));
        x.writeTextElement(QStringLiteral("TaxRegistrationNumber"), p.org + QStringLiteral("MVA"));
        x.writeTextElement(QStringLiteral("TaxAuthority"), QStringLiteral("Skatteetaten"));
        x.writeEndElement();
    }
}

void Exporter::writeMasterFiles(QXmlStreamWriter& x)
{
    x.writeStartElement(QStringLiteral("MasterFiles"));
    x.writeStartElement(QStringLiteral("GeneralLedgerAccounts"));
    for (const auto& [number, a] : accounts_) {
        x.writeStartElement(QStringLiteral("Account"));
        x.writeTextElement(QStringLiteral("AccountID"), QString::number(number));
        x.writeTextElement(QStringLiteral("AccountDescription"), a.name);
        // The account class of the Norwegian standard chart (NS 4102): the
        // first two digits of a four-digit account.
        if (number >= 1000 && number <= 9999)
            x.writeTextElement(QStringLiteral("StandardAccountID"), QString::number(number / 100));
        x.writeTextElement(QStringLiteral("AccountType"), QStringLiteral("GL"));
        balance(x, "Opening", a.opening);
        balance(x, "Closing", a.opening + a.debit - a.credit);
        x.writeEndElement();
        ++res_.accounts;
    }
    x.writeEndElement();

    std::map<qint64, const Party*> customers, suppliers;  // by id, for a stable order
    for (const auto& [id, p] : parties_) {
        if (p.customer || p.usedAsCustomer) customers.emplace(id, &p);
        if (p.supplier || p.usedAsSupplier) suppliers.emplace(id, &p);
    }
    x.writeStartElement(QStringLiteral("Customers"));
    for (const auto& [id, p] : customers) {
        x.writeStartElement(QStringLiteral("Customer"));
        writeParty(x, *p);
        x.writeTextElement(QStringLiteral("CustomerID"), QString::number(id));
        if (receivables_ > 0) x.writeTextElement(QStringLiteral("AccountID"), QString::number(receivables_));
        balance(x, "Opening", p->customerOpening);
        balance(x, "Closing", p->customerOpening + p->customerMovement);
        x.writeEndElement();
        ++res_.customers;
    }
    x.writeEndElement();
    x.writeStartElement(QStringLiteral("Suppliers"));
    for (const auto& [id, p] : suppliers) {
        x.writeStartElement(QStringLiteral("Supplier"));
        writeParty(x, *p);
        x.writeTextElement(QStringLiteral("SupplierID"), QString::number(id));
        x.writeTextElement(QStringLiteral("AccountID"), QString::number(payables_));
        balance(x, "Opening", p->supplierOpening);
        balance(x, "Closing", p->supplierOpening + p->supplierMovement);
        x.writeEndElement();
        ++res_.suppliers;
    }
    x.writeEndElement();

    x.writeStartElement(QStringLiteral("TaxTable"));
    x.writeStartElement(QStringLiteral("TaxTableEntry"));
    x.writeTextElement(QStringLiteral("TaxType"), QStringLiteral("MVA"));
    x.writeTextElement(QStringLiteral("Description"), QStringLiteral("Merverdiavgift"));
    for (const auto& [code, t] : taxes_) {
        x.writeStartElement(QStringLiteral("TaxCodeDetails"));
        x.writeTextElement(QStringLiteral("TaxCode"), t.code);
        x.writeTextElement(QStringLiteral("Description"), t.description);
        x.writeTextElement(QStringLiteral("TaxPercentage"), SqlNum(t.percent));
        x.writeTextElement(QStringLiteral("Country"), QStringLiteral("NO"));
        x.writeTextElement(QStringLiteral("StandardTaxCode"), QString::number(t.standard));
        x.writeTextElement(QStringLiteral("BaseRate"), QStringLiteral("100"));
        x.writeEndElement();
    }
    x.writeEndElement();
    x.writeEndElement();
    x.writeEndElement();  // MasterFiles
}

bool Exporter::writeEntries(QXmlStreamWriter& x)
{
    x.writeStartElement(QStringLiteral("GeneralLedgerEntries"));
    x.writeTextElement(QStringLiteral("NumberOfEntries"), QString::number(res_.transactions));
    x.writeTextElement(QStringLiteral("TotalDebit"), OreText(res_.totalDebitOre));
    x.writeTextElement(QStringLiteral("TotalCredit"), OreText(res_.totalCreditOre));
    x.writeStartElement(QStringLiteral("Journal"));
    x.writeTextElement(QStringLiteral("JournalID"), QStringLiteral("GL"));
    x.writeTextElement(QStringLiteral("Description"), QStringLiteral("Posteringer"));
    x.writeTextElement(QStringLiteral("Type"), QStringLiteral("GL"));

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
        const QString date = p.date.toString(Qt::ISODate);
        const QString text = p.text.isEmpty() ? QStringLiteral("Postering %1").arg(p.id) : p.text;
        x.writeStartElement(QStringLiteral("Transaction"));
        x.writeTextElement(QStringLiteral("TransactionID"), QString::number(p.id));
        x.writeTextElement(QStringLiteral("Period"), QString::number(p.date.month()));
        x.writeTextElement(QStringLiteral("PeriodYear"), QString::number(p.date.year()));
        x.writeTextElement(QStringLiteral("TransactionDate"), date);
        x.writeTextElement(QStringLiteral("Description"), text);
        x.writeTextElement(QStringLiteral("SystemEntryDate"), date);
        x.writeTextElement(QStringLiteral("GLPostingDate"), date);
        int record = 0;
        for (const LedgerLine& l : lines) {
            x.writeStartElement(QStringLiteral("Line"));
            x.writeTextElement(QStringLiteral("RecordID"), QString::number(++record));
            x.writeTextElement(QStringLiteral("AccountID"), QString::number(l.account));
            if (!p.invoiceNo.isEmpty()) x.writeTextElement(QStringLiteral("SourceDocumentID"), p.invoiceNo);
            if (l.customer) x.writeTextElement(QStringLiteral("CustomerID"), QString::number(l.customer));
            if (l.supplier) x.writeTextElement(QStringLiteral("SupplierID"), QString::number(l.supplier));
            x.writeTextElement(QStringLiteral("Description"), text);
            amount(x, l.debit ? "DebitAmount" : "CreditAmount", l.amount);
            if (l.hasTax) {
                x.writeStartElement(QStringLiteral("TaxInformation"));
                x.writeTextElement(QStringLiteral("TaxType"), QStringLiteral("MVA"));
                x.writeTextElement(QStringLiteral("TaxCode"), l.tax.code);
                x.writeTextElement(QStringLiteral("TaxPercentage"), SqlNum(l.tax.percent));
                x.writeTextElement(QStringLiteral("TaxBase"), OreText(l.taxBase));
                amount(x, "TaxAmount", l.taxAmount);
                x.writeEndElement();
            }
            x.writeEndElement();
        }
        x.writeEndElement();
        ++written;
    }
    if (c_.fetchFailed()) return false;
    if (written != res_.transactions) {
        error_ = QStringLiteral("Posteringene endret seg under eksporten (%1 mot %2).").arg(written).arg(res_.transactions);
        return false;
    }
    x.writeEndElement();  // Journal
    x.writeEndElement();  // GeneralLedgerEntries
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
    QXmlStreamWriter x(&out);
    x.setAutoFormatting(true);
    x.writeStartDocument();
    x.writeDefaultNamespace(kNs);
    x.writeStartElement(kNs, QStringLiteral("AuditFile"));
    writeHeader(x);
    writeMasterFiles(x);
    if (!writeEntries(x)) {
        out.cancelWriting();
        return fail(!error_.isEmpty() ? error_ : DbFailure(QStringLiteral("Kan ikke lese posteringene"), c_));
    }
    x.writeEndElement();
    x.writeEndDocument();
    if (x.hasError() || !out.commit()) {
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
