# Garabel: `make run` builds and starts the program, `make test` runs every test.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
# Let ccache share objects between checkouts in different folders.
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1

.PHONY: all deps configure build run test bench sanitize clean fuzz

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/garabel

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

bench: build
	@bash scripts/bench.sh $(BUILD)

# The tests again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=Debug -DGARABEL_SANITIZE=ON -DGARABEL_BENCH=OFF
	cmake --build $(BUILD)-asan -j $(JOBS)
	QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(BUILD)-asan --output-on-failure -j $(JOBS)

# Installs the program, its desktop entry, icons, metadata and manual page
# under PREFIX (DESTDIR, when set, is put in front).
PREFIX ?= /usr/local
.PHONY: install package
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, in $(BUILD): builds only what goes into it (the program,
# its icons and texts), not the tests and benchmarks.
package: configure
	cmake --build $(BUILD) -j $(JOBS) --target garabel garabel_desktop_files
	cmake --build $(BUILD) --target package
# The picture-file fuzzer (clang, libFuzzer, ASan/UBSan) in its own build folder,
# for FUZZ_SECONDS seconds; skipped with a note where there is no clang.
FUZZ_SECONDS ?= 60
fuzz:
	@bash fuzz/run.sh $(BUILD)-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-fuzz

# The seeded monkey on a virtual screen, built with the sanitizers:
# make monkey SEED=42 EVENTS=20000 (a new seed each run when none is given).
.PHONY: monkey
SEED ?= $(shell date +%s)
EVENTS ?= 3000
monkey: deps
	cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=Debug -DGARABEL_SANITIZE=ON -DGARABEL_BENCH=OFF
	cmake --build $(BUILD)-asan -j $(JOBS) --target garabel_monkey
	bash monkey/run.sh $(BUILD)-asan $(SEED) $(EVENTS)
