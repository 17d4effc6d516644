#!/bin/sh
# make bench: runs the benchmark driver under Wine in a prefix of its own, made by the test
# fixture, and prints its table between two readings of the machine's load. ROUNDS (default 25,
# at least 20) sets the number of interleaved rounds.
set -eu
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
support=$root/tests/support
prefix=$build/bench/wineprefix

PW_NO_LOGON_START=1 "$support/wine-fixture.sh" setup "$prefix" "$build/tests/recorder.exe"
export WINEPREFIX="$prefix"
. "$support/wine-env.sh"
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg) (1, 5, 15 min) on $(nproc) cores"
status=0
"$PW_WINE" "$build/bench/bench.exe" "$("$PW_WINE" winepath -w "$build/src/pebblewire.exe" 2>/dev/null)" "${ROUNDS:-25}" || status=$?
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
"$support/wine-fixture.sh" cleanup "$prefix"
exit $status
