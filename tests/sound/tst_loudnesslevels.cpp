#include "loudnesslevels.h"
#include "loudnessmeter.h"
#include "noisegenerator.h"
#include "pcmfeed.h"
#include "soundfiles.h"
#include "sourcelevel.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;
using soundfiles::Pcm;

namespace {

constexpr qsizetype Second = 44100;

/// \a pcm as a 16-bit stereo WAV file at \a path.
void writeWav(const QString &path, const Pcm &pcm) {
    const auto bytes = quint32(pcm.size() * 2);
    QByteArray head;
    const auto add = [&head](quint32 value, int size) { head.append(reinterpret_cast<const char *>(&value), size); };
    head.append("RIFF");
    add(36 + bytes, 4);
    head.append("WAVEfmt ");
    for (const auto &[value, size] : {std::pair(16, 4), {1, 2}, {2, 2}, {44100, 4}, {44100 * 4, 4}, {4, 2}, {16, 2}}) {
        add(quint32(value), size);
    }
    head.append("data");
    add(bytes, 4);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(head + QByteArray(reinterpret_cast<const char *>(pcm.data()), qsizetype(bytes)));
}

Pcm noise(GeneratedNoise::Colour colour, qsizetype frames, double gain) {
    NoiseGenerator generator(colour, 11);
    Pcm pcm(std::size_t(frames * 2));
    generator.read(pcm);
    for (std::int16_t &sample : pcm) {
        sample = std::int16_t(std::lround(sample * gain));
    }
    return pcm;
}

/// What the feed plays of \a path at \a level, looped, over \a frames.
Pcm played(const QString &path, const std::shared_ptr<SourceLevel> &level, qsizetype frames) {
    PcmFeed feed(openDecoder(path), 0, level);
    Pcm out(std::size_t(frames * 2));
    for (std::size_t at = 0; at < out.size(); at += 8192) {
        feed.fill(std::span(out).subspan(at, std::min<std::size_t>(8192, out.size() - at)), 1.0, true);
    }
    return out;
}

Loudness measured(const Pcm &pcm) {
    LoudnessMeter meter(44100);
    meter.add(pcm);
    return meter.loudness();
}

} // namespace

class TestLoudnessLevels : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qRegisterMetaType<const SourceLevel *>(); }
    void levelOf_twoCopiesTwentyDecibelsApart_playWithinOneUnit_andAreMeasuredOnce();
    void levelOf_aFilePeakingAtFullScale_isNeverRaisedIntoClipping();
};

void TestLoudnessLevels::levelOf_twoCopiesTwentyDecibelsApart_playWithinOneUnit_andAreMeasuredOnce() {
    QTemporaryDir dir;
    const QString loud = dir.filePath(u"loud.wav"_s);
    const QString quiet = dir.filePath(u"quiet.wav"_s);
    // Longer than the estimate, so that the measurement of the whole follows it.
    writeWav(loud, noise(GeneratedNoise::Colour::White, 8 * Second, 1.0));
    writeWav(quiet, noise(GeneratedNoise::Colour::White, 8 * Second, 0.1));
    const QString cacheFile = dir.filePath(u"loudness.ini"_s);

    std::vector<double> gains;
    {
        LoudnessLevels levels(cacheFile);
        QSignalSpy known(&levels, &LoudnessLevels::levelKnown);
        const auto loudLevel = levels.levelOf(loud);
        const auto quietLevel = levels.levelOf(quiet);
        QTRY_COMPARE(known.size(), 2);
        // Both measured whole once the cache holds both.
        QTRY_VERIFY([&] {
            QFile file(cacheFile);
            return file.open(QIODevice::ReadOnly) && file.readAll().count('\n') == 3;
        }());
        const Loudness heardLoud = measured(played(loud, loudLevel, 10 * Second));
        const Loudness heardQuiet = measured(played(quiet, quietLevel, 10 * Second));
        QCOMPARE_LT(std::abs(heardLoud.lufs - heardQuiet.lufs), 1.0);
        QCOMPARE_LT(std::abs(heardLoud.lufs - Loudness::TargetLufs), 1.0);
        gains = {loudLevel->gain(), quietLevel->gain()};
    }
    // Known from the cache from then on, at once.
    LoudnessLevels again(cacheFile);
    QSignalSpy known(&again, &LoudnessLevels::levelKnown);
    const auto loudLevel = again.levelOf(loud);
    QVERIFY(known.wait(1000));
    QCOMPARE(loudLevel->gain(), gains[0]);
}

void TestLoudnessLevels::levelOf_aFilePeakingAtFullScale_isNeverRaisedIntoClipping() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"clicks.wav"_s);
    // Faint noise, far below the target, with a full-scale click every second.
    Pcm pcm = noise(GeneratedNoise::Colour::Pink, 4 * Second, 0.01);
    for (std::size_t at = 0; at < pcm.size(); at += 2 * Second) {
        pcm[at] = 32767;
        pcm[at + 3] = -32768;
    }
    writeWav(path, pcm);
    LoudnessLevels levels(dir.filePath(u"loudness.ini"_s));
    const auto level = levels.levelOf(path);
    QTRY_VERIFY(level->isKnown());
    QCOMPARE_LE(level->gain(), 1.0);
    // Before the seam, where a loop may cross into its start.
    const Pcm out = played(path, level, 3 * Second);
    QVERIFY(std::equal(out.begin(), out.end(), pcm.begin(),
                       [](auto heard, auto held) { return std::abs(heard) <= std::abs(held); }));
}

QTEST_GUILESS_MAIN(TestLoudnessLevels)
#include "tst_loudnesslevels.moc"
