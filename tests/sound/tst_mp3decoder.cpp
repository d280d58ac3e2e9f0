#include "mp3decoder.h"
#include "soundfiles.h"
#include "unplayablefiles.h"

#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <stdexcept>

using namespace Qt::StringLiterals;
using soundfiles::Pcm;

class TestMp3Decoder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void decode_lameFile_returnsExactlyTheEncodedFramesInPlace_data();
    void decode_lameFile_returnsExactlyTheEncodedFramesInPlace();
    void rewind_partWayThrough_startsAgainAtTheFirstSample();
    void open_monoFileAt22kHz_comesOutAsStereoAt44kHz();
    void open_unplayableFile_throwsAndNextFileOpens_data();
    void open_unplayableFile_throwsAndNextFileOpens();

private:
    QTemporaryDir m_dir;
};

void TestMp3Decoder::decode_lameFile_returnsExactlyTheEncodedFramesInPlace_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("minimumSnrDb");
    // Any shift by an encoder delay brings the noise below 0 dB and the sine to about 10 dB.
    QTest::newRow("CBR sine") << u"sine-cbr"_s << 20.0;
    QTest::newRow("VBR pink noise") << u"vbr"_s << 6.0;
    QTest::newRow("CBR white noise") << u"noise-loop"_s << 3.0;
}

void TestMp3Decoder::decode_lameFile_returnsExactlyTheEncodedFramesInPlace() {
    QFETCH(QString, name);
    QFETCH(double, minimumSnrDb);
    const Pcm encoded = soundfiles::readRaw(soundfiles::path(name + u".raw"_s));
    const Pcm decoded = soundfiles::decodeAll(soundfiles::path(name + u".mp3"_s));
    QVERIFY(!encoded.empty());
    QCOMPARE(decoded.size(), encoded.size());
    // Known ahead, from the LAME tag.
    Mp3Decoder decoder;
    decoder.open(soundfiles::path(name + u".mp3"_s));
    QCOMPARE(decoder.lengthFrames(), soundfiles::frames(encoded));

    // Lossy, so compare by error energy.
    double signal = 0;
    double error = 0;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        signal += double(encoded[i]) * encoded[i];
        error += std::pow(double(decoded[i]) - encoded[i], 2);
    }
    const double snrDb = 10 * std::log10(signal / std::max(error, 1.0));
    QVERIFY2(snrDb > minimumSnrDb, qPrintable(u"SNR %1 dB"_s.arg(snrDb)));
}

void TestMp3Decoder::rewind_partWayThrough_startsAgainAtTheFirstSample() {
    const QString file = soundfiles::path(u"vbr.mp3"_s);
    const Pcm whole = soundfiles::decodeAll(file);
    Mp3Decoder decoder;
    decoder.open(file);
    std::vector<std::int16_t> part(2 * 30000);
    QCOMPARE(decoder.read(part), 30000);
    decoder.rewind();
    Pcm again;
    std::int16_t chunk[2 * 777];
    while (const qsizetype frames = decoder.read(chunk)) {
        again.insert(again.end(), chunk, chunk + frames * 2);
    }
    QVERIFY(again == whole);
}

void TestMp3Decoder::open_monoFileAt22kHz_comesOutAsStereoAt44kHz() {
    const Pcm encoded = soundfiles::readRaw(soundfiles::path(u"mono-22k.raw"_s));
    const Pcm decoded = soundfiles::decodeAll(soundfiles::path(u"mono-22k.mp3"_s));
    // The resampler of libmpg123 may round the length to its own steps.
    QVERIFY2(std::abs(soundfiles::frames(decoded) - 2 * qsizetype(encoded.size())) <= 1152,
             qPrintable(QString::number(soundfiles::frames(decoded))));
    for (std::size_t i = 0; i < decoded.size(); i += 2) {
        QCOMPARE(decoded[i], decoded[i + 1]);
    }
}

void TestMp3Decoder::open_unplayableFile_throwsAndNextFileOpens_data() {
    QVERIFY(m_dir.isValid());
    QTest::addColumn<QString>("file");
    QTest::newRow("missing") << m_dir.filePath(u"missing.mp3"_s);
    QTest::newRow("a folder") << m_dir.path();
    for (const auto &[name, bytes] : soundfiles::unplayableFiles()) {
        QFile file(m_dir.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        QTest::newRow(name) << file.fileName();
    }
}

void TestMp3Decoder::open_unplayableFile_throwsAndNextFileOpens() {
    QFETCH(QString, file);
    Mp3Decoder decoder;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, decoder.open(file));
    std::int16_t chunk[64];
    QCOMPARE(decoder.read(chunk), 0);
    decoder.open(soundfiles::path(u"sine-cbr.mp3"_s));
    QCOMPARE(decoder.read(chunk), 32);
}

QTEST_GUILESS_MAIN(TestMp3Decoder)
#include "tst_mp3decoder.moc"
