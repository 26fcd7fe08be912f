# Lineato: `make run` starts the program, `make test` builds and runs every test.
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
PACKAGE_DIR ?= build-package
FUZZ_SECONDS ?= 300
FUZZ_SMOKE_SECONDS ?= 10
MONKEY_SECONDS ?= 600
GENERATOR ?= Ninja
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test test-fast test-asan test-fuzz fuzz-build format bench fuzz package clean

all: build

deps:
	@scripts/install-deps

# Release: the configuration users run is also the one the tests pass in, with warnings as errors at -O3.
configure: deps
	@cmake -S . -B $(BUILD_DIR) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/app/lineato

# Every test in a normal build, then once more built with AddressSanitizer and UndefinedBehaviorSanitizer,
# then a short run of each fuzzer with every saved crash input replayed.
test: test-fast test-asan test-fuzz

test-fast: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

test-asan: deps
	@cmake -S . -B $(ASAN_DIR) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DLINEATO_SANITIZE=ON \
		-DLINEATO_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(ASAN_DIR) -j $(JOBS)
	@ctest --test-dir $(ASAN_DIR) --output-on-failure -j $(JOBS) -E format_check

format:
	@find drawing geometry intersect parser text document describe export batch app tests bench fuzz -name '*.cpp' -o -name '*.h' 2>/dev/null \
		| xargs clang-format -i

# The libFuzzer targets need clang; they live in their own build directory.
fuzz-build: deps
	@cmake -S . -B $(FUZZ_DIR) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
		-DCMAKE_CXX_COMPILER=clang++ -DLINEATO_BUILD_FUZZ=ON -DLINEATO_BUILD_APP=OFF \
		-DLINEATO_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS)

test-fuzz: fuzz-build
	@fuzz/run-fuzzers $(FUZZ_DIR) $(FUZZ_SMOKE_SECONDS)

# Each fuzzer for FUZZ_SECONDS (make fuzz FUZZ_SECONDS=3600), then the monkey test of the window for
# MONKEY_SECONDS in the normal build. FUZZ_ONLY, FUZZ_RUNS and FUZZ_JOBS reach fuzz/run-fuzzers through
# the environment (see there).
fuzz: fuzz-build build
	@fuzz/run-fuzzers $(FUZZ_DIR) $(FUZZ_SECONDS)
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tests/app/test_monkey --seconds $(MONKEY_SECONDS)

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

# The Debian package of the two programs, built in Release for /usr: $(PACKAGE_DIR)/package/lineato_*.deb.
package: deps
	@cmake -S . -B $(PACKAGE_DIR) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
		-DBUILD_TESTING=OFF -DLINEATO_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(PACKAGE_DIR) -j $(JOBS)
	@cd $(PACKAGE_DIR) && cpack -G DEB
	@ls $(PACKAGE_DIR)/package/*.deb

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR) $(PACKAGE_DIR)
