# The two commands of the README:
#   make run    set up the machine if needed, build, start the program
#   make test   set up the machine if needed, build, run every test
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build setup clean format

setup:
	@scripts/setup

build: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/run/quorvel

test: build
	@scripts/run-tests $(BUILD)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
