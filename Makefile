# make run   - install what is missing, build, start Vantor
# make test  - install what is missing, build, run every test
# make package - a Debian package of the build: $(BUILD)/vantor_<version>_<arch>.deb
# make check-asan - every test again, built with AddressSanitizer, UBSan and LeakSanitizer
# make fuzz  - each libFuzzer target for FUZZ_SECONDS seconds (clang)
# make bench - the benchmarks of BENCHMARKS.md, from a Release build
# make bench-against BENCH_REF=<commit> - the first window's time against that commit's build
# make soak  - SOAK_DAYS simulated days of random play (SOAK_SEED replays a run)
# make soak-window - a simulated day of the real program under Xvfb, its memory hour by hour
# make windows      - dist/vantor-<version>-windows-x64.zip, cross-built with MinGW-w64
# make test-windows - the Qt Test suite and a smoke of vantor.exe under Wine
BUILD ?= build
JOBS  ?= $(shell nproc)
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := $(basename $(notdir $(wildcard fuzz/fuzz_*.cpp)))
BENCH_BUILD ?= build-bench
BENCH_REF ?= 3ffe2e0
SOAK_DAYS ?= 30
WINDOWS_BUILD ?= build-windows

.PHONY: run test package build deps bench bench-against soak soak-window check-asan fuzz clean

deps:
	@scripts/install-deps

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: Vantor is a desktop program and needs a display (DISPLAY or WAYLAND_DISPLAY is not set)."; \
	  echo "          Start it from a desktop session, or run the tests instead with: make test"; \
	  exit 1; \
	fi
	$(BUILD)/src/app/vantor

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Builds only what the package holds, not the tests, then packs it.
package: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target package_files
	cd $(BUILD) && cpack --config CPackConfig.cmake

# A sanitizer report, a leak at exit included, fails the run. Reports go to
# files so that those of the real program started by the end-to-end tests,
# whose output no test shows, are seen too; tests/lsan.supp names the leaks
# of system libraries.
ASAN_REPORTS = $(abspath $(ASAN_BUILD))/sanitizer-reports
check-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVANTOR_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	rm -rf $(ASAN_REPORTS) && mkdir -p $(ASAN_REPORTS)
	@cd $(ASAN_BUILD) && \
	  ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:log_path=$(ASAN_REPORTS)/asan \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:log_path=$(ASAN_REPORTS)/ubsan \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  ctest --output-on-failure -j $(JOBS); status=$$?; \
	  for report in $(ASAN_REPORTS)/*; do \
	    [ -e "$$report" ] || continue; echo "== $$report"; cat "$$report"; status=1; \
	  done; \
	  exit $$status

# Corpora, logs and crash inputs stay in the build directory. A target that
# breaks a property or trips a sanitizer stops the run; its account is shown
# and the input that did it is kept under crashes/.
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DVANTOR_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(FUZZ_TARGETS)
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t $(FUZZ_BUILD)/crashes; \
	  log=$(FUZZ_BUILD)/$$t.log; \
	  if $(FUZZ_BUILD)/fuzz/$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	       -artifact_prefix=$(FUZZ_BUILD)/crashes/$$t- $(FUZZ_BUILD)/corpus/$$t > $$log 2>&1; then \
	    echo "$$t: $$(grep -m1 '^Done' $$log)"; \
	  else \
	    tail -n 60 $$log; echo "$$t failed; the input is kept in $(FUZZ_BUILD)/crashes"; exit 1; \
	  fi; \
	done

$(BENCH_BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release

bench: deps $(BENCH_BUILD)/CMakeCache.txt
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target vantor bench_rules bench_window bench_start_bare bench_start_vantor bench_start_chooser bench_startup
	bench/run-benchmarks.sh $(BENCH_BUILD)

# The commit's source is exported (git archive) and built beside the bench
# tree once; both programs then start in turn on one Xvfb (ROUNDS rounds of
# STARTUP_RUNS starts each).
BENCH_REF_DIR = $(BENCH_BUILD)/ref-$(shell git rev-parse --short=12 $(BENCH_REF))
bench-against: deps $(BENCH_BUILD)/CMakeCache.txt
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target vantor bench_startup
	@if [ ! -f $(BENCH_REF_DIR)/build/CMakeCache.txt ]; then \
	  rm -rf $(BENCH_REF_DIR) && mkdir -p $(BENCH_REF_DIR)/source && \
	  git archive $(BENCH_REF) | tar -x -C $(BENCH_REF_DIR)/source && \
	  cmake -S $(BENCH_REF_DIR)/source -B $(BENCH_REF_DIR)/build -DCMAKE_BUILD_TYPE=Release; \
	fi
	cmake --build $(BENCH_REF_DIR)/build -j $(JOBS) --target vantor
	bench/run-benchmarks.sh $(BENCH_BUILD) --against $(BENCH_REF_DIR)/build/src/app/vantor

soak: deps $(BENCH_BUILD)/CMakeCache.txt
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target soak
	$(BENCH_BUILD)/bench/soak --days $(SOAK_DAYS) $(if $(SOAK_SEED),--seed $(SOAK_SEED))

# About ten seconds for each simulated hour (SOAK_HOURS, 24 by default).
SOAK_HOURS ?= 24
soak-window: deps $(BENCH_BUILD)/CMakeCache.txt
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target vantor
	bench/window-day.sh $(BENCH_BUILD)/src/app/vantor $(SOAK_HOURS)

# The first run builds Qt for Windows into ~/.cache/vantor (about an hour on
# two cores); later runs reuse it.
windows: deps
	@scripts/install-deps --windows
	scripts/windows-build $(WINDOWS_BUILD) dist

test-windows: deps
	@scripts/install-deps --windows
	scripts/windows-build $(WINDOWS_BUILD) dist --tests
	cd $(WINDOWS_BUILD) && ctest --output-on-failure -j $(JOBS)
	tests/windows/smoke.sh $(WINDOWS_BUILD)/vantor-*-windows-x64/vantor.exe $(WINDOWS_BUILD)/clipboard_bytes.exe $(WINDOWS_BUILD)/tests/windows

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(WINDOWS_BUILD) dist
