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

.PHONY: all deps configure build run dump test test-sanitize fuzz bench format clean windows-deps \
	windows test-windows package test-package

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

# The test suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DFOALIX_SANITIZE=ON -DFOALIX_BENCH=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(SANITIZE_BUILD)
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

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD) $(WINDOWS_BUILD) build-package dist

# Everything built for Windows with mingw-w64 against a Qt for Windows built from Debian's
# sources (scripts/build-qt-windows: cached outside the work tree, about 40 minutes the
# first time), then staged in $(WINDOWS_STAGE): a folder a player runs as it is.
WINDOWS_BUILD ?= build-windows
WINDOWS_STAGE = $(WINDOWS_BUILD)/Foalix
VERSION := $(shell grep -o 'Foalix VERSION [0-9.]*' CMakeLists.txt | cut -d' ' -f3)

windows-deps:
	@scripts/install-deps --windows

windows: windows-deps
	@qt="$$(scripts/build-qt-windows | tail -n 1)" && \
	mkdir -p $(WINDOWS_BUILD)/headers && \
	cp -r /usr/include/CLI /usr/include/nlohmann $(WINDOWS_BUILD)/headers/ && \
	cmake -S . -B $(WINDOWS_BUILD) $(GENERATOR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
		-DFOALIX_QT_WINDOWS="$$qt" -DCMAKE_BUILD_TYPE=Release -DFOALIX_WERROR=ON \
		-DFOALIX_BENCH=OFF -DFOALIX_SAMPLES=OFF -DFOALIX_GTEST_SOURCE=/usr/src/googletest \
		-DFOALIX_HEADER_ONLY_DIR=$(CURDIR)/$(WINDOWS_BUILD)/headers >/dev/null && \
	cmake --build $(WINDOWS_BUILD) && \
	rm -rf $(WINDOWS_STAGE) && \
	scripts/stage-windows --licences "$$qt" $(WINDOWS_STAGE) \
		$(WINDOWS_BUILD)/app/foalix.exe $(WINDOWS_BUILD)/cli/foalix-dump.exe && \
	scripts/stage-windows "$$qt" $(WINDOWS_BUILD)/tests && \
	cp "$$qt/bin/Qt6Test.dll" $(WINDOWS_BUILD)/tests/

# Every suite, the window's included, under Wine in a Japanese locale (ANSI code page 932,
# as on the players' systems), then the real foalix.exe under Wine in a virtual display.
test-windows: windows
	@scripts/wine-japanese $(CURDIR)/$(WINDOWS_BUILD)/wineprefix true
	@# Drive x: of the tests' Wine prefix is a folder that does not exist: a drive not ready.
	@ln -sfn /nonexistent/foalix-unready $(WINDOWS_BUILD)/wineprefix/dosdevices/x:
	@scripts/wine-japanese $(CURDIR)/$(WINDOWS_BUILD)/wineprefix \
		ctest --test-dir $(WINDOWS_BUILD) --output-on-failure
	@scripts/windows-smoke $(CURDIR)/$(WINDOWS_STAGE) $(CURDIR)/$(WINDOWS_BUILD)/smoke

# dist/: the Debian package, and for Windows the staged folder zipped and an installer.
package: deps windows
	@cmake -S . -B build-package $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DFOALIX_TESTS=OFF \
		-DFOALIX_BENCH=OFF -DFOALIX_SAMPLES=OFF -DFOALIX_WERROR=ON >/dev/null
	@cmake --build build-package
	@rm -rf dist && mkdir -p dist
	@cd build-package && cpack -B $(CURDIR)/dist >/dev/null && rm -rf $(CURDIR)/dist/_CPack_Packages
	@cd $(WINDOWS_BUILD) && zip -qr $(CURDIR)/dist/Foalix-$(VERSION)-win64.zip Foalix
	@makensis -V2 -DVERSION=$(VERSION) -DSTAGE=$(CURDIR)/$(WINDOWS_STAGE) \
		-DOUTFILE=$(CURDIR)/dist/Foalix-$(VERSION)-setup.exe packaging/windows/foalix.nsi
	@ls -1 dist

# The packages checked: lintian and AppStream on the .deb, installed here and started;
# the installer run silently under Wine, the installed program started, uninstalled.
test-package: package
	@scripts/check-packages $(CURDIR)/dist $(CURDIR)/build-package/check
