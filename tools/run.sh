#!/bin/sh
# make run: starts Pebblewire in a Wine prefix of its own. Without a display it starts a virtual
# X server, saves a screenshot of the running program and prints where.
set -eu
prefix=$1
build=$2
root=$(cd "$(dirname "$0")/.." && pwd)
support=$root/tests/support
exe=$build/src/pebblewire.exe
net=$build/src/netsend/net.exe
mkdir -p "$(dirname "$prefix")"
[ -f "$net" ] || cmake --build "$build" --target netsend_command >/dev/null

if [ -n "${DISPLAY:-}" ]; then
    export PW_KEEP_DISPLAY=1
fi
"$support/wine-fixture.sh" setup "$prefix"
export WINEPREFIX=$prefix
# The program runs from a folder of its own in the prefix with the project's net.exe beside it:
# it starts that one, which delivers for real, and the prefix's system32 keeps Wine's own.
folder=$prefix/drive_c/Pebblewire
mkdir -p "$folder"
cp "$exe" "$net" "$folder/"
exe=$folder/pebblewire.exe
. "$support/wine-env.sh"

if [ -n "${PW_KEEP_DISPLAY:-}" ]; then
    echo "Pebblewire runs; it sends with the project's net.exe"
    "$PW_WINE" "$exe"
    "$support/wine-fixture.sh" cleanup "$prefix"
    exit 0
fi

"$PW_WINE" "$exe" </dev/null >/dev/null 2>&1 &
pid=$!
sleep 4
shot=$root/build/pebblewire-screenshot.png
import -display "$DISPLAY" -window root "$shot"
echo "Screenshot of the running program: $shot"
kill "$pid" 2>/dev/null || true
"$support/wine-fixture.sh" cleanup "$prefix"
