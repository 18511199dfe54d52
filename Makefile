# make run: install what is missing, build, start Quenvox.
# make test: install what is missing, build, run every test.

PACKAGES := qt6-base-dev qt6-qpa-plugins libjpeg62-turbo-dev libgtest-dev libgmock-dev \
            libbenchmark-dev cmake g++ make ffmpeg fonts-liberation2 fonts-crosextra-carlito \
            fonts-dejavu-core
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps build run test bench clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then SUDO=""; else SUDO=sudo; fi; \
	  $$SUDO apt-get update && \
	  DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/bin/quenvox

# Tests never see the real home folder: a fresh one for every run, offscreen windows.
test: build
	@home=$$(mktemp -d); \
	HOME=$$home XDG_DATA_HOME=$$home/.local/share XDG_CONFIG_HOME=$$home/.config \
	XDG_CACHE_HOME=$$home/.cache XDG_STATE_HOME=$$home/.local/state \
	QT_QPA_PLATFORM=offscreen \
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS); \
	rc=$$?; rm -rf $$home; exit $$rc

bench: build
	@if [ -x $(BUILD)/bin/quenvox_bench ]; then $(BUILD)/bin/quenvox_bench; else echo "no benchmark built"; fi

clean:
	rm -rf $(BUILD)
