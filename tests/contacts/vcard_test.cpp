// vCard 3.0 cards: the bytes written for a table of contacts, escaping and
// folding, and reading what other address books write.
#include "contacts/vcard.h"
#include "core/cp1252.h"

#include <gtest/gtest.h>

namespace {
QByteArray crlf(const char* lines) { return QByteArray(lines).replace("\n", "\r\n"); }
} // namespace

TEST(VCardWrite, CardsByteForByte)
{
    struct Case {
        const char* what;
        VCardContact c;
        QByteArray want;
    };
    VCardContact full;
    full.id = 42;
    full.realname = "Kari Nordmann";
    full.initials = "KN";
    full.title = "Daglig leder, salg";
    full.department = "Salg; øst";
    full.email = "kari@fjord.no";
    full.homeEmail = "kari@privat.no";
    full.workPhone = "22 33 44 55";
    full.mobilePhone = "912 34 567";
    full.homePhone = "+47 66 77 88 99";
    full.homepage = "http://fjord.no/kari";
    full.postalAddress = "Postboks 12";
    full.streetAddress = "Storgata 1";
    full.city = "OSLO";
    full.postalCode = "0301";
    full.note = "Første linje\r\nC:\\mappe";
    full.companyName = "Fjord, Bygg AS";
    full.companyFax = "22 33 44 56";
    full.companyHomepage = "http://fjord.no";
    VCardContact oneWord;
    oneWord.realname = "X";
    VCardContact three;
    three.realname = "A B C";
    three.title = "rød café";
    const Case cases[] = {
        {"every field", full,
         crlf("BEGIN:VCARD\nVERSION:3.0\nFN:Kari Nordmann\nN:Nordmann;Kari;;;\nNICKNAME:KN\n"
              "TITLE:Daglig leder\\, salg\nEMAIL;TYPE=INTERNET;TYPE=WORK:kari@fjord.no\n"
              "EMAIL;TYPE=INTERNET;TYPE=HOME:kari@privat.no\nTEL;TYPE=WORK:22 33 44 55\nTEL;TYPE=CELL:912 34 567\n"
              "TEL;TYPE=HOME:+47 66 77 88 99\nURL:http://fjord.no/kari\n"
              "ADR;TYPE=HOME:Postboks 12;;Storgata 1;OSLO;;0301;\n"
              "NOTE:F\xC3\xB8rste linje\\nC:\\\\mappe\nUID:KV6-42\nORG:Fjord\\, Bygg AS;Salg\\; \xC3\xB8st\n"
              "TEL;TYPE=WORK;TYPE=FAX:22 33 44 56\nURL;TYPE=WORK:http://fjord.no\nEND:VCARD\n")},
        {"one word, nothing else: the address line all the same", oneWord,
         crlf("BEGIN:VCARD\nVERSION:3.0\nFN:X\nN:X;;;;\nADR;TYPE=HOME:;;;;;;\nEND:VCARD\n")},
        {"three words, UTF-8 letters", three,
         crlf("BEGIN:VCARD\nVERSION:3.0\nFN:A B C\nN:C;A B;;;\nTITLE:r\xC3\xB8" "d caf\xC3\xA9\nADR;TYPE=HOME:;;;;;;\nEND:VCARD\n")},
    };
    for (const Case& c : cases) EXPECT_EQ(WriteVCard(c.c), c.want) << c.what;
}

TEST(VCardWrite, EscapingRoundTrips)
{
    for (const QString& v : {QString("a,b;c\\d"), QString("\\"), QString("slutt\\"), QString("linje1\r\nlinje2"),
                            QString("\\n er ikke linjeskift"), QString("")}) {
        const QString esc = VCardEscape(v);
        EXPECT_FALSE(esc.contains('\n'));
        EXPECT_EQ(VCardUnescape(esc), v) << v.toStdString();
    }
    EXPECT_EQ(VCardEscape("a\nb\rc"), "a\\nb\\nc");
    EXPECT_EQ(VCardUnescape("ende\\"), "ende");
}

