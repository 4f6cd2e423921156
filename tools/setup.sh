#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Numora needs.
# Idempotent: quiet when everything is already there. Runs as root, or through sudo.
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
  poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "setup: these packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
  exit 1
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
