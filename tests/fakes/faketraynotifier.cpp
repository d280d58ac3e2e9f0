#include "faketraynotifier.h"

FakeTrayNotifier::FakeTrayNotifier(QObject *parent) : TrayNotifier(parent) {}

bool FakeTrayNotifier::isAvailable() const {
    return m_available;
}

const QList<FakeTrayNotifier::Call> &FakeTrayNotifier::calls() const {
    return m_calls;
}

void FakeTrayNotifier::clearCalls() {
    m_calls.clear();
}

bool FakeTrayNotifier::iconShown() const {
    return m_iconShown;
}

void FakeTrayNotifier::deliver(int code, int id) {
    Q_EMIT trayNotification(id, code);
}

void FakeTrayNotifier::setAvailable(bool available) {
    if (available == m_available) {
        return;
    }
    m_available = available;
    Q_EMIT availabilityChanged(available);
}

void FakeTrayNotifier::shellNotifyIcon(quint32 message, const TrayIconRecord &record) {
    m_calls.append({message, record});
    if (m_calls.constLast().isBalloon()) {
        Q_EMIT balloonShown();
    }
    if (message == TrayNotify::NIM_ADD) {
        m_iconShown = true;
    } else if (message == TrayNotify::NIM_DELETE) {
        m_iconShown = false;
    }
}
