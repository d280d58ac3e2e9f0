#include "capture.h"
#include "gstoutputsink.h"
#include "gstplayer.h"
#include "loudnessmeter.h"
#include "soundfiles.h"

#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QTest>

#include <gst/gst.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <mutex>
#include <numeric>
#include <vector>

using namespace Qt::StringLiterals;
using soundfiles::Pcm;

namespace {

/// Root-mean-square level of frames \a from to \a to.
double level(const Pcm &pcm, qsizetype from, qsizetype to) {
    double sum = 0;
    for (qsizetype i = 2 * from; i < 2 * to; ++i) {
        sum += double(pcm[i]) * pcm[i];
    }
    return std::sqrt(sum / double(std::max<qsizetype>(2 * (to - from), 1)));
}

// What a sound server asks for at a time, which a sink with a volume of its own is fed in one buffer.
constexpr std::chrono::milliseconds Request{GstOutputSink::ServerRequestUs / 1000};

/// Waits until \a capture grows by a whole request at once: it then holds that much that has not been heard. A
/// stream's first buffers are shorter.
bool waitForARequest(const Capture &capture) {
    const qsizetype requestFrames = qsizetype(Request.count()) * 44100 / 1000;
    for (qsizetype before = capture.frames(); capture.waitForFrames(before + 1); before = capture.frames()) {
        if (capture.frames() - before >= requestFrames) {
            return true;
        }
    }
    return false;
}

double decibels(double level, double reference) {
    return 20.0 * std::log10(std::max(level, 1e-3) / reference);
}

// Every level set on a "steppedvolume" element, GStreamer's volume that tells its changes.
std::mutex volumesMutex;
std::vector<double> volumesSet;

void recordVolume(GObject *element, GParamSpec *property) {
    if (qstrcmp(property->name, "volume") == 0) {
        double volume = -1;
        g_object_get(element, "volume", &volume, nullptr);
        const std::lock_guard lock(volumesMutex);
        volumesSet.push_back(volume);
    }
}

void registerSteppedVolume() {
    if (g_type_from_name("TestSteppedVolume")) {
        return;
    }
    GstOutputSink::initGStreamer();
    GstOutputSink::registerEveryPlugin();
    GstElementFactory *factory = gst_element_factory_find("volume");
    QVERIFY(factory);
    auto *feature = GST_ELEMENT_FACTORY(gst_plugin_feature_load(GST_PLUGIN_FEATURE(factory)));
    const GType volume = gst_element_factory_get_element_type(feature);
    gst_object_unref(feature);
    gst_object_unref(factory);
    GTypeQuery sizes;
    g_type_query(volume, &sizes);
    const GType stepped = g_type_register_static_simple(
        volume, "TestSteppedVolume", sizes.class_size,
        [](gpointer type, gpointer) { G_OBJECT_CLASS(type)->notify = recordVolume; }, sizes.instance_size, nullptr,
        GTypeFlags(0));
    QVERIFY(gst_element_register(nullptr, "steppedvolume", GST_RANK_NONE, stepped));
}

} // namespace

// Each file plays at its own level, so that what is heard can be compared with its decode sample for sample; the
// gain to one loudness is the feed's, tested there.
class TestGstPlayerOutput : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void loop_pastTheEnd_goesOnWithTheFirstFrameWithoutAGap();
    void evenLoudness_playsAFileAtItsMeasuredGainFromItsFirstSample();
    void setRate_two_doublesTheSineFrequencyAcrossLoops();
    void setVolume_fifty_halvesTheAmplitude_data();
    void setVolume_fifty_halvesTheAmplitude();
    void setVolume_duringPlayback_changesTheOutput();
    void setLoop_off_playsTheFileOnceThenReportsNotPlaying();
    void setUrl_whilePlaying_startsTheNewFileFromItsFirstSample();
    void sinkDescription_followsTheEnvironment_data();
    void sinkDescription_followsTheEnvironment();
    void setUrl_aSinkOfElementsBeyondThePlayersOwn_plays();
    void fades_riseFromSilenceAndFallToItWhenAsked();
    void stop_endsTheSoundInARampOfAFewMilliseconds();
    void stop_whileTheOutputStarts_rampsDownAsWell();
    void stop_onAStreamVolume_fallsInStepsToSilence();
    void stop_onAStreamVolumeThatTakesNothing_endsItWithoutSteps();
    void fadeOut_onASinkARequestAhead_fallsFromWhenAsked_andIsSilentWhenAsked();
    void decibelFadeOut_onASinkARequestAhead_fallsEvenly_andCalledOffIsAtFullLevelAgain();
};

