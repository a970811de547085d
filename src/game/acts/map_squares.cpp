#include "game/acts/map_squares.h"

#include "game/state/party.h"
#include "game/ui/menus.h"
#include "game/world/map_catalogue.h"
#include "game/world/map_data.h"
#include "screen/johab.h"

namespace vela {

namespace {

constexpr Direction kDirections[5] = {{0, 0}, {0, -1}, {0, 1}, {1, 0}, {-1, 0}};

bool between(int tile, int low, int high) { return tile >= low && tile <= high; }

}  // namespace

int ChooseDirection() {
    SetMenuItems("<<<  방향을 선택하시오  >>>"_j, {"북쪽"_j, "남쪽"_j, "동쪽"_j, "서쪽"_j});
    return Select(70, 4, 4, true, true);
}

Direction DirectionOf(int choice) { return choice >= 1 && choice <= 4 ? kDirections[choice] : kDirections[0]; }

std::string DirectionName(int choice) {
    switch (choice) {
        case 1: return "북쪽"_j;
        case 2: return "남쪽"_j;
        case 3: return "동쪽"_j;
        case 4: return "서쪽"_j;
        default: return "";
    }
}

bool InPlayableArea(int x, int y) { return x >= 5 && x <= MapWidth - 4 && y >= 5 && y <= MapHeight - 4; }

bool InEvilCave() {
    return Party.MapNumber == kBelial || Party.MapNumber == kMoloch || Party.MapNumber == kAsmodeus;
}

bool IsForbiddenSquare(int x, int y) {
    int tile = MapTile(x, y);
    return tile == 0 || (tile == 52 && (MapKind == kDen || MapKind == kKeep));
}

bool IsOpenForJump(int x, int y) {
    int tile = MapTile(x, y);
    if (tile == 0) return true;
    switch (MapKind) {
        case kTown: return between(tile, 27, 47);
        case kGround: return between(tile, 24, 47);
        case kDen: return between(tile, 41, 47);
        default: return between(tile, 40, 47);
    }
}

bool IsOpenForTeleport(int x, int y) {
    int tile = MapTile(x, y);
    switch (MapKind) {
        case kGround: return between(tile, 24, 47);
        case kDen: return between(tile, 41, 47);
        default: return between(tile, 27, 47);  // towns and keeps
    }
}

}  // namespace vela
