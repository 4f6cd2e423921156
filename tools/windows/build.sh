#!/usr/bin/env bash
# make windows: the Windows program cross-built here, packaged as an installer, an MSI package and
# a portable zip in build/windows/, and its tests run under Wine: the library and window tests on
# Qt's offscreen platform, the packaged folders' imports, the signing, and the installer and the
# MSI with the installed program end to end. With NUMORA_SIGN_CERT and NUMORA_SIGN_KEY set, the
# program, the installer, its uninstaller and the MSI are signed (tools/windows/sign.sh).
# The first run builds Qt for Windows into the cache (tools/windows/setup.sh); later runs reuse it.
# Each stage says when it starts and how long it took.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/stage.sh
start=$SECONDS

qt_for_windows() {
  bash tools/setup.sh &&
    NUMORA_QT_WINDOWS="$(bash tools/windows/setup.sh --print-prefix | tail -n1)" &&
    [ -n "$NUMORA_QT_WINDOWS" ]
}
stage "Qt for Windows and the cross tools" qt_for_windows
export NUMORA_QT_WINDOWS

cross_build() {
  echo "against $NUMORA_QT_WINDOWS" &&
    cmake --preset windows >/dev/null &&
    cmake --build --preset windows
}
stage "cross-building Numora for Windows" cross_build

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)"
package="build/windows/Numora-$version-win64"
packaging() {
  { (cd build/windows && cpack --config CPackConfig.cmake >cpack.log 2>&1) ||
    { tail -n 40 build/windows/cpack.log >&2; false; }; } &&
    bash tools/windows/sign.sh "$package.exe"
}
stage "packaging" packaging

folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
msi_package() {
  unzip -q "$package.zip" -d "$folder" &&
    bash tools/windows/msi.sh "$folder/$(basename "$package")" "$version" "$package.msi" &&
    bash tools/windows/sign.sh "$package.msi" &&
    ls -l "$package.exe" "$package.msi" "$package.zip"
}
stage "the MSI package" msi_package

# Wine's windowing needs an X server even for the offscreen tests; the end-to-end test starts
# one of its own.
stage "the Windows tests under Wine" \
  xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" ctest --preset windows
echo "== make windows in all: $(stage_duration $((SECONDS - start)))"
