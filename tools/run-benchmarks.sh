#!/usr/bin/env bash
# Runs every benchmark program (build/bin/bench_*) except the baselines they start themselves.
set -uo pipefail
build=${1:-build}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 0700 "$XDG_RUNTIME_DIR"
status=0
for bench in "$build"/bin/bench_*; do
    case "$(basename "$bench")" in bench_minimalwindow) continue ;; esac
    echo "== $(basename "$bench")"
    started=$SECONDS
    QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$bench" || status=1
    echo "   ($(basename "$bench"): $((SECONDS - started)) s)"
done
# The home screen's round trips once more at ten a second, faster than a person taps, where
# five screens fade at once: the heap spreads to fit them, so growth here shows fragmentation.
echo "== bench_homecycles --pace 100 (fades overlapping)"
started=$SECONDS
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/bin/bench_homecycles" --no-frames --pace 100 1000 || status=1
echo "   (bench_homecycles --pace 100: $((SECONDS - started)) s)"
# All of them are meant to finish within 5 minutes on a 2-core machine.
echo "== all benchmarks: $SECONDS s (load average $(cut -d' ' -f1-3 /proc/loadavg))"
exit $status
