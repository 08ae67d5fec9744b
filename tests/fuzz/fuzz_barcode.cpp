// The Code 128 encoder: every text either gives a well-formed symbol that
// decodes back to exactly that text, or no symbol with a reason, and only
// when the text holds a character GS1-128 cannot carry.
#include "print/barcode.h"
#include "fuzz_check.h"

#include <cstdint>

namespace {

// Reads the data values of a symbol back into text (code sets B and C).
QString decode(const std::vector<int>& v, bool fnc1, bool* ok)
{
    *ok = false;
    if (v.size() < 3 || v.back() != 106) return {};
    size_t i = 0;
    bool setC = false;
    if (v[0] == 105) setC = true;
    else if (v[0] != 104) return {};
    ++i;
    if (fnc1) {
        if (v[i] != 102) return {};
        ++i;
    }
    QString out;
    for (; i + 2 < v.size(); ++i) {
        const int x = v[i];
        if (setC) {
            // In code set C every value below 100 is a digit pair; 100 is Code B.
            if (x < 0 || x > 100) return {};
            if (x == 100) setC = false;
            else out += QString::asprintf("%02d", x);
        } else {
            // In code set B 99 is Code C; values from 95 up are no characters.
            if (x == 99) setC = true;
            else if (x < 0 || x > 94) return {};
            else out += QChar(x + 32);
        }
    }
    *ok = true;
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    bool carriable = true;
    for (QChar c : text)
        if (c.unicode() < 32 || c.unicode() > 126) carriable = false;
    for (bool fnc1 : {true, false}) {
        const Code128Symbol s = EncodeCode128(text, fnc1);
        if (!carriable || (text.isEmpty() && !fnc1)) {
            FUZZ_CHECK(!s.ok && !s.error.isEmpty() && s.modules.empty());
            continue;
        }
        FUZZ_CHECK(s.ok);
        // Check character: start value plus each value times its position.
        long sum = s.values[0];
        for (size_t k = 1; k + 2 < s.values.size(); ++k) sum += long(k) * s.values[k];
        FUZZ_CHECK(s.values[s.values.size() - 2] == int(sum % 103));
        FUZZ_CHECK(s.moduleCount() == int(11 * (s.values.size() - 1) + 13));
        for (int w : s.modules) FUZZ_CHECK(w >= 1 && w <= 4);
        FUZZ_CHECK(s.modules.size() % 2 == 1);  // starts and ends with a bar
        bool ok = false;
        FUZZ_CHECK(decode(s.values, fnc1, &ok) == text && ok);
    }
    // The product barcode carries the code and its check digit.
    const ProductBarcode b = MakeProductBarcode(text);
    FUZZ_CHECK(b.fullEncoded.startsWith(text) && b.fullEncoded.size() == text.size() + 1);
    return 0;
}
