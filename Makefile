# Two entry points for a fresh Debian 12 machine:
#   make run   installs what is missing, builds and starts Kestrova
#   make test  installs what is missing, builds and runs the whole test suite
# Extra: make test-asan (sanitizer build), make bench (benchmarks).

JOBS ?= $(shell nproc)

.PHONY: run test test-asan bench deps build build-asan clean

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default -j $(JOBS)

build-asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)

run: build
	./build/default/app/kestrova

test: build
	ctest --preset default -j $(JOBS)

test-asan: build-asan
	ctest --preset asan -j $(JOBS)

bench: build
	@for b in $$(find build/default/bench -maxdepth 2 -type f -name "bench_*" -perm -u+x); do echo "== $$b"; QT_QPA_PLATFORM=offscreen "$$b"; done

clean:
	rm -rf build
