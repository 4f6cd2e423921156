#!/usr/bin/env bash
# Makes the program's own Arabic face, resources/fonts/NumoraArabic-{Regular,Bold}.ttf, from
# Harmattan (SIL OFL 1.1): only the letters of Arabic (U+0600 to U+0671, Farsi yeh, the full stop,
# the extended digits), their basic presentation forms, Latin-1, the general punctuation, the
# superscripts, number forms and mathematical operators, with every layout feature the remaining
# glyphs use and without the Graphite tables Qt never reads. Harmattan's many letters of West
# African languages carry most of its positioning table, which Qt copies for each size it draws;
# without them the program needs about 4 MB less at its main menu (bench/startup.sh). "Harmattan"
# is a Reserved Font Name of the licence, so the modified face has a name of its own.
#
#   tools/fonts/arabic-subset.sh [HARMATTAN_DIR]   (default: Debian's fonts-sil-harmattan)
#
# Needs fontTools: Debian's python3-fonttools, for Debian's own Python.
set -euo pipefail

source_dir=${1:-/usr/share/fonts/truetype/harmattan}
root=$(cd "$(dirname "$0")/../.." && pwd)
letters="U+0020-007E,U+00A0-00FF,U+0600-0671,U+06CC,U+06D4,U+06F0-06F9,U+FE70-FEFF,\
U+200C-200F,U+2010-2027,U+2066-2069,U+2070-209F,U+2150-218F,U+2200-22FF,U+25CC"

for weight in Regular Bold; do
  out="$root/resources/fonts/NumoraArabic-$weight.ttf"
  /usr/bin/python3 -m fontTools.subset "$source_dir/Harmattan-$weight.ttf" --unicodes="$letters" \
    --layout-features='*' --drop-tables+=Silf,Glat,Gloc,Feat,Sill,Silt --output-file="$out"
  /usr/bin/python3 - "$out" "$weight" <<'PY'
import sys
from fontTools.ttLib import TTFont

path, weight = sys.argv[1], sys.argv[2]
font = TTFont(path)
for record in font["name"].names:
    if record.nameID in (1, 3, 4, 16, 17, 18, 21, 22):
        record.string = record.toUnicode().replace("Harmattan", "Numora Arabic")
    elif record.nameID == 6:
        record.string = "NumoraArabic-" + weight
font.save(path)
PY
done
