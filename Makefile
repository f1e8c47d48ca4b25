# The two set-up commands are `make run` and `make test`; everything else builds on them.
JOBS := $(shell nproc)
CTEST := ctest --output-on-failure --no-tests=error

.PHONY: build run test test-unit test-widget test-e2e test-sanitize test-tsan test-fuzz bench bench-quality format check-format package clean

build:
	./scripts/setup.sh build

run: build
	./build/zolvenar

test: build
	cd build && $(CTEST) -j2 -L 'unit|widget'
	cd build && $(CTEST) -L e2e

test-unit: build
	cd build && $(CTEST) -L unit

test-widget: build
	cd build && $(CTEST) -L widget

test-e2e: build
	cd build && $(CTEST) -L e2e

# Every unit and widget test built with AddressSanitizer and UBSan.
test-sanitize:
	./scripts/setup.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DZOLVENAR_SANITIZE=address,undefined
	cd build-asan && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 $(CTEST) -j2 -L 'unit|widget'

# The engine's stress runs under ThreadSanitizer; Qt itself is not instrumented,
# so only the window-free core is built.
test-tsan:
	./scripts/setup.sh build-tsan -DZOLVENAR_CORE_ONLY=ON -DZOLVENAR_SANITIZE=thread
	cd build-tsan && TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" $(CTEST) -L stress

FUZZ_SECONDS ?= 60
test-fuzz:
	ZOLVENAR_NEED_CLANG=1 ./scripts/setup.sh build-fuzz -DZOLVENAR_CORE_ONLY=ON -DZOLVENAR_FUZZ=ON \
		-DCMAKE_CXX_COMPILER=clang++-14 -DZOLVENAR_SANITIZE=address,undefined
	./scripts/run-fuzz.sh build-fuzz $(FUZZ_SECONDS)

bench: build
	./scripts/run-benches.sh build

bench-quality: build
	./scripts/run-benches.sh build --quality

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fails on any source file that `make format` would change.
check-format:
	./scripts/setup.sh build
	./scripts/check-format.sh

package: build
	cd build && cpack -G DEB

clean:
	rm -rf build build-asan build-tsan build-fuzz
