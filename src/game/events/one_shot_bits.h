// Every one-shot bit of the story in one table: which flag byte and mask it
// uses, what it stands for and, for the bits that change a map, the square
// and the tile it leaves there. The map's entrances re-apply those tiles
// after a load, since a map file never remembers them.
#pragma once

#include <cstdint>

#include "game/world/map_catalogue.h"

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
    // the pyramid
    PyramidStatuesAwake, // the waking stone (30,100) has been read
    StatueAstronomy,     // the statues' pass bits
    StatueComputers,
    StatuePhysics,
    StatueChronicle,
    StatueMathematics,
    PyramidGuardCrypt,   // guard fights (22,24), (136,66), (125,24)
    PyramidGuardClue,
    PyramidGuardTreasury,
    PyramidReunion,      // the robed figure at (100,10) has spoken
    PyramidGold1,        // the gold finds, in the order of the map's list
    PyramidGold2,
    PyramidGold3,
    PyramidGold4,
    PyramidGold5,
    PyramidGold6,
    PyramidGold7,
    PyramidGold8,
    PyramidGold9,
    PyramidGold10,
    PyramidGold11,
    PyramidGold12,
    PyramidGold13,
    PyramidGold14,
    PyramidGold15,
    PyramidGold16,
    PyramidGold17,
    PyramidItem1,        // the item finds, in the order of the map's list
    PyramidItem2,
    PyramidItem3,
    PyramidItem4,
    PyramidItem5,
    PyramidItem6,
    PyramidItem7,
    PyramidItem8,
    PyramidItem9,
    PyramidItem10,
    PyramidItem11,
    PyramidItem12,
    PyramidItem13,
    PyramidItem14,
    // 흉성의 증거 and 흉성의 단서
    EvidenceScene,       // the scene at the foot of the closed stair has played
    ClueLeverNorthWest,  // the levers, each turning its picture
    ClueLeverNorthEast,
    ClueLeverWest,
    ClueLeverEast,
    ClueWayOpen,         // the closed way down stands open ((26,28) is laid by the gate)
    // the objectives of a descent (flags[9]), cleared when a stage begins
    ObjectiveMenace,     // through 메너스: the first descent's gate, the ruined cave at the end
    ObjectiveDome,       // the chief of 빛의 지붕 found; at the last descent, 아스모데우스 slain
    ObjectiveTemple,     // the weapon of 빛의 사원 taken; at the last descent, 메피스토펠레스 slain
    ObjectiveAccount,    // the account of 필멸의 생존 read
    ObjectiveSecondGate, // the second descent's gate
    ObjectiveBelial,     // 베리알's throne guard beaten
    ObjectiveMoloch,     // 몰록's mirror fought
    // 지하 세계 1 and its places
    DomeSurvivor,        // the survivor in the cellar has spoken and gone
    DomeFind1,
    DomeFind2,
    DomeFind3,
    MortalFind,
    TempleWeapon,
    Underworld1Find1,
    Underworld1Find2,
    Underworld1Find3,
    Underworld1Fight1,   // the north pass
    Underworld1Fight2,   // the south-west road
    Underworld1Fight3,   // the temple road
    Underworld1Fight4,   // the road to 몰록
    Alnilam,             // the prisoner freed on the road to 몰록 has joined
    // 지하 세계 2
    Underworld2Lever,    // the bridge over the fortress moat
    AsmodeusMouthGuard,  // the guards of the south mouth
    Underworld2Fight1,   // the long road
    Underworld2Fight2,   // the road to the guarded mouth
    Underworld2Fight3,   // the foot of the chasm bridge
    // the lairs
    BelialGuard1,
    BelialGuard2,
    BelialGuard3,
    BelialSlain,
    MolochSlain,
    AsmodeusSlain,
    AsmodeusLever1,      // the levers of his cave, up again on every visit
    AsmodeusLever2,
    AsmodeusLever3,
    AsmodeusLever4,
    AsmodeusLever5,
    AsmodeusLever6,
    FortressGate,
    FortressHall,
    // the cast
    AntaresMessage,      // the lord of 라스트디치 has heard 레드 안타레스's message
    DomeGirlReunion,     // 알니람 has found the girl of the dome in 타른
    Count
};

