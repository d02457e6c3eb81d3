#!/usr/bin/env python3
"""`mavu --parse` beside Universal Ctags, timed as a user would see them.

Both programs run as whole processes over the same Java sources, their output
thrown away (/dev/null), one after the other in turn (A B A B ...) so that a
machine whose speed drifts does not favour either; the report gives the median
wall and CPU time (user + system, from the kernel's accounting of the finished
child) of each command and their ratio.

    python3 bench/parsecli/compare.py [--mavu PATH] [--runs N] [--all] [--work DIR]

The sources are unpacked from the JDK's lib/src.zip (java.base only, or every
module with --all) into the work folder once. Commands compared, each started
in the folder of the sources with the same file list:

    mavu --parse --jobs 1 FILE...      one thread
    mavu --parse FILE...               one thread per core (the default)
    ctags -R --languages=Java -f /dev/null MODULE...
    ctags --languages=Java -f /dev/null FILE...
"""

import argparse
import os
import resource
import shutil
import statistics
import subprocess
import sys
import time
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))


def find_jdk():
    if os.environ.get("JDK"):
        return os.environ["JDK"]
    javac = shutil.which("javac")
    if not javac:
        sys.exit("compare.py: javac not found on PATH (Debian: openjdk-17-jdk)")
    return os.path.dirname(os.path.dirname(os.path.realpath(javac)))


def find_mavu(given):
    if given:
        return given
    for build in ("build-bench", "build-rel", "build", "build-test"):
        path = os.path.join(REPO, build, "src", "mavu")
        if os.access(path, os.X_OK):
            return path
    sys.exit("compare.py: no mavu executable found: give --mavu PATH")


def unpack(src_zip, work, modules):
    """The .java files of the modules (None: all), unpacked once; sorted paths."""
    stamp = os.path.join(work, "stamp-" + ("all" if modules is None else "-".join(modules)))
    names = []
    with zipfile.ZipFile(src_zip) as z:
        for name in z.namelist():
            if not name.endswith(".java"):
                continue
            if modules is not None and name.split("/", 1)[0] not in modules:
                continue
            names.append(name)
        if not (os.path.exists(stamp) and os.path.getmtime(stamp) >= os.path.getmtime(src_zip)):
            print("unpacking %d sources of %s into %s" % (len(names), src_zip, work),
                  file=sys.stderr)
            z.extractall(work, names)
            open(stamp, "w").close()
    return sorted(names)


def run_once(argv, cwd):
    """Wall and CPU seconds of one whole process; its output goes to /dev/null."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.monotonic()
    with open(os.devnull, "wb") as null:
        status = subprocess.run(argv, cwd=cwd, stdout=null, stderr=subprocess.PIPE)
    wall = time.monotonic() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    if status.returncode != 0:
        sys.exit("compare.py: %s ended with %d: %s" % (argv[0], status.returncode,
                                                      status.stderr.decode(errors="replace")[:500]))
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return wall, cpu


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--mavu", help="the mavu executable (default: a build in the checkout)")
    ap.add_argument("--ctags", default=shutil.which("ctags"), help="Universal Ctags")
    ap.add_argument("--runs", type=int, default=7, help="timed runs of each command (7)")
    ap.add_argument("--all", action="store_true", help="every module of src.zip, not java.base")
    ap.add_argument("--work", default=os.path.join(REPO, "build-parsecli"),
                    help="where the sources are unpacked (build-parsecli/ in the checkout)")
    args = ap.parse_args()

    mavu = os.path.abspath(find_mavu(args.mavu))
    if not args.ctags:
        sys.exit("compare.py: ctags not found (Debian: universal-ctags)")
    src_zip = os.path.join(find_jdk(), "lib", "src.zip")
    if not os.path.exists(src_zip):
        sys.exit("compare.py: %s is missing (Debian: openjdk-17-source)" % src_zip)
    os.makedirs(args.work, exist_ok=True)
    files = unpack(src_zip, args.work, None if args.all else ["java.base"])
    modules = sorted({f.split("/", 1)[0] for f in files})
    size = sum(os.path.getsize(os.path.join(args.work, f)) for f in files)

    commands = [
        ("mavu --parse --jobs 1 FILE...", [mavu, "--parse", "--jobs", "1"] + files),
        ("mavu --parse FILE...", [mavu, "--parse"] + files),
        ("ctags -R --languages=Java -f /dev/null " + " ".join(modules)[:40],
         [args.ctags, "-R", "--languages=Java", "-f", "/dev/null"] + modules),
        ("ctags --languages=Java -f /dev/null FILE...",
         [args.ctags, "--languages=Java", "-f", "/dev/null"] + files),
    ]
    print("%d sources, %.1f MB, in %s; %d cores; %s" %
          (len(files), size / 1e6, args.work, os.cpu_count(), mavu))
    for _, argv in commands:  # warm-up: the page cache holds the files after this
        run_once(argv, args.work)
    times = {name: [] for name, _ in commands}
    for _ in range(args.runs):
        for name, argv in commands:
            times[name].append(run_once(argv, args.work))

    medians = {}
    print("\n%-48s %10s %10s" % ("command (median of %d runs)" % args.runs, "wall s", "cpu s"))
    for name, _ in commands:
        wall = statistics.median(t[0] for t in times[name])
        cpu = statistics.median(t[1] for t in times[name])
        medians[name] = (wall, cpu)
        print("%-48s %10.3f %10.3f" % (name, wall, cpu))
    ctags = medians[commands[2][0]]
    print("\nhow many times faster than %s:" % commands[2][0])
    for name, _ in commands[:2]:
        wall, cpu = medians[name]
        print("  %-46s wall %.2f×, cpu %.2f×" % (name, ctags[0] / wall, ctags[1] / cpu))


if __name__ == "__main__":
    main()
