#include "scales/ticks.h"

using enum ScaleEnums::TFigType;

TickPass runTickPass(const TickSettings& settings) {
    if (settings.LabelType == ftDateTime) return dateTimeTickPass(settings);
    if (settings.LabelType == ftTime)
        if (std::optional<TickPass> pass = timeTickPass(settings)) return *pass;
    return settings.Logarithmic ? logTickPass(settings) : linearTickPass(settings);
}

std::vector<double> recordedTicks(const TickPass& pass) {
    std::vector<double> values;
    for (const Tick& tick : pass.Ticks) {
        if (values.size() >= static_cast<std::size_t>(kTickListCapacity)) break;
        if (tick.Recorded) values.push_back(tick.Value);
    }
    return values;
}
