#include "decoder.h"
#include "mp3decoder.h"
#include "noisegenerator.h"
#include "passcache.h"
#include "pcmfeed.h"
#include "resampler.h"
#include "soundfiles.h"
#include "sourcelevel.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstdio>
#include <functional>
#include <future>
#include <malloc.h>
#include <numbers>
#include <optional>
#include <thread>

using namespace Qt::StringLiterals;
using soundfiles::Pcm;

namespace {

PcmFeed openFeed(const QString &name) {
    auto decoder = std::make_unique<Mp3Decoder>();
    decoder->open(soundfiles::path(name));
    return PcmFeed(std::move(decoder));
}

// Ends the run when \a work has not returned after a generous while: a loop that never ends would hang the test.
template<typename Work>
void returnsAtAll(Work work) {
    std::promise<void> returned;
    std::thread guard([done = returned.get_future()] {
        if (done.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
            qFatal("the feed never returned");
        }
    });
    work();
    returned.set_value();
    guard.join();
}

/// Everything the feed gives over \a frames frames at \a rate, in chunks the size of an audio buffer.
Pcm run(PcmFeed &feed, qsizetype frames, double rate = 1.0) {
    Pcm out(std::size_t(frames) * 2);
    for (std::size_t at = 0; at < out.size(); at += 2048) {
        const auto piece = std::span(out).subspan(at, std::min<std::size_t>(2048, out.size() - at));
        feed.fill(piece, rate, true);
    }
    return out;
}

double level(const Pcm &pcm, qsizetype from, qsizetype to) {
    double sum = 0;
    for (qsizetype i = 2 * from; i < 2 * to; ++i) {
        sum += double(pcm[std::size_t(i)]) * pcm[std::size_t(i)];
    }
    return std::sqrt(sum / double(2 * (to - from)));
}

/// The largest second difference of either channel from frame \a from on.
double peakBend(const Pcm &pcm, qsizetype from = 2) {
    double peak = 0;
    for (std::size_t i = std::size_t(from) * 2; i < pcm.size(); ++i) {
        peak = std::max(peak, std::abs(double(pcm[i]) - 2.0 * pcm[i - 2] + pcm[i - 4]));
    }
    return peak;
}

/// A 16-bit WAV file of \a frames frames of a 441 Hz sine at \a rate, or of \a constant when given.
QByteArray wav(int rate, int channels, int frames, std::optional<std::int16_t> constant = std::nullopt) {
    QByteArray data;
    for (int i = 0; i < frames; ++i) {
        const auto sample = constant.value_or(
            std::int16_t(std::lround(12000 * std::sin(2 * std::numbers::pi * 441 * i / double(rate)))));
        for (int c = 0; c < channels; ++c) {
            data.append(reinterpret_cast<const char *>(&sample), 2);
        }
    }
    QByteArray head;
    const auto add = [&head](quint32 value, int bytes) { head.append(reinterpret_cast<const char *>(&value), bytes); };
    head.append("RIFF");
    add(quint32(36 + data.size()), 4);
    head.append("WAVEfmt ");
    add(16, 4);
    add(1, 2);
    add(quint32(channels), 2);
    add(quint32(rate), 4);
    add(quint32(rate * channels * 2), 4);
    add(quint32(channels * 2), 2);
    add(16, 2);
    head.append("data");
    add(quint32(data.size()), 4);
    return head + data;
}

/// How many times the left channel changes sign.
int signChanges(const Pcm &pcm, qsizetype from) {
    int changes = 0;
    for (auto i = std::size_t(from) * 2 + 2; i < pcm.size(); i += 2) {
        changes += (pcm[i] < 0) != (pcm[i - 2] < 0) ? 1 : 0;
    }
    return changes;
}

} // namespace

