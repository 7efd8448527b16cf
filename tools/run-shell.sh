#!/usr/bin/env bash
# Runs the shell with the bundled maker server on loopback; the server stops when the shell exits.
set -uo pipefail
build=${1:-build}
shift || true
root=$(cd "$(dirname "$0")/.." && pwd)
port=$(sed -n 's/^KESTREL_MAKER_PORT:STRING=//p' "$build/CMakeCache.txt")
"$build/bin/kestrel-maker" --port "${port:-8417}" --root "$root/maker/site" >/dev/null 2>&1 &
maker=$!
trap 'kill "$maker" 2>/dev/null; wait "$maker" 2>/dev/null' EXIT
"$build/bin/kestrel" "$@"
