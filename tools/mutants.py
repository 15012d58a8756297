#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Mutation testing for Talonix.

Makes single-point changes ("mutants") to the program's .cpp files, builds
each one incrementally, runs the test programs, and reports per folder how
many mutants the tests killed, how many survived and how many timed out.

The sample is deterministic: every candidate change is named by its file,
the text of its line, its operator and its position in the line, and ranked
by a hash of that name and --seed. The lowest ranks of each folder are taken,
so two runs with the same --seed, --count and --paths try the same mutants,
and editing one file leaves the choice in the other files alone.

See docs/testing.md for how to run it and read its report.
"""

import argparse
import collections
import hashlib
import json
import os
import re
import signal
import subprocess
import sys
import threading
import time
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
DEFAULT_PATHS = [
    "cards", "game", "computer", "settings", "window",
    "platform/core", "platform/registry", "platform/headless",
    "platform/raster", "platform/dialogs", "platform/commandbar", "platform/resources",
    "platform/menus", "resources", "records", "engine", "players", "opponents",
]
# Test programs in the order they are run; the first failure kills a mutant.
TEST_PROGRAMS = [
    "cards_tests", "game_tests", "computer_tests", "window_tests",
    "settings_tests", "platform_tests", "resources_tests", "records_tests",
    "engine_tests", "players_tests", "runs_tests",
]


# --------------------------------------------------------------------------
# Finding candidate changes


class Mutant:
    __slots__ = ("path", "line_no", "original", "mutated", "operator", "ordinal", "rank")

    def __init__(self, path, line_no, original, mutated, operator, ordinal):
        self.path = path          # relative to the tree, with forward slashes
        self.line_no = line_no    # 1-based
        self.original = original  # the whole line, without its newline
        self.mutated = mutated    # the whole line after the change
        self.operator = operator
        self.ordinal = ordinal    # which candidate of this operator on the line
        self.rank = ""

    def key(self):
        return f"{self.path}\0{self.original.strip()}\0{self.operator}\0{self.ordinal}"

    def folder(self, paths):
        best = ""
        for p in paths:
            if (self.path == p or self.path.startswith(p.rstrip("/") + "/")) and len(p) > len(best):
                best = p
        return best or str(Path(self.path).parent)

    def describe(self):
        return f"{self.path}:{self.line_no}: {self.operator}: `{self.original.strip()}` -> `{self.mutated.strip()}`"


def code_mask(line):
    """The line with string and character literals and // comments blanked,
    so that operators are only looked for in code."""
    out = []
    i = 0
    quote = None
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("  ")
                i += 2
                continue
            if c == quote:
                quote = None
                out.append(c)
            else:
                out.append(" ")
            i += 1
            continue
        if c in "\"'":
            quote = c
            out.append(c)
        elif line.startswith("//", i):
            out.append(" " * (len(line) - i))
            break
        else:
            out.append(c)
        i += 1
    return "".join(out)[: len(line)].ljust(len(line))


COMPARISON_SWAPS = {" < ": " <= ", " <= ": " < ", " > ": " >= ", " >= ": " > ",
                    " == ": " != ", " != ": " == "}
LOGIC_SWAPS = {" && ": " || ", " || ": " && "}
NUMBER = re.compile(r"(?<![\w.])(\d+)(?![\w.'])")
CALL_STATEMENT = re.compile(r"^\s*(?:[A-Za-z_][\w]*(?:::|\.|->))*[A-Za-z_]\w*\(.*\);\s*$")
FUNCTION_START = re.compile(
    r"^(?:static |inline |constexpr )*(?P<type>[A-Za-z_][\w:<>*& ]*?)[ *&]+"
    r"(?P<name>[A-Za-z_][\w:]*)\((?P<args>[^;]*)\)\s*(?:const\s*)?\{\s*$")
NOT_TYPES = {"else", "return", "if", "while", "for", "switch", "case", "do", "namespace",
             "struct", "class", "enum", "union"}


def matching_paren(text, open_at):
    depth = 0
    for i in range(open_at, len(text)):
        if text[i] == "(":
            depth += 1
        elif text[i] == ")":
            depth -= 1
            if depth == 0:
                return i
    return -1


def candidates_in_line(line, masked):
    """Yields (operator, mutated line) for each single change of this line."""
    stripped = masked.strip()
    if not stripped or stripped.startswith("#") or stripped.startswith("static_assert"):
        return
    declaration_of_array = re.search(r"\w\s*\[[^\]]*\]\s*(=|;|\{)", masked)

    for old, new in COMPARISON_SWAPS.items():
        for m in re.finditer(re.escape(old), masked):
            yield "comparison", line[: m.start()] + new + line[m.end():]
    for old, new in LOGIC_SWAPS.items():
        for m in re.finditer(re.escape(old), masked):
            yield "logic", line[: m.start()] + new + line[m.end():]
    if not declaration_of_array and "case " not in masked and "template" not in masked:
        for m in NUMBER.finditer(masked):
            value = int(m.group(1))
            for delta, name in ((1, "constant+1"), (-1, "constant-1")):
                if value + delta < 0:
                    continue
                yield name, line[: m.start()] + str(value + delta) + line[m.end():]
    for m in re.finditer(r"\b(if|while) \(", masked):
        open_at = m.end() - 1
        close_at = matching_paren(masked, open_at)
        if close_at > 0:
            cond = line[open_at + 1: close_at]
            yield "negate", line[: open_at + 1] + "!(" + cond + ")" + line[close_at:]
    if CALL_STATEMENT.match(masked):
        head = stripped.split("(")[0]
        if not stripped.startswith("return") and " " not in head:
            indent = line[: len(line) - len(line.lstrip())]
            yield "delete-call", indent + ";"


def early_return(lines, index, masked):
    """A mutant that returns at once from the function whose body opens here."""
    m = FUNCTION_START.match(masked)
    if not m or m.group("name").split("::")[-1] in NOT_TYPES:
        return None
    kind = m.group("type").split()[-1]
    if kind in NOT_TYPES or m.group("name") in NOT_TYPES:
        return None
    if index + 1 >= len(lines) or lines[index + 1].strip() in ("}", ""):
        return None
    statement = "return;" if kind == "void" and "*" not in m.group(0).split("(")[0] else "return {};"
    body = lines[index + 1]
    indent = body[: len(body) - len(body.lstrip())]
    return index + 1, indent + statement + " " + body.lstrip()


def find_mutants(tree, paths):
    mutants = []
    files = []
    for p in paths:
        base = tree / p
        if base.is_file():
            files.append(base)
        else:
            files.extend(sorted(base.rglob("*.cpp")))
    for file in sorted(set(files)):
        rel = file.relative_to(tree).as_posix()
        if rel.endswith("window/main.cpp"):
            continue  # the command line; run tests start it, but it is mostly CLI11
        lines = file.read_text(encoding="utf-8").split("\n")
        in_block_comment = False
        for i, line in enumerate(lines):
            masked = code_mask(line)
            if in_block_comment:
                if "*/" in masked:
                    in_block_comment = False
                continue
            if masked.lstrip().startswith("/*"):
                in_block_comment = "*/" not in masked
                continue
            counts = collections.Counter()
            for operator, mutated in candidates_in_line(line, masked):
                counts[operator] += 1
                mutants.append(Mutant(rel, i + 1, line, mutated, operator, counts[operator]))
            early = early_return(lines, i, masked)
            if early:
                at, mutated = early
                mutants.append(Mutant(rel, at + 1, lines[at], mutated, "return-early", 1))
    return mutants


def sample(mutants, paths, seed, count):
    """The `count` lowest-ranked mutants, shared out evenly over the folders."""
    by_folder = collections.defaultdict(list)
    for m in mutants:
        m.rank = hashlib.sha1(f"{seed}\0{m.key()}".encode()).hexdigest()
        by_folder[m.folder(paths)].append(m)
    for group in by_folder.values():
        group.sort(key=lambda m: m.rank)
    folders = [p for p in paths if by_folder.get(p)]
    chosen = []
    index = 0
    while len(chosen) < count and any(by_folder[f] for f in folders):
        folder = folders[index % len(folders)]
        if by_folder[folder]:
            chosen.append(by_folder[folder].pop(0))
        index += 1
    return chosen


def from_earlier_run(path, survivors_only):
    """The mutants of an earlier run's JSON lines, found again in today's tree
    by the text of their lines (the nearest line of that text to the line
    number recorded), so that tests can be measured against the same sample
    after the code around it has moved. Returns (to try, results kept)."""
    chosen, carried = [], []
    for number, text in enumerate(path.read_text(encoding="utf-8").splitlines()):
        row = json.loads(text)
        file = ROOT / row["file"]
        lines = file.read_text(encoding="utf-8").split("\n") if file.exists() else []
        at = [i for i, line in enumerate(lines) if line.strip() == row["from"]]
        index = min(at, key=lambda i: abs(i + 1 - row["line"])) if at else row["line"] - 1
        original = lines[index] if 0 <= index < len(lines) else row["from"]
        indent = original[: len(original) - len(original.lstrip())]
        mutant = Mutant(row["file"], index + 1, original, indent + row["to"], row["operator"],
                        row["ordinal"])
        if not at:
            carried.append((mutant, "stale", 0.0))
        elif survivors_only and row["status"] != "survived":
            carried.append((mutant, row["status"], row["seconds"]))
        else:
            chosen.append(mutant)
    return chosen, carried


# --------------------------------------------------------------------------
# Building and testing


def run(cmd, cwd, timeout=None, env=None):
    """Runs cmd in a process group of its own: on a timeout the whole group
    is killed, so a program that a test started and a mutant made hang does
    not outlive its test."""
    with subprocess.Popen(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          env=env, text=True, errors="replace",
                          start_new_session=True) as process:
        try:
            output, _ = process.communicate(timeout=timeout)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.communicate()
            raise
        return subprocess.CompletedProcess(cmd, process.returncode, output)


def sync_tree(source, copy):
    """Makes `copy` hold the files of `source` (without build/ and .git/),
    rewriting only the files that differ so that the build stays incremental
    between runs."""
    wanted = set()
    for folder, dirs, files in os.walk(source):
        dirs[:] = [d for d in dirs if not (Path(folder) == source and d in ("build", ".git"))]
        for name in files:
            rel = (Path(folder) / name).relative_to(source)
            wanted.add(rel)
            target = copy / rel
            data = (source / rel).read_bytes()
            if not target.exists() or target.read_bytes() != data:
                target.parent.mkdir(parents=True, exist_ok=True)
                target.write_bytes(data)
    for folder, _, files in os.walk(copy):
        for name in files:
            path = Path(folder) / name
            if path.relative_to(copy) not in wanted:
                path.unlink()


class Worker:
    """One copy of the tree with its own build folder."""

    def __init__(self, root, index, jobs):
        self.dir = root / f"worker{index}"
        self.src = self.dir / "src"
        self.build = self.dir / "build"
        self.jobs = jobs
        self.test_seconds = None

    def prepare(self):
        sync_tree(ROOT, self.src)
        configure = ["cmake", "-S", str(self.src), "-B", str(self.build), "-G", "Ninja",
                     "-DCMAKE_BUILD_TYPE=Debug", "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g0",
                     "-DTALONIX_BENCHMARKS=OFF", "-DTALONIX_TESTS=ON", "-DTALONIX_WERROR=OFF",
                     "-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=gold",
                     "-DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST"]
        result = run(configure, cwd=self.dir, timeout=600)
        if result.returncode != 0:
            raise SystemExit(f"configure failed in {self.build}:\n{result.stdout}")
        # The first build of a copy uses every core: the workers prepare one
        # after the other.
        ok, output = self.compile(jobs=os.cpu_count() or 2)
        if not ok:
            raise SystemExit(f"the unchanged tree does not build in {self.build}:\n{output}")
        start = time.monotonic()
        status = self.test(timeout=3600)
        self.test_seconds = time.monotonic() - start
        if status != "survived":
            raise SystemExit(f"the tests fail on the unchanged tree in {self.build}")

    def compile(self, jobs=None, target=None):
        jobs = jobs or self.jobs
        command = ["ninja", "-C", str(self.build), f"-j{jobs}"] + ([target] if target else [])
        result = run(command, cwd=self.dir)
        return result.returncode == 0, result.stdout

    def test(self, timeout, first=None):
        deadline = time.monotonic() + timeout
        order = sorted(TEST_PROGRAMS, key=lambda name: name != first)
        for name in order:
            program = self.build / "tests" / name
            if not program.exists():
                continue
            left = deadline - time.monotonic()
            if left <= 0:
                return "timeout"
            try:
                result = run([str(program), "--gtest_brief=1"], cwd=self.build, timeout=left,
                             env=dict(os.environ, TALONIX_UPDATE_GOLDENS=""))
            except subprocess.TimeoutExpired:
                return "timeout"
            if result.returncode != 0:
                return "killed"
        return "survived"

    def first_then_all(self, mutant, timeout):
        """Most mutants are caught by their folder's own test program: build
        and run that one alone first, and the rest only if it passes."""
        first = mutant.path.split("/")[0] + "_tests"
        if first in TEST_PROGRAMS:
            ok, _ = self.compile(target=f"tests/{first}")
            if not ok:
                return "invalid"
            try:
                result = run([str(self.build / "tests" / first), "--gtest_brief=1"],
                             cwd=self.build, timeout=timeout,
                             env=dict(os.environ, TALONIX_UPDATE_GOLDENS=""))
            except subprocess.TimeoutExpired:
                return "timeout"
            if result.returncode != 0:
                return "killed"
        ok, _ = self.compile()
        return self.test(timeout, first) if ok else "invalid"

    def try_mutant(self, mutant, timeout):
        file = self.src / mutant.path
        text = file.read_text(encoding="utf-8")
        lines = text.split("\n")
        if lines[mutant.line_no - 1] != mutant.original:
            return "stale", 0.0
        lines[mutant.line_no - 1] = mutant.mutated
        start = time.monotonic()
        try:
            file.write_text("\n".join(lines), encoding="utf-8")
            status = self.first_then_all(mutant, timeout)
        finally:
            file.write_text(text, encoding="utf-8")
        return status, time.monotonic() - start


# --------------------------------------------------------------------------
# Report


def report(results, paths, out):
    table = collections.OrderedDict((p, collections.Counter()) for p in paths)
    for mutant, status, _ in results:
        table.setdefault(mutant.folder(paths), collections.Counter())[status] += 1
    lines = [f"{'folder':22} {'killed':>7} {'survived':>9} {'timeout':>8} {'invalid':>8} {'score':>7}"]
    total = collections.Counter()
    for folder, counts in table.items():
        total.update(counts)
        lines.append(format_row(folder, counts))
    lines.append(format_row("all", total))
    survivors = sorted((m for m, s, _ in results if s == "survived"),
                       key=lambda m: (m.path, m.line_no))
    lines.append("")
    lines.append(f"survivors ({len(survivors)}):")
    lines.extend("  " + m.describe() for m in survivors)
    text = "\n".join(lines)
    print(text)
    if out:
        Path(out).write_text(text + "\n", encoding="utf-8")


def format_row(folder, counts):
    caught = counts["killed"] + counts["timeout"]
    tried = caught + counts["survived"]
    score = f"{100.0 * caught / tried:6.1f}%" if tried else "     -"
    return (f"{folder:22} {counts['killed']:7} {counts['survived']:9} {counts['timeout']:8} "
            f"{counts['invalid']:8} {score:>7}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--paths", nargs="+", default=DEFAULT_PATHS,
                        help="folders or .cpp files to mutate (default: the game and its platform core)")
    parser.add_argument("--seed", default="1", help="chooses the sample (default 1)")
    parser.add_argument("--count", type=int, default=150, help="mutants to try (default 150)")
    parser.add_argument("--workers", type=int, default=2, help="mutants built and tested at once")
    parser.add_argument("--work-dir", default=str(ROOT / "build" / "mutants"),
                        help="where the tree copies and their builds live")
    parser.add_argument("--list", action="store_true", help="only list the sample")
    parser.add_argument("--report", help="also write the report to this file")
    parser.add_argument("--json", help="write every result as JSON lines to this file")
    parser.add_argument("--again", metavar="JSON",
                        help="try the mutants of an earlier --json file again, found by their "
                             "lines' text, instead of drawing a sample")
    parser.add_argument("--survivors", action="store_true",
                        help="with --again, try only its survivors; the others keep their result")
    args = parser.parse_args()

    paths = [p.rstrip("/") for p in args.paths]
    carried = []
    if args.again:
        chosen, carried = from_earlier_run(Path(args.again), args.survivors)
    else:
        chosen = sample(find_mutants(ROOT, paths), paths, args.seed, args.count)
    if args.list:
        for m in chosen:
            print(m.describe())
        return 0

    work = Path(args.work_dir)
    work.mkdir(parents=True, exist_ok=True)
    workers = [Worker(work, i, jobs=max(1, (os.cpu_count() or 2) // args.workers))
               for i in range(args.workers)]
    for worker in workers:
        worker.prepare()
    limit = 3 * max(w.test_seconds for w in workers) + 10
    print(f"mutants: {len(chosen)} to try; tests take {limit / 3:.0f} s unchanged, "
          f"a mutant's tests time out after {limit:.0f} s", flush=True)

    queue = list(enumerate(chosen))
    lock = threading.Lock()
    results = list(carried)

    def drain(worker):
        while True:
            with lock:
                if not queue:
                    return
                index, mutant = queue.pop(0)
            status, seconds = worker.try_mutant(mutant, limit)
            with lock:
                results.append((mutant, status, seconds))
                print(f"[{len(results):4}/{len(chosen)}] {status:8} {seconds:5.1f}s {mutant.describe()}",
                      flush=True)

    with ThreadPoolExecutor(len(workers)) as pool:
        list(pool.map(drain, workers))
    # Leave each copy as it was, built, so the next run starts incrementally.
    with ThreadPoolExecutor(len(workers)) as pool:
        list(pool.map(Worker.compile, workers))

    results.sort(key=lambda r: (r[0].path, r[0].line_no, r[0].operator, r[0].ordinal))
    if args.json:
        with open(args.json, "w", encoding="utf-8") as f:
            for m, status, seconds in results:
                f.write(json.dumps({"file": m.path, "line": m.line_no, "operator": m.operator,
                                    "ordinal": m.ordinal, "from": m.original.strip(),
                                    "to": m.mutated.strip(), "status": status,
                                    "seconds": round(seconds, 1)}, ensure_ascii=False) + "\n")
    report(results, paths, args.report)
    return 0


if __name__ == "__main__":
    sys.exit(main())
