// A periodic timer as the desktop's window timers offer it: started with a period, stopped, and able
// to refuse to start (then start returns false). Components hold one through this interface so that
// a refusing timer can stand in for tests.
#pragma once

#include <QString>
#include <QTimer>

#include <exception>
#include <functional>
#include <memory>

class IntervalTimer {
public:
    virtual ~IntervalTimer() = default;
    // Starts, or restarts, ticking every intervalMs milliseconds; false when no timer is available.
    virtual bool start(int intervalMs) = 0;
    virtual void stop() = 0;
    virtual bool active() const = 0;
    // One handler or none. An exception thrown by it is handed to the timer exception handler and
    // does not stop the timer.
    void setOnTick(std::function<void()> handler) { FOnTick = std::move(handler); }

protected:
    void tick();

private:
    std::function<void()> FOnTick;
};

// Where exceptions escaping a tick handler go, as the application's exception handler would take
// them (a message box in the program). Without one they are written to standard error.
void setTimerExceptionHandler(std::function<void(const std::exception&)> handler);

class QtIntervalTimer : public IntervalTimer {
public:
    QtIntervalTimer();
    bool start(int intervalMs) override;
    void stop() override { FTimer.stop(); }
    bool active() const override { return FTimer.isActive(); }

private:
    QTimer FTimer;
};
