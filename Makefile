# Two commands for a fresh Debian 12 machine: "make run" and "make test".
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test bench package clean

deps:
	@scripts/instalar-dependencias.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/talvo

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The Debian package (talvo_<version>_<arch>.deb in the build folder), to install with
# "sudo apt install ./build/talvo_*.deb".
package: build
	cd $(BUILD) && cpack -G DEB

bench: configure
	@cmake --build $(BUILD) -j $(JOBS) --target benchmarks

clean:
	rm -rf $(BUILD)
