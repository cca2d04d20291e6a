#include "../painttestutil.h"

#include "platform/graphics/bitmap.h"
#include "scales/scale.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPixmap>

#include <memory>

using enum Frame3D::TFrameStyle;
using enum Graphics::TAlignment;
using enum ScaleEnums::TFigType;
using enum ScaleEnums::TScaleType;
using enum ScaleEnums::TScaleUnitAnchor;

namespace {

// An embedded, transparent scale drawing onto a white bitmap of its own size, as the chart uses it.
struct EmbeddedScale {
    TBitmap bitmap;
    TScale scale{nullptr};

    EmbeddedScale(int width, int height, TScaleType type) : bitmap(width, height) {
        scale.SetEmbedded(true);
        scale.SetTransparent(true);
        scale.SetFrameStyle(fsNone);
        scale.SetScaleType(type);
        scale.SetBounds(0, 0, width, height);
        scale.SetDrawTarget(&bitmap.Canvas(), 0, 0);
        scale.Font()->SetColor(clRed);
    }

    TColor pixel(int x, int y) const { return bitmap.Canvas().Pixels(x, y); }
    // Bounding box of the pixels of one colour (the label and caption texts are drawn in red).
    QRect ink(TColor color = clRed) const {
        QRect box;
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x)
                if (pixel(x, y) == color) box |= QRect(x, y, 1, 1);
        return box;
    }
};

void expectColumn(const EmbeddedScale& s, int x, int fromY, int toY, TColor color) {
    for (int y = fromY; y <= toY; ++y)
        EXPECT_EQ(s.pixel(x, y), color) << "at " << x << "," << y;
}

void expectRow(const EmbeddedScale& s, int y, int fromX, int toX, TColor color) {
    for (int x = fromX; x <= toX; ++x)
        EXPECT_EQ(s.pixel(x, y), color) << "at " << x << "," << y;
}

} // namespace

TEST(ScalePaint, HorizontalBaseLineAndTicksBelowIt) {
    EmbeddedScale s(200, 100, sctXT);
    s.scale.SetLabelType(ftNoFigs);
    int ticks = 0;
    QPoint firstTick;
    std::vector<QString> events;
    s.scale.SetOnBeforeScaleRendered([&](QObject*, TCanvas&) { events.push_back("before"); });
    s.scale.SetOnAfterScaleRendered([&](QObject*, TCanvas&) { events.push_back("after"); });
    s.scale.SetOnScaleTickDrawn([&](QObject* sender, TCanvas*&, TScaleType type, double, int x, int y) {
        EXPECT_EQ(sender, &s.scale);
        EXPECT_EQ(type, sctXT);
        if (ticks++ == 0) firstTick = QPoint(x, y);
    });
    s.scale.DrawNow();
    expectRow(s, 20, 20, 178, clBlack); // base line at MarginTop
    EXPECT_EQ(s.pixel(19, 20), clWhite);
    expectColumn(s, 20, 20, 26, clBlack); // long tick: 7 pixels down
    EXPECT_EQ(s.pixel(20, 27), clWhite);
    expectColumn(s, 28, 20, 23, clBlack); // short tick at 5: 4 pixels
    EXPECT_EQ(s.pixel(28, 24), clWhite);
    EXPECT_EQ(ticks, 21 + 6);
    EXPECT_EQ(firstTick, QPoint(20, 20));
    EXPECT_EQ(events, (std::vector<QString>{"before", "after"}));
    EXPECT_EQ(s.scale.NumTicks(), 21);
    EXPECT_EQ(s.scale.GetTick(2), 5);
    EXPECT_EQ(s.scale.GetTick(22), 0);
}

TEST(ScalePaint, OffsetsShiftTheBaseLine) {
    EmbeddedScale top(200, 100, sctXB);
    top.scale.SetLabelType(ftNoFigs);
    top.scale.SetDrawTarget(&top.bitmap.Canvas(), 30, 5);
    top.scale.DrawNow();
    expectColumn(top, 20, 78, 84, clBlack); // base line at 5 + 100 - 20 - 1, ticks upwards
    EXPECT_EQ(top.pixel(20, 77), clWhite);

    EmbeddedScale right(200, 100, sctYR);
    right.scale.SetLabelType(ftNoFigs);
    right.scale.SetDrawTarget(&right.bitmap.Canvas(), -10, 0);
    right.scale.DrawNow();
    expectRow(right, 79, 164, 169, clBlack); // x0 = -10 + 200 - 20 - 1, long tick 6 to the left
    EXPECT_EQ(right.pixel(163, 79), clWhite);
    expectColumn(right, 169, 20, 78, clBlack);
    EXPECT_EQ(right.scale.NumTicks(), 21 + 6); // vertical scales record the long ticks as well
}

