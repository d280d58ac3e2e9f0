#include "sleeptimer.h"

#include "clock.h"

using namespace std::chrono_literals;

SleepTimer::SleepTimer(const Clock &clock, QObject *parent) : QObject(parent), m_clock(clock) {
    // Ticks a whole number of half seconds after the timer was set land on its deadline, not a coarse moment before.
    m_tick.setTimerType(Qt::PreciseTimer);
    m_tick.setInterval(500ms);
    connect(&m_tick, &QTimer::timeout, this, &SleepTimer::check);
}

void SleepTimer::set(std::chrono::seconds length) {
    if (length <= 0s) {
        cancel();
        return;
    }
    m_deadline = m_clock.now().addSecs(length.count());
    m_length = length;
    m_minutesShown = minutesLeft();
    m_tick.start();
    Q_EMIT started();
    Q_EMIT changed();
}

void SleepTimer::extend(std::chrono::seconds more) {
    set(left() + more);
}

void SleepTimer::cancel() {
    if (isRunning()) {
        stop();
        Q_EMIT cancelled();
        Q_EMIT changed();
    }
}

std::chrono::seconds SleepTimer::left() const {
    // Rounded up: a timer with a moment left has not ended.
    return std::chrono::ceil<std::chrono::seconds>(leftExactly());
}

std::chrono::milliseconds SleepTimer::leftExactly() const {
    if (!isRunning()) {
        return 0ms;
    }
    return std::max(std::chrono::milliseconds(m_clock.now().msecsTo(m_deadline)), 0ms);
}

int SleepTimer::minutesLeft() const {
    return int((left() + 59s) / 1min);
}

void SleepTimer::check() {
    if (!isRunning()) {
        return;
    }
    if (left() <= 0s) {
        stop();
        Q_EMIT changed();
        Q_EMIT ended();
        return;
    }
    if (minutesLeft() != m_minutesShown) {
        m_minutesShown = minutesLeft();
        Q_EMIT changed();
    }
}

void SleepTimer::stop() {
    m_deadline = {};
    m_length = {};
    m_minutesShown = 0;
    m_tick.stop();
}
