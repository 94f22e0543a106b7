#!/usr/bin/env bash
# update-screenshots.sh [BUILD_DIR]: renders the windows and pages again with the screenshot
# tests (tests/screens) and copies the README's pictures into docs/screenshots/, reduced to
# at most 200 KB each. The names are those the package's AppStream file gives its screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
. tools/deps.sh
velmora_install_missing imagemagick

cmake --build "$build" -j "$(velmora_jobs)" --target test_screens
QT_QPA_PLATFORM=offscreen "$build/test_screens" >/dev/null

out=docs/screenshots
mkdir -p "$out"
limit=$((200 * 1024))
while read -r name shot width; do
    from="$build/screens/$shot"
    [ -f "$from" ] || { echo "missing $from" >&2; exit 1; }
    # Windows keep their size, pages are scaled down to a readable width; 256 colours keep text
    # sharp at a fraction of the size.
    for colours in 256 128 64; do
        convert "$from" -resize "${width}x>" -strip -colors "$colours" "PNG8:$out/$name"
        [ "$(stat -c %s "$out/$name")" -le "$limit" ] && break
    done
    size=$(stat -c %s "$out/$name")
    [ "$size" -le "$limit" ] || { echo "$out/$name is $size bytes, over 200 KB" >&2; exit 1; }
    echo "$out/$name: $size bytes"
done <<'LIST'
main.png mainwin_mainwindow.png 1400
filtered.png mainwin_mainwindow_filtered.png 1400
edit.png entry_editstation.png 1400
print.png print_printdialog.png 1400
preview.png print_preview_form.png 1400
form.png page_form_station.png 900
LIST
