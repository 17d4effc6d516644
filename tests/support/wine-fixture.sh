#!/bin/sh
# Test fixture: `setup PREFIX NET_EXE` makes the Windows 2000 prefix (32-bit, or 64-bit for
# PW_WINE_ARCH=win64) once (and reuses it),
# runs every program in a virtual desktop with taskbar and notification area, starts a virtual X
# server unless a display is given, keeps a persistent wineserver and installs the net.exe
# recorder. `cleanup PREFIX` stops the server and the X server.
set -eu
action=$1
WINEPREFIX=$2
export WINEPREFIX
support=$(cd "$(dirname "$0")" && pwd)
. "$support/wine-env.sh"
fail() {
    echo "wine fixture: $*" >&2
    exit 1
}

start_x_server() {
    if [ -n "${PW_KEEP_DISPLAY:-}" ] && [ -n "${DISPLAY:-}" ]; then
        echo "$DISPLAY" > "$WINEPREFIX.display"
        return
    fi
    if [ -f "$WINEPREFIX.display" ] && [ -f "$WINEPREFIX.xpid" ] && kill -0 "$(cat "$WINEPREFIX.xpid")" 2>/dev/null; then
        return
    fi
    # Another run may take the same free number at the same moment: the server that holds the
    # number's lock file is the one that got it; the other tries the next number.
    n=90
    while :; do
        while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        pid=$!
        i=0
        while kill -0 $pid 2>/dev/null && [ ! -e "/tmp/.X11-unix/X$n" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
        [ "$(tr -d ' \n' < "/tmp/.X$n-lock" 2>/dev/null)" = "$pid" ] && kill -0 $pid 2>/dev/null && break
        kill $pid 2>/dev/null || true
        n=$((n + 1))
    done
    echo $pid > "$WINEPREFIX.xpid"
    echo ":$n" > "$WINEPREFIX.display"
}

# The program's log-on entry, left in the prefix by an earlier run, goes before the session starts:
# the session's start would run it, and that hidden instance would take over the tests' starts.
configure_prefix() {
    reg="$WINEPREFIX.setup.reg"
    cat > "$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine]
"Version"="win2k"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="shell"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"shell"="1024x768"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops\shell]
"EnableShell"=dword:00000001

[HKEY_CURRENT_USER\Software\Wine\DllOverrides]
"winemenubuilder.exe"=""

[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run]
"Pebblewire"=-
REG
    # Tests and the benchmark start with no instance: a Run value that a first run or a scenario
    # left would have the log-on below start one in the background.
    if [ -n "${PW_NO_LOGON_START:-}" ]; then
        printf '\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]\n"Pebblewire"=-\n' >> "$reg"
    fi
    "$PW_WINE" regedit /S "$("$PW_WINE" winepath -w "$reg" 2>/dev/null)" >/dev/null 2>&1 ||
        fail "regedit could not write the prefix's settings ($WINEARCH, $WINEPREFIX)"
    rm -f "$reg"
}

case $action in
setup)
    # A server left persistent by an interrupted run would keep `wineserver -w` waiting forever.
    "$PW_WINESERVER" -k 2>/dev/null || true
    start_x_server
    DISPLAY=$(cat "$WINEPREFIX.display")
    export DISPLAY
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$WINEPREFIX"
        "$PW_WINE" wineboot -i >/dev/null 2>&1 || fail "wineboot could not make the prefix ($WINEARCH, $WINEPREFIX)"
        "$PW_WINESERVER" -w
    fi
    # Wine's own fonts (Tahoma, MS Sans Serif, Marlett for the caption buttons ...) are not found
    # where this Wine looks for them: give the prefix a copy.
    for font in /usr/share/wine/fonts/*; do
        [ -e "$WINEPREFIX/drive_c/windows/Fonts/${font##*/}" ] || cp "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
    done
    # Every run: the settings may have changed since the prefix was made.
    configure_prefix
    "$PW_WINESERVER" -w
    "$PW_WINESERVER" -p </dev/null >/dev/null 2>&1
    # Start the prefix's background services now, detached from the test runner's pipes.
    "$PW_WINE" wineboot </dev/null >/dev/null 2>&1
    if [ -n "${3:-}" ]; then
        cp "$3" "$WINEPREFIX/drive_c/windows/system32/net.exe"
    fi
    ;;
cleanup)
    "$PW_WINESERVER" -k 2>/dev/null || true
    if [ -f "$WINEPREFIX.xpid" ]; then
        kill "$(cat "$WINEPREFIX.xpid")" 2>/dev/null || true
        rm -f "$WINEPREFIX.xpid" "$WINEPREFIX.display"
    fi
    ;;
*)
    echo "usage: $0 setup|cleanup PREFIX [NET_EXE]" >&2
    exit 2
    ;;
esac
