#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Drives the desktop window under Xvfb (1280 x 1024) with a window manager
# (openbox, which full screen needs) and checks how the
# picture fits the window and where clicks land:
#   - the first window is at x3 (720 x 960) with no bars, and lies with the
#     window manager's frame inside the screen;
#   - --scale 8 says once that it does not fit and opens at x3 as well;
#   - resized to 800 x 700 the picture is at x2, centred on table-coloured
#     bars, and a click on the first hand card selects it;
#   - F11 fills the screen, and a click on the second card selects it.
# Needs scripts/install-desktop-tools.sh. Usage: check-window.sh [TALONIX]
set -euo pipefail
cd "$(dirname "$0")/.."
binary=${1:-build/ci/talonix}
work=$(mktemp -d)
source scripts/xvfb.sh
start_xvfb "$work" 90
cleanup() {
    [ -n "${game:-}" ] && kill "$game" 2>/dev/null || true
    [ -n "${manager:-}" ] && kill "$manager" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >"$work/openbox.log" 2>&1 &
manager=$!
# The window manager is ready once it announces itself on the root window.
for _ in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
sleep 0.5

"$binary" --registry "$work/settings.reg" --clock 10:00:00.000 >"$work/out" 2>&1 &
game=$!
window=""
for _ in $(seq 100); do
    window=$(xdotool search --pid "$game" 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.05
done
[ -n "$window" ] || { echo "FAIL: no window"; exit 1; }
# A loaded machine may be slow: conditions are waited for, up to 20 s.
waitFor() {
    for _ in $(seq 200); do
        eval "$1" && return 0
        sleep 0.1
    done
    return 1
}
size() { xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }
waitFor '[ "$(xdotool getwindowname "$window")" != Talonix ] && [ -f "$work/settings.reg" ]' || true
sleep 0.5

failures=0
# Pixel colours (hex RRGGBB) of the window at the given window points.
pixels() {
    # While the window manager still moves the window, xwd may fail.
    waitFor 'xwd -id "$window" -out "$work/shot.xwd" 2>/dev/null' || true
    python3 - "$work/shot.xwd" "$@" <<'PY'
import struct, sys
data = open(sys.argv[1], 'rb').read()
h = struct.unpack('>25I', data[:100])
size, order, bpp, bpl, colours = h[0], h[7], h[11], h[12], h[19]
pixels = data[size + colours * 12:]
print(h[4], h[5], end='')
for point in sys.argv[2:]:
    x, y = map(int, point.split(','))
    i = y * bpl + x * (bpp // 8)
    value = int.from_bytes(pixels[i:i + 4], 'little' if order == 0 else 'big') & 0xFFFFFF
    print(' %06x' % value, end='')
print()
PY
}
check() { # description, condition
    if eval "$2"; then echo "ok:   $1"; else echo "FAIL: $1"; failures=$((failures + 1)); fi
}
click() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
    sleep 0.5
}

# The first window: x3, no bars. The command bar's grey is the top row.
read -r w h top corner <<<"$(pixels 0,0 719,959)"
check "first window 720x960 (got ${w}x${h})" '[ "$w" = 720 ] && [ "$h" = 960 ]'
check "x3 with no bars: top-left is the command bar (got $top)" '[ "$top" = c0c0c0 ]'
grep -q '"scale"=dword:00000003' "$work/settings.reg" && remembered=yes || remembered=no
check "scale 3 remembered in the settings file" '[ "$remembered" = yes ]'
# The window with the window manager's frame around it, on the screen.
framed() {
    read -r left right top bottom <<<"$(xprop -id "$window" _NET_FRAME_EXTENTS | tr -d , | awk '{print $3, $4, $5, $6}')"
    xwininfo -id "$window" | awk -v l="$left" -v r="$right" -v t="$top" -v b="$bottom" '
        /Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /Width:/ {w=$2} /Height:/ {h=$2}
        END {print x - l, y - t, x + w + r, y + h + b}'
}
read -r fl ft fr fb <<<"$(framed)"
check "framed window inside the screen (got $fl,$ft to $fr,$fb)" \
    '[ "$ft" -ge 0 ] && [ "$fl" -ge 0 ] && [ "$fr" -le 1280 ] && [ "$fb" -le 1024 ] && [ "$ft" -lt "$fb" ]'
title=$(xdotool getwindowname "$window")
check "title '$title'" '[[ "$title" =~ ^Подкидной\ ·\ [0-9A-Z]{4}-[0-9A-Z]{7}\ —\ Talonix$ ]]'

# 800 x 700: x2 at (160, 30). Screen pixel (5, 150) is inside the first
# hand card, white until the card is selected.
xdotool windowsize "$window" 800 700
waitFor '[ "$(size)" = 800x700 ]' || true
sleep 0.5
read -r w h bar card <<<"$(pixels 5,5 170,330)"
check "resized to 800x700 (got ${w}x${h})" '[ "$w" = 800 ] && [ "$h" = 700 ]'
check "bars of the table colour (got $bar)" '[ "$bar" = 009600 ]'
check "first card white before the click (got $card)" '[ "$card" = ffffff ]'
click 5 5 # on the bar: no press
click $((160 + 2 * 10)) $((30 + 2 * 160))
waitFor '[ "$(pixels 170,330 | cut -d" " -f3)" != ffffff ]' || true
read -r w h card <<<"$(pixels 170,330)"
check "a click on the first card selects it (got $card)" '[ "$card" != ffffff ]'

# Full screen: 1280 x 1024 at x3, picture at (280, 32). Screen pixel
# (31, 150) is inside the second card.
xdotool key --window "$window" F11
waitFor '[ "$(size)" = 1280x1024 ]' || true
sleep 0.5
read -r w h card <<<"$(pixels $((280 + 3 * 31)),$((32 + 3 * 150)))"
check "F11 fills the screen (got ${w}x${h})" '[ "$w" = 1280 ] && [ "$h" = 1024 ]'
check "second card white before the click (got $card)" '[ "$card" = ffffff ]'
click $((280 + 3 * 38)) $((32 + 3 * 160))
waitFor '[ "$(pixels $((280 + 3 * 31)),$((32 + 3 * 150)) | cut -d" " -f3)" != ffffff ]' || true
read -r w h card <<<"$(pixels $((280 + 3 * 31)),$((32 + 3 * 150)))"
check "a click in full screen selects the second card (got $card)" '[ "$card" != ffffff ]'
xdotool key --window "$window" alt+Return
waitFor '[ "$(size)" = 800x700 ]' || true
read -r w h <<<"$(pixels)"
check "Alt+Enter leaves full screen (got ${w}x${h})" '[ "$w" = 800 ] && [ "$h" = 700 ]'

# A scale asked for that does not fit: one line on standard error, and the
# largest that fits.
kill "$game" 2>/dev/null || true
wait "$game" 2>/dev/null || true
"$binary" --registry "$work/other.reg" --clock 10:00:00.000 --scale 8 >"$work/out" 2>&1 &
game=$!
window=""
waitFor 'window=$(xdotool search --pid "$game" 2>/dev/null | head -1); [ -n "$window" ]' || true
waitFor '[ -f "$work/other.reg" ]' || true
sleep 0.5
read -r w h <<<"$(pixels)"
notes=$(grep -c 'does not fit' "$work/out" || true)
check "--scale 8 opens at x3 (got ${w}x${h})" '[ "$w" = 720 ] && [ "$h" = 960 ]'
check "--scale 8 says once that it does not fit (got $notes lines)" '[ "$notes" = 1 ]'

[ "$failures" -eq 0 ] && echo "all window checks passed" || { echo "$failures failed"; exit 1; }
