#!/bin/sh
# Builds the Debian package with CPack and checks its files and that it
# depends on the Qt libraries the programs link and on what the editor
# cannot start or draw without, and the sheet's TIFF writer.
# Usage: check_deb.sh BUILD_DIR WORK_DIR
set -eu
build=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    exit 1
}

fail() {
    echo "check_deb: $*" >&2
    exit 1
}

set -- "$work"/quorvane_*_*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "no single quorvane_*.deb in $work"
deb=$1

depends=$(dpkg-deb --field "$deb" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libc6 qt6-qpa-plugins \
    fonts-dejavu-core qt6-translations-l10n qt6-image-formats-plugins; do
    echo "$depends" | grep -Eq "(^|, )$library( |,|$)" || fail "Depends lacks $library: $depends"
done
dpkg-deb --contents "$deb" | awk '{print $6}' >"$work/contents"
for file in ./usr/bin/quorvane ./usr/bin/quorvane-tool ./usr/share/applications/quorvane.desktop \
    ./usr/share/icons/hicolor/scalable/apps/quorvane.svg ./usr/share/mime/packages/quorvane.xml; do
    grep -qx "$file" "$work/contents" || fail "the package lacks $file"
done
echo "check_deb: ok ($(basename "$deb"))"
