#!/usr/bin/env python3
"""Scores `mavu --parse` against the members the JDK's class files declare.

Reads the ground truth written by DeclaredMembers.java, runs the recogniser over the
extracted sources in batches (or reads a saved output with --parse-output), matches
(source file, enclosing class path, member name, argument count) as multisets and
prints the figures with the top categories of misses and inventions. The same
figures go to a JSON file for tools.
"""

import argparse
import collections
import concurrent.futures
import json
import os
import re
import subprocess
import sys
import tempfile
import time

FIELD = "F"  # the argument count slot of a field
CLASS_KINDS = {"class", "interface", "inner-class", "inner-interface", "local-class"}
MEMBER_KINDS = {"method": "method", "method-decl": "method", "field": "field"}
OTHER_KINDS = {"package", "import"}
JAVA_KEYWORDS = set("""
abstract assert boolean break byte case catch char class const continue default do double
else enum extends final finally float for goto if implements import instanceof int interface
long native new package private protected public return short static strictfp super switch
synchronized this throw throws transient try void volatile while true false null var record
yield sealed permits non-sealed
""".split())
IDENTIFIER = re.compile(r"^[A-Za-z_$][A-Za-z0-9_$]*$")

# Order in which a trait names the category of a member that was simply not reported:
# the first trait the member has wins, so the rarer, more telling ones come first.
METHOD_TRAIT_ORDER = ["interface-body", "interface-static", "generic-method", "annotated",
                      "varargs", "array-return", "generic-return", "generic-param",
                      "type-variable-param", "array-param", "native", "abstract", "throws"]
FIELD_TRAIT_ORDER = ["interface-field", "annotated", "type-variable", "generic-type", "array",
                     "constant"]


# ------------------------------------------------------------------ ground truth

class FileTruth:
    __slots__ = ("containers", "members", "excluded", "anon", "local_classes", "locals",
                 "components")

    def __init__(self):
        self.containers = {}          # path -> (kind, label)
        self.members = []             # (path, name, argc, mkind, first, last, traits, types)
        self.excluded = {}            # (path, name, argc) -> reason
        self.anon = {}                # (path, name, argc) -> local class name ('' = anonymous)
        self.local_classes = set()    # (path, simple name)
        self.locals = {}              # path -> set of names
        self.components = {}          # (path, name, FIELD) -> type of a record component


def read_truth(path, only=None):
    truth = {}
    stats = {}
    with open(path, encoding="utf-8") as f:
        for lineno, line in enumerate(f, 1):
            p = line.rstrip("\n").split("\t")
            tag = p[0]
            if tag == "#":
                stats[p[1]] = int(p[2])
                continue
            if len(p) < 2:
                raise SystemExit(f"{path}:{lineno}: malformed line")
            file = p[1]
            if only is not None and file not in only:
                continue
            try:
                if tag == "S":
                    truth[file] = FileTruth()
                    continue
                t = truth[file]
                if tag == "C":
                    t.containers[p[2]] = (p[3], p[4])
                elif tag == "M":
                    t.members.append((p[2], p[3], int(p[4]), p[5], int(p[6]), int(p[7]),
                                      p[8].split(",") if p[8] else [],
                                      tuple(p[9].split(",")) if p[9] else ()))
                elif tag == "F":
                    t.members.append((p[2], p[3], FIELD, "field", 0, 0,
                                      p[4].split(",") if p[4] else [], (p[5],)))
                elif tag == "X":
                    argc = FIELD if p[4] == FIELD else int(p[4])
                    t.excluded[(p[2], p[3], argc)] = p[5]
                    if p[5] == "record-component":
                        # The recogniser shows components as the record's fields, so
                        # they are paired with its fields apart from the declared ones.
                        t.components[(p[2], p[3], FIELD)] = p[6] if len(p) > 6 else "?"
                elif tag == "A":
                    argc = FIELD if p[4] == FIELD else int(p[4])
                    t.anon[(p[2], p[3], argc)] = p[5]
                elif tag == "K":
                    t.local_classes.add((p[2], p[3]))
                elif tag == "L":
                    t.locals[p[2]] = set(p[3].split(","))
                else:
                    raise ValueError(f"unknown record {tag!r}")
            except (IndexError, ValueError, KeyError) as e:
                raise SystemExit(f"{path}:{lineno}: malformed line ({e})")
    return truth, stats


