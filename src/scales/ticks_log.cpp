// The logarithmic pass: decades, and with room for them 2 and 5 (labelled) and 3, 4, 6 … 9 per decade.
#include "scales/labeltext.h"
#include "scales/ticks.h"

#include <algorithm>
#include <cmath>

using enum ScaleEnums::TFigType;

namespace {

constexpr long double kSlack = 0.999999999L;

struct LogPassState {
    const TickSettings& Settings;
    NumberLabelSettings Labels;
    long double Lo;
    long double Hi;
    int MajorCount = 0;
    TickPass Pass;
};

void addLogTick(LogPassState& st, long double w, bool major, bool decade) {
    if (!(st.Lo < w / kSlack && w * kSlack < st.Hi)) return;
    if (!major && !st.Settings.ShortTicks) return;
    QString label;
    if (major) {
        ++st.MajorCount;
        if (st.Settings.LabelType != ftNoFigs)
            label = logTickLabel(st.Labels, static_cast<double>(w), decade, st.MajorCount);
    }
    st.Pass.Ticks.push_back({static_cast<double>(w), major, true, label, {}});
}

} // namespace

TickPass logTickPass(const TickSettings& s) {
    const long double lo = std::min(s.RangeLow, s.RangeHigh);
    const long double hi = std::max(s.RangeLow, s.RangeHigh);
    // Only a wholly positive, finite range has decades to divide.
    if (!(lo > 0) || !std::isfinite(static_cast<double>(hi))) return linearTickPass(s);
    const long double decades = std::fabs(std::log10(static_cast<long double>(s.RangeHigh) / s.RangeLow));
    if (decades < 1) return linearTickPass(s);
    LogPassState st{
        s,
        {s.RangeLow, s.RangeHigh, s.DecPlaces, s.LabelType == ftUserText, s.UserTickText, s.ScaleInscript},
        lo,
        hi,
        0,
        {}};
    st.Pass.Kind = TickPassKind::Logarithmic;
    const long double base = std::pow(10.0L, std::floor(std::log10(lo * kSlack)));
    const bool dense = s.MinTicks > decades + 0.5L;
    for (long double m = 1;; m *= 10) {
        addLogTick(st, base * m, true, true);
        for (int i = 2; dense && i <= 9; ++i)
            addLogTick(st, i * base * m, i == 2 || i == 5, false);
        if (hi < kSlack * base * m * 10) break;
    }
    return st.Pass;
}
