# The two commands of the README: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)
DEMO_OUT ?= $(BUILD)/demo.wav

.PHONY: run test build deps clean

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Until the player's window exists: render the built-in test tune to a WAV file.
run: build
	@scripts/make-test-tune $(BUILD)/test-tune.mid
	$(BUILD)/bin/tesalo render $(BUILD)/test-tune.mid -o $(DEMO_OUT)
	@echo "The test tune is rendered to $(DEMO_OUT)"

clean:
	rm -rf $(BUILD)
