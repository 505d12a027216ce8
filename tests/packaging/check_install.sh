#!/bin/sh
# Installs the build into a scratch root and checks what a desktop needs of
# it: both programs, a valid desktop entry, the icon, and a MIME type that
# the freedesktop tools map *.sch to and hand to the editor.
# Usage: check_install.sh BUILD_DIR WORK_DIR
set -eu
build=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
DESTDIR="$work/root" cmake --install "$build" --prefix /usr >"$work/install.log"
usr=$work/root/usr

fail() {
    echo "check_install: $*" >&2
    exit 1
}

for program in quorvane quorvane-tool; do
    [ -x "$usr/bin/$program" ] || fail "bin/$program is not installed"
done
"$usr/bin/quorvane-tool" --version | grep -q '^quorvane-tool ' || fail "the installed tool does not run"

desktop=$usr/share/applications/quorvane.desktop
desktop-file-validate "$desktop" >"$work/validate.log" 2>&1 || true
# Hints and warnings count too: an entry that is merely accepted can still
# be shown wrongly.
[ ! -s "$work/validate.log" ] || fail "desktop-file-validate: $(cat "$work/validate.log")"
grep -qx 'Exec=quorvane %f' "$desktop" || fail "the entry does not pass the file to the editor"
grep -qx 'MimeType=application/x-quorvane-scheme;' "$desktop" || fail "the entry opens no schemes"

icon=$usr/share/icons/hicolor/scalable/apps/quorvane.svg
xmllint --noout "$icon" || fail "the icon is not well-formed SVG"
grep -q '<svg ' "$icon" || fail "the icon is no SVG"

mime=$usr/share/mime
xmllint --noout "$mime/packages/quorvane.xml" || fail "the MIME entry is not well-formed XML"
# Build the MIME database from the entry alone, as the package trigger does.
XDG_DATA_HOME="$usr/share" XDG_DATA_DIRS="$usr/share" update-mime-database "$mime" >"$work/mime.log" 2>&1 || fail "update-mime-database: $(cat "$work/mime.log")"
[ ! -s "$work/mime.log" ] || fail "update-mime-database: $(cat "$work/mime.log")"
grep -qx '50:application/x-quorvane-scheme:\*\.sch' "$mime/globs2" || fail "*.sch is not mapped"
grep -qx 'application/x-quorvane-scheme text/plain' "$mime/subclasses" || fail "not a kind of text"
grep -qx 'application/x-quorvane-scheme:quorvane' "$mime/icons" || fail "the type has no icon"

# And the table file managers read: which application opens the type.
update-desktop-database "$usr/share/applications" || fail "update-desktop-database failed"
grep -qx 'application/x-quorvane-scheme=quorvane.desktop;' "$usr/share/applications/mimeinfo.cache" ||
    fail "schemes are not opened with the editor"
echo "check_install: ok"
