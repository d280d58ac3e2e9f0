#include "decoder.h"

#include "generatednoise.h"
#include "mixdecoder.h"
#include "mixsource.h"
#include "mp3decoder.h"
#include "noisegenerator.h"
#include "regularfile.h"
#include "reopeningdecoder.h"
#include "sndfiledecoder.h"
#include "stylelibrary.h"

#include <random>
#include <stdexcept>

namespace {

std::unique_ptr<Decoder> openFileDecoder(const QString &path) {
    if (StyleLibrary::isOtherSoundFormat(path)) {
        auto decoder = std::make_unique<SndFileDecoder>();
        decoder->open(path);
        return decoder;
    }
    auto decoder = std::make_unique<Mp3Decoder>();
    decoder->open(path);
    return decoder;
}

} // namespace

std::unique_ptr<Decoder> openDecoder(const QString &path) {
    if (const auto colour = GeneratedNoise::colourOf(path)) {
        // Each play draws its own noise.
        std::random_device entropy;
        return std::make_unique<NoiseGenerator>(*colour, (std::uint64_t{entropy()} << 32) | entropy());
    }
    if (auto layers = MixSource::layersOf(path)) {
        return std::make_unique<MixDecoder>(std::move(*layers), openDecoder);
    }
    return std::make_unique<ReopeningDecoder>(path, openFileDecoder);
}

int openSoundFile(const QString &path) {
    QString reason;
    const int fd = openRegularFile(path, &reason);
    if (fd < 0) {
        throw std::runtime_error(QStringLiteral("%1: %2").arg(path, reason).toStdString());
    }
    return fd;
}
