#!/usr/bin/env bash
# The real binary's command line, one row per case: --help and --version are
# answered at once, even without a display; anything unknown is refused with
# exit code 2 before a window opens (a window would outlive the timeout).
#   command_line.sh PROGRAM VERSION
set -u
[ $# -eq 2 ] || { echo "usage: $0 PROGRAM VERSION" >&2; exit 2; }
APP=$1
VERSION=$2
WORK=$(mktemp -d "${TMPDIR:-/tmp}/vantor-cli.XXXXXX")
trap 'rm -rf "$WORK"' EXIT

# what | display (none: no X server, no Wayland; offscreen: Qt's offscreen platform) | arguments | exit code | stream | pattern
rows=(
    "--version without a display|none|--version|0|stdout|^Vantor ${VERSION//./\\.}\$"
    "-v without a display|none|-v|0|stdout|^Vantor ${VERSION//./\\.}\$"
    "--help without a display|none|--help|0|stdout|^Usage: vantor \\[options\\]"
    "an unknown option|offscreen|--no-such-option|2|stderr|Unknown option 'no-such-option'"
    "an argument where none is taken|offscreen|board.txt|2|stderr|Unexpected argument 'board.txt'"
    "Qt's own options around --version|offscreen|-platform offscreen --version -style Windows|0|stdout|^Vantor ${VERSION//./\\.}\$"
    "an unknown option after Qt's own|offscreen|-style Windows -x|2|stderr|Unknown option 'x'"
)

failures=0
for row in "${rows[@]}"; do
    IFS='|' read -r what display arguments expected stream pattern <<<"$row"
    read -r -a args <<<"$arguments"
    if [ "$display" = none ]; then
        env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$APP" "${args[@]}" >"$WORK/stdout" 2>"$WORK/stderr"
    else
        QT_QPA_PLATFORM=$display XDG_RUNTIME_DIR=$WORK timeout 10 "$APP" "${args[@]}" >"$WORK/stdout" 2>"$WORK/stderr"
    fi
    status=$?
    if [ "$status" -ne "$expected" ]; then
        echo "FAIL: $what: exit code $status, expected $expected"
        cat "$WORK/stdout" "$WORK/stderr"
        failures=$((failures + 1))
    elif ! grep -qE -- "$pattern" "$WORK/$stream"; then
        echo "FAIL: $what: $stream does not match /$pattern/:"
        cat "$WORK/$stream"
        failures=$((failures + 1))
    else
        echo "ok:   $what"
    fi
done
[ "$failures" -eq 0 ]
