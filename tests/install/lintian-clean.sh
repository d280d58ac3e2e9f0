#!/bin/sh
# Builds the .deb into a temporary folder and has lintian check it: the package must draw no error and no warning.
# Usage: lintian-clean.sh CPACK BUILD_DIR
set -u
cpack=$1
build=$2

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
if ! "$cpack" -G DEB -B "$out" --config "$build/CPackConfig.cmake" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log" >&2
    exit 1
fi
lintian --fail-on error,warning "$out"/somnivox_*.deb
