# Quick start: `make run` builds Numora and starts it; `make test` builds everything and runs every
# test. Both install what is missing first (tools/setup.sh).
.PHONY: run test setup build clean windows

setup:
	@bash tools/setup.sh

build: setup
	@cmake --preset dev >/dev/null
	@cmake --build --preset dev

run: setup
	@cmake --preset dev >/dev/null
	@cmake --build --preset dev --target numora
	@./build/dev/app/numora

test: build
	@ctest --preset dev

# The Windows installer and zip in build/windows/, tested under Wine (tools/windows/build.sh).
windows:
	@bash tools/windows/build.sh

clean:
	@rm -rf build
