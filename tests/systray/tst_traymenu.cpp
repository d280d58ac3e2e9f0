#include "dbusmenuadaptor.h"
#include "dbusmenuexporter.h"
#include "statusnotifieritem.h"
#include "traymenu.h"
#include "traypopupmenu.h"

#include "fakes/privatebus.h"

#include <QAction>
#include <QDBusPendingCall>
#include <QMenu>
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
    int outputRevisions = 0;
    QStringList updatedLabels;

public Q_SLOTS:
    void layoutUpdated(uint revision, int parent) {
        if (parent == TrayMenu::Root) {
            revisions.append(revision);
        } else if (parent == TrayMenu::Output) {
            ++outputRevisions;
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

    // The outputs come after "System Default", one of them checked, and are replaced as they come and go.
    void outputs_listedAfterTheDefault_theChosenCheckedInMenuAndPopup() {
        TrayMenu menu;
        TrayPopupMenu popup(menu);
        const QSignalSpy chosen(&menu, &TrayMenu::outputChosen);
        const auto checked = [&menu] {
            QList<bool> marks;
            for (const TrayMenu::Item &item : menu.children(TrayMenu::Output)) {
                marks << (item.mark == TrayMenu::Mark::Radio && item.checked);
            }
            return marks;
        };
        const auto drawn = [&popup] {
            QStringList texts;
            for (const QAction *action : popup.actionFor(TrayMenu::Output)->menu()->actions()) {
                texts << action->text() + (action->isChecked() ? u"*"_s : QString());
            }
            return texts;
        };
        QCOMPARE(checked(), QList<bool>{true});
        menu.setOutputs({{u"speakers"_s, u"Speakers"_s}, {u"bedroom"_s, u"Bed & Breakfast"_s}}, u"bedroom"_s);
        QCOMPARE(checked(), (QList<bool>{false, false, true}));
        QCOMPARE(menu.item(TrayMenu::FirstOutputDevice)->mark, TrayMenu::Mark::Radio);
        QCOMPARE(menu.item(TrayMenu::FirstOutputDevice + 1)->label, u"Bed && Breakfast"_s);
        QCOMPARE(drawn(), (QStringList{u"System &Default"_s, u"Speakers"_s, u"Bed && Breakfast*"_s}));
        menu.choose(TrayMenu::FirstOutputDevice);
        menu.choose(TrayMenu::OutputDefault);
        QCOMPARE(chosen.size(), 2);
        QCOMPARE(chosen.at(0).at(0).toString(), u"speakers"_s);
        QCOMPARE(chosen.at(1).at(0).toString(), QString());
        // The chosen one gone: the default is checked, and the gone one's item no longer exists.
        menu.setOutputs({{u"speakers"_s, u"Speakers"_s}}, u"bedroom"_s);
        QCOMPARE(checked(), (QList<bool>{true, false}));
        QCOMPARE(menu.item(TrayMenu::FirstOutputDevice + 1), nullptr);
        QCOMPARE(drawn(), (QStringList{u"System &Default*"_s, u"Speakers"_s}));
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
                 (QStringList{u"_Turn On"_s, u"_Sleep Timer"_s, u"_Output"_s, u"_Even Loudness"_s, u"A_dd Sound..."_s,
                              u"_Mixer..."_s, u"S_how Somnivox Noise Player"_s, u"--"_s, u"_Quit"_s}));
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

        // A check item, checked until chosen, in the popup as on the bus.
        const auto toggle = [&host](int id, const QString &name) {
            return host.menu(u"GetProperty"_s, {id, name}).arguments().value(0).value<QDBusVariant>().variant();
        };
        QCOMPARE(toggle(TrayMenu::EvenLoudness, u"toggle-type"_s), QVariant(u"checkmark"_s));
        QCOMPARE(toggle(TrayMenu::EvenLoudness, u"toggle-state"_s), QVariant(1));
        TrayPopupMenu popup(menu);
        const QAction *check = popup.actions().at(3);
        QVERIFY(check->isCheckable() && check->isChecked());
        const QSignalSpy evenLoudness(&menu, &TrayMenu::evenLoudnessChosen);
        host.menu(u"Event"_s, {int(TrayMenu::EvenLoudness), u"clicked"_s, QVariant::fromValue(QDBusVariant(0)), 0u});
        QTRY_COMPARE(evenLoudness.size(), 1);
        QCOMPARE(evenLoudness.constFirst().constFirst(), QVariant(false));
        QCOMPARE(toggle(TrayMenu::EvenLoudness, u"toggle-state"_s), QVariant(0));
        QVERIFY(!check->isChecked());
        host.revisions.clear();
        host.updatedLabels.clear();

        menu.setTurnedOn(true);
        QTRY_COMPARE(host.updatedLabels, QStringList{u"_Turn Off"_s});
        QTRY_COMPARE(host.revisions.size(), 1);
        const QDBusMessage layout = host.menu(u"GetLayout"_s, {0, 0, QStringList()});
        QCOMPARE(layout.arguments().value(0).toUInt(), host.revisions.constFirst());
        QCOMPARE(host.labels(TrayMenu::Root).constFirst(), u"_Turn Off"_s);

        // Outputs are radio items; a new list is announced as a new layout of their submenu.
        const QSignalSpy opened(&menu, &TrayMenu::opening);
        QCOMPARE(host.menu(u"AboutToShow"_s, {int(TrayMenu::Output)}).type(), QDBusMessage::ReplyMessage);
        QCOMPARE(opened.size(), 1);
        menu.setOutputs({{u"speakers"_s, u"Speakers"_s}}, u"speakers"_s);
        QTRY_COMPARE(host.outputRevisions, 1);
        QCOMPARE(host.labels(TrayMenu::Output), (QStringList{u"System _Default"_s, u"Speakers"_s}));
        QCOMPARE(toggle(TrayMenu::FirstOutputDevice, u"toggle-type"_s), QVariant(u"radio"_s));
        QCOMPARE(toggle(TrayMenu::FirstOutputDevice, u"toggle-state"_s), QVariant(1));
        QCOMPARE(toggle(TrayMenu::OutputDefault, u"toggle-state"_s), QVariant(0));
    }
};

QTEST_MAIN(TrayMenuTest)
#include "tst_traymenu.moc"
