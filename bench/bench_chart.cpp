// One full paint of the chart (frame, scales, background, items, crosshairs, all off screen), and the
// main window's whole update, next to the least a Qt program must do to draw the same picture: one
// QPainter pass on an image of the same size. Quote the ratios, not the times.
#include "app/aboutbox.h"
#include "app/mainfrm.h"
#include "app/simulation.h"
#include "app/studytools.h"
#include "app/tripfiles.h"
#include "app/velocitygraph.h"
#include "app/zoomview.h"
#include "chart/rchart.h"
#include "threadclock.h"

#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QScreen>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cmath>

using enum Graphics::TPenStyle;
using enum VrxBase::TCrossHairMode;

namespace {

constexpr int kWidth = 576;
constexpr int kHeight = 446;
constexpr double kMinutes = 133;
constexpr double kKilometres = 180;

double distance(double t) {
    return 1.1 * t + 8 * std::sin(t / 11.3) + 10;
}

// The chart of the main window: 576 x 446, x 0..133 min, y 0..180 km, two dotted crosshairs.
void setUpTripChart(TRChart& chart) {
    chart.SetBounds(0, 0, kWidth, kHeight);
    chart.Scale1X()->SetRangeHigh(kMinutes);
    chart.Scale1Y()->SetRangeHigh(kKilometres);
    chart.Scale1X()->SetCaption(QStringLiteral("Time [min]"));
    chart.Scale1Y()->SetCaption(QStringLiteral("Distance [km]"));
    for (int n : {1, 2}) {
        TCrossHair& c = *chart.CrossHair(n);
        c.SetColor(clGray);
        c.SetLineType(psDot);
        c.SetMode(chBoth);
        c.SetPosX(n == 1 ? 50 : 110);
        c.SetPosY(distance(n == 1 ? 50 : 110));
    }
}

// What the main window appends on every redraw.
void addMainWindowItems(TRChart& chart) {
    chart.ClearItems();
    chart.SetDataColor(clBlack);
    chart.SetLineWidth(2);
    for (int i = 0; i <= 133; ++i)
        chart.AddLineTo(i, distance(i));
    chart.SetLineWidth(1);
    chart.SetDataColor(clBlue);
    chart.AddLine(0, 20, kMinutes, 170);
    chart.SetDataColor(clRed);
    chart.AddMark(50, distance(50), 24);
    chart.AddMark(110, distance(110), 24);
    chart.AddLine(50, distance(50), 110, distance(50));
    chart.AddText(80, distance(50) - 5, 10, QStringLiteral("dt"));
    chart.AddLine(110, distance(50), 110, distance(110));
    chart.AddText(113, (distance(50) + distance(110)) / 2, 10, QStringLiteral("ds"));
}

void addCurve(TRChart& chart, int points) {
    chart.ClearItems();
    chart.SetAllocSize(std::min(points, 1000000));
    for (int i = 0; i < points; ++i) {
        const double t = kMinutes * i / points;
        chart.AddLineTo(t, distance(t) + 5 * std::sin(i * 0.7));
    }
}

struct ChartFixture {
    TRChart chart{nullptr};
    ChartFixture() {
        setUpTripChart(chart);
        chart.SetSuppressPaint(false);
    }
};

// ---- The baseline: one QPainter pass drawing the same picture.

// A chart's picture of width x height pixels, margins 50, 20, 20, 40, for 0..133 min and low..high,
// drawn zoom times as large on the device.
struct Mapping {
    int width = kWidth;
    int height = kHeight;
    int low = 0;
    int high = static_cast<int>(kKilometres);
    double zoom = 1;
    double kx() const { return (width - 70.0) / kMinutes; }
    double ky() const { return -(height - 60.0) / (high - low); }
    QPointF operator()(double t, double s) const { return {50 + kx() * t, height - 40 + ky() * (s - low)}; }
};

// A line of one picture pixel: as many device pixels wide as the zoom.
QPen hairline(const Mapping& map, const QColor& color, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(color, map.zoom == 1 ? 0 : map.zoom, style);
    pen.setCosmetic(true);
    return pen;
}

void paintFrameAndAxes(QPainter& p, const Mapping& map,
                       const QString& caption = QStringLiteral("Distance [km]")) {
    p.fillRect(0, 0, map.width, map.height, QColor(240, 240, 240));
    p.fillRect(50, 20, map.width - 70, map.height - 60, Qt::white);
    p.setPen(Qt::black);
    p.drawRect(50, 20, map.width - 70, map.height - 60);
    p.setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    for (int t = 0; t <= 133; t += 5) {
        const QPointF at = map(t, map.low);
        p.drawLine(at, at + QPointF(0, t % 20 == 0 ? 7 : 4));
        if (t % 20 == 0) p.drawText(at + QPointF(-6, 20), QString::number(t));
    }
    for (int s = map.low; s <= map.high; s += 10) {
        const QPointF at = map(0, s);
        p.drawLine(at, at - QPointF(s % 50 == 0 ? 6 : 4, 0));
        if (s % 50 == 0) p.drawText(at - QPointF(30, -4), QString::number(s));
    }
    p.drawText(QPointF(50 + (map.width - 70) / 2 - 30, map.height - 4), QStringLiteral("Time [min]"));
    p.drawText(QPointF(50, 14), caption);
}

void paintCrossHairs(QPainter& p, const Mapping& map) {
    p.setPen(hairline(map, Qt::gray, Qt::DotLine));
    for (double t : {50.0, 110.0}) {
        const QPointF at = map(t, distance(t));
        p.drawLine(QPointF(51, at.y()), QPointF(map.width - 20, at.y()));
        p.drawLine(QPointF(at.x(), 21), QPointF(at.x(), map.height - 40));
    }
}

void paintBaseline(QImage& image, const QPolygonF& curve, const Mapping& map = {}) {
    QPainter p(&image);
    p.scale(map.zoom, map.zoom);
    paintFrameAndAxes(p, map);
    p.setPen(QPen(Qt::black, 2));
    p.drawPolyline(curve);
    p.setPen(hairline(map, Qt::blue));
    p.drawLine(map(0, 20), map(kMinutes, 170));
    p.setPen(hairline(map, Qt::red));
    p.setBrush(Qt::red);
    for (double t : {50.0, 110.0})
        p.drawEllipse(map(t, distance(t)), 3.5, 3.5);
    p.drawLine(map(50, distance(50)), map(110, distance(50)));
    p.drawLine(map(110, distance(50)), map(110, distance(110)));
    p.drawText(map(80, distance(50) - 5), QStringLiteral("dt"));
    p.drawText(map(113, (distance(50) + distance(110)) / 2), QStringLiteral("ds"));
    paintCrossHairs(p, map);
}

// Shows the main window at the layout's own resolution (the chart is 576 x 446) past its start-up
// screen, as the program does.
void showMainWindow(TFrmAbout& about, TForm1& form) {
    FrmAbout = &about;
    QTimer::singleShot(0, &about, [&] { about.Close(); });
    form.show();
}

QPolygonF mappedCurve(int points, bool mainWindow, const Mapping& map = {}) {
    QPolygonF curve;
    curve.reserve(points + 1);
    curve << map(0, kKilometres);
    for (int i = 0; i < points; ++i) {
        const double t = mainWindow ? i : kMinutes * i / points;
        curve << map(t, distance(t) + (mainWindow ? 0 : 5 * std::sin(i * 0.7)));
    }
    return curve;
}

} // namespace

