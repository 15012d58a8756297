#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets (the `fuzz` preset, clang) and runs each for
# the given number of seconds (default 60), starting from the seed corpus in
# fuzz/corpus/TARGET and first replaying every input in fuzz/regressions/TARGET.
# New inputs go to build/fuzz/corpus/TARGET, findings to build/fuzz/findings.
# Extra arguments go to every target (e.g. -jobs=2 -workers=2).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
targets=(script_lines settings_file xpm dialog_template command_line page_query)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "${targets[@]/#/fuzz_}"

# Windows and screenshots allocate and free pixel buffers of a few hundred
# kilobytes for every input; kept on the heap instead of mapped and unmapped
# each time, the targets run up to twice as many inputs a second.
export GLIBC_TUNABLES=glibc.malloc.mmap_threshold=67108864:glibc.malloc.trim_threshold=268435456

mkdir -p build/fuzz/findings
for target in "${targets[@]}"; do
    echo "== fuzz_$target: ${seconds} s =="
    binary=build/fuzz/fuzz/fuzz_$target
    if [ -d "fuzz/regressions/$target" ] && [ -n "$(ls -A "fuzz/regressions/$target")" ]; then
        "$binary" "fuzz/regressions/$target"/*
    fi
    mkdir -p "build/fuzz/corpus/$target"
    "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="build/fuzz/findings/$target-" "$@" \
        "build/fuzz/corpus/$target" "fuzz/corpus/$target"
done
