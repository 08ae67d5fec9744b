#include "tools/kalkulator.h"

#include "core/cp1252.h"
#include "core/felles.h"

#include <cmath>

QString TapeText(double x)
{
    return TusenFormat(14, 2, x);
}

QString ScreenNumber(QString text) { return text.replace(QLatin1Char('.'), QLatin1Char(',')); }

double TapeValue(const QString& text)
{
    return StrToDouble(text);
}

bool ReadEntry(const QString& input, double sum, double& x)
{
    x = 0;
    const QString s = input.trimmed();
    const qsizetype times = s.count(QLatin1Char('*'));
    const qsizetype divide = s.count(QLatin1Char('/'));
    // "2*3/4" or "2*3*4" would be read in an order nobody typed; refuse.
    if (times + divide > 1)
        return false;
    double value = 0;
    if (times + divide == 1) {
        const QChar opChar = times ? QLatin1Char('*') : QLatin1Char('/');
        const qsizetype at = s.indexOf(opChar);
        // A missing left-hand number means the tape's sum; a typed 0 is used as typed.
        const double left = at == 0 ? sum : StrToDouble(s.left(at));
        const double right = StrToDouble(s.mid(at + 1));
        if (times) {
            value = left * right;
        } else {
            if (right == 0)
                return false;
            value = left / right;
        }
    } else {
        value = StrToDouble(s);
    }
    if (value == 0 || !std::isfinite(value))
        return false;
    x = value;
    return true;
}

KalkResults Compute(const QList<TapeLine>& tape, const KalkInput& in)
{
    KalkResults r;
    for (const TapeLine& l : tape) {
        if (!l.ticked)
            continue;
        r.sum += TapeValue(l.text);
        ++r.count;
    }
    r.average = r.count ? r.sum / r.count : 0;
    r.square = r.sum * r.sum;
    r.rootValid = r.sum >= 0;
    r.root = r.rootValid ? std::sqrt(r.sum) : 0;
    const double n = in.regneTall;
    switch (in.op) {
    case int(RegneOp::Prosent): r.regneSum = n == 0 ? 0 : r.sum / 100 * n; break;
    case int(RegneOp::Del): r.regneSum = n == 0 ? 0 : r.sum / n; break;
    case int(RegneOp::Gange): r.regneSum = n == 0 ? 0 : r.sum * n; break;
    default: r.regneSum = r.sum; break;
    }
    r.beregningSum = in.regneShown ? r.regneSum : r.sum;
    if (in.mvaIncluded) {
        r.inklmva = r.beregningSum / 125 * 100;
        r.mva = r.beregningSum - r.inklmva;
    } else {
        r.inklmva = r.beregningSum * 1.25;
        r.mva = r.inklmva - r.beregningSum;
    }
    return r;
}

void FindMinMax(const QList<TapeLine>& tape, int& minIndex, int& maxIndex)
{
    minIndex = maxIndex = -1;
    if (tape.isEmpty())
        return;
    double lo = 1e17, hi = 0;
    minIndex = 0;
    maxIndex = 0;
    for (int i = 0; i < tape.size(); ++i) {
        const double v = TapeValue(tape[i].text);
        if (v < lo) {
            lo = v;
            minIndex = i;
        }
        if (v > hi) {
            hi = v;
            maxIndex = i;
        }
    }
}

QByteArray TapeFileBytes(const QList<TapeLine>& tape)
{
    QStringList lines;
    for (const TapeLine& l : tape)
        lines << (l.ticked ? QStringLiteral("1") : QStringLiteral("0")) + l.text;
    return JoinCp1252Lines(lines);
}

QList<TapeLine> TapeFromLines(const QStringList& lines)
{
    QList<TapeLine> tape;
    for (const QString& line : lines) {
        if (line.isEmpty())
            continue;
        tape.append({line.at(0) == QLatin1Char('1'), line.mid(1)});
    }
    return tape;
}

bool SquareText(const QString& input, QString& out)
{
    const double v = StrToDouble(input);
    const double sq = v * v;
    if (!std::isfinite(sq))
        return false;
    out = ShortNumStr(DoubleToStr(100, 2, sq));
    return true;
}

bool RootText(const QString& input, QString& out)
{
    const double v = StrToDouble(input);
    if (v < 0)
        return false;
    out = DoubleToStr(100, 8, std::sqrt(v));
    return true;
}

QString SineText(const QString& input)
{
    return DoubleToStr(100, 10, std::sin(StrToDouble(input) / 57.29577951308232));
}

QString PiText()
{
    return DoubleToStr(100, 8, M_PI);
}
