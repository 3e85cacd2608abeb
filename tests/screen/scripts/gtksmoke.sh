#!/usr/bin/env bash
# Under a virtual X server without a window manager: VEMO's window appears
# with its title, ends on Alt-X typed to the program, closes on Alt-F4, and
# ends on SIGTERM through its orderly end (vemo.rev written).  Exit status
# 0 when every run ends with status 0.
set -u
vemo=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Starts vemo, waits for its window, sends the keys, returns vemo's status.
run() {
    "$vemo" &
    local pid=$! w=""
    for _ in $(seq 400); do
        w=$(xdotool search --name '^VEMO   /' 2>/dev/null | head -1)
        [[ -n $w ]] && break
        sleep 0.05
    done
    if [[ -z $w ]]; then
        echo "gtksmoke: no window titled VEMO" >&2
        kill "$pid"
        return 1
    fi
    xdotool windowfocus --sync "$w"
    # Under load the window may take a moment to take the focus.
    sleep 0.3
    xdotool key --delay 20 "$@"
    local status=0
    # The process must end on its own within 20 s. On a loaded machine the
    # first keys can arrive before the window has the focus: once, after
    # 10 s, the focus is set again and the closing key sent again.
    for i in $(seq 400); do
        kill -0 "$pid" 2>/dev/null || break
        if (( i == 200 )); then
            xdotool windowfocus --sync "$w" 2>/dev/null
            xdotool key "${@: -1}" 2>/dev/null
        fi
        sleep 0.05
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "gtksmoke: vemo did not end after: $*" >&2
        kill "$pid"
    fi
    wait "$pid" || status=$?
    return $status
}

run a b c Tab F10 Up alt+x y || exit 1
run F10 Escape alt+F4 || exit 1

# SIGTERM, as a closed window: the typed formula reaches vemo.rev.
rm -f vemo.rev
"$vemo" &
pid=$!
for _ in $(seq 400); do
    w=$(xdotool search --name '^VEMO   /' 2>/dev/null | head -1)
    [[ -n $w ]] && break
    sleep 0.05
done
xdotool windowfocus --sync "$w"
sleep 0.3
xdotool type --delay 20 'e2*x+1'
xdotool key Return
# Time for the keys to reach the calculator before the signal.
sleep 1.5
kill -TERM "$pid"
for _ in $(seq 200); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
done
if kill -0 "$pid" 2>/dev/null; then
    echo "gtksmoke: vemo did not end on SIGTERM" >&2
    kill -KILL "$pid"
    exit 1
fi
wait "$pid" || exit 1
grep -qx '2\*x+1' vemo.rev || { echo "gtksmoke: SIGTERM wrote no vemo.rev" >&2; exit 1; }
