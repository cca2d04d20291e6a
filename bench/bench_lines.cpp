// A long line: one full paint of the chart (frame, scales, background, a line of one-pixel line
// items whose x grows) against QtCharts drawing the same line into an image of the same size (a
// QChart with one QLineSeries, rendered through its scene, antialiasing off). Both hold their data
// before the clock starts; only the painting is timed, step by step in pairs so that both see the
// same machine load. Quote the ratio and the cost per point, not the times.
#include "chart/rchart.h"
#include "threadclock.h"

#include <QChart>
#include <QGraphicsScene>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

constexpr int kWidth = 576;
constexpr int kHeight = 446;
constexpr double kMinutes = 133;
constexpr double kKilometres = 180;

// A noisy distance curve across the whole time range: many points to each pixel column.
std::vector<QPointF> linePoints(int count) {
    std::vector<QPointF> points;
    points.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double t = kMinutes * i / count;
        points.emplace_back(t, 1.1 * t + 8 * std::sin(t / 11.3) + 10 + 5 * std::sin(i * 0.7));
    }
    return points;
}

class OurLine {
public:
    explicit OurLine(const std::vector<QPointF>& points) {
        chart.SetBounds(0, 0, kWidth, kHeight);
        chart.Scale1X()->SetRangeHigh(kMinutes);
        chart.Scale1Y()->SetRangeHigh(kKilometres);
        chart.Scale1X()->SetCaption(QStringLiteral("Time [min]"));
        chart.Scale1Y()->SetCaption(QStringLiteral("Distance [km]"));
        chart.SetAllocSize(static_cast<int>(points.size()));
        chart.SetLineWidth(1);
        for (QPointF p : points)
            chart.AddLineTo(p.x(), p.y());
        chart.SetSuppressPaint(false);
    }
    // The whole chart, frame and every item drawn: a plain Paint would keep the frame, which did
    // not change.
    void paint() {
        chart.RepaintIfAuto();
        benchmark::DoNotOptimize(chart.FrameImage().constBits());
    }

private:
    TRChart chart{nullptr};
};

class QtChartsLine {
public:
    explicit QtChartsLine(const std::vector<QPointF>& points) : image(kWidth, kHeight, QImage::Format_RGB32) {
        auto* chart = new QChart; // owned by the scene
        chart->setAnimationOptions(QChart::NoAnimation);
        chart->legend()->hide();
        auto* series = new QLineSeries;
        // A cosmetic one-pixel pen: a little cheaper for QtCharts than a pen of width 1.
        series->setPen(QPen(Qt::black, 0));
        series->replace(QList<QPointF>(points.begin(), points.end()));
        chart->addSeries(series);
        addAxis(*chart, *series, Qt::AlignBottom, kMinutes, QStringLiteral("Time [min]"));
        addAxis(*chart, *series, Qt::AlignLeft, kKilometres, QStringLiteral("Distance [km]"));
        scene.addItem(chart);
        chart->setGeometry(0, 0, kWidth, kHeight);
        scene.setSceneRect(0, 0, kWidth, kHeight);
        // The chart lays itself out and maps the series on the first render: not timed.
        paint();
    }
    void paint() {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        scene.render(&painter, image.rect(), image.rect());
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }

private:
    static void addAxis(QChart& chart, QLineSeries& series, Qt::Alignment side, double high,
                        const QString& title) {
        auto* axis = new QValueAxis;
        axis->setRange(0, high);
        axis->setTitleText(title);
        chart.addAxis(axis, side);
        series.attachAxis(axis);
    }

    QGraphicsScene scene;
    QImage image;
};

} // namespace

// Each step paints our chart once and lets QtCharts render the same line once. Counters: both CPU
// times per step, how many times faster ours is (`qtcharts_over_ours`), and the cost per point of
// each, which shows how the cost grows with the count.
static void BM_LongLineVsQtCharts(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const std::vector<QPointF> points = linePoints(count);
    OurLine ours(points);
    QtChartsLine theirs(points);
    double ourSeconds = 0;
    double theirSeconds = 0;
    for (auto _ : state) {
        const double start = threadSeconds();
        ours.paint();
        const double middle = threadSeconds();
        theirs.paint();
        ourSeconds += middle - start;
        theirSeconds += threadSeconds() - middle;
    }
    const double steps = static_cast<double>(state.iterations());
    state.counters["ours_ms"] = 1e3 * ourSeconds / steps;
    state.counters["qtcharts_ms"] = 1e3 * theirSeconds / steps;
    state.counters["qtcharts_over_ours"] = theirSeconds / ourSeconds;
    state.counters["ours_ns_per_point"] = 1e9 * ourSeconds / steps / count;
    state.counters["qtcharts_ns_per_point"] = 1e9 * theirSeconds / steps / count;
}
BENCHMARK(BM_LongLineVsQtCharts)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
