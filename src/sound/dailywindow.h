#pragma once

#include <QDateTime>
#include <QTime>

#include <chrono>

class Clock;

/// The daily play window of the "Timed" option, compared on times of day only.
namespace DailyWindow {

/// The window that a first run proposes, a night from 22:00 to 07:00.
inline QTime firstRunStart() {
    return {22, 0};
}
inline QTime firstRunEnd() {
    return {7, 0};
}

/// The time of day of \a moment at whole seconds, on the 24-hour clock.
QTime timeOfDay(const QDateTime &moment);

/// Whether \a now lies in the window from \a start to \a end, both ends included. A start later than the end
/// makes the window run over midnight; a start equal to the end is a window of that one second.
bool contains(QTime start, QTime end, QTime now);

/// The window test of the schedule tick against the clock's present time of day.
bool isInside(const QDateTime &start, const QDateTime &end, const Clock &clock);

/// How long the clock has until a window ending at \a end is over: until the end of that second, on the next day
/// when it has passed today.
std::chrono::milliseconds timeUntilEnd(const QDateTime &end, const Clock &clock);

} // namespace DailyWindow
