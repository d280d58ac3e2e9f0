#include "mp3writer.h"

#include <lame/lame.h>

#include <cstdio>
#include <stdexcept>
#include <utility>

Mp3Writer::Mp3Writer(std::string path, const Format &format)
    : m_path(std::move(path)), m_partPath(m_path + ".part"), m_format(format), m_lame(lame_init()) {
    if (!m_lame) {
        throw std::runtime_error("lame_init failed");
    }
    lame_set_in_samplerate(m_lame, format.sampleRate);
    lame_set_out_samplerate(m_lame, format.sampleRate);
    lame_set_num_channels(m_lame, format.channels);
    lame_set_mode(m_lame, format.channels == 1 ? MONO : JOINT_STEREO);
    lame_set_quality(m_lame, format.quality);
    if (format.cbrKbps > 0) {
        lame_set_VBR(m_lame, vbr_off);
        lame_set_brate(m_lame, format.cbrKbps);
    } else {
        lame_set_VBR(m_lame, vbr_default);
        lame_set_VBR_quality(m_lame, static_cast<float>(format.vbrQuality));
    }
    lame_set_bWriteVbrTag(m_lame, 1);
    if (lame_init_params(m_lame) < 0) {
        lame_close(m_lame);
        throw std::runtime_error("LAME rejected the encoder settings");
    }
    m_file = std::fopen(m_partPath.c_str(), "wb");
    if (!m_file) {
        lame_close(m_lame);
        throw std::runtime_error("cannot write " + m_partPath);
    }
}

Mp3Writer::~Mp3Writer() {
    if (m_file) {
        std::fclose(m_file);
        std::remove(m_partPath.c_str());
    }
    lame_close(m_lame);
}

void Mp3Writer::write(const std::vector<std::int16_t> &pcm) {
    const int frames = static_cast<int>(pcm.size() / static_cast<std::size_t>(m_format.channels));
    m_buffer.resize(static_cast<std::size_t>(frames) * 5 / 4 + 7200);
    const int bytes = m_format.channels == 1
                          ? lame_encode_buffer(m_lame, pcm.data(), pcm.data(), frames, m_buffer.data(),
                                               static_cast<int>(m_buffer.size()))
                          : lame_encode_buffer_interleaved(m_lame, const_cast<short *>(pcm.data()), frames,
                                                           m_buffer.data(), static_cast<int>(m_buffer.size()));
    if (bytes < 0) {
        throw std::runtime_error("LAME failed to encode");
    }
    put(m_buffer.data(), static_cast<std::size_t>(bytes));
}

void Mp3Writer::finish() {
    m_buffer.resize(7200);
    const int bytes = lame_encode_flush(m_lame, m_buffer.data(), static_cast<int>(m_buffer.size()));
    if (bytes < 0) {
        throw std::runtime_error("LAME failed to flush");
    }
    put(m_buffer.data(), static_cast<std::size_t>(bytes));

    // The encoder reserved the first frame for the tag that carries the delay and padding.
    const std::size_t tagSize = lame_get_lametag_frame(m_lame, m_buffer.data(), m_buffer.size());
    if (tagSize == 0 || tagSize > m_buffer.size()) {
        throw std::runtime_error("LAME produced no tag frame");
    }
    if (std::fseek(m_file, 0, SEEK_SET) != 0) {
        throw std::runtime_error("cannot rewind " + m_partPath);
    }
    put(m_buffer.data(), tagSize);
    const bool closed = std::fclose(std::exchange(m_file, nullptr)) == 0;
    if (!closed || std::rename(m_partPath.c_str(), m_path.c_str()) != 0) {
        std::remove(m_partPath.c_str());
        throw std::runtime_error("cannot write " + m_path);
    }
}

void Mp3Writer::put(const unsigned char *data, std::size_t size) {
    if (size > 0 && std::fwrite(data, 1, size, m_file) != size) {
        throw std::runtime_error("cannot write " + m_partPath);
    }
}
