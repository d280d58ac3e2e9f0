#!/bin/sh
# By hand, as root, on a machine where somnivox is not installed otherwise: builds the .deb, installs it with
# apt-get, checks that /usr/bin/somnivox starts and lists its sounds, and removes the package again.
# Not run by CTest, since it changes the system. Usage: tests/install/deb-smoke.sh BUILD_DIR
set -eu
build=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)
. "$(dirname "$0")/starts-and-lists-sounds.sh"

if dpkg-query -W -f='${Status}' somnivox 2>/dev/null | grep -q 'install ok installed'; then
    echo "somnivox is already installed; not touching it" >&2
    exit 1
fi
# Only what the package holds, not every test.
cmake --build "$build" --target somnivox artwork compressed_docs
(cd "$build" && cpack -G DEB)
deb=$(ls -t "$build"/somnivox_*.deb | head -n 1)
dpkg-deb --info "$deb" | grep -E '^ (Package|Version|Depends|Recommends):'

# Without the recommended sound outputs: the dependencies alone must give a program that starts.
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$deb"
status=0
starts_and_lists_sounds /usr/bin/somnivox || status=1
[ $status -ne 0 ] || echo "/usr/bin/somnivox started and listed its sounds"
DEBIAN_FRONTEND=noninteractive apt-get remove -y somnivox
exit $status
