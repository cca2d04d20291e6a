#include "app/roadstrip.h"

#include "app/accessibleface.h"
#include "app/roadstriptexts.h"
#include "app/trip.h"
#include "platform/controls/intervaltimer.h"
#include "scales/labeltext.h"
#include "scales/ticks.h"
#include "widgets/rasterlab.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The strip from top to bottom, in pixels: room for the car's roof, the road, the scale's ticks.
constexpr int kRoadTop = 30;
constexpr int kRoadHeight = 16;
constexpr int kScaleGap = 4;
constexpr int kTickLength = 4;
constexpr int kStripHeight = 80;
// The speedometer's frame and the room around its text, and its height (as the read-outs').
constexpr int kSpeedometerPadding = 12;
constexpr int kSpeedometerHeight = 41;

const QColor kRoad(96, 96, 96);
const QColor kLane(255, 255, 255);
const QColor kBody(200, 0, 0);
const QColor kWindows(160, 210, 255);
const QColor kHeadlight(255, 220, 0);
const QColor kWheels(0, 0, 0);

// The speed choice lists the speeds in their order; the keys 1, 2, 3 choose them too.
const char* const kSpeedNames[] = {"x1", "x10", "x60"};

// The car seen from the side, facing right, its middle at x = 0 and the road's top at y = 0.
void paintCarFacingRight(QPainter& painter) {
    const int half = RoadStrip::kCarLength / 2;
    painter.fillRect(QRect(-half, -9, RoadStrip::kCarLength, 9), kBody);
    painter.fillRect(QRect(-2, -15, 12, 6), kWindows);
    painter.fillRect(QRect(half - 3, -8, 3, 3), kHeadlight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWheels);
    for (int x : {-half + 4, half - 10})
        painter.drawEllipse(QRect(x, -3, 6, 6));
}

} // namespace

RoadStrip::RoadStrip(const Trip& trip, const MonotonicClock& clock, const RoadStripTexts& texts,
                     QWidget* parent)
    : QWidget(parent), FTrip(trip), FTexts(texts), FPlayback(trip, clock) {
    setFocusPolicy(Qt::StrongFocus);
    FSpeedometer = new TRasterLab(nullptr, this);
    FSpeedometer->SetDotSize(2);
    FSpeedometer->SetColorDotOn(clYellow);
    FSpeedometer->SetCharBlockMode(TRDBlockMode::rdbmRaster);
    FSpeedometer->SetAutoCenter(true);
    FSpeedometer->SetText(QStringLiteral("888 km/h")); // the widest text it shows sets its width
    FSpeedometer->setFixedSize(FSpeedometer->TextWidthPixels() + kSpeedometerPadding, kSpeedometerHeight);
    FSpeedBox = new QComboBox(this);
    FSpeedBox->setFocusPolicy(Qt::NoFocus); // the strip keeps the keys; 1, 2, 3 choose
    for (const char* name : kSpeedNames)
        FSpeedBox->addItem(QString::fromLatin1(name));
    connect(FSpeedBox, &QComboBox::activated, this,
            [this](int index) { chooseSpeed(static_cast<PlaybackSpeed>(index)); });

    auto* panel = new QVBoxLayout;
    panel->addWidget(FSpeedometer);
    panel->addWidget(FSpeedBox);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 4, 0);
    layout->addStretch(1);
    layout->addLayout(panel);

    setAccessibleFace(this, {QAccessible::Animation, [this] { return FTexts.StripName(); },
                             [this] { return carState(); }, [this] { return FTexts.StripKeys(); }});
    setAccessibleFace(FSpeedometer, {QAccessible::StaticText,
                                     [this] { return FTexts.Speedometer(); },
                                     [this] { return speedometerText(); },
                                     {}});
    FSpeedBox->setAccessibleName(FTexts.SpeedChoice());
    setFrameTimer(std::make_unique<QtIntervalTimer>());
    FSpeedometer->SetText(speedometerText());
}

RoadStrip::~RoadStrip() = default;

void RoadStrip::setFrameTimer(std::unique_ptr<IntervalTimer> timer) {
    FTimer = std::move(timer);
    FTimer->setOnTick([this] { frame(); });
    if (FPlayback.playing()) FTimer->start(kFrameMs);
}

