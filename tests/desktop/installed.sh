#!/usr/bin/env bash
# Installs the build into a private prefix the way a player building from
# source would, checks the installed menu and software-centre entries with the
# desktop's own validators and the manual page against the program's --help,
# then starts the installed program, from elsewhere, on its own X server: its
# window must carry the icon and the window class that its menu entry names.
#   installed.sh BUILD_DIR PREFIX APP_ID
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../e2e/e2e_lib.sh
. "$HERE/../e2e/e2e_lib.sh"
# shellcheck source=desktop_files.sh
. "$HERE/desktop_files.sh"

[ $# -eq 3 ] || { echo "usage: $0 BUILD_DIR PREFIX APP_ID" >&2; exit 2; }
BUILD=$1
PREFIX=$2
APP_ID=$3
for tool in desktop-file-validate appstreamcli xprop xdotool identify; do
    command -v "$tool" >/dev/null || fatal "$tool is missing (scripts/install-deps installs it)"
done

trap cleanup EXIT

rm -rf "$PREFIX"
cmake --install "$BUILD" --prefix "$PREFIX" >"$PREFIX.log" 2>&1 ||
    { cat "$PREFIX.log"; fatal "cmake --install into $PREFIX failed"; }

while read -r file; do
    [ -s "$PREFIX/$file" ] || fail "nothing installed at $file"
done < <(installed_files "$APP_ID")
for size in $ICON_SIZES; do
    png=$PREFIX/share/icons/hicolor/${size}x$size/apps/$APP_ID.png
    [ "$(identify -format %wx%h "$png" 2>/dev/null)" = "${size}x$size" ] || fail "$png is not $size × $size"
done

DESKTOP_FILE=$PREFIX/share/applications/$APP_ID.desktop
if report=$(desktop-file-validate "$DESKTOP_FILE" 2>&1) && ! grep -qE 'error|warning' <<<"$report"; then
    pass "desktop-file-validate accepts the menu entry"
else
    fail "desktop-file-validate: $report"
fi
if report=$(appstreamcli validate --no-net "$PREFIX/share/metainfo/$APP_ID.metainfo.xml" 2>&1); then
    pass "appstreamcli validate accepts the software-centre entry"
else
    fail "appstreamcli validate: $report"
fi

# The manual page renders without a complaint from man, on a UTF-8 terminal
# and on a plain ASCII one, and documents every option the program's own
# --help lists, so neither can drift from the other.
MANUAL=$PREFIX/share/man/man1/vantor.1.gz
if command -v man >/dev/null; then
    for locale in C.UTF-8 C; do
        if manual=$(LC_ALL=$locale MANWIDTH=80 man --warnings -l "$MANUAL" 2>"$PREFIX.man-warnings") &&
            [ ! -s "$PREFIX.man-warnings" ]; then
            pass "man renders the manual page without warnings in the $locale locale"
        else
            fail "man on the manual page in the $locale locale: $(cat "$PREFIX.man-warnings")"
        fi
    done
else
    manual=$(gzip -dc "$MANUAL" | sed 's/\\-/-/g')
fi
options=$("$PREFIX/bin/vantor" --help | grep -oE '(^|[ ,])--?[a-z][a-z-]*' | tr -d ' ,' | sort -u)
[ -n "$options" ] || fail "vantor --help lists no options"
for option in $options; do
    grep -qe "$option" <<<"$manual" || fail "the manual page does not document $option, which --help lists"
done

start_x
APP=$PREFIX/bin/vantor
cd "$WORK" || fatal "cannot enter $WORK"
start_app
CHOOSER=$(wait_window '^勢力選択$')
[ -n "$CHOOSER" ] || { cat "$WORK/app.log"; fatal "the installed program shows no window"; }

# The icon is given once the window is on screen, a moment after it appears.
icons=""
for _ in $(seq 50); do
    icons=$(xprop -id "$CHOOSER" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
    [ -n "$icons" ] && break
    sleep 0.1
done
for size in 16 32; do
    if grep -q "Icon ($size x $size)" <<<"$icons"; then
        pass "the window carries a $size px icon"
    else
        fail "the window carries no $size px icon (_NET_WM_ICON has: ${icons:-nothing})"
    fi
done

# The desktop ties a window to its menu entry by the class part of WM_CLASS.
window_class=$(xprop -id "$CHOOSER" WM_CLASS | sed -n 's/.*= ".*", "\(.*\)"$/\1/p')
entry_class=$(sed -n 's/^StartupWMClass=//p' "$DESKTOP_FILE")
if [ -n "$window_class" ] && [ "$window_class" = "$entry_class" ]; then
    pass "the window's class $window_class is the menu entry's StartupWMClass"
else
    fail "the window's class '$window_class' is not the menu entry's StartupWMClass '$entry_class'"
fi

[ "$FAILURES" -eq 0 ] || { log "$FAILURES check(s) failed"; exit 1; }
log "the installed program and its desktop files pass every check"
