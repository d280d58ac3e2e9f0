#include "clockpacer.h"

#include <QTest>

#include <future>

// A wait that nobody ends would hold a stopping pipeline for up to a buffer.
class TestClockPacer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void interrupt_endsAWaitInProgressAndLaterOnesUntilResumed();
};

void TestClockPacer::interrupt_endsAWaitInProgressAndLaterOnesUntilResumed() {
    gst_init(nullptr, nullptr);
    GstElement *pipeline = gst_pipeline_new(nullptr);
    GstClock *clock = gst_system_clock_obtain();
    gst_element_set_clock(pipeline, clock);
    gst_element_set_base_time(pipeline, gst_clock_get_time(clock));
    // Far enough ahead to be waiting when interrupted, near enough that a failing run ends soon.
    const GstClockTime farAhead = 30 * GST_SECOND;

    ClockPacer pacer;
    auto waiting = std::async(std::launch::async, [&] { pacer.waitUntil(pipeline, farAhead); });
    QCOMPARE(waiting.wait_for(std::chrono::milliseconds(200)), std::future_status::timeout);
    pacer.interrupt();
    QCOMPARE(waiting.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    auto later = std::async(std::launch::async, [&] { pacer.waitUntil(pipeline, farAhead); });
    QCOMPARE(later.wait_for(std::chrono::seconds(10)), std::future_status::ready);

    pacer.resume();
    auto resumed = std::async(std::launch::async, [&] { pacer.waitUntil(pipeline, farAhead); });
    QCOMPARE(resumed.wait_for(std::chrono::milliseconds(200)), std::future_status::timeout);
    pacer.interrupt();
    resumed.wait();

    gst_object_unref(clock);
    gst_object_unref(pipeline);
}

QTEST_GUILESS_MAIN(TestClockPacer)
#include "tst_clockpacer.moc"
