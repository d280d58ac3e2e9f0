#!/bin/sh
# Installs into a temporary prefix and checks every installed file: the program folder under lib/somnivox,
# the relative bin/ link, the launcher, metainfo, skin, the icon at each size, the bash completion, the copyright,
# changelog and manual.
# Usage: lays-out-prefix.sh CMAKE BUILD_DIR
set -u
cmake=$1
build=$2
status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null || exit 1
cd "$prefix" || exit 1

program=lib/somnivox/somnivox
[ -f $program ] && [ ! -L $program ] && [ -x $program ] || fail "$program is not an executable file"
# The noises are generated as they play: no sound file ships.
[ ! -e lib/somnivox/sounds ] || fail "lib/somnivox/sounds must not be installed"
[ -s lib/somnivox/HAND-M.CUR ] || fail "lib/somnivox/HAND-M.CUR is missing"
engine=lib/somnivox/somnivox-engine.so
file "$engine" | grep -q "ELF.*shared object" || fail "$engine is not a shared library"
[ ! -e lib/somnivox/x ] || fail "lib/somnivox/x must not be installed"

[ -L bin/somnivox ] || fail "bin/somnivox is not a link"
[ "$(readlink bin/somnivox)" = ../lib/somnivox/somnivox ] || fail "bin/somnivox -> $(readlink bin/somnivox)"
[ "$(readlink -f bin/somnivox)" = "$(readlink -f $program)" ] || fail "bin/somnivox does not resolve"

[ -f share/applications/org.vantrelle.Somnivox.desktop ] || fail "the launcher is missing"
[ -f share/metainfo/org.vantrelle.Somnivox.metainfo.xml ] || fail "the metainfo is missing"
[ -f share/somnivox/skins/sample.qss ] || fail "the sample skin is missing"
[ -f share/icons/hicolor/scalable/apps/somnivox.svg ] || fail "the scalable icon is missing"
for size in 16 32 48 256; do
    [ -f share/icons/hicolor/${size}x${size}/apps/somnivox.png ] || fail "no ${size}x${size} icon"
done
[ -s share/doc/somnivox/copyright ] || fail "the copyright file is missing"
completion=share/bash-completion/completions/somnivox
bash -c ". $completion && complete -p somnivox" >/dev/null 2>&1 || fail "$completion does not complete somnivox"
for gz in share/doc/somnivox/changelog.gz share/man/man1/somnivox.1.gz; do
    gzip -t "$gz" 2>/dev/null || fail "$gz is not a gzip file"
done
# The manual names every option the program offers, and renders without a warning.
manual=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings=all -l share/man/man1/somnivox.1.gz 2>"$prefix/warnings")
[ ! -s "$prefix/warnings" ] || fail "the manual draws warnings: $(cat "$prefix/warnings")"
rm -f "$prefix/warnings"
for option in $(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $program --help | grep -o -- '--[a-z-]*'); do
    printf '%s\n' "$manual" | grep -q -- "$option" || fail "the manual does not name $option"
done
for png in share/icons/hicolor/*/apps/somnivox.png; do
    folder=$(basename "$(dirname "$(dirname "$png")")")
    file "$png" | grep -q "PNG image data, ${folder%x*} x ${folder#*x}," || fail "$png is not a $folder PNG"
done

# Nothing else: no build tools, tests or stray files.
unexpected=$(find . \( -type f -o -type l \) | sed 's|^\./||' | grep -v \
    -e '^lib/somnivox/somnivox$' -e '^lib/somnivox/somnivox-engine\.so$' -e '^lib/somnivox/HAND-M\.CUR$' \
    -e '^bin/somnivox$' -e '^share/applications/org\.vantrelle\.Somnivox\.desktop$' \
    -e '^share/metainfo/org\.vantrelle\.Somnivox\.metainfo\.xml$' -e '^share/somnivox/skins/sample\.qss$' \
    -e '^share/icons/hicolor/[0-9]*x[0-9]*/apps/somnivox\.png$' -e '^share/icons/hicolor/scalable/apps/somnivox\.svg$' \
    -e '^share/bash-completion/completions/somnivox$' \
    -e '^share/doc/somnivox/copyright$' -e '^share/doc/somnivox/changelog\.gz$' -e '^share/man/man1/somnivox\.1\.gz$')
[ -z "$unexpected" ] || fail "unexpected files installed: $unexpected"

appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli validate-tree"
exit $status