// RepaintIfAuto draws frame and data area anew; a plain Paint would keep what did not change.
static void BM_ChartPaintMainWindow(benchmark::State& state) {
    ChartFixture f;
    addMainWindowItems(f.chart);
    for (auto _ : state) {
        f.chart.RepaintIfAuto();
        benchmark::DoNotOptimize(f.chart.FrameImage().constBits());
    }
}
BENCHMARK(BM_ChartPaintMainWindow)->Unit(benchmark::kMicrosecond);

static void BM_BaselinePaintMainWindow(benchmark::State& state) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        paintBaseline(image, mappedCurve(134, true));
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_BaselinePaintMainWindow)->Unit(benchmark::kMicrosecond);

// The main window's whole update as a drag causes it: items rebuilt, one chart paint, the three
// read-outs redrawn. Compare with BM_BaselinePaintMainWindow.
static void BM_MainWindowFullUpdate(benchmark::State& state) {
    TFrmAbout about;
    TForm1 form(120);
    showMainWindow(about, form);
    for (auto _ : state) {
        form.UpdateDisplay();
        benchmark::DoNotOptimize(form.RC1->FrameImage().constBits());
    }
    FrmAbout = nullptr;
}
BENCHMARK(BM_MainWindowFullUpdate)->Unit(benchmark::kMicrosecond);

