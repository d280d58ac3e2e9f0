#include "form1rig.h"

#include "apptimer.h"

#include "settingconversions.h"

#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
QDateTime at(int hour, int minute, int second = 0) {
    return {QDate(2026, 12, 7), QTime(hour, minute, second)};
}
} // namespace

class TestForm1Playback : public QObject {
    Q_OBJECT

    static void setWindow(Form1Rig &rig, QTime from, QTime to) {
        rig.child<QDateTimeEdit>("DTPicker1")->setDateTime(QDateTime(QDate(2021, 5, 7), from));
        rig.child<QDateTimeEdit>("DTPicker2")->setDateTime(QDateTime(QDate(2030, 1, 1), to));
    }
    static int urlsGiven(const Form1Rig &rig) { return rig.player.calls.filter(u"setUrl "_s).size(); }

private Q_SLOTS:
    void turnOn_checksTheScheduleAtOnceAndLoops_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<bool>("plays");
        QTest::newRow("infinite") << u"Infinite"_s << at(12, 0) << true;
        QTest::newRow("timed, inside the window") << u"Timed"_s << at(8, 30) << true;
        QTest::newRow("timed, outside the window") << u"Timed"_s << at(12, 0) << false;
    }
    void turnOn_checksTheScheduleAtOnceAndLoops() {
        QFETCH(QString, option);
        QFETCH(QDateTime, now);
        QFETCH(bool, plays);
        Form1Rig rig(Form1Rig::defaultSounds(), {{u"Option"_s, option}});
        Form1 *form = rig.load();
        setWindow(rig, QTime(8, 0), QTime(9, 0));
        rig.clock.current = now;
        rig.player.calls.clear();
        rig.onOff()->click();
        QCOMPARE(rig.onOff()->text(), u"Turn Off"_s);
        QVERIFY(rig.player.loop);
        QCOMPARE(rig.stored(u"StartStopState"_s), u"ON"_s);
        QCOMPARE(rig.player.state == Player::Playing, plays);
        QCOMPARE(rig.player.calls.last(), plays ? u"setUrl "_s + rig.soundFile(u"Brown Noise"_s) : u"stop"_s);
        // The infinite loop needs no more ticks; the timed schedule keeps ticking.
        QCOMPARE(form->timer1()->isEnabled(), option == u"Timed"_s);
    }

    void fadeIn_followsItsSettingAndAPreviewHasNone_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<qint64>("fadeInMs");
        QTest::newRow("absent") << QString() << qint64(2000);
        QTest::newRow("5") << u"5"_s << qint64(5000);
        QTest::newRow("0 plays as today") << u"0"_s << qint64(0);
        QTest::newRow("3600") << u"3600"_s << qint64(3600000);
        QTest::newRow("negative") << u"-1"_s << qint64(2000);
        QTest::newRow("over an hour") << u"3601"_s << qint64(2000);
        QTest::newRow("fraction") << u"1.5"_s << qint64(2000);
        QTest::newRow("garbage") << u"soft"_s << qint64(2000);
    }
    void fadeIn_followsItsSettingAndAPreviewHasNone() {
        QFETCH(QString, stored);
        QFETCH(qint64, fadeInMs);
        QMap<QString, QString> settings{{u"StartStopState"_s, u"ON"_s}};
        if (!stored.isNull()) {
            settings.insert(u"Fade In"_s, stored);
        }
        Form1Rig rig(Form1Rig::defaultSounds(), settings);
        Form1 *form = rig.load();
        form->Timer1_Timer();
        QCOMPARE(rig.player.fadeIn, fadeInMs);
        // What the user wrote stays as written.
        QCOMPARE(rig.stored(u"Fade In"_s), stored.isNull() ? u"<absent>"_s : stored);
        rig.preview()->click();
        QCOMPARE(rig.player.fadeIn, qint64(0));
    }

    void timedTick_lastSecondsOfTheWindow_fadeOutToItsEnd_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QTime>("to");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QList<qint64>>("fadeOuts");
        const QDateTime late(QDate(2026, 12, 7), QTime(8, 59, 54, 500));
        QTest::newRow("6 s, 6.5 s before the end") << u"6"_s << QTime(9, 0) << late << QList<qint64>{};
        QTest::newRow("6 s, 5.75 s before the end")
            << u"6"_s << QTime(9, 0) << late.addMSecs(750) << QList<qint64>{5750};
        QTest::newRow("6 s, in the last second") << u"6"_s << QTime(9, 0) << at(9, 0) << QList<qint64>{1000};
        QTest::newRow("0 never fades") << u"0"_s << QTime(9, 0) << at(9, 0) << QList<qint64>{};
        QTest::newRow("garbage is 30 s") << u"long"_s << QTime(9, 0) << at(8, 59, 40) << QList<qint64>{21000};
        QTest::newRow("overnight window") << QString() << QTime(6, 0) << at(5, 59, 50) << QList<qint64>{11000};
    }
    void timedTick_lastSecondsOfTheWindow_fadeOutToItsEnd() {
        QFETCH(QString, stored);
        QFETCH(QTime, to);
        QFETCH(QDateTime, now);
        QFETCH(QList<qint64>, fadeOuts);
        QMap<QString, QString> settings{{u"StartStopState"_s, u"ON"_s}, {u"Option"_s, u"Timed"_s}};
        if (!stored.isNull()) {
            settings.insert(u"Fade Out"_s, stored);
        }
        Form1Rig rig(Form1Rig::defaultSounds(), settings);
        Form1 *form = rig.load();
        setWindow(rig, to == QTime(6, 0) ? QTime(22, 0) : QTime(8, 0), to);
        // Start-up's own check ran inside the stored window, which ends the moment it starts.
        rig.player.fadeOuts.clear();
        rig.clock.current = now;
        form->Timer1_Timer();
        QCOMPARE(rig.player.state, Player::Playing);
        QCOMPARE(rig.player.fadeOuts, fadeOuts);
        // The window still ends on its second.
        rig.clock.current = QDateTime(now.date(), to.addSecs(1));
        form->Timer1_Timer();
        QCOMPARE(rig.player.calls.last(), u"stop"_s);
    }

    void clicks_storeEachChoiceAsItIsMade() {
        Form1Rig rig;
        rig.load();
        rig.onOff()->click();
        QCOMPARE(rig.stored(u"StartStopState"_s), u"ON"_s);
        QCOMPARE(rig.stored(u"Option"_s), u"Infinite"_s);
        QTest::mouseClick(rig.child<QRadioButton>("Option2"), Qt::LeftButton);
        QCOMPARE(rig.stored(u"Option"_s), u"Timed"_s);
        QCOMPARE(rig.stored(u"StartStopState"_s), u"ON"_s);
        QTest::mouseClick(rig.onOff(), Qt::LeftButton);
        QCOMPARE(rig.stored(u"StartStopState"_s), u"OFF"_s);
        QCOMPARE(rig.stored(u"Option"_s), u"Timed"_s);
    }

    void turnOff_stopsAtOnceAndKeepsThePickers() {
        Form1Rig rig(Form1Rig::defaultSounds(), {{u"StartStopState"_s, u"ON"_s}, {u"Option"_s, u"Timed"_s}});
        Form1 *form = rig.load();
        setWindow(rig, QTime(8, 0), QTime(9, 0));
        rig.clock.current = at(8, 30);
        form->Timer1_Timer();
        QCOMPARE(rig.player.state, Player::Playing);

        rig.onOff()->click();
        QCOMPARE(rig.onOff()->text(), u"Turn On"_s);
        QVERIFY(!form->timer1()->isEnabled());
        QCOMPARE(rig.player.state, 0);
        QCOMPARE(rig.player.calls.last(), u"stop"_s);
        QCOMPARE(rig.stored(u"StartStopState"_s), u"OFF"_s);
        QCOMPARE(rig.child<QDateTimeEdit>("DTPicker1")->time(), QTime(8, 0));
    }

    void timedTick_playsOnlyInsideTheWindow_data() {
        QTest::addColumn<QTime>("from");
        QTest::addColumn<QTime>("to");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<bool>("inside");
        // The pickers' times reach the window's rule in their order; the rule itself is tst_dailywindow's.
        QTest::newRow("09:00:00 in 08-09") << QTime(8, 0) << QTime(9, 0) << at(9, 0, 0) << true;
        QTest::newRow("09:00:01 in 08-09") << QTime(8, 0) << QTime(9, 0) << at(9, 0, 1) << false;
        QTest::newRow("overnight at 03:00") << QTime(22, 0) << QTime(6, 0) << at(3, 0) << true;
    }
    void timedTick_playsOnlyInsideTheWindow() {
        QFETCH(QTime, from);
        QFETCH(QTime, to);
        QFETCH(QDateTime, now);
        QFETCH(bool, inside);
        Form1Rig rig(Form1Rig::defaultSounds(), {{u"StartStopState"_s, u"ON"_s}, {u"Option"_s, u"Timed"_s}});
        Form1 *form = rig.load();
        setWindow(rig, from, to);
        rig.clock.current = now;
        form->Timer1_Timer();
        QCOMPARE(rig.player.state == Player::Playing, inside);
        QCOMPARE(rig.player.calls.last(), inside ? u"setUrl "_s + rig.soundFile(u"Brown Noise"_s) : u"stop"_s);
        // The timed tick never switches itself off.
        QVERIFY(form->timer1()->isEnabled());
    }

    void timedTick_leavesAPlayingSoundAloneAndStopsAtEveryTickOutside() {
        Form1Rig rig(Form1Rig::defaultSounds(), {{u"StartStopState"_s, u"ON"_s}, {u"Option"_s, u"Timed"_s}});
        Form1 *form = rig.load();
        setWindow(rig, QTime(8, 0), QTime(9, 0));
        rig.clock.current = at(8, 30);
        form->Timer1_Timer();
        // Another style chosen while playing is heard only at the next hand-over.
        rig.styles()->setCurrentIndex(2);
        form->Timer1_Timer();
        QCOMPARE(urlsGiven(rig), 1);
        QCOMPARE(rig.player.url, rig.soundFile(u"Brown Noise"_s));

        rig.clock.current = at(9, 0, 1);
        form->Timer1_Timer();
        form->Timer1_Timer();
        QCOMPARE(rig.player.calls.filter(u"stop"_s).size(), 2);

        // A sound that cannot play is handed over again at every tick inside the window.
        rig.player.unplayable << rig.soundFile(u"White Noise"_s);
        rig.clock.current = at(8, 45);
        form->Timer1_Timer();
        form->Timer1_Timer();
        QCOMPARE(urlsGiven(rig), 3);
    }

    void playFrom_whileOnAndPlayingInfinitely_resumesTheSchedule() {
        Form1Rig rig(Form1Rig::defaultSounds(), {{u"StartStopState"_s, u"ON"_s}});
        Form1 *form = rig.load();
        QCOMPARE(urlsGiven(rig), 1);
        QVERIFY(!form->timer1()->isEnabled());
        setWindow(rig, QTime(8, 0), QTime(9, 0));

        rig.child<QRadioButton>("Option2")->click();
        QVERIFY(form->timer1()->isEnabled());
        QCOMPARE(rig.stored(u"Option"_s), u"Timed"_s);
        rig.clock.current = at(8, 30);
        form->Timer1_Timer();
        QCOMPARE(urlsGiven(rig), 1);
        rig.clock.current = at(10, 0);
        form->Timer1_Timer();
        QCOMPARE(rig.player.state, 0);
    }

    void playUntilTurnOff_whileTimed_restartsAtTheNextTick() {
        Form1Rig rig(Form1Rig::defaultSounds(), {{u"StartStopState"_s, u"ON"_s}, {u"Option"_s, u"Timed"_s}});
        Form1 *form = rig.load();
        setWindow(rig, QTime(8, 0), QTime(9, 0));
        rig.clock.current = at(12, 0);
        rig.child<QRadioButton>("Option1")->click();
        QCOMPARE(rig.stored(u"Option"_s), u"Infinite"_s);
        QVERIFY(rig.player.loop);
        rig.player.finish();
        form->Timer1_Timer();
        QCOMPARE(rig.player.state, Player::Playing);
        QVERIFY(!form->timer1()->isEnabled());
    }

    void options_whileOff_onlyWriteAndSetTheLoop() {
        Form1Rig rig;
        Form1 *form = rig.load();
        rig.player.calls.clear();
        rig.child<QRadioButton>("Option2")->click();
        QCOMPARE(rig.stored(u"Option"_s), u"Timed"_s);
        QVERIFY(!form->timer1()->isEnabled());
        rig.child<QRadioButton>("Option1")->click();
        QCOMPARE(rig.stored(u"Option"_s), u"Infinite"_s);
        QCOMPARE(rig.player.calls, (QStringList{u"setLoop on"_s, u"setLoop on"_s}));
    }

    void controls_writeTheirSettingsAndApplyAtOnce() {
        Form1Rig rig;
        rig.load();
        rig.child<QSlider>("Slider1")->setValue(73);
        rig.child<QSlider>("Slider2")->setValue(2);
        rig.styles()->setCurrentIndex(1);
        rig.child<QDateTimeEdit>("DTPicker1")->setDateTime(at(22, 0));
        QCOMPARE(rig.player.volume, 73);
        QCOMPARE(rig.player.rate, 2.0);
        QCOMPARE(rig.stored(u"Pitch"_s), u"2"_s);
        QCOMPARE(rig.stored(u"Combo1"_s), u"1"_s);
        QCOMPARE(rig.stored(u"Style"_s), u"Pink Noise"_s);
        QVERIFY(rig.stored(u"Time From"_s).contains(u"22:00:00"_s));

        // A click into a picker's text writes its value, as a click on its buttons does.
        auto *picker = rig.child<QDateTimeEdit>("DTPicker2");
        rig.store->WriteSetting(u"Time To"_s, u"elsewhere"_s);
        QTest::mouseClick(picker->findChild<QLineEdit *>(), Qt::LeftButton);
        QCOMPARE(rig.stored(u"Time To"_s), SettingConversions::dateTimeToText(picker->dateTime()));
    }

    void volumeBurst_isHeardAtOnceAndWrittenOnceItSettles() {
        Form1Rig rig(Form1Rig::defaultSounds(), {{u"Volume"_s, u"30"_s}});
        rig.load();
        auto *volume = rig.child<QSlider>("Slider1");
        for (int step = 0; step < 200; ++step) {
            volume->triggerAction(step % 2 == 0 ? QSlider::SliderPageStepAdd : QSlider::SliderSingleStepSub);
        }
        QCOMPARE(volume->value(), 99);
        QCOMPARE(rig.player.volume, 99);
        QCOMPARE(rig.stored(u"Volume"_s), u"30"_s);
        QTRY_COMPARE_WITH_TIMEOUT(rig.stored(u"Volume"_s), u"99"_s, 5000);
    }

    void failingSteps_areReportedWithTheirLines() {
        Form1Rig rig(Form1Rig::defaultSounds(), {{u"StartStopState"_s, u"ON"_s}, {u"Option"_s, u"Timed"_s}});
        Form1 *form = rig.load();
        setWindow(rig, QTime(8, 0), QTime(9, 0));

        // A playState that cannot be read counts as not playing: the file is handed over.
        rig.clock.current = at(8, 30);
        rig.player.failNext = u"playState"_s;
        const int given = urlsGiven(rig);
        form->Timer1_Timer();
        QCOMPARE(rig.reportedLines(), QList<int>{110});
        QCOMPARE(urlsGiven(rig), given + 1);

        rig.clock.current = at(10, 0);
        rig.player.failNext = u"stop"_s;
        form->Timer1_Timer();
        QCOMPARE(rig.reportedLines(), (QList<int>{110, 114}));
        QVERIFY(rig.notifier.texts.last().contains(u"Timer1_Timer at line 114"_s));

        // Turning off goes on after a player that refuses to stop.
        rig.player.failNext = u"stop"_s;
        rig.onOff()->click();
        QCOMPARE(rig.reportedLines().last(), 116);
        QVERIFY(rig.notifier.texts.last().contains(u"PushButton2_Click at line 116"_s));
        QCOMPARE(rig.onOff()->text(), u"Turn On"_s);
        QCOMPARE(rig.stored(u"StartStopState"_s), u"OFF"_s);

        rig.child<QRadioButton>("Option1")->click();
        rig.onOff()->click();
        rig.player.failNext = u"setUrl"_s;
        form->Timer1_Timer();
        QCOMPARE(rig.reportedLines().last(), 104);
        QVERIFY(!form->timer1()->isEnabled());
    }

    void preview_withNothingToPlayOnlyTogglesTheCaption() {
        Form1Rig rig({u"Rain.mp3"_s}, {{u"Style"_s, u"Rain"_s}});
        Form1 *form = rig.load();
        QVERIFY(QFile::remove(rig.soundFile(u"Rain"_s)));
        rig.player.calls.clear();
        rig.preview()->click();
        QCOMPARE(rig.preview()->text(), u"Stop"_s);
        QVERIFY(rig.player.calls.isEmpty());
        QVERIFY(!form->timer2()->isEnabled());
        rig.preview()->click();
        QCOMPARE(rig.preview()->text(), u"Preview Sound"_s);
        QVERIFY(!form->timer1()->isEnabled());
        QVERIFY(!form->timer2()->isEnabled());
        QCOMPARE(rig.player.calls, QStringList{u"stop"_s});
    }

    void preview_playsOnceAndEndsByItself_whileOff() {
        Form1Rig rig;
        Form1 *form = rig.load();
        rig.preview()->click();
        QVERIFY(!rig.player.loop);
        QCOMPARE(rig.player.url, rig.soundFile(u"Brown Noise"_s));
        QVERIFY(form->timer2()->isEnabled());
        QVERIFY(!form->timer1()->isEnabled());
        form->Timer2_Timer();
        QVERIFY(form->timer2()->isEnabled());

        rig.player.finish();
        form->Timer2_Timer();
        QVERIFY(!form->timer2()->isEnabled());
        QCOMPARE(rig.preview()->text(), u"Preview Sound"_s);
        // Off stays off: nothing plays a second time.
        QVERIFY(!form->timer1()->isEnabled());
        QCOMPARE(urlsGiven(rig), 1);
    }

    void preview_whileOn_pausesTheScheduleAndResumesItAtOnce() {
        Form1Rig rig(Form1Rig::defaultSounds(), {{u"StartStopState"_s, u"ON"_s}});
        Form1 *form = rig.load();
        QVERIFY(rig.player.loop);
        QCOMPARE(rig.player.state, Player::Playing);

        rig.preview()->click();
        QVERIFY(!form->timer1()->isEnabled());
        QVERIFY(!rig.player.loop);
        rig.player.finish();
        form->Timer2_Timer();
        QCOMPARE(rig.preview()->text(), u"Preview Sound"_s);
        QCOMPARE(rig.player.state, Player::Playing);
        QVERIFY(rig.player.loop);
        QCOMPARE(urlsGiven(rig), 3);
    }

    void turnOnOrOff_duringAPreview_endsIt_data() {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QStringList>("sounds");
        QTest::newRow("turn on") << u"OFF"_s << Form1Rig::defaultSounds();
        QTest::newRow("turn off") << u"ON"_s << Form1Rig::defaultSounds();
        QTest::newRow("turn on while a generated noise is previewed") << u"OFF"_s << QStringList{};
    }
    void turnOnOrOff_duringAPreview_endsIt() {
        QFETCH(QString, state);
        QFETCH(QStringList, sounds);
        Form1Rig rig(sounds, {{u"StartStopState"_s, state}});
        Form1 *form = rig.load();
        rig.preview()->click();
        rig.onOff()->click();
        QCOMPARE(rig.preview()->text(), u"Preview Sound"_s);
        QVERIFY(!form->timer2()->isEnabled());
        const bool on = state == u"OFF"_s;
        QCOMPARE(rig.player.state, on ? Player::Playing : 0);
        QCOMPARE(rig.player.loop, on);
        // The next click previews again, in place of whatever plays.
        rig.preview()->click();
        QCOMPARE(rig.preview()->text(), u"Stop"_s);
        QVERIFY(!rig.player.loop);
    }

    void previewStop_whileOn_resumesAtOnce_whileOff_staysOff() {
        Form1Rig on(Form1Rig::defaultSounds(), {{u"StartStopState"_s, u"ON"_s}, {u"Option"_s, u"Timed"_s}});
        Form1 *form = on.load();
        on.preview()->click();
        on.player.calls.clear();
        on.preview()->click();
        QCOMPARE(on.preview()->text(), u"Preview Sound"_s);
        QCOMPARE(on.player.calls,
                 (QStringList{u"stop"_s, u"setLoop on"_s, u"setUrl "_s + on.soundFile(u"Brown Noise"_s)}));
        QVERIFY(on.player.loop);
        QVERIFY(form->timer1()->isEnabled());
        QVERIFY(!form->timer2()->isEnabled());

        Form1Rig off;
        Form1 *offForm = off.load();
        off.preview()->click();
        off.preview()->click();
        QVERIFY(!offForm->timer1()->isEnabled());
        QVERIFY(!offForm->timer2()->isEnabled());
        QCOMPARE(off.player.state, 0);
    }
};

QTEST_MAIN(TestForm1Playback)
#include "tst_form1playback.moc"
