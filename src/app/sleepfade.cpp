#include "sleepfade.h"

#include "player.h"
#include "sleeptimer.h"

using namespace std::chrono_literals;

namespace {
constexpr std::chrono::seconds FallLead{1};
}

SleepFade::SleepFade(SleepTimer &timer, Player &player, Program program, QObject *parent)
    : QObject(parent), m_timer(timer), m_player(player), m_program(std::move(program)) {
    m_tick.setInterval(1s);
    // The fall is aimed again at each tick: a tick on time keeps its aim steady.
    m_tick.setTimerType(Qt::PreciseTimer);
    connect(&m_tick, &QTimer::timeout, this, &SleepFade::check);
    connect(&m_timer, &SleepTimer::started, this, &SleepFade::timerStarted);
    connect(&m_timer, &SleepTimer::cancelled, this, &SleepFade::timerCancelled);
    connect(&m_timer, &SleepTimer::ended, this, &SleepFade::timerEnded);
}

void SleepFade::cancel() {
    if (m_state == State::Silenced) {
        setState(State::Off);
        m_program.runSchedule(true);
    }
    m_timer.cancel();
}

void SleepFade::check() {
    // A deadline passed meanwhile ends the timer first.
    m_timer.check();
    follow();
}

void SleepFade::timerStarted() {
    if (m_state == State::Fading) {
        m_player.cancelFadeOut();
    } else if (m_state == State::Silenced) {
        // A new timer is for a sound to be heard.
        m_program.runSchedule(true);
    }
    m_fadeLength = std::min(m_timer.length(), LongestFade);
    setState(State::Counting);
    follow();
}

void SleepFade::timerCancelled() {
    if (m_state == State::Fading) {
        m_player.cancelFadeOut();
    }
    setState(State::Off);
}

void SleepFade::timerEnded() {
    setState(State::Off);
    if (!m_program.isTurnedOn()) {
        return;
    }
    if (!m_program.isTimed()) {
        m_program.turnOff();
    } else if (m_program.insideWindow()) {
        // Stopped rather than held at silence: nothing stays on the sound server, and the tick starts no sound.
        m_player.stop();
        m_program.runSchedule(false);
        setState(State::Silenced);
    }
}

void SleepFade::follow() {
    switch (m_state) {
    case State::Counting:
        if (m_timer.leftExactly() > m_fadeLength) {
            break;
        }
        setState(State::Fading);
        [[fallthrough]];
    case State::Fading:
        // Aimed again at every tick: a sound started meanwhile joins the fall, and a clock that jumped is followed.
        // A sound server plays what it holds later than the player can tell: the fall aims a second early, so that
        // it is heard whole before the end stops the sound.
        m_player.fadeOutByDecibels(
            std::max(std::chrono::duration_cast<std::chrono::milliseconds>(m_timer.leftExactly() - FallLead), 0ms));
        break;
    case State::Silenced:
        if (!m_program.insideWindow()) {
            setState(State::Off);
            m_program.runSchedule(true);
        }
        break;
    case State::Off:
        break;
    }
}

void SleepFade::setState(State state) {
    m_state = state;
    if (state == State::Off) {
        m_tick.stop();
    } else if (!m_tick.isActive()) {
        m_tick.start();
    }
}
