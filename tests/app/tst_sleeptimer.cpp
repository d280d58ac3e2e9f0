#include "sleepfade.h"
#include "sleeptimer.h"

#include "fakes/fakeclock.h"
#include "fakes/fakeplayer.h"

#include <QTest>

using namespace std::chrono_literals;

namespace {

// Consecutive fades aimed one second closer to the same end read as one run: "60000..1000".
QString fadesRead(const QList<qint64> &fades) {
    QStringList runs;
    for (qsizetype i = 0; i < fades.size();) {
        qsizetype last = i;
        while (last + 1 < fades.size() && fades[i] >= 0 && fades[last + 1] == fades[last] - 1000) {
            ++last;
        }
        runs << (last == i ? QString::number(fades[i]) : u"%1..%2"_s.arg(fades[i]).arg(fades[last]));
        i = last + 1;
    }
    return runs.join(u' ');
}

const QStringList StateNames{u"off"_s, u"counting"_s, u"fading"_s, u"silenced"_s};

} // namespace

class TestSleepTimer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void timer_countsOnTheWallClock_fadesItsLastMinuteByDecibels_andEndsAsTheModeSays_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("left");
        QTest::addColumn<QString>("fades");
        QTest::addColumn<QStringList>("program");

        QTest::newRow("set: counts, fades over the last minute, turns off")
            << QStringList{u"set 120"_s, u"wait 120"_s} << u"off"_s << 0 << u"59000..0"_s << QStringList{u"turn off"_s};
        QTest::newRow("set below a minute: fades over its whole length")
            << QStringList{u"set 5"_s, u"wait 4"_s} << u"fading"_s << 1 << u"4000..0"_s << QStringList{};
        QTest::newRow("half a second before the end: not ended yet")
            << QStringList{u"set 5"_s, u"jump-ms 4500"_s} << u"fading"_s << 1 << u"4000 0"_s << QStringList{};
        QTest::newRow("a minute and a half before the end: counting, nothing faded")
            << QStringList{u"set 1800"_s, u"wait 1710"_s} << u"counting"_s << 90 << QString() << QStringList{};
        QTest::newRow("end in the timed option: stopped, the window held silent")
            << QStringList{u"timed"_s, u"set 90"_s, u"wait 90"_s} << u"silenced"_s << 0 << u"59000..0"_s
            << QStringList{u"hold schedule"_s};
        QTest::newRow("end in the timed option: the window's close lets the schedule run")
            << QStringList{u"timed"_s, u"set 90"_s, u"wait 95"_s, u"outside"_s, u"wait 1"_s} << u"off"_s << 0
            << u"59000..0"_s << QStringList{u"hold schedule"_s, u"run schedule"_s};
        QTest::newRow("end in the timed option outside the window: nothing changes")
            << QStringList{u"timed"_s, u"outside"_s, u"silent"_s, u"set 30"_s, u"wait 30"_s} << u"off"_s << 0
            << QString() << QStringList{};
        QTest::newRow("end while turned off: nothing changes")
            << QStringList{u"turned off"_s, u"silent"_s, u"set 30"_s, u"wait 30"_s} << u"off"_s << 0 << QString()
            << QStringList{};
        QTest::newRow("replaced during the fade: full volume again, the new timer counts")
            << QStringList{u"set 120"_s, u"wait 90"_s, u"set 1800"_s} << u"counting"_s << 1800 << u"59000..29000 -1"_s
            << QStringList{};
        QTest::newRow("replaced during the fade by a short one: full volume, then its own fade")
            << QStringList{u"set 120"_s, u"wait 90"_s, u"set 20"_s, u"wait 1"_s} << u"fading"_s << 19
            << u"59000..29000 -1 19000..18000"_s << QStringList{};
        QTest::newRow("extended during the fade: full volume again")
            << QStringList{u"set 120"_s, u"wait 90"_s, u"extend 900"_s} << u"counting"_s << 930 << u"59000..29000 -1"_s
            << QStringList{};
        QTest::newRow("extended with none running: starts one")
            << QStringList{u"extend 900"_s, u"wait 100"_s} << u"counting"_s << 800 << QString() << QStringList{};
        QTest::newRow("cancelled during the fade: full volume again")
            << QStringList{u"set 120"_s, u"wait 90"_s, u"cancel"_s, u"wait 60"_s} << u"off"_s << 0
            << u"59000..29000 -1"_s << QStringList{};
        QTest::newRow("another play option while held silent: cancelled, the schedule runs")
            << QStringList{u"timed"_s, u"set 10"_s, u"wait 10"_s, u"infinite"_s} << u"off"_s << 0 << u"9000..0"_s
            << QStringList{u"hold schedule"_s, u"run schedule"_s};
        QTest::newRow("the wall clock jumps past the end: turned off at once, nothing faded")
            << QStringList{u"set 1800"_s, u"wait 5"_s, u"jump 3600"_s} << u"off"_s << 0 << QString()
            << QStringList{u"turn off"_s};
        QTest::newRow("the wall clock jumps into the fade: the fall is aimed at the same end")
            << QStringList{u"set 1800"_s, u"wait 1"_s, u"jump 1770"_s, u"wait 2"_s} << u"fading"_s << 27
            << u"28000..26000"_s << QStringList{};
        QTest::newRow("the wall clock jumps within the count: counts on from there")
            << QStringList{u"set 1800"_s, u"jump 600"_s} << u"counting"_s << 1200 << QString() << QStringList{};
    }
    void timer_countsOnTheWallClock_fadesItsLastMinuteByDecibels_andEndsAsTheModeSays() {
        QFETCH(QStringList, steps);
        QFETCH(QString, state);
        QFETCH(int, left);
        QFETCH(QString, fades);
        QFETCH(QStringList, program);

        FakeClock clock;
        FakePlayer player;
        player.setUrl(u"Brown Noise.mp3"_s, 0ms);
        player.calls.clear();
        bool on = true;
        bool timed = false;
        bool inside = true;
        QStringList done;
        SleepTimer timer(clock);
        SleepFade fade(timer, player,
                       {[&] { return on; }, [&] { return timed; }, [&] { return inside; },
                        [&] {
                            done << u"turn off"_s;
                            on = false;
                            fade.cancel();
                        },
                        [&](bool run) { done << (run ? u"run schedule"_s : u"hold schedule"_s); }});

        for (const QString &step : steps) {
            const QString verb = step.section(u' ', 0, 0);
            const int seconds = step.section(u' ', 1).toInt();
            if (verb == u"set"_s) {
                timer.set(std::chrono::seconds(seconds));
            } else if (verb == u"extend"_s) {
                timer.extend(std::chrono::seconds(seconds));
            } else if (verb == u"cancel"_s) {
                timer.cancel();
            } else if (verb == u"wait"_s) {
                for (int i = 0; i < seconds; ++i) {
                    clock.current = clock.current.addSecs(1);
                    fade.check();
                }
            } else if (verb == u"jump-ms"_s) {
                clock.current = clock.current.addMSecs(seconds);
                fade.check();
            } else if (verb == u"jump"_s) {
                clock.current = clock.current.addSecs(seconds);
                fade.check();
            } else if (verb == u"timed"_s || verb == u"infinite"_s) {
                timed = verb == u"timed"_s;
                fade.cancel();
            } else if (verb == u"outside"_s) {
                inside = false;
            } else if (verb == u"silent"_s) {
                player.stop();
                player.calls.clear();
            } else if (verb == u"turned"_s) {
                on = false;
            }
        }

        QCOMPARE(StateNames.value(int(fade.state())), state);
        QCOMPARE(int(timer.left().count()), left);
        QCOMPARE(timer.isRunning(), left > 0);
        QCOMPARE(fadesRead(player.decibelFadeOuts), fades);
        QCOMPARE(done, program);
        // The window is held silent with nothing left playing.
        QCOMPARE(player.calls.count(u"stop"_s), program.count(u"hold schedule"_s));
    }
};

QTEST_GUILESS_MAIN(TestSleepTimer)
#include "tst_sleeptimer.moc"