TEST(ScalePaint, LogarithmicVerticalTicksAreAllLong) {
    EmbeddedScale s(100, 200, sctYL);
    s.scale.SetLabelType(ftNoFigs);
    s.scale.SetRangeLow(1);
    s.scale.SetRangeHigh(1000);
    s.scale.SetMinTicks(4);
    s.scale.SetLogarithmic(true);
    s.scale.DrawNow();
    const int y3 = s.scale.ValueToPixel(3);
    expectRow(s, y3, 20, 25, clBlack);
    EXPECT_EQ(s.pixel(26, y3), clWhite);
}

TEST(ScalePaint, CaptionsSitAtTheirAnchors) {
    EmbeddedScale bottom(576, 446, sctXT);
    bottom.scale.SetLabelType(ftNoFigs);
    bottom.scale.SetMarginLeft(50);
    bottom.scale.SetMarginRight(19);
    bottom.scale.SetMarginTop(406);
    bottom.scale.SetCaption("Time");
    bottom.scale.SetCaptionAnchor(uaSclCenter);
    bottom.scale.SetCaptionPosX(0);
    bottom.scale.SetCaptionPosY(22);
    bottom.scale.DrawNow();
    const int w = bottom.bitmap.Canvas().TextWidth("Time");
    const QRect ink = bottom.ink();
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.top(), 406 + 22);
    EXPECT_GE(ink.left(), 303 - w / 2);
    EXPECT_LT(ink.right(), 303 - w / 2 + w);
    EXPECT_LE(std::abs(ink.center().x() - 303), 2);

    EmbeddedScale left(576, 446, sctYR);
    left.scale.SetLabelType(ftNoFigs);
    left.scale.SetMarginTop(20);
    left.scale.SetMarginBottom(39);
    left.scale.SetMarginRight(525);
    left.scale.SetCaption("Distance");
    left.scale.SetCaptionAlignment(taLeftJustify);
    left.scale.SetCaptionPosX(0);
    left.scale.SetCaptionPosY(-16);
    left.scale.DrawNow();
    const QRect leftInk = left.ink();
    ASSERT_FALSE(leftInk.isEmpty());
    EXPECT_GE(leftInk.left(), 50);
    EXPECT_LE(leftInk.left(), 51);
    EXPECT_GE(leftInk.top(), 4);
    EXPECT_LT(leftInk.bottom(), 4 + left.bitmap.Canvas().TextHeight("Distance"));
}

TEST(ScalePaint, LabelsStayInsideTheControl) {
    EmbeddedScale s(200, 60, sctXT);
    s.scale.SetMarginLeft(1);
    s.scale.SetMarginRight(4); // the last tick at Width - 5
    s.scale.SetLabelType(ftUserText);
    s.scale.SetUserTickText("WWW");
    s.scale.DrawNow();
    const QRect ink = s.ink();
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 2);
    EXPECT_LE(ink.left(), 3);
    EXPECT_LT(ink.right(), 200 - 2);
    EXPECT_GE(ink.right(), 200 - 4);
    EXPECT_GE(ink.top(), 7);
}

TEST(ScalePaint, DateTimeMessages) {
    EmbeddedScale h(300, 60, sctXT);
    h.scale.SetLabelType(ftDateTime);
    h.scale.SetRangeLow(-700000);
    h.scale.DrawNow();
    const QRect ink = h.ink();
    ASSERT_FALSE(ink.isEmpty());
    const int w = h.bitmap.Canvas().TextWidth("invalid DateTime scale");
    const int middle = h.scale.ValueToPixel((-700000 + 100) / 2.0);
    EXPECT_GE(ink.top(), 20 + 7);
    EXPECT_GE(ink.left(), middle - w / 2);
    EXPECT_LE(std::abs(ink.center().x() - middle), 2);
    EXPECT_EQ(h.scale.NumTicks(), 0);

    EmbeddedScale v(200, 300, sctYR);
    v.scale.SetLabelType(ftDateTime);
    v.scale.SetRangeHigh(0.00001); // a hundredth of a second per interval is still drawn
    v.scale.SetRangeHigh(0.0000001);
    v.scale.DrawNow();
    const QRect words = v.ink();
    ASSERT_FALSE(words.isEmpty());
    const int th = v.bitmap.Canvas().TextHeight("T");
    const int y = v.scale.ValueToPixel(0.00000005);
    EXPECT_LT(words.right(), 179 - 2);
    EXPECT_GE(words.top(), y - th);
    EXPECT_LT(words.bottom(), y + 3 * th);
    EXPECT_GT(words.bottom(), y + 2 * th); // four lines
}