void TestGstPlayerOutput::loop_pastTheEnd_goesOnWithTheFirstFrameWithoutAGap() {
    // The seam is the feed's, tested over many passes there; the player must hand it on untouched. A file of odd
    // length, so that no pairing of frames hides a slip.
    const QString file = soundfiles::path(u"vbr.mp3"_s);
    const Pcm reference = soundfiles::decodeAll(file);
    Capture capture;
    GstPlayer player;
    player.setEvenLoudness(false);
    player.setVolume(100);
    player.setLoop(true);
    player.setUrl(file, {});
    QCOMPARE(player.playState(), Player::Playing);
    QVERIFY(capture.waitForFrames(soundfiles::frames(reference) * 3 / 2));
    QCOMPARE(player.playState(), Player::Playing);
    const qsizetype heard = capture.frames();
    player.stop();

    const Pcm output = capture.read(heard);
    const int shift = alignment(output, reference);
    QVERIFY2(shift >= 0, "the output does not start with the file's first frames");
    const qsizetype differs = firstDifference(output, reference, shift);
    QVERIFY2(differs < 0, qPrintable(u"frame %1 of loop %2 differs"_s.arg(differs % soundfiles::frames(reference))
                                         .arg(differs / soundfiles::frames(reference) + 1)));
}

void TestGstPlayerOutput::evenLoudness_playsAFileAtItsMeasuredGainFromItsFirstSample() {
    // Louder than the one loudness and shorter than the estimate: measured whole before its first sample plays.
    const QString file = soundfiles::path(u"sine-cbr.mp3"_s);
    const Pcm reference = soundfiles::decodeAll(file);
    LoudnessMeter meter(44100);
    meter.add(reference);
    const Playback playback{1, meter.loudness().gain()};
    QCOMPARE_LT(playback.gain, 0.9);
    Capture capture;
    GstPlayer player;
    player.setVolume(100);
    player.setLoop(true);
    player.setUrl(file, {});
    QCOMPARE(player.playState(), Player::Playing);
    QVERIFY(capture.waitForFrames(soundfiles::frames(reference) * 3 / 2));
    const qsizetype heard = capture.frames();
    player.stop();
    const Pcm output = capture.read(heard);
    const int shift = alignment(output, reference, playback);
    QVERIFY2(shift >= 0, "the output does not start with the file's first frames at the measured gain");
    QCOMPARE(firstDifference(output, reference, shift, playback), -1);
}

void TestGstPlayerOutput::setRate_two_doublesTheSineFrequencyAcrossLoops() {
    const QString file = soundfiles::path(u"sine-cbr.mp3"_s);
    const Pcm reference = soundfiles::decodeAll(file);
    Capture capture;
    GstPlayer player;
    player.setEvenLoudness(false);
    player.setVolume(100);
    player.setLoop(true);
    player.setRate(2.0);
    player.setUrl(file, {});
    QVERIFY(capture.waitForFrames(soundfiles::frames(reference) * 3 / 2));
    const qsizetype heard = capture.frames();
    player.stop();

    const Pcm output = capture.read(heard);
    const int shift = alignment(output, reference, {.step = 2});
    QVERIFY(shift >= 0);
    QCOMPARE(firstDifference(output, reference, shift, {.step = 2}), -1);
    int crossings = 0;
    for (std::size_t i = 2; i < output.size(); i += 2) {
        crossings += (output[i - 2] < 0) != (output[i] < 0);
    }
    const double hz = crossings / 2.0 / (double(soundfiles::frames(output)) / 44100.0);
    QVERIFY2(std::abs(hz - 882.0) < 10.0, qPrintable(QString::number(hz)));
}

void TestGstPlayerOutput::setVolume_fifty_halvesTheAmplitude_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::newRow("in the feed") << QByteArray();
    // A sink with a volume of its own (as pulsesink's stream volume) takes the level on the linear scale.
    QTest::newRow("on the sink's stream volume") << QByteArray("volume");
}

