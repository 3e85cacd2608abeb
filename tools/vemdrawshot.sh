#!/usr/bin/env bash
# Shows a transfer file in VEMDRAW's GTK window under Xvfb (without a
# printer: its box is answered first) and in the headless front, and
# checks that the window's client area shows exactly the headless dump;
# then ends it with SIGTERM, as a closed window does.  The box is closed
# with Escape, its own close: GTK must have nothing to warn about.  Needs xvfb, xdotool and xwd.
# Usage: tools/vemdrawshot.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
vemdraw=${1:-$root/build}/bin/vemdraw
work=$(mktemp -d)
trap 'kill ${xvfb:-} ${pid:-} 2>/dev/null || true; rm -rf "$work"' EXIT

python3 "$root/tests/vemdraw/rkpfile.py" make "$work/files"
file=$work/files/sine.rkp
printf '<ok><dump shot>' >"$work/script"
"$vemdraw" --headless --no-printer --script "$work/script" --out "$work" "$file"

source "$root/tools/xserver.sh"
startxserver 1280x1024x24
xvfb=$xserverpid
# No print server: no default printer, as in the headless run.
CUPS_SERVER=/nonexistent "$vemdraw" "$file" >/dev/null 2>"$work/stderr" &
pid=$!
box=$(findwindow '^-$') || { echo "vemdrawshot: no printer box"; exit 1; }
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$box")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) sleep 0.3 key Escape
status=1
for _ in $(seq 10); do
    sleep 0.5
    xwd -root -silent >"$work/shot.xwd"
    if python3 "$root/tools/screenshotcheck.py" "$work/shot.xwd" "$work/shot.png"; then
        status=0
        break
    fi
done
# SIGTERM ends the program as closing its window does.
kill -TERM "$pid"
wait "$pid" || { echo "vemdrawshot: VEMDRAW did not end normally"; exit 1; }
if grep -E "CRITICAL|WARNING" "$work/stderr"; then
    echo "vemdrawshot: GTK warned"
    exit 1
fi
exit $status
