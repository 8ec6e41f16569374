#!/usr/bin/env bash
# Runs a command on an X server of its own (Xvfb, one 1024 x 768 screen of
# 24 bits) and stops the server afterwards. The server picks a free display
# number itself, so tests started side by side never race for one, and it
# names the number only once it takes clients.
# Without key repeat (-r): the server repeats a key it sees held for 660 ms,
# and on a loaded machine a sent key's release can come that late; an arrow
# key would then move the board's frame one cell too far.
set -u
coproc XSERVER { exec Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -r 2> /dev/null; }
server=$XSERVER_PID
if ! read -r -t 60 number <&"${XSERVER[0]}"; then
    echo "xserver.sh: Xvfb did not start" >&2
    kill "$server" 2> /dev/null
    exit 1
fi
DISPLAY=":$number" "$@"
rc=$?
kill "$server" 2> /dev/null
wait "$server" 2> /dev/null
exit $rc
