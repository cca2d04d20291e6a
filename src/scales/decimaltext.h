// Exact decimal texts of doubles. A double is a finite binary fraction, so its decimal expansion is
// finite too; rounding that expansion (instead of the C library's, which rounds exact ties to even)
// gives the away-from-zero rounding of ties that number texts of this library promise (2.25 -> "2.3").
#pragma once

#include <QString>

// x with exactly `decimals` digits after the point (none and no point for 0), ties rounded away
// from zero. A result that rounds to zero carries no minus sign. x must be finite.
QString fixedDecimalText(double x, int decimals);

struct ScientificText {
    bool Negative = false;
    QString Mantissa; // "d.ddd" (or "d" without decimals)
    int Exponent = 0;
};

// x as d.ddd × 10^exponent with `decimals` digits after the point, ties rounded away from zero.
// x must be finite; zero gives exponent 0.
ScientificText scientificDecimalText(double x, int decimals);
