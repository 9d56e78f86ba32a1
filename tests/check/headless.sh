#!/bin/sh
# hana-check and hana-pack need no display: with no display, no Wayland and
# no platform plugin named, hana-check passes the bundled content, hana-pack
# makes a pack from a small source, and hana-check passes that pack. Naming a
# platform plugin that does not exist changes nothing, as none is loaded.
# Usage: headless.sh HANA-CHECK HANA-PACK CONTENT
set -eu
check=$1
pack=$2
content=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/source/texts" "$work/source/pictures"
printf '春に咲く花です〜。\n' >"$work/source/texts/1.txt"
echo 'iVBORw0KGgoAAAANSUhEUgAAAAgAAAAIAQMAAAD+wSzIAAAAA1BMVEX/AAAZ4gk3AAAAC0lEQVQI12NgQAUAABAAAaHFIcEAAAAASUVORK5CYII=' | base64 -d >"$work/source/pictures/1.png"

bare() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"
}
bare "$check" "$content"
bare "$pack" "$work/source" "$work/out"
bare "$check" "$work/out"
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=none-such "$check" "$work/out"
