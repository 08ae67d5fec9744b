// Supplier price and discount lists: any bytes give lines whose fields are
// cut within the line, without trailing blanks, and either a number for the
// price and discount or a reason to skip the line.
#include "core/cp1252.h"
#include "data/priceimport.h"
#include "fuzz_check.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // The first bytes choose field positions and lengths (1..64).
    PriceListLayout layout;
    FieldPos* fields[] = {&layout.code, &layout.text, &layout.price, &layout.unit, &layout.group};
    for (size_t i = 0; i < 5 && 2 * i + 1 < size; ++i)
        *fields[i] = {1 + data[2 * i] % 64, 1 + data[2 * i + 1] % 64};
    DiscountListLayout dl;
    dl.code = layout.code;
    dl.discount = layout.price;
    dl.type = layout.unit;
    dl.group = layout.group;
    for (const QString& line : SplitCp1252Lines(bytes)) {
        const PriceLine p = ParsePriceLine(line, layout);
        for (const QString* f : {&p.code, &p.text, &p.unit, &p.group}) {
            FUZZ_CHECK(f->size() <= line.size());
            FUZZ_CHECK(f->isEmpty() || !f->back().isSpace());
        }
        FUZZ_CHECK(!p.text.contains(QLatin1Char('\'')));
        if (p.problem.isEmpty()) {
            bool ok = false;
            p.price.toDouble(&ok);
            FUZZ_CHECK(ok);
            FUZZ_CHECK(!p.code.isEmpty());
        }
        const DiscountLine d = ParseDiscountLine(line, dl);
        if (d.problem.isEmpty()) {
            bool ok = false;
            d.discount.toDouble(&ok);
            FUZZ_CHECK(ok);
            FUZZ_CHECK(!(d.byGroup ? d.group : d.code).isEmpty());
        }
    }
    return 0;
}
