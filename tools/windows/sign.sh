#!/usr/bin/env bash
# Signs Windows programs and packages in place with osslsigncode (Authenticode, SHA-256), so
# that a school's AppLocker or WDAC rules can trust their publisher:
#   sign.sh FILE...
# The certificate and its private key are given by NUMORA_SIGN_CERT and NUMORA_SIGN_KEY (PEM or
# DER files); NUMORA_SIGN_TIMESTAMP may name a time-stamping server. Without a certificate this
# signs nothing and succeeds, so that builds without one go on unsigned.
set -euo pipefail
if [ -z "${NUMORA_SIGN_CERT:-}" ]; then exit 0; fi
: "${NUMORA_SIGN_KEY:?NUMORA_SIGN_CERT is set, so NUMORA_SIGN_KEY must name its private key}"
for file in "$@"; do
  options=(-certs "$NUMORA_SIGN_CERT" -key "$NUMORA_SIGN_KEY" -h sha256 -n Numora
           -i https://numora.example.com)
  [ -n "${NUMORA_SIGN_TIMESTAMP:-}" ] && options+=(-ts "$NUMORA_SIGN_TIMESTAMP")
  osslsigncode sign "${options[@]}" -in "$file" -out "$file.signed" >/dev/null
  mv "$file.signed" "$file"
  echo "signed $(basename "$file")"
done
