// Settings files: whatever the bytes, reading never fails, writing the store
// back and reading it again gives the same sections, keys and values, and a
// value set from the input reads back as one trimmed line.
#include "core/cp1252.h"
#include "core/inifile.h"
#include "fuzz_check.h"

#include <cstdint>

namespace {
// Blanks and tabs off both ends, as the store trims keys and values.
QString trimBlanks(const QString& s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && (s[b] == QLatin1Char(' ') || s[b] == QLatin1Char('\t'))) ++b;
    while (e > b && (s[e - 1] == QLatin1Char(' ') || s[e - 1] == QLatin1Char('\t'))) --e;
    return s.mid(b, e - b);
}

bool sameContent(const IniFile& a, const IniFile& b)
{
    if (a.sections() != b.sections()) return false;
    for (const QString& s : a.sections()) {
        if (a.keys(s) != b.keys(s)) return false;
        for (const QString& k : a.keys(s))
            if (a.value(s, k) != b.value(s, k)) return false;
    }
    return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    IniFile ini;
    ini.parse(bytes);

    IniFile again;
    again.parse(ini.toBytes());
    FUZZ_CHECK(sameContent(ini, again));

    // The input's first line as a value: stored on one line, trimmed, and
    // unchanged through a write and a read (it is Windows-1252 already).
    const QStringList lines = SplitCp1252Lines(bytes);
    const QString value = lines.isEmpty() ? QString() : lines.first();
    ini.setValue(QStringLiteral("Fuzz"), QStringLiteral("Verdi"), value);
    const QString stored = ini.value(QStringLiteral("Fuzz"), QStringLiteral("Verdi"));
    FUZZ_CHECK(!stored.contains(QLatin1Char('\n')) && !stored.contains(QLatin1Char('\r')));
    FUZZ_CHECK(stored == trimBlanks(value));
    IniFile written;
    written.parse(ini.toBytes());
    FUZZ_CHECK(written.value(QStringLiteral("Fuzz"), QStringLiteral("Verdi")) == stored);
    return 0;
}
