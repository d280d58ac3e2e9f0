#include "mprisservice.h"
#include "sessionbus.h"

#include "fakes/mprislistener.h"
#include "fakes/privatebus.h"

#include <QDBusConnectionInterface>
#include <QDBusObjectPath>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString nameOwner(const QDBusConnection &bus) {
    return bus.interface()->serviceOwner(QString::fromLatin1(MprisService::ServiceName)).value();
}

} // namespace

class MprisServiceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void command_pressesTheButtonOnlyWhenItChangesTheState_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("on");
        QTest::addColumn<bool>("onAfter");
        QTest::newRow("play while off turns on") << u"play"_s << false << true;
        QTest::newRow("play while on stays on") << u"play"_s << true << true;
        QTest::newRow("pause while on turns off") << u"pause"_s << true << false;
        QTest::newRow("pause while off stays off") << u"pause"_s << false << false;
        QTest::newRow("stop while on turns off") << u"stop"_s << true << false;
        QTest::newRow("stop while off stays off") << u"stop"_s << false << false;
        QTest::newRow("play-pause while off turns on") << u"playPause"_s << false << true;
        QTest::newRow("play-pause while on turns off") << u"playPause"_s << true << false;
    }
    void command_pressesTheButtonOnlyWhenItChangesTheState() {
        QFETCH(QString, command);
        QFETCH(bool, on);
        QFETCH(bool, onAfter);
        const bool before = on;
        int presses = 0;
        MprisService service({[&] { return on; }, [&] { return on; },
                              [&] {
                                  ++presses;
                                  on = !on;
                              },
                              [] {}, [] { return u"White Noise"_s; }});
        if (command == u"play"_s) {
            service.play();
        } else if (command == u"pause"_s) {
            service.pause();
        } else if (command == u"stop"_s) {
            service.stop();
        } else {
            service.playPause();
        }
        QCOMPARE(on, onAfter);
        QCOMPARE(presses, before != onAfter ? 1 : 0);
        QCOMPARE(service.playbackStatus(), onAfter ? u"Playing"_s : u"Stopped"_s);
    }

    void metadata_namesTheStyleUnderAValidTrackId_data() {
        QTest::addColumn<QString>("style");
        QTest::newRow("plain") << u"Brown Noise"_s;
        QTest::newRow("punctuation and letters beyond ASCII") << u"Rauschen (grün) #2 - Meer.alt"_s;
    }
    void metadata_namesTheStyleUnderAValidTrackId() {
        QFETCH(QString, style);
        MprisService service({[] { return false; }, [] { return false; }, [] {}, [] {}, [&] { return style; }});
        const QVariantMap metadata = service.metadata();
        QCOMPARE(metadata.value(u"xesam:title"_s).toString(), style);
        QVERIFY(!metadata.value(u"mpris:trackid"_s).value<QDBusObjectPath>().path().isEmpty());
    }

    void name_passesToThePlayerWhenItsHolderLeaves_andIsClaimedAgainOnABusThatCameBack() {
        PrivateBus daemon;
        QVERIFY(daemon.start());
        // Before anything in this process first reaches for the session bus.
        qputenv("DBUS_SESSION_BUS_ADDRESS", daemon.address().toUtf8());
        QDBusConnection rival = QDBusConnection::connectToBus(daemon.address(), u"rival"_s);
        QVERIFY(rival.registerService(QString::fromLatin1(MprisService::ServiceName)));

        bool heard = false;
        MprisService service({[] { return true; }, [&] { return heard; }, [] {}, [] {}, [] { return QString(); }});
        SessionBus sessionBus;
        QList<QDBusConnection> buses;
        QObject::connect(&sessionBus, &SessionBus::ready, &service, [&](const std::optional<QDBusConnection> &bus) {
            if (bus) {
                buses.append(*bus);
                service.publish(*bus);
            }
        });
        sessionBus.connectInBackground();
        QTRY_COMPARE_WITH_TIMEOUT(buses.size(), 1, 10'000);
        QCOMPARE(nameOwner(rival), rival.baseService());
        QVERIFY(rival.unregisterService(QString::fromLatin1(MprisService::ServiceName)));
        QTRY_COMPARE_WITH_TIMEOUT(nameOwner(rival), buses.at(0).baseService(), 10'000);

        // On but not heard (outside a timed window's hours) is not playing; what nobody clicked is told as well.
        MprisListener listener;
        QVERIFY(listener.follow(rival));
        // A round trip: the bus has taken the listener's match before the player speaks.
        QCOMPARE(nameOwner(rival), buses.at(0).baseService());
        heard = true;
        service.refresh();
        heard = false;
        service.refresh();
        QTRY_COMPARE_WITH_TIMEOUT(listener.statuses, (QStringList{u"Playing"_s, u"Stopped"_s}), 2'000);

        QDBusConnection::disconnectFromBus(u"rival"_s);
        daemon.stop();
        QVERIFY(daemon.start());
        QTRY_COMPARE_WITH_TIMEOUT(buses.size(), 2, 20'000);
        const QDBusConnection again = buses.at(1);
        QVERIFY(again.isConnected());
        QTRY_COMPARE_WITH_TIMEOUT(nameOwner(again), again.baseService(), 10'000);
    }
};

QTEST_GUILESS_MAIN(MprisServiceTest)
#include "tst_mprisservice.moc"
