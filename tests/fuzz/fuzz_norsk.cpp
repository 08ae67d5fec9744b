// Typed KIDs, organisation numbers and payment terms: whatever is typed,
// a KID accepted is a valid KID, a KID made is valid and as long as the
// settings say, and a valid organisation number is nine digits.
#include "core/norsk.h"
#include "fuzz_check.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const int length = size > 0 ? data[0] % 30 : 10;
    const int customer = size > 1 ? data[1] % 30 : 0;
    for (const char* alg : {"MOD10", "MOD11"}) {
        const KidSettings s = MakeKidSettings(true, length, customer, QString::fromLatin1(alg));
        FUZZ_CHECK(s.length >= 2 && s.length <= 25);
        FUZZ_CHECK(s.customerDigits >= 0 && s.customerDigits <= s.length - 2);
        QString normalized;
        if (CheckTypedKid(text, s, &normalized).isEmpty() && !normalized.isEmpty())
            FUZZ_CHECK(KidValid(normalized, s.algorithm));
        // The text split in two as the customer and invoice numbers.
        const qsizetype half = text.size() / 2;
        QString error;
        const QString kid = MakeKid(text.left(half), text.mid(half), s, &error);
        if (kid.isEmpty()) {
            FUZZ_CHECK(!error.isEmpty());
        } else {
            FUZZ_CHECK(kid.size() == s.length);
            FUZZ_CHECK(KidValid(kid, s.algorithm));
        }
        KidCheckDigit(text, s.algorithm);
    }
    const OrgNumberStatus st = CheckOrgNumber(text);
    if (st == OrgNumberStatus::Valid) {
        const QString d = OrgNumberDigits(text);
        FUZZ_CHECK(d.size() == 9);
        FUZZ_CHECK(VatRegistrationText(text) == QStringLiteral("NO ") + d + QStringLiteral(" MVA"));
    }
    FUZZ_CHECK(OrgNumberWarning(text).isEmpty() == (st == OrgNumberStatus::Valid || st == OrgNumberStatus::Empty));
    FUZZ_CHECK(InvoiceDueDate(QDate(2026, 1, 31), text).isValid());
    BankAccountDigits(text);
    return 0;
}
