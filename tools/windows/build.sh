#!/usr/bin/env bash
# make windows: the Windows program cross-built here, packaged as an installer, an MSI package and
# a portable zip in build/windows/, and its tests run under Wine: the library and window tests on
# Qt's offscreen platform, the packaged folders' imports, the signing, and the installer and the
# MSI with the installed program end to end. With NUMORA_SIGN_CERT and NUMORA_SIGN_KEY set, the
# program, the installer, its uninstaller and the MSI are signed (tools/windows/sign.sh).
# The first run builds Qt for Windows into the cache (tools/windows/setup.sh); later runs reuse it.
set -euo pipefail
cd "$(dirname "$0")/../.."

bash tools/setup.sh
NUMORA_QT_WINDOWS="$(bash tools/windows/setup.sh --print-prefix | tail -n1)"
export NUMORA_QT_WINDOWS

echo "== cross-building Numora for Windows against $NUMORA_QT_WINDOWS"
cmake --preset windows >/dev/null
cmake --build --preset windows

echo "== packaging"
(cd build/windows && cpack --config CPackConfig.cmake >cpack.log 2>&1) \
  || { tail -n 40 build/windows/cpack.log >&2; exit 1; }
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)"
package="build/windows/Numora-$version-win64"
bash tools/windows/sign.sh "$package.exe"

echo "== the MSI package"
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
unzip -q "$package.zip" -d "$folder"
bash tools/windows/msi.sh "$folder/$(basename "$package")" "$version" "$package.msi"
bash tools/windows/sign.sh "$package.msi"
ls -l "$package.exe" "$package.msi" "$package.zip"

echo "== the Windows tests under Wine"
# Wine's windowing needs an X server even for the offscreen tests; the end-to-end test starts
# one of its own.
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" ctest --preset windows
