#!/usr/bin/env python3
"""Checks the harness itself before its figures are trusted.

1. Ground truth: facts about a few JDK classes that DeclaredMembers must get right
   (hidden constructor parameters, compiler-made members, anonymous-class members).
2. Comparator: a hand-made recogniser output for four JDK files, with one planted
   fault of each kind, must give exactly the figures and categories worked out by
   hand in this file.

Usage: check.py TRUTH_TSV SRC_DIR
"""

import io
import json
import os
import sys
import tempfile
from contextlib import redirect_stdout

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(HERE))
import compare  # noqa: E402

FAILURES = []


def expect(what, got, want):
    if got != want:
        FAILURES.append(f"{what}: got {got!r}, expected {want!r}")


def check_argument_counting():
    rows = [
        ("void f( )", "f", 0),
        ("f()", "f", 0),
        ("Sync int f(Map<K, V>, int)", "f", 2),
        ("T get(Class<? extends Map<K, V>>)", "get", 1),
        ("void g(int[], String[][], long)", "g", 3),
        ("Foo(int, java.util.List<String>) throws A, B", "Foo", 2),
        ("CacheRef<T> computeValue(Class<?>)", "computeValue", 1),
        ("int f", "f", None),          # no argument list at all
        ("void f(int, long", "f", None),  # cut off
        ("List<Map<A, B>> f(X<Y, Z> a, int b)", "f", 2),
    ]
    for desc, name, want in rows:
        expect(f"argument count of {desc!r}", compare.count_arguments(desc, name), want)
    types = [
        ("int", "int"),
        ("java.util.Map.Entry<K, V>", "Entry"),
        ("final String...", "String[]"),
        ("@Nullable List<? extends Map<K, V>>[][]", "List[][]"),
        ("@SuppressWarnings(\"x\") T", "T"),
        ("byte []", "byte[]"),
    ]
    for text, want in types:
        expect(f"simple type of {text!r}", compare.simple_type(text), want)


def truth_lines(truth, file, columns=6):
    with open(truth, encoding="utf-8") as f:
        return {tuple(line.rstrip("\n").split("\t")[:columns]) for line in f
                if line.split("\t", 2)[1:2] == [file]}


def check_ground_truth(truth):
    hm = "java.base/java/util/HashMap.java"
    al = "java.base/java/util/AbstractList.java"
    rm = "java.base/java/math/RoundingMode.java"
    cc = "java.base/java/io/ClassCache.java"
    up = "jdk.net/jdk/net/UnixDomainPrincipal.java"
    vd = "java.base/java/lang/Void.java"
    lines = set()
    for f in (hm, al, rm, cc, up, vd):
        lines |= truth_lines(truth, f)
    want_present = [
        # inner (non-static) class: the outer instance is not a source parameter
        ("M", hm, "HashMap.HashIterator", "HashIterator", "0", "ctor"),
        # default constructor of a private inner class is the compiler's
        ("X", al, "AbstractList.Itr", "Itr", "0", "default-constructor"),
        # enum: constructor without name/ordinal, constants and values/valueOf apart,
        # but the enum's own valueOf(int) is a declared method
        ("M", rm, "RoundingMode", "RoundingMode", "1", "ctor"),
        ("X", rm, "RoundingMode", "UP", "F", "enum-constant"),
        ("X", rm, "RoundingMode", "values", "0", "enum-values"),
        ("X", rm, "RoundingMode", "valueOf", "1", "enum-valueOf"),
        ("M", rm, "RoundingMode", "valueOf", "1", "method"),
        # static member class: every constructor argument counts
        ("M", cc, "ClassCache.CacheRef", "CacheRef", "3", "ctor"),
        # the abstract method is declared; its anonymous override is not a member
        ("M", cc, "ClassCache", "computeValue", "1", "method"),
        ("A", cc, "ClassCache", "computeValue", "1", ""),
        # an explicit private no-argument constructor stays
        ("M", vd, "Void", "Void", "0", "ctor"),
        # record: the compact constructor is declared, accessors and fields are not
        ("M", up, "UnixDomainPrincipal", "UnixDomainPrincipal", "2", "ctor"),
        ("X", up, "UnixDomainPrincipal", "user", "0", "record-accessor"),
        ("X", up, "UnixDomainPrincipal", "user", "F", "record-component"),
        ("X", up, "UnixDomainPrincipal", "equals", "1", "record-object-method"),
    ]
    for row in want_present:
        if row not in lines:
            FAILURES.append(f"ground truth lacks {row}")
    want_absent = [
        ("M", rm, "RoundingMode", "values", "0", "method"),
        ("M", rm, "RoundingMode", "RoundingMode", "3", "ctor"),
        ("M", hm, "HashMap.HashIterator", "HashIterator", "1", "ctor"),
        ("M", al, "AbstractList.Itr", "Itr", "0", "ctor"),
    ]
    for row in want_absent:
        if row in lines:
            FAILURES.append(f"ground truth wrongly has {row}")
    # record components carry their type, so that the fields shown for them can be
    # type-checked
    co = "jdk.jfr/jdk/jfr/internal/jfc/model/Constraint.java"
    components = {r[3]: r[6] for r in truth_lines(truth, co, 7)
                  if r[0] == "X" and r[5] == "record-component" and len(r) == 7}
    expect("record components of Constraint", components,
           {"type": "Class", "min": "int", "max": "int"})
    kinds = {(r[2], r[3]) for r in lines if r[0] == "C"}
    for want in [("RoundingMode", "enum"), ("UnixDomainPrincipal", "record"),
                 ("HashMap.TreeNode", "class"), ("ClassCache.CacheRef", "class")]:
        if want not in kinds:
            FAILURES.append(f"ground truth lacks class {want}")


