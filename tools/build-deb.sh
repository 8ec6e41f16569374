#!/usr/bin/env bash
# Builds the Debian package the Debian way (dpkg-buildpackage with the rules in
# debian/) from a copy of the sources in WORK, so that the tree itself stays
# clean, and puts zorbly-tarnel_VERSION_ARCH.deb into OUT. Prints its path.
# Usage: tools/build-deb.sh WORK OUT [JOBS]
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
work=$(realpath -m "$1")
out=$(realpath -m "$2")
jobs=${3:-$(nproc)}

rm -rf "$work"
mkdir -p "$work/src" "$out"
# The files of the tree as git sees them (committed or not, never ignored);
# without git every file outside the build folders. tar keeps their times, so
# ccache still finds what it compiled before.
cd "$src"
if git rev-parse --is-inside-work-tree > /dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done
else
    find . \( -path './build*' -o -path './fuzz/corpus-*' -o -name '*.deb' \) -prune -o \
        \( -type f -o -type l \) -printf '%P\0'
fi | tar -c --null -T - -f - | tar -x -C "$work/src"

cd "$work/src"
# CMake takes a compiler launcher from the environment.
if command -v ccache > /dev/null && [ -z "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ]; then
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache
    # Debian's flags map this folder to "." in what the compiler writes, so
    # the mapping's own path need not tell one copy of the sources from another.
    export CCACHE_IGNOREOPTIONS="${CCACHE_IGNOREOPTIONS:-} -ffile-prefix-map=* -fdebug-prefix-map=*"
fi
DEB_BUILD_OPTIONS="parallel=$jobs ${DEB_BUILD_OPTIONS:-}" \
    dpkg-buildpackage --build=binary --no-sign > "$work/build.log" 2>&1 ||
    { tail -40 "$work/build.log"; echo "the package build failed; all of it in $work/build.log"; exit 1; }

deb="$(dpkg-parsechangelog -S Source)_$(dpkg-parsechangelog -S Version | sed 's/^[0-9]*://')_$(dpkg-architecture -qDEB_HOST_ARCH).deb"
cp "$work/$deb" "$out/"
echo "$out/$deb"