TEST(VCardWrite, FoldingKeepsCharactersAndEscapesWhole)
{
    // Lines of every length around the limit, made of two- and three-byte
    // letters and escapes: no line over 75 bytes, each valid UTF-8, no line
    // ending in the middle of an escape, and unfolding gives the original.
    const QStringList pieces = {"ø", "€", "\\,", "a", "\\\\", "😀"};
    for (int len = 60; len < 240; len += 7) {
        QString value;
        for (int i = 0; value.toUtf8().size() < len; ++i) value += pieces[i % pieces.size()];
        const QByteArray line = "NOTE:" + value.toUtf8();
        const QList<QByteArray> folded = FoldVCardLine(line);
        QByteArray back;
        for (qsizetype i = 0; i < folded.size(); ++i) {
            const QByteArray& l = folded[i];
            EXPECT_LE(l.size(), 75);
            EXPECT_EQ(QString::fromUtf8(l).toUtf8(), l) << "a character was cut";
            if (i > 0) {
                ASSERT_TRUE(l.startsWith(' '));
            }
            if (i + 1 < folded.size()) {
                qsizetype bs = 0;
                while (bs < l.size() && l[l.size() - 1 - bs] == '\\') ++bs;
                EXPECT_EQ(bs % 2, 0) << "line ends inside an escape: " << l.constData();
            }
            back += i ? l.mid(1) : l;
        }
        EXPECT_EQ(back, line);
    }
}

TEST(VCardRead, ReadsWhatOtherAddressBooksWrite)
{
    const QString card = QString::fromUtf8(
        "BEGIN:VCARD\r\n"
        "VERSION:3.0\r\n"
        "N:Åsen;Øyvind;;;\r\n"
        "item1.EMAIL;type=INTERNET;type=pref:oyvind@fjord.no\r\n"
        "EMAIL;TYPE=home,internet:oyvind@privat.no\r\n"
        "TEL;TYPE=CELL,VOICE:+47 912 34 567\r\n"
        "TEL;type=WORK;type=VOICE:22 33 44 55\r\n"
        "TEL;TYPE=HOME:66 77 88 99\r\n"
        "TEL;TYPE=WORK,FAX:22 33 44 56\r\n"
        "ORG:Fjord Bygg AS;Prosjekt\r\n"
        "ADR;TYPE=WORK:;;Storgata 1;Bergen;;5003;Norge\r\n"
        "NOTE:En lang merknad som er brettet over to\r\n"
        "  linjer\\, med komma\\nog linjeskift\r\n"
        "X-SOMETHING:ignoreres\r\n"
        "END:VCARD\r\n"
        "utenfor kortet\r\n"
        "BEGIN:VCARD\r\nFN:Uten slutt\r\n");
    int skipped = 0;
    const QList<VCardContact> cards = ReadVCards(card, &skipped);
    ASSERT_EQ(cards.size(), 2);
    const VCardContact& c = cards[0];
    EXPECT_EQ(c.realname, "Øyvind Åsen");  // from N when there is no FN
    EXPECT_EQ(c.email, "oyvind@fjord.no");
    EXPECT_EQ(c.homeEmail, "oyvind@privat.no");
    EXPECT_EQ(c.mobilePhone, "+47 912 34 567");
    EXPECT_EQ(c.workPhone, "22 33 44 55");
    EXPECT_EQ(c.homePhone, "66 77 88 99");
    EXPECT_EQ(c.companyFax, "22 33 44 56");
    EXPECT_EQ(c.companyName, "Fjord Bygg AS");
    EXPECT_EQ(c.department, "Prosjekt");
    EXPECT_EQ(c.streetAddress, "Storgata 1");
    EXPECT_EQ(c.city, "Bergen");
    EXPECT_EQ(c.postalCode, "5003");
    EXPECT_EQ(c.note, "En lang merknad som er brettet over to linjer, med komma\r\nog linjeskift");
    EXPECT_EQ(cards[1].realname, "Uten slutt");
    EXPECT_EQ(skipped, 1);
    EXPECT_EQ(CountCards(card), 2);
}

TEST(VCardRead, FilesAreUtf8WhenValidElseWindows1252)
{
    const QByteArray utf8 = "\xEF\xBB\xBF" "FN:r\xC3\xB8" "d";
    EXPECT_EQ(DecodeVCardBytes(utf8), "FN:rød");
    const QByteArray cp1252 = "FN:r\xF8" "d caf\xE9";
    EXPECT_EQ(DecodeVCardBytes(cp1252), "FN:rød café");
    // A written card reads back as the same contact.
    VCardContact c;
    c.id = 7;
    c.realname = "Ærlige Åse Øren";
    c.title = "Leder; drift, \\ nord";
    c.note = QString("x").repeated(200) + "\r\nø";
    c.companyName = "Bygg, og Anlegg";
    c.department = "Avd";
    c.postalCode = "0301";
    const QList<VCardContact> back = ReadVCards(DecodeVCardBytes(WriteVCard(c) + WriteVCard(c)));
    ASSERT_EQ(back.size(), 2);
    EXPECT_EQ(back[0], c);
}
