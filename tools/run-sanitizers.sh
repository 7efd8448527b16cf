#!/usr/bin/env bash
# Runs the test suite under the sanitizers, each in a build folder of its own:
#   address  the whole suite with AddressSanitizer + UndefinedBehaviorSanitizer (build-asan)
#   thread   the tests of the threaded code (images, network, contacts) with ThreadSanitizer
#            (build-tsan; only their targets are built)
# Any report fails its test. The reports accepted, each with its reason, are in
# tools/sanitizers/*.supp.
#   tools/run-sanitizers.sh [address|thread|all]     (default: all)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
which=${1:-all}
supp=$root/tools/sanitizers
# Most tests wait on timers and sockets rather than compute, as in tools/run-tests.sh.
jobs=$(( $(nproc) * 2 ))

# Tests whose code runs on threads of its own: image decoding and downloads, repository fetches,
# the maker's server and its faults, contacts reading and import, and the Settings screens' fetches.
TSAN_TESTS=(tst_imagecache tst_imageloader tst_webimage tst_imagefaults tst_repositoryfetch
    tst_packagesources tst_makerfaults tst_makerserver tst_settingsmodels tst_desktopcontactsstore
    tst_phonecontactsmodel tst_vcardreader)

launcher=()
if command -v ccache > /dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root} CCACHE_NOHASHDIR=1
fi

# Built for a cold compiler cache (CI has none): -O1 with line tables only, several sources per
# compilation (unity) so that Qt's headers are parsed far fewer times, and the gold linker for
# the many large test programs. Stacks in reports keep their file and line.
configure() {
    local dir=$1 kind=$2
    [ -f "$dir/build.ninja" ] && return 0
    cmake -S . -B "$dir" -G Ninja -DKESTREL_SANITIZE="$kind" "${launcher[@]}" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
        -DCMAKE_UNITY_BUILD=ON -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=gold
}

# The environment tools/run-tests.sh gives the suite.
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
chmod 0700 "$XDG_RUNTIME_DIR"
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

status=0
stamp() { date +%s; }

if [ "$which" = all ] || [ "$which" = address ]; then
    t0=$(stamp)
    configure build-asan address
    cmake --build build-asan
    t1=$(stamp)
    # A leak, a bad access or undefined behaviour fails the test that met it. A program may have
    # options of its own in tools/sanitizers/asan-<program>.options (such files take no comments):
    # asan-tst_browser_qml.options turns off new_delete_type_mismatch for the browser's tests,
    # where Chromium inside Qt WebEngine frees its own objects with a sized delete of another
    # size (every frame of those reports is in libQt6WebEngineCore). The check stays on in every
    # other program, tst_browsermodels (the browser's own C++) included.
    export ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:detect_stack_use_after_return=0:include_if_exists=$supp/asan-%b.options
    export LSAN_OPTIONS=suppressions=$supp/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:suppressions=$supp/ubsan.supp
    # maker_site_current is a Python check of the committed site: nothing compiled runs in it.
    # LeakSanitizer's own tracer now and then crashes while it stops the threads at exit ("Tracer
    # caught signal 11", after every case passed; seen once in tst_security_qml): a program that
    # fails runs once more, so a report that comes back still fails. The first run stays in the log.
    (cd build-asan && ctest --output-on-failure --timeout 900 -j "$jobs" --repeat until-pass:2 \
        -E '^maker_site_current$') || status=1
    t2=$(stamp)
    echo "sanitizers: address build $((t1 - t0)) s, tests $((t2 - t1)) s"
    unset ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS
fi

if [ "$which" = all ] || [ "$which" = thread ]; then
    t0=$(stamp)
    configure build-tsan thread
    cmake --build build-tsan --target "${TSAN_TESTS[@]}"
    t1=$(stamp)
    regex="^($(IFS='|'; echo "${TSAN_TESTS[*]}"))\$"
    export TSAN_OPTIONS=suppressions=$supp/tsan.supp:second_deadlock_stack=1:print_suppressions=0
    (cd build-tsan && ctest --output-on-failure --timeout 900 -j "$jobs" -R "$regex") || status=1
    t2=$(stamp)
    echo "sanitizers: thread build $((t1 - t0)) s, tests $((t2 - t1)) s"
fi
exit $status
