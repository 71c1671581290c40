# The commands a newcomer types: `make run` and `make test`. Each installs what is
# missing first, then builds.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
# What the load fuzzer runs in `make fuzz`: a number of inputs, within a time limit,
# failing below a floor.
FUZZ_LOAD_RUNS ?= 150000
FUZZ_LOAD_MIN_RUNS ?= 100000
FUZZ_LOAD_SECONDS ?= 300
CMAKE_FLAGS ?=
GENERATOR := -G Ninja
# Every recipe line runs in bash with -e and pipefail: a step that fails, even inside a
# pipeline or a command substitution, fails the target with its own error.
SHELL := bash
.SHELLFLAGS := -euo pipefail -c

.PHONY: all deps configure build run dump test test-sanitize fuzz bench format clean windows-deps \
	windows test-windows deb package test-package

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFOALIX_WERROR=ON $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD)

# The window on the sample saves: the Wine prefix that holds them stands in for the
# player's, and the settings go under build/, so no settings of your own are touched.
run: build
	@WINEPREFIX="$(CURDIR)/$(BUILD)/sample/wineprefix" XDG_CONFIG_HOME="$(CURDIR)/$(BUILD)/run-config" \
		$(BUILD)/app/foalix

# The sample roster of slot 1, as foalix-dump lists it.
dump: build
	@$(BUILD)/cli/foalix-dump "$(BUILD)/sample/wineprefix/drive_c/Program Files/Vantrel/Galvaro/SAVEDATA" 1

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j2

# The test suite under AddressSanitizer and UndefinedBehaviorSanitizer. Built with CMake's
# default generator (Unix Makefiles), as a packager or a newcomer typing
# `cmake -S . -B build && cmake --build build` builds it, where the other builds use Ninja.
SANITIZE_GENERATOR := -G "Unix Makefiles"
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) $(SANITIZE_GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DFOALIX_SANITIZE=ON -DFOALIX_BENCH=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(SANITIZE_BUILD) --parallel $$(nproc)
	@ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j2

# The load fuzzer (libFuzzer), which changes the sample saves; the number of inputs it
# ran is printed last. A crash stops the run and leaves its input in $(FUZZ_BUILD)/.
fuzz: deps
	@cmake -S . -B $(FUZZ_BUILD) $(GENERATOR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DFOALIX_FUZZ=ON -DFOALIX_GUI=OFF -DFOALIX_TESTS=OFF -DFOALIX_BENCH=OFF -DFOALIX_DUMP=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD)
	@mkdir -p $(FUZZ_BUILD)/corpus/load
	@$(FUZZ_BUILD)/fuzz/foalix_load_fuzzer -runs=$(FUZZ_LOAD_RUNS) -max_total_time=$(FUZZ_LOAD_SECONDS) \
		-max_len=16384 -artifact_prefix=$(FUZZ_BUILD)/ -print_final_stats=1 $(FUZZ_BUILD)/corpus/load \
		2>$(FUZZ_BUILD)/load-fuzzer.log; status=$$?; cat $(FUZZ_BUILD)/load-fuzzer.log; \
	runs=$$(sed -n 's/^stat::number_of_executed_units: *//p' $(FUZZ_BUILD)/load-fuzzer.log); \
	seconds=$$(sed -n 's/.*Done [0-9]* runs in \([0-9]*\) second.*/\1/p' $(FUZZ_BUILD)/load-fuzzer.log); \
	echo "load fuzzer: $${runs:-0} inputs in $${seconds:-?} s (at least $(FUZZ_LOAD_MIN_RUNS) wanted)"; \
	[ $$status -eq 0 ] && [ "$${runs:-0}" -ge $(FUZZ_LOAD_MIN_RUNS) ]

bench: build
	@$(BUILD)/bench/foalix_bench --benchmark_min_time=0.5
	@$(BUILD)/bench/foalix_reload_bench --benchmark_min_time=0.5
	@$(BUILD)/bench/foalix_history_bench --benchmark_min_time=0.5

format: deps
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD) $(WINDOWS_BUILD) build-package build-package-again dist

