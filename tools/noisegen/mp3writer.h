#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

struct lame_global_struct;

/// Encodes 16-bit PCM to an MP3 file with libmp3lame, LAME tag included so that a gapless decoder returns
/// exactly the samples written. The file appears under its name only once finish() succeeds.
class Mp3Writer {
public:
    struct Format {
        int sampleRate = 44100;
        int channels = 2;
        int cbrKbps = 192; ///< 0 selects VBR
        int vbrQuality = 4;
        int quality = 2; ///< LAME's algorithm quality, 0 best to 9 fastest
    };

    Mp3Writer(std::string path, const Format &format);
    ~Mp3Writer();
    Mp3Writer(const Mp3Writer &) = delete;
    Mp3Writer &operator=(const Mp3Writer &) = delete;

    /// Appends interleaved frames.
    void write(const std::vector<std::int16_t> &pcm);
    /// Flushes the encoder, writes the LAME tag over the first frame and moves the file into place.
    void finish();

private:
    void put(const unsigned char *data, std::size_t size);

    std::string m_path;
    std::string m_partPath;
    Format m_format;
    lame_global_struct *m_lame = nullptr;
    std::FILE *m_file = nullptr;
    std::vector<unsigned char> m_buffer;
};
