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
# Waits (up to a minute: a fresh prefix is slow) until a window of the program is on the screen.
shown() {
    xwininfo -display "$DISPLAY" -root -tree 2>/dev/null | grep -o '^ *0x[0-9a-f]* "[^"]*Pebblewire[^"]*"' |
        awk '{print $1}' | while read -r id; do
            xwininfo -display "$DISPLAY" -id "$id" 2>/dev/null | grep -q 'IsViewable' && echo "$id"
        done | grep -q .
}
tries=0
until shown; do
    tries=$((tries + 1))
    if [ "$tries" -ge 600 ] || ! kill -0 "$pid" 2>/dev/null; then
        echo "No window of Pebblewire appeared; the screenshot shows what there is" >&2
        break
    fi
    sleep 0.1
done
sleep 1  # lets the window paint
shot=$root/build/pebblewire-screenshot.png
import -display "$DISPLAY" -window root "$shot"
echo "Screenshot of the running program: $shot"
kill "$pid" 2>/dev/null || true
"$support/wine-fixture.sh" cleanup "$prefix"
