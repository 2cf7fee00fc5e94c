# The two everyday commands: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
# Rebuilds in several work trees share one compiler cache when ccache is there.
ifneq ($(shell command -v ccache 2>/dev/null),)
LAUNCHER = -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
endif
CMAKE_FLAGS += $(LAUNCHER)

# `make sanitize`: clang with AddressSanitizer and UndefinedBehaviorSanitizer
# in a build folder of its own, the whole suite run there. The same build
# holds the fuzz targets (`make fuzz`, FUZZ_SECONDS each).
SANITIZE_BUILD ?= build-sanitize
SANITIZERS = -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
SANITIZE_FLAGS = -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ $(LAUNCHER) \
  -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g" \
  "-DCMAKE_CXX_FLAGS=$(SANITIZERS) -fsanitize=fuzzer-no-link" \
  "-DCMAKE_EXE_LINKER_FLAGS=$(SANITIZERS)" -DZOL_FUZZ=ON -DZOL_BENCH=OFF
SANITIZE_ENV = ASAN_OPTIONS=check_initialization_order=1:strict_init_order=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/leaks.supp:print_suppressions=0
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = document_reader piece_set_reader settings_reader placement_line text_codec colour_table jpeg_picture gtans_reader
FUZZ_DIR = tests/fuzz

.PHONY: run test build configure bootstrap bench clean install deb sanitize sanitize-build fuzz fuzz-replay

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
	$(BUILD)/bench/zol_editor_bench
	$(BUILD)/bench/zol_silhouette_bench

# Installs into PREFIX (/usr/local unless told): make install PREFIX=~/.local
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package of the build, in $(BUILD)/packages, checked by lintian.
deb: build
	cd $(BUILD) && cpack -G DEB -B packages
	lintian $(BUILD)/packages/zol_*.deb

sanitize-build: bootstrap
	@test -f $(SANITIZE_BUILD)/build.ninja || cmake -S . -B $(SANITIZE_BUILD) -G Ninja $(SANITIZE_FLAGS)
	@$(SANITIZE_ENV) cmake --build $(SANITIZE_BUILD)

sanitize: sanitize-build
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) ctest --output-on-failure -j2

# New inputs go to the build folder's corpus; an input that fails is written
# to $(FUZZ_DIR)/failures/<target>/ to be kept with the sources.
fuzz: sanitize-build
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(SANITIZE_BUILD)/fuzz-corpus/$$t $(FUZZ_DIR)/failures/$$t; \
	  echo "fuzz: $$t for $(FUZZ_SECONDS) s"; \
	  $(SANITIZE_ENV) $(SANITIZE_BUILD)/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -timeout=10 -max_len=4096 \
	    -print_final_stats=1 -artifact_prefix=$(FUZZ_DIR)/failures/$$t/ \
	    $(SANITIZE_BUILD)/fuzz-corpus/$$t $(FUZZ_DIR)/corpus/$$t || exit 1; \
	done

# Every kept input (seeds and past failures) through its target, once.
fuzz-replay: sanitize-build
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_DIR)/failures/$$t; \
	  $(SANITIZE_ENV) $(SANITIZE_BUILD)/fuzz_$$t -runs=0 $(FUZZ_DIR)/corpus/$$t $(FUZZ_DIR)/failures/$$t \
	    2>$(SANITIZE_BUILD)/fuzz-replay-$$t.log || { cat $(SANITIZE_BUILD)/fuzz-replay-$$t.log; exit 1; }; \
	  echo "fuzz-replay: $$t: $$(find $(FUZZ_DIR)/corpus/$$t $(FUZZ_DIR)/failures/$$t -type f | wc -l) inputs pass"; \
	done

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
