# SPDX-License-Identifier: MIT
# Sourced by the scripts that run the window under Xvfb: starts a private X
# server on a display number no other server uses, exports DISPLAY and leaves
# the server's pid in $xvfb. Takes the folder for its log and the lowest
# display number to try.
start_xvfb() {
    local work=$1 number=$(($2 + RANDOM % 100))
    while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
        number=$((number + 1))
    done
    Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    export DISPLAY=:$number
}
