# The two commands of the README: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)
# CI builds with warnings as errors; a user's newer compiler may warn without failing the build.
WERROR ?= $(if $(filter true,$(CI)),ON,OFF)
DEMO_OUT ?= $(BUILD)/demo.wav
# Every build compiles through ccache when the machine has it.
CCACHE := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
# Sanitized code compiles at -O1 with line tables only: in half the time of -O2 -g, and a report
# still names every function, file and line of its stack.
SANITIZER_FLAGS = -O1 -g1 -DNDEBUG
SANITIZER_BUILD = cmake -S . -B $(1) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESALO_EXTRAS=OFF -DTESALO_WERROR=$(WERROR) $(CCACHE) \
  -DCMAKE_C_FLAGS_RELWITHDEBINFO="$(SANITIZER_FLAGS)" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$(SANITIZER_FLAGS)"

.PHONY: all run test test-asan test-tsan build configure deps clean timbre drums package

# `make` alone builds everything (programs, tests, previews) after installing what is missing.
all: build

deps:
	@scripts/install-deps

# The programs and the tests build at -O2 without debug information: the package is stripped
# anyway, and line tables for every template of Qt and the test framework cost a third of the
# compile time.
configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG" \
	  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DTESALO_WERROR=$(WERROR) $(CCACHE)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Every test program under AddressSanitizer and UndefinedBehaviorSanitizer: any report fails.
test-asan: deps
	$(call SANITIZER_BUILD,$(BUILD)-asan) -DTESALO_ASAN=ON
	cmake --build $(BUILD)-asan -j $(JOBS)
	cd $(BUILD)-asan && ASAN_OPTIONS="halt_on_error=1 detect_leaks=1 exitcode=66 fast_unwind_on_malloc=0" \
	  LSAN_OPTIONS="suppressions=$(CURDIR)/tests/lsan.supp" \
	  UBSAN_OPTIONS="halt_on_error=1 print_stacktrace=1 exitcode=66" \
	  ctest --output-on-failure -j $(JOBS)

# The library's caller and ready threads, the platform's queues and bridge windows under
# ThreadSanitizer: any report fails. The Qt programs stay out: Debian's Qt is not instrumented
# and synchronises through futexes and its own thread pool, which ThreadSanitizer reports as races.
test-tsan: deps
	$(call SANITIZER_BUILD,$(BUILD)-tsan) -DTESALO_TSAN=ON
	cmake --build $(BUILD)-tsan -j $(JOBS) --target library_tests platform_tests
	TSAN_OPTIONS="halt_on_error=1 exitcode=66 suppressions=$(CURDIR)/tests/tsan.supp" $(BUILD)-tsan/bin/platform_tests --gtest_brief=1
	TSAN_OPTIONS="halt_on_error=1 exitcode=66 suppressions=$(CURDIR)/tests/tsan.supp" $(BUILD)-tsan/bin/library_tests --gtest_brief=1

# The player on the desktop; without a display, the first demo song rendered to a WAV file.
# Builds only the two programs (and the files they load), not the tests.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target tesalo-player tesalo-cli
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  $(BUILD)/bin/tesalo-player; \
	else \
	  echo "No display (DISPLAY and WAYLAND_DISPLAY are empty): rendering the first demo song instead."; \
	  $(BUILD)/bin/tesalo render -q 3 --lpf $(BUILD)/bin/demo/morning_lanterns.mid -o $(DEMO_OUT) && \
	  echo "The demo song is rendered to $(DEMO_OUT)"; \
	fi

# How close each program of the voice set sounds to a sampled General MIDI set (bench/timbre).
timbre: configure
	cmake --build $(BUILD) -j $(JOBS) --target tesalo-cli voice-file
	bench/timbre/timbre $(BUILD)/bin/tesalo $(BUILD)/timbre

# How close each General MIDI drum key of the kit sounds to the same sampled set (bench/timbre).
drums: configure
	cmake --build $(BUILD) -j $(JOBS) --target tesalo-cli voice-file
	bench/timbre/drums $(BUILD)/bin/tesalo $(BUILD)/drums

# The Debian package of everything `cmake --install` installs: $(BUILD)/package/tesalo_*.deb.
package: build
	cd $(BUILD) && cpack -G DEB

# The sources laid out by .clang-format.
.PHONY: format
format:
	git ls-files '*.c' '*.cpp' '*.h' | xargs clang-format -i

# Every build folder the Makefile, the fuzzing and the benchmarks' baseline make.
clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-tsan build-fuzz build-baseline

# Speed and memory of `tesalo render` beside the baseline commit (bench/baseline-commit) and the
# peer synthesizers, the render loop per voice-sample, batch rendering: bench/results.md.
# BENCH_RUNS=N runs per figure (default 3), BENCH_QUICK=1 a short check.
.PHONY: bench
bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target tesalo-cli voice-file demo-files render_bench
	bench/bench.py --build $(BUILD) --jobs $(JOBS)

# Fuzzing: each target FUZZ_SECONDS (60) under libFuzzer; crashes become regression inputs.
.PHONY: fuzz
fuzz:
	FUZZ_SECONDS=$(or $(FUZZ_SECONDS),60) FUZZ_JOBS=$(JOBS) tests/fuzz/run-fuzz
