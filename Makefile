# Everything a fresh Debian machine needs:
#   make demo   installs what is missing, builds, and runs ifx on the examples
#   make test   installs what is missing, builds with warnings as errors, runs
#               the test suite, runs it again under AddressSanitizer and
#               UndefinedBehaviorSanitizer (the heaviest tests run in one of
#               the two only, see SANITIZED_ONLY), runs the thread test under
#               ThreadSanitizer, then validates
#               every file the tests wrote with xmllint; the pin-out page is
#               opened in headless Chromium when it is installed
#   make test-browser  installs Chromium and runs the test that opens the
#               pin-out page in it
#   make fuzz   runs each libFuzzer target for FUZZ_SECONDS (default 300) with
#               AddressSanitizer and UndefinedBehaviorSanitizer, then merges
#               what it found new into fuzz/corpus
#   make fuzz-smoke  runs each libFuzzer target for FUZZ_SMOKE_SECONDS
#               (default 30) from the regression inputs, in a scratch corpus
#               that is not merged; a crash fails it (CI runs it after the tests)
#   make format  formats the tracked C++ sources with .clang-format;
#               make format-check fails on any source that it would change
#   make fuzz-coverage  reports the library's line coverage reached by the
#               fuzz corpus and regression inputs
#   make mutants  applies one-line faults to a copy of the checkout, one at a
#               time, and reports which the test suite notices (an hour or more)
#   make soak   reads, edits and writes the example for SOAK_SECONDS (default
#               180) and reports the resident size at the start and the end
#   make valgrind  runs the reader and editing tests under valgrind memcheck
#   make bench  builds and runs the benchmarks against Xerces-C alone (minutes),
#               the Python module's walk over a large design, then importing
#               and exporting pin placements against reading and writing a
#               design file; it also reads many references to one port and
#               measures the resident growth of edit-and-undo cycles
#   make test-kicad  installs KiCad's symbol and footprint libraries and
#               reads every FPGA symbol and every BGA, QFN and QFP footprint
#               of them; it reports each it cannot read
#   make test-boards  imports the pin constraints of public boards, from
#               Debian's source packages, against KiCad's libraries
#               (tests/kicad/public-boards.py)
#   make docs   builds the HTML reference of the public headers with Doxygen
#               into build/docs/html, the Python module's with pydoc and the
#               ifx manual page's; an undocumented public declaration fails
#   make package  builds the Debian package with CPack, from a release build
#               without the tests, into build-package/

PACKAGES := cmake make g++ pkg-config libxerces-c-dev libgtest-dev libxml2-utils \
            libcli11-dev nlohmann-json3-dev pybind11-dev python3-dev python3-pytest
JOBS     ?= 2
BUILD    ?= build
ASAN     ?= build-asan
TSAN     ?= build-tsan
SCHEMA   := schema/InterfaceExchangeSchema.xsd
EXAMPLE  := examples/board.xml
GENERATED_EXAMPLE := examples/fpga_board.xml
# The interpreter the Python module is built for and tested with: python3 on
# PATH when it has pytest, else Debian's, for which python3-pytest is
# installed. Another: make PYTHON=/path/to/python3 (it needs pytest for make
# test).
PYTHON ?= $(shell python3 -c 'import pytest, sys; print(sys.executable)' 2>/dev/null || echo /usr/bin/python3)
DEMO_CONSTRAINTS  := tests/data/interchange/board.xdc

BROWSER_PACKAGES := chromium

FUZZ_PACKAGES := clang libclang-rt-14-dev
FUZZ          ?= build-fuzz
FUZZ_SECONDS  ?= 300
FUZZ_TARGETS  := reader edit kicad
FUZZ_SMOKE_SECONDS ?= 30
FUZZ_COVERAGE ?= build-fuzz-coverage
# Files up to 8 KB, with the words of their formats; operation sequences up to
# 1 KB, tried at full length from the start (one round trip costs more than
# many operations).
FUZZ_OPTIONS_reader := -max_len=8192 -dict=fuzz/reader.dict
FUZZ_OPTIONS_edit   := -max_len=1024 -len_control=0
FUZZ_OPTIONS_kicad  := -max_len=8192 -dict=fuzz/kicad.dict

FORMAT_PACKAGES := clang-format
FORMAT_SOURCES   = $(shell git ls-files '*.cpp' '*.h')

SOAK_SECONDS  ?= 180

MUTANTS       ?= build-mutants
# Each fault's rebuild goes through ccache (tests/mutants/run.sh).
MUTANT_PACKAGES := ccache

