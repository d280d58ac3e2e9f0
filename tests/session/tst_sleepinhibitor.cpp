#include "sleepinhibitor.h"

#include "fakes/fakelogind.h"
#include "fakes/fakeplayer.h"
#include "fakes/privatebus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QTest>

using namespace std::chrono_literals;

static_assert(SleepInhibitor::LongestDelay <= 300ms, "a sleep is never delayed by more than 300 ms");

class TestSleepInhibitor : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sleep_dropsTheSoundThenReleasesTheLock_resumeTakesANewOneAndPlays_data() {
        QTest::addColumn<bool>("fallsSilent");
        QTest::newRow("released once the sound has ended") << true;
        QTest::newRow("released at the deadline when it does not end") << false;
    }
    void sleep_dropsTheSoundThenReleasesTheLock_resumeTakesANewOneAndPlays() {
        QFETCH(bool, fallsSilent);
        PrivateBus bus;
        QVERIFY(bus.start());
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", bus.address().toUtf8());
        FakeLogind logind(bus.address());
        QVERIFY(logind.isRegistered());

        FakePlayer player;
        player.setUrl(u"Brown Noise.mp3"_s, 0ms);
        int wakes = 0;
        SleepInhibitor inhibitor({[&] { player.stop(); }, [&] { return player.isEnding(); },
                                  [&] {
                                      ++wakes;
                                      player.setUrl(u"Brown Noise.mp3"_s, 2s);
                                  }});
        QObject::connect(&player, &Player::soundEnded, &inhibitor, &SleepInhibitor::soundEnded);
        inhibitor.connectInBackground();
        QTRY_VERIFY(inhibitor.holdsLock());
        const QStringList asked{u"sleep"_s, u"Somnivox Noise Player"_s,
                                u"Silences the sound before the computer sleeps"_s, u"delay"_s};
        QCOMPARE(logind.requests, QList<QStringList>{asked});
        QCOMPARE(logind.locksHeld(), 1);

        // Another process on the bus that announces a sleep is not listened to.
        QDBusConnection impostor = QDBusConnection::connectToBus(bus.address(), u"impostor"_s);
        QDBusMessage announcement = QDBusMessage::createSignal(
            u"/org/freedesktop/login1"_s, u"org.freedesktop.login1.Manager"_s, u"PrepareForSleep"_s);
        announcement << true;
        QVERIFY(impostor.send(announcement));
        QTest::qWait(200);
        QCOMPARE(player.playState(), int(Player::Playing));
        QVERIFY(inhibitor.holdsLock());
        QDBusConnection::disconnectFromBus(u"impostor"_s);

        logind.prepareForSleep(true);
        QTRY_COMPARE(player.playState(), 0);
        QVERIFY(player.isEnding());
        // Held while the sound falls silent.
        QCOMPARE(logind.locksHeld(), 1);
        if (fallsSilent) {
            player.fallSilent();
            QCOMPARE(logind.locksHeld(), 0);
        } else {
            QTRY_COMPARE(logind.locksHeld(), 0);
        }
        QVERIFY(!inhibitor.holdsLock());
        QCOMPARE(wakes, 0);

        logind.prepareForSleep(false);
        QTRY_COMPARE(wakes, 1);
        QCOMPARE(player.playState(), int(Player::Playing));
        QTRY_VERIFY(inhibitor.holdsLock());
        QCOMPARE(logind.requests, (QList<QStringList>{asked, asked}));
        QCOMPARE(logind.locksHeld(), 1);
    }

    void noSystemBus_costsNothing_andNothingIsAsked() {
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/somnivox-test-bus");
        SleepInhibitor inhibitor({[] { QFAIL("silenced without a bus"); }, [] { return false; }, [] {}});
        inhibitor.connectInBackground();
        QTest::qWait(100);
        QVERIFY(!inhibitor.holdsLock());
    }
};

QTEST_GUILESS_MAIN(TestSleepInhibitor)
#include "tst_sleepinhibitor.moc"
