# The two commands of the README, `make run` and `make test`, do all the set-up.
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
BENCH_DIR ?= build-bench
FUZZ_DIR ?= build-fuzz
PACKAGE_DIR ?= build-package
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
CMAKE_FLAGS ?=
ifeq ($(CI),true)
  CMAKE_FLAGS += -DQUADREL_WERROR=ON
endif

.PHONY: deps build run test test-asan bench fuzz package clean

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	scripts/run-quadrel $(BUILD_DIR)

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# The headless tests again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUADREL_SANITIZE=ON -DQUADREL_NO_GUI=ON $(CMAKE_FLAGS)
	cmake --build $(ASAN_DIR) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(ASAN_DIR) --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)
	cmake --build $(BENCH_DIR) -j $(JOBS) --target quadrel_benchmarks
	scripts/run-benchmarks $(BENCH_DIR)

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUADREL_FUZZ=ON -DQUADREL_NO_GUI=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	scripts/run-fuzzers $(FUZZ_DIR) $(FUZZ_SECONDS)

# The Debian package, built with Debian's hardening flags; the installed tree is checked
# (desktop entry, MIME type, AppStream) before CPack, the .deb by lintian after.
package: deps
	DEB_BUILD_MAINT_OPTIONS=hardening=+all; export DEB_BUILD_MAINT_OPTIONS; \
	cmake -S . -B $(PACKAGE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" $(CMAKE_FLAGS)
	cmake --build $(PACKAGE_DIR) -j $(JOBS) --target quadrel
	ctest --test-dir $(PACKAGE_DIR) -R '^installation$$' --output-on-failure
	rm -f $(PACKAGE_DIR)/quadrel_*.deb
	cd $(PACKAGE_DIR) && cpack -G DEB
	lintian --fail-on error --info $(PACKAGE_DIR)/quadrel_*.deb
	@echo "Package: $$(realpath $(PACKAGE_DIR)/quadrel_*.deb)"

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(BENCH_DIR) $(FUZZ_DIR) $(PACKAGE_DIR)
