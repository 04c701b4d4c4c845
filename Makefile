# Two commands for a fresh Debian machine:
#   make demo   build Stats.dll and drive it from the host simulator under Wine
#   make test   every test: native unit tests (also under ASan/UBSan and TSan)
#               and the Wine end-to-end tests
# Each first runs scripts/bootstrap, which installs only what is missing.
# Also: make bench (cost per call as the log grows), make fuzz (FUZZ_SECONDS
# of libFuzzer over random sequences of the host's calls).

JOBS ?= $(shell nproc)

FUZZ_SECONDS ?= 120

.PHONY: demo test bench fuzz tools native native-asan native-tsan win32 clean

demo: tools win32
	scripts/demo

test: tools native native-asan native-tsan win32
	ctest --test-dir build/native-asan --output-on-failure -j$(JOBS)
	ctest --test-dir build/native-tsan --output-on-failure -j$(JOBS)
	ctest --test-dir build/native --output-on-failure -j$(JOBS)

tools:
	@scripts/bootstrap

native:
	cmake --preset native >/dev/null
	cmake --build --preset native -j$(JOBS)

native-asan:
	cmake --preset native-asan >/dev/null
	cmake --build --preset native-asan -j$(JOBS)

native-tsan:
	cmake --preset native-tsan >/dev/null
	cmake --build --preset native-tsan -j$(JOBS) --target unit_tests

bench: tools native
	build/native/engine_bench

fuzz: tools
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j$(JOBS)
	mkdir -p build/fuzz/corpus
	build/fuzz/export_sequence_fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
		$(CURDIR)/build/fuzz/corpus

win32:
	cmake --preset win32 >/dev/null
	cmake --build --preset win32 -j$(JOBS)

clean:
	-tests/wine/wine-session stop
	rm -rf build out
