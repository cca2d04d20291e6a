// TSLine: a straight line A·x + B·y + C = 0 as a non-visual component. Gives the line through two
// points, its y at a given x and its slope. Intermediate values are computed in extended precision.
#pragma once

#include "platform/controls/component.h"
#include "platform/controls/exceptions.h"

#include <type_traits>

class EVRXSLineError : public Exception {
public:
    using Exception::Exception;
};
// The line's error derives from the framework's base directly, not from the component library's
// EVRXError: a handler for the library's errors does not take it.
static_assert(std::is_base_of_v<Exception, EVRXSLineError>);
static_assert(!std::is_base_of_v<EVRXError, EVRXSLineError>);

class TSLine : public TComponent {
    Q_OBJECT
    Q_PROPERTY(bool SubstituteInf READ SubstituteInf WRITE SetSubstituteInf)
    Q_PROPERTY(double ParA READ ParA WRITE SetParA)
    Q_PROPERTY(double ParB READ ParB WRITE SetParB)
    Q_PROPERTY(double ParC READ ParC WRITE SetParC)
public:
    explicit TSLine(TComponentBase* owner);

    bool SubstituteInf() const { return FSubstituteInf; }
    void SetSubstituteInf(bool value) { FSubstituteInf = value; }
    double ParA() const { return FParA; }
    double ParB() const { return FParB; }
    double ParC() const { return FParC; }
    // A and B must never both become zero through these setters.
    void SetParA(double value);
    void SetParB(double value);
    void SetParC(double value) { FParC = value; }

    // Sets the line through both points; false (and nothing changed) when they are the same point.
    // A vertical line (x1 = x2) is stored as it is.
    bool ThroughPoints(double x1, double y1, double x2, double y2);
    double YAt(double x) const;
    double GetSlope() const;

private:
    bool FSubstituteInf = false;
    double FParA = 0;
    double FParB = 1;
    double FParC = 0;
};
