#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Counts the C++ lines of the tests against all C++ lines of the project.

A line counts when it holds code: blank lines, lines holding only a comment
(// or /* */) and the lines inside a block comment are left out. Every .cpp
and .h file that git tracks is counted; those under tests/ and fuzz/ are
test code, everything else (the program, its platform, benchmarks, build-time
generators) is not.

    tools/test_ratio.py            # the totals and the share of the tests
    tools/test_ratio.py --folders  # the same per top folder
    tools/test_ratio.py --max 33   # exit status 1 when the share is above 33 %
"""

import argparse
import collections
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
TEST_FOLDERS = ("tests/", "fuzz/")


def code_lines(text):
    count = 0
    in_comment = False
    for line in text.splitlines():
        rest = line.strip()
        has_code = False
        while rest:
            if in_comment:
                end = rest.find("*/")
                if end < 0:
                    rest = ""
                else:
                    in_comment = False
                    rest = rest[end + 2:].strip()
                continue
            if rest.startswith("//"):
                break
            if rest.startswith("/*"):
                in_comment = True
                rest = rest[2:]
                continue
            has_code = True
            break
        count += has_code
    return count


def tracked_sources():
    listed = subprocess.run(["git", "ls-files", "--cached", "--others", "--exclude-standard",
                             "*.cpp", "*.h"], cwd=ROOT, check=True, stdout=subprocess.PIPE,
                            text=True).stdout.split()
    return [p for p in listed if (ROOT / p).is_file()]


def main():
    parser = argparse.ArgumentParser(description="Share of test code in the C++ lines.")
    parser.add_argument("--folders", action="store_true", help="show each top folder")
    parser.add_argument("--max", type=float, help="fail when the tests' share is above this percentage")
    args = parser.parse_args()

    by_folder = collections.Counter()
    tests = program = 0
    for path in tracked_sources():
        n = code_lines((ROOT / path).read_text(encoding="utf-8", errors="replace"))
        by_folder[path.split("/")[0]] += n
        if path.startswith(TEST_FOLDERS):
            tests += n
        else:
            program += n
    if args.folders:
        for folder, n in sorted(by_folder.items()):
            print(f"{folder:12} {n:7}")
    share = 100.0 * tests / (tests + program) if tests + program else 0.0
    print(f"tests {tests}, other code {program}, tests are {share:.1f} % of all C++ lines")
    if args.max is not None and share > args.max:
        print(f"test_ratio: tests are above {args.max:g} % of the C++ lines", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
