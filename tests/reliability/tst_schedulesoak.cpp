// Thirty simulated days of the schedule on an injected clock, checked tick by tick against the window's times.

#include "app/form1rig.h"
#include "testseed.h"

#include "apptimer.h"
#include "settingconversions.h"

#include <QRandomGenerator>
#include <QTest>

#include <set>

using namespace Qt::StringLiterals;

namespace {

constexpr int Day = 24 * 3600;

int secondOfDay(const QDateTime &moment) {
    return moment.time().msecsSinceStartOfDay() / 1000;
}

// The daily window, told as a walk: from the start's time of day forward in time to the end's, every second met is
// inside, both ends included, past midnight when the end comes earlier in the day than the start.
bool insideWindow(int start, int end, int now) {
    const int walkedToNow = (now - start + Day) % Day;
    const int walkedToEnd = (end - start + Day) % Day;
    return walkedToNow <= walkedToEnd;
}

QTime timeAt(int second) {
    return QTime(0, 0).addSecs(second);
}

} // namespace

class TestScheduleSoak : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void thirtyDays_withEditsJumpsAndInterludes_playExactlyInsideTheWindow();

private:
    struct Soak;
};

// Drives the window through simulated time; every tick is checked against an oracle kept here.
struct TestScheduleSoak::Soak {
    Form1Rig rig{Form1Rig::defaultSounds(), {{u"StartStopState"_s, u"ON"_s}, {u"Option"_s, u"Timed"_s}}};
    Form1 *form = nullptr;
    QRandomGenerator random{testSeed(20261207)};
    int start = 22 * 3600;
    int end = 6 * 3600;
    bool on = true;
    int ticks = 0;
    int starts = 0;
    int stops = 0;
    int insideTicks = 0;

    QDateTimeEdit *picker(const char *name) const { return rig.child<QDateTimeEdit>(name); }

    void setWindow(int from, int to) {
        start = from;
        end = to;
        QDateTimeEdit *first = picker("DTPicker1");
        QDateTimeEdit *second = picker("DTPicker2");
        // The dates are the user's leftovers and play no part.
        first->setDateTime(QDateTime(first->date().addDays(random.bounded(-400, 400)), timeAt(from)));
        second->setDateTime(QDateTime(second->date().addDays(random.bounded(-400, 400)), timeAt(to)));
    }

    void randomWindow() {
        const int from = random.bounded(Day);
        switch (random.bounded(6)) {
        case 0: // a single second
            setWindow(from, from);
            break;
        case 1: // the whole day
            setWindow(0, Day - 1);
            break;
        case 2: // PM hours that a 12-hour comparison would confuse with AM hours
            setWindow(21 * 3600, 23 * 3600);
            break;
        default:
            setWindow(from, random.bounded(Day));
            break;
        }
    }

    // The next moment to tick: the next whole minute, or sooner a second next to an edge of the window.
    QDateTime nextTick(const QDateTime &now) const {
        const int second = secondOfDay(now);
        int wait = 60 - second % 60;
        for (const int edge : {start - 1, start, start + 1, end - 1, end, end + 1}) {
            const int ahead = ((edge + Day) % Day - second + Day) % Day;
            if (ahead > 0 && ahead < wait) {
                wait = ahead;
            }
        }
        return now.addSecs(wait);
    }

    // One tick of the real timer, when it runs, with what it must have done.
    void tick() {
        const qsizetype callsBefore = rig.player.calls.size();
        const bool wasPlaying = rig.player.state == Player::Playing;
        const bool timed = rig.child<QRadioButton>("Option2")->isChecked();
        if (!form->timer1()->isEnabled()) {
            QVERIFY(!on || !timed);
            QVERIFY(on || !wasPlaying);
            return;
        }
        ++ticks;
        form->Timer1_Timer();
        const QStringList calls = rig.player.calls.mid(callsBefore);
        const QString styleStart = u"setUrl "_s + rig.soundFile(rig.styles()->currentText());
        if (!timed) {
            QCOMPARE(calls, QStringList{styleStart});
            QVERIFY(!form->timer1()->isEnabled());
            return;
        }
        QVERIFY(form->timer1()->isEnabled());
        const bool inside = insideWindow(start, end, secondOfDay(rig.clock.current));
        const QString when = rig.clock.current.toString(Qt::ISODate) + u" window "_s + timeAt(start).toString() +
                             u"-"_s + timeAt(end).toString();
        QVERIFY2((rig.player.state == Player::Playing) == inside, qPrintable(when));
        if (!inside) {
            QVERIFY2(calls == QStringList{u"stop"_s}, qPrintable(when));
            stops += wasPlaying ? 1 : 0;
        } else if (wasPlaying) {
            QVERIFY2(calls.isEmpty(), qPrintable(when));
        } else {
            QVERIFY2(calls == QStringList{styleStart}, qPrintable(when));
            ++starts;
        }
        insideTicks += inside ? 1 : 0;
    }

