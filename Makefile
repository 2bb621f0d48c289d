# Everyday commands. Each target runs scripts/bootstrap first, which installs
# what is missing and returns at once when everything is there.

BUILD   := build
TRIPLETS := x86_64-w64-mingw32 i686-w64-mingw32
JOBS    ?= $(shell nproc)
X64     := $(BUILD)/x86_64-w64-mingw32
DIST    := $(BUILD)/dist
PYTEST  := /usr/bin/python3 -m pytest

.PRECIOUS: $(BUILD)/%/CMakeCache.txt
.PHONY: all bootstrap build build-x64 dist run run-mini test unit tools-test e2e bench clean

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

run: dist
	@scripts/run-program $(DIST) deckplayer.exe

run-mini: dist
	@scripts/run-program $(DIST) deckplayer-mini.exe

unit: build
	scripts/wine-session ctest --test-dir $(X64) --output-on-failure

tools-test: bootstrap
	$(PYTEST) tests/tools -q

e2e: dist
	$(PYTEST) tests/e2e -v

test: unit tools-test e2e

bench: dist
	@scripts/wine-session scripts/run-benchmarks $(X64)
	@echo "== first sound"
	@/usr/bin/python3 bench/first_sound.py
	@echo "== opening a folder of 2,001 files from the requester"
	@/usr/bin/python3 bench/open_folder.py

clean:
	rm -rf $(BUILD)
