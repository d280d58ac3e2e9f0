#pragma once

#include "traypicture.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>

#include <functional>

class PropertyBag;
class TrayNotifier;

/// The tray icon control: one icon in the notification area, with its tip and balloon, whose mouse activity
/// comes back as the events MouseMove, MouseDown, MouseUp and MouseDblClick (Button 1 left, 2 right).
///
/// Every call is made on the user-interface thread. The notifier is not owned; one notifier serves one control.
class cSysTray : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(cSysTray)

public:
    /// The control's fixed width and height, in twips (34 pixels at 15 twips to a pixel).
    static constexpr int ControlSize = 510;

    /// Monotonic time in milliseconds, for the balloon wait.
    using Clock = std::function<qint64()>;

    explicit cSysTray(TrayNotifier *notifier, QObject *parent = nullptr);
    /// Takes the icon out of the notification area if it is there.
    ~cSysTray() override;

    /// The tray icon; None until an icon picture has been assigned.
    TrayPicture TrayIcon() const;
    /// Sets the tray icon and the control's own Picture; a picture of any type but Icon is ignored.
    void setTrayIcon(const TrayPicture &Icon);
    QString TrayTip() const;
    /// Sets the tip, and the live icon's tip while the icon is in the tray.
    void setTrayTip(const QString &Tip);
    bool InTray() const;
    /// Puts the icon into the notification area or takes it out; in design mode only the value is kept.
    void setInTray(bool Show);

    /// The control's own picture, which TrayIcon keeps equal to the tray icon.
    TrayPicture Picture() const;
    void setPicture(const TrayPicture &picture);

    /// Shows \a Tip with the title \a sTitle as a balloon over the icon. With \a ShowOnce, only the first such
    /// balloon of this control is shown. With \a ShowTimer above 0 (seconds), returns when the balloon has gone
    /// or the time has run out, handling events meanwhile, and takes the balloon down if the time ran out.
    /// Throws std::overflow_error when \a ShowTimer in milliseconds does not fit 32 bits, before showing anything.
    void ShowBalloon(const QString &Tip, const QString &sTitle, qint32 ShowTimer, bool ShowOnce);

    /// Whether the host runs the program (true) or is a form designer (false); no icon is added in design mode.
    bool userMode() const;
    void setUserMode(bool userMode);

    /// Whether a notification area exists now.
    bool trayAvailable() const;
    /// While \a closely, trayAvailableChanged reports a vanishing notification area within seconds.
    void watchTrayAvailability(bool closely);

    /// The control's size in twips.
    QSize size() const;
    /// Resizes the control as a container would; the control keeps its fixed size.
    void resize(const QSize &twips);

    void setClock(Clock clock);

    void UserControl_InitProperties();
    void UserControl_ReadProperties(const PropertyBag &PropBag);
    void UserControl_WriteProperties(PropertyBag &PropBag) const;
    void UserControl_Resize();

Q_SIGNALS:
    void MouseMove(int Id);
    void MouseDown(int Button, int Id);
    void MouseUp(int Button, int Id);
    void MouseDblClick(int Button, int Id);
    /// The property \a name ("InTray", "TrayIcon" or "TrayTip") was assigned.
    void propertyChanged(const QString &name);
    void trayAvailableChanged(bool available);

private:
    void UserControl_Initialize();
    void UserControl_Terminate();
    void AddTrayIcon(int id, const QString &tip, const TrayPicture &picture);
    void HandleTrayMessage(int lParam, int wParam);
    void waitForBalloon(qint32 ShowTimer);

    // The fields of the control, in the order the control's design keeps them.
    bool InTrayValue = false;
    qint32 IconId = 0;
    QString TipText;
    TrayPicture IconPicture;
    bool IconAdded = false;
    bool BalloonUp = false;
    qint32 OnceCount = 0;

    QPointer<TrayNotifier> m_notifier;
    // Connected exactly while the icon is added: the path by which the icon's activity reaches the control.
    QMetaObject::Connection m_trayWindowProc;
    TrayPicture m_picture;
    QSize m_size{ControlSize, ControlSize};
    bool m_userMode = true;
    Clock m_clock;
};
