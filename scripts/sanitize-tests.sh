#!/bin/sh
# Builds the program and its tests with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test except
# the end-to-end ones. With clang the fuzz targets are built and each is fuzzed for a while as well.
# Usage: scripts/sanitize-tests.sh [BUILD-DIR]   (default build-asan)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build-asan}

# The C and C++ compilers must match: their sanitizer runtimes and flags differ.
if command -v clang++ >/dev/null 2>&1 && command -v clang >/dev/null 2>&1; then
    compiler=clang++
    c_compiler=clang
    fuzz=ON
else
    compiler=c++
    c_compiler=cc
    fuzz=OFF
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$compiler" \
    -DCMAKE_C_COMPILER="$c_compiler" \
    -DSOMNIVOX_SANITIZE=ON -DSOMNIVOX_FUZZ="$fuzz"
cmake --build "$build" -j"${SOMNIVOX_JOBS:-$(nproc)}"

supp="$PWD/tests/sanitizers"
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:check_initialization_order=1"
LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS
ctest --test-dir "$build" --output-on-failure -j2 -LE e2e
