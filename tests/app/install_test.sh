#!/usr/bin/env bash
# An installation into a temporary prefix, used as a user would: the command
# on PATH, the help pages found beside the program, and the user's folders in
# $XDG_CONFIG_HOME/quillo because the installed folder is read-only.
set -euo pipefail
build="$1"
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/usr" >/dev/null
[ -L "$work/usr/bin/quillo" ] || fail "no quillo on PATH"
[ -f "$work/usr/share/applications/quillo.desktop" ] || fail "no desktop entry"
[ -f "$work/usr/share/icons/hicolor/64x64/apps/quillo.png" ] || fail "no icon"
[ -f "$work/usr/lib/quillo/Quillo_Help/index.html" ] || fail "no help pages beside the program"
chmod -R a-w "$work/usr"

tests="$(cd "$(dirname "$0")/.." && pwd)"
mkdir -p "$work/game" "$work/config" "$work/home"
# Root may write anywhere, read-only or not: run as an ordinary user then.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    chmod 755 "$work"
    chmod 777 "$work/game" "$work/config" "$work/home"
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
run() { "${as_user[@]}" env -u QUILLO_HOME HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/home" "$@"; }

# The window starts (and ends at once once shown) and makes the user's folders.
run env QT_QPA_PLATFORM=offscreen QUILLO_STARTUP_PROBE="$(date +%s%N)" timeout 60 "$work/usr/bin/quillo" \
    >"$work/out" 2>"$work/err" || fail "the installed program did not start: $(cat "$work/err")"
for folder in Quillo_Files Quillo_Fonts Quillo_Snippets; do
    [ -d "$work/config/quillo/$folder" ] || fail "no $folder in XDG_CONFIG_HOME/quillo"
done
[ ! -e "$work/usr/lib/quillo/Quillo_Files" ] || fail "wrote into the installed folder"

# The settings come from there too: the command-line build finds its compiler.
printf '[Editor]\r\nCompilerZXB = %s\r\n' "$tests/fake_zxbc.py" > "$work/config/quillo/Quillo_Files/quillo.ini"
printf '10 PRINT 1\n' > "$work/game/game.bas"
run env -u DISPLAY "$work/usr/bin/quillo" --build "$work/game/game.bas" >"$work/out" 2>"$work/err" \
    || fail "build from the installed program: $(cat "$work/err")"
[ -s "$work/game/output.tap" ] || fail "no tape"
echo "installation: 1 passed, 0 failed"
