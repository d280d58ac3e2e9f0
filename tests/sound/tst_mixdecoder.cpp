#include "mixdecoder.h"
#include "mixgains.h"
#include "pcmfeed.h"
#include "soundfiles.h"

#include <QTest>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>
#include <numbers>

namespace {
std::atomic<long> allocations{0};
} // namespace

// Counted, so that a test can tell that the streaming path allocates nothing.
void *operator new(std::size_t size) {
    ++allocations;
    if (void *memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}
void operator delete(void *memory) noexcept {
    std::free(memory);
}
void operator delete(void *memory, std::size_t) noexcept {
    std::free(memory);
}

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
std::unique_ptr<MixDecoder> mixOf(const QList<std::pair<Pcm, int>> &sounds) {
    QList<MixSource::Layer> layers;
    for (qsizetype i = 0; i < sounds.size(); ++i) {
        layers << MixSource::Layer{QString::number(i), sounds.at(i).second};
    }
    return std::make_unique<MixDecoder>(layers, [sounds](const QString &path) -> std::unique_ptr<Decoder> {
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
        const auto alone = mixOf({{rain, 100}});
        const auto both = mixOf({{rain, 50}, {fan, 30}});
        const qsizetype frames = 20 * soundfiles::frames(fan);
        const Pcm heardAlone = run(*alone, frames);
        const Pcm heardBoth = run(*both, frames);
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
        const auto mix = mixOf({{loud, 100}, {loud, 100}});
        const Pcm heard = run(*mix, soundfiles::frames(loud));
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

    // A volume changed while the mix plays ramps over the next read, holds from the one after, and costs no
    // allocation on the way.
    void changedVolume_isHeardAtTheNextRead_withoutAllocating() {
        const Pcm rain = periods(147, 30, 9000);
        const Pcm fan = periods(200, 20, 12000);
        const auto mix = mixOf({{rain, 100}, {fan, 40}});
        QCOMPARE(mix->mixGains()->size(), 2);
        Pcm first(2048);
        Pcm ramped(2048);
        Pcm after(2048);
        QCOMPARE(mix->read(first), 1024);
        const long before = allocations;
        mix->mixGains()->setVolumes({20, 90});
        QCOMPARE(mix->read(ramped), 1024);
        QCOMPARE(mix->read(after), 1024);
        QCOMPARE(allocations - before, 0L);
        const auto sum = [&](std::size_t frame, float rainGain, float fanGain) {
            return float(rain[frame * 2 % rain.size()]) * rainGain + float(fan[frame * 2 % fan.size()]) * fanGain;
        };
        // The ramp starts next to the former volumes and ends on the new ones; the read after is at them exactly.
        const float firstStep = 1.0F / 1024;
        QVERIFY(std::abs(ramped[0] - sum(1024, 1.0F - 0.8F * firstStep, 0.4F + 0.5F * firstStep)) <= 1);
        QVERIFY(std::abs(ramped[2046] - sum(2047, 0.2F, 0.9F)) <= 1);
        for (std::size_t frame = 0; frame < 1024; ++frame) {
            QCOMPARE(after[frame * 2], std::int16_t(std::lround(sum(2048 + frame, 0.2F, 0.9F))));
        }
    }

    // The feed makes audio ahead of what it writes; dropping that, it plays a change of volumes from the decoder's
    // next block on, as a stream started afresh after a change in the mixer does.
    void feedDroppingWhatItMadeAhead_playsNewVolumesFromTheNextBlock() {
        const Pcm rain = periods(147, 30, 9000);
        const Pcm fan = periods(200, 20, 12000);
        auto mix = mixOf({{rain, 100}, {fan, 40}});
        const std::shared_ptr<MixGains> gains = mix->mixGains();
        PcmFeed feed(std::move(mix), 0, nullptr);
        Pcm out(2 * 3000);
        QCOMPARE(feed.fill(out, 1.0, true), 3000);
        gains->setVolumes({0, 100});
        feed.dropDecoded();
        QCOMPARE(feed.fill(out, 1.0, true), 3000);
        // Past the ramp of one block, the fan alone, whole, from wherever it has got to.
        const auto fanFrames = soundfiles::frames(fan);
        const auto fanFrom = [&](qsizetype offset) {
            for (qsizetype frame = 1024; frame < 3000; ++frame) {
                if (out[std::size_t(frame * 2)] != fan[std::size_t((offset + frame) % fanFrames * 2)]) {
                    return false;
                }
            }
            return true;
        };
        qsizetype offset = 0;
        while (offset < fanFrames && !fanFrom(offset)) {
            ++offset;
        }
        QVERIFY2(offset < fanFrames, "the former volumes are still heard");
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
