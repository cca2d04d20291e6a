// The linear pass: short ticks at every sub-step, then long labelled ticks at every step.
#include "scales/labeltext.h"
#include "scales/ticks.h"
#include "scales/tickstep.h"

#include <cmath>

using enum ScaleEnums::TFigType;

namespace {

// Bounds the work of a pass whose range holds absurdly many unit steps.
constexpr long kMaxPositions = 10000;

NumberLabelSettings numberLabels(const TickSettings& s) {
    return {s.rangeLow, s.rangeHigh, s.decPlaces, s.labelType == ftUserText, s.userTickText, s.scaleInscript};
}

// Whether the position after `next` is still on the axis: at most a thousandth of an interval
// beyond rangeHigh.
bool continuesTo(long double next, long double interval, long double high, long double dir) {
    return 0.001L * std::fabs(interval) >= dir * (next - high);
}

void addShortTicks(const TickSettings& s, const TickStep& st, long double dir, TickPass& pass) {
    const long double sub = st.step / st.subSteps;
    const long double start = st.first - st.step;
    const long double low = s.rangeLow;
    for (long j = 0; j < kMaxPositions; ++j) {
        const long double v = start + j * sub;
        // The same thousandth of an interval that admits the first long tick keeps a short tick
        // at rangeLow from being lost to rounding.
        if (dir * low <= dir * v + 0.001L * std::fabs(sub))
            pass.ticks.push_back({static_cast<double>(v), false, true, {}, {}});
        if (!continuesTo(start + (j + 1) * sub, sub, s.rangeHigh, dir)) break;
    }
}

void addLongTicks(const TickSettings& s, const TickStep& st, long double dir, TickPass& pass) {
    const NumberLabelSettings labels = numberLabels(s);
    const bool recorded = s.vertical || !s.shortTicks;
    for (long j = 0; j < kMaxPositions; ++j) {
        const auto v = static_cast<double>(st.first + j * st.step);
        const QString label = s.labelType == ftNoFigs ? QString() : linearTickLabel(labels, v, int(j + 1));
        pass.ticks.push_back({v, true, recorded, label, {}});
        if (!continuesTo(st.first + (j + 1) * st.step, st.step, s.rangeHigh, dir)) break;
    }
}

} // namespace

TickPass linearTickPass(const TickSettings& s) {
    TickPass pass;
    pass.kind = TickPassKind::Linear;
    if (!std::isfinite(s.rangeLow) || !std::isfinite(s.rangeHigh)) return pass;
    const TickStep st = CalcTickStep(s.minTicks, s.rangeHigh, s.rangeLow);
    if (st.step == 0 || !std::isfinite(st.step)) return pass;
    const long double dir = s.rangeLow < s.rangeHigh ? 1 : -1;
    if (s.shortTicks) addShortTicks(s, st, dir, pass);
    addLongTicks(s, st, dir, pass);
    return pass;
}
