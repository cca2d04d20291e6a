#include "widgets/sline.h"

namespace {
const char* const kBothZero = "parameter A and B must not both be zero";
// Stands in for a zero B when SubstituteInf is on: gives a huge y of the numerator's sign.
constexpr long double kSubstituteDenominator = 1e-100L;
} // namespace

TSLine::TSLine(TComponentBase* owner) : TComponent(owner) {}

void TSLine::SetParA(double value) {
    if (FParB == 0 && value == 0) throw EVRXSLineError(kBothZero);
    FParA = value;
}

void TSLine::SetParB(double value) {
    if (FParA == 0 && value == 0) throw EVRXSLineError(kBothZero);
    FParB = value;
}

bool TSLine::ThroughPoints(double x1, double y1, double x2, double y2) {
    if (x1 == x2 && y1 == y2) return false;
    const long double lx1 = x1, ly1 = y1, lx2 = x2, ly2 = y2;
    FParA = static_cast<double>(ly1 - ly2);
    FParB = static_cast<double>(lx2 - lx1);
    FParC = static_cast<double>(lx1 * ly2 - ly1 * lx2);
    return true;
}

double TSLine::YAt(double x) const {
    const long double numerator = -static_cast<long double>(x) * FParA - FParC;
    if (FParB != 0) return static_cast<double>(numerator / FParB);
    if (!FSubstituteInf) throw EVRXSLineError("cannot calculate y");
    return static_cast<double>(numerator / kSubstituteDenominator);
}

double TSLine::GetSlope() const {
    if (FParB == 0) throw EVRXSLineError("slope is infinite");
    return static_cast<double>(-static_cast<long double>(FParA) / FParB);
}
