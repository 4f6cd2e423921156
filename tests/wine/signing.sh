#!/usr/bin/env bash
# Signing as make windows does it when a school gives its certificate: with a code-signing
# certificate made here, tools/windows/sign.sh signs a copy of the program, of the installer and of
# the MSI, and each signature verifies against that certificate and names its publisher; without
# a certificate it leaves them unsigned.
#
#   signing.sh PACKAGE.zip INSTALLER.exe PACKAGE.msi
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

openssl req -x509 -newkey rsa:2048 -nodes -days 2 -keyout "$work/key.pem" -out "$work/cert.pem" \
  -subj "/O=Numora developers/CN=Numora test publisher" -addext extendedKeyUsage=codeSigning \
  2>/dev/null || fail "no certificate"
unzip -q -j "$1" '*/numora.exe' -d "$work"
cp "$2" "$work/installer.exe"
cp "$3" "$work/package.msi"
files=("$work/numora.exe" "$work/installer.exe" "$work/package.msi")

unset NUMORA_SIGN_CERT NUMORA_SIGN_KEY
bash "$here/tools/windows/sign.sh" "${files[@]}"
for file in "${files[@]}"; do
  osslsigncode verify -in "$file" >/dev/null 2>&1 && fail "$(basename "$file") signed without a certificate"
done

NUMORA_SIGN_CERT="$work/cert.pem" NUMORA_SIGN_KEY="$work/key.pem" \
  bash "$here/tools/windows/sign.sh" "${files[@]}"
for file in "${files[@]}"; do
  report=$(osslsigncode verify -CAfile "$work/cert.pem" -in "$file" 2>&1) \
    || { echo "$report"; fail "the signature of $(basename "$file") does not verify"; }
  grep -q "CN=Numora test publisher" <<<"$report" || fail "$(basename "$file") names another signer"
  echo "$(basename "$file"): signed by Numora test publisher, verified"
done
