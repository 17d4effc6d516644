#!/bin/sh
# Checks an import allow-list against what the Windows headers give a program built for Windows
# 2000: each DLL!function outside the C runtime must be declared with _WIN32_WINNT, WINVER and
# _WIN32_IE at 0x0500. MinGW-w64's headers guard what came with Vista and later by version
# (GetTickCount64, TaskDialogIndirect ...), but not everything that came with XP
# (AddVectoredExceptionHandler and GetModuleHandleExA are declared for 2000 too): passing is
# necessary, not sufficient, and an addition to the allow-list still wants a reviewer's look.
# MSVCRT.DLL entries are the C library and its start-up, which the headers do not guard by
# Windows version; they are left out.
#
# check-win2000.sh CXX LIST          fails when any function of LIST is not declared
# check-win2000.sh CXX LIST --newer  fails unless every function of LIST is refused
set -eu
cxx=$1
list=$2
mode=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

names=$(grep -v '^MSVCRT.DLL!' "$list" | sed 's/^[^!]*!//' | sort -u)
{
    printf '#include <windows.h>\n#include <commctrl.h>\n#include <commdlg.h>\n'
    printf '#include <objbase.h>\n#include <shellapi.h>\n'
    for name in $names; do printf 'static const void* const use_%s = reinterpret_cast<const void*>(&::%s);\n' "$name" "$name"; done
} > "$work/probe.cpp"
LC_ALL=C "$cxx" -std=c++20 -fsyntax-only -fmax-errors=0 -Wno-unused-variable -D_WIN32_WINNT=0x0500 -DWINVER=0x0500 \
    -D_WIN32_IE=0x0500 "$work/probe.cpp" 2> "$work/errors" || true
refused=$(grep -o "'::[A-Za-z0-9_]*' has not been declared" "$work/errors" | cut -d"'" -f2 | cut -c3- | sort -u)
other=$(grep 'error:' "$work/errors" | grep -v 'has not been declared' || true)
if [ -n "$other" ]; then
    echo "the probe did not compile for another reason:"
    echo "$other"
    exit 1
fi

count=$(echo "$names" | grep -c . || true)
if [ "$mode" = --newer ]; then
    accepted=$names
    [ -n "$refused" ] && accepted=$(echo "$names" | grep -vxF "$refused" || true)
    if [ -n "$accepted" ]; then
        echo "declared for Windows 2000 although listed as newer:"
        echo "$accepted"
        exit 1
    fi
    echo "$count newer functions, all refused for Windows 2000"
    exit 0
fi
if [ -n "$refused" ]; then
    echo "not declared for Windows 2000 ($list):"
    echo "$refused"
    exit 1
fi
echo "$count functions declared for Windows 2000; the C runtime's entries are not checked here"
