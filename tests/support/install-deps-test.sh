#!/bin/sh
# The set-up's choices, a row per host: apt-get, dpkg, dpkg-query and the 32-bit probe are stand-ins
# on PATH that play a registry and a host, and log what they were asked.
set -u
script=$(cd "$(dirname "$0")/../../tools" && pwd)/install-deps.sh
all="g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32 g++ cmake make doctest-dev wine wine64 fonts-wine
     xvfb xauth locales imagemagick x11-apps x11-utils samba iproute2 python3 tshark clang libclang-rt-14-dev"
top=$(mktemp -d)
trap 'rm -rf "$top"' EXIT
stand_in() { printf '#!/bin/sh\n%s\n' "$2" >"$top/bin/$1"; chmod +x "$top/bin/$1"; }
mkdir -p "$top/bin"
stand_in id 'echo 0'
stand_in locale 'echo cs_CZ.utf8'
stand_in debconf-set-selections 'cat >/dev/null'
stand_in dpkg-query 'for p; do :; done; grep -qx "$p" "$T/installed" && echo "install ok installed"'
stand_in dpkg 'echo "dpkg $*" >>"$T/calls"; case $1 in --add-architecture) echo "$2" >>"$T/arches" ;; *) cat "$T/arches" ;; esac'
stand_in apt-get 'echo "apt-get $*" >>"$T/calls"
case $1 in
update) n=$(cat "$T/update-fails"); [ "$n" -gt 0 ] || exit 0
        echo $((n - 1)) >"$T/update-fails"; echo "E: Failed to fetch i386/Packages.xz  Mirror sync in progress?"; exit 100 ;;
install) shift 4; for p; do grep -qx "$p" "$T/broken" && { echo "W: noise"; echo "E: Unable to correct problems, you have held broken packages."; exit 100; }; done
        for p; do echo "$p" >>"$T/installed"; done ;;
esac'
stand_in runs32 'exit 42'
stand_in runs64only 'exit 126'

failed=0
# PROBE INSTALLED UPDATE-FAILS BROKEN | STATUS LAST-LINE (a pattern) | apt-get calls, i386 added, wine32 installed
row() {
    T=$top/row; rm -rf "$T"; mkdir -p "$T/root/usr/sbin"
    printf '%s\n' $2 >"$T/installed"; echo "$3" >"$T/update-fails"; printf '%s\n' $4 >"$T/broken"
    : >"$T/calls"; : >"$T/arches"
    out=$(cd "$T" && T=$T PATH="$top/bin:$PATH" PW_I386_PROBE="$top/bin/$1" PW_APT_PAUSE=0 PW_SETUP_SYSROOT="$T/root" \
          sh "$script" 2>&1)
    status=$?
    last=$(printf '%s\n' "$out" | tail -n 1)
    got="$status | $(grep -c '^apt-get' "$T/calls") $(grep -c i386 "$T/arches") $(grep -cx wine32:i386 "$T/installed")"
    case "$last" in $6) line_ok=1 ;; *) line_ok="" ;; esac
    if [ "$got" != "$5 | $7" ] || [ -z "$line_ok" ] || [ -e "$T/root/usr/sbin/policy-rc.d" ]; then
        echo "row ($1; update fails $3 times; broken: $4): got '$got', expected '$5 | $7'; last line: $last"
        printf '%s\n' "$out" | sed 's/^/    /'
        failed=1
    fi
}
row runs32     "$all wine32:i386" 0 ""          0 ""                                                  "0 0 1"
row runs64only "$all"             0 ""          0 ""                                                  "0 0 0"
row runs64only ""                 0 ""          0 "Installing:*"                                      "2 0 0"
row runs64only "cmake"            5 ""          0 "apt-get update: some package lists could not*"     "4 0 0"
row runs32     ""                 2 ""          0 "Installing:*"                                      "5 1 1"
row runs32     "$all"             0 wine32:i386 0 "The 32-bit Wine (wine32:i386) could not be installed (Unable to correct problems, you have held broken packages.)*" "2 1 0"
row runs32     ""                 0 "samba"     1 "Set-up failed: could not install * samba *: Unable to correct problems, you have held broken packages.; apt's output: build/install-deps.log" "2 1 0"
exit $failed
