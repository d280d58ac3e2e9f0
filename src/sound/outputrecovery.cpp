#include "outputrecovery.h"

#include "retrytimer.h"

#include <algorithm>

OutputRecovery::OutputRecovery(RetryTimer &timer, std::function<void()> attempt)
    : m_timer(timer), m_attempt(std::move(attempt)) {}

OutputRecovery::~OutputRecovery() {
    m_timer.stop();
}

bool OutputRecovery::lost() {
    const Pause pause = m_pause;
    m_pause = std::min(m_pause * 2, LongestPause);
    return waitFor(pause);
}

bool OutputRecovery::nothingListens() {
    return m_afterSign ? lost() : waitFor(QuietPause);
}

bool OutputRecovery::waitFor(Pause pause) {
    const bool begins = m_phase == Phase::Idle;
    m_phase = Phase::Waiting;
    m_timer.start(pause, [this] { attemptNow(false); });
    return begins;
}

void OutputRecovery::end() {
    m_phase = Phase::Idle;
    m_pause = FirstPause;
    m_timer.stop();
}

void OutputRecovery::mayBeBack() {
    if (m_phase != Phase::Waiting) {
        return;
    }
    m_pause = FirstPause;
    attemptNow(true);
}

void OutputRecovery::attemptNow(bool afterSign) {
    m_phase = Phase::Trying;
    m_afterSign = afterSign;
    // Started first: the attempt may report at once, which replaces this guard.
    m_timer.start(LongestPause, [this] { attemptNow(false); });
    m_attempt();
}
