// TMouseControl: a control that reports the framework's standard mouse events (OnMouseDown,
// OnMouseMove, OnMouseUp, OnDblClick) in control pixels, published for stored layouts. Controls
// that keep their own order of mouse handling override the Qt handlers and fire these themselves.
#pragma once

#include "platform/controls/control.h"
#include "platform/controls/inputevents.h"

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

protected:
    void FireMouseDown(const QMouseEvent& event);
    void FireMouseMove(const QMouseEvent& event);
    void FireMouseUp(const QMouseEvent& event);
    void FireDblClick();

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
};
