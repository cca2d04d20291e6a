// TScale drawing: base line, ticks, labels, date/time messages and caption, transparent onto the
// draw target or opaque through an off-screen bitmap with background and frame.
#include "scales/scale.h"

#include "scales/scaleplacement.h"

#include <QPaintEvent>
#include <QPainter>

using enum Graphics::TBrushStyle;
using enum Graphics::TPenMode;
using enum Graphics::TPenStyle;
using enum ScaleEnums::TScaleType;

namespace {

struct TickLengths {
    int ShortLength;
    int LongLength;
};

TickLengths tickLengths(TickPassKind kind, bool vertical) {
    if (!vertical) return {4, 7};
    return kind == TickPassKind::Logarithmic ? TickLengths{6, 6} : TickLengths{4, 6};
}

// Ticks and labels lie below an sctXT base line, above sctXB, right of sctYL and left of sctYR.
int labelSide(TScaleType type) {
    return type == sctXT || type == sctYL ? 1 : -1;
}

void prepareLinePen(TCanvas& canvas, TColor color) {
    canvas.Pen().Color = color;
    canvas.Pen().Width = 1;
    canvas.Pen().Style = psSolid;
    canvas.Pen().Mode = pmCopy;
}

} // namespace

void TScale::redraw() {
    ++FLookChanges;
    if (!FTransparent || FEmbedded)
        paintAndShow(false);
    else
        update();
}

void TScale::paintAndShow(bool force) {
    Paint(force);
    // A stand-alone scale has drawn into its own picture; the screen takes it on the next paint event.
    if (!FDrawTarget) update();
}

void TScale::Paint(bool force) {
    if (FPainting || (FSuppressPaint && !force) || IsLoading() || !Visible()) return;
    if (Width() <= 0 || Height() <= 0) return; // nothing to draw on, and no bitmap to make
    FPainting = true;
    ++FPaintCount;
    TCanvas& canvas = FDrawTarget ? *FDrawTarget : prepareOwnCanvas();
    const int dx = FDrawTarget ? FTargetDx : 0;
    const int dy = FDrawTarget ? FTargetDy : 0;
    canvas.Font().Assign(*FFont);
    if (FOnBeforeScaleRendered) FOnBeforeScaleRendered(this, canvas);
    if (FTransparent)
        drawTransparent(canvas, dx, dy);
    else
        drawOpaque(canvas, dx, dy);
    if (!FDrawTarget) canvas.Release();
    FPainting = false;
}

TCanvas& TScale::prepareOwnCanvas() {
    if (FOwnCanvas && FOwnImage.size() == size()) {
        FOwnCanvas->Release();
    } else {
        FOwnCanvas.reset();
        FOwnImage = QImage(size(), QImage::Format_ARGB32_Premultiplied);
        FOwnCanvas = std::make_unique<TCanvas>(&FOwnImage);
    }
    // A transparent scale shows what lies under the control.
    FOwnImage.fill(Qt::transparent);
    return *FOwnCanvas;
}

void TScale::paintEvent(QPaintEvent*) {
    if (FTransparent || FOwnImage.size() != size()) Paint(false);
    if (FOwnImage.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, FOwnImage);
}

void TScale::drawTransparent(TCanvas& canvas, int dx, int dy) {
    prepareLinePen(canvas, FColorScale);
    drawPass(canvas, dx, dy);
    drawBaseLine(canvas, baseCoordinate(dx, dy));
    if (FOnAfterScaleRendered) FOnAfterScaleRendered(this, canvas);
}

void TScale::drawOpaque(TCanvas& target, int dx, int dy) {
    TBitmap bitmap(Width(), Height(), target.Scale());
    TCanvas& canvas = bitmap.Canvas();
    canvas.Font().Assign(*FFont);
    prepareLinePen(canvas, FColorBackGnd);
    canvas.Brush().Color = FColorBackGnd;
    canvas.Brush().Style = bsSolid;
    canvas.Rectangle(0, 0, Width(), Height());
    canvas.Pen().Color = FColorScale;
    drawPass(canvas, 0, 0);
    drawBaseLine(canvas, baseCoordinate(0, 0));
    if (FOnAfterScaleRendered) FOnAfterScaleRendered(this, canvas);
    DrawFrame3D(canvas, Rect(0, 0, Width(), Height()), FFrameStyle, FColorScheme);
    target.Draw(dx, dy, bitmap);
}

int TScale::baseCoordinate(int dx, int dy) const {
    switch (FScaleType) {
    case sctXB:
        return dy + Height() - MarginBottom() - 1;
    case sctXT:
        return dy + MarginTop();
    case sctYL:
        return dx + MarginLeft();
    default:
        return dx + Width() - MarginRight() - 1;
    }
}

