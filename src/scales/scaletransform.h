// The value-to-pixel transform of one scale: a factor and an offset applied to the value (or to its
// natural logarithm), from the control's size, margins and range.
#pragma once

struct AxisGeometry {
    int Width = 400;
    int Height = 400;
    int MarginLeft = 20;
    int MarginRight = 20;
    int MarginTop = 20;
    int MarginBottom = 20;
    bool Vertical = false;
};

class ScaleTransform {
public:
    // Horizontal axes run left to right from low to high, vertical ones bottom to top. An axis
    // without length maps everything to its middle; a logarithmic range that is not wholly positive
    // keeps the previous factor and offset.
    void update(const AxisGeometry& axis, double low, double high, bool logarithmic);
    // Rounded half to even after clamping to the 32-bit range.
    int valueToPixel(double value) const;

private:
    double FFactor = 0;
    double FOffset = 0;
    bool FLogarithmic = false;
};
