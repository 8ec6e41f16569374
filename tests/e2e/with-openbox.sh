#!/usr/bin/env bash
# Runs a command on the present X display under the openbox window manager,
# as players meet the game on a desktop, and stops the manager afterwards.
# Meant for the test's own X server (xserver.sh).
set -u
# Debian's own settings, whatever the user running the tests has made.
openbox --sm-disable --config-file /etc/xdg/openbox/rc.xml >/dev/null 2>&1 &
wm=$!
# The manager is up once it has claimed the screen.
for _ in $(seq 100); do
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
        break
    fi
    sleep 0.05
done
"$@"
rc=$?
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null
exit $rc
