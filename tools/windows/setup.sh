#!/usr/bin/env bash
# Everything the Windows build needs on this Linux machine: the MinGW-w64 cross compiler, NSIS,
# wixl and msitools (the MSI), osslsigncode and openssl (signing), Wine and Xvfb from Debian, and
# Qt for Windows built once from Debian's own qtbase source into a cache outside the clone.
#
# Idempotent and quiet when everything is there. The cache lives in $NUMORA_WINDOWS_CACHE
# (/var/cache/numora by default); each Qt build sits in a folder named after the Qt version and a
# hash of its options and toolchain, is built under a temporary name and is moved into place only
# once installed completely, so an interrupted build never leaves a half cache behind.
#
# Prints the Qt prefix on the last line of stdout when asked with --print-prefix.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
print_prefix=false
[ "${1:-}" = --print-prefix ] && print_prefix=true

say() { echo "windows-setup: $*" >&2; }
source "$here/../stage.sh"
# Says that a step of the set-up is done and how long it took since the last one.
step_start=$SECONDS
step_done() { say "$1 in $(stage_duration $((SECONDS - step_start)))"; step_start=$SECONDS; }

if [ "$(id -u)" -eq 0 ]; then sudo=(); elif command -v sudo >/dev/null 2>&1; then sudo=(sudo); else sudo=(false); fi

# ---- Debian packages
packages=(
  g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
  nsis wixl msitools osslsigncode openssl wine wine64 xvfb xauth xdotool x11-utils
  qt6-base-dev-tools qt6-base-dev cmake ninja-build dpkg-dev
  googletest zip unzip imagemagick fonts-noto-core fonts-dejavu-core
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  say "installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  step_done "installed"
fi

# ---- Qt for Windows
qt_version="$(dpkg-query -W -f='${Version}' qt6-base-dev-tools | sed 's/+.*//; s/-.*//')"
# Only the modules and features the program and its tests use. The Direct2D platform plugin goes
# (direct2d1_1), not the direct2d feature itself, which also gates DirectWrite's font engine that
# the print support links; FreeType stays, as the offscreen platform of the tests is built on it.
qt_options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
  -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF
  -DFEATURE_tabletevent=OFF -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF -DFEATURE_testlib=ON
  -DFEATURE_direct2d1_1=OFF -DFEATURE_gif=OFF
  -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF -DFEATURE_textodfwriter=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_freetype=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_png=OFF
  -DFEATURE_system_doubleconversion=OFF
)
key="$( { printf '%s\n' "$qt_version" "${qt_options[@]}"; cat "$here/mingw-toolchain.cmake"; } | sha256sum | cut -c1-12)"
cache="${NUMORA_WINDOWS_CACHE:-/var/cache/numora}"
prefix="$cache/qt-$qt_version-mingw64-$key"

if [ ! -f "$prefix/.complete" ]; then
  "${sudo[@]}" mkdir -p "$cache"
  [ -w "$cache" ] || "${sudo[@]}" chown "$(id -u):$(id -g)" "$cache"
  work="$cache/work-$qt_version-$key"
  log="$cache/qt-$qt_version-mingw64-$key.log"
  mkdir -p "$work"
  say "building Qt $qt_version for Windows into $prefix (about 25 minutes on 2 free cores, once)"
  step_start=$SECONDS
  say "log: $log"
  : >"$log"

  # The source, through a private apt configuration with a deb-src line of its own: the system's
  # package lists stay as they are.
  src="$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' 2>/dev/null | head -n1)"
  if [ -z "$src" ] || [ ! -f "$src/CMakeLists.txt" ]; then
    say "fetching the qt6-base source package"
    apt="$work/apt"
    mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial"
    cat >"$apt/sources.list" <<SOURCES
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian-security bookworm-security main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm-updates main
SOURCES
    aptopts=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=-"
             -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o "APT::Sandbox::User=root")
    apt-get "${aptopts[@]}" update >>"$log" 2>&1
    (cd "$work" && apt-get "${aptopts[@]}" source "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)" >>"$log" 2>&1 \
      || apt-get "${aptopts[@]}" source qt6-base >>"$log" 2>&1)
    src="$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)"
    step_done "fetched and unpacked"
  fi

  build="$work/build"
  mkdir -p "$build"
  say "configuring (source $src)"
  cmake -S "$src" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "${qt_options[@]}" >>"$log" 2>&1 || { say "configure failed, see $log"; tail -n 30 "$log" >&2; exit 1; }
  step_done "configured"

  say "compiling"
  ( cmake --build "$build" >>"$log" 2>&1; echo $? >"$work/build.rc" ) &
  builder=$!
  while kill -0 "$builder" 2>/dev/null; do
    sleep 30
    step="$(grep -ao '^\[[0-9]*/[0-9]*\]' "$log" | tail -n1 || true)"
    [ -n "$step" ] && say "compiling $step"
  done
  wait "$builder" || true
  if [ "$(cat "$work/build.rc")" != 0 ]; then say "compiling failed, see $log"; tail -n 30 "$log" >&2; exit 1; fi
  step_done "compiled"

  say "installing"
  stage="$cache/.staging-$key"
  rm -rf "$stage"
  DESTDIR="$stage" cmake --install "$build" >>"$log" 2>&1
  rm -rf "$prefix"
  mv "$stage$prefix" "$prefix"
  rm -rf "$stage"
  touch "$prefix/.complete"
  rm -rf "$work"
  step_done "installed"
  say "Qt for Windows is ready in $prefix"
fi
$print_prefix && echo "$prefix"
exit 0
