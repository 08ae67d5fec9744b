// vCard files: any bytes decode and read without harm, and every card read
// survives being written and read again unchanged; every written line is
// valid UTF-8 of at most 75 bytes.
#include "contacts/vcard.h"
#include "fuzz_check.h"

#include <cstdint>

namespace {
// What the writer can carry: the reader trims most values, and a line
// break in a one-line value is written as "\n" and read back as CR LF.
VCardContact normalised(VCardContact c)
{
    for (QString* s : {&c.realname, &c.initials, &c.title, &c.department, &c.email, &c.homeEmail, &c.workPhone,
                       &c.mobilePhone, &c.homePhone, &c.homepage, &c.postalAddress, &c.streetAddress, &c.city,
                       &c.postalCode, &c.companyName, &c.companyFax, &c.companyHomepage})
        *s = VCardUnescape(VCardEscape(*s)).trimmed();
    c.note = VCardUnescape(VCardEscape(c.note));
    return c;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = DecodeVCardBytes(bytes);
    const QList<VCardContact> cards = ReadVCards(text);
    FUZZ_CHECK(cards.size() >= CountCards(text) || CountCards(text) > 0);
    for (const VCardContact& c : cards) {
        const QByteArray written = WriteVCard(c);
        for (const QByteArray& line : written.split('\n')) {
            FUZZ_CHECK(line.size() <= 76);  // 75 and the CR
            FUZZ_CHECK(QString::fromUtf8(line).toUtf8() == line);
        }
        const QList<VCardContact> again = ReadVCards(DecodeVCardBytes(written));
        FUZZ_CHECK(again.size() == 1);
        VCardContact want = normalised(c);
        VCardContact got = again[0];
        // A card without a name takes its name from N, which the writer
        // makes from the name: both empty or equal.
        FUZZ_CHECK(got.realname == want.realname || (want.realname.isEmpty() && got.realname.isEmpty()));
        got.realname = want.realname;
        // Department without company and company without department are
        // both carried by ORG.
        FUZZ_CHECK(got == want);
    }
    return 0;
}
