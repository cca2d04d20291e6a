// The display of the simulation: the measuring points follow the mouse, and every change of the
// simulation ends in one UpdateDisplay that rebuilds the chart's items and the read-outs from its
// measurement.
#include "app/mainfrm.h"

#include "app/chartaccess.h"
#include "app/profiletrip.h"
#include "app/readouttexts.h"
#include "app/simulation.h"
#include "app/studytools.h"
#include "app/timeaxis.h"
#include "app/tripfiles.h"
#include "app/velocitygraph.h"
#include "app/zoomview.h"
#include "chart/rchart.h"
#include "platform/controls/stdctrls.h"
#include "scales/labeltext.h"
#include "widgets/rasterlab.h"
#include "widgets/sline.h"

#include <algorithm>

using enum TShiftStateFlag;
using enum VrxBase::TCrossHairMode;

namespace {

constexpr int kPointMark = 24;       // small filled circle
constexpr double kDsTextGap = 3;     // min between the ds leg and the middle of its text
constexpr int kDsTextHalfWidth = 10; // pixels, "ds" in the chart's 10-point text with room to spare

// The time of the ds text's middle: `gap` minutes from the leg at t, or as far on its other side
// where the text would reach past an end of the time axis.
double dsTextTime(const TRChart& chart, double t, double gap) {
    const double low = chart.Scale1X()->RangeLow(), high = chart.Scale1X()->RangeHigh();
    const int pixels = chart.DataToPixel(1, high, 0).x() - chart.DataToPixel(1, low, 0).x();
    const double halfWidth = pixels > 0 ? kDsTextHalfWidth * (high - low) / pixels : 0;
    const double middle = t + gap;
    return middle - halfWidth < low || middle + halfWidth > high ? t - gap : middle;
}

} // namespace

bool TForm1::SinglePoint() const {
    return FSimulation->singlePoint();
}

double TForm1::Time1() const {
    return FSimulation->measurement().T1;
}

double TForm1::Time2() const {
    return FSimulation->measurement().T2;
}

double TForm1::Dist1() const {
    return FSimulation->measurement().S1;
}

double TForm1::Dist2() const {
    return FSimulation->measurement().S2;
}

void TForm1::UpdateDisplay() {
    const Measurement& m = FSimulation->measurement();
    RC1->SetSuppressPaint(true);
    FZoom->fit();
    RC1->ClearItems();
    addCurve();

    placeLine();
    Label1->SetCaption(m.Tangent ? FReadoutTexts->VelocityAtPoint() + smoothingNote(FSimulation->trip())
                                 : FReadoutTexts->AverageVelocity());

    RC1->SetDataColor(clBlue);
    // Over the trip, but zoomed in no further than the time axis shown and as far again beyond each
    // end, where the chart cuts it off: not thousands of pixels outside.
    const TripSpan span = FSimulation->trip().timeSpan();
    const double shown = RC1->Scale1X()->RangeHigh() - RC1->Scale1X()->RangeLow();
    const double low = std::max(span.Start, RC1->Scale1X()->RangeLow() - shown);
    const double high = std::min(span.End, RC1->Scale1X()->RangeHigh() + shown);
    RC1->AddLine(low, SLine1->YAt(low), high, SLine1->YAt(high));

    RC1->SetDataColor(clRed);
    RC1->AddMark(m.T1, m.S1, kPointMark);
    if (!m.SinglePoint) RC1->AddMark(m.T2, m.S2, kPointMark);
    RC1->CrossHair1()->SetPosX(m.T1);
    RC1->CrossHair1()->SetPosY(m.S1);
    RC1->CrossHair2()->SetPosX(m.T2);
    RC1->CrossHair2()->SetPosY(m.S2);
    if (!m.Tangent) addSlopeTriangle();
    RC1->SetSuppressPaint(false);

    showReadouts();
    FAccess->displayUpdated();
    FStudy->displayUpdated();
}

// The line the measurement runs through: the secant, or the tangent's central secant.
void TForm1::placeLine() {
    const Secant& line = FSimulation->measurement().Line;
    SLine1->ThroughPoints(line.From.x(), line.From.y(), line.To.x(), line.To.y());
}

double TForm1::Velocity() const {
    return FSimulation->measurement().Velocity;
}

