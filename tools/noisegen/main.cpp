// Writes the sounds the tests play, or a long file for the benchmarks.

#include "mp3writer.h"
#include "noisesynth.h"

#include <sndfile.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Colour = NoiseSynth::Colour;

void writeRaw(const std::filesystem::path &path, const std::vector<std::int16_t> &pcm) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(pcm.data()), static_cast<std::streamsize>(pcm.size() * sizeof(pcm[0])));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

void encode(const std::filesystem::path &path, const std::vector<std::int16_t> &pcm, const Mp3Writer::Format &format) {
    Mp3Writer writer(path.string(), format);
    writer.write(pcm);
    writer.finish();
}

// The same sound in a format that libsndfile writes.
void writeSndfile(const std::filesystem::path &path, int format, int rate, const std::vector<std::int16_t> &pcm) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 2;
    info.format = format;
    SNDFILE *file = sf_open(path.string().c_str(), SFM_WRITE, &info);
    if (!file) {
        throw std::runtime_error("cannot write " + path.string() + ": " + sf_strerror(nullptr));
    }
    const auto frames = static_cast<sf_count_t>(pcm.size() / 2);
    const sf_count_t written = sf_writef_short(file, pcm.data(), frames);
    sf_close(file);
    if (written != frames) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

// Floating-point samples in a WAV file, written as they are, beyond full scale included.
void writeFloatWave(const std::filesystem::path &path, int rate, const std::vector<float> &samples) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SNDFILE *file = sf_open(path.string().c_str(), SFM_WRITE, &info);
    if (!file) {
        throw std::runtime_error("cannot write " + path.string() + ": " + sf_strerror(nullptr));
    }
    const auto frames = static_cast<sf_count_t>(samples.size() / 2);
    const sf_count_t written = sf_writef_float(file, samples.data(), frames);
    sf_close(file);
    if (written != frames) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

std::vector<std::int16_t> stereoNoise(NoiseSynth &synth, Colour colour, std::size_t frames, double peak) {
    return NoiseSynth::interleave(
        {synth.periodicNoise(colour, frames, peak), synth.periodicNoise(colour, frames, peak)});
}

void writeTestSounds(const std::filesystem::path &dir) {
    std::filesystem::create_directories(dir);
    NoiseSynth synth(7);
    const auto save = [&dir](const std::string &name, const std::vector<std::int16_t> &pcm,
                             const Mp3Writer::Format &format) {
        writeRaw(dir / (name + ".raw"), pcm);
        encode(dir / (name + ".mp3"), pcm, format);
    };

    const auto sine = NoiseSynth::periodicSine(44100, 441, 0.5);
    save("sine-cbr", NoiseSynth::interleave({sine, sine}), {.cbrKbps = 128});

    auto vbr = stereoNoise(synth, Colour::Pink, 65536, 0.6);
    vbr.resize(57001 * 2);
    save("vbr", vbr, {.cbrKbps = 0, .vbrQuality = 4});

    const auto noise = stereoNoise(synth, Colour::White, 65536, 0.5);
    save("noise-loop", noise, {.cbrKbps = 192});
    writeSndfile(dir / "noise-loop.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, noise);
    writeSndfile(dir / "noise-loop.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 44100, noise);
    writeSndfile(dir / "noise-loop.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 44100, noise);
    // Opus runs at 48 kHz only.
    writeSndfile(dir / "noise-loop.opus", SF_FORMAT_OGG | SF_FORMAT_OPUS, 48000,
                 stereoNoise(synth, Colour::White, 65536, 0.5));

    save("mono-22k", NoiseSynth::interleave({NoiseSynth::periodicSine(22050, 441, 0.5)}),
         {.sampleRate = 22050, .channels = 1, .cbrKbps = 64});

    // A quiet recording, some -29 dBFS RMS, at 48 kHz as Opus needs: each format must play it at this level.
    const auto quiet = stereoNoise(synth, Colour::Pink, 65536, 0.15);
    writeSndfile(dir / "quiet.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 48000, quiet);
    writeSndfile(dir / "quiet.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 48000, quiet);
    writeSndfile(dir / "quiet.opus", SF_FORMAT_OGG | SF_FORMAT_OPUS, 48000, quiet);
    // The same in floating point, with one sample far beyond full scale either way.
    std::vector<float> overs(quiet.size());
    std::transform(quiet.begin(), quiet.end(), overs.begin(), [](std::int16_t s) { return float(s) / 32768.0f; });
    overs[1000] = 1.5f;
    overs[30001] = -1.5f;
    writeFloatWave(dir / "quiet-overs.wav", 48000, overs);

    // Two seconds at 20 Hz, a rate far below anything heard.
    writeSndfile(dir / "low-rate.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 20, {quiet.begin(), quiet.begin() + 2 * 40});
}

void writeLongSound(double seconds, const std::filesystem::path &path) {
    NoiseSynth synth(11);
    const auto block = stereoNoise(synth, Colour::Pink, 65536, 0.6);
    Mp3Writer writer(path.string(), {.cbrKbps = 128, .quality = 7});
    auto frames = static_cast<std::size_t>(seconds * 44100.0);
    while (frames > 0) {
        const std::size_t take = std::min<std::size_t>(frames, block.size() / 2);
        writer.write({block.begin(), block.begin() + static_cast<std::ptrdiff_t>(take * 2)});
        frames -= take;
    }
    writer.finish();
}

int usage() {
    std::fputs("usage: noisegen test DIR | noisegen long SECONDS FILE\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char **argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 2 && args[0] == "test") {
            writeTestSounds(args[1]);
        } else if (args.size() == 3 && args[0] == "long") {
            writeLongSound(std::stod(args[1]), args[2]);
        } else {
            return usage();
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "noisegen: %s\n", e.what());
        return 1;
    }
    return 0;
}
