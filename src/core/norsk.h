#pragma once
// Norwegian payment and register rules: the KID (customer identification
// number on a payment), the check digit of organisation numbers, the due
// date of an invoice from its payment terms, and the company-wide settings
// these rules and the exports read.
//
// Settings (main settings file, section STANDARD; a missing key reads as
// empty text or 0):
//   KID_Aktiv                 flag: invoices get a KID
//   KID_Lengde                digits in a KID, check digit included (2 to 25; 0 or missing: 12)
//   KID_Kundesiffer           digits of the KID taken by the customer number
//                             (0 or missing: half of what is left beside the check digit)
//   KID_Algoritme             "MOD10" (missing or anything else) or "MOD11"
//   Firma_MVARegistrert       flag: the company is in the VAT register ("NO … MVA")
//   Firma_Foretaksregisteret  flag: the company is in the register of business
//                             enterprises ("Foretaksregisteret" on EHF invoices)
//   Firma_IBAN, Firma_BIC     texts: the bank account as IBAN and the bank's BIC (optional)
//   PosteringKontoLeverandorgjeld  account number of accounts payable (0 or missing: 2400)
//   EHF-mappe                 folder "Send som EHF" offers first (missing: the program folder "ehf")
// The company's name, address, organisation number and account number are
// the settings dialog's Firma_* keys.

#include <QDate>
#include <QString>

// ---- KID -------------------------------------------------------------

enum class KidAlgorithm { Mod10, Mod11 };

// The check digit of a string of digits: MOD10 (Luhn: weights 2, 1, 2, …
// from the right, digits of the products added) or MOD11 (weights 2 to 7
// repeated from the right; a remainder of 0 gives '0', of 1 gives '-').
// A null QChar when digits is empty or holds anything but 0-9.
QChar KidCheckDigit(const QString& digits, KidAlgorithm algorithm);

// Whether kid (2 to 25 characters: digits, the last one the check digit,
// which for MOD11 may be '-') is a valid KID under algorithm.
bool KidValid(const QString& kid, KidAlgorithm algorithm);

struct KidSettings {
    bool on = false;
    int length = 12;          // check digit included
    int customerDigits = 5;   // of length - 1; the invoice number takes the rest
    KidAlgorithm algorithm = KidAlgorithm::Mod10;
};
KidSettings ReadKidSettings();
// The settings as read from the keys' texts, made sensible: the length
// clamped to 2..25 (0 gives 12: five digits of customer number, six of
// invoice number and the check digit), the customer digits to 0..length-2.
KidSettings MakeKidSettings(bool on, int length, int customerDigits, const QString& algorithm);
QString KidAlgorithmName(KidAlgorithm algorithm);  // "MOD10", "MOD11"

// A KID of the customer number and the invoice number, each right-aligned
// with leading zeros in its part, then the check digit. Empty with a
// Norwegian reason in error when it cannot be made: a number that is not
// all digits, or longer than its part.
QString MakeKid(const QString& customerNumber, const QString& invoiceNumber, const KidSettings& settings,
                QString* error = nullptr);

// A KID as typed: empty text is fine (no KID); otherwise blanks are
// dropped and the rest must be a valid KID under the settings' algorithm.
// Returns the Norwegian reason for refusing it, or empty. normalized
// (when given) receives the KID without blanks.
QString CheckTypedKid(const QString& typed, const KidSettings& settings, QString* normalized = nullptr);

// ---- organisation numbers ---------------------------------------------

enum class OrgNumberStatus { Empty, Valid, WrongFormat, BadCheckDigit };

// The nine digits of an organisation number as people write it: blanks,
// dots and hyphens dropped, a leading "NO" and a trailing "MVA" taken off.
// The text that is left when it is not nine digits.
QString OrgNumberDigits(const QString& text);
// The register's MOD11 rule: nine digits, the last the check digit of the
// first eight with weights 3 2 7 6 5 4 3 2 (remainder 0 gives 0; a check
// digit of 10 makes the number invalid).
OrgNumberStatus CheckOrgNumber(const QString& text);
bool OrgNumberValid(const QString& text);
// A Norwegian warning for an organisation number that is not valid; empty
// for a valid or an empty one.
QString OrgNumberWarning(const QString& text);
// "NO 987654321 MVA" for a valid number; empty otherwise.
QString VatRegistrationText(const QString& orgNumber);

// ---- due dates ---------------------------------------------------------

// The due date of an invoice dated invoiceDate with the payment terms as
// the invoice window offers them: "Kontant" and "Omgående" the same day,
// "N dager" N days later, "Fri måned og N dager" N days after the end of
// the month. Terms that say nothing of days give defaultDays.
QDate InvoiceDueDate(const QDate& invoiceDate, const QString& paymentTerms, int defaultDays = 14);

// ---- the own company ---------------------------------------------------

struct SellerSettings {
    QString name, streetAddress, postalAddress, postalCode, city, email, phone;
    QString orgNumber;     // as stored (Firma_OrgNr)
    QString bankAccount;   // as stored (Firma_KontoNr)
    QString iban, bic;
    bool vatRegistered = false;
    bool enterpriseRegister = false;  // Foretaksregisteret
    int defaultDueDays = 14;          // FakturaDager as a number of days
};
SellerSettings ReadSellerSettings();

// The bank account number with blanks and dots dropped ("2220.11.33333" ->
// "22201133333").
QString BankAccountDigits(const QString& text);
// Accounts payable (PosteringKontoLeverandorgjeld, 2400 when unset).
int PayablesAccount();
