#include "exports/ehf.h"

#include "core/felles.h"
#include "core/norsk.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "data/connection.h"
#include "data/datamodule.h"
#include "data/invoicekid.h"
#include "exports/amounts.h"
#include "print/printunit.h"
#include "print/utskrift.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QXmlStreamWriter>

#include <map>
#include <vector>

namespace {

const QString kInvoiceNs = QStringLiteral("urn:oasis:names:specification:ubl:schema:xsd:Invoice-2");
const QString kCreditNoteNs = QStringLiteral("urn:oasis:names:specification:ubl:schema:xsd:CreditNote-2");
const QString kCac = QStringLiteral("urn:oasis:names:specification:ubl:schema:xsd:CommonAggregateComponents-2");
const QString kCbc = QStringLiteral("urn:oasis:names:specification:ubl:schema:xsd:CommonBasicComponents-2");
const QString kCustomization =
    QStringLiteral("urn:cen.eu:en16931:2017#compliant#urn:fdc:peppol.eu:2017:poacc:billing:3.0");
const QString kProfile = QStringLiteral("urn:fdc:peppol.eu:2017:poacc:billing:01:1.0");
// Electronic address scheme of the Norwegian register of legal entities.
const QString kOrgScheme = QStringLiteral("0192");

struct Party {
    QString name, street, additionalStreet, city, postalCode, country = QStringLiteral("NO");
    QString org;    // nine digits
    QString vatId;  // "NO…MVA" when VAT registered
    bool enterpriseRegister = false;
    QString contactName, phone, email;
};

struct TaxCategory {
    QString id;  // S, Z or O
    double percent = 0;
    qint64 taxable = 0;
    qint64 tax = 0;
};

struct Line {
    QString name, sellersId, gtin, unit, note;
    double quantity = 0;
    double price = 0;  // net unit price, never negative
    qint64 amount = 0;
    size_t category = 0;
};

struct Document {
    bool credit = false;
    QString number, issueDate, dueDate, deliveryDate, currency, note, buyerReference, orderReference, kid, terms;
    Party seller, buyer;
    std::vector<Line> lines;
    std::vector<TaxCategory> categories;
    qint64 lineTotal = 0, taxTotal = 0;
    QString account, bic;
    QByteArray pdf;
    QString pdfName;
};

QString iso(const QDate& d) { return d.isValid() ? d.toString(QStringLiteral("yyyy-MM-dd")) : QString(); }

QDate dateOf(const QString& sqlValue) { return QDate::fromString(sqlValue.left(10), QStringLiteral("yyyy-MM-dd")); }

// The category of a VAT code and its place in doc.categories.
bool categoryOf(Document& doc, qint64 vatcode, bool vatRegistered, size_t& index, QString& error)
{
    if (vatcode < 0 || vatcode >= qint64(VATpercent.size())) {
        error = QStringLiteral("ugyldig MVA-kode %1").arg(vatcode);
        return false;
    }
    const double rate = VATpercent[size_t(vatcode)];
    TaxCategory want;
    if (!vatRegistered) {
        if (rate != 0) {
            error = QStringLiteral("MVA-kode %1 (%2 %), men firmaet er ikke registrert i Merverdiavgiftsregisteret")
                        .arg(vatcode)
                        .arg(SqlNum(rate));
            return false;
        }
        want.id = QStringLiteral("O");
    } else if (rate > 0) {
        want.id = QStringLiteral("S");
        want.percent = rate;
    } else {
        want.id = QStringLiteral("Z");
    }
    for (size_t i = 0; i < doc.categories.size(); ++i)
        if (doc.categories[i].id == want.id && doc.categories[i].percent == want.percent) {
            index = i;
            return true;
        }
    doc.categories.push_back(want);
    index = doc.categories.size() - 1;
    return true;
}

Party sellerParty(const SellerSettings& s)
{
    Party p;
    p.name = s.name;
    p.street = s.streetAddress.isEmpty() ? s.postalAddress : s.streetAddress;
    p.additionalStreet = s.streetAddress.isEmpty() ? QString() : s.postalAddress;
    p.postalCode = s.postalCode;
    p.city = s.city;
    p.org = OrgNumberDigits(s.orgNumber);
    if (s.vatRegistered) p.vatId = QStringLiteral("NO") + p.org + QStringLiteral("MVA");
    p.enterpriseRegister = s.enterpriseRegister;
    p.phone = s.phone;
    p.email = s.email;
    return p;
}

// Reads what the file needs; false with the reason when it cannot be sent.
bool readDocument(Connection& c, qint64 invoiceId, Document& doc, QString& error)
{
    const SellerSettings seller = ReadSellerSettings();
    if (seller.name.isEmpty()) {
        error = QStringLiteral("Firmanavnet mangler i Kvarnel Oppsett (Firma).");
        return false;
    }
    if (!OrgNumberValid(seller.orgNumber)) {
        error = QStringLiteral("Firmaets organisasjonsnummer i Kvarnel Oppsett (Firma) er ikke gyldig: «%1».")
                    .arg(seller.orgNumber);
        return false;
    }
    doc.seller = sellerParty(seller);

    const bool hasKid = HasKidColumn(c);
    auto r = c.query(QStringLiteral("SELECT i.ordernumber, i.orderdate, i.deliverydate, i.payment, i.currency, i.subject, "
                                    "i.pricelock, i.lockedprice, i.pricelocktext, i.vatcode, %1, "
                                    "c.id, c.companyname, c.orgnumber, c.streetaddress, c.postaladdress, c.postalcode, "
                                    "c.city, c.tax, c.email, c.custno, k.realname, k.email "
                                    "FROM invoice i LEFT JOIN company c ON c.id=i.companyid "
                                    "LEFT JOIN contact k ON k.id=i.external_contact WHERE i.id=%2")
                         .arg(hasKid ? QStringLiteral("i.kid") : QStringLiteral("''"))
                         .arg(invoiceId));
    if (!r) {
        error = DbFailure(QStringLiteral("Kan ikke lese fakturaen"), c);
        return false;
    }
    if (!r->next()) {
        error = QStringLiteral("Finner ikke fakturaen.");
        return false;
    }
    doc.number = r->value(0).trimmed();
    const QDate issued = dateOf(r->value(1));
    const QDate delivered = dateOf(r->value(2));
    doc.terms = r->value(3).trimmed();
    doc.currency = r->value(4).trimmed().toUpper();
    if (doc.currency.isEmpty()) doc.currency = QStringLiteral("NOK");
    doc.note = r->value(5).trimmed();
    const bool pricelock = r->toLongLong(6) == 1;
    const double lockedprice = r->toDouble(7);
    const QString locktext = r->value(8).trimmed();
    const qint64 docVatcode = r->toLongLong(9);
    doc.kid = r->value(10).trimmed();
    const bool hasCompany = !r->isNull(11);
    Party& b = doc.buyer;
    b.name = r->value(12).trimmed();
    b.org = OrgNumberDigits(r->value(13));
    const QString buyerOrgText = r->value(13).trimmed();
    b.street = r->value(14).trimmed();
    b.additionalStreet = r->value(15).trimmed();
    if (b.street.isEmpty()) std::swap(b.street, b.additionalStreet);
    b.postalCode = r->value(16).trimmed();
    b.city = r->value(17).trimmed();
    const bool buyerVat = r->toLongLong(18) == 1;
    const QString companyEmail = r->value(19).trimmed();
    const QString custno = r->value(20).trimmed();
    b.contactName = r->value(21).trimmed();
    b.email = r->value(22).trimmed().isEmpty() ? companyEmail : r->value(22).trimmed();
    r.reset();

    if (doc.number.isEmpty()) {
        error = QStringLiteral("Fakturaen har ikke fakturanummer.");
        return false;
    }
    if (!issued.isValid()) {
        error = QStringLiteral("Faktura %1 har ingen fakturadato.").arg(doc.number);
        return false;
    }
    if (!hasCompany) {
        error = QStringLiteral("Faktura %1 har ingen kunde.").arg(doc.number);
        return false;
    }
    if (!OrgNumberValid(buyerOrgText)) {
        error = QStringLiteral("Kunden %1 har ikke gyldig organisasjonsnummer («%2»), og EHF sendes til "
                               "organisasjonsnummeret.")
                    .arg(b.name, buyerOrgText);
        return false;
    }
    if (b.name.isEmpty()) b.name = b.org;
    if (buyerVat) b.vatId = QStringLiteral("NO") + b.org + QStringLiteral("MVA");
    doc.issueDate = iso(issued);
    doc.dueDate = iso(InvoiceDueDate(issued, doc.terms, seller.defaultDueDays));
    doc.deliveryDate = iso(delivered);
    // The buyer's reference: their contact person, else their customer number
    // with us; Peppol asks for one of it or an order number.
    doc.buyerReference = !b.contactName.isEmpty() ? b.contactName : !custno.isEmpty() ? custno : doc.number;

    auto lines = c.query(QStringLiteral("SELECT productcode, producttext, EAN, itemcount, price, discount, `sum`, VATcode, "
                                        "piece, customerorder FROM items WHERE invoiceid=%1 "
                                        "ORDER BY mark, productcode, producttext, id")
                             .arg(invoiceId));
    if (!lines) {
        error = DbFailure(QStringLiteral("Kan ikke lese varelinjene"), c);
        return false;
    }
    QString why;
    int n = 0;
    while (lines->next()) {
        ++n;
        if (doc.orderReference.isEmpty()) doc.orderReference = lines->value(9).trimmed();
        if (pricelock) continue;
        Line l;
        l.sellersId = lines->value(0).trimmed();
        l.name = lines->value(1).trimmed();
        if (l.name.isEmpty()) l.name = l.sellersId.isEmpty() ? QStringLiteral("Vare") : l.sellersId;
        if (IsGtin(lines->value(2).trimmed())) l.gtin = lines->value(2).trimmed();
        l.quantity = lines->toDouble(3);
        const double price = lines->toDouble(4);
        const double discount = lines->toDouble(5);
        l.amount = ToOre(lines->toDouble(6));
        l.price = price - price * discount / 100;
        if (discount != 0) l.note = QStringLiteral("Rabatt %1 %").arg(SqlNum(discount));
        l.unit = UnitCode(lines->value(8));
        if (!categoryOf(doc, lines->toLongLong(7), seller.vatRegistered, l.category, why)) {
            error = QStringLiteral("Varelinje %1 (%2) kan ikke sendes: %3.").arg(n).arg(l.name, why);
            return false;
        }
        doc.lines.push_back(l);
    }
    if (pricelock) {
        Line l;
        l.name = !locktext.isEmpty() ? locktext : !doc.note.isEmpty() ? doc.note : QStringLiteral("Fast pris");
        l.quantity = 1;
        l.price = lockedprice;
        l.amount = ToOre(lockedprice);
        l.unit = QStringLiteral("EA");
        if (!categoryOf(doc, docVatcode, seller.vatRegistered, l.category, why)) {
            error = QStringLiteral("Faktura %1 kan ikke sendes: %2.").arg(doc.number, why);
            return false;
        }
        doc.lines.push_back(l);
    }
    if (doc.lines.empty()) {
        error = QStringLiteral("Faktura %1 har ingen varelinjer.").arg(doc.number);
        return false;
    }
    // A price below zero is a negative quantity at a positive price.
    for (Line& l : doc.lines)
        if (l.price < 0) {
            l.price = -l.price;
            l.quantity = -l.quantity;
        }

    for (const Line& l : doc.lines) {
        doc.lineTotal += l.amount;
        doc.categories[l.category].taxable += l.amount;
    }
    for (TaxCategory& t : doc.categories) {
        t.tax = ToOre(double(t.taxable) * t.percent / 10000.0);
        doc.taxTotal += t.tax;
    }
    // A negative invoice is a credit note with the signs turned.
    doc.credit = doc.lineTotal + doc.taxTotal < 0;
    if (doc.credit) {
        doc.lineTotal = -doc.lineTotal;
        doc.taxTotal = -doc.taxTotal;
        for (Line& l : doc.lines) {
            l.amount = -l.amount;
            l.quantity = -l.quantity;
        }
        for (TaxCategory& t : doc.categories) {
            t.taxable = -t.taxable;
            t.tax = -t.tax;
        }
    }
    doc.account = !seller.iban.isEmpty() ? seller.iban : BankAccountDigits(seller.bankAccount);
    doc.bic = seller.bic;
    return true;
}

class Writer {
public:
    Writer(QIODevice* out, const Document& doc) : x_(out), d_(doc) { x_.setAutoFormatting(true); }

