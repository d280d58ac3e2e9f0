#include "loudnessmeter.h"
#include "noisegenerator.h"
#include "testseed.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <numeric>
#include <vector>

using Colour = GeneratedNoise::Colour;
Q_DECLARE_METATYPE(GeneratedNoise::Colour)

namespace {

constexpr int Rate = NoiseGenerator::SampleRate;

struct Stereo {
    std::vector<double> left, right;
};

Stereo generate(NoiseGenerator &generator, qsizetype frames) {
    Stereo sound;
    std::vector<std::int16_t> chunk(4096 * 2);
    while (qsizetype(sound.left.size()) < frames) {
        const qsizetype got = generator.read(chunk);
        if (got != 4096) {
            qFatal("the noise stopped short");
        }
        for (qsizetype i = 0; i < got && qsizetype(sound.left.size()) < frames; ++i) {
            sound.left.push_back(chunk[std::size_t(2 * i)]);
            sound.right.push_back(chunk[std::size_t(2 * i + 1)]);
        }
    }
    return sound;
}

void fft(std::vector<std::complex<double>> &data) {
    const std::size_t n = data.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) {
            j ^= bit;
        }
        j ^= bit;
        if (i < j) {
            std::swap(data[i], data[j]);
        }
    }
    for (std::size_t length = 2; length <= n; length <<= 1) {
        const std::complex<double> step = std::polar(1.0, -2.0 * std::numbers::pi / double(length));
        for (std::size_t i = 0; i < n; i += length) {
            std::complex<double> w(1.0);
            for (std::size_t k = 0; k < length / 2; ++k, w *= step) {
                const std::complex<double> odd = data[i + k + length / 2] * w;
                data[i + k + length / 2] = data[i + k] - odd;
                data[i + k] += odd;
            }
        }
    }
}

// Power per bin, averaged over Hann-windowed segments of both channels.
std::vector<double> powerSpectrum(const Stereo &sound, std::size_t size) {
    std::vector<double> power(size / 2);
    std::vector<std::complex<double>> segment(size);
    for (const auto *channel : {&sound.left, &sound.right}) {
        for (std::size_t start = 0; start + size <= channel->size(); start += size) {
            for (std::size_t i = 0; i < size; ++i) {
                const double hann = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * double(i) / double(size));
                segment[i] = (*channel)[start + i] * hann;
            }
            fft(segment);
            for (std::size_t k = 0; k < size / 2; ++k) {
                power[k] += std::norm(segment[k]);
            }
        }
    }
    return power;
}

double correlation(std::span<const double> a, std::span<const double> b) {
    const double meanA = std::accumulate(a.begin(), a.end(), 0.0) / double(a.size());
    const double meanB = std::accumulate(b.begin(), b.end(), 0.0) / double(b.size());
    double ab = 0.0, aa = 0.0, bb = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        ab += (a[i] - meanA) * (b[i] - meanB);
        aa += (a[i] - meanA) * (a[i] - meanA);
        bb += (b[i] - meanB) * (b[i] - meanB);
    }
    return ab / std::sqrt(aa * bb);
}

constexpr std::size_t Block = 64;
constexpr std::size_t WindowBlocks = 8192;
constexpr std::size_t ShortestLagBlocks = Rate / Block;
constexpr std::size_t LongestLagBlocks = 60 * Rate / Block + 1;
constexpr qsizetype RepeatFrames = qsizetype((LongestLagBlocks + WindowBlocks + 1) * Block);

// The largest correlation between the first stretch of a sound and the sound any 1 to 60 s later, without an FFT:
// compared are the energies of its first differences over blocks of 64 samples. Those of noise without memory are
// independent, while a sound that repeats repeats them too, block for block or overlapping half a block at least. Every
// period up to 60 s has a multiple from 1 s on.
float largestRepeat(const std::vector<double> &samples) {
    std::vector<float> energy(samples.size() / Block - 1);
    for (std::size_t b = 0; b < energy.size(); ++b) {
        double sum = 0.0;
        for (std::size_t i = b * Block + 1; i <= (b + 1) * Block; ++i) {
            sum += (samples[i] - samples[i - 1]) * (samples[i] - samples[i - 1]);
        }
        energy[b] = float(sum);
    }
    const float mean = std::accumulate(energy.begin(), energy.end(), 0.0f) / float(energy.size());
    for (float &e : energy) {
        e -= mean;
    }
    const std::span<const float> first(energy.data(), WindowBlocks);
    const float firstSize = std::sqrt(std::inner_product(first.begin(), first.end(), first.begin(), 0.0f));
    float largest = 0.0f;
    for (std::size_t lag = ShortestLagBlocks; lag <= LongestLagBlocks; ++lag) {
        const std::span<const float> later(energy.data() + lag, WindowBlocks);
        const float dot = std::inner_product(first.begin(), first.end(), later.begin(), 0.0f);
        const float size = std::sqrt(std::inner_product(later.begin(), later.end(), later.begin(), 0.0f));
        largest = std::max(largest, dot / (firstSize * size));
    }
    return largest;
}

} // namespace

