#!/usr/bin/python3
"""The board read over the desktop's accessibility bus as a screen reader
reads it: a table of 9 x 7 named cells, the focus on the framed cell, the
names after a swap and where it went, the hints followed until "solved" is
said, the next deal of the level, and the unsolved-level buttons' keys.
Run on an X server of its own under a window manager and a session bus;
argument: the game program in the build folder."""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

program = os.path.abspath(sys.argv[1])
# The first level that shows a street, a raised road and a building.
LEVEL = 291
events = []  # (kind, source, name then) as they come


def wait(what, condition, seconds=30):
    """Runs the bus's events until condition holds; a tick wakes the loop to
    look again where the condition is not an event (a name read anew)."""
    end = time.monotonic() + seconds
    tick = GLib.timeout_add(20, lambda: True)
    try:
        while time.monotonic() < end:
            result = condition()
            if result:
                return result
            GLib.MainContext.default().iteration(True)
    finally:
        GLib.source_remove(tick)
    sys.exit(f"FAIL: {what}; said: {[t for k, _, t in events if k == 'said'][-3:]}")


def xdo(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout


def heard(event):
    """Focus, a name changed, and a notification coming into view."""
    if event.detail1 and event.type.endswith("focused"):
        events.append(("focused", event.source, None))
    elif event.type.endswith("accessible-name"):
        events.append(("renamed", event.source, None))
    elif event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
        events.append(("said", event.source.parent, event.source.name))


# The bus, its daemon and the registry in a process group of their own, ended together.
bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
config = tempfile.mkdtemp()
os.makedirs(f"{config}/ZorblyGames")
with open(f"{config}/ZorblyGames/ZorblyTarnel-V2.ini", "w") as ini:
    ini.write(f"[common]\ntongue=0\nlevel={LEVEL}\n")
game = subprocess.Popen([program], cwd=os.path.dirname(program), env=dict(
    os.environ, XDG_CONFIG_HOME=config, XDG_DATA_HOME=config, QT_QPA_PLATFORM="xcb",
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
try:
    pyatspi.Registry.registerEventListener(heard, "object:state-changed:focused",
                                           "object:state-changed:showing",
                                           "object:property-change:accessible-name")

    def the_board():
        for app in pyatspi.Registry.getDesktop(0):
            if app and app.get_process_id() == game.pid:
                return pyatspi.findDescendant(app, lambda a: a.getRole() == pyatspi.ROLE_TABLE)
    board = wait("the game's board is a table on the bus", the_board)
    table = board.queryTable()
    cells = [child for child in board if child.getRole() == pyatspi.ROLE_TABLE_CELL]
    assert (table.nRows, table.nColumns, len(cells)) == (7, 9, 63), "not 9 x 7 cells"
    assert cells == [table.getAccessibleAt(i // 9, i % 9) for i in range(63)], "cells out of order"
    names = lambda: [cell.name for cell in cells]
    assert all(names()), "a cell without a name"
    seen = {name.split(",")[0]: name for name in names()}
    kinds = ("street", "raised road", "building")
    assert all(kind in seen for kind in kinds), f"level {LEVEL} shows {seen.keys()}"
    assert len({seen[kind] for kind in kinds}) == 3, seen

    # The unsolved levels' buttons name their keys as the others do.
    for name in ("Previous unsolved level", "Next unsolved level"):
        button = pyatspi.findDescendant(board.parent, lambda a: a.name == name)
        assert re.fullmatch(re.escape(name) + r" \(.+\)", button.description), button.description

    # The splash goes with Escape; Tab brings the focus and the frame to the board.
    def window(size):
        for wid in xdo("search", "--onlyvisible", "--pid", str(game.pid), "").split():
            if size in xdo("getwindowgeometry", wid):
                return wid
    splash = lambda: window("200x150")
    xdo("windowfocus", "--sync", wait("the splash is shown", splash), "key", "Escape")
    wait("the splash is gone", lambda: not splash())
    main = xdo("search", "--sync", "--onlyvisible", "--pid", str(game.pid), "--name",
               "^Zorbly Tarnel V2.2").split()[0]
    focused = lambda: [cells.index(src) for kind, src, _ in events
                       if kind == "focused" and src in cells][-1:]
    xdo("windowfocus", "--sync", main, "key", "Tab")
    marked = wait("the framed cell has the focus after Tab", focused)[0]
    assert names()[marked].endswith(", marked"), names()[marked]

    # The arrows take the frame to the nearest movable tile of another kind
    # than the marked one, so that Space must rename both cells; in another
    # column and row where there is one, so that the words tell them apart.
    kind = lambda name: name.split(",")[0]
    c, r = marked % 9, marked // 9
    others = [i for i, name in enumerate(names())
              if ", movable" in name and kind(name) != kind(names()[marked])]
    assert others, f"level {LEVEL} has one kind of movable tile"
    near = min(others, key=lambda i: (i % 9 == c or i // 9 == r,
                                      abs(i % 9 - c) + abs(i // 9 - r)))
    nc, nr = near % 9, near // 9
    xdo("key", *["Right" if nc > c else "Left"] * abs(nc - c),
        *["Down" if nr > r else "Up"] * abs(nr - r))
    wait("the focus follows the arrows to the framed cell", lambda: focused() == [near])
    before = names()
    seen_before = len(events)
    renamed = lambda: {cells.index(src) for kind, src, _ in events[seen_before:]
                       if kind == "renamed" and src in cells}
    said = lambda: [text for kind, src, text in events if kind == "said" and src == board]
    xdo("key", "space")
    # Both cells named anew, and where each tile stood said, the marked one first.
    wait("the swapped cells are named anew and said", lambda: {near, marked} <= renamed()
         and kind(names()[near]) == kind(before[marked]) and said() and said()[-1].startswith(
             f"{kind(before[marked])} at column {c + 1}, row {r + 1} and "
             f"{kind(before[near])} at column {nc + 1}, row {nr + 1} changed places"))
    assert names()[near].endswith(", marked") and kind(names()[marked]) == kind(before[near])

    # The hints lead to the solved board; the last swap says so.
    for _ in range(63):
        count = len(said())
        xdo("key", "h")
        wait("the hint is said", lambda: len(said()) > count and said()[-1].startswith("hint:"))
        xdo("key", "space")
        wait("the swap is said", lambda: "changed places" in said()[-1])
        if said()[-1].endswith(", solved"):
            break
    else:
        sys.exit("FAIL: no swap said the level is solved")
    won = wait("the won message comes with the solving swap", lambda: window("261x103"))
    xdo("windowactivate", "--sync", won, "key", "Return")
    wait("the won message is closed", lambda: not window("261x103"))
    # A fresh deal of the level solved before: not solved, and nothing said yet.
    xdo("windowfocus", "--sync", main, "key", "ctrl+r")
    wait("a new deal reads as solved before", lambda: board.description == f"Level {LEVEL}, solved before")
    assert not board[63].name, f"the last deal's words stay: {board[63].name}"
    print("the board read as a table of 63 named cells; focus, swap, solving and deal said")
finally:
    game.kill()
    os.killpg(bus.pid, signal.SIGTERM)
    shutil.rmtree(config)
