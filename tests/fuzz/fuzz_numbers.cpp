// Numbers as typed: a text is either refused or read as one finite number,
// and a number written by the program reads back as the same number.
#include "core/felles.h"
#include "fuzz_check.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));

    double d = 0;
    if (TryStrToDouble(text, d)) {
        FUZZ_CHECK(std::isfinite(d));
        // What the program writes for SQL and files reads back the same.
        double back = 0;
        FUZZ_CHECK(TryStrToDouble(SqlNum(d), back));
        FUZZ_CHECK(back == d || std::fabs(back - d) <= std::fabs(d) * 1e-15);
        // The lenient reader agrees where it keeps every character (it
        // drops a small "e", as typed amounts never carry one).
        if (!text.contains(QLatin1Char('e'))) FUZZ_CHECK(StrToDouble(text) == d);
    } else {
        FUZZ_CHECK(d == 0);
    }
    int i = 0;
    if (TryStrToInt(text, i)) {
        double asDouble = 0;
        FUZZ_CHECK(TryStrToDouble(QString::number(i), asDouble) && asDouble == i);
    }
    // The digits-only cleaning always gives a number text.
    const QString fixed = NumFix(text);
    FUZZ_CHECK(!fixed.isEmpty());
    ShortStr(text);
    ShortNumStr(text);
    MerkOrdStr(text);
    RightStr(text, int(size % 40));
    LongLn(text, int(size % 40));
    return 0;
}
