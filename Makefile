# Lineato: `make run` starts the program, `make test` builds and runs every test.
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
GENERATOR ?= Ninja
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test test-fast test-asan format bench fuzz clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/app/lineato-batch --axes --png lineato.png examples/umkreis.con
	@echo "Wrote lineato.png"

# Every test in a normal build, then once more built with AddressSanitizer and UndefinedBehaviorSanitizer.
test: test-fast test-asan

test-fast: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

test-asan: deps
	@cmake -S . -B $(ASAN_DIR) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DLINEATO_SANITIZE=ON \
		-DLINEATO_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(ASAN_DIR) -j $(JOBS)
	@ctest --test-dir $(ASAN_DIR) --output-on-failure -j $(JOBS) -E format_check

format:
	@find drawing geometry intersect parser app tests bench fuzz -name '*.cpp' -o -name '*.h' 2>/dev/null \
		| xargs clang-format -i

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
