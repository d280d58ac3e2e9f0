#pragma once

#include "traynotifier.h"

#include <QList>

/// A notification area that records every call and lets a test deliver notifications and set availability.
class FakeTrayNotifier : public TrayNotifier {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FakeTrayNotifier)

public:
    struct Call {
        quint32 message = 0;
        TrayIconRecord record;

        bool isAdd() const { return message == TrayNotify::NIM_ADD; }
        bool isDelete() const { return message == TrayNotify::NIM_DELETE; }
        bool isModifyIcon() const { return message == TrayNotify::NIM_MODIFY && record.flags == TrayNotify::NIF_ICON; }
        bool isModifyTip() const { return message == TrayNotify::NIM_MODIFY && record.flags == TrayNotify::NIF_TIP; }
        bool isBalloon() const { return isInfo() && !(record.info.isEmpty() && record.infoTitle.isEmpty()); }
        bool isBalloonTakeDown() const { return isInfo() && record.info.isEmpty() && record.infoTitle.isEmpty(); }

    private:
        bool isInfo() const { return message == TrayNotify::NIM_MODIFY && record.flags == TrayNotify::NIF_INFO; }
    };

    explicit FakeTrayNotifier(QObject *parent = nullptr);

    bool isAvailable() const override;
    void watchAvailability(bool closely) override { m_watchedClosely = closely; }
    /// Whether the notification area is being watched closely, as while the window hides in it.
    bool watchedClosely() const { return m_watchedClosely; }

    const QList<Call> &calls() const;
    void clearCalls();
    /// Whether an icon has been added and not deleted since.
    bool iconShown() const;

    /// Delivers the notification \a code for the icon \a id, as the notification area would.
    void deliver(int code, int id = 0);
    /// Sets whether a notification area exists, reporting a change.
    void setAvailable(bool available);

Q_SIGNALS:
    /// A balloon has been asked for (and its wait, if any, is about to begin).
    void balloonShown();

protected:
    void shellNotifyIcon(quint32 message, const TrayIconRecord &record) override;

private:
    QList<Call> m_calls;
    bool m_available = true;
    bool m_iconShown = false;
    bool m_watchedClosely = false;
};
