#!/bin/bash
# Checks that every picture and sound the program loads is present under
# data/Velondo7, non-empty and of the right kind (GIF, JPEG or RIFF WAVE).
# Needs only coreutils.  Exits non-zero when anything is missing.
#   tools/check_data.sh [DATA_DIR]   (default: data/Velondo7 of this repo)
set -u

DATA=${1:-$(cd "$(dirname "$0")/.." && pwd)/data/Velondo7}
bad=0
count=0

fail() {   # the first few are named, the rest only counted
    [ "$bad" -lt 10 ] && echo "MISSING OR BAD: $1 ($2)" >&2
    bad=$((bad + 1))
}

check() {   # path kind
    local f=$DATA/$1 head
    count=$((count + 1))
    if [ ! -s "$f" ]; then fail "$1" "absent or empty"; return; fi
    case $2 in
        gif) head=$(head -c 4 "$f")
             [ "$head" = GIF8 ] || fail "$1" "not a GIF" ;;
        jpg) head=$(head -c 3 "$f" | od -An -tx1 | tr -d ' \n')
             [ "$head" = ffd8ff ] || fail "$1" "not a JPEG" ;;
        wav) [ "$(head -c 4 "$f")" = RIFF ] &&
             [ "$(head -c 12 "$f" | tail -c 4)" = WAVE ] ||
                 fail "$1" "not a WAV" ;;
    esac
}

for p in $(seq -w 1 31); do
    for suffix in "" di be dd db; do
        check "Grafica/$p$suffix.gif" gif
    done
done
for c in 1 2 3 4 5 6 7; do
    check "Grafica/Ch0$c.gif" gif
done
check Grafica/Tavola.gif gif
check Grafica/Logo.jpg jpg
check Grafica/Schermata.jpg jpg

names=(do do# re re# mi fa fa# sol sol# la la# si)
for n in $(seq 1 73); do
    check "$(printf 'Piano/%02d%s.wav' "$n" "${names[$(((n - 1) % 12))]}")" wav
done

for f in CLICK.WAV Tic.WAV Avviso.wav No.wav Vai1.wav Vai2.wav Vai3.wav \
         Intro.wav Record.wav Fine.wav Class.wav Tosse.WAV Benvenuto.wav; do
    check "Suoni/$f" wav
done

if [ "$bad" -ne 0 ]; then
    echo "check_data: $bad of $count files missing or bad under $DATA" >&2
    exit 1
fi
echo "check_data: all $count files present under $DATA"
