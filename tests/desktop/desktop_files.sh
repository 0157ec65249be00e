# shellcheck shell=bash
# What an install puts where, relative to its prefix: the program, its menu
# entry, its software-centre entry and its icon at every size the desktop asks
# for. Sourced by installed.sh and package.sh.
readonly ICON_SIZES="16 22 24 32 48 64 128 256"

installed_files() {
    local app_id=$1 size
    echo bin/vantor
    echo "share/applications/$app_id.desktop"
    echo "share/metainfo/$app_id.metainfo.xml"
    echo "share/icons/hicolor/scalable/apps/$app_id.svg"
    for size in $ICON_SIZES; do
        echo "share/icons/hicolor/${size}x$size/apps/$app_id.png"
    done
}