void TForm1::MovePoint(int point, double t) {
    FSimulation->movePoint(point, t);
}

void TForm1::SetPoints(double t1, double t2) {
    FSimulation->setPoints(t1, t2);
}

void TForm1::SetProfile(int profile) {
    CBoxMode->SetItemIndex(profile);
    CBoxModeChange(CBoxMode);
}

void TForm1::addCurve() {
    RC1->SetDataColor(clBlack);
    RC1->SetLineWidth(2);
    for (const QPointF& sample : curveInView(FSimulation->trip(), FZoom->zoom().view().Time))
        RC1->AddLineTo(sample.x(), sample.y());
    RC1->SetLineWidth(1);
}

// The dt leg lies at the height of the lower point, the ds leg stands at the time of the higher one;
// the ds text stays inside the data area.
void TForm1::addSlopeTriangle() {
    const Measurement& m = FSimulation->measurement();
    const double t1 = m.T1, t2 = m.T2, s1 = m.S1, s2 = m.S2;
    const QString dt = QStringLiteral("dt"), ds = QStringLiteral("ds");
    if (s1 < s2) {
        RC1->AddLine(t1, s1, t2, s1);
        RC1->AddText((t1 + t2) / 2, s1 - 5, 10, dt);
        RC1->AddLine(t2, s1, t2, s2);
        RC1->AddText(dsTextTime(*RC1, t2, kDsTextGap), (s1 + s2) / 2, 10, ds);
    } else {
        RC1->AddLine(t1, s2, t2, s2);
        RC1->AddText((t1 + t2) / 2, s2 - 5, 10, dt);
        RC1->AddLine(t1, s1, t1, s2);
        RC1->AddText(dsTextTime(*RC1, t1, -kDsTextGap), (s1 + s2) / 2, 10, ds);
    }
}

// Until the simulation starts the read-outs show their dots unlit, not the layout's placeholder.
void TForm1::blankReadouts() {
    for (TRasterLab* readout : {RLabSpeed, RLabDS, RLabDT})
        readout->SetText(QString());
}

// A sheet on which the values are to be predicted first shows the read-outs blank.
void TForm1::showReadouts() {
    if (FStudy->valuesHidden()) {
        blankReadouts();
        return;
    }
    const Measurement& m = FSimulation->measurement();
    RLabSpeed->SetText(FormatFloatField(3, 1, m.Velocity) + QStringLiteral("km/h"));
    RLabDS->SetText(FormatFloatField(1, 2, m.Ds) + QStringLiteral(" km"));
    RLabDT->SetText(FormatFloatField(1, 1, m.Dt) + QStringLiteral(" min"));
}

void TForm1::RC1MouseMoveInChart(QObject*, bool InChart, TShiftState Shift, double rMousePosX, double) {
    if (!InChart || !Shift.testFlag(ssLeft)) return;
    const int point = NearerPoint(rMousePosX);
    FAccess->setActivePoint(point);
    MovePoint(point, rMousePosX);
}

int TForm1::NearerPoint(double t) const {
    return FSimulation->nearerPoint(t);
}

void TForm1::CBox1PointClick(QObject*) {
    RC1->CrossHair2()->SetMode(chOff);
    const bool showIntervals = !CBox1Point->Checked();
    for (TControl* c : std::initializer_list<TControl*>{RLabDS, RLabDT, LblDS, LblDT})
        c->SetVisible(showIntervals);
    if (showIntervals && CBoxShowCH->Checked()) RC1->CrossHair2()->SetMode(chBoth);
    FSimulation->setSinglePoint(!showIntervals);
    Explain(FStudy->graph().shown());
}

void TForm1::CBoxShowCHClick(QObject*) {
    const bool show = CBoxShowCH->Checked();
    RC1->CrossHair1()->SetMode(show ? chBoth : chOff);
    RC1->CrossHair2()->SetMode(show && !SinglePoint() ? chBoth : chOff);
    UpdateDisplay();
}

void TForm1::CBoxModeChange(QObject*) {
    FStudy->profileChanged();
    if (!FTrips->choose(CBoxMode->ItemIndex()))
        FSimulation->setTrip(std::make_unique<ProfileTrip>(static_cast<TripProfile>(CBoxMode->ItemIndex())));
}