TEST(ScalePaint, DateLinesGoOneLineFurther) {
    EmbeddedScale s(400, 80, sctXT);
    s.scale.SetLabelType(ftDateTime);
    s.scale.SetRangeHigh(1); // one day in hours
    s.scale.DrawNow();
    const int h = s.bitmap.Canvas().TextHeight("00:00");
    const QRect ink = s.ink();
    EXPECT_GE(ink.top(), 20 + 7);
    EXPECT_GT(ink.bottom(), 20 + 7 + h); // the date line under the first time label
    EXPECT_LT(ink.bottom(), 20 + 7 + 2 * h);
}

TEST(ScalePaint, OpaqueScaleHasBackgroundAndFrame) {
    EmbeddedScale s(60, 60, sctXB);
    s.scale.SetTransparent(false);
    s.scale.SetFrameStyle(fsLowered);
    s.scale.SetColorBackGnd(clYellow);
    s.scale.SetLabelType(ftNoFigs);
    s.scale.SetDrawTarget(&s.bitmap.Canvas(), 0, 0);
    s.scale.DrawNow();
    EXPECT_EQ(s.pixel(0, 0), clGray);
    EXPECT_EQ(s.pixel(59, 59), clWhite);
    EXPECT_EQ(s.pixel(1, 1), clBlack);
    EXPECT_EQ(s.pixel(58, 58), clSilver);
    EXPECT_EQ(s.pixel(30, 10), clYellow);
    EXPECT_EQ(s.pixel(20, 39), clBlack); // base line at Height - MarginBottom - 1
}

TEST(ScalePaint, SuppressionVisibilityAndEmbedding) {
    EmbeddedScale s(100, 60, sctXT);
    s.scale.SetCaption("x"); // suppressed: nothing painted
    EXPECT_EQ(s.scale.PaintCount(), 0);
    s.scale.SetSuppressPaint(false); // paints once
    EXPECT_EQ(s.scale.PaintCount(), 1);
    s.scale.SetCaption("y"); // an embedded scale paints at once
    EXPECT_EQ(s.scale.PaintCount(), 2);
    s.scale.SetCaption("y");
    EXPECT_EQ(s.scale.PaintCount(), 2);

    EmbeddedScale hidden(100, 60, sctXT);
    hidden.scale.SetVisible(false);
    hidden.scale.SetSuppressPaint(false);
    hidden.scale.DrawNow();
    EXPECT_EQ(hidden.scale.PaintCount(), 0);
    EXPECT_TRUE(hidden.ink(clBlack).isEmpty());
    EXPECT_FALSE(hidden.scale.isVisible());
    hidden.scale.SetVisible(true);
    EXPECT_FALSE(hidden.scale.isVisible()); // embedded: never a window of its own
}

TEST(ScalePaint, StandAloneScaleIsAWidget) {
    TScale scale(nullptr);
    scale.SetColorBackGnd(clYellow);
    scale.show();
    EXPECT_FALSE(scale.SuppressPaint());
    const QImage shot = scale.grab().toImage();
    ASSERT_EQ(shot.size(), QSize(400, 400));
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(shot.pixelColor(200, 200), QColor(Qt::yellow));
    EXPECT_EQ(shot.pixelColor(20, 379), QColor(Qt::black)); // base line of sctXB
}

TEST(ScalePaint, TransparentStandAloneScalePaintsOnRequestOnly) {
    TScale scale(nullptr);
    scale.SetTransparent(true);
    scale.show();
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    const int settled = scale.PaintCount();
    EXPECT_LE(settled, 3);
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(scale.PaintCount(), settled); // painting does not ask for another paint
    const QImage shot = scale.grab().toImage();
    EXPECT_EQ(shot.pixelColor(20, 379), QColor(Qt::black));
}

