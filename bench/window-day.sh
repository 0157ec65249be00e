#!/usr/bin/env bash
# A whole battle day of the real program, its window and all, in four minutes:
# libfaketime runs the clock 360 times as fast, the clock behind Qt's timers
# included, so every tick, placement, notice and redraw of a day happens. Each
# simulated hour the player takes a post from the keyboard, closes the notices
# that have come and puts the report on the clipboard. The resident memory is
# printed for every hour; the last report shows the elapsed time the day ran to.
#   bench/window-day.sh <vantor program> [hours]
set -euo pipefail

program=$(realpath "${1:?usage: $0 <vantor program> [hours]}")
hours=${2:-24}
if [ -z "${WINDOW_DAY_UNDER_X:-}" ]; then
  exec env WINDOW_DAY_UNDER_X=1 xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi

libraries=(/usr/lib/*/faketime/libfaketime.so.1)
faketime=${libraries[0]}
[ -f "$faketime" ] || { echo "window-day: libfaketime is not installed (apt-get install faketime)" >&2; exit 1; }
speed=360                        # one simulated hour every ten seconds
hour_seconds=$((3600 / speed))

export QT_QPA_PLATFORM=xcb
LD_PRELOAD=$faketime FAKETIME="@$(date +%F) 09:00:00 x$speed" FAKETIME_NO_CACHE=1 "$program" 2>/dev/null &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

kib() { awk -v key="$1:" '$1 == key {print $2}' /proc/"$pid"/status; }
cpu_seconds() { sed 's/^.*) //' /proc/"$pid"/stat | awk -v hz="$(getconf CLK_TCK)" '{printf "%.1f", ($12 + $13) / hz}'; }

chooser=$(xdotool search --sync --onlyvisible --name '勢力選択' | head -1)
xdotool windowfocus --sync "$chooser" key Return
board=$(xdotool search --sync --onlyvisible --name '合戦状況' | head -1)
# The first Tab reaches 経過時間, the second the posts.
xdotool windowfocus --sync "$board" key Tab Tab

echo "== A day of the real window under Xvfb, ${hours} simulated hours at ${speed}x"
notices=0
for hour in $(seq 1 "$hours"); do
  # Along each row of posts and back along the next, one post an hour falls:
  # two steps leave it awaiting its next general, due an hour later.
  row=$(((hour - 1) / 6))
  if [ $(((hour - 1) % 6)) -eq 0 ] && [ "$hour" -gt 1 ]; then move=Down
  elif [ $((row % 2)) -eq 0 ]; then move=Right
  else move=Left
  fi
  xdotool key "$move" space space ctrl+c
  sleep "$hour_seconds"
  for notice in $(xdotool search --onlyvisible --name '武将配置のお知らせ' 2>/dev/null); do
    xdotool windowfocus --sync "$notice" key Return 2>/dev/null && notices=$((notices + 1))
  done
  printf '  hour %2d: RSS %s KiB, CPU %s s, notices closed %d\n' "$hour" "$(kib VmRSS)" "$(cpu_seconds)" "$notices"
done
xdotool windowfocus --sync "$board" key ctrl+c
sleep 1
echo "  peak RSS $(kib VmHWM) KiB; the last report's first line: $(xclip -o -selection clipboard | head -1)"
