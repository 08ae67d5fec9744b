#include "core/matte.h"

#include <cmath>

double Sinus(double x)
{
    if (!std::isfinite(x))
        return 0;
    const double reduced = std::fmod(x, 360.0);  // keeps precision for large angles
    const double r = std::sin(reduced / Radian);
    const double half = std::round(r * 2) / 2;
    return std::fabs(r - half) < 1e-15 ? half + 0.0 : r;
}
