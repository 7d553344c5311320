# Everything a fresh Debian machine needs:
#   make demo   installs what is missing, builds, and runs ifx on the example
#   make test   installs what is missing, builds, runs the test suite, runs it
#               again under AddressSanitizer and UndefinedBehaviorSanitizer,
#               then validates every file the tests wrote with xmllint
#   make fuzz   runs each libFuzzer target for FUZZ_SECONDS (default 300) with
#               AddressSanitizer and UndefinedBehaviorSanitizer, then merges
#               what it found new into fuzz/corpus
#   make soak   reads, edits and writes the example for SOAK_SECONDS (default
#               180) and reports the resident size at the start and the end
#   make valgrind  runs the reader and editing tests under valgrind memcheck

PACKAGES := cmake make g++ pkg-config libxerces-c-dev libgtest-dev libxml2-utils \
            libcli11-dev nlohmann-json3-dev
JOBS     ?= 2
BUILD    ?= build
ASAN     ?= build-asan
SCHEMA   := schema/InterfaceExchangeSchema.xsd
EXAMPLE  := examples/board.xml

FUZZ_PACKAGES := clang libclang-rt-14-dev
FUZZ          ?= build-fuzz
FUZZ_SECONDS  ?= 300
FUZZ_TARGETS  := reader edit

SOAK_SECONDS  ?= 180

# The largest inputs (a million references, 100 000 levels, 2000 random
# designs) would take long under valgrind; the fuzz corpus covers editing.
VALGRIND_PACKAGES := valgrind
VALGRIND_TESTS    := *-HostileInput.AMillionPortRefSiblingsAreReadWrittenAndReleased:DeepTree.*:RandomDesigns.*

.PHONY: all deps deps-fuzz deps-valgrind build build-asan build-fuzz demo test fuzz soak valgrind clean

all: build

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

deps-fuzz:
	$(call install-missing,$(FUZZ_PACKAGES))

deps-valgrind:
	$(call install-missing,$(VALGRIND_PACKAGES))

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j$(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DWJ_SANITIZE=ON >/dev/null
	cmake --build $(ASAN) -j$(JOBS)

demo: build
	$(BUILD)/tools/ifx validate $(EXAMPLE)
	$(BUILD)/tools/ifx show $(EXAMPLE)

test: build build-asan
	rm -rf $(BUILD)/test-output $(ASAN)/test-output
	mkdir -p $(BUILD)/test-output $(ASAN)/test-output
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	cd $(ASAN) && ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j$(JOBS)
	tests/validate-written.sh $(SCHEMA) $(BUILD) $(ASAN)

build-fuzz: deps deps-fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWJ_FUZZ=ON \
	  -DWJ_BUILD_TESTS=OFF >/dev/null
	cmake --build $(FUZZ) -j$(JOBS)

# New inputs go to $(FUZZ)/corpus, findings to $(FUZZ)/findings; afterwards the
# inputs that add coverage are merged into fuzz/corpus, which the tests replay.
fuzz: build-fuzz
	@for target in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ)/corpus/$$target $(FUZZ)/findings/$$target; \
	  echo "fuzzing $$target for $(FUZZ_SECONDS) s (log: $(FUZZ)/$$target.log)"; \
	  $(FUZZ)/fuzz/$${target}_fuzzer -max_total_time=$(FUZZ_SECONDS) -timeout=10 -max_len=8192 \
	    -print_final_stats=1 -artifact_prefix=$(FUZZ)/findings/$$target/ \
	    $$( [ -f fuzz/$$target.dict ] && echo -dict=fuzz/$$target.dict ) \
	    $(FUZZ)/corpus/$$target fuzz/corpus/$$target > $(FUZZ)/$$target.log 2>&1; \
	  status=$$?; \
	  grep -E '^#[0-9]+ +DONE|^stat::' $(FUZZ)/$$target.log; \
	  if [ $$status -ne 0 ]; then \
	    echo "$$target: finding, see $(FUZZ)/$$target.log and $(FUZZ)/findings/$$target" >&2; exit 1; \
	  fi; \
	  $(FUZZ)/fuzz/$${target}_fuzzer -merge=1 -max_len=8192 fuzz/corpus/$$target $(FUZZ)/corpus/$$target \
	    > $(FUZZ)/$$target-merge.log 2>&1 || exit 1; \
	  grep -E 'MERGE-OUTER: [0-9]+ new files' $(FUZZ)/$$target-merge.log; \
	done

soak: build
	mkdir -p $(BUILD)/soak
	$(BUILD)/tests/wjxml_soak $(EXAMPLE) $(BUILD)/soak $(SOAK_SECONDS)

valgrind: build deps-valgrind
	rm -rf $(BUILD)/test-output
	mkdir -p $(BUILD)/test-output
	WJ_TEST_SLOWDOWN=50 valgrind --error-exitcode=1 --leak-check=full --show-leak-kinds=definite,indirect \
	  --errors-for-leak-kinds=definite,indirect $(BUILD)/tests/wjxml_tests --gtest_filter='$(VALGRIND_TESTS)'

clean:
	rm -rf $(BUILD) $(ASAN) $(FUZZ)
