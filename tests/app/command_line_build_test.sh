#!/usr/bin/env bash
# "quillo --build SOURCE" as users script it: the real executable, no display,
# the fake compiler, a project with a binary in bank 1 and a TZX tape.
set -euo pipefail
quillo="$1"
tests="$(cd "$(dirname "$0")/.." && pwd)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir -p "$work/home/Quillo_Files" "$work/home/Quillo_Help" "$work/my game"
printf '[Editor]\r\nCompilerZXB = %s\r\n' "$tests/fake_zxbc.py" > "$work/home/Quillo_Files/quillo.ini"
cp "$work/home/Quillo_Files/quillo.ini" "$work/settings.before"
printf '10 PRINT "HI"\n20 GOTO 10\n' > "$work/my game/game.bas"
printf '[Filenames]\r\nOutputFile = prog\r\n[Configuration]\r\nOutputType = 2\r\nPrgStart = 32768\r\n' \
    > "$work/my game/game.bas.cfg"
head -c 100 /dev/urandom > "$work/my game/music.bin"
python3 - "$work/my game" <<'PY'
import struct, sys
folder = sys.argv[1]
path = (folder + "/music.bin").encode()
desc = b"music"
rec = struct.pack("<iiBhQi", 0xC000, 100, 1, 0, 13, len(path)) + path + struct.pack("<i", len(desc)) + desc
open(folder + "/game.bas.bmi", "wb").write(struct.pack("<i", 1) + rec)
PY

status=0
out=$(env -u DISPLAY -u WAYLAND_DISPLAY QUILLO_HOME="$work/home" "$quillo" --build "$work/my game/game.bas" 2>"$work/err") || status=$?
[ "$status" -eq 0 ] || fail "exit status $status: $(cat "$work/err")"
grep -q -- "-> Done: Compilation successfull" <<<"$out" || fail "no success line in: $out"
tape="$work/my game/prog.tzx"
[ -s "$tape" ] || fail "no tape"
listing=$(tzxlist "$tape")
grep -q 'Program: "Loader    "' <<<"$listing" || fail "no loader block: $listing"
grep -qE '"Bank 17   " CODE +49152, 100' <<<"$listing" || fail "no bank block: $listing"
grep -qE '"Main      " CODE +32768' <<<"$listing" || fail "no main block: $listing"
grep -q "FAIL" <<<"$listing" && fail "bad checksum: $listing"
listbasic "$tape" | grep -q "RANDOMIZE USR" || fail "loader does not start the code"
[ -s "$work/my game/game.qlo.cfg" ] || fail "project file not saved with the source"
cmp -s "$work/settings.before" "$work/home/Quillo_Files/quillo.ini" || fail "settings file rewritten"

printf "10 PRINT\n' fake-stderr: {file}:1: error: Syntax Error\n' fake-exit: 1\n" > "$work/my game/bad.bas"
status=0
env -u DISPLAY QUILLO_HOME="$work/home" "$quillo" --build "$work/my game/bad.bas" >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 1 ] || fail "errors gave exit status $status"
grep -q "Errors occured" "$work/err" || fail "the message box did not reach standard error"
grep -q ":1: error: Syntax Error" "$work/out" || fail "compiler message missing"

# A compiler that never ends: stopped by --timeout, by the usual signals,
# and never left running behind us, even when we are killed outright.
printf '10 PRINT\n' > "$work/my game/hang.bas"
compiler_gone() {
    local pid
    pid=$(python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["pid"])' "$work/record.json")
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
    fail "the compiler $pid is still running after $1"
}
hang_build() {
    rm -f "$work/record.json"
    env -u DISPLAY FAKE_ZXBC_MODE=hang FAKE_ZXBC_RECORD="$work/record.json" QUILLO_HOME="$work/home" \
        "$quillo" --build "$@" >"$work/out" 2>"$work/err" &
    quillo_pid=$!
    for _ in $(seq 100); do [ -s "$work/record.json" ] && return 0; sleep 0.1; done
    fail "the compiler did not start"
}
status=0
env -u DISPLAY FAKE_ZXBC_MODE=hang FAKE_ZXBC_RECORD="$work/record.json" QUILLO_HOME="$work/home" \
    "$quillo" --build --timeout 1 "$work/my game/hang.bas" >/dev/null 2>"$work/err" || status=$?
[ "$status" -eq 124 ] || fail "--timeout gave exit status $status"
grep -q "did not finish within 1 seconds" "$work/err" || fail "no timeout message: $(cat "$work/err")"
compiler_gone "--timeout"
for signal in TERM INT HUP; do
    hang_build "$work/my game/hang.bas"
    kill -s "$signal" "$quillo_pid"
    status=0
    wait "$quillo_pid" || status=$?
    expected=$((128 + $(kill -l "$signal")))
    [ "$status" -eq "$expected" ] || fail "SIG$signal gave exit status $status, not $expected"
    compiler_gone "SIG$signal"
done
hang_build "$work/my game/hang.bas"
kill -KILL "$quillo_pid"
wait "$quillo_pid" || true
compiler_gone "SIGKILL"

# A file size limit fails the tape write with a message instead of killing us.
# The compiled file fits in 1 KiB, the tape with its loader does not.
printf "10 PRINT\n' fake-size: 900\n" > "$work/my game/limit.bas"
status=0
(ulimit -f 1; env -u DISPLAY QUILLO_HOME="$work/home" "$quillo" --build "$work/my game/limit.bas" \
    >"$work/out" 2>"$work/err") || status=$?
[ "$status" -ne $((128 + 25)) ] || fail "killed by SIGXFSZ"
grep -q "File too large" "$work/out" "$work/err" || fail "no file-size message: $(cat "$work/out" "$work/err")"

printf '[Editor]\r\nCompilerZXB = /nowhere/zxbc\r\n' > "$work/home/Quillo_Files/quillo.ini"
status=0
env -u DISPLAY QUILLO_HOME="$work/home" "$quillo" --build "$work/my game/game.bas" >/dev/null 2>&1 || status=$?
[ "$status" -ne 0 ] || fail "a missing compiler reported success"
echo "command-line build: 1 passed, 0 failed"