    bool write()
    {
        const QString root = d_.credit ? QStringLiteral("CreditNote") : QStringLiteral("Invoice");
        x_.writeStartDocument();
        x_.writeNamespace(kCac, QStringLiteral("cac"));
        x_.writeNamespace(kCbc, QStringLiteral("cbc"));
        x_.writeDefaultNamespace(d_.credit ? kCreditNoteNs : kInvoiceNs);
        x_.writeStartElement(d_.credit ? kCreditNoteNs : kInvoiceNs, root);
        cbc("CustomizationID", kCustomization);
        cbc("ProfileID", kProfile);
        cbc("ID", d_.number);
        cbc("IssueDate", d_.issueDate);
        if (!d_.credit) cbc("DueDate", d_.dueDate);
        cbc(d_.credit ? "CreditNoteTypeCode" : "InvoiceTypeCode", d_.credit ? "381" : "380");
        if (!d_.note.isEmpty()) cbc("Note", d_.note);
        cbc("DocumentCurrencyCode", d_.currency);
        cbc("BuyerReference", d_.buyerReference);
        if (!d_.orderReference.isEmpty()) {
            cac("OrderReference");
            cbc("ID", d_.orderReference);
            end();
        }
        if (!d_.pdf.isEmpty()) {
            cac("AdditionalDocumentReference");
            cbc("ID", QStringLiteral("F") + d_.number);
            cbc("DocumentDescription", (d_.credit ? QStringLiteral("Kreditnota ") : QStringLiteral("Faktura ")) + d_.number);
            cac("Attachment");
            x_.writeStartElement(kCbc, QStringLiteral("EmbeddedDocumentBinaryObject"));
            x_.writeAttribute(QStringLiteral("mimeCode"), QStringLiteral("application/pdf"));
            x_.writeAttribute(QStringLiteral("filename"), d_.pdfName);
            x_.writeCharacters(QString::fromLatin1(d_.pdf.toBase64()));
            x_.writeEndElement();
            end();
            end();
        }
        cac("AccountingSupplierParty");
        party(d_.seller, true);
        end();
        cac("AccountingCustomerParty");
        party(d_.buyer, false);
        end();
        if (!d_.deliveryDate.isEmpty()) {
            cac("Delivery");
            cbc("ActualDeliveryDate", d_.deliveryDate);
            end();
        }
        if (!d_.account.isEmpty()) {
            cac("PaymentMeans");
            x_.writeStartElement(kCbc, QStringLiteral("PaymentMeansCode"));
            x_.writeAttribute(QStringLiteral("name"), QStringLiteral("Credit transfer"));
            x_.writeCharacters(QStringLiteral("30"));
            x_.writeEndElement();
            if (d_.credit) cbc("PaymentDueDate", d_.dueDate);
            if (!d_.kid.isEmpty()) cbc("PaymentID", d_.kid);
            cac("PayeeFinancialAccount");
            cbc("ID", d_.account);
            if (!d_.bic.isEmpty()) {
                cac("FinancialInstitutionBranch");
                cbc("ID", d_.bic);
                end();
            }
            end();
            end();
        }
        if (!d_.terms.isEmpty()) {
            cac("PaymentTerms");
            cbc("Note", d_.terms);
            end();
        }
        cac("TaxTotal");
        amount("TaxAmount", d_.taxTotal);
        for (const TaxCategory& t : d_.categories) {
            cac("TaxSubtotal");
            amount("TaxableAmount", t.taxable);
            amount("TaxAmount", t.tax);
            category("TaxCategory", t);
            end();
        }
        end();
        cac("LegalMonetaryTotal");
        amount("LineExtensionAmount", d_.lineTotal);
        amount("TaxExclusiveAmount", d_.lineTotal);
        amount("TaxInclusiveAmount", d_.lineTotal + d_.taxTotal);
        amount("PayableAmount", d_.lineTotal + d_.taxTotal);
        end();
        int id = 0;
        for (const Line& l : d_.lines) line(++id, l);
        x_.writeEndElement();
        x_.writeEndDocument();
        return !x_.hasError();
    }

private:
    void cbc(const char* name, const QString& value) { x_.writeTextElement(kCbc, QString::fromLatin1(name), value); }
    void cac(const char* name) { x_.writeStartElement(kCac, QString::fromLatin1(name)); }
    void end() { x_.writeEndElement(); }
    void amount(const char* name, qint64 ore)
    {
        x_.writeStartElement(kCbc, QString::fromLatin1(name));
        x_.writeAttribute(QStringLiteral("currencyID"), d_.currency);
        x_.writeCharacters(OreText(ore));
        x_.writeEndElement();
    }
    void withScheme(const char* name, const QString& scheme, const QString& value)
    {
        x_.writeStartElement(kCbc, QString::fromLatin1(name));
        x_.writeAttribute(QStringLiteral("schemeID"), scheme);
        x_.writeCharacters(value);
        x_.writeEndElement();
    }
    void category(const char* element, const TaxCategory& t)
    {
        cac(element);
        cbc("ID", t.id);
        if (t.id != QLatin1String("O")) cbc("Percent", SqlNum(t.percent));
        if (t.id == QLatin1String("O") && QLatin1String(element) == QLatin1String("TaxCategory"))
            cbc("TaxExemptionReason", QStringLiteral("Selger er ikke registrert i Merverdiavgiftsregisteret"));
        cac("TaxScheme");
        cbc("ID", QStringLiteral("VAT"));
        end();
        end();
    }
    void party(const Party& p, bool seller)
    {
        cac("Party");
        withScheme("EndpointID", kOrgScheme, p.org);
        cac("PartyName");
        cbc("Name", p.name);
        end();
        cac("PostalAddress");
        if (!p.street.isEmpty()) cbc("StreetName", p.street);
        if (!p.additionalStreet.isEmpty()) cbc("AdditionalStreetName", p.additionalStreet);
        if (!p.city.isEmpty()) cbc("CityName", p.city);
        if (!p.postalCode.isEmpty()) cbc("PostalZone", p.postalCode);
        cac("Country");
        cbc("IdentificationCode", p.country);
        end();
        end();
        if (!p.vatId.isEmpty()) {
            cac("PartyTaxScheme");
            cbc("CompanyID", p.vatId);
            cac("TaxScheme");
            cbc("ID", QStringLiteral("VAT"));
            end();
            end();
        }
        if (seller && p.enterpriseRegister) {
            cac("PartyTaxScheme");
            cbc("CompanyID", QStringLiteral("Foretaksregisteret"));
            cac("TaxScheme");
            cbc("ID", QStringLiteral("TAX"));
            end();
            end();
        }
        cac("PartyLegalEntity");
        cbc("RegistrationName", p.name);
        withScheme("CompanyID", kOrgScheme, p.org);
        end();
        if (!p.contactName.isEmpty() || !p.phone.isEmpty() || !p.email.isEmpty()) {
            cac("Contact");
            if (!p.contactName.isEmpty()) cbc("Name", p.contactName);
            if (!p.phone.isEmpty()) cbc("Telephone", p.phone);
            if (!p.email.isEmpty()) cbc("ElectronicMail", p.email);
            end();
        }
        end();
    }
    void line(int id, const Line& l)
    {
        cac(d_.credit ? "CreditNoteLine" : "InvoiceLine");
        cbc("ID", QString::number(id));
        if (!l.note.isEmpty()) cbc("Note", l.note);
        x_.writeStartElement(kCbc, d_.credit ? QStringLiteral("CreditedQuantity") : QStringLiteral("InvoicedQuantity"));
        x_.writeAttribute(QStringLiteral("unitCode"), l.unit);
        x_.writeCharacters(SqlNum(l.quantity));
        x_.writeEndElement();
        amount("LineExtensionAmount", l.amount);
        cac("Item");
        cbc("Name", l.name);
        if (!l.sellersId.isEmpty()) {
            cac("SellersItemIdentification");
            cbc("ID", l.sellersId);
            end();
        }
        if (!l.gtin.isEmpty()) {
            cac("StandardItemIdentification");
            withScheme("ID", QStringLiteral("0160"), l.gtin);
            end();
        }
        category("ClassifiedTaxCategory", d_.categories[l.category]);
        end();
        cac("Price");
        x_.writeStartElement(kCbc, QStringLiteral("PriceAmount"));
        x_.writeAttribute(QStringLiteral("currencyID"), d_.currency);
        x_.writeCharacters(SqlNum(l.price));
        x_.writeEndElement();
        end();
        end();
    }

