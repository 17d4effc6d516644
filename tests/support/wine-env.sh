# Sourced: the environment of every Wine run of the project. Needs WINEPREFIX; never ~/.wine.
if [ -z "${WINEPREFIX:-}" ]; then
    echo "WINEPREFIX is not set; refusing to touch ~/.wine" >&2
    exit 2
fi
export WINEARCH=win32
export WINEDEBUG=-all
export LC_ALL=cs_CZ.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;net.exe=n"
# The fixture's virtual X server, unless the caller brings a display of its own.
if [ -z "${PW_KEEP_DISPLAY:-}" ] && [ -f "$WINEPREFIX.display" ]; then
    DISPLAY=$(cat "$WINEPREFIX.display")
    export DISPLAY
fi
