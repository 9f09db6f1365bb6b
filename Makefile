# SPDX-License-Identifier: GPL-3.0-or-later
# The front door: `make run` and `make test` install what is missing, build and go.
BUILD_DIR       ?= build
SANITIZE_DIR    ?= build-sanitize
BUILD_TYPE      ?= RelWithDebInfo
CMAKE_FLAGS     ?=

.PHONY: all deps configure build run test test-sanitize fuzz package package-check fresh-machine web screenshot bench monkey format tidy clean

all: build

deps:
	@scripts/install-deps test

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
		-DBUILD_TESTING=ON -DRESISTANCES_BENCHMARKS=ON $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

# The window alone: its own packages, and a build of only what it needs where
# no build tree is configured yet (a tree `make test` configured is used as it is).
run:
	@scripts/install-deps run
	@test -f $(BUILD_DIR)/build.ninja || cmake -S . -B $(BUILD_DIR) -G Ninja \
		-DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DBUILD_TESTING=OFF -DRESISTANCES_BENCHMARKS=OFF \
		$(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD_DIR) --target resistances
	@scripts/run-window $(BUILD_DIR)/app/resistances

test: build
	@scripts/run-tests $(BUILD_DIR)

# The toolkit-free layers under AddressSanitizer and UBSan: quick, no Qt.
test-sanitize:
	@scripts/install-deps sanitize
	@cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
		-DRESISTANCES_SANITIZE=ON -DRESISTANCES_CORE_ONLY=ON >/dev/null
	@cmake --build $(SANITIZE_DIR)
	@LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp scripts/run-tests $(SANITIZE_DIR)

# Each libFuzzer harness for a minute under ASan and UBSan; not part of the tests.
FUZZ_DIR     ?= build-fuzz
FUZZ_SECONDS ?= 60
fuzz:
	@scripts/install-deps fuzz
	@scripts/fuzz $(FUZZ_DIR) $(FUZZ_SECONDS)

# The Debian package, built the Debian way, beside the source tree (in ..).
package:
	@scripts/install-deps package
	@dpkg-buildpackage -us -uc -b

# The package as a distribution builds it: a fresh Debian 12 root, only the
# declared build dependencies, lintian, autopkgtest, and a second build that
# must give the same bytes.
package-check:
	@scripts/install-deps roots
	@scripts/package-check

# The README's two commands on a bare Debian 12 root, as a new user runs them.
fresh-machine:
	@scripts/install-deps roots
	@scripts/fresh-machine

# The page in $(BUILD_DIR)/web: open it with python3 -m http.server -d $(BUILD_DIR)/web
web: configure
	@cmake --build $(BUILD_DIR) --target web

# Benchmarks: never part of the tests. See bench/README.md.
bench: build
	@$(BUILD_DIR)/bench/model_bench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/binding_bench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
	@$(BUILD_DIR)/bench/soak
	@$(BUILD_DIR)/bench/networks
	@bench/combiner $(BUILD_DIR)
	@$(BUILD_DIR)/bench/dividers
	@bench/diviseur $(BUILD_DIR)
	@bench/etiquettes $(BUILD_DIR)
	@bench/startup

# The long monkey test: thousands of random real clicks and keys under Xvfb.
MONKEY_ACTIONS ?= 3000
MONKEY_SEED    ?= 20261208
monkey: build
	@tests/desktop/monkey $(BUILD_DIR)/app/resistances $(BUILD_DIR)/tests/desktop/x11_probe $(MONKEY_ACTIONS) $(MONKEY_SEED)

# Regenerates the pictures of the window, of the tools page and of its band reader on a phone,
# and of a sheet of labels, shown in the README.
screenshot: build
	@$(BUILD_DIR)/tools/screenshot docs/screenshot.png
	@/usr/bin/python3 tools/tools_screenshot.py $(BUILD_DIR)/web docs/outils.png docs/lecteur.png
	@$(BUILD_DIR)/cli/resistances-code etiquettes --serie E12 --de 10 --a 1M --format pdf | \
		pdftoppm -png -r 60 -f 1 -l 1 -singlefile - docs/etiquettes

format:
	@scripts/install-deps lint
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

tidy: configure
	@scripts/install-deps lint
	@git ls-files 'tables/*.h' 'logic/*.cpp' 'ui/*.cpp' 'app/*.cpp' 'strings/*.cpp' 'notation/*.cpp' 'reactive/*.cpp' 'searches/*.cpp' 'labelling/*.cpp' 'cli/*.cpp' 'cli/verbs/*.cpp' | xargs clang-tidy -p $(BUILD_DIR) --quiet

clean:
	@rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)
