#include <cctype>

#include "game/camp/camp_menu.h"
#include "game/events/event_dispatch.h"
#include "game/state/party.h"
#include "game/explore/map_step.h"
#include "game/ui/messages.h"
#include "game/world/map_catalogue.h"
#include "game/world/map_data.h"
#include "game/world/map_view.h"
#include "game/explore/terrain.h"
#include "runtime/settings.h"
#include "runtime/key_queue.h"
#include "screen/johab.h"

namespace vela {

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

}  // namespace

void MapStep() {
    Acted = 0;
    StepDX = StepDY = 0;
    if (!KeyPressed(IdleWait::kUntilEvent)) return;  // nothing on the map moves by itself
    LastKey = ReadKey();
    uint8_t upper = uint8_t(std::toupper(LastKey));
    if (RunCampKey(upper)) {
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
        PartyFate() = 0;
        CampMenu();
        StepDX = StepDY = 0;
        Acted = 1;
    }
    if (LastKey == kKeyBackspace) {
        SoundOn ^= 1;
        UserSettings.footsteps = SoundOn == 1;
        SaveSettings();
        WriteMessage(TextColour::Narration, SoundOn ? "발소리를 켰습니다."_j : "발소리를 껐습니다."_j);
    }
    if (LastKey == 255) {
        // Reveals the hidden event squares until the next map load.
        BlankTileImage(0);
    }
    if (Acted == 0) return;
    PartyX += StepDX;
    PartyY += StepDY;
    if (!InsideWalkArea(PartyX, PartyY) || LastKey == kKeyEsc) {
        UndoStep();
        return;
    }
    // A handler that loads another map changes the kind, so a later block
    // of the same pass can run on the new map.
    for (uint8_t kind : {kTown, kGround, kDen, kKeep})
        if (MapKind == kind) handleSquare(ClassOfTile(kind, MapTile(PartyX, PartyY)));
}

}  // namespace vela
