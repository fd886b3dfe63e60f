#!/usr/bin/env bash
# Start-up time and memory of Quillo: time from launch until the main window
# is first exposed under Xvfb, and its resident memory at that moment; the
# median of several runs with an empty program folder and no file.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build="${1:-$(dirname "$0")/../build}"
runs="${2:-11}"
exe="$(cd "$build" && pwd)/quillo"
[ -x "$exe" ] || { echo "no $exe: build first" >&2; exit 1; }

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/Quillo_Help"  # no "Missing Directory" box in the way
"$exe" >/dev/null 2>&1 & sleep 1; kill $! 2>/dev/null || true  # warm the file cache
times=()
rss=()
for _ in $(seq "$runs"); do
    rm -rf "$home/Quillo_Files" "$home/Quillo_Fonts" "$home/Quillo_Snippets"
    out=$(QUILLO_HOME="$home" QUILLO_STARTUP_PROBE=$(date +%s%N) "$exe" 2>/dev/null)
    times+=("$(awk '{print $2}' <<<"$out")")
    rss+=("$(awk '{print $4}' <<<"$out")")
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "runs: $runs"
echo "window exposed after (ms): ${times[*]}"
echo "median: $(median "${times[@]}") ms"
echo "resident memory (KiB): median $(median "${rss[@]}")"
