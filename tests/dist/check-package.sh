#!/usr/bin/env bash
# The Debian package as a player gets it: built the Debian way, accepted by
# lintian without an error or a warning, of the project's version, installed
# with apt into a throw-away copy of this system (private mounts over /etc,
# /usr and /var that vanish with the test), started by name to its main
# window, its first save in the player's data folder (check-install.sh), every
# library the running game maps brought by the package's dependencies, and
# removed again with nothing of it left behind.
# Usage: check-package.sh BUILD VERSION
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*"; exit 1; }

# The part inside the throw-away system (run as: check-package.sh --inside DEB VERSION).
if [ "$1" = --inside ]; then
    deb=$2 version=$3
    scratch=$(mktemp -d)
    mount -t tmpfs tmpfs "$scratch"
    for d in etc usr var; do
        mkdir "$scratch/$d" "$scratch/$d.work"
        mount -t overlay overlay -o "lowerdir=/$d,upperdir=$scratch/$d,workdir=$scratch/$d.work" "/$d"
    done
    export DEBIAN_FRONTEND=noninteractive PATH=/usr/local/bin:/usr/bin:/bin:/usr/games
    dpkg-query -W zorbly-tarnel > /dev/null 2>&1 && dpkg -r zorbly-tarnel > /dev/null
    apt-get install -y -q --no-install-recommends "$deb" > "$scratch/apt.log" 2>&1 ||
        fail "apt did not install the package: $(cat "$scratch/apt.log")"
    dpkg-query -L zorbly-tarnel > "$scratch/files"

    [ "$(zorbly-tarnel --version)" = "Zorbly Tarnel V$version" ] ||
        fail "the installed --version says: $(zorbly-tarnel --version)"
    grep -q "application/x-zorbly-tarnel-progress:\*\.ztn$" /usr/share/mime/globs2 ||
        fail "the desktop does not know *.ztn"
    grep -q "^application/x-zorbly-tarnel-progress=.*zorbly-tarnel.desktop" \
        /usr/share/applications/mimeinfo.cache || fail "the game is not the handler of *.ztn"
    "$here/check-install.sh" --installed /usr /usr/lib/games/zorbly-tarnel /usr/games ||
        fail "the installed game"

    # The libraries of the program and its sound module, the Qt plugins the
    # running game has loaded (its window's), the sound backends Qt may load
    # for the sound module, and every library those need: each belongs to a
    # package that installing this one brings. (What those libraries open by
    # themselves, such as a cursor theme or a GL driver, is theirs to bring.)
    cat > "$scratch/maps.sh" <<'EOS'
zorbly-tarnel 2> /dev/null & pid=$!
timeout 60 xdotool search --sync --onlyvisible --name '^Zorbly Tarnel V' > /dev/null
rc=$?
cat /proc/$pid/maps
kill $pid
exit $rc
EOS
    xvfb-run -a bash "$scratch/maps.sh" > "$scratch/maps" || fail "the game did not come up for its maps"
    multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
    {
        awk '$6 ~ /\/qt6\/plugins\/.*\.so$/ { print $6 }' "$scratch/maps" | sort -u
        ls /usr/lib/$multiarch/qt6/plugins/multimedia/*.so
    } > "$scratch/plugins"
    grep -q /platforms/ "$scratch/plugins" || fail "no platform plugin among the game's maps"
    for elf in /usr/lib/games/zorbly-tarnel/zorbly-tarnel /usr/lib/games/zorbly-tarnel/zorbly-tarnel-sound.so \
               $(cat "$scratch/plugins"); do
        echo "$elf"
        ldd "$elf" | awk '$3 ~ /^\// { print $3 }'
    done | grep -v '^/usr/lib/games/zorbly-tarnel/' | sort -u > "$scratch/libraries"
    apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
        --no-replaces --no-enhances zorbly-tarnel | grep -v '^ ' | sed 's/:.*//' | sort -u > "$scratch/brought"
    [ "$(wc -l < "$scratch/libraries")" -gt 20 ] || fail "too few libraries seen: $(cat "$scratch/libraries")"
    # Packages name a file by /lib or /usr/lib, as they were built: both are asked.
    sed 's|^/usr/|/|; p; s|^/|/usr/|' "$scratch/libraries" | sort -u | xargs dpkg-query -S 2> /dev/null |
        sed 's/:[a-z0-9]*\(, \|: \)/\1/g' > "$scratch/owners" || true
    while read -r library; do
        owner=$(awk -F ': ' -v a="$library" -v b="${library#/usr}" -v c="/usr$library" \
                '$2 == a || $2 == b || $2 == c { sub(/,.*/, "", $1); print $1; exit }' "$scratch/owners")
        [ -n "$owner" ] || fail "$library belongs to no package"
        grep -qx "$owner" "$scratch/brought" || fail "$library comes from $owner, which the package does not bring"
    done < "$scratch/libraries"

    apt-get remove -y -q zorbly-tarnel > "$scratch/apt.log" 2>&1 ||
        fail "apt did not remove the package: $(cat "$scratch/apt.log")"
    [ -z "$(dpkg-query -W -f '${db:Status-Abbrev}' zorbly-tarnel 2> /dev/null | tr -d ' un')" ] ||
        fail "the package is still known to dpkg: $(dpkg-query -W -f '${db:Status-Abbrev}' zorbly-tarnel)"
    grep -vx '/\.' "$scratch/files" | while read -r path; do
        if [ -d "$path" ] && [ ! -L "$path" ]; then
            dpkg-query -S "$path" > /dev/null 2>&1 || fail "folder left behind: $path"
        elif [ -e "$path" ] || [ -L "$path" ]; then
            fail "file left behind: $path"
        fi
    done
    ! grep -q zorbly-tarnel /usr/share/mime/globs2 /usr/share/applications/mimeinfo.cache ||
        fail "the file type or its handler left behind"
    echo "apt install, --version, file type and handler, start, first save, libraries, apt remove: all fine"
    exit 0
fi

build=$1 version=$2
deb=$("$here/../../tools/build-deb.sh" "$build/deb" "$build/deb/out")
echo "built $deb"
[ "$(dpkg-deb -f "$deb" Version | sed 's/-[^-]*$//')" = "$version" ] ||
    fail "debian/changelog gives version $(dpkg-deb -f "$deb" Version); CMake's project() says $version"

echo "lintian:"
lintian --fail-on error,warning "$deb" || fail "lintian"

if [ "$(id -u)" -eq 0 ] && unshare --mount true 2> /dev/null; then
    unshare --mount --propagation private "$0" --inside "$deb" "$version"
else
    # No private mounts here: the package's files unpacked into a folder of
    # their own, without apt.
    root=$(mktemp -d)
    trap 'rm -rf "$root"' EXIT
    dpkg-deb -x "$deb" "$root"
    [ "$("$root/usr/games/zorbly-tarnel" --version)" = "Zorbly Tarnel V$version" ] ||
        fail "the unpacked --version says: $("$root/usr/games/zorbly-tarnel" --version)"
    "$here/check-install.sh" --installed "$root/usr" "$root/usr/lib/games/zorbly-tarnel" "$root/usr/games" ||
        fail "the unpacked game"
    echo "SKIP: install and removal with apt need root and private mounts"
fi
