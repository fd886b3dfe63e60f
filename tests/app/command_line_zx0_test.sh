#!/usr/bin/env bash
# "quillo --zx0 / --dzx0" as scripts use them: the real executable, no display.
set -euo pipefail
quillo="$1"
data="$(cd "$(dirname "$0")/.." && pwd)/data/zx0"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
run() { env -u DISPLAY -u WAYLAND_DISPLAY QUILLO_HOME="$work/home" "$quillo" "$@" >"$work/out" 2>"$work/err"; }

for dir in "" "-b"; do
    run --zx0 $dir "$data/screen-6912.scr" "$work/screen.zx0" || fail "--zx0 $dir: $(cat "$work/err")"
    ref="$data/screen-6912.scr.zx0"; [ -z "$dir" ] || ref="$data/screen-6912.scr.back.zx0"
    [ "$(stat -c %s "$work/screen.zx0")" -le "$(stat -c %s "$ref")" ] || fail "--zx0 $dir larger than the reference"
    run --dzx0 $dir "$work/screen.zx0" "$work/screen.scr" || fail "--dzx0 $dir: $(cat "$work/err")"
    cmp -s "$data/screen-6912.scr" "$work/screen.scr" || fail "--dzx0 $dir gave other bytes"
    run --dzx0 $dir "$ref" "$work/ref.scr" || fail "reference stream $dir: $(cat "$work/err")"
    cmp -s "$data/screen-6912.scr" "$work/ref.scr" || fail "reference stream $dir gave other bytes"
done

status=0; run --dzx0 "$data/random-2000.bin" "$work/x" || status=$?
[ "$status" -eq 1 ] || fail "a corrupt stream gave exit status $status"
grep -q "random-2000.bin: decompression failed" "$work/err" || fail "no message naming the file: $(cat "$work/err")"
[ ! -e "$work/x" ] || fail "output written for a corrupt stream"
status=0; run --zx0 "$work/missing.bin" "$work/x" || status=$?
[ "$status" -eq 1 ] || fail "a missing input gave exit status $status"
grep -q "missing.bin" "$work/err" || fail "no message naming the missing file"
: > "$work/empty.bin"
status=0; run --zx0 "$work/empty.bin" "$work/x" || status=$?
[ "$status" -eq 1 ] || fail "an empty input gave exit status $status"
status=0; run --zx0 -b "$work/empty.bin" || status=$?
[ "$status" -eq 2 ] || fail "a wrong command line gave exit status $status"
echo "command-line zx0: 1 passed, 0 failed"
