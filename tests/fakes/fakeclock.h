#pragma once

#include "clock.h"

/// A clock that shows whatever the test sets.
class FakeClock final : public Clock {
public:
    QDateTime current{QDate(2026, 12, 7), QTime(12, 0)};
    QDateTime now() const override { return current; }
};
