#!/usr/bin/env bash
# The Debian package: built with CPack, unpacked into a temporary root, its desktop entry and
# metainfo validated, its dependencies computed, and the program started from there until the
# splash window maps.
set -euo pipefail
# shellcheck source=/dev/null
source "$(dirname "$0")/xvfb.sh"
build=$1
xprobe=$2

begin_e2e

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
package=$(ls "$work"/out/numora_*.deb)
echo "built $(basename "$package")"

depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"
[[ $depends == *libqt6widgets6* ]] || fail "the dependencies were not computed from the libraries"
[[ $depends == *fonts-sil-harmattan* && $depends == *fonts-liberation* ]] \
  || fail "the faces that stand in for Arial and Tahoma are not among the dependencies"

root="$work/root"
dpkg-deb -x "$package" "$root"
for f in usr/bin/numora usr/share/applications/org.numora.Numora.desktop \
         usr/share/metainfo/org.numora.Numora.metainfo.xml usr/share/doc/numora/copyright \
         usr/share/icons/hicolor/32x32/apps/numora.png usr/share/icons/hicolor/256x256/apps/numora.png; do
  [ -e "$root/$f" ] || fail "missing $f"
done
desktop-file-validate "$root/usr/share/applications/org.numora.Numora.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.numora.Numora.metainfo.xml" >/dev/null \
  || fail "metainfo"
# The licence, in Debian's machine-readable form, and the same licence in the metainfo.
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  "$root/usr/share/doc/numora/copyright" || fail "the copyright file is not in Debian's format"
grep -q '^License: GPL-3+' "$root/usr/share/doc/numora/copyright" || fail "no licence for Numora"
grep -q '<project_license>GPL-3.0-or-later</project_license>' \
  "$root/usr/share/metainfo/org.numora.Numora.metainfo.xml" || fail "the metainfo names another licence"
# The program tells the desktop the ID its entry is named by.
grep -qa "org.numora.Numora" "$root/usr/bin/numora" || fail "the program names another desktop entry"

start_xvfb "$work"
"$root/usr/bin/numora" &
app=$!
"$xprobe" wait-map Form14 15000 || fail "the unpacked program did not show its splash"
echo "the unpacked program shows its splash"
