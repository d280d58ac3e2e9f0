#pragma once

#include "clock.h"

/// The system's local date and time.
class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
