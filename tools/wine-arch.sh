#!/bin/sh
# Which build the Wine tests, `make run` and `make bench` use on this host: prints `win32` where
# the host runs 32-bit programs (it starts the 32-bit Wine loader to find out), else `win64`, the
# x86-64 build under 64-bit Wine. PW_ARCH=win64 (or win32) chooses instead. The answer, in words,
# goes to standard error. PW_WINE32_LOADER names another loader to try (for its test).
set -u
loader=${PW_WINE32_LOADER:-/usr/lib/wine/wine}
case ${PW_ARCH:-} in
win64) arch=win64 why="x86-64 (PW_ARCH=win64)" ;;
win32) arch=win32 why="32-bit (PW_ARCH=win32)" ;;
"")
    if [ ! -x "$loader" ]; then
        arch=win64 why="x86-64 (no 32-bit Wine loader installed)"
    elif "$loader" --version >/dev/null 2>&1; then
        arch=win32 why="32-bit"
    else
        arch=win64 why="x86-64 (this host does not run 32-bit programs)"
    fi
    ;;
*)
    echo "PW_ARCH must be win32 or win64, not '$PW_ARCH'" >&2
    exit 2
    ;;
esac
echo "Wine: $why" >&2
echo "$arch"