# ------------------------------------------------------------------ recogniser output

def count_arguments(description, name):
    """Argument count from a method description such as 'Sync int f(Map<K, V>, int)'.

    Only commas outside <...>, (...) and [...] separate arguments; a lone blank between
    the parentheses means no arguments. None when the text has no argument list.
    """
    args = split_arguments(description, name)
    return None if args is None else len(args)


def split_arguments(description, name):
    """The argument type texts of a method description, or None without a list."""
    start = description.find(name + "(") if name else -1
    start = start + len(name) if start >= 0 else description.find("(")
    if start < 0:
        return None
    depth = 0
    args = []
    current = []
    for ch in description[start + 1:]:
        if ch in "<([":
            depth += 1
        elif ch in ">])":
            if depth == 0 and ch == ")":
                args.append("".join(current))
                break
            depth = max(0, depth - 1)
        elif ch == "," and depth == 0:
            args.append("".join(current))
            current = []
            continue
        current.append(ch)
    else:
        return None
    if len(args) == 1 and not args[0].strip():
        return []
    return args


def simple_type(text):
    """A type as the class files name it: no annotations, modifiers, type arguments or
    package, varargs as an array: 'final java.util.Map.Entry<K, V>...' is 'Entry[]'."""
    t = re.sub(r"@[\w.$]+(\([^()]*\))?", " ", text)
    t = re.sub(r"\bfinal\b", " ", t)
    previous = None
    while previous != t:
        previous = t
        t = re.sub(r"<[^<>]*>", "", t)
    t = re.sub(r"\s+", "", t).replace("...", "[]")
    dims = t.count("[]")
    base = t.replace("[]", "")
    return base.rsplit(".", 1)[-1] + "[]" * dims


def reported_types(kind, name, desc):
    if MEMBER_KINDS[kind] == "field":
        text = desc[:-len(name)] if name and desc.endswith(name) else desc
        return (simple_type(text),)
    args = split_arguments(desc, name)
    return tuple(simple_type(a) for a in args) if args is not None else ()


class FileParse:
    __slots__ = ("containers", "members", "local_paths")

    def __init__(self):
        self.containers = {}   # path -> kind
        self.members = []      # (path, name, argc, kind, start, end, description, types)
        self.local_paths = set()


def absorb_output(text, parses, srcdir, problems):
    prefix = os.path.join(os.path.abspath(srcdir), "")
    for raw in text.splitlines():
        if not raw.strip():
            continue
        p = raw.split("\t", 6)
        if len(p) != 7:
            problems["malformed output lines"] += 1
            continue
        file, kind, name, enclosing, start, end, desc = p
        if file.startswith(prefix):
            file = file[len(prefix):]
        try:
            start, end = int(start), int(end)
        except ValueError:
            problems["malformed output lines"] += 1
            continue
        fp = parses.setdefault(file, FileParse())
        if kind in CLASS_KINDS:
            path = f"{enclosing}.{name}" if enclosing else name
            fp.containers.setdefault(path, kind)
            if kind == "local-class":
                fp.local_paths.add(path)
        elif kind in MEMBER_KINDS:
            if MEMBER_KINDS[kind] == "field":
                argc = FIELD
            else:
                argc = count_arguments(desc, name)
                if argc is None:
                    argc = "?"
            fp.members.append((enclosing, name, argc, kind, start, end, desc,
                               reported_types(kind, name, desc)))
        elif kind not in OTHER_KINDS:
            problems["unknown element kinds"] += 1


