#pragma once

#include <QtGlobal>

#include <chrono>
#include <functional>

/// A one-shot timer, injected so that the output recovery can be tested without waiting on the clock.
class RetryTimer {
public:
    RetryTimer() = default;
    virtual ~RetryTimer() = default;
    Q_DISABLE_COPY_MOVE(RetryTimer)

    /// Calls \a due once, \a pause from now; a call still pending is dropped.
    virtual void start(std::chrono::milliseconds pause, std::function<void()> due) = 0;
    /// Drops the pending call, if any.
    virtual void stop() = 0;
};