# Everything built for Windows with mingw-w64 against a Qt for Windows built from Debian's
# sources (scripts/build-qt-windows: cached outside the work tree, about 40 minutes the
# first time) and SQLite's library built likewise (scripts/build-sqlite-windows), then
# staged in $(WINDOWS_STAGE): a folder a player runs as it is.
WINDOWS_BUILD ?= build-windows
WINDOWS_STAGE = $(WINDOWS_BUILD)/Foalix
# The one version, CMake's project(VERSION): the packages' names carry it.
VERSION := $(shell sed -n 's/^project.Foalix VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
ifeq ($(VERSION),)
$(error no project(Foalix VERSION ...) found in CMakeLists.txt)
endif

windows-deps:
	@scripts/install-deps --windows

windows: windows-deps
	@# The Qt build prints its prefix last; its failure fails this target with its own error.
	@qt="$$(scripts/build-qt-windows)" && qt="$${qt##*$$'\n'}" && \
	sqlite="$$(scripts/build-sqlite-windows)" && sqlite="$${sqlite##*$$'\n'}" && \
	mkdir -p $(WINDOWS_BUILD)/headers && \
	cp -r /usr/include/CLI /usr/include/nlohmann $(WINDOWS_BUILD)/headers/ && \
	cmake -S . -B $(WINDOWS_BUILD) $(GENERATOR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
		-DFOALIX_QT_WINDOWS="$$qt" -DFOALIX_SQLITE_WINDOWS="$$sqlite" \
		-DCMAKE_BUILD_TYPE=Release -DFOALIX_WERROR=ON \
		-DFOALIX_BENCH=OFF -DFOALIX_SAMPLES=OFF -DFOALIX_GTEST_SOURCE=/usr/src/googletest \
		-DFOALIX_HEADER_ONLY_DIR=$(CURDIR)/$(WINDOWS_BUILD)/headers >/dev/null && \
	cmake --build $(WINDOWS_BUILD) && \
	rm -rf $(WINDOWS_STAGE) && \
	scripts/stage-windows --licences "$$qt" $(WINDOWS_STAGE) \
		$(WINDOWS_BUILD)/app/foalix.exe $(WINDOWS_BUILD)/cli/foalix-dump.exe && \
	cp "$$sqlite/debian-copyright" $(WINDOWS_STAGE)/licences/sqlite3-copyright.txt && \
	scripts/stage-windows "$$qt" $(WINDOWS_BUILD)/tests && \
	cp "$$qt/bin/Qt6Test.dll" $(WINDOWS_BUILD)/tests/

# Every suite, the window's included, under Wine in a Japanese locale (ANSI code page 932,
# as on the game's own systems); the reader's and foalix-dump's suites again in the other
# locales players run (Traditional Chinese 950, English 1252), each in a prefix of its own,
# where names must read exactly as in Japanese; then the real foalix.exe under Wine in a
# virtual display, in its original interface and in Japanese.
WINDOWS_OTHER_LOCALES = zh_TW.UTF-8 en_US.UTF-8
test-windows: windows
	@scripts/wine-japanese $(CURDIR)/$(WINDOWS_BUILD)/wineprefix true
	@# Drive x: of the tests' Wine prefix is a folder that does not exist: a drive not ready.
	@ln -sfn /nonexistent/foalix-unready $(WINDOWS_BUILD)/wineprefix/dosdevices/x:
	@scripts/wine-japanese $(CURDIR)/$(WINDOWS_BUILD)/wineprefix \
		ctest --test-dir $(WINDOWS_BUILD) --output-on-failure
	@for locale in $(WINDOWS_OTHER_LOCALES); do \
		echo "Reader and foalix-dump suites in $$locale"; \
		scripts/wine-locale $$locale $(CURDIR)/$(WINDOWS_BUILD)/wineprefix-$${locale%%.*} \
			ctest --test-dir $(WINDOWS_BUILD) --output-on-failure -R '^foalix_(reader|dump)_tests$$' \
			|| exit 1; \
	done
	@scripts/windows-smoke $(CURDIR)/$(WINDOWS_STAGE) $(CURDIR)/$(WINDOWS_BUILD)/smoke
	@LANGUAGE=ja scripts/windows-smoke $(CURDIR)/$(WINDOWS_STAGE) $(CURDIR)/$(WINDOWS_BUILD)/smoke-ja

# The Debian package alone, in dist/: built as Debian builds its own (scripts/build-deb:
# hardening flags, time stamps from the commit).
deb: deps
	@scripts/build-deb build-package dist

# dist/: the Debian package, and for Windows the staged folder zipped and an installer
# (whose first page is the licence), with their SHA-256 sums in SHA256SUMS.
package: deps windows
	@rm -rf dist && mkdir -p dist
	@scripts/build-deb build-package dist
	@cd $(WINDOWS_BUILD) && zip -qr $(CURDIR)/dist/Foalix-$(VERSION)-win64.zip Foalix
	@makensis -V2 -DVERSION=$(VERSION) -DSTAGE=$(CURDIR)/$(WINDOWS_STAGE) \
		-DOUTFILE=$(CURDIR)/dist/Foalix-$(VERSION)-setup.exe packaging/windows/foalix.nsi
	@cd dist && sha256sum foalix_$(VERSION)_amd64.deb Foalix-$(VERSION)-win64.zip \
		Foalix-$(VERSION)-setup.exe > SHA256SUMS
	@ls -1 dist

# The packages checked (scripts/check-packages): the .deb built a second time from scratch
# must be byte for byte the one in dist/; lintian, AppStream, apt and the programs on it,
# installed into a throwaway minimal Debian 12; the installer run silently under Wine,
# the installed program started, uninstalled.
test-package: package
	@rm -rf build-package-again && scripts/build-deb build-package-again build-package-again/dist
	@cmp dist/foalix_$(VERSION)_amd64.deb build-package-again/dist/foalix_$(VERSION)_amd64.deb || \
		{ echo "The .deb is not reproducible: a second build differs" >&2; exit 1; }
	@scripts/check-packages $(CURDIR)/dist $(CURDIR)/build-package/check $(VERSION)
