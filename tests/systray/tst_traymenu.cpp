#include "dbusmenuadaptor.h"
#include "dbusmenuexporter.h"
#include "statusnotifieritem.h"
#include "traymenu.h"

#include "fakes/privatebus.h"

#include <QDBusPendingCall>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString MenuInterface = u"com.canonical.dbusmenu"_s;

// A tray host's view of the exported menu. Its calls are answered by an object of this very process, so the event
// loop runs while it waits.
class MenuHost : public QObject {
    Q_OBJECT

public:
    MenuHost(const QDBusConnection &bus, const QString &service) : m_bus(bus), m_service(service) {
        const QString path = QString::fromLatin1(DBusMenuExporter::ObjectPath);
        m_bus.connect(service, path, MenuInterface, u"LayoutUpdated"_s, this, SLOT(layoutUpdated(uint, int)));
        m_bus.connect(service, path, MenuInterface, u"ItemsPropertiesUpdated"_s, this,
                      SLOT(propertiesUpdated(QDBusMessage)));
    }

    QDBusMessage call(const QString &path, const QString &interface, const QString &method,
                      const QVariantList &arguments) {
        QDBusMessage message = QDBusMessage::createMethodCall(m_service, path, interface, method);
        message.setArguments(arguments);
        QDBusPendingCall pending = m_bus.asyncCall(message);
        if (!QTest::qWaitFor([&] { return pending.isFinished(); }, 5'000)) {
            return {};
        }
        return pending.reply();
    }
    QDBusMessage menu(const QString &method, const QVariantList &arguments) {
        return call(QString::fromLatin1(DBusMenuExporter::ObjectPath), MenuInterface, method, arguments);
    }
    QVariant property(const QString &path, const QString &interface, const QString &name) {
        const QDBusMessage reply = call(path, u"org.freedesktop.DBus.Properties"_s, u"Get"_s, {interface, name});
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }

    /// The labels under \a parent as the host draws them, a separator as "--".
    QStringList labels(int parent) {
        const auto layout =
            qdbus_cast<DBusMenuLayoutItem>(menu(u"GetLayout"_s, {parent, -1, QStringList()}).arguments().value(1));
        QStringList labels;
        for (const DBusMenuLayoutItem &child : layout.children) {
            const bool separator = child.properties.value(u"type"_s) == u"separator"_s;
            labels.append(separator ? u"--"_s : child.properties.value(u"label"_s).toString());
        }
        return labels;
    }

    QList<uint> revisions;
    QStringList updatedLabels;

public Q_SLOTS:
    void layoutUpdated(uint revision, int parent) {
        if (parent == TrayMenu::Root) {
            revisions.append(revision);
        }
    }
    void propertiesUpdated(const QDBusMessage &message) {
        for (const DBusMenuItem &item : qdbus_cast<QList<DBusMenuItem>>(message.arguments().value(0))) {
            updatedLabels.append(item.properties.value(u"label"_s).toString());
        }
    }

private:
    QDBusConnection m_bus;
    QString m_service;
};

} // namespace

class TrayMenuTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sleepOff_choosableOnlyWhileATimerRuns_andOnlyChangesAnnounced() {
        TrayMenu menu;
        const QSignalSpy changes(&menu, &TrayMenu::itemsChanged);
        const QSignalSpy sleeps(&menu, &TrayMenu::sleepChosen);
        menu.setSleepMinutesLeft(0);
        menu.setTurnedOn(false);
        QCOMPARE(changes.size(), 0);
        // Off stays disabled until a timer runs.
        menu.choose(TrayMenu::SleepOff);
        QCOMPARE(sleeps.size(), 0);
        menu.setSleepMinutesLeft(25);
        QVERIFY(menu.item(TrayMenu::SleepOff)->enabled);
        menu.choose(TrayMenu::SleepOff);
        QCOMPARE(sleeps.size(), 1);
        QCOMPARE(changes.size(), 1);
    }

    // What a tray host reads of the menu on the bus, and what its clicks do.
    void busExport_readByAHost_clickChoosesOnceAnswered() {
        PrivateBus daemon;
        QVERIFY(daemon.start());
        QDBusConnection bus = QDBusConnection::connectToBus(daemon.address(), u"item"_s);
        QDBusConnection hostBus = QDBusConnection::connectToBus(daemon.address(), u"host"_s);
        TrayMenu menu;
        StatusNotifierItem item;
        item.setMenu(menu);
        item.attach(bus);
        MenuHost host(hostBus, bus.baseService());

        const auto menuPath = qdbus_cast<QDBusObjectPath>(
            host.property(u"/StatusNotifierItem"_s, u"org.kde.StatusNotifierItem"_s, u"Menu"_s));
        QCOMPARE(menuPath.path(), u"/MenuBar"_s);
        QCOMPARE(host.property(menuPath.path(), MenuInterface, u"Version"_s).toUInt(), 3u);

        QCOMPARE(host.labels(TrayMenu::Root),
                 (QStringList{u"_Turn On"_s, u"_Sleep Timer"_s, u"A_dd Sound..."_s, u"_Mixer..."_s,
                              u"S_how Somnivox Noise Player"_s, u"--"_s, u"_Quit"_s}));
        QCOMPARE(host.labels(TrayMenu::SleepTimer),
                 (QStringList{u"_Off"_s, u"_15 Minutes"_s, u"_30 Minutes"_s, u"_45 Minutes"_s, u"1 _Hour"_s,
                              u"_90 Minutes"_s, u"_2 Hours"_s, u"--"_s, u"_Add 15 Minutes"_s}));
        const QDBusMessage display = host.menu(u"GetProperty"_s, {int(TrayMenu::SleepTimer), u"children-display"_s});
        QCOMPARE(display.arguments().value(0).value<QDBusVariant>().variant(), QVariant(u"submenu"_s));
        QCOMPARE(host.menu(u"GetProperty"_s, {99, u"label"_s}).type(), QDBusMessage::ErrorMessage);
        const QDBusMessage unknown = host.menu(
            u"EventGroup"_s, {QVariant::fromValue(QList<DBusMenuEvent>{{99, u"clicked"_s, QDBusVariant(0), 0}})});
        QCOMPARE(qdbus_cast<QList<int>>(unknown.arguments().value(0)), QList<int>{99});

        const QSignalSpy turns(&menu, &TrayMenu::turnOnOffChosen);
        const QDBusMessage clicked =
            host.menu(u"Event"_s, {int(TrayMenu::TurnOnOff), u"clicked"_s, QVariant::fromValue(QDBusVariant(0)), 0u});
        QCOMPARE(clicked.type(), QDBusMessage::ReplyMessage);
        QTRY_COMPARE(turns.size(), 1);

        menu.setTurnedOn(true);
        QTRY_COMPARE(host.updatedLabels, QStringList{u"_Turn Off"_s});
        QTRY_COMPARE(host.revisions.size(), 1);
        const QDBusMessage layout = host.menu(u"GetLayout"_s, {0, 0, QStringList()});
        QCOMPARE(layout.arguments().value(0).toUInt(), host.revisions.constFirst());
        QCOMPARE(host.labels(TrayMenu::Root).constFirst(), u"_Turn Off"_s);
    }
};

QTEST_MAIN(TrayMenuTest)
#include "tst_traymenu.moc"
