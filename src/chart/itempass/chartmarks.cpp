#include "chart/itempass/chartmarks.h"

#include "platform/graphics/canvas.h"
#include "platform/graphics/codepage1252.h"

#include <QPolygon>

#include <array>
#include <cstdint>
#include <initializer_list>

using enum Graphics::TBrushStyle;

namespace {

// 7 × 7 stamps centred on the point, rows from top to bottom: 'o' sets a pixel in the pen colour.
using Pattern = std::array<const char*, 7>;
constexpr std::array<Pattern, 8> kPatterns{{
    {"-------", "-------", "---o---", "--ooo--", "---o---", "-------", "-------"}, // small plus
    {"-------", "---o---", "---o---", "-ooooo-", "---o---", "---o---", "-------"}, // plus
    {"---o---", "---o---", "---o---", "ooooooo", "---o---", "---o---", "---o---"}, // large plus
    {"-------", "-------", "--o-o--", "---o---", "--o-o--", "-------", "-------"}, // small cross
    {"-------", "-o---o-", "--o-o--", "---o---", "--o-o--", "-o---o-", "-------"}, // cross
    {"o-----o", "-o---o-", "--o-o--", "---o---", "--o-o--", "-o---o-", "o-----o"}, // large cross
    {"o-o-o-o", "-o-o-o-", "o-o-o-o", "-o-o-o-", "o-o-o-o", "-o-o-o-", "o-o-o-o"}, // checkerboard
    {"oo---oo", "ooo-ooo", "-ooooo-", "--ooo--", "-ooooo-", "ooo-ooo", "oo---oo"}, // bold cross
}};

// How a figure treats the brush: lines and stamps leave it alone, open shapes are not filled,
// filled ones are filled in the pen colour.
enum class Fill : std::uint8_t { Lines, Open, Filled };

// One drawing step, in offsets from the centre. Box and Circle take a bounding box whose second
// corner is exclusive; Path is a polyline without its last pixel; Shape a closed polygon.
enum class Op : std::uint8_t { End, Pixel, Stamp, Box, Circle, Path, Shape };

struct Offset {
    int Dx = 0;
    int Dy = 0;
};

struct Step {
    Op Kind = Op::End;
    std::uint8_t Count = 0; // points used
    std::array<Offset, 5> Points{};
    std::uint8_t Pattern = 0; // Stamp only
};

struct Figure {
    Fill Filling = Fill::Lines;
    std::array<Step, 6> Steps{};
};

constexpr Step withPoints(Op op, std::initializer_list<Offset> points) {
    Step s{op, static_cast<std::uint8_t>(points.size()), {}, 0};
    int i = 0;
    for (Offset p : points)
        s.Points[i++] = p;
    return s;
}

constexpr Step pixel() {
    return withPoints(Op::Pixel, {{0, 0}});
}
constexpr Step stamp(int pattern) {
    return Step{Op::Stamp, 0, {}, static_cast<std::uint8_t>(pattern)};
}
constexpr Step box(int a, int b) {
    return withPoints(Op::Box, {{a, a}, {b, b}});
}
constexpr Step circle(int a, int b) {
    return withPoints(Op::Circle, {{a, a}, {b, b}});
}
constexpr Step path(std::initializer_list<Offset> points) {
    return withPoints(Op::Path, points);
}
constexpr Step shape(std::initializer_list<Offset> points) {
    return withPoints(Op::Shape, points);
}
constexpr Step line(int x1, int y1, int x2, int y2) {
    return path({{x1, y1}, {x2, y2}});
}
constexpr Step square(int a) {
    return path({{-a, -a}, {-a, a}, {a, a}, {a, -a}, {-a, -a}});
}
constexpr Step diamond(int a) {
    return path({{-a, 0}, {0, a}, {a, 0}, {0, -a}, {-a, 0}});
}
constexpr Step diamondShape(int a) {
    return shape({{-a, 0}, {0, a}, {a, 0}, {0, -a}});
}
constexpr Step downTriangle(int a) {
    return shape({{-a, 0}, {0, a}, {a, 0}});
}

constexpr Figure lines(std::initializer_list<Step> steps) {
    Figure f{Fill::Lines, {}};
    int i = 0;
    for (Step s : steps)
        f.Steps[i++] = s;
    return f;
}
constexpr Figure open(std::initializer_list<Step> steps) {
    Figure f = lines(steps);
    f.Filling = Fill::Open;
    return f;
}
constexpr Figure filled(std::initializer_list<Step> steps) {
    Figure f = lines(steps);
    f.Filling = Fill::Filled;
    return f;
}

constexpr std::array<Figure, kFirstCharacterMark> kFigures{{
    lines({pixel()}),                                                                      // 0
    lines({stamp(0)}),                                                                     // 1
    lines({stamp(1)}),                                                                     // 2
    lines({stamp(2)}),                                                                     // 3
    lines({stamp(3)}),                                                                     // 4
    lines({stamp(4)}),                                                                     // 5
    lines({stamp(5)}),                                                                     // 6
    filled({box(-1, 2)}),                                                                  // 7
    filled({box(-2, 3)}),                                                                  // 8
    filled({box(-3, 4)}),                                                                  // 9
    lines({square(1)}),                                                                    // 10
    lines({square(2)}),                                                                    // 11
    lines({square(3)}),                                                                    // 12
    lines({diamond(3), pixel()}),                                                          // 13
    filled({diamondShape(2)}),                                                             // 14
    filled({diamondShape(3)}),                                                             // 15
    open({circle(-2, 3)}),                                                                 // 16
    open({circle(-3, 4)}),                                                                 // 17
    lines({stamp(6)}),                                                                     // 18
    lines({diamond(3)}),                                                                   // 19
    lines({line(0, 0, -3, 3), line(0, 0, 3, 3)}),                                          // 20
    lines({line(0, 0, -4, 4), line(0, 0, 4, 4)}),                                          // 21
    lines({line(0, 0, -3, -3), line(0, 0, 3, -3)}),                                        // 22
    lines({line(0, 0, -4, -4), line(0, 0, 4, -4)}),                                        // 23
    filled({circle(-3, 4)}),                                                               // 24
    lines({stamp(7)}),                                                                     // 25
    filled({circle(-2, 3)}),                                                               // 26
    open({circle(-2, 2)}),                                                                 // 27
    filled({circle(-2, 2)}),                                                               // 28
    filled({downTriangle(2)}),                                                             // 29
    filled({downTriangle(3)}),                                                             // 30
    open({downTriangle(2)}),                                                               // 31
    open({downTriangle(3)}),                                                               // 32
    open({shape({{-4, -3}, {0, 4}, {4, -3}})}),                                            // 33
    filled({shape({{-4, -3}, {0, 4}, {4, -3}})}),                                          // 34
    open({shape({{-4, 3}, {0, -4}, {4, 3}})}),                                             // 35
    filled({shape({{-4, 3}, {0, -4}, {4, 3}})}),                                           // 36
    lines({line(-3, 0, 4, 0), line(0, 0, 0, -8)}),                                         // 37
    lines({line(-3, -2, 4, -2), line(-3, 2, 4, 2), line(0, -2, 0, 2)}),                    // 38
    open({circle(-3, 4), line(-3, 0, 4, 0), line(0, -3, 0, 4)}),                           // 39
    open({shape({{3, -2}, {-2, 0}, {3, 2}})}),                                             // 40
    filled({shape({{3, -2}, {-2, 0}, {3, 2}})}),                                           // 41
    open({shape({{4, -3}, {-3, 0}, {4, 3}})}),                                             // 42
    filled({shape({{4, -3}, {-3, 0}, {4, 3}})}),                                           // 43
    open({shape({{-3, -2}, {2, 0}, {-3, 2}})}),                                            // 44
    filled({shape({{-3, -2}, {2, 0}, {-3, 2}})}),                                          // 45
    open({shape({{-4, -3}, {3, 0}, {-4, 3}})}),                                            // 46
    filled({shape({{-4, -3}, {3, 0}, {-4, 3}})}),                                          // 47
    open({box(-3, 4), line(-3, 0, 4, 0), line(0, -3, 0, 4)}),                              // 48
    open({box(-2, 3), line(-4, 0, 5, 0), line(0, -4, 0, 5)}),                              // 49
    lines({line(-4, 0, 5, 0), line(0, -4, 0, 5), line(-3, -3, 4, 4), line(-3, 3, 4, -4)}), // 50
    lines({line(-4, 0, 5, 0), line(0, -4, 0, 5), line(-1, -3, 2, -3), line(-1, 3, 2, 3),   // 51
           line(-3, -1, -3, 2), line(3, -1, 3, 2)}),
}};

QPolygon pointsOf(const Step& s, int x, int y) {
    QPolygon points;
    for (int i = 0; i < s.Count; ++i)
        points << QPoint(x + s.Points[i].Dx, y + s.Points[i].Dy);
    return points;
}

void drawStamp(TCanvas& canvas, const Pattern& pattern, int x, int y) {
    for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 7; ++col)
            if (pattern[row][col] == 'o') canvas.SetPixels(x + col - 3, y + row - 3, canvas.Pen().Color);
}

