#include "mp3decoder.h"
#include "soundfiles.h"

#include <QRandomGenerator>
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
    const auto write = [this](const QString &name, const QByteArray &bytes) {
        QFile f(m_dir.filePath(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
            qFatal("cannot write %s", qPrintable(f.fileName()));
        }
        return f.fileName();
    };
    QByteArray noise(64 * 1024, Qt::Uninitialized);
    QRandomGenerator random(42);
    random.fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
    QFile sine(soundfiles::path(u"sine-cbr.mp3"_s));
    QVERIFY(sine.open(QIODevice::ReadOnly));
    QFile pcm(soundfiles::path(u"sine-cbr.raw"_s));
    QVERIFY(pcm.open(QIODevice::ReadOnly));
    const QByteArray samples = pcm.readAll();
    QByteArray wav = "RIFF" + QByteArray(4, '\0') + "WAVEfmt " +
                     QByteArray::fromHex("100000000100020044ac000010b1020004001000") + "data" + QByteArray(4, '\0') +
                     samples;

    QTest::addColumn<QString>("file");
    QTest::newRow("missing") << m_dir.filePath(u"missing.mp3"_s);
    QTest::newRow("a folder") << m_dir.path();
    QTest::newRow("empty") << write(u"empty.mp3"_s, {});
    QTest::newRow("random bytes") << write(u"random.mp3"_s, noise);
    QTest::newRow("cut inside its first frame") << write(u"truncated.mp3"_s, sine.read(200));
    QTest::newRow("WAV renamed") << write(u"wave.mp3"_s, wav);
    QTest::newRow("Ogg renamed") << write(u"ogg.mp3"_s, "OggS" + QByteArray(24, '\0') + noise);
    QTest::newRow("text") << write(u"text.mp3"_s, QByteArray("not a sound\n").repeated(500));
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
