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

# Start the game the way the menu does, from the entry's Exec line (by name).
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
program=$(PATH="$bin" command -v "$exec_line") || fail "Exec line names no program in $bin: $exec_line"
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
cat > "$player/firstsave.sh" <<EOS
#!/usr/bin/env bash
mount --bind -o ro "$app" "$app" || exit 3
touch "$app/probe" 2> /dev/null && exit 4
XDG_CONFIG_HOME="$player/config" XDG_DATA_HOME="$player/data" QT_QPA_PLATFORM=xcb \
    "$program" > "$player/out.log" 2>&1 &
pid=\$!
main=
for i in \$(seq 1 100); do
    main=\$(xdotool search --onlyvisible --name '^Zorbly Tarnel V2.2 - Game noname.ztn\$' | head -1)
    [ -n "\$main" ] && break
    sleep 0.1
done
[ -n "\$main" ] || { kill \$pid; cat "$player/out.log"; exit 5; }
sleep 3.5 # the splash goes by itself
eval \$(xdotool getwindowgeometry --shell \$main)
xdotool mousemove --sync \$((X + 156)) \$((Y + 16)) click 1
# Answers whatever dialog stands open until the game has ended: yes to the
# closing question (the narrow one), "noname" to the save dialog. A key sent
# while a dialog is still coming up may go astray; it is sent again.
for i in \$(seq 1 20); do
    sleep 0.5
    kill -0 \$pid 2> /dev/null || break
    for w in \$(xdotool search --onlyvisible --pid \$pid '' 2> /dev/null); do
        eval \$(xdotool getwindowgeometry --shell \$w)
        # Not the main window, not the root window the search also names.
        [ "\$WIDTH" -lt 100 ] || [ "\$WIDTH" -eq 520 ] || [ "\$WIDTH" -gt 900 ] && continue
        xdotool windowfocus --sync \$w
        if [ "\$WIDTH" -lt 330 ]; then
            xdotool key --clearmodifiers Return
        else
            xdotool key --clearmodifiers ctrl+a
            xdotool type --delay 20 noname
            xdotool key --clearmodifiers Return
        fi
        break
    done
done
kill -0 \$pid 2> /dev/null && { kill \$pid; exit 6; }
wait \$pid
EOS
chmod +x "$player/firstsave.sh"
xvfb-run -a "${private_mount[@]}" "$player/firstsave.sh" ||
    fail "the first save with a read-only program folder (step $?): $(cat "$player/out.log")"
saved="$player/data/zorbly-tarnel/noname.ztn"
[ "$(stat -c %s "$saved" 2> /dev/null)" = 500 ] || fail "no progress file in the player's data folder"
grep -qx "save=$saved" "$player/config/ZorblyGames/ZorblyTarnel-V2.ini" ||
    fail "the store does not name the saved file: $(cat "$player/config/ZorblyGames/ZorblyTarnel-V2.ini")"
[ ! -e "$app/noname.ztn" ] || fail "a progress file beside the installed program"
echo "install layout, menu entry, icons, AppStream description, start and first save: all fine"
