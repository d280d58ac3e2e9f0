#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <utility>

class UserNotifier;

/// Shows warnings once the handler that raised them has returned and no mouse button is held. A modal box opened
/// from inside a press would take its release, and the pressed control would go on acting on the held button.
class WarningAfterInput : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WarningAfterInput)

public:
    explicit WarningAfterInput(UserNotifier &notifier, QObject *parent = nullptr);
    ~WarningAfterInput() override = default;

    void post(const QString &title, const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showPending();

    UserNotifier &m_notifier;
    QList<std::pair<QString, QString>> m_pending;
    bool m_buttonHeld = false;
};
