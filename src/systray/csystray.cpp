#include "csystray.h"

#include "propertybag.h"
#include "traynotifier.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <stdexcept>

using namespace Qt::StringLiterals;
using namespace TrayNotify;

namespace {

const QString DefaultTip = u"Telnet Server"_s;

qint64 steadyMsecs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

cSysTray::cSysTray(TrayNotifier *notifier, QObject *parent)
    : QObject(parent), m_notifier(notifier), m_clock(steadyMsecs) {
    UserControl_Initialize();
    if (m_notifier) {
        connect(m_notifier, &TrayNotifier::availabilityChanged, this, &cSysTray::trayAvailableChanged);
    }
}

cSysTray::~cSysTray() {
    UserControl_Terminate();
}

void cSysTray::UserControl_Initialize() {
    InTrayValue = false;
    IconAdded = false;
    IconId = 0;
}

void cSysTray::UserControl_Terminate() {
    if (InTray()) {
        setInTray(false);
    }
}

TrayPicture cSysTray::TrayIcon() const {
    return IconPicture;
}

void cSysTray::setTrayIcon(const TrayPicture &Icon) {
    if (Icon.type != TrayPicture::Icon) {
        return;
    }
    if (IconAdded && m_notifier) {
        m_notifier->modifyTrayIcon(IconId, Icon.icon);
    }
    IconPicture = Icon;
    m_picture = Icon;
    Q_EMIT propertyChanged(u"TrayIcon"_s);
}

QString cSysTray::TrayTip() const {
    return TipText;
}

void cSysTray::setTrayTip(const QString &Tip) {
    if (IconAdded && m_notifier) {
        m_notifier->modifyTrayTip(IconId, Tip);
    }
    TipText = Tip;
    Q_EMIT propertyChanged(u"TrayTip"_s);
}

bool cSysTray::InTray() const {
    return InTrayValue;
}

void cSysTray::setInTray(bool Show) {
    if (Show == InTrayValue) {
        return;
    }
    if (Show) {
        if (m_userMode) {
            if (m_notifier) {
                m_trayWindowProc = connect(m_notifier, &TrayNotifier::trayNotification, this,
                                           [this](int id, int code) { HandleTrayMessage(code, id); });
            }
            AddTrayIcon(IconId, TrayTip(), TrayIcon());
            IconAdded = true;
        }
    } else if (IconAdded) {
        if (m_notifier) {
            m_notifier->removeTrayIcon(IconId);
        }
        disconnect(m_trayWindowProc);
        IconAdded = false;
    }
    InTrayValue = Show;
    Q_EMIT propertyChanged(u"InTray"_s);
}

TrayPicture cSysTray::Picture() const {
    return m_picture;
}

void cSysTray::setPicture(const TrayPicture &picture) {
    m_picture = picture;
}

bool cSysTray::userMode() const {
    return m_userMode;
}

void cSysTray::setUserMode(bool userMode) {
    m_userMode = userMode;
}

bool cSysTray::trayAvailable() const {
    return m_notifier && m_notifier->isAvailable();
}

void cSysTray::watchTrayAvailability(bool closely) {
    if (m_notifier) {
        m_notifier->watchAvailability(closely);
    }
}

QSize cSysTray::size() const {
    return m_size;
}

void cSysTray::resize(const QSize &twips) {
    m_size = twips;
    UserControl_Resize();
}

void cSysTray::setClock(Clock clock) {
    m_clock = std::move(clock);
}

void cSysTray::AddTrayIcon(int id, const QString &tip, const TrayPicture &picture) {
    const bool hasPicture = picture.type != TrayPicture::None;
    if (m_notifier) {
        m_notifier->addTrayIcon(id, tip, hasPicture ? &picture.icon : nullptr);
    }
    if (hasPicture) {
        IconPicture = picture;
    }
    if (!tip.isEmpty()) {
        TipText = tip;
    }
}

void cSysTray::HandleTrayMessage(int lParam, int wParam) {
    switch (lParam) {
    case WM_MOUSEMOVE:
        Q_EMIT MouseMove(wParam);
        break;
    case WM_LBUTTONDOWN:
        Q_EMIT MouseDown(1, wParam);
        break;
    case WM_LBUTTONUP:
        Q_EMIT MouseUp(1, wParam);
        break;
    case WM_LBUTTONDBLCLK:
        Q_EMIT MouseDblClick(1, wParam);
        break;
    case WM_RBUTTONDOWN:
        Q_EMIT MouseDown(2, wParam);
        break;
    case WM_RBUTTONUP:
        Q_EMIT MouseUp(2, wParam);
        break;
    case WM_RBUTTONDBLCLK:
        Q_EMIT MouseDblClick(2, wParam);
        break;
    case NIN_BALLOONHIDE:
    case NIN_BALLOONTIMEOUT:
    case NIN_BALLOONUSERCLICK:
        BalloonUp = false;
        break;
    default:
        break;
    }
}

void cSysTray::ShowBalloon(const QString &Tip, const QString &sTitle, qint32 ShowTimer, bool ShowOnce) {
    if (ShowOnce && OnceCount >= 1) {
        return;
    }
    qint32 timeoutMs = 0;
    if (ShowTimer > 0 && qMulOverflow(ShowTimer, qint32(1000), &timeoutMs)) {
        throw std::overflow_error("Overflow");
    }
    if (m_notifier) {
        m_notifier->showBalloon(IconId, sTitle, Tip, timeoutMs);
    }
    BalloonUp = true;
    if (ShowOnce) {
        ++OnceCount;
    }
    if (ShowTimer > 0) {
        waitForBalloon(ShowTimer);
    }
}

void cSysTray::waitForBalloon(qint32 ShowTimer) {
    const QPointer<cSysTray> alive(this);
    const qint64 limitMs = qint64(ShowTimer) * 1000;
    const qint64 start = m_clock();
    // Wakes the event wait when the time is up, so that the wait neither spins nor oversleeps.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    qint64 remaining = limitMs;
    while (remaining > 0 && BalloonUp) {
        wake.start(std::chrono::milliseconds(remaining));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (!alive) {
            // A handler run inside the wait destroyed the control.
            return;
        }
        remaining = limitMs - (m_clock() - start);
    }
    if (BalloonUp && m_notifier) {
        m_notifier->takeDownBalloon(IconId);
    }
}

void cSysTray::UserControl_InitProperties() {
    setInTray(false);
    setTrayTip(DefaultTip);
    setTrayIcon(Picture());
}

void cSysTray::UserControl_ReadProperties(const PropertyBag &PropBag) {
    setInTray(PropBag.readProperty(u"InTray"_s, false).toBool());
    const QVariant icon = PropBag.readProperty(u"TrayIcon"_s, QVariant::fromValue(Picture()));
    setTrayIcon(icon.metaType() == QMetaType::fromType<TrayPicture>() ? icon.value<TrayPicture>()
                                                                      : TrayPicture::fromFile(icon.toString()));
    setTrayTip(PropBag.readProperty(u"TrayTip"_s, DefaultTip).toString());
}

void cSysTray::UserControl_WriteProperties(PropertyBag &PropBag) const {
    PropBag.writeProperty(u"InTray"_s, InTrayValue);
    PropBag.writeProperty(u"TrayIcon"_s, IconPicture.source);
    PropBag.writeProperty(u"TrayTip"_s, TipText);
}

void cSysTray::UserControl_Resize() {
    m_size.setHeight(ControlSize);
    m_size.setWidth(ControlSize);
}
