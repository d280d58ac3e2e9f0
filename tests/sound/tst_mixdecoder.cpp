#include "mixdecoder.h"
#include "soundfiles.h"

#include <QTest>

#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;
using soundfiles::MemoryDecoder;
using soundfiles::Pcm;

namespace {

// Whole periods of a sine in both channels, so that the end flows into the start: a seam that repeats bit for bit.
Pcm periods(int periodFrames, int count, double amplitude) {
    Pcm pcm;
    for (int i = 0; i < periodFrames * count; ++i) {
        const auto sample = std::int16_t(std::lround(amplitude * std::sin(2 * std::numbers::pi * i / periodFrames)));
        pcm.push_back(sample);
        pcm.push_back(sample);
    }
    return pcm;
}

// Layers named by the sounds they play, opened from memory.
MixDecoder mixOf(const QList<std::pair<Pcm, int>> &sounds) {
    QList<MixSource::Layer> layers;
    for (qsizetype i = 0; i < sounds.size(); ++i) {
        layers << MixSource::Layer{QString::number(i), sounds.at(i).second};
    }
    return MixDecoder(layers, [sounds](const QString &path) -> std::unique_ptr<Decoder> {
        if (path == u"missing"_s) {
            throw std::runtime_error("missing: no such file");
        }
        return std::make_unique<MemoryDecoder>(sounds.at(path.toInt()).first);
    });
}

Pcm run(MixDecoder &mix, qsizetype frames) {
    Pcm out(std::size_t(frames) * 2);
    for (std::size_t at = 0; at < out.size();) {
        at += std::size_t(mix.read(std::span(out).subspan(at, std::min<std::size_t>(1500, out.size() - at)))) * 2;
    }
    return out;
}

} // namespace

class TestMixDecoder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A 7-period layer over a 5-period one of another length: each loops on its own length, exactly.
    void layersOfDifferentLengths_loopSampleExactly() {
        const Pcm rain = periods(147, 3, 9000);
        const Pcm fan = periods(200, 5, 12000);
        MixDecoder alone = mixOf({{rain, 100}});
        MixDecoder both = mixOf({{rain, 50}, {fan, 30}});
        const qsizetype frames = 20 * soundfiles::frames(fan);
        const Pcm heardAlone = run(alone, frames);
        const Pcm heardBoth = run(both, frames);
        for (std::size_t i = 0; i < heardAlone.size(); ++i) {
            // One layer at full volume is the file itself.
            QCOMPARE(heardAlone[i], rain[i % rain.size()]);
            const float sum = float(rain[i % rain.size()]) * 0.5F + float(fan[i % fan.size()]) * 0.3F;
            QCOMPARE(heardBoth[i], std::int16_t(std::lround(sum)));
        }
    }

    // Two full-scale layers never clip: the sum is turned down, not cut off, and comes back up when it quietens.
    void fullScaleLayers_areLimitedNotClipped() {
        const Pcm loud = periods(100, 441, 32767);
        MixDecoder mix = mixOf({{loud, 100}, {loud, 100}});
        const Pcm heard = run(mix, soundfiles::frames(loud));
        // After the first peak the gain holds near half, rising a little between peaks: every sample stays a scaled
        // copy of the sum, where a clipped sum would keep its quieter samples whole.
        for (std::size_t i = 200; i < heard.size(); ++i) {
            const double sum = 2.0 * loud[i];
            if (std::abs(sum) > 1000) {
                const double ratio = heard[i] / sum;
                QVERIFY2(ratio > 0.45 && ratio < 0.51, qPrintable(QString::number(ratio)));
            }
        }
        QVERIFY(*std::max_element(heard.cbegin(), heard.cend()) <= 32767);
    }

    void layerThatDoesNotPlay_isLeftOut_noneThatPlays_fails() {
        const Pcm rain = periods(147, 3, 9000);
        MixDecoder mix(QList<MixSource::Layer>{{u"missing"_s, 100}, {u"0"_s, 100}},
                       [rain](const QString &path) -> std::unique_ptr<Decoder> {
                           if (path == u"missing"_s) {
                               throw std::runtime_error("missing: no such file");
                           }
                           return std::make_unique<MemoryDecoder>(rain);
                       });
        QCOMPARE(run(mix, 441), Pcm(rain.begin(), rain.begin() + 882));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, mixOf({}));
    }
};

QTEST_GUILESS_MAIN(TestMixDecoder)
#include "tst_mixdecoder.moc"
