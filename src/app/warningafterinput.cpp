#include "warningafterinput.h"

#include "usernotifier.h"

#include <QCoreApplication>
#include <QMouseEvent>

WarningAfterInput::WarningAfterInput(UserNotifier &notifier, QObject *parent) : QObject(parent), m_notifier(notifier) {
    QCoreApplication::instance()->installEventFilter(this);
}

void WarningAfterInput::post(const QString &title, const QString &text) {
    m_pending.append({title, text});
    QMetaObject::invokeMethod(this, &WarningAfterInput::showPending, Qt::QueuedConnection);
}

bool WarningAfterInput::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: {
        const bool held = static_cast<QMouseEvent *>(event)->buttons() != Qt::NoButton;
        if (m_buttonHeld && !held && !m_pending.isEmpty()) {
            QMetaObject::invokeMethod(this, &WarningAfterInput::showPending, Qt::QueuedConnection);
        }
        m_buttonHeld = held;
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void WarningAfterInput::showPending() {
    while (!m_buttonHeld && !m_pending.isEmpty()) {
        const auto [title, text] = m_pending.takeFirst();
        m_notifier.showWarning(title, text);
    }
}
