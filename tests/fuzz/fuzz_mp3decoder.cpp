// The player's decoder over arbitrary bytes in place of an MP3 file, decoded to the end with looping off.

#include "fuzzcheck.h"
#include "mp3decoder.h"

#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <cstdint>
#include <stdexcept>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using Samples = std::vector<std::int16_t>;

// The most frames a file of this size can give: the densest MPEG stream (MPEG 2.5 layer III at 8 kbit/s and
// 8 kHz, 576 samples in 72 bytes) brought up to 44.1 kHz is 44 frames a byte; plus a first frame and slack.
qint64 frameLimit(std::size_t size) {
    return 64 * static_cast<qint64>(size) + 16 * 1152;
}

Samples decodeToEnd(Mp3Decoder &decoder, std::size_t size) {
    std::array<std::int16_t, 4096> buffer{};
    Samples decoded;
    while (true) {
        const qsizetype frames = decoder.read(buffer);
        fuzzCheck(frames >= 0 && frames <= static_cast<qsizetype>(buffer.size() / 2), "read() overran its buffer");
        if (frames == 0) {
            return decoded;
        }
        decoded.insert(decoded.end(), buffer.begin(), buffer.begin() + frames * 2);
        fuzzCheck(static_cast<qint64>(decoded.size() / 2) <= frameLimit(size), "more sound than the file can hold",
                  QString::number(decoded.size() / 2));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(u"sound.mp3"_s);
    {
        QFile file(path);
        fuzzCheck(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write the input file");
        file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    }
    Mp3Decoder decoder;
    try {
        decoder.open(path);
    } catch (const std::runtime_error &) {
        return 0;
    }
    try {
        const Samples first = decodeToEnd(decoder, size);
        fuzzCheck(!first.empty(), "a file that opened gave no sound");
        // Looping goes back to the first sample: every pass is the same sound.
        decoder.rewind();
        const Samples second = decodeToEnd(decoder, size);
        fuzzCheck(second.size() == first.size(), "a second pass has another length",
                  u"%1 then %2 frames"_s.arg(first.size() / 2).arg(second.size() / 2));
        fuzzCheck(second == first, "a second pass sounds different");
    } catch (const std::runtime_error &) {
    }
    return 0;
}
