#include "apptimer.h"

AppTimer::AppTimer(int intervalMs, QObject *parent) : QObject(parent) {
    m_timer.setInterval(intervalMs);
    m_timer.setTimerType(Qt::CoarseTimer);
    connect(&m_timer, &QTimer::timeout, this, &AppTimer::Timer);
}

void AppTimer::setEnabled(bool enabled) {
    if (!enabled) {
        m_timer.stop();
    } else if (!m_timer.isActive()) {
        m_timer.start();
    }
}
