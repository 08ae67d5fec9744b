#include "exports/amounts.h"

#include "core/felles.h"

#include <cmath>

qint64 ToOre(double x)
{
    if (!std::isfinite(x)) return 0;
    return std::llround(RoundHalfAway(x, 2) * 100.0);
}

QString OreText(qint64 ore)
{
    const bool negative = ore < 0;
    const quint64 a = negative ? quint64(-(ore + 1)) + 1 : quint64(ore);
    return (negative ? QStringLiteral("-") : QString()) + QString::number(a / 100) + QLatin1Char('.') +
           QString::number(a % 100).rightJustified(2, QLatin1Char('0'));
}
