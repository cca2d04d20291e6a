#include "platform/graphics/bitmap.h"
#include "scales/scale.h"
#include "scales/scaleplacement.h"
#include "scales/scaleprops.h"

#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMouseEvent>

#include <any>
#include <vector>

using enum Frame3D::TFrameStyle;
using enum Graphics::TAlignment;
using enum ScaleEnums::TDateOrder;
using enum ScaleEnums::TFigType;
using enum ScaleEnums::TScaleType;
using enum ScaleEnums::TScaleUnitAnchor;
using enum ScaleEnums::TYearLength;
using enum TShiftStateFlag;

TEST(Scale, NewScaleDefaults) {
    TScale s(nullptr);
    EXPECT_EQ(s.Width(), 400);
    EXPECT_EQ(s.Height(), 400);
    EXPECT_EQ(s.RangeLow(), 0);
    EXPECT_EQ(s.RangeHigh(), 100);
    EXPECT_EQ(s.MinTicks(), 3);
    EXPECT_EQ(s.DecPlaces(), -2);
    EXPECT_EQ(s.NumTicks(), 0);
    EXPECT_EQ(s.FrameStyle(), fsLowered);
    EXPECT_EQ(s.CaptionPosX(), 4);
    EXPECT_TRUE(s.SuppressPaint());
}

TEST(Scale, SettersNormalise) {
    TScale s(nullptr);
    s.SetRangeLow(5);
    s.SetRangeHigh(5);
    EXPECT_EQ(s.RangeHigh(), 5);
    EXPECT_EQ(s.RangeLow(), 6);
    s.SetRangeLow(5);
    EXPECT_EQ(s.RangeHigh(), 6);
    s.SetMinTicks(0);
    EXPECT_EQ(s.MinTicks(), 0);
    s.SetMinTicks(1);
    EXPECT_EQ(s.MinTicks(), 2);
    s.SetMinTicks(50);
    EXPECT_EQ(s.MinTicks(), 10);
    s.SetDecPlaces(13);
    EXPECT_EQ(s.DecPlaces(), 12);
    s.SetMarginLeft(-4);
    EXPECT_EQ(s.MarginLeft(), 0);
    s.SetLabelType(ftTime);
    EXPECT_EQ(s.DecPlaces(), 4);
}

TEST(Scale, LogarithmicRefusedAfterLoadingOnly) {
    TScale runtime(nullptr);
    runtime.SetRangeLow(-1);
    runtime.SetLogarithmic(true); // a scale created at run time stays in its creation state
    EXPECT_TRUE(runtime.Logarithmic());

    TScale loaded(nullptr);
    loaded.BeginLoading();
    loaded.Loaded();
    loaded.SetLogarithmic(true); // RangeLow 0
    EXPECT_FALSE(loaded.Logarithmic());
    loaded.SetRangeLow(1);
    loaded.SetLogarithmic(true);
    EXPECT_TRUE(loaded.Logarithmic());
    loaded.SetLabelType(ftDateTime);
    EXPECT_FALSE(loaded.Logarithmic());
}

TEST(Scale, ValueToPixel) {
    TScale x(nullptr);
    x.SetBounds(0, 0, 576, 446);
    x.SetMarginLeft(50);
    x.SetMarginRight(19);
    x.SetRangeHigh(133);
    EXPECT_EQ(x.ValueToPixel(0), 50);
    EXPECT_EQ(x.ValueToPixel(133), 556);
    EXPECT_EQ(x.ValueToPixel(1e300), 2147483647);
    EXPECT_EQ(x.ValueToPixel(-1e300), -2147483647);

    TScale y(nullptr);
    y.SetScaleType(sctYR);
    y.SetBounds(0, 0, 576, 446);
    y.SetMarginTop(20);
    y.SetMarginBottom(39);
    y.SetRangeHigh(180);
    EXPECT_EQ(y.ValueToPixel(180), 20);
    EXPECT_EQ(y.ValueToPixel(0), 406);
    EXPECT_EQ(y.ValueToPixel(90), 213);

    y.SetRangeLow(1);
    y.SetRangeHigh(1000);
    y.SetLogarithmic(true);
    EXPECT_EQ(y.ValueToPixel(1000), 20);
    EXPECT_EQ(y.ValueToPixel(1), 406);
    EXPECT_EQ(y.ValueToPixel(10), 277); // a third of the way up
    y.SetMarginTop(420);                // no room left: everything in the middle
    EXPECT_EQ(y.ValueToPixel(1), 223);
}

