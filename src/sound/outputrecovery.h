#pragma once

#include <QtGlobal>

#include <chrono>
#include <functional>

class RetryTimer;

/// When to try again to open an audio output that failed or was never there, for as long as sound should play.
/// The first attempt follows the loss by half a second and each failed one doubles the pause, up to five seconds. A
/// sign that the sound server may be back brings the next attempt forward and starts the pauses over. While no server
/// listens at all, nothing can change before such a sign, so the clock is left out: a long outage costs no more than
/// a program turned off.
class OutputRecovery {
    Q_DISABLE_COPY_MOVE(OutputRecovery)

public:
    using Pause = std::chrono::milliseconds;
    static constexpr Pause FirstPause{500};
    static constexpr Pause LongestPause{5000};
    /// While no server listens, the look taken in case a sign was missed.
    static constexpr Pause QuietPause{60000};

    /// \a attempt tries to open the output and tells how that went through lost() or end(), at once or later; an
    /// attempt that has told nothing after LongestPause is made again.
    OutputRecovery(RetryTimer &timer, std::function<void()> attempt);
    ~OutputRecovery();

    /// The output failed, or an attempt to open it did: the next attempt is scheduled. True when this begins an outage.
    bool lost();
    /// An attempt found no sound server listening. Right after a sign the server may still be starting, and the pauses
    /// go on as after lost(); otherwise the next attempt waits for a sign, or QuietPause. True when this begins an
    /// outage.
    bool nothingListens();
    /// The output plays again, or sound is no longer wanted: no more attempts.
    void end();
    /// The output may be back: unless an attempt is under way, one is made now and the pauses start over.
    void mayBeBack();
    /// From a loss to the end of the outage.
    bool active() const { return m_phase != Phase::Idle; }

private:
    enum class Phase { Idle, Waiting, Trying };

    /// Schedules the next attempt \a pause from now; true when this begins an outage.
    bool waitFor(Pause pause);
    void attemptNow(bool afterSign);

    RetryTimer &m_timer;
    std::function<void()> m_attempt;
    Phase m_phase = Phase::Idle;
    Pause m_pause = FirstPause;
    bool m_afterSign = false;
};