    QXmlStreamWriter x_;
    const Document& d_;
};

} // namespace

bool IsGtin(const QString& text)
{
    const qsizetype n = text.size();
    if (n != 8 && n != 12 && n != 13 && n != 14) return false;
    int sum = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
        if (i == n - 1) break;
        // Weights 3, 1, 3, … from the digit left of the check digit.
        sum += (c.unicode() - '0') * (((n - 2 - i) % 2 == 0) ? 3 : 1);
    }
    return (10 - sum % 10) % 10 == text[n - 1].unicode() - '0';
}

QString UnitCode(const QString& unit)
{
    static const std::map<QString, QString> codes = {
        {"stk", "EA"},   {"stykk", "EA"}, {"st", "EA"},   {"pcs", "EA"},  {"ea", "EA"},   {"t", "HUR"},
        {"time", "HUR"}, {"timer", "HUR"}, {"tim", "HUR"}, {"h", "HUR"},   {"kg", "KGM"},  {"g", "GRM"},
        {"m", "MTR"},    {"meter", "MTR"}, {"km", "KMT"},  {"m2", "MTK"},  {"m²", "MTK"},  {"m3", "MTQ"},
        {"m³", "MTQ"},   {"l", "LTR"},    {"liter", "LTR"}, {"pk", "PK"},  {"pakke", "PK"}, {"ds", "CT"},
        {"eske", "CT"},  {"sett", "SET"}, {"par", "PR"},   {"døgn", "DAY"}, {"dag", "DAY"}, {"dager", "DAY"},
        {"mnd", "MON"},  {"måned", "MON"}, {"år", "ANN"},  {"km/t", "KMH"}, {"rull", "RO"},  {"tonn", "TNE"}};
    const QString key = unit.trimmed().toLower().remove(QLatin1Char('.'));
    const auto it = codes.find(key);
    return it == codes.end() ? QStringLiteral("EA") : it->second;
}

