// The curve of one redraw: 134 distance evaluations plus the secant, per profile.
#include "app/tripmodel.h"
#include "widgets/sline.h"

#include <benchmark/benchmark.h>

#include <cmath>

static void BM_CurveOfOneRedraw(benchmark::State& state) {
    const int profile = static_cast<int>(state.range(0));
    TSLine line(nullptr);
    for (auto _ : state) {
        double sum = 0;
        for (int i = 0; i <= 133; ++i)
            sum += tripProfileDistance(profile, i);
        line.ThroughPoints(50, tripProfileDistance(profile, 50), 110, tripProfileDistance(profile, 110));
        sum += line.GetSlope() + line.YAt(133);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_CurveOfOneRedraw)->Arg(0)->Arg(1)->Arg(2);

// Baseline: the same 134 evaluations of profile 1 in plain double precision.
static void BM_CurveBaselineDouble(benchmark::State& state) {
    for (auto _ : state) {
        double sum = 0;
        for (int i = 0; i <= 133; ++i) {
            const double t = i;
            sum += t + 7 * std::cos((t + 20) / 20) + 8 * std::sin((t + 40) / 11.3) + 10;
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_CurveBaselineDouble);

BENCHMARK_MAIN();
