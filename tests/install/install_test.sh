#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed game: every file where a desktop and Debian expect it, the
# desktop entry and the metadata valid, the Debian package complete and
# clean to Debian's own checker, one version everywhere, the manual page in
# step with the program's options, and the installed program starting from
# its staging folder.
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
  usr/games/vermona
  usr/lib/games/vermona/libvermona_movie.so
  usr/lib/games/vermona/libvermona_chart.so
  usr/share/applications/$id.desktop
  usr/share/metainfo/$id.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/$id.svg
  usr/share/games/vermona/screenshots/title.png
  usr/share/games/vermona/screenshots/main_menu.png
  usr/share/man/man6/vermona.6.gz
  usr/share/doc/vermona/copyright
  usr/share/doc/vermona/changelog.gz
)
for size in 16 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
# Whatever the game ships in assets/ (bitmaps, name.txt, the video).
src=$(cd "$(dirname "$0")/../.." && pwd)
if [ -d "$src/assets" ]; then
  while IFS= read -r f; do expected+=("usr/share/games/vermona/${f#"$src"/assets/}"); done \
    < <(find "$src/assets" -type f)
fi
for f in "${expected[@]}"; do
  [ -f "$stage/$f" ] || fail "not installed: $f"
done
echo "installed: ${#expected[@]} files"

desktop-file-validate "$stage/usr/share/applications/$id.desktop" || fail "desktop entry"
# A dock ties the windows to the entry by their X11 class, the program's name.
grep -qx 'StartupWMClass=vermona' "$stage/usr/share/applications/$id.desktop" || fail "StartupWMClass is not vermona"
appstreamcli validate --no-net "$stage/usr/share/metainfo/$id.metainfo.xml" >/dev/null ||
  { appstreamcli validate --no-net "$stage/usr/share/metainfo/$id.metainfo.xml"; fail "metadata"; }
echo "desktop entry and metadata valid"

# The package holds the same files and names what it needs from Debian.
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
deb=$(ls "$work"/vermona_*.deb)
contents=$(dpkg-deb -c "$deb")
for f in usr/games/vermona usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/icons/hicolor/48x48/apps/$id.png; do
  grep -q "\./$f\$" <<<"$contents" || fail "package lacks $f"
done
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libqt6charts6 qt6-qpa-plugins qt6-translations-l10n fonts-ipafont-gothic fonts-dejavu-core gstreamer1.0-plugins-good; do
  grep -q "$d" <<<"$depends" || fail "package does not depend on $d: $depends"
done
dpkg-deb -f "$deb" Recommends | grep -q qt6-wayland || fail "package does not recommend qt6-wayland"
echo "package: $(basename "$deb")"

# Debian's own checker: no error and no warning (informational tags may stay).
if ! lintian --fail-on error,warning "$deb" > "$work/lintian.txt" 2>&1; then
  cat "$work/lintian.txt"; fail "lintian"
fi
echo "lintian: no error, no warning"

# One version: the program's, the package's and the AppStream release's.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$stage/usr/games/vermona" --version)
[ "$version" = "vermona $(dpkg-deb -f "$deb" Version)" ] || fail "version $version, package $(dpkg-deb -f "$deb" Version)"
grep -q "<release version=\"${version#vermona }\"" "$stage/usr/share/metainfo/$id.metainfo.xml" ||
  fail "no AppStream release ${version#vermona }"
# Every option the program knows is in its manual page.
help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$stage/usr/games/vermona" --help)
manual=$(zcat "$stage/usr/share/man/man6/vermona.6.gz")
for option in $(grep -o -- '--[a-z][a-z-]*' <<<"$help" | sort -u); do
  grep -qF -- "${option//-/\\-}" <<<"$manual" || fail "the manual page lacks $option"
done
# An option it does not know is refused.
if env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$stage/usr/games/vermona" --no-such-option 2>/dev/null; then
  fail "an unknown option was accepted"
fi
echo "version $version, manual page and options in step"

# With no display to reach, the game says so itself and ends with status 1,
# not with Qt's abort.
set +e
nodisplay=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:987 "$stage/usr/games/vermona" 2>&1)
status=$?
set -e
[ "$status" = 1 ] || fail "without a display the game ended with status $status: $nodisplay"
grep -q '^vermona: no display can be reached' <<<"$nodisplay" || fail "without a display it said: $nodisplay"
echo "no display: told, status 1"

# Started from inside its installation, the game works in the player's data
# folder instead, and shows the title screen.
export XDG_DATA_HOME=$work/data HOME=$work/home QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"
out=$(cd "$stage/usr/share/games/vermona" && "$stage/usr/games/vermona" --check)
[ "$out" = "Form1 ヴェルモナシュミレーション" ] || fail "installed game showed: $out"
[ -d "$XDG_DATA_HOME/vermona" ] || fail "no data folder made in $XDG_DATA_HOME"
if [ -f "$stage/usr/share/games/vermona/name.txt" ]; then
  cmp -s "$stage/usr/share/games/vermona/name.txt" "$XDG_DATA_HOME/vermona/name.txt" || fail "name.txt not put in place"
fi
echo "installed game shows its title screen"
