#!/usr/bin/env bash
# vantor.exe as a player unpacks it from the zip, under Wine on a private X
# server, driven like the Linux end-to-end tests: the chooser, the titled
# board, a click on a post, the report on the Windows clipboard byte for byte
# (CR LF included), the exit confirmation, and pictures of the board and of
# the confirmation.
#   smoke.sh VANTOR_EXE CLIPBOARD_HELPER_EXE OUTPUT_DIR
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
TOP=$(cd "$HERE/../.." && pwd)
# shellcheck source-path=SCRIPTDIR/../..
# shellcheck source=tests/e2e/run_e2e.sh
. "$TOP/tests/e2e/run_e2e.sh"
# shellcheck source=scripts/windows-env
. "$TOP/scripts/windows-env"

[ $# -eq 3 ] || { echo "usage: $0 VANTOR_EXE CLIPBOARD_HELPER_EXE OUTPUT_DIR" >&2; exit 2; }
APP=$(realpath "$1")
HELPER=$(realpath "$2")
# shellcheck disable=SC2034 # read by the scenario steps
OUT=$3

windows_path() { printf 'Z:%s' "${1//\//\\}"; }

start_app() {
    [ -f "$APP" ] || fatal "no program at $APP (make windows builds it)"
    # The zip's own DLLs and qt.conf, nothing from the build machine.
    unset QT_QPA_PLATFORM QT_PLUGIN_PATH WINEPATH
    ensure_wine_prefix
    "$WINE" "$APP" >"$WORK/app.log" 2>&1 &
    # shellcheck disable=SC2034 # the shared steps wait on it
    APP_PID=$!
}

# Wine's bridge hands X clients the report with LF line ends, so the bytes are
# read from the Windows side.
mark_clipboard() { "$WINE" "$HELPER" mark - >/dev/null 2>&1 || fatal "could not mark the Windows clipboard"; }

read_clipboard() {
    local file=$1 _
    for _ in $(seq 30); do
        if "$WINE" "$HELPER" read "$(windows_path "$file")" >/dev/null 2>&1 &&
            [ "$(cat "$file")" != vantor-e2e-marker ]; then
            return 0
        fi
        sleep 0.2
    done
    return 1
}

scenario_wine_smoke() {
    WEST_FACTION=徳川家 EAST_FACTION=北条家
    # Wine's first start of a program, its prefix cold, takes a while.
    CHOOSER_WAIT=60
    await_chooser
    press "$CHOOSER" Return
    await_board "Vantor　徳川家×北条家　合戦状況"
    click_post "$BOARD" 0 "$STATUS_LABEL" 1
    step 0 1
    export_by_keys "left click on post 0"
    save_picture board-wine.png

    open_exit_box || fatal "ファイル → 終了 shows no box titled 終了確認"
    # Its buttons read "OK" and "キャンセル" when the zip's Japanese Qt texts load.
    save_picture exit-box-wine.png "$EXIT_BOX"
    press "$EXIT_BOX" Return
    if wait_app_exit; then
        pass "終了 asks, and OK ends the program"
    else
        fail "the program still runs after OK in 終了確認"
    fi
}

run_scenario wine_smoke
