BUILD_DIR ?= build
# Where `make install` puts the program (bin/, share/); DESTDIR is honoured as well.
PREFIX ?= /usr/local
JOBS ?= 2
CMAKE_FLAGS ?=
# `make check`: the engines and their tests under AddressSanitizer and UndefinedBehaviorSanitizer, then
# every fuzz target for FUZZ_SECONDS from its corpus.
CHECK_DIR ?= build-check
FUZZ_SECONDS ?= 20
SANITIZERS := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
# Tests left to `make test`: the exact odds of a system walk all 43,949,268 draws of a wheel and take
# over five minutes under the sanitizers.
CHECK_SALTATI := -ProbabilitaSistema.UnAmboSuUnaRuotaESuTutte:ProbabilitaSistema.ValoreAttesoDelleClassiEDueGiocate
# ccache shares objects between checkouts in different folders (CI clones, work trees): paths are
# hashed relative to the checkout.
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1
# Lets ccache keep the objects of the files built with the precompiled Qt headers.
export CCACHE_SLOPPINESS := pch_defines,time_macros,include_file_mtime,include_file_ctime

.PHONY: all deps configure build run test check bench clean format format-check install package

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

# The libraries get the fuzzer's coverage hooks too (fuzzer-no-link): the tests link them unchanged.
check: deps
	@cmake -S . -B $(CHECK_DIR) -DCMAKE_CXX_COMPILER=clang++ -DQUARVIN_SOLO_MOTORI=ON -DQUARVIN_FUZZ=ON \
		-DCMAKE_CXX_FLAGS="$(SANITIZERS) -fsanitize=fuzzer-no-link" $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(CHECK_DIR) -j $(JOBS)
	cd $(CHECK_DIR) && LANG=C.UTF-8 ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1 \
		UBSAN_OPTIONS=print_stacktrace=1 GTEST_FILTER=$(CHECK_SALTATI) ctest --output-on-failure -j $(JOBS)
	@scripts/fuzz $(CHECK_DIR) $(FUZZ_SECONDS)

bench: build
	$(BUILD_DIR)/bench/quarvin-bench

clean:
	rm -rf $(BUILD_DIR)

format: deps
	@scripts/format

format-check: deps
	@scripts/format --check
