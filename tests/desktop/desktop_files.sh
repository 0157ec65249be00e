# shellcheck shell=bash
# What an install puts where, relative to its prefix: the program, its manual
# page, its menu entry, its software-centre entry, its icon at every size the
# desktop asks for, and the copyright and changelog. Sourced by installed.sh
# and package.sh.
readonly ICON_SIZES="16 22 24 32 48 64 128 256"

installed_files() {
    local app_id=$1 size
    echo bin/vantor
    echo share/man/man1/vantor.1.gz
    echo share/doc/vantor/copyright
    echo share/doc/vantor/changelog.gz
    echo "share/applications/$app_id.desktop"
    echo "share/metainfo/$app_id.metainfo.xml"
    echo "share/icons/hicolor/scalable/apps/$app_id.svg"
    for size in $ICON_SIZES; do
        echo "share/icons/hicolor/${size}x$size/apps/$app_id.png"
    done
}
