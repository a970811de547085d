// Every one-shot bit of the story in one table: which flag byte and mask it
// uses, what it stands for and, for the bits that change a map, the square
// and the tile it leaves there. The map's entrances re-apply those tiles
// after a load, since a map file never remembers them.
#pragma once

#include <cstdint>

namespace vela {

enum class Bit : uint8_t {
    // 타른
    TarnKeyFound,        // the key behind the graves (78,85)
    TarnSouthGateOpen,   // the guard at the south gate (51,87) steps aside
    TarnFoodGift,        // the woman at (90,59) gave food
    TarnRulersOrders,    // the ruler has given the first mission; the court guards know
    TarnArmoury,         // the equipping scene in the armoury (38,26)
    TarnTreasuryGuards,  // the guards at the treasury door (65,28) beaten
    TarnVault1,          // the vault's finds (90,40)..(90,44)
    TarnVault2,
    TarnVault3,
    TarnVault4,
    TarnVault5,
    TarnStrongroom1,     // the strongroom's finds (82,52), (84,52), (89,52), (91,52)
    TarnStrongroom2,
    TarnStrongroom3,
    TarnStrongroom4,
    // recruits
    Aldebaran,           // former companions of 타른
    Rigel,
    Polaris,
    Spica,
    Goblin,              // the cackling stranger, companion slot
    Mirak,               // the thief
    Vega,                // the herbalist of 레굴루스
    Castor,              // the former companion of 라스트디치
    BellatrixStory,      // the hidden comrade has told his story
    Bellatrix,           // the hidden comrade joined
    // 레굴루스 and the hut
    HutAppointment,      // the herbalist has come home for the appointment
    VegaGift,            // the herbalist gave his herbs
    // deeds in the dens that the lord of 라스트디치 waits for
    EvidenceTablet,      // the tablet of 흉성의 증거 has been read
    ClueObject,          // the object of 흉성의 단서 has been found
    Count
};

struct OneShotBit {
    Bit bit;
    uint8_t flag;  // Party.Flags index
    uint8_t mask;
    uint8_t map;   // with x, y, tile: the square the bit changes; 0: none
    uint8_t x, y, tile;
};

inline constexpr OneShotBit kOneShotBits[] = {
    {Bit::TarnKeyFound, 30, 0x01, 0, 0, 0, 0},
    {Bit::TarnSouthGateOpen, 30, 0x02, 6, 51, 87, 47},
    {Bit::TarnFoodGift, 30, 0x04, 0, 0, 0, 0},
    {Bit::TarnRulersOrders, 30, 0x08, 0, 0, 0, 0},
    {Bit::TarnArmoury, 30, 0x10, 0, 0, 0, 0},
    {Bit::TarnTreasuryGuards, 30, 0x20, 0, 0, 0, 0},
    {Bit::TarnVault1, 42, 0x01, 0, 0, 0, 0},
    {Bit::TarnVault2, 42, 0x02, 0, 0, 0, 0},
    {Bit::TarnVault3, 42, 0x04, 0, 0, 0, 0},
    {Bit::TarnVault4, 42, 0x08, 0, 0, 0, 0},
    {Bit::TarnVault5, 42, 0x10, 0, 0, 0, 0},
    {Bit::TarnStrongroom1, 42, 0x20, 0, 0, 0, 0},
    {Bit::TarnStrongroom2, 42, 0x40, 0, 0, 0, 0},
    {Bit::TarnStrongroom3, 42, 0x80, 0, 0, 0, 0},
    {Bit::TarnStrongroom4, 30, 0x40, 0, 0, 0, 0},
    {Bit::Aldebaran, 50, 0x01, 6, 89, 23, 47},
    {Bit::Rigel, 50, 0x02, 6, 9, 64, 47},
    {Bit::Polaris, 50, 0x04, 6, 21, 33, 47},
    {Bit::Spica, 50, 0x08, 6, 88, 38, 47},
    {Bit::Goblin, 50, 0x10, 6, 40, 15, 47},
    {Bit::Mirak, 50, 0x20, 6, 63, 10, 47},
    {Bit::Vega, 50, 0x40, 0, 0, 0, 0},
    {Bit::Castor, 50, 0x80, 7, 41, 18, 47},
    {Bit::BellatrixStory, 35, 0x10, 0, 0, 0, 0},
    {Bit::Bellatrix, 51, 0x01, 7, 54, 56, 47},
    {Bit::HutAppointment, 32, 0x10, 0, 0, 0, 0},
    {Bit::VegaGift, 32, 0x20, 0, 0, 0, 0},
    {Bit::EvidenceTablet, 31, 0x20, 0, 0, 0, 0},
    {Bit::ClueObject, 32, 0x80, 0, 0, 0, 0},
};

constexpr bool oneShotTableIsSound() {
    constexpr int n = int(sizeof kOneShotBits / sizeof kOneShotBits[0]);
    if (n != int(Bit::Count)) return false;
    for (int i = 0; i < n; ++i) {
        if (int(kOneShotBits[i].bit) != i) return false;
        for (int j = 0; j < i; ++j)
            if (kOneShotBits[i].flag == kOneShotBits[j].flag && (kOneShotBits[i].mask & kOneShotBits[j].mask))
                return false;
    }
    return true;
}
static_assert(oneShotTableIsSound(), "every event has its own bit, listed in the order of Bit");

bool IsSet(Bit bit);
void SetBit(Bit bit);
// Sets the remembered tile of every set bit that belongs to the map.
void ReapplyTileChanges(int map);

}  // namespace vela
