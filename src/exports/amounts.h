#pragma once
// Amounts in the exported files: whole øre (hundredths of the currency),
// so that every sum in a file adds up exactly. A stored amount is rounded
// half away from zero to two decimals once, where it is read.
#include <QString>

#include <cstdint>

// x rounded to øre, half away from zero (decimal-correct: 2.675 -> 268).
qint64 ToOre(double x);
// "1234.50", "-0.05", "0.00": point, two decimals, no thousands separator.
QString OreText(qint64 ore);
