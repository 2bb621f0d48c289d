# Everyday commands. Each target runs scripts/bootstrap first, which installs
# what is missing and returns at once when everything is there.

BUILD   := build
TRIPLETS := x86_64-w64-mingw32 i686-w64-mingw32
JOBS    ?= $(shell nproc)
X64     := $(BUILD)/x86_64-w64-mingw32
DIST    := $(BUILD)/dist
FUZZ    := $(BUILD)/fuzz
FUZZ_SECONDS ?= 600
CLANG   := $(BUILD)/clang-x86_64
PYTEST  := /usr/bin/python3 -m pytest

.PRECIOUS: $(BUILD)/%/CMakeCache.txt
.PHONY: all bootstrap build build-x64 dist package clang-check layers format format-check run run-mini test unit tools-test e2e soak bench clean \
        fuzz-build fuzz fuzz-check soak-kill soak-player

all: build

bootstrap:
	@scripts/bootstrap

$(BUILD)/%/CMakeCache.txt:
	cmake -S . -B $(BUILD)/$* -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-$*.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null

build-%: bootstrap $(BUILD)/%/CMakeCache.txt
	cmake --build $(BUILD)/$* -j $(JOBS)

build-x64: build-x86_64-w64-mingw32

build: $(addprefix build-,$(TRIPLETS))

dist: build-x64
	@scripts/lay-out-dist $(X64) $(DIST)

# The release zips of both triplets, written by CPack into build/package/.
package: build
	@for t in $(TRIPLETS); do cpack --config $(BUILD)/$$t/CPackConfig.cmake -B $(BUILD)/package || exit 1; done

# The programs compiled by clang against the same MinGW-w64 headers and
# libraries, warnings as errors: what a native Windows build may meet.
$(CLANG)/CMakeCache.txt:
	cmake -S . -B $(CLANG) -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-clang-x86_64-w64-mingw32.cmake -DCMAKE_BUILD_TYPE=Release -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null

clang-check: bootstrap $(CLANG)/CMakeCache.txt
	cmake --build $(CLANG) -j $(JOBS) --target deckplayer deckplayer-mini

run: dist
	@scripts/run-program $(DIST) deckplayer.exe

run-mini: dist
	@scripts/run-program $(DIST) deckplayer-mini.exe

unit: build
	scripts/wine-session ctest --test-dir $(X64) --output-on-failure

tools-test: bootstrap
	$(PYTEST) tests/tools -q

e2e: dist package
	$(PYTEST) tests/e2e -v

# The platform-free parsers built for the host with clang, libFuzzer and the
# sanitizers; `fuzz` runs each target FUZZ_SECONDS at the lowest priority,
# `fuzz-check` each over its seeds and past crash inputs for a few seconds.
fuzz-build: bootstrap
	cmake -S tests/fuzz -B $(FUZZ) -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
	cmake --build $(FUZZ) -j $(JOBS)

fuzz: fuzz-build
	nice -n 19 scripts/fuzz run $(FUZZ_SECONDS)

fuzz-check: fuzz-build
	scripts/fuzz check

# No include crosses a layer the wrong way (the order is in README.md, Layout).
layers:
	@scripts/check-layers

# The house style is .clang-format's; third_party/ keeps its own.
SOURCES = $(shell git ls-files '*.cpp' '*.h' '*.c' '*.inc' | grep -v '^third_party/')
format: bootstrap
	clang-format-14 -i $(SOURCES)

format-check: bootstrap
	@clang-format-14 --dry-run --Werror $(SOURCES) && echo "format-check: every source is formatted"

test: layers format-check unit clang-check tools-test fuzz-check e2e

# The mini killed 200 times while it saves its playlist (make test kills it 30 times).
soak-kill: dist
	DECK_KILLS=200 $(PYTEST) tests/e2e/test_kill_save.py -v

# deckplayer going round a folder of every kind of track for SOAK_SECONDS
# (an hour by default), printing how its objects and memory grow.
SOAK_SECONDS ?= 3600
soak-player: dist
	/usr/bin/python3 tests/e2e/soak.py $(SOAK_SECONDS)

soak: soak-player soak-kill

bench: dist
	@scripts/wine-session scripts/run-benchmarks $(X64)
	@echo "== the programs' CPU share in each state, beside a minimal window program"
	@/usr/bin/python3 bench/idle_cpu.py
	@echo "== first sound"
	@/usr/bin/python3 bench/first_sound.py
	@echo "== opening a folder of 2,001 files from the requester"
	@/usr/bin/python3 bench/open_folder.py

clean:
	rm -rf $(BUILD)
