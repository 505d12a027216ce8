#!/bin/sh
# Draws docs/scheme-type-1.png to docs/scheme-type-6.png, the pictures of the
# six scheme types in the README: car 1 of the same train in each scheme type,
# as the editor's car diagram shows it (800x147), with `quorvane-tool render`.
#
#   docs/draw-scheme-types.sh [TOOL]
#
# TOOL is the built quorvane-tool, build/dev/src/tool/quorvane-tool by default
# (relative to the top of the clone). The train: 2 cars of 4 axles and
# 2 bogies, car 1 direct, car 2 standing reversed, all texts empty.
# `quorvane-tool plan` of such a file lists its wheels in the type's order.
set -eu

docs=$(cd "$(dirname "$0")" && pwd)
tool=${1:-"$docs/../build/dev/src/tool/quorvane-tool"}
if [ ! -x "$tool" ]; then
    echo "draw-scheme-types.sh: no tool at $tool; build it or give its path" >&2
    exit 1
fi
# render needs no display.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

for type in 1 2 3 4 5 6; do
    "$tool" write "$scratch/type-$type.sch" <<EOF
{"schemeType": $type, "cars": [
 {"inverted": false, "bogieCount": 2, "series": "", "carNumber": "", "axles": [
  {"axleName": "", "run": "", "wheelSetNames": ["", ""]},
  {"axleName": "", "run": "", "wheelSetNames": ["", ""]},
  {"axleName": "", "run": "", "wheelSetNames": ["", ""]},
  {"axleName": "", "run": "", "wheelSetNames": ["", ""]}]},
 {"inverted": true, "bogieCount": 2, "series": "", "carNumber": "", "axles": [
  {"axleName": "", "run": "", "wheelSetNames": ["", ""]},
  {"axleName": "", "run": "", "wheelSetNames": ["", ""]},
  {"axleName": "", "run": "", "wheelSetNames": ["", ""]},
  {"axleName": "", "run": "", "wheelSetNames": ["", ""]}]}]}
EOF
    "$tool" render "$scratch/type-$type.sch" --car 1 -o "$docs/scheme-type-$type.png"
done
echo "drew $docs/scheme-type-1.png to scheme-type-6.png"