TEST(ScalePaint, MainWindowScalesPicture) {
    TBitmap bitmap(576, 446);
    auto makeScale = [&](TScaleType type, double high, const QString& caption) {
        auto scale = std::make_unique<TScale>(nullptr);
        scale->SetEmbedded(true);
        scale->SetTransparent(true);
        scale->SetFrameStyle(fsNone);
        scale->SetScaleType(type);
        scale->SetBounds(0, 0, 576, 446);
        scale->SetRangeHigh(high);
        scale->SetCaption(caption);
        scale->SetCaptionPosX(0);
        scale->Font()->SetName("MS Sans Serif");
        scale->Font()->SetHeight(-13);
        scale->SetDrawTarget(&bitmap.Canvas(), 0, 0);
        return scale;
    };
    auto x = makeScale(sctXT, 133, "BF_Time [min]");
    x->SetMarginLeft(50);
    x->SetMarginRight(19);
    x->SetMarginTop(446 - 40);
    x->SetCaptionAnchor(uaSclCenter);
    x->SetCaptionPosY(22);
    auto y = makeScale(sctYR, 180, "BF_Distance [km]");
    y->SetMarginTop(20);
    y->SetMarginBottom(39);
    y->SetMarginRight(576 - 50 - 1);
    y->SetCaptionAlignment(taLeftJustify);
    y->SetCaptionPosY(-16);
    x->DrawNow();
    y->DrawNow();
    EXPECT_EQ(x->NumTicks(), 27);
    EXPECT_EQ(y->NumTicks(), 23);
    EXPECT_EQ(bitmap.Canvas().Pixels(50, 406), clBlack);
    EXPECT_EQ(bitmap.Canvas().Pixels(x->ValueToPixel(130), 409), clBlack); // the last short tick
    EXPECT_EQ(bitmap.Canvas().Pixels(556, 409), clWhite);                  // none at 133
    EXPECT_TRUE(bitmap.Image().save(outputPath(QStringLiteral("scales_main_window.png"))));
}

TEST(ScalePaint, ScaleKindsPicture) {
    TBitmap bitmap(600, 400);
    std::vector<std::unique_ptr<TScale>> scales;
    auto add = [&](int left, int top, int width, int height, TScaleType type) -> TScale& {
        scales.push_back(std::make_unique<TScale>(nullptr));
        TScale& s = *scales.back();
        s.SetEmbedded(true);
        s.SetColorBackGnd(clSilver);
        s.SetScaleType(type);
        s.SetBounds(0, 0, width, height);
        s.SetDrawTarget(&bitmap.Canvas(), left, top);
        return s;
    };
    TScale& dates = add(0, 0, 600, 70, sctXT);
    dates.SetLabelType(ftDateTime);
    dates.SetRangeLow(45000.25);
    dates.SetRangeHigh(45002);
    dates.SetCaption("date/time");
    TScale& years = add(0, 70, 600, 60, sctXB);
    years.SetLabelType(ftDateTime);
    years.SetRangeHigh(40000);
    years.SetFrameStyle(fsRaised);
    TScale& time = add(0, 130, 600, 60, sctXT);
    time.SetLabelType(ftTime);
    time.SetRangeLow(3590);
    time.SetRangeHigh(3660);
    time.SetFrameStyle(fsEmbossed);
    TScale& log = add(0, 190, 150, 210, sctYL);
    log.SetRangeLow(0.01);
    log.SetRangeHigh(1000);
    log.SetMinTicks(10);
    log.SetLogarithmic(true);
    log.SetCaption("log");
    TScale& reversed = add(150, 190, 150, 210, sctYR);
    reversed.SetRangeLow(10);
    reversed.SetRangeHigh(0);
    reversed.SetScaleInscript("& km");
    reversed.SetFrameStyle(fsEngraved);
    TScale& message = add(300, 190, 150, 210, sctYR);
    message.SetLabelType(ftDateTime);
    message.SetRangeLow(-800000);
    message.SetFrameStyle(fsSimple);
    TScale& user = add(450, 190, 150, 210, sctYL);
    user.SetLabelType(ftUserText);
    user.SetUserTickText("low|mid|high");
    user.SetMinTicks(2);
    for (auto& s : scales)
        s->DrawNow();
    EXPECT_EQ(bitmap.Canvas().Pixels(0, 0), clGray); // lowered frame of the first scale
    EXPECT_TRUE(bitmap.Image().save(outputPath(QStringLiteral("scales_kinds.png"))));
}
