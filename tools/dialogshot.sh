#!/usr/bin/env bash
# A template dialog of the computing thread in the GTK front under Xvfb:
# "om" opens the mouse frame dialog, a click on its magnify button goes to
# the dialog's logic, and the answer it tells ("g") shows on the screen
# exactly as in the headless run answered by the script.  Needs xvfb,
# xdotool and xwd.
# Usage: tools/dialogshot.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
vemo=$(realpath "${1:-$root/build}")/bin/vemo
work=$(mktemp -d)
trap 'kill ${vemopid:-} ${xvfb:-} 2>/dev/null || true; rm -rf "$work"' EXIT
cd "$work"

mkdir headless
printf 'om<dialog press=1002><dump shot>x' >script
(cd headless && "$vemo" --headless --script ../script --out .. >/dev/null)
grep -q '"g" returned' shot.txt || { echo "dialogshot: the headless run tells no answer"; exit 1; }

source "$root/tools/xserver.sh"
startxserver
xvfb=$xserverpid
"$vemo" >/dev/null 2>&1 &
vemopid=$!
main=""
for _ in $(seq 50); do
    main=$(xdotool search --onlyvisible --name '^VEMO' 2>/dev/null | head -1 || true)
    [[ -n $main ]] && break
    sleep 0.2
done
[[ -n $main ]] || { echo "dialogshot: no VEMO window"; exit 1; }
xdotool windowfocus "$main" 2>/dev/null || true
sleep 0.5
xdotool type --delay 50 'om'
# The dialog: a window of the program's besides the main window, with no caption.
dialog=""
for _ in $(seq 50); do
    for w in $(xdotool search --onlyvisible --pid "$vemopid" 2>/dev/null || true); do
        [[ $w == "$main" ]] && continue
        width=$(xdotool getwindowgeometry --shell "$w" | sed -n 's/^WIDTH=//p')
        ((width > 50)) && dialog=$w
    done
    [[ -n $dialog ]] && break
    sleep 0.2
done
[[ -n $dialog ]] || { echo "dialogshot: no mouse frame dialog"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$dialog")"
# Magnify is the upper right of the four buttons.
xdotool mousemove --window "$dialog" $((WIDTH * 3 / 4)) 30 click 1
status=1
for _ in $(seq 20); do
    sleep 0.5
    xwd -id "$main" -silent >shot.xwd
    if python3 "$root/tools/screenshotcheck.py" shot.xwd shot.png; then
        status=0
        break
    fi
done
xdotool windowfocus "$main" 2>/dev/null || true
xdotool key x alt+x y 2>/dev/null || true
sleep 0.5
exit $status
