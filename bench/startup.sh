#!/usr/bin/env bash
# Start-up time and memory of Quillo: time from launch until the main window
# is mapped under Xvfb (median of several runs), and its resident memory.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build="${1:-$(dirname "$0")/../build}"
runs="${2:-9}"
exe="$build/quillo"
[ -x "$exe" ] || { echo "no $exe: build first" >&2; exit 1; }

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
times=()
rss=()
for _ in $(seq "$runs"); do
    rm -rf "${home:?}"/*
    start=$(date +%s%N)
    QUILLO_HOME="$home" "$exe" 2>/dev/null &
    pid=$!
    # Wait until a window of the process is mapped.
    until xdotool search --sync --onlyvisible --pid "$pid" --name "Quillo" >/dev/null 2>&1; do sleep 0.005; done
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000000 )))
    sleep 0.3
    rss+=($(awk '/VmRSS/ {print $2}' "/proc/$pid/status"))
    kill "$pid"; wait "$pid" 2>/dev/null || true
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "runs: $runs"
echo "window mapped after (ms): ${times[*]}  median $(median "${times[@]}")"
echo "resident memory (KiB):    ${rss[*]}  median $(median "${rss[@]}")"