class TestNoiseGenerator : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void colours_data() {
        QTest::addColumn<Colour>("colour");
        QTest::addColumn<double>("dbPerOctave");
        QTest::newRow("white") << Colour::White << 0.0;
        QTest::newRow("pink") << Colour::Pink << -3.0103;
        QTest::newRow("brown") << Colour::Brown << -6.0206;
    }

    void spectrumAndLevel_followTheColourWithoutClipping_data() { colours_data(); }
    void spectrumAndLevel_followTheColourWithoutClipping() {
        QFETCH(Colour, colour);
        QFETCH(double, dbPerOctave);
        NoiseGenerator generator(colour, testSeed(1));
        const Stereo sound = generate(generator, 60 * Rate);
        constexpr std::size_t Size = 32768;
        for (const auto *channel : {&sound.left, &sound.right}) {
            double squares = 0.0;
            double peak = 0.0;
            for (double s : *channel) {
                squares += s * s;
                peak = std::max(peak, std::abs(s));
            }
            // About the level of the loops played before.
            const double rmsDb = 20.0 * std::log10(std::sqrt(squares / double(channel->size())) / 32768.0);
            QVERIFY2(rmsDb > -18.5 && rmsDb < -16.0, qPrintable(QString::number(rmsDb)));
            QVERIFY2(peak < 32767.0, qPrintable(QString::number(peak)));
        }
        const std::vector<double> power = powerSpectrum(sound, Size);
        const double binHz = double(Rate) / Size;
        // Mean power per bin from \a low to \a high.
        const auto band = [&](double low, double high) {
            double sum = 0.0;
            int bins = 0;
            for (std::size_t k = 1; k < power.size(); ++k) {
                if (double(k) * binHz >= low && double(k) * binHz < high) {
                    sum += power[k];
                    ++bins;
                }
            }
            return 10.0 * std::log10(sum / bins);
        };
        const auto octave = [&](double centre) {
            return band(centre / std::numbers::sqrt2, centre * std::numbers::sqrt2);
        };
        const double centres[] = {62.5, 125, 250, 500, 1000, 2000, 4000, 8000};
        std::vector<double> offsets;
        for (double centre : centres) {
            offsets.push_back(octave(centre) - dbPerOctave * std::log2(centre / 1000.0));
        }
        const double line = std::accumulate(offsets.begin(), offsets.end(), 0.0) / double(offsets.size());
        for (std::size_t i = 0; i < offsets.size(); ++i) {
            if (std::abs(offsets[i] - line) > 0.5) {
                QFAIL(qPrintable(u"the %1 Hz band lies %2 dB off the line"_qs.arg(centres[i]).arg(offsets[i] - line)));
            }
        }
        if (colour == Colour::Brown) {
            // Where a speaker would pump, well under the line; and nothing at all at DC.
            const double below20 = band(binHz, 20.0) - (line + dbPerOctave * std::log2(12.0 / 1000.0));
            QVERIFY2(below20 < -10.0, qPrintable(QString::number(below20)));
            for (const auto *channel : {&sound.left, &sound.right}) {
                const double mean = std::accumulate(channel->begin(), channel->end(), 0.0) / double(channel->size());
                QVERIFY2(std::abs(mean) < 1.0, qPrintable(QString::number(mean)));
            }
        }
    }

    void channels_areIndependentAndNeverRepeat_data() {
        QTest::addColumn<Colour>("colour");
        QTest::addColumn<qsizetype>("loopFrames");
        QTest::newRow("white") << Colour::White << qsizetype(0);
        QTest::newRow("pink") << Colour::Pink << qsizetype(0);
        QTest::newRow("brown") << Colour::Brown << qsizetype(0);
        // The check itself: the loops that were played before repeated every 2^21 frames.
        QTest::newRow("a looped pink stretch is seen") << Colour::Pink << (qsizetype{1} << 21);
        QTest::newRow("a looped white stretch is seen") << Colour::White << qsizetype(7 * Rate + 11);
    }
    void channels_areIndependentAndNeverRepeat() {
        QFETCH(Colour, colour);
        QFETCH(qsizetype, loopFrames);
        NoiseGenerator generator(colour, testSeed(2));
        Stereo sound = generate(generator, std::max(RepeatFrames, qsizetype(60 * Rate)));
        if (loopFrames > 0) {
            for (std::size_t i = std::size_t(loopFrames); i < sound.left.size(); ++i) {
                sound.left[i] = sound.left[i - std::size_t(loopFrames)];
            }
        }
        const float repeat = largestRepeat(sound.left);
        QVERIFY2((repeat > 0.1f) == (loopFrames > 0), qPrintable(QString::number(repeat)));
        if (loopFrames == 0) {
            const double between = correlation(sound.left, sound.right);
            QVERIFY2(std::abs(between) < 0.05, qPrintable(QString::number(between)));
        }
    }

    void loudness_isTheOneMeasuredOverAMinuteOfAnySeed_data() { colours_data(); }
    void loudness_isTheOneMeasuredOverAMinuteOfAnySeed() {
        QFETCH(Colour, colour);
        NoiseGenerator generator(colour, testSeed(5));
        LoudnessMeter meter(Rate);
        std::vector<std::int16_t> chunk(Rate * 2);
        for (int second = 0; second < 60; ++second) {
            generator.read(chunk);
            meter.add(chunk);
        }
        const double measured = meter.loudness().lufs;
        QVERIFY2(std::abs(measured - NoiseGenerator::loudness(colour)) < 0.05, qPrintable(QString::number(measured)));
    }

    void seed_repeatsARunAndRewindStartsItAgain() {
        const quint32 seed = testSeed(4);
        NoiseGenerator one(Colour::Pink, seed);
        NoiseGenerator same(Colour::Pink, seed);
        NoiseGenerator other(Colour::Pink, seed + 1);
        const Stereo first = generate(one, Rate);
        QCOMPARE(generate(same, Rate).left, first.left);
        QVERIFY(generate(other, Rate).left != first.left);
        one.rewind();
        QCOMPARE(generate(one, Rate).right, first.right);
        QCOMPARE(one.lengthFrames(), Decoder::Endless);
    }
};

QTEST_GUILESS_MAIN(TestNoiseGenerator)
#include "tst_noisegenerator.moc"
