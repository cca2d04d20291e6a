#include "app/velocitygraph.h"

#include "app/accessibleface.h"
#include "app/measuredtrip.h"
#include "app/simulation.h"
#include "app/studytexts.h"
#include "app/timeaxis.h"
#include "app/tripfiles.h"
#include "chart/rchart.h"
#include "platform/controls/forms.h"
#include "scales/labeltext.h"

#include <algorithm>
#include <cmath>

using enum VrxBase::TCrossHairMode;

namespace {

constexpr int kDotMark = 24; // small filled circle, as the measuring points

// Two points apart have an average velocity, drawn as a segment from t1 to t2.
bool hasAverage(const Measurement& m) {
    return !m.SinglePoint && m.T1 != m.T2;
}

template <class Scale> void copyScaleLook(const Scale& from, Scale& to) {
    to.Font()->Assign(*from.Font());
    to.SetColorScale(from.ColorScale());
    to.SetDecPlaces(from.DecPlaces());
    to.SetMinTicks(from.MinTicks());
    to.SetShortTicks(from.ShortTicks());
    to.SetCaptionPosX(from.CaptionPosX());
    to.SetCaptionPosY(from.CaptionPosY());
    to.SetCaptionAlignment(from.CaptionAlignment());
    to.SetCaptionAnchor(from.CaptionAnchor());
}

} // namespace

VelocityGraph::VelocityGraph(TForm& window, const TRChart& distanceChart, const Simulation& model,
                             const StudyTexts& texts)
    : FWindow(window), FDistanceChart(distanceChart), FModel(model), FTexts(texts) {}

void VelocityGraph::createChart() {
    FChart = new TRChart(&FWindow, &FWindow);
    FChart->SetName(QStringLiteral("RCVelocity"));
    FChart->setFocusPolicy(Qt::NoFocus);
    FChart->SetVisible(false);
    FChart->SetZoom(FDistanceChart.Zoom());
    takeLookOfDistanceChart();
    setAccessibleFace(
        FChart,
        {QAccessible::Graphic, [this] { return FTexts.GraphName(); }, {}, [this] { return description(); }});
}

// The same frame, fonts, margins and time axis as the distance chart, so that laid out as wide as
// it the two time axes line up; its own velocity axis.
void VelocityGraph::takeLookOfDistanceChart() {
    const TRChart& rc1 = FDistanceChart;
    FChart->SetWindColor(rc1.WindColor());
    FChart->SetChartColor(rc1.ChartColor());
    FChart->SetShadowStyle(rc1.ShadowStyle());
    FChart->SetShadowColor(rc1.ShadowColor());
    FChart->SetShadowBakColor(rc1.ShadowBakColor());
    FChart->SetShadowWidth(rc1.ShadowWidth());
    FChart->SetMarginLeft(rc1.MarginLeft());
    FChart->SetMarginTop(rc1.MarginTop());
    FChart->SetMarginBottom(rc1.MarginBottom());
    FChart->SetMarginRight(rc1.MarginRight());
    copyScaleLook(*rc1.Scale1X(), *FChart->Scale1X());
    copyScaleLook(*rc1.Scale1Y(), *FChart->Scale1Y());
    retranslate();
    FChart->SetRanges(1, rc1.Scale1X()->RangeLow(), rc1.Scale1X()->RangeHigh(), kLowest, kHighest);
    for (int n = 1; n <= TCustomRChart::CrossHairCount; ++n)
        FChart->CrossHair(n)->SetMode(chOff);
}

void VelocityGraph::retranslate() {
    if (!FChart) return;
    FChart->Scale1X()->SetCaption(FDistanceChart.Scale1X()->Caption());
    FChart->Scale1Y()->SetCaption(FTexts.VelocityAxis() + smoothingNote(FModel.trip()));
}

// The velocity axis and its caption follow the trip and its smoothing, which change far less often
// than the points a redraw is for.
void VelocityGraph::fitToTrip() {
    const std::pair fittedFor(&FModel.trip(), FModel.trip().tangentHalfWidth());
    if (fittedFor == FFittedFor) return;
    FFittedFor = fittedFor;
    fitVelocityAxis();
    retranslate();
}

// The profiles share one velocity axis; a measured trip's fits its smoothed velocities and zero.
void VelocityGraph::fitVelocityAxis() {
    const MeasuredTrip* measured = asMeasuredTrip(FModel.trip());
    if (!measured) {
        setValueAxis(*FChart, {kLowest, kHighest});
        return;
    }
    double low = 0, high = 0;
    for (const QPointF& point : measured->velocityCurve()) {
        low = std::min(low, point.y());
        high = std::max(high, point.y());
    }
    setValueAxis(*FChart, tickedRange(*FChart, low, high));
}

// A measured trip's velocity from the same smoothing as its tangent, as its exact curve.
void VelocityGraph::addMeasuredCurve(const MeasuredTrip& trip) {
    FChart->SetDataColor(clGreen);
    FChart->SetLineWidth(2);
    const std::vector<QPointF>& curve = trip.velocityCurve();
    for (std::size_t i = 1; i < curve.size(); ++i)
        FChart->AddLine(curve[i - 1].x(), curve[i - 1].y(), curve[i].x(), curve[i].y());
}

