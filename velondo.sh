#!/usr/bin/env bash
# ./velondo.sh run   installs what is missing, builds and starts Velondo
# ./velondo.sh test  installs what is missing, builds and runs every test
set -euo pipefail
cd "$(dirname "$0")"

# What building, running and testing need (the data generators install their own).
PACKAGES=(cmake g++ make pkg-config ccache qt6-base-dev libgl-dev libsdl2-mixer-dev
          librtmidi-dev jackd2 libgtest-dev fonts-liberation dpkg-dev desktop-file-utils
          appstream strace clang-format poppler-utils)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

build() {
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build -j"$(nproc)"
}

case "${1:-}" in
run)
    install_missing
    build
    exec ./build/view/velondo
    ;;
test)
    install_missing
    # Headless from the build on: test programs are listed by running them, and the
    # ones that draw with Qt need a platform even then.
    export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
    export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
    build
    cd build && ctest --output-on-failure -j"$(nproc)"
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