void drawStep(TCanvas& canvas, const Step& s, int x, int y) {
    const QPolygon p = pointsOf(s, x, y);
    switch (s.Kind) {
    case Op::Pixel:
        canvas.SetPixels(p[0].x(), p[0].y(), canvas.Pen().Color);
        break;
    case Op::Stamp:
        drawStamp(canvas, kPatterns[s.Pattern], x, y);
        break;
    case Op::Box:
        canvas.Rectangle(p[0].x(), p[0].y(), p[1].x(), p[1].y());
        break;
    case Op::Circle:
        canvas.Ellipse(p[0].x(), p[0].y(), p[1].x(), p[1].y());
        break;
    case Op::Path:
        canvas.Polyline(p);
        break;
    case Op::Shape:
        canvas.Polygon(p);
        break;
    case Op::End:
        break;
    }
}

void drawFigure(TCanvas& canvas, const Figure& figure, int x, int y) {
    const TColor brushColor = canvas.Brush().Color;
    if (figure.Filling == Fill::Filled)
        canvas.Brush() = TBrush{canvas.Pen().Color, bsSolid};
    else if (figure.Filling == Fill::Open)
        canvas.Brush().Style = bsClear;
    for (const Step& s : figure.Steps)
        drawStep(canvas, s, x, y);
    canvas.Brush() = TBrush{brushColor, bsSolid};
}

// Mark codes are characters of the desktop's single-byte code page; its undefined codes draw the
// C1 controls of the same value.
void drawCharacter(TCanvas& canvas, int code, int x, int y) {
    const QString text(QChar(windows1252CharOrControl(static_cast<unsigned char>(code))));
    const TColor fontColor = canvas.Font().Color();
    canvas.Font().SetColor(canvas.Pen().Color);
    canvas.TextOut(x - canvas.TextWidth(text) / 2, y - canvas.TextHeight(text) / 2, text);
    canvas.Font().SetColor(fontColor);
}

} // namespace

void drawMark(TCanvas& canvas, int markType, int x, int y) {
    if (markType < 0 || markType >= kMarkTypeCount) return;
    if (markType < kFirstCharacterMark)
        drawFigure(canvas, kFigures[markType], x, y);
    else
        drawCharacter(canvas, markType, x, y);
}
