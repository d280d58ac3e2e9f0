#pragma once

#include "retrytimer.h"

#include <QTimer>

/// A RetryTimer on a single-shot QTimer of the calling thread's event loop.
class QtRetryTimer final : public RetryTimer {
public:
    QtRetryTimer() {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            // The call may start the timer again, which replaces m_due.
            const std::function<void()> due = std::move(m_due);
            due();
        });
    }

    void start(std::chrono::milliseconds pause, std::function<void()> due) override {
        m_due = std::move(due);
        m_timer.start(pause);
    }
    void stop() override {
        m_timer.stop();
        m_due = nullptr;
    }

private:
    QTimer m_timer;
    std::function<void()> m_due;
};
