# make run: install what is missing, build, start Quenvox.
# make test: install what is missing, build, run every test.
# make fuzz: fuzz every reader with the sanitizers (see tests/fuzz/README.md).

# Everything the build finds (find_package in the CMake files) is named here, not left to
# whatever another package happens to pull in.
PACKAGES := qt6-base-dev qt6-qpa-plugins libxcb1-dev libjpeg62-turbo-dev libgtest-dev libgmock-dev \
            libbenchmark-dev cmake g++ make ffmpeg fonts-liberation2 fonts-crosextra-carlito \
            fonts-dejavu-core xvfb openbox libx11-dev libxtst-dev
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps build run test bench clean fuzz

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

# Fuzzing: clang with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer, in a build
# folder of its own. Each harness runs FUZZ_TIME seconds from a copy of its seed corpus, all
# side by side at the lowest priority; findings land in $(FUZZ_BUILD)/trovati.
FUZZ_PACKAGES := clang libclang-rt-14-dev
FUZZ_BUILD ?= build-fuzz
FUZZ_TIME ?= 600
# The readers write scratch files on every run: in memory they run ten times faster.
FUZZ_TMP ?= $(shell [ -d /dev/shm ] && echo /dev/shm || echo /tmp)
FUZZ_HARNESS := FileProgetto StiliTesto ElencoImmagini ImpostazioniCodec RigaStato FileTesto Jpeg

fuzz:
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGES) $(FUZZ_PACKAGES)"
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENVOX_FUZZ=ON
	cmake --build $(FUZZ_BUILD) --target fuzz_tutti -j$(JOBS)
	@mkdir -p $(FUZZ_BUILD)/trovati; \
	for h in $(FUZZ_HARNESS); do \
	  rm -rf $(FUZZ_BUILD)/corpus/$$h; mkdir -p $(FUZZ_BUILD)/corpus/$$h; \
	  cp tests/fuzz/corpus/$$h/* $(FUZZ_BUILD)/corpus/$$h/; \
	  ( cd $(FUZZ_BUILD) && TMPDIR=$(FUZZ_TMP) ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	    nice -n 19 bin/fuzz_$$h -max_total_time=$(FUZZ_TIME) -rss_limit_mb=4096 -timeout=30 \
	    -artifact_prefix=trovati/$$h- corpus/$$h > fuzz_$$h.log 2>&1; echo $$? > fuzz_$$h.rc ) & \
	done; wait; \
	esito=0; \
	for h in $(FUZZ_HARNESS); do \
	  printf '%-18s exit %s  %s\n' $$h "$$(cat $(FUZZ_BUILD)/fuzz_$$h.rc)" \
	    "$$(grep -h '^Done' $(FUZZ_BUILD)/fuzz_$$h.log | tail -1)"; \
	  [ "$$(cat $(FUZZ_BUILD)/fuzz_$$h.rc)" = 0 ] || esito=1; \
	done; exit $$esito

clean:
	rm -rf $(BUILD)
