#include "resampler.h"

#include <QTest>

#include <stdexcept>
#include <vector>

namespace {

std::vector<std::int16_t> ramp(int frames) {
    std::vector<std::int16_t> pcm;
    for (int i = 0; i < frames; ++i) {
        pcm.push_back(static_cast<std::int16_t>(i * 7 % 30000));
        pcm.push_back(static_cast<std::int16_t>(-i * 3 % 30000));
    }
    return pcm;
}

std::vector<std::int16_t> run(double rate, const std::vector<std::int16_t> &in, std::size_t inChunk,
                              std::size_t outChunk) {
    Resampler resampler;
    resampler.setRate(rate);
    std::vector<std::int16_t> out;
    std::vector<std::int16_t> buffer(outChunk * 2);
    std::size_t used = 0;
    while (used < in.size()) {
        const auto piece = std::span(in).subspan(used, std::min(inChunk * 2, in.size() - used));
        std::size_t pieceUsed = 0;
        while (pieceUsed < piece.size()) {
            const auto result = resampler.process(piece.subspan(pieceUsed), buffer);
            pieceUsed += static_cast<std::size_t>(result.consumed) * 2;
            out.insert(out.end(), buffer.begin(), buffer.begin() + result.produced * 2);
        }
        used += piece.size();
    }
    return out;
}

} // namespace

class TestResampler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void process_wholeNumberRate_outputsEveryRateThInputFrameUnchanged_data();
    void process_wholeNumberRate_outputsEveryRateThInputFrameUnchanged();
    void process_fractionalRate_interpolatesBetweenNeighbours();
    void process_streamCutIntoChunks_givesTheSameOutput_data();
    void process_streamCutIntoChunks_givesTheSameOutput();
    void setRate_zeroNegativeOrNotANumber_throws();
};

void TestResampler::process_wholeNumberRate_outputsEveryRateThInputFrameUnchanged_data() {
    QTest::addColumn<int>("rate");
    QTest::newRow("normal speed") << 1;
    QTest::newRow("twice") << 2;
    QTest::newRow("fifty times") << 50;
}

void TestResampler::process_wholeNumberRate_outputsEveryRateThInputFrameUnchanged() {
    QFETCH(int, rate);
    const auto in = ramp(5000);
    const auto out = run(rate, in, 333, 100);
    // The last output frame may wait for input that never comes.
    QVERIFY(out.size() / 2 + 1 >= std::size_t(5000 / rate));
    for (std::size_t k = 0; k < out.size() / 2; ++k) {
        QCOMPARE(out[2 * k], in[2 * k * rate]);
        QCOMPARE(out[2 * k + 1], in[2 * k * rate + 1]);
    }
}

void TestResampler::process_fractionalRate_interpolatesBetweenNeighbours() {
    const std::vector<std::int16_t> in{0, 100, 10, -100, 20, 300, 30, 500};
    QCOMPARE(run(0.5, in, 4, 16),
             (std::vector<std::int16_t>{0, 100, 5, 0, 10, -100, 15, 100, 20, 300, 25, 400, 30, 500}));
    QCOMPARE(run(1.5, in, 4, 16), (std::vector<std::int16_t>{0, 100, 15, 100, 30, 500}));
}

void TestResampler::process_streamCutIntoChunks_givesTheSameOutput_data() {
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("inChunk");
    QTest::addColumn<int>("outChunk");
    for (const double rate : {1.0, 1.37, 2.0, 0.3, 50.0}) {
        QTest::addRow("rate %g, frame by frame", rate) << rate << 1 << 1;
        QTest::addRow("rate %g, odd chunks", rate) << rate << 7 << 13;
        QTest::addRow("rate %g, large chunks", rate) << rate << 4096 << 1024;
    }
}

void TestResampler::process_streamCutIntoChunks_givesTheSameOutput() {
    QFETCH(double, rate);
    QFETCH(int, inChunk);
    QFETCH(int, outChunk);
    const auto in = ramp(20000);
    const auto whole = run(rate, in, in.size(), in.size() * 4);
    QVERIFY(!whole.empty());
    QCOMPARE(run(rate, in, std::size_t(inChunk), std::size_t(outChunk)), whole);
}

void TestResampler::setRate_zeroNegativeOrNotANumber_throws() {
    Resampler resampler;
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, resampler.setRate(0.0));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, resampler.setRate(-2.0));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, resampler.setRate(std::nan("")));
    QCOMPARE(resampler.rate(), 1.0);
}

QTEST_GUILESS_MAIN(TestResampler)
#include "tst_resampler.moc"
