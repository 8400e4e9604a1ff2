# The two commands a newcomer needs: `make run` and `make test`.
# Both install whatever Debian/Ubuntu packages are missing first.
# The configurations are the presets of CMakePresets.json (default, release,
# asan, fuzz, windows); the targets here call them with these folders.

BUILD_DIR   ?= build
BUILD_TYPE  ?= RelWithDebInfo
JOBS        ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES    := cmake ninja-build g++ make qt6-base-dev libgl-dev libgtest-dev libgmock-dev \
               libbenchmark-dev fonts-liberation xvfb xauth x11-utils \
               dpkg-dev file help2man desktop-file-utils appstream qt6-translations-l10n \
               clang-format pkg-config libmspack-dev
SUDO        := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
FUZZ_SECONDS ?= 60
FUZZ_PACKAGES := clang libclang-rt-dev
FUZZ_TARGETS := $(patsubst tests/fuzz/corpus/%/,%,$(sort $(wildcard tests/fuzz/corpus/*/)))

.PHONY: all deps configure build test run bench sanitize fuzz fuzz-build format format-check clean \
        iscc-check package \
        deps-windows windows test-windows windows-dist windows-installer

# The Windows build: cross-compiled with MinGW, its tests run under Wine.
# The Qt for MinGW comes from TEMBRIX_QT_MINGW, else from the cache folder, where
# it is unpacked from the tarball in ../shared/qt6-mingw on first use.
WIN_BUILD_DIR    ?= build-windows
WIN_PACKAGES     := cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
                    wine wine64 googletest fonts-liberation qt6-base-dev zip unzip
QT_MINGW_CACHE   := $(HOME)/.cache/tembrix/qt6-mingw
QT_MINGW_TARBALL := $(firstword $(wildcard $(CURDIR)/../shared/qt6-mingw/qt6-mingw-*-x86_64.tar.xz))

all: build

deps deps-windows:
	@missing=""; \
	for p in $(if $(filter deps-windows,$@),$(WIN_PACKAGES),$(PACKAGES)); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

configure: deps
	cmake --preset default -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# build/tembrix_<version>_<arch>.deb and build/tembrix-<version>-linux-<arch>.tar.gz
package: build
	cd $(BUILD_DIR) && cpack

# Without a display the wizard cannot be seen: say how to run it anyway, and
# convert the example instead of waiting on a hidden screen.
run: build
	@if [ -x $(BUILD_DIR)/tembrix ] && [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  $(BUILD_DIR)/tembrix; \
	else \
	  if [ -x $(BUILD_DIR)/tembrix ]; then \
	    echo "No display: run the wizard with  xvfb-run -a $(BUILD_DIR)/tembrix  (or set DISPLAY); converting the example instead."; \
	  fi; \
	  $(BUILD_DIR)/tembrix-convert examples/Inventory/Support/SETUP.LST -o -; \
	fi

bench: build
	@for b in $(BUILD_DIR)/bench/tembrix-bench-*; do [ -x "$$b" ] && "$$b"; done

# The whole suite once more under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake --preset asan -B $(BUILD_DIR)-asan
	cmake --build $(BUILD_DIR)-asan -j $(JOBS)
	cd $(BUILD_DIR)-asan && LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp ctest --output-on-failure -j $(JOBS)

# Only builds the fuzz targets with clang, fuzzing nothing: CI runs it, so that
# code that g++ takes and clang does not cannot break `make fuzz` unseen.
fuzz-build: deps
	@$(MAKE) --no-print-directory deps PACKAGES="$(FUZZ_PACKAGES)"
	cmake --preset fuzz -B $(BUILD_DIR)-fuzz
	cmake --build $(BUILD_DIR)-fuzz -j $(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))

# Each fuzz target for FUZZ_SECONDS under libFuzzer (clang), with AddressSanitizer
# and UndefinedBehaviorSanitizer. What the fuzzer learns stays in build-fuzz/corpus;
# an input that crashes a target lands in build-fuzz/crashes, and belongs, once
# the fault is mended, in tests/fuzz/corpus/<target>/, where `make test` replays it.
fuzz: fuzz-build
	@mkdir -p $(BUILD_DIR)-fuzz/crashes
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(BUILD_DIR)-fuzz/corpus/$$t; \
	  echo "== $$t ($(FUZZ_SECONDS) s)"; \
	  $(BUILD_DIR)-fuzz/tests/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$(BUILD_DIR)-fuzz/crashes/$$t- $(BUILD_DIR)-fuzz/corpus/$$t tests/fuzz/corpus/$$t || exit 1; \
	done

# Compiles the golden scripts with the real compiler (needs Wine; by hand only).
# The Inno Setup 6 scripts need 6, and must compile there without a warning.
# Then each script's installer lives its whole life under Wine (install with
# other programs' copies of the system files in place, install again,
# uninstall), once for each way of seeding those copies: one line per script
# and version, the checker's full report in $(BUILD_DIR)/install-check/.
SHARED_TOOLS ?= ../shared/tools
GOLDEN_SCRIPTS = tests/data/corpus/*.iss tests/data/engine/*.iss
iscc-check:
	@status=0; \
	for f in $(GOLDEN_SCRIPTS); do \
	  echo "== $$f"; \
	  case "$$f" in \
	    *inno6.iss) out=$$($(SHARED_TOOLS)/iscc-check --version 6.0.3,6.3.1,6.4.1 -b "$$f" 2>&1) || status=1; \
	                echo "$$out"; if echo "$$out" | grep -q '^Warning'; then echo "warnings above"; status=1; fi ;; \
	    *) $(SHARED_TOOLS)/iscc-check --version all -b "$$f" || status=1 ;; \
	  esac; \
	done; \
	echo "== install, install again, uninstall"; \
	reports=$(BUILD_DIR)/install-check; mkdir -p $$reports; \
	for f in $(GOLDEN_SCRIPTS); do \
	  case "$$f" in *inno6.iss) versions=6.4.1 ;; *) versions="5.6.1 6.4.1" ;; esac; \
	  for v in $$versions; do \
	    line=""; \
	    for seed in even odd; do \
	      report=$$reports/$$(basename "$$f" .iss)-$$v-$$seed.txt; \
	      $(SHARED_TOOLS)/install-check --version $$v --lifecycle --lifecycle-seed $$seed "$$f" >$$report 2>&1; \
	      case $$? in \
	        0) line="$$line $$seed: ok;" ;; \
	        125) status=1; line="$$line $$seed: could not run ($$(tail -n 1 $$report));" ;; \
	        *) status=1; line="$$line $$seed: FAILED ($$(tail -n 1 $$report | sed "s/^install-check: Inno Setup [^:]*: FAILED: //"));" ;; \
	      esac; \
	    done; \
	    echo "$$f $$v:$$line"; \
	  done; \
	done; \
	exit $$status

windows: deps-windows
	@qt="$${TEMBRIX_QT_MINGW:-}"; \
	if [ -z "$$qt" ]; then \
	  qt="$(QT_MINGW_CACHE)"; \
	  if [ ! -f "$$qt/lib/cmake/Qt6/Qt6Config.cmake" ] && [ -n "$(QT_MINGW_TARBALL)" ]; then \
	    mkdir -p "$$(dirname "$$qt")" && tar -xJf "$(QT_MINGW_TARBALL)" -C "$$(dirname "$$qt")"; \
	  fi; \
	fi; \
	if [ ! -f "$$qt/lib/cmake/Qt6/Qt6Config.cmake" ]; then \
	  echo "No Qt for MinGW found (looked in $${TEMBRIX_QT_MINGW:-$(QT_MINGW_CACHE) and for ../shared/qt6-mingw/qt6-mingw-*-x86_64.tar.xz}): set TEMBRIX_QT_MINGW to the folder of a Qt 6 built for MinGW-w64, or make the tarball with ../shared/qt6-mingw/build.sh." >&2; \
	  exit 1; \
	fi; \
	cmake --preset windows -B $(WIN_BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DTEMBRIX_QT_MINGW="$$qt" && \
	cmake --build $(WIN_BUILD_DIR) -j $(JOBS) --target tembrix tembrix-convert

test-windows: windows
	cmake --build $(WIN_BUILD_DIR) -j $(JOBS)
	cmake --build $(WIN_BUILD_DIR) --target windows-dist
	@# Under load Wine now and then fails to start a program at all (no output,
	@# gone in a few hundredths of a second); such a test gets one more run.
	cd $(WIN_BUILD_DIR) && ctest --output-on-failure -j $(JOBS) --repeat until-pass:2

# The portable folder and its zip: dist/Tembrix-<version>-windows-x64(.zip).
windows-dist: windows
	cmake --build $(WIN_BUILD_DIR) --target windows-dist

# The installer dist/Tembrix-<version>-setup.exe, made by Inno Setup's compiler
# (from the npm registry) under Wine, which is 32-bit: by hand, not in CI.
# npm may come with a Node.js package of its own; Debian's npm is taken only without one.
INSTALLER_PACKAGES := wine wine32 wine64 $(if $(shell command -v npm),,npm)
windows-installer: windows
	@dpkg --print-foreign-architectures | grep -qx i386 || $(SUDO) dpkg --add-architecture i386
	@$(MAKE) --no-print-directory deps PACKAGES="$(INSTALLER_PACKAGES)"
	cmake --build $(WIN_BUILD_DIR) --target windows-installer

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fails when a file is not in the project's clang-format style, and names it.
format-check:
	@$(MAKE) --no-print-directory deps PACKAGES=clang-format
	@bad=""; \
	for f in $$(git ls-files '*.cpp' '*.h'); do \
	  clang-format "$$f" | cmp -s - "$$f" || bad="$$bad $$f"; \
	done; \
	if [ -n "$$bad" ]; then \
	  echo "Not formatted (make format):"; for f in $$bad; do echo "  $$f"; done; exit 1; \
	fi

clean:
	rm -rf $(BUILD_DIR) $(BUILD_DIR)-asan $(BUILD_DIR)-fuzz $(WIN_BUILD_DIR) dist
