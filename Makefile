# Thin wrapper over CMake. `make play` and `make test` are all a player or a
# reviewer needs; both install missing Debian packages first.
BUILD ?= build
JOBS ?= $(shell nproc)
GAME_DIR ?= $(or $(XDG_DATA_HOME),$(HOME)/.local/share)/vela

SAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 30
# Leaks inside the system's D-Bus library (reached by SDL at exit) are not ours.
SAN_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:verify_asan_link_order=0 UBSAN_OPTIONS=print_stacktrace=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp

.PHONY: all deps build play test bench balance soak clean sanitize sanitize-build fuzz-build fuzz package

all: build

deps:
	@sh scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# The game runs in a per-user folder holding a fresh copy of the data files
# and the saved games, so rebuilding never touches a save. Only the game's
# own files are copied (fonts, tile and sprite sets, palettes, maps, the enemy
# table, music), never saved games, screenshots or anything else that a run
# in the build folder may have left there.
play: build
	@mkdir -p "$(GAME_DIR)"
	@cd $(BUILD)/data && for f in *.fnt *.pal *.map foedata.dat _*; do \
	    case "$$f" in save[1-9].map) continue ;; esac; \
	    [ -f "$$f" ] && cp "$$f" "$(GAME_DIR)/" || true; \
	done
	@cd "$(GAME_DIR)" && exec "$(CURDIR)/$(BUILD)/vela" $(ARGS)

test: build
	@cd $(BUILD) && ctest --output-on-failure

# The Debian package $(BUILD)/vela_<version>_amd64.deb (see the README).
package: build
	@cd $(BUILD) && cpack -G DEB

# The same tests built with AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize-build: deps
	@cmake -S . -B $(SAN_BUILD) -DCMAKE_CXX_COMPILER=g++ -DVELA_SANITIZE=ON >/dev/null
	@cmake --build $(SAN_BUILD) -j $(JOBS)

sanitize: sanitize-build
	@cd $(SAN_BUILD) && $(SAN_ENV) ctest --output-on-failure

# Each loader's libFuzzer target (clang) for FUZZ_SECONDS seconds. The whole
# game is built with clang there too, map scripts and both programs included.
fuzz-build: deps
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DVELA_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target all fuzzers

# The clang-built harness makes the saved games that seed the saved-game
# targets, then plays the scenarios and the playthrough, map scripts and all.
fuzz: fuzz-build
	@$(SAN_ENV) tests/fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)
	@$(SAN_ENV) tests/scenarios/run.sh $(FUZZ_BUILD)/vela-headless $(FUZZ_BUILD)/data
	@$(SAN_ENV) tests/playthrough/run.sh $(FUZZ_BUILD)/vela-headless $(FUZZ_BUILD)/data

bench: build
	@$(BUILD)/vela-bench

# Plays seeded battles against the reference parties; writes docs/BALANCE.md.
# Random keys from the title and from saved games until MINUTES are up.
MINUTES ?= 2
soak: build
	@python3 tests/soak/soak.py $(BUILD)/vela-headless $(BUILD)/data $(MINUTES)

balance: build
	@$(BUILD)/vela-balance $(BUILD)/data tools/balance > docs/BALANCE.md.new && mv docs/BALANCE.md.new docs/BALANCE.md
	@grep "fights meet" docs/BALANCE.md

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD)
