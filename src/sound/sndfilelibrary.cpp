#include "sndfilelibrary.h"

#include <dlfcn.h>

#include <stdexcept>
#include <string>

namespace {

template<typename Function>
void resolve(void *library, const char *name, Function &function) {
    function = reinterpret_cast<Function>(::dlsym(library, name));
    if (!function) {
        throw std::runtime_error(std::string("libsndfile lacks ") + name);
    }
}

SndFileLibrary load() {
    // Never closed: decoders may run until the program ends.
    void *library = ::dlopen("libsndfile.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char *reason = ::dlerror();
        throw std::runtime_error(std::string("libsndfile cannot be loaded: ") + (reason ? reason : "unknown error"));
    }
    SndFileLibrary calls{};
    resolve(library, "sf_open_fd", calls.openFd);
    resolve(library, "sf_strerror", calls.strError);
    resolve(library, "sf_command", calls.command);
    resolve(library, "sf_readf_float", calls.readfFloat);
    resolve(library, "sf_error", calls.error);
    resolve(library, "sf_close", calls.close);
    return calls;
}

} // namespace

const SndFileLibrary &SndFileLibrary::get() {
    // A failed load throws, and is tried again at the next call.
    static const SndFileLibrary library = load();
    return library;
}
