#!/usr/bin/env bash
# The Windows program's folder as an MSI package (resources/windows/numora.wxs), with wixl:
#   msi.sh FOLDER VERSION OUTPUT.msi
# FOLDER is the program's folder as the zip holds it; its numora.ini, which makes the zip's copy
# keep its settings beside it, stays out of the package. The ProductCode is derived from the version
# (a name-based UUID under the UpgradeCode), so that one version always has the same code and
# every other version another. The end-to-end test builds a later version from the same folder.
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
folder="$(cd "$1" && pwd)" version=$2 output=$3

wxs="$here/resources/windows/numora.wxs"
upgrade_code=$(sed -n 's/.*UpgradeCode="\([0-9A-F-]*\)".*/\1/p' "$wxs")
product_code=$(python3 -c 'import sys, uuid
print(str(uuid.uuid5(uuid.UUID(sys.argv[1]), "Numora " + sys.argv[2])).upper())' \
  "$upgrade_code" "$version")

output="$(cd "$(dirname "$3")" && pwd)/$(basename "$3")"
# wixl takes the files' sources relative to where it runs.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ln -s "$folder" "$work/program"
ln -s "$here/resources/pictures/numora.ico" "$work/numora.ico"
cd "$work"
find -L program -type f ! -path program/numora.exe ! -path program/numora.ini | LC_ALL=C sort \
  | wixl-heat -p program/ --var var.Folder --directory-ref INSTALLDIR --component-group Files \
      --win64 >files.wxs
wixl --arch x64 -D Win64=yes -D Folder=program -D Version="$version" \
  -D ProductCode="$product_code" -D Publisher="Numora developers" \
  -D Description="School-mathematics helper with an Arabic user interface" \
  -D Icon=numora.ico -o "$output" "$wxs" files.wxs
# wixl makes every custom action deferred; the one that sets the entry's InstallLocation sets a
# property, which only an immediate action can.
msibuild "$output" -q "UPDATE \`CustomAction\` SET \`Type\` = 51 WHERE \`Action\` = 'SetInstallLocation'"
# The components of the computer's defaults (named after their properties, NUMORA_...) are
# installed where their property is given (or kept from the version replaced) and removed with
# the package: wixl writes no condition
# on a component, so it is written here. The properties are secure too, so that they reach the
# installation where it runs with the administrator's rights for a user who has none.
properties=$(sed -n 's/^ *<Component Id="\(NUMORA_[A-Z]*\)".*/\1/p' "$wxs")
[ -n "$properties" ] || { echo "msi.sh: no NUMORA_ component in $wxs" >&2; exit 1; }
# The actions that take a value the earlier version wrote set a property, as SetInstallLocation.
for property in $properties; do
  msibuild "$output" -q "UPDATE \`Component\` SET \`Condition\` = '$property OR REMOVE' WHERE \`Component\` = '$property'"
  msibuild "$output" -q "UPDATE \`CustomAction\` SET \`Type\` = 51 WHERE \`Action\` = 'Keep_$property'"
done
secure=$(msiinfo export "$output" Property | tr -d '\r' | sed -n 's/^SecureCustomProperties\t//p')
secure="${secure:+$secure;}$(tr '\n' ';' <<<"$properties" | sed 's/;$//')"
msibuild "$output" -q "DELETE FROM \`Property\` WHERE \`Property\` = 'SecureCustomProperties'"
msibuild "$output" -q "INSERT INTO \`Property\` (\`Property\`, \`Value\`) VALUES ('SecureCustomProperties', '$secure')"