def check_comparison(truth, src):
    files = ["java.base/java/io/ClassCache.java", "java.base/java/math/RoundingMode.java",
             "java.base/java/lang/Void.java", "jdk.jfr/jdk/jfr/internal/jfc/model/Constraint.java"]
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "r.json")
        text = io.StringIO()
        with redirect_stdout(text):
            compare.main(["--truth", truth, "--src", src,
                          "--parse-output", os.path.join(HERE, "fake-parse.tsv"),
                          "--json", out, "--only", *files])
        with open(out, encoding="utf-8") as f:
            r = json.load(f)
    s = r["summary"]
    expect("summary", {k: s[k] for k in ("files", "declared", "found", "missing", "reported",
                                         "invented", "classes_declared", "classes_found",
                                         "local_class_members_not_compared",
                                         "record_components", "record_components_found",
                                         "record_components_missing")},
           {"files": 4, "declared": 19, "found": 12, "missing": 7, "reported": 23,
            "invented": 9, "classes_declared": 5, "classes_found": 3,
            "local_class_members_not_compared": 1,
            # Constraint(type, min, max): type is shown twice, min once, max never
            "record_components": 3, "record_components_found": 2,
            "record_components_missing": 1})
    expect("reported = found + components found + invented",
           s["reported"], s["found"] + s["record_components_found"] + s["invented"])
    expect("by kind", r["by_kind"], {
        "method": {"declared": 9, "found": 6, "missing": 3},
        "constructor": {"declared": 4, "found": 2, "missing": 2},
        "field": {"declared": 6, "found": 4, "missing": 2}})
    expect("misses", {c["category"]: c["count"] for c in r["misses"]}, {
        "class not reported: enum": 2,           # RoundingMode came out as BigDecimal
        "file: nothing reported": 2,             # Void.java: only its package
        "method: argument count differs": 1,     # get(Class<?>, int)
        "method: reported under another class": 1,  # processQueue under CacheRef
        "method not reported": 1})               # clearStrong left out
    expect("inventions", {c["category"]: c["count"] for c in r["inventions"]}, {
        "method: reported under another class": 1,
        "method of an anonymous class given to its enclosing class": 1,
        "method: argument count differs": 1,
        "field: local variable or parameter of the class's code": 1,
        "method: keyword as name": 1,
        "field of a class the class files do not have (class)": 1,
        "method of a class the class files do not have (class)": 1,
        "field: not a declared member (enum-constant)": 1,
        # the second copy of a component has nothing left to pair with
        "field: not a declared member (record-component)": 1})
    expect("record component misses",
           {c["category"]: c["examples"] for c in r["record_component_misses"]},
           {"record component not reported": [
               "jdk.jfr/jdk/jfr/internal/jfc/model/Constraint.java Constraint.max "
               "(record component)"]})
    anon = [c for c in r["inventions"] if c["category"].startswith("method of an anonymous")]
    # the copy inside the constructor's lines is the stray one, not the abstract method
    expect("anonymous member example", anon and ":72 " in anon[0]["examples"][0], True)
    expect("line spans", {c["category"]: c["count"] for c in r["line_spans"]},
           {"span holds the code": 3, "span misses the code": 1, "end line 0": 1})
    # map was reported as an array, valueOf(int) as valueOf(long), the component min
    # as a long; the rest agree
    expect("types", r["types"], {"method": {"compared": 8, "agree": 7},
                                 "field": {"compared": 4, "agree": 3},
                                 "record component": {"compared": 2, "agree": 1}})
    expect("type differences", {c["category"]: c["count"] for c in r["type_differences"]},
           {"field: array dimensions differ": 1, "method: type name differs": 1,
            "record component: type name differs": 1})
    expect("excluded", r["excluded_from_declared"],
           {"enum-constant": 8, "enum-values": 1, "enum-valueOf": 1, "record-component": 3,
            "record-canonical-constructor": 1, "record-object-method": 3,
            "record-accessor": 3})
    expect("output problems", r["run"]["output_problems"], {"malformed output lines": 1})
    expect("per file", r["per_file"]["java.base/java/lang/Void.java"],
           {"declared": 2, "found": 0, "missing": 2, "invented": 0})
    expect("per file with a record",
           r["per_file"]["jdk.jfr/jdk/jfr/internal/jfc/model/Constraint.java"],
           {"declared": 2, "found": 2, "missing": 0, "invented": 1, "record_components": 3,
            "record_components_found": 2})


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__.strip().splitlines()[-1])
    truth, src = sys.argv[1], sys.argv[2]
    check_argument_counting()
    check_ground_truth(truth)
    check_comparison(truth, src)
    for f in FAILURES:
        print("FAIL", f)
    print(f"harness self-check: {'FAILED' if FAILURES else 'passed'} "
          f"({len(FAILURES)} problem(s))")
    return 1 if FAILURES else 0


if __name__ == "__main__":
    sys.exit(main())
