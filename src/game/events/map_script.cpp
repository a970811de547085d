#include "game/events/map_script.h"

#include <utility>

#include "game/state/party.h"
#include "game/ui/messages.h"
#include "game/ui/speech.h"

namespace vela {

Spoken Said(TextColour colour, std::initializer_list<std::string_view> lines) {
    return {Spoken::Kind::Lines, colour, lines};
}

Spoken Header(std::string_view heading) { return {Spoken::Kind::Heading, TextColour::Heading, {heading}}; }

Spoken Page() { return {Spoken::Kind::Page, TextColour::Speech, {}}; }

Block::Block(std::vector<Square> where, void (*action)()) : squares(std::move(where)), run(action) {}

Block::Block(std::vector<Square> where, Words said) : squares(std::move(where)), words(std::move(said)) {}

Block::Block(std::vector<Square> where, Words said, StoryStage from, Words then)
    : squares(std::move(where)), words(std::move(said)), laterFrom(from), later(std::move(then)) {}

void Speak(const Words& words) {
    for (const Spoken& part : words) {
        switch (part.kind) {
            case Spoken::Kind::Lines:
                for (std::string_view line : part.lines) WriteMessage(part.colour, line);
                break;
            case Spoken::Kind::Heading: Heading(part.lines.front()); break;
            case Spoken::Kind::Page: NextPage(); break;
        }
    }
}

MapScript::MapScript(std::vector<Block> specialBlocks, std::vector<Block> entranceBlocks,
                     std::vector<Block> signBlocks, std::vector<Block> talkBlocks)
    : special(std::move(specialBlocks)),
      entrance(std::move(entranceBlocks)),
      sign(std::move(signBlocks)),
      talk(std::move(talkBlocks)) {}

const std::vector<Block>& BlocksOf(const MapScript& script, Handler handler) {
    switch (handler) {
        case Handler::Special: return script.special;
        case Handler::Entrance: return script.entrance;
        case Handler::Sign: return script.sign;
        case Handler::Talk: break;
    }
    return script.talk;
}

namespace {

bool answers(const Block& block, int x, int y) {
    if (block.squares.empty()) return true;
    for (Square s : block.squares)
        if (s.x == x && s.y == y) return true;
    return false;
}

}  // namespace

const Block* BlockAt(int map, Handler handler, int x, int y) {
    const MapScript* script = ScriptOfMap(map);
    if (script == nullptr) return nullptr;
    for (const Block& block : BlocksOf(*script, handler))
        if (answers(block, x, y)) return &block;
    return nullptr;
}

void RunBlocks(Handler handler) {
    int map = Party.MapNumber;
    const MapScript* script = ScriptOfMap(map);
    if (script == nullptr) return;
    // Special squares are stood on; the others were bumped from next door.
    bool stood = handler == Handler::Special;
    int x = stood ? PartyX : PartyX + StepDX;
    int y = stood ? PartyY : PartyY + StepDY;
    int fromX = PartyX, fromY = PartyY;
    for (const Block& block : BlocksOf(*script, handler)) {
        if (!answers(block, x, y)) continue;
        if (block.run)
            block.run();
        else
            Speak(block.later.empty() || Stage() < block.laterFrom ? block.words : block.later);
        if (Party.MapNumber != map || PartyX != fromX || PartyY != fromY) return;
    }
}

}  // namespace vela