PACKAGE_BUILD ?= build-package

KICAD_PACKAGES := kicad-symbols kicad-footprints
KICAD_LIBRARIES ?= /usr/share/kicad

DOCS_PACKAGES := doxygen groff
DOCS          ?= $(BUILD)/docs
# The public headers of the core, the interchange library and the KiCad readers.
DOCS_HEADERS  := include interchange/include kicad/include
VERSION       := $(shell sed -n '/^project/s/.* VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

# The largest inputs (a million references, 100 000 levels) would take long
# under valgrind; the fuzz corpus covers editing.
VALGRIND_PACKAGES := valgrind
VALGRIND_SKIPPED  := HostileInput.AMillion*:SaveFailure.ADesignLargerThanARead*:DeepTree.*
VALGRIND_TESTS    := *-$(VALGRIND_SKIPPED)

.PHONY: all deps deps-browser deps-fuzz deps-valgrind deps-docs deps-kicad deps-mutants build build-asan build-tsan build-fuzz demo test test-browser test-kicad test-boards python-imports \
        mutants fuzz $(addprefix fuzz-,$(FUZZ_TARGETS)) fuzz-smoke $(addprefix fuzz-smoke-,$(FUZZ_TARGETS)) \
        fuzz-coverage deps-format format format-check soak valgrind bench docs package clean

all: build

# make demo and make test build one tree with the same flags, so that the
# test reuses what the demo built: the warnings of cmake/Warnings.cmake as
# errors (make WERROR=OFF turns that off), and line tables only (-g1)
# instead of full debug information: a fifth less compile time, and stack
# traces and sanitizer reports keep their file and line (make DEBUG_INFO=-g
# asks for the full one).
WERROR ?= ON
WERROR_OPTION = $(if $(WERROR),-DWJ_WERROR=$(WERROR))
DEBUG_INFO ?= -g1
# The demo builds only what it runs; the other targets build everything.
demo: BUILD_TARGETS = ifx wjxml_python
DEBUG_OPTIONS = $(if $(DEBUG_INFO),-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 $(DEBUG_INFO) -DNDEBUG" \
                -DCMAKE_CXX_FLAGS_DEBUG="$(DEBUG_INFO)")

# Installs those of the Debian packages $(1) that are missing.
define install-missing
	@missing=""; \
	for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ] && command -v apt-get >/dev/null; then \
	    echo "installing:$$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing >/dev/null; \
	  else \
	    echo "please install these Debian packages:$$missing" >&2; exit 1; \
	  fi; \
	fi
endef

deps:
	$(call install-missing,$(PACKAGES))

deps-mutants:
	$(call install-missing,$(MUTANT_PACKAGES))

deps-browser:
	$(call install-missing,$(BROWSER_PACKAGES))

deps-fuzz:
	$(call install-missing,$(FUZZ_PACKAGES))

deps-valgrind:
	$(call install-missing,$(VALGRIND_PACKAGES))

deps-docs:
	$(call install-missing,$(DOCS_PACKAGES))

deps-kicad:
	$(call install-missing,$(KICAD_PACKAGES))

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPython_EXECUTABLE=$(PYTHON) $(WERROR_OPTION) $(DEBUG_OPTIONS) >/dev/null
	cmake --build $(BUILD) -j$(JOBS) $(if $(BUILD_TARGETS),--target $(BUILD_TARGETS))

build-asan: deps
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DWJ_SANITIZE=ON -DPython_EXECUTABLE=$(PYTHON) $(WERROR_OPTION) $(DEBUG_OPTIONS) >/dev/null
	cmake --build $(ASAN) -j$(JOBS)

# Only the thread test runs under ThreadSanitizer: it is what shares the
# library between threads. The tree builds the library and that test alone.
build-tsan: deps
	cmake -S . -B $(TSAN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWJ_TSAN=ON -DWJ_PYTHON=OFF $(WERROR_OPTION) $(DEBUG_OPTIONS) >/dev/null
	cmake --build $(TSAN) --target wjxml_thread_tests -j$(JOBS)

demo: build
	$(BUILD)/tools/ifx validate $(EXAMPLE)
	$(BUILD)/tools/ifx show $(EXAMPLE)
	$(BUILD)/tools/ifx pinmap $(EXAMPLE)
	$(BUILD)/tools/ifx validate $(GENERATED_EXAMPLE)
	$(BUILD)/tools/ifx show $(GENERATED_EXAMPLE) | head -40
	$(BUILD)/tools/ifx render $(EXAMPLE) -o $(BUILD)/pinout.html
	$(BUILD)/tools/ifx render $(GENERATED_EXAMPLE) -o $(BUILD)/fpga_board-pinout.html
	rm -f $(BUILD)/imported.xml
	$(BUILD)/tools/ifx import $(BUILD)/imported.xml $(DEMO_CONSTRAINTS) --refdes U1 --cell ARTIX_BOARD
	$(BUILD)/tools/ifx pinmap $(BUILD)/imported.xml
	@echo "pin-outs: $(abspath $(BUILD)/pinout.html) and $(abspath $(BUILD)/fpga_board-pinout.html)"
	PYTHONPATH=$(BUILD)/python $(PYTHON) examples/board_pins.py $(EXAMPLE) $(BUILD)/board-edited.xml

# The heaviest tests run in one tree only. Those that replay many inputs
# through reading, editing and writing (the fuzz corpus)
# run sanitized, where a memory error among those inputs shows; their checks
# are the same in the release tree. Those that time reading very large files,
# or write one, run in the release tree, where their time bounds are tight; under the
# sanitizers they would only be slower, the smaller inputs of the other tests
# exercise the same code there.
SANITIZED_ONLY := ^FuzzReplay\.[A-Za-z]*Corpus
RELEASE_ONLY   := ^HostileInput\.(AMillion|HugeTexts)|^SaveFailure\.ADesignLargerThanARead

test: build build-asan build-tsan
	rm -rf $(BUILD)/test-output $(ASAN)/test-output $(TSAN)/test-output
	mkdir -p $(BUILD)/test-output $(ASAN)/test-output $(TSAN)/test-output
	@tests/run-ctest.sh release $(BUILD) -j$(JOBS) -E '$(SANITIZED_ONLY)'
	@ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  tests/run-ctest.sh sanitized $(ASAN) -j$(JOBS) -E '$(RELEASE_ONLY)'
	@TSAN_OPTIONS=halt_on_error=1 $(TSAN)/tests/robustness/wjxml_thread_tests > $(TSAN)/test-output/thread.log 2>&1 \
	  || { cat $(TSAN)/test-output/thread.log; exit 1; }
	@echo "thread: $$(grep -E '^\[  PASSED  \]' $(TSAN)/test-output/thread.log)"
	@tests/validate-written.sh $(SCHEMA) $(BUILD) $(ASAN) $(TSAN)
	@$(MAKE) --no-print-directory python-imports

# The test that opens the pin-out pages in headless Chromium; make test runs
# it too, but skips it when Chromium is not installed.
test-browser: build deps-browser
	mkdir -p $(BUILD)/test-output
	cd $(BUILD) && ctest --output-on-failure -L browser

# Reads KiCad's own libraries, which are not the project's to ship: not part
# of make test, whose fixtures are written for it.
test-kicad: build deps-kicad
	cmake --build $(BUILD) -j$(JOBS) --target kicad_library_check
	$(BUILD)/kicad/kicad_library_check $(KICAD_LIBRARIES)/symbols $(KICAD_LIBRARIES)/footprints

# Imports the constraint files of public boards, fetched from Debian's source
# packages into $(BUILD)/boards, with ifx import --package --footprint-file
# against KiCad's libraries: not part of make test, it needs the network.
test-boards: build deps-kicad
	python3 tests/kicad/public-boards.py $(BUILD)/tools/ifx $(KICAD_LIBRARIES) $(BUILD)/boards

# The module built for $(PYTHON) must import in python3 on PATH and in Debian's
# python3 too, when they are of the same Python version.
python-imports:
	@for py in python3 /usr/bin/python3; do \
	  if PYTHONPATH=$(BUILD)/python $$py -c 'import wjxmlinterfaceflowreader'; then \
	    echo "$$py: imports the Python module"; \
	  elif [ "$$($$py -c 'import sys; print(sys.version_info[:2])')" = \
	         "$$($(PYTHON) -c 'import sys; print(sys.version_info[:2])')" ]; then \
	    echo "$$py: cannot import the Python module" >&2; exit 1; \
	  else \
	    echo "$$py: another Python version than $(PYTHON); build for it with make PYTHON=$$(command -v $$py)"; \
	  fi; \
	done

# Each fault of tests/mutants/faults.tsv applied alone to a copy of the
# checkout in $(MUTANTS), built and tested there; reports which faults the
# suite notices (tests/README.md). MUTANT_NAMES=... runs only those;
# MUTANTS_BEFORE=<commit> runs that commit's suite on each fault too.
mutants: deps deps-mutants
	PYTHON=$(PYTHON) JOBS=$(JOBS) MUTANTS_BEFORE=$(MUTANTS_BEFORE) \
	  tests/mutants/run.sh tests/mutants/faults.tsv $(MUTANTS) $(MUTANT_NAMES)

build-fuzz: deps deps-fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWJ_FUZZ=ON \
	  -DWJ_BUILD_TESTS=OFF -DWJ_PYTHON=OFF >/dev/null
	cmake --build $(FUZZ) --target $(addsuffix _fuzzer,$(FUZZ_TARGETS)) -j$(JOBS)

# New inputs go to $(FUZZ)/corpus, findings to $(FUZZ)/findings; afterwards the
# inputs that add coverage are merged into fuzz/corpus, which the tests replay.
fuzz: $(addprefix fuzz-,$(FUZZ_TARGETS))

$(addprefix fuzz-,$(FUZZ_TARGETS)): fuzz-%: build-fuzz
	mkdir -p $(FUZZ)/corpus/$* $(FUZZ)/findings/$*
	@echo "fuzzing $* for $(FUZZ_SECONDS) s (log: $(FUZZ)/$*.log)"
	@if ! $(FUZZ)/fuzz/$*_fuzzer -max_total_time=$(FUZZ_SECONDS) -timeout=10 $(FUZZ_OPTIONS_$*) \
	    -print_final_stats=1 -artifact_prefix=$(FUZZ)/findings/$*/ \
	    $(FUZZ)/corpus/$* fuzz/corpus/$* > $(FUZZ)/$*.log 2>&1; then \
	  echo "$*: finding, see $(FUZZ)/$*.log and $(FUZZ)/findings/$*" >&2; exit 1; \
	fi
	@grep -E '^#[0-9]+ +DONE|^stat::' $(FUZZ)/$*.log
	$(FUZZ)/fuzz/$*_fuzzer -merge=1 $(FUZZ_OPTIONS_$*) fuzz/corpus/$* $(FUZZ)/corpus/$* > $(FUZZ)/$*-merge.log 2>&1
	@grep -E 'MERGE-OUTER: [0-9]+ new files' $(FUZZ)/$*-merge.log

# A short run of each target, as CI makes after the tests: it starts from the
# regression inputs (the tests replay the corpus already), keeps what it finds
# in $(FUZZ)/smoke and fails on a crash, a leak or a timeout.
fuzz-smoke: $(addprefix fuzz-smoke-,$(FUZZ_TARGETS))

$(addprefix fuzz-smoke-,$(FUZZ_TARGETS)): fuzz-smoke-%: build-fuzz
	rm -rf $(FUZZ)/smoke/$*
	mkdir -p $(FUZZ)/smoke/$*/corpus $(FUZZ)/smoke/$*/findings
	cp fuzz/regressions/$*/* $(FUZZ)/smoke/$*/corpus/
	@echo "fuzzing $* for $(FUZZ_SMOKE_SECONDS) s (log: $(FUZZ)/smoke/$*.log)"
	@if ! $(FUZZ)/fuzz/$*_fuzzer -max_total_time=$(FUZZ_SMOKE_SECONDS) -timeout=10 $(FUZZ_OPTIONS_$*) \
	    -print_final_stats=1 -artifact_prefix=$(FUZZ)/smoke/$*/findings/ \
	    $(FUZZ)/smoke/$*/corpus > $(FUZZ)/smoke/$*.log 2>&1; then \
	  tail -40 $(FUZZ)/smoke/$*.log >&2; \
	  echo "$*: finding, see $(FUZZ)/smoke/$*.log and $(FUZZ)/smoke/$*/findings" >&2; exit 1; \
	fi
	@grep -E '^Done [0-9]+ runs|^stat::new_units_added' $(FUZZ)/smoke/$*.log

# The fuzz targets built with clang's source coverage run once over every
# input of fuzz/corpus and fuzz/regressions; the report covers the library.
fuzz-coverage: deps deps-fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_COVERAGE) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWJ_FUZZ=ON \
	  -DWJ_BUILD_TESTS=OFF -DWJ_PYTHON=OFF -DCMAKE_CXX_FLAGS="-fprofile-instr-generate -fcoverage-mapping" \
	  -DCMAKE_EXE_LINKER_FLAGS=-fprofile-instr-generate -DCMAKE_SHARED_LINKER_FLAGS=-fprofile-instr-generate >/dev/null
	cmake --build $(FUZZ_COVERAGE) -j$(JOBS)
	rm -f $(FUZZ_COVERAGE)/*.profraw
	for target in $(FUZZ_TARGETS); do \
	  LLVM_PROFILE_FILE=$(FUZZ_COVERAGE)/$$target.profraw $(FUZZ_COVERAGE)/fuzz/$${target}_fuzzer -runs=0 \
	    fuzz/corpus/$$target fuzz/regressions/$$target > $(FUZZ_COVERAGE)/$$target.log 2>&1 || exit 1; \
	done
	llvm-profdata merge -o $(FUZZ_COVERAGE)/fuzz.profdata $(FUZZ_COVERAGE)/*.profraw
	llvm-cov report $(FUZZ_COVERAGE)/libwjxmlinterfaceflowreader.so -instr-profile=$(FUZZ_COVERAGE)/fuzz.profdata \
	  -ignore-filename-regex='/usr/|/fuzz/|/tests/'

deps-format:
	$(call install-missing,$(FORMAT_PACKAGES))

# Formats every tracked C++ source in place with .clang-format; format-check
# only reports, and fails on a source that format would change.
format: deps-format
	@clang-format -i $(FORMAT_SOURCES)

format-check: deps-format
	@clang-format --dry-run -Werror $(FORMAT_SOURCES) && echo "the sources are formatted"

soak: build
	cmake --build $(BUILD) --target wjxml_soak -j$(JOBS)
	mkdir -p $(BUILD)/soak
	$(BUILD)/tests/wjxml_soak $(EXAMPLE) $(BUILD)/soak $(SOAK_SECONDS)

valgrind: build deps-valgrind
	rm -rf $(BUILD)/test-output
	mkdir -p $(BUILD)/test-output
	valgrind --error-exitcode=1 --leak-check=full --show-leak-kinds=definite,indirect \
	  --errors-for-leak-kinds=definite,indirect $(BUILD)/tests/wjxml_tests --gtest_filter='$(VALGRIND_TESTS)'

# The benchmarks against Xerces-C alone (see bench/README.md); the generated
# designs are cached in $(BUILD)/bench-data.
bench: PACKAGES += libbenchmark-dev
bench: build
	cmake --build $(BUILD) --target wjxml_bench interchange_bench ifx -j$(JOBS)
	$(BUILD)/bench/wjxml_bench --data=$(BUILD)/bench-data
	PYTHONPATH=$(BUILD)/python $(PYTHON) bench/python_walk.py $(BUILD)/bench-data
	$(PYTHON) bench/ifx_memory.py $(BUILD)/tools/ifx $(BUILD)/bench-data
	mkdir -p $(BUILD)/bench-interchange
	cd $(BUILD)/bench-interchange && $(abspath $(BUILD))/interchange/interchange_bench

# The reference: docs/guide.md as its main page, then every public header.
# Doxygen fails on any warning, an undocumented public declaration included.
# A second pass with Doxygen's default settings over the headers as they are
# installed checks the same without this project's configuration.
docs: BUILD_TARGETS = ifx wjxml_python
docs: deps-docs build
	rm -rf $(DOCS)
	mkdir -p $(DOCS)/default $(DOCS)/html
	DOCS_OUTPUT=$(DOCS) PROJECT_VERSION=$(VERSION) doxygen docs/Doxyfile
	doxygen -g $(DOCS)/default/Doxyfile >/dev/null
	printf '@INCLUDE = %s\nINPUT = $(DOCS_HEADERS)\nRECURSIVE = YES\nOUTPUT_DIRECTORY = %s\nGENERATE_LATEX = NO\nHAVE_DOT = NO\nQUIET = YES\nWARN_AS_ERROR = FAIL_ON_WARNINGS\n' \
	  $(DOCS)/default/Doxyfile $(DOCS)/default | doxygen -
	PYTHONPATH=$(BUILD)/python $(PYTHON) docs/python_reference.py $(DOCS)/html/python
	groff -man -Thtml $(BUILD)/tools/ifx.1 > $(DOCS)/html/ifx.html
	@echo "reference: $(abspath $(DOCS)/html/index.html)"

# The Debian package of the library, its headers, the schema, ifx and the
# pkg-config and CMake files (cmake/Packaging.cmake).
package: deps
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DWJ_BUILD_TESTS=OFF >/dev/null
	cmake --build $(PACKAGE_BUILD) -j$(JOBS)
	cd $(PACKAGE_BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(ASAN) $(TSAN) $(FUZZ) $(FUZZ_COVERAGE) $(PACKAGE_BUILD)
