#!/usr/bin/env bash
# Drives the real vantor binary on its own Xvfb the way a player would and
# checks what it shows and what it puts on the clipboard.
#   run_e2e.sh SCENARIO PROGRAM OUTPUT_DIR
# SCENARIO: house_board, great_battle, resized_board, exit_confirmation or
# notice_keeps_the_clock.
# Exits 0 when every check passed, 1 when one failed, 77 when no X server starts.
set -u

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=e2e_lib.sh
. "$HERE/e2e_lib.sh"
# shellcheck source=e2e_report.sh
. "$HERE/e2e_report.sh"

readonly BOARD_TITLE='合戦状況$'
readonly CHOOSER_TITLE='^勢力選択$'
readonly EXIT_TITLE='^終了確認$'
readonly NOTICE_TITLE='^武将配置のお知らせ$'

# step SLOT DELTA: the status ring the test expects the program to follow.
step() { STATUS[$1]=$(((STATUS[$1] + $2 + 6) % 6)); }

format_minutes() { printf '%02d:%02d' $(($1 / 60)) $(($1 % 60)); }

# Every elapsed time from 00:00 up to the minutes since the board was built.
note_export_time() {
    NOW_CHOICES=("$1" "$(hhmm_now)")
    local most=$((($(minute_of_day) - START_MINUTE + 1440) % 1440)) m
    ELAPSED_CHOICES=()
    for m in $(seq 0 "$most"); do ELAPSED_CHOICES+=("$(format_minutes "$m")"); done
}

# A click that opens a placement schedule: one hour after the click.
click_scheduling() {
    NEXT_CHOICES+=("$(hhmm_next_hour)")
    click_post "$@"
    NEXT_CHOICES+=("$(hhmm_next_hour)")
}

# copy_by_keys WHAT: Ctrl+C on the board, the report in $WORK/clipboard.txt.
copy_by_keys() {
    mark_clipboard
    press "$BOARD" ctrl+c
    read_clipboard "$WORK/clipboard.txt" || { fail "$1: Ctrl+C put nothing on the clipboard"; return 1; }
}

export_by_keys() {
    local what=$1 before
    before=$(hhmm_now)
    copy_by_keys "$what" || return
    note_export_time "$before"
    check_report "$what (Ctrl+C)" "$WORK/clipboard.txt"
}

export_by_button() {
    local what=$1 file=$WORK/clipboard.txt before
    mark_clipboard
    before=$(hhmm_now)
    click_at "$BOARD" "$(bx 9787)" "$((CLIENT_TOP + $(bx 7087)))" 1
    if ! read_clipboard "$file"; then
        fail "$what: the export button put nothing on the clipboard"
        return
    fi
    note_export_time "$before"
    check_report "$what (export button)" "$file"
}

await_chooser() {
    CHOOSER=$(wait_window "$CHOOSER_TITLE" "${CHOOSER_WAIT:-15}")
    [ -n "$CHOOSER" ] || fatal "the chooser 勢力選択 did not appear"
    if [ -n "$(visible_window "$BOARD_TITLE")" ]; then
        fail "the board is visible before the chooser was answered"
    else
        pass "the chooser 勢力選択 appears first, alone"
    fi
    START_MINUTE=$(minute_of_day)
}

await_board() {
    local title=$1 shown
    BOARD=$(wait_window "$BOARD_TITLE")
    [ -n "$BOARD" ] || fatal "no board window after the chooser (log: $(cat "$WORK/app.log"))"
    shown=$(xdotool getwindowname "$BOARD")
    if [ "$shown" = "$title" ]; then
        pass "board titled \"$title\""
    else
        fail "board title is \"$shown\", expected \"$title\""
    fi
    wait_window_gone "$CHOOSER_TITLE" || fail "the chooser stays open after ＯＫ"
    find_client_top "$BOARD"
}

# save_picture FILE [WINDOW]: the board unless another window is named.
save_picture() {
    if import -silent -window "${2:-$BOARD}" "$OUT/$1"; then
        log "picture: $OUT/$1"
    else
        fail "could not save $OUT/$1"
    fi
}

open_exit_box() {
    press "$BOARD" alt+f
    sleep 0.3
    press "$BOARD" Up Return
    EXIT_BOX=$(wait_window "$EXIT_TITLE" 10)
    [ -n "$EXIT_BOX" ]
}

