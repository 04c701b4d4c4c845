# Two commands for a fresh Debian machine:
#   make demo   build Stats.dll and drive it from the host simulator under Wine
#   make test   every test: native unit tests and the Wine end-to-end tests
# Each first runs scripts/bootstrap, which installs only what is missing.

JOBS ?= $(shell nproc)

.PHONY: demo test tools native native-asan win32 clean

demo: tools win32
	scripts/demo

test: tools native native-asan win32
	ctest --test-dir build/native-asan --output-on-failure -j$(JOBS)
	ctest --test-dir build/native --output-on-failure -j$(JOBS)

tools:
	@scripts/bootstrap

native:
	cmake --preset native >/dev/null
	cmake --build --preset native -j$(JOBS)

native-asan:
	cmake --preset native-asan >/dev/null
	cmake --build --preset native-asan -j$(JOBS)

win32:
	cmake --preset win32 >/dev/null
	cmake --build --preset win32 -j$(JOBS)

clean:
	-tests/wine/wine-session stop
	rm -rf build out
