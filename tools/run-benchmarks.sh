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
    QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$bench" || status=1
done
exit $status
