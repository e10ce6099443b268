# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands of the README:
#   make run    set up the machine if needed, build, start the program
#   make test   set up the machine if needed, build, run every test
#   make package  set up the machine if needed, build, and make build/quorvel_<version>_<arch>.deb
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test package build setup clean format

setup:
	@scripts/setup

build: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/run/quorvel

test: build
	@scripts/run-tests $(BUILD)

package: build
	@cmake --build $(BUILD) --target package

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
