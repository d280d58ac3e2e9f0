#pragma once

#include <sndfile.h>

/// libsndfile's calls, resolved when the first file it reads is opened. Linked outright, it would bring its codec
/// libraries (FLAC, Vorbis, Opus, LAME; about 0.7 MB resident) into every player, one that plays MP3 alone included.
struct SndFileLibrary {
    decltype(&sf_open_fd) openFd;
    decltype(&sf_strerror) strError;
    decltype(&sf_command) command;
    decltype(&sf_readf_float) readfFloat;
    decltype(&sf_error) error;
    decltype(&sf_close) close;

    /// The library, loaded at the first call; throws std::runtime_error when it cannot be loaded.
    static const SndFileLibrary &get();
};