def run_batch(mavu, files, srcdir, timeout):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    try:
        r = subprocess.run([mavu, "--parse", *files], cwd=srcdir, env=env, timeout=timeout,
                           stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    except subprocess.TimeoutExpired:
        return None, f"timed out after {timeout} s"
    out = r.stdout.decode("utf-8", "replace")
    if r.returncode != 0:
        err = r.stderr.decode("utf-8", "replace").strip().splitlines()
        why = f"exit code {r.returncode}"
        if err:
            why += ": " + err[0][:200]
        return None, why
    return out, None


def run_recogniser(mavu, files, srcdir, batch, jobs, timeout, save_to):
    """Runs the recogniser in batches; a failing batch is split until the files that
    fail are found, so one bad file costs only its own elements."""
    outputs = []
    failures = {}

    def work(chunk):
        out, why = run_batch(mavu, chunk, srcdir, timeout + len(chunk))
        if out is not None:
            return [out], {}
        if len(chunk) == 1:
            return [], {chunk[0]: why}
        mid = len(chunk) // 2
        a_out, a_fail = work(chunk[:mid])
        b_out, b_fail = work(chunk[mid:])
        return a_out + b_out, {**a_fail, **b_fail}

    chunks = [files[i:i + batch] for i in range(0, len(files), batch)]
    done = 0
    started = time.monotonic()
    with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
        for out, fail in pool.map(work, chunks):
            outputs.extend(out)
            failures.update(fail)
            done += 1
            if done % 10 == 0 or done == len(chunks):
                print(f"  parsed {done}/{len(chunks)} batches "
                      f"({time.monotonic() - started:.0f} s)", file=sys.stderr)
    text = "".join(outputs)
    if save_to:
        write_atomically(save_to, text)
    return text, failures, time.monotonic() - started


def write_atomically(path, text):
    folder = os.path.dirname(os.path.abspath(path))
    fd, tmp = tempfile.mkstemp(dir=folder, prefix=".tmp-")
    try:
        with os.fdopen(fd, "w", encoding="utf-8") as f:
            f.write(text)
        os.chmod(tmp, 0o644)
        os.replace(tmp, path)
    except BaseException:
        os.unlink(tmp)
        raise


# ------------------------------------------------------------------ comparison

class Tally:
    def __init__(self, examples):
        self.counts = collections.Counter()
        self.samples = collections.defaultdict(list)
        self.examples = examples

    def add(self, category, example, n=1):
        self.counts[category] += n
        if len(self.samples[category]) < self.examples:
            self.samples[category].append(example)

    def as_list(self):
        return [{"category": c, "count": n, "examples": self.samples[c]}
                for c, n in self.counts.most_common()]


def under_local(path, local_paths):
    return any(path == lp or path.startswith(lp + ".") for lp in local_paths)


def describe_truth(file, path, name, argc, mkind, first, traits):
    where = f"{file}:{first}" if first else file
    kind = "constructor" if mkind == "ctor" else mkind
    what = kind if argc == FIELD else f"{kind}, {argc} args"
    extra = f" [{','.join(traits)}]" if traits else ""
    return f"{where} {path}.{name} ({what}){extra}"


def describe_parse(file, path, name, argc, kind, start, desc):
    what = kind if argc == FIELD else f"{kind}, {argc} args"
    return f"{file}:{start} {path + '.' if path else ''}{name} ({what}) \"{desc}\""


def compare(truth, parses, failures, examples):
    miss = Tally(examples)
    invent = Tally(examples)
    spans = Tally(examples)
    trait_total = collections.Counter()
    trait_missed = collections.Counter()
    types = collections.defaultdict(collections.Counter)
    types_tally = Tally(examples)
    component_misses = Tally(examples)
    by_kind = collections.defaultdict(lambda: collections.Counter())
    per_file = {}
    totals = collections.Counter()

    for file in sorted(truth):
        t = truth[file]
        fp = parses.get(file, FileParse())
        failed = failures.get(file)

        declared = collections.Counter((m[0], m[1], m[2]) for m in t.members)
        reported = collections.Counter()
        not_compared = 0
        for m in fp.members:
            if under_local(m[0], fp.local_paths):
                not_compared += 1
            else:
                reported[(m[0], m[1], m[2])] += 1
        matched = declared & reported
        left_declared = declared - matched
        left_reported = reported - matched
        # Record components: the recogniser shows them as the record's fields. They
        # take what the declared members left over, once each, and are counted apart
        # so that the declared figures keep meaning the same thing.
        components_found = left_reported & collections.Counter(t.components.keys())
        left_reported -= components_found

        names_left_declared = collections.Counter()
        for (path, name, argc), n in left_declared.items():
            names_left_declared[(path, name, argc == FIELD)] += n
        names_left_reported = collections.Counter()
        for (path, name, argc), n in left_reported.items():
            names_left_reported[(path, name, argc == FIELD)] += n
        keys_left_declared = collections.Counter()
        for (path, name, argc), n in left_declared.items():
            keys_left_declared[(name, argc)] += n
        keys_left_reported = collections.Counter()
        for (path, name, argc), n in left_reported.items():
            keys_left_reported[(name, argc)] += n
        declared_paths_by_key = collections.defaultdict(set)
        for (path, name, argc) in declared:
            declared_paths_by_key[(name, argc)].add(path)
        reported_paths_by_key = collections.defaultdict(set)
        for (path, name, argc) in left_reported:
            reported_paths_by_key[(name, argc)].add(path)
        declared_names = {(path, name, argc == FIELD) for (path, name, argc) in declared}

        containers_found = sum(1 for c in t.containers if c in fp.containers)
        totals["containers declared"] += len(t.containers)
        totals["containers found"] += containers_found

        # --- misses, one category each
        budget = collections.Counter(left_declared)
        for path, name, argc, mkind, first, last, traits, _ in t.members:
            kind = "field" if argc == FIELD else ("constructor" if mkind == "ctor" else "method")
            by_kind[kind]["declared"] += 1
            for tr in traits or ["(none)"]:
                trait_total[(kind, tr)] += 1
            key = (path, name, argc)
            if budget[key] == 0:
                by_kind[kind]["found"] += 1
                continue
            budget[key] -= 1
            by_kind[kind]["missing"] += 1
            for tr in traits or ["(none)"]:
                trait_missed[(kind, tr)] += 1
            ex = describe_truth(file, path, name, argc, mkind, first, traits)
            if failed:
                cat = "file: recogniser failed"
            elif not fp.containers and not fp.members:
                cat = "file: nothing reported"
            elif path not in fp.containers:
                label = t.containers.get(path, ("?", "?"))[1]
                last_part = path.rsplit(".", 1)[-1]
                if any(c.rsplit(".", 1)[-1] == last_part for c in fp.containers):
                    cat = f"class reported under another path: {label}"
                else:
                    cat = f"class not reported: {label}"
            elif names_left_reported[(path, name, argc == FIELD)] > 0:
                cat = f"{kind}: argument count differs"
            elif reported_paths_by_key[(name, argc)] - {path}:
                cat = f"{kind}: reported under another class"
            else:
                order = FIELD_TRAIT_ORDER if argc == FIELD else METHOD_TRAIT_ORDER
                trait = next((tr for tr in order if tr in traits), None)
                if kind == "constructor":
                    trait = "constructor" if trait is None else f"constructor, {trait}"
                cat = f"{kind} not reported" + (f": {trait}" if trait else "")
            miss.add(cat, ex)

        # --- record components that no reported field stands for
        for key in sorted(t.components):
            path, name, _ = key
            totals["record components"] += 1
            if components_found[key]:
                totals["record components found"] += 1
                continue
            if failed:
                cat = "file: recogniser failed"
            elif path not in fp.containers:
                cat = "record not reported"
            else:
                cat = "record component not reported"
            component_misses.add(cat, f"{file} {path}.{name} (record component)")

        # --- inventions, one category each. When a key is reported more often than
        # declared, the copies that sit inside another reported method's lines are the
        # likelier strays (members of anonymous classes), so they are taken first.
        budget = collections.Counter(left_reported)
        compared = [m for m in fp.members if not under_local(m[0], fp.local_paths)]
        reported_count = len(compared)
        crowded = {k for k in left_reported if reported[k] > 1}
        if crowded:
            spans_by_path = collections.defaultdict(list)
            for m in compared:
                if m[2] != FIELD and m[5] > m[4]:
                    spans_by_path[m[0]].append((m[4], m[5]))

            def nested(m):
                return any(s < m[4] and m[4] <= e for s, e in spans_by_path[m[0]])
            compared.sort(key=lambda m: not ((m[0], m[1], m[2]) in crowded and nested(m)))
        for path, name, argc, kind, start, end, desc, _ in compared:
            key = (path, name, argc)
            if budget[key] == 0:
                continue
            budget[key] -= 1
            ex = describe_parse(file, path, name, argc, kind, start, desc)
            is_field = argc == FIELD
            what = "field" if is_field else "method"
            last_part = path.rsplit(".", 1)[-1]
            outer = path.rsplit(".", 1)[0] if "." in path else ""
            if not path:
                cat = f"{what} outside any class"
            elif path not in t.containers:
                if (outer, last_part) in t.local_classes or any(
                        lc == last_part for (_, lc) in t.local_classes):
                    cat = f"{what} of a local class, under a wrong path"
                elif any(c.rsplit(".", 1)[-1] == last_part for c in t.containers):
                    cat = f"{what} of a class reported under another path"
                elif path in fp.containers:
                    cat = f"{what} of a class the class files do not have ({fp.containers[path]})"
                else:
                    cat = f"{what} under a class that was not reported"
            elif argc == "?":
                cat = "method: description without an argument list"
            elif names_left_declared[(path, name, is_field)] > 0:
                cat = f"{what}: argument count differs"
            elif key in t.anon:
                cat = f"{what} of an {'anonymous' if not t.anon[key] else 'local'} class " \
                      f"given to its enclosing class"
            elif keys_left_declared[(name, argc)] > 0 and declared_paths_by_key[(name, argc)] - {path}:
                cat = f"{what}: reported under another class"
            elif key in t.excluded:
                cat = f"{what}: not a declared member ({t.excluded[key]})"
            elif reported[key] > declared[key] > 0:
                cat = f"{what}: reported more often than declared"
            elif (path, name, not is_field) in declared_names:
                cat = f"{what}: declared as the other kind (field/method)"
            elif not name:
                cat = f"{what}: empty name"
            elif name in JAVA_KEYWORDS:
                cat = f"{what}: keyword as name"
            elif not IDENTIFIER.match(name):
                cat = f"{what}: name is not an identifier"
            elif name in t.locals.get(path, ()):
                cat = f"{what}: local variable or parameter of the class's code"
            elif name in t.containers or any(c.rsplit(".", 1)[-1] == name for c in t.containers):
                cat = f"{what}: named like a class of the file"
            else:
                cat = f"{what}: other"
            invent.add(cat, ex)

        # --- line spans of found methods whose key is unique on both sides
        unique_parse = {}
        for m in fp.members:
            key = (m[0], m[1], m[2])
            if reported[key] == 1 and declared[key] == 1:
                unique_parse[key] = m
        for path, name, argc, mkind, first, last, traits, _ in t.members:
            key = (path, name, argc)
            if argc == FIELD or first == 0 or last == 0 or key not in unique_parse:
                continue
            m = unique_parse[key]
            start, end = m[4], m[5]
            if start <= first and last <= end:
                spans.add("span holds the code", "")
            elif end == 0:
                spans.add("end line 0", describe_parse(file, path, name, argc, m[3], start, m[6]))
            else:
                spans.add("span misses the code",
                          f"{file}: {path}.{name} reported {start}-{end}, code {first}-{last}")

        # --- types of found members: within each key, declared and reported type lists
        # are paired as multisets, so overloads need not come in the same order
        declared_types = collections.defaultdict(list)
        for m in t.members:
            declared_types[(m[0], m[1], m[2])].append(m[7])
        reported_types_by_key = collections.defaultdict(list)
        for m in compared:
            reported_types_by_key[(m[0], m[1], m[2])].append((m[7], m))
        for key, k in matched.items():
            what = "field" if key[2] == FIELD else "method"
            want = collections.Counter(declared_types[key])
            got = collections.Counter(tt for tt, _ in reported_types_by_key[key])
            agree = sum((want & got).values())
            types[what]["compared"] += k
            types[what]["agree"] += min(agree, k)
            if agree >= k:
                continue
            lost = list((want - got).elements())
            stray = [m for tt, m in reported_types_by_key[key] if (got - want)[tt] > 0]
            if not lost or not stray:
                continue
            have, rep_m = lost[0], stray[0]
            cat = type_difference(have, rep_m[7])
            types_tally.add(f"{what}: {cat}",
                            f"{file}:{rep_m[4]} {key[0]}.{key[1]}: declared "
                            f"({', '.join(have)}), reported \"{rep_m[6]}\"", k - agree)

        # a component has one declared type; any reported copy of it may carry it
        for key in sorted(components_found):
            want = (t.components[key],)
            got = reported_types_by_key[key]
            types["record component"]["compared"] += 1
            if any(tt == want for tt, _ in got):
                types["record component"]["agree"] += 1
                continue
            rep_m = got[0][1]
            types_tally.add(f"record component: {type_difference(want, rep_m[7])}",
                            f"{file}:{rep_m[4]} {key[0]}.{key[1]}: declared "
                            f"({want[0]}), reported \"{rep_m[6]}\"")

        n_declared = sum(declared.values())
        n_found = sum(matched.values())
        n_invented = sum(left_reported.values())
        totals["declared"] += n_declared
        totals["found"] += n_found
        totals["invented"] += n_invented
        totals["reported"] += reported_count
        totals["members of local classes (not compared)"] += not_compared
        per_file[file] = {"declared": n_declared, "found": n_found,
                          "missing": n_declared - n_found, "invented": n_invented}
        if t.components:
            per_file[file]["record_components"] = len(t.components)
            per_file[file]["record_components_found"] = len(components_found)
        if failed:
            per_file[file]["failure"] = failed

    return {
        "totals": totals, "by_kind": by_kind, "misses": miss, "inventions": invent,
        "spans": spans, "types": types, "types_tally": types_tally,
        "component_misses": component_misses,
        "trait_total": trait_total, "trait_missed": trait_missed,
        "per_file": per_file,
    }


def type_difference(declared, reported):
    for d, r in zip(declared, reported):
        if d == r:
            continue
        if not r:
            return "empty type"
        if d.replace("[]", "") == r.replace("[]", ""):
            return "array dimensions differ"
        if len(d) == 1 or len(r) == 1:
            return "type variable against its bound or a class"
        return "type name differs"
    return "type count differs"


def pct(part, whole):
    return 100.0 * part / whole if whole else 0.0


# ------------------------------------------------------------------ report

def report(result, truth_stats, failures, run_info, top, out):
    t = result["totals"]
    declared, found, invented, reported = t["declared"], t["found"], t["invented"], t["reported"]
    missing = declared - found
    w = out.write
    w("Recogniser accuracy on the JDK's sources\n")
    w(f"  files compared          {run_info['files']}\n")
    if run_info.get("seconds") is not None:
        w(f"  recogniser time         {run_info['seconds']:.1f} s "
          f"({run_info['batches']} batches of up to {run_info['batch']} files)\n")
    w(f"  files the recogniser failed on   {len(failures)}\n")
    w(f"  classes declared / reported      {t['containers declared']} / "
      f"{t['containers found']} ({pct(t['containers found'], t['containers declared']):.1f} %)\n")
    w(f"  declared members        {declared}\n")
    w(f"  found                   {found} ({pct(found, declared):.2f} %)\n")
    w(f"  missing                 {missing} ({pct(missing, declared):.2f} %)\n")
    w(f"  invented                {invented} ({pct(invented, reported):.2f} % of {reported} "
      f"reported)\n")
    comps, comps_found = t["record components"], t["record components found"]
    w(f"  record components       {comps}, found as fields {comps_found}, missing "
      f"{comps - comps_found} ({pct(comps - comps_found, comps):.2f} %)\n")
    w(f"  not compared: members of local classes {t['members of local classes (not compared)']}\n")
    w("\n  by kind        declared     found   missing\n")
    for kind in ("method", "constructor", "field"):
        k = result["by_kind"][kind]
        w(f"  {kind:<12} {k['declared']:>10} {k['found']:>9} {k['missing']:>9} "
          f"({pct(k['missing'], k['declared']):.1f} % missing)\n")
    if run_info["excluded"]:
        w("\n  left out of the declared figures (class files have them, sources do not "
          "declare them as members):\n")
        for k, v in sorted(run_info["excluded"].items()):
            apart = "  (paired with reported fields, see above)" if k == "record-component" else ""
            w(f"    {k:<32} {v}{apart}\n")
    for title, tally in (("Top categories of misses", result["misses"]),
                         ("Top categories of inventions", result["inventions"]),
                         ("Record components not found", result["component_misses"])):
        if title.startswith("Record") and not tally.counts:
            continue
        w(f"\n{title}\n")
        for cat, n in tally.counts.most_common(top):
            w(f"  {n:>8}  {cat}\n")
            for ex in tally.samples[cat][:3]:
                w(f"              e.g. {ex}\n")
    w("\nMiss rate by trait of the declared member (a member counts once per trait)\n")
    rows = []
    for (kind, trait), total in result["trait_total"].items():
        rows.append((pct(result["trait_missed"][(kind, trait)], total), kind, trait, total))
    for rate, kind, trait, total in sorted(rows, key=lambda r: (r[1], -r[0])):
        w(f"  {kind:<12} {trait:<22} {total:>8} declared {rate:6.1f} % missed\n")
    sp = result["spans"].counts
    checked = sum(sp.values())
    if checked:
        w(f"\nLine spans of found methods with code (unique name and count): {checked} checked, "
          f"{pct(sp['span holds the code'], checked):.1f} % hold their code\n")
        for cat in ("span misses the code", "end line 0"):
            if sp[cat]:
                w(f"  {sp[cat]:>8}  {cat}\n")
                for ex in result["spans"].samples[cat][:3]:
                    w(f"              e.g. {ex}\n")
    ty = result["types"]
    if ty:
        w("\nTypes of found members (simple names, no type arguments):\n")
        labels = {"method": "method argument types", "field": "field types",
                  "record component": "record component types"}
        for what, label in labels.items():
            c = ty.get(what, collections.Counter())
            w(f"  {label:<22} "
              f"{c['agree']} of {c['compared']} agree ({pct(c['agree'], c['compared']):.2f} %)\n")
        for cat, n in result["types_tally"].counts.most_common(top):
            w(f"  {n:>8}  {cat}\n")
            for ex in result["types_tally"].samples[cat][:3]:
                w(f"              e.g. {ex}\n")
    if failures:
        w("\nFiles the recogniser failed on\n")
        for f, why in sorted(failures.items())[:20]:
            w(f"  {f}: {why}\n")
        if len(failures) > 20:
            w(f"  ... and {len(failures) - 20} more (see the JSON file)\n")


def to_json(result, truth_stats, failures, run_info):
    t = result["totals"]
    declared, found = t["declared"], t["found"]
    return {
        "run": run_info,
        "summary": {
            "files": run_info["files"],
            "files_failed": len(failures),
            "classes_declared": t["containers declared"],
            "classes_found": t["containers found"],
            "declared": declared,
            "found": found,
            "missing": declared - found,
            "missing_pct": round(pct(declared - found, declared), 3),
            "reported": t["reported"],
            "invented": t["invented"],
            "invented_pct_of_reported": round(pct(t["invented"], t["reported"]), 3),
            "invented_pct_of_declared": round(pct(t["invented"], declared), 3),
            "local_class_members_not_compared": t["members of local classes (not compared)"],
            "record_components": t["record components"],
            "record_components_found": t["record components found"],
            "record_components_missing": t["record components"] - t["record components found"],
            "record_components_missing_pct": round(
                pct(t["record components"] - t["record components found"],
                    t["record components"]), 3),
        },
        "by_kind": {k: dict(v) for k, v in result["by_kind"].items()},
        "excluded_from_declared": run_info["excluded"],
        "truth_stats": truth_stats,
        "misses": result["misses"].as_list(),
        "inventions": result["inventions"].as_list(),
        "line_spans": result["spans"].as_list(),
        "types": {k: dict(v) for k, v in result["types"].items()},
        "type_differences": result["types_tally"].as_list(),
        "record_component_misses": result["component_misses"].as_list(),
        "traits": [{"kind": k, "trait": tr, "declared": n,
                    "missed": result["trait_missed"][(k, tr)]}
                   for (k, tr), n in sorted(result["trait_total"].items())],
        "failures": failures,
        "per_file": result["per_file"],
    }


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--truth", required=True, help="output of DeclaredMembers")
    ap.add_argument("--src", required=True, help="folder with the extracted src.zip")
    ap.add_argument("--mavu", help="the mavu executable (runs `mavu --parse`)")
    ap.add_argument("--parse-output", help="read this saved --parse output instead of running")
    ap.add_argument("--save-parse", help="keep the recogniser's combined output here")
    ap.add_argument("--json", help="write the figures here")
    ap.add_argument("--only", nargs="*", help="compare only these files (paths as in src.zip)")
    ap.add_argument("--batch", type=int, default=300, help="files per recogniser process")
    ap.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    ap.add_argument("--timeout", type=int, default=120, help="seconds per batch, plus 1 per file")
    ap.add_argument("--top", type=int, default=15, help="categories shown")
    ap.add_argument("--examples", type=int, default=8, help="examples kept per category")
    a = ap.parse_args(argv)
    if not a.mavu and not a.parse_output:
        ap.error("give --mavu or --parse-output")

    only = set(a.only) if a.only else None
    truth, truth_stats = read_truth(a.truth, only)
    if only:
        unknown = sorted(only - set(truth))
        if unknown:
            ap.error("no class-file data for: " + ", ".join(unknown))
    files = sorted(truth)
    excluded = collections.Counter()
    for t in truth.values():
        excluded.update(t.excluded.values())

    problems = collections.Counter()
    parses = {}
    failures = {}
    run_info = {"files": len(files), "batch": a.batch, "batches": 0, "seconds": None,
                "excluded": dict(excluded)}
    if a.parse_output:
        with open(a.parse_output, encoding="utf-8", errors="replace") as f:
            absorb_output(f.read(), parses, a.src, problems)
        run_info["parse_output"] = a.parse_output
    else:
        missing = [f for f in files if not os.path.isfile(os.path.join(a.src, f))]
        if missing:
            raise SystemExit(f"{len(missing)} sources missing under {a.src}, e.g. {missing[0]}")
        print(f"running {a.mavu} --parse over {len(files)} files", file=sys.stderr)
        text, failures, seconds = run_recogniser(a.mavu, files, a.src, a.batch, a.jobs,
                                                 a.timeout, a.save_parse)
        absorb_output(text, parses, a.src, problems)
        run_info.update(mavu=a.mavu, seconds=round(seconds, 1),
                        batches=(len(files) + a.batch - 1) // a.batch)
    strays = sorted(set(parses) - set(truth))
    run_info["output_problems"] = dict(problems)
    run_info["files_in_output_not_compared"] = len(strays)

    result = compare(truth, parses, failures, a.examples)
    report(result, truth_stats, failures, run_info, a.top, sys.stdout)
    if problems:
        print(f"\nOutput problems: {dict(problems)}")
    if strays:
        print(f"Output named {len(strays)} files that have no class-file data, e.g. {strays[0]}")
    if a.json:
        write_atomically(a.json, json.dumps(to_json(result, truth_stats, failures, run_info),
                                            indent=1, sort_keys=False) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
