#!/bin/sh
# Installs into a temporary prefix and starts the program the way its launcher does, by the name "somnivox"
# found through PATH in bin/: it must still find lib/somnivox/sounds beside the real executable.
# Usage: runs-through-link.sh CMAKE BUILD_DIR
set -u
cmake=$1
build=$2
. "$(dirname "$0")/starts-and-lists-sounds.sh"

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null || exit 1

PATH="$prefix/bin:$PATH" starts_and_lists_sounds somnivox || exit 1
echo "started through $prefix/bin/somnivox and listed the sounds"
