# Thin wrapper over CMake. `make play` and `make test` are all a player or a
# reviewer needs; both install missing Debian packages first.
BUILD ?= build
JOBS ?= $(shell nproc)
GAME_DIR ?= $(or $(XDG_DATA_HOME),$(HOME)/.local/share)/vela

.PHONY: all deps build play test bench balance clean

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

bench: build
	@$(BUILD)/vela-bench

# Plays seeded battles against the reference parties; writes docs/BALANCE.md.
balance: build
	@$(BUILD)/vela-balance $(BUILD)/data tools/balance > docs/BALANCE.md.new && mv docs/BALANCE.md.new docs/BALANCE.md
	@grep "fights meet" docs/BALANCE.md

clean:
	rm -rf $(BUILD)
