#pragma once

#include <QDateTime>

/// The wall clock, injected so the schedule can be tested without waiting on it.
class Clock {
public:
    Clock() = default;
    virtual ~Clock() = default;
    Q_DISABLE_COPY_MOVE(Clock)

    virtual QDateTime now() const = 0;
};
