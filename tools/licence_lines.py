#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Every source file names its licence in its first line (after a shebang).

Without arguments, lists the tracked source files that lack the line and
exits with status 1 when there is any; with --fix, adds the line to them.
Pictures, test data and corpora carry their licence in .reuse/dep5.
"""
import re
import subprocess
import sys

TAG = "SPDX-License-Identifier: MIT"
SKIPPED = ("LICENSES/", "tests/data/", "fuzz/corpus", "fuzz/regressions")


def comment_lead(path):
    if re.search(r"\.(cpp|h|js)$|\.rc\.in$", path):
        return "// "
    if re.search(r"\.(py|sh|cmake)$|(^|/)CMakeLists\.txt$", path):
        return "# "
    return None


def has_tag(text):
    lines = text.split("\n", 2)
    first = 1 if text.startswith("#!") and len(lines) > 1 else 0
    return TAG in lines[first]


def with_tag(text, lead):
    line = lead + TAG + "\n"
    if text.startswith("#!"):
        shebang, rest = text.split("\n", 1)
        return shebang + "\n" + line + rest
    return line + text


def main():
    fix = "--fix" in sys.argv[1:]
    files = subprocess.run(["git", "ls-files"], capture_output=True, text=True,
                           check=True).stdout.split()
    missing = []
    for path in files:
        lead = comment_lead(path)
        if lead is None or path.startswith(SKIPPED):
            continue
        with open(path, encoding="utf-8") as f:
            text = f.read()
        if has_tag(text):
            continue
        missing.append(path)
        if fix:
            with open(path, "w", encoding="utf-8") as f:
                f.write(with_tag(text, lead))
    for path in missing:
        print(f"{path}: {'licence line added' if fix else 'no licence line'}")
    return 0 if fix or not missing else 1


if __name__ == "__main__":
    sys.exit(main())