scenario_house_board() {
    WEST_FACTION=徳川家 EAST_FACTION=北条家
    await_chooser
    press "$CHOOSER" Return
    await_board "Vantor　徳川家×北条家　合戦状況"
    export_by_keys "fresh board"

    click_post "$BOARD" 0 "$STATUS_LABEL" 1
    step 0 1
    export_by_keys "left click on post 0"

    click_post "$BOARD" 0 "$MAIN_LABEL" 1 2
    step 0 2
    export_by_keys "left double click on the main general of post 0"

    click_post "$BOARD" 4 "$BARE_FRAME" 3 2
    step 4 -2
    export_by_keys "right double click on the frame of post 4"

    # On the status label the second half of a double click always steps forward.
    click_post "$BOARD" 13 "$STATUS_LABEL" 3 2
    click_post "$BOARD" 15 "$MAIN_LABEL" 2
    step 15 1
    export_by_button "right double click on the status of post 13, middle click on post 15"

    # The house rosters are the program's own data, so the name is left open.
    click_scheduling "$BOARD" 8 "$MAIN_LABEL" 3
    step 8 -1
    export_by_keys "right click on post 8"
    click_post "$BOARD" 8 "$MAIN_LABEL" 3
    step 8 -1
    export_by_button "second right click on post 8"

    # A text box with the keyboard focus must not swallow the menu's Ctrl+C.
    click_at "$BOARD" "$(bx 6067)" "$((CLIENT_TOP + $(bx 540)))" 1
    export_by_keys "typing cursor in the elapsed-time box"

    save_picture board.png
}

# In the great battle the generals are named by their role, so every line of
# the schedule is known to the byte.
great_battle_names() {
    local slot caption
    for slot in $(seq 0 17); do
        caption=${CAPTIONS[$slot]}
        if [ "$slot" -lt 9 ]; then
            WEST_MAIN[slot]=西軍${caption:0:1}${caption:2:2}将
            EAST_MAIN[slot]=東軍${caption:0:1}${caption:2:2}守
        else
            WEST_MAIN[slot]=西軍${caption:0:1}${caption:2:2}守
            EAST_MAIN[slot]=東軍${caption:0:1}${caption:2:2}将
        fi
    done
}

scenario_great_battle() {
    WEST_FACTION=西軍 EAST_FACTION=東軍
    great_battle_names
    await_chooser
    # The battle entry is the last of each list.
    click_at "$CHOOSER" "$(px 1200)" "$(px 1200)" 1
    press "$CHOOSER" End
    click_at "$CHOOSER" "$(px 4560)" "$(px 1200)" 1
    press "$CHOOSER" End
    click_at "$CHOOSER" "$(px 5587)" "$(px 4807)" 1
    await_board "Vantor　西軍×東軍　合戦状況"
    export_by_button "fresh great battle"

    click_scheduling "$BOARD" 16 "$STATUS_LABEL" 3
    step 16 -1
    click_scheduling "$BOARD" 10 "$MAIN_LABEL" 1 2
    step 10 2
    click_post "$BOARD" 5 "$STATUS_LABEL" 1
    step 5 1
    click_scheduling "$BOARD" 7 "$STATUS_LABEL" 1 2
    step 7 2
    click_scheduling "$BOARD" 0 "$BARE_FRAME" 3
    step 0 -1
    export_by_keys "great battle with four posts changed"
    export_by_button "the same board once more"

    save_picture great_battle.png
}

# resize_board PERMILLE: sizes the window for the board at that scale, the way a
# dragged window edge would, and checks the X window took the size.
resize_board() {
    SCALE=$1
    local width height shown
    width=$(bx 10800)
    height=$((CLIENT_TOP + $(bx 7560)))
    xdotool windowsize --sync "$BOARD" "$width" "$height"
    sleep 0.5
    shown=$(xdotool getwindowgeometry "$BOARD" | awk '/Geometry/ { print $2 }')
    if [ "$shown" = "${width}x$height" ]; then
        pass "window resized to $shown for the board at $SCALE ‰"
    else
        fail "window is $shown after resizing to ${width}x$height"
    fi
    find_client_top "$BOARD"
}