namespace {

// Counts the paint events the window's widgets receive: proof that each move was drawn.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// Drags measuring point 1 with the left button held, the way a user does: each step a real mouse
// move to a new pixel column between 20 and 45 min and back, so the time, the read-outs and the
// picture change on every step.
class Drag {
public:
    explicit Drag(TForm1& form) : form(form) {
        first = pixelX(20);
        last = pixelX(45);
        x = first;
        send(QEvent::MouseButtonPress, Qt::LeftButton);
    }
    ~Drag() { send(QEvent::MouseButtonRelease, Qt::NoButton); }

    void step() {
        if (x + stride > last || x + stride < first) stride = -stride;
        x += stride;
        send(QEvent::MouseMove, Qt::LeftButton);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

private:
    // In the chart's picture, whose pixels the zoom enlarges on screen.
    int pixelX(double t) const { return form.RC1->DataToPixel(1, t, 0).x(); }
    void send(QEvent::Type type, Qt::MouseButtons buttons) {
        const TScalePropsVert& distance = *form.RC1->Scale1Y();
        const double middle = (distance.RangeLow() + distance.RangeHigh()) / 2; // zoomed in, too
        const QPointF p = QPointF(x, form.RC1->DataToPixel(1, 0, middle).y()) * form.RC1->Zoom();
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, p, form.RC1->mapToGlobal(p), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(form.RC1, &event);
    }

    TForm1& form;
    int first = 0;
    int last = 0;
    int x = 0;
    int stride = 3; // pixels: about 0.8 min, enough to change the dt read-out every step
};

// Drag steps of the shown window, each paired with one call of baselinePass, so that both see the
// same machine load. Reports both CPU times per step and their ratio (drag / baseline), and the
// paint events per step, which show that every move reached the screen.
template <typename BaselinePass>
void measureDragVsBaseline(benchmark::State& state, TForm1& form, BaselinePass baselinePass) {
    PaintCounter counter;
    for (QWidget* w : form.findChildren<QWidget*>())
        w->installEventFilter(&counter);
    double dragSeconds = 0;
    double baselineSeconds = 0;
    {
        Drag drag(form);
        for (auto _ : state) {
            const double start = threadSeconds();
            drag.step();
            const double middle = threadSeconds();
            baselinePass();
            dragSeconds += middle - start;
            baselineSeconds += threadSeconds() - middle;
        }
    }
    FrmAbout = nullptr;
    const double steps = static_cast<double>(state.iterations());
    state.counters["drag_us"] = 1e6 * dragSeconds / steps;
    state.counters["baseline_us"] = 1e6 * baselineSeconds / steps;
    state.counters["ratio"] = dragSeconds / baselineSeconds;
    state.counters["paints_per_step"] = counter.paints / steps;
}

} // namespace

// One drag move of the real window (mouse event, items rebuilt, chart and read-outs repainted on
// screen) paired, step by step, with the plain QPainter pass of BM_BaselinePaintMainWindow.
static void BM_MainWindowDragVsBaseline(benchmark::State& state) {
    TFrmAbout about;
    TForm1 form(120);
    showMainWindow(about, form);
    QCoreApplication::processEvents();
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    measureDragVsBaseline(state, form, [&] {
        paintBaseline(image, mappedCurve(134, true));
        benchmark::DoNotOptimize(image.constBits());
    });
}
BENCHMARK(BM_MainWindowDragVsBaseline)->Unit(benchmark::kMicrosecond);

// The same drag with the chart zoomed in to 18..47 min, where the curve is drawn from
// kLeastCurvePoints of its points, paired with the plain pass of a picture with a curve of as many.
static void BM_MainWindowZoomedDragVsBaseline(benchmark::State& state) {
    TFrmAbout about;
    TForm1 form(120);
    showMainWindow(about, form);
    form.Zoom()->show({18, 47});
    QCoreApplication::processEvents();
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    measureDragVsBaseline(state, form, [&] {
        paintBaseline(image, mappedCurve(kLeastCurvePoints, false));
        benchmark::DoNotOptimize(image.constBits());
    });
}
BENCHMARK(BM_MainWindowZoomedDragVsBaseline)->Unit(benchmark::kMicrosecond);

static void BM_ChartPaintLineTo(benchmark::State& state) {
    ChartFixture f;
    f.chart.SetSuppressPaint(true);
    addCurve(f.chart, static_cast<int>(state.range(0)));
    f.chart.SetSuppressPaint(false);
    for (auto _ : state) {
        f.chart.RepaintIfAuto();
        benchmark::DoNotOptimize(f.chart.FrameImage().constBits());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ChartPaintLineTo)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

static void BM_BaselinePaintLineTo(benchmark::State& state) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    const int points = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const Mapping map;
        QPainter p(&image);
        paintFrameAndAxes(p, map);
        p.setPen(QPen(Qt::black, 0));
        p.drawPolyline(mappedCurve(points, false));
        paintCrossHairs(p, map);
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * points);
}
BENCHMARK(BM_BaselinePaintLineTo)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