    // Something the user or the system does now and then.
    void disturb() {
        switch (random.bounded(40)) {
        case 0:
        case 1:
        case 2:
            randomWindow();
            break;
        case 3: // daylight saving or a trip, either way
            rig.clock.current = rig.clock.current.addSecs(random.bounded(2) ? 3600 : -3600);
            break;
        case 4: // waking from a suspend, or a clock put back
            rig.clock.current = rig.clock.current.addSecs(random.bounded(2) ? random.bounded(1, 12) * 3600
                                                                            : -random.bounded(1, 6) * 3600);
            break;
        case 5: // the sound stopped by itself
            rig.player.finish();
            break;
        case 6: // the other play option for one tick, then back
            rig.child<QRadioButton>("Option1")->setChecked(true);
            tick();
            rig.child<QRadioButton>("Option2")->setChecked(true);
            QCOMPARE(form->timer1()->isEnabled(), on);
            break;
        case 7:
            rig.onOff()->click();
            on = !on;
            QCOMPARE(rig.onOff()->text(), on ? u"Turn Off"_s : u"Turn On"_s);
            QCOMPARE(form->timer1()->isEnabled(), on);
            if (!on) {
                QVERIFY(rig.player.state != Player::Playing);
            }
            break;
        default:
            break;
        }
    }
};

void TestScheduleSoak::thirtyDays_withEditsJumpsAndInterludes_playExactlyInsideTheWindow() {
    Soak soak;
    soak.rig.clock.current = QDateTime(QDate(2026, 12, 7), QTime(0, 0));
    soak.form = soak.rig.load();
    soak.setWindow(soak.start, soak.end);
    QVERIFY(soak.form->timer1()->isEnabled());

    // The first day second by second, then minute by minute with every second next to an edge.
    const QDateTime firstDayEnds = soak.rig.clock.current.addDays(1);
    while (soak.rig.clock.current < firstDayEnds) {
        soak.tick();
        if (QTest::currentTestFailed()) {
            return;
        }
        soak.rig.clock.current = soak.rig.clock.current.addSecs(1);
    }
    const QDateTime lastDayEnds = soak.rig.clock.current.addDays(29);
    int minutes = 0;
    while (soak.rig.clock.current < lastDayEnds) {
        soak.tick();
        if (++minutes % 30 == 0) {
            soak.disturb();
        }
        if (QTest::currentTestFailed()) {
            return;
        }
        soak.rig.clock.current = soak.nextTick(soak.rig.clock.current);
    }
    qInfo("%d ticks, %d inside the window, %d starts, %d stops of a playing sound", soak.ticks, soak.insideTicks,
          soak.starts, soak.stops);
    QCOMPARE_GT(soak.starts, 20);
    QCOMPARE_GT(soak.stops, 20);

    // The settings on disk are those the window shows.
    QCOMPARE(soak.rig.stored(u"StartStopState"_s), soak.on ? u"ON"_s : u"OFF"_s);
    QCOMPARE(soak.rig.stored(u"Option"_s), u"Timed"_s);
    QCOMPARE(SettingConversions::textToDateTime(soak.rig.stored(u"Time From"_s)), soak.picker("DTPicker1")->dateTime());
    QCOMPARE(SettingConversions::textToDateTime(soak.rig.stored(u"Time To"_s)), soak.picker("DTPicker2")->dateTime());
    QVERIFY(soak.rig.notifier.texts.isEmpty());
}

QTEST_MAIN(TestScheduleSoak)
#include "tst_schedulesoak.moc"
