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

# A talvo.fys inside the build folder is the user's data (earlier builds kept it beside the
# executable): clean refuses to delete a build folder that holds one. The template generated in
# plantilla/ is not user data.
clean:
	@datos=$$(find "$(BUILD)" -name 'talvo.fys*' ! -path "*/plantilla/talvo.fys" 2>/dev/null); \
	if [ -n "$$datos" ]; then \
		echo "make clean: no se borra $(BUILD) porque contiene datos del programa:" >&2; \
		echo "$$datos" | sed 's/^/    /' >&2; \
		echo "Mueva esos archivos fuera de $(BUILD) (el programa usa ~/.local/share/OBRIX/TALVO) y repita make clean." >&2; \
		exit 1; \
	fi
	rm -rf "$(BUILD)"
