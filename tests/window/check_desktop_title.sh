#!/bin/sh
# Starts the editor with a scheme file on the X display it is given (run it
# under xvfb-run) and compares the title the X server holds for its window,
# _NET_WM_NAME as a desktop shows it, with the expected one.
#   check_desktop_title.sh EDITOR FILE.sch "EXPECTED TITLE"
set -u
editor=$1
file=$2
expected=$3

QT_QPA_PLATFORM=xcb "$editor" "$file" &
pid=$!
trap 'kill "$pid" 2>/dev/null' EXIT

# The main window is the one of the editor's class at the window's size;
# its title changes once the file is loaded, so wait for it a while.
want="_NET_WM_NAME(UTF8_STRING) = \"$expected\""
title=
for _ in $(seq 100); do
    id=$(xwininfo -root -tree 2>/dev/null |
        awk '/\("quorvane" "quorvane"\)/ && / 1009x386/ {print $1; exit}')
    if [ -n "$id" ]; then
        title=$(xprop -id "$id" _NET_WM_NAME 2>/dev/null)
        [ "$title" = "$want" ] && break
    fi
    sleep 0.1
done

if [ "$title" != "$want" ]; then
    echo "the desktop shows: ${title:-no window of the editor}"
    echo "expected:          $want"
    exit 1
fi
echo "the desktop shows: $title"