void RoadStrip::showTime(double t) {
    FPlayback.setTime(t);
    cursorMoved();
}

QRect RoadStrip::roadArea() const {
    const int right = FSpeedometer->geometry().left() - kScaleGap;
    return {0, 0, std::max(right, 2 * kRoadMargin + 1), height()};
}

QString RoadStrip::speedometerText() const {
    return QStringLiteral("%1 km/h").arg(std::lround(FPlayback.speedometer()));
}

QSize RoadStrip::sizeHint() const {
    return {640, kStripHeight};
}

double RoadStrip::roadX(double km) const {
    const DistanceRange range = FTrip.distanceRange();
    const QRect area = roadArea();
    const double left = area.left() + kRoadMargin, width = area.width() - 2 * kRoadMargin;
    const double extent = range.High - range.Low;
    return extent > 0 ? left + (km - range.Low) / extent * width : left;
}

void RoadStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = roadArea();
    painter.fillRect(area.left(), kRoadTop, area.width(), kRoadHeight, kRoad);
    painter.setPen(QPen(kLane, 1, Qt::DashLine));
    painter.drawLine(area.left(), kRoadTop + kRoadHeight / 2, area.right(), kRoadTop + kRoadHeight / 2);
    paintScale(painter, kRoadTop + kRoadHeight + kScaleGap);
    paintCar(painter, kRoadTop);
}

// Long ticks with their labels, as an axis of the distance range would have them, and the unit
// after the last.
void RoadStrip::paintScale(QPainter& painter, int top) const {
    const DistanceRange range = FTrip.distanceRange();
    TickSettings settings;
    settings.RangeLow = range.Low;
    settings.RangeHigh = range.High;
    settings.ShortTicks = false;
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    for (const Tick& tick : linearTickPass(settings).Ticks) {
        const int x = static_cast<int>(std::lround(roadX(tick.Value)));
        painter.drawLine(x, top, x, top + kTickLength);
        const int width = metrics.horizontalAdvance(tick.Label);
        painter.drawText(x - width / 2, top + kTickLength + metrics.ascent(), tick.Label);
    }
    painter.drawText(roadArea().right() - metrics.horizontalAdvance(QStringLiteral("km")),
                     top + kTickLength + 2 * metrics.ascent(), QStringLiteral("km"));
}

void RoadStrip::paintCar(QPainter& painter, int roadTop) const {
    painter.save();
    painter.translate(static_cast<int>(std::lround(roadX(FPlayback.position()))), roadTop + kRoadHeight / 2);
    if (FPlayback.facing() == Heading::Back) painter.scale(-1, 1);
    paintCarFacingRight(painter);
    painter.restore();
}

void RoadStrip::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
        FPlayback.togglePlaying();
        break;
    case Qt::Key_Right:
        FPlayback.step();
        break;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
        chooseSpeed(static_cast<PlaybackSpeed>(event->key() - Qt::Key_1));
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    changedByUser();
}

void RoadStrip::chooseSpeed(PlaybackSpeed speed) {
    FPlayback.setSpeed(speed);
    FSpeedBox->setCurrentIndex(static_cast<int>(speed));
    changedByUser();
}

// A frame while playing; the last one, at the trip's end, stops the timer and says so.
void RoadStrip::frame() {
    cursorMoved();
    if (FPlayback.playing()) return;
    FTimer->stop();
    announceValueChange(this);
}

void RoadStrip::changedByUser() {
    if (FPlayback.playing())
        FTimer->start(kFrameMs);
    else
        FTimer->stop();
    cursorMoved();
    announceValueChange(this);
}

void RoadStrip::cursorMoved() {
    FSpeedometer->SetText(speedometerText());
    update();
    if (FOnCursorMoved) FOnCursorMoved(FPlayback.time());
}

QString RoadStrip::carState() const {
    return FTexts.CarState().arg(FormatFloatField(1, 1, FPlayback.time()),
                                 FormatFloatField(1, 1, FPlayback.position()),
                                 QString::number(std::lround(FPlayback.speedometer())));
}