TEST(Scale, ApplySettingsCopiesAGroup) {
    TScalePropsVert props;
    props.SetRangeHigh(180);
    props.SetCaption("BF_Distance [km]");
    props.SetCaptionAlignment(taLeftJustify);
    props.SetCaptionPosY(-16);
    props.SetVisible(true);
    props.SetLabelType(ftTime);
    props.SetDecPlaces(1);
    props.Font()->SetHeight(-13);
    props.DateFormat()->SetYearLength(ylYY);
    TScale s(nullptr);
    s.ApplySettings(props);
    EXPECT_EQ(s.ScaleType(), sctYR);
    EXPECT_EQ(s.RangeLow(), 0);
    EXPECT_EQ(s.RangeHigh(), 180);
    EXPECT_EQ(s.Caption(), "BF_Distance [km]");
    EXPECT_EQ(s.CaptionAlignment(), taLeftJustify);
    EXPECT_EQ(s.CaptionPosY(), -16);
    EXPECT_EQ(s.LabelType(), ftTime);
    EXPECT_EQ(s.DecPlaces(), 1);
    EXPECT_EQ(s.Font()->Height(), -13);
    EXPECT_EQ(s.DateFormat()->YearLength(), ylYY);
}

TEST(ScalePlacement, HorizontalLabelsStayInside) {
    EXPECT_EQ(horizontalLabelLeft(1, 20, 400), 2);
    EXPECT_EQ(horizontalLabelLeft(395, 20, 400), 378); // ends at Width - 2
    EXPECT_EQ(horizontalLabelLeft(200, 20, 400), 190);
    EXPECT_EQ(horizontalLabelLeft(5, 20, 400), 2);
}

TEST(ScalePlacement, CaptionAnchors) {
    // Bottom scale of the chart: centred on the axis, 22 pixels below the base line.
    CaptionPlacement bottom{false, 406, 50, 557, uaSclCenter, taCenter, 0, 22, 100};
    EXPECT_EQ(captionTopLeft(bottom), QPoint(303 - 50, 428));
    // Left scale: left edge on the axis line, top 16 pixels above the axis top.
    CaptionPlacement left{true, 50, 20, 407, uaSclTopLft, taLeftJustify, 0, -16, 100};
    EXPECT_EQ(captionTopLeft(left), QPoint(50, 4));
    CaptionPlacement end{false, 10, 20, 380, uaSclBotRgt, taRightJustify, 4, 4, 30};
    EXPECT_EQ(captionTopLeft(end), QPoint(354, 14));
}

TEST(Scale, AssignCopiesSettingsTicksAndTarget) {
    TBitmap bitmap(200, 100);
    TScale source(nullptr);
    source.SetEmbedded(true);
    source.SetBounds(0, 0, 200, 100);
    source.SetRangeHigh(133);
    source.SetCaption("t");
    source.SetMarginLeft(30);
    source.DateFormat()->SetDateOrder(doYYMMDD);
    source.SetDrawTarget(&bitmap.Canvas(), 0, 0);
    source.DrawNow();
    TScale copy(nullptr);
    copy.SetEmbedded(true);
    copy.SetBounds(0, 0, 200, 100); // the size is the control's own, not a setting
    copy.Assign(source);
    EXPECT_EQ(copy.RangeHigh(), 133);
    EXPECT_EQ(copy.Caption(), "t");
    EXPECT_EQ(copy.MarginLeft(), 30);
    EXPECT_EQ(copy.DateFormat()->DateOrder(), doYYMMDD);
    EXPECT_EQ(copy.NumTicks(), source.NumTicks());
    EXPECT_EQ(copy.GetTick(3), source.GetTick(3));
    EXPECT_EQ(copy.ValueToPixel(133), source.ValueToPixel(133));
    copy.DrawNow(); // onto the same target
    EXPECT_EQ(copy.PaintCount(), 1);
}

