#pragma once

#include <QString>

#include <cstdio>
#include <cstdlib>

/// Stops the run with \a what when an invariant of a fuzz target does not hold, so libFuzzer keeps the input.
inline void fuzzCheck(bool holds, const char *what, const QString &detail = QString()) {
    if (!holds) {
        std::fprintf(stderr, "fuzz invariant broken: %s %s\n", what, qUtf8Printable(detail));
        std::abort();
    }
}
