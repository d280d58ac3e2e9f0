#pragma once

#include <gst/gst.h>

#include <QtGlobal>

#include <mutex>

/// Holds a streaming thread until a moment of its pipeline's running time. A sink that plays each buffer at its time
/// would otherwise take every buffer as soon as the last one plays, so that a rate or volume change made meanwhile
/// waits one buffer more before it is heard.
class ClockPacer {
public:
    ClockPacer() = default;
    ~ClockPacer() = default;
    Q_DISABLE_COPY_MOVE(ClockPacer)

    /// Returns once \a pipeline's running time reaches \a runningTime, at once when it has already passed, when the
    /// pipeline has no clock yet, or when the pacer is interrupted.
    void waitUntil(GstElement *pipeline, GstClockTime runningTime);
    /// Ends a wait in progress, and any later one, until resume(): the pipeline can then stop without waiting.
    void interrupt();
    void resume();

private:
    std::mutex m_mutex;
    GstClockID m_wait = nullptr;
    bool m_interrupted = false;
};