void TestGstPlayerOutput::setVolume_fifty_halvesTheAmplitude() {
    QFETCH(QByteArray, before);
    const QString file = soundfiles::path(u"sine-cbr.mp3"_s);
    const Pcm reference = soundfiles::decodeAll(file);
    Capture capture(before);
    GstPlayer player;
    player.setEvenLoudness(false);
    player.setVolume(50);
    player.setLoop(true);
    player.setUrl(file, {});
    QVERIFY(capture.waitForFrames(soundfiles::frames(reference) / 2));
    const qsizetype heard = capture.frames();
    player.stop();

    const Pcm output = capture.read(heard);
    const int shift = alignment(output, reference, {.gain = 0.5});
    QVERIFY(shift >= 0);
    QCOMPARE(firstDifference(output, reference, shift, {.gain = 0.5}), -1);
}

void TestGstPlayerOutput::setVolume_duringPlayback_changesTheOutput() {
    const QString file = soundfiles::path(u"noise-loop.mp3"_s);
    const Pcm reference = soundfiles::decodeAll(file);
    Capture capture;
    GstPlayer player;
    player.setEvenLoudness(false);
    player.setVolume(100);
    player.setLoop(true);
    player.setUrl(file, {});
    QVERIFY(capture.waitForFrames(20000));
    player.setVolume(25);
    const qsizetype changedAt = capture.frames();
    QVERIFY(capture.waitForFrames(changedAt + 20000));
    const qsizetype heard = capture.frames();
    player.stop();

    const Pcm output = capture.read(heard);
    const int shift = alignment(output, reference);
    QVERIFY(shift >= 0);
    const qsizetype changed = firstDifference(output, reference, shift);
    QVERIFY(changed > 0);
    // From a little after the change on, every frame is at a quarter.
    const Pcm later(output.begin() + 2 * (changedAt + 10000), output.end());
    QCOMPARE(firstDifference(later, reference, int((changedAt + 10000 + shift) % soundfiles::frames(reference)),
                             {.gain = 0.25}),
             -1);
}

void TestGstPlayerOutput::setLoop_off_playsTheFileOnceThenReportsNotPlaying() {
    const QString file = soundfiles::path(u"sine-cbr.mp3"_s);
    const Pcm reference = soundfiles::decodeAll(file);
    Capture capture;
    GstPlayer player;
    player.setEvenLoudness(false);
    player.setVolume(100);
    player.setLoop(false);
    player.setUrl(file, {});
    QCOMPARE(player.playState(), Player::Playing);
    // The end is told, not only seen by asking: the media controls learn of it so.
    QSignalSpy changes(&player, &Player::playStateChanged);
    QVERIFY(changes.wait(10000));
    QCOMPARE_NE(player.playState(), Player::Playing);

    const Pcm output = capture.read();
    const int shift = alignment(output, reference);
    QVERIFY(shift >= 0);
    QCOMPARE(soundfiles::frames(output) + shift, soundfiles::frames(reference));
    QCOMPARE(firstDifference(output, reference, shift), -1);
}

void TestGstPlayerOutput::setUrl_whilePlaying_startsTheNewFileFromItsFirstSample() {
    const QString file = soundfiles::path(u"sine-cbr.mp3"_s);
    const Pcm reference = soundfiles::decodeAll(file);
    Capture capture;
    GstPlayer player;
    player.setEvenLoudness(false);
    player.setVolume(100);
    player.setLoop(true);
    player.setUrl(soundfiles::path(u"vbr.mp3"_s), {});
    QVERIFY(capture.waitForFrames(10000));
    player.setLoop(false);
    player.setUrl(file, {});
    QCOMPARE(player.playState(), Player::Playing);
    QTRY_VERIFY_WITH_TIMEOUT(player.playState() != Player::Playing, 10000);

    // The new file, whole, closes the output; the sound before it ended in a ramp, not a cut.
    const Pcm output = capture.read();
    QVERIFY(output.size() > reference.size());
    QVERIFY(std::equal(reference.begin() + 2, reference.end(), output.end() - qsizetype(reference.size()) + 2));
    const auto before = output.end() - qsizetype(reference.size());
    const auto peak = [](auto from, auto to) {
        return std::accumulate(
            from, to, 0, [](int loudest, std::int16_t sample) { return std::max(loudest, std::abs(int(sample))); });
    };
    const qsizetype lastTwoMs = 2 * 44100 / 500;
    QCOMPARE_LT(peak(before - lastTwoMs, before) * 2, peak(output.begin(), before - lastTwoMs));
}

