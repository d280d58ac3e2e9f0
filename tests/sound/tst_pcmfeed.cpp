#include "mp3decoder.h"
#include "pcmfeed.h"
#include "soundfiles.h"

#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <future>
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

} // namespace

class TestPcmFeed : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fill_looping_repeatsTheGaplessDecodeWithNothingAddedOrLost_data();
    void fill_looping_repeatsTheGaplessDecodeWithNothingAddedOrLost();
    void fill_notLooping_endsAfterOneDecode();
    void fill_fasterRate_keepsItsPhaseAcrossTheSeam_data();
    void fill_fasterRate_keepsItsPhaseAcrossTheSeam();
    void fill_looping_aFileThatYieldsNothing_failsAtOnce();
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

QTEST_GUILESS_MAIN(TestPcmFeed)
#include "tst_pcmfeed.moc"
