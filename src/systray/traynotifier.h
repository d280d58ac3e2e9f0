#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

/// Messages, flags and notification codes of the notification-area record, with the values the shell gives them.
namespace TrayNotify {

inline constexpr quint32 NIM_ADD = 0;
inline constexpr quint32 NIM_MODIFY = 1;
inline constexpr quint32 NIM_DELETE = 2;

inline constexpr quint32 NIF_MESSAGE = 1;
inline constexpr quint32 NIF_ICON = 2;
inline constexpr quint32 NIF_TIP = 4;
inline constexpr quint32 NIF_INFO = 16;

/// The callback message named in the add call; the notifications below arrive under it.
inline constexpr quint32 TRAY_CALLBACK_MESSAGE = 1125;

inline constexpr int WM_MOUSEMOVE = 512;
inline constexpr int WM_LBUTTONDOWN = 513;
inline constexpr int WM_LBUTTONUP = 514;
inline constexpr int WM_LBUTTONDBLCLK = 515;
inline constexpr int WM_RBUTTONDOWN = 516;
inline constexpr int WM_RBUTTONUP = 517;
inline constexpr int WM_RBUTTONDBLCLK = 518;
inline constexpr int NIN_BALLOONSHOW = 1026;
inline constexpr int NIN_BALLOONHIDE = 1027;
inline constexpr int NIN_BALLOONTIMEOUT = 1028;
inline constexpr int NIN_BALLOONUSERCLICK = 1029;

/// Characters of each text field that reach the notification area; the rest is cut off.
inline constexpr int TipLength = 127;
inline constexpr int InfoLength = 255;
inline constexpr int InfoTitleLength = 63;

} // namespace TrayNotify

/// The notification record as one call carries it: only the fields named by `flags` are significant.
struct TrayIconRecord {
    int id = 0;
    quint32 flags = 0;
    quint32 callbackMessage = 0;
    QIcon icon;
    QString tip;
    QString info;
    int timeoutMs = 0;
    QString infoTitle;
};

/// The notification area (system tray) holding the icons of one control, addressed by icon id.
///
/// The public operations fill a record as the shell expects it (texts cut to their field sizes) and hand it to
/// shellNotifyIcon(), which an implementation carries out. Mouse and balloon activity on the icon comes back
/// through trayNotification() with the codes of TrayNotify.
class TrayNotifier : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrayNotifier)

public:
    using QObject::QObject;
    ~TrayNotifier() override = default;

    /// Adds the icon \a id with the callback message; \a tip is left out when empty, the picture when \a icon is
    /// null.
    void addTrayIcon(int id, const QString &tip, const QIcon *icon);
    /// Replaces the picture of the icon \a id.
    void modifyTrayIcon(int id, const QIcon &icon);
    /// Replaces the tip of the icon \a id.
    void modifyTrayTip(int id, const QString &tip);
    /// Removes the icon \a id.
    void removeTrayIcon(int id);
    /// Shows a balloon over the icon \a id; \a timeoutMs 0 leaves the display time to the notification area.
    void showBalloon(int id, const QString &title, const QString &text, int timeoutMs);
    /// Takes down the balloon of the icon \a id, if one is shown.
    void takeDownBalloon(int id);

    /// Whether a notification area exists now.
    virtual bool isAvailable() const = 0;
    /// While \a closely, a notification area that vanishes is reported within seconds: something depends on it.
    virtual void watchAvailability(bool closely) { Q_UNUSED(closely); }

    /// \a text cut to at most \a length characters, never in the middle of a surrogate pair.
    static QString cutText(const QString &text, int length);

Q_SIGNALS:
    /// Activity on the icon \a id: one of the mouse codes 512..518 or the balloon codes 1026..1029.
    void trayNotification(int id, int code);
    /// A notification area appeared or vanished.
    void availabilityChanged(bool available);

protected:
    /// Carries out \a message (NIM_ADD, NIM_MODIFY or NIM_DELETE) with \a record. A modify with NIF_INFO and
    /// empty title and text takes the balloon down.
    virtual void shellNotifyIcon(quint32 message, const TrayIconRecord &record) = 0;
};
