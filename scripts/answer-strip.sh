#!/bin/sh
# SPDX-License-Identifier: MIT
# The strip of frames of one computer answer in docs/images: a headless run
# records the frames a window would show (TALONIX_FRAMES), and the frames
# from the human's lead to the computer's next lead are laid side by side.
# Usage: scripts/answer-strip.sh [TALONIX] [OUTPUT]
set -eu
talonix=${1:-build/ci/talonix}
output=${2:-docs/images/computer-answer-strip.png}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The human leads the seven of spades, the computer covers, the human ends
# the bout: the table is cleared, both hands drawn, and the computer leads.
printf 'tap 4 143\ntap 100 110\ntap 220 186\n' > "$work/script"
TALONIX_FRAMES="$work" "$talonix" --headless --script "$work/script" \
    --clock 10:00:00.000 --registry "$work/settings.reg" --pace 1 > /dev/null
# Frame 0 is the deal and frame 1 the card selected: the strip starts at the
# lead and the cover, leaves out the button held down, and ends on the
# computer's lead once the pen is up.
frames=""
for n in 002 003 005 006 007 009; do
    frames="$frames $work/frame-$n.png"
done
# shellcheck disable=SC2086
montage $frames -tile x1 -geometry +3+0 -background '#404040' "$output"