void TScale::drawBaseLine(TCanvas& canvas, int base) const {
    if (!FShowBaseLine) return;
    if (isVerticalScale(FScaleType)) {
        canvas.MoveTo(base, MarginTop());
        canvas.LineTo(base, Height() - MarginBottom() - 1);
    } else {
        canvas.MoveTo(MarginLeft(), base);
        canvas.LineTo(Width() - MarginRight() - 1, base);
    }
}

void TScale::drawPass(TCanvas& canvas, int dx, int dy) {
    canvas.Brush().Style = FTransparent ? bsClear : bsSolid;
    const TickPass pass = runTickPass(currentTickSettings());
    FTicks = recordedTicks(pass);
    const int base = baseCoordinate(dx, dy);
    if (pass.Message.isEmpty())
        drawTicks(canvas, pass, base);
    else
        drawMessage(canvas, pass, base);
    drawCaption(canvas, base);
}

void TScale::drawTicks(TCanvas& canvas, const TickPass& pass, int base) {
    const bool vertical = isVerticalScale(FScaleType);
    const TickLengths lengths = tickLengths(pass.Kind, vertical);
    for (const Tick& tick : pass.Ticks) {
        const int p = ValueToPixel(tick.Value);
        drawTickLine(canvas, tick.Value, p, base, tick.IsLong ? lengths.LongLength : lengths.ShortLength);
        if (vertical)
            drawVerticalLabels(canvas, tick, p, base);
        else
            drawHorizontalLabels(canvas, tick, p, base);
    }
}

// From the base line towards the labels; reports where the tick meets the base line.
void TScale::drawTickLine(TCanvas& canvas, double value, int p, int base, int length) {
    const bool vertical = isVerticalScale(FScaleType);
    const int toward = labelSide(FScaleType) * length;
    const int chartX = vertical ? base : p;
    const int chartY = vertical ? p : base;
    canvas.MoveTo(chartX, chartY);
    canvas.LineTo(vertical ? base + toward : p, vertical ? p : base + toward);
    if (FOnScaleTickDrawn) {
        TCanvas* handlerCanvas = &canvas;
        FOnScaleTickDrawn(this, handlerCanvas, FScaleType, value, chartX, chartY);
    }
}

void TScale::drawHorizontalLabels(TCanvas& canvas, const Tick& tick, int x, int base) const {
    if (tick.Label.isEmpty()) return;
    const int side = labelSide(FScaleType);
    const int h = canvas.TextHeight(tick.Label);
    const int top = side > 0 ? base + 7 : base - h - 7;
    drawHorizontalLabel(canvas, x, top, tick.Label);
    // The date goes one line further from the base line.
    if (!tick.DateLine.isEmpty()) drawHorizontalLabel(canvas, x, top + side * h, tick.DateLine);
}

void TScale::drawVerticalLabels(TCanvas& canvas, const Tick& tick, int y, int base) const {
    const int h = canvas.TextHeight(QStringLiteral("0"));
    const auto left = [&](const QString& text) {
        return labelSide(FScaleType) > 0 ? base + 8 : base - canvas.TextWidth(text) - 8;
    };
    if (!tick.Label.isEmpty()) canvas.TextOut(left(tick.Label), y - h / 2, tick.Label);
    if (!tick.DateLine.isEmpty()) canvas.TextOut(left(tick.DateLine), y - 3 * h / 2, tick.DateLine);
}

void TScale::drawHorizontalLabel(TCanvas& canvas, int x, int top, const QString& text) const {
    canvas.TextOut(horizontalLabelLeft(x, canvas.TextWidth(text), Width()), top, text);
}

void TScale::drawMessage(TCanvas& canvas, const TickPass& pass, int base) const {
    const int p = ValueToPixel(pass.MessageValue);
    if (!isVerticalScale(FScaleType)) {
        canvas.TextOut(p - canvas.TextWidth(pass.Message) / 2, base + 7, pass.Message);
        return;
    }
    const int h = canvas.TextHeight(QStringLiteral("T"));
    int top = p - h;
    for (const QString& word : pass.MessageWords) {
        canvas.TextOut(FScaleType == sctYL ? base + 2 : base - 2 - canvas.TextWidth(word), top, word);
        top += h;
    }
}

void TScale::drawCaption(TCanvas& canvas, int base) const {
    if (FCaption.isEmpty()) return;
    CaptionPlacement c;
    c.Vertical = isVerticalScale(FScaleType);
    c.Base = base;
    c.AxisStart = c.Vertical ? MarginTop() : MarginLeft();
    c.AxisEnd = c.Vertical ? Height() - MarginBottom() : Width() - MarginRight();
    c.Anchor = FCaptionAnchor;
    c.Alignment = FCaptionAlignment;
    c.PosX = FCaptionPosX;
    c.PosY = FCaptionPosY;
    c.TextWidth = canvas.TextWidth(FCaption);
    const QPoint at = captionTopLeft(c);
    canvas.TextOut(at.x(), at.y(), FCaption);
}
