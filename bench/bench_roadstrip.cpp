// The road strip while it plays. A playing frame (the cursor moved on, the strip painted at a
// typical size: road, scale, car and speedometer) next to one plain QPainter pass drawing the same
// picture; and the processor time the strip takes over ten seconds of playing at x60 with its real
// clock and timer, and over three seconds paused.
#include "app/monotonicclock.h"
#include "app/roadstrip.h"
#include "app/roadstriptexts.h"
#include "app/trip.h"
#include "app/tripmodel.h"
#include "facedots.h"
#include "scales/ticks.h"
#include "threadclock.h"
#include "widgets/rasterlab.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cmath>

namespace {

// The standard road situation as a trip.
class ProfileTrip : public Trip {
public:
    ProfileTrip() {
        const TripCurve& curve = tripProfileCurve(kProfile);
        for (std::size_t minute = 0; minute < curve.size(); ++minute)
            FSamples.emplace_back(static_cast<double>(minute), curve[minute]);
    }
    QString name() const override { return QStringLiteral("Standard Road Situation"); }
    double distanceAt(double t) const override { return tripProfileDistance(kProfile, t); }
    TripSpan timeSpan() const override { return {kTripStart, kTripEnd}; }
    DistanceRange distanceRange() const override {
        const auto [low, high] = std::minmax_element(FSamples.begin(), FSamples.end(),
                                                     [](QPointF a, QPointF b) { return a.y() < b.y(); });
        return {low->y(), high->y()};
    }
    const std::vector<QPointF>& curveSamples() const override { return FSamples; }
    std::optional<double> exactVelocity(double) const override { return std::nullopt; }
    std::vector<double> velocityJumps() const override { return {}; }
    double tangentHalfWidth() const override { return kTangentHalfWidth; }

private:
    static constexpr int kProfile = 1;
    std::vector<QPointF> FSamples;
};

constexpr QSize kStripSize(760, 80);
constexpr int kFrames = 200;           // a cycle of frames 30 ms apart at x60: 6 trip minutes
constexpr double kFirstFrameTime = 40; // min
constexpr double kFrameMinutes = 0.03; // 30 ms at one trip minute per second

// What the plain pass draws for one frame: the strip's road, scale and car, and the speedometer's
// dots, as the strip shows them.
struct Frame {
    double Time = 0;
    int CarX = 0;
    std::vector<Dot> Dots;
};

struct Scale {
    std::vector<std::pair<int, QString>> Ticks;
};

void paintBaseline(QImage& image, const QRect& road, const Scale& scale, const Frame& frame,
                   const QRect& speedometer) {
    QPainter painter(&image);
    painter.fillRect(image.rect(), QColor(239, 239, 239));
    painter.fillRect(road.left(), 30, road.width(), 16, QColor(96, 96, 96));
    painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
    painter.drawLine(road.left(), 38, road.right(), 38);
    painter.setPen(Qt::black);
    for (const auto& [x, label] : scale.Ticks) {
        painter.drawLine(x, 50, x, 54);
        painter.drawText(x - 10, 66, label);
    }
    painter.drawText(road.right() - 16, 78, QStringLiteral("km"));
    painter.fillRect(QRect(frame.CarX - 16, 29, 32, 9), QColor(200, 0, 0));
    painter.fillRect(QRect(frame.CarX - 2, 23, 12, 6), QColor(160, 210, 255));
    painter.fillRect(QRect(frame.CarX + 13, 30, 3, 3), QColor(255, 220, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRect(frame.CarX - 12, 35, 6, 6));
    painter.drawEllipse(QRect(frame.CarX + 6, 35, 6, 6));
    painter.translate(speedometer.topLeft());
    painter.fillRect(QRect(QPoint(), speedometer.size()), Qt::black);
    for (const Dot& dot : frame.Dots)
        painter.fillRect(dot.Square, QColor(dot.Color));
}

Scale scaleOf(const RoadStrip& strip, const Trip& trip) {
    TickSettings settings;
    settings.RangeLow = trip.distanceRange().Low;
    settings.RangeHigh = trip.distanceRange().High;
    settings.ShortTicks = false;
    const QRect road = strip.roadArea();
    const double extent = settings.RangeHigh - settings.RangeLow;
    const double width = road.width() - 2 * RoadStrip::kRoadMargin;
    Scale scale;
    for (const Tick& tick : linearTickPass(settings).Ticks) {
        const double x =
            road.left() + RoadStrip::kRoadMargin + (tick.Value - settings.RangeLow) / extent * width;
        scale.Ticks.emplace_back(static_cast<int>(std::lround(x)), tick.Label);
    }
    return scale;
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + 1e-6 * t.tv_usec; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The share of one core the process took while the event loop ran for ms milliseconds.
double cpuPercentOver(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    QElapsedTimer wall;
    const double before = cpuSeconds();
    wall.start();
    loop.exec();
    return 100 * (cpuSeconds() - before) / (static_cast<double>(wall.nsecsElapsed()) * 1e-9);
}

// The strip over the standard road situation at its typical size, shown off screen, on the real clock.
struct ShownStrip {
    ShownStrip() {
        Strip.resize(kStripSize);
        Strip.show();
    }
    const ProfileTrip Profile;
    const SteadyClock Clock;
    RoadStripTexts Texts{nullptr};
    RoadStrip Strip{Profile, Clock, Texts};
};

void press(QWidget& widget, Qt::Key key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QString());
    QCoreApplication::sendEvent(&widget, &event);
}

} // namespace

// Each step moves the cursor one frame on and renders the strip (without the speed choice, a
// standard combo box) into an image; each is paired with the plain pass of the same picture, so
// that both see the same machine load. CPU times of this thread.
static void BM_PlayingFrameVsBaseline(benchmark::State& state) {
    ShownStrip shown;
    RoadStrip& strip = shown.Strip;
    const Trip& trip = shown.Profile;
    auto& speedometer = *strip.findChild<TRasterLab*>();
    const QRegion painted = QRegion(strip.roadArea()) + speedometer.geometry();
    const Scale scale = scaleOf(strip, trip);
    std::vector<Frame> frames(kFrames);
    for (int i = 0; i < kFrames; ++i) {
        Frame& frame = frames[i];
        frame.Time = kFirstFrameTime + i * kFrameMinutes;
        strip.showTime(frame.Time);
        const QRect road = strip.roadArea();
        const double extent = trip.distanceRange().High - trip.distanceRange().Low;
        frame.CarX = static_cast<int>(std::lround(road.left() + RoadStrip::kRoadMargin +
                                                  (strip.playback().position() - trip.distanceRange().Low) /
                                                      extent * (road.width() - 2 * RoadStrip::kRoadMargin)));
        frame.Dots = dotsOf(speedometer.Face().Image(), speedometer.DotSize(), qRgb(255, 255, 0),
                            qRgb(0x40, 0x40, 0x40));
    }
    QImage image(kStripSize, QImage::Format_ARGB32_Premultiplied);
    QImage baseline(kStripSize, QImage::Format_ARGB32_Premultiplied);
    double frameSeconds = 0, baselineSeconds = 0;
    std::size_t step = 0;
    for (auto _ : state) {
        const Frame& frame = frames[step % kFrames];
        const double start = threadSeconds();
        strip.showTime(frame.Time);
        strip.render(&image, QPoint(), painted);
        benchmark::DoNotOptimize(image.constBits());
        const double middle = threadSeconds();
        paintBaseline(baseline, strip.roadArea(), scale, frame, speedometer.geometry());
        benchmark::DoNotOptimize(baseline.constBits());
        frameSeconds += middle - start;
        baselineSeconds += threadSeconds() - middle;
        ++step;
    }
    const double steps = static_cast<double>(state.iterations());
    state.counters["frame_us"] = 1e6 * frameSeconds / steps;
    state.counters["baseline_us"] = 1e6 * baselineSeconds / steps;
    state.counters["ratio"] = frameSeconds / baselineSeconds;
}
BENCHMARK(BM_PlayingFrameVsBaseline)->Unit(benchmark::kMicrosecond);

// The strip shown and playing the trip at x60 for ten seconds with its real clock and frame timer,
// then paused for three: the process's user and system time (getrusage) over the wall time of each.
static void BM_PlayingAtX60Cpu(benchmark::State& state) {
    ShownStrip shown;
    RoadStrip& strip = shown.Strip;
    int frames = 0;
    strip.setOnCursorMoved([&frames](double) { ++frames; });
    for (auto _ : state) {
        press(strip, Qt::Key_3);
        press(strip, Qt::Key_Space);
        frames = 0;
        state.counters["cpu_percent_playing"] = cpuPercentOver(10000);
        state.counters["frames_per_second"] = frames / 10.0;
        state.counters["trip_minutes_played"] = strip.playback().time();
        press(strip, Qt::Key_Space);
        state.counters["cpu_percent_paused"] = cpuPercentOver(3000);
    }
}
BENCHMARK(BM_PlayingAtX60Cpu)->Iterations(1)->Unit(benchmark::kSecond);
