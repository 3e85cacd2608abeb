#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts both programs from
# there as their desktop entries do, in a home folder of their own: the
# entries are valid, VEMO keeps vemo.rev in ~/vemo (made by the start),
# VEMDRAW shows a transfer file headless, and the installed VEMO starts the
# installed VEMDRAW beside it (its window under Xvfb) on the plot it prints.
# Needs desktop-file-validate (desktop-file-utils), xvfb and xdotool.
# Usage: tools/installcheck.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
tmp=$(mktemp -d)
trap 'kill ${xserverpid:-} 2>/dev/null || true; rm -rf "$tmp"' EXIT
fail() {
    echo "installcheck: $*"
    exit 1
}

prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/vemo bin/vemdraw libexec/vemo/inworkfolder; do
    [[ -x $prefix/$f ]] || fail "no $f"
done
entries=$prefix/share/applications
desktop-file-validate "$entries/vemo.desktop" "$entries/vemdraw.desktop" || fail "invalid desktop entries"

# The entry's command line, without its field code, in command; its icon
# must be there.
entry() {
    local exec
    exec=$(sed -n 's/^Exec=//p' "$entries/$1.desktop")
    icon=$(sed -n 's/^Icon=//p' "$entries/$1.desktop")
    [[ -f $icon ]] || fail "$1: no icon $icon"
    exec=${exec//%f/}
    eval "command=($exec)"
}

export HOME=$tmp/home
mkdir "$HOME"
# VEMO from its entry: a formula, quit; the ring is kept in ~/vemo.
entry vemo
printf 'esin(x)*x<Enter><A-X>y' >"$tmp/vemo.txt"
"${command[@]}" --headless --script "$tmp/vemo.txt" --out "$tmp/vemo" --timeout 20 || fail "vemo ended with $?"
grep -q 'sin(x)\*x' "$HOME/vemo/vemo.rev" || fail "no vemo.rev in ~/vemo"
[[ $(ls "$HOME") == vemo ]] || fail "the home folder holds $(ls "$HOME")"

# VEMDRAW from its entry on a transfer file.
entry vemdraw
cp "$root/tests/plots/golden/transfer-sine.rkp" "$HOME/vemo/SINE.RKP"
printf '<dump shown>' >"$tmp/vemdraw.txt"
"${command[@]}" --headless --script "$tmp/vemdraw.txt" --out "$tmp/vemdraw" --timeout 20 SINE.RKP ||
    fail "vemdraw ended with $?"
grep -q "^title: Vemdraw  SINE.RKP$" "$tmp/vemdraw/shown.txt" || fail "vemdraw shows $(head -1 "$tmp/vemdraw/shown.txt")"

# The installed VEMO starts the VEMDRAW beside it, not one on the path.
source "$root/tools/xserver.sh"
startxserver
entry vemo
printf '<Right>esin(x)<Enter><Enter>1<Enter><Space><Space>ppnrP<text plot1><Esc><A-X>y' >"$tmp/print.txt"
CUPS_SERVER=/nonexistent PATH=/usr/bin:/bin "${command[@]}" --headless --script "$tmp/print.txt" --out "$tmp/print" --timeout 20 ||
    fail "printing vemo ended with $?"
# Without a printer VEMDRAW says so first; the file shows after the box.
box=$(findwindow '^-$') || fail "no printer box"
xdotool windowfocus "$box" key Escape 2>/dev/null || true
window=$(findwindow "^Vemdraw  $HOME/vemo/PLOT1.RKP$") || fail "no VEMDRAW window on PLOT1.RKP"
[[ $(readlink -f "/proc/$(xdotool getwindowpid "$window")/exe") == "$prefix/bin/vemdraw" ]] ||
    fail "VEMDRAW not the installed one"
exit 0
