#include "traynotifier.h"

using namespace TrayNotify;

void TrayNotifier::addTrayIcon(int id, const QString &tip, const QIcon *icon) {
    TrayIconRecord record;
    record.id = id;
    record.flags = NIF_MESSAGE;
    record.callbackMessage = TRAY_CALLBACK_MESSAGE;
    if (icon != nullptr) {
        record.flags |= NIF_ICON;
        record.icon = *icon;
    }
    if (!tip.isEmpty()) {
        record.flags |= NIF_TIP;
        record.tip = cutText(tip, TipLength);
    }
    shellNotifyIcon(NIM_ADD, record);
}

void TrayNotifier::modifyTrayIcon(int id, const QIcon &icon) {
    TrayIconRecord record;
    record.id = id;
    record.flags = NIF_ICON;
    record.icon = icon;
    shellNotifyIcon(NIM_MODIFY, record);
}

void TrayNotifier::modifyTrayTip(int id, const QString &tip) {
    TrayIconRecord record;
    record.id = id;
    record.flags = NIF_TIP;
    record.tip = cutText(tip, TipLength);
    shellNotifyIcon(NIM_MODIFY, record);
}

void TrayNotifier::removeTrayIcon(int id) {
    TrayIconRecord record;
    record.id = id;
    shellNotifyIcon(NIM_DELETE, record);
}

void TrayNotifier::showBalloon(int id, const QString &title, const QString &text, int timeoutMs) {
    TrayIconRecord record;
    record.id = id;
    record.flags = NIF_INFO;
    record.infoTitle = cutText(title, InfoTitleLength);
    record.info = cutText(text, InfoLength);
    record.timeoutMs = timeoutMs;
    shellNotifyIcon(NIM_MODIFY, record);
}

void TrayNotifier::takeDownBalloon(int id) {
    TrayIconRecord record;
    record.id = id;
    record.flags = NIF_INFO;
    shellNotifyIcon(NIM_MODIFY, record);
}

QString TrayNotifier::cutText(const QString &text, int length) {
    if (text.size() <= length) {
        return text;
    }
    // Half a surrogate pair would reach the notification area as a broken character.
    const bool splitsPair = text.at(length - 1).isHighSurrogate();
    return text.left(splitsPair ? length - 1 : length);
}
