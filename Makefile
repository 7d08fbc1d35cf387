# The two set-up commands of the README:
#   make run    install what is missing, configure, build, start Torqal
#   make test   the same set-up, then every test headless (plus the data
#               tests again under AddressSanitizer and UBSan, and the start-up's
#               threads under ThreadSanitizer; in CI as root also the Debian
#               package, installed and started)
# and two more:
#   make demo     start Torqal on a throwaway folder of demo rides
#   make package  build the Debian package build/torqal_<version>_<arch>.deb

BUILD      ?= build
ASAN_BUILD ?= build-asan
TSAN_BUILD ?= build-tsan
JOBS       ?= $(shell nproc)
# Ninja starts the next compiler the moment one ends and checks a build that
# is up to date at once.
GENERATOR  := -G Ninja
# Rebuilds are quicker through ccache where it is installed (it is optional).
# It hashes the paths below the checkout relative to it, so that a fresh clone
# anywhere finds what another checkout compiled. Set here, for these builds
# alone, not in the user's ccache.conf.
CCACHE     := $(shell command -v ccache)
CCACHE_ENV := CCACHE_BASEDIR=$(CURDIR);CCACHE_NOHASHDIR=true
LAUNCHER   := $(if $(CCACHE),"-DCMAKE_CXX_COMPILER_LAUNCHER=env;$(CCACHE_ENV);$(CCACHE)")

.PHONY: run test deps build build-asan build-tsan bench clean demo package programs

deps:
	@scripts/setup-deps

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# The programs alone, without the tests: a first start builds only these.
programs: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target torqal torqal-demo-data

run: programs
	@scripts/run-program $(BUILD)

$(ASAN_BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(ASAN_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug $(LAUNCHER) -DTORQAL_SANITIZE=ON -DTORQAL_DATA_ONLY=ON

build-asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)

$(TSAN_BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(TSAN_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug $(LAUNCHER) -DTORQAL_THREAD_SANITIZE=ON

build-tsan: deps $(TSAN_BUILD)/CMakeCache.txt
	cmake --build $(TSAN_BUILD) -j $(JOBS)

# The address checker's suite runs while the rest is built and tested.
test: build-asan
	@scripts/run-tests "$(MAKE)" $(ASAN_BUILD) $(BUILD) $(TSAN_BUILD) $(JOBS)
	@if [ "$${CI:-}" = true ]; then \
	  if [ "$$(id -u)" = 0 ]; then $(MAKE) --no-print-directory package && scripts/check-package $(BUILD); \
	  else echo "The package check installs a package and needs root: skipped."; fi; fi

demo: programs
	@scripts/run-demo $(BUILD)

package: build
	rm -f $(BUILD)/torqal_*.deb
	cd $(BUILD) && cpack -G DEB
	@echo "Package: $$(ls $(BUILD)/torqal_*.deb)"

bench: build
	@scripts/setup-deps --bench
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@scripts/run-benchmarks $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD)
