# The two everyday commands: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
# Rebuilds in several work trees share one compiler cache when ccache is there.
ifneq ($(shell command -v ccache 2>/dev/null),)
CMAKE_FLAGS += -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
endif

.PHONY: run test build configure bootstrap bench clean

bootstrap:
	@scripts/bootstrap

configure: bootstrap
	@test -f $(BUILD)/build.ninja || cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: configure
	@cmake --build $(BUILD)

run: build
	$(BUILD)/zol

test: build
	cd $(BUILD) && ctest --output-on-failure -j2

bench: build
	$(BUILD)/bench/zol_bench
	$(BUILD)/bench/zol_list_bench

clean:
	rm -rf $(BUILD)
