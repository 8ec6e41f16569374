#!/usr/bin/env bash
# The Debian package as a player gets it: built, lintian without an error or
# a warning, the project's version, installed with apt into a throw-away copy
# of this system (private mounts over /etc, /usr and /var), checked by
# check-install.sh, every library its program, sound module and Qt plugins
# need brought by its dependencies, and removed with nothing left behind.
# Usage: check-package.sh BUILD VERSION
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*"; exit 1; }

if [ "$1" != --inside ]; then
    deb=$("$here/../../tools/build-deb.sh" "$1/deb" "$1/deb/out")
    [ "$(dpkg-deb -f "$deb" Version | sed 's/-[^-]*$//')" = "$2" ] ||
        fail "debian/changelog says $(dpkg-deb -f "$deb" Version), CMake's project() $2"
    lintian --fail-on error,warning "$deb" || fail "lintian"
    if [ "$(id -u)" -ne 0 ] || ! unshare --mount true 2> /dev/null; then
        echo "SKIP: installing needs root and private mounts"
        exit 77
    fi
    exec unshare --mount --propagation private "$0" --inside "$deb" "$2"
fi

deb=$2 version=$3
tmp=$(mktemp -d)
mount -t tmpfs tmpfs "$tmp"
for d in etc usr var; do
    mkdir "$tmp/$d" "$tmp/$d.work"
    mount -t overlay overlay -o "lowerdir=/$d,upperdir=$tmp/$d,workdir=$tmp/$d.work" "/$d"
done
export DEBIAN_FRONTEND=noninteractive PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin:/usr/games
dpkg-query -W zorbly-tarnel > /dev/null 2>&1 && dpkg -r zorbly-tarnel > /dev/null
apt-get install -y -q --no-install-recommends "$deb" > "$tmp/apt.log" 2>&1 || fail "apt install: $(cat "$tmp/apt.log")"
dpkg-query -L zorbly-tarnel | grep -vx '/\.' > "$tmp/files"

[ "$(zorbly-tarnel --version)" = "Zorbly Tarnel V$version" ] || fail "--version says $(zorbly-tarnel --version)"
# The file type as a desktop without settings of its own sees it: the type
# the menu entry names is known, a progress file is of it, the game opens it.
type=$(sed -n 's/^MimeType=\([^;]*\);.*/\1/p' /usr/share/applications/zorbly-tarnel.desktop)
grep -qx "$type" /usr/share/mime/types || fail "the menu entry's type \"$type\" is not in the database"
head -c 500 /dev/zero > "$tmp/progress.ztn"
mkdir "$tmp/home"
xdg() { env -i PATH="$PATH" HOME="$tmp/home" xdg-mime query "$@"; }
[ "$(xdg filetype "$tmp/progress.ztn")" = "$type" ] || fail "a .ztn file is of type $(xdg filetype "$tmp/progress.ztn")"
[ "$(xdg default "$type")" = zorbly-tarnel.desktop ] || fail "$type opens with \"$(xdg default "$type")\""
"$here/check-install.sh" --installed /usr /usr/lib/games/zorbly-tarnel /usr/games || fail "the installed game"

# The Qt plugins the game has loaded once its window is up, and the sound
# backends the sound module may load. (What the libraries open by themselves,
# a cursor theme or a GL driver, is for their packages to bring.)
cat > "$tmp/maps.sh" <<'EOS'
zorbly-tarnel 2> /dev/null & pid=$!
timeout 60 xdotool search --sync --onlyvisible --name '^Zorbly Tarnel V' > /dev/null
rc=$?
grep -o '/.*/qt6/plugins/.*\.so$' /proc/$pid/maps | sort -u
kill $pid
exit $rc
EOS
xvfb-run -a bash "$tmp/maps.sh" > "$tmp/plugins" || fail "the game did not come up"
grep -q /platforms/ "$tmp/plugins" || fail "no platform plugin loaded"
ls /usr/lib/*/qt6/plugins/multimedia/*.so >> "$tmp/plugins"
for elf in /usr/lib/games/zorbly-tarnel/zorbly-tarnel* $(cat "$tmp/plugins"); do
    echo "$elf"
    ldd "$elf" | awk '$3 ~ /^\// { print $3 }'
done | grep -v '^/usr/lib/games/' | sort -u > "$tmp/libraries"
apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks --no-replaces \
    --no-enhances zorbly-tarnel | grep -v '^ ' | sed 's/:.*//' > "$tmp/brought"
# Packages name a file by /lib or by /usr/lib: both are asked.
sed 's|^/usr/|/|; p; s|^/|/usr/|' "$tmp/libraries" | xargs dpkg-query -S 2> /dev/null |
    sed 's/:[a-z0-9]*\(, \|: \)/\1/g' > "$tmp/owners" || true
while read -r library; do
    owner=$(awk -F ': ' -v a="$library" -v b="${library#/usr}" -v c="/usr$library" \
        '$2 == a || $2 == b || $2 == c { sub(/,.*/, "", $1); print $1; exit }' "$tmp/owners")
    grep -qx "${owner:-?}" "$tmp/brought" || fail "$library (${owner:-no package}) does not come with the package"
done < "$tmp/libraries"

apt-get remove -y -q zorbly-tarnel > "$tmp/apt.log" 2>&1 || fail "apt remove: $(cat "$tmp/apt.log")"
[ -z "$(dpkg-query -W -f '${db:Status-Abbrev}' zorbly-tarnel 2> /dev/null | tr -d ' un')" ] ||
    fail "dpkg still holds the package"
while read -r path; do
    if [ -d "$path" ] && [ ! -L "$path" ]; then
        dpkg-query -S "$path" > /dev/null 2>&1 || fail "folder left behind: $path"
    elif [ -e "$path" ] || [ -L "$path" ]; then
        fail "file left behind: $path"
    fi
done < "$tmp/files"
! grep -q zorbly-tarnel /usr/share/mime/globs2 /usr/share/applications/mimeinfo.cache || fail "file type left behind"
echo "lintian, apt install, --version, file type, start, first save, libraries, apt remove: all fine"
