#!/bin/sh
# `run.sh BIN SECONDS [merge]`: runs each fuzz target in BIN for SECONDS, starting from its saved
# corpus. New inputs go to a scratch folder beside the programs, or with `merge` the ones that
# reach new code join the saved corpus. An input that crashes a target is saved into that
# target's corpus at once, so that `make test` replays it until the fault is mended.
set -u
bin=$1
seconds=$2
corpus=$(cd "$(dirname "$0")" && pwd)/corpus
status=0
for program in "$bin"/fuzz_*; do
    target=${program##*/fuzz_}
    work="$bin/work/$target"
    log="$bin/work/$target.log"
    mkdir -p "$work" "$corpus/$target"
    "$program" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
        -artifact_prefix="$corpus/$target/crash-" "$work" "$corpus/$target" >"$log" 2>&1 || status=1
    if [ "${3:-}" = merge ]; then
        # Edges only, not how often each runs: the saved corpus stays small.
        "$program" -merge=1 -use_counters=0 "$corpus/$target" "$work" >>"$log" 2>&1 || status=1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    crashes=$(find "$corpus/$target" -name 'crash-*' | wc -l)
    if [ "$crashes" = 0 ]; then found="no crash"; else found="$crashes crashing input(s) in tests/fuzz/corpus/$target"; fi
    printf '%-17s %10s runs in %ss, %s inputs saved, %s\n' "$target" "${runs:-?}" "$seconds" \
        "$(find "$corpus/$target" -type f | wc -l)" "$found"
done
exit $status
