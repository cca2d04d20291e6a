// TMouseControl: a control that reports the framework's standard mouse events (OnMouseDown,
// OnMouseMove, OnMouseUp, OnDblClick) in control pixels, published for stored layouts. Controls
// that keep their own order of mouse handling override the Qt handlers and fire these themselves.
//
// Such a control draws a picture laid out in its own pixels. Zoom enlarges that picture on the
// screen without changing its layout: at zoom 2.5 a control 1000 pixels wide lays out a picture 400
// pixels wide, draws it 2.5 times as large in the screen's device pixels, and reports the mouse in
// the picture's pixels. A pixel ratio set for a picture taken off screen (a picture of the window
// at twice its size) takes the place of the screen's device pixel ratio.
#pragma once

#include "platform/controls/control.h"
#include "platform/controls/inputevents.h"
#include "platform/graphics/drawingscale.h"

class QImage;
class QPainter;

class QMouseEvent;

class TMouseControl : public TControl {
    Q_OBJECT
public:
    explicit TMouseControl(TComponentBase* owner, QWidget* parent = nullptr);

    const TMouseEvent& OnMouseDown() const { return FOnMouseDown; }
    void SetOnMouseDown(TMouseEvent handler) { FOnMouseDown = std::move(handler); }
    const TMouseMoveEvent& OnMouseMove() const { return FOnMouseMove; }
    void SetOnMouseMove(TMouseMoveEvent handler) { FOnMouseMove = std::move(handler); }
    const TMouseEvent& OnMouseUp() const { return FOnMouseUp; }
    void SetOnMouseUp(TMouseEvent handler) { FOnMouseUp = std::move(handler); }
    const TNotifyEvent& OnDblClick() const { return FOnDblClick; }
    void SetOnDblClick(TNotifyEvent handler) { FOnDblClick = std::move(handler); }

    double Zoom() const { return FZoom; }
    // Values of 0 or less count as 1.
    void SetZoom(double value);
    // The size the picture is laid out at: the control's size over the zoom.
    QSize PictureSize() const;
    // Device pixels per control pixel: the screen's device pixel ratio, or the ratio set.
    double PixelRatio() const;
    // Values of 0 or less go back to the screen's.
    void SetPixelRatio(double value);
    // Device pixels per picture pixel: the zoom times the pixel ratio.
    DrawingScale PictureScale() const;

protected:
    void FireMouseDown(const QMouseEvent& event);
    void FireMouseMove(const QMouseEvent& event);
    void FireMouseUp(const QMouseEvent& event);
    void FireDblClick();
    // The picture pixel under a point of the control.
    QPoint PicturePoint(QPointF controlPoint) const;
    // Copies a picture of device pixels onto the control, one to one.
    void DrawPicture(QPainter& painter, const QImage& picture) const;
    // After the zoom or the pixel ratio has changed; the base repaints.
    virtual void ZoomChanged() { update(); }

    // Each fires its event after the widget's own handling. A double click of the left button also
    // reports the press first, as the platform does.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    TMouseEvent FOnMouseDown;
    TMouseMoveEvent FOnMouseMove;
    TMouseEvent FOnMouseUp;
    TNotifyEvent FOnDblClick;
    double FZoom = 1;
    double FPixelRatio = 0; // 0: the screen's
};
