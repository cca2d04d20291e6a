// The dot-matrix label's face, rendered after every change of its text as the main window's speed
// read-out is during a drag, next to one plain QPainter pass drawing the same picture: the
// background, one square per dot in its colour, and the frame's lines.
#include "app/mainfrm.h"
#include "facedots.h"
#include "threadclock.h"
#include "widgets/rasterlab.h"

#include <benchmark/benchmark.h>

#include <QPainter>

#include <array>

namespace {

void paintBaseline(QImage& image, const std::vector<Dot>& dots) {
    QPainter painter(&image);
    painter.fillRect(image.rect(), Qt::black);
    for (const Dot& dot : dots)
        painter.fillRect(dot.Square, QColor(dot.Color));
    const QRect r = image.rect().adjusted(0, 0, -1, -1);
    painter.setPen(Qt::gray);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(Qt::white);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

} // namespace

// Each step gives the label the next of two speeds and renders its face; each is paired with the
// plain pass, so that both see the same machine load. CPU times of this thread.
static void BM_SpeedDisplayVsBaseline(benchmark::State& state) {
    TForm1 form(96); // the main window as read from its layout, not shown
    TRasterLab& lab = *form.RLabSpeed;
    const std::array<QString, 2> texts{QStringLiteral("87.7km/h"), QStringLiteral("88.1km/h")};
    std::array<std::vector<Dot>, 2> dots;
    for (int i = 0; i < 2; ++i) {
        lab.SetText(texts[i]);
        dots[i] = dotsOf(lab.Face().Image(), lab.DotSize(), qRgb(255, 255, 0), qRgb(0x40, 0x40, 0x40));
    }
    QImage image(lab.Width(), lab.Height(), QImage::Format_RGB32);
    double faceSeconds = 0;
    double baselineSeconds = 0;
    std::size_t step = 0;
    for (auto _ : state) {
        const double start = threadSeconds();
        lab.SetText(texts[step % 2]);
        benchmark::DoNotOptimize(lab.Face().Image().constBits());
        const double middle = threadSeconds();
        paintBaseline(image, dots[step % 2]);
        benchmark::DoNotOptimize(image.constBits());
        faceSeconds += middle - start;
        baselineSeconds += threadSeconds() - middle;
        ++step;
    }
    const double steps = static_cast<double>(state.iterations());
    state.counters["face_us"] = 1e6 * faceSeconds / steps;
    state.counters["baseline_us"] = 1e6 * baselineSeconds / steps;
    state.counters["ratio"] = faceSeconds / baselineSeconds;
    state.counters["dots"] = static_cast<double>(dots[0].size());
}
BENCHMARK(BM_SpeedDisplayVsBaseline)->Unit(benchmark::kMicrosecond);
