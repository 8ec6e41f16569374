# The two set-up commands: `make play` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
# A compiler cache, where there is one, serves every build folder and clone.
CCACHE := $(shell command -v ccache 2>/dev/null)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo $(if $(CCACHE),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Paths inside this clone are hashed relative to it, so a second clone
# elsewhere (a CI checkout) finds what the first one compiled.
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := true
# Qt Test names the test's folders for QFINDTESTDATA, which no test uses.
export CCACHE_IGNOREOPTIONS := -DQT_TESTCASE_BUILDDIR=* -DQT_TESTCASE_SOURCEDIR=*

.PHONY: deps configure build play test stress mutation clean

deps:
	@tools/install-deps.sh

configure: deps
	@if [ ! -f $(BUILD)/build.ninja ]; then cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS); fi

build: configure
	cmake --build $(BUILD) -j $(JOBS)

play: build
	$(BUILD)/zorbly-tarnel

# Each test runs once: a failure is a failure.
test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@tools/extra-tests.sh $(BUILD)

# The whole suite N times under load on both cores (not part of test):
# `make stress N=10`. Prints "runs: N, failed: F" and each failure's output.
N ?= 5
stress: build
	@tools/stress.sh $(BUILD) $(N)

# Small faults put into a copy of the sources one at a time (not part of test).
mutation: deps
	@/usr/bin/python3 tools/mutation/mutate.py --work $(BUILD)-mutation

clean:
	rm -rf $(BUILD)

# The Debian package, zorbly-tarnel_VERSION_ARCH.deb, into this folder; built
# in a copy of the sources under $(BUILD)/deb.
.PHONY: deb
deb: deps
	@tools/build-deb.sh $(BUILD)/deb . $(JOBS)
