#!/bin/sh
# Runs the reliability driver in the test prefix. First it makes the one thing the driver cannot
# make from inside Wine: a folder with a copy of the program that no one may write to, not even
# root (chattr +i); without it that row says it was not tried.
set -u
driver=$1
program=$2
folder="$WINEPREFIX/drive_c/pw-jen-pro-cteni"
unlock() {
    chattr -i "$folder" 2>/dev/null
    rm -rf "$folder"
}
unlock
if mkdir -p "$folder" && cp "$program" "$folder/pebblewire.exe" && chattr +i "$folder" 2>/dev/null; then
    export PW_READONLY_EXE='C:\pw-jen-pro-cteni\pebblewire.exe'
fi
"$(dirname "$0")/../support/wine-run.sh" "$driver"
status=$?
unlock
exit $status
