#!/usr/bin/env bash
# Builds the Debian package as `make package` does, into a directory of its
# own, and reads it back with dpkg-deb: every file under /usr where an install
# puts it, nothing elsewhere, and the run-time packages among its Depends.
#   package.sh CPACK_CONFIG OUTPUT_DIR APP_ID VERSION
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=desktop_files.sh
. "$HERE/desktop_files.sh"

[ $# -eq 4 ] || { echo "usage: $0 CPACK_CONFIG OUTPUT_DIR APP_ID VERSION" >&2; exit 2; }
CONFIG=$1
OUT=$2
APP_ID=$3
VERSION=$4
failures=0
fail() { failures=$((failures + 1)); printf 'FAIL: %s\n' "$*"; }

rm -rf "$OUT"
if ! cpack --config "$CONFIG" -B "$OUT" >"$OUT.log" 2>&1; then
    cat "$OUT.log"
    echo "FAIL: cpack could not build the package"
    exit 1
fi
DEB=$OUT/vantor_${VERSION}_$(dpkg --print-architecture).deb
[ -f "$DEB" ] || { echo "FAIL: no $DEB; cpack made: $(ls "$OUT")"; exit 1; }

contents=$(dpkg-deb --contents "$DEB" | awk '{ print $NF }')
while read -r file; do
    grep -qx "\./usr/$file" <<<"$contents" || fail "the package holds no /usr/$file"
done < <(installed_files "$APP_ID")
stray=$(grep -v '^\./usr/' <<<"$contents" | grep -vx '\./')
[ -z "$stray" ] || fail "the package puts files outside /usr: $stray"

depends=$(dpkg-deb --field "$DEB" Depends)
echo "Depends: $depends"
for package in libqt6widgets6 fonts-ipafont-gothic qt6-translations-l10n sound-theme-freedesktop; do
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends does not name $package"
done

[ "$failures" -eq 0 ] || exit 1
echo "ok:   $(basename "$DEB") holds every file in its place and names its run-time packages"
