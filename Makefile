# make run   - install what is missing, build, start Vantor
# make test  - install what is missing, build, run every test
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: run test build deps bench check-asan clean

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

clean:
	rm -rf $(BUILD) build-asan