scenario_resized_board() {
    WEST_FACTION=徳川家 EAST_FACTION=北条家
    await_chooser
    press "$CHOOSER" Return
    await_board "Vantor　徳川家×北条家　合戦状況"

    # Post 0 keeps its colour: find_client_top looks for it.
    resize_board 600
    click_post "$BOARD" 3 "$STATUS_LABEL" 1
    step 3 1
    click_scheduling "$BOARD" 16 "$MAIN_LABEL" 3
    step 16 -1
    export_by_keys "two posts clicked on the board at 60 %"
    export_by_button "the same board at 60 %"
    save_picture board-60.png

    resize_board 1500
    click_post "$BOARD" 13 "$STATUS_LABEL" 1
    step 13 1
    click_scheduling "$BOARD" 8 "$MAIN_LABEL" 3
    step 8 -1
    export_by_keys "two more posts clicked at 150 %"
    export_by_button "the same board at 150 %"
    save_picture board-150.png
}

scenario_exit_confirmation() {
    WEST_FACTION=徳川家 EAST_FACTION=北条家
    await_chooser
    press "$CHOOSER" Return
    await_board "Vantor　徳川家×北条家　合戦状況"
    click_post "$BOARD" 3 "$STATUS_LABEL" 1
    step 3 1

    open_exit_box || fatal "ファイル → 終了 shows no box titled 終了確認"
    pass "ファイル → 終了 asks 終了確認"
    press "$EXIT_BOX" Escape
    if wait_window_gone "$EXIT_TITLE" && app_running && [ -n "$(visible_window "$BOARD_TITLE")" ]; then
        pass "Escape (Cancel) keeps the program and its board"
    else
        fail "Escape in 終了確認 did not leave the program running with its board"
    fi
    export_by_keys "board after a cancelled exit"

    open_exit_box || fatal "the second ファイル → 終了 shows no box titled 終了確認"
    press "$EXIT_BOX" Return
    if wait_app_exit; then
        pass "Return (OK) ends the program"
    else
        fail "the program still runs after OK in 終了確認"
    fi
}

# set_clock "YYYY-MM-DD HH:MM:SS": the program's wall clock, standing still at
# that time until it is set again (the waits of its timers run on as ever).
set_clock() { printf '%s\n' "$1" >"$WORK/clock"; }

# A placement notice waits for the player while the board goes on: the clock
# moves three minutes with the notice open, and the report taken right after
# OK already counts them.
scenario_notice_keeps_the_clock() {
    WEST_FACTION=徳川家 EAST_FACTION=北条家
    await_chooser
    press "$CHOOSER" Return
    await_board "Vantor　徳川家×北条家　合戦状況"

    # Post 4 awaits its general, who is due at once once the typed time is read.
    click_post "$BOARD" 4 "$MAIN_LABEL" 3
    click_post "$BOARD" 4 "$TIME_BOX" 1
    press "$BOARD" ctrl+a 1 0 colon 0 0
    NOTICE=$(wait_window "$NOTICE_TITLE" 60)
    [ -n "$NOTICE" ] || fatal "no placement notice within a minute of typing a due time"
    pass "the typed time is read back and the notice 武将配置のお知らせ comes"

    set_clock "2026-12-09 10:03:30"
    sleep 11 # at least one tick while the notice is open
    press "$NOTICE" Return
    wait_window_gone "$NOTICE_TITLE" || fail "the notice stays open after OK"
    STATUS[4]=0
    NOW_CHOICES=(10:03)
    ELAPSED_CHOICES=(00:03)
    copy_by_keys "after the notice" &&
        check_report "right after OK on the notice, three minutes on (Ctrl+C)" "$WORK/clipboard.txt"
}

# run_scenario NAME: one scenario on a fresh X server, and the verdict.
run_scenario() {
    SCENARIO=$1
    mkdir -p "$OUT"
    require_tools
    trap cleanup EXIT
    start_x
    if [ "$SCENARIO" = notice_keeps_the_clock ]; then
        set_clock "2026-12-09 10:00:30"
        start_app_at_clock "$WORK/clock"
    else
        start_app
    fi
    "scenario_$SCENARIO"
    if [ "$FAILURES" -gt 0 ]; then
        log "$SCENARIO: $FAILURES check(s) failed"
        exit 1
    fi
    log "$SCENARIO: all checks passed"
}

# The Windows smoke test sources this file for its scenarios and steps.
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    [ $# -eq 3 ] || { echo "usage: $0 SCENARIO PROGRAM OUTPUT_DIR" >&2; exit 2; }
    APP=$2
    OUT=$3
    case $1 in
    house_board | great_battle | resized_board | exit_confirmation | notice_keeps_the_clock) run_scenario "$1" ;;
    *) fatal "unknown scenario $1" ;;
    esac
fi
