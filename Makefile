# Thin wrapper over CMake: every target first installs the Debian packages it needs.
BUILD_DIR ?= build
JOBS ?= 2
PACKAGES := cmake g++ make pkg-config qtbase5-dev libqt5serialport5-dev libqt5svg5-dev libqwt-qt5-dev \
            qttools5-dev qttools5-dev-tools qttranslations5-l10n libqt5sql5-sqlite xvfb xauth poppler-utils \
            libqt5sql5-psql postgresql openssl qtkeychain-qt5-dev
FUZZ_PACKAGES := clang libclang-rt-14-dev
MEMCHECK_PACKAGES := valgrind
# dpkg-shlibdeps computes the package's dependencies; appstreamcli checks its metainfo; lintian the package.
PACKAGE_PACKAGES := dpkg-dev file appstream desktop-file-utils lintian
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
DEMO_DIR := $(BUILD_DIR)/app-demo
# Without a display (a remote shell, CI) the window opens on a virtual one.
GUI_RUN := $(shell [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ] || echo xvfb-run -a)

.PHONY: all deps build run test test-asan coverage bench fuzz memcheck package clean

all: build

define install_missing
	@missing=""; for p in $(1); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	    echo "Installing missing packages:$$missing"; \
	    $(SUDO) apt-get update -q && $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

# WERROR=ON makes every warning an error (the CI build).
WERROR ?= OFF
build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQVX_WERROR=$(WERROR)
	cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	$(GUI_RUN) $(DEMO_DIR)/quarvex2-demo

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

# The Debian package of the program (quarvex2_<version>_amd64.deb in the build folder), its metainfo
# validated, the package checked by Debian's own checker, and its files listed.
package: build
	$(call install_missing,$(PACKAGE_PACKAGES))
	cd $(BUILD_DIR) && cpack -G DEB
	appstreamcli validate --no-net --pedantic $(BUILD_DIR)/fr.orva.quarvex2.metainfo.xml
	desktop-file-validate resources/desktop/fr.orva.quarvex2.desktop
	lintian --fail-on error,warning $(BUILD_DIR)/quarvex2_*_amd64.deb
	dpkg-deb --info $(BUILD_DIR)/quarvex2_*_amd64.deb
	dpkg-deb --contents $(BUILD_DIR)/quarvex2_*_amd64.deb

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer; any report fails its test.
# The build needs the same settings: it runs the guide renderer, itself sanitized.
ASAN_DIR ?= build-asan
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 \
                 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
                 LSAN_OPTIONS=suppressions=$(CURDIR)/fuzz/lsan.supp:print_suppressions=0

test-asan: deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQVX_SANITIZE=ON
	$(SANITIZER_ENV) cmake --build $(ASAN_DIR) -j$(JOBS)
	cp fuzz/sanitizer-blacklist $(ASAN_DIR)/tests/BLACKLIST
	cd $(ASAN_DIR) && $(SANITIZER_ENV) QVX_FLOOD_MB=16 QTEST_FUNCTION_TIMEOUT=1800000 \
	    ctest --output-on-failure -j$(JOBS)

# Line and branch coverage of src/ by the whole suite: a Debug build with gcov, then gcovr's summary.
# Unreachable and exception branches are left out: the program throws no exceptions of its own.
COVERAGE_DIR ?= build-coverage
COVERAGE_PACKAGES := gcovr
coverage: deps
	$(call install_missing,$(COVERAGE_PACKAGES))
	cmake -S . -B $(COVERAGE_DIR) -DCMAKE_BUILD_TYPE=Debug -DQVX_COVERAGE=ON
	cmake --build $(COVERAGE_DIR) -j$(JOBS)
	find $(COVERAGE_DIR) -name '*.gcda' -delete
	cd $(COVERAGE_DIR) && ctest -j$(JOBS) --output-on-failure
	gcovr --root $(CURDIR) --filter '$(CURDIR)/src/' --exclude-unreachable-branches --exclude-throw-branches \
	    --print-summary --txt $(COVERAGE_DIR)/coverage.txt $(COVERAGE_DIR)

