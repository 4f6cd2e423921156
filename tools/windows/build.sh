#!/usr/bin/env bash
# make windows: the Windows program cross-built here, packaged as an installer and a portable zip
# in build/windows/, and its tests run under Wine: the library and window tests on Qt's offscreen
# platform, the packaged folder's imports, and the installer and the installed program end to end.
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
ls -l build/windows/Numora-*-win64.exe build/windows/Numora-*-win64.zip

echo "== the Windows tests under Wine"
# Wine's windowing needs an X server even for the offscreen tests; the end-to-end test starts
# one of its own.
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" ctest --preset windows
