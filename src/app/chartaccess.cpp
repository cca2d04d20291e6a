#include "app/chartaccess.h"

#include "app/accessibleface.h"
#include "app/accesstexts.h"
#include "app/measuringpoints.h"
#include "chart/rchart.h"
#include "platform/controls/stdctrls.h"
#include "scales/labeltext.h"
#include "widgets/rasterlab.h"

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QRegularExpression>

namespace {

// The read-outs run number and unit together ("70.6km/h"); spoken, the unit stands apart.
QString spokenReadout(const QString& text) {
    static const QRegularExpression digitThenLetter(QStringLiteral("(\\d)([^\\d\\s.,+-])"));
    return QString(text).replace(digitThenLetter, QStringLiteral("\\1 \\2"));
}

QString pointText(const QString& pattern, QPointF point) {
    return pattern.arg(FormatFloatField(1, 1, point.x()), FormatFloatField(1, 1, point.y()));
}

} // namespace

ChartAccess::ChartAccess(MeasuringPoints& points, const Controls& controls, const AccessTexts& texts)
    : FPoints(points), FControls(controls), FTexts(texts) {
    setGlideTimer(std::make_unique<QtIntervalTimer>());
    TRChart* chart = FControls.Chart;
    // Tab and a click both give the chart the focus, as a slider takes it: drag, then fine-tune
    // with the keys.
    chart->setFocusPolicy(Qt::StrongFocus);
    chart->SetOnKeyDown([this](QObject*, int& key, TShiftState shift) { keyDown(key, shift); });
    chart->SetOnMouseDown([this](QObject*, TMouseButton button, TShiftState, int x, int y) {
        if (button == TMouseButton::mbLeft) pickPoint(QPoint(x, y));
    });
    chart->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(chart, &QWidget::customContextMenuRequested, this,
            [this, chart](QPoint pos) { showMenu(chart->mapToGlobal(pos)); });
    buildMenu();
    describeToAssistiveTechnology();
}

ChartAccess::~ChartAccess() {
    stopGlide();
}

int ChartAccess::activePoint() const {
    return FPoints.singlePoint() ? 1 : FActivePoint;
}

QPointF ChartAccess::activePointData() const {
    return FPoints.point(activePoint());
}

double ChartAccess::axisStart() const {
    return FControls.Chart->Scale1X()->RangeLow();
}

double ChartAccess::axisEnd() const {
    return FControls.Chart->Scale1X()->RangeHigh();
}

void ChartAccess::describeToAssistiveTechnology() {
    for (std::size_t i = 0; i < FControls.Readouts.size(); ++i) {
        TLabel* caption = FControls.Captions[i];
        TRasterLab* readout = FControls.Readouts[i];
        setAccessibleFace(readout, {QAccessible::StaticText,
                                    [caption] { return caption->Caption(); },
                                    [readout] { return spokenReadout(readout->Text()); },
                                    {}});
    }
    setAccessibleFace(FControls.Chart, {QAccessible::Graphic,
                                        [this] { return FTexts.ChartName(); },
                                        {},
                                        [this] { return chartDescription(); }});
    nameProfileBox();
}

// The profile box has no caption of its own to be named by.
void ChartAccess::nameProfileBox() {
    if (auto* box = FControls.ProfileBox->findChild<QComboBox*>())
        box->setAccessibleName(FTexts.ProfileBoxName());
}

QString ChartAccess::chartDescription() const {
    QString text =
        FControls.ProfileBox->Text() + QStringLiteral(". ") + pointText(FTexts.PointOne(), FPoints.point(1));
    if (!FPoints.singlePoint()) text += QStringLiteral("; ") + pointText(FTexts.PointTwo(), FPoints.point(2));
    const QString tail = FDescriptionTail ? FDescriptionTail() : QString();
    return tail.isEmpty() ? text : text + QStringLiteral("; ") + tail;
}

// A press on the chart makes the point nearer to it the one the keys move, as a drag would.
void ChartAccess::pickPoint(QPoint pixel) {
    double t = 0;
    double s = 0;
    FControls.Chart->PixelToData(1, pixel.x(), pixel.y(), t, s);
    if (t < axisStart() || t > axisEnd()) return;
    FActivePoint = FPoints.nearerPoint(t);
    displayUpdated();
}

void ChartAccess::displayUpdated() {
    const QPointF point = activePointData();
    FControls.Chart->SetFocusPoint(point.x(), point.y());
    announceChanges();
}

void ChartAccess::announceChanges() {
    for (std::size_t i = 0; i < FControls.Readouts.size(); ++i) {
        TRasterLab* readout = FControls.Readouts[i];
        if (readout->Text() == FAnnouncedReadouts[i]) continue;
        FAnnouncedReadouts[i] = readout->Text();
        if (readout->Visible()) announceValueChange(readout);
    }
    const QString description = chartDescription();
    if (description == FAnnouncedDescription) return;
    FAnnouncedDescription = description;
    announceDescriptionChange(FControls.Chart);
}
