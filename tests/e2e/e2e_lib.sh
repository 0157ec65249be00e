# shellcheck shell=bash
# Helpers for driving the real vantor binary on a private X server from outside:
# xdotool for the mouse and keys, xclip for the clipboard, ImageMagick for pixels.
# Sourced by run_e2e.sh. Checks report through fail(), so that a scenario
# can go on after a failed check and list everything that went wrong.

readonly SKIP=77
FAILURES=0
APP_PID=""
XVFB_PID=""
CLIP_PID=""
WORK=""

log() { printf '%s\n' "$*"; }
fail() { FAILURES=$((FAILURES + 1)); printf 'FAIL: %s\n' "$*"; }
pass() { printf 'ok:   %s\n' "$*"; }
fatal() { printf 'FAIL: %s\n' "$*"; exit 1; }

cleanup() {
    [ -n "$CLIP_PID" ] && kill "$CLIP_PID" 2>/dev/null
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    [ -n "$WORK" ] && rm -rf "$WORK"
}

require_tools() {
    local tool
    for tool in xdotool xclip import convert; do
        command -v "$tool" >/dev/null || fatal "$tool is missing (scripts/install-deps installs it)"
    done
}

# Xvfb picks a free display itself and writes its number once it accepts
# clients, so parallel runs never race for the same number.
start_x() {
    command -v Xvfb >/dev/null || { log "SKIP: Xvfb is not installed, no X server can be started"; exit $SKIP; }
    WORK=$(mktemp -d "${TMPDIR:-/tmp}/vantor-e2e.XXXXXX")
    local numberfile=$WORK/display
    : >"$numberfile"
    Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp -noreset 5>"$numberfile" >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    local _
    for _ in $(seq 100); do
        [ -s "$numberfile" ] && break
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    if [ ! -s "$numberfile" ]; then
        log "SKIP: Xvfb did not start:"
        cat "$WORK/xvfb.log"
        exit $SKIP
    fi
    DISPLAY=":$(tr -d '[:space:]' <"$numberfile")"
    export DISPLAY
    export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$WORK"
    unset WAYLAND_DISPLAY
}

start_app() {
    [ -x "$APP" ] || fatal "no program at $APP (build the target vantor first)"
    "$APP" >"$WORK/app.log" 2>&1 &
    APP_PID=$!
}

# start_app_at_clock FILE: the program with its wall clock read from FILE
# (libfaketime), which the test sets; the clocks behind its timers stay real.
start_app_at_clock() {
    local faketime=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
    [ -f "$faketime" ] || { log "SKIP: libfaketime is not installed"; exit $SKIP; }
    [ -x "$APP" ] || fatal "no program at $APP (build the target vantor first)"
    # A sanitized build wants its runtime first among the libraries; the clock's
    # comes first here, which is harmless to it.
    LD_PRELOAD=$faketime FAKETIME_TIMESTAMP_FILE=$1 FAKETIME_NO_CACHE=1 FAKETIME_DONT_FAKE_MONOTONIC=1 \
        ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0 "$APP" >"$WORK/app.log" 2>&1 &
    APP_PID=$!
}

app_running() { kill -0 "$APP_PID" 2>/dev/null; }

# The id of the first visible window whose title matches the pattern, or nothing
# after the timeout.
wait_window() {
    # Asked afresh each time: a search that meets a window vanishing under it
    # (the chooser closing as the board opens) ends with an X error.
    local pattern=$1 deadline=$((SECONDS + ${2:-15})) id
    while [ "$SECONDS" -lt "$deadline" ]; do
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
}

visible_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }

wait_window_gone() {
    local pattern=$1 _
    for _ in $(seq 100); do
        [ -z "$(visible_window "$pattern")" ] && return 0
        sleep 0.1
    done
    return 1
}

wait_app_exit() {
    local _
    for _ in $(seq 100); do
        app_running || return 0
        sleep 0.1
    done
    return 1
}

