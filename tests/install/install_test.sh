#!/usr/bin/env bash
# The installed game: every file where a desktop finds it, the desktop entry
# and the metadata valid, the Debian package complete, and the installed
# program starting from its staging folder.
# Usage: install_test.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
stage=$work/stage
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
id=org.vermona.Vermona
expected=(
  usr/bin/vermona
  usr/lib/vermona/libvermona_movie.so
  usr/share/applications/$id.desktop
  usr/share/metainfo/$id.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/$id.svg
  usr/share/vermona/screenshots/title.png
  usr/share/vermona/screenshots/main_menu.png
)
for size in 16 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
# Whatever the game ships in assets/ (bitmaps, name.txt, the video).
src=$(cd "$(dirname "$0")/../.." && pwd)
if [ -d "$src/assets" ]; then
  while IFS= read -r f; do expected+=("usr/share/vermona/${f#"$src"/assets/}"); done \
    < <(find "$src/assets" -type f)
fi
for f in "${expected[@]}"; do
  [ -f "$stage/$f" ] || fail "not installed: $f"
done
echo "installed: ${#expected[@]} files"

desktop-file-validate "$stage/usr/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$stage/usr/share/metainfo/$id.metainfo.xml" >/dev/null ||
  { appstreamcli validate --no-net "$stage/usr/share/metainfo/$id.metainfo.xml"; fail "metadata"; }
echo "desktop entry and metadata valid"

# The package holds the same files and names what it needs from Debian.
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
deb=$(ls "$work"/vermona_*.deb)
contents=$(dpkg-deb -c "$deb")
for f in usr/bin/vermona usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/icons/hicolor/48x48/apps/$id.png; do
  grep -q "\./$f\$" <<<"$contents" || fail "package lacks $f"
done
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 qt6-qpa-plugins qt6-translations-l10n fonts-ipafont-gothic gstreamer1.0-plugins-good; do
  grep -q "$d" <<<"$depends" || fail "package does not depend on $d: $depends"
done
echo "package: $(basename "$deb")"

# Started from inside its installation, the game works in the player's data
# folder instead, and shows the title screen.
export XDG_DATA_HOME=$work/data HOME=$work/home QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"
out=$(cd "$stage/usr/share/vermona" && "$stage/usr/bin/vermona" --check)
[ "$out" = "Form1 ヴェルモナシュミレーション" ] || fail "installed game showed: $out"
[ -d "$XDG_DATA_HOME/vermona" ] || fail "no data folder made in $XDG_DATA_HOME"
if [ -f "$stage/usr/share/vermona/name.txt" ]; then
  cmp -s "$stage/usr/share/vermona/name.txt" "$XDG_DATA_HOME/vermona/name.txt" || fail "name.txt not put in place"
fi
echo "installed game shows its title screen"
