// The calculator's tape files and typed entries. A tape read from any bytes
// writes back to bytes that read as the same tape; an entry is either
// refused or gives a finite number other than 0, and an entry with more
// than one operator is always refused.
#include "core/cp1252.h"
#include "fuzz_check.h"
#include "tools/kalkulator.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<TapeLine> tape = TapeFromLines(SplitCp1252Lines(bytes));
    const QByteArray written = TapeFileBytes(tape);
    FUZZ_CHECK(TapeFromLines(SplitCp1252Lines(written)) == tape);
    FUZZ_CHECK(TapeFileBytes(TapeFromLines(SplitCp1252Lines(written))) == written);

    const QString entry = FromCp1252(bytes.left(200));
    double x = 0;
    const bool ok = ReadEntry(entry, 10, x);
    if (ok) {
        FUZZ_CHECK(std::isfinite(x) && x != 0);
        FUZZ_CHECK(entry.count(QLatin1Char('*')) + entry.count(QLatin1Char('/')) <= 1);
        // The tape line of the entry reads back as the entry to the cent.
        const double back = TapeValue(TapeText(x));
        FUZZ_CHECK(std::fabs(back - x) <= 0.005 * (1 + std::fabs(x) * 1e-12) + std::fabs(x) * 1e-15);
    } else {
        FUZZ_CHECK(x == 0);
    }
    return 0;
}
