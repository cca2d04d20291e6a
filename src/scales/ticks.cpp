#include "scales/ticks.h"

TickPass RunTickPass(const TickSettings& settings) {
    if (settings.labelType == ftDateTime) return DateTimeTickPass(settings);
    if (settings.labelType == ftTime)
        if (std::optional<TickPass> pass = TimeTickPass(settings)) return *pass;
    return settings.logarithmic ? LogTickPass(settings) : LinearTickPass(settings);
}

std::vector<double> RecordedTicks(const TickPass& pass) {
    std::vector<double> values;
    for (const Tick& tick : pass.ticks) {
        if (values.size() >= static_cast<std::size_t>(kTickListCapacity)) break;
        if (tick.recorded) values.push_back(tick.value);
    }
    return values;
}
