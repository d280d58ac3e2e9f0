#include "statusnotifieritem.h"

#include "dbusmenuexporter.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QImage>
#include <QLoggingCategory>
#include <QtEndian>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcSni, "somnivox.tray.sni")

namespace {

const QString ItemPath = u"/StatusNotifierItem"_s;
const QString BusService = u"org.freedesktop.DBus"_s;
const QString BusPath = u"/org/freedesktop/DBus"_s;
constexpr uint DoNotQueue = 4;
constexpr uint PrimaryOwner = 1;
constexpr uint AlreadyOwner = 4;

QList<SniPixmap> pixmapsOf(const QIcon &icon) {
    QList<SniPixmap> pixmaps;
    for (const int size : {16, 22, 32, 48, 64}) {
        const QImage image = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
        if (image.isNull()) {
            continue;
        }
        SniPixmap pixmap{image.width(), image.height(), QByteArray(image.width() * image.height() * 4, '\0')};
        auto *out = reinterpret_cast<quint32 *>(pixmap.argb.data());
        for (int y = 0; y < image.height(); ++y) {
            const auto *line = reinterpret_cast<const quint32 *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                *out++ = qToBigEndian(line[x]);
            }
        }
        pixmaps.append(pixmap);
    }
    return pixmaps;
}

} // namespace

StatusNotifierItem::StatusNotifierItem(QObject *parent)
    : QObject(parent),
      // Not Qt's own "-<pid>-1": a QSystemTrayIcon of this process may hold that one.
      m_serviceName(u"org.kde.StatusNotifierItem-%1-somnivox"_s.arg(QCoreApplication::applicationPid())) {
    StatusNotifierItemAdaptor::registerTypes();
    new StatusNotifierItemAdaptor(this);
    m_watcher.setWatchMode(QDBusServiceWatcher::WatchForOwnerChange);
    m_watcher.addWatchedService(QString::fromLatin1(WatcherService));
    connect(&m_watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &, const QString &newOwner) { watcherOwnerChanged(newOwner); });
}

void StatusNotifierItem::attach(const QDBusConnection &bus) {
    // A bus met again (restarted with the session's services) holds no name of ours, and answers to the last are
    // of no use.
    ++m_busGeneration;
    m_nameOwned = false;
    m_nameRequested = false;
    setRegistration(Registration::Pending);
    m_bus = bus;
    if (!m_bus->registerObject(ItemPath, this, QDBusConnection::ExportAdaptors)) {
        qCWarning(lcSni, "cannot export the tray item: %s", qPrintable(m_bus->lastError().message()));
    }
    exportMenu();
    m_watcher.setConnection(*m_bus);
    if (m_shown) {
        requestName();
    }
}

void StatusNotifierItem::setShown(bool shown) {
    if (shown == m_shown) {
        return;
    }
    m_shown = shown;
    if (!m_bus) {
        return;
    }
    if (shown) {
        requestName();
    } else {
        releaseName();
        setRegistration(Registration::Pending);
    }
}

void StatusNotifierItem::setIcon(const QIcon &icon) {
    m_pixmaps = pixmapsOf(icon);
    Q_EMIT iconChanged();
}

void StatusNotifierItem::setToolTip(const QString &toolTip) {
    m_toolTip = toolTip;
    Q_EMIT toolTipChanged();
}

void StatusNotifierItem::setMenu(TrayMenu &menu) {
    m_menu = new DBusMenuExporter(menu, this);
    exportMenu();
}

QDBusObjectPath StatusNotifierItem::menuPath() const {
    return QDBusObjectPath(m_menu != nullptr ? QString::fromLatin1(DBusMenuExporter::ObjectPath) : u"/NO_DBUSMENU"_s);
}

void StatusNotifierItem::exportMenu() {
    if (!m_bus || m_menu == nullptr) {
        return;
    }
    const QString path = QString::fromLatin1(DBusMenuExporter::ObjectPath);
    m_bus->unregisterObject(path);
    if (!m_bus->registerObject(path, m_menu, QDBusConnection::ExportAdaptors)) {
        qCWarning(lcSni, "cannot export the tray menu: %s", qPrintable(m_bus->lastError().message()));
    }
}

void StatusNotifierItem::requestName() {
    if (m_nameOwned) {
        registerWithWatcher();
        return;
    }
    if (m_nameRequested) {
        return;
    }
    m_nameRequested = true;
    QDBusMessage call = QDBusMessage::createMethodCall(BusService, BusPath, BusService, u"RequestName"_s);
    call << m_serviceName << DoNotQueue;
    auto *pending = new QDBusPendingCallWatcher(m_bus->asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this, generation = m_busGeneration](QDBusPendingCallWatcher *call) {
                call->deleteLater();
                if (generation != m_busGeneration) {
                    return;
                }
                m_nameRequested = false;
                const QDBusPendingReply<uint> reply = *call;
                m_nameOwned = !reply.isError() && (reply.value() == PrimaryOwner || reply.value() == AlreadyOwner);
                if (!m_nameOwned) {
                    qCWarning(lcSni, "cannot own %s", qPrintable(m_serviceName));
                    setRegistration(Registration::Refused);
                } else if (m_shown) {
                    registerWithWatcher();
                } else {
                    releaseName();
                }
            });
}

void StatusNotifierItem::releaseName() {
    if (!m_nameOwned) {
        return;
    }
    m_nameOwned = false;
    QDBusMessage call = QDBusMessage::createMethodCall(BusService, BusPath, BusService, u"ReleaseName"_s);
    call << m_serviceName;
    m_bus->asyncCall(call);
}

void StatusNotifierItem::registerWithWatcher() {
    QDBusMessage call =
        QDBusMessage::createMethodCall(QString::fromLatin1(WatcherService), u"/StatusNotifierWatcher"_s,
                                       QString::fromLatin1(WatcherService), u"RegisterStatusNotifierItem"_s);
    call << m_serviceName;
    auto *pending = new QDBusPendingCallWatcher(m_bus->asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this, generation = m_busGeneration](QDBusPendingCallWatcher *call) {
                call->deleteLater();
                if (generation != m_busGeneration || !m_shown) {
                    return;
                }
                const QDBusPendingReply<> reply = *call;
                setRegistration(reply.isError() ? Registration::Refused : Registration::Registered);
            });
}

void StatusNotifierItem::watcherOwnerChanged(const QString &newOwner) {
    if (!m_shown) {
        return;
    }
    if (newOwner.isEmpty()) {
        setRegistration(Registration::Refused);
        return;
    }
    // A watcher that starts, or starts again, knows nothing of the item yet.
    setRegistration(Registration::Pending);
    requestName();
}

void StatusNotifierItem::setRegistration(Registration registration) {
    if (registration == m_registration) {
        return;
    }
    m_registration = registration;
    Q_EMIT registrationChanged();
}
