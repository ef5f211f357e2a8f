#!/bin/bash
# Builds the Debian package and checks it: dependencies read from the program's libraries,
# the program, its data tree, launcher, metadata and icons under /usr, and no maintainer
# scripts to run at install time.
#   deb_test.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1 id=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log") || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/velondo_*.deb)
echo "built $(basename "$deb")"

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6printsupport6 libsdl2-mixer-2.0-0 libc6 fonts-liberation; do
    [[ "$depends" == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
done
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/velondo ./usr/share/velondo/Velondo7/Dati/Velondo7.marker \
    ./usr/share/velondo/Velondo7/Piano/73do.wav ./usr/share/applications/$id.desktop \
    ./usr/share/metainfo/$id.metainfo.xml ./usr/share/icons/hicolor/48x48/apps/$id.png \
    ./usr/share/icons/hicolor/scalable/apps/$id.svg; do
    grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done
dpkg-deb -e "$deb" "$work/control"
for script in preinst postinst prerm postrm config; do
    [ ! -e "$work/control/$script" ] || fail "the package has a $script script"
done
echo "Depends: $depends"
