#!/usr/bin/env bash
# Builds the Debian package as `make package` does, into a directory of its
# own, and reads it back with dpkg-deb: every file under /usr where an install
# puts it, nothing elsewhere, the run-time packages among its Depends, the
# copyright and changelog Debian asks for, and a program without the
# compiler's notes. Where lintian is installed, it must find no error and no
# warning, pedantic tags included in what it shows.
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

section=$(dpkg-deb --field "$DEB" Section)
[ "$section" != games ] || fail "the package is in section games, which Debian keeps for programs that are played"

UNPACKED=$OUT/unpacked
dpkg-deb --extract "$DEB" "$UNPACKED"
DOC=$UNPACKED/usr/share/doc/vantor
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$DOC/copyright" 2>/dev/null ||
    fail "usr/share/doc/vantor/copyright is missing or not in the machine-readable format"
grep -q '^License: GPL-3.0+' "$DOC/copyright" 2>/dev/null || fail "the copyright file does not state GPL-3.0-or-later"
# A native package's changelog, its newest entry for this very version.
top_entry=$(gzip -dc "$DOC/changelog.gz" 2>/dev/null | head -n 1)
[[ "$top_entry" == "vantor ($VERSION) "* ]] ||
    fail "the newest changelog entry is not for $VERSION: '$top_entry' (packaging/changelog)"
gzip -dc "$UNPACKED/usr/share/man/man1/vantor.1.gz" 2>/dev/null | grep -q '^\.TH VANTOR 1 ' ||
    fail "no manual page usr/share/man/man1/vantor.1.gz"
sections=$(objdump -h "$UNPACKED/usr/bin/vantor" | awk '$1 ~ /^[0-9]+$/ { print $2 }')
for section_name in .comment .note; do
    ! grep -qxF "$section_name" <<<"$sections" || fail "usr/bin/vantor keeps the $section_name section"
done

if command -v lintian >/dev/null; then
    # Info tags may stay where the README says why; errors and warnings may not.
    tags=$(lintian -EvIL +pedantic --tag-display-limit 0 "$DEB" 2>&1)
    echo "$tags"
    ! grep -qE '^[EW]: ' <<<"$tags" || fail "lintian finds errors or warnings"
else
    echo "skip: lintian is not installed (scripts/install-deps installs it)"
fi

[ "$failures" -eq 0 ] || exit 1
echo "ok:   $(basename "$DEB") holds every file in its place, names its run-time packages and passes lintian"
