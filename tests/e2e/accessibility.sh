#!/usr/bin/env bash
# What a screen reader hears of the real vantor binary: on its own Xvfb and a
# private session bus with the AT-SPI bus running, the board is read and played
# through AT-SPI (accessibility.py) and with the mouse and keys (xdotool).
#   accessibility.sh PROGRAM OUTPUT_DIR
# Exits 0 when every check passed, 1 when one failed, 77 when Xvfb,
# dbus-run-session, the AT-SPI bus (at-spi2-core) or pyatspi is missing.
set -u

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=e2e_lib.sh
. "$HERE/e2e_lib.sh"

readonly BOARD_TITLE='合戦状況$'
readonly CHOOSER_TITLE='^勢力選択$'

skip() { log "SKIP: $*"; exit "$SKIP"; }

# The Python that has pyatspi: the system's, which a version manager's
# python3 earlier on PATH may hide.
find_python() {
    local candidate
    for candidate in /usr/bin/python3 "$(command -v python3)"; do
        [ -n "$candidate" ] && "$candidate" -c 'import pyatspi' 2>/dev/null && { echo "$candidate"; return; }
    done
}

# Runs inside the private session bus, on the X server the outer half started.
# The checks speak on descriptor 3; the buses' daemons keep to the log.
in_session() {
    exec >&3 3>&-
    # The session bus starts the AT-SPI bus on demand, as a desktop does at
    # login; the program connects to it as it starts.
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 ||
        skip "the session bus cannot start the AT-SPI bus (at-spi2-core is not installed)"
    # What a screen reader sets when it starts.
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
        string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null 2>&1
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1

    trap '[ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null; wait' EXIT
    start_app
    local chooser board
    chooser=$(wait_window "$CHOOSER_TITLE")
    [ -n "$chooser" ] || fatal "the chooser 勢力選択 did not appear"
    press "$chooser" Return
    board=$(wait_window "$BOARD_TITLE")
    [ -n "$board" ] || fatal "no board window after the chooser (log: $(cat "$WORK/app.log"))"
    pass "the board \"$(xdotool getwindowname "$board")\" is up"
    "$PYTHON" "$HERE/accessibility.py" "$APP_PID" "$board" "$OUT/accessibility-tree.txt"
}

if [ "${1:-}" = --in-session ]; then
    shift
    APP=$1 OUT=$2 WORK=$3 PYTHON=$4
    in_session
    exit
fi

[ $# -eq 2 ] || { echo "usage: $0 PROGRAM OUTPUT_DIR" >&2; exit 2; }
APP=$1
OUT=$2
command -v dbus-run-session >/dev/null || skip "dbus-run-session is not installed (package dbus-daemon)"
command -v dbus-send >/dev/null || skip "dbus-send is not installed (package dbus-bin)"
command -v xdotool >/dev/null || fatal "xdotool is missing (scripts/install-deps installs it)"
PYTHON=$(find_python)
[ -n "$PYTHON" ] || skip "no python3 with pyatspi (package python3-pyatspi)"
mkdir -p "$OUT"
trap cleanup EXIT
start_x
# The buses' own messages go to a log, shown only when something went wrong.
dbus-run-session -- bash "${BASH_SOURCE[0]}" --in-session "$APP" "$OUT" "$WORK" "$PYTHON" 3>&1 >"$WORK/session.log" 2>&1
verdict=$?
if [ "$verdict" -eq 0 ]; then
    log "accessibility: all checks passed"
elif [ "$verdict" -ne "$SKIP" ]; then
    log "accessibility: a check failed; the session's messages:"
    grep -v 'Failed to set fd limit' "$WORK/session.log"
    verdict=1
fi
exit "$verdict"
