// The dots of a dot-matrix face as a plain QPainter pass would draw them: one square per dot.
#pragma once

#include <QImage>
#include <QRect>

#include <vector>

struct Dot {
    QRect Square;
    QRgb Color;
};

// Every dot of a face: the top left pixel of each square of the dot colours.
inline std::vector<Dot> dotsOf(const QImage& face, int dotSize, QRgb on, QRgb off) {
    std::vector<Dot> dots;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x) {
            const QRgb c = face.pixel(x, y) | 0xFF000000;
            const bool dot = c == on || c == off;
            const bool left = x > 0 && (face.pixel(x - 1, y) | 0xFF000000) == c;
            const bool above = y > 0 && (face.pixel(x, y - 1) | 0xFF000000) == c;
            if (dot && !left && !above) dots.push_back({QRect(x, y, dotSize, dotSize), c});
        }
    return dots;
}
