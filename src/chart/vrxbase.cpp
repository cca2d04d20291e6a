#include "chart/vrxbase.h"

#include "platform/graphics/assignchanged.h"
#include "platform/graphics/canvas.h"

#include <algorithm>
#include <cmath>

using enum Graphics::TBrushStyle;
using enum VrxBase::TCrossHairMode;
using enum VrxBase::TTextLabelMode;

PinnedPart::PinnedPart(int layer, QObject* parent) : QObject(parent), FLayer(clampLayer(layer)) {}

void PinnedPart::SetPosX(double value) {
    if (!std::isnan(value) && assignChanged(FPosX, value)) notify();
}
void PinnedPart::SetPosY(double value) {
    if (!std::isnan(value) && assignChanged(FPosY, value)) notify();
}
void PinnedPart::SetLayer(int value) {
    if (assignChanged(FLayer, clampLayer(value))) notify();
}
void PinnedPart::SetColor(TColor value) {
    if (assignChanged(FColor, value)) notify();
}
void PinnedPart::notify() const {
    if (FOnChange) FOnChange();
}

TCrossHair::TCrossHair(int number, QObject* parent) : PinnedPart(number, parent) {}

void TCrossHair::SetMode(TCrossHairMode value) {
    if (assignChanged(FMode, value)) notify();
}
void TCrossHair::SetLineType(TPenStyle value) {
    if (assignChanged(FLineType, value)) notify();
}
void TCrossHair::SetLineWid(int value) {
    if (assignChanged(FLineWid, std::max(value, 1))) notify();
}

void drawCrossHairLines(TCanvas& canvas, const TCrossHair& crossHair, QPoint pixel, const TRect& dataArea) {
    // A wide line is kept off the frame by half its width on either side.
    const int w2 = crossHair.LineWid() / 2;
    const int px = pixel.x();
    const int py = pixel.y();
    if (crossHair.ShowsHorizontal() && dataArea.Top + w2 < py && py < dataArea.Bottom - w2) {
        canvas.MoveTo(dataArea.Left + w2 + 1, py);
        canvas.LineTo(dataArea.Right - w2, py);
    }
    if (crossHair.ShowsVertical() && dataArea.Left + w2 < px && px < dataArea.Right - w2) {
        canvas.MoveTo(px, dataArea.Top + w2 + 1);
        canvas.LineTo(px, dataArea.Bottom - w2);
    }
}

void drawCrossHairs(TCanvas& canvas, std::span<const TCrossHair* const> crossHairs,
                    const LayerToPixel& toPixel, const TRect& dataArea, TColor chartColor) {
    const bool anyShown = std::any_of(crossHairs.begin(), crossHairs.end(),
                                      [](const TCrossHair* c) { return c->Mode() != chOff; });
    if (!anyShown) return;
    const TPen saved = canvas.Pen();
    canvas.Brush().Color = chartColor;
    canvas.Brush().Style = bsSolid;
    for (const TCrossHair* c : crossHairs) {
        if (c->Mode() == chOff) continue;
        canvas.Pen().Color = c->Color();
        canvas.Pen().Width = c->LineWid();
        canvas.Pen().Style = c->LineType();
        drawCrossHairLines(canvas, *c, toPixel(c->Layer(), c->PosX(), c->PosY()), dataArea);
    }
    canvas.Pen().Color = saved.Color;
    canvas.Pen().Width = saved.Width;
    canvas.Pen().Style = saved.Style;
}

TCustomTextLabel::TCustomTextLabel(QObject* parent) : PinnedPart(1, parent) {}

void TCustomTextLabel::SetCaption(const QString& value) {
    if (assignChanged(FCaption, value)) notify();
}
void TCustomTextLabel::SetMode(TTextLabelMode value) {
    if (assignChanged(FMode, value)) notify();
}
void TCustomTextLabel::SetVisible(bool value) {
    if (assignChanged(FVisible, value)) notify();
}

void drawTextLabel(TCanvas& canvas, const TCustomTextLabel& label, QPoint pixel) {
    if (!label.Shown()) return;
    canvas.Font().SetColor(label.Color());
    canvas.Brush().Style = bsClear;
    canvas.TextOut(pixel.x(), pixel.y(), label.Caption());
    if (label.Mode() != tlBox) return;
    const QSize extent = canvas.TextExtent(label.Caption());
    canvas.Pen().Color = label.Color();
    canvas.Rectangle(pixel.x() - 2, pixel.y() - 1, pixel.x() + extent.width() + 2,
                     pixel.y() + extent.height() + 1);
}
