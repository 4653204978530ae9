# make run   - build and start the program on the sample disc
# make test  - build and run every test, in a normal and a sanitizer build
# make bench - build and run the benchmarks and the start-up timing (bench/startup.sh)
# make assets - regenerate the sample disc's bitmaps, layout and game programs
# make install - install the program, the disc and a desktop entry below
#                $(PREFIX) (default /usr/local); DESTDIR is honoured

BUILD      := build
ASAN_BUILD := build-asan
JOBS       ?= $(shell nproc)
WERROR     := $(if $(CI),ON,OFF)
PREFIX     ?= /usr/local

# The window tests need an X display; without one they get a virtual one.
CTEST := $(if $(DISPLAY),,xvfb-run -a -s "-screen 0 1024x768x24") ctest

CMAKE_COMMON := -G Ninja -DQUELMARA_WERROR=$(WERROR)

.PHONY: all deps build build-asan test run bench assets install clean

all: build

deps:
	@bash tools/deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(ASAN_BUILD)/build.ninja: | deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DQUELMARA_SANITIZE=ON \
	  -DQUELMARA_FUZZ=ON

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)

test: build build-asan
	cd $(BUILD) && $(CTEST) --output-on-failure -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp $(CTEST) --output-on-failure -j $(JOBS)

run: build
	$(BUILD)/quelmara disc

install: build
	DESTDIR=$(DESTDIR) cmake --install $(BUILD) --prefix $(PREFIX)

bench: build
	$(BUILD)/bench/quelmara_bench
	bash bench/startup.sh $(BUILD)

assets: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) --target make_assets -j $(JOBS)
	$(BUILD)/tools/make_assets disc

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
