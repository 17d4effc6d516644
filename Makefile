# The two commands of the README. Each installs what is missing, builds and does its job.
JOBS ?= $(shell nproc)
RUN_PREFIX ?= $(or $(XDG_DATA_HOME),$(HOME)/.local/share)/pebblewire

.PHONY: run test bench dist deps build-native build-win32 clean

deps:
	@sh tools/install-deps.sh

build-native: deps
	@cmake --preset native >/dev/null
	@cmake --build --preset native -j $(JOBS)

build-win32: deps
	@cmake --preset win32 >/dev/null
	@cmake --build --preset win32 -j $(JOBS)
	@echo "pebblewire.exe: $$(stat -c %s build/win32/src/pebblewire.exe) bytes"

test: build-native build-win32
	@ctest --preset native -j $(JOBS)
	@ctest --preset win32 -j $(JOBS)

# Start-up, send and resource figures against baseline programs; not part of the tests.
bench: build-win32
	@sh bench/run-bench.sh build/win32

# The release archive: the exe, a Czech and an English readme, their SHA-256 checksums.
dist: build-win32
	@sh tools/dist.sh

run: build-win32
	@sh tools/run.sh "$(RUN_PREFIX)" build/win32

clean:
	rm -rf build
