#!/usr/bin/env bash
# A virtual X server of one's own: Xvfb picks a free display itself
# (-displayfd), so tests running at once never race for one display number.
# It does not reset when its last client leaves (-noreset): a client that
# connects during such a reset is hung up on, and findwindow's searches come
# and go while the program starts.
#   source tools/xserver.sh; startxserver [SCREEN]   sets DISPLAY and xserverpid
#   tools/xserver.sh [-s SCREEN] COMMAND...          runs COMMAND under one
# SCREEN is Xvfb's screen geometry (default 1280x1024x24).
#   findwindow NAME     prints the id of a visible window whose name matches
#                       the pattern NAME, waiting up to 30 s; fails without
#   windowgone NAME     waits up to 30 s until no visible window matches;
#                       fails while one does

startxserver() {
    local fifo number
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${1:-1280x1024x24}" -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    xserverpid=$!
    if ! read -r -t 30 number <"$fifo"; then
        rm -f "$fifo"
        echo "xserver: Xvfb did not start" >&2
        return 1
    fi
    rm -f "$fifo"
    export DISPLAY=:$number
}

findwindow() {
    local id
    for _ in $(seq 150); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
        [[ -n $id ]] && { echo "$id"; return 0; }
        sleep 0.2
    done
    return 1
}

windowgone() {
    for _ in $(seq 150); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.2
    done
    return 1
}

if [[ ${BASH_SOURCE[0]} == "$0" ]]; then
    set -u
    screen=1280x1024x24
    if [[ ${1:-} == -s ]]; then
        screen=$2
        shift 2
    fi
    startxserver "$screen" || exit 1
    trap 'kill $xserverpid 2>/dev/null' EXIT
    "$@"
fi
