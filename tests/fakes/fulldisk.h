#pragma once

#include <sys/resource.h>

#include <csignal>

/// Runs \a work on a full disk, in small: no file of this process may grow past a few bytes meanwhile, and a write
/// beyond that fails instead of raising SIGXFSZ. Returns what \a work returns.
template<typename Work>
auto onAFullDisk(Work work) {
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 8;
    ::setrlimit(RLIMIT_FSIZE, &tiny);
    const auto result = work();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedSignal);
    return result;
}
