#!/usr/bin/env python3
"""Start-up of the real Mavu window against the floor any Qt 6 editor pays.

Starts a private Xvfb, then runs Mavu and the bare Qt window (one
QsciScintilla in a main window) alternately, each as a whole new process, and
reports for each: the time from exec to its first painted main window (both
programs print CLOCK_MONOTONIC when MAVU_STARTUP_PROBE is set) and the
resident memory 1.5 s later. Mavu starts with a fresh home whose settings turn
off the tip of the day and the documentation warning, so that only the main
window is measured.

    python3 bench/window/startup.py --mavu build-bench/src/mavu \
        --bare build-bench/bench/window/bench_bare_window [--runs 9]
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def start_xvfb():
    # Other programs on the machine may start displays of their own at the
    # same moment: take a free number well above the usual ones and check
    # that the server is really there before using it.
    for number in range(200 + os.getpid() % 300, 1000):
        if os.path.exists(f"/tmp/.X{number}-lock"):
            continue
        proc = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1920x1080x24",
                                 "-nolisten", "tcp"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(100):
            if proc.poll() is not None:
                break
            if os.path.exists(f"/tmp/.X11-unix/X{number}"):
                return proc, f":{number}"
            time.sleep(0.05)
        proc.kill()
        proc.wait()
    sys.exit("Xvfb did not start")


def scratch_home(root):
    config = os.path.join(root, "config", "Mavu")
    os.makedirs(config, exist_ok=True)
    with open(os.path.join(config, "Mavu.ini"), "w") as ini:
        ini.write("[Editor]\nTip=0\n[Help]\nWarning=1\n")
    return {
        "HOME": root,
        "XDG_CONFIG_HOME": os.path.join(root, "config"),
        "XDG_DATA_HOME": os.path.join(root, "data"),
    }


def rss_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def one_run(program, env, cwd):
    start = time.monotonic_ns()
    proc = subprocess.Popen([program], env=env, cwd=cwd, stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE)
    painted = None
    seen = []
    deadline = time.monotonic() + 20
    while painted is None and time.monotonic() < deadline:
        line = proc.stderr.readline()
        if not line:
            break
        seen.append(line)
        if line.startswith(b"painted "):
            painted = int(line.split()[1])
    if painted is None:
        proc.kill()
        code = proc.wait()
        sys.exit(f"{program} never reported its first paint (exit {code}); it said:\n" +
                 b"".join(seen).decode(errors="replace"))
    time.sleep(1.5)
    rss = rss_kib(proc.pid)
    proc.kill()
    proc.wait()
    return (painted - start) / 1e6, rss / 1024


def summary(name, runs):
    ms = sorted(r[0] for r in runs)
    mb = sorted(r[1] for r in runs)
    return (f"{name:6} first paint: median {statistics.median(ms):6.1f} ms "
            f"(min {ms[0]:6.1f}, max {ms[-1]:6.1f})   "
            f"RSS after 1.5 s: median {statistics.median(mb):5.1f} MB")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--mavu", required=True)
    parser.add_argument("--bare", required=True)
    parser.add_argument("--runs", type=int, default=9)
    args = parser.parse_args()
    args.mavu = os.path.abspath(args.mavu)
    args.bare = os.path.abspath(args.bare)

    xvfb, display = start_xvfb()
    root = tempfile.mkdtemp(prefix="mavu-startup-")
    try:
        base = {k: v for k, v in os.environ.items()
                if not k.startswith(("QT_", "ASAN_", "UBSAN_"))}
        base.update(DISPLAY=display, MAVU_STARTUP_PROBE="1", QT_QPA_PLATFORM="xcb")
        env = dict(base, **scratch_home(root))
        results = {"mavu": [], "bare": []}
        # One warm-up of each fills the page cache and Mavu's icon cache, as a
        # user's first start does for every later one.
        one_run(args.mavu, env, root)
        one_run(args.bare, env, root)
        for _ in range(args.runs):
            results["mavu"].append(one_run(args.mavu, env, root))
            results["bare"].append(one_run(args.bare, env, root))
        print(summary("mavu", results["mavu"]))
        print(summary("bare", results["bare"]))
        for name, pick in (("median", statistics.median), ("minimum", min)):
            ratio = (pick(r[0] for r in results["mavu"]) /
                     pick(r[0] for r in results["bare"]))
            print(f"ratio  mavu / bare, {name}s: {ratio:.2f}")
        # Each Mavu run against the bare run right after it: a machine whose
        # speed drifts moves both alike, so the pairs' median ratio is the
        # steadiest of the three figures.
        pairs = [m[0] / b[0] for m, b in zip(results["mavu"], results["bare"])]
        print(f"ratio  mavu / bare, median of paired runs: {statistics.median(pairs):.2f}")
    finally:
        xvfb.kill()
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    main()
