#!/usr/bin/env bash
# Installs the build into a scratch folder and checks what a desktop sees:
# the program beside its level file, help file and sound module, the menu
# entry and icons, a valid AppStream description, and a game that starts from
# the menu entry.
set -euo pipefail
build=$1
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
if [ "$1" = --installed ]; then # PREFIX APP BIN of a game installed otherwise (the package)
    root=$2 app=$3 bin=$4
else
    DESTDIR="$dest" cmake --install "$build" > /dev/null
    prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
    root="$dest$prefix" app="$dest$prefix/lib/zorbly-tarnel" bin="$dest$prefix/bin"
fi
fail() { echo "FAIL: $*"; exit 1; }

[ -x "$app/zorbly-tarnel" ] || fail "no program in $app"
cmp -s "$app/ztrn.dat" "$(dirname "$0")/../../data/ztrn.dat" || fail "level file not beside the program"
[ -f "$app/ZTRN2.HLP" ] || fail "help file not beside the program"
[ -f "$app/zorbly-tarnel-sound.so" ] || fail "sound module not beside the program"
[ -L "$bin/zorbly-tarnel" ] || fail "no link in $bin"
[ "$(readlink -f "$bin/zorbly-tarnel")" = "$(readlink -f "$app/zorbly-tarnel")" ] || fail "the link in $bin points elsewhere"

desktop="$root/share/applications/zorbly-tarnel.desktop"
[ -f "$desktop" ] || fail "no menu entry"
desktop-file-validate "$desktop" || fail "menu entry does not validate"
for size in 16 32 48 64 128 256; do
    [ -f "$root/share/icons/hicolor/${size}x${size}/apps/zorbly-tarnel.png" ] || fail "no ${size}px icon"
done
appstreamcli validate --no-net "$root/share/metainfo/io.github.zorblygames.ZorblyTarnel.metainfo.xml" > /dev/null || fail "AppStream description does not validate"

# Start the game the way the menu does without a file, from the entry's Exec
# line (by name); a file opened from a file manager takes the place of %f.
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ "${exec_line#* }" = "%f" ] || fail "Exec line takes no file: $exec_line"
program=$(PATH="$bin" command -v "${exec_line%% *}") || fail "Exec line names no program in $bin: $exec_line"
config=$(mktemp -d)
trap 'rm -rf "$dest" "$config"' EXIT
cat > "$config/start.sh" <<EOS
#!/usr/bin/env bash
XDG_CONFIG_HOME="$config" "$program" > "$config/out.log" 2>&1 &
pid=\$!
if timeout 30 xdotool search --sync --onlyvisible --name '^Zorbly Tarnel V2.2' > /dev/null 2>&1; then
    kill \$pid; wait \$pid 2>/dev/null; exit 0
fi
cat "$config/out.log"; kill \$pid; exit 1
EOS
chmod +x "$config/start.sh"
"$(dirname "$0")/../e2e/xserver.sh" "$config/start.sh" || fail "the installed game did not open its window"

# The program's folder as the system leaves it: not writable (a read-only
# mount in a namespace of its own, which even root cannot write). A new
# player's first save goes to the player's data folder.
if unshare --user --map-root-user --mount true 2> /dev/null; then
    private_mount=(unshare --user --map-root-user --mount)
elif [ "$(id -u)" -eq 0 ] && unshare --mount true 2> /dev/null; then
    private_mount=(unshare --mount)
else
    echo "install layout, menu entry, icons, AppStream description and start: all fine"
    echo "SKIP: no private mount namespace here for the read-only program folder"
    exit 0
fi
player=$(mktemp -d)
trap 'rm -rf "$dest" "$config" "$player"' EXIT
mkdir -p "$player/config/ZorblyGames"
printf '[common]\ntongue=0\n' > "$player/config/ZorblyGames/ZorblyTarnel-V2.ini"
cat > "$player/firstsave.sh" <<'EOS'
#!/usr/bin/env bash
app=$1 program=$2 player=$3
mount --bind -o ro "$app" "$app" || exit 3
touch "$app/probe" 2> /dev/null && exit 4
XDG_CONFIG_HOME="$player/config" XDG_DATA_HOME="$player/data" QT_QPA_PLATFORM=xcb \
    "$program" > "$player/out.log" 2>&1 &
pid=$!
# until SECONDS COMMAND...: waits until the command succeeds.
until_true() {
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt $end ] || return 1
        sleep 0.1
    done
}
# The game's visible window whose width lies in [MIN, MAX), on stdout.
window_by_width() {
    local w
    for w in $(xdotool search --onlyvisible --pid $pid --class . 2> /dev/null); do
        eval $(xdotool getwindowgeometry --shell $w)
        if [ "$WIDTH" -ge $1 ] && [ "$WIDTH" -lt $2 ] && [ "$WIDTH" -ne 520 ]; then
            echo $w
            return 0
        fi
    done
    return 1
}
no_splash() { ! window_by_width 200 201 > /dev/null; }
# Gives the window the keyboard focus and waits until it holds there.
focus() {
    xdotool windowfocus --sync $1
    until_true 10 [ "$(xdotool getwindowfocus)" = "$1" ]
}
main=$(timeout 30 xdotool search --sync --onlyvisible --name '^Zorbly Tarnel V2.2 - Game noname.ztn$' | head -1)
[ -n "$main" ] || { kill $pid; cat "$player/out.log"; exit 5; }
until_true 30 no_splash || { kill $pid; exit 8; } # the splash goes by itself
eval $(xdotool getwindowgeometry --shell $main)
xdotool mousemove --sync $((X + 156)) $((Y + 16)) click 1
# Yes to the closing question (the narrow dialog), "noname" to the save dialog.
until_true 20 window_by_width 250 330 > /dev/null || { kill $pid; exit 6; }
ask=$(window_by_width 250 330)
focus $ask || { kill $pid; exit 6; }
xdotool key --clearmodifiers Return
until_true 20 window_by_width 330 900 > /dev/null || { kill $pid; exit 7; }
save=$(window_by_width 330 900)
focus $save || { kill $pid; exit 7; }
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 noname
xdotool key --clearmodifiers Return
( sleep 30; kill $pid 2> /dev/null ) &
watch=$!
wait $pid
rc=$?
kill $watch 2> /dev/null
exit $rc
EOS
chmod +x "$player/firstsave.sh"
"$(dirname "$0")/../e2e/xserver.sh" "${private_mount[@]}" "$player/firstsave.sh" "$app" "$program" "$player" ||
    fail "the first save with a read-only program folder (step $?): $(cat "$player/out.log")"
saved="$player/data/zorbly-tarnel/noname.ztn"
[ "$(stat -c %s "$saved" 2> /dev/null)" = 500 ] || fail "no progress file in the player's data folder"
grep -qx "save=$saved" "$player/config/ZorblyGames/ZorblyTarnel-V2.ini" ||
    fail "the store does not name the saved file: $(cat "$player/config/ZorblyGames/ZorblyTarnel-V2.ini")"
[ ! -e "$app/noname.ztn" ] || fail "a progress file beside the installed program"
echo "install layout, menu entry, icons, AppStream description, start and first save: all fine"
