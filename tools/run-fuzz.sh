#!/bin/sh
# Builds the libFuzzer targets (clang, in their own build folder) and runs each for FUZZ_SECONDS,
# growing its corpus under fuzz/corpus/<target> from the seeds in fuzz/seeds/<target>. Findings
# (crash-*, timeout-*, oom-*) are written to fuzz/findings/<target>/. A summary line per target
# (executions, seconds, corpus size, findings) goes to fuzz/findings/summary.txt.
#   tools/run-fuzz.sh [build-dir] [target...]     (defaults: build-fuzz, every target)
# Each run appends to fuzz/findings/summary.txt.
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR=${1:-build-fuzz}
[ $# -gt 0 ] && shift
FUZZ_SECONDS=${FUZZ_SECONDS:-300}
CXX=${FUZZ_CXX:-clang++-15}

if ! command -v "$CXX" > /dev/null; then
    echo "run-fuzz: $CXX not found; on Debian: apt-get install clang-15 libfuzzer-15-dev" >&2
    exit 2
fi
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
    cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER="$CXX" -DKESTREL_FUZZ=ON
fi
# FUZZ_BUILD=0 runs what is built already (while another build of the folder is under way).
[ "${FUZZ_BUILD:-1}" = 0 ] || cmake --build "$BUILD_DIR" --target kestrel_fuzzers

TARGETS=${*:-$(ls fuzz/targets | sed -n 's/\.cpp$//p')}
mkdir -p fuzz/findings
SUMMARY=fuzz/findings/summary.txt
status=0
for target in $TARGETS; do
    corpus=fuzz/corpus/$target
    findings=fuzz/findings/$target
    mkdir -p "$corpus" "$findings"
    log=$findings/run.log
    # A picture or document that takes over 10 s, or 2 GiB, is a finding like a crash.
    # Niced: fuzzing takes what CPU is idle, never a build's or a test's.
    if nice -n "${FUZZ_NICE:-19}" "$BUILD_DIR/fuzz/$target" "$corpus" "fuzz/seeds/$target" -dict=fuzz/json.dict \
        -max_total_time="$FUZZ_SECONDS" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
        -artifact_prefix="$findings/" -print_final_stats=1 > "$log" 2>&1; then
        result=ok
    else
        result=FAILED
        status=1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    secs=$(sed -n 's/^stat::.*//; s/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\2/p' "$log" | tail -1)
    count=$(find "$findings" -name 'crash-*' -o -name 'timeout-*' -o -name 'oom-*' -o -name 'leak-*' | wc -l)
    files=$(find "$corpus" -type f | wc -l)
    echo "$target: ${runs:-?} executions, ${secs:-$FUZZ_SECONDS} s, corpus $files files, $count findings ($result)" \
        | tee -a "$SUMMARY"
done
exit $status
