#include "platform/controls/intervaltimer.h"

#include <QAbstractEventDispatcher>

#include <cstdio>

namespace {

std::function<void(const std::exception&)>& timerExceptionHandler() {
    static std::function<void(const std::exception&)> handler;
    return handler;
}

} // namespace

void setTimerExceptionHandler(std::function<void(const std::exception&)> handler) {
    timerExceptionHandler() = std::move(handler);
}

void IntervalTimer::tick() {
    if (!FOnTick) return;
    try {
        FOnTick();
    } catch (const std::exception& e) {
        if (timerExceptionHandler())
            timerExceptionHandler()(e);
        else
            std::fprintf(stderr, "%s\n", e.what());
    }
}

QtIntervalTimer::QtIntervalTimer() {
    QObject::connect(&FTimer, &QTimer::timeout, [this] { tick(); });
}

bool QtIntervalTimer::start(int intervalMs) {
    // A thread without an event dispatcher cannot deliver timer events.
    if (intervalMs <= 0 || !QAbstractEventDispatcher::instance(FTimer.thread())) return false;
    FTimer.start(intervalMs);
    return FTimer.isActive();
}
