// Windows-1252 text: every byte has a character and comes back as itself,
// and splitting into lines and joining them again keeps every line.
#include "core/cp1252.h"
#include "fuzz_check.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = FromCp1252(bytes);
    FUZZ_CHECK(text.size() == bytes.size());
    FUZZ_CHECK(ToCp1252(text) == bytes);

    const QStringList lines = SplitCp1252Lines(bytes);
    for (const QString& l : lines)
        FUZZ_CHECK(!l.contains(QLatin1Char('\r')) && !l.contains(QLatin1Char('\n')));
    FUZZ_CHECK(SplitCp1252Lines(JoinCp1252Lines(lines)) == lines);

    // Text that is not Windows-1252 (read as UTF-8) gives one byte per
    // character, '?' where the character has no byte.
    const QString wide = QString::fromUtf8(bytes);
    const QByteArray narrow = ToCp1252(wide);
    FUZZ_CHECK(narrow.size() <= wide.size());
    return 0;
}
