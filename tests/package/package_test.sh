#!/usr/bin/env bash
# package_test.sh BUILD_DIR SOURCE_DIR VERSION: makes the Debian package of the build as it is
# (nothing is compiled again), unpacks it into a temporary root and checks its files and
# dependencies, then starts the unpacked program and tool with a fresh home: they must keep the
# user's files in ~/.local/share/Velmora. Exits 77 (skipped) where Debian's tools are missing.
set -euo pipefail
build=$1
source=$2
version=$3

for tool in dpkg-deb dpkg-shlibdeps file appstreamcli update-mime-database; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d)
pid=
cleanup() {
    if [ -n "$pid" ]; then kill -KILL "$pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

echo "== the package"
# The build is up to date here, so the "preinstall" step that cpack runs first builds nothing.
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    fail "cpack"
fi
deb="$work/out/velmora_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb") among: $(ls "$work/out")"
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"

root="$work/root"
dpkg-deb -x "$deb" "$root"
bureau="総務省.dat"
metainfo=$(find "$root/usr/share/metainfo" -name '*.metainfo.xml' | head -n 1)
for file in usr/bin/velmora usr/bin/velmora-tool "usr/share/velmora/$bureau" \
    usr/share/applications/velmora.desktop usr/share/icons/hicolor/scalable/apps/velmora.svg \
    usr/share/mime/packages/velmora.xml \
    usr/share/doc/velmora/copyright usr/share/doc/velmora/changelog.gz \
    usr/share/man/man1/velmora.1.gz usr/share/man/man1/velmora-tool.1.gz; do
    [ -f "$root/$file" ] || fail "the package lacks /$file"
done
[ -x "$root/usr/bin/velmora" ] && [ -x "$root/usr/bin/velmora-tool" ] || fail "programs not executable"
cmp -s "$root/usr/share/velmora/$bureau" "$source/data/$bureau" || fail "bureau file differs"
desktop="$root/usr/share/applications/velmora.desktop"
grep -qx 'Exec=velmora %f' "$desktop" || fail "desktop Exec"
# A data file opened from the desktop: its type comes from the package's MIME file, and the
# menu entry names that type.
mimetype=application/x-velmora-register
grep -qx "MimeType=$mimetype;" "$desktop" || fail "desktop MimeType"
cp -r "$root/usr/share/mime" "$work/mime"
update-mime-database "$work/mime" >"$work/mime.log" 2>&1 || {
    cat "$work/mime.log"
    fail "update-mime-database"
}
grep -qx "50:$mimetype:\*.stn" "$work/mime/globs2" || fail "*.stn is not $mimetype"
[ -n "$metainfo" ] || fail "no AppStream metainfo"
grep -q '<summary xml:lang="ja">' "$metainfo" || fail "no Japanese summary"
grep -q "<mediatype>$mimetype</mediatype>" "$metainfo" || fail "metainfo mediatype"
[ "$(grep -c '<caption xml:lang="ja">' "$metainfo")" -eq 5 ] || fail "screenshot captions"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6 libqt6network6 \
    fonts-ipafont-mincho fonts-ipafont-gothic qt6-translations-l10n qt6-qpa-plugins; do
    grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package"
done

echo "== the unpacked program in a fresh home"
home="$work/home"
folder="$home/.local/share/Velmora"
mkdir -p "$home"
as_user=(env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen)
"${as_user[@]}" "$root/usr/bin/velmora" >"$work/velmora.log" 2>&1 &
pid=$!
# The backup folders appear once the program has set up its folder and builds its window; it
# then shows its first message (no settings file yet) and waits.
for _ in $(seq 300); do
    [ -d "$folder/BackUP2" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
[ -d "$folder/BackUP" ] && [ -d "$folder/BackUP2" ] || {
    cat "$work/velmora.log"
    fail "no backup folders in $folder"
}
cmp -s "$folder/$bureau" "$source/data/$bureau" || fail "bureau file not copied to $folder"
# Asked to end, it ends as its 終了 command does: the message is dismissed and the settings
# file written.
kill -TERM "$pid"
for _ in $(seq 300); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end on SIGTERM"
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || {
    cat "$work/velmora.log"
    fail "the program ended with status $status"
}
[ -f "$folder/tessaly.ini" ] || fail "no tessaly.ini in $folder"
[ "$(grep -c $'\r$' "$folder/tessaly.ini")" -eq 38 ] || fail "tessaly.ini is not 38 lines"
leftovers=$(find "$root" -name tessaly.ini -o -name 'BackUP*')
[ -z "$leftovers" ] || fail "the program wrote into the package's folders: $leftovers"

echo "== the unpacked tool with the user's bureau file"
# Without the shipped file, only the copy in the user's folder can give the bureau's address.
rm "$root/usr/share/velmora/$bureau"
"${as_user[@]}" "$root/usr/bin/velmora-tool" render "$source/tests/data/two-stations.stn" --record 1 \
    --doc bureau --out "$work/bureau.png" || fail "velmora-tool render"
[ "$(head -c 4 "$work/bureau.png" | od -An -tx1 | tr -d ' ')" = 89504e47 ] || fail "not a PNG"
echo "package test passed"
