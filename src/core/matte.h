#pragma once
// Angles in degrees for the print engine.

// Degrees per radian.
inline constexpr double Radian = 57.29577951308232;

// Sine of x degrees. Results within 1e-15 of 0, 0.5 or 1 (in either sign)
// are given exactly, so Sinus(30) is 0.5 and Sinus(180) is 0.
double Sinus(double x);
