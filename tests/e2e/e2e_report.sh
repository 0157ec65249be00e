# shellcheck shell=bash
# The report the program must put on the clipboard, built here from what the
# test did to the board, and its comparison with what the clipboard holds.
#
# The expected text is a template: every byte is literal except four tokens,
#   @NOW@      the clock time of the export,
#   @ELAPSED@  the elapsed battle time,
#   @NEXT@     a placement time one hour after a click,
#   @NAME@     a general's name that the test cannot know,
# each of which may take any of the values the test saw around the moment it
# was fixed (NOW_CHOICES, ELAPSED_CHOICES, NEXT_CHOICES); @NAME@ takes any text.

readonly CAPTIONS=(左翼後詰 中翼後詰 右翼後詰 左翼中備 中翼中備 右翼中備 左翼先鋒 中翼先鋒 右翼先鋒
    右翼先鋒 中翼先鋒 左翼先鋒 右翼中備 中翼中備 左翼中備 右翼後詰 中翼後詰 左翼後詰)
readonly WEST_SYMBOLS=(■ ★ △ □ ☆ ▲)
readonly EAST_SYMBOLS=(□ ☆ ▲ ■ ★ △)

# Board state as the test believes it to be.
STATUS=(0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0)
WEST_FACTION=""
EAST_FACTION=""
WEST_MAIN=()
EAST_MAIN=()
for _slot in $(seq 0 17); do WEST_MAIN[_slot]=@NAME@ EAST_MAIN[_slot]=@NAME@; done
unset _slot
NOW_CHOICES=()
ELAPSED_CHOICES=()
NEXT_CHOICES=()

symbol() {
    local slot=$1
    if [ "$slot" -lt 9 ]; then
        printf '%s' "${WEST_SYMBOLS[${STATUS[$slot]}]}"
    else
        printf '%s' "${EAST_SYMBOLS[${STATUS[$slot]}]}"
    fi
}

map_row() {
    printf '　　　%s%s%s　　%s%s%s\r\n' "$(symbol "$1")" "$(symbol "$2")" "$(symbol "$3")" \
        "$(symbol "$4")" "$(symbol "$5")" "$(symbol "$6")"
}

schedule_line() {
    local slot=$1 own other own_name other_name
    if [ "$slot" -lt 9 ]; then
        own=$WEST_FACTION other=$EAST_FACTION own_name=${WEST_MAIN[$slot]} other_name=${EAST_MAIN[$slot]}
    else
        own=$EAST_FACTION other=$WEST_FACTION own_name=${EAST_MAIN[$slot]} other_name=${WEST_MAIN[$slot]}
    fi
    case ${STATUS[$slot]} in
    5) printf '%s%s：%s・%s→@NEXT@\r\n' "$own" "${CAPTIONS[$slot]}" "$own" "$own_name" ;;
    2) printf '%s%s：%s・%s(%s・%s)→@NEXT@\r\n' "$own" "${CAPTIONS[$slot]}" "$other" "$other_name" \
        "$own" "$own_name" ;;
    esac
}

expected_report() {
    local W=$WEST_FACTION E=$EAST_FACTION slot awaiting=0
    printf '～合戦状況@NOW@(@ELAPSED@経過)現在～\r\n'
    printf '　　　　西　　　　東\r\n'
    map_row 0 3 6 9 12 15
    map_row 1 4 7 10 13 16
    map_row 2 5 8 11 14 17
    printf '\r\n'
    printf '%s健在■　　%s健在□\r\n' "$W" "$E"
    printf '%s未配置▲　%s未配置△\r\n' "$W" "$E"
    printf '%s取付☆　　%s取付★\r\n' "$W" "$E"
    printf '\r\n'
    printf '～　武将配置予定時刻　～\r\n'
    for slot in $(seq 0 17); do
        case ${STATUS[$slot]} in 2 | 5) awaiting=1 ;; esac
        schedule_line "$slot"
    done
    [ "$awaiting" -eq 1 ] || printf ' 情報は特にありません\r\n'

}

# Blanks and line ends made visible for the failure messages.
visible() {
    LC_ALL=C.UTF-8 sed -e 's/\r/<CR>/g' -e 's/　/<U+3000>/g' -e 's/ /<SP>/g'
}

alternatives() {
    local IFS='|'
    printf '(%s)' "$*"
}

# One expected line as an anchored byte-wise pattern.
line_pattern() {
    local line=$1
    line=$(printf '%s' "$line" | sed 's/[][\.*^$+?(){}|/]/\\&/g')
    line=${line//@NOW@/$(alternatives "${NOW_CHOICES[@]}")}
    line=${line//@ELAPSED@/$(alternatives "${ELAPSED_CHOICES[@]}")}
    line=${line//@NEXT@/$(alternatives "${NEXT_CHOICES[@]}")}
    line=${line//@NAME@/[^$'\r']+}
    printf '^%s$' "$line"
}

# check_report WHAT ACTUAL_FILE: compares the clipboard text with the board state.
check_report() {
    local what=$1 actual=$2 expected=$WORK/expected.txt i bad=0
    expected_report >"$expected"
    if [ "$(tail -c 2 "$actual" | od -An -tx1 | tr -d ' \n')" != 0d0a ]; then
        fail "$what: the report does not end in CR LF"
        bad=1
    fi
    local -a want got
    mapfile -t want <"$expected"
    mapfile -t got <"$actual"
    if [ "${#want[@]}" -ne "${#got[@]}" ]; then
        fail "$what: ${#got[@]} lines on the clipboard, expected ${#want[@]}"
        bad=1
    fi
    local LC_ALL=C
    for i in "${!want[@]}"; do
        [[ ${got[$i]-} =~ $(line_pattern "${want[$i]}") ]] && continue
        fail "$what: line $((i + 1)) differs"
        printf '    expected: %s\n    actual:   %s\n' "$(printf '%s' "${want[$i]}" | visible)" \
            "$(printf '%s' "${got[$i]-<missing>}" | visible)"
        bad=1
    done
    [ "$bad" -eq 0 ] && pass "$what: clipboard report is exact"
    if [ "$bad" -ne 0 ]; then
        log "    times allowed: now ${NOW_CHOICES[*]}, elapsed ${ELAPSED_CHOICES[*]}, placement ${NEXT_CHOICES[*]:-none}"
        log "    clipboard was:"
        visible <"$actual" | sed 's/^/    | /'
    fi
    return 0
}