bool VelocityGraph::shown() const {
    return FChart && FChart->Visible();
}

void VelocityGraph::setShown(bool shown) {
    if (shown == this->shown()) return;
    if (!FChart) createChart();
    FChart->SetVisible(shown);
    if (shown) {
        FTrace = {dotOf(FLast)};
        redraw();
    }
}

void VelocityGraph::setExactCurve(bool shown) {
    FExactCurve = shown;
    redraw();
}

QPointF VelocityGraph::dotOf(const Measurement& m) {
    return {m.SinglePoint ? m.T1 : (m.T1 + m.T2) / 2, m.Velocity};
}

// Single-point mode coming on starts the trace anew: it holds tangents then, no secant's dot.
void VelocityGraph::measured(const Measurement& m) {
    if (m.SinglePoint && !FLast.SinglePoint) FTrace.clear();
    FLast = m;
    if (!shown()) return;
    // A dot already there is not drawn twice (a drag back over the same pixels measures the same).
    const QPointF dot = dotOf(m);
    if (std::find(FTrace.begin(), FTrace.end(), dot) == FTrace.end()) FTrace.push_back(dot);
    if (FTrace.size() > kMaxDots) FTrace.erase(FTrace.begin());
    redraw();
}

void VelocityGraph::clearTrace() {
    FTrace.clear();
    redraw();
}

// Items in the order that keeps a drag cheap: what stays (zero line, exact curve, older dots) comes
// first, what changes with every move last, the newest dot over the average's segment.
void VelocityGraph::redraw() {
    if (!shown()) return;
    FChart->SetSuppressPaint(true);
    const TScalePropsHoriz& time = *FDistanceChart.Scale1X();
    fitTimeAxis(*FChart, {time.RangeLow(), time.RangeHigh()}); // zoomed and panned with the chart
    fitToTrip();
    const double end = FChart->Scale1X()->RangeHigh();
    FChart->ClearItems();
    FChart->SetCurrentLayer(1);
    FChart->SetLineWidth(1);
    FChart->SetDataColor(clGray);
    FChart->AddLine(FChart->Scale1X()->RangeLow(), 0, end, 0);
    if (const MeasuredTrip* measured = asMeasuredTrip(FModel.trip()))
        addMeasuredCurve(*measured);
    else if (FExactCurve)
        addExactCurve();
    FChart->SetLineWidth(1);
    FChart->SetDataColor(clRed);
    for (const QPointF& dot : FTrace)
        FChart->AddMark(dot.x(), dot.y(), kDotMark);
    if (hasAverage(FLast)) {
        FChart->SetDataColor(clBlue);
        FChart->SetLineWidth(2);
        FChart->AddLine(std::min(FLast.T1, FLast.T2), FLast.Velocity, std::max(FLast.T1, FLast.T2),
                        FLast.Velocity);
        FChart->SetLineWidth(1);
        FChart->SetDataColor(clRed);
        if (!FTrace.empty()) FChart->AddMark(FTrace.back().x(), FTrace.back().y(), kDotMark);
    }
    FChart->SetSuppressPaint(false);
}

// One segment per minute, split where the velocity jumps, without joining the two sides of a jump.
// A trip without an exact velocity has no curve.
void VelocityGraph::addExactCurve() {
    const Trip& trip = FModel.trip();
    const auto velocity = [&trip](double t) { return trip.exactVelocity(t).value_or(0); };
    if (!trip.exactVelocity(trip.timeSpan().Start)) return;
    FChart->SetDataColor(clGreen);
    FChart->SetLineWidth(2);
    const std::vector<double> jumps = trip.velocityJumps();
    const double start = FChart->Scale1X()->RangeLow(), end = FChart->Scale1X()->RangeHigh();
    constexpr double kLeftOfJump = 1e-9; // min
    for (double a = start; a < end;) {
        double b = std::min(std::floor(a) + 1, end);
        const auto jump = std::upper_bound(jumps.begin(), jumps.end(), a);
        const bool toJump = jump != jumps.end() && *jump < b;
        if (toJump) b = *jump;
        FChart->AddLine(a, velocity(a), b, velocity(toJump ? b - kLeftOfJump : b));
        a = b;
    }
}

QString VelocityGraph::description() const {
    QStringList parts;
    if (!FTrace.empty()) {
        const QPointF& last = FTrace.back();
        parts << FTexts.GraphTrace()
                     .arg(FTrace.size())
                     .arg(FormatFloatField(1, 1, last.y()), FormatFloatField(1, 1, last.x()));
    }
    if (hasAverage(FLast))
        parts << FTexts.GraphAverage().arg(FormatFloatField(1, 1, FLast.Velocity),
                                           FormatFloatField(1, 1, std::min(FLast.T1, FLast.T2)),
                                           FormatFloatField(1, 1, std::max(FLast.T1, FLast.T2)));
    if (FExactCurve) parts << FTexts.GraphExact();
    return parts.join(QStringLiteral("; "));
}
