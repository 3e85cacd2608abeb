#!/usr/bin/env bash
# Enters the plot environment in VEMO's GTK window under Xvfb and in the
# headless front with the same keys, clicks the panel's help button ("?")
# with xdotool, and checks that the window then shows exactly the
# headless screen after the same click: the button pushed, so the
# environment received its key.  Needs xvfb, xdotool and xwd.
# Usage: tools/panelshot.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
vemo=${1:-$root/build}/bin/vemo
work=$(mktemp -d)
trap 'kill ${vemopid:-} ${xvfb:-} 2>/dev/null || true; rm -rf "$work"' EXIT

# The help button's middle in client pixels of the 800 by 540 screen: the
# top panel starts right of the side panel (88 wide); the button is 4
# pixels from the panel's top and right ends, 18 pixels square.
helpx=787
helpy=13

mkdir "$work/headless"
printf 'ex*x<Enter><Enter>3<Enter>ppn0<Enter>5<Enter>0<Enter>30<Enter>r<dump before><click %d %d px><dump after><Esc><Esc>' \
    $helpx $helpy >"$work/script"
(cd "$work/headless" && "$vemo" --headless --script "$work/script" --out "$work" >/dev/null)
grep -q '^cursor help$' "$work/after.txt" || { echo "panelshot: the help cursor not on headless"; exit 1; }
cmp -s "$work/before.png" "$work/after.png" && { echo "panelshot: the click changed nothing"; exit 1; }

source "$root/tools/xserver.sh"
startxserver 1280x1024x24
xvfb=$xserverpid
(cd "$work" && exec "$vemo" >"$work/vemo.log" 2>&1) &
vemopid=$!
window=$(findwindow "^VEMO") || { echo "panelshot: no VEMO window"; cat "$work/vemo.log"; exit 1; }
xdotool windowfocus "$window" 2>/dev/null || true
sleep 0.5
xdotool type --delay 20 'ex*x'
xdotool key --delay 20 Return Return 3 Return
xdotool type --delay 20 'ppn0'
xdotool key --delay 20 Return 5 Return 0 Return 3 0 Return r

# Where the screen before the click lies on the display.
shows() {
    for _ in $(seq 20); do
        sleep 0.5
        xwd -root -silent >"$work/shot.xwd"
        if found=$(python3 "$root/tools/screenshotcheck.py" "$work/shot.xwd" "$1"); then
            return 0
        fi
    done
    echo "panelshot: $1: $found"
    return 1
}
shows "$work/before.png"
read -r ox oy <<<"$(sed -E 's/^found at ([0-9]+),([0-9]+):.*/\1 \2/' <<<"$found")"
xdotool mousemove $((ox + helpx)) $((oy + helpy)) click 1
shows "$work/after.png"
xdotool key Escape Escape alt+F4 2>/dev/null || true
for _ in $(seq 100); do
    kill -0 $vemopid 2>/dev/null || break
    sleep 0.1
done
exit 0
