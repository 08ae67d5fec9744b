// The TFM pick-list and scratch-list files, the codes read back from them,
// the typed running numbers, and the asset list's drops of typed values.
// Lines come out trimmed and never empty; a code composed from clean parts
// reads back as those parts; "+" gives the next number at least as wide; a
// dropped value always stays one quoted SQL literal that reads back as
// itself.
#include "assets/assetrules.h"
#include "assets/tfm.h"
#include "core/cp1252.h"
#include "fuzz_check.h"

#include <cstdint>

namespace {

// The text inside 'model=...' read back the way the server reads a quoted
// literal; false when a quote ends it early or something follows it.
bool unquote(const QString& literal, QString& out)
{
    if (literal.size() < 2 || literal.front() != QLatin1Char('\'') || literal.back() != QLatin1Char('\'')) return false;
    out.clear();
    for (qsizetype i = 1; i < literal.size() - 1; ++i) {
        const QChar c = literal.at(i);
        if (c == QLatin1Char('\'')) return false;
        if (c == QLatin1Char('\\')) {
            if (++i >= literal.size() - 1) return false;
            const QChar e = literal.at(i);
            switch (e.unicode()) {
            case '0': out += QChar(0); break;
            case 'n': out += QLatin1Char('\n'); break;
            case 'r': out += QLatin1Char('\r'); break;
            case 'Z': out += QChar(26); break;
            default: out += e; break;
            }
            continue;
        }
        out += c;
    }
    return true;
}

QString clean(QString s)
{
    for (const char c : {'+', '=', '.', '-', ','}) s.remove(QLatin1Char(c));
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = Tfm::ListFileLines(bytes);
    for (const QString& l : lines) {
        FUZZ_CHECK(!l.isEmpty());
        FUZZ_CHECK(l == l.trimmed());
        // A scratch line splits and joins back as it was.
        const Tfm::ScratchLine s = Tfm::SplitScratchLine(l);
        FUZZ_CHECK(!s.code.contains(QLatin1Char(',')));
        if (l.contains(QLatin1Char(','))) FUZZ_CHECK(Tfm::JoinScratchLine(s) == l);
        else FUZZ_CHECK(s.code == l && s.text.isEmpty());
        // Reading any code back stays inside it.
        const Tfm::LoadedParts p = Tfm::ReadCode(s.code);
        FUZZ_CHECK(p.location.size() + p.system.size() + p.nr1.size() + p.product.size() + p.nr2.size() <=
                   s.code.size());
        FUZZ_CHECK(p.product.size() <= 2);
    }

    // Clean parts compose into a code that reads back as the same parts.
    const QString text = FromCp1252(bytes.left(200));
    const QStringList chunks = text.split(QLatin1Char('|'));
    if (chunks.size() >= 5) {
        Tfm::CodeInput in;
        in.location = clean(chunks[0]).remove(QLatin1Char(' '));
        in.system = clean(chunks[1]).left(3);
        in.nr1 = clean(chunks[2]);
        in.product = clean(chunks[3]).remove(QLatin1Char(' ')).left(2);
        in.nr2 = clean(chunks[4]);
        in.typeUnique = chunks.size() > 5;
        if (in.product.size() == 2 && in.system.size() == 3) {
            const Tfm::LoadedParts p = Tfm::ReadCode(Tfm::ComposeCode(in));
            FUZZ_CHECK(p.location == in.location);
            FUZZ_CHECK(p.system == in.system);
            FUZZ_CHECK(p.nr1 == in.nr1);
            FUZZ_CHECK(p.product == in.product);
            FUZZ_CHECK(p.nr2 == in.nr2 + (in.typeUnique ? QStringLiteral("T") : QString()));
        }
    }

    // "+" on a typed running number.
    QString number = text.left(30);
    const QString before = number;
    switch (Tfm::IncrementNumber(number)) {
    case Tfm::IncrementResult::Unchanged: FUZZ_CHECK(before.isEmpty() && number.isEmpty()); break;
    case Tfm::IncrementResult::NotANumber: FUZZ_CHECK(number == before); break;
    case Tfm::IncrementResult::Done: {
        FUZZ_CHECK(number.size() >= before.size());
        bool ok1 = false, ok2 = false;
        const qint64 a = before.toLongLong(&ok1), b = number.toLongLong(&ok2);
        FUZZ_CHECK(ok1 && ok2 && b == a + 1);
        break;
    }
    }

    // A dropped model or location is one literal holding exactly the value.
    const Assets::DropRow row{true, text, text};
    for (int x : {500, 700}) {
        const Assets::DropEffect e = Assets::DropEffectAt(Assets::DropKind::Where, x, row);
        FUZZ_CHECK(e.kind == Assets::DropEffect::Filter);
        const qsizetype eq = e.text.indexOf(QLatin1Char('='));
        FUZZ_CHECK(eq > 0);
        QString back;
        FUZZ_CHECK(unquote(e.text.mid(eq + 1), back));
        FUZZ_CHECK(back == text);
    }
    return 0;
}
