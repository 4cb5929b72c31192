# Thin wrapper over CMake: every target first installs the Debian packages it needs.
BUILD_DIR ?= build
JOBS ?= 2
PACKAGES := cmake g++ make pkg-config qtbase5-dev libqt5serialport5-dev libqwt-qt5-dev qttools5-dev \
            qttools5-dev-tools qttranslations5-l10n xvfb xauth
FUZZ_PACKAGES := clang libclang-rt-14-dev
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
APP_DIR := $(BUILD_DIR)/app
# Without a display (a remote shell, CI) the window opens on a virtual one.
GUI_RUN := $(shell [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ] || echo xvfb-run -a)

.PHONY: all deps build run test bench fuzz clean

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

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	$(GUI_RUN) $(APP_DIR)/quarvex2-demo

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do [ -x "$$b" ] && QT_QPA_PLATFORM=offscreen "$$b"; done

clean:
	rm -rf $(BUILD_DIR)
