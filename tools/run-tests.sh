#!/usr/bin/env bash
# Runs the whole test suite headless.
set -euo pipefail
build=${1:-build}
export QT_QPA_PLATFORM=offscreen
export QT_QUICK_BACKEND=software
export XDG_RUNTIME_DIR=$(mktemp -d)
chmod 0700 "$XDG_RUNTIME_DIR"
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
cd "$build"
# Most tests wait on timers and sockets rather than compute, so twice the cores keeps both busy.
ctest --output-on-failure --timeout 600 -j "$(( $(nproc) * 2 ))"
