#!/usr/bin/env bash
# VEMDRAW's GTK window under Xvfb, driven by keys as a user would, with
# no printer but GTK's "Print to File":
#   print    File / Print to a PDF file: one A4 page turned as the diagram
#            asks, its curve on the same pixels as the headless front's
#            print of the same diagram (both rendered by poppler at 300 dpi);
#            then Shape Preview sizes the window to the diagram's shape;
#   dialogs  Axes, Grid and Size each open their dialog with its controls
#            shown, which Escape closes, and GTK has nothing to warn about.
# Needs xvfb, xdotool, xwininfo and poppler-utils.
# Usage: tools/vemdrawgtk.sh print|dialogs [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
what=$1
vemdraw=${2:-$root/build}/bin/vemdraw
work=$(mktemp -d)
trap 'kill ${pid:-} ${xvfb:-} 2>/dev/null || true; rm -rf "$work"' EXIT

python3 "$root/tests/vemdraw/rkpfile.py" make "$work/files"
file=$work/files/sine.rkp
# A home of its own: GTK's printing from files only, settings in memory.
export HOME=$work/home GSETTINGS_BACKEND=memory
mkdir -p "$HOME/.config/gtk-3.0"
printf '[Settings]\ngtk-print-backends=file\n' >"$HOME/.config/gtk-3.0/settings.ini"

source "$root/tools/xserver.sh"
startxserver 1280x1024x24
xvfb=$xserverpid

# Waits for a visible window whose name matches; prints its id.
waitwindow() {
    findwindow "$1" || { echo "vemdrawgtk: no window \"$1\"" >&2; return 1; }
}

"$vemdraw" "$file" >/dev/null 2>"$work/stderr" &
pid=$!
box=$(waitwindow '^-$')   # no default printer
sleep 0.3
xdotool windowfocus --sync "$box" key Escape
main=$(waitwindow '^Vemdraw  ')

# Opens a menu command: F10, then right to the item of the menu bar.
menubar() {
    xdotool windowfocus --sync "$main"
    sleep 0.3
    xdotool key F10
    for _ in $(seq "$1"); do xdotool key Right; done
    xdotool key Return
}

case $what in
dialogs)
    for item in "1 Box and Axes" "2 Grid Properties" "3 Diagram Size and Position"; do
        menubar "${item%% *}"
        dialog=$(waitwindow "^${item#* }\$")
        sleep 0.5
        # The groups show their controls: far taller than their captions.
        height=$(xwininfo -id "$dialog" | sed -n 's/^ *Height: *//p')
        ((height > 400)) || { echo "vemdrawgtk: \"${item#* }\" is $height pixels high"; exit 1; }
        xdotool windowfocus --sync "$dialog" key Escape
        windowgone "^${item#* }\$" || { echo "vemdrawgtk: \"${item#* }\" did not close"; exit 1; }
    done
    ;;
print)
    xdotool windowfocus --sync "$main"
    sleep 0.3
    xdotool key F10 Down Down Return
    dialog=$(waitwindow '^Print$')
    sleep 1.5
    # The first printer of the list, "Print to File", then Print.
    eval "$(xdotool getwindowgeometry --shell "$dialog")"
    xdotool mousemove $((X + 80)) $((Y + 86)) click 1
    sleep 0.5
    xdotool windowfocus --sync "$dialog" key Return
    for _ in $(seq 50); do
        [[ -s $work/files/output.pdf ]] && ! xdotool search --onlyvisible --name '^Print$' >/dev/null 2>&1 && break
        sleep 0.2
    done
    sleep 0.5
    [[ -s $work/files/output.pdf ]] || { echo "vemdrawgtk: nothing printed"; exit 1; }
    info=$(pdfinfo "$work/files/output.pdf")
    grep -q '^Pages: *1$' <<<"$info" || { echo "vemdrawgtk: not one page"; echo "$info"; exit 1; }
    grep -q '^Page size: *841.89 x 595.276 pts (A4)$' <<<"$info" || { echo "vemdrawgtk: not A4 landscape"; echo "$info"; exit 1; }
    # The headless front prints the same diagram on its virtual printer.
    printf '<ok><menu 40015><file %s>' "$work/reference.pdf" >"$work/script"
    "$vemdraw" --headless --no-printer --script "$work/script" --out "$work/out" "$file"
    pdftoppm -r 300 -png -singlefile "$work/files/output.pdf" "$work/gtk"
    pdftoppm -r 300 -png -singlefile "$work/reference.pdf" "$work/reference"
    /usr/bin/python3 "$root/tests/vemdraw/samecurve.py" "$work/gtk.png" "$work/reference.png"
    # With the printer's data now known, Shape Preview gives the 800 x 600
    # client area the proportions of the landscape diagram, 843 x 568.
    menubar 4
    sleep 1.5
    size=$(xwininfo -id "$main" | sed -n 's/^ *\(Width\|Height\): *//p' | tr '\n' ' ')
    [[ $size == "843 593 " ]] || { echo "vemdrawgtk: after Shape Preview the window is $size"; exit 1; }
    ;;
*)
    echo "usage: $0 print|dialogs [BUILD_DIR]" >&2
    exit 2
    ;;
esac

kill -TERM "$pid"
wait "$pid" || { echo "vemdrawgtk: VEMDRAW did not end normally"; exit 1; }
pid=
if grep -E "CRITICAL|WARNING" "$work/stderr"; then
    echo "vemdrawgtk: GTK warned"
    exit 1
fi
