// TBakGndImg: what the chart paints under its grid and items. Either an image file laid over the
// data area (at its own size, stretched or tiled) or, without one, a coloured band or box whose
// edges are given in data units of layer 1.
#pragma once

#include "platform/graphics/tcolor.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>

class TCanvas;

namespace BakGnd {
Q_NAMESPACE

enum class TBakGndFillMode { bfSimple, bfStretch, bfTile };
Q_ENUM_NS(TBakGndFillMode)

// Which part of the data area gets AreaColor: left of AreaLeft, right of AreaRight, above AreaTop,
// below AreaBottom, between the left and right edges, between top and bottom, or inside all four.
enum class TBakGndAreaMode { bamNone, bamLeft, bamRight, bamTop, bamBottom, bamVStripe, bamHStripe, bamRect };
Q_ENUM_NS(TBakGndAreaMode)

} // namespace BakGnd

using BakGnd::TBakGndAreaMode;
using BakGnd::TBakGndFillMode;

constexpr TColor kDefaultAreaColor = 0xDDDDDD;

class TBakGndImg : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(bool IncludePath READ IncludePath WRITE SetIncludePath)
    Q_PROPERTY(BakGnd::TBakGndFillMode FillMode READ FillMode WRITE SetFillMode)
    Q_PROPERTY(BakGnd::TBakGndAreaMode AreaMode READ AreaMode WRITE SetAreaMode)
    Q_PROPERTY(TColor AreaColor READ AreaColor WRITE SetAreaColor)
    Q_PROPERTY(double AreaLeft READ AreaLeft WRITE SetAreaLeft)
    Q_PROPERTY(double AreaRight READ AreaRight WRITE SetAreaRight)
    Q_PROPERTY(double AreaTop READ AreaTop WRITE SetAreaTop)
    Q_PROPERTY(double AreaBottom READ AreaBottom WRITE SetAreaBottom)
public:
    explicit TBakGndImg(QObject* parent = nullptr);

    // The image file (BMP, PNG or JPEG); empty for none. Without IncludePath only the file-name
    // part is kept, so the file is looked for in the working directory.
    QString Name() const { return FName; }
    void SetName(const QString& value);
    // Switching it off strips the directory from the current Name.
    bool IncludePath() const { return FIncludePath; }
    void SetIncludePath(bool value);
    TBakGndFillMode FillMode() const { return FFillMode; }
    void SetFillMode(TBakGndFillMode value);
    TBakGndAreaMode AreaMode() const { return FAreaMode; }
    void SetAreaMode(TBakGndAreaMode value);
    TColor AreaColor() const { return FAreaColor; }
    void SetAreaColor(TColor value);
    double AreaLeft() const { return FAreaLeft; }
    void SetAreaLeft(double value);
    double AreaRight() const { return FAreaRight; }
    void SetAreaRight(double value);
    double AreaTop() const { return FAreaTop; }
    void SetAreaTop(double value);
    double AreaBottom() const { return FAreaBottom; }
    void SetAreaBottom(double value);

    // Called after every change; the chart repaints.
    void SetOnChange(std::function<void()> handler) { FOnChange = std::move(handler); }

    // Drops a Name whose file could not be read. Used while painting, so the chart is not asked to
    // repaint from inside its own paint.
    void ForgetName() { FName.clear(); }

private:
    void notify() const {
        if (FOnChange) FOnChange();
    }

    QString FName;
    bool FIncludePath = false;
    TBakGndFillMode FFillMode = TBakGndFillMode::bfStretch;
    TBakGndAreaMode FAreaMode = TBakGndAreaMode::bamNone;
    TColor FAreaColor = kDefaultAreaColor;
    double FAreaLeft = -1;
    double FAreaRight = 1;
    double FAreaTop = 1;
    double FAreaBottom = -1;
    std::function<void()> FOnChange;
};

// The file-name part of a path written with '/' or '\' separators or a drive prefix.
QString stripDirectory(const QString& path);

// Maps a point in data units of layer 1 to a pixel of the data-area bitmap.
using Layer1ToPixel = std::function<QPoint(double x, double y)>;

// Paints the data-area background on `canvas` (a picture of the data area's size): the image of
// `background` if it has one, else chartColor framed in frameColor, plus the coloured area. An image
// that cannot be read is dropped (Name emptied) and the plain background painted instead.
void drawBackground(TBakGndImg& background, TCanvas& canvas, TColor chartColor, TColor frameColor,
                    const Layer1ToPixel& toPixel);