class TestPcmFeed : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fill_looping_repeatsTheGaplessDecodeWithNothingAddedOrLost_data();
    void fill_looping_repeatsTheGaplessDecodeWithNothingAddedOrLost();
    void fill_notLooping_endsAfterOneDecode();
    void fill_notLooping_aSoundThatNeverEnds_fallsAndEndsAsAFileWould();
    void fill_fasterRate_keepsItsPhaseAcrossTheSeam_data();
    void fill_fasterRate_keepsItsPhaseAcrossTheSeam();
    void fill_looping_aFileThatYieldsNothing_failsAtOnce();
    void fill_eachFormat_loopsWithNothingAddedOrLost_data();
    void fill_eachFormat_loopsWithNothingAddedOrLost();
    void fill_cleanSeam_staysBitExactOverTwentyLoops_data();
    void fill_cleanSeam_staysBitExactOverTwentyLoops();
    void fill_toneCutMidCycle_crossesItsSeamWithoutAStep();
    void fill_shortFile_isDecodedOnceAndLoopedFromMemory_data();
    void fill_shortFile_isDecodedOnceAndLoopedFromMemory();
    void fill_fades_riseFromSilenceAndFallToItFrameByFrame();
    void fill_sourceLevel_setFromTheStartThenMovedToInARampOfOverASecond();
    void fill_longSource_playsAsDecodedWithoutBeingHeld_data();
    void fill_longSource_playsAsDecodedWithoutBeingHeld();
    void fill_fileChangedWhileLooping_isOpenedAfreshAtAPassEnd_data();
    void fill_fileChangedWhileLooping_isOpenedAfreshAtAPassEnd();
};

void TestPcmFeed::fill_looping_repeatsTheGaplessDecodeWithNothingAddedOrLost_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("chunk");
    QTest::newRow("CBR, audio-sized chunks") << u"sine-cbr.mp3"_s << 1024;
    QTest::newRow("CBR, odd chunks") << u"sine-cbr.mp3"_s << 997;
    QTest::newRow("VBR, audio-sized chunks") << u"vbr.mp3"_s << 1024;
    QTest::newRow("VBR, chunks longer than the file") << u"vbr.mp3"_s << 100000;
}

void TestPcmFeed::fill_looping_repeatsTheGaplessDecodeWithNothingAddedOrLost() {
    QFETCH(QString, name);
    QFETCH(int, chunk);
    const Pcm once = soundfiles::decodeAll(soundfiles::path(name));
    PcmFeed feed(openFeed(name));
    Pcm out(once.size() * 4);
    for (std::size_t at = 0; at < out.size(); at += std::size_t(chunk) * 2) {
        const auto piece = std::span(out).subspan(at, std::min(std::size_t(chunk) * 2, out.size() - at));
        QCOMPARE(feed.fill(piece, 1.0, true), qsizetype(piece.size() / 2));
    }
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] != once[i % once.size()]) {
            QFAIL(qPrintable(u"differs at frame %1 of loop %2"_s.arg(i % once.size() / 2).arg(i / once.size())));
        }
    }
}

void TestPcmFeed::fill_notLooping_endsAfterOneDecode() {
    const Pcm once = soundfiles::decodeAll(soundfiles::path(u"sine-cbr.mp3"_s));
    PcmFeed feed(openFeed(u"sine-cbr.mp3"_s));
    Pcm out(once.size() + 2000);
    QCOMPARE(feed.fill(out, 1.0, false), soundfiles::frames(once));
    QVERIFY(std::equal(once.begin(), once.end(), out.begin()));
    QCOMPARE(feed.fill(out, 1.0, true), 0);
}

void TestPcmFeed::fill_notLooping_aSoundThatNeverEnds_fallsAndEndsAsAFileWould() {
    PcmFeed once(std::make_unique<NoiseGenerator>(GeneratedNoise::Colour::Pink, 3));
    Pcm out((PcmFeed::OnceFrames + 1000) * 2);
    QCOMPARE(once.fill(out, 1.0, false), PcmFeed::OnceFrames);
    const auto peak = [&out](qsizetype from, qsizetype to) {
        int most = 0;
        for (qsizetype i = from * 2; i < to * 2; ++i) {
            most = std::max(most, std::abs(int(out[std::size_t(i)])));
        }
        return most;
    };
    // Full level until its fall, then a ramp down to a silent last frame: no cut.
    const qsizetype fall = PcmFeed::OnceFrames - PcmFeed::OnceFallFrames;
    QCOMPARE_GT(peak(fall - 4410, fall), 10000);
    QCOMPARE_LT(peak(PcmFeed::OnceFrames - 441, PcmFeed::OnceFrames), 500);
    QCOMPARE(peak(PcmFeed::OnceFrames - 1, PcmFeed::OnceFrames), 0);
    QCOMPARE(once.fill(out, 1.0, false), 0);

    // Looped, it plays on.
    PcmFeed looped(std::make_unique<NoiseGenerator>(GeneratedNoise::Colour::Pink, 3));
    QCOMPARE(looped.fill(out, 1.0, true), PcmFeed::OnceFrames + 1000);
}