void TestGstPlayerOutput::sinkDescription_followsTheEnvironment_data() {
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QString>("sink");
    QTest::newRow("unset") << QByteArray() << u"pulsesink"_s;
    QTest::newRow("set") << QByteArray("fakesink sync=true") << u"fakesink sync=true"_s;
}

void TestGstPlayerOutput::sinkDescription_followsTheEnvironment() {
    QFETCH(QByteArray, variable);
    QFETCH(QString, sink);
    if (variable.isNull()) {
        qunsetenv("SOMNIVOX_AUDIO_SINK");
    } else {
        qputenv("SOMNIVOX_AUDIO_SINK", variable);
    }
    const GstPlayer player;
    QCOMPARE(player.sinkDescription(), sink);
}

void TestGstPlayerOutput::setUrl_aSinkOfElementsBeyondThePlayersOwn_plays() {
    Capture capture;
    // The player registers only the plugins it plays through until a sink asks for more.
    qputenv("SOMNIVOX_AUDIO_SINK", "audioresample ! " + qgetenv("SOMNIVOX_AUDIO_SINK"));
    GstPlayer player;
    player.setEvenLoudness(false);
    player.setUrl(soundfiles::path(u"sine-cbr.mp3"_s), {});
    QCOMPARE(player.playState(), Player::Playing);
    QVERIFY(capture.waitForFrames(4410));
}

void TestGstPlayerOutput::fades_riseFromSilenceAndFallToItWhenAsked() {
    const QString file = soundfiles::path(u"noise-loop.mp3"_s);
    const Pcm reference = soundfiles::decodeAll(file);
    const qsizetype second = 44100;
    Capture capture;
    GstPlayer player;
    player.setEvenLoudness(false);
    player.setVolume(100);
    player.setLoop(true);
    player.setUrl(file, std::chrono::seconds(1));
    QVERIFY(capture.waitForFrames(second * 3 / 2));
    const qsizetype asked = capture.frames();
    player.fadeOut(std::chrono::seconds(1));
    QVERIFY(capture.waitForFrames(asked + second * 3 / 2));
    QCOMPARE(player.playState(), Player::Playing);
    const qsizetype heard = capture.frames();
    player.stop();

    const Pcm output = capture.read(heard);
    const double steady = level(output, second, asked);
    QCOMPARE_LT(decibels(level(output, 0, second / 10), steady), -12.0);
    // Full level from the end of the fade-in until the fade-out begins, sample for sample.
    const Pcm full(output.begin() + 2 * second, output.begin() + 2 * asked);
    const auto fullFrom = [&](int shift) {
        return firstDifference(full, reference, int((second + shift) % soundfiles::frames(reference))) < 0;
    };
    QVERIFY(fullFrom(0) || fullFrom(1));
    // Silence is heard when it was asked for, within a buffer or two.
    QCOMPARE_LT(decibels(level(output, asked + second * 3 / 4, asked + second - second / 20), steady), -12.0);
    QCOMPARE(level(output, asked + second + second / 10, heard), 0.0);
}

void TestGstPlayerOutput::stop_endsTheSoundInARampOfAFewMilliseconds() {
    const QString file = soundfiles::path(u"noise-loop.mp3"_s);
    const Pcm reference = soundfiles::decodeAll(file);
    Capture capture;
    GstPlayer player;
    player.setEvenLoudness(false);
    player.setVolume(100);
    player.setLoop(true);
    player.setUrl(file, {});
    QVERIFY(capture.waitForFrames(20000));
    const qsizetype playing = capture.frames();
    player.stop();
    QCOMPARE_NE(player.playState(), Player::Playing);
    // The ramp ends in a silent frame, which white noise at full level practically never holds.
    QVERIFY(QTest::qWaitFor(
        [&] {
            const Pcm output = capture.read();
            return output.size() > 2 && output[output.size() - 2] == 0 && output.back() == 0;
        },
        10000));

    const Pcm output = capture.read();
    const int shift = alignment(output, reference);
    QVERIFY(shift >= 0);
    const qsizetype rampStart = firstDifference(output, reference, shift);
    const qsizetype end = soundfiles::frames(output);
    QVERIFY(rampStart > 0);
    // What was already on its way to the output and the ramp: under 100 ms of sound, then nothing.
    QCOMPARE_LT(end - playing, 4410);
    QTest::qWait(200);
    QCOMPARE(capture.frames(), end);
    QCOMPARE_GE(end - rampStart, 44100 / 1000);
    QCOMPARE_LE(end - rampStart, 44100 / 100);
    // Within the ramp no frame is louder than the file, and its last quarter is at most half as loud.
    for (qsizetype i = rampStart; i < end; ++i) {
        const qsizetype at = (i + shift) % soundfiles::frames(reference);
        const double bound = i >= end - (end - rampStart) / 4 ? 0.5 : 1.0;
        for (int c = 0; c < 2; ++c) {
            QCOMPARE_LE(std::abs(output[2 * i + c]), std::abs(reference[2 * at + c]) * bound + 1);
        }
    }
}

