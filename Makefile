# The commands a newcomer types: `make run` and `make test`. Each installs what is
# missing first, then builds.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
CMAKE_FLAGS ?=
GENERATOR := -G Ninja

.PHONY: all deps configure build run dump test test-sanitize bench format clean

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

bench: build
	@$(BUILD)/bench/foalix_bench --benchmark_min_time=0.5

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
