#include "sndfiledecoder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

// Opus runs at 48 kHz only.
constexpr int Rate = 48000;
constexpr int Frames = Rate / 2;
// The level of channel 0's tone; channel 1 is silent and channel 2 twice as loud, so each is told by its level even
// through a lossy codec.
const double ToneLevel = 0.25 / std::numbers::sqrt2;

float channelSignal(int channel, int frame) {
    const double t = double(frame) / Rate;
    switch (channel) {
    case 0:
        return float(0.25 * std::sin(2 * std::numbers::pi * 440 * t));
    case 2:
        return float(0.5 * std::sin(2 * std::numbers::pi * 1000 * t));
    default:
        return 0.0f;
    }
}

bool writeFile(const QString &path, int format, int channels) {
    SF_INFO info{};
    info.samplerate = Rate;
    info.channels = channels;
    info.format = format;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file) {
        return false;
    }
    std::vector<float> samples;
    for (int i = 0; i < Frames; ++i) {
        for (int c = 0; c < channels; ++c) {
            samples.push_back(channelSignal(c, i));
        }
    }
    if ((format & SF_FORMAT_SUBMASK) == SF_FORMAT_FLOAT) {
        // One sample far beyond full scale: clipped alone, it leaves the level of the rest as written.
        samples[std::size_t(Frames / 2 * channels)] = 1.5f;
    }
    const bool written = sf_writef_float(file, samples.data(), Frames) == Frames;
    return sf_close(file) == 0 && written;
}

double level(const std::vector<std::int16_t> &pcm, int side) {
    double sum = 0;
    for (std::size_t i = std::size_t(side); i < pcm.size(); i += 2) {
        sum += double(pcm[i]) * pcm[i];
    }
    return std::sqrt(sum / double(pcm.size() / 2)) / 32768.0;
}

} // namespace

class TestSndFileDecoder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void read_monoOrMoreChannels_isHeardInStereoFromTheFirstTwo_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("channels");
        const struct {
            const char *name;
            int format;
        } formats[] = {{"WAV", SF_FORMAT_WAV | SF_FORMAT_PCM_16},
                       {"FLAC", SF_FORMAT_FLAC | SF_FORMAT_PCM_16},
                       {"Ogg Vorbis", SF_FORMAT_OGG | SF_FORMAT_VORBIS},
                       {"Opus", SF_FORMAT_OGG | SF_FORMAT_OPUS},
                       {"floating-point WAV", SF_FORMAT_WAV | SF_FORMAT_FLOAT}};
        for (const auto &[name, format] : formats) {
            QTest::addRow("%s, mono", name) << format << 1;
            QTest::addRow("%s, 3 channels", name) << format << 3;
        }
    }
    void read_monoOrMoreChannels_isHeardInStereoFromTheFirstTwo() {
        QFETCH(int, format);
        QFETCH(int, channels);
        const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(writeFile(path, format, channels));

        SndFileDecoder decoder;
        decoder.open(path);
        QCOMPARE(decoder.sampleRate(), Rate);
        std::vector<std::int16_t> pcm;
        std::int16_t chunk[2 * 1000];
        while (const qsizetype frames = decoder.read(chunk)) {
            pcm.insert(pcm.end(), chunk, chunk + 2 * frames);
        }
        QCOMPARE_GE(pcm.size(), std::size_t(2 * Frames * 9 / 10));

        QCOMPARE_LT(std::abs(level(pcm, 0) / ToneLevel - 1.0), 0.2);
        if (channels == 1) {
            for (std::size_t i = 0; i < pcm.size(); i += 2) {
                if (pcm[i + 1] != pcm[i]) {
                    QFAIL(qPrintable(QStringLiteral("the sides differ at frame %1").arg(i / 2)));
                }
            }
        } else {
            QCOMPARE_LT(level(pcm, 1), ToneLevel / 10);
        }
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestSndFileDecoder)
#include "tst_sndfiledecoder.moc"
