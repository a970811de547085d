// What the game knows about its maps before loading any: each map number's
// file name, kind and base tile, and what each tile number is on each kind of
// map. Header-only, shared by the game and the data builder so a map that
// passes the builder's checks behaves the same in the game.
#pragma once

#include <cstdint>

namespace vela {

enum MapKindValue : uint8_t { kTown = 0, kGround = 1, kDen = 2, kKeep = 3 };

struct MapInfo {
    const char* name;  // the file is name + ".map"
    uint8_t kind;
    int baseTile;      // slot copied over slot 0 after a load; -1 keeps slot 0
};

// Maps 0..18; every other number is map 0's "Unknown" keep.
inline constexpr MapInfo kMapCatalogue[19] = {
    {"Unknown", kKeep, -1},    {"Ground", kGround, 41},   {"Pyramid", kDen, 44},
    {"U_World1", kGround, 10}, {"U_World2", kGround, 10},
    {"Hall_of_the_Vela_Makers_00", kKeep, 0},  // the credit map's fixed 26-character name
    {"Tarn", kTown, 44},       {"LastDitc", kTown, 45},   {"Dome", kTown, 47},
    {"Regulus", kTown, 47},    {"Menace", kDen, 0},       {"Evidence", kDen, 41},
    {"Clue", kDen, 0},         {"LTemple", kDen, 41},     {"Mortal", kDen, 43},
    {"Belial", kDen, 44},      {"Moloch", kDen, 42},      {"Asmodeus", kDen, 0},
    {"Mephisto", kKeep, 41},
};

constexpr const MapInfo& MapInfoOf(int number) {
    return number >= 0 && number <= 18 ? kMapCatalogue[number] : kMapCatalogue[0];
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
