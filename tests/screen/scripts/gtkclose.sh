#!/usr/bin/env bash
# Closing VEMO's window ends the program from whatever state it is in: a box
# shown for a moment, a box waiting for any key, a menu, a dialogue, a list,
# a running computation (after the abort question is answered yes), and
# with the abort question up, unanswered, by the close button, Alt-F4 or
# SIGTERM.  Each run types a formula first, brings the program into one
# state, closes the window with Alt-F4 (taken by the program itself, or with
# WM set by the window manager, as its close button does) and checks that
# the program ended through its orderly end: status 0 and the formula in
# vemo.rev.  Esc in the menu of a stopped Monte Carlo run quits it, with no
# box.  Needs xdotool.  Usage: [WM=openbox] gtkclose.sh VEMO
set -uo pipefail
vemo=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
vemopid=
wmpid=
trap 'for p in $vemopid $wmpid; do kill $p 2>/dev/null; done; rm -rf "$work"' EXIT
if [[ -n ${WM:-} ]]; then
    $WM >/dev/null 2>&1 &
    wmpid=$!
    sleep 1
fi

failures=0
fail() { echo "gtkclose: $*"; failures=$((failures + 1)); }

# The program's visible windows other than the main window.
others() { xdotool search --onlyvisible --pid "$vemopid" 2>/dev/null | grep -vx "$main" || true; }

# The box that the program shows, waiting up to 20 s (a loaded machine).
waitbox() {
    box=""
    for _ in $(seq 200); do
        box=$(others | head -1)
        [[ -n $box ]] && return 0
        sleep 0.1
    done
    return 1
}

# Answers the abort question with yes: the pointer on the box (without a
# window manager the keyboard follows the pointer), then Alt-Y.
answeryes() {
    waitbox || return 1
    eval "$(xdotool getwindowgeometry --shell "$box")"
    xdotool mousemove --window "$box" $((WIDTH / 2)) $((HEIGHT / 2))
    sleep 0.2
    xdotool key alt+y
}

# Closes the program under the abort question, unanswered: the main
# window's close button (the message a window manager sends), Alt-F4 into
# the main window, or SIGTERM.
closeunder() {
    waitbox || return 1
    sleep 0.3
    # The program may end before xdotool has sent the key's release, which
    # then fails on the window gone: whether it ended is checked after.
    case $1 in
    button) python3 "$here/wmdelete.py" "$main" ;;
    altf4) xdotool key --window "$main" alt+F4 2>/dev/null ;;
    term) kill -TERM "$vemopid" ;;
    esac
    return 0
}

# run NAME ASKS KEYS...: one state, reached by KEYS after the formula (a
# key "pause" waits a second).  ASKS: no, ask (the abort question answered
# yes), nobox (no box may be up before closing), or under-HOW (closeunder).
run() {
    local name=$1 asks=$2
    shift 2
    local dir="$work/$name"
    mkdir "$dir"
    (cd "$dir" && exec "$vemo" >/dev/null 2>"$dir/err") &
    vemopid=$!
    main=""
    for _ in $(seq 300); do
        main=$(xdotool search --onlyvisible --pid "$vemopid" --name '^VEMO   /' 2>/dev/null | head -1)
        [[ -n $main ]] && break
        sleep 0.1
    done
    if [[ -z $main ]]; then
        fail "$name: no window"
        kill -KILL "$vemopid" 2>/dev/null
        wait "$vemopid" 2>/dev/null
        vemopid=
        return
    fi
    eval "$(xdotool getwindowgeometry --shell "$main")"
    xdotool mousemove --window "$main" $((WIDTH / 2)) $((HEIGHT / 2))
    xdotool windowfocus --sync "$main" 2>/dev/null
    sleep 0.3
    xdotool type --delay 20 'e2*x+1'
    xdotool key --delay 20 Return
    sleep 0.5
    for key in "$@"; do
        if [[ $key == pause ]]; then
            sleep 1
        else
            xdotool key "$key"
            sleep 0.03
        fi
    done
    sleep 0.1
    if [[ $asks == nobox ]]; then
        sleep 0.5
        [[ -z $(others) ]] || fail "$name: a box is up"
    fi
    xdotool key alt+F4
    if [[ $asks == ask ]]; then
        answeryes || fail "$name: no abort question"
    elif [[ $asks == under-* ]]; then
        closeunder "${asks#under-}" || fail "$name: no abort question"
    fi
    for _ in $(seq 150); do
        kill -0 "$vemopid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$vemopid" 2>/dev/null; then
        fail "$name: closing the window did not end VEMO"
        kill -KILL "$vemopid"
        wait "$vemopid" 2>/dev/null
        vemopid=
        return
    fi
    local status=0
    wait "$vemopid" || status=$?
    vemopid=
    [[ $status == 0 ]] || fail "$name: ended with status $status"
    grep -qx '2\*x+1' "$dir/vemo.rev" 2>/dev/null || fail "$name: no vemo.rev with the formula"
}

# A state that fails is tried once more: on a loaded machine the X server
# may deliver the keys late.  A fault of the program fails both times.
check() {
    local before=$failures
    run "$@"
    if ((failures > before)); then
        echo "gtkclose: $1: once more"
        failures=$before
        run "$1-again" "${@:2}"
    fi
}

check moment no Right a b c Escape  # "no such command !" shown for 300 ms
check anykey no F10                 # the version notice waits for a key
check menu no F4                    # the context submenu
check dialog no e plus 3            # the formula editor
check list no F1                    # the master reference list
check computing ask Return 3 Return z   # a Monte Carlo run
check stopped nobox Return 3 Return z pause Escape pause Escape   # Esc stops it, Esc quits
hows="button term"
# With a window manager, Alt-F4 closes the box, which has the focus.
[[ -z ${WM:-} ]] && hows+=" altf4"
for how in $hows; do
    check "underbox-$how" "under-$how" Return 3 Return z
done

[[ $failures == 0 ]] || exit 1
echo "gtkclose: every state ends on closing the window"
