# Sourced: the environment of every Wine run of the project. Needs WINEPREFIX; never ~/.wine.
if [ -z "${WINEPREFIX:-}" ]; then
    echo "WINEPREFIX is not set; refusing to touch ~/.wine" >&2
    exit 2
fi
# PW_WINE_ARCH=win64 (the x86-64 build, on hosts that run no 32-bit programs): 64-bit Wine in a
# 64-bit prefix. Debian's `wine` and `wine*-stable` wrappers pick the 32-bit loader whenever it is
# installed, so that path names the 64-bit loader and server itself. Callers run "$PW_WINE"
# (`"$PW_WINE" wineboot`, `"$PW_WINE" regedit` ...) and "$PW_WINESERVER".
if [ "${PW_WINE_ARCH:-win32}" = win64 ]; then
    export WINEARCH=win64
    PW_WINE=/usr/lib/wine/wine64
    PW_WINESERVER=/usr/lib/wine/wineserver64
    export WINELOADER=$PW_WINE WINESERVER=$PW_WINESERVER
else
    export WINEARCH=win32
    PW_WINE=wine
    PW_WINESERVER=wineserver
fi
# Also for the Unix commands that tests start from inside Wine, which does not pass WINELOADER on.
export PW_WINE
export WINEDEBUG=-all
export LC_ALL=cs_CZ.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;net.exe=n"
# The fixture's virtual X server, unless the caller brings a display of its own.
if [ -z "${PW_KEEP_DISPLAY:-}" ] && [ -f "$WINEPREFIX.display" ]; then
    DISPLAY=$(cat "$WINEPREFIX.display")
    export DISPLAY
fi