QString EhfFileName(const QString& invoiceNumber)
{
    QString name = QStringLiteral("F") + invoiceNumber.trimmed() + QStringLiteral(".xml");
    for (QChar& ch : name)
        if (ch == QLatin1Char('/') || ch == QLatin1Char('\\') || ch == QChar(0) || ch == QLatin1Char(':'))
            ch = QLatin1Char('_');
    return name;
}

EhfResult WriteEhfInvoice(Connection& c, qint64 invoiceId, const QString& file, const QByteArray& pdf,
                          const QString& pdfName)
{
    EhfResult res;
    Document doc;
    if (!readDocument(c, invoiceId, doc, res.error)) {
        LogLine(QStringLiteral("FEIL: EHF ikke skrevet: ") + res.error);
        return res;
    }
    doc.pdf = pdf;
    doc.pdfName = pdfName.isEmpty() ? QStringLiteral("F") + doc.number + QStringLiteral(".pdf") : pdfName;
    res.invoiceNumber = doc.number;
    res.creditNote = doc.credit;
    res.payableOre = doc.lineTotal + doc.taxTotal;

    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        res.error = QStringLiteral("Kan ikke skrive filen %1: %2").arg(file, out.errorString());
        LogLine(QStringLiteral("FEIL: ") + res.error);
        return res;
    }
    Writer w(&out, doc);
    if (!w.write() || !out.commit()) {
        out.cancelWriting();
        res.error = QStringLiteral("Kan ikke skrive filen %1: %2").arg(file, out.errorString());
        LogLine(QStringLiteral("FEIL: ") + res.error);
        return res;
    }
    res.ok = true;
    LogLine(QStringLiteral("EHF-%1 %2 skrevet til %3")
                .arg(doc.credit ? QStringLiteral("kreditnota") : QStringLiteral("faktura"), doc.number, file));
    return res;
}

