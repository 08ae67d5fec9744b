// Typed phone numbers and names through the formatting rules: empty stays
// empty, +47 added and removed gives the number back, names formatted twice
// are formatted once.
#include "contacts/contactformat.h"
#include "fuzz_check.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    for (bool mobile : {false, true}) {
        const QString f = pFmtPhone(text, mobile);
        FUZZ_CHECK(!text.isEmpty() || f.isEmpty());
        FUZZ_CHECK(!f.contains(QLatin1Char('-')) || text.startsWith(QLatin1Char('0')));
    }
    FUZZ_CHECK(pRmBlank(text).count(QLatin1Char(' ')) == 0);
    if (!text.isEmpty() && !text.startsWith(QLatin1Char('+')) && !text.startsWith(QLatin1Char('0')) &&
        !text.startsWith(QLatin1Char(' ')))
        FUZZ_CHECK(pRm47(pAdd47(text)) == text);
    const QString name = FormatNavn(text);
    FUZZ_CHECK(FormatNavn(name) == name);
    FUZZ_CHECK(FormatFirmanavn(FormatFirmanavn(text)) == FormatFirmanavn(text));
    return 0;
}
