#include "apptimer.h"
#include "gstplayer.h"
#include "settingconversions.h"
#include "sleepfade.h"
#include "sleeptimer.h"

#include "fakes/form1world.h"
#include "sound/capture.h"

#include <QDir>
#include <QPushButton>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

// A sounds folder holding the noise loop, and the stored state ON in OPTION at full volume with no fade-in, so the
// output must equal the decoded samples.
static bool storeNoiseOn(Form1World &world, const QString &option) {
    if (!QDir(world.programFolder()).mkdir(u"sounds"_s) ||
        !QFile::copy(soundfiles::path(u"noise-loop.mp3"_s), world.dir.filePath(u"sounds/Noise.mp3"_s))) {
        return false;
    }
    world.store->WriteSetting(u"StartStopState"_s, u"ON"_s);
    world.store->WriteSetting(u"Style"_s, u"Noise"_s);
    world.store->WriteSetting(u"Option"_s, option);
    world.store->WriteSetting(u"Volume"_s, u"100"_s);
    world.store->WriteSetting(u"Fade In"_s, u"0"_s);
    return true;
}

// The main window over the real player, heard through a capture file, each file at its own level.
class TestForm1Sound : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void storedOnState_isHeardAtOnceAndEndsAtTurnOff() {
        const Capture capture;
        Form1World world;
        QVERIFY(storeNoiseOn(world, u"Infinite"_s));
        SettingsStore &store = *world.store;

        GstPlayer player;

        player.setEvenLoudness(false);
        Form1 form(world.services(player));
        form.Form_Load();

        // Heard from start-up on, without waiting for a tick: the stored file, sample for sample (a sink may drop
        // the very first frame).
        const soundfiles::Pcm file = soundfiles::decodeAll(world.dir.filePath(u"sounds/Noise.mp3"_s));
        QVERIFY(capture.waitForFrames(20000, 15000));
        QCOMPARE(player.playState(), int(Player::Playing));
        const soundfiles::Pcm heard = capture.read();
        const int shift = alignment(heard, file);
        QVERIFY(shift >= 0);
        QCOMPARE(firstDifference(heard, file, shift), -1);

        form.findChild<QPushButton *>(u"PushButton2"_s)->click();
        QCOMPARE(store.ReadSetting(u"StartStopState"_s, QString()), u"OFF"_s);
        QVERIFY(player.playState() != Player::Playing);
        // What was on its way out follows; then the sound ends.
        QTest::qWait(300);
        const qsizetype stoppedAt = capture.frames();
        QTest::qWait(300);
        QCOMPARE(capture.frames(), stoppedAt);
        QVERIFY(world.notifier.texts.isEmpty());
    }

    void timedWindow_fadeOutSix_lastSecondIsFarBelowTheLevelTenSecondsEarlier() {
        const Capture capture;
        Form1World world;
        QVERIFY(storeNoiseOn(world, u"Timed"_s));
        SettingsStore &store = *world.store;
        store.WriteSetting(u"Fade Out"_s, u"6"_s);
        const QDate day = world.clock.current.date();
        store.WriteSetting(u"Time From"_s, SettingConversions::dateTimeToText({day, QTime(8, 0, 0)}));
        store.WriteSetting(u"Time To"_s, SettingConversions::dateTimeToText({day, QTime(8, 0, 11)}));

        GstPlayer player;

        player.setEvenLoudness(false);
        Form1 form(world.services(player));
        form.Form_Load();
        // The clock follows the sound: a tick for every second captured, the window ending with its 12th.
        form.timer1()->setEnabled(false);
        constexpr qsizetype Second = 44100;
        for (int k = 0; k <= 12; ++k) {
            QVERIFY(capture.waitForFrames(k * Second));
            world.clock.current = QDateTime(day, QTime(8, 0, 0).addSecs(k));
            form.Timer1_Timer();
        }
        QVERIFY(player.playState() != Player::Playing);

        const soundfiles::Pcm heard = capture.read(12 * Second);
        const auto level = [&](qsizetype from) {
            double sum = 0;
            for (qsizetype i = 2 * from; i < 2 * (from + Second); ++i) {
                sum += double(heard.at(std::size_t(i))) * heard.at(std::size_t(i));
            }
            return std::sqrt(sum / (2 * Second));
        };
        QCOMPARE_LT(level(11 * Second), level(1 * Second) / 4);
    }

    void sleepTimer_fallsTheSameDecibelsEachSecond_thenTurnsOff() {
        const Capture capture;
        Form1World world;
        QVERIFY(storeNoiseOn(world, u"Infinite"_s));
        GstPlayer player;
        player.setEvenLoudness(false);
        Form1 form(world.services(player));
        form.Form_Load();
        SleepTimer timer(world.clock);
        SleepFade fade(timer, player,
                       {[&] { return form.isTurnedOn(); }, [] { return false; }, [] { return true; },
                        [&] { form.PushButton2_Click(); }, [](bool) {}});
        constexpr qsizetype Second = 44100;
        constexpr int Length = 5;
        QVERIFY(capture.waitForFrames(Second));
        const qsizetype set = capture.frames();
        timer.set(std::chrono::seconds(Length));
        // The clock follows the sound, a tick for every second captured.
        for (int k = 1; k <= Length; ++k) {
            QVERIFY(capture.waitForFrames(set + k * Second));
            world.clock.current = world.clock.current.addSecs(1);
            fade.check();
        }
        QCOMPARE(world.store->ReadSetting(u"StartStopState"_s, QString()), u"OFF"_s);
        QVERIFY(player.playState() != Player::Playing);

        const soundfiles::Pcm heard = capture.read(set + Length * Second);
        const auto decibels = [&](qsizetype from, qsizetype to) {
            double sum = 0;
            for (qsizetype i = 2 * from; i < 2 * to; ++i) {
                sum += double(heard.at(std::size_t(i))) * heard.at(std::size_t(i));
            }
            return 10 * std::log10(std::max(sum / double(2 * (to - from)), 1e-9));
        };
        // In halves of a second: the fall ends a second before the timer, 60 dB over 4 s, 7.5 dB each half, through
        // every tick's new aim; then silence.
        const auto half = [&](int n) { return decibels(set + n * Second / 2, set + (n + 1) * Second / 2); };
        const double step = (half(7) - half(0)) / 7;
        QVERIFY2(step < -6.5 && step > -8.5, qPrintable(QString::number(step)));
        for (int n = 0; n < 7; ++n) {
            QVERIFY2(std::abs(half(n + 1) - half(n) - step) < 1.0, qPrintable(QString::number(n)));
        }
        QCOMPARE_LT(half(8) - decibels(set - Second / 2, set), -60.0);
        QCOMPARE_LT(half(9) - decibels(set - Second / 2, set), -60.0);
    }
};

QTEST_MAIN(TestForm1Sound)
#include "tst_form1sound.moc"
