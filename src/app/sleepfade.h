#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

class Player;
class SleepTimer;

/// What the sleep timer does to the sound. Over the timer's last minute (the whole timer if shorter) the sound fades
/// out evenly to the ear, silent from a second before the end; at its end the program turns off as "Turn Off" does, or,
/// in the timed play option, stays silent until the daily window has closed, so that the window's next start plays as
/// always and nothing stored changes. A timer replaced, extended or cancelled during the fade brings the sound back to
/// the set volume.
class SleepFade : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SleepFade)

public:
    /// What it asks of the program; each piece outlives this object.
    struct Program {
        std::function<bool()> isTurnedOn;
        /// Whether the timed play option is chosen.
        std::function<bool()> isTimed;
        /// Whether the clock lies inside the daily window.
        std::function<bool()> insideWindow;
        /// Turns off as "Turn Off" does.
        std::function<void()> turnOff;
        /// Holds the schedule tick off (false) while the window is to stay silent, and lets it run again (true).
        std::function<void(bool)> runSchedule;
    };

    enum class State {
        /// No timer runs, or one runs without a sound to fade yet.
        Off,
        Counting,
        Fading,
        /// The timer ended in the timed play option: the window stays silent until it closes.
        Silenced,
    };

    /// How long before its end a timer starts to fade; a shorter timer fades over its whole length.
    static constexpr std::chrono::seconds LongestFade{60};

    SleepFade(SleepTimer &timer, Player &player, Program program, QObject *parent = nullptr);
    ~SleepFade() override = default;

    State state() const { return m_state; }
    /// Turning off or another play option: the timer is cancelled, and a silenced window may play again.
    void cancel();
    /// Looks at the clock now, as the tick does once a second: after a resume, or in a test.
    void check();

private:
    void timerStarted();
    void timerCancelled();
    void timerEnded();
    void follow();
    void setState(State state);

    SleepTimer &m_timer;
    Player &m_player;
    Program m_program;
    State m_state = State::Off;
    std::chrono::seconds m_fadeLength{0};
    // Runs while a timer counts or a window is held silent.
    QTimer m_tick;
};
