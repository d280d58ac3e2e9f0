#pragma once

#include <QObject>
#include <QTimer>

/// A timer with an enabled flag: enabling a timer that already runs keeps its interval going.
class AppTimer : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AppTimer)

public:
    AppTimer(int intervalMs, QObject *parent);
    ~AppTimer() override = default;

    bool isEnabled() const { return m_timer.isActive(); }
    void setEnabled(bool enabled);
    int interval() const { return m_timer.interval(); }

Q_SIGNALS:
    void Timer();

private:
    QTimer m_timer;
};
