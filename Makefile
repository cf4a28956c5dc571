# Sorvanto: build, test and run on Debian. `make run` and `make test` do all the set-up.
SHELL := /bin/bash
NATIVE := build/native
WIN64 := build/win64

.PHONY: deps build native win64 test run screenshot package benchmark fuzz format clean

deps:
	@tools/install-deps.sh

build: native win64

native:
	@cmake -S . -B $(NATIVE) -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(NATIVE)

win64:
	@cmake -S . -B $(WIN64) -G Ninja -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
	@cmake --build $(WIN64)

test: deps build
	@tools/run-tests.sh $(NATIVE) $(WIN64)

run: deps build
	@tools/run-demo.sh $(WIN64)

screenshot: deps build
	@tools/screenshots.sh $(WIN64)

package: deps win64
	@tools/package.sh $(WIN64)

benchmark: deps win64
	@tools/run-benchmarks.sh

fuzz: deps
	@tools/run-fuzz.sh

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
