#!/usr/bin/env bash
# Measures how many of the members that the JDK's sources declare the recogniser
# (`mavu --parse`) finds, and how many it invents. See README.md beside this file.
#
#   bash bench/accuracy/run.sh [compare.py options...]   full run over lib/src.zip
#   bash bench/accuracy/run.sh selftest                  check the harness itself
#
# Environment: MAVU_BIN (the mavu executable), MAVU_ACCURACY_WORK (work folder,
# default build-accuracy/ in the checkout), JDK (default: the JDK of javac on PATH).
set -euo pipefail
export PYTHONDONTWRITEBYTECODE=1

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
work=${MAVU_ACCURACY_WORK:-$repo/build-accuracy}

die() { echo "run.sh: $*" >&2; exit 1; }

if [ -z "${JDK:-}" ]; then
    javac_path=$(command -v javac) || die "javac not found on PATH (Debian: openjdk-17-jdk)"
    JDK=$(dirname "$(dirname "$(readlink -f "$javac_path")")")
fi
src_zip=$JDK/lib/src.zip
[ -r "$src_zip" ] || die "$src_zip is missing or unreadable (Debian: openjdk-17-source)"
command -v python3 >/dev/null || die "python3 not found"
mkdir -p "$work/classes"

# Ground truth from the class files of the same JDK whose sources are scored.
if [ ! "$work/classes/DeclaredMembers.class" -nt "$here/DeclaredMembers.java" ]; then
    "$JDK/bin/javac" -d "$work/classes" "$here/DeclaredMembers.java"
fi
truth=$work/declared-members.tsv
if [ ! "$truth" -nt "$src_zip" ] || [ ! "$truth" -nt "$work/classes/DeclaredMembers.class" ]; then
    echo "reading the class files of $JDK" >&2
    "$JDK/bin/java" -cp "$work/classes" DeclaredMembers "$src_zip" "$truth.part"
    mv "$truth.part" "$truth"
fi

# Sources, extracted once per src.zip.
src=$work/src
if [ ! "$work/src.stamp" -nt "$src_zip" ]; then
    echo "extracting $src_zip" >&2
    rm -rf "$src" "$work/src.stamp"
    python3 -m zipfile -e "$src_zip" "$src"
    touch "$work/src.stamp"
fi

if [ "${1:-}" = selftest ]; then
    exec python3 "$here/selftest/check.py" "$truth" "$src"
fi

if [ -z "${MAVU_BIN:-}" ]; then
    for candidate in "$repo/build-javamodel/src/mavu" "$repo/build/src/mavu"; do
        if [ -x "$candidate" ]; then MAVU_BIN=$candidate; break; fi
    done
fi
[ -n "${MAVU_BIN:-}" ] && [ -x "$MAVU_BIN" ] || die "no mavu executable: set MAVU_BIN"
probe=java.base/java/lang/Void.java
if ! (cd "$src" && QT_QPA_PLATFORM=offscreen "$MAVU_BIN" --parse "$probe" | grep -q "^$probe"$'\t'); then
    die "$MAVU_BIN --parse $probe printed no element lines: is the recogniser built in?"
fi

python3 "$here/compare.py" --truth "$truth" --src "$src" --mavu "$MAVU_BIN" \
    --save-parse "$work/parse-output.tsv" --json "$work/results.json" "$@" \
    | tee "$work/report.txt"
echo "figures: $work/results.json, report: $work/report.txt" >&2
