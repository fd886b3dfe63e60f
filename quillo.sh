#!/usr/bin/env bash
# Quillo's commands: "run" builds and starts the IDE, "test" builds and runs
# every test ("test --sanitize": the same under AddressSanitizer, LeakSanitizer
# and UBSan, in a build folder of its own), "fuzz" runs every fuzz target for
# a short time on its seed corpus. Each installs the Debian packages it needs.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${QUILLO_BUILD_DIR:-$here/build}"

packages=(build-essential cmake ninja-build ccache pkg-config python3
          qt6-base-dev libqscintilla2-qt6-dev libgl-dev
          libgtest-dev libbenchmark-dev
          xvfb xauth xdotool imagemagick fonts-dejavu-core fuse-emulator-utils)
fuzz_packages=(clang libclang-rt-14-dev)

install_packages() {
    local missing=()
    for p in "$@"; do
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
    local dir="$1"
    shift
    cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
    cmake --build "$dir" -j "$(nproc)"
}

run_tests() {
    local dir="$1"
    mkdir -p "$dir/xdg-runtime" && chmod 700 "$dir/xdg-runtime"
    cd "$dir"
    QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$dir/xdg-runtime" \
        ctest --output-on-failure -j "$(nproc)" --timeout 600
}

run_fuzz() {
    local dir="${QUILLO_FUZZ_BUILD_DIR:-$here/build-fuzz}"
    local seconds="${QUILLO_FUZZ_SECONDS:-20}"
    cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++ \
        -DQUILLO_FUZZ=ON -DQUILLO_BENCH=OFF
    cmake --build "$dir" --target quillo_fuzz -j "$(nproc)"
    local work
    work=$(mktemp -d)
    trap 'rm -rf "$work"' RETURN
    for target in "$dir"/tests/fuzz/*_fuzz; do
        local name corpus
        name=$(basename "$target")
        # New inputs go to a scratch copy: the seed corpus in the tree stays as it is.
        corpus="$work/$name"
        mkdir -p "$corpus"
        [ -d "$here/tests/fuzz/corpus/$name" ] && cp -r "$here/tests/fuzz/corpus/$name/." "$corpus/"
        echo "Fuzzing $name for ${seconds}s"
        "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=0 \
            -artifact_prefix="$work/$name-" "$corpus" 2>"$work/$name.log" || {
            tail -40 "$work/$name.log" >&2
            local kept="$here/tests/data/fuzz/${name%_fuzz}"
            echo "FAIL: $name found a problem; the input is kept in $kept/ for the regression test" >&2
            mkdir -p "$kept"
            cp "$work/$name-"* "$kept/" 2>/dev/null || true
            return 1
        }
        grep -E "^#[0-9]+ +DONE" "$work/$name.log" || tail -1 "$work/$name.log"
    done
}

case "${1:-}" in
run)
    shift
    install_packages "${packages[@]}"
    build_all "$build"
    exec "$build/quillo" "$@"
    ;;
test)
    install_packages "${packages[@]}"
    if [ "${2:-}" = "--sanitize" ]; then
        dir="${QUILLO_SANITIZE_BUILD_DIR:-$here/build-sanitize}"
        build_all "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLO_SANITIZE=ON -DQUILLO_BENCH=OFF
        export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
        export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
        run_tests "$dir"
    else
        build_all "$build"
        run_tests "$build"
    fi
    ;;
fuzz)
    install_packages "${packages[@]}" "${fuzz_packages[@]}"
    run_fuzz
    ;;
*)
    echo "usage: $0 run [FILE...] | test [--sanitize] | fuzz" >&2
    exit 2
    ;;
esac
