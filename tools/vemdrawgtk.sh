#!/usr/bin/env bash
# VEMDRAW's GTK window under Xvfb, driven by keys and clicks as a user
# would, with no printer but GTK's "Print to File", for which the page is
# laid out from the start (no box):
#   print    File / Print to a PDF file: one A4 page turned as the diagram
#            asks, its curve on the same pixels as the headless front's
#            print of the same diagram (both rendered by poppler at 300 dpi);
#            then Shape Preview sizes the window to the diagram's shape;
#   dialogs  one quick click on Axes, Grid and Size in the menu bar each
#            opens its dialog with its controls shown, which Escape closes;
#            one on Shape Preview reshapes the window; GTK has nothing to
#            warn about.
# Needs xvfb, xdotool, xwininfo, ImageMagick's import and poppler-utils.
# Usage: tools/vemdrawgtk.sh print|dialogs [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
what=$1
vemdraw=${2:-$root/build}/bin/vemdraw
work=$(mktemp -d)
trap 'kill ${pid:-} ${xvfb:-} 2>/dev/null || true; rm -rf "$work"' EXIT

python3 "$root/tests/vemdraw/rkpfile.py" make "$work/files"
# Margins of its own: the page looks the same on every printer.
file=$work/files/sinemargins.rkp
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
main=$(waitwindow '^Vemdraw  ')
sleep 0.5
if xdotool search --onlyvisible --name '^-$' >/dev/null 2>&1; then
    echo "vemdrawgtk: a box at the start"
    exit 1
fi

# Opens a menu command: F10, then right to the item of the menu bar.
menubar() {
    xdotool windowfocus --sync "$main"
    sleep 0.3
    xdotool key F10
    for _ in $(seq "$1"); do xdotool key Right; done
    xdotool key Return
}

# The centres of the menu bar's items, from a picture of the window.
menuitems() {
    import -window "$main" "$work/window.png"
    /usr/bin/python3 "$root/tests/vemdraw/menuitems.py" "$work/window.png"
}

case $what in
dialogs)
    mapfile -t items < <(menuitems)
    ((${#items[@]} == 7)) || { echo "vemdrawgtk: menu bar items at ${items[*]}"; exit 1; }
    for item in "1 Box and Axes" "2 Grid Properties" "3 Diagram Size and Position"; do
        # A quick press and release, as a user clicks.
        xdotool mousemove --window "$main" "${items[${item%% *}]}" 12 click 1
        dialog=$(waitwindow "^${item#* }\$")
        sleep 0.5
        # The groups show their controls: far taller than their captions.
        height=$(xwininfo -id "$dialog" | sed -n 's/^ *Height: *//p')
        ((height > 400)) || { echo "vemdrawgtk: \"${item#* }\" is $height pixels high"; exit 1; }
        xdotool windowfocus --sync "$dialog" key Escape
        windowgone "^${item#* }\$" || { echo "vemdrawgtk: \"${item#* }\" did not close"; exit 1; }
    done
    # Shape Preview, nothing printed yet: the window leaves its first size
    # for the landscape diagram's shape.
    xdotool mousemove --window "$main" "${items[4]}" 12 click 1
    sleep 1.5
    size=$(xwininfo -id "$main" | sed -n 's/^ *\(Width\|Height\): *//p' | tr '\n' ' ')
    [[ $size != "800 625 " ]] || { echo "vemdrawgtk: Shape Preview left the window at $size"; exit 1; }
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
    # After printing, Shape Preview gives the 800 x 600 client area the
    # proportions of the landscape diagram, 257 x 170 mm inside 20 mm
    # margins on A4: 851 x 563.
    menubar 4
    sleep 1.5
    size=$(xwininfo -id "$main" | sed -n 's/^ *\(Width\|Height\): *//p' | tr '\n' ' ')
    [[ $size == "851 588 " ]] || { echo "vemdrawgtk: after Shape Preview the window is $size"; exit 1; }
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