void TestPcmFeed::fill_fasterRate_keepsItsPhaseAcrossTheSeam_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("rate");
    QTest::newRow("odd length, twice") << u"vbr.mp3"_s << 2.0;
    QTest::newRow("even length, twice") << u"noise-loop.mp3"_s << 2.0;
    QTest::newRow("even length, one and a half") << u"noise-loop.mp3"_s << 1.5;
}

void TestPcmFeed::fill_fasterRate_keepsItsPhaseAcrossTheSeam() {
    QFETCH(QString, name);
    QFETCH(double, rate);
    const Pcm once = soundfiles::decodeAll(soundfiles::path(name));
    const qsizetype length = soundfiles::frames(once);
    PcmFeed feed(openFeed(name));
    Pcm out(once.size());
    QCOMPARE(feed.fill(out, rate, true), length);
    // Output frame k lies at rate * k in the endless repetition of the file, between two of its frames.
    for (qsizetype k = 0; k < length; ++k) {
        const double at = rate * double(k);
        const auto before = static_cast<qsizetype>(at);
        for (qsizetype c = 0; c < 2; ++c) {
            const int a = once[std::size_t(before % length * 2 + c)];
            const int b = once[std::size_t((before + 1) % length * 2 + c)];
            if (out[std::size_t(k * 2 + c)] != std::lround(a + (b - a) * (at - double(before)))) {
                QFAIL(qPrintable(u"differs at output frame %1 of %2"_s.arg(k).arg(length)));
            }
        }
    }
}

void TestPcmFeed::fill_looping_aFileThatYieldsNothing_failsAtOnce() {
    QTemporaryDir dir;
    const QString cut = dir.filePath(u"cut.mp3"_s);
    QVERIFY(QFile::copy(soundfiles::path(u"sine-cbr.mp3"_s), cut));
    auto decoder = std::make_unique<Mp3Decoder>();
    decoder->open(cut);
    PcmFeed feed(std::move(decoder));
    QVERIFY(QFile::resize(cut, 0));
    Pcm out(4096);
    bool failed = false;
    returnsAtAll([&] {
        try {
            feed.fill(out, 1.0, true);
        } catch (const std::runtime_error &) {
            failed = true;
        }
    });
    QVERIFY(failed);
}

void TestPcmFeed::fill_eachFormat_loopsWithNothingAddedOrLost_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("rate");
    for (const QString &extension : {u"wav"_s, u"flac"_s, u"ogg"_s, u"opus"_s}) {
        for (const double rate : {1.0, 2.0}) {
            QTest::addRow("%s at rate %g", qPrintable(extension), rate) << u"noise-loop."_s + extension << rate;
        }
    }
}

void TestPcmFeed::fill_eachFormat_loopsWithNothingAddedOrLost() {
    QFETCH(QString, name);
    QFETCH(double, rate);
    const auto decoder = openDecoder(soundfiles::path(name));
    const double step = rate * decoder->sampleRate() / 44100.0;
    const Pcm once = soundfiles::decodeAll(soundfiles::path(name));
    // Four passes of the decode, brought to the output's rate in one go.
    Pcm repeated;
    for (int i = 0; i < 4; ++i) {
        repeated.insert(repeated.end(), once.begin(), once.end());
    }
    const auto frames = qsizetype(double(soundfiles::frames(repeated) - 1) / step);
    Pcm expected(std::size_t(frames) * 2);
    Resampler resampler;
    resampler.setRate(step);
    QCOMPARE(resampler.process(repeated, expected).produced, frames);

    PcmFeed feed(openDecoder(soundfiles::path(name)));
    QVERIFY(run(feed, frames, rate) == expected);
}

void TestPcmFeed::fill_cleanSeam_staysBitExactOverTwentyLoops_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("gapless noise loop") << soundfiles::path(u"noise-loop.mp3"_s);
}

void TestPcmFeed::fill_cleanSeam_staysBitExactOverTwentyLoops() {
    QFETCH(QString, file);
    const Pcm once = soundfiles::decodeAll(file);
    PcmFeed feed(std::make_unique<soundfiles::MemoryDecoder>(once));
    std::vector<std::int16_t> out(once.size());
    for (int loop = 0; loop < 20; ++loop) {
        QCOMPARE(feed.fill(out, 1.0, true), soundfiles::frames(once));
        QVERIFY2(out == once, qPrintable(u"loop %1 differs"_s.arg(loop + 1)));
    }
}

