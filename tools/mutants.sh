#!/usr/bin/env bash
# Mutation sample per folder: small faults are made in each folder's model and service sources one
# at a time, and the folder's tests must notice them. Prints the kill rate per folder at the end.
# Slow (a rebuild and a test run per fault), so it is not part of `make test`.
#   tools/mutants.sh [build-dir] [faults per folder] [seed]
set -euo pipefail
build=${1:-build}
count=${2:-10}
seed=${3:-1}
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
export XDG_RUNTIME_DIR=$(mktemp -d)
chmod 0700 "$XDG_RUNTIME_DIR"
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

# folder | sources | the tests that check them (a ctest regex). The maker site check is left out:
# it compares generated files and cannot notice a fault in the C++ (and takes a minute a run).
folders=(
    "app|src/app/*.cpp|^tst_(settingsstore|clock|wallpaperfiles|commandline|app_qml)$"
    "phone|src/apps/phone/*.cpp src/platform/vcardreader.cpp src/platform/desktopcontactsstore.cpp|^tst_(phonecontactsmodel|vcard.*|desktopcontactsstore|apps_qml)$"
    "calculator|src/apps/calculator/*.cpp|^tst_(calculatormodel|apps_qml)$"
    "settings|src/apps/settings/*.cpp|^tst_(settingsmodels|settings.*_qml|wallpaperchoice|security_.*)$"
    "browser|src/apps/browser/*.cpp|^tst_(browsermodels|browser_qml)$"
    "platform|src/platform/*.cpp|^tst_(platform|vcard.*|desktopcontactsstore|torch|lockmodels)$"
    "ui|src/ui/*.cpp|^tst_(symboltable|assetcatalog|appearance|ui_qml)$"
    "lock|src/lock/*.cpp|^tst_(lockmodels|torch|lock_qml)$"
    "home|src/home/*.cpp|^tst_home"
    "images|src/images/*.cpp|^tst_(image|webimage)"
    "maker|maker/*.cpp|^tst_makerserver$"
    "packages|src/packages/*.cpp|^tst_(packagesources|repositoryfetch|packages_qml|packages_touchid_qml)$"
    "store|src/store/*.cpp|^tst_store"
)
only=${MUTANTS_FOLDERS:-}
summary=()
for entry in "${folders[@]}"; do
    IFS='|' read -r name glob regex <<<"$entry"
    [[ -z $only || " $only " == *" $name "* ]] || continue
    # The shell's entry point only wires the rest together.
    files=$(ls $glob | grep -v '^src/app/main\.cpp$')
    targets=$(ctest --test-dir "$build" -N -R "$regex" | sed -n 's/^ *Test *#[0-9]*: \(tst_[A-Za-z0-9_]*\)$/\1/p' | tr '\n' ' ')
    echo "== $name: $count faults in $(echo $files | wc -w) files, tests: $targets" >&2
    out=$(python3 tools/mutants.py --build "$build" --ctest "$regex" --targets "$targets" --count "$count" \
        --seed "$seed" --timeout 300 $files 2>&1 | tee -a /dev/stderr) || true
    result=$(grep -E '^[0-9]+ of [0-9]+ faults' <<<"$out" || echo "not measured: the tests fail without any fault")
    summary+=("$(printf '%-9s %s' "$name" "$result")")
done
echo
printf '%s\n' "${summary[@]}"