// Turned on and off faster than the output tells it has started, as a key held down does: the sound already heard
// still ends in the ramp, a file given during the ramp never starts, and only then is the player silent.
void TestGstPlayerOutput::stop_whileTheOutputStarts_rampsDownAsWell() {
    const QString file = soundfiles::path(u"noise-loop.mp3"_s);
    Capture capture;
    GstPlayer player;
    player.setEvenLoudness(false);
    player.setVolume(100);
    player.setLoop(true);
    const QSignalSpy ended(&player, &Player::soundEnded);
    player.setUrl(file, {});
    // No event is handled meanwhile, so the player has not yet been told of the start.
    const QDeadlineTimer deadline(10000);
    while (capture.frames() == 0 && !deadline.hasExpired()) {
        QTest::qSleep(1);
    }
    player.stop();
    player.setUrl(file, {});
    player.stop();
    QVERIFY(player.isEnding());
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 10000);
    QVERIFY(!player.isEnding());
    QCOMPARE_NE(player.playState(), Player::Playing);

    const Pcm output = capture.read();
    const qsizetype end = soundfiles::frames(output);
    const auto peak = [&](qsizetype from) {
        int loudest = 0;
        for (qsizetype i = 2 * std::max<qsizetype>(from, 0); i < 2 * end; ++i) {
            loudest = std::max(loudest, std::abs(int(output[i])));
        }
        return loudest;
    };
    QCOMPARE_GT(peak(0), 8000);
    // The last 2 ms fall well below the level of the noise before them.
    QCOMPARE_LT(peak(end - 44100 / 500), peak(0) / 2);
    QTest::qWait(100);
    QCOMPARE(capture.frames(), end);
}

void TestGstPlayerOutput::stop_onAStreamVolume_fallsInStepsToSilence() {
    registerSteppedVolume();
    Capture capture("steppedvolume");
    GstPlayer player;
    player.setEvenLoudness(false);
    player.setVolume(80);
    player.setLoop(true);
    player.setUrl(soundfiles::path(u"noise-loop.mp3"_s), {});
    QVERIFY(capture.waitForFrames(44100));
    QTest::qWait(100);
    {
        const std::lock_guard lock(volumesMutex);
        QVERIFY(!volumesSet.empty());
        QCOMPARE(float(volumesSet.back()), 0.8f);
        volumesSet.clear();
    }
    player.stop();

    // A cut at full level would click: the stream's volume falls through several levels to silence before it goes.
    QVERIFY(QTest::qWaitFor([] {
        const std::lock_guard lock(volumesMutex);
        return !volumesSet.empty() && volumesSet.back() == 0.0;
    }));
    const std::lock_guard lock(volumesMutex);
    QCOMPARE_GE(volumesSet.size(), 3u);
    QCOMPARE_LT(volumesSet.front(), 0.8);
    for (std::size_t i = 1; i < volumesSet.size(); ++i) {
        QCOMPARE_LT(volumesSet[i], volumesSet[i - 1]);
    }
    QCOMPARE(volumesSet.back(), 0.0);
}

void TestGstPlayerOutput::stop_onAStreamVolumeThatTakesNothing_endsItWithoutSteps() {
    registerSteppedVolume();
    // A sound server that takes its audio when asked, and then stops answering: the output takes a buffer at once,
    // the next after 6 s, and then none for 5 s, longer than a request.
    static_assert(GstOutputSink::ServerRequestUs * 3 / 2 < 5000000);
    qputenv("SOMNIVOX_AUDIO_SINK", "steppedvolume ! identity sleep-time=6000000 ! fakesink");
    GstPlayer player;
    player.setEvenLoudness(false);
    player.setVolume(80);
    player.setLoop(true);
    player.setUrl(soundfiles::path(u"noise-loop.mp3"_s), {});
    QTest::qWait(11000);
    {
        const std::lock_guard lock(volumesMutex);
        volumesSet.clear();
    }
    player.stop();
    QCOMPARE(player.playState(), int(GstPlayer::Stopped));

    // Steps would reach the server only once it answers again, one by one after what it holds: the stream goes at once.
    QTest::qWait(200);
    const std::lock_guard lock(volumesMutex);
    QCOMPARE(volumesSet.size(), 0u);
}

