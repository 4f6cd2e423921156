#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Numora needs.
# and the locales the tests run in. Idempotent: quiet when everything is already there. Runs as
# root, or through sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libx11-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-dev clang-format
  dpkg-dev desktop-file-utils appstream
  xvfb xauth xdotool x11-utils
  python3-pyatspi at-spi2-core dbus-x11 orca speech-dispatcher
  qt6-translations-l10n
  fonts-noto-core fonts-dejavu-core fontconfig fonts-liberation2 fonts-sil-harmattan
  locales poppler-utils
)
# The regions whose digits and separators the tests and the screenshots write numbers in.
locales=(ar_EG.UTF-8 ar_MA.UTF-8 ar_TN.UTF-8 en_US.UTF-8)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
available=$(locale -a 2>/dev/null | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
ungenerated=()
for l in "${locales[@]}"; do
  grep -qx "$(echo "$l" | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')" <<<"$available" || ungenerated+=("$l")
done
[ ${#missing[@]} -eq 0 ] && [ ${#ungenerated[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "setup: missing and neither root nor sudo is available: ${missing[*]} ${ungenerated[*]}" >&2
  exit 1
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if [ ${#ungenerated[@]} -gt 0 ]; then
  echo "setup: generating the locales ${ungenerated[*]}"
  for l in "${ungenerated[@]}"; do
    "${sudo[@]}" sed -i -E "s/^# *(${l} UTF-8)/\\1/" /etc/locale.gen
    grep -q "^${l} UTF-8" /etc/locale.gen || echo "${l} UTF-8" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
  done
  "${sudo[@]}" locale-gen >/dev/null
fi