# libFuzzer targets of fuzz/, built with clang in their own folder and run one after the other, niced,
# FUZZ_SECONDS each. New inputs land in $(FUZZ_DIR)/corpus, crashes in $(FUZZ_DIR)/findings; a finding
# worth keeping goes into fuzz/corpus/<target>/, which the test suite replays. Leaks are looked for once, when
# each run ends, not after every input: Qt's caches made libFuzzer re-run most inputs under the leak checker,
# which cost a third to half of every run. A smaller quarantine keeps a long run's memory flat.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := cmdparser xmlmesure xmlconf firmware patch capture
FUZZ_ENV := $(SANITIZER_ENV) ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:quarantine_size_mb=16

fuzz: deps
	$(call install_missing,$(FUZZ_PACKAGES))
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	    -DQVX_SANITIZE=ON -DQVX_FUZZ=ON
	$(SANITIZER_ENV) cmake --build $(FUZZ_DIR) -j$(JOBS) --target qvx_fuzzers
	@failed=""; for t in $(FUZZ_TARGETS); do \
	    case $$t in cmdparser|capture) maxlen=1024;; patch) maxlen=512;; firmware) maxlen=1100;; *) maxlen=4096;; esac; \
	    mkdir -p $(FUZZ_DIR)/corpus/$$t $(FUZZ_DIR)/findings $(FUZZ_DIR)/logs/$$t; \
	    echo "== fuzz_$$t: $(FUZZ_SECONDS) s"; \
	    ( cd $(FUZZ_DIR)/logs/$$t && $(FUZZ_ENV) QT_QPA_PLATFORM=offscreen nice -n 19 \
	        $(CURDIR)/$(FUZZ_DIR)/fuzz/fuzz_$$t $(CURDIR)/$(FUZZ_DIR)/corpus/$$t $(CURDIR)/fuzz/corpus/$$t \
	        -dict=$(CURDIR)/fuzz/dict/$$t.dict -max_len=$$maxlen -max_total_time=$(FUZZ_SECONDS) \
	        -jobs=1 -workers=1 -print_final_stats=1 -artifact_prefix=$(CURDIR)/$(FUZZ_DIR)/findings/$$t- \
	        -detect_leaks=0 -rss_limit_mb=4096 \
	        > run.out 2>&1 ) || failed="$$failed $$t"; \
	    grep -h -E "stat::number_of_executed_units|stat::average_exec_per_sec|ERROR|invariant broken" \
	        $(FUZZ_DIR)/logs/$$t/fuzz-0.log | sed "s/^/   /"; \
	done; \
	if [ -n "$$failed" ]; then echo "fuzz: findings in:$$failed (see $(FUZZ_DIR)/findings)"; exit 1; fi

# The window's end-to-end passes (download, parameters, capture and replay, firmware update; save, open and
# print) under valgrind's memcheck; a leak it calls definite, or a memory error, fails the target. Regular
# expressions run without their JIT, whose generated code memcheck cannot follow (it reports every match as
# uninitialised reads).
MEMCHECK_RUNS := "tst_commands records settings infoAndCapture firmware" "tst_window documents print"
memcheck: build
	$(call install_missing,$(MEMCHECK_PACKAGES))
	cd $(BUILD_DIR)/tests && for run in $(MEMCHECK_RUNS); do \
	    QT_QPA_PLATFORM=offscreen QT_ENABLE_REGEXP_JIT=0 QT_LOGGING_RULES=default.debug=false \
	    valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite \
	        --error-exitcode=3 --num-callers=30 --suppressions=$(CURDIR)/tests/valgrind.supp ./$$run || exit 1; \
	done

# Every benchmark of bench/ with its own table, then one table of all their figures.
BENCH_SUMMARY := $(CURDIR)/$(BUILD_DIR)/bench/summary.tsv
BENCHES := download replay parser documents firmware startup archive cli team
bench: build
	@rm -f $(BENCH_SUMMARY); failed=""; \
	for name in $(BENCHES); do \
	    b=$(BUILD_DIR)/bench/bench_$$name; echo "== $$(basename $$b)"; \
	    QVX_BENCH_SUMMARY=$(BENCH_SUMMARY) QT_QPA_PLATFORM=offscreen "$$b" || failed="$$failed $$(basename $$b)"; \
	    echo; \
	done; \
	echo "== all benchmarks"; sh bench/summary.sh $(BENCH_SUMMARY); \
	if [ -n "$$failed" ]; then echo "bench: failed:$$failed"; exit 1; fi

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR) $(COVERAGE_DIR)
