#!/usr/bin/env bash
# Runs the shell under Xvfb on a fresh data directory (or DATA_DIR) and saves a PNG of it.
set -euo pipefail
build=${1:-build}
out=${2:-kestrel-screenshot.png}
shift 2 || true
data=${DATA_DIR:-$(mktemp -d)}
xvfb-run -a -s '-screen 0 1280x1024x24' "$build/bin/kestrel" --data-dir "$data" --screenshot "$out" "$@"
echo "$out"
