#include <cctype>

#include "game/camp/game_options.h"
#include "game/camp/rest.h"
#include "game/events/event_dispatch.h"
#include "game/state/party.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "game/state/particles.h"
#include "game/world/exploration.h"
#include "game/world/map_catalogue.h"
#include "game/world/map_data.h"
#include "game/world/map_view.h"
#include "game/world/terrain.h"
#include "screen/johab.h"
#include "shell/key_queue.h"

namespace vela {

uint8_t Acted = 0;
uint8_t PartySprite = 0;
uint8_t SoundOn = 1;

namespace {

constexpr int kSpecialMap = 26;  // the party's figure has its own images there

void handleSquare(TileClass cls) {
    switch (cls) {
        case TileClass::Special: SpecialSquare(); break;
        case TileClass::Blocked: UndoStep(); break;
        case TileClass::Entrance: UndoStep(); EnterPlace(); break;
        case TileClass::Signpost: UndoStep(); ReadSign(); break;
        case TileClass::Person: UndoStep(); TalkTo(); break;
        case TileClass::Water: WaterStep(); break;
        case TileClass::Swamp: SwampStep(); break;
        case TileClass::Lava: LavaStep(); break;
        case TileClass::Floor: FloorStep(); break;
    }
}

// The member chosen for U cannot use items.
void sayCannotUseItems() {
    std::string name = (" " + Member[CurrentMember].Name.str()).substr(0, 18);
    WriteMessage(7, name + SubjectParticle(name) + std::string(" 물품을 사용할 수 있는 상태가 아닙니다."_j));
}

// The camp dialogs (party and member views, spells, powers, rest, items,
// options) open from these keys once the camp is in the game; for now only
// the use-item key asks for its member.
void runCommand(uint8_t key) {
    ClearMessages();
    if (key == 'G') GameOptionsMenu();
    if (key == 'R') Rest();
    if (key == 'U') {
        CurrentMember = SelectMember(false);
        if (CurrentMember > 0 && !IsActive(CurrentMember)) sayCannotUseItems();
    }
}

bool isCommandKey(uint8_t key) {
    switch (key) {
        case 'C': case 'E': case 'G': case 'P': case 'Q': case 'R': case 'U': case 'V': return true;
        default: return false;
    }
}

}  // namespace

void MapStep() {
    Acted = 0;
    StepDX = StepDY = 0;
    if (!KeyPressed()) return;
    LastKey = ReadKey();
    uint8_t upper = uint8_t(std::toupper(LastKey));
    if (isCommandKey(upper)) {
        runCommand(upper);
        StepDX = StepDY = 0;
        Acted = 1;
    }
    if (LastKey == 0) {
        Acted = 0;
        LastKey = ReadKey();
        int sprite = -1;
        switch (LastKey) {
            case kKeyUp: StepDY = -1; sprite = 1; break;
            case kKeyDown: StepDY = 1; sprite = 0; break;
            case kKeyLeft: StepDX = -1; sprite = 3; break;
            case kKeyRight: StepDX = 1; sprite = 2; break;
            default: break;
        }
        if (sprite >= 0) {
            Acted = 1;
            PartySprite = uint8_t(MapKind == kTown ? sprite : sprite + 4);
        }
        // Only a step turns the figure; other extended codes leave it alone, so
        // it never leaves the 28 sprite images.
        if (Party.MapNumber == kSpecialMap && sprite >= 0) PartySprite += 4;
    }
    if (LastKey == kKeySpace) {
        // The camp menu opens here once it is in the game.
        PartyFate() = 0;
        StepDX = StepDY = 0;
        Acted = 1;
    }
    if (LastKey == kKeyBackspace) SoundOn ^= 1;
    if (LastKey == 255) {
        // Reveals the hidden event squares until the next map load.
        std::fill_n(TileImages.begin() + 4, kImageSlotBytes - 4, 0);
    }
    if (Acted == 0) return;
    PartyX += StepDX;
    PartyY += StepDY;
    if (PartyX <= 4 || PartyX >= MapWidth - 3 || PartyY <= 5 || PartyY >= MapHeight - 4 || LastKey == kKeyEsc) {
        UndoStep();
        return;
    }
    // A handler that loads another map changes the kind, so a later block
    // of the same pass can run on the new map.
    for (uint8_t kind : {kTown, kGround, kDen, kKeep})
        if (MapKind == kind) handleSquare(ClassOfTile(kind, MapTile(PartyX, PartyY)));
}

}  // namespace vela
