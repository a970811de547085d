// What the game knows about its maps before loading any: each map's id,
// number, file name, kind, base tile, tune and wandering foes (the rows are
// in map_list.h), and what each tile number is on each kind of map.
// Header-only, shared by the game and the data builder so a map that passes
// the builder's checks behaves the same in the game.
#pragma once

#include <cstdint>
#include <iterator>

namespace vela {

enum MapKindValue : uint8_t { kTown = 0, kGround = 1, kDen = 2, kKeep = 3 };

// The maps by name: Party.MapNumber == kTarn. Map changes take a MapId, so a
// bare number does not compile there.
enum MapId : uint8_t {
#define VELA_MAP(id, number, ...) id = number,
#include "game/world/map_list.h"
#undef VELA_MAP
};

struct MapInfo {
    MapId id;
    const char* name;  // the file is name + ".map"
    uint8_t kind;
    int baseTile;      // slot copied over slot 0 after a load; -1 keeps slot 0
    const char* tune;  // the music file
    int firstFoe, foeKinds;  // the wandering foes: enemies firstFoe.. (foeKinds of them)
};

// The maps the game loads, numbered from 1.
inline constexpr MapInfo kMapCatalogue[] = {
#define VELA_MAP(id, number, file, kind, baseTile, tune, script, firstFoe, foeKinds) \
    {id, file, kind, baseTile, tune, firstFoe, foeKinds},
#include "game/world/map_list.h"
#undef VELA_MAP
};
inline constexpr int kLastMap = int(std::size(kMapCatalogue));

constexpr bool mapsAreNumberedInOrder() {
    for (int i = 0; i < kLastMap; ++i)
        if (kMapCatalogue[i].id != i + 1) return false;
    return true;
}
static_assert(mapsAreNumberedInOrder(), "map_list.h lists the maps as 1, 2, 3, ... with no gap");

// What every other number loads (0 and numbers past the last map): a keep
// that no map source builds.
inline constexpr MapInfo kUnknownMap{MapId{}, "Unknown", kKeep, -1, "Music5.Bgm", 0, 0};

constexpr bool IsGameMap(int number) { return number >= 1 && number <= kLastMap; }

constexpr const MapInfo& MapInfoOf(int number) {
    return IsGameMap(number) ? kMapCatalogue[number - 1] : kUnknownMap;
}

// What a step onto a tile does.
enum class TileClass { Special, Blocked, Entrance, Signpost, Person, Water, Swamp, Lava, Floor };

constexpr TileClass ClassOfTile(int kind, int tile) {
    if (tile == 0) return TileClass::Special;
    if (kind == kTown) {
        if (tile == 19) return TileClass::Special;
        if (tile <= 21) return TileClass::Blocked;
        if (tile == 22) return TileClass::Entrance;
        if (tile == 23) return TileClass::Signpost;
        if (tile == 24) return TileClass::Water;
        if (tile == 25) return TileClass::Swamp;
        if (tile == 26) return TileClass::Lava;
        return tile <= 47 ? TileClass::Floor : TileClass::Person;
    }
    if (kind == kGround) {
        if (tile == 20) return TileClass::Special;
        if (tile <= 19) return TileClass::Blocked;
        if (tile == 21) return TileClass::Entrance;
        if (tile == 22) return TileClass::Signpost;
        if (tile == 23 || tile == 49) return TileClass::Swamp;
        if (tile <= 47) return TileClass::Floor;
        if (tile == 48) return TileClass::Water;
        return tile == 50 ? TileClass::Lava : TileClass::Entrance;
    }
    // Dens and keeps differ only in tile 40, a wall in dens and a floor in keeps.
    int firstFloor = kind == kDen ? 41 : 40;
    if (tile < firstFloor || tile == 51) return TileClass::Blocked;
    if (tile <= 47) return TileClass::Floor;
    if (tile == 48) return TileClass::Water;
    if (tile == 49) return TileClass::Swamp;
    if (tile == 50) return TileClass::Lava;
    if (tile == 52) return TileClass::Special;
    if (tile == 53) return TileClass::Signpost;
    if (tile == 54) return TileClass::Entrance;
    return TileClass::Person;
}

}  // namespace vela
