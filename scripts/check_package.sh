#!/usr/bin/env bash
# The Debian package made from a build folder: its files where a desktop
# expects them, its dependencies found, its manual pages rendering, and its
# programs running from where it puts them.
#   scripts/check_package.sh BUILD_DIR
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/*.deb)
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/plivet ./usr/bin/plvtool ./usr/share/man/man1/plivet.1 ./usr/share/man/man1/plvtool.1 \
         ./usr/share/applications/plivet.desktop ./usr/share/icons/hicolor/scalable/apps/plivet.svg \
         ./usr/share/mime/packages/plivet.xml ./usr/share/plivet/examples/example.plv; do
  grep -qx -- "$f" <<<"$files" || { echo "the package lacks $f"; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libcairo2; do
  grep -q "$lib" <<<"$depends" || { echo "the package does not depend on $lib: $depends"; exit 1; }
done
dpkg-deb -x "$deb" "$out/root"
root=$out/root
for page in plivet plvtool; do
  MANWIDTH=80 man -l "$root/usr/share/man/man1/$page.1" 2>&1 >"$out/$page.txt"
  grep -q "SYNOPSIS" "$out/$page.txt" || { echo "$page.1 does not render"; exit 1; }
done
grep -q "Edit/delete menu" "$out/plivet.txt" || { echo "plivet.1 lacks the menus' keys"; exit 1; }
grep -q "^Exec=plivet %f$" "$root/usr/share/applications/plivet.desktop"
grep -q "application/x-plivet-drawing" "$root/usr/share/applications/plivet.desktop"
grep -q 'pattern="\*.plv"' "$root/usr/share/mime/packages/plivet.xml"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$root/usr/share/applications/plivet.desktop"; fi
"$root/usr/bin/plvtool" --version | grep -q "^plvtool "
"$root/usr/bin/plvtool" load "$root/usr/share/plivet/examples/example.plv" | grep -q "^SETUP:GLIMPT"
# The installed editor opens the bundled example and draws it.
printf 'key F10\nkey F4\nkey ENTER\n' >"$out/script.txt"
(cd "$out" && PLIVET_STATE_DIR="$out/state" PLIVET_HOST_SETTINGS="$out/orvlab.ini" \
   "$root/usr/bin/plivet" --headless --play script.txt --snapshots snaps \
   "$root/usr/share/plivet/examples/example.plv" >/dev/null 2>"$out/plivet.err") || { cat "$out/plivet.err"; exit 1; }
ls "$out/snaps"/*.png >/dev/null
echo "package $(basename "$deb") is whole"
