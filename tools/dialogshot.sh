#!/usr/bin/env bash
# Template dialogs of the computing thread in the GTK front under Xvfb:
# "om" opens the mouse frame dialog, a click on its magnify button goes to
# the dialog's logic, and the answer it tells ("g") shows on the screen
# exactly as in the headless run answered by the script; then "A" in the
# plot environment opens "Default Diagram Options", which fits on the
# screen, and Enter ends it through its logic with the plot repainted as
# the headless run shows it.  Needs xvfb, xdotool and xwd.
# Usage: tools/dialogshot.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
vemo=$(realpath "${1:-$root/build}")/bin/vemo
work=$(mktemp -d)
trap 'kill ${vemopid:-} ${xvfb:-} 2>/dev/null || true; rm -rf "$work"' EXIT
cd "$work"

plotkeys='ex*x<Enter><Enter>3<Enter>ppn0<Enter>5<Enter>0<Enter>30<Enter>r<Esc>pp+g'
mkdir headless
printf 'om<dialog press=1002><dump shot>x%sA<ok><dump options><Esc>' "$plotkeys" >script
(cd headless && "$vemo" --headless --script ../script --out .. >/dev/null)
grep -q '"g" returned' shot.txt || { echo "dialogshot: the headless run tells no answer"; exit 1; }
grep -q '^PRINTOPTIONS ended with 13$' dialogs.txt || { echo "dialogshot: no print options in the headless run"; exit 1; }

source "$root/tools/xserver.sh"
startxserver
xvfb=$xserverpid
"$vemo" >/dev/null 2>&1 &
vemopid=$!
main=$(findwindow '^VEMO') || { echo "dialogshot: no VEMO window"; exit 1; }
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
# The main window shows the image: again for up to 10 s on a loaded machine.
showsimage() {
    for _ in $(seq 20); do
        sleep 0.5
        xwd -id "$main" -silent >shot.xwd
        python3 "$root/tools/screenshotcheck.py" shot.xwd "$1" >/dev/null && return 0
    done
    echo "dialogshot: the window does not show $1"
    return 1
}
showsimage shot.png
xdotool windowfocus "$main" 2>/dev/null || true
xdotool key x
xdotool type --delay 50 'ex*x'
xdotool key --delay 50 Return Return 3 Return
xdotool type --delay 50 'ppn0'
xdotool key --delay 50 Return 5 Return 0 Return 3 0 Return r Escape
xdotool type --delay 50 'pp+gA'
options=$(findwindow '^Default Diagram Options$') || { echo "dialogshot: no Default Diagram Options dialog"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$options")"
((Y >= 0 && Y + HEIGHT <= 1024)) || { echo "dialogshot: the options dialog does not fit on the screen"; exit 1; }
xdotool windowfocus "$options" 2>/dev/null || true
xdotool key Return
showsimage options.png
xdotool windowfocus "$main" 2>/dev/null || true
xdotool key Escape alt+x y 2>/dev/null || true
sleep 0.5
