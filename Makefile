# The two commands of the README. Each installs what is missing, builds and does its job.
JOBS ?= $(shell nproc)
RUN_PREFIX ?= $(or $(XDG_DATA_HOME),$(HOME)/.local/share)/pebblewire

FUZZ_SECONDS ?= 30

.PHONY: run test soak fuzz bench dist deps build-native build-win32 build-win64 wine-tests-win32 wine-tests-win64 clean

# The build whose programs Wine runs here: win32, or win64 where the host runs no 32-bit programs
# (or PW_ARCH=win64 says so). tools/wine-arch.sh tells which and says it in a line.
WINE_ARCH = sh tools/wine-arch.sh

# When set-up fails, its own line (the packages and apt's reason) is the last one make prints.
deps:
	$(eval setup_failed := $(shell sh tools/install-deps.sh))$(if $(setup_failed),$(error $(setup_failed)))

build-native: deps
	@cmake --preset native >/dev/null
	@cmake --build --preset native -j $(JOBS)

build-win32: deps
	@cmake --preset win32 >/dev/null
	@cmake --build --preset win32 -j $(JOBS)
	@echo "pebblewire.exe: $$(stat -c %s build/win32/src/pebblewire.exe) bytes"

build-win64: deps
	@cmake --preset win64 >/dev/null
	@cmake --build --preset win64 -j $(JOBS)

# `test` and `soak` end with the reliability table, passed or not.
# The win32 build is the product and always built; its own checks (imports, subsystem) always run.
test: build-native build-win32
	@ctest --preset native -j $(JOBS)
	@arch=$$($(WINE_ARCH)) && $(MAKE) --no-print-directory wine-tests-$$arch

wine-tests-win32:
	@rm -f build/win32/reliability.txt
	@ctest --preset win32 -j $(JOBS); status=$$?; cat build/win32/reliability.txt 2>/dev/null; exit $$status

# Every test of the set on the x86-64 build under 64-bit Wine; the checks of the 32-bit exe on it.
wine-tests-win64: build-win64
	@ctest --preset win32 -L product -j $(JOBS)
	@rm -f build/win64/reliability.txt build/win64/ctest.status
	@{ ctest --preset win64 -j $(JOBS); echo $$? > build/win64/ctest.status; } | tee build/win64/ctest.log
	@cat build/win64/reliability.txt 2>/dev/null; \
	 echo "Skipped under 64-bit Wine: $$(grep -c '(Skipped)' build/win64/ctest.log) (each says why above)"; \
	 exit $$(cat build/win64/ctest.status)

soak: build-win32
	@arch=$$($(WINE_ARCH)) && $(MAKE) --no-print-directory build-$$arch && rm -f build/$$arch/reliability.txt && \
	 { ctest --preset $$arch -C soak -R '^reliability\.soak$$'; status=$$?; cat build/$$arch/reliability.txt 2>/dev/null; exit $$status; }

# Each fuzz target for FUZZ_SECONDS, built with clang's libFuzzer, AddressSanitizer and UBSan.
fuzz: deps
	@cmake -S . -B build/fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
	       -DPW_FUZZ=ON >/dev/null
	@cmake --build build/fuzz -j $(JOBS) --target fuzz_targets
	@sh tests/fuzz/run.sh build/fuzz/tests/fuzz $(FUZZ_SECONDS)

# Start-up, send and resource figures against baseline programs; not part of the tests.
bench: build-win32
	@arch=$$($(WINE_ARCH)) && $(MAKE) --no-print-directory build-$$arch && PW_WINE_ARCH=$$arch sh bench/run-bench.sh build/$$arch

# The release archive: the exe, a Czech and an English readme, their SHA-256 checksums.
dist: build-win32 build-win64
	@sh tools/dist.sh

# A 64-bit prefix of its own beside the 32-bit one: Wine cannot turn one kind into the other.
run: build-win32
	@arch=$$($(WINE_ARCH)) && $(MAKE) --no-print-directory build-$$arch && \
	 PW_WINE_ARCH=$$arch sh tools/run.sh "$(RUN_PREFIX)$$([ $$arch = win32 ] || echo .$$arch)" build/$$arch

clean:
	rm -rf build