# There is no window manager, so the window to receive keys is focused by hand.
press() {
    local window=$1
    shift
    xdotool windowfocus --sync "$window" && xdotool key --delay 60 "$@"
}

# Twips to pixels the way the program lays out its controls.
px() { echo $(((($1) + 7) / 15)); }

# The board's scale in thousandths, and twips to pixels on the board at it.
SCALE=1000
bx() { echo $((($(px "$1") * SCALE + 500) / 1000)); }

click_at() {
    local window=$1 x=$2 y=$3 button=$4 count=${5:-1}
    xdotool mousemove --window "$window" "$x" "$y" click --repeat "$count" --delay 80 "$button"
    # Let the double-click interval run out, so that the next click is a fresh press.
    sleep 0.5
}

# The client area begins below the menu bar, whose height depends on the font.
# The top edge of the first post frame is the first army-coloured pixel in a
# column that crosses nothing else coloured above it.
find_client_top() {
    local window=$1 shot=$WORK/probe.png column y="" _
    column=$(bx 300)
    # A window that was just resized may still be drawing.
    for _ in $(seq 20); do
        import -silent -window "$window" "$shot" || fatal "cannot take a picture of the window"
        y=$(convert "$shot" -crop 1x300+$column+0 +repage txt:- |
            awk -F'[,:]' '/#8080FF|#FF8080/ { print $2; exit }')
        [ -n "$y" ] && break
        sleep 0.3
    done
    [ -n "$y" ] || fatal "no post frame found in the board window"
    CLIENT_TOP=$((y - $(bx 1320)))
    if [ "$CLIENT_TOP" -lt 5 ] || [ "$CLIENT_TOP" -gt 60 ]; then
        fatal "menu bar height $CLIENT_TOP px is implausible"
    fi
}

# A point of a post, given in twips inside its frame.
post_point() {
    local slot=$1 tx=$2 ty=$3
    local left=$((120 + 1680 * (slot / 3))) top=$((1320 + 1800 * (slot % 3)))
    echo "$(bx $((left + tx))) $((CLIENT_TOP + $(bx $((top + ty)))))"
}

# Places inside a post: the status label, the main general's label, the bare
# frame to the right of the labels and the time box.
# shellcheck disable=SC2034
readonly STATUS_LABEL="400 1087" MAIN_LABEL="400 367" BARE_FRAME="1510 700" TIME_BOX="787 1455"

# click_post WINDOW SLOT PLACE BUTTON [COUNT]; X buttons: 1 left, 2 middle, 3 right.
click_post() {
    local window=$1 slot=$2 button=$4 count=${5:-1} tx ty x y
    read -r tx ty <<<"$3"
    read -r x y <<<"$(post_point "$slot" "$tx" "$ty")"
    click_at "$window" "$x" "$y" "$button" "$count"
}

hhmm_now() { date +%H:%M; }
hhmm_next_hour() { date -d '+1 hour' +%H:%M; }
minute_of_day() { echo $((10#$(date +%H) * 60 + 10#$(date +%M))); }

# The clipboard is first given a marker of our own, so that a new report is
# seen the moment the program takes the clipboard over.
mark_clipboard() {
    printf 'vantor-e2e-marker' | xclip -selection clipboard -i &
    CLIP_PID=$!
    local _
    for _ in $(seq 50); do
        [ "$(xclip -selection clipboard -o 2>/dev/null)" = vantor-e2e-marker ] && return 0
        sleep 0.1
    done
    fatal "could not put a marker on the clipboard"
}

# read_clipboard FILE: waits until the program has replaced the marker.
read_clipboard() {
    local file=$1 _
    for _ in $(seq 50); do
        if xclip -selection clipboard -o >"$file" 2>/dev/null && [ -s "$file" ] &&
            [ "$(cat "$file")" != vantor-e2e-marker ]; then
            CLIP_PID=""
            return 0
        fi
        sleep 0.1
    done
    return 1
}
