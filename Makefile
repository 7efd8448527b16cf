# Two commands do everything on a fresh Debian 12 machine:
#   make run    installs what is missing, builds, and runs the shell with its bundled maker server
#   make test   installs what is missing, builds, and runs the whole test suite headless
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
RUN_ARGS ?=
# Rebuilds reuse earlier compilations when ccache is installed (it is optional). Paths are hashed
# relative to the checkout, so another clone of the same sources hits the same cache.
CCACHE := $(shell command -v ccache 2>/dev/null)
ifneq ($(CCACHE),)
CMAKE_FLAGS += -DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE)
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1
endif

.PHONY: all deps configure build run test sanitize bench mutants screenshot picture-sheet package fuzz killtest clean

all: build

deps:
	@tools/install-deps.sh

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR)

run: build
	tools/run-shell.sh $(BUILD_DIR) $(RUN_ARGS)

test: build
	tools/run-tests.sh $(BUILD_DIR)

# The whole suite under AddressSanitizer + UndefinedBehaviorSanitizer (build-asan), and the tests
# of the threaded code under ThreadSanitizer (build-tsan). SANITIZERS=address or thread runs one.
SANITIZERS ?= all
sanitize: deps
	tools/run-sanitizers.sh $(SANITIZERS)

bench: build
	tools/run-benchmarks.sh $(BUILD_DIR)

# Do the tests notice small faults? Slow (tens of minutes); MUTANTS_COUNT faults per folder.
MUTANTS_COUNT ?= 10
mutants: build
	tools/mutants.sh $(BUILD_DIR) $(MUTANTS_COUNT) 1

screenshot: build
	tools/screenshot.sh $(BUILD_DIR) kestrel-screenshot.png

picture-sheet: build
	tools/picture-sheet.sh $(BUILD_DIR) kestrel-pictures.png

# A Debian package (build/kestrel_<version>_<arch>.deb) of what `cmake --install` puts in /usr.
package: build
	cmake --build $(BUILD_DIR) --target package

# Builds the fuzz targets with clang in build-fuzz and runs each for FUZZ_SECONDS (default 300).
FUZZ_SECONDS ?= 300
fuzz:
	FUZZ_SECONDS=$(FUZZ_SECONDS) tools/run-fuzz.sh build-fuzz

# Kills the running shell KILLS times (default 1,000) at random moments and checks its files after
# every restart (tools/killtest.py; needs Xvfb and xdotool). About an hour; runs at low priority.
KILLS ?= 1000
KILLTEST_JOBS ?= 1
killtest: build
	nice -n 15 tools/killtest.py --build $(BUILD_DIR) --kills $(KILLS) --jobs $(KILLTEST_JOBS)

clean:
	rm -rf $(BUILD_DIR)
