#!/bin/bash
# Regenerates every picture and sound of data/Velondo7 (Grafica, Piano,
# Suoni) and the application icons of packaging/icons from Debian packages,
# then checks the result.
#   tools/regenerate.sh            install what is missing, make, check
#   SKIP_INSTALL=1 tools/regenerate.sh   use the tools already installed
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
TOOLS=$ROOT/tools
DATA=$ROOT/data/Velondo7
# Debian's python carries PIL; a python earlier on PATH may not
PY=/usr/bin/python3

PACKAGES="fluidsynth fluid-soundfont-gm espeak-ng sox imagemagick
fonts-noto-core python3 python3-pil python3-fonttools"

if [ "${SKIP_INSTALL:-0}" != 1 ]; then
    missing=""
    for p in $PACKAGES; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null |
            grep -q 'install ok installed' || missing="$missing $p"
    done
    if [ -n "$missing" ]; then
        echo "installing:$missing"
        export DEBIAN_FRONTEND=noninteractive
        apt-get install -y -q $missing >/dev/null ||
            { apt-get update -q >/dev/null && apt-get install -y -q $missing >/dev/null; }
    fi
fi

mkdir -p "$DATA/Grafica" "$DATA/Piano" "$DATA/Suoni"

echo "pictures -> $DATA/Grafica"
"$PY" "$TOOLS/make_pictures.py" "$DATA/Grafica"
echo "piano samples -> $DATA/Piano"
"$PY" "$TOOLS/make_piano.py" "$DATA/Piano"
echo "voices and effects -> $DATA/Suoni"
"$PY" "$TOOLS/make_effects.py" "$DATA/Suoni"
echo "application icons -> $ROOT/packaging/icons"
"$PY" "$TOOLS/make_icons.py" "$ROOT/packaging/icons" it.velondo.Velondo

bash "$TOOLS/check_data.sh" "$DATA"
"$PY" "$TOOLS/test_data.py" "$DATA"
