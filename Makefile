# The two everyday commands: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

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

clean:
	rm -rf $(BUILD)
