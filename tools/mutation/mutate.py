#!/usr/bin/python3
"""Puts small faults into the sources one at a time and runs the tests that
cover each; a fault that no test notices is a survivor.

The faults are listed in mutants.txt beside this script. Each is an exact
piece of source text and what it becomes, so the list stays readable and
a piece that has moved or changed is reported by name instead of being
counted. The faults go into a copy of the tree under the work folder, never
into the tree itself: an interrupted run leaves nothing behind, and the next
run brings the copy back in line first.
"""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import time
from dataclasses import dataclass, field

# The share of faults the tests must notice, equivalent ones left aside.
KILL_SHARE = 0.95


@dataclass
class Mutant:
    file: str
    original: str
    replacement: str
    occurrence: int  # 0: the text must occur exactly once
    tests: list
    line: int  # in the list, for messages
    notes: list = field(default_factory=list)


def parse_list(path):
    mutants = []
    current_file = None
    tests = []
    notes = []
    pending = None
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    for no, raw in enumerate(lines, 1):
        if raw.startswith("#") or not raw.strip():
            continue
        if raw.startswith("file:"):
            current_file = raw[5:].strip()
            continue
        if raw.startswith("tests:"):
            tests = raw[6:].split()
            continue
        if raw.startswith("?"):
            notes.append(raw[1:].strip())
            continue
        m = re.match(r"^-(?:@(\d+))? (.*)$", raw)
        if m:
            if pending:
                sys.exit(f"{path}:{pending[2]}: a '-' line without its '+' line")
            if not current_file or not tests:
                sys.exit(f"{path}:{no}: a fault before its 'file:' and 'tests:' lines")
            pending = (m.group(2), int(m.group(1) or 0), no)
            continue
        if raw == "+" or raw.startswith("+ "):
            if not pending:
                sys.exit(f"{path}:{no}: a '+' line without its '-' line")
            mutants.append(Mutant(current_file, pending[0], raw[2:], pending[1], list(tests),
                                  pending[2], notes))
            pending = None
            notes = []
            continue
        sys.exit(f"{path}:{no}: cannot read this line: {raw!r}")
    if pending:
        sys.exit(f"{path}:{pending[2]}: a '-' line without its '+' line")
    return mutants


def locate(text, mutant):
    """The offset of the mutant's text in the file, or an explanation."""
    starts = [m.start() for m in re.finditer(re.escape(mutant.original), text)]
    if not starts:
        return None, "not found"
    if mutant.occurrence:
        if mutant.occurrence > len(starts):
            return None, f"found {len(starts)} times, not {mutant.occurrence}"
        return starts[mutant.occurrence - 1], None
    if len(starts) > 1:
        return None, f"found {len(starts)} times; say which with -@N"
    return starts[0], None


