#!/usr/bin/env bash
# Installs the build into a scratch folder and checks what a desktop sees:
# the program beside its level file, help file and sound module, the menu
# entry and icons, a valid AppStream description, and a game that starts from
# the menu entry.
set -euo pipefail
build=$1
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT

DESTDIR="$dest" cmake --install "$build" > /dev/null
prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
root="$dest$prefix"
fail() { echo "FAIL: $*"; exit 1; }

app="$root/lib/zorbly-tarnel"
[ -x "$app/zorbly-tarnel" ] || fail "no program in $app"
cmp -s "$app/ztrn.dat" "$(dirname "$0")/../../data/ztrn.dat" || fail "level file not beside the program"
[ -f "$app/ZTRN2.HLP" ] || fail "help file not beside the program"
[ -f "$app/zorbly-tarnel-sound.so" ] || fail "sound module not beside the program"
[ -L "$root/bin/zorbly-tarnel" ] || fail "no link in bin"
[ "$(readlink -f "$root/bin/zorbly-tarnel")" = "$(readlink -f "$app/zorbly-tarnel")" ] || fail "bin link points elsewhere"

desktop="$root/share/applications/zorbly-tarnel.desktop"
[ -f "$desktop" ] || fail "no menu entry"
desktop-file-validate "$desktop" || fail "menu entry does not validate"
for size in 16 32 48 64 128 256; do
    [ -f "$root/share/icons/hicolor/${size}x${size}/apps/zorbly-tarnel.png" ] || fail "no ${size}px icon"
done
appstreamcli validate --no-net "$root/share/metainfo/"*.metainfo.xml > /dev/null || fail "AppStream description does not validate"

# Start the game the way the menu does, from the entry's Exec line.
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
program="$dest$exec_line"
[ -x "$program" ] || fail "Exec line names no program: $exec_line"
config=$(mktemp -d)
trap 'rm -rf "$dest" "$config"' EXIT
cat > "$config/start.sh" <<EOS
#!/usr/bin/env bash
XDG_CONFIG_HOME="$config" "$program" > "$config/out.log" 2>&1 &
pid=\$!
for i in \$(seq 1 100); do
    if xdotool search --onlyvisible --name '^Zorbly Tarnel V2.2' > /dev/null 2>&1; then
        kill \$pid; wait \$pid 2>/dev/null; exit 0
    fi
    kill -0 \$pid 2>/dev/null || { cat "$config/out.log"; exit 1; }
    sleep 0.1
done
kill \$pid; exit 1
EOS
chmod +x "$config/start.sh"
xvfb-run -a "$config/start.sh" || fail "the installed game did not open its window"
echo "install layout, menu entry, icons, AppStream description and start: all fine"
