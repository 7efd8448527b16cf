#!/usr/bin/env python3
"""Mutation sampler: do the tests notice when the code is wrong?

Makes small faults in C++ source files one at a time (== to !=, < to <=, && to ||, true to
false, +1 to -1, a dropped early return), rebuilds, runs the chosen tests, and puts the file
back. A fault the tests let through (a survivor) marks code that no test really checks; a test
that never kills anything checks nothing that matters.

    tools/mutants.py --build build --ctest 'tst_calculator' src/apps/calculator/*.cpp
    tools/mutants.py --build build --count 30 --seed 7 src/lock/*.cpp src/home/*.cpp

tools/mutants.sh runs it over every folder with a fixed seed (make mutants).

Run from the project root with a configured build folder. It edits the working tree while it
runs and restores every file (also on Ctrl+C); commit or stash your own changes first.
"""
import argparse
import os
import random
import re
import signal
import subprocess
import sys
import time

OPERATORS = [
    ("==", "!="), ("!=", "=="), ("<=", "<"), (">=", ">"), (" < ", " <= "), (" > ", " >= "),
    ("&&", "||"), ("||", "&&"), ("true", "false"), ("false", "true"), ("+ 1", "- 1"), ("- 1", "+ 1"),
]
SKIP = re.compile(r'^\s*(#|//|\*|/\*)|\bstatic_assert\b|\bQ_[A-Z_]+\(|template\s*<|<<|>>|->\s*$')


def candidates(path):
    out = []
    with open(path, encoding="utf-8", errors="replace") as f:
        lines = f.readlines()
    for i, line in enumerate(lines):
        if SKIP.search(line):
            continue
        code = re.sub(r'"(\\.|[^"\\])*"', '""', line.split("//")[0])
        for old, new in OPERATORS:
            start = 0
            while True:
                k = code.find(old, start)
                if k < 0:
                    break
                if old.strip() in ("true", "false") and re.match(r"\w", code[k - 1:k] or " ") is None \
                        and re.match(r"\w", code[k + len(old):k + len(old) + 1] or " ") is None:
                    out.append((path, i, k, old, new))
                elif old.strip() not in ("true", "false"):
                    out.append((path, i, k, old, new))
                start = k + len(old)
        m = re.match(r"(\s*)if \((.*)\)\s*return\b", code)
        if m:
            out.append((path, i, -1, "if (", "if (false && "))
    return out, lines


def apply(lines, m):
    path, i, k, old, new = m
    changed = list(lines)
    line = changed[i]
    if k < 0:
        changed[i] = line.replace(old, new, 1)
    else:
        changed[i] = line[:k] + new + line[k + len(old):]
    return changed


def run(cmd, timeout):
    try:
        return subprocess.run(cmd, capture_output=True, text=True, timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        return 124


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("files", nargs="+")
    ap.add_argument("--build", default="build")
    ap.add_argument("--ctest", default="", help="ctest -R regex (default: every test)")
    ap.add_argument("--count", type=int, default=20)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--timeout", type=int, default=600, help="seconds for one test run")
    ap.add_argument("--targets", default="", help="build only these targets (space separated; default: all)")
    a = ap.parse_args()

    pool, originals = [], {}
    for p in a.files:
        c, lines = candidates(p)
        pool += c
        originals[p] = lines
    random.Random(a.seed).shuffle(pool)
    pool = pool[:a.count]
    build_cmd = ["cmake", "--build", a.build] + (["--target"] + a.targets.split() if a.targets else [])
    env_tests = ["ctest", "--test-dir", a.build, "--timeout", str(a.timeout)] + (["-R", a.ctest] if a.ctest else [])
    os.environ.setdefault("QT_QPA_PLATFORM", "offscreen")
    os.environ.setdefault("QT_QUICK_BACKEND", "software")

    def restore(*_):
        for p, lines in originals.items():
            with open(p, "w", encoding="utf-8") as f:
                f.writelines(lines)
        if _:
            sys.exit(130)
    signal.signal(signal.SIGINT, restore)
    signal.signal(signal.SIGTERM, restore)

    # Tests that already fail would count every fault as caught.
    if run(build_cmd, 1800) != 0 or run(env_tests, a.timeout * 4) != 0:
        sys.exit("the tests do not pass without any fault: fix them first")

    killed, survived, invalid = 0, [], 0
    try:
        for n, m in enumerate(pool, 1):
            path, i, k, old, new = m
            with open(path, "w", encoding="utf-8") as f:
                f.writelines(apply(originals[path], m))
            where = f"{path}:{i + 1}: {old.strip()} -> {new.strip()}"
            t = time.time()
            if run(build_cmd, 1800) != 0:
                invalid += 1
                print(f"[{n}/{len(pool)}] does not build  {where}", flush=True)
            elif run(env_tests, a.timeout * 4) != 0:
                killed += 1
                print(f"[{n}/{len(pool)}] killed          {where}  ({time.time() - t:.0f} s)", flush=True)
            else:
                survived.append(where)
                print(f"[{n}/{len(pool)}] SURVIVED        {where}  ({time.time() - t:.0f} s)", flush=True)
            with open(path, "w", encoding="utf-8") as f:
                f.writelines(originals[path])
    finally:
        restore()
        run(build_cmd, 1800)
    valid = killed + len(survived)
    print(f"\n{killed} of {valid} faults caught ({100 * killed / valid if valid else 0:.0f}%), "
          f"{invalid} did not build")
    for s in survived:
        print("  survived:", s)


if __name__ == "__main__":
    main()
