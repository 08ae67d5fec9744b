#include "core/norsk.h"

#include "core/sysreg.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

bool allDigits(const QString& s)
{
    if (s.isEmpty()) return false;
    for (const QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

QString withoutBlanks(const QString& s)
{
    QString out;
    out.reserve(s.size());
    for (const QChar c : s)
        if (!c.isSpace()) out += c;
    return out;
}

constexpr int kMaxKid = 25;

} // namespace

// ---- KID -------------------------------------------------------------

QChar KidCheckDigit(const QString& digits, KidAlgorithm algorithm)
{
    if (!allDigits(digits)) return {};
    int sum = 0;
    int pos = 0;  // 0 for the rightmost digit
    for (qsizetype i = digits.size() - 1; i >= 0; --i, ++pos) {
        const int d = digits[i].unicode() - '0';
        if (algorithm == KidAlgorithm::Mod10) {
            int p = (pos % 2 == 0) ? d * 2 : d;
            sum += p > 9 ? p - 9 : p;
        } else {
            sum += d * (2 + pos % 6);
        }
    }
    if (algorithm == KidAlgorithm::Mod10) return QChar('0' + (10 - sum % 10) % 10);
    const int r = sum % 11;
    if (r == 0) return QLatin1Char('0');
    if (r == 1) return QLatin1Char('-');
    return QChar('0' + (11 - r));
}

bool KidValid(const QString& kid, KidAlgorithm algorithm)
{
    if (kid.size() < 2 || kid.size() > kMaxKid) return false;
    const QString body = kid.left(kid.size() - 1);
    const QChar check = KidCheckDigit(body, algorithm);
    return !check.isNull() && check == kid.back();
}

KidSettings MakeKidSettings(bool on, int length, int customerDigits, const QString& algorithm)
{
    KidSettings s;
    s.on = on;
    s.length = length <= 0 ? 12 : std::clamp(length, 2, kMaxKid);
    const int payload = s.length - 1;
    s.customerDigits = customerDigits <= 0 ? payload / 2 : std::min(customerDigits, payload - 1);
    s.algorithm = algorithm.trimmed().compare(QLatin1String("MOD11"), Qt::CaseInsensitive) == 0 ? KidAlgorithm::Mod11
                                                                                                  : KidAlgorithm::Mod10;
    return s;
}

KidSettings ReadKidSettings()
{
    MainIniSection section(QStringLiteral("STANDARD"));
    return MakeKidSettings(GetRegInt(QStringLiteral("KID_Aktiv")) != 0, GetRegInt(QStringLiteral("KID_Lengde")),
                           GetRegInt(QStringLiteral("KID_Kundesiffer")), GetRegStr(QStringLiteral("KID_Algoritme")));
}

QString KidAlgorithmName(KidAlgorithm algorithm)
{
    return algorithm == KidAlgorithm::Mod11 ? QStringLiteral("MOD11") : QStringLiteral("MOD10");
}

QString MakeKid(const QString& customerNumber, const QString& invoiceNumber, const KidSettings& settings, QString* error)
{
    auto fail = [error](const QString& why) {
        if (error) *error = why;
        return QString();
    };
    const int payload = settings.length - 1;
    const int customerWidth = std::clamp(settings.customerDigits, 0, payload - 1);
    const int invoiceWidth = payload - customerWidth;
    const QString invoice = invoiceNumber.trimmed();
    if (!allDigits(invoice))
        return fail(QStringLiteral("Fakturanummeret «%1» er ikke et tall og kan ikke brukes i KID.").arg(invoice));
    // Leading zeros say nothing; the part is filled with zeros anyway.
    QString inv = invoice;
    while (inv.size() > 1 && inv.startsWith(QLatin1Char('0'))) inv.remove(0, 1);
    if (inv.size() > invoiceWidth)
        return fail(QStringLiteral("Fakturanummeret %1 har flere sifre enn KID-oppsettet gir plass til (%2).")
                        .arg(invoice)
                        .arg(invoiceWidth));
    QString cust;
    if (customerWidth > 0) {
        const QString customer = customerNumber.trimmed();
        if (customer.isEmpty()) return fail(QStringLiteral("Kunden har ikke kundenummer, så KID kan ikke lages."));
        if (!allDigits(customer))
            return fail(QStringLiteral("Kundenummeret «%1» er ikke et tall og kan ikke brukes i KID.").arg(customer));
        cust = customer;
        while (cust.size() > 1 && cust.startsWith(QLatin1Char('0'))) cust.remove(0, 1);
        if (cust.size() > customerWidth)
            return fail(QStringLiteral("Kundenummeret %1 har flere sifre enn KID-oppsettet gir plass til (%2).")
                            .arg(customer)
                            .arg(customerWidth));
        cust = cust.rightJustified(customerWidth, QLatin1Char('0'));
    }
    const QString body = cust + inv.rightJustified(invoiceWidth, QLatin1Char('0'));
    return body + KidCheckDigit(body, settings.algorithm);
}

QString CheckTypedKid(const QString& typed, const KidSettings& settings, QString* normalized)
{
    const QString kid = withoutBlanks(typed);
    if (normalized) *normalized = kid;
    if (kid.isEmpty()) return {};
    const QString name = KidAlgorithmName(settings.algorithm);
    if (kid.size() < 2 || kid.size() > kMaxKid)
        return QStringLiteral("KID må ha fra 2 til %1 siffer.").arg(kMaxKid);
    const QString body = kid.left(kid.size() - 1);
    if (!allDigits(body) || !(kid.back().isDigit() || kid.back() == QLatin1Char('-')))
        return QStringLiteral("KID kan bare inneholde siffer (og «-» som kontrollsiffer med MOD11).");
    if (!KidValid(kid, settings.algorithm))
        return QStringLiteral("Ugyldig KID %1: kontrollsifferet stemmer ikke (%2).").arg(kid, name);
    return {};
}

// ---- organisation numbers ---------------------------------------------

QString OrgNumberDigits(const QString& text)
{
    QString s;
    for (const QChar c : text)
        if (!c.isSpace() && c != QLatin1Char('.') && c != QLatin1Char('-')) s += c;
    if (s.startsWith(QLatin1String("NO"), Qt::CaseInsensitive)) s.remove(0, 2);
    if (s.endsWith(QLatin1String("MVA"), Qt::CaseInsensitive)) s.chop(3);
    return s;
}

OrgNumberStatus CheckOrgNumber(const QString& text)
{
    if (text.trimmed().isEmpty()) return OrgNumberStatus::Empty;
    const QString d = OrgNumberDigits(text);
    if (d.size() != 9 || !allDigits(d)) return OrgNumberStatus::WrongFormat;
    static const int weights[8] = {3, 2, 7, 6, 5, 4, 3, 2};
    int sum = 0;
    for (int i = 0; i < 8; ++i) sum += (d[i].unicode() - '0') * weights[i];
    int check = 11 - sum % 11;
    if (check == 11) check = 0;
    if (check == 10 || check != d[8].unicode() - '0') return OrgNumberStatus::BadCheckDigit;
    return OrgNumberStatus::Valid;
}

bool OrgNumberValid(const QString& text) { return CheckOrgNumber(text) == OrgNumberStatus::Valid; }

QString OrgNumberWarning(const QString& text)
{
    switch (CheckOrgNumber(text)) {
    case OrgNumberStatus::WrongFormat:
        return QStringLiteral("Organisasjonsnummeret «%1» er ikke gyldig: det skal ha ni siffer.").arg(text.trimmed());
    case OrgNumberStatus::BadCheckDigit:
        return QStringLiteral("Organisasjonsnummeret «%1» er ikke gyldig: kontrollsifferet stemmer ikke.")
            .arg(text.trimmed());
    case OrgNumberStatus::Empty:
    case OrgNumberStatus::Valid: break;
    }
    return {};
}

QString VatRegistrationText(const QString& orgNumber)
{
    if (!OrgNumberValid(orgNumber)) return {};
    return QStringLiteral("NO ") + OrgNumberDigits(orgNumber) + QStringLiteral(" MVA");
}

// ---- due dates ---------------------------------------------------------

QDate InvoiceDueDate(const QDate& invoiceDate, const QString& paymentTerms, int defaultDays)
{
    if (!invoiceDate.isValid()) return {};
    const QString t = paymentTerms.trimmed().toLower();
    if (t.startsWith(QStringLiteral("kontant")) || t.startsWith(QStringLiteral("omgående"))) return invoiceDate;
    static const QRegularExpression days(QStringLiteral("(\\d{1,3})\\s*dag"));
    const QRegularExpressionMatch m = days.match(t);
    if (m.hasMatch()) {
        const int n = m.captured(1).toInt();
        if (t.contains(QStringLiteral("fri måned"))) {
            const QDate end(invoiceDate.year(), invoiceDate.month(), invoiceDate.daysInMonth());
            return end.addDays(n);
        }
        return invoiceDate.addDays(n);
    }
    return invoiceDate.addDays(std::max(0, defaultDays));
}

// ---- the own company ---------------------------------------------------

SellerSettings ReadSellerSettings()
{
    MainIniSection section(QStringLiteral("STANDARD"));
    SellerSettings s;
    auto str = [](const char* key) { return GetRegStr(QString::fromLatin1(key)).trimmed(); };
    s.name = str("Firma_Navn");
    s.streetAddress = str("Firma_GateAdresse");
    s.postalAddress = str("Firma_PostAdresse");
    s.postalCode = str("Firma_PostNr");
    s.city = str("Firma_PostSted");
    s.email = str("Firma_Epost");
    s.phone = str("Firma_Telefon");
    s.orgNumber = str("Firma_OrgNr");
    s.bankAccount = str("Firma_KontoNr");
    s.iban = withoutBlanks(str("Firma_IBAN"));
    s.bic = withoutBlanks(str("Firma_BIC"));
    s.vatRegistered = GetRegInt(QStringLiteral("Firma_MVARegistrert")) != 0;
    s.enterpriseRegister = GetRegInt(QStringLiteral("Firma_Foretaksregisteret")) != 0;
    // "14 dager", "Omgående" …: the days the payment terms of a new invoice give.
    const QDate ref(2000, 1, 1);
    s.defaultDueDays = int(ref.daysTo(InvoiceDueDate(ref, str("FakturaDager"), 14)));
    return s;
}

QString BankAccountDigits(const QString& text)
{
    QString s;
    for (const QChar c : text)
        if (!c.isSpace() && c != QLatin1Char('.') && c != QLatin1Char('-')) s += c;
    return s;
}

int PayablesAccount()
{
    MainIniSection section(QStringLiteral("STANDARD"));
    const int a = GetRegInt(QStringLiteral("PosteringKontoLeverandorgjeld"));
    return a > 0 ? a : 2400;
}
