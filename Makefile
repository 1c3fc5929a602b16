# Set-up and everyday commands. Each target installs what it needs first.
SHELL := /bin/bash
JOBS ?= $(shell nproc)

DEBIAN_PACKAGES := build-essential cmake clang libclang-rt-14-dev clang-format \
  qt6-base-dev libgl-dev googletest libgtest-dev libgmock-dev libbenchmark-dev \
  libglib2.0-dev python3 iproute2 fonts-liberation fonts-nanum fonts-comic-neue xvfb xauth \
  scdoc dpkg-dev desktop-file-utils appstream lintian man-db \
  samba gvfs gvfs-backends gvfs-fuse dbus-daemon libglib2.0-bin \
  xdotool imagemagick jq qt6-wayland at-spi2-core python3-pyatspi \
  nlohmann-json3-dev ansible-core ccache libcli11-dev qt6-translations-l10n

.PHONY: deps build asan tsan fuzz test test-asan test-tsan demo bench screenshots format clean \
  package install

# Installing samba must leave no system smbd running: services are kept from starting while
# the packages install (policy-rc.d, where none is set already) and stopped and disabled after.
deps:
	@missing=$$(for p in $(DEBIAN_PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	sudo_cmd=$$( [ "$$(id -u)" = 0 ] || echo sudo ); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  guard=; \
	  if [ ! -e /usr/sbin/policy-rc.d ]; then \
	    printf '#!/bin/sh\nexit 101\n' | $$sudo_cmd tee /usr/sbin/policy-rc.d >/dev/null && \
	    $$sudo_cmd chmod 755 /usr/sbin/policy-rc.d && guard=1; \
	  fi; \
	  $$sudo_cmd apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $$sudo_cmd apt-get install -y -qq --no-install-recommends $$missing; \
	  status=$$?; \
	  if [ -n "$$guard" ]; then $$sudo_cmd rm -f /usr/sbin/policy-rc.d; fi; \
	  [ $$status = 0 ] || exit $$status; \
	fi; \
	$$sudo_cmd tools/quiet-system-samba

# PRESET=ci builds without precompiled headers, as CI does, so a missing include shows.
PRESET ?= default
build: deps
	cmake --preset $(PRESET) >/dev/null
	cmake --build --preset $(PRESET) -j $(JOBS)

asan: deps
	cmake --preset asan >/dev/null
	cmake --build --preset asan -j $(JOBS)

tsan: deps
	cmake --preset tsan >/dev/null
	cmake --build --preset tsan -j $(JOBS)

fuzz: deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS) --target fuzz_protocol fuzz_apply_file
	tests/fuzz/run-fuzzers build/fuzz 20

# Every test: unit, widget and end-to-end (the last needs root for its network namespaces).
test: build
	ctest --preset $(PRESET) -j $(JOBS)

# These build only what the unit tests run.
test-asan: deps
	cmake --preset asan >/dev/null
	cmake --build --preset asan -j $(JOBS) --target unit_tests
	ctest --preset asan -j $(JOBS) -L unit

# The unit tests under ThreadSanitizer: the reader threads and the queue they fill.
test-tsan: deps
	cmake --preset tsan >/dev/null
	cmake --build --preset tsan -j $(JOBS) --target unit_tests
	ctest --preset tsan -j $(JOBS) -L unit

demo: build
	tools/demo

bench: build
	bench/run-bench build/default

# make screenshots [SCALE=1.25]: every window at each scale, scale 1 into build/screenshots and
# the others into build/screenshots/scale-<factor>.
SCALE ?= 1 1.25 1.5 2
screenshots: build
	for s in $(SCALE); do \
	  dir=build/screenshots; [ "$$s" = 1 ] || dir=build/screenshots/scale-$$s; \
	  QT_SCALE_FACTOR=$$s QT_QPA_PLATFORM=offscreen \
	    build/default/tests/gui/tamberlyx-screenshots $$dir || exit 1; \
	done

# build/package/tamberlyx_<version>_<arch>.deb; install it with apt install ./build/package/tamberlyx_*.deb
package: build
	cmake --build --preset default --target package

# make install [PREFIX=/usr/local] [DESTDIR=/staging]
PREFIX ?= /usr/local
install: build
	DESTDIR="$(DESTDIR)" cmake --install build/default --prefix "$(PREFIX)"

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
