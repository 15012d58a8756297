#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Tries the headless program as a careful tester would and prints a table.

Six kinds of probe, each counted as tried, crashed (a signal, a sanitizer
report, an exit status the program never gives), hung (no exit within the
time limit) and lost (something of the user's gone: a win not kept, a line
of the settings file not written back, a file left broken):

  scripts     malformed script lines after a won game: each must stop the
              run with `script:N:` and status 2, the win already kept
  settings    hostile settings files: every line the program does not own
              is written back byte for byte, or the file is left untouched
  kills       SIGKILL at random moments while games are won: the file is
              always readable, keeps its other lines, and its count never
              goes down
  instances   two or three instances winning games on one file: the wins
              add up exactly (also in a folder they may not read)
  events      random pen, key, command and dialog lines: the count in the
              file is the count last shown
  arguments   hostile command lines: status 0 or 2, never the real
              settings file when the line is refused

Usage: tools/robustness_probe.py build/ci/talonix [--quick] [--seed N]
"""
import argparse
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

PROGRAM = ""
WORK = None  # every run's current folder: a random `shot` line writes there
LIMIT = 20
OWN_NAMES = (b'"statc"', b'"statu"')
READ_ONLY = b'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n"statc"=dword:00000005\n'


def hint_loop(rounds):
    """A script that plays with the hint until about rounds/23 games are won."""
    return "key h\nkey enter\nkey t\n" * rounds


def run(args, script="", timeout=LIMIT, env=None, cwd=None):
    """Returns (status, stdout, stderr, hung)."""
    try:
        done = subprocess.run([PROGRAM] + args, input=script.encode() if isinstance(script, str)
                              else script, capture_output=True, timeout=timeout, env=env,
                              cwd=cwd or WORK)
        return done.returncode, done.stdout, done.stderr, False
    except subprocess.TimeoutExpired:
        return None, b"", b"", True


def crashed(status, err, allowed=(0, 1, 2)):
    return status is not None and (status not in allowed or b"Sanitizer" in err
                                   or b"runtime error" in err)


def shown_wins(out):
    """The win counts of the last state line, or None."""
    for line in reversed(out.splitlines()):
        if line.startswith(b'{"event":"state"'):
            state = json.loads(line)
            return state["computerWins"] + state["humanWins"]
    return None


def stored_wins(registry):
    """The win counts the program reads from the file."""
    status, out, _, _ = run(["--headless", "--registry", registry], "state\n")
    return shown_wins(out) if status == 0 else None


def lines_of(data):
    for mark, encoding in ((b"\xff\xfe", "utf-16-le"), (b"\xfe\xff", "utf-16-be")):
        if data.startswith(mark):
            data = data[2:].decode(encoding, "replace").encode()
    return re.split(rb"\r\n|\r|\n", data)


def kept(before, after):
    """Every line of before that the program does not own is still in after."""
    remaining = list(lines_of(after))
    for line in lines_of(before):
        if any(name in line for name in OWN_NAMES):
            continue
        if line not in remaining:
            return False
        remaining.remove(line)
    return True


class Tally:
    def __init__(self, name):
        self.name, self.tried, self.crashed, self.hung, self.lost = name, 0, 0, 0, 0
        self.notes = []

    def count(self, crash=False, hang=False, loss=False, note=""):
        self.tried += 1
        self.crashed += crash
        self.hung += hang
        self.lost += loss
        if (crash or hang or loss) and len(self.notes) < 5:
            self.notes.append(note)


def bad_lines(rng, work):
    fifo = os.path.join(work, "fifo")
    if not os.path.exists(fifo):
        os.mkfifo(fifo)
    fixed = [
        "tap", "tap 10", "tap -1 5", "tap 240 10", "tap 10 320", "tap 1e3 4", "tap 99999999999 1",
        "down x y", "up 1 2 3", "dbl", "command", "command x", "command 99999999999",
        "key", "key nothing", "key ctrl+", "key alt+f5x", "answer maybe", "answer",
        "check 1 1", "select 3 0", "press 1", "shot", f"shot {work}", f"shot {fifo}",
        "shot /dev/null", f"shot {work}/missing/x.png", "bogus", "TAP 1 1", "\x1b[31mRED",
        "tap 1 1\x00", "\xff\xfe", "state extra", "hold 1", "deal now", "type",
        "x" * 100000,
    ]
    alphabet = "abcdefghijklmnopqrstuvwxyz0123456789 -+\t\x01\x7f"
    for _ in range(60):
        word = rng.choice(["tap", "key", "command", "shot", "check", "hold", "zz", ""])
        fixed.append(word + " " + "".join(rng.choice(alphabet) for _ in range(rng.randint(1, 30))))
    return fixed


def probe_scripts(tally, work, rng):
    prefix = hint_loop(70) + "state\n"
    prefix_lines = prefix.count("\n")
    for bad in bad_lines(rng, work):
        registry = os.path.join(work, "scripts.reg")
        if os.path.exists(registry):
            os.remove(registry)
        status, out, err, hang = run(["--headless", "--registry", registry, "--clock",
                                      "01:02:03.000"], prefix + bad + "\nstate\n")
        won = shown_wins(out)
        refused = status == 2 and re.match(rb"script:%d: " % (prefix_lines + 1), err)
        # A random line may be a good one; then the run simply goes on.
        good = status == 0 and out.count(b'{"event":"state"') == 2
        loss = not hang and (won is None or stored_wins(registry) != won or not (refused or good))
        tally.count(crashed(status, err), hang, loss, repr(bad[:40]))


def settings_files(rng):
    header = b"REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\r\n"
    files = [
        header + b'"statc"=dword:00000005\r\n"other"="kept"\r\n',
        header.replace(b"\r\n", b"\r") + b'"statc"=dword:00000005\r"x"=dword:1\r',
        header.replace(b"\r\n", b"\n") + b'"statc"=hex:01,\\\n"statu"=dword:00000005\n',
        header + b'"keep"=hex:01,\\\r\n"statc"=dword:00000005\r\n',
        header + b'"statc"=dword:fffffff0\r\n',
        header + b'"statc"=dword:zzzz\r\n"statu"=dword:123456789\r\n',
        header + b'"statc"="five"\r\n; a comment\r\n[HKEY_OTHER]\r\n"statc"=dword:7\r\n',
        b"\xef\xbb\xbf" + header + b'"statu"=dword:00000002\r\n',
        b"\xff\xfe" + header.decode().encode("utf-16-le") + '"statc"=dword:1\r\n'.encode("utf-16-le"),
        b"\xfe\xff" + header.decode().encode("utf-16-be") + '"statc"=dword:1\r\n'.encode("utf-16-be"),
        b"", b"\n" * 1000, b"REGEDIT4", header * 50, header + b"\\\r\n" * 100,
        header + b'"' * 5000 + b"\r\n", b"\x00" * 100, header + b'"statc"=dword:00000005',
    ]
    for _ in range(40):
        junk = bytes(rng.randrange(256) for _ in range(rng.randint(1, 400)))
        files.append(rng.choice([junk, header + junk, junk + header]))
    return files


def probe_settings(tally, work, rng):
    for number, data in enumerate(settings_files(rng)):
        registry = os.path.join(work, f"settings{number}.reg")
        with open(registry, "wb") as out:
            out.write(data)
        before = stored_wins(registry)
        status, out, err, hang = run(["--headless", "--registry", registry, "--clock",
                                      "01:02:03.000"], hint_loop(25) + "state\n")
        with open(registry, "rb") as file:
            after = file.read()
        if b"settings not saved" in err:
            loss = after != data
        else:
            loss = not kept(data, after) or stored_wins(registry) != shown_wins(out) or \
                before is None or shown_wins(out) <= before
        tally.count(crashed(status, err), hang, not hang and loss, f"file {number}")
    registry = os.path.join(work, "readonly.reg")
    with open(registry, "wb") as out:
        out.write(READ_ONLY)
    os.chmod(registry, 0o444)
    status, out, err, hang = run(["--headless", "--registry", registry], hint_loop(25))
    with open(registry, "rb") as file:
        loss = file.read() != READ_ONLY or b"not saved" not in err
    tally.count(crashed(status, err), hang, loss, "read-only file")


def probe_kills(tally, work, rng, kills):
    registry = os.path.join(work, "kills.reg")
    with open(registry, "wb") as out:
        out.write(b'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n"mine"="keep me"\n')
    last = 0
    for _ in range(kills):
        process = subprocess.Popen([PROGRAM, "--headless", "--registry", registry], cwd=work,
                                   stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.PIPE)
        try:
            process.stdin.write(hint_loop(2000).encode())
            process.stdin.flush()
        except BrokenPipeError:
            pass
        time.sleep(rng.uniform(0.05, 0.8))
        process.send_signal(signal.SIGKILL)
        process.communicate()
        now = stored_wins(registry)
        with open(registry, "rb") as file:
            intact = b'"mine"="keep me"' in file.read()
        loss = now is None or now < last or not intact
        tally.count(False, False, loss, f"count {last} -> {now}")
        last = now if now is not None else last


def instance_script(rounds):
    return hint_loop(rounds) + "state\n"


def probe_instances(tally, work, rng, rounds_count, user):
    solo = {}
    for index, clock in enumerate(("01:02:03.000", "04:05:06.000", "07:08:09.000")):
        registry = os.path.join(work, f"solo{index}.reg")
        _, out, _, _ = run(["--headless", "--registry", registry, "--clock", clock],
                           instance_script(120))
        solo[clock] = shown_wins(out)
    for round_number in range(rounds_count):
        locked_out = user is not None and round_number % 3 == 2
        folder = os.path.join(work, f"shared{round_number}")
        os.mkdir(folder)
        registry = os.path.join(folder, "settings.reg")
        prefix = []
        if locked_out:
            os.chmod(folder, 0o333)
            prefix = ["setpriv", f"--reuid={user}", f"--regid={user}", "--clear-groups"]
        clocks = list(solo)[: rng.choice((2, 3))]
        processes = [subprocess.Popen(prefix + [PROGRAM, "--headless", "--registry", registry,
                                                "--clock", clock],
                                      stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                      stderr=subprocess.PIPE, cwd=work) for clock in clocks]
        errors = [process.communicate(instance_script(120).encode(), timeout=LIMIT * 3)[1]
                  for process in processes]
        if locked_out:
            os.chmod(folder, 0o755)
        statuses = [process.returncode for process in processes]
        crash = any(crashed(status, err) for status, err in zip(statuses, errors))
        loss = stored_wins(registry) != sum(solo[clock] for clock in clocks)
        tally.count(crash, False, loss, f"round {round_number}, locked out {locked_out}")


def random_events(rng, count):
    kinds = [
        lambda: f"tap {rng.randrange(240)} {rng.randrange(320)}",
        lambda: f"down {rng.randrange(240)} {rng.randrange(320)}",
        lambda: f"up {rng.randrange(240)} {rng.randrange(320)}",
        lambda: f"dbl {rng.randrange(240)} {rng.randrange(320)}",
        lambda: "key " + rng.choice(["left", "right", "home", "end", "space", "enter", "t", "s",
                                     "escape", "tab", "up", "down", "ctrl+z", "ctrl+y", "l",
                                     "h", "w", "menu", "pagedown", "ctrl+n", "ctrl+t"]),
        lambda: "command " + rng.choice(["40012", "40014", "40015", "40003", "40017", "1", "2"]),
        lambda: "answer " + rng.choice(["ok", "yes", "no", "cancel"]),
        lambda: "key h\nkey enter\nkey t",
    ]
    return "\n".join(rng.choice(kinds)() for _ in range(count)) + "\nstate\n"


def probe_events(tally, work, rng, runs, length):
    events = 0
    for number in range(runs):
        registry = os.path.join(work, "events.reg")
        if os.path.exists(registry):
            os.remove(registry)
        script = random_events(rng, length)
        events += length
        status, out, err, hang = run(["--headless", "--registry", registry], script)
        # A dialog left open takes the last lines; the count is then compared
        # with a fresh read only when the run ended normally.
        loss = status == 0 and shown_wins(out) is not None and \
            stored_wins(registry) != shown_wins(out)
        tally.count(crashed(status, err), hang, loss, f"run {number}")
    return events


def probe_arguments(tally, work, rng):
    home = os.path.join(work, "home")
    config = os.path.join(home, ".config", "talonix")
    os.makedirs(config, exist_ok=True)
    real = os.path.join(config, "settings.reg")
    original = b'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n"statc"=dword:00000007\n'
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
               XDG_DATA_HOME=os.path.join(home, "data"), XDG_STATE_HOME=os.path.join(home, "st"))
    scratch = os.path.join(work, "scratch.reg")
    cases = [
        ["--regsitry", scratch], ["--registy=" + scratch], ["--scal", "2"], ["--lnag", "en"],
        ["--clock", ""], ["--clock", "25:00:00.000"], ["--clock", "x"], ["--clock", "-1"],
        ["--scale", "0"], ["--scale", "9"], ["--scale", "abc"], ["--scale", "99999999999999"],
        ["--lang", "de"], ["--lang", ""], ["--deal", "XXXX-XXXX"], ["--deal", ""],
        ["--replay", os.path.join(work, "missing.txt")], ["--pace", "3"], ["--opponent", "god"],
        ["--registry", ""], ["--script", work], ["--", "q7K"], ["q7K"], ["q7K", "extra", "words"],
        ["--records", "/proc/none"], ["--registry", scratch, "--registry", scratch],
        ["\u0436" * 1000], ["-" * 3], ["--" + "a" * 5000], ["--headless=1"], ["-x"],
    ]
    for _ in range(30):
        cases.append(["--" + "".join(rng.choice("abcdefghilnoprstuy-") for _ in range(6))])
    for args in cases:
        with open(real, "wb") as out:
            out.write(original)
        status, out, err, hang = run(["--headless"] + args, hint_loop(25), env=env)
        with open(real, "rb") as file:
            touched = file.read() != original
        loss = status == 2 and touched
        tally.count(crashed(status, err), hang, not hang and loss, " ".join(args)[:40])


def main():
    global PROGRAM, WORK
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--quick", action="store_true", help="fewer kills, rounds and events")
    options = parser.parse_args()
    PROGRAM = os.path.abspath(options.program)
    rng = random.Random(options.seed)
    user = 65534 if os.geteuid() == 0 and shutil.which("setpriv") else None
    tallies = []
    with tempfile.TemporaryDirectory() as work:
        os.chmod(work, 0o777)
        WORK = work
        for name, probe in (
            ("scripts", lambda t: probe_scripts(t, work, rng)),
            ("settings", lambda t: probe_settings(t, work, rng)),
            ("kills", lambda t: probe_kills(t, work, rng, 30 if options.quick else 300)),
            ("instances", lambda t: probe_instances(t, work, rng, 6 if options.quick else 45,
                                                    user)),
            ("events", lambda t: print(f"events: {probe_events(t, work, rng, 20 if options.quick else 400, 2000)} lines", file=sys.stderr)),
            ("arguments", lambda t: probe_arguments(t, work, rng)),
        ):
            tally = Tally(name)
            started = time.time()
            probe(tally)
            print(f"{name}: {time.time() - started:.0f} s", file=sys.stderr)
            tallies.append(tally)
    print("| probe | tried | crashed | hung | lost |")
    print("|---|---|---|---|---|")
    for tally in tallies:
        print(f"| {tally.name} | {tally.tried} | {tally.crashed} | {tally.hung} | {tally.lost} |")
    for tally in tallies:
        for note in tally.notes:
            print(f"{tally.name}: {note}", file=sys.stderr)
    return 1 if any(t.crashed or t.hung or t.lost for t in tallies) else 0


if __name__ == "__main__":
    sys.exit(main())
