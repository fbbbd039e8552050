# The two commands that do everything on a fresh Debian machine:
#   make run    installs what is missing, builds, starts the editor
#   make test   installs what is missing, builds, runs every test
BUILD_DIR ?= build
BENCH_DIR ?= build-bench
JOBS ?= $(shell nproc)
TEST_SETTINGS := $(abspath $(BUILD_DIR))/test-settings.ini

.PHONY: all deps configure build run test bench fuzz clean

all: build

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/src/app/tavelin

test: build
	rm -f $(TEST_SETTINGS)
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen TAVELIN_SETTINGS=$(TEST_SETTINGS) \
	  ctest --output-on-failure -j $(JOBS) --timeout 300

bench: deps
	cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVELIN_BUILD_TESTS=OFF -DTAVELIN_BUILD_BENCH=ON
	cmake --build $(BENCH_DIR) -j $(JOBS)
	cd $(BENCH_DIR) && QT_QPA_PLATFORM=offscreen TAVELIN_SETTINGS=$(abspath $(BENCH_DIR))/bench-settings.ini \
	  bash $(abspath bench/run-all.sh)

fuzz: deps
	bash scripts/fuzz.sh

clean:
	rm -rf $(BUILD_DIR) $(BENCH_DIR) build-fuzz
