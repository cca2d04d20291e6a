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
    return {s.RangeLow, s.RangeHigh, s.DecPlaces, s.LabelType == ftUserText, s.UserTickText, s.ScaleInscript};
}

// Whether the position after `next` is still on the axis: at most a thousandth of an interval
// beyond RangeHigh.
bool continuesTo(long double next, long double interval, long double high, long double dir) {
    return 0.001L * std::fabs(interval) >= dir * (next - high);
}

void addShortTicks(const TickSettings& s, const TickStep& st, long double dir, TickPass& pass) {
    const long double sub = st.Step / st.SubSteps;
    const long double start = st.First - st.Step;
    const long double low = s.RangeLow;
    for (long j = 0; j < kMaxPositions; ++j) {
        const long double v = start + j * sub;
        // The same thousandth of an interval that admits the first long tick keeps a short tick
        // at RangeLow from being lost to rounding.
        if (dir * low <= dir * v + 0.001L * std::fabs(sub))
            pass.Ticks.push_back({static_cast<double>(v), false, true, {}, {}});
        if (!continuesTo(start + (j + 1) * sub, sub, s.RangeHigh, dir)) break;
    }
}

void addLongTicks(const TickSettings& s, const TickStep& st, long double dir, TickPass& pass) {
    const NumberLabelSettings labels = numberLabels(s);
    const bool recorded = s.Vertical || !s.ShortTicks;
    for (long j = 0; j < kMaxPositions; ++j) {
        const auto v = static_cast<double>(st.First + j * st.Step);
        const QString label = s.LabelType == ftNoFigs ? QString() : linearTickLabel(labels, v, int(j + 1));
        pass.Ticks.push_back({v, true, recorded, label, {}});
        if (!continuesTo(st.First + (j + 1) * st.Step, st.Step, s.RangeHigh, dir)) break;
    }
}

} // namespace

TickPass linearTickPass(const TickSettings& s) {
    TickPass pass;
    pass.Kind = TickPassKind::Linear;
    if (!std::isfinite(s.RangeLow) || !std::isfinite(s.RangeHigh)) return pass;
    const TickStep st = CalcTickStep(s.MinTicks, s.RangeHigh, s.RangeLow);
    if (st.Step == 0 || !std::isfinite(st.Step)) return pass;
    const long double dir = s.RangeLow < s.RangeHigh ? 1 : -1;
    if (s.ShortTicks) addShortTicks(s, st, dir, pass);
    addLongTicks(s, st, dir, pass);
    return pass;
}
