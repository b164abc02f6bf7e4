# Two entry points for a fresh Debian 12 machine:
#   make run   installs what is missing, builds and starts Kestrova
#   make test  installs what is missing, builds and runs the whole test suite
#              twice: the optimised build (benchmarks built, not run), then the
#              AddressSanitizer + UndefinedBehaviorSanitizer build, where any
#              report (memory error, leak, undefined behaviour) fails the run
# Extra: make test-plain / make test-asan (one build only), make bench (benchmarks),
#        make package (the Debian package kestrova_<version>_amd64.deb in build/default).

JOBS ?= $(shell nproc)

# Continuous integration (CI set) builds with warnings as errors.
CONFIGURE_FLAGS := $(if $(CI),-DCMAKE_COMPILE_WARNING_AS_ERROR=ON,)

# The builds and test runs use every core themselves; one at a time.
.NOTPARALLEL:

.PHONY: run test test-plain test-asan bench package deps build build-asan clean

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake --preset default $(CONFIGURE_FLAGS) >/dev/null
	@cmake --build --preset default -j $(JOBS)

build-asan: deps
	@cmake --preset asan $(CONFIGURE_FLAGS) >/dev/null
	@cmake --build --preset asan -j $(JOBS)

run: build
	./build/default/app/kestrova

# The plain suite first: its failures show without waiting for the sanitizer build.
test: test-plain test-asan

test-plain: build
	ctest --preset default -j $(JOBS)

test-asan: build-asan
	ctest --preset asan -j $(JOBS)

bench: build
	@for b in $$(find build/default/bench -maxdepth 2 -type f -name "bench_*" -perm -u+x); do echo "== $$b"; QT_QPA_PLATFORM=offscreen "$$b"; done

package: build
	cd build/default && cpack

clean:
	rm -rf build
