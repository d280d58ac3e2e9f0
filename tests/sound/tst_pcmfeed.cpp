#include "mp3decoder.h"
#include "pcmfeed.h"
#include "soundfiles.h"

#include <QTest>

using namespace Qt::StringLiterals;
using soundfiles::Pcm;

namespace {

PcmFeed openFeed(const QString &name) {
    auto decoder = std::make_unique<Mp3Decoder>();
    decoder->open(soundfiles::path(name));
    return PcmFeed(std::move(decoder));
}

} // namespace

class TestPcmFeed : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fill_looping_repeatsTheGaplessDecodeWithNothingAddedOrLost_data();
    void fill_looping_repeatsTheGaplessDecodeWithNothingAddedOrLost();
    void fill_notLooping_endsAfterOneDecode();
    void fill_twiceTheRate_readsTwoFramesPerFrameAcrossTheSeam();
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

void TestPcmFeed::fill_twiceTheRate_readsTwoFramesPerFrameAcrossTheSeam() {
    const Pcm once = soundfiles::decodeAll(soundfiles::path(u"vbr.mp3"_s));
    const qsizetype length = soundfiles::frames(once);
    PcmFeed feed(openFeed(u"vbr.mp3"_s));
    Pcm out(once.size());
    QCOMPARE(feed.fill(out, 2.0, true), length);
    for (qsizetype k = 0; k < length; ++k) {
        const qsizetype source = 2 * k % length;
        QCOMPARE(out[2 * k], once[2 * source]);
        QCOMPARE(out[2 * k + 1], once[2 * source + 1]);
    }
}

QTEST_GUILESS_MAIN(TestPcmFeed)
#include "tst_pcmfeed.moc"
