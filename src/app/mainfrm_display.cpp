// The simulation proper: the measuring points follow the mouse, and every change ends in one
// UpdateDisplay that rebuilds the chart's items and the read-outs.
#include "app/mainfrm.h"

#include "app/chartaccess.h"
#include "app/readouttexts.h"
#include "app/studytools.h"
#include "app/tripmodel.h"
#include "app/velocitygraph.h"
#include "chart/rchart.h"
#include "platform/controls/stdctrls.h"
#include "scales/labeltext.h"
#include "widgets/rasterlab.h"
#include "widgets/sline.h"

#include <cmath>

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
    return CBox1Point->Checked();
}

// Where both points stand at one time no secant runs through them: the line is then the tangent
// there, as in single-point mode, and not whatever line the last position left.
bool TForm1::tangentShown() const {
    return SinglePoint() || FTime1 == FTime2;
}

void TForm1::UpdateDisplay() {
    RC1->SetSuppressPaint(true);
    RC1->ClearItems();
    addCurve();

    placeLine();
    Label1->SetCaption(tangentShown() ? FReadoutTexts->VelocityAtPoint() : FReadoutTexts->AverageVelocity());

    const double range = RC1->Scale1X()->RangeHigh();
    RC1->SetDataColor(clBlue);
    RC1->AddLine(0, SLine1->YAt(0), range, SLine1->YAt(range));

    RC1->SetDataColor(clRed);
    RC1->AddMark(FTime1, TripDistance(FTime1), kPointMark);
    if (!SinglePoint()) RC1->AddMark(FTime2, TripDistance(FTime2), kPointMark);
    RC1->CrossHair1()->SetPosX(FTime1);
    RC1->CrossHair1()->SetPosY(FDist1);
    RC1->CrossHair2()->SetPosX(FTime2);
    RC1->CrossHair2()->SetPosY(FDist2);
    if (!tangentShown()) addSlopeTriangle();
    RC1->SetSuppressPaint(false);

    showReadouts();
    FAccess->displayUpdated();
    FStudy->displayUpdated();
}

// The tangent is approximated by the central secant over one minute around point 1.
void TForm1::placeLine() {
    if (tangentShown())
        SLine1->ThroughPoints(FTime1 - kTangentHalfWidth, TripDistance(FTime1 - kTangentHalfWidth),
                              FTime1 + kTangentHalfWidth, TripDistance(FTime1 + kTangentHalfWidth));
    else
        SLine1->ThroughPoints(FTime1, TripDistance(FTime1), FTime2, TripDistance(FTime2));
}

double TForm1::Velocity() const {
    return SLine1->GetSlope() * kMinutesPerHour;
}

void TForm1::MovePoint(int point, double t) {
    (point == 1 ? FTime1 : FTime2) = t;
    (point == 1 ? FDist1 : FDist2) = TripDistance(t);
    UpdateDisplay();
}

void TForm1::SetPoints(double t1, double t2) {
    FTime1 = t1;
    FDist1 = TripDistance(t1);
    MovePoint(2, t2);
}

void TForm1::addCurve() {
    RC1->SetDataColor(clBlack);
    RC1->SetLineWidth(2);
    const TripCurve& curve = tripProfileCurve(CBoxMode->ItemIndex());
    for (std::size_t minute = 0; minute < curve.size(); ++minute)
        RC1->AddLineTo(static_cast<double>(minute), curve[minute]);
    RC1->SetLineWidth(1);
}

// The dt leg lies at the height of the lower point, the ds leg stands at the time of the higher one;
// the ds text stays inside the data area.
void TForm1::addSlopeTriangle() {
    const double t1 = FTime1, t2 = FTime2, s1 = FDist1, s2 = FDist2;
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
    RLabSpeed->SetText(FormatFloatField(3, 1, Velocity()) + QStringLiteral("km/h"));
    RLabDS->SetText(FormatFloatField(1, 2, std::fabs(TripDistance(FTime2) - TripDistance(FTime1))) +
                    QStringLiteral(" km"));
    RLabDT->SetText(FormatFloatField(1, 1, std::fabs(FTime2 - FTime1)) + QStringLiteral(" min"));
}

void TForm1::RC1MouseMoveInChart(QObject*, bool InChart, TShiftState Shift, double rMousePosX, double) {
    if (!InChart || !Shift.testFlag(ssLeft)) return;
    const int point = NearerPoint(rMousePosX);
    FAccess->setActivePoint(point);
    MovePoint(point, rMousePosX);
}

// The squares are compared as doubles.
int TForm1::NearerPoint(double t) const {
    const double d1 = (FTime1 - t) * (FTime1 - t);
    const double d2 = (FTime2 - t) * (FTime2 - t);
    return SinglePoint() || d1 < d2 ? 1 : 2;
}

void TForm1::CBox1PointClick(QObject*) {
    RC1->CrossHair2()->SetMode(chOff);
    const bool showIntervals = !SinglePoint();
    for (TControl* c : std::initializer_list<TControl*>{RLabDS, RLabDT, LblDS, LblDT})
        c->SetVisible(showIntervals);
    if (showIntervals && CBoxShowCH->Checked()) RC1->CrossHair2()->SetMode(chBoth);
    Explain(FStudy->graph().shown());
    UpdateDisplay();
}

void TForm1::CBoxShowCHClick(QObject*) {
    const bool show = CBoxShowCH->Checked();
    RC1->CrossHair1()->SetMode(show ? chBoth : chOff);
    RC1->CrossHair2()->SetMode(show && !SinglePoint() ? chBoth : chOff);
    UpdateDisplay();
}

void TForm1::CBoxModeChange(QObject*) {
    FStudy->profileChanged();
    FDist1 = TripDistance(FTime1);
    FDist2 = TripDistance(FTime2);
    UpdateDisplay();
}