def sync_tree(source, copy):
    """Makes the copy hold exactly the project's files, touching only those
    that differ, so that the build in the copy redoes only what changed."""
    listed = subprocess.run(
        ["git", "-C", source, "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
        check=True, capture_output=True).stdout.decode().split("\0")
    wanted = {p for p in listed if p and os.path.isfile(os.path.join(source, p))}
    for rel in wanted:
        src = os.path.join(source, rel)
        dst = os.path.join(copy, rel)
        with open(src, "rb") as f:
            data = f.read()
        try:
            with open(dst, "rb") as f:
                if f.read() == data:
                    continue
        except FileNotFoundError:
            os.makedirs(os.path.dirname(dst), exist_ok=True)
        with open(dst, "wb") as f:
            f.write(data)
        shutil.copymode(src, dst)
    # Files that are gone from the project would still be picked up by globs.
    for root, _dirs, files in os.walk(copy):
        for name in files:
            rel = os.path.relpath(os.path.join(root, name), copy)
            if rel not in wanted:
                os.remove(os.path.join(root, name))


def run(cmd, timeout=None, stdout=subprocess.DEVNULL, **kw):
    # In a group of its own: a fault that hangs a test must not leave the
    # test running on after ctest is given up, eating the cores of the rest.
    p = subprocess.Popen(cmd, stdout=stdout, stderr=subprocess.STDOUT if stdout != subprocess.DEVNULL
                         else subprocess.DEVNULL, start_new_session=True, **kw)
    try:
        return p.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        os.killpg(p.pid, signal.SIGKILL)
        p.wait()
        return "timeout"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--source", default=os.path.dirname(os.path.dirname(here)))
    ap.add_argument("--work", default=None, help="work folder (default: SOURCE/build-mutation)")
    ap.add_argument("--list", default=os.path.join(here, "mutants.txt"))
    ap.add_argument("--jobs", default="2")
    ap.add_argument("--only", default=None, help="only the faults in files matching this text")
    ap.add_argument("--check", action="store_true",
                    help="only tell whether every fault's text is found in the tree")
    args = ap.parse_args()

    source = os.path.abspath(args.source)
    work = os.path.abspath(args.work or os.path.join(source, "build-mutation"))
    copy = os.path.join(work, "src")
    build = os.path.join(work, "build")
    mutants = parse_list(args.list)
    if args.only:
        mutants = [m for m in mutants if args.only in m.file]
    started = time.monotonic()
    if args.check:
        bad = 0
        for m in mutants:
            try:
                with open(os.path.join(source, m.file), encoding="utf-8") as f:
                    _at, why = locate(f.read(), m)
            except FileNotFoundError:
                why = "the file is gone"
            if why:
                bad += 1
                print(f"list line {m.line}: {m.file}: {m.original.strip()!r}: {why}")
        print(f"{len(mutants)} faults, {bad} not found as listed")
        sys.exit(1 if bad else 0)

    os.makedirs(copy, exist_ok=True)
    sync_tree(source, copy)
    if not os.path.exists(os.path.join(build, "build.ninja")):
        cmd = ["cmake", "-S", copy, "-B", build, "-G", "Ninja",
               "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
               # No debug information and light optimisation: each fault is
               # compiled and linked again, and that is most of the run.
               "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -DNDEBUG"]
        if shutil.which("ccache"):
            cmd.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
        if subprocess.run(cmd, stdout=subprocess.DEVNULL).returncode != 0:
            sys.exit("mutation: cannot configure the work tree")

    # Which program each test runs: its target has the program's name. ctest
    # names a program only once it is built, so read the test files instead.
    # A test may start its program through a wrapper (an X server, a session
    # bus): the program is the last word that lies in the build folder.
    programs = {}
    for root, _dirs, files in os.walk(build):
        if "CTestTestfile.cmake" in files:
            with open(os.path.join(root, "CTestTestfile.cmake"), encoding="utf-8") as f:
                for name, words in re.findall(r'add_test\(\[=\[(.+?)\]=\] ((?:"[^"]*" ?)+)\)',
                                              f.read()):
                    words = re.findall(r'"([^"]*)"', words)
                    built = [w for w in words if w.startswith(build + os.sep)]
                    programs[name] = os.path.basename((built or words)[-1])
    needed = []
    for m in mutants:
        for t in m.tests:
            if t not in programs:
                sys.exit(f"mutation: {args.list}:{m.line}: no test called {t}")
            if t not in needed:
                needed.append(t)

    def build_target(name):
        return run(["cmake", "--build", build, "--target", name, "-j", args.jobs])

    # A fault that crashes a test is caught all the same: no debugger for a
    # stack trace, which takes longer than the test and outlives it.
    test_env = dict(os.environ, QTEST_DISABLE_STACK_DUMP="1", QTEST_DISABLE_CORE_DUMP="1")

    def run_test(name, timeout, output=subprocess.DEVNULL):
        return run(["ctest", "--test-dir", build, "-R", f"^{re.escape(name)}$",
                    "--timeout", str(timeout), "--output-on-failure"],
                   timeout=timeout + 30, env=test_env, stdout=output)

    # Without any fault every covering test must pass, or nothing below means
    # anything. Their times bound the wait for a fault that makes one hang.
    print(f"mutation: building and running {len(needed)} test programs unchanged", flush=True)
    timeouts = {}
    for t in needed:
        if build_target(programs[t]) != 0:
            sys.exit(f"mutation: {programs[t]} does not build without any fault")
        t0 = time.monotonic()
        log_path = os.path.join(work, f"{t}.log")
        with open(log_path, "w", encoding="utf-8") as log:
            passed = run_test(t, 600, log) == 0
        if not passed:
            with open(log_path, encoding="utf-8", errors="replace") as log:
                sys.stdout.write("".join(log.readlines()[-60:]))
            sys.exit(f"mutation: the test {t} fails without any fault (all of it in {log_path})")
        took = time.monotonic() - t0
        timeouts[t] = int(max(30, 5 * took))
        print(f"mutation: {t} passes ({took:.0f} s)", flush=True)

    killed = 0
    counted = 0
    survivors = []
    stale = []
    broken = []
    for n, m in enumerate(mutants, 1):
        path = os.path.join(copy, m.file)
        try:
            with open(path, encoding="utf-8") as f:
                text = f.read()
        except FileNotFoundError:
            stale.append((m, "the file is gone"))
            continue
        at, why = locate(text, m)
        if why:
            stale.append((m, why))
            continue
        line = text.count("\n", 0, at) + 1
        where = f"{m.file}:{line}"
        mutated = text[:at] + m.replacement + text[at + len(m.original):]
        verdict = None
        try:
            with open(path, "w", encoding="utf-8") as f:
                f.write(mutated)
            for t in m.tests:
                if build_target(programs[t]) != 0:
                    verdict = "does not compile"
                    break
                if run_test(t, timeouts[t]) != 0:
                    verdict = "killed by " + t
                    break
        finally:
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
        if verdict == "does not compile":
            broken.append((m, where))
            print(f"[{n}/{len(mutants)}] {where}: does not compile (list line {m.line})",
                  flush=True)
            continue
        counted += 1
        if verdict:
            killed += 1
            print(f"[{n}/{len(mutants)}] {where}: {verdict}", flush=True)
        else:
            survivors.append((m, where))
            print(f"[{n}/{len(mutants)}] {where}: SURVIVED (list line {m.line})", flush=True)

    # Put the copy's build back on the unchanged sources for the next run.
    for t in needed:
        build_target(programs[t])

    print()
    for m, where in survivors:
        print(f"survivor {where}: {m.original.strip()!r} -> {m.replacement.strip()!r}")
        for note in m.notes:
            print(f"    {note}")
    for m, why in stale:
        print(f"list line {m.line}: {m.file}: {m.original.strip()!r}: {why}; update the list")
    for m, where in broken:
        print(f"list line {m.line}: {where}: the fault does not compile; fix the list")
    minutes, seconds = divmod(int(time.monotonic() - started), 60)
    print(f"time: {minutes} min {seconds} s")
    # A survivor noted as equivalent shows code without effect: it is
    # counted apart, and the code it shows is better deleted.
    equivalent = sum(1 for m, _where in survivors if m.notes and
                     m.notes[0].lower().startswith("equivalent"))
    judged = counted - equivalent
    share = killed / judged if judged else 1.0
    print(f"mutants: {counted}, killed: {killed}, equivalent: {equivalent}, "
          f"killed of the rest: {share:.1%} (at least {KILL_SHARE:.0%} wanted)")
    if share < KILL_SHARE or stale or broken:
        sys.exit(1)


if __name__ == "__main__":
    main()
