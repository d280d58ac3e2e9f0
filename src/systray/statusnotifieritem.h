#pragma once

#include "statusnotifieritemadaptor.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QIcon>
#include <QObject>
#include <QString>

#include <optional>

class DBusMenuExporter;
class TrayMenu;

/// The program's icon as a StatusNotifierItem on the session bus, for the trays of today's desktops.
///
/// While shown, the item owns its own bus name and registers with the StatusNotifierWatcher, again whenever a
/// watcher starts; hidden, it gives the name up, which takes it out of every tray.
class StatusNotifierItem : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatusNotifierItem)

public:
    static constexpr auto ItemId = "org.vantrelle.Somnivox";
    static constexpr auto ItemTitle = "Somnivox Noise Player";
    static constexpr auto WatcherService = "org.kde.StatusNotifierWatcher";

    enum class Registration {
        Pending,    ///< hidden, without a bus, or waiting for the watcher's answer
        Registered, ///< a watcher holds the item
        Refused     ///< no watcher took it
    };

    explicit StatusNotifierItem(QObject *parent = nullptr);
    ~StatusNotifierItem() override = default;

    /// Exports the item on \a bus and follows the watcher there from now on.
    void attach(const QDBusConnection &bus);
    void setShown(bool shown);
    void setIcon(const QIcon &icon);
    void setToolTip(const QString &toolTip);
    /// Exports \a menu beside the item, for the tray host to draw; called once, and the menu must outlive the item.
    void setMenu(TrayMenu &menu);

    Registration registration() const { return m_registration; }
    QString serviceName() const { return m_serviceName; }
    QList<SniPixmap> pixmaps() const { return m_pixmaps; }
    QString toolTip() const { return m_toolTip; }
    /// Where the menu is exported; a path that names none while there is no menu.
    QDBusObjectPath menuPath() const;

Q_SIGNALS:
    void activated();
    void contextMenuRequested();
    void registrationChanged();
    void iconChanged();
    void toolTipChanged();

private:
    void requestName();
    void releaseName();
    void registerWithWatcher();
    void watcherOwnerChanged(const QString &newOwner);
    void setRegistration(Registration registration);
    void exportMenu();

    std::optional<QDBusConnection> m_bus;
    QDBusServiceWatcher m_watcher;
    DBusMenuExporter *m_menu = nullptr;
    QString m_serviceName;
    QList<SniPixmap> m_pixmaps;
    QString m_toolTip;
    Registration m_registration = Registration::Pending;
    int m_busGeneration = 0;
    bool m_shown = false;
    bool m_nameOwned = false;
    bool m_nameRequested = false;
};
