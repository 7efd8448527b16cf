#!/usr/bin/env bash
# Renders every bundled icon, picture and wallpaper (and every symbol) with its name into one PNG.
#   tools/picture-sheet.sh [build dir] [out.png]
set -euo pipefail
build=${1:-build}
out=${2:-kestrel-pictures.png}
if [[ ! -x "$build/bin/kestrel-picture-sheet" ]]; then
    echo "picture-sheet: $build/bin/kestrel-picture-sheet is missing; build first (make build)" >&2
    exit 1
fi
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=offscreen "$build/bin/kestrel-picture-sheet" "$out"
echo "$out"
