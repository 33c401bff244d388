# The two set-up commands are `make run` and `make test`; every other target is
# a step of those, or a tool for developers (bench, fuzz, windows, screenshot).

WERROR ?= OFF
JOBS ?= $(shell nproc)
CMAKE_FLAGS = -G Ninja -DTEXTMEND_WERROR=$(WERROR)

BUILD = build
ASAN_BUILD = build-asan
WIN_BUILD = build-windows
FUZZ_BUILD = build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: all deps build run test test-linux test-asan test-windows test-fuzz test-e2e \
        test-package windows package bench fuzz screenshot format format-check clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/build.ninja: CMakeLists.txt
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD)

test: deps
	@bash scripts/test.sh

test-linux: build
	ctest --test-dir $(BUILD) --output-on-failure

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug -DTEXTMEND_SANITIZE=ON \
	      -DTEXTMEND_BUILD_BENCH=OFF -DTEXTMEND_BUILD_QT=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure

windows: deps
	cmake -S . -B $(WIN_BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Release \
	      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
	cmake --build $(WIN_BUILD) -j $(JOBS)

test-windows: windows
	ctest --test-dir $(WIN_BUILD) --output-on-failure

fuzz: deps
	@bash scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

test-fuzz: fuzz

# Both programs, the Windows one under Wine; fails when either fails.
test-e2e: build windows
	@status=0; bash scripts/e2e.sh $(BUILD) || status=1; \
	bash scripts/e2e-windows.sh $(WIN_BUILD) || status=1; exit $$status

# The .deb from the Linux build; the installer and the zip from the Windows build.
package: build windows
	cmake --build $(BUILD) --target package
	cmake --build $(WIN_BUILD) --target package
	@ls -l $(BUILD)/packages/*.deb $(WIN_BUILD)/packages/*.exe $(WIN_BUILD)/packages/*.zip

test-package: package
	@bash scripts/test-package.sh $(BUILD) $(WIN_BUILD)

bench: deps
	@bash scripts/bench.sh

screenshot: build windows
	@bash scripts/screenshot.sh $(BUILD)
	@bash scripts/screenshot-windows.sh $(WIN_BUILD)

SOURCES_TO_FORMAT = find src tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0

format:
	$(SOURCES_TO_FORMAT) | xargs -0 clang-format -i

# Fails on any file that `make format` would change.
format-check: deps
	$(SOURCES_TO_FORMAT) | xargs -0 clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(WIN_BUILD) $(FUZZ_BUILD) build-bench build-e2e
