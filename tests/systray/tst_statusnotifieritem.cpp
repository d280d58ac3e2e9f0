#include "statusnotifieritem.h"

#include "fakes/privatebus.h"

#include <QDBusConnectionInterface>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The desktop's tray, as far as an item sees it.
class FakeWatcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")

public:
    QStringList registered;

public Q_SLOTS:
    Q_SCRIPTABLE void RegisterStatusNotifierItem(const QString &service) { registered.append(service); }
};

bool startWatcher(QDBusConnection &bus, FakeWatcher &watcher) {
    return bus.registerObject(u"/StatusNotifierWatcher"_s, &watcher, QDBusConnection::ExportScriptableSlots) &&
           bus.registerService(QString::fromLatin1(StatusNotifierItem::WatcherService));
}

} // namespace

class StatusNotifierItemTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void item_registersAgainWithEveryWatcher_andOnABusThatCameBack() {
        PrivateBus daemon;
        QVERIFY(daemon.start());
        QDBusConnection bus = QDBusConnection::connectToBus(daemon.address(), u"item"_s);
        QDBusConnection panel = QDBusConnection::connectToBus(daemon.address(), u"panel"_s);
        FakeWatcher watcher;
        QVERIFY(startWatcher(panel, watcher));

        StatusNotifierItem item;
        item.attach(bus);
        item.setShown(true);
        QTRY_COMPARE_WITH_TIMEOUT(watcher.registered, QStringList{item.serviceName()}, 2'000);
        QTRY_COMPARE(item.registration(), StatusNotifierItem::Registration::Registered);

        // The panel restarts: the item, still owning its name, registers with the new watcher.
        QVERIFY(panel.unregisterService(QString::fromLatin1(StatusNotifierItem::WatcherService)));
        QTRY_COMPARE_WITH_TIMEOUT(item.registration(), StatusNotifierItem::Registration::Refused, 2'000);
        QVERIFY(panel.registerService(QString::fromLatin1(StatusNotifierItem::WatcherService)));
        QTRY_COMPARE_WITH_TIMEOUT(watcher.registered.size(), 2, 2'000);
        QTRY_COMPARE(item.registration(), StatusNotifierItem::Registration::Registered);

        // The session bus restarts: nothing of the last one holds, and the item starts over on the new one.
        panel.unregisterObject(u"/StatusNotifierWatcher"_s);
        QDBusConnection::disconnectFromBus(u"item"_s);
        QDBusConnection::disconnectFromBus(u"panel"_s);
        daemon.stop();
        QVERIFY(daemon.start());
        QDBusConnection newPanel = QDBusConnection::connectToBus(daemon.address(), u"panel again"_s);
        FakeWatcher newWatcher;
        QVERIFY(startWatcher(newPanel, newWatcher));
        item.attach(QDBusConnection::connectToBus(daemon.address(), u"item again"_s));
        QTRY_COMPARE_WITH_TIMEOUT(newWatcher.registered, QStringList{item.serviceName()}, 2'000);
        QTRY_COMPARE(item.registration(), StatusNotifierItem::Registration::Registered);
        QCOMPARE(newPanel.interface()->serviceOwner(item.serviceName()).value(),
                 QDBusConnection(u"item again"_s).baseService());
    }
};

QTEST_GUILESS_MAIN(StatusNotifierItemTest)
#include "tst_statusnotifieritem.moc"
