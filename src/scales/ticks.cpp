#include "scales/ticks.h"

using enum ScaleEnums::TFigType;

TickPass runTickPass(const TickSettings& settings) {
    if (settings.labelType == ftDateTime) return dateTimeTickPass(settings);
    if (settings.labelType == ftTime)
        if (std::optional<TickPass> pass = timeTickPass(settings)) return *pass;
    return settings.logarithmic ? logTickPass(settings) : linearTickPass(settings);
}

std::vector<double> recordedTicks(const TickPass& pass) {
    std::vector<double> values;
    for (const Tick& tick : pass.ticks) {
        if (values.size() >= static_cast<std::size_t>(kTickListCapacity)) break;
        if (tick.recorded) values.push_back(tick.value);
    }
    return values;
}
