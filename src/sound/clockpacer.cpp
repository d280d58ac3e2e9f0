#include "clockpacer.h"

#include "gstref.h"

void ClockPacer::waitUntil(GstElement *pipeline, GstClockTime runningTime) {
    const GstRef<GstClock> clock = GstRef<GstClock>::adopt(gst_element_get_clock(pipeline));
    if (!clock) {
        return;
    }
    GstClockID wait = gst_clock_new_single_shot_id(clock.get(), gst_element_get_base_time(pipeline) + runningTime);
    {
        const std::lock_guard lock(m_mutex);
        if (m_interrupted) {
            gst_clock_id_unref(wait);
            return;
        }
        m_wait = wait;
    }
    gst_clock_id_wait(wait, nullptr);
    {
        const std::lock_guard lock(m_mutex);
        m_wait = nullptr;
    }
    gst_clock_id_unref(wait);
}

void ClockPacer::interrupt() {
    const std::lock_guard lock(m_mutex);
    m_interrupted = true;
    if (m_wait) {
        gst_clock_id_unschedule(m_wait);
    }
}

void ClockPacer::resume() {
    const std::lock_guard lock(m_mutex);
    m_interrupted = false;
}
