#!/bin/sh
# Fails when the exe imports a DLL!function that is not on the reviewed allow-list, or when its
# subsystem version is not 4.0 (so that Windows NT 4.0 loads it).
set -eu
exe=$1
allow=$2
dump=$(i686-w64-mingw32-objdump -p "$exe")

echo "$dump" | grep -q 'MajorSubsystemVersion[[:space:]]*4$' || { echo "subsystem major version is not 4"; exit 1; }
echo "$dump" | grep -q 'MinorSubsystemVersion[[:space:]]*0$' || { echo "subsystem minor version is not 0"; exit 1; }

imports=$(echo "$dump" | awk '
    /DLL Name:/ { dll = toupper($3); next }
    /^[[:space:]]+[0-9a-f]+[[:space:]]+[0-9]+[[:space:]]+[A-Za-z_]/ { if (dll != "") print dll "!" $3 }
    /^$/ { }' | sort -u)
unknown=$(echo "$imports" | grep -vxF -f "$allow" || true)
if [ -n "$unknown" ]; then
    echo "Imports not on the allow-list ($allow):"
    echo "$unknown"
    exit 1
fi
echo "$(echo "$imports" | wc -l) imports, all allowed"
