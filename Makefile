# Waybill: the two commands a developer needs are `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
WIN_BUILD  ?= build-windows
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 180

.PHONY: all deps configure build test test-core test-asan package test-package run fuzz bench \
	windows test-windows clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test-core: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The Qt-free core and its tests again, under AddressSanitizer and UBSan.
test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DWAYBILL_CORE_ONLY=ON \
		-DWAYBILL_SANITIZE=ON -DWAYBILL_BENCH=OFF >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS)

# The Debian package, build/waybill_<version>_<arch>.deb, from the install rules.
package: build
	@cd $(BUILD) && cpack -G DEB >cpack.log 2>&1 || { cat cpack.log; exit 1; }
	@ls $(BUILD)/waybill_*.deb

# The package checked as Debian and the desktops check it, and run from its installed layout.
test-package: package
	@bash packaging/check-package.sh $(BUILD)

test: test-core test-package test-asan

# The editor opens a sample job: a copy of the shipped default document, made once, so
# what is typed and saved there never touches the template in the program folder.
SAMPLE = $(BUILD)/Sample.fwb

run: build
	@[ -f $(SAMPLE) ] || cp $(BUILD)/bin/Default.fwb $(SAMPLE)
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		xvfb-run -a $(BUILD)/bin/Waybill $(SAMPLE); else $(BUILD)/bin/Waybill $(SAMPLE); fi

# libFuzzer runs of every target, FUZZ_SECONDS each, starting from the seed corpora.
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DWAYBILL_CORE_ONLY=ON -DWAYBILL_FUZZ=ON -DWAYBILL_BENCH=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@for t in $(FUZZ_BUILD)/bin/fuzz_*; do \
		name=$$(basename $$t); corpus=fuzz/corpus/$${name#fuzz_}; \
		mkdir -p $(FUZZ_BUILD)/corpus/$$name; \
		echo "== $$name"; \
		$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 $(FUZZ_BUILD)/corpus/$$name $$corpus || exit 1; \
	done

# The Linux build's optimization (RelWithDebInfo) without the debugging information, which
# would make the statically linked programs large and slow to link.
WIN_OPTIMIZE = -O2 -DNDEBUG

# The core, its tests and waybill-cli for 64-bit Windows, cross-built with mingw-w64, and the
# zip build-windows/waybill-cli-<version>-win64.zip (docs/windows.md).
windows:
	@bash scripts/install-deps.sh windows
	@bash scripts/sqlite-source.sh $(WIN_BUILD)/sqlite
	@cmake -S . -B $(WIN_BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
		-DCMAKE_BUILD_TYPE=Release -DWAYBILL_CORE_ONLY=ON -DWAYBILL_BENCH=OFF \
		"-DCMAKE_CXX_FLAGS_RELEASE=$(WIN_OPTIMIZE)" "-DCMAKE_C_FLAGS_RELEASE=$(WIN_OPTIMIZE)" \
		-DWAYBILL_GTEST_SOURCE=/usr/src/googletest \
		-DWAYBILL_SQLITE_SOURCE=$(abspath $(WIN_BUILD))/sqlite >/dev/null
	@cmake --build $(WIN_BUILD) -j $(JOBS)

# Every test program of that build, and the zip's, under Wine.
test-windows: windows
	@cd $(WIN_BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bin/bench_*; do $$b; done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(WIN_BUILD)
