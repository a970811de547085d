// A map's event script: for each of the four handlers an ordered list of
// blocks, each the squares it answers to and what it does. The blocks are
// tested in order; every block whose square matches runs, until one moves
// the party or changes the map.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

#include "game/state/story.h"
#include "screen/text_colour.h"

namespace vela {

struct Square {
    int x, y;
};

// One piece of what a block that only speaks says: lines in a colour, a
// heading (as Heading writes it) or a page break (the any-key prompt).
struct Spoken {
    enum class Kind : uint8_t { Lines, Heading, Page };
    Kind kind;
    TextColour colour;
    // Views of the script's own fixed texts, which live as long as the game.
    std::vector<std::string_view> lines;
};
using Words = std::vector<Spoken>;

Spoken Said(TextColour colour, std::initializer_list<std::string_view> lines);
Spoken Header(std::string_view heading);
Spoken Page();

// What a square does: a function, or, for a block that only speaks, its
// words as data, said in order; a speaker whose words change with the story
// has his later words and the stage they start at.
struct Block {
    Block(std::vector<Square> where, void (*action)());
    Block(std::vector<Square> where, Words said);
    Block(std::vector<Square> where, Words said, StoryStage from, Words then);

    std::vector<Square> squares;  // empty: any square of its class on the map
    void (*run)() = nullptr;
    Words words;
    StoryStage laterFrom{};
    Words later;  // empty: the words never change
};

// Says a block's words in the message window.
void Speak(const Words& words);

struct MapScript {
    // Not constexpr on purpose: a script is built at run time, and clang 14
    // crashes when it tries to evaluate a large table as a constant.
    MapScript(std::vector<Block> specialBlocks, std::vector<Block> entranceBlocks, std::vector<Block> signBlocks,
              std::vector<Block> talkBlocks);

    std::vector<Block> special;   // stood on (StandsAt)
    std::vector<Block> entrance;  // bumped (StepTarget)
    std::vector<Block> sign;
    std::vector<Block> talk;
};

enum class Handler { Special, Entrance, Sign, Talk };

// The script of a map number, or nullptr for a number without a map.
const MapScript* ScriptOfMap(int map);
const std::vector<Block>& BlocksOf(const MapScript& script, Handler handler);

// The first block of the handler that answers to (x, y), or nullptr.
const Block* BlockAt(int map, Handler handler, int x, int y);

// Runs the matching blocks of the current map for the handler.
void RunBlocks(Handler handler);

// The scripts, one file each, named in the script column of the map table.
#define VELA_MAP(id, number, file, kind, baseTile, tune, script, ...) const MapScript& script();
#include "game/world/map_list.h"
#undef VELA_MAP

}  // namespace vela