namespace {

// The plain pass for the window with the velocity graph: the distance chart at its smaller size and,
// under it across the window, the graph with its zero line, the exact curve, the trace's dots and
// the average's segment.
struct GraphBaseline {
    Mapping chartMap;
    Mapping graphMap;
    QImage chart;
    QImage graph;
    QPolygonF exact;

    // clang-format off
    GraphBaseline(QSize chartSize, QSize graphSize)
        : chartMap{chartSize.width(), chartSize.height()},
          graphMap{chartSize.width(), graphSize.height(), static_cast<int>(VelocityGraph::kLowest),
                   static_cast<int>(VelocityGraph::kHighest)},
          chart(chartSize, QImage::Format_RGB32), graph(graphSize, QImage::Format_RGB32) {
        // clang-format on
        for (int t = 0; t <= 133; ++t)
            exact << graphMap(t, 60 * (1.1 + 8 * std::cos(t / 11.3) / 11.3));
    }

    void paint(const std::vector<QPointF>& dots) {
        paintBaseline(chart, mappedCurve(134, true, chartMap), chartMap);
        QPainter p(&graph);
        p.fillRect(graph.rect(), QColor(240, 240, 240));
        paintFrameAndAxes(p, graphMap, QStringLiteral("Velocity [km/h]"));
        p.setPen(QPen(Qt::gray, 0));
        p.drawLine(graphMap(0, 0), graphMap(kMinutes, 0));
        p.setPen(QPen(Qt::darkGreen, 2));
        p.drawPolyline(exact);
        p.setPen(QPen(Qt::red, 0));
        p.setBrush(Qt::red);
        for (const QPointF& dot : dots)
            p.drawEllipse(graphMap(dot.x(), dot.y()), 3.5, 3.5);
        p.setPen(QPen(Qt::blue, 2));
        p.drawLine(graphMap(50, 70), graphMap(110, 70));
    }
};

} // namespace

