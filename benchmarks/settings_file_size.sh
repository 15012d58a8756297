#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up and writes with a very large settings file: the time and peak
# resident memory (from /usr/bin/time -v) of a headless run that starts,
# writes one state line and exits, and of one that confirms Options (which
# writes several values), for a 16 MiB file of blank lines and a 16 MiB file
# of 1.3 million value lines, each with the program's key at its end.
# Target: start-up under 1 s and 100 MB of peak memory. The CPU time (user +
# system) is given beside the wall time, which on a busy machine says little.
# Usage: settings_file_size.sh [TALONIX]
set -euo pipefail
cd "$(dirname "$0")/.."
binary=$(realpath "${1:-build/ci/talonix}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

make_file() { # NAME LINE: 16 MiB of LINE, then the program's key
    local name=$1 line=$2
    {
        printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Other]\n'
        { yes "$line" || true; } | head -c $((16 * 1024 * 1024 - 200)) | sed '$d'
        printf '\n[HKEY_CURRENT_USER\\Software\\qm\\tlx]\n"statc"=dword:00000005\n'
    } >"$work/$name.reg"
}
make_file blank ''
make_file values '"v"=dword:00000001'

run() { # FILE SCRIPT
    cp "$work/$1.reg" "$work/run.reg"
    sleep 3 # a file changed this very moment is read afresh at every query
    printf "$2" >"$work/script.txt"
    /usr/bin/time -v "$binary" --headless --clock 10:00:00.000 --registry "$work/run.reg" \
        --script "$work/script.txt" >/dev/null 2>"$work/time.txt"
    local seconds rss
    seconds=$(awk -F': ' '/Elapsed \(wall clock\)/ {print $2}' "$work/time.txt")
    cpu=$(awk -F': ' '/User time|System time/ {sum += $2} END {printf "%.2f", sum}' "$work/time.txt")
    rss=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.txt")
    printf '%-7s %-13s %8s s %6s s %6d MB\n' "$1" "$3" "${seconds#0:}" "$cpu" $((rss / 1024))
}

echo "file    run           wall time  CPU time  peak RSS"
for file in blank values; do
    size=$(stat -c %s "$work/$file.reg")
    echo "($file: $size bytes)"
    run "$file" 'state\n' "start, exit"
    run "$file" 'command 40014\npress 1\n' "Options OK"
done
