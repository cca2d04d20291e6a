#include "platform/controls/mousecontrol.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

TShiftState shiftOf(const QMouseEvent& event) {
    return shiftStateOf(event.modifiers(), event.buttons());
}

} // namespace

TMouseControl::TMouseControl(TComponentBase* owner, QWidget* parent) : TControl(owner, parent) {
    PublishEvent(QStringLiteral("OnDblClick"), &FOnDblClick);
    PublishEvent(QStringLiteral("OnMouseMove"), &FOnMouseMove);
    PublishEvent(QStringLiteral("OnMouseDown"), &FOnMouseDown);
    PublishEvent(QStringLiteral("OnMouseUp"), &FOnMouseUp);
}

void TMouseControl::FireMouseDown(const QMouseEvent& event) {
    const QPoint p = PicturePoint(event.position());
    if (FOnMouseDown) FOnMouseDown(this, mouseButtonOf(event.button()), shiftOf(event), p.x(), p.y());
}

void TMouseControl::FireMouseMove(const QMouseEvent& event) {
    const QPoint p = PicturePoint(event.position());
    if (FOnMouseMove) FOnMouseMove(this, shiftOf(event), p.x(), p.y());
}

void TMouseControl::FireMouseUp(const QMouseEvent& event) {
    const QPoint p = PicturePoint(event.position());
    if (FOnMouseUp) FOnMouseUp(this, mouseButtonOf(event.button()), shiftOf(event), p.x(), p.y());
}

void TMouseControl::FireDblClick() {
    if (FOnDblClick) FOnDblClick(this);
}

void TMouseControl::mousePressEvent(QMouseEvent* event) {
    TControl::mousePressEvent(event);
    FireMouseDown(*event);
}

void TMouseControl::mouseMoveEvent(QMouseEvent* event) {
    TControl::mouseMoveEvent(event);
    FireMouseMove(*event);
}

void TMouseControl::mouseReleaseEvent(QMouseEvent* event) {
    TControl::mouseReleaseEvent(event);
    FireMouseUp(*event);
}

void TMouseControl::mouseDoubleClickEvent(QMouseEvent* event) {
    TControl::mouseDoubleClickEvent(event); // Qt passes this on as a press
    if (event->button() == Qt::LeftButton) FireDblClick();
}

void TMouseControl::SetZoom(double value) {
    const double zoom = DrawingScale(value).factor();
    if (zoom == FZoom) return;
    FZoom = zoom;
    ZoomChanged();
}

QSize TMouseControl::PictureSize() const {
    return DrawingScale(FZoom).layoutSize(size());
}

double TMouseControl::PixelRatio() const {
    return FPixelRatio > 0 ? FPixelRatio : devicePixelRatioF();
}

void TMouseControl::SetPixelRatio(double value) {
    const double ratio = value > 0 ? value : 0;
    if (ratio == FPixelRatio) return;
    FPixelRatio = ratio;
    ZoomChanged();
}

DrawingScale TMouseControl::PictureScale() const {
    return DrawingScale(FZoom * PixelRatio());
}

QPoint TMouseControl::PicturePoint(QPointF controlPoint) const {
    if (FZoom == 1) return controlPoint.toPoint();
    return QPoint(static_cast<int>(std::floor(controlPoint.x() / FZoom)),
                  static_cast<int>(std::floor(controlPoint.y() / FZoom)));
}

void TMouseControl::DrawPicture(QPainter& painter, const QImage& picture) const {
    const double ratio = PixelRatio();
    if (ratio == 1 && FZoom == 1) {
        painter.drawImage(0, 0, picture);
        return;
    }
    painter.drawImage(QRectF(0, 0, picture.width() / ratio, picture.height() / ratio), picture);
}
