#!/usr/bin/env bash
# Quillo's two commands: "run" builds and starts the IDE, "test" builds and
# runs every test. Both install the Debian packages they need first.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${QUILLO_BUILD_DIR:-$here/build}"

packages=(build-essential cmake ninja-build ccache pkg-config python3
          qt6-base-dev libqscintilla2-qt6-dev libgl-dev
          libgtest-dev libbenchmark-dev
          xvfb xauth xdotool imagemagick fonts-dejavu-core fuse-emulator-utils)

install_packages() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_all() {
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
    cmake --build "$build" -j "$(nproc)"
}

case "${1:-}" in
run)
    shift
    install_packages
    build_all
    exec "$build/quillo" "$@"
    ;;
test)
    install_packages
    build_all
    mkdir -p "$build/xdg-runtime" && chmod 700 "$build/xdg-runtime"
    cd "$build"
    QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$build/xdg-runtime" \
        ctest --output-on-failure -j "$(nproc)" --timeout 600
    ;;
*)
    echo "usage: $0 run [FILE...] | test" >&2
    exit 2
    ;;
esac