void TestPcmFeed::fill_toneCutMidCycle_crossesItsSeamWithoutAStep() {
    // 441 Hz cut a third of the way into a cycle, after half a second.
    Pcm tone;
    for (int i = 0; i < 22050 + 33; ++i) {
        const auto sample = std::int16_t(std::lround(16000 * std::sin(2 * std::numbers::pi * 441 * i / 44100.0)));
        tone.insert(tone.end(), {sample, sample});
    }
    const double own = peakBend(tone);
    PcmFeed feed(std::make_unique<soundfiles::MemoryDecoder>(tone));
    const Pcm out = run(feed, 4 * soundfiles::frames(tone));
    QCOMPARE_LT(peakBend(out), 3 * own);
    // The sound itself is kept: as loud as the tone all through, silent nowhere.
    QCOMPARE_GT(level(out, 0, soundfiles::frames(out)), 0.6 * level(tone, 0, soundfiles::frames(tone)));
}

void TestPcmFeed::fill_shortFile_isDecodedOnceAndLoopedFromMemory_data() {
    QTest::addColumn<Pcm>("pcm");
    QTest::addColumn<int>("rate");
    const auto cycle = [](int frames) {
        Pcm pcm;
        for (int i = 0; i < frames; ++i) {
            const auto sample = std::int16_t(std::lround(16000 * std::sin(2 * std::numbers::pi * i / frames)));
            pcm.insert(pcm.end(), {sample, sample});
        }
        return pcm;
    };
    QTest::newRow("one frame") << Pcm{1000, -1000} << 44100;
    QTest::newRow("one cycle of a sine") << cycle(100) << 44100;
    // Too slow for a crossfade of 30 ms to span a single frame.
    QTest::newRow("eight frames at 1 Hz") << cycle(8) << 1;
    QTest::newRow("eight frames at 50 Hz") << cycle(8) << 50;
    QTest::newRow("the longest pass held") << Pcm(std::size_t(PassCache::MaxFrames) * 2, 7) << 44100;
}

void TestPcmFeed::fill_shortFile_isDecodedOnceAndLoopedFromMemory() {
    QFETCH(Pcm, pcm);
    QFETCH(int, rate);
    auto decoder = std::make_unique<soundfiles::MemoryDecoder>(pcm, rate);
    const soundfiles::MemoryDecoder &file = *decoder;
    PcmFeed feed(std::move(decoder));
    const qsizetype frames = std::max<qsizetype>(3 * soundfiles::frames(pcm), 44100);
    const Pcm out = run(feed, frames, PcmFeed::SampleRate / double(rate));
    QCOMPARE(file.rewinds, 0);
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] != pcm[i % pcm.size()]) {
            QFAIL(qPrintable(u"differs at frame %1"_s.arg(i / 2)));
        }
    }
}

void TestPcmFeed::fill_longSource_playsAsDecodedWithoutBeingHeld_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("generated noise") << QString();
    // 15 s at 44.1 kHz, more than a pass held in memory.
    QTest::newRow("a long WAV file") << u"long.wav"_s;
}

void TestPcmFeed::fill_longSource_playsAsDecodedWithoutBeingHeld() {
    QFETCH(QString, file);
    QTemporaryDir dir;
    const auto open = [&]() -> std::unique_ptr<Decoder> {
        if (file.isEmpty()) {
            return std::make_unique<NoiseGenerator>(GeneratedNoise::Colour::Brown, 9);
        }
        return openDecoder(dir.filePath(file));
    };
    if (!file.isEmpty()) {
        QFile out(dir.filePath(file));
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(wav(44100, 1, 15 * 44100)) > 0);
    }
    PcmFeed feed(open());
    const std::unique_ptr<Decoder> same = open();
    Pcm played(2048 * 2);
    Pcm decoded(played.size());
    const auto heap = [] {
        const struct mallinfo2 info = mallinfo2();
        return info.uordblks + info.hblkhd;
    };
    // The first buffer sets the feed up; none after it takes memory: a pass too long to keep is not recorded.
    feed.fill(played, 1.0, true);
    same->read(decoded);
    QCOMPARE(played, decoded);
    const std::size_t before = heap();
    std::size_t most = before;
    for (int i = 0; i < 10 * 44100 / 2048; ++i) {
        QCOMPARE(feed.fill(played, 1.0, true), 2048);
        same->read(decoded);
        QCOMPARE(played, decoded);
        most = std::max(most, heap());
    }
    QCOMPARE_LT(most - before, std::size_t(64 * 1024));
}

