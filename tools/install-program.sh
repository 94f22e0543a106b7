#!/usr/bin/env bash
# install-program.sh BUILD_DIR PROGRAM_FOLDER: copies the program and the files it keeps beside
# itself. Files the user may have edited (the bureau file) are never overwritten.
set -euo pipefail
build="$1"
home="$2"
src="$(cd "$(dirname "$0")/.." && pwd)"
mkdir -p "$home"
install -m 755 "$build/velmora" "$home/velmora.new" && mv -f "$home/velmora.new" "$home/velmora"
install -m 755 "$build/velmora-tool" "$home/velmora-tool.new" && mv -f "$home/velmora-tool.new" "$home/velmora-tool"
for f in "$src"/data/*; do
    [ -e "$f" ] || continue
    name=$(basename "$f")
    case "$name" in
        *.desktop|*.svg) continue ;; # handled below
    esac
    [ -e "$home/$name" ] || cp "$f" "$home/$name"
done
if [ -f "$src/data/velmora.svg" ]; then
    icons="${XDG_DATA_HOME:-$HOME/.local/share}/icons/hicolor/scalable/apps"
    apps="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
    mkdir -p "$icons" "$apps"
    cp "$src/data/velmora.svg" "$icons/velmora.svg"
    cp "$src/data/velmora.svg" "$home/velmora.svg"
    if [ -f "$src/data/velmora.desktop" ]; then
        sed "s|@PROGRAM@|$home/velmora|g" "$src/data/velmora.desktop" > "$apps/velmora.desktop"
    fi
    # The type of data files (*.stn) that the menu entry opens.
    mime="${XDG_DATA_HOME:-$HOME/.local/share}/mime"
    mkdir -p "$mime/packages"
    cp "$src/packaging/velmora.xml" "$mime/packages/velmora.xml"
    if command -v update-mime-database >/dev/null; then
        update-mime-database "$mime" >/dev/null 2>&1 || true
    fi
fi
