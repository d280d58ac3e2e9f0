#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <chrono>

class Clock;

/// A sleep timer: counts down to a deadline on the wall clock, so that time spent suspended counts as well.
/// Not stored: a new start has none.
class SleepTimer : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SleepTimer)

public:
    explicit SleepTimer(const Clock &clock, QObject *parent = nullptr);
    ~SleepTimer() override = default;

    /// Starts a timer of \a length, replacing the one running; zero or less cancels.
    void set(std::chrono::seconds length);
    /// Adds \a more to the running timer, or starts one of \a more.
    void extend(std::chrono::seconds more);
    /// Stops the timer without its end.
    void cancel();

    bool isRunning() const { return m_deadline.isValid(); }
    /// The length the running timer was last given by set() or extend(); zero when none runs.
    std::chrono::seconds length() const { return m_length; }
    /// What is left of the running timer in whole seconds, rounded up; zero when none runs.
    std::chrono::seconds left() const;
    /// What is left of the running timer to the millisecond, never below zero: what a fall aims at.
    std::chrono::milliseconds leftExactly() const;
    /// Whole minutes left, rounded up: what a menu shows.
    int minutesLeft() const;

    /// Looks at the clock now, as the timer's own tick does: after a resume, or in a test.
    void check();

Q_SIGNALS:
    /// The timer started, changed, was cancelled or ended, or its minutes left changed.
    void changed();
    /// A timer started, replacing or extending the one running; changed() follows.
    void started();
    /// The running timer was stopped without its end; changed() follows.
    void cancelled();
    /// The deadline has passed.
    void ended();

private:
    void stop();

    const Clock &m_clock;
    QDateTime m_deadline;
    std::chrono::seconds m_length{0};
    int m_minutesShown = 0;
    // Wakes the program twice a second, only while a timer runs: a wall clock that jumped past the end (a resume
    // without logind) is silenced within a second, ramp and output included.
    QTimer m_tick;
};
