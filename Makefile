# Thin wrapper over CMake. `make play` and `make test` are all a player or a
# reviewer needs; both install missing Debian packages first.
BUILD ?= build
JOBS ?= $(shell nproc)
GAME_DIR ?= $(or $(XDG_DATA_HOME),$(HOME)/.local/share)/vela

WEB_BUILD ?= build-web
WEB_PORT ?= 8000
# emcc runs its own JavaScript with the system's node, which finds Debian's
# modules (acorn) only here.
EMSCRIPTEN_ENV = NODE_PATH=/usr/share/nodejs

SAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 30
# Leaks inside the system's D-Bus library (reached by SDL at exit) are not ours.
SAN_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:verify_asan_link_order=0 UBSAN_OPTIONS=print_stacktrace=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp

.PHONY: all deps build play test bench balance soak check-plans robustness clean sanitize sanitize-build fuzz-build fuzz package web web-play web-test

all: build

deps:
	@sh scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# Copies the game's own files into folder $(1) (fonts, tile and sprite sets,
# palettes, maps, the enemy table, music), never saved games, screenshots or
# anything else that a run in the build folder may have left there.
copy-game-files = cd $(BUILD)/data && for f in *.fnt *.pal *.map foedata.dat _*; do \
	    case "$$f" in save[1-9].map) continue ;; esac; \
	    [ -f "$$f" ] && cp "$$f" "$(1)/" || true; \
	done

# The game runs in a per-user folder holding a fresh copy of the data files
# and the saved games, so rebuilding never touches a save.
play: build
	@mkdir -p "$(GAME_DIR)"
	@$(call copy-game-files,$(GAME_DIR))
	@cd "$(GAME_DIR)" && exec "$(CURDIR)/$(BUILD)/vela" $(ARGS)

# The game in a browser: $(WEB_BUILD) holds the page (index.html, vela.js,
# vela.wasm, and the data files packed in vela.data with their loader
# vela-data.js); $(WEB_BUILD)/cmake the build and the harness for node.
web: build
	@sh scripts/install-deps.sh web
	@$(EMSCRIPTEN_ENV) emcmake cmake -S . -B $(WEB_BUILD)/cmake -DCMAKE_BUILD_TYPE=Release \
	    -DVELA_WEB_PAGE=$(CURDIR)/$(WEB_BUILD) >/dev/null
	@$(EMSCRIPTEN_ENV) cmake --build $(WEB_BUILD)/cmake -j $(JOBS)
	@rm -rf $(WEB_BUILD)/cmake/pack && mkdir -p $(WEB_BUILD)/cmake/pack
	@$(call copy-game-files,$(CURDIR)/$(WEB_BUILD)/cmake/pack)
	@cd $(WEB_BUILD) && $(EMSCRIPTEN_ENV) python3 /usr/share/emscripten/tools/file_packager.py vela.data \
	    --preload cmake/pack@/data --js-output=vela-data.js >/dev/null 2>cmake/packer.log || { cat cmake/packer.log; exit 1; }
	@cp web/index.html $(WEB_BUILD)/

web-play: web
	@echo "벨라: http://localhost:$(WEB_PORT)/"
	@cd $(WEB_BUILD) && exec python3 -m http.server $(WEB_PORT) --bind 127.0.0.1

# The playthrough under node, compared with the native harness at every
# stage; then the page in chromium: keys, pixels, a save across a reload.
BROWSER_TEST = tests/web/browser
web-test: web $(BROWSER_TEST)/node_modules/.package-lock.json
	@tests/web/node_playthrough.sh $(BUILD)/vela-headless $(WEB_BUILD)/cmake/vela-headless $(BUILD)/data
	@tests/web/browser.sh $(WEB_BUILD) $(BUILD)/vela-headless $(BUILD)/data

# The browser test's driver, puppeteer-core, as its lockfile pins it; it
# drives the system's chromium and downloads no browser.
$(BROWSER_TEST)/node_modules/.package-lock.json: $(BROWSER_TEST)/package-lock.json
	@cd $(BROWSER_TEST) && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --silent

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

# Random keys from the title and from saved games until MINUTES are up.
MINUTES ?= 2
soak: build
	@python3 tests/soak/soak.py $(BUILD)/vela-headless $(BUILD)/data $(MINUTES)

# Every plan compiled against the committed keys before it, two at a time:
# fails when a plan needs a rewind or compiles to other keys than the
# committed ones (a few minutes).
check-plans: build
	@tests/playthrough/check_plans.sh $(BUILD)/vela-headless $(BUILD)/data

# Each plan compiled from the save before it with seeds 1 to 12; rewrites
# tools/balance/robustness.md.
robustness: build
	@python3 tests/playthrough/robustness.py $(BUILD)/vela-headless $(BUILD)/data > tools/balance/robustness.md.new
	@mv tools/balance/robustness.md.new tools/balance/robustness.md

# Plays seeded battles against the reference parties; writes docs/BALANCE.md.
# The reference parties and the stretches between rests come from the
# playthrough's own states and transcripts, kept in $(BUILD)/playthrough.
balance: build
	@rm -rf $(BUILD)/playthrough && mkdir -p $(BUILD)/playthrough
	@PLAYTHROUGH_OUTPUTS=$(BUILD)/playthrough bash tests/playthrough/run.sh $(BUILD)/vela-headless $(BUILD)/data \
	    >/dev/null || echo "the playthrough fails: its parties are what its keys reach"
	@$(BUILD)/vela-balance $(BUILD)/data tools/balance $(BUILD)/playthrough > docs/BALANCE.md.new && mv docs/BALANCE.md.new docs/BALANCE.md
	@grep "fights meet" docs/BALANCE.md

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD) $(WEB_BUILD)
