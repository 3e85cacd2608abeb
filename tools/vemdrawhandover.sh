#!/usr/bin/env bash
# VEMDRAW's GTK window under Xvfb receiving hand-overs: a handed path that
# cannot be opened is answered at once, before the box it raises, and
# while that box is open a second hand-over is answered too.
# Usage: tools/vemdrawhandover.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
vemdraw=${1:-$root/build}/bin/vemdraw
work=$(mktemp -d)
trap 'kill ${pid:-} ${xvfb:-} 2>/dev/null || true; rm -rf "$work"' EXIT
export HOME=$work/home GSETTINGS_BACKEND=memory XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

source "$root/tools/xserver.sh"
startxserver 1280x1024x24
xvfb=$xserverpid

VEMDRAW_HANDOVER=handover.sock "$vemdraw" >/dev/null 2>"$work/stderr" &
pid=$!
findwindow '^Vemdraw' >/dev/null

# hand PATH: sends a path, prints the answer or "none" after 1 s.
hand() {
    python3 - "$XDG_RUNTIME_DIR/handover.sock" "$1" <<'PY'
import socket, struct, sys
s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
for _ in range(100):
    try:
        s.connect(sys.argv[1])
        break
    except OSError:
        __import__("time").sleep(0.1)
path = sys.argv[2].encode()
s.sendall(struct.pack("<III", 74, 0, len(path)) + path)
s.settimeout(1)
try:
    print(struct.unpack("<i", s.recv(4))[0])
except OSError:
    print("none")
PY
}

first=$(hand "$work/nosuchfile.rkp")
[[ $first == 0 ]] || { echo "vemdrawhandover: the first path was answered \"$first\""; exit 1; }
findwindow '^-$' >/dev/null   # its box is open
second=$(hand "$work/nosuchfile2.rkp")
[[ $second == 0 ]] || { echo "vemdrawhandover: with the box open, the next path was answered \"$second\""; exit 1; }
echo "vemdrawhandover: both answered"
