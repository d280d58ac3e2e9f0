#include "dailywindow.h"

#include "clock.h"

#include <stdexcept>

namespace DailyWindow {

QTime timeOfDay(const QDateTime &moment) {
    if (!moment.isValid()) {
        throw std::runtime_error("Type mismatch");
    }
    const QTime time = moment.time();
    return {time.hour(), time.minute(), time.second()};
}

bool contains(QTime start, QTime end, QTime now) {
    if (start <= end) {
        return start <= now && end >= now;
    }
    return now >= start || now <= end;
}

bool isInside(const QDateTime &start, const QDateTime &end, const Clock &clock) {
    // One reading of the clock serves both ends, so a tick on a second boundary cannot see two different times.
    return contains(timeOfDay(start), timeOfDay(end), timeOfDay(clock.now()));
}

std::chrono::milliseconds timeUntilEnd(const QDateTime &end, const Clock &clock) {
    constexpr int DayMs = 24 * 60 * 60 * 1000;
    const int endMs = timeOfDay(end).msecsSinceStartOfDay() + 1000;
    const int left = (endMs - clock.now().time().msecsSinceStartOfDay() + DayMs) % DayMs;
    return std::chrono::milliseconds(left);
}

} // namespace DailyWindow
