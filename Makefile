BUILD_DIR ?= build
# Where `make install` puts the program (bin/, share/); DESTDIR is honoured as well.
PREFIX ?= /usr/local
JOBS ?= 2
CMAKE_FLAGS ?=
# ccache shares objects between checkouts in different folders (CI clones, work trees): paths are
# hashed relative to the checkout.
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1
# Lets ccache keep the objects of the files built with the precompiled Qt headers.
export CCACHE_SLOPPINESS := pch_defines,time_macros,include_file_mtime,include_file_ctime

.PHONY: all deps configure build run test bench clean format format-check install package

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/src/app/quarvin

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 ctest --output-on-failure -j $(JOBS)

install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# A .deb for /usr in $(BUILD_DIR)/pacchetto.
package: build
	@cmake --build $(BUILD_DIR) --target package

bench: build
	$(BUILD_DIR)/bench/quarvin-bench

clean:
	rm -rf $(BUILD_DIR)

format: deps
	@scripts/format

format-check: deps
	@scripts/format --check
