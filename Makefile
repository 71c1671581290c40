# The commands a newcomer types: `make run` and `make test`. Each installs what is
# missing first, then builds.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
# Seconds each fuzzer runs in `make fuzz`.
FUZZ_LOAD_SECONDS ?= 45
FUZZ_HEX_SECONDS ?= 15
CMAKE_FLAGS ?=
GENERATOR := -G Ninja

.PHONY: all deps configure build run dump test test-sanitize fuzz bench format clean windows-deps test-windows

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

# The libFuzzer targets, each for a bounded time, the load fuzzer seeded with the sample
# saves. A crash stops the run and leaves its input in $(FUZZ_BUILD)/.
fuzz: deps
	@cmake -S . -B $(FUZZ_BUILD) $(GENERATOR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DFOALIX_FUZZ=ON -DFOALIX_GUI=OFF -DFOALIX_TESTS=OFF -DFOALIX_BENCH=OFF -DFOALIX_DUMP=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD)
	@mkdir -p $(FUZZ_BUILD)/seeds/load $(FUZZ_BUILD)/seeds/hex $(FUZZ_BUILD)/corpus/load $(FUZZ_BUILD)/corpus/hex
	@$(FUZZ_BUILD)/fuzz/foalix_fuzz_seeds $(FUZZ_BUILD)/seeds/load $(FUZZ_BUILD)/sample/wineprefix/drive_c/Program\ Files/Vantrel/Galvaro/SAVEDATA/*.rk5
	@printf '8FC' > $(FUZZ_BUILD)/seeds/hex/word; printf '7fffffff' > $(FUZZ_BUILD)/seeds/hex/largest
	@printf '80000000' > $(FUZZ_BUILD)/seeds/hex/overflow; printf '1g' > $(FUZZ_BUILD)/seeds/hex/mismatch
	$(FUZZ_BUILD)/fuzz/foalix_load_fuzzer -max_total_time=$(FUZZ_LOAD_SECONDS) -max_len=16384 \
		-artifact_prefix=$(FUZZ_BUILD)/ -print_final_stats=1 $(FUZZ_BUILD)/corpus/load $(FUZZ_BUILD)/seeds/load
	$(FUZZ_BUILD)/fuzz/foalix_hex_fuzzer -max_total_time=$(FUZZ_HEX_SECONDS) -max_len=512 \
		-artifact_prefix=$(FUZZ_BUILD)/ -print_final_stats=1 $(FUZZ_BUILD)/corpus/hex $(FUZZ_BUILD)/seeds/hex

bench: build
	@$(BUILD)/bench/foalix_bench --benchmark_min_time=0.5
	@$(BUILD)/bench/foalix_reload_bench --benchmark_min_time=0.5

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)

# The reader, foalix-dump and their tests built for Windows with mingw-w64 and run under
# Wine in a Japanese locale, whose ANSI code page is 932 as on the players' systems.
WINDOWS_BUILD ?= build-windows
windows-deps:
	@scripts/install-deps --windows

test-windows: windows-deps
	@mkdir -p $(WINDOWS_BUILD)/headers
	@cp -r /usr/include/CLI /usr/include/nlohmann $(WINDOWS_BUILD)/headers/
	@cmake -S . -B $(WINDOWS_BUILD) $(GENERATOR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
		-DCMAKE_BUILD_TYPE=Release -DFOALIX_WERROR=ON -DFOALIX_GUI=OFF -DFOALIX_BENCH=OFF \
		-DFOALIX_SAMPLES=OFF -DFOALIX_GTEST_SOURCE=/usr/src/googletest \
		-DFOALIX_HEADER_ONLY_DIR=$(CURDIR)/$(WINDOWS_BUILD)/headers >/dev/null
	@cmake --build $(WINDOWS_BUILD)
	@scripts/wine-japanese $(CURDIR)/$(WINDOWS_BUILD)/wineprefix \
		ctest --test-dir $(WINDOWS_BUILD) --output-on-failure
