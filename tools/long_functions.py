#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Reports C++ functions and files that are longer than a limit.

A function's length runs from the first line of its signature to the line of
its closing brace. The braces are matched roughly: comments, strings and
character literals are skipped, and a brace opens a function body when the
text before it ends in a parameter list (optionally followed by qualifiers or
a constructor's initialiser list). Lambdas count towards the function that
holds them. Files are measured in lines, as `wc -l` does.

    tools/long_functions.py                      # every tracked .cpp and .h
    tools/long_functions.py platform tools       # only these folders or files
    tools/long_functions.py --function 60 --file 400

The exit status is 1 when anything is over a limit, so CI can check it.
"""

import argparse
import re
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
NOT_FUNCTIONS = re.compile(r"^(namespace|class|struct|union|enum|extern)\b|^(if|for|while|switch|catch|do)\s*\(")
BODY_KEYWORDS = {"const", "override", "final", "noexcept", "mutable", "try"}


def separates_digits(text, quote):
    """Whether the ' at this index is a digit separator (1'000), not a character literal."""
    start = quote
    while start > 0 and (text[start - 1].isalnum() or text[start - 1] in "_'"):
        start -= 1
    return start < quote and text[start].isdigit()


def blank_out_comments_and_literals(text):
    """Replaces comments and literals with spaces, keeping every newline."""
    out = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            end = text.find("\n", i)
            end = n if end < 0 else end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
        elif text.startswith('R"', i) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            delimiter = text[i + 2:text.find("(", i)]
            end = text.find(")" + delimiter + '"', i)
            end = n if end < 0 else end + len(delimiter) + 2
        elif c == '"' or (c == "'" and not separates_digits(text, i)):
            end = i + 1
            while end < n and text[end] != c and text[end] != "\n":
                end += 2 if text[end] == "\\" else 1
            end = min(end + 1, n)
        else:
            out.append(c)
            i += 1
            continue
        out.append("".join(ch if ch == "\n" else " " for ch in text[i:end]))
        i = end
    return "".join(out)


def opens_function(header):
    """Whether the text between the previous statement and a `{` is a function signature."""
    header = " ".join(header.split())
    if "(" not in header or NOT_FUNCTIONS.search(header):
        return False
    depth = 0
    for c in header:
        depth += c == "("
        depth -= c == ")"
        if c == "=" and depth == 0 and "operator" not in header:
            return False
    return True


def brace_initialises(before):
    """Whether a `{` inside a signature is a member's brace initialiser, not the body."""
    word = re.search(r"([A-Za-z_]\w*)\s*$", before)
    return bool(word) and word.group(1) not in BODY_KEYWORDS and "->" not in before.rsplit(")", 1)[-1]


def long_functions(text, limit):
    code = blank_out_comments_and_literals(text)
    found = []
    header_start = 0
    depth = 0
    function_depth = None
    function_line = 0
    name = ""
    i = 0
    while i < len(code):
        c = code[i]
        if c == "{":
            if function_depth is None:
                header = code[header_start:i]
                if opens_function(header) and brace_initialises(header):
                    i = skip_braces(code, i)
                    continue
                if opens_function(header):
                    first = header_start + len(header) - len(header.lstrip())
                    function_depth = depth
                    function_line = code.count("\n", 0, first) + 1
                    name = signature_name(header)
            depth += 1
            header_start = i + 1
        elif c == "}":
            depth -= 1
            header_start = i + 1
            if function_depth is not None and depth == function_depth:
                length = code.count("\n", 0, i) + 2 - function_line
                if length > limit:
                    found.append((function_line, length, name))
                function_depth = None
        elif c == ";" and function_depth is None:
            header_start = i + 1
        elif c == "#" and function_depth is None and code[header_start:i].strip() == "":
            i = code.find("\n", i)
            i = len(code) if i < 0 else i
            header_start = i
            continue
        i += 1
    return found


def skip_braces(code, i):
    depth = 0
    while i < len(code):
        depth += code[i] == "{"
        depth -= code[i] == "}"
        i += 1
        if depth == 0:
            break
    return i


def signature_name(header):
    before_parameters = header.split("(", 1)[0].split()
    return before_parameters[-1] if before_parameters else "?"


def sources(paths):
    listed = subprocess.run(["git", "ls-files", "--cached", "--others", "--exclude-standard", "--", *paths],
                            cwd=ROOT, check=True, stdout=subprocess.PIPE, text=True).stdout.split()
    return sorted(p for p in listed if p.endswith((".cpp", ".h")) and (ROOT / p).is_file())


def main():
    parser = argparse.ArgumentParser(description="Functions and files over a length limit.")
    parser.add_argument("paths", nargs="*", help="folders or files (default: the whole tree)")
    parser.add_argument("--function", type=int, default=60, help="longest function allowed, in lines")
    parser.add_argument("--file", type=int, default=400, help="longest file allowed, in lines")
    args = parser.parse_args()

    over = 0
    for path in sources(args.paths):
        text = (ROOT / path).read_text(encoding="utf-8", errors="replace")
        lines = text.count("\n")
        if lines > args.file:
            print(f"{path}: file of {lines} lines")
            over += 1
        for line, length, name in long_functions(text, args.function):
            print(f"{path}:{line}: {name} has {length} lines")
            over += 1
    return 1 if over else 0


if __name__ == "__main__":
    sys.exit(main())
