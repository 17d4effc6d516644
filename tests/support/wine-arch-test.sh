#!/bin/sh
# The choice of the Wine path: a row per case, the loader played by a program that starts or not.
set -u
check=$(cd "$(dirname "$0")/../../tools" && pwd)/wine-arch.sh
failed=0
row() {  # PW_ARCH LOADER EXPECTED-ARCH EXPECTED-LINE
    got=$(PW_ARCH=$1 PW_WINE32_LOADER=$2 sh "$check" 2>/tmp/wine-arch-test.$$)
    line=$(cat /tmp/wine-arch-test.$$)
    if [ "$got" != "$3" ] || [ "$line" != "$4" ]; then
        echo "PW_ARCH='$1' loader $2: got '$got' / '$line', expected '$3' / '$4'"
        failed=1
    fi
}
row "" /bin/true win32 "Wine: 32-bit"
row "" /bin/false win64 "Wine: x86-64 (this host does not run 32-bit programs)"
row "" /nonexistent/wine win64 "Wine: x86-64 (no 32-bit Wine loader installed)"
row win64 /bin/true win64 "Wine: x86-64 (PW_ARCH=win64)"
row win32 /bin/false win32 "Wine: 32-bit (PW_ARCH=win32)"
row win16 /bin/true "" "PW_ARCH must be win32 or win64, not 'win16'"
rm -f /tmp/wine-arch-test.$$
exit $failed
