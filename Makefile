# Everything a fresh Debian machine needs:
#   make demo   installs what is missing, builds, and runs ifx on the examples
#   make test   installs what is missing, builds, runs the test suite, runs it
#               again under AddressSanitizer and UndefinedBehaviorSanitizer,
#               then validates every file the tests wrote with xmllint; the
#               pin-out page is opened in headless Chromium

PACKAGES := cmake make g++ pkg-config libxerces-c-dev libgtest-dev libxml2-utils \
            libcli11-dev nlohmann-json3-dev chromium
JOBS     ?= 2
BUILD    ?= build
ASAN     ?= build-asan
SCHEMA   := schema/InterfaceExchangeSchema.xsd
EXAMPLE  := examples/board.xml
GENERATED_EXAMPLE := examples/fpga_board.xml

.PHONY: all deps build build-asan demo test clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
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

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j$(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DWJ_SANITIZE=ON >/dev/null
	cmake --build $(ASAN) -j$(JOBS)

demo: build
	$(BUILD)/tools/ifx validate $(EXAMPLE)
	$(BUILD)/tools/ifx show $(EXAMPLE)
	$(BUILD)/tools/ifx pinmap $(EXAMPLE)
	$(BUILD)/tools/ifx validate $(GENERATED_EXAMPLE)
	$(BUILD)/tools/ifx show $(GENERATED_EXAMPLE) | head -40
	$(BUILD)/tools/ifx render $(EXAMPLE) -o $(BUILD)/pinout.html
	$(BUILD)/tools/ifx render $(GENERATED_EXAMPLE) -o $(BUILD)/fpga_board-pinout.html
	@echo "pin-outs: $(abspath $(BUILD)/pinout.html) and $(abspath $(BUILD)/fpga_board-pinout.html)"

test: build build-asan
	rm -rf $(BUILD)/test-output $(ASAN)/test-output
	mkdir -p $(BUILD)/test-output $(ASAN)/test-output
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	cd $(ASAN) && ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j$(JOBS)
	tests/validate-written.sh $(SCHEMA) $(BUILD) $(ASAN)

clean:
	rm -rf $(BUILD) $(ASAN)