void TestGstPlayerOutput::fadeOut_onASinkARequestAhead_fallsFromWhenAsked_andIsSilentWhenAsked() {
    constexpr qsizetype Second = 44100;
    // On a sink with a volume of its own the feed makes a server's request at a time, which the file takes in whole
    // when its time comes: just after the file grows by one, the output holds the request that has not been heard.
    Capture capture("volume");
    GstPlayer player;
    player.setEvenLoudness(false);
    player.setVolume(100);
    player.setLoop(true);
    player.setUrl(soundfiles::path(u"noise-loop.mp3"_s), {});
    QVERIFY(waitForARequest(capture));
    const qsizetype asked = capture.frames();
    const qsizetype fall = qsizetype(Request.count()) * Second / 1000 + Second / 2;
    player.fadeOut(Request + std::chrono::milliseconds(500));
    QVERIFY(capture.waitForFrames(asked + fall + Second));
    QCOMPARE(player.playState(), Player::Playing);
    player.stop();

    // What was held is dropped: the fall is heard from when it was asked for, not seconds later and steeper, and
    // silence when it was to end.
    const Pcm output = capture.read(asked + fall + Second);
    const double full = level(output, asked - Second / 2, asked);
    QCOMPARE_GT(level(output, asked + Second / 20, asked + Second / 4), full * 0.8);
    // Halfway down, the square fall is at a quarter of full level.
    const double half = level(output, asked + fall / 2 - Second / 10, asked + fall / 2 + Second / 10) / full;
    QVERIFY2(half > 0.15 && half < 0.35, qPrintable(QString::number(half)));
    QCOMPARE(level(output, asked + fall + Second / 10, asked + fall + Second), 0.0);
}

void TestGstPlayerOutput::decibelFadeOut_onASinkARequestAhead_fallsEvenly_andCalledOffIsAtFullLevelAgain() {
    constexpr qsizetype Second = 44100;
    Capture capture("volume");
    GstPlayer player;
    player.setEvenLoudness(false);
    player.setVolume(100);
    player.setLoop(true);
    player.setUrl(soundfiles::path(u"noise-loop.mp3"_s), {});
    QVERIFY(waitForARequest(capture));
    const qsizetype asked = capture.frames();
    player.fadeOutByDecibels(std::chrono::seconds(1));
    QVERIFY(capture.waitForFrames(asked + 2 * Second));
    const qsizetype calledOff = capture.frames();
    player.cancelFadeOut();
    QVERIFY(capture.waitForFrames(calledOff + 2 * Second));
    player.stop();

    const Pcm output = capture.read(calledOff + 2 * Second);
    const double steady = level(output, asked - Second / 2, asked);
    // A fall within what is held starts from what is heard: 6 dB each tenth of a second, then silence.
    const auto tenth = [&](qsizetype from, int n) {
        return decibels(level(output, from + n * Second / 10, from + (n + 1) * Second / 10), steady);
    };
    const double step = (tenth(asked, 8) - tenth(asked, 1)) / 7;
    QVERIFY2(step < -5.0 && step > -7.0, qPrintable(QString::number(step)));
    for (int n = 1; n < 8; ++n) {
        QVERIFY2(std::abs(tenth(asked, n + 1) - tenth(asked, n) - step) < 1.0, qPrintable(QString::number(n)));
    }
    QCOMPARE(level(output, asked + Second * 11 / 10, calledOff), 0.0);
    // Called off, the level is back from the next second made.
    QCOMPARE_GT(tenth(calledOff, 1), -1.0);
    QCOMPARE_GT(decibels(level(output, calledOff + Second / 10, calledOff + 2 * Second), steady), -0.5);
}

QTEST_GUILESS_MAIN(TestGstPlayerOutput)
#include "tst_gstplayer_output.moc"