// BM_MainWindowDragVsBaseline with the velocity graph, its exact curve and the trace shown: every
// move adds a dot (or finds it there), so both charts and the read-outs are repainted. The plain
// pass draws the same two pictures at their sizes with as many dots as the trace holds.
static void BM_MainWindowDragWithVelocityGraphVsBaseline(benchmark::State& state) {
    TFrmAbout about;
    TForm1 form(120);
    showMainWindow(about, form);
    QCoreApplication::processEvents();
    ViewState graphShown;
    graphShown.ExactCurve = true;
    form.Study()->apply(graphShown);
    QCoreApplication::processEvents();
    const VelocityGraph& graph = form.Study()->graph();
    GraphBaseline baseline(form.RC1->size(), graph.chart()->size());
    measureDragVsBaseline(state, form, [&] {
        baseline.paint(graph.trace());
        benchmark::DoNotOptimize(baseline.graph.constBits());
    });
    state.counters["dots"] = static_cast<double>(graph.trace().size());
}
BENCHMARK(BM_MainWindowDragWithVelocityGraphVsBaseline)->Unit(benchmark::kMicrosecond);

// BM_MainWindowDragVsBaseline on a measured trip of 100,000 samples over the 133 min (a sample
// every 0.08 s, with noise), opened as a file's trip is. The plain pass draws the same picture: the
// curve through the points the chart shows of the trip (its lowest and highest sample of each
// column), with arg 1 through every sample.
static void BM_MainWindowDragOnMeasuredTripVsBaseline(benchmark::State& state) {
    constexpr int kSamples = 100000;
    TripSamples samples;
    for (int i = 0; i < kSamples; ++i) {
        const double t = kMinutes * i / (kSamples - 1);
        samples.Times.push_back(t);
        samples.Distances.push_back(distance(t) + 0.3 * std::sin(i * 0.7));
    }
    TFrmAbout about;
    TForm1 form(120);
    showMainWindow(about, form);
    QCoreApplication::processEvents();
    form.Trips()->show(MeasuredTrip(QStringLiteral("bench.csv"), samples));
    QCoreApplication::processEvents();
    QPolygonF curve;
    if (state.range(0) == 1) {
        for (int i = 0; i < kSamples; ++i)
            curve << Mapping{}(samples.Times[i], samples.Distances[i]);
    } else {
        for (const QPointF& point : form.Model().trip().curveSamples())
            curve << Mapping{}(point.x(), point.y());
    }
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    measureDragVsBaseline(state, form, [&] {
        paintBaseline(image, curve);
        benchmark::DoNotOptimize(image.constBits());
    });
    state.counters["curve_points"] = static_cast<double>(curve.size());
}
BENCHMARK(BM_MainWindowDragOnMeasuredTripVsBaseline)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// BM_MainWindowDragVsBaseline in presentation mode on a 1920 x 1080 screen: the chart and the
// read-outs draw their pictures 2.5 times as large in device pixels. The plain pass draws the
// chart's picture at its layout size, scaled onto an image of the chart's device size, with its
// one-pixel lines as wide as the zoom. Off screen, the screen comes from a configuration file:
// QT_QPA_PLATFORM=offscreen:configfile=bench/screen-1920x1080.json.
static void BM_PresentationDragVsBaseline(benchmark::State& state) {
    TFrmAbout about;
    TForm1 form(120);
    showMainWindow(about, form);
    if (form.screen()->size() != QSize(1920, 1080)) {
        state.SkipWithError("needs a 1920 x 1080 screen: see bench/README.md");
        return;
    }
    form.togglePresentation();
    QCoreApplication::processEvents();
    const QSize picture = form.RC1->PictureSize();
    const Mapping map{picture.width(), picture.height(), 0, static_cast<int>(kKilometres), form.RC1->Zoom()};
    QImage image(form.RC1->size(), QImage::Format_RGB32);
    measureDragVsBaseline(state, form, [&] {
        paintBaseline(image, mappedCurve(134, true, map), map);
        benchmark::DoNotOptimize(image.constBits());
    });
    state.counters["zoom"] = map.zoom;
    state.counters["device_width"] = image.width();
    state.counters["device_height"] = image.height();
}
BENCHMARK(BM_PresentationDragVsBaseline)->Unit(benchmark::kMicrosecond);