TEST(Scale, LayoutsBindItsEventsByName) {
    TScale s(nullptr);
    for (const char* name : {"OnBeforeScaleRendered", "OnAfterScaleRendered", "OnScaleTickDrawn", "OnClick",
                             "OnDblClick", "OnMouseMove", "OnMouseDown", "OnMouseUp", "OnContextPopup"})
        EXPECT_TRUE(s.PublishedEvents().contains(name)) << name;

    int ticks = 0;
    TScaleTickDrawnEvent tickDrawn = [&](QObject*, TCanvas*&, TScaleType, double, int, int) { ++ticks; };
    EXPECT_TRUE(s.PublishedEvents().bind("OnScaleTickDrawn", std::any(tickDrawn)));
    TBitmap bitmap(400, 400);
    s.SetEmbedded(true);
    s.SetDrawTarget(&bitmap.Canvas(), 0, 0);
    s.DrawNow();
    EXPECT_EQ(ticks, 21 + 6); // 0 … 100: short ticks every 5, long ones every 20

    std::vector<QString> calls;
    TNotifyEvent click = [&](QObject* sender) { calls.push_back(sender == &s ? "click" : "?"); };
    TMouseEvent down = [&](QObject*, TMouseButton button, TShiftState shift, int x, int y) {
        calls.push_back(
            QStringLiteral("down %1 %2 %3,%4").arg(int(button)).arg(shift.testFlag(ssLeft)).arg(x).arg(y));
    };
    TMouseEvent up = [&](QObject*, TMouseButton, TShiftState, int x, int y) {
        calls.push_back(QStringLiteral("up %1,%2").arg(x).arg(y));
    };
    TMouseMoveEvent move = [&](QObject*, TShiftState, int x, int y) {
        calls.push_back(QStringLiteral("move %1,%2").arg(x).arg(y));
    };
    TNotifyEvent dblClick = [&](QObject*) { calls.push_back("dblclick"); };
    EXPECT_TRUE(s.PublishedEvents().bind("OnClick", std::any(click)));
    EXPECT_TRUE(s.PublishedEvents().bind("OnMouseDown", std::any(down)));
    EXPECT_TRUE(s.PublishedEvents().bind("OnMouseUp", std::any(up)));
    EXPECT_TRUE(s.PublishedEvents().bind("OnMouseMove", std::any(move)));
    EXPECT_TRUE(s.PublishedEvents().bind("OnDblClick", std::any(dblClick)));
    const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent event(type, at, s.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&s, &event);
    };
    send(QEvent::MouseButtonPress, {10, 20}, Qt::LeftButton);
    send(QEvent::MouseMove, {12, 21}, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {12, 21}, Qt::NoButton);
    send(QEvent::MouseButtonDblClick, {12, 21}, Qt::LeftButton);
    EXPECT_EQ(calls, (std::vector<QString>{"down 0 1 10,20", "move 12,21", "up 12,21", "click",
                                           "down 0 1 12,21", "dblclick"}));

    QPoint popupAt;
    TContextPopupEvent popup = [&](QObject*, QPoint at, bool& handled) {
        popupAt = at;
        handled = true;
    };
    EXPECT_TRUE(s.PublishedEvents().bind("OnContextPopup", std::any(popup)));
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(30, 40), s.mapToGlobal(QPoint(30, 40)));
    QCoreApplication::sendEvent(&s, &menu);
    EXPECT_EQ(popupAt, QPoint(30, 40));
    EXPECT_TRUE(menu.isAccepted());
}

TEST(Scale, EqualEndsStayApartAtLargeValues) {
    TScale s(nullptr);
    s.SetRangeLow(1e17); // 1e17 + 1 rounds back to 1e17
    s.SetRangeHigh(1e17);
    EXPECT_EQ(s.RangeHigh(), 1e17);
    EXPECT_GT(s.RangeLow(), 1e17);
    s.SetRangeLow(1e17);
    EXPECT_EQ(s.RangeLow(), 1e17);
    EXPECT_NE(s.RangeHigh(), 1e17);
}
