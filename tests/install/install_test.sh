#!/bin/bash
# Installs into a temporary prefix and checks what a desktop finds there: the launcher and
# the metadata validate, the icons and the program are where they name each other, the
# program answers --version and --help, and every picture and sound it names is installed.
#   install_test.sh BUILD_DIR UNIT_TESTS APP_ID
set -euo pipefail
build=$1 unit_tests=$2 id=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
desktop-file-validate "$desktop" || fail "launcher does not validate"
appstreamcli validate --no-net "$metainfo" || fail "metadata does not validate"

# The launcher starts the installed program and shows the installed icon.
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ -x "$prefix/bin/${exec_line%% *}" ] || fail "Exec=$exec_line is not in bin/"
[ "$(sed -n 's/^Icon=//p' "$desktop")" = "$id" ] || fail "Icon= is not $id"
grep -q "^Categories=Education;Music;" "$desktop" || fail "categories"
for lang in "" "\[it\]"; do
    grep -q "^Name$lang=" "$desktop" && grep -q "^Comment$lang=" "$desktop" ||
        fail "name and comment$lang"
done
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not name the launcher"
for size in 48 128 256; do
    png=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
    [ -f "$png" ] || fail "missing $png"
    # width and height: big-endian words at bytes 16 and 20 of the PNG header
    read -r w h < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [ "$w $h" = "$size $size" ] || fail "$png is $w x $h, not $size px"
done
grep -q "<svg" "$prefix/share/icons/hicolor/scalable/apps/$id.svg" || fail "scalable icon"

# One line each, then exit 0; no window is needed for either.
for option in --version --help; do
    out=$(env -u DISPLAY QT_QPA_PLATFORM=none "$prefix/bin/velondo" $option) ||
        fail "velondo $option exits with $?"
    [ "$(printf '%s\n' "$out" | wc -l)" = 1 ] && [ -n "$out" ] || fail "velondo $option: '$out'"
done
[[ "$("$prefix/bin/velondo" --version)" =~ ^velondo\ [0-9]+\.[0-9]+ ]] || fail "version line"
status=0
QT_QPA_PLATFORM=offscreen "$prefix/bin/velondo" --nessuna 2>/dev/null || status=$?
[ "$status" = 2 ] || fail "an unknown option gives $status, not 2"

# Every picture and sound the program names, below the installed data root.
VELONDO_SHIPPED_DATA=$prefix/share/velondo/ "$unit_tests" --gtest_filter='ShippedData.*' \
    --gtest_brief=1 || fail "the installed data tree lacks files the program names"
[ -f "$prefix/share/velondo/Velondo7/Dati/Velondo7.marker" ] || fail "marker"
echo "installed and valid: $prefix"
