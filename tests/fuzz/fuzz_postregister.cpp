// The postal-code register: every line of any file either becomes the entry
// of its first four characters or is skipped, and the first line of a code
// is the one kept.
#include "core/cp1252.h"
#include "contacts/postnummer.h"
#include "fuzz_check.h"

#include <QSet>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    PostRegister reg;
    QSet<QString> seen;
    QStringList firstLines;
    for (const QString& line : SplitCp1252Lines(bytes)) {
        reg.addLine(line);
        if (line.size() >= 4 && !seen.contains(line.left(4))) {
            seen.insert(line.left(4));
            firstLines << line;
        }
    }
    FUZZ_CHECK(reg.size() == seen.size());
    for (const QString& line : firstLines) {
        const PostnummerInfo* e = reg.cached(line.left(4));
        FUZZ_CHECK(e != nullptr);
        FUZZ_CHECK(e->postnummer == line.left(4));
        FUZZ_CHECK(line.contains(e->poststed));
    }
    return 0;
}
