// The product list's search text: whatever is typed, the filter keeps the
// shape of the search for a harmless word, so typed text never changes the
// structure of the SQL; and a code range is recognised exactly when both
// parts are whole numbers of at least 1.
#include "data/productrules.h"
#include "fuzz_check.h"

#include <cstdint>

namespace {

// The filter with every quoted literal replaced by '?', so two filters of
// the same shape compare equal. Inside a literal a backslash escapes the
// next character and '' is a quote.
QString skeleton(const QString& sql, bool* closed)
{
    QString out;
    bool in = false;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (!in) {
            if (c == QLatin1Char('\'')) {
                in = true;
                out += QLatin1String("'?'");
            } else {
                out += c;
            }
            continue;
        }
        if (c == QLatin1Char('\\')) {
            ++i;
        } else if (c == QLatin1Char('\'')) {
            if (i + 1 < sql.size() && sql[i + 1] == QLatin1Char('\'')) ++i;
            else in = false;
        }
    }
    *closed = !in;
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString cond = ProductSearchCondition(text);
    if (text.isEmpty()) {
        FUZZ_CHECK(cond.isEmpty());
        return 0;
    }
    QString from, to;
    const bool range = IsFromToNumber(text, &from, &to);
    bool closed = false;
    const QString shape = skeleton(cond, &closed);
    FUZZ_CHECK(closed);
    bool refClosed = false;
    const QString expected = skeleton(ProductSearchCondition(range ? QStringLiteral("1-2") : QStringLiteral("x")), &refClosed);
    FUZZ_CHECK(shape == expected);
    if (range) {
        bool a = false, b = false;
        FUZZ_CHECK(from.toLongLong(&a) >= 1 && a);
        FUZZ_CHECK(to.toLongLong(&b) >= 1 && b);
        FUZZ_CHECK(!from.contains(QLatin1Char(' ')) && !to.contains(QLatin1Char(' ')));
    }
    return 0;
}
