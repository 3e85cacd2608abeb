#!/usr/bin/env bash
# Shows a transfer file in VEMDRAW's GTK window under Xvfb and in the
# headless front, and checks that the window's client area shows exactly
# the headless dump; then ends it with SIGTERM, as a closed window does.
# No printer is installed: the window lays the page out for GTK's "Print
# to File" at once, on A4 as the headless front's printer, and its grid
# shows from the start.  GTK must have nothing to warn about.  Needs xvfb,
# xdotool and xwd.
# Usage: tools/vemdrawshot.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
vemdraw=${1:-$root/build}/bin/vemdraw
work=$(mktemp -d)
trap 'kill ${xvfb:-} ${pid:-} 2>/dev/null || true; rm -rf "$work"' EXIT

python3 "$root/tests/vemdraw/rkpfile.py" make "$work/files"
file=$work/files/sine.rkp
printf '<dump shot>' >"$work/script"
"$vemdraw" --headless --script "$work/script" --out "$work" "$file"

source "$root/tools/xserver.sh"
startxserver 1280x1024x24
xvfb=$xserverpid
# No print server, A4 the locale's paper.
CUPS_SERVER=/nonexistent LC_PAPER=C "$vemdraw" "$file" >/dev/null 2>"$work/stderr" &
pid=$!
findwindow '^Vemdraw  ' >/dev/null || { echo "vemdrawshot: no window"; exit 1; }
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