EhfResult ExportInvoiceAsEhf(TDatabaseModule& dm, const QString& file)
{
    EhfResult res;
    Dataset& inv = dm.InvoiceTable;
    if (!inv.isOpen() || inv.isEmpty()) {
        res.error = QStringLiteral("Ingen faktura er valgt.");
        return res;
    }
    if (inv.state() != Dataset::Browse && !inv.post()) {
        res.error = QStringLiteral("Fakturaen kan ikke lagres: ") + inv.lastError();
        return res;
    }
    const qint64 id = inv.currentId();
    const QString number = inv.asString(QStringLiteral("ordernumber")).trimmed();
    QString error;
    const KidSettings kid = ReadKidSettings();
    if (kid.on) {
        const bool had = inv.hasField(QStringLiteral("kid")) && !inv.asString(QStringLiteral("kid")).trimmed().isEmpty();
        EnsureInvoiceKid(dm.MyConnection, id, kid, &error);
        if (!error.isEmpty()) {
            res.error = error;
            return res;
        }
        if (!had) inv.refreshRow();
    }
    // The printout as the customer would get it on paper.
    QTemporaryDir tmp;
    const QString pdfName = QStringLiteral("F") + number + QStringLiteral(".pdf");
    const QString pdfPath = tmp.path() + QStringLiteral("/invoice.pdf");
    const PrintProc before = PrintPreView;
    const QString title = PrinterTitle;
    CurrentInvoiceID = int(id);
    PrintPreView = InvoicePrint(dm);
    PrinterTitle = DocumentJobTitle(QStringLiteral("F"), number);
    const bool printed = tmp.isValid() && PrintToPdfFile(pdfPath);
    PrintPreView = before;
    PrinterTitle = title;
    QByteArray pdf;
    QFile f(pdfPath);
    if (!printed || !f.open(QIODevice::ReadOnly) || (pdf = f.readAll()).isEmpty()) {
        res.error = QStringLiteral("Fakturaen kunne ikke skrives ut til PDF for EHF-vedlegget.");
        LogLine(QStringLiteral("FEIL: ") + res.error);
        return res;
    }
    return WriteEhfInvoice(dm.MyConnection, id, file, pdf, pdfName);
}