void TestPcmFeed::fill_fades_riseFromSilenceAndFallToItFrameByFrame() {
    const qsizetype second = 44100;
    const Pcm once = soundfiles::decodeAll(soundfiles::path(u"noise-loop.mp3"_s));

    // Fade In 2: the first 100 ms far below the steady level, which is reached, sample for sample, by its end.
    PcmFeed rising(openDecoder(soundfiles::path(u"noise-loop.mp3"_s)), 2 * second);
    const Pcm start = run(rising, 3 * second);
    QCOMPARE_LT(level(start, 0, second / 10), level(start, 2 * second, 3 * second) / 4);
    for (qsizetype i = 2 * second; i < 3 * second; ++i) {
        QCOMPARE(start[std::size_t(2 * i)], once[std::size_t(2 * (i % soundfiles::frames(once)))]);
    }

    // A fade-out asked mid-stream: far below the steady level in its last tenth, silent from its last frame on.
    PcmFeed falling(openDecoder(soundfiles::path(u"noise-loop.mp3"_s)));
    const Pcm steady = run(falling, second / 2);
    falling.fadeOut(second);
    const Pcm fall = run(falling, 2 * second);
    QCOMPARE_LT(level(fall, second * 9 / 10, second - 1), level(steady, 0, second / 2) / 4);
    QCOMPARE(level(fall, second - 1, 2 * second), 0.0);
}

void TestPcmFeed::fill_sourceLevel_setFromTheStartThenMovedToInARampOfOverASecond() {
    const qsizetype second = 44100;
    auto level = std::make_shared<SourceLevel>();
    level->set(4.0);
    PcmFeed feed(std::make_unique<soundfiles::MemoryDecoder>(Pcm(std::size_t(4 * second), 10000)), 0, level);

    // Known before the first frame: heard from it, what would pass full scale bent below it.
    const std::int16_t first = run(feed, 1).front();
    QCOMPARE_GT(first, 29490);
    QCOMPARE_LT(first, 32767);
    // A later value, or even loudness turned off, is reached no sooner than a second later, in no audible step.
    for (const auto &change :
         {std::function([&] { level->set(0.5); }), std::function([&] { feed.setEvenLoudness(false); })}) {
        change();
        const Pcm ramp = run(feed, 2 * second);
        const std::int16_t reached = ramp.back();
        QVERIFY(ramp[std::size_t(2 * second)] != reached);
        for (std::size_t i = 2; i < ramp.size(); i += 2) {
            QCOMPARE_LE(std::abs(ramp[i] - ramp[i - 2]), 8);
        }
        QCOMPARE(ramp[ramp.size() - second / 4], reached);
    }
    QCOMPARE(run(feed, 1).front(), 10000);
}

QTEST_GUILESS_MAIN(TestPcmFeed)
void TestPcmFeed::fill_fileChangedWhileLooping_isOpenedAfreshAtAPassEnd_data() {
    QTest::addColumn<int>("firstFrames");
    QTest::addColumn<QByteArray>("changed");
    QTest::addColumn<bool>("inPlace");
    // Short passes are replayed from memory, long ones decoded afresh each time.
    QTest::newRow("another rate and channel count, replaced") << 1000 << wav(22050, 1, 2500) << false;
    QTest::newRow("cut short in place") << 1000 << wav(44100, 2, 500) << true;
    QTest::newRow("long pass rewritten in place at another rate")
        << int(PassCache::MaxFrames) + 1000 << wav(48000, 2, 48000) << true;
}

void TestPcmFeed::fill_fileChangedWhileLooping_isOpenedAfreshAtAPassEnd() {
    QFETCH(int, firstFrames);
    QFETCH(QByteArray, changed);
    QFETCH(bool, inPlace);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"changing.wav"_s);
    const auto write = [](const QString &to, const QByteArray &bytes) {
        QFile file(to);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    };
    QVERIFY(write(path, wav(44100, 2, firstFrames, 1000)));
    PcmFeed feed(openDecoder(path));
    run(feed, 100);
    if (inPlace) {
        QVERIFY(write(path, changed));
    } else {
        QVERIFY(write(path + u".new"_s, changed));
        QVERIFY(std::rename(QFile::encodeName(path + u".new"_s).constData(), QFile::encodeName(path).constData()) == 0);
    }
    // A held pass is looked at again within a second of sound, a decoded one at its end.
    const qsizetype frames = firstFrames + 3 * 44100;
    const Pcm out = run(feed, frames);
    // The last second is the new file at its own pitch: 441 cycles of the sine, none of the constant.
    QCOMPARE_GE(signChanges(out, frames - 44100), 2 * 441 - 2);
    QCOMPARE_LE(signChanges(out, frames - 44100), 2 * 441 + 2);
}

#include "tst_pcmfeed.moc"
