# The two commands of the README. Each installs what is missing, builds and does its job.
JOBS ?= $(shell nproc)
RUN_PREFIX ?= $(or $(XDG_DATA_HOME),$(HOME)/.local/share)/pebblewire

FUZZ_SECONDS ?= 30

.PHONY: run test soak fuzz bench dist deps build-native build-win32 clean

deps:
	@sh tools/install-deps.sh

build-native: deps
	@cmake --preset native >/dev/null
	@cmake --build --preset native -j $(JOBS)

build-win32: deps
	@cmake --preset win32 >/dev/null
	@cmake --build --preset win32 -j $(JOBS)
	@echo "pebblewire.exe: $$(stat -c %s build/win32/src/pebblewire.exe) bytes"

# `test` and `soak` end with the reliability table, passed or not.
test: build-native build-win32
	@ctest --preset native -j $(JOBS)
	@rm -f build/win32/reliability.txt
	@ctest --preset win32 -j $(JOBS); status=$$?; cat build/win32/reliability.txt 2>/dev/null; exit $$status

soak: build-win32
	@rm -f build/win32/reliability.txt
	@ctest --preset win32 -C soak -R '^reliability\.soak$$'; status=$$?; cat build/win32/reliability.txt 2>/dev/null; exit $$status

# Each fuzz target for FUZZ_SECONDS, built with clang's libFuzzer, AddressSanitizer and UBSan.
fuzz: deps
	@cmake -S . -B build/fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
	       -DPW_FUZZ=ON >/dev/null
	@cmake --build build/fuzz -j $(JOBS) --target fuzz_targets
	@sh tests/fuzz/run.sh build/fuzz/tests/fuzz $(FUZZ_SECONDS)

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