struct OneShotBit {
    Bit bit;
    uint8_t flag;  // Party.Flags index
    uint8_t mask;
    // The square the bit changes and the tile it leaves there; a row
    // without them changes no square.
    MapId map{};
    uint8_t x{}, y{}, tile{};
};

inline constexpr OneShotBit kOneShotBits[] = {
    {Bit::TarnKeyFound, 30, 0x01},
    {Bit::TarnSouthGateOpen, 30, 0x02, kTarn, 51, 87, 47},
    {Bit::TarnFoodGift, 30, 0x04},
    {Bit::TarnRulersOrders, 30, 0x08},
    {Bit::TarnArmoury, 30, 0x10},
    {Bit::TarnTreasuryGuards, 30, 0x20},
    {Bit::TarnVault1, 42, 0x01},
    {Bit::TarnVault2, 42, 0x02},
    {Bit::TarnVault3, 42, 0x04},
    {Bit::TarnVault4, 42, 0x08},
    {Bit::TarnVault5, 42, 0x10},
    {Bit::TarnStrongroom1, 42, 0x20},
    {Bit::TarnStrongroom2, 42, 0x40},
    {Bit::TarnStrongroom3, 42, 0x80},
    {Bit::TarnStrongroom4, 30, 0x40},
    {Bit::Aldebaran, 50, 0x01, kTarn, 89, 23, 47},
    {Bit::Rigel, 50, 0x02, kTarn, 9, 64, 47},
    {Bit::Polaris, 50, 0x04, kTarn, 21, 33, 47},
    {Bit::Spica, 50, 0x08, kTarn, 88, 38, 47},
    {Bit::Goblin, 50, 0x10, kTarn, 40, 15, 47},
    {Bit::Mirak, 50, 0x20, kTarn, 63, 10, 47},
    {Bit::Vega, 50, 0x40},
    {Bit::Castor, 50, 0x80, kLastDitch, 41, 18, 47},
    {Bit::BellatrixStory, 35, 0x10},
    {Bit::Bellatrix, 51, 0x01, kLastDitch, 54, 56, 47},
    {Bit::HutAppointment, 32, 0x10},
    {Bit::VegaGift, 32, 0x20},
    {Bit::EvidenceTablet, 31, 0x20},
    {Bit::ClueObject, 32, 0x80},
    {Bit::PyramidStatuesAwake, 44, 0x01},
    {Bit::StatueAstronomy, 46, 0x01},
    {Bit::StatueComputers, 46, 0x02},
    {Bit::StatuePhysics, 46, 0x04},
    {Bit::StatueChronicle, 46, 0x08},
    {Bit::StatueMathematics, 46, 0x20},
    {Bit::PyramidGuardCrypt, 44, 0x04},
    {Bit::PyramidGuardClue, 44, 0x08},
    {Bit::PyramidGuardTreasury, 44, 0x10},
    {Bit::PyramidReunion, 44, 0x20},
    {Bit::PyramidGold1, 45, 0x01},
    {Bit::PyramidGold2, 45, 0x02},
    {Bit::PyramidGold3, 45, 0x04},
    {Bit::PyramidGold4, 45, 0x08},
    {Bit::PyramidGold5, 45, 0x10},
    {Bit::PyramidGold6, 45, 0x20},
    {Bit::PyramidGold7, 45, 0x40},
    {Bit::PyramidGold8, 45, 0x80},
    {Bit::PyramidGold9, 47, 0x01},
    {Bit::PyramidGold10, 47, 0x02},
    {Bit::PyramidGold11, 47, 0x04},
    {Bit::PyramidGold12, 47, 0x08},
    {Bit::PyramidGold13, 47, 0x10},
    {Bit::PyramidGold14, 47, 0x20},
    {Bit::PyramidGold15, 47, 0x40},
    {Bit::PyramidGold16, 47, 0x80},
    {Bit::PyramidGold17, 44, 0x02},
    {Bit::PyramidItem1, 48, 0x01},
    {Bit::PyramidItem2, 48, 0x02},
    {Bit::PyramidItem3, 48, 0x04},
    {Bit::PyramidItem4, 48, 0x08},
    {Bit::PyramidItem5, 48, 0x10},
    {Bit::PyramidItem6, 48, 0x20},
    {Bit::PyramidItem7, 48, 0x40},
    {Bit::PyramidItem8, 48, 0x80},
    {Bit::PyramidItem9, 49, 0x01},
    {Bit::PyramidItem10, 49, 0x02},
    {Bit::PyramidItem11, 49, 0x04},
    {Bit::PyramidItem12, 49, 0x08},
    {Bit::PyramidItem13, 49, 0x10},
    {Bit::PyramidItem14, 49, 0x20},
    {Bit::EvidenceScene, 31, 0x40},
    {Bit::ClueLeverNorthWest, 32, 0x01, kClue, 8, 7, 17},
    {Bit::ClueLeverNorthEast, 32, 0x02, kClue, 37, 7, 17},
    {Bit::ClueLeverWest, 32, 0x04, kClue, 5, 25, 17},
    {Bit::ClueLeverEast, 32, 0x08, kClue, 40, 25, 17},
    {Bit::ClueWayOpen, 32, 0x40, kClue, 25, 28, 43},
    {Bit::ObjectiveMenace, 9, 0x01},
    {Bit::ObjectiveDome, 9, 0x02},
    {Bit::ObjectiveTemple, 9, 0x04},
    {Bit::ObjectiveAccount, 9, 0x08},
    {Bit::ObjectiveSecondGate, 9, 0x10},
    {Bit::ObjectiveBelial, 9, 0x20},
    {Bit::ObjectiveMoloch, 9, 0x40},
    {Bit::DomeSurvivor, 40, 0x01, kDome, 25, 61, 47},
    {Bit::DomeFind1, 40, 0x02},
    {Bit::DomeFind2, 40, 0x04},
    {Bit::DomeFind3, 40, 0x08},
    {Bit::MortalFind, 40, 0x10},
    {Bit::TempleWeapon, 40, 0x20},
    {Bit::Underworld1Find1, 40, 0x40},
    {Bit::Underworld1Find2, 40, 0x80},
    {Bit::Underworld1Find3, 41, 0x01},
    {Bit::Underworld1Fight1, 41, 0x02},
    {Bit::Underworld1Fight2, 41, 0x04},
    {Bit::Underworld1Fight3, 41, 0x08},
    {Bit::Underworld1Fight4, 41, 0x10},
    {Bit::Alnilam, 53, 0x01},
    {Bit::Underworld2Lever, 41, 0x20},
    {Bit::AsmodeusMouthGuard, 41, 0x40},
    {Bit::Underworld2Fight1, 41, 0x80},
    {Bit::Underworld2Fight2, 52, 0x01},
    {Bit::Underworld2Fight3, 52, 0x02},
    {Bit::BelialGuard1, 52, 0x04},
    {Bit::BelialGuard2, 52, 0x08},
    {Bit::BelialGuard3, 52, 0x10},
    {Bit::BelialSlain, 52, 0x20, kBelial, 30, 7, 44},
    {Bit::MolochSlain, 52, 0x40, kMoloch, 28, 7, 42},
    {Bit::AsmodeusSlain, 52, 0x80, kAsmodeus, 51, 20, 41},
    {Bit::AsmodeusLever1, 43, 0x01},
    {Bit::AsmodeusLever2, 43, 0x02},
    {Bit::AsmodeusLever3, 43, 0x04},
    {Bit::AsmodeusLever4, 43, 0x08},
    {Bit::AsmodeusLever5, 43, 0x10},
    {Bit::AsmodeusLever6, 43, 0x20},
    {Bit::FortressGate, 35, 0x01},
    {Bit::FortressHall, 35, 0x02},
    {Bit::AntaresMessage, 35, 0x04},
    {Bit::DomeGirlReunion, 35, 0x08},
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
void ReapplyTileChanges(MapId map);

}  // namespace vela
