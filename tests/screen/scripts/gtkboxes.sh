#!/usr/bin/env bash
# Native boxes of VEMO's GTK window, driven with xdotool on a display of its
# own (run it under xvfb-run, with or without a window manager).  The debug
# menu's question is asked and answered twice in a row (no, then yes), then
# the debug menu's handle count is shown and confirmed.  Every answered box
# closes, boxes carry the program's name as title, the window's title has
# no padding, and afterwards the window takes keys: typed text shows as in
# the headless front and Alt-X (with the quit question) ends the program.
# Needs xdotool and xwd.  WM names a window manager to start first.
# Usage: [WM=openbox] gtkboxes.sh VEMO
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
vemo=$(realpath "$1")
work=$(mktemp -d)
vemopid=
wmpid=
trap 'for p in $vemopid $wmpid; do kill $p 2>/dev/null; done; rm -rf "$work"' EXIT
cd "$work"
if [[ -n ${WM:-} ]]; then
    $WM >/dev/null 2>&1 &
    wmpid=$!
    sleep 1
fi

fail() { echo "gtkboxes: $*"; exit 1; }

# Visible windows of the program other than the main window, one a line.
others() { xdotool search --onlyvisible --pid "$vemopid" 2>/dev/null | grep -vx "$main" || true; }

# Waits until a window opens beside the main window; its id.
waitopen() {
    local w
    for _ in $(seq 50); do
        w=$(others | head -1)
        [[ -n $w ]] && { echo "$w"; return; }
        sleep 0.1
    done
    fail "no window opened ($1)"
}

waitclosed() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --pid "$vemopid" 2>/dev/null | grep -qx "$1" || return 0
        sleep 0.1
    done
    fail "the box stayed open after its answer ($2)"
}

# Opens the first menu of the bar that has items: clicks along the bar
# until a menu pops up (given half a second to appear).
openmenu() {
    for x in $(seq 4 6 240); do
        xdotool mousemove --window "$main" "$x" 10 click 1
        for _ in 1 2 3 4 5; do
            sleep 0.1
            [[ -n $(others) ]] && return
        done
    done
    fail "no menu opens on the menu bar"
}

# Answers a box with a key (typed with the pointer on it: without a window
# manager the keyboard follows the pointer) and checks that it closes.
answer() {
    local box=$1 key=$2
    [[ $(xdotool getwindowname "$box") == VEMO ]] || fail "the box's title is \"$(xdotool getwindowname "$box")\""
    eval "$(xdotool getwindowgeometry --shell "$box")"
    xdotool mousemove --window "$box" $((WIDTH / 2)) $((HEIGHT / 2))
    sleep 0.2
    xdotool key "$key"
    waitclosed "$box" "$key"
}

debugquestion() {
    openmenu
    # Options > Rarely needed > Debug Experimental Menu
    xdotool key --delay 50 Down Down Down Down Down Down Right Down Down Down Down Return
    answer "$(waitopen "the debug question")" "$1"
}

printf '<F10><dump shot><Esc><A-x>' >"$work/script"
"$vemo" --headless --script "$work/script" --out "$work" >/dev/null
"$vemo" >"$work/out" 2>"$work/err" &
vemopid=$!
for _ in $(seq 50); do
    main=$(xdotool search --all --onlyvisible --pid "$vemopid" --name '^VEMO' 2>/dev/null | head -1 || true)
    [[ -n $main ]] && break
    sleep 0.2
done
[[ -n ${main:-} ]] || fail "no VEMO window"
sleep 0.5
title=$(xdotool getwindowname "$main")
[[ $title == "VEMO   $work/" ]] || fail "window title \"$title\""

debugquestion alt+n
debugquestion alt+y
# The debug menu is attached: Test, snapshot > number of handles.
openmenu
xdotool key --delay 50 Right Down Return
answer "$(waitopen "the number of handles")" Return

eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove --window "$main" $((WIDTH / 2)) $((HEIGHT / 2))
sleep 0.2
xdotool key F10
status=1
for _ in $(seq 20); do
    sleep 0.5
    xwd -root -silent >"$work/shot.xwd"
    if python3 "$root/tools/screenshotcheck.py" "$work/shot.xwd" "$work/shot.png" >/dev/null; then
        status=0
        break
    fi
done
[[ $status == 0 ]] || fail "typed keys do not show after the boxes"
xdotool key --delay 50 Escape alt+x y
for _ in $(seq 50); do
    kill -0 $vemopid 2>/dev/null || break
    sleep 0.1
done
kill -0 $vemopid 2>/dev/null && fail "Alt-X does not end the program"
wait $vemopid || fail "the program ended with status $?"
vemopid=
! grep CRITICAL "$work/err" || fail "GTK reported a critical error"
echo "gtkboxes: three boxes answered and closed"
